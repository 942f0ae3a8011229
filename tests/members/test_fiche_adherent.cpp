// A member record into the window's fields and back.
#include "members/fiche_adherent.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

namespace {

class fiche : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        remplit_association_essai(données, {.adhérents = 5, .propositions = 0, .lignes = 0, .codes = 0});
    }
    adhérent& a(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }
};

TEST_F(fiche, un_membre_revient_tel_quel_des_champs)
{
    for (int n = 1; n <= 5; ++n) {
        adhérent attendu = a(n);
        attendu.date_adhésion += 0.5;  // 12:00:00 shown and read back
        a(n).date_adhésion = attendu.date_adhésion;
        attendu.der_solde = monnaie::depuis_brut(-125000);  // -12,5
        a(n).der_solde = attendu.der_solde;
        attendu.dte_enr = date_depuis(QDate(2026, 3, 14));

        adhérent relu = a(n);
        ASSERT_EQ(range_champs(champs_de(a(n)), relu), refus_fiche::aucun);
        EXPECT_EQ(relu, attendu) << n;
    }
    EXPECT_EQ(champs_de(a(1)).solde, "-12,5");
}

TEST_F(fiche, formes_affichées)
{
    adhérent& m = a(1);
    m.identifiant = "Zoé";
    m.date_cotisation = 0;
    m.date_adhésion = date_depuis(QDate(1999, 3, 31), QTime(14, 5));
    m.commentaire = "  garde ses blancs  ";
    m.sexe = 7;
    const champs_adhérent c = champs_de(m);
    EXPECT_EQ(c.prénom, "Zoé");
    EXPECT_EQ(c.date_cot, "00:00:00");
    EXPECT_EQ(c.date_adh, "31/03/1999 14:05:00");
    EXPECT_EQ(c.commentaire, "  garde ses blancs  ");
    EXPECT_EQ(c.sexe, 7);  // the window shows no selection for it
}

TEST_F(fiche, largeurs_coupées_et_complétées)
{
    champs_adhérent c = champs_de(a(1));
    c.prénom = "Marie-Christine de la Roche";
    c.rue = "12 avenue du Maréchal de Lattre de Tassigny";
    c.cp = "2900012";
    c.tel1 = "02";
    adhérent m = a(1);
    ASSERT_EQ(range_champs(c, m), refus_fiche::aucun);
    EXPECT_EQ(m.identifiant.str(), "Marie-Christine de l");
    EXPECT_EQ(m.rue.str(), "12 avenue du Maréchal de Lattr");
    EXPECT_EQ(m.cp.str(), "290001");
    EXPECT_EQ(m.tel1.str(), QString("02").leftJustified(16));
}

TEST_F(fiche, dates_saisies)
{
    double d = -1;
    EXPECT_TRUE(lit_date_saisie("00:00:00", d));
    EXPECT_EQ(d, 0);
    d = -1;
    EXPECT_TRUE(lit_date_saisie("000:00:00", d));
    EXPECT_EQ(d, 0);
    EXPECT_TRUE(lit_date_saisie("12/03/01", d));
    EXPECT_EQ(jour_de(d), QDate(2001, 3, 12));
    EXPECT_TRUE(lit_date_saisie("12/03/45", d));
    EXPECT_EQ(jour_de(d), QDate(1945, 3, 12));
    EXPECT_FALSE(lit_date_saisie("", d));
    EXPECT_FALSE(lit_date_saisie("31/02/2001", d));

    champs_adhérent c = champs_de(a(2));
    c.date_adh = "00:00:00";
    c.date_cot = "000:00:00";
    adhérent m = a(2);
    ASSERT_EQ(range_champs(c, m), refus_fiche::aucun);
    EXPECT_EQ(m.date_adhésion, 0);
    EXPECT_EQ(m.date_cotisation, 0);
}

TEST_F(fiche, une_date_refusée_dit_laquelle)
{
    champs_adhérent c = champs_de(a(3));
    c.date_adh = "01/09/2024";
    c.date_cot = "bientôt";
    c.rue = "changée";
    adhérent m = a(3);
    EXPECT_EQ(range_champs(c, m), refus_fiche::date_cotisation);
    EXPECT_EQ(boîtes.textes(),
              QStringList{"Le format de la date de cotisation n'est pas correct. (jj/mm/aaaa ou 00:00:00)"});
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
    // The adhesion date read first stays; nothing after it is stored.
    EXPECT_EQ(jour_de(m.date_adhésion), QDate(2024, 9, 1));
    EXPECT_EQ(m.rue, a(3).rue);

    c.date_adh = "mardi";
    EXPECT_EQ(range_champs(c, m), refus_fiche::date_adhésion);
}

TEST_F(fiche, nombres_et_montants)
{
    struct cas {
        const char* texte;
        int16 attendu;
    };
    for (const cas& k : {cas{"2.5", 2}, cas{"3.5", 4}, cas{"2,5", 2}, cas{"12abc", 12}, cas{"abc", 0}, cas{"", 0}}) {
        champs_adhérent c = champs_de(a(1));
        c.crédits = k.texte;
        adhérent m = a(1);
        ASSERT_EQ(range_champs(c, m), refus_fiche::aucun) << k.texte;
        EXPECT_EQ(m.crédits, k.attendu) << k.texte;
    }
    for (const char* texte : {"-12,5", "-12.5", "-12,5 grs"}) {
        champs_adhérent c = champs_de(a(1));
        c.solde = texte;
        adhérent m = a(1);
        ASSERT_EQ(range_champs(c, m), refus_fiche::aucun);
        EXPECT_EQ(m.der_solde, monnaie::depuis_brut(-125000)) << texte;
    }

    // What the record cannot hold is refused before anything is stored.
    champs_adhérent c = champs_de(a(1));
    c.débits = "40000";
    c.rue = "changée";
    adhérent m = a(1);
    EXPECT_EQ(range_champs(c, m), refus_fiche::figures);
    EXPECT_EQ(m, a(1));
    EXPECT_EQ(boîtes.textes(), QStringList{"Le nombre de débits doit être compris entre -32768 et 32767."});
    c = champs_de(a(1));
    c.volume = "1e20";
    EXPECT_EQ(range_champs(c, m), refus_fiche::figures);
}

TEST_F(fiche, une_position_sans_choix_ne_change_pas_la_fiche)
{
    adhérent m = a(4);
    m.sexe = 7;
    m.catégorie = 5;
    m.critère1 = 12;
    champs_adhérent c = champs_de(m);
    c.sexe = c.critère1 = c.catégorie = -1;  // what the window reads from lists showing nothing
    c.qualité = 3;
    ASSERT_EQ(range_champs(c, m), refus_fiche::aucun);
    EXPECT_EQ(m.sexe, 7);
    EXPECT_EQ(m.catégorie, 5);
    EXPECT_EQ(m.critère1, 12);
    EXPECT_EQ(m.qualité, 3);
}

}  // namespace
