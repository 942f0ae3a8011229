#pragma once
// The account lists of the report windows and what they show of the chosen
// account, computed from the tables: each entry is the member's identifier
// as stored (20 characters) or the association account's name, and carries
// the account number (members 1..5000, association accounts 9995..9999).
#include "accounts/saisie_compta.h"

#include <QString>
#include <optional>
#include <vector>

// Account-state window, at its loading: every member in list order, whatever
// its supplement status, then the named association accounts.
std::vector<entrée_liste> comptes_état_au_chargement();
// Statement window, at its loading: the members in list order but the
// eliminated ones (status 3, kept when an archive is open), then the named
// association accounts.
std::vector<entrée_liste> comptes_relevé_au_chargement(bool archive);
// The full list of "initialiser": the named association accounts first
// (when avec_asso), then every member in list order, whatever its status.
std::vector<entrée_liste> comptes_complets(bool avec_asso);

bool est_compte_asso(int compte);

// What the labels show of an account: plain conversions, no grouping.
struct chiffres_compte {
    QString der_solde, débits, crédits, volume;
    bool operator==(const chiffres_compte&) const = default;
};
// Nothing for a number that names no account.
std::optional<chiffres_compte> chiffres_du_compte(int compte);

// The address block of a member: civility and name, street, postal code and
// town, the fields at their full widths, lines joined by CR LF.
QString adresse_du_membre(const adhérent& a);

// The three closing lines of an account statement.
QString résumé_du_compte(const chiffres_compte& c);
