// The grids filled from the ledger: layouts, row texts, row orders, counts
// and date filters.
#include "accounts/grilles_comptes.h"
#include "support/impression_qt.h"
#include "support/dossier_test.h"

namespace {

const double jour0 = date_depuis(QDate(2026, 1, 1));

class grilles_comptes : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        données.nombre_adhérents = 2;
        données.table_adhérents[1].ordre = 12;
        données.table_adhérents[2].ordre = 7;
        données.table_adhérents[12].identifiant = QStringLiteral("Annick L.");
        données.table_adhérents[7].identifiant = QStringLiteral("Hervé M.");
    }

    // Line i: description "ligne i", operation date jour0 + i.
    static void ajoute_ligne(int compte, int partenaire, int sens, std::int64_t montant)
    {
        const int i = ++données.nombre_lignes_compte;
        ligne_de_compte& l = données.table_lignes_compte[i];
        l.dte_enr = jour0 + i;
        l.dte_opé = jour0 + i;
        l.description = QStringLiteral("ligne %1").arg(i);
        l.compte = static_cast<int16>(compte);
        l.partenaire = static_cast<int16>(partenaire);
        l.sens = QString::number(sens);
        l.montant = monnaie::depuis_brut(montant);
        l.enf = QStringLiteral("-1");
    }

    // 40 lines of member 12: odd ones with member 7, even ones with 9995.
    static void quarante_lignes()
    {
        for (int i = 1; i <= 40; ++i)
            ajoute_ligne(12, i % 2 ? 7 : 9995, 1 + i % 2, 10000 * i);
    }

    static QStringList descriptions(const grille& g)
    {
        QStringList d;
        for (int r = 1; r < g.Rows(); ++r)
            d << g.TextMatrix(r, 2);
        return d;
    }

    static QStringList lignes(std::initializer_list<int> indices)
    {
        QStringList d;
        for (int i : indices)
            d << QStringLiteral("ligne %1").arg(i);
        return d;
    }
};

TEST_F(grilles_comptes, entêtes_des_lignes_de_compte)
{
    grille g(6, 3, 1, 1);
    g.setTextMatrix(4, 2, QStringLiteral("reste"));
    entête_grille_écritures(g, false);
    ASSERT_EQ(g.Rows(), 1);
    ASSERT_EQ(g.Cols(), 15);
    EXPECT_EQ(g.FixedCols(), 0);
    const QStringList titres = {"Dte enr.", "Dte opé.", "Description", "crédit", "débit", "solde", "partenaire",
                                "compte", "code rub", "genre", "enf", "adu", "N° de...", "N° vers...", ""};
    const int largeurs[] = {1000, 1000, 4000, 800, 800, 800, 1200, 1200, 800, 300, 300, 300, 300, 300};
    for (int c = 0; c < 15; ++c)
        EXPECT_EQ(g.TextMatrix(0, c), titres[c]);
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(g.ColWidth(c), largeurs[c]);

    entête_grille_écritures(g, true);
    EXPECT_EQ(g.Cols(), 7);
    EXPECT_EQ(g.TextMatrix(0, 6), QStringLiteral("partenaire"));

    prépare_grille_écritures(g);
    EXPECT_EQ(g.Cols(), 15);
    EXPECT_EQ(g.Rows(), 1);
}

TEST_F(grilles_comptes, relevé_d_un_compte)
{
    quarante_lignes();
    ajoute_ligne(7, 12, 2, 10000);  // line 41, of another account
    grille g;

    remplit_relevé_compte(g, 25, 12, mode_dernières, 0, 0, false, -1);
    ASSERT_EQ(g.Rows(), 26);
    EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("ligne 40"));  // newest first
    EXPECT_EQ(g.TextMatrix(25, 2), QStringLiteral("ligne 16"));
    EXPECT_EQ(g.TextMatrix(1, 12), QStringLiteral("12"));

    remplit_relevé_compte(g, 0, 12, mode_dernières, 0, 0, true, -1);
    EXPECT_EQ(g.Rows(), 41);  // no limit
    EXPECT_EQ(g.Cols(), 7);

    remplit_relevé_compte(g, 3, 12, mode_dernières, 0, 0, false, 7);
    EXPECT_EQ(descriptions(g), lignes({39, 37, 35}));

    remplit_relevé_compte(g, 1, 12, mode_période, jour0 + 5, jour0 + 9, false, -1);
    EXPECT_EQ(descriptions(g), lignes({9, 8, 7, 6, 5}));  // both dates included, no count
    remplit_relevé_compte(g, 0, 12, mode_période, jour0 + 5, jour0 + 9, false, 9995);
    EXPECT_EQ(descriptions(g), lignes({8, 6}));
    remplit_relevé_compte(g, 0, 12, mode_période, jour0 + 9, jour0 + 5, false, -1);
    EXPECT_EQ(g.Rows(), 1);
    remplit_relevé_compte(g, 10, 12, 1, 0, 0, false, -1);
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.Cols(), 15);
}

TEST_F(grilles_comptes, lignes_de_tous_les_comptes)
{
    quarante_lignes();
    ajoute_ligne(7, 12, 2, 10000);
    grille g;
    remplit_écritures_période(g, 18, mode_dernières, 0, 0);
    ASSERT_EQ(g.Rows(), 19);
    EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("ligne 41"));
    EXPECT_EQ(g.TextMatrix(18, 2), QStringLiteral("ligne 24"));
    // A row is the line's text, cell by cell.
    const QStringList champs = compose_ligne_écriture(41).split(QLatin1Char('\t'));
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(g.TextMatrix(1, c), champs[c]);
    EXPECT_EQ(g.TextMatrix(1, 6), QStringLiteral("Annick L.           "));

    remplit_écritures_période(g, données.nombre_lignes_compte, mode_dernières, 0, 0);
    EXPECT_EQ(g.Rows(), 42);
    remplit_écritures_période(g, 0, mode_période, jour0 + 39, jour0 + 100);
    EXPECT_EQ(descriptions(g), lignes({41, 40, 39}));
    remplit_écritures_période(g, 18, 2, 0, 0);
    EXPECT_EQ(g.Rows(), 1);

    // The columns are fitted to their texts.
    EXPECT_GT(g.ColWidth(2), g.ColWidth(9));
    EXPECT_NE(g.ColWidth(2), 4000);
}

TEST_F(grilles_comptes, bons_d_échange)
{
    quarante_lignes();
    ajoute_ligne(7, 30, 2, 10000);  // 41: partner not listed
    grille g;
    const std::vector<int> listés = {12, 7};

    remplit_bons_échange(g, 10, mode_dernières, 0, 0, listés);
    ASSERT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.TextMatrix(0, 3), QStringLiteral("grs"));
    EXPECT_EQ(g.ColAlignment(0), alignement_grille::droite_centre);
    EXPECT_EQ(g.ColAlignment(2), alignement_grille::gauche_centre);
    // The credit lines of 12 with 7 are the odd ones: the ten newest, oldest first.
    EXPECT_EQ(descriptions(g), lignes({21, 23, 25, 27, 29, 31, 33, 35, 37, 39}));
    EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("0012"));
    EXPECT_EQ(g.TextMatrix(1, 1), QStringLiteral("0007"));
    EXPECT_EQ(g.TextMatrix(1, 3), QStringLiteral("021"));

    remplit_bons_échange(g, 0, mode_période, jour0 + 2, jour0 + 6, {12, 7, 9995});
    EXPECT_EQ(descriptions(g), lignes({3, 5}));

    remplit_bons_échange(g, 0, mode_dernières, 0, 0, {12});
    EXPECT_EQ(g.Rows(), 1);
    remplit_bons_échange(g, 0, 4, 0, 0, listés);
    EXPECT_EQ(g.Rows(), 1);
}

TEST_F(grilles_comptes, montants_des_bons_et_des_états)
{
    ajoute_ligne(12, 7, 2, 15000000);  // 1500
    ajoute_ligne(12, 7, 2, 12345675);  // 1234,5675
    ajoute_ligne(12, 7, 2, 50000);     // 5
    EXPECT_EQ(compose_ligne_bon(1), QStringLiteral("0012\t0007\tligne 1\t1 500"));
    EXPECT_EQ(compose_ligne_bon(2).section(QLatin1Char('\t'), 3), QStringLiteral("1 234,5675"));
    EXPECT_EQ(compose_ligne_bon(3).section(QLatin1Char('\t'), 3), QStringLiteral("005"));
    EXPECT_EQ(compose_ligne_bon(4), QString());

    adhérent& a = données.table_adhérents[12];
    a.crédits = 3;
    a.débits = 2;
    a.volume = monnaie::unités(1500);
    a.der_solde = monnaie::unités(-200);
    EXPECT_EQ(compose_ligne_état(12), QStringLiteral("12\tAnnick L.\t003\t002\t1 500\t-200"));
    compte_asso& c = données.comptes_asso[1];
    c.crédits = 1234;
    c.volume = monnaie::unités(1234567);
    c.solde = monnaie::depuis_brut(-55000);
    EXPECT_EQ(compose_ligne_état(9996), QStringLiteral("9996\t_compte asso2\t1 234\t000\t1 234 567\t-005,5"));
    EXPECT_EQ(compose_ligne_état(9994), QStringLiteral("9994"));

    grille g;
    remplit_état_comptes(g, {9996, 12});
    ASSERT_EQ(g.Rows(), 3);
    ASSERT_EQ(g.Cols(), 6);
    EXPECT_EQ(g.TextMatrix(0, 5), QStringLiteral("Position"));
    EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("9996"));
    EXPECT_EQ(g.TextMatrix(2, 1), QStringLiteral("Annick L."));
    EXPECT_EQ(g.ColAlignment(1), alignement_grille::gauche_centre);
    EXPECT_EQ(g.ColAlignment(4), alignement_grille::droite_centre);
}

TEST_F(grilles_comptes, offres_et_demandes_d_un_membre)
{
    auto propose = [](int numéro, int membre, int type, int additif, const char* kid, const char* adulte) {
        proposition& p = données.table_propositions[numéro];
        p.num_adh = static_cast<int16>(membre);
        p.type = static_cast<int16>(type);
        p.additif = static_cast<int16>(additif);
        p.kid = QString::fromUtf8(kid);
        p.adulte = QString::fromUtf8(adulte);
        p.code_rubrique = static_cast<int16>(100 * numéro + 11);
        p.désignation = QStringLiteral("proposition %1").arg(numéro);
    };
    propose(1, 12, 1, 0, "J", "$");
    propose(2, 12, 2, 1, "J", "");
    propose(3, 12, 1, 2, "", "");  // deleted: not shown
    propose(4, 7, 1, 0, "", "");
    propose(5, 12, 1, 0, "", "");
    données.nombre_propositions = 5;
    const int ordre[] = {0, 5, 4, 3, 2, 1};  // display order: 5, 4, 3, 2, 1
    for (int i = 1; i <= 5; ++i)
        données.table_propositions[i].ordre = static_cast<int16>(ordre[i]);

    grille g;
    remplit_relevé_catalogue(g, 12);
    ASSERT_EQ(g.Cols(), 3);
    QStringList rangées;
    for (int r = 0; r < g.Rows(); ++r)
        rangées << g.TextMatrix(r, 0) + "|" + g.TextMatrix(r, 1) + "|" + g.TextMatrix(r, 2);
    EXPECT_EQ(rangées, (QStringList{"Code|Cible|Description", "||OFFRES", "0511||proposition 5",
                                    "0111|adultes|proposition 1", "||DEMANDES", "0211|enfants|proposition 2"}));

    remplit_relevé_catalogue(g, 30);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 2), QStringLiteral("DEMANDES"));
}

}  // namespace
