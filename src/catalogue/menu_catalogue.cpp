#include "catalogue/menu_catalogue.h"

#include "catalogue/colonnes.h"
#include "catalogue/construction.h"
#include "catalogue/copie.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "catalogue/mise_en_page.h"
#include "catalogue/rubriques.h"
#include "catalogue/styles.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/export_grille.h"
#include "ui_common/fenetres.h"
#include "ui_common/impression_grille.h"
#include "ui_common/outils.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/surface_imprimante.h"

#include <QAction>
#include <QMenu>
#include <exception>
#include <optional>

namespace {

const QString nom_catalogue = noms_fenêtres::catalogue;
constexpr double twips_mm = 56.7;

const char* const titres[] = {"Page  de préparation",
                              "Extraire catalogue",
                              "Extraire un additif",
                              "Copier la grille",
                              "Copier la sélection",
                              "Mettre en page",
                              "Insérer la  légende",
                              "Insérer un saut de page",
                              "Insérer une ligne vide",
                              "Insérer une image",
                              "Insérer un espace horizontal",
                              "Supprimer ligne/image/saut/espace/légende",
                              "Imprimer la grille",
                              "Enregistrer la grille",
                              "Co&pier catalogue"};

// Each step of an item: a failure leaves it undone and the item goes on.
template <class F>
void pas(F&& f)
{
    try {
        f();
    } catch (const std::exception&) {
    }
}

void information(const QString& texte) { MsgBox(texte, style_boîte::information); }

// The catalogue or the supplement, extracted and given its section rows.
void extrait(grille& g, surface_page& imprimante, bool additif)
{
    // The catalogue window refills the grid with the offers and requests when
    // it closes: it goes first, so that what is built here stays.
    if (fenêtre_chargée(nom_catalogue)) {
        const QString mode = données.mode_grille;
        décharge_fenêtre(nom_catalogue);
        données.mode_grille = mode;
    }
    // The kind asked for becomes the kind prepared: its options and styles
    // apply, and the supplement's extraction does not refuse to run while the
    // catalogue was the kind last chosen.
    données.type_catalogue = additif ? 0 : 1;
    g.setRedraw(false);
    g.setVisible(false);
    pas([&] {
        if (liens_cat().affiche_offres_demandes)
            liens_cat().affiche_offres_demandes(g, false);
    });
    g.setRedraw(false);
    pas([&] {
        if (g.Rows() < 3)
            return;
        g.setRow(1);
        for (int c : {col_cat::public_visé, col_cat::genre, col_cat::code}) {
            g.setCol(c);
            g.setSort(tri_grille::générique_croissant);
        }
    });
    pas(remplit_liste_adh);
    g.setVisible(false);
    pas([&] { additif ? extrait_additif(g) : extrait_catalogue(g); });
    pas([&] { extrait_adultes_enfants(g); });
    pas([&] { calcule_colonnes_catalogue(imprimante); });
    pas([&] { insère_rubriques(g, imprimante); });
    g.fixe_forme(forme_grille::catalogue);
    g.setVisible(true);
}

void repagine(grille& g, surface_page& imprimante)
{
    pas([&] { enlève_sauts_automatiques(g); });
    pas([&] { mise_en_page_catalogue(g, imprimante); });
    pas([&] { applique_styles_catalogue(g); });
}

// Height of an image or a free space, in millimetres; nothing when the user
// cancels. A value that is not a height within the offered maximum is asked
// again.
std::optional<double> hauteur_demandée()
{
    const QString maximum = Format(1700 / twips_mm, QStringLiteral("##0"));
    const double borne = valeur_cellule(maximum);
    for (;;) {
        const QString réponse =
            InputBox(QStringLiteral(" Hauteur souhaitée en mm (maximum:) ") + maximum, {}, maximum);
        if (réponse.isEmpty())
            return std::nullopt;
        double v = 0;
        if (lit_nombre(réponse, v) && v > 0 && v <= borne)
            return v;
    }
}

void transforme_ligne_vide(grille& g, surface_page& imprimante, int index)
{
    const int r = g.Row();
    const QString sorte = g.TextMatrix(r, col_cat::sorte);
    switch (index) {
    case 6:
        if (sorte != QLatin1String("5")) {
            information(QStringLiteral("Insérez la légende sur une ligne vide."));
            return;
        }
        g.setTextMatrix(r, col_cat::sorte, QStringLiteral("16"));
        g.setTextMatrix(r, col_cat::hauteur, texte_réel(hauteur_légende(imprimante) + 300));
        g.setTextMatrix(r, col_cat::texte, QStringLiteral("Légende"));
        break;
    case 7:
        if (sorte_de(g, r) != sorte_ligne::ligne_vide) {
            information(QStringLiteral("Insérez le saut de page sur une ligne vide."));
            return;
        }
        g.setTextMatrix(r, col_cat::sorte, QStringLiteral("6"));
        g.setTextMatrix(r, col_cat::texte, QStringLiteral("Saut de page"));
        break;
    case 9:
    case 10: {
        if (sorte_de(g, r) != sorte_ligne::ligne_vide) {
            information(index == 9 ? QStringLiteral("Insérez l'image sur une ligne vide.")
                                   : QStringLiteral("Insérez l'espace horizontal sur une ligne vide."));
            return;
        }
        const std::optional<double> mm = hauteur_demandée();
        if (!mm)
            return;
        QString chemin;
        if (index == 9) {
            chemin = choisit_image();
            if (chemin.trimmed().isEmpty())
                return;
        }
        g.setTextMatrix(r, col_cat::sorte, index == 9 ? QStringLiteral("8") : QStringLiteral("7"));
        g.setTextMatrix(r, col_cat::hauteur, texte_réel(*mm * twips_mm));
        g.setTextMatrix(r, col_cat::texte, index == 9 ? chemin : QStringLiteral("Espace libre"));
        break;
    }
    default: return;
    }
    repagine(g, imprimante);
}

void insère_ligne_vide(grille& g, surface_page& imprimante)
{
    const int r = g.Row();
    g.AddItem(QStringLiteral("\t5"), r);
    if (g.Cols() > col_cat::hauteur) {
        g.setCol(col_cat::texte);
        g.setCellBackColor(r, col_cat::texte, couleur_rgb(0, 255, 0));
        g.setTextMatrix(r, col_cat::texte, QStringLiteral("Ligne vide"));
        ++nombre_lignes_vides;
        g.setTextMatrix(r, col_cat::hauteur, texte_réel(hauteur_ligne_vide));
    }
    repagine(g, imprimante);
}

void supprime_lignes(grille& g, surface_page& imprimante)
{
    const int r1 = plus_petit(g.Row(), g.RowSel()), r2 = plus_grand(g.Row(), g.RowSel());
    for (int n = r2 - r1 + 1; n > 0 && r1 < g.Rows(); --n)
        g.RemoveItem(r1);
    pas([&] { enlève_sauts_automatiques(g); });
    pas([&] { applique_styles_catalogue(g); });
    pas([&] { mise_en_page_catalogue(g, imprimante); });
}

}  // namespace

QString titre_insère_légende(surface_page& imprimante)
{
    const double mm = (hauteur_légende(imprimante) + 300 + hauteur_ligne_vide) / twips_mm;
    return QStringLiteral("Insérer la légende ") + Format(mm, QStringLiteral("00")) + QStringLiteral("mm");
}

void m_cat_Click(int index, grille& g, surface_page& imprimante)
{
    sablier attente;
    g.setRedraw(false);
    // A block of rows may be deleted at once; the other items act on one
    // row. The header row is never acted on.
    const bool bloc = g.RowSel() != g.Row();
    if ((bloc && index > 4 && index != 11) || g.Row() == 0 || (index == 11 && g.RowSel() == 0)) {
        information(QStringLiteral("Sélectionnez d'abord une ligne. (les insertions se feront sur la ligne au-dessus)"));
        g.setRedraw(true);
        return;
    }
    pas([&] {
        switch (index) {
        case 0: montre_fenêtre(nom_catalogue); break;
        case 1: extrait(g, imprimante, false); break;
        case 2: extrait(g, imprimante, true); break;
        case 3: copie_grille(g); break;
        case 4: copie_sélection(g); break;
        case 5:
            pas([&] { mise_en_page_catalogue(g, imprimante); });
            pas([&] { applique_styles_catalogue(g); });
            break;
        case 6:
        case 7:
        case 9:
        case 10: transforme_ligne_vide(g, imprimante, index); break;
        case 8: insère_ligne_vide(g, imprimante); break;
        case 11: supprime_lignes(g, imprimante); break;
        case 12:
            imprime_grille(imprimante, g, imprimante.Width() - 600, QStringLiteral("Catalogue"), false, false, false);
            imprimante.EndDoc();
            break;
        case 13: enregistre_grille(g, QStringLiteral("catalogue"), 1); break;
        case 14: copie_catalogue(g); break;
        default: break;
        }
    });
    g.setRedraw(true);
}

void m_cat_Click(int index)
{
    surface_imprimante papier(imprimante());
    m_cat_Click(index, gg(), papier);
}

void remplit_menu_catalogue(QMenu& menu)
{
    QAction* légende = nullptr;
    for (int i = 0; i < static_cast<int>(std::size(titres)); ++i) {
        QAction* a = menu.addAction(QString::fromUtf8(titres[i]));
        a->setObjectName(QStringLiteral("m_cat_%1").arg(i));
        QObject::connect(a, &QAction::triggered, a, [i] { m_cat_Click(i); });
        if (i == 6)
            légende = a;
    }
    QObject::connect(&menu, &QMenu::aboutToShow, légende, [légende] {
        surface_imprimante papier(imprimante());
        légende->setText(titre_insère_légende(papier));
    });
}
