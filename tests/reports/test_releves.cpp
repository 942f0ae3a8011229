// The individual statements: their grids and titles, the printed page of
// one statement, the run over a list with its abort box, and a statement on
// paper (PDF).
#include "reports/association_rapports.h"
#include "reports/listes_comptes.h"
#include "reports/pages_enregistrees.h"
#include "reports/releves.h"
#include "support/pdf_essai.h"
#include "ui_common/imprime.h"
#include "ui_common/surface_imprimante.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QPushButton>

namespace {

QStringList colonne(const grille& g, int c)
{
    QStringList l;
    for (int r = 1; r < g.Rows(); ++r)
        l << g.TextMatrix(r, c);
    return l;
}

const texte_posé& cherche(const std::vector<texte_posé>& textes, const QString& début)
{
    const texte_posé* t = texte_commençant(textes, début);
    if (!t)
        throw std::runtime_error(("no text starting with " + début).toStdString());
    return *t;
}

}  // namespace

class essai_relevés : public essai_rapports {
protected:
    void SetUp() override
    {
        essai_rapports::SetUp();
        g.setFontName("Arial");
        g.setFontSize(10);
    }

    // What the statement window does for each kind: the account's lines or
    // offers into the grid, its title and its summary.
    prépare_relevé prépare_pour(int compte, std::vector<QString>* kinds = nullptr)
    {
        return [this, compte, kinds](const QString& type) {
            if (kinds)
                kinds->push_back(type);
            remplit_relevé(g, type, compte, {false, 0, 0, 0});
            const QString entrée = données.table_adhérents[static_cast<std::size_t>(compte)].identifiant.str();
            return relevé_préparé{*titre_relevé(type, entrée, {false, 0, 0, 0}, "toutes"),
                                  résumé_du_compte(*chiffres_du_compte(compte))};
        };
    }

    options_relevé options(int type_entête, bool avec_adresse = false, const QString& adresse = {})
    {
        options_relevé o;
        o.tête = {type_entête, avec_adresse, adresse, g.police(), 9000};
        o.type_relevé = relevé_compte;
        return o;
    }

    grille g;
};

TEST_F(essai_relevés, le_relevé_d_un_compte_et_celui_de_ses_offres)
{
    remplit_relevé(g, relevé_compte, 1, {false, 0, 0, 0});
    EXPECT_EQ(g.Cols(), 7);
    // Newest first.
    EXPECT_EQ(colonne(g, 2), QStringList({"Jardinage", "Confitures", "Cours de guitare"}));
    EXPECT_EQ(colonne(g, 6)[0].trimmed(), "Bernard M.");

    remplit_relevé(g, relevé_compte, 1, {false, 2, 0, 0});
    EXPECT_EQ(colonne(g, 2), QStringList({"Jardinage", "Confitures"}));

    remplit_relevé(g, relevé_compte, 1, {true, 0, date_depuis(QDate(2026, 2, 28)), date_depuis(QDate(2026, 3, 1))});
    EXPECT_EQ(colonne(g, 2), QStringList({"Jardinage", "Confitures"}));

    // The deleted offer is left out.
    remplit_relevé(g, relevé_catalogue, 1, {});
    EXPECT_EQ(colonne(g, 2), QStringList({"OFFRES", "Cours de guitare", "DEMANDES", "Prêt d'une perceuse"}));
    EXPECT_EQ(colonne(g, 1), QStringList({"", "adultes", "", ""}));
    EXPECT_EQ(colonne(g, 0), QStringList({"", "1011", "", "1012"}));

    EXPECT_TRUE(tables_pour_relevé(relevé_compte));
    données.nombre_lignes_compte = 0;
    EXPECT_FALSE(tables_pour_relevé(relevé_compte));
    EXPECT_TRUE(tables_pour_relevé(relevé_catalogue));
    données.nombre_adhérents = 0;
    EXPECT_FALSE(tables_pour_relevé(relevé_catalogue));
}

TEST_F(essai_relevés, une_civilité_hors_de_sa_liste_n_en_met_aucune)
{
    adhérent& a = données.table_adhérents[2];
    for (const int16 hors : {int16{6}, int16{-1}, int16{32767}}) {
        a.civilité = hors;
        EXPECT_TRUE(adresse_du_membre(a).startsWith("NOM2 Prénom")) << hors;
    }
    a.civilité = 5;
    EXPECT_TRUE(adresse_du_membre(a).startsWith("Ass.NOM2 Prénom"));
}

TEST_F(essai_relevés, les_titres_des_relevés)
{
    const QString entrée = données.table_adhérents[1].identifiant.str();
    EXPECT_EQ(*titre_relevé(relevé_compte, entrée, {false, 0, 0, 0}, "toutes"),
              "Relevé du compte Annick L. (toutes opérations)");
    EXPECT_EQ(*titre_relevé(relevé_compte, entrée, {true, 0, date_depuis(QDate(2003, 3, 1)),
                                                     date_depuis(QDate(2003, 3, 31))}, "toutes"),
              "Relevé du compte Annick L. ( du 01/03/2003 au 31/03/2003)");
    EXPECT_EQ(*titre_relevé(relevé_catalogue, entrée, {}, ""), "Relevé des offres/demandes de Annick L.");
    EXPECT_FALSE(titre_relevé("autre", entrée, {}, ""));
}

TEST_F(essai_relevés, la_tête_de_page_selon_l_entête_le_logo_et_l_adresse)
{
    // Recording surface: 10 points give 120 twips a character and 240 a line.
    données.entête = "SEL de Quimper\r\nMaison des associations";
    surface_enregistrée texte;
    EXPECT_EQ(imprime_tête_relevé(texte, options(0).tête), 1000 + 480 + 1000);
    const std::vector<texte_posé> t = texte.textes(0);
    const texte_posé& date = cherche(t, "Le ");
    EXPECT_EQ(date.texte, "Le samedi 14 mars 2026");
    EXPECT_NEAR(date.x, 2 * texte.Width() / 3, 0.01);
    EXPECT_EQ(date.y, 1000);
    EXPECT_TRUE(date.police.gras && date.police.italique);
    EXPECT_EQ(cherche(t, "SEL").x, 800);
    EXPECT_FALSE(cherche(t, "SEL").police.italique);

    // Neither header nor address: the grid starts at the date line's top.
    surface_enregistrée rien;
    EXPECT_EQ(imprime_tête_relevé(rien, options(2).tête), 1000);

    // A logo that is missing draws nothing and moves nothing.
    données.fichier_logo = "images\\logo.png";
    surface_enregistrée sans_logo;
    EXPECT_EQ(imprime_tête_relevé(sans_logo, options(1).tête), 1000);
    EXPECT_TRUE(sans_logo.images(0).empty());

    // A logo and a three-line address: below the taller of the two.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QDir(dossier.path()).mkpath("images");
    ASSERT_TRUE(image.save(chemin("images/logo.png")));
    surface_enregistrée logo;
    EXPECT_EQ(imprime_tête_relevé(logo, options(1, true, "NOM1\r\n1 rue\r\n29000 Quimper").tête), 3680 + 1000);
    ASSERT_EQ(logo.images(0).size(), 1u);
    EXPECT_EQ(logo.images(0)[0].cadre, QRectF(800, 800, 2835, 2835));
    EXPECT_EQ(cherche(logo.textes(0), "1 rue").x, 5670);

    g.setFontSize(16);  // 384 twips a line: the address goes below the logo
    surface_enregistrée grande;
    const QString adresse = adresse_du_membre(données.table_adhérents[4]);
    EXPECT_EQ(imprime_tête_relevé(grande, options(1, true, adresse).tête), 2550 + 3 * 384 + 1000);
    // The blanks that pad the fields do not push words onto lines of their own.
    EXPECT_EQ(cherche(grande.textes(0), "Mme").texte, "Mme & M..NOM4 Prénom");
    EXPECT_EQ(cherche(grande.textes(0), "2900").texte, "29000 Quimper");
}

TEST_F(essai_relevés, la_police_suit_la_grille_ramenée_à_la_feuille)
{
    tête_relevé tête = options(2).tête;
    surface_enregistrée a;
    imprime_tête_relevé(a, tête);
    EXPECT_EQ(a.textes(0)[0].police.taille, 10);
    EXPECT_EQ(a.textes(0)[0].police.nom, "Arial");
    tête.largeur_écran = 12000;
    surface_enregistrée b;
    imprime_tête_relevé(b, tête);
    EXPECT_NEAR(b.textes(0)[0].police.taille, 10.0 * (b.Width() - 1200) / 12000, 1e-9);
}

TEST_F(essai_relevés, un_relevé_de_compte_finit_par_son_résumé)
{
    surface_enregistrée papier;
    options_relevé o = options(2);
    o.horizontales = true;
    ASSERT_TRUE(imprime_relevé(papier, g, o, prépare_pour(1)));
    ASSERT_EQ(papier.documents().size(), 1u);
    // The rules end with the columns (750 twips from the left, 100 past the last).
    double largeur = 0;
    for (int c = 0; c < g.Cols(); ++c)
        largeur += g.ColWidth(c);
    ASSERT_LT(largeur, papier.Width() - 1600);
    EXPECT_NEAR(traits_de(papier.documents()[0][0]).at(0).x2, largeur + 850, 0.01);
    ASSERT_EQ(papier.documents()[0].size(), 1u);
    const std::vector<texte_posé> t = textes_de(papier.documents()[0][0]);
    const texte_posé& titre = cherche(t, "Relevé du compte");
    EXPECT_EQ(titre.texte, "Relevé du compte Annick L. (toutes opérations)");
    EXPECT_EQ(titre.y, 1000);
    // The recording surface's wide characters wrap the description.
    const texte_posé& dernière_ligne = cherche(t, "guitare");
    const texte_posé& crédits = cherche(t, "2 opération(s) de crédit *** 1 opération(s) de débit");
    EXPECT_EQ(crédits.x, 1000);
    EXPECT_GT(crédits.y, dernière_ligne.y);
    EXPECT_EQ(cherche(t, "Volume").texte, "Volume des échanges: 1590  grains");
    EXPECT_EQ(cherche(t, "Dernier").texte, "Dernier solde du compte: 1510");

    // A catalogue statement printed alone has no summary.
    options_relevé catalogue = options(2);
    catalogue.type_relevé = relevé_catalogue;
    catalogue.avec_résumé = false;
    surface_enregistrée offres;
    ASSERT_TRUE(imprime_relevé(offres, g, catalogue, prépare_pour(1)));
    const QStringList mots = mots_de(offres.documents()[0][0]);
    EXPECT_TRUE(mots.contains("Relevé des offres/demandes de Annick L."));
    EXPECT_TRUE(mots.contains("perceuse"));
    EXPECT_FALSE(mots.filter("Volume").size());
}

TEST_F(essai_relevés, le_relevé_cumulé_met_le_compte_sous_le_catalogue)
{
    std::vector<QString> kinds;
    options_relevé cumulé = options(2);
    cumulé.relevé_simple = false;
    cumulé.avec_résumé = false;  // the cumulated statement has its summary anyway
    surface_enregistrée papier;
    ASSERT_TRUE(imprime_relevé(papier, g, cumulé, prépare_pour(1, &kinds)));
    EXPECT_EQ(kinds, std::vector<QString>({relevé_catalogue, relevé_compte}));
    ASSERT_EQ(papier.documents().size(), 1u);
    const std::vector<texte_posé> t = textes_de(papier.documents()[0][0]);
    const texte_posé& catalogue = cherche(t, "Relevé des offres/demandes");
    const texte_posé& dernière_offre = cherche(t, "perceuse");
    const texte_posé& compte = cherche(t, "Relevé du compte");
    EXPECT_EQ(catalogue.y, 1000);
    EXPECT_GE(compte.y, dernière_offre.y + 240 + 1000);
    EXPECT_GT(cherche(t, "Dernier solde").y, compte.y);
}

TEST_F(essai_relevés, une_grille_trop_large_annule_le_relevé)
{
    surface_enregistrée papier;
    const bool fait = imprime_relevé(papier, g, options(0), [this](const QString&) {
        remplit_relevé(g, relevé_compte, 1, {false, 0, 0, 0});
        for (int c = 0; c < g.Cols(); ++c)
            g.setColWidth(c, 100000);
        return relevé_préparé{"Relevé", "résumé"};
    });
    EXPECT_FALSE(fait);
    EXPECT_TRUE(papier.documents().empty());
    EXPECT_EQ(papier.documents_annulés(), 1);
    EXPECT_TRUE(papier.pages().empty());  // no summary left alone on a page
    EXPECT_TRUE(arrêt_demandé);
    EXPECT_EQ(boîtes.messages.size(), 1u);
}

TEST_F(essai_relevés, la_liste_entière_sous_la_boîte_d_arrêt)
{
    fenêtre autre;
    autre.show();
    std::vector<int> imprimés;
    bool autre_active_pendant = true;
    surface_enregistrée papier;
    EXPECT_EQ(imprime_chaque_compte(papier, 3,
                                    [&](int i) {
                                        imprimés.push_back(i);
                                        autre_active_pendant = autre.isEnabled();
                                        EXPECT_TRUE(imprime::instance().isVisible());
                                    }),
              3);
    EXPECT_EQ(imprimés, std::vector<int>({0, 1, 2}));
    EXPECT_FALSE(autre_active_pendant);
    EXPECT_TRUE(autre.isEnabled());
    EXPECT_FALSE(imprime::instance().isVisible());
    EXPECT_FALSE(arrêt_demandé);

    // "Annuler" during the second account: it is finished, no third comes.
    imprimés.clear();
    EXPECT_EQ(imprime_chaque_compte(papier, 5,
                                    [&](int i) {
                                        imprimés.push_back(i);
                                        if (i == 1)
                                            imprime::instance().Commande1->click();
                                    }),
              2);
    EXPECT_EQ(imprimés, std::vector<int>({0, 1}));
    EXPECT_TRUE(autre.isEnabled());

    // An empty list prints nothing; the box comes and goes.
    EXPECT_EQ(imprime_chaque_compte(papier, 0, [&](int) { ADD_FAILURE(); }), 0);
    EXPECT_FALSE(imprime::instance().isVisible());
}

TEST_F(essai_relevés, un_relevé_sur_papier)
{
    const QString pdf = chemin("releve.pdf");
    QPrinter imprimante(QPrinter::HighResolution);
    vers_pdf(imprimante, pdf);
    données.entête = "SEL de Quimper";
    g.setFontName("DejaVu Sans");  // a face that has the "fi" ligature
    {
        surface_imprimante papier(imprimante);
        options_relevé o = options(0, true, adresse_du_membre(données.table_adhérents[1]));
        o.horizontales = o.verticales = true;
        ASSERT_TRUE(imprime_relevé(papier, g, o, prépare_pour(1)));
    }
    ASSERT_TRUE(QFile::exists(pdf));
    const auto pages = pages_pdf(pdf);
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    ASSERT_EQ(pages->size(), 1);
    const QString& texte = pages->front();
    for (const char* attendu : {"Le samedi 14 mars 2026", "SEL de Quimper", "NOM1 Prénom", "29000 Quimper",
                                "Relevé du compte Annick L. (toutes opérations)", "Dte enr.", "Cours de guitare",
                                // letter for letter, as on screen: no "fi" ligature that a search would miss
                                "Confitures",
                                "Volume des échanges: 1590 grains", "Dernier solde du compte: 1510"})
        EXPECT_TRUE(texte.simplified().contains(QString::fromUtf8(attendu))) << attendu << "\n"
                                                                              << texte.toStdString();
    // The address stands to the right of the header, the summary below the grid.
    EXPECT_LT(texte.indexOf("SEL de Quimper"), texte.indexOf("Relevé du compte"));
    EXPECT_LT(texte.indexOf("Cours de guitare"), texte.indexOf("Dernier solde"));
}
