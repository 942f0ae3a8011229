#pragma once
// The member selection of the printing window: a sorted list whose entries
// show a member's identifier and carry the member number (Qt::UserRole). It
// is filled with every member, by the member filter, or from a saved
// selection, and reduced by the "Extraire" commands; every label, card and
// list row is made for its entries, in its order.
#include <QString>
#include <QStringList>
#include <vector>

class QListWidget;

// Empties the list and adds every member of the table, whatever its
// supplement status.
void remplit_tous_adhérents(QListWidget& liste);
// The member numbers of the entries, in the list's order.
std::vector<int> numéros_liste(const QListWidget& liste);
// Keeps only the selected entries (garder = true) or only the others.
void garde_sélection(QListWidget& liste, bool garder_sélectionnés);

// The digits of a text, in order; everything else dropped.
QString garde_chiffres(const QString& texte);
// One member per household: of the members whose first phone numbers have
// the same digits (and some digits), only the first in order is kept; the
// result tells, entry by entry, which ones stay.
std::vector<bool> un_par_foyer(const std::vector<int>& numéros);
void garde_un_par_foyer(QListWidget& liste);
