// The three tables in the general grid: column layout, coded and decoded
// texts in their French forms, and the form recorded in the grid.
#include "ui_common/vues_tables.h"
#include "support/dossier_test.h"
#include "ui_common/ajuste_grille.h"

namespace {

class vues_tables : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        données_sel& d = données;
        d.nombre_codes_classification = 3;
        d.codes_classification[1] = 21;  // sub-section 1 of section 2, no name of its own
        d.codes_classification[2] = 20;
        d.codes_classification[3] = 10;
        d.noms_rubriques[20] = QStringLiteral("Jardin");
        d.noms_rubriques[10] = QStringLiteral("Maison");
        d.images_rubriques[2] = QStringLiteral("images\\jardin.gif");

        // Entry 1 is slot 3, entry 2 slot 1.
        d.nombre_propositions = 2;
        d.table_propositions[1].ordre = 3;
        d.table_propositions[2].ordre = 1;
        proposition& p = d.table_propositions[3];
        p = {date_depuis(QDate(2026, 3, 14), QTime(12, 0)), 3, 2, 1, QStringLiteral("Taille de haies"),
             QStringLiteral("Annick L."), 2, 215, d.symbole_enfant, d.symbole_adulte, 7};
        d.table_propositions[1].additif = 3;
        d.table_propositions[1].type = 1;

        d.nombre_adhérents = 2;
        d.table_adhérents[1].ordre = 7;
        d.table_adhérents[2].ordre = 2;
        adhérent& a = d.table_adhérents[7];
        a.identifiant = QStringLiteral("Annick L.");
        a.catégorie = 1;
        a.sexe = 1;
        a.critère0 = 3;
        a.qualité = 1;
        a.der_solde = monnaie::depuis_brut(1252500);
        a.volume = monnaie::unités(40);
        a.dte_enr = date_depuis(QDate(2020, 2, 1), QTime(8, 30));
        a.date_adhésion = date_depuis(QDate(2026, 3, 14));
        a.additif = 2;
        d.table_adhérents[2].catégorie = 7;  // outside the list
    }
    grille gg;
};

TEST_F(vues_tables, tables_vides_donnent_la_ligne_d_en_tete_seule)
{
    données = données_sel{};
    affiche_rubriques(gg);
    EXPECT_EQ(gg.Rows(), 1);
    EXPECT_EQ(gg.Cols(), 4);
    affiche_offres_demandes(gg, true);
    EXPECT_EQ(gg.Rows(), 1);
    EXPECT_EQ(gg.Cols(), 11);
    EXPECT_EQ(gg.Row(), 0);  // no data row to make current
    affiche_adhérents(gg, false);
    EXPECT_EQ(gg.Rows(), 1);
    EXPECT_EQ(gg.Cols(), 26);
    EXPECT_EQ(gg.TextMatrix(0, 25), QStringLiteral("d_naiss"));
}

TEST_F(vues_tables, classification_triee_par_code_avec_sa_place_dans_la_liste)
{
    gg.setRow(1);
    gg.setRowSel(1);
    gg.setCol(0);
    affiche_rubriques(gg);
    ASSERT_EQ(gg.Rows(), 4);
    EXPECT_EQ(gg.forme(), forme_grille::codée);
    // The first data row is current, in the first column that scrolls.
    EXPECT_EQ(std::make_pair(gg.Row(), gg.RowSel()), std::make_pair(1, 1));
    EXPECT_EQ(gg.Col(), 1);
    const QStringList attendu[] = {{"3", "10", "Maison", ""},
                                   {"2", "20", "Jardin", "images\\jardin.gif"},
                                   {"1", "21", "", ""}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(gg.TextMatrix(r, c), attendu[r - 1][c]) << r << "," << c;
}

TEST_F(vues_tables, offres_codees_et_decodees)
{
    affiche_offres_demandes(gg, false);
    EXPECT_EQ(gg.forme(), forme_grille::codée);
    EXPECT_EQ(gg.SelectionMode(), mode_sélection::par_ligne);
    EXPECT_EQ(gg.TextMatrix(0, 4), QStringLiteral("kid "));
    EXPECT_EQ(QStringList({"1", "2", "215", "1", "J", "Taille de haies", "Annick L.", "2", "3", "7",
                           "14/03/2026 12:00:00"}),
              [&] { QStringList l; for (int c = 0; c < 11; ++c) l << gg.TextMatrix(1, c); return l; }());
    EXPECT_EQ(gg.TextMatrix(2, col_offres::emplacement), QStringLiteral("1"));
    EXPECT_EQ(gg.TextMatrix(2, col_offres::date), QStringLiteral("00:00:00"));

    // Coded: the widths of the samples, measured as the column fit
    // measures, bold italic.
    mesureur_texte mesure(police_de_mesure(gg));
    EXPECT_EQ(gg.ColWidth(5), CLng(mesure.largeur(QString(28, QLatin1Char('x')))));
    EXPECT_EQ(gg.ColWidth(1), CLng(mesure.largeur(QStringLiteral("Type "))));
    EXPECT_EQ(gg.Row(), 1);

    arrêt_demandé = true;
    gg.setRow(0);
    affiche_offres_demandes(gg, true);
    EXPECT_FALSE(arrêt_demandé);
    EXPECT_EQ(gg.Row(), 1);
    // Decoded: fitted, the names being wider than the samples.
    EXPECT_EQ(gg.ColWidth(col_offres::type), CLng(mesure.largeur(QStringLiteral("Offre/demande")) + mesure.largeur(u"W")));
    EXPECT_EQ(gg.ColWidth(col_offres::additif), CLng(mesure.largeur(QStringLiteral("supprimée")) + mesure.largeur(u"W")));
    EXPECT_EQ(gg.forme(), forme_grille::décodée);
    EXPECT_EQ(gg.SelectionMode(), mode_sélection::libre);
    // Both symbols read "adulte"; the nameless sub-section shows its section.
    EXPECT_EQ(QStringList({"demande", "Jardin", "service", "adulte", "Taille de haies", "Annick L.", "supprimée"}),
              [&] { QStringList l; for (int c = 1; c < 8; ++c) l << gg.TextMatrix(1, c); return l; }());
    EXPECT_EQ(gg.TextMatrix(2, col_offres::type), QStringLiteral("offre"));
    EXPECT_EQ(gg.TextMatrix(2, col_offres::additif), QStringLiteral("supprimée"));
    EXPECT_EQ(gg.TextMatrix(2, col_offres::public_visé), QString());
}

TEST_F(vues_tables, adherents_codes_et_decodes)
{
    affiche_adhérents(gg, false);
    ASSERT_EQ(gg.Rows(), 3);
    EXPECT_EQ(gg.Cols(), 26);
    EXPECT_EQ(gg.Row(), 1);
    EXPECT_EQ(gg.TextMatrix(0, col_adhérents::critère0), QStringLiteral("Critères0 util"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::numéro), QStringLiteral("7"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::identifiant), QStringLiteral("Annick L.           "));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::tel1), QString(16, QLatin1Char(' ')));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::e_mail).size(), 50);
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::additif), QStringLiteral("2"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::catégorie), QStringLiteral("1"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::date_adhésion), QStringLiteral("14/03/2026"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::dte_enr), QStringLiteral("01/02/2020 08:30:00"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::d_naiss), QStringLiteral("00:00:00"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::der_solde), QStringLiteral("125,25"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::volume), QStringLiteral("40"));
    EXPECT_EQ(gg.forme(), forme_grille::codée);

    affiche_adhérents(gg, true);
    EXPECT_EQ(gg.forme(), forme_grille::décodée);
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::catégorie), QStringLiteral("Adulte"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::sexe), QStringLiteral("féminin"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::critère0), QStringLiteral("critère4"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::qualité), QStringLiteral("membre du C.A"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::additif), QStringLiteral("2"));
    EXPECT_EQ(gg.TextMatrix(1, col_adhérents::der_solde), QStringLiteral("125,25"));
    EXPECT_EQ(gg.TextMatrix(2, col_adhérents::catégorie), QString());  // no such category
    EXPECT_EQ(gg.TextMatrix(2, col_adhérents::sexe), QStringLiteral("masculin"));
}

TEST_F(vues_tables, adherents_tries_par_identifiant_comme_au_choix_du_mode)
{
    adhérent& a = données.table_adhérents[2];
    a.identifiant = QStringLiteral("Élodie M.");
    données.table_adhérents[1].ordre = 7;
    données.table_adhérents[3].ordre = 9;
    données.table_adhérents[9].identifiant = QStringLiteral("Dominique B.");
    données.nombre_adhérents = 3;
    affiche_adhérents(gg, true);
    gg.setCol(col_adhérents::identifiant);
    gg.setSort(tri_grille::générique_croissant);
    EXPECT_EQ(gg.TextMatrix(1, 1), QStringLiteral("7"));
    EXPECT_EQ(gg.TextMatrix(2, 1), QStringLiteral("9"));
    EXPECT_EQ(gg.TextMatrix(3, 1), QStringLiteral("2"));
}

TEST_F(vues_tables, la_grille_est_cachee_tant_que_l_option_le_demande)
{
    affiche_grille = true;
    affiche_rubriques(gg);
    EXPECT_FALSE(gg.Visible());
    affiche_offres_demandes(gg, false);
    EXPECT_FALSE(gg.Visible());
    affiche_grille = false;
    affiche_adhérents(gg, false);
    EXPECT_TRUE(gg.Visible());
}

}  // namespace
