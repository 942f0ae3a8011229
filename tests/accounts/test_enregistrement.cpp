// Recording an exchange: its lines, the balances they leave, the levy, the
// journal, and the refusals that post nothing.
#include "accounts/enregistrement.h"
#include "accounts/grilles_comptes.h"
#include "support/impression_qt.h"
#include "support/dossier_test.h"

namespace {

monnaie u(std::int64_t n) { return monnaie::unités(n); }

class enregistrement : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        const char* noms[] = {"Annick L.", "Bernard M.", "Céline D."};
        données.nombre_adhérents = 3;
        for (int i = 1; i <= 3; ++i) {
            données.table_adhérents[i].ordre = static_cast<int16>(i);
            données.table_adhérents[i].identifiant = QString::fromUtf8(noms[i - 1]);
        }
        données.table_adhérents[1].der_solde = u(100);
        données.table_adhérents[2].der_solde = u(50);
    }

    // An entry under the levy settings of the data file, levied for 9995.
    static saisie_échange saisie(int débité, int crédité, const QString& montant)
    {
        saisie_échange s;
        s.débité = débité;
        s.crédité = crédité;
        s.montant = montant;
        s.date_opération = date_depuis(QDate(2026, 3, 12));
        s.description = QStringLiteral("Cours de guitare");
        s.prélèvement = {texte_affiché(données.taux_prélèvement), texte_affiché(données.solde_mini_prélèvement),
                         texte_affiché(données.montant_mini_prélèvement),
                         texte_affiché(données.montant_maxi_prélèvement), false, 9995};
        return s;
    }

    static void vérifie_ligne(int i, int compte, int partenaire, const char* sens, monnaie montant, monnaie solde)
    {
        SCOPED_TRACE(i);
        const ligne_de_compte& l = données.table_lignes_compte[i];
        EXPECT_EQ(l.compte, compte);
        EXPECT_EQ(l.partenaire, partenaire);
        EXPECT_EQ(l.sens, QString::fromLatin1(sens));
        EXPECT_EQ(l.montant, montant);
        EXPECT_EQ(l.solde, solde);
        EXPECT_EQ(l.dte_enr, date_depuis(QDate(2026, 3, 14)));
        EXPECT_EQ(l.dte_opé, date_depuis(QDate(2026, 3, 12)));
    }
};

TEST_F(enregistrement, trois_échanges_dont_un_avec_prélèvement)
{
    grille gg_compte, gg;
    entête_grille_écritures(gg_compte, false);
    const std::vector<grille*> grilles = {&gg_compte, &gg};

    // Bernard (balance 50, above the threshold 0) is paid 300: levy 1 for 9995.
    saisie_échange s = saisie(1, 2, QStringLiteral("300"));
    s.ligne_cat = QStringLiteral("41");
    s.genre = 1;
    s.code_rubrique = QStringLiteral("1210");
    s.catégorie = 1;
    ASSERT_TRUE(enregistre_échange(s, grilles));
    ASSERT_EQ(données.nombre_lignes_compte, 4);
    vérifie_ligne(1, 1, 2, "1", u(300), u(-200));
    vérifie_ligne(2, 2, 1, "2", u(300), u(350));
    vérifie_ligne(3, 2, 9995, "1", u(1), u(349));
    vérifie_ligne(4, 9995, 2, "2", u(1), u(1));
    for (int i : {1, 2}) {
        const ligne_de_compte& l = données.table_lignes_compte[i];
        EXPECT_EQ(l.description, QStringLiteral("Cours de guitare"));
        EXPECT_EQ(l.ligne_cat, 41);
        EXPECT_EQ(l.genre, 1);
        EXPECT_EQ(l.code_rub, 1210);
        EXPECT_EQ(l.enf, QStringLiteral("Adulte"));
    }
    for (int i : {3, 4}) {
        const ligne_de_compte& l = données.table_lignes_compte[i];
        EXPECT_EQ(l.description, QStringLiteral("~ 0,5% sur Cours de guitare"));
        EXPECT_EQ(l.ligne_cat, 0);
        EXPECT_EQ(l.genre, -1);
        EXPECT_EQ(l.code_rub, 0);
        EXPECT_EQ(l.enf, QStringLiteral("-1"));
    }
    EXPECT_EQ(journal_écritures(),
              (std::vector<écriture_journalisée>{{1, 1, 2, 1, u(300)}, {2, 2, 1, 2, u(300)},
                                                 {3, 2, 9995, 1, u(1)}, {4, 9995, 2, 2, u(1)}}));
    EXPECT_TRUE(journal_à_jour());

    // Céline's balance is 0, not above the threshold: no levy on 5000.
    s = saisie(2, 3, QStringLiteral("5000"));
    ASSERT_TRUE(enregistre_échange(s, grilles));
    ASSERT_EQ(données.nombre_lignes_compte, 6);
    vérifie_ligne(5, 2, 3, "1", u(5000), u(-4651));
    vérifie_ligne(6, 3, 2, "2", u(5000), u(5000));
    EXPECT_EQ(données.table_lignes_compte[5].ligne_cat, 0);  // empty fields give 0, not the line before
    EXPECT_EQ(données.table_lignes_compte[5].code_rub, 0);
    EXPECT_EQ(données.table_lignes_compte[5].enf, QStringLiteral("-1"));

    // An association account is paid, with a decimal comma: never a levy.
    s = saisie(1, 9996, QStringLiteral("12,5"));
    ASSERT_TRUE(enregistre_échange(s, grilles));
    ASSERT_EQ(données.nombre_lignes_compte, 8);
    vérifie_ligne(7, 1, 9996, "1", monnaie::depuis_brut(125000), monnaie::depuis_brut(-2125000));
    vérifie_ligne(8, 9996, 1, "2", monnaie::depuis_brut(125000), monnaie::depuis_brut(125000));
    EXPECT_EQ(journal_écritures().size(), 2u);

    const adhérent* a = &données.table_adhérents[0];
    EXPECT_EQ(a[1].der_solde, monnaie::depuis_brut(-2125000));
    EXPECT_EQ(a[1].débits, 2);
    EXPECT_EQ(a[1].crédits, 0);
    EXPECT_EQ(a[1].volume, monnaie::depuis_brut(3125000));
    EXPECT_EQ(a[2].der_solde, u(-4651));
    EXPECT_EQ(a[2].débits, 2);
    EXPECT_EQ(a[2].crédits, 1);
    EXPECT_EQ(a[2].volume, u(5301));
    EXPECT_EQ(a[3].der_solde, u(5000));
    EXPECT_EQ(a[3].crédits, 1);
    EXPECT_EQ(a[3].volume, u(5000));
    EXPECT_EQ(données.comptes_asso[0].solde, u(1));
    EXPECT_EQ(données.comptes_asso[0].crédits, 1);
    EXPECT_EQ(données.comptes_asso[0].volume, u(1));
    EXPECT_EQ(données.comptes_asso[1].solde, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.comptes_asso[1].crédits, 1);
    EXPECT_EQ(données.comptes_asso[1].débits, 0);

    // Both grids received every line, in recording order.
    ASSERT_EQ(gg_compte.Rows(), 9);
    ASSERT_EQ(gg.Rows(), 10);  // a new grid starts with two rows
    for (int i = 1; i <= 8; ++i) {
        const QStringList champs = compose_ligne_écriture(i).split(QLatin1Char('\t'));
        for (int c = 0; c < 14; ++c)
            EXPECT_EQ(gg_compte.TextMatrix(i, c), champs[c]) << i << " " << c;
        EXPECT_EQ(gg.TextMatrix(i + 1, 1), champs[1]);
    }
    EXPECT_EQ(gg_compte.TextMatrix(3, 2), QStringLiteral("~ 0,5% sur Cours de guitare"));
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(enregistrement, le_prélèvement_coupé_ou_réglé_autrement)
{
    saisie_échange s = saisie(1, 2, QStringLiteral("300"));
    s.prélèvement.sans_prélèvement = true;
    s.prélèvement.compte = 0;
    EXPECT_EQ(prélèvement_saisie(s), u(0));
    ASSERT_TRUE(enregistre_échange(s));
    EXPECT_EQ(données.nombre_lignes_compte, 2);

    s = saisie(1, 2, QStringLiteral("1000"));
    s.prélèvement.taux = QStringLiteral("2.5");
    s.prélèvement.compte = 9998;
    EXPECT_EQ(prélèvement_saisie(s), u(25));
    ASSERT_TRUE(enregistre_échange(s));
    EXPECT_EQ(données.nombre_lignes_compte, 6);
    EXPECT_EQ(données.table_lignes_compte[6].compte, 9998);
    EXPECT_EQ(données.table_lignes_compte[6].montant, u(25));
    EXPECT_EQ(données.table_lignes_compte[5].description, QStringLiteral("~ 2.5% sur Cours de guitare"));
    EXPECT_EQ(données.comptes_asso[3].solde, u(25));
}

TEST_F(enregistrement, chaque_refus_ne_poste_rien)
{
    ASSERT_TRUE(enregistre_échange(saisie(1, 2, QStringLiteral("300"))));
    const std::vector<écriture_journalisée> journal = journal_écritures();
    données.table_adhérents[3].der_solde = u(10);

    struct cas {
        const char* nom;
        std::function<void(saisie_échange&)> prépare;
        QString message;
    };
    const QString inexistant =
        QStringLiteral("n'existe pas : choisissez un adhérent de la liste ou un compte de l'association.");
    const std::vector<cas> refus = {
        {"membre hors liste", [](saisie_échange& s) { s.crédité = 4; }, "Le compte n° 4 " + inexistant},
        {"hors des numéros", [](saisie_échange& s) { s.débité = 9994; }, "Le compte n° 9994 " + inexistant},
        {"aucun compte", [](saisie_échange& s) { s.débité = 0; }, "Le compte n° 0 " + inexistant},
        {"compte asso sans nom",
         [](saisie_échange& s) {
             données.comptes_asso[4].nom.clear();
             s.crédité = 9999;
         },
         "Le compte n° 9999 " + inexistant},
        {"même compte", [](saisie_échange& s) { s.crédité = 1; },
         "Il est impossible d'effectuer une opération d'un compte sur lui-même"},
        {"montant négatif", [](saisie_échange& s) { s.montant = "-5"; },
         "Le montant de l'opération ne peut pas être négatif."},
        {"montant illisible", [](saisie_échange& s) { s.montant = "12 grs"; },
         "Le montant « 12 grs » n'est pas un nombre."},
        {"montant nul", [](saisie_échange& s) { s.montant = "0,00"; },
         "Vous n'avez pas indiqué le montant de l'opération"},
        {"description hors du jeu du fichier", [](saisie_échange& s) { s.description = "Cours ☺ de guitare ☺ ✓"; },
         "La description contient des caractères que le fichier de données ne peut pas enregistrer : ☺✓"},
        {"ligne de catalogue", [](saisie_échange& s) { s.ligne_cat = "4x"; },
         "Le code catalogue « 4x » n'est pas un nombre entier."},
        {"code hors limites", [](saisie_échange& s) { s.code_rubrique = "40000"; },
         "Le code rubrique « 40000 » n'est pas un nombre entier."},
        {"champ de prélèvement", [](saisie_échange& s) { s.prélèvement.montant_maxi = "mille"; },
         "Le montant maximum du prélèvement « mille » n'est pas un nombre."},
        {"pas de compte pour le prélèvement", [](saisie_échange& s) { s.prélèvement.compte = 0; },
         "Choisissez le compte de l'association qui reçoit le prélèvement."},
        {"un membre pour le prélèvement", [](saisie_échange& s) { s.prélèvement.compte = 1; },
         "Choisissez le compte de l'association qui reçoit le prélèvement."},
        {"table pleine avec le prélèvement", [](saisie_échange&) { données.nombre_lignes_compte = 9997; },
         "Le tableau des lignes de compte n'a plus la place des 4 lignes de cette opération (il en reste 3 sur "
         "10000) : l'opération n'est pas enregistrée.\r\nL'archivage (menu Fichier de la fenêtre principale, « "
         "Archiver ») libère des lignes : il ne garde que les lignes d'échange récentes."},
        {"compteur de crédits plein", [](saisie_échange&) { données.table_adhérents[3].crédits = 32767; },
         "Le compte n° 3 ne peut plus recevoir d'opération (nombre d'opérations ou montant trop grand) : "
         "l'opération n'est pas enregistrée."},
        {"compteur du compte de prélèvement",
         [](saisie_échange&) { données.comptes_asso[0].crédits = 32767; },
         "Le compte n° 9995 ne peut plus recevoir d'opération (nombre d'opérations ou montant trop grand) : "
         "l'opération n'est pas enregistrée."},
        {"solde hors limites", [](saisie_échange& s) { s.montant = "922337203685460"; },
         "Le compte n° 1 ne peut plus recevoir d'opération (nombre d'opérations ou montant trop grand) : "
         "l'opération n'est pas enregistrée."},
    };
    for (const cas& c : refus) {
        SCOPED_TRACE(c.nom);
        saisie_échange s = saisie(1, 3, QStringLiteral("300"));  // would draw a levy of 1
        c.prépare(s);
        const données_sel avant = données;
        boîtes.messages.clear();
        grille g;
        EXPECT_FALSE(enregistre_échange(s, {&g}));
        EXPECT_TRUE(données == avant);
        EXPECT_EQ(g.Rows(), 2);
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_EQ(boîtes.messages[0].texte, c.message);
        EXPECT_EQ(journal_écritures(), journal);
        // Undo what the case changed outside the entry.
        données.nombre_lignes_compte = 4;
        données.table_adhérents[3].crédits = 0;
        données.comptes_asso[0].crédits = 1;
        initialise_paramètres();
    }
}

TEST_F(enregistrement, la_table_se_remplit_jusqu_à_sa_dernière_ligne)
{
    données.nombre_lignes_compte = 9998;
    saisie_échange s = saisie(1, 2, QStringLiteral("300"));
    s.prélèvement.sans_prélèvement = true;
    ASSERT_TRUE(enregistre_échange(s));
    EXPECT_EQ(données.nombre_lignes_compte, 10000);
    EXPECT_EQ(données.table_lignes_compte[10000].compte, 2);
    EXPECT_FALSE(enregistre_échange(s));
    EXPECT_EQ(données.nombre_lignes_compte, 10000);
}

TEST_F(enregistrement, montant_avec_un_point_ou_une_virgule)
{
    ASSERT_TRUE(enregistre_échange(saisie(2, 1, QStringLiteral("12.5"))));
    ASSERT_TRUE(enregistre_échange(saisie(2, 1, QStringLiteral(" 7,25 "))));
    EXPECT_EQ(données.table_lignes_compte[1].montant, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.table_lignes_compte[3].montant, monnaie::depuis_brut(72500));
    EXPECT_EQ(données.table_adhérents[1].der_solde, monnaie::depuis_brut(1197500));
}

}  // namespace
