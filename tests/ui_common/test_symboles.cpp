#include "ui_common/symboles.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QSet>
#include <gtest/gtest.h>

TEST(symboles, codes_connus)
{
    EXPECT_EQ(glyphe_wingdings(32), " ");
    EXPECT_EQ(glyphe_wingdings(0x22), QString(QChar(0x2702)));       // scissors
    EXPECT_EQ(glyphe_wingdings(74), QString(QChar(0x263A)));         // smiling face: symbole_enfant "J"
    EXPECT_EQ(glyphe_wingdings(108), QString(QChar(0x25CF)));        // black circle: first genre
    EXPECT_EQ(glyphe_wingdings(0xFC), QString(QChar(0x2714)));       // check mark
    const char32_t bougie = 0x1F56F;                                 // candle, outside the BMP
    EXPECT_EQ(glyphe_wingdings(0x27), QString::fromUcs4(&bougie, 1));
    EXPECT_EQ(symbole_wingdings(74).police, "Symbola");
}

TEST(symboles, hors_de_la_table)
{
    for (int code : {-1, 0, 13, 31, 256, 1000})
        EXPECT_TRUE(glyphe_wingdings(code).isEmpty()) << code;
}

TEST(symboles, code_d_un_caractère_stocké)
{
    EXPECT_EQ(code_symbole("J"), 74);
    EXPECT_EQ(code_symbole("$"), 36);
    EXPECT_EQ(code_symbole(QString(QChar(0x20AC))), 0x80);  // euro sign is byte 128
    EXPECT_EQ(code_symbole(QString(QChar(0xB6))), 182);
    EXPECT_EQ(code_symbole(""), -1);
    EXPECT_EQ(code_symbole(QString(QChar(0x263A))), -1);
}

// Every code of the table is a single character that the symbol font really
// draws; a slip in the table would name an unassigned or missing character.
TEST(symboles, la_police_a_chaque_glyphe)
{
    QFont police(police_symboles());
    ASSERT_EQ(QFontInfo(police).family(), "Symbola") << "the Symbola font (fonts-symbola) is required";
    const QRawFont brut = QRawFont::fromFont(police);
    ASSERT_TRUE(brut.isValid());
    QSet<QString> vus;
    for (int code = 33; code <= 255; ++code) {
        const QString g = glyphe_wingdings(code);
        ASSERT_FALSE(g.isEmpty()) << code;
        const QList<uint> ucs4 = g.toUcs4();
        ASSERT_EQ(ucs4.size(), 1) << code;
        EXPECT_TRUE(brut.supportsCharacter(static_cast<char32_t>(ucs4[0])))
            << "code " << code << " U+" << QString::number(ucs4[0], 16).toUpper().toStdString();
        vus.insert(g);
    }
    // The table maps distinct pictures to distinct characters (the two small
    // black squares 0xA0 and 0xA7 of the font are the same picture).
    EXPECT_EQ(vus.size(), 222);
}
