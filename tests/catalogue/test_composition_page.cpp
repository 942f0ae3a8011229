#include "catalogue/composition.h"
#include "catalogue/page_essai.h"

namespace {

// Five rows on pages 0 to 3: Pommes (0), Miel and JARDIN (1), Poires (2),
// Bêche (3).
class composition : public essai_page {
protected:
    void SetUp() override
    {
        essai_page::SetUp();
        petite_association();
        const int pages[] = {0, 1, 1, 2, 3};
        ligne(g, {{1, "1"}, {5, "Pommes"}, {6, "Annick"}});
        ligne(g, {{1, "1"}, {5, "Miel"}, {6, "Bastien"}});
        ligne(g, {{1, "3"}, {5, "JARDIN"}});
        ligne(g, {{1, "2"}, {5, "Poires"}, {6, "Annick"}});
        ligne(g, {{1, "2"}, {5, "Bêche"}, {6, "Bastien"}});
        for (int r = 1; r <= 5; ++r)
            page_ligne_catalogue[static_cast<std::size_t>(r)] = static_cast<int16>(pages[r - 1]);
        dernière_page_catalogue = 3;
        pages_liste_adhérents[0] = 4;
        page_rubrique[1] = 1;
        données.noms_rubriques[10] = "ALIMENTATION";
    }
    QStringList page(int p, bool droite = false, bool sur_papier_ = true)
    {
        papier.KillDoc();
        cible_page c = sur_papier_ ? sur_papier() : sur_aperçu();
        imprime_page(c, g, p, droite);
        return textes();
    }
    QStringList vue_lecture(int p)
    {
        cible_page c = sur_aperçu();
        aperçu_page(c, g, p);
        return textes();
    }
    grille g;
    const double W = largeur_a4, H = hauteur_a4;
};

TEST_F(composition, page_zéro_avec_ou_sans_page_de_titre)
{
    données.cat_sommaire[1] = 1;
    const QStringList titre = page(0);
    EXPECT_EQ(titre.value(0), "Catalogue");
    EXPECT_FALSE(titre.contains("Pommes"));
    EXPECT_FALSE(titre.contains("- 0 -"));
    EXPECT_EQ(vue_lecture(0), titre);

    données.cat_sommaire[1] = 0;
    EXPECT_EQ(page(0), QStringList({"Pommes", "Annick"}));
    EXPECT_DOUBLE_EQ(posé("Pommes")->y, 500);
}

TEST_F(composition, rangées_de_la_page_et_son_numéro)
{
    EXPECT_EQ(page(1), QStringList({"Miel", "Bastien", "JARDIN", "- 1 -"}));
    EXPECT_DOUBLE_EQ(posé("Miel")->y, 500);
    EXPECT_DOUBLE_EQ(posé("JARDIN")->y, 500 + 240);
    // The number in the middle of the sheet, 1200 above its foot, two points
    // below the offers' size on paper.
    EXPECT_EQ(QPointF(posé("- 1 -")->x, posé("- 1 -")->y), QPointF((W - 1000) / 2 + 500, H - 1200));
    EXPECT_EQ(posé("- 1 -")->police, (police_page{"Arial", 8, false, false}));
    page(1, false, false);
    EXPECT_EQ(posé("- 1 -")->police.taille, 10);

    // A landscape printer with one page a sheet: printed and "as printed"
    // numbers 800 above the foot, the reading-order preview 1200.
    papier.setOrientation(QPageLayout::Landscape);
    page(1);
    EXPECT_DOUBLE_EQ(posé("- 1 -")->y, W - 800);
    page(1, false, false);
    EXPECT_DOUBLE_EQ(posé("- 1 -")->y, W - 800);
    vue_lecture(1);
    EXPECT_DOUBLE_EQ(posé("- 1 -")->y, W - 1200);
}

TEST_F(composition, deux_pages_par_feuille)
{
    données.cat_format[1] = 1;
    papier.setOrientation(QPageLayout::Landscape);
    const double largeur = H, hauteur = W;
    EXPECT_EQ(vue_lecture(2), QStringList({"Poires", "Annick", "Bêche", "Bastien",
                                           "- 3 -", "- 2 -"}));
    EXPECT_DOUBLE_EQ(posé("Poires")->x, 1400);
    EXPECT_EQ(QPointF(posé("Bêche")->x, posé("Bêche")->y), QPointF(largeur / 2 + 1400, 500));
    EXPECT_DOUBLE_EQ(posé("- 2 -")->x, (largeur - 1000) / 4 + 500);
    EXPECT_EQ(QPointF(posé("- 3 -")->x, posé("- 3 -")->y),
              QPointF((largeur - 1000) / 4 + 500 + largeur / 2, hauteur - 800));

    // The title page on the left without a number, page 1 on the right.
    données.cat_sommaire[1] = 1;
    const QStringList t = vue_lecture(0);
    EXPECT_EQ(t.value(0), "Catalogue");
    EXPECT_TRUE(t.contains("Miel"));
    EXPECT_TRUE(t.contains("- 1 -"));
    EXPECT_FALSE(t.contains("- 0 -"));
    EXPECT_LT(posé("Catalogue")->x, largeur / 2);
}

TEST_F(composition, pages_de_la_liste_et_pages_blanches)
{
    données.cat_liste_adhérents[1] = 1;
    remplit_liste_adh();
    pages_liste_adhérents[1] = pages_liste_adhérents[2] = pages_liste_adhérents[3] = 4;
    const QStringList liste = page(4);
    EXPECT_EQ(liste.value(0), "Les adhérents :");
    EXPECT_EQ(liste.last(), "- 4 -");
    EXPECT_EQ(vue_lecture(4).value(0), "Les adhérents :");

    // A blank page that completes the sheet: its number alone.
    EXPECT_EQ(page(5), QStringList({"- 5 -"}));
    données.cat_liste_adhérents[1] = 0;
    EXPECT_EQ(page(7), QStringList({"- 7 -"}));
}

}  // namespace
