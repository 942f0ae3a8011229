#pragma once
// The association's settings as the settings window edits them: the values
// its fields show when it opens, and the storing of what they hold when it
// closes. Amounts and texts are checked first and stored all together, or not
// at all.
#include "data/modele.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// ---------------------------------------------------------------- accounting station
// This station keeps the accounts (or not); the choice is stored at once in
// the settings store, "Utilisateur" / "poste_compta", unless nothing may be
// saved.
void choisit_poste_compta(bool oui);

// ---------------------------------------------------------------- symbol lists
// The 223 character codes of a symbol list, 32 to 255 without the double
// quote (34), in increasing order.
const std::vector<int>& codes_symboles();
// Position of a code in the list; -1 for a code that is not in it.
int position_code_symbole(int code);
// Position of the item whose one-character text is `caractère`, compared
// exactly; -1 when none is.
int position_caractère_symbole(const QString& caractère);
// The one-character text of the item at a position (Windows-1252).
QString caractère_symbole(int position);

// ---------------------------------------------------------------- the fields
struct champs_options {
    int16 utilise_monnaie_locale = 0;
    QString nom_monnaie, abréviation_monnaie;
    int position_compte_débité = -1;  // 0..4 for 9995..9999, -1 for none
    QString solde_départ;
    bool numérotation_suivante = false;  // "attribuer N° suivant" selected
    QString entête, fichier_logo;
    std::array<QString, 5> noms_genres{};
    std::array<int, 5> positions_genres{};  // in the symbol lists; 0 (the blank) when nothing matched
    int position_enfant = 0, position_adulte = 0;
    std::array<QString, nombre_comptes_asso> noms_comptes{};
    std::array<QString, nombre_comptes_asso> soldes_comptes{};
    // A non-zero balance is only changed after "corriger".
    std::array<bool, nombre_comptes_asso> soldes_modifiables{};
};

// What the fields show at opening.
champs_options lit_options(const données_sel& d);

// Stores the fields into d (closing the window). `ouverture` is what the
// fields showed at opening: a symbol list left where it opened keeps the
// stored symbol, even one the list cannot show. Changing the child or adult
// symbol carries the new one to every proposition that bore the old one
// (never to one without a marker). On a field that cannot be stored (an
// amount that does not read, a character the data file cannot hold) nothing
// is stored and the reason, naming the field, comes back.
std::optional<QString> range_options(const champs_options& ouverture, const champs_options& saisie,
                                     données_sel& d);
