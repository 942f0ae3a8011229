#include "catalogue/mise_en_page.h"

#include "catalogue/catalogue_essai.h"

// On the recording surface in A4 portrait (16837.8 twips high), a content
// page holds rows while their heights stay below 16838 - 2000 = 14838 twips:
// 61 one-line entries of 240; the foot blank is counted from 14837.8.
namespace {

class pagination : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        données.type_catalogue = 1;
        données.cat_sommaire[1] = 0;
        données.cat_liste_adhérents[1] = 0;
        données.cat_format[1] = 0;
        données.cat_rubriques_images[1] = 0;
        données.cat_sous_rubriques[1] = 1;
        hauteur_ligne_vide = 300;
    }
    std::vector<ligne_essai> suivies_de(std::vector<ligne_essai> a, const std::vector<ligne_essai>& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    grille g;
};

TEST_F(pagination, une_ligne_qui_ne_tient_plus_ouvre_la_page_suivante)
{
    int pages_principale = -1, blanches_principale = -1;
    branche_catalogue({[](grille& gr, bool d) { affiche_offres_demandes(gr, d); },
                       [&](int p, int b) { pages_principale = p, blanches_principale = b; }});
    grille_essai(g, offres(70));
    mise_en_page_catalogue(g, papier);

    ASSERT_EQ(g.Rows(), 73);
    EXPECT_EQ(sorte_de(g, 61), sorte_ligne::offre);
    EXPECT_EQ(sorte_de(g, 62), sorte_ligne::saut_auto);
    EXPECT_EQ(g.TextMatrix(62, col_cat::texte), " blanc: 3 mm- bas de page 0");
    EXPECT_NEAR(valeur_cellule(g.TextMatrix(62, col_cat::hauteur)), 197.8, 0.01);  // not rounded
    EXPECT_EQ(g.RowHeight(62), 200);  // never less than 200 on screen
    EXPECT_EQ(g.CellBackColor(62, col_cat::texte), couleur_rgb(0, 0, 255));
    EXPECT_EQ(g.TextMatrix(63, col_cat::texte), "offre 61");
    EXPECT_EQ(page_ligne_catalogue[61], 0);
    EXPECT_EQ(page_ligne_catalogue[62], 1);
    EXPECT_EQ(page_ligne_catalogue[71], 1);
    // The closing row: the blank left on the last page, no page change.
    EXPECT_EQ(g.TextMatrix(72, col_cat::texte), " blanc: 224 mm- bas de page 1");
    EXPECT_EQ(dernière_page_catalogue, 1);
    EXPECT_EQ(pages_liste_adhérents[0], 2);
    EXPECT_EQ(affichage_cat.nbr_pages, "2");
    EXPECT_EQ(affichage_cat.pages_blanches, "0");
    EXPECT_TRUE(affichage_cat.pages_visibles);
    EXPECT_EQ(pages_principale, 2);
    EXPECT_EQ(blanches_principale, 0);
    // Rows are numbered again in column 0, row 1 excepted.
    EXPECT_EQ(g.TextMatrix(72, 0), "72");
}

TEST_F(pagination, titres_et_labels_repoussés_en_haut_de_page)
{
    // A section title must have five times its height (16 points: 384) below
    // it before 16838 - 2500: after 52 entries (12480) it goes to the next page.
    grille_essai(g, suivies_de(offres(52), {{3, "JARDIN", "384", "2"}, {1, "bêche", "m", "201"}}));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(sorte_de(g, 53), sorte_ligne::saut_auto);
    EXPECT_EQ(g.TextMatrix(53, col_cat::texte), " blanc: 42 mm- bas de page 0");
    EXPECT_EQ(g.TextMatrix(53, col_cat::hauteur), "2358");
    EXPECT_EQ(g.RowHeight(53), 2358);
    EXPECT_EQ(g.CellBackColor(53, col_cat::texte), couleur_défaut);
    EXPECT_EQ(page_rubrique[2], 1);

    // Automatic breaks switched off: the title stays where it falls.
    données.cat_sans_sauts[1] = variante::de_nombre(1);
    grille_essai(g, suivies_de(offres(52), {{3, "JARDIN", "384", "2"}, {1, "bêche", "m", "201"}}));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(sorte_de(g, 53), sorte_ligne::rubrique);
    EXPECT_EQ(page_rubrique[2], 0);

    // A label (12 points: 288) needs twice its height below itself.
    données.cat_sans_sauts[1] = variante::de_nombre(0);
    grille_essai(g, suivies_de(offres(57), {{10, "Offre(s)", "288"}, {1, "bêche", "m", "201"}}));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(sorte_de(g, 58), sorte_ligne::saut_auto);
    EXPECT_EQ(g.CellBackColor(58, col_cat::texte), couleur_rgb(0, 0, 255));
    EXPECT_EQ(sorte_de(g, 59), sorte_ligne::label_offres);

    // A title goes with the rows under it down to the first entry: with 50
    // entries and a blank line above (12300), the section title fits, but
    // the label under its sub-section would stand too low (13920 + 288 past
    // 16838 - 2500 - 2 x 288): all of it starts the next page.
    grille_essai(g, suivies_de(offres(50), {{5, "Ligne vide", "300"},
                                            {3, "JARDIN", "384", "2"},
                                            {5, "Ligne vide", "300"},
                                            {5, "Ligne vide", "300"},
                                            {4, "Outils", {}},
                                            {5, "Ligne vide", "150"},
                                            {10, "Offre(s)", "288"},
                                            {1, "bêche", "m", "201"}}));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte).mid(50, 10),
              QStringList({"5", "9", "3", "5", "5", "4", "5", "10", "1", "9"}));
    EXPECT_EQ(g.TextMatrix(52, col_cat::texte), " blanc: 45 mm- bas de page 0");
    EXPECT_EQ(page_rubrique[2], 1);
    EXPECT_EQ(page_ligne_catalogue[59], 1);
    // So does a title whose first entry no longer fits under it.
    grille_essai(g, suivies_de(offres(55), {{4, "Outils", {}}, {1, QStringLiteral("mot ").repeated(120), "m", "201"}}));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(sorte_de(g, 56), sorte_ligne::saut_auto);
    EXPECT_EQ(g.CellBackColor(56, col_cat::texte), couleur_rgb(0, 0, 255));
    EXPECT_EQ(page_ligne_catalogue[57], 1);
    EXPECT_EQ(page_ligne_catalogue[58], 1);
}

TEST_F(pagination, pages_de_titre_et_saut_manuel)
{
    // Title block: 2 x 384 + 3 x 288 + 2 x 336 = 2304 high, so the content
    // starts on page (2304 + 2000) \ 16838 + 1 = 1.
    données.cat_sommaire[1] = 1;
    grille_essai(g, suivies_de(offres(3), suivies_de({{6, "Saut de page", {}}}, offres(2))));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(page_ligne_catalogue[1], 1);
    EXPECT_EQ(g.TextMatrix(4, col_cat::texte), " - blanc: 249 mm" "saut de page 1");
    EXPECT_EQ(g.TextMatrix(4, col_cat::hauteur), "14118");
    EXPECT_EQ(g.RowHeight(4), 14118);
    EXPECT_EQ(page_ligne_catalogue[4], 0);  // a manual break gets no page
    EXPECT_EQ(page_ligne_catalogue[5], 2);
    EXPECT_EQ(affichage_cat.nbr_pages, "3");
    EXPECT_EQ(affichage_cat.pages_blanches, "1");
}

TEST_F(pagination, pages_de_la_liste_des_adhérents)
{
    // Heading 2 x 336, then 288 a member, below 16838 - 2600 = 14238.
    données.cat_liste_adhérents[1] = 1;
    liste_adh = {{"0", 0}};
    for (int p = 1; p <= 100; ++p)
        liste_adh.push_back({QString::number(p), p});
    grille_essai(g, offres(1));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(pages_liste_adhérents[0], 1);
    EXPECT_EQ(pages_liste_adhérents[47], 1);
    EXPECT_EQ(pages_liste_adhérents[48], 2);
    EXPECT_EQ(pages_liste_adhérents[96], 2);
    EXPECT_EQ(pages_liste_adhérents[97], 3);
    EXPECT_EQ(affichage_cat.nbr_pages, "4");
    // The printer keeps the list's style.
    EXPECT_EQ(papier.FontSize(), 12);
}

TEST_F(pagination, une_ligne_plus_haute_qu_une_page_a_la_sienne)
{
    grille_essai(g, {{1, "avant", "a"}, {8, "grande.gif", "20000"}, {1, "après", "b"}});
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"1", "9", "8", "9", "1", "9"}));
    EXPECT_EQ(page_ligne_catalogue[3], 1);
    EXPECT_EQ(page_ligne_catalogue[5], 2);
    EXPECT_EQ(dernière_page_catalogue, 2);

    // A title whose rule holds even at the top of a page (five times 4000
    // above 16838 - 2500) is pushed once, then stays on its page.
    grille_essai(g, {{1, "avant", "a"}, {3, "ÉNORME", "4000", "3"}, {1, "après", "b"}});
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"1", "9", "3", "1", "9"}));
    EXPECT_EQ(page_rubrique[3], 1);
    EXPECT_EQ(page_ligne_catalogue[4], 1);
}

TEST_F(pagination, tables_refaites_à_chaque_mise_en_page)
{
    // A full association: more rows and members than the tables once held.
    données.cat_liste_adhérents[1] = 1;
    liste_adh = {{"0", 0}};
    for (int p = 1; p <= 5000; ++p)
        liste_adh.push_back({QString::number(p), p});
    données.nombre_adhérents = 5000;
    std::vector<ligne_essai> lignes = offres(4000);
    lignes.push_back({3, "JARDIN", "384", "2"});
    grille_essai(g, lignes);
    mise_en_page_catalogue(g, papier);
    const int rangées = g.Rows();
    ASSERT_GT(rangées, 4000);
    EXPECT_GE(page_ligne_catalogue.size(), static_cast<std::size_t>(rangées - 1));
    EXPECT_EQ(page_ligne_catalogue[static_cast<std::size_t>(rangées - 2)], page_rubrique[2]);
    EXPECT_GT(page_rubrique[2], 60);
    EXPECT_GE(pages_liste_adhérents.size(), 5001u);
    EXPECT_EQ(pages_liste_adhérents[5000], dernière_page_catalogue);
    EXPECT_GT(pages_liste_adhérents[5000], pages_liste_adhérents[501]);

    // The next catalogue reads nothing of this one: a section gone has no
    // page, a member gone no place, a row gone no page.
    liste_adh.resize(3);
    grille_essai(g, offres(3));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(page_rubrique[2], 0);
    EXPECT_EQ(dernière_page_catalogue, 1);
    EXPECT_EQ(pages_liste_adhérents[2], 1);
    for (std::size_t n = 3; n < pages_liste_adhérents.size(); ++n)
        ASSERT_EQ(pages_liste_adhérents[n], 0) << n;
    for (std::size_t r = 4; r < page_ligne_catalogue.size(); ++r)
        ASSERT_EQ(page_ligne_catalogue[r], 0) << r;
}

TEST_F(pagination, pages_de_titre_comptées_avec_les_rubriques_de_ce_catalogue)
{
    // The title block lists the sections of the grid being paginated: fifty
    // sections at 20 points take more than a page, from the first pagination
    // on, and the content starts on page 2 every time.
    données.cat_sommaire[1] = 1;
    données.taille_sommaire[1] = 20;
    std::vector<ligne_essai> lignes;
    for (int i = 1; i <= max_rubriques; ++i) {
        données.noms_rubriques[static_cast<std::size_t>(i * 10)] = QStringLiteral("Rubrique %1").arg(i);
        lignes.push_back({3, QStringLiteral("Rubrique %1").arg(i), "384", QString::number(i)});
        lignes.push_back({1, QStringLiteral("offre %1").arg(i), "m", QString::number(i * 100 + 1)});
    }
    for (int fois = 1; fois <= 2; ++fois) {
        grille_essai(g, lignes);
        mise_en_page_catalogue(g, papier);
        EXPECT_EQ(page_ligne_catalogue[1], 2) << fois;
        EXPECT_EQ(page_rubrique[1], 2) << fois;
    }

    // Those of the previous pagination are not counted.
    grille_essai(g, offres(2));
    mise_en_page_catalogue(g, papier);
    EXPECT_EQ(page_ligne_catalogue[1], 1);
    EXPECT_EQ(page_rubrique[1], 0);
}

TEST_F(pagination, textes_répétés_imprimés_une_fois)
{
    grille_essai(g, {{1, "Miel", "Annick", "101"},
                     {1, "Miel", "Bastien", "101"},    // same description
                     {1, "Cidre", "Bastien", "101"},   // same member
                     {2, "Cidre", "Bastien", "101"},   // another kind
                     {7, "Espace libre", "567"},
                     {7, "Espace libre", "567"},
                     {8, "logo.png", "900"},
                     {8, "logo.png", "900"},
                     {5, "Ligne vide", "300"},
                     {5, "Ligne vide", "300"}});
    g.setTextMatrix(2, col_cat::genre, "1");
    mise_en_page_catalogue(g, papier);
    // Only offers and requests: layout rows keep their picture and height.
    EXPECT_EQ(colonne(g, col_cat::texte).mid(0, 10),
              QStringList({"Miel", "", "Cidre", "Cidre", "Espace libre", "Espace libre", "logo.png", "logo.png",
                           "Ligne vide", "Ligne vide"}));
    EXPECT_EQ(colonne(g, col_cat::identifiant).mid(0, 10),
              QStringList({"Annick", "Bastien", "", "Bastien", "567", "567", "900", "900", "300", "300"}));
    EXPECT_TRUE(g.TextMatrix(2, col_cat::code).isEmpty());
    EXPECT_TRUE(g.TextMatrix(2, col_cat::genre).isEmpty());
    EXPECT_EQ(g.TextMatrix(3, col_cat::code), "101");
}

TEST_F(pagination, sauts_automatiques_enlevés_et_pages_blanches)
{
    grille_essai(g, {{1, "a", "m"}, {9, "x", "10"}, {6, "Saut de page", {}}, {9, "y", "10"}, {1, "b", "n"}});
    enlève_sauts_automatiques(g);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"1", "6", "1"}));

    dernière_page_catalogue = 4;
    données.cat_format[1] = 0;
    EXPECT_EQ(nombre_pages_blanches(), 1);
    données.cat_format[1] = 1;
    EXPECT_EQ(nombre_pages_blanches(), 3);
    dernière_page_catalogue = 7;
    EXPECT_EQ(nombre_pages_blanches(), 0);
    données.cat_format[1] = 2;
    EXPECT_EQ(nombre_pages_blanches(), 0);
}

}  // namespace
