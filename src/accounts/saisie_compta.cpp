#include "accounts/saisie_compta.h"

#include "data/dialogues.h"
#include "ui_common/grille.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool membre_listé(const adhérent& a) { return a.additif < 2; }

void ajoute_comptes_asso(std::vector<entrée_liste>& l)
{
    for (int k = 0; k < nombre_comptes_asso; ++k) {
        const QString& nom = données.comptes_asso[k].nom;
        if (!nom.trimmed().isEmpty())
            l.push_back({nom, premier_compte_asso + k});
    }
}

// A whole number typed in a date field; nothing for any other text.
std::optional<int> entier_saisi(const QString& texte)
{
    bool ok = false;
    const int n = texte.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

std::vector<entrée_liste> comptes_à_lister()
{
    std::vector<entrée_liste> l;
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        if (membre_listé(a))
            l.push_back({a.identifiant.str(), n});
    });
    ajoute_comptes_asso(l);
    // A sorted list keeps its entries in the order of their texts, whatever
    // the case.
    trie_à_la_française(l, [](const entrée_liste& e) { return e.texte; });
    return l;
}

std::vector<entrée_liste> comptes_asso_à_lister()
{
    std::vector<entrée_liste> l;
    ajoute_comptes_asso(l);
    return l;
}

std::vector<entrée_liste> membres_pour_plusieurs()
{
    std::vector<entrée_liste> l;
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        if (membre_listé(a) && a.catégorie < 2)
            l.push_back({a.identifiant.str(), n});
    });
    return l;
}

std::vector<entrée_liste> sections_classification()
{
    std::vector<entrée_liste> l;
    const int nombre = std::min<int>(données.nombre_codes_classification, max_codes_classification);
    for (int i = 1; i <= nombre; ++i) {
        const int valeur = données.codes_classification[static_cast<std::size_t>(i)];
        if (valeur > 0 && valeur % 10 == 0 && valeur <= max_noms_rubriques)
            l.push_back({données.noms_rubriques[static_cast<std::size_t>(valeur)], valeur / 10});
    }
    return l;
}

std::vector<entrée_liste> sous_rubriques_de(int section)
{
    std::vector<entrée_liste> l;
    if (section <= 0)
        return l;
    const int nombre = std::min<int>(données.nombre_codes_classification, max_codes_classification);
    for (int i = 1; i <= nombre; ++i) {
        const int e = données.codes_classification[static_cast<std::size_t>(i)];
        if (e > section * 10 && e < (section + 1) * 10 && e <= max_noms_rubriques)
            l.push_back({données.noms_rubriques[static_cast<std::size_t>(e)], e - section * 10});
    }
    return l;
}

int numéro_lu(const QString& texte)
{
    const double v = Val(texte);
    if (!std::isfinite(v) || v != std::trunc(v) || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(v);
}

std::optional<int> position_pour_numéro(const std::vector<int>& valeurs, int numéro)
{
    const auto it = std::find(valeurs.begin(), valeurs.end(), numéro);
    if (it != valeurs.end())
        return static_cast<int>(it - valeurs.begin());
    if (valeurs.size() > 1)
        return 0;
    return std::nullopt;
}

std::optional<double> date_saisie(const QString& jour, const QString& mois, const QString& an)
{
    const std::optional<int> j = entier_saisi(jour), m = entier_saisi(mois), a = entier_saisi(an);
    if (!j || !m || !a || *a < 1999 || *a > aujourdhui().year() + 1 || *m < 1 || *m > 12)
        return std::nullopt;
    const QDate d(*a, *m, 1);
    if (*j < 1 || *j > d.daysInMonth())
        return std::nullopt;
    return date_depuis(QDate(*a, *m, *j));
}

bool dt(const QString& jour, const QString& mois, const QString& an)
{
    if (date_saisie(jour, mois, an))
        return true;
    MsgBox(QStringLiteral("Le ") + jour + QLatin1Char('/') + mois + QLatin1Char('/') + an +
               QStringLiteral(" n'est pas une date correcte ou dans les limites des dates possibles"),
           style_boîte::exclamation);
    return false;
}

std::optional<ligne_catalogue> cherche_ligne_catalogue(const QString& texte)
{
    const double v = Val(texte);
    int n = 0;
    if (std::isfinite(v) && v >= std::numeric_limits<int16>::min() && v <= std::numeric_limits<int16>::max())
        n = CInt(v);
    if (n < 1 || n > données.nombre_propositions) {
        MsgBox(QStringLiteral("Le code tapé ne correspond pas à une ligne du catalogue"), style_boîte::information);
        return std::nullopt;
    }
    const proposition& p = données.table_propositions[static_cast<std::size_t>(n)];
    if (p.type == 2)
        MsgBox(QStringLiteral("Attention, le n°tapé correspond à une demande. Le compte à créditer ne peut pas être "
                              "trouvé automatiquement."),
               style_boîte::exclamation);
    ligne_catalogue l;
    l.désignation = p.désignation;
    l.code_rubrique = p.code_rubrique;
    l.pour_enfants = !p.kid.isEmpty();
    l.genre = p.genre >= 0 && p.genre < static_cast<int>(données.noms_genres.size()) ? p.genre : -1;
    l.offre = p.type == 1;
    l.membre = p.num_adh;
    return l;
}

std::optional<chiffres_code> chiffres_du_code(const QString& code)
{
    if (code.size() <= 2)
        return std::nullopt;
    const QChar dizaine = code[code.size() - 2], unité = code[code.size() - 1];
    if (!dizaine.isDigit() || !unité.isDigit())
        return std::nullopt;
    return chiffres_code{dizaine.digitValue(), unité.digitValue()};
}

bool range_paramètres_prélèvement(const champs_prélèvement& champs, int position_compte)
{
    const std::optional<barème_prélèvement> b = lit_barème(champs);
    if (!b)
        return false;
    données.taux_prélèvement = b->taux;
    données.solde_mini_prélèvement = b->solde_mini;
    données.montant_mini_prélèvement = b->montant_mini;
    données.montant_maxi_prélèvement = b->montant_maxi;
    if (position_compte >= 0 && position_compte <= std::numeric_limits<int16>::max())
        données.compte_prélèvement = static_cast<int16>(position_compte);
    return true;
}
