#include "catalogue/construction.h"

#include "catalogue/catalogue_essai.h"

#include <tuple>

namespace {

class construction_catalogue : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        petite_association();
        for (std::size_t k = 0; k < 2; ++k) {
            données.cat_classement[k] = 1;
            données.cat_niveau_rubrique[k] = 0;
            données.cat_sous_rubriques[k] = 1;
            données.cat_écrire_offre[k] = 1;
            données.cat_rubriques_images[k] = 0;
            données.cat_sommaire[k] = 0;
            données.cat_liste_adhérents[k] = 0;
            données.cat_qui[k] = 0;
        }
        données.type_catalogue = 1;
    }
    QStringList construit()
    {
        prépare_catalogue(gg(), papier);
        return entrées(gg());
    }
};

TEST_F(construction_catalogue, chaque_ligne_imprimée_à_sa_place)
{
    grille& g = gg();
    prépare_catalogue(g, papier);

    const QStringList sortes = {"5", "3", "5", "5", "4", "5", "10", "1",  // section 1, sub-section 2
                                "5", "4", "5", "10", "1",                 // sub-section 0
                                "5", "4", "5", "11", "2",                 // sub-section 1
                                "5", "3", "5", "11", "2",                 // section 2
                                "9"};
    EXPECT_EQ(colonne(g, col_cat::sorte), sortes);
    QStringList textes = colonne(g, col_cat::texte);
    textes.removeLast();
    EXPECT_EQ(textes, QStringList({"Ligne vide", "ALIMENTATION", "Ligne vide", "Ligne vide", "Fruits", "Ligne vide",
                                   "Offre(s)", "Pommes", "Ligne vide", "ALIMENTATION", "Ligne vide", "Offre(s)",
                                   "Miel", "Ligne vide", "Confiseries", "Ligne vide", "Demande(s)", "Confiture",
                                   "Ligne vide", "JARDIN", "Ligne vide", "Demande(s)", "Bêche"}));
    // Heights: blank lines, half blank lines before a label, a title in its
    // style (16 points), a label two points above the entries' style.
    EXPECT_EQ(g.TextMatrix(1, col_cat::hauteur), "300");
    EXPECT_EQ(g.TextMatrix(6, col_cat::hauteur), "150");
    EXPECT_EQ(g.TextMatrix(2, col_cat::hauteur), "384");
    EXPECT_EQ(g.TextMatrix(7, col_cat::hauteur), "288");
    EXPECT_EQ(g.TextMatrix(2, col_cat::code), "1");
    EXPECT_EQ(g.TextMatrix(20, col_cat::code), "2");
    EXPECT_EQ(nombre_lignes_vides, 10);

    // Entries carry their member's fields, postal code padded as stored.
    EXPECT_EQ(g.TextMatrix(23, col_cat::identifiant), "Bastien");
    EXPECT_EQ(g.TextMatrix(23, col_cat::cp), "2900  ");
    EXPECT_EQ(g.TextMatrix(23, col_cat::tel2), QStringLiteral("06 5").leftJustified(16));
    EXPECT_TRUE(g.TextMatrix(2, col_cat::cp).isEmpty());

    // The deleted member leaves the list; the placeholder stays.
    EXPECT_EQ(textes_liste(), QStringList({"0", "1", "2"}));
    EXPECT_EQ(liste_adh[1].données, 7);
    EXPECT_EQ(g.forme(), forme_grille::catalogue);
    EXPECT_TRUE(affichage_cat.aperçu_actif);
    EXPECT_EQ(affichage_cat.nbr_pages, "1");
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(construction_catalogue, ordres_de_classement)
{
    using attendu = std::tuple<int, int, QStringList>;
    const attendu cas[] = {
        {0, 0, {"Miel", "Pommes", "Confiture", "Bêche"}},  // genre
        {1, 0, {"Pommes", "Miel", "Confiture", "Bêche"}},  // offers, then requests
        {1, 2, {"Miel", "Confiture", "Pommes", "Bêche"}},  // full code first
        {2, 0, {"Pommes", "Confiture", "Miel", "Bêche"}},  // member, equal keys in table order
        {4, 0, {"Miel", "Pommes", "Confiture", "Bêche"}},  // postal code 2900 before 29200
        {3, 0, {"Pommes", "Bêche", "Miel", "Confiture"}},  // table order
    };
    for (const auto& [classement, niveau, ordre] : cas) {
        données.cat_classement[1] = static_cast<int16>(classement);
        données.cat_niveau_rubrique[1] = static_cast<int16>(niveau);
        données.cat_sous_rubriques[1] = 0;
        données.cat_écrire_offre[1] = 0;
        EXPECT_EQ(construit(), ordre) << "classement " << classement << ", niveau " << niveau;
    }
    // Not re-sorted: the sort keys are not computed.
    for (int r = 1; r < gg().Rows(); ++r) {
        EXPECT_TRUE(gg().TextMatrix(r, col_cat::niveau).isEmpty());
        EXPECT_TRUE(gg().TextMatrix(r, col_cat::clé).isEmpty());
    }
}

TEST_F(construction_catalogue, additif_et_public)
{
    données.cat_sous_rubriques = {0, 0};
    données.cat_écrire_offre = {0, 0};

    // A supplement keeps the new and the deleted entries, and only the new
    // members when only they are listed.
    données.type_catalogue = 0;
    données.cat_nouveaux_adhérents[0] = 1;
    EXPECT_EQ(construit(), QStringList({"Miel", "Râteau", "Bêche"}));
    EXPECT_EQ(textes_liste(), QStringList({"0", "2"}));

    // Adults only: entries with the adult marker, adult members.
    données.type_catalogue = 1;
    données.cat_qui[1] = 1;
    EXPECT_EQ(construit(), QStringList({"Pommes"}));
    EXPECT_EQ(textes_liste(), QStringList({"0", "1"}));
    données.cat_qui[1] = 2;
    EXPECT_EQ(construit(), QStringList({"Bêche"}));
    EXPECT_EQ(textes_liste(), QStringList({"0", "2"}));

    // Nothing qualifies: one row with every cell empty stays, then the
    // closing break.
    données.type_catalogue = 0;
    données.cat_qui[0] = 1;
    EXPECT_TRUE(construit().isEmpty());
    ASSERT_EQ(gg().Rows(), 3);
    for (int c = 0; c < gg().Cols(); ++c)
        EXPECT_TRUE(gg().TextMatrix(1, c).isEmpty()) << "colonne " << c;
    EXPECT_EQ(sorte_de(gg(), 2), sorte_ligne::saut_auto);
    EXPECT_EQ(textes_liste(), QStringList({"0"}));
}

TEST_F(construction_catalogue, arrêt_demandé_pendant_l_extraction)
{
    // The user stops as the extraction starts: nothing is removed and the
    // member list stays whole; the later passes run all the same.
    avis_affichage_catalogue = [] {
        if (affichage_cat.je_fais_quoi == QLatin1String(" Extraction du catalogue"))
            arrêt_demandé = true;
    };
    données.cat_sous_rubriques[1] = 0;
    données.cat_écrire_offre[1] = 0;
    const QStringList e = construit();
    avis_affichage_catalogue = nullptr;
    EXPECT_EQ(e.size(), 6);
    EXPECT_EQ(textes_liste(), QStringList({"0", "1", "2", "3"}));
    EXPECT_EQ(sorte_de(gg(), gg().Rows() - 1), sorte_ligne::saut_auto);
    // That catalogue is not the one the options ask for: no preview.
    EXPECT_FALSE(affichage_cat.aperçu_actif);

    // The same when the section rows are stopped half-way.
    avis_affichage_catalogue = [] {
        if (affichage_cat.je_fais_quoi == QLatin1String("Insertion des rubriques"))
            arrêt_demandé = true;
    };
    construit();
    avis_affichage_catalogue = nullptr;
    EXPECT_FALSE(affichage_cat.aperçu_actif);
    EXPECT_NE(sorte_de(gg(), 1), sorte_ligne::ligne_vide);

    // Run to its end, the build offers the preview again.
    construit();
    EXPECT_TRUE(affichage_cat.aperçu_actif);
}

TEST_F(construction_catalogue, numéro_d_adhérent_hors_table_et_table_vide)
{
    // Two entries of members outside the table: told once for the build.
    données.table_propositions[3].num_adh = 6000;
    données.table_propositions[5].num_adh = -4;
    données.type_catalogue = 0;
    construit();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(suite_erreur_catalogue));
    EXPECT_EQ(entrées(gg()), QStringList({"Miel", "Râteau", "Bêche"}));

    // No offers or requests: the heading and the closing break, one page.
    boîtes.messages.clear();
    données.nombre_propositions = 0;
    construit();
    ASSERT_EQ(gg().Rows(), 2);
    EXPECT_EQ(sorte_de(gg(), 1), sorte_ligne::saut_auto);
    EXPECT_EQ(affichage_cat.nbr_pages, "1");
    EXPECT_TRUE(boîtes.messages.empty());
}

}  // namespace
