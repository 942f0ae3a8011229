#include "data/cp1252.h"

#include <gtest/gtest.h>

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
