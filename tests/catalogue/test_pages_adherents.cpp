#include "catalogue/liste_adherents.h"
#include "catalogue/page_essai.h"

namespace {

// Members at list positions 1 to 5: 7 Annick (adult), 5 Bastien (child),
// 9 Chloé (another association), 42 Dora (category 7), 5000 Émile (adult).
// Positions 1 and 2 on page 3, the first member-list page; 3 to 5 on page 4.
class pages_adhérents : public essai_page {
protected:
    void SetUp() override
    {
        essai_page::SetUp();
        petite_association();
        membre(4, 42, "Dora", "22000", 0, 7);
        membre(5, 5000, "Émile", "35000", 0, 1);
        données.cat_liste_adhérents[1] = 1;
        données.cat_nouveaux_adhérents[1] = 0;
        données.italique_sommaire[1] = true;
        remplit_liste_adh();
        pages_liste_adhérents[0] = 3;
        pages_liste_adhérents[1] = pages_liste_adhérents[2] = 3;
        pages_liste_adhérents[3] = pages_liste_adhérents[4] = pages_liste_adhérents[5] = 4;
    }
    void dessine(int page, bool droite = false, bool sur_papier_ = true)
    {
        papier.KillDoc();
        cible_page c = sur_papier_ ? sur_papier() : sur_aperçu();
        imprime_liste_adhérents(c, page, droite);
    }
    static QString fixe(const char* texte, int largeur) { return QString::fromUtf8(texte).leftJustified(largeur); }
    const double W = largeur_a4;
};

TEST_F(pages_adhérents, sur_papier)
{
    dessine(3);
    EXPECT_EQ(QPointF(posé("Les adhérents :")->x, posé("Les adhérents :")->y), QPointF((W - 15 * 14 * 12) / 2, 1050));
    // Heading line (336) and an empty line (288), then a line a member: the
    // number at two points less, the symbol never italic, the stored texts
    // as they stand (fixed widths).
    EXPECT_EQ(textes(), QStringList({"Les adhérents :", "7 ", glyphe(36) + " ", fixe("Annick", 20), fixe("", 16),
                                     fixe("06 7", 16), "5 ", glyphe(74) + " ", fixe("Bastien", 20), fixe("", 16),
                                     fixe("06 5", 16)}));
    EXPECT_DOUBLE_EQ(posé("7 ")->y, 1050 + 336 + 288);
    EXPECT_EQ(posé("7 ")->police, (police_page{"Arial", 10, true, true}));
    EXPECT_EQ(posé(glyphe(36) + " ")->police, (police_page{police_symboles(), 12, true, false}));
    EXPECT_DOUBLE_EQ(posé(fixe("Annick", 20))->x, 660 + 240 + 2 * 12 * 12);
    EXPECT_DOUBLE_EQ(posé(fixe("06 7", 16))->x, 8500);
    EXPECT_DOUBLE_EQ(posé(fixe("Bastien", 20))->y, 1050 + 336 + 2 * 288);

    // The next page: no heading. Numbers end at the same x; another
    // association gets two blanks, category 7 nothing; the identifier starts
    // at the same place all the same.
    dessine(4);
    EXPECT_EQ(textes().value(0), "9 ");
    EXPECT_DOUBLE_EQ(posé("9 ")->y, 1050);
    for (const int n : {9, 42, 5000}) {
        const QString texte = QString::number(n) + " ";
        EXPECT_DOUBLE_EQ(posé(texte)->x + (texte.size() - 1) * 10 * 12, 300 + 480) << n;
    }
    EXPECT_TRUE(posé("  "));
    EXPECT_DOUBLE_EQ(posé(fixe("Chloé", 20))->x, 660 + 240 + 288);
    EXPECT_DOUBLE_EQ(posé(fixe("Dora", 20))->x, 540 + 360 + 288);

    // The small booklet's telephone column stands closer than a long
    // identifier is wide: the identifier is shortened, never drawn over it.
    données.cat_format[1] = 1;
    données.table_adhérents[9].identifiant = QStringLiteral("Marie-Françoise Goff");
    x_liste_adh3 = 3000;
    for (const bool droite : {false, true})
        for (const bool sur_papier_ : {true, false}) {
            dessine(4, droite, sur_papier_);
            const double colonne = x_liste_adh3 + (droite ? W / 2 : 0);
            bool vu = false;
            for (const texte_posé& p : papier.textes(0))
                if (p.texte.startsWith(QStringLiteral("Marie"))) {
                    vu = true;
                    papier.setPolice(p.police);
                    EXPECT_LE(p.x + papier.TextWidth(p.texte), colonne) << droite << sur_papier_;
                }
            EXPECT_TRUE(vu);
        }
}

TEST_F(pages_adhérents, aperçu_et_page_de_droite)
{
    // The preview: heading at the first column, texts trimmed, and numbers
    // only when asked for.
    données.cat_num_adh[1] = 0;
    données.cat_nouveaux_adhérents[1] = 1;
    dessine(3, false, false);
    EXPECT_EQ(textes().mid(0, 4), QStringList({"Les nouveaux adhérents :", glyphe(36) + " ", "Annick", "06 7"}));
    EXPECT_DOUBLE_EQ(posé("Les nouveaux adhérents :")->x, 900);
    EXPECT_DOUBLE_EQ(posé(glyphe(36) + " ")->x, 900);
    EXPECT_DOUBLE_EQ(posé("Annick")->x, 900 + 288);

    // Half-A4: the right-hand page half a sheet right, the list higher up.
    données.cat_format[1] = 1;
    dessine(3, true);
    const texte_posé titre = *posé("Les nouveaux adhérents :");
    EXPECT_EQ(QPointF(titre.x, titre.y), QPointF((W / 2 - 24 * 14 * 12) / 2 + W / 2, 750));
    EXPECT_DOUBLE_EQ(posé("7 ")->x, 660 + W / 2);
    dessine(4, true);
    EXPECT_DOUBLE_EQ(posé("9 ")->y, 750);

    // No member list, or only its placeholder.
    données.cat_liste_adhérents[1] = 0;
    dessine(3);
    EXPECT_TRUE(papier.pages().empty());
    données.cat_liste_adhérents[1] = 1;
    liste_adh.resize(1);
    dessine(3);
    EXPECT_EQ(textes(), QStringList({"Les nouveaux adhérents :"}));
}

}  // namespace
