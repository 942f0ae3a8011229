#include "data/valeurs.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

TEST(montants, forme_du_fichier)
{
    EXPECT_EQ(texte_fichier(monnaie::depuis_brut(5000)), ".5");
    EXPECT_EQ(texte_fichier(monnaie::depuis_brut(-2500)), "-.25");
    EXPECT_EQ(texte_fichier(monnaie::depuis_brut(125000)), "12.5");
    EXPECT_EQ(texte_fichier(monnaie::depuis_brut(-1234567)), "-123.4567");
    EXPECT_EQ(texte_fichier(monnaie::unités(0)), "0");
    EXPECT_EQ(texte_fichier(monnaie::unités(1000)), "1000");
}

TEST(montants, forme_affichée_et_relue)
{
    EXPECT_EQ(texte_affiché(monnaie::depuis_brut(-2500)), "-0,25");
    EXPECT_EQ(texte_affiché(monnaie::depuis_brut(125000)), "12,5");
    for (const char* t : {"12,5", "12.5", " 12 , 5 ", "+12.50"}) {
        monnaie m;
        ASSERT_TRUE(lit_montant(QString::fromUtf8(t), m)) << t;
        EXPECT_EQ(m.brut, 125000) << t;
    }
    monnaie m;
    ASSERT_TRUE(lit_montant("-0,25", m));
    EXPECT_EQ(m.brut, -2500);
    ASSERT_TRUE(lit_montant("1 234,5", m));
    EXPECT_EQ(m.brut, 12345000);
    ASSERT_TRUE(lit_montant(".5", m));
    EXPECT_EQ(m.brut, 5000);
    // Beyond four decimals: half to even.
    ASSERT_TRUE(lit_montant("0,00005", m));
    EXPECT_EQ(m.brut, 0);
    ASSERT_TRUE(lit_montant("0,00015", m));
    EXPECT_EQ(m.brut, 2);
    ASSERT_TRUE(lit_montant("0,000051", m));
    EXPECT_EQ(m.brut, 1);
    for (const char* t : {"", "-", "12a", "1,2,3", "1.234,5", "abc", ","})
        EXPECT_FALSE(lit_montant(QString::fromUtf8(t), m)) << t;
    // The data file's amounts are read from their bytes, alike.
    for (const char* t : {"12,5", " 12 , 5 ", "+12.50", "-0,25", "1 234,5", ".5", "0,00015", "0,000051", "", "-",
                          "12a", "1,2,3", "1.234,5", ",", "\t-1\n", "92233720368547", "922337203685477.5807"}) {
        monnaie texte, octets;
        const bool lu = lit_montant(QString::fromUtf8(t), texte);
        EXPECT_EQ(lit_montant(QLatin1StringView(t), octets), lu) << t;
        if (lu)
            EXPECT_EQ(octets.brut, texte.brut) << t;
    }
}

TEST(dates, jours_depuis_1899)
{
    EXPECT_EQ(date_depuis(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(date_depuis(QDate(1900, 1, 1)), 2);
    EXPECT_DOUBLE_EQ(date_depuis(QDate(1999, 3, 31), QTime(12, 0)), 36250.5);
    EXPECT_EQ(jour_de(36250.5), QDate(1999, 3, 31));
    EXPECT_EQ(heure_de(36250.5), QTime(12, 0));
    // Before the origin the fraction still counts forward from the day.
    EXPECT_EQ(jour_de(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(heure_de(-1.25), QTime(6, 0));
    EXPECT_DOUBLE_EQ(date_depuis(QDate(1899, 12, 29), QTime(6, 0)), -1.25);

    // The data file's dates are counted without QDate, to the same day.
    const QDate origine(1899, 12, 30);
    for (QDate j(1, 1, 1); j.year() <= 9999; j = j.addDays(1)) {
        const qint64 jours = origine.daysTo(j);
        ASSERT_EQ(jours_du_calendrier(j.year(), j.month(), j.day()), jours) << j.toString(Qt::ISODate).toStdString();
        const date_décomposée d = décompose_date(date_depuis(jours, 18 * 3600 * 1000));
        ASSERT_EQ(d.jours, jours);
        ASSERT_EQ(QDate(d.jour.année, d.jour.mois, d.jour.jour), j);
        ASSERT_EQ(d.seconde, 64800);
    }
    for (const auto [a, m, j] : {std::array{1900, 2, 29}, {2023, 2, 29}, {2023, 4, 31}, {2023, 13, 1}, {2023, 0, 1},
                                 {2023, 1, 0}, {0, 1, 1}})
        EXPECT_FALSE(jours_du_calendrier(a, m, j)) << a << "-" << m << "-" << j;
    EXPECT_EQ(jours_du_calendrier(2000, 2, 29), origine.daysTo(QDate(2000, 2, 29)));
    EXPECT_EQ(jours_du_calendrier(12345, 6, 7), origine.daysTo(QDate(12345, 6, 7)));
    EXPECT_EQ(jours_du_calendrier(-5, 1, 1), origine.daysTo(QDate(-5, 1, 1)));
    const date_décomposée loin = décompose_date(1e15);
    EXPECT_EQ(QDate(loin.jour.année, loin.jour.mois, loin.jour.jour), jour_de(1e15));
    EXPECT_EQ(décompose_date(-1.25).jour.jour, 29);
    EXPECT_EQ(décompose_date(-1.25).seconde, 6 * 3600);
}

TEST(dates, forme_du_fichier)
{
    const double avec_heure = date_depuis(QDate(1999, 3, 31), QTime(14, 5, 0));
    EXPECT_EQ(texte_date_fichier(avec_heure), "#1999-03-31 14:05:00#");
    EXPECT_EQ(texte_date_fichier(date_depuis(QDate(1999, 3, 31))), "#1999-03-31#");
    EXPECT_EQ(texte_date_fichier(date_depuis(QDate(1899, 12, 30), QTime(14, 5))), "#14:05:00#");
    EXPECT_EQ(texte_date_fichier(0), "#00:00:00#");
    double d = -1;
    ASSERT_TRUE(lit_date_fichier("1999-03-31 14:05:00", d));
    EXPECT_DOUBLE_EQ(d, avec_heure);
    ASSERT_TRUE(lit_date_fichier("14:05:00", d));
    EXPECT_EQ(texte_date_fichier(d), "#14:05:00#");
    ASSERT_TRUE(lit_date_fichier("00:00:00", d));
    EXPECT_EQ(d, 0);
    ASSERT_TRUE(lit_date_fichier("1899-12-30", d));
    EXPECT_EQ(d, 0);
    for (const char* t : {"1999-02-30", "1999-03", "25:00:00", "abc", "1999-03-31 14"})
        EXPECT_FALSE(lit_date_fichier(QString::fromUtf8(t), d)) << t;
    // A time that rounds up to midnight belongs to the next day.
    EXPECT_EQ(texte_date_fichier(date_depuis(QDate(2020, 1, 1)) + 0.9999999), "#2020-01-02#");
}

TEST(dates, formes_affichées)
{
    EXPECT_EQ(texte_date(0), "00:00:00");
    EXPECT_EQ(texte_date(date_depuis(QDate(1999, 3, 31))), "31/03/1999");
    EXPECT_EQ(texte_date(date_depuis(QDate(1999, 3, 31), QTime(8, 1, 2))), "31/03/1999 08:01:02");
    EXPECT_EQ(texte_date(date_depuis(QDate(1899, 12, 30), QTime(8, 1, 2))), "08:01:02");
    EXPECT_EQ(date_courte(date_depuis(QDate(2026, 12, 9), QTime(8, 0))), "09/12/2026");
    EXPECT_EQ(date_courte(0), "");
}

TEST(dates, saisies)
{
    double d = 0;
    ASSERT_TRUE(lit_date("31/03/1999", d));
    EXPECT_EQ(jour_de(d), QDate(1999, 3, 31));
    ASSERT_TRUE(lit_date("1-4-05", d));
    EXPECT_EQ(jour_de(d), QDate(2005, 4, 1));
    ASSERT_TRUE(lit_date("01.04.29", d));
    EXPECT_EQ(jour_de(d), QDate(2029, 4, 1));
    ASSERT_TRUE(lit_date("01/04/30", d));
    EXPECT_EQ(jour_de(d), QDate(1930, 4, 1));
    ASSERT_TRUE(lit_date("29/02/2024 13:45", d));
    EXPECT_EQ(jour_de(d), QDate(2024, 2, 29));
    EXPECT_EQ(heure_de(d), QTime(13, 45));
    ASSERT_TRUE(lit_date("2024-02-29", d));
    EXPECT_EQ(jour_de(d), QDate(2024, 2, 29));
    ASSERT_TRUE(lit_date("00:00:00", d));
    EXPECT_EQ(d, 0);
    fixe_horloge(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
    ASSERT_TRUE(lit_date("12/05", d));
    EXPECT_EQ(jour_de(d), QDate(2026, 5, 12));
    fixe_horloge({});
    // Checked against the calendar, never swapped.
    for (const char* t : {"29/02/2023", "31/04/2020", "00/01/2020", "13/13/2020", "", "abc", "12/31/2020",
                          "01/01/0099x", "10/10/2020 25:00"})
        EXPECT_FALSE(lit_date(QString::fromUtf8(t), d)) << t;
}

TEST(nombres, forme_du_fichier)
{
    EXPECT_EQ(texte_simple(0.5f), ".5");
    EXPECT_EQ(texte_simple(-0.25f), "-.25");
    EXPECT_EQ(texte_simple(1750.f), "1750");
    EXPECT_EQ(texte_simple(56.7f), "56.7");
    EXPECT_EQ(texte_simple(567.1234f), "567.1234");
    EXPECT_EQ(texte_simple(0.f), "0");
    EXPECT_EQ(texte_double(0.1), ".1");
    EXPECT_EQ(texte_double(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(texte_double(74), "74");
    EXPECT_EQ(texte_double(-12345.678), "-12345.678");
    double v = 0;
    for (const auto& [t, attendu] : std::initializer_list<std::pair<const char*, double>>{
             {".5", 0.5}, {"0.5", 0.5}, {"-.5", -0.5}, {" 12 ", 12}, {"1E+07", 1e7}, {"2.5D-3", 0.0025}, {"+3", 3}}) {
        ASSERT_TRUE(lit_nombre_fichier(QString::fromUtf8(t), v)) << t;
        EXPECT_DOUBLE_EQ(v, attendu) << t;
    }
    for (const char* t : {"", "-", ".", "1,5", "abc", "1E", "12a", "nan", "inf"})
        EXPECT_FALSE(lit_nombre_fichier(QString::fromUtf8(t), v)) << t;
}

TEST(nombres, saisies_virgule_ou_point)
{
    double v = 0;
    ASSERT_TRUE(lit_nombre("12,5", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    ASSERT_TRUE(lit_nombre(" -1 000,25 ", v));
    EXPECT_DOUBLE_EQ(v, -1000.25);
    EXPECT_FALSE(lit_nombre("1,000.5", v));
    EXPECT_TRUE(est_numérique("3.5"));
    EXPECT_FALSE(est_numérique(""));
    EXPECT_FALSE(est_numérique("12 ab"));
    EXPECT_EQ(texte_nombre(12.5), "12,5");
    EXPECT_EQ(texte_nombre(-0.0), "0");
    EXPECT_EQ(texte_nombre(74), "74");
}

TEST(basic, Val)
{
    EXPECT_EQ(Val("  1 2 3abc"), 123);
    EXPECT_EQ(Val("12,5"), 12);
    EXPECT_EQ(Val("-3.5e2x"), -350);
    EXPECT_EQ(Val("&H1F"), 31);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("&O178"), 15);
    EXPECT_EQ(Val("&hff g"), 255);
    // More digits than any integer holds: a large value, as a long decimal
    // number gives, never one wrapped round to another.
    EXPECT_NEAR(Val("&H" + QString(20, QLatin1Char('F'))) / std::pow(16.0, 20), 1.0, 1e-12);
    EXPECT_NEAR(Val("&O" + QString(30, QLatin1Char('7'))) / std::pow(8.0, 30), 1.0, 1e-12);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(val_fr("12,5"), 12.5);
    EXPECT_EQ(val_fr(" 1 2,5 kg"), 12.5);
}

TEST(basic, CInt_arrondit_au_pair)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(2.51), 3);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.4), -32768);
    EXPECT_THROW(CInt(32767.5), erreur_basic);
    EXPECT_THROW(CInt(-32768.6), erreur_basic);
    EXPECT_EQ(CInt(QString("12,5")), 12);
    EXPECT_EQ(CInt(QString("13.5")), 14);
    EXPECT_THROW(CInt(QString("douze")), erreur_basic);
    EXPECT_THROW(CInt(QString("")), erreur_basic);
    EXPECT_EQ(CLng(100000.5), 100000);
}

TEST(basic, Format_masques_numériques)
{
    EXPECT_EQ(Format(7, "00"), "07");
    EXPECT_EQ(Format(123, "00"), "123");
    EXPECT_EQ(Format(0, "##0"), "0");
    EXPECT_EQ(Format(1234, "##0"), "1234");
    EXPECT_EQ(Format(0.256, "#0%"), "26%");
    EXPECT_EQ(Format(0, "#0%"), "0%");
    EXPECT_EQ(Format(2.5, "0"), "3");
    EXPECT_EQ(Format(-1.5, "0"), "-2");
    EXPECT_EQ(Format(12, "0000"), "0012");
    EXPECT_EQ(Format(-12, "0000"), "-0012");
    EXPECT_EQ(Format(99999, "0000"), "99999");
    EXPECT_EQ(Format(-0.4, "000"), "000");
    EXPECT_EQ(Format(12, ""), "12");
    EXPECT_EQ(Format(12.5, "0.00"), "12,50");
    EXPECT_EQ(Format(12.5, "0.##"), "12,5");
    EXPECT_EQ(Format(0.5, "#.00"), ",50");
}

TEST(textes_fixes, largeur_toujours_tenue)
{
    texte_fixe<6> t;
    EXPECT_EQ(t.str(), "      ");
    t = "Paul";
    EXPECT_EQ(t.str(), "Paul  ");
    t = QString("Jean-Christophe");
    EXPECT_EQ(t.str(), "Jean-C");
    EXPECT_EQ(t.trimmed(), "Jean-C");
}

TEST(variantes, textes_et_nombres)
{
    EXPECT_EQ(variante::de_nombre(74).en_texte(), "74");
    EXPECT_EQ(variante::de_texte("Enfant").en_texte(), "Enfant");
    EXPECT_EQ(variante{}.en_texte(), "");
    EXPECT_EQ(variante::de_booléen(true).en_texte(), "Vrai");
    EXPECT_EQ(variante::de_texte("12,5").en_nombre(), 12.5);
    EXPECT_EQ(variante::de_texte("x").en_nombre(), 0);
}
