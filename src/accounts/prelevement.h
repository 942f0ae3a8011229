#pragma once
// The association's levy on an exchange: a percentage of the amount, taken
// from the member who is paid, when the member's balance is above a
// threshold and the amount above a minimum, the base capped at a maximum.
#include "data/modele.h"

#include <QString>
#include <optional>

struct barème_prélèvement {
    monnaie taux;          // percent
    monnaie solde_mini;    // the paid member's balance must be above it
    monnaie montant_mini;  // the amount must be above it
    monnaie montant_maxi;  // the base is capped at it
    bool sans_prélèvement = false;  // "Ne rien prélever"
};

// The levy settings of the data file.
barème_prélèvement barème_des_paramètres(const données_sel& d = données);

// The levy of an exchange of montant paid to an account whose balance before
// the exchange is solde_offreur: min(montant, maximum) x taux / 100, whole
// units, fractions dropped; 0 when the levy is off, the balance is not above
// the threshold or the amount not above the minimum. Exact in currency.
monnaie calcule_prélèvement(const barème_prélèvement& b, monnaie solde_offreur, monnaie montant);

// The levy frame as typed.
struct champs_prélèvement {
    QString taux, solde_mini, montant_mini, montant_maxi;
    bool sans_prélèvement = false;
    int compte = 0;  // association account credited with the levy; 0 when none is chosen
};

// Reads the typed levy fields ("," or "." as decimal separator, an empty
// field as 0). A field that is no number is reported to the user and gives
// nothing.
std::optional<barème_prélèvement> lit_barème(const champs_prélèvement& c);

// A typed amount: "," or "." as decimal separator. An empty or blank text
// gives vide_vaut; a text that is no number gives nothing.
std::optional<monnaie> lit_montant_saisi(const QString& texte, monnaie vide_vaut = {});
