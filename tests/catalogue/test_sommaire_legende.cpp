#include "catalogue/legende.h"
#include "catalogue/mesures.h"
#include "catalogue/page_essai.h"
#include "catalogue/parcours_apercu.h"
#include "catalogue/sommaire.h"

#include <memory>

namespace {

const QString titre_légende = QStringLiteral("Signification des symboles utilisés:");

class légende : public essai_page {
protected:
    // The kinds of what page 0 holds, in drawing order: 't' text, 'l' line.
    std::string ordre() const
    {
        std::string o;
        for (const élément_page& é : papier.pages().at(0))
            o += std::holds_alternative<trait_posé>(é) ? 'l' : 't';
        return o;
    }
};

TEST_F(légende, symboles_par_défaut_dans_leur_cadre)
{
    // Three named genres, the child and adult symbols: heading, empty line,
    // five lines of 240 (the offers' size, 10 points).
    cible_page aperçu = sur_aperçu();
    EXPECT_DOUBLE_EQ(imprime_légende(aperçu, 1000, false), 7 * 240 + 160);
    EXPECT_EQ(textes(), QStringList({titre_légende, glyphe(108), " = produit", glyphe(118), " = service",
                                     glyphe(110), " = savoir", glyphe(74), " = Enfant", glyphe(36), " = Adulte"}));
    EXPECT_EQ(QPointF(posé(titre_légende)->x, posé(titre_légende)->y), QPointF(300, 1080));
    EXPECT_EQ(posé(titre_légende)->police, (police_page{"Arial", 10, false, false}));
    EXPECT_EQ(QPointF(posé(glyphe(108))->x, posé(glyphe(108))->y), QPointF(1400, 1080 + 480));
    EXPECT_EQ(QPointF(posé(" = Adulte")->x, posé(" = Adulte")->y), QPointF(1400 + 240, 1080 + 6 * 240));
    // On the preview the frame comes last, around what was drawn.
    EXPECT_EQ(ordre(), std::string(12, 't') + "llll");
    const std::vector<trait_posé> cadre = papier.traits(0);
    EXPECT_EQ(QRectF(QPointF(cadre[0].x1, cadre[0].y1), QPointF(cadre[1].x2, cadre[1].y2)),
              QRectF(QPointF(220, 1000), QPointF(largeur_a4 - 300 - 700, 1000 + 1840)));

    // On paper it comes first, as high as the measured legend.
    papier.KillDoc();
    cible_page sur_papier_ = sur_papier();
    imprime_légende(sur_papier_, 1000, false);
    EXPECT_EQ(ordre(), "llll" + std::string(12, 't'));
    EXPECT_DOUBLE_EQ(papier.traits(0)[1].y2, 1000 + hauteur_légende(papier));
}

TEST_F(légende, genres_sans_nom_ou_sans_symbole)
{
    données.noms_genres[1] = "";       // left out, even with its symbol
    données.symboles_genres[2] = "x";  // named: its meaning alone
    données.symbole_adulte = " ";
    cible_page c = sur_papier();
    EXPECT_DOUBLE_EQ(imprime_légende(c, 0, false), 5 * 240 + 160);
    EXPECT_EQ(textes(), QStringList({titre_légende, glyphe(108), " = produit", " = savoir", glyphe(74), " = Enfant"}));

    données.noms_genres = {};
    données.symbole_enfant = "";
    papier.KillDoc();
    EXPECT_DOUBLE_EQ(imprime_légende(c, 0, false), 2 * 240 + 160);
    EXPECT_EQ(textes(), QStringList({titre_légende}));
    EXPECT_EQ(papier.traits(0).size(), 4u);
}

class page_de_titre : public essai_page {
protected:
    void SetUp() override
    {
        essai_page::SetUp();
        données.cat_sommaire[1] = 1;
        données.taille_sommaire = {12, 12};  // chosen by the user
        données.cat_numéro = {3, 12};
        données.cat_date = {"01/03/2026", "15/09/2025"};
        données.noms_rubriques[10] = "ALIMENTATION";
        données.noms_rubriques[20] = "JARDIN";
        données.noms_rubriques[30] = "   ";    // blanks: listed
        données.noms_rubriques[40] = "VIDE";   // not in this catalogue
        page_rubrique[1] = 7;
        page_rubrique[2] = 12;
        page_rubrique[3] = 3;
    }
    QStringList dessine(bool droite = false)
    {
        cible_page c = sur_papier();
        imprime_sommaire(c, droite);
        return textes();
    }
};

TEST_F(page_de_titre, titre_numéro_sommaire_et_légende)
{
    const double W = largeur_a4, H = hauteur_a4;
    // Block: 2 x 384 + 3 x 288 + 2 x 336 + 3 sections x 288 = 3168, with the
    // legend (1840) 5008, centred in the portrait page less 300.
    const double y0 = (H - 1840 - 5008 - 300) / 2;
    const QStringList t = dessine();
    EXPECT_EQ(t.mid(0, 6), QStringList({"Catalogue", "Numéro ", " 12 ", " du  15/09/2025", "SOMMAIRE", "Pages"}));
    EXPECT_EQ(t.mid(6, 6), QStringList({"ALIMENTATION", "07", "JARDIN", "12", "   ", "03"}));
    EXPECT_EQ(t.value(12), titre_légende);

    const auto en = [&](const QString& t) { return QPointF(posé(t)->x, posé(t)->y); };
    EXPECT_EQ(en("Catalogue"), QPointF((W - 9 * 16 * 12) / 2, y0));
    EXPECT_EQ(posé("Catalogue")->police, (police_page{"Arial", 16, true, false}));
    EXPECT_EQ(en("Numéro "), QPointF((W - 23 * 12 * 12) / 2, y0 + 2 * 384));
    const double y_sommaire = y0 + 2 * 384 + 3 * 288;
    EXPECT_EQ(en("SOMMAIRE"), QPointF(1000, y_sommaire));
    EXPECT_TRUE(posé("SOMMAIRE")->police.souligné);
    EXPECT_EQ(en("Pages"), QPointF(W - 1000 - 6 * 14 * 12, y_sommaire));
    EXPECT_FALSE(posé("Pages")->police.souligné);
    const double y_rubriques = y_sommaire + 2 * 336;
    EXPECT_EQ(en("07"), QPointF(W - 1400, y_rubriques));
    EXPECT_DOUBLE_EQ(posé("03")->y, y_rubriques + 2 * 288);
    // The legend lower on the page, 1400 above its foot.
    EXPECT_DOUBLE_EQ(posé(titre_légende)->y, H - 1400 - 1840 - 300 + 80);
}

TEST_F(page_de_titre, noms_longs_additif_et_page_de_droite)
{
    // A name wider than the column takes two lines; its page number stands
    // on the last one and the next section starts below.
    données.noms_rubriques[10] = QString(50, 'a') + " " + QString(20, 'b');
    données.type_catalogue = 0;
    données.cat_sommaire[0] = 1;
    données.cat_format[0] = 1;
    dessine(true);
    EXPECT_TRUE(posé("Additif N° 3 au catalogue"));
    // The catalogue's number and date, not the supplement's.
    EXPECT_TRUE(posé(" du  15/09/2025"));
    const texte_posé suite = *posé(QString(20, 'b'));
    EXPECT_DOUBLE_EQ(suite.x, largeur_a4 / 2 + 500);
    EXPECT_DOUBLE_EQ(posé("07")->y, suite.y);
    EXPECT_DOUBLE_EQ(posé("07")->x, largeur_a4 / 2 + largeur_a4 / 2 - 1400);
    EXPECT_DOUBLE_EQ(posé("JARDIN")->y, suite.y + 288);
}

TEST_F(page_de_titre, police_trop_grande)
{
    bool aperçu_fermé = false;
    annule_aperçu = [&] { aperçu_fermé = true; };
    // The legend no longer fits: Cancel draws nothing, OK draws without it.
    données.taille_offres[1] = 100;
    boîtes.réponses = {rép_annuler, rép_ok};
    EXPECT_TRUE(dessine().isEmpty());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok_annuler | style_boîte::information);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith(
        "La taille de la police choisie pour le sommaire et la légende est trop importante.\r\n"));
    EXPECT_EQ(dessine().value(0), "Catalogue");
    EXPECT_FALSE(posé(titre_légende));
    EXPECT_FALSE(aperçu_fermé);

    // No size fits with a legend that tall.
    EXPECT_TRUE(boîtes.messages[0].texte.contains(
        "\r\nLe sommaire et la légende tiennent sur la page à aucune taille de police.\r\n"));

    // The contents alone do not fit: told, the preview closes, nothing drawn.
    données.taille_sommaire[1] = 200;
    papier.KillDoc();
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_TRUE(dessine().isEmpty());
    ASSERT_EQ(boîtes.messages.size(), 4u);
    EXPECT_EQ(boîtes.messages[3].style, style_boîte::information);
    EXPECT_TRUE(boîtes.messages[3].texte.startsWith("La taille de la police choisie pour le sommaire seul"));
    // Three sections: 240 twips a point of size, plus 288, and 300 under it
    // within the page less 1700; 60 points hold, 61 do not.
    EXPECT_TRUE(boîtes.messages[3].texte.contains("\r\nLe sommaire tient seul sur la page jusqu'à la taille 60.\r\n"))
        << boîtes.messages[3].texte.toStdString();
    EXPECT_TRUE(aperçu_fermé);
    annule_aperçu = nullptr;
}

// A full association: fifty sections, each with its first page.
class page_de_titre_complète : public page_de_titre {
protected:
    void SetUp() override
    {
        page_de_titre::SetUp();
        for (int i = 1; i <= max_rubriques; ++i) {
            données.noms_rubriques[static_cast<std::size_t>(i * 10)] = QStringLiteral("Rubrique %1").arg(i);
            page_rubrique[static_cast<std::size_t>(i)] = i + 1;
        }
    }
};

TEST_F(page_de_titre_complète, taille_choisie_trop_grande_on_apprend_quelle_taille_tient)
{
    bool aperçu_fermé = false;
    annule_aperçu = [&] { aperçu_fermé = true; };
    // 1368 twips a point of size plus 288: with the legend (1840) 9 points
    // hold on the page, alone (300 under it) 10.
    boîtes.réponses = {rép_ok};
    EXPECT_TRUE(dessine().isEmpty());
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(boîtes.messages[0].texte,
              "La taille de la police choisie pour le sommaire et la légende est trop importante.\r\n"
              "Réduisez-là, ou choisissez d'imprimer en A4 portrait!\r\n"
              "Le sommaire et la légende tiennent sur la page jusqu'à la taille 9.\r\n"
              "Répondez OK pour essayer une impression sans la légende, ANNULER pour sortir.");
    EXPECT_TRUE(boîtes.messages[1].texte.contains("\r\nLe sommaire tient seul sur la page jusqu'à la taille 10.\r\n"));
    EXPECT_TRUE(aperçu_fermé);
    annule_aperçu = nullptr;

    // The size told is the one that holds: no message, legend and all.
    boîtes.messages.clear();
    données.taille_sommaire[1] = 9;
    papier.KillDoc();
    EXPECT_EQ(dessine().value(0), "Catalogue");
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_TRUE(posé(titre_légende));
}

TEST_F(page_de_titre_complète, sans_taille_choisie_la_plus_grande_qui_tient)
{
    // A size of 0 is no size chosen (the window then shows none): a new
    // file's.
    const auto neuf = std::make_unique<données_sel>();
    initialise_paramètres(*neuf);
    EXPECT_EQ(neuf->taille_sommaire[0], 0);
    EXPECT_EQ(neuf->taille_sommaire[1], 0);
    données.taille_sommaire[1] = 0;
    EXPECT_EQ(dessine().value(0), "Catalogue");
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_TRUE(posé(titre_légende));
    EXPECT_EQ(posé("Catalogue")->police.taille, 9 + 4);
    EXPECT_EQ(posé("Rubrique 50")->police.taille, 9);
    EXPECT_EQ(données.taille_sommaire[1], 0) << "the setting stays as the user left it";

    // Fewer sections: the largest size the window offers.
    for (int i = 4; i <= max_rubriques; ++i)
        page_rubrique[static_cast<std::size_t>(i)] = 0;
    papier.KillDoc();
    dessine();
    EXPECT_EQ(posé("Rubrique 3")->police.taille, taille_sommaire_automatique_max);
    EXPECT_TRUE(boîtes.messages.empty());
}

}  // namespace
