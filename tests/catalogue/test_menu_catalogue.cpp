#include "catalogue/menu_catalogue.h"

#include "catalogue/catalogue_essai.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace {

const QString garde = "Sélectionnez d'abord une ligne. (les insertions se feront sur la ligne au-dessus)";

class menu_catalogue : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        données.type_catalogue = 1;
        données.cat_sommaire[1] = 0;
        données.cat_liste_adhérents[1] = 0;
        hauteur_ligne_vide = 300;
        grille_essai(g, {{3, "JARDIN", "384", "2"}, {5, "Ligne vide", "300"}, {1, "Bêche", "Bastien", "201"},
                         {5, "Ligne vide", "300"}});
    }
    void choisit(int ligne, int fin = -1)
    {
        g.setRow(ligne);
        if (fin >= 0)
            g.setRowSel(fin);
    }
    QString dernier_message() const { return boîtes.messages.empty() ? QString() : boîtes.messages.back().texte; }
    grille g;
};

TEST_F(menu_catalogue, une_ligne_choisie_d_abord)
{
    choisit(0);
    for (int index : {0, 3, 8, 14}) {
        boîtes.messages.clear();
        m_cat_Click(index, g, papier);
        EXPECT_EQ(dernier_message(), garde) << index;
    }
    // Several rows: the copies run, the rest refuses.
    QGuiApplication::clipboard()->clear();
    choisit(1, 3);
    boîtes.messages.clear();
    m_cat_Click(3, g, papier);
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("JARDIN"));
    m_cat_Click(5, g, papier);
    EXPECT_EQ(dernier_message(), garde);
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_TRUE(g.Redraw());

    // But a block is deleted whole, whatever its kinds; one that takes in the
    // header row is refused.
    choisit(2, 0);
    boîtes.messages.clear();
    m_cat_Click(11, g, papier);
    EXPECT_EQ(dernier_message(), garde);
    EXPECT_EQ(g.Rows(), 5);
    boîtes.messages.clear();
    choisit(3, 1);
    m_cat_Click(11, g, papier);
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"5", "9"}));
}

TEST_F(menu_catalogue, lignes_insérées_et_supprimées)
{
    // A blank line goes above the current row, and the grid is paginated again.
    choisit(3);
    m_cat_Click(8, g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"3", "5", "5", "1", "5", "9"}));
    EXPECT_EQ(g.TextMatrix(3, col_cat::texte), "Ligne vide");
    EXPECT_EQ(g.TextMatrix(3, col_cat::hauteur), "300");
    EXPECT_EQ(g.CellBackColor(3, col_cat::texte), couleur_rgb(0, 255, 255));  // the styles' colour
    EXPECT_EQ(nombre_lignes_vides, 1);

    // Only a blank line becomes a page break or a legend.
    choisit(4);
    m_cat_Click(7, g, papier);
    EXPECT_EQ(dernier_message(), "Insérez le saut de page sur une ligne vide.");
    m_cat_Click(6, g, papier);
    EXPECT_EQ(dernier_message(), "Insérez la légende sur une ligne vide.");
    choisit(2);
    m_cat_Click(7, g, papier);
    EXPECT_EQ(g.TextMatrix(2, col_cat::sorte), "6");
    EXPECT_TRUE(g.TextMatrix(2, col_cat::texte).startsWith(" - blanc: "));  // rewritten by the pagination
    choisit(3);
    m_cat_Click(6, g, papier);
    EXPECT_EQ(g.TextMatrix(3, col_cat::sorte), "16");
    EXPECT_EQ(g.TextMatrix(3, col_cat::texte), "Légende");
    EXPECT_EQ(g.TextMatrix(3, col_cat::hauteur), "2140");  // legend 1840 + 300

    // Deleting repaginates: a single closing break remains.
    choisit(1);
    m_cat_Click(11, g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"6", "16", "1", "5", "9"}));
}

TEST_F(menu_catalogue, image_et_espace_libre)
{
    choisit(2);
    boîtes.saisies = {QString("20")};
    boîtes.fichiers = {chemin("images/logo.gif")};
    m_cat_Click(9, g, papier);
    ASSERT_EQ(boîtes.invites.size(), 2);
    EXPECT_EQ(boîtes.invites[0], " Hauteur souhaitée en mm (maximum:) 30");
    EXPECT_EQ(g.TextMatrix(2, col_cat::sorte), "8");
    EXPECT_EQ(g.TextMatrix(2, col_cat::hauteur), "1134");
    EXPECT_EQ(g.TextMatrix(2, col_cat::texte), chemin("images/logo.gif"));

    // Above the maximum, zero or less, or not a height: asked again.
    choisit(4);
    boîtes.invites.clear();
    boîtes.saisies = {QString("45"), QString("vingt"), QString("0"), QString("-5"), QString("30,5"),
                      QString("12,5")};
    m_cat_Click(10, g, papier);
    EXPECT_EQ(boîtes.invites.size(), 6);
    EXPECT_EQ(g.TextMatrix(4, col_cat::sorte), "7");
    EXPECT_EQ(g.TextMatrix(4, col_cat::texte), "Espace libre");
    EXPECT_EQ(g.TextMatrix(4, col_cat::hauteur), "708,75");

    // Cancelling the height or the picture leaves the row alone.
    grille_essai(g, {{5, "Ligne vide", "300"}});
    choisit(1);
    boîtes.saisies = {std::nullopt};
    m_cat_Click(10, g, papier);
    boîtes.saisies = {QString("20")};
    m_cat_Click(9, g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"5"}));
}

TEST_F(menu_catalogue, extraction_depuis_le_menu)
{
    petite_association();
    données.cat_sous_rubriques[1] = 0;
    données.cat_écrire_offre[1] = 0;
    choisit(1);
    m_cat_Click(1, g, papier);
    // Sorted on the code, then the genre, then the public marker; section
    // rows inserted; no pagination yet.
    EXPECT_EQ(entrées(g), QStringList({"Miel", "Confiture", "Pommes", "Bêche"}));
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"5", "3", "5", "1", "2", "1", "5", "3", "5", "2"}));
    EXPECT_EQ(textes_liste(), QStringList({"0", "1", "2"}));
    EXPECT_TRUE(g.Visible());
    EXPECT_TRUE(g.Redraw());

    // The supplement asked for from the menu becomes the kind prepared.
    choisit(1);
    m_cat_Click(2, g, papier);
    EXPECT_EQ(entrées(g), QStringList({"Miel", "Bêche", "Râteau"}));
    EXPECT_EQ(données.type_catalogue, 0);
}

TEST_F(menu_catalogue, les_quinze_éléments)
{
    QMenu menu;
    remplit_menu_catalogue(menu);
    const QList<QAction*> éléments = menu.actions();
    ASSERT_EQ(éléments.size(), 15);
    EXPECT_EQ(éléments[0]->text(), "Page  de préparation");
    EXPECT_EQ(éléments[6]->objectName(), "m_cat_6");
    EXPECT_EQ(éléments[14]->text(), "Co&pier catalogue");
    // The legend item gives the height of a legend row and its blank line:
    // (1840 + 300 + 300) / 56.7 = 43 mm.
    EXPECT_EQ(titre_insère_légende(papier), "Insérer la légende 43mm");
}

}  // namespace
