#include "members/registre.h"

#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "ui_common/outils.h"

#include <cmath>
#include <vector>

QString police_impression;
int16 taille_police_impression = 0;

namespace {

const QString message_numéro_incorrect = QStringLiteral("Votre numéro d'adhérent est incorrect ");
const QString message_sans_prénom = QStringLiteral("Vous n'avez pas indiqué de prénom ");
const QString message_numéro_utilisé = QStringLiteral("Ce numéro est déjà utilisé");

std::vector<bool> numéros_pris()
{
    std::vector<bool> pris(max_adhérents + 1, false);
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        if (!a.identifiant.trimmed().isEmpty())
            pris[static_cast<std::size_t>(n)] = true;
    });
    return pris;
}

}  // namespace

// ---------------------------------------------------------------- numbers

int lit_numéro_adhérent(const QString& texte)
{
    double v = 0;
    if (!lit_nombre(texte.trimmed(), v) || v != std::floor(v) || v < 1 || v > max_adhérents)
        return 0;
    return static_cast<int>(v);
}

bool numéro_pris(int n)
{
    if (n < 1 || n > max_adhérents)
        return false;
    bool pris = false;
    pour_chaque_adhérent(données, [&](int m, const adhérent& a) {
        if (m == n && !a.identifiant.trimmed().isEmpty())
            pris = true;
    });
    return pris;
}

int premier_numéro_libre()
{
    const std::vector<bool> pris = numéros_pris();
    for (int n = 1; n <= max_adhérents; ++n)
        if (!pris[static_cast<std::size_t>(n)])
            return n;
    return 0;
}

int numéro_proposé()
{
    if (données.numérotation_suivante) {
        int plus_haut = 0;
        for (int i = 1; i <= données.nombre_adhérents && i <= max_adhérents; ++i)
            plus_haut = plus_grand(static_cast<int>(données.table_adhérents[static_cast<std::size_t>(i)].ordre),
                                   plus_haut);
        if (plus_haut < max_adhérents)
            return plus_haut + 1;
    }
    return premier_numéro_libre();
}

// ---------------------------------------------------------------- validation

refus_fiche valide_adhérent(int n, const champs_adhérent& c, const QString& identifiant_montré)
{
    if (c.prénom.trimmed().isEmpty()) {
        MsgBox(message_sans_prénom, style_boîte::information);
        return refus_fiche::identifiant;
    }
    adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
    // Compared with the stored 20-character field, an identifier shorter than
    // 20 characters always differs: the propositions are then refreshed too.
    const bool autre_nom = c.prénom != a.identifiant.str() || a.identifiant.str() != identifiant_montré;
    const refus_fiche refus = range_champs(c, a);
    if (refus == refus_fiche::aucun && autre_nom)
        redonne_nom_adhérent_dans_base();
    return refus;
}

issue_nouvel_adhérent valide_nouvel_adhérent(const QString& texte_numéro, const champs_adhérent& c)
{
    issue_nouvel_adhérent issue;
    const int n = lit_numéro_adhérent(texte_numéro);
    if (n == 0) {
        MsgBox(message_numéro_incorrect, style_boîte::information);
        issue.refus = refus_fiche::numéro;
        return issue;
    }
    if (c.prénom.trimmed().isEmpty()) {
        MsgBox(message_sans_prénom, style_boîte::information);
        issue.refus = refus_fiche::identifiant;
        return issue;
    }
    if (numéro_pris(n)) {
        MsgBox(message_numéro_utilisé, style_boîte::critique);
        issue.refus = refus_fiche::numéro_pris;
        issue.numéro_libre = premier_numéro_libre();
        return issue;
    }
    // A list entry whose member has a blank identifier holds no member: the
    // new one takes it back instead of being listed twice.
    int entrée = 0;
    for (int i = 1; i <= données.nombre_adhérents && i <= max_adhérents; ++i)
        if (données.table_adhérents[static_cast<std::size_t>(i)].ordre == n) {
            entrée = i;
            break;
        }
    if (entrée == 0 && données.nombre_adhérents >= max_adhérents) {
        MsgBox(QStringLiteral("Le registre compte déjà %1 adhérents : il n'y a plus de place.").arg(max_adhérents),
               style_boîte::exclamation);
        issue.refus = refus_fiche::place;
        return issue;
    }
    adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
    issue.refus = range_champs(c, a);
    if (issue.refus != refus_fiche::aucun)
        return issue;
    if (entrée == 0) {
        entrée = ++données.nombre_adhérents;
        données.table_adhérents[static_cast<std::size_t>(entrée)].ordre = static_cast<int16>(n);
    }
    issue.numéro = n;
    return issue;
}

// ---------------------------------------------------------------- status

void supprime_les_offres_demandes(int n, int statut)
{
    pour_chaque_proposition(données, [&](int, proposition& p) {
        if (p.num_adh == n)
            p.additif = static_cast<int16>(statut);
    });
}

void restaurer_les_offres_demandes(int n) { supprime_les_offres_demandes(n, 0); }

void change_statut_adhérent(int n, int statut)
{
    if (n < 1 || n > max_adhérents)
        return;
    données.table_adhérents[static_cast<std::size_t>(n)].additif = static_cast<int16>(statut);
    if (statut == 0)
        restaurer_les_offres_demandes(n);
    else
        supprime_les_offres_demandes(n, statut);
}

void redonne_nom_adhérent_dans_base()
{
    pour_chaque_proposition(données, [](int, proposition& p) {
        if (p.num_adh >= 1 && p.num_adh <= max_adhérents)
            p.identifiant = données.table_adhérents[static_cast<std::size_t>(p.num_adh)].identifiant.str();
    });
}

namespace {


}  // namespace



// ---------------------------------------------------------------- names

noms_critères noms_critères_actuels()
{
    noms_critères n;
    n.titre0 = données.titre_critère0;
    n.titre1 = données.titre_critère1;
    n.titre2 = données.titre_critère2;
    n.critère0 = données.valeurs_critère0;
    n.critère1 = données.valeurs_critère1;
    n.critère2 = données.valeurs_critère2;
    n.qualité = données.valeurs_qualité;
    return n;
}

void range_noms_critères(const noms_critères& n, bool listes)
{
    données.titre_critère0 = n.titre0;
    données.titre_critère1 = n.titre1;
    données.titre_critère2 = n.titre2;
    if (!listes)
        return;
    données.valeurs_critère0 = n.critère0;
    données.valeurs_critère1 = n.critère1;
    données.valeurs_critère2 = n.critère2;
    données.valeurs_qualité = n.qualité;
}

void prépare_police_impression()
{
    const std::size_t k = données.type_catalogue == 0 ? 0 : 1;
    police_impression = données.police_offres[k];
    try {
        taille_police_impression = CInt(static_cast<double>(données.taille_offres[k]));
    } catch (const erreur_basic&) {
        taille_police_impression = 10;
    }
}
