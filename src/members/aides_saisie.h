#pragma once
// What the register's entry aids compute from the members: the cities known,
// the city of a postal code and the postal code of a city, the place of a
// name in a sorted list, the digits of a phone number and its dialling.
#include <QChar>
#include <QString>
#include <QStringList>

// The cities of the members in list order, trimmed, each once (compared
// exactly); empty cities and cities never written (holding a NUL) left out.
QStringList villes_des_adhérents();

// Where a name goes in a list kept sorted in French order, without regard to
// case (the order of the grid's sorts).
int place_triée(const QStringList& liste, const QString& nom);

// cherche_ville: the entry of `villes` to select for the postal code typed:
// the city of the first member, in list order, with that postal code whose
// city stands in the list; -1 when none.
int ville_du_code_postal(const QString& cp, const QStringList& villes);
// cherche_code_p: the postal code (as stored, six characters) of the first
// member, in list order, whose city is `ville`; a null text when none, or
// when `ville` is blank.
QString code_postal_de_ville(const QString& ville);

// A character typed in a date field: the separators people type (. : - * +
// and blank) become "/".
QChar caractère_date(QChar c);

// The digits of a phone number, in order.
QString chiffres_téléphone(const QString& numéro);
// Dials the number through the desktop (a tel: address); when nothing takes
// it, tells the user how to install a dialler. A number without digits does
// nothing.
void compose_téléphone(const QString& numéro);
