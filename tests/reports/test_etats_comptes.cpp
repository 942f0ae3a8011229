// The exchange vouchers and the account states with their totals, their
// titles and their printing.
#include "reports/association_rapports.h"
#include "reports/etats_comptes.h"
#include "reports/pages_enregistrees.h"
#include "support/jeu_essai.h"
#include "support/pdf_essai.h"
#include "ui_common/surface_imprimante.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QStringList ligne(const grille& g, int r)
{
    QStringList l;
    for (int c = 0; c < g.Cols(); ++c)
        l << g.TextMatrix(r, c);
    return l;
}

const std::vector<int> tous = {1, 2, 3, 4, 5, 6, 7, 9995, 9997, 9998, 9999};

}  // namespace

using essai_états = essai_rapports;

TEST_F(essai_états, les_bons_d_une_période_et_leur_total)
{
    grille g;
    const double début = date_depuis(QDate(2026, 2, 1)), fin = date_depuis(QDate(2026, 2, 28));
    remplit_tableau_bons(g, {true, 0, début, fin}, tous);
    // Both bounds are in the period; only the credit lines are vouchers.
    ASSERT_EQ(g.Rows(), 4);
    EXPECT_EQ(ligne(g, 0), QStringList({"Crédité.", "Débité.", "Description", "grs"}));
    EXPECT_EQ(ligne(g, 1), QStringList({"0001", "0002", "Cours de guitare", "1 250"}));
    EXPECT_EQ(ligne(g, 2), QStringList({"0001", "0003", "Confitures", "300"}));
    EXPECT_EQ(ligne(g, 3), QStringList({"", "", "Total des échanges ...", " 1 550"}));
    EXPECT_EQ(g.ColAlignment(3), alignement_grille::droite_centre);
    EXPECT_EQ(g.ColAlignment(2), alignement_grille::gauche_centre);

    // A credit between a listed account and one left out of the list is no voucher.
    remplit_tableau_bons(g, {true, 0, date_depuis(QDate(2026, 3, 1)), date_depuis(QDate(2026, 3, 31))},
                         {1, 2, 3, 9995});
    ASSERT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(1, 2), "Jardinage");
    EXPECT_EQ(g.TextMatrix(2, 2), "Couture");
    EXPECT_EQ(g.TextMatrix(3, 3), "  065");

    // A start after the end lists nothing; the total is zero.
    remplit_tableau_bons(g, {true, 0, fin, début}, tous);
    ASSERT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.TextMatrix(1, 3), "  000");
}

TEST_F(essai_états, les_derniers_bons_quelles_que_soient_leurs_dates)
{
    grille g;
    remplit_tableau_bons(g, {false, 2, 0, 0}, tous);
    ASSERT_EQ(g.Rows(), 4);
    // The two most recent vouchers, shown in the order they were recorded.
    EXPECT_EQ(g.TextMatrix(1, 2), "Cotisation");
    EXPECT_EQ(g.TextMatrix(1, 0), "9995");
    EXPECT_EQ(g.TextMatrix(2, 2), "Couture");
    EXPECT_EQ(g.TextMatrix(3, 3), "  035");

    remplit_tableau_bons(g, {false, 0, 0, 0}, tous);
    EXPECT_EQ(g.Rows(), 7);  // the five vouchers and the total
}

TEST_F(essai_états, l_état_des_comptes_et_ses_totaux)
{
    grille g;
    remplit_tableau_état(g, {3, 1, 2, 9995});
    ASSERT_EQ(g.Rows(), 6);
    EXPECT_EQ(ligne(g, 0), QStringList({"N°", "Compte", "Nbr +", "Nbr -", "Volume", "Position"}));
    // List order, names trimmed.
    EXPECT_EQ(g.TextMatrix(1, 0), "3");
    EXPECT_EQ(g.TextMatrix(1, 1), "Céline D.");
    EXPECT_EQ(g.TextMatrix(4, 1), "_compte asso1");
    EXPECT_EQ(ligne(g, 5), QStringList({"", "Totaux: ", " 005", " 004", "3 240", "   010"}));
    EXPECT_EQ(g.ColAlignment(1), alignement_grille::gauche_centre);
    EXPECT_EQ(g.ColAlignment(5), alignement_grille::droite_centre);

    // A negative sum keeps its sign in front.
    remplit_tableau_état(g, {2, 3});
    EXPECT_EQ(g.TextMatrix(3, 5), "-  1 510");
}

TEST_F(essai_états, les_montants_gardent_leurs_décimales)
{
    // Two half-unit exchanges in April: 12,5 from 1 to 2 and 0,25 from 3 to 2.
    champs_ligne champs;
    champs.date_opération = date_depuis(QDate(2026, 4, 2));
    champs.description = QStringLiteral("Demi");
    const monnaie douze_et_demi = monnaie::depuis_brut(125000), quart = monnaie::depuis_brut(2500);
    ASSERT_TRUE(poste_lignes({{sens_débit, 1, 2, douze_et_demi, champs}, {sens_crédit, 2, 1, douze_et_demi, champs}}));
    ASSERT_TRUE(poste_lignes({{sens_débit, 3, 2, quart, champs}, {sens_crédit, 2, 3, quart, champs}}));

    grille g;
    const double avril = date_depuis(QDate(2026, 4, 1)), fin_avril = date_depuis(QDate(2026, 4, 30));
    remplit_tableau_bons(g, {true, 0, avril, fin_avril}, tous);
    ASSERT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(1, 3), "012,5");
    EXPECT_EQ(g.TextMatrix(2, 3), "000,25");
    EXPECT_EQ(g.TextMatrix(3, 3), "  012,75");

    // Balances of 1497,5 (1), -1222,25 (2) and -275,25 (3).
    remplit_tableau_état(g, {1, 2, 3});
    EXPECT_EQ(g.TextMatrix(1, 5), "1 497,5");
    EXPECT_EQ(g.TextMatrix(4, 4), "3 255,5");  // volumes 1602,5 + 1327,75 + 325,25
    EXPECT_EQ(g.TextMatrix(4, 5), "   000");
}

TEST_F(essai_états, les_titres)
{
    EXPECT_EQ(titre_bons({false, 5, 0, 0}, "5 dernières"), "Relevé des échanges  (5 dernières opérations)");
    EXPECT_EQ(titre_bons({false, 0, 0, 0}, "toutes"), "Relevé des échanges  (toutes opérations)");
    EXPECT_EQ(titre_bons({true, 0, date_depuis(QDate(2026, 12, 1)), date_depuis(QDate(2026, 12, 31))}, "x"),
              "Relevé des échanges  ( du 01/12/2026 au 31/12/2026)");
    EXPECT_EQ(titre_état(), "Etat des comptes au  14/03/2026");
}

TEST_F(essai_états, l_impression_prend_la_largeur_de_la_grille_dans_la_feuille)
{
    grille g;
    remplit_tableau_état(g, {1, 2, 3});
    g.setColWidth(0, 567);
    for (int c = 1; c < g.Cols(); ++c)
        g.setColWidth(c, 1134);
    EXPECT_EQ(largeur_état_mm(g), 110);

    // The grid's own width when the sheet takes it...
    surface_enregistrée étroite;
    imprime_tableau_état(étroite, g, "Etat des comptes au  14/03/2026", largeur_état_mm(g));
    ASSERT_EQ(étroite.documents().size(), 1u);
    const page_dessinée& page = étroite.documents()[0].at(0);
    const std::vector<texte_posé> textes = textes_de(page);
    ASSERT_FALSE(textes.empty());
    EXPECT_EQ(textes[0].texte, "Etat des comptes au  14/03/2026");
    EXPECT_EQ(textes[0].y, 1000);
    const std::vector<trait_posé> traits = traits_de(page);
    ASSERT_FALSE(traits.empty());
    // Rules run from 750 twips to 100 twips past the columns.
    EXPECT_NEAR(traits[0].x2, 110 * twips_par_mm + 850, 1);
    EXPECT_TRUE(mots_de(page).contains("Totaux:"));

    // ...and the sheet less 800 twips each side otherwise.
    surface_enregistrée large;
    imprime_tableau_état(large, g, "Etat", 300);
    ASSERT_EQ(large.documents().size(), 1u);
    EXPECT_NEAR(traits_de(large.documents()[0].at(0))[0].x2, large.Width() - 1600 + 850, 1);
}

TEST_F(essai_états, un_long_état_continue_sur_les_pages_suivantes)
{
    std::vector<int> comptes;
    for (int i = 0; i < 90; ++i)
        comptes.push_back(1 + i % 7);
    grille g;
    remplit_tableau_état(g, comptes);
    surface_enregistrée papier;
    imprime_tableau_état(papier, g, "Etat des comptes au  14/03/2026", largeur_état_mm(g));
    ASSERT_EQ(papier.documents().size(), 1u);
    const auto& pages = papier.documents()[0];
    ASSERT_GE(pages.size(), 2u);
    // The headers come again on the next page, the totals close the last one.
    EXPECT_FALSE(mots_de(pages[1]).contains("Etat des comptes au  14/03/2026"));
    EXPECT_TRUE(mots_de(pages[1]).contains("Position"));
    EXPECT_TRUE(mots_de(pages.back()).contains("Totaux:"));
    int lignes = 0;
    for (const page_dessinée& p : pages)
        lignes += static_cast<int>(mots_de(p).count("Céline D."));
    EXPECT_EQ(lignes, 13);
}


TEST_F(essai_états, les_totaux_d_une_grande_association_tiennent_dans_leurs_colonnes)
{
    // Sums of 5000 accounts are far wider than any account's figures: on
    // paper each stays whole on the totals' line.
    remplit_association_essai(données, {5000, 0, 10000, 50});
    std::vector<int> comptes;
    for (int n = 1; n <= 5000; ++n)
        comptes.push_back(n);
    grille g;
    remplit_tableau_état(g, comptes);
    QStringList totaux;
    for (int c = 2; c < g.Cols(); ++c)
        totaux << g.TextMatrix(g.Rows() - 1, c).trimmed();
    // Past a million too, every three digits are grouped as in the rows.
    const QRegularExpression groupé(QStringLiteral("^-?[0-9]{1,3}( [0-9]{3})*(,[0-9]+)?$"));
    for (const QString& t : totaux)
        EXPECT_TRUE(groupé.match(t).hasMatch()) << t.toStdString();
    ASSERT_GT(totaux[2].size(), 9) << "the volume total passes a million";
    QTemporaryDir dossier;
    QPrinter pdf(QPrinter::HighResolution);
    vers_pdf(pdf, dossier.filePath("etat.pdf"));
    {
        surface_imprimante papier(pdf);
        imprime_tableau_état(papier, g, "Etat des comptes au  14/03/2026", largeur_état_mm(g));
    }
    const std::optional<QStringList> pages = pages_pdf(dossier.filePath("etat.pdf"));
    if (!pages)
        GTEST_SKIP() << "pdftotext manque";
    const QString ligne = pages->back().section(QStringLiteral("Totaux:"), 1).section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(ligne.simplified(), totaux.join(QLatin1Char(' ')).simplified());
}
