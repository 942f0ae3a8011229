// The posting rule, the composition of an account line and its grid text,
// and the journal's view of the table.
#include "accounts/ecritures.h"
#include "support/impression_qt.h"
#include "support/dossier_test.h"

namespace {

class écritures : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        données.nombre_adhérents = 2;
        données.table_adhérents[1].ordre = 12;
        données.table_adhérents[2].ordre = 7;
        adhérent& a = données.table_adhérents[12];
        a.identifiant = QStringLiteral("Annick L.");
        a.der_solde = monnaie::unités(100);
        a.débits = 2;
        a.crédits = 5;
        a.volume = monnaie::unités(400);
        données.table_adhérents[7].identifiant = QStringLiteral("Hervé M.");
    }
};

TEST_F(écritures, un_débit_baisse_le_solde_et_compte_un_débit)
{
    EXPECT_EQ(mouvemente_compte(sens_débit, 12, monnaie::unités(30)), monnaie::unités(70));
    const adhérent& a = données.table_adhérents[12];
    EXPECT_EQ(a.der_solde, monnaie::unités(70));
    EXPECT_EQ(a.débits, 3);
    EXPECT_EQ(a.crédits, 5);
    EXPECT_EQ(a.volume, monnaie::unités(430));
}

TEST_F(écritures, un_crédit_sur_un_compte_de_l_association)
{
    compte_asso& c = données.comptes_asso[2];
    c.solde = monnaie::unités(10);
    c.volume = monnaie::unités(5);
    EXPECT_EQ(mouvemente_compte(sens_crédit, 9997, monnaie::depuis_brut(305000)), monnaie::depuis_brut(405000));
    EXPECT_EQ(c.solde, monnaie::depuis_brut(405000));
    EXPECT_EQ(c.crédits, 1);
    EXPECT_EQ(c.débits, 0);
    EXPECT_EQ(c.volume, monnaie::depuis_brut(355000));
    // The balance may go below zero: the rule makes no other check.
    EXPECT_EQ(mouvemente_compte(sens_débit, 9997, monnaie::unités(100)), monnaie::depuis_brut(-595000));
    EXPECT_EQ(c.débits, 1);
}

TEST_F(écritures, un_mouvement_impossible_ne_change_rien)
{
    const données_sel avant = données;
    for (int sens : {0, 3})
        EXPECT_EQ(mouvemente_compte(sens, 12, monnaie::unités(30)), monnaie{});
    for (int compte : {0, -1, 5001, 9994, 10000})
        EXPECT_EQ(mouvemente_compte(sens_crédit, compte, monnaie::unités(30)), monnaie{});
    données.table_adhérents[12].débits = 32767;
    EXPECT_FALSE(mouvement_possible(sens_débit, 12, monnaie::unités(1)));
    EXPECT_EQ(mouvemente_compte(sens_débit, 12, monnaie::unités(1)), monnaie{});
    EXPECT_TRUE(mouvement_possible(sens_crédit, 12, monnaie::unités(1)));
    données.table_adhérents[12].débits = 2;
    EXPECT_TRUE(données == avant);
}

TEST_F(écritures, comptes_utilisables)
{
    EXPECT_TRUE(compte_utilisable(12));
    EXPECT_TRUE(compte_utilisable(7));
    EXPECT_FALSE(compte_utilisable(3));  // in range, but not in the register
    EXPECT_TRUE(compte_utilisable(9999));
    données.comptes_asso[4].nom = QStringLiteral("  ");
    EXPECT_FALSE(compte_utilisable(9999));
    EXPECT_FALSE(compte_utilisable(0));
    EXPECT_FALSE(compte_utilisable(9994));
}

TEST_F(écritures, composition_d_une_ligne)
{
    champs_ligne champs;
    champs.date_opération = date_depuis(QDate(2026, 3, 10));
    champs.description = QStringLiteral("Confitures");
    champs.ligne_cat = 41;
    champs.genre = 2;
    champs.code_rub = 1234;
    ligne_de_compte l;
    l.adu = QStringLiteral("gardé");
    compose_type_compte(l, champs, sens_débit, 12, 7, monnaie::unités(30));
    EXPECT_EQ(l.dte_enr, date_depuis(QDate(2026, 3, 14)));  // today, without the time
    EXPECT_EQ(l.dte_opé, champs.date_opération);
    EXPECT_EQ(l.ligne_cat, 41);
    EXPECT_EQ(l.genre, 2);
    EXPECT_EQ(l.compte, 12);
    EXPECT_EQ(l.partenaire, 7);
    EXPECT_EQ(l.sens, QStringLiteral("1"));
    EXPECT_EQ(l.montant, monnaie::unités(30));
    EXPECT_EQ(l.solde, monnaie::unités(70));
    EXPECT_EQ(l.code_rub, 1234);
    EXPECT_EQ(l.enf, QStringLiteral("-1"));
    EXPECT_EQ(l.adu, QStringLiteral("gardé"));
    EXPECT_EQ(données.table_adhérents[12].der_solde, monnaie::unités(100));  // composing posts nothing

    champs.catégorie = 1;
    compose_type_compte(l, champs, sens_crédit, 12, 7, monnaie::unités(30));
    EXPECT_EQ(l.solde, monnaie::unités(130));
    EXPECT_EQ(l.enf, QStringLiteral("Adulte"));

    compose_type_compte(l, champs, 3, 12, 7, monnaie::unités(99));
    EXPECT_EQ(l.solde, monnaie::unités(130));
    EXPECT_EQ(l.montant, monnaie::unités(30));
}

TEST_F(écritures, texte_d_une_ligne_dans_la_grille)
{
    ligne_de_compte l;
    l.dte_enr = date_depuis(QDate(2026, 3, 14));
    l.dte_opé = date_depuis(QDate(2026, 3, 2), QTime(9, 0));
    l.description = QStringLiteral("Cours de guitare");
    l.genre = 1;
    l.compte = 12;
    l.partenaire = 7;
    l.sens = QStringLiteral("1");
    l.montant = monnaie::depuis_brut(125000);
    l.solde = monnaie::depuis_brut(-25000);
    l.code_rub = 1210;
    l.enf = QStringLiteral("-1");
    const QStringList champs = compose_ligne_compte(l).split(QLatin1Char('\t'));
    ASSERT_EQ(champs.size(), 14);
    EXPECT_EQ(champs, (QStringList{"14/03/2026", "02/03/2026", "Cours de guitare", "", "12,5", "-2,5",
                                   "Hervé M.            ", "Annick L.           ", "1210", "1", "", "", "12", "7"}));

    l.sens = QStringLiteral("2");
    l.partenaire = 9995;
    const QStringList crédit = compose_ligne_compte(l).split(QLatin1Char('\t'));
    EXPECT_EQ(crédit[3], QStringLiteral("12,5"));
    EXPECT_EQ(crédit[4], QString());
    EXPECT_EQ(crédit[6], QStringLiteral("_compte asso1"));
    EXPECT_EQ(crédit[13], QStringLiteral("9995"));

    // "None chosen" is stored as -1 and shows as nothing; a choice shows.
    l.genre = -1;
    l.enf = QStringLiteral("Adulte");
    l.adu = QStringLiteral("-1");
    const QStringList choix = compose_ligne_compte(l).split(QLatin1Char('\t'));
    EXPECT_EQ(choix.mid(9, 3), (QStringList{"", "Adulte", ""}));
}

TEST_F(écritures, un_grand_livre_presque_plein_le_dit_et_dit_quoi_faire)
{
    const QString archivage = QStringLiteral("L'archivage (menu Fichier de la fenêtre principale, « Archiver ») "
                                             "libère des lignes : il ne garde que les lignes d'échange récentes.");
    données.nombre_lignes_compte = max_lignes_compte - seuil_alerte_lignes_compte;
    EXPECT_EQ(alerte_lignes_compte(), QString());
    données.nombre_lignes_compte = max_lignes_compte - 499;
    EXPECT_EQ(alerte_lignes_compte(), QStringLiteral("Le tableau des lignes de compte est presque plein : il reste "
                                                     "499 lignes sur 10000 (un échange en prend 2, 4 avec un "
                                                     "prélèvement).\r\n") +
                                          archivage);
    données.nombre_lignes_compte = max_lignes_compte - 1;
    EXPECT_EQ(alerte_lignes_compte(), QStringLiteral("Le tableau des lignes de compte est plein (il reste 1 ligne sur "
                                                     "10000) : aucun échange ne peut plus être enregistré.\r\n") +
                                          archivage);

    // Three lines left: an exchange with its levy is refused, saying why.
    données.nombre_lignes_compte = max_lignes_compte - 3;
    EXPECT_TRUE(place_pour_lignes(2));
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_FALSE(place_pour_lignes(4));
    EXPECT_EQ(boîtes.textes(), QStringList{QStringLiteral("Le tableau des lignes de compte n'a plus la place des 4 "
                                                          "lignes de cette opération (il en reste 3 sur 10000) : "
                                                          "l'opération n'est pas enregistrée.\r\n") +
                                           archivage});
}

TEST_F(écritures, des_lignes_postées_ensemble)
{
    champs_ligne champs;
    champs.description = QStringLiteral("Prêt de perceuse");
    grille g(1, 15, 1, 0);
    ASSERT_TRUE(poste_lignes({{sens_débit, 12, 7, monnaie::unités(30), champs},
                              {sens_crédit, 7, 12, monnaie::unités(30), champs}},
                             {&g, nullptr}));
    ASSERT_EQ(données.nombre_lignes_compte, 2);
    EXPECT_EQ(données.table_lignes_compte[1].solde, monnaie::unités(70));
    EXPECT_EQ(données.table_lignes_compte[2].solde, monnaie::unités(30));
    EXPECT_EQ(données.table_adhérents[7].crédits, 1);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 2), QStringLiteral("Prêt de perceuse"));
    EXPECT_EQ(journal_écritures(), (std::vector<écriture_journalisée>{{1, 12, 7, 1, monnaie::unités(30)},
                                                                      {2, 7, 12, 2, monnaie::unités(30)}}));

    // A line to an account outside the register: none of the lines is posted.
    const données_sel avant = données;
    EXPECT_FALSE(poste_lignes({{sens_crédit, 7, 12, monnaie::unités(5), champs},
                               {sens_débit, 12, 3, monnaie::unités(5), champs}},
                              {&g}));
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(boîtes.textes(), QStringList{"Le compte n° 3 n'existe pas : choisissez un adhérent de la liste ou un "
                                           "compte de l'association."});
    EXPECT_EQ(journal_écritures().size(), 2u);
}

TEST_F(écritures, le_journal_suit_la_table)
{
    champs_ligne champs;
    EXPECT_FALSE(journal_à_jour());
    ASSERT_TRUE(poste_lignes({{sens_débit, 12, 7, monnaie::unités(30), champs},
                              {sens_crédit, 7, 12, monnaie::unités(30), champs}}));
    EXPECT_TRUE(journal_à_jour());

    données.table_lignes_compte[1].montant = monnaie::unités(31);  // another file loaded, say
    EXPECT_FALSE(journal_à_jour());
    données.table_lignes_compte[1].montant = monnaie::unités(30);
    données.nombre_lignes_compte = 3;  // a line added by someone else
    EXPECT_FALSE(journal_à_jour());
    données.nombre_lignes_compte = 2;
    EXPECT_TRUE(journal_à_jour());

    // Any posting outside a recording clears it.
    mouvemente_compte(sens_crédit, 12, monnaie::unités(1));
    EXPECT_TRUE(journal_écritures().empty());
    EXPECT_FALSE(journal_à_jour());
}

}  // namespace
