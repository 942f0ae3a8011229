#include "data/elements.h"
#include "data/valeurs.h"

#include <QDate>
#include <QTime>
#include <vector>

#include <gtest/gtest.h>

TEST(guillemets, remplacés_alternativement)
{
    EXPECT_EQ(remplace_guillemets(QStringLiteral("un \"mot\" ici")), QString::fromUtf8("un «mot» ici"));
    EXPECT_EQ(remplace_guillemets(QStringLiteral("\"a\" \"b")), QString::fromUtf8("«a» «b"));
    EXPECT_EQ(remplace_guillemets(QStringLiteral("sans")), "sans");
    const QString original = QStringLiteral("\"x\"");
    remplace_guillemets(original);
    EXPECT_EQ(original, "\"x\"");
}

TEST(éléments, formes_écrites)
{
    écrivain_éléments é;
    é.entier(-12);
    é.simple(0.5f);
    é.double_(-0.25);
    é.montant(monnaie::depuis_brut(-1234500));
    é.texte(QString::fromUtf8("l'été \"chaud\""));
    é.date(date_depuis(QDate(1899, 12, 30), QTime(9, 30)));
    é.date(0);
    é.booléen(true);
    é.booléen(false);
    é.variante_({});
    é.variante_(variante::de_nombre(74));
    é.variante_(variante::de_texte("Sel"));
    EXPECT_EQ(é.octets(), QByteArray("-12\r\n.5\r\n-.25\r\n-123.45\r\n\"l'\xe9t\xe9 \xab" "chaud\xbb\"\r\n"
                                     "#09:30:00#\r\n#00:00:00#\r\n#TRUE#\r\n#FALSE#\r\n\r\n74\r\n\"Sel\"\r\n"));
}

TEST(éléments, lectures)
{
    lecteur_éléments l(QByteArray(".5\r\n0.5\r\n-.25\r\n\"  a \"\r\n#14:05:00#\r\n#00:00:00#\r\n#1899-12-30#\r\n"
                                  "#TRUE#\r\n\r\n74\r\n\"x\"\r\n3\n\"multi\r\nligne\"\r\n  7  \r\n\r\n\x1a"));
    EXPECT_EQ(l.simple(), 0.5f);
    EXPECT_EQ(l.double_(), 0.5);
    EXPECT_EQ(l.montant().brut, -2500);
    EXPECT_EQ(l.texte(), "  a ");
    EXPECT_EQ(heure_de(l.date()), QTime(14, 5));
    EXPECT_EQ(l.date(), 0);
    EXPECT_EQ(l.date(), 0);
    EXPECT_TRUE(l.booléen());
    EXPECT_TRUE(l.variante_().vide());
    EXPECT_EQ(l.variante_(), variante::de_nombre(74));
    EXPECT_EQ(l.variante_(), variante::de_texte("x"));
    EXPECT_EQ(l.entier(), 3);  // a lone LF ends a line too
    EXPECT_EQ(l.texte(), "multi\r\nligne");
    EXPECT_FALSE(l.fin());
    EXPECT_EQ(l.entier(), 7);
    EXPECT_TRUE(l.fin());  // blank lines and an end-of-file mark are the end
}

TEST(éléments, texte_fixe_relu_à_sa_largeur)
{
    écrivain_éléments é;
    texte_fixe<20> id("Annick");
    é.texte(id);
    EXPECT_EQ(é.octets(), QByteArray("\"Annick              \"\r\n"));
    lecteur_éléments l(QByteArray("\"Annick\"\r\n\"un identifiant bien trop long\"\r\n"));
    texte_fixe<20> lu;
    l.texte(lu);
    EXPECT_EQ(lu.str(), "Annick              ");
    l.texte(lu);
    EXPECT_EQ(lu.str(), "un identifiant bien ");
    // A blank field read back is the blank text every new field shares.
    lecteur_éléments blancs(QByteArray("\"                    \"\r\n\"   \"\r\n"));
    blancs.texte(lu);
    EXPECT_EQ(lu, texte_fixe<20>());
    EXPECT_TRUE(lu.str().isSharedWith(texte_fixe<20>().str()));
    blancs.texte(lu);
    EXPECT_EQ(lu.str(), QString(20, QLatin1Char(' ')));

    // A text read again shares the first one's characters, at its width;
    // past some thousands of texts each is made apart, all read alike.
    QByteArray fichier;
    for (int i = 0; i < 8000; ++i)
        fichier += "\"Ville " + QByteArray::number(i % 7000) + "\"\r\n";
    fichier += "\"Ville 1\"\r\n";
    lecteur_éléments villes(fichier);
    std::vector<QString> lues;
    for (int i = 0; i < 8000; ++i) {
        lues.push_back(villes.texte());
        ASSERT_EQ(lues.back(), QStringLiteral("Ville %1").arg(i % 7000));
    }
    EXPECT_TRUE(lues[7001].isSharedWith(lues[1]));
    texte_fixe<20> ville;
    villes.texte(ville);
    EXPECT_EQ(ville.str(), "Ville 1             ");
}

TEST(éléments, refus_avec_la_ligne)
{
    auto échoue = [](const char* octets, auto lire) {
        lecteur_éléments l{QByteArray(octets)};
        try {
            lire(l);
        } catch (const erreur_lecture& e) {
            return e.description;
        }
        return QString();
    };
    EXPECT_TRUE(échoue("abc\r\n", [](auto& l) { l.entier(); }).startsWith("Ligne 1"));
    EXPECT_TRUE(échoue("1\r\n\"x\"\r\n", [](auto& l) { l.entier(); l.entier(); }).startsWith("Ligne 2"));
    EXPECT_FALSE(échoue("40000\r\n", [](auto& l) { l.entier(); }).isEmpty());
    EXPECT_FALSE(échoue("-32769\r\n", [](auto& l) { l.entier(); }).isEmpty());
    EXPECT_FALSE(échoue("-\r\n", [](auto& l) { l.entier(); }).isEmpty());
    lecteur_éléments entiers(QByteArray("-32768\r\n32767\r\n007\r\n-0\r\n+5\r\n2.5\r\n1E3\r\n#TRUE#\r\n"));
    for (const int attendu : {-32768, 32767, 7, 0, 5, 2, 1000, -1})
        EXPECT_EQ(entiers.entier(), attendu);
    EXPECT_FALSE(échoue("\"ouvert\r\n", [](auto& l) { l.texte(); }).isEmpty());
    EXPECT_FALSE(échoue("#2020-02-30#\r\n", [](auto& l) { l.date(); }).isEmpty());
    // A date as its serial number: from 1 January 100 to 31 December 9999,
    // and a file that holds one far beyond is damaged, not a date to write back.
    EXPECT_EQ(date_depuis(QDate(100, 1, 1), QTime(0, 0)), -657434.0);
    EXPECT_EQ(date_depuis(QDate(9999, 12, 31), QTime(23, 59, 59)), 2958465.0 + 86399.0 / 86400.0);
    for (const char* bonne : {"-657434\r\n", "2958465.99998\r\n", "45000.5\r\n"})
        EXPECT_TRUE(échoue(bonne, [](auto& l) { l.date(); }).isEmpty()) << bonne;
    for (const char* hors : {"-657435\r\n", "2958466\r\n", "7.77778E+55\r\n", "-1E+300\r\n"})
        EXPECT_TRUE(échoue(hors, [](auto& l) { l.date(); }).startsWith("Ligne 1")) << hors;
    EXPECT_FALSE(échoue("VRAI\r\n", [](auto& l) { l.booléen(); }).isEmpty());
    EXPECT_FALSE(échoue("", [](auto& l) { l.texte(); }).isEmpty());
    EXPECT_FALSE(échoue("12,5\r\n", [](auto& l) { l.montant(); }).isEmpty());
}
