#pragma once
// What the exchange window shows and reads, computed apart from its widgets:
// the account lists, the classification lists, the operation date typed in
// three fields and the catalogue line typed as a proposition number.
#include "accounts/prelevement.h"
#include "data/modele.h"

#include <QString>
#include <optional>
#include <vector>

// One entry of a list: its text and the number it stands for (an account
// number, a section number, a sub-section digit).
struct entrée_liste {
    QString texte;
    int valeur = 0;
    bool operator==(const entrée_liste&) const = default;
};

// The accounts an exchange may debit or credit: the members that are neither
// deleted nor eliminated (their identifier as stored, 20 characters) and the
// named association accounts, in alphabetical order of their texts.
std::vector<entrée_liste> comptes_à_lister();
// The named association accounts, 9995 first: the levy account list.
std::vector<entrée_liste> comptes_asso_à_lister();
// The members of an operation on several accounts: neither deleted nor
// eliminated, children and adults only, in member list order.
std::vector<entrée_liste> membres_pour_plusieurs();

// Sections of the classification (value: the section number), and the
// sub-sections of a section (value: the sub-section digit), in table order.
std::vector<entrée_liste> sections_classification();
std::vector<entrée_liste> sous_rubriques_de(int section);

// The leading number of a typed account number or code ("12", " 12 abc"),
// 0 when there is none or it is beyond the range of an int.
int numéro_lu(const QString& texte);

// Position to select in a list for the account number typed: the first entry
// of that number; otherwise the first entry when the list has more than one,
// else nothing.
std::optional<int> position_pour_numéro(const std::vector<int>& valeurs, int numéro);

// The operation date typed day, month and year, checked against the calendar
// of the typed year (29 February only in a leap year; day and month 0
// refused) and within 1999 .. next year. Nothing when it is not such a date.
std::optional<double> date_saisie(const QString& jour, const QString& mois, const QString& an);
// The same check for the window: tells the user of a refused date.
bool dt(const QString& jour, const QString& mois, const QString& an);

// A proposition typed by its number in the catalogue-line field: what the
// entry takes from it.
struct ligne_catalogue {
    QString désignation;
    int code_rubrique = 0;
    bool pour_enfants = false;  // its child marker is set
    int genre = -1;
    bool offre = false;
    int membre = 0;  // the member who proposes it
};
// Nothing, after a message, for a number that names no proposition; a request
// is returned after a warning that its member cannot be credited.
std::optional<ligne_catalogue> cherche_ligne_catalogue(const QString& texte);

// Parts of a classification code typed in the code field, as the lists show
// them: the sub-section digit (tens) and the last digit; nothing for a code
// of fewer than three characters or no digits there.
struct chiffres_code {
    int sous_rubrique = 0;
    int dernier = 0;
};
std::optional<chiffres_code> chiffres_du_code(const QString& code);

// Closing the window: the levy fields go back to the settings of the data
// file, read as the validation of an exchange reads them ("," or "." as the
// decimal separator, an empty field as 0); a levy account position of -1
// (none chosen) keeps its setting. A field that is no number is told as the
// validation tells it, and nothing is stored: false.
bool range_paramètres_prélèvement(const champs_prélèvement& champs, int position_compte);
