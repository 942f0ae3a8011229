#include "accounts/prelevement.h"

#include "data/dialogues.h"

#include <algorithm>
#include <limits>

barème_prélèvement barème_des_paramètres(const données_sel& d)
{
    return {d.taux_prélèvement, d.solde_mini_prélèvement, d.montant_mini_prélèvement, d.montant_maxi_prélèvement,
            d.sans_prélèvement != 0};
}

monnaie calcule_prélèvement(const barème_prélèvement& b, monnaie solde_offreur, monnaie montant)
{
    if (b.sans_prélèvement || solde_offreur <= b.solde_mini || b.montant_mini >= montant)
        return {};
    const monnaie base = std::min(montant, b.montant_maxi);
    // base and taux are both in ten-thousandths and taux is a percent.
    constexpr __int128 par_unité = static_cast<__int128>(10000) * 10000 * 100;
    const __int128 produit = static_cast<__int128>(base.brut) * b.taux.brut;
    __int128 unités = produit / par_unité;
    if (produit % par_unité != 0 && produit < 0)
        --unités;  // towards minus infinity
    if (unités <= 0)
        return {};
    constexpr __int128 plafond = std::numeric_limits<std::int64_t>::max() / 10000;
    return monnaie::unités(static_cast<std::int64_t>(std::min(unités, plafond)));
}

std::optional<monnaie> lit_montant_saisi(const QString& texte, monnaie vide_vaut)
{
    if (texte.trimmed().isEmpty())
        return vide_vaut;
    monnaie m;
    if (!lit_montant(texte, m))
        return std::nullopt;
    return m;
}

std::optional<barème_prélèvement> lit_barème(const champs_prélèvement& c)
{
    barème_prélèvement b;
    b.sans_prélèvement = c.sans_prélèvement;
    const struct {
        const QString& texte;
        monnaie& valeur;
        const char* nom;
    } champs[] = {{c.taux, b.taux, "Le pourcentage à prélever"},
                  {c.solde_mini, b.solde_mini, "Le seuil de solde du prélèvement"},
                  {c.montant_mini, b.montant_mini, "Le montant minimum du prélèvement"},
                  {c.montant_maxi, b.montant_maxi, "Le montant maximum du prélèvement"}};
    for (const auto& champ : champs) {
        const std::optional<monnaie> m = lit_montant_saisi(champ.texte);
        if (!m) {
            MsgBox(QString::fromUtf8(champ.nom) + QStringLiteral(" « ") + champ.texte +
                       QStringLiteral(" » n'est pas un nombre."),
                   style_boîte::exclamation);
            return std::nullopt;
        }
        champ.valeur = *m;
    }
    return b;
}
