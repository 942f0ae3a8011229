#include "catalogue/construction.h"

#include "catalogue/colonnes.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "catalogue/mise_en_page.h"
#include "catalogue/rubriques.h"
#include "catalogue/styles.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/sablier.h"

#include <algorithm>
#include <cmath>
#include <exception>

const QString suite_erreur_catalogue = QStringLiteral(
    " sans doute liée à l'absence sur votre machine d'une imprimante correctement configurée ou d'une police de "
    "caractère inconnue si vous ouvrez un fichier généré sur une autre machine.");

namespace {

void signale(const QString& erreur) { MsgBox(erreur + suite_erreur_catalogue, style_boîte::information); }

// One step of the build: a failure is told and the build goes on.
template <class F>
void étape(F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        signale(QString::fromUtf8(e.what()));
    }
}

std::size_t k_cat() { return static_cast<std::size_t>(indice_catalogue()); }

// The walk shared by the extractions: every entry row from 1 is kept or
// removed; the last row below the heading is emptied instead of removed.
// False when arrêt_demandé stopped it.
template <class Garde>
bool parcourt_entrées(grille& g, Garde&& garde)
{
    const int total = données.nombre_propositions;
    int i = 1;
    while (i < g.Rows()) {
        if (total > 0)
            affichage_cat.per_cent =
                QLatin1Char(' ') + Format(1.0 - static_cast<double>(g.Rows()) / total, QStringLiteral("#0%"));
        cède_la_main();
        if (arrêt_demandé)
            return false;
        if (garde(i)) {
            ++i;
        } else if (g.Rows() > 2) {
            g.RemoveItem(i);
        } else {
            for (int c = 0; c < g.Cols(); ++c)
                g.setTextMatrix(i, c, QString());
            ++i;
        }
    }
    affichage_cat.per_cent = QLatin1Char(' ') + Format(1.0, QStringLiteral("#0%"));
    return true;
}

// Drops from liste_adh (placeholder kept) the members that garde refuses; a
// member number outside the table leaves its item alone.
template <class Garde>
void filtre_liste_adh(Garde&& garde)
{
    if (liste_adh.size() < 2)
        return;
    const auto fin = std::remove_if(liste_adh.begin() + 1, liste_adh.end(), [&](const élément_liste_adh& e) {
        if (e.données < 0 || e.données > max_adhérents)
            return false;
        return !garde(données.table_adhérents[static_cast<std::size_t>(e.données)]);
    });
    liste_adh.erase(fin, liste_adh.end());
}

void filtre_adhérents_du_type()
{
    filtre_liste_adh([](const adhérent& a) { return a.additif < 2; });
    if (données.cat_nouveaux_adhérents[k_cat()] == 1)
        filtre_liste_adh([](const adhérent& a) { return a.additif == 1; });
}

void annonce(const QString& étape_en_cours)
{
    affichage_cat.je_fais_quoi = étape_en_cours;
    if (avis_affichage_catalogue)
        avis_affichage_catalogue();
}

}  // namespace

void copie_colonnes_adhérents(grille& g)
{
    if (g.Cols() < col_cat::nombre)
        g.setCols(col_cat::nombre);
    const données_sel& d = données;
    // Rows of a member outside the table keep their member columns empty; the
    // user is told once, however many there are.
    bool hors_table = false;
    for (int i = 1; i < g.Rows(); ++i) {
        const double n = valeur_cellule(g.TextMatrix(i, col_cat::num_adh));
        if (n < 0 || n >= max_adhérents + 1) {
            hors_table = true;
            continue;
        }
        const adhérent& a = d.table_adhérents[static_cast<std::size_t>(n)];
        g.setTextMatrix(i, col_cat::cp, a.cp);
        g.setTextMatrix(i, col_cat::rue, a.rue);
        g.setTextMatrix(i, col_cat::ville, a.ville);
        g.setTextMatrix(i, col_cat::tel1, a.tel1);
        g.setTextMatrix(i, col_cat::tel2, a.tel2);
        g.setTextMatrix(i, col_cat::e_mail, a.e_mail);
    }
    if (hors_table)
        signale(QStringLiteral("L'indice n'appartient pas à la sélection."));
}

void ajuster_niveau_rubrique(grille& g, int colonne)
{
    const int niveau = données.cat_niveau_rubrique[k_cat()];
    const int lignes = g.Rows();
    for (int i = 1; i < lignes; ++i) {
        const QString code = g.TextMatrix(i, col_cat::code);
        double v = 0;
        if (lit_nombre(code, v) && std::fabs(v) < 32767.5) {
            const int c = CInt(v);
            if (niveau == 0)
                g.setTextMatrix(i, col_cat::niveau, QString::number(c / 100 * 100));
            else if (niveau == 1)
                g.setTextMatrix(i, col_cat::niveau, QString::number(c / 10 * 10));
            else if (niveau == 2)
                g.setTextMatrix(i, col_cat::niveau, code);
        }
        g.setTextMatrix(i, col_cat::clé, cellule_catalogue(g, i, colonne));
    }
}

void trie_catalogue(grille& g)
{
    int colonne;
    switch (données.cat_classement[k_cat()]) {
    case 0: colonne = col_cat::genre; break;
    case 1: colonne = col_cat::sorte; break;
    case 2: colonne = col_cat::identifiant; break;
    case 4: colonne = col_cat::cp; break;
    default: return;
    }
    if (g.Cols() < col_cat::nombre)
        g.setCols(col_cat::nombre);
    ajuster_niveau_rubrique(g, colonne);
    if (g.Rows() < 3)
        return;
    g.setRow(1);
    g.setCol(col_cat::niveau);
    g.setColSel(col_cat::clé);
    g.setSort(tri_grille::générique_croissant);
}

bool extrait_additif(grille& g)
{
    annonce(QStringLiteral(" Extraction de l'additif"));
    if (données.type_catalogue == 1)
        return true;
    const bool fini = parcourt_entrées(g, [&](int i) {
        const double statut = valeur_cellule(g.TextMatrix(i, col_cat::additif));
        return statut == 1 || statut == 2;
    });
    if (fini)
        filtre_adhérents_du_type();
    return fini;
}

bool extrait_catalogue(grille& g)
{
    if (g.Rows() < 2)
        return true;
    annonce(QStringLiteral(" Extraction du catalogue"));
    const bool fini =
        parcourt_entrées(g, [&](int i) { return valeur_cellule(g.TextMatrix(i, col_cat::additif)) <= 1; });
    if (fini)
        filtre_adhérents_du_type();
    return fini;
}

bool extrait_adultes_enfants(grille& g)
{
    annonce(QStringLiteral(" Extraction adultes/enfants"));
    const int qui = données.cat_qui[k_cat()];
    if (qui != 1 && qui != 2)
        return true;
    const QString symbole = qui == 1 ? données.symbole_adulte : données.symbole_enfant;
    const int catégorie = qui == 1 ? 1 : 0;
    const bool fini = parcourt_entrées(
        g, [&](int i) { return cellule_catalogue(g, i, col_cat::public_visé).trimmed() == symbole; });
    if (fini)
        filtre_liste_adh([&](const adhérent& a) { return a.catégorie == catégorie; });
    return fini;
}

void prépare_catalogue(grille& g, surface_page& imprimante)
{
    sablier attente;
    g.setRedraw(false);
    g.setVisible(false);
    étape([&] { calcule_colonnes_catalogue(imprimante); });
    étape([&] {
        if (liens_cat().affiche_offres_demandes)
            liens_cat().affiche_offres_demandes(g, false);
    });
    g.setRedraw(false);
    étape([&] { g.setCols(col_cat::nombre); });
    étape([&] { copie_colonnes_adhérents(g); });
    étape([&] { trie_catalogue(g); });
    étape([] { remplit_liste_adh(); });
    g.setRedraw(false);
    g.setVisible(false);
    // A pass stopped by the user leaves a catalogue that is not what the
    // options ask for: it is laid out all the same, but not previewed.
    bool complet = true;
    if (données.type_catalogue == 0)
        étape([&] { complet = extrait_additif(g) && complet; });
    else if (données.type_catalogue == 1)
        étape([&] { complet = extrait_catalogue(g) && complet; });
    étape([&] { complet = extrait_adultes_enfants(g) && complet; });
    étape([&] { complet = insère_rubriques(g, imprimante) && complet; });
    étape([&] { mise_en_page_catalogue(g, imprimante); });
    étape([&] { applique_styles_catalogue(g); });
    g.fixe_forme(forme_grille::catalogue);
    g.setRedraw(true);
    g.setVisible(!affiche_grille);
    affichage_cat.aperçu_actif = complet;
    if (avis_affichage_catalogue)
        avis_affichage_catalogue();
}
