#include "data/cp1252.h"

#include <QStringDecoder>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

TEST(cp1252, chaque_octet_revient_tel_quel)
{
    QByteArray tous(256, 0);
    for (int i = 0; i < 256; ++i)
        tous[i] = static_cast<char>(i);
    const QString texte = depuis_cp1252(tous);
    ASSERT_EQ(texte.size(), 256);
    EXPECT_EQ(vers_cp1252(texte), tous);
    EXPECT_TRUE(représentable_cp1252(texte));
}

TEST(cp1252, caractères_propres_au_code)
{
    EXPECT_EQ(depuis_cp1252(QByteArray("\x80\x9c\xab\xbb\xe9", 5)), QString::fromUtf8("€œ«»é"));
    EXPECT_EQ(vers_cp1252(QString::fromUtf8("€ «é»")), QByteArray("\x80 \xab\xe9\xbb"));
    // Undefined bytes keep their place as C1 controls.
    EXPECT_EQ(depuis_cp1252(QByteArray("\x81\x8d\x8f\x90\x9d", 5)),
              QString(QChar(0x81)) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
}

TEST(cp1252, caractères_hors_du_code)
{
    EXPECT_FALSE(représentable_cp1252(QString::fromUtf8("Ωmega")));
    EXPECT_EQ(vers_cp1252(QString::fromUtf8("Ω€")), QByteArray("?\x80"));
    EXPECT_EQ(octet_cp1252(QChar(0x0080)), -1);  // U+0080 has no byte: 0x80 is the euro
}

TEST(cp1252, texte_importé_utf8_sinon_cp1252)
{
    EXPECT_EQ(texte_importé(QByteArray("caf\xc3\xa9")), QString::fromUtf8("café"));
    EXPECT_EQ(texte_importé(QByteArray("\xef\xbb\xbf" "a\tb")), QStringLiteral("a\tb"));
    EXPECT_EQ(texte_importé(QByteArray("caf\xe9")), QString::fromUtf8("café"));
}

TEST(cp1252, utf8_reconnu_comme_le_décodeur_de_qt_le_reconnaît)
{
    auto selon_qt = [](const QByteArray& o) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString t = utf8.decode(o);
        return !utf8.hasError() && std::any_of(o.begin(), o.end(), [](char c) { return (c & 0x80) != 0; });
    };
    // Overlong forms, surrogates, beyond U+10FFFF, cut sequences, stray
    // continuation bytes; then what editors write.
    const QByteArray cas[] = {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xED\xA0\x80",
                              "\xED\x9F\xBF", "\xF0\x80\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF",
                              "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xC3", "a\xE2\x82", "\x80", "\xBF a",
                              "caf\xC3\xA9", "caf\xE9", "\xEF\xBB\xBF" "abc", "\xE2\x82\xAC 5", "abc"};
    for (const QByteArray& o : cas)
        EXPECT_EQ(utf8_multioctet(o), selon_qt(o)) << o.toHex().constData();
    EXPECT_TRUE(utf8_multioctet("Cr\xC3\xA9" "dit \xC2\xAB" "oui\xC2\xBB"));
    EXPECT_FALSE(utf8_multioctet("Cr\xE9" "dit \xAB" "oui\xBB"));
    EXPECT_FALSE(utf8_multioctet("pur ASCII"));

    std::mt19937 hasard(5);
    for (int essai = 0; essai < 20000; ++essai) {
        QByteArray o(static_cast<qsizetype>(hasard() % 8), '\0');
        for (char& c : o)
            c = static_cast<char>(hasard() % 3 ? 0x80 + hasard() % 0x80 : hasard() % 0x80);
        ASSERT_EQ(utf8_multioctet(o), selon_qt(o)) << o.toHex().constData();
    }
}
