#include "support/dossier_test.h"
#include "ui_common/impression_texte.h"
#include "ui_common/surface_enregistree.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// The recording surface at 10 points: 120 twips a character, 240 a line.
struct surface_dix_points : surface_enregistrée {
    surface_dix_points() { setFontSize(10); }
    QStringList morceaux() const
    {
        QStringList m;
        for (const texte_posé& t : textes(0))
            m << t.texte;
        return m;
    }
};

}  // namespace

TEST(paragraphe, un_texte_vide_ne_dessine_rien)
{
    surface_dix_points s;
    s.setCurrentY(50);
    EXPECT_EQ(imprime_paragraphe(s, "", 800, 2000, 1000), 0);
    EXPECT_TRUE(s.pages().empty());
    EXPECT_EQ(s.CurrentY(), 2000);  // the position still moves to y
}

TEST(paragraphe, une_ligne_qui_tient_reste_sans_saut)
{
    surface_dix_points s;
    EXPECT_EQ(imprime_paragraphe(s, "abc", 800, 2000, 1000), 240);
    ASSERT_EQ(s.morceaux(), QStringList{"abc"});
    EXPECT_EQ(s.textes(0)[0].x, 800);
    EXPECT_EQ(s.textes(0)[0].y, 2000);
    // The position stays at the end of the last line.
    EXPECT_EQ(s.CurrentX(), 800 + 360);
    EXPECT_EQ(s.CurrentY(), 2000);
}

TEST(paragraphe, sauts_de_ligne)
{
    {
        surface_dix_points s;
        EXPECT_EQ(imprime_paragraphe(s, "ab\r\ncd", 800, 2000, 1000), 480);
        EXPECT_EQ(s.morceaux(), (QStringList{"ab", "cd"}));
        EXPECT_EQ(s.textes(0)[1].x, 800);
        EXPECT_EQ(s.textes(0)[1].y, 2240);
        EXPECT_EQ(s.CurrentX(), 800 + 240);
    }
    {
        // Ending with CR LF: a line break and nothing after it.
        surface_dix_points s;
        EXPECT_EQ(imprime_paragraphe(s, "ab\r\n", 800, 2000, 1000), 240);
        EXPECT_EQ(s.morceaux(), QStringList{"ab"});
        EXPECT_EQ(s.CurrentX(), 0);
        EXPECT_EQ(s.CurrentY(), 2240);
    }
    {
        // An empty line between two CR LF counts its height.
        surface_dix_points s;
        EXPECT_EQ(imprime_paragraphe(s, "a\r\n\r\nb", 0, 0, 1000), 720);
        EXPECT_EQ(s.morceaux(), (QStringList{"a", "", "b"}));
        EXPECT_EQ(s.textes(0)[2].y, 480);
    }
    {
        // A lone CR or LF is an ordinary character.
        surface_dix_points s;
        EXPECT_EQ(imprime_paragraphe(s, "a\nb\rc", 0, 0, 1000), 240);
        EXPECT_EQ(s.morceaux(), QStringList{"a\nb\rc"});
    }
}

TEST(paragraphe, coupure_aux_blancs)
{
    surface_dix_points s;  // 1000 twips: eight characters fit, the ninth reaches the width
    EXPECT_EQ(imprime_paragraphe(s, "le chat noir dort", 500, 1000, 1000), 720);
    EXPECT_EQ(s.morceaux(), (QStringList{"le chat ", "noir ", "dort"}));
    const auto t = s.textes(0);
    EXPECT_EQ(t[1].x, 500);
    EXPECT_EQ(t[1].y, 1240);
    EXPECT_EQ(t[2].y, 1480);
}

TEST(paragraphe, un_mot_trop_long_est_coupé_où_la_largeur_est_atteinte)
{
    surface_dix_points s;
    EXPECT_EQ(imprime_paragraphe(s, "anticonstitutionnellement", 0, 0, 1000), 720);
    // Nine characters: the ninth is the one that reaches the width and overruns.
    EXPECT_EQ(s.morceaux(), (QStringList{"anticonst", "itutionne", "llement"}));

    // A blank as first character does not shorten the line.
    surface_dix_points t;
    imprime_paragraphe(t, " abcdefghijk", 0, 0, 1000);
    EXPECT_EQ(t.morceaux(), (QStringList{" abcdefgh", "ijk"}));
}

TEST(paragraphe, une_ligne_aussi_large_que_la_place_ne_tient_pas)
{
    surface_dix_points s;
    imprime_paragraphe(s, "abcd efghi", 0, 0, 1200);  // exactly 1200 wide
    EXPECT_EQ(s.morceaux(), (QStringList{"abcd ", "efghi"}));
}

TEST(paragraphe, un_second_blanc_commence_la_ligne_suivante)
{
    surface_dix_points s;
    imprime_paragraphe(s, "abcdefgh  xyz", 0, 0, 1000);
    EXPECT_EQ(s.morceaux(), (QStringList{"abcdefgh ", " xyz"}));
}

TEST(paragraphe, une_largeur_nulle_ou_négative_finit)
{
    {
        surface_dix_points s;
        EXPECT_EQ(imprime_paragraphe(s, "abc", 0, 0, 0), 720);
        EXPECT_EQ(s.morceaux(), (QStringList{"a", "b", "c"}));
        EXPECT_EQ(s.CurrentY(), 720);  // every line ends with a break
    }
    {
        surface_dix_points s;
        imprime_paragraphe(s, "a\r\n\r\nbc d", 0, 0, -50);
        const QStringList m = s.morceaux();
        EXPECT_EQ(m.join(""), "abc d");
        for (const QString& morceau : m)
            EXPECT_LE(morceau.size(), 1);
    }
}

// ------------------------------------------------------------ pictures

class image_imprimée : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        image = QImage(4, 3, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(chemin("rubrique.png")));
        QFile wmf(chemin("logo.wmf"));
        ASSERT_TRUE(wmf.open(QIODevice::WriteOnly));
        wmf.write("\xd7\xcd\xc6\x9a");
    }
    QImage image;
    surface_enregistrée s;
};

TEST_F(image_imprimée, dessinée_à_sa_place_et_à_sa_taille)
{
    // The fourth argument is the height, the fifth the width.
    EXPECT_TRUE(imprime_image(s, image, chemin("rubrique.png"), 800, 1200, 500, 2000));
    ASSERT_EQ(s.images(0).size(), 1u);
    EXPECT_EQ(s.images(0)[0].cadre, QRectF(800, 1200, 2000, 500));
    EXPECT_TRUE(aperçu_image(s, image, "  " + chemin("rubrique.png") + " ", 0, 0, 10, 10));
    EXPECT_EQ(s.images(0).size(), 2u);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(image_imprimée, un_fichier_qui_n_est_pas_une_image_est_dit)
{
    QFile abîmée(chemin("abîmée.gif"));
    ASSERT_TRUE(abîmée.open(QIODevice::WriteOnly));
    abîmée.write("GIF89a tronqué");
    abîmée.close();
    EXPECT_FALSE(imprime_image(s, lit_image(chemin("abîmée.gif")), chemin("abîmée.gif"), 0, 0, 10, 10));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith("Impossible de coller " + chemin("abîmée.gif")));
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
    EXPECT_TRUE(s.pages().empty());
}

TEST_F(image_imprimée, rien_sans_fichier_ni_image)
{
    EXPECT_FALSE(imprime_image(s, image, "", 0, 0, 10, 10));
    EXPECT_FALSE(imprime_image(s, image, "    ", 0, 0, 10, 10));
    EXPECT_FALSE(imprime_image(s, image, chemin("absente.png"), 0, 0, 10, 10));
    EXPECT_FALSE(aperçu_image(s, image, dossier.path(), 0, 0, 10, 10));  // a folder is no picture
    // A file that could not be read (a metafile) leaves no picture to draw.
    EXPECT_FALSE(imprime_image(s, lit_image(chemin("logo.wmf")), chemin("logo.wmf"), 0, 0, 10, 10));
    EXPECT_TRUE(s.pages().empty());
    EXPECT_TRUE(boîtes.messages.empty());
}
