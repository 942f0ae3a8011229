#include "catalogue/mise_en_page.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "catalogue/sommaire.h"
#include "data/modele.h"
#include "ui_common/outils.h"

#include <cmath>

namespace {

constexpr float twips_mm = 56.7f;
const couleur bleu = couleur_rgb(0, 0, 255);

enum class règle_saut { rubrique, sous_rubrique, label, générale, fin };

template <class T>
void note(std::vector<T>& table, int index, T valeur)
{
    if (index < 0)
        return;
    if (static_cast<std::size_t>(index) >= table.size())
        table.resize(static_cast<std::size_t>(index) + 1);
    table[static_cast<std::size_t>(index)] = valeur;
}

int arrondi(float v) { return static_cast<int>(std::lround(v)); }

// Writes a break row: its text, the blank it stands for and its height.
void remplit_saut(grille& g, int i, règle_saut règle, float blanc_mm, int page)
{
    const float blanc = blanc_mm * twips_mm;
    g.setTextMatrix(i, col_cat::texte, QStringLiteral(" blanc: ") + Format(blanc_mm, QStringLiteral("###0")) +
                                           QStringLiteral(" mm") + QStringLiteral("- bas de page ") +
                                           QString::number(page));
    if (règle == règle_saut::générale || règle == règle_saut::fin) {
        g.setTextMatrix(i, col_cat::hauteur, texte_réel(blanc));
        g.setRowHeight(i, arrondi(plus_grand(blanc, 200.0f)));
    } else {
        g.setTextMatrix(i, col_cat::hauteur, Format(blanc, QStringLiteral("####0")));
        g.setRowHeight(i, std::max(arrondi(blanc), 0));
    }
    if (règle != règle_saut::rubrique)
        g.setCellBackColor(i, col_cat::texte, bleu);
}

// The first page of the section whose title is row r.
void note_rubrique(const grille& g, int r, int16 page)
{
    const double section = valeur_cellule(g.TextMatrix(r, col_cat::code));
    if (section >= 0 && section <= max_rubriques)
        note(page_rubrique, static_cast<int>(section), page);
}

bool en_tête(int sorte)
{
    return sorte == sorte_ligne::rubrique || sorte == sorte_ligne::sous_rubrique ||
           sorte == sorte_ligne::label_offres || sorte == sorte_ligne::label_demandes;
}

void insère_saut(grille& g, int i, règle_saut règle, float blanc_mm, int page)
{
    g.AddItem(QStringLiteral("\t9"), i);
    remplit_saut(g, i, règle, blanc_mm, page);
}

}  // namespace

void mise_en_page_catalogue(grille& g, surface_page& imprimante)
{
    const données_sel& d = données;
    const auto k = static_cast<std::size_t>(indice_catalogue());

    dernière_page_catalogue = 0;
    affichage_cat.je_fais_quoi = QStringLiteral(" Mise en page");
    if (avis_affichage_catalogue)
        avis_affichage_catalogue();

    // The preview page and the printer page are the same sheet here: both
    // readings come from the surface the catalogue is measured on.
    const auto H = static_cast<float>(imprimante.Height());
    const auto P = static_cast<float>(std::lround(imprimante.Height()));
    const float portrait = imprimante.Orientation() == QPageLayout::Portrait ? 400.0f : 0.0f;
    const float F = H - 1600 - portrait;
    const float L = P - 1600 - portrait;
    const float T = H - 2500;
    const float M = P - 2000 - (d.cat_format[k] == 0 ? 600.0f : 0.0f);

    // The tables are this pagination's alone, sized for this grid and this
    // association, so that nothing of an earlier catalogue is read back.
    page_ligne_catalogue.assign(static_cast<std::size_t>(g.Rows()) + 1, 0);
    page_rubrique.assign(static_cast<std::size_t>(max_rubriques) + 1, 0);
    pages_liste_adhérents.assign(static_cast<std::size_t>(std::max<int>(d.nombre_adhérents, 0)) + 1, 0);

    if (d.cat_sommaire[k] == 1) {
        // The contents list the sections of this grid: each is marked as
        // having a page while the title block is measured, and gets its own
        // page from the walk below.
        for (int r = 1; r < g.Rows(); ++r)
            if (sorte_de(g, r) == sorte_ligne::rubrique)
                note_rubrique(g, r, 1);
        retiens_taille_sommaire(imprimante, imprimante);
        const float hs = hauteur_sommaire(imprimante);
        const long page = std::lround(H);
        if (page != 0)
            dernière_page_catalogue = static_cast<int16>(std::lround(hs + 2000) / page + 1);
    }

    const bool règles_titres = d.cat_sans_sauts[k].en_nombre() == 0;
    const bool titres_noms = d.cat_rubriques_images[k] == 0;
    const bool sous_rubriques = d.cat_sous_rubriques[k] == 1;

    float cumul = 0;
    auto blanc = [&] { return (F - cumul) / twips_mm; };
    auto nouvelle_page = [&] {
        ++dernière_page_catalogue;
        cumul = 0;
    };

    // Section titles (names), sub-section titles and labels that stand
    // too near the foot of a page for the rows they head.
    auto titre_trop_bas = [&](int sorte, float h, float hauteur) {
        switch (sorte) {
        case sorte_ligne::rubrique: return titres_noms && T - 5 * h < hauteur;
        case sorte_ligne::sous_rubrique: return sous_rubriques && T - 3 * h < hauteur;
        case sorte_ligne::label_offres:
        case sorte_ligne::label_demandes: return T - 2 * h < hauteur + h;
        default: return false;
        }
    };
    // Rows before this one have been placed with the title above them.
    int fin_en_têtes = 0;

    int i = 1;
    while (i < g.Rows()) {
        affichage_cat.per_cent = Format(static_cast<double>(i) / (g.Rows() - 1), QStringLiteral("#0%"));
        cède_la_main();
        const int sorte = sorte_de(g, i);
        if (sorte == sorte_ligne::saut_manuel) {
            const float b = blanc();
            g.setTextMatrix(i, col_cat::texte, QStringLiteral(" - blanc: ") + Format(b, QStringLiteral("###0")) +
                                                   QStringLiteral(" mm") + QStringLiteral("saut de page ") +
                                                   QString::number(dernière_page_catalogue));
            g.setTextMatrix(i, col_cat::hauteur, Format(b * twips_mm, QStringLiteral("####0")));
            g.setRowHeight(i, std::max(arrondi(b * twips_mm), 0));
            nouvelle_page();
        } else {
            const float h = hauteur_ligne_catalogue(g, i, sorte, imprimante);
            // Nothing is pushed off a page that is still empty: a row too high
            // for any page takes one of its own, and the walk ends.
            const bool page_entamée = cumul > 0;
            bool saut_titre = false;
            règle_saut règle = règle_saut::générale;
            if (règles_titres && page_entamée && en_tête(sorte) && i >= fin_en_têtes) {
                // A title or label goes with what stands under it down to the
                // first entry (titles, labels, blank lines): all of it starts
                // the next page when one of its titles stands too low or the
                // entry no longer fits.
                float bas = cumul;
                bool trop_bas = false;
                int j = i;
                for (; j < g.Rows(); ++j) {
                    const int s = sorte_de(g, j);
                    const bool entrée = s == sorte_ligne::offre || s == sorte_ligne::demande;
                    if (!entrée && !en_tête(s) && s != sorte_ligne::ligne_vide)
                        break;
                    const float hj = j == i ? h : hauteur_ligne_catalogue(g, j, s, imprimante);
                    trop_bas = trop_bas || titre_trop_bas(s, hj, bas);
                    bas += hj;
                    if (entrée) {
                        ++j;
                        break;
                    }
                }
                fin_en_têtes = j;
                if (trop_bas || bas >= L) {
                    saut_titre = true;
                    règle = sorte == sorte_ligne::rubrique        ? règle_saut::rubrique
                            : sorte == sorte_ligne::sous_rubrique ? règle_saut::sous_rubrique
                                                                  : règle_saut::label;
                }
            }
            if (!saut_titre && (cumul + h < L || !page_entamée)) {
                cumul += h;
                note(page_ligne_catalogue, i, dernière_page_catalogue);
            } else {
                insère_saut(g, i, règle, blanc(), dernière_page_catalogue);
                ++fin_en_têtes;
                nouvelle_page();
                note(page_ligne_catalogue, i, dernière_page_catalogue);
            }
        }
        if (sorte_de(g, i) == sorte_ligne::rubrique)
            note_rubrique(g, i, dernière_page_catalogue);
        ++i;
    }
    // Done, even for a catalogue without a row.
    affichage_cat.per_cent = Format(1.0, QStringLiteral("#0%"));

    note(pages_liste_adhérents, 0, static_cast<int16>(dernière_page_catalogue + 1));
    insère_saut(g, g.Rows(), règle_saut::fin, blanc(), dernière_page_catalogue);
    page_ligne_catalogue.resize(std::max(page_ligne_catalogue.size(), static_cast<std::size_t>(g.Rows())));

    if (d.cat_liste_adhérents[k] != 0) {
        nouvelle_page();
        police_page police = police_catalogue(style_catalogue::sommaire);
        const double taille = police.taille;
        police.taille = taille + 2;
        imprimante.setPolice(police);
        cumul = static_cast<float>(2 * imprimante.TextHeight(QStringLiteral("W")));
        imprimante.setFontSize(taille);
        const auto ligne = static_cast<float>(imprimante.TextHeight(QStringLiteral("W")));
        for (std::size_t n = 1; n < liste_adh.size();) {
            if (ligne + cumul < M || cumul == 0) {
                cumul += ligne;
                const double position = valeur_cellule(liste_adh[n].texte);
                if (position >= 0 && position <= max_adhérents)
                    note(pages_liste_adhérents, static_cast<int>(position), dernière_page_catalogue);
                ++n;
            } else {
                nouvelle_page();
            }
        }
    }

    // An entry that repeats the description or the member of the entry above
    // prints it once. Layout rows keep theirs: their column 6 is a height and
    // an image row's column 5 its picture, which a second row needs as much
    // as the first.
    for (int r = g.Rows() - 1; r >= 2; --r) {
        g.setTextMatrix(r, 0, QString::number(r));
        const int sorte = sorte_de(g, r);
        const bool entrée = sorte == sorte_ligne::offre || sorte == sorte_ligne::demande;
        if (!entrée || g.TextMatrix(r, col_cat::sorte) != g.TextMatrix(r - 1, col_cat::sorte))
            continue;
        if (g.TextMatrix(r, col_cat::texte) == g.TextMatrix(r - 1, col_cat::texte)) {
            g.setTextMatrix(r, col_cat::texte, QString());
            g.setTextMatrix(r, col_cat::code, QString());
            g.setTextMatrix(r, col_cat::genre, QString());
        }
        if (g.TextMatrix(r, col_cat::identifiant) == g.TextMatrix(r - 1, col_cat::identifiant))
            g.setTextMatrix(r, col_cat::identifiant, QString());
    }

    const int pages = dernière_page_catalogue + 1;
    const int blanches = nombre_pages_blanches();
    affichage_cat.pages_visibles = true;
    affichage_cat.nbr_pages = QString::number(pages);
    affichage_cat.pages_blanches = QString::number(blanches);
    if (avis_affichage_catalogue)
        avis_affichage_catalogue();
    if (liens_cat().affiche_pages)
        liens_cat().affiche_pages(pages, blanches);
}

void enlève_sauts_automatiques(grille& g)
{
    int i = 1;
    while (i < g.Rows()) {
        if (sorte_de(g, i) == sorte_ligne::saut_auto)
            g.RemoveItem(i);
        else
            ++i;
    }
}

int16 nombre_pages_blanches()
{
    const int n = dernière_page_catalogue + 1;
    switch (données.cat_format[static_cast<std::size_t>(indice_catalogue())]) {
    case 0: return static_cast<int16>((n + 1) / 2 * 2 - n);
    case 1: return static_cast<int16>((n + 3) / 4 * 4 - n);
    default: return 0;
    }
}
