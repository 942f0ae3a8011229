#include "printing/rendu_etiquettes.h"

#include "printing/essai_impression.h"
#include "support/dossier_test.h"
#include "ui_common/surface_enregistree.h"
#include "ui_common/surface_imprimante.h"

#include <QDir>
#include <QImage>
#include <QPrinter>

namespace {

// The recording surface at 12 points: 144 twips a character, 288 a line.
constexpr double ligne = 288;

struct position {
    double x = -1, y = -1;
};

position place_du_texte(const std::vector<texte_posé>& textes, const QString& texte)
{
    for (const texte_posé& t : textes)
        if (t.texte == texte)
            return {t.x, t.y};
    return {};
}

class rendu_étiquettes : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        QDir().mkpath(chemin(QStringLiteral("photos")));
        QDir().mkpath(chemin(QStringLiteral("images")));
        ajoute_membres(30);
        r.feuille.largeur_page = 11906;
        r.feuille.hauteur_page = 16838;
        r.police = {QStringLiteral("Arial"), 12, false, false};
    }

    std::vector<int> premiers(int n) const
    {
        std::vector<int> v;
        for (int k = 1; k <= n; ++k)
            v.push_back(k);
        return v;
    }

    void cartes()
    {
        r.type_sortie = sorties::carte_adh;
        change_format(r.feuille, 2, 4);
    }

    void image(const QString& relatif, int l, int h)
    {
        QImage i(l, h, QImage::Format_RGB32);
        i.fill(Qt::darkGreen);
        ASSERT_TRUE(i.save(chemin(relatif)));
    }

    réglages_étiquettes r;
    surface_enregistrée s;
};

}  // namespace

TEST_F(rendu_étiquettes, les_étiquettes_suivent_l_étiquette_de_départ)
{
    r.feuille.colonne_départ = 2;
    r.feuille.ligne_départ = 1;
    std::vector<int> appels;
    suivi_impression suivi;
    suivi.entrée = [&](int i) { appels.push_back(i); };
    EXPECT_EQ(imprimer_étiquettes(s, r, premiers(3), suivi), fin_impression::terminée);

    ASSERT_EQ(s.documents().size(), 1u);
    const std::vector<page_dessinée>& pages = s.documents()[0];
    ASSERT_EQ(pages.size(), 1u);
    const auto textes = du_genre<texte_posé>(pages[0]);
    const double l = 11906.0 / 3, h = 16838.0 / 7;
    // The first member in column 3 of row 2, the next ones from column 1 of row 3.
    const position p1 = place_du_texte(textes, QStringLiteral("Membre 1"));
    EXPECT_NEAR(p1.x, 2 * l, 1e-6);
    EXPECT_NEAR(p1.y, h + ligne, 1e-6);
    const position p2 = place_du_texte(textes, QStringLiteral("Membre 2"));
    EXPECT_NEAR(p2.x, 0, 1e-6);
    EXPECT_NEAR(p2.y, 2 * h + ligne, 1e-6);
    EXPECT_NEAR(place_du_texte(textes, QStringLiteral("Membre 3")).x, l, 1e-6);
    EXPECT_EQ(appels, (std::vector<int>{0, 1, 2}));
}

TEST_F(rendu_étiquettes, une_feuille_pleine_ne_laisse_pas_de_page_vide)
{
    EXPECT_EQ(imprimer_étiquettes(s, r, premiers(21)), fin_impression::terminée);
    ASSERT_EQ(s.documents().size(), 1u);
    EXPECT_EQ(s.documents()[0].size(), 1u);

    surface_enregistrée deux;
    r.feuille.colonne_départ = 1;  // only the first page starts there
    imprimer_étiquettes(deux, r, premiers(22));
    ASSERT_EQ(deux.documents().size(), 1u);
    ASSERT_EQ(deux.documents()[0].size(), 2u);
    const auto textes = du_genre<texte_posé>(deux.documents()[0][1]);
    // 20 labels on the first page from the second label; 21 and 22 start the second.
    const position p21 = place_du_texte(textes, QStringLiteral("Membre 21"));
    EXPECT_EQ(p21.x, 0);
    EXPECT_EQ(p21.y, ligne);
    EXPECT_NEAR(place_du_texte(textes, QStringLiteral("Membre 22")).x, 11906.0 / 3, 1e-6);
}

TEST_F(rendu_étiquettes, marges_et_image_de_fond)
{
    image(QStringLiteral("images/Fond.png"), 50, 30);
    r.fond = QStringLiteral("D:\\sel\\images\\fond.png");  // stored elsewhere, found in P/images
    r.feuille.marges_gd = true;
    r.feuille.marges_hb = true;
    imprimer_étiquettes(s, r, premiers(2));
    ASSERT_EQ(s.documents().size(), 1u);
    const auto images = du_genre<image_posée>(s.documents()[0][0]);
    const auto textes = du_genre<texte_posé>(s.documents()[0][0]);
    const double l = 11906.0 / 3, h = (16838.0 - 600) / 7;
    ASSERT_EQ(images.size(), 2u);
    // The background starts 80 twips left of the label, the text 300 right of it.
    EXPECT_NEAR(images[1].cadre.x(), l - 80, 1e-6);
    EXPECT_NEAR(images[1].cadre.y(), 300, 1e-6);
    EXPECT_NEAR(images[1].cadre.width(), l, 1e-6);
    EXPECT_NEAR(images[1].cadre.height(), h - 50, 1e-6);
    const position p2 = place_du_texte(textes, QStringLiteral("Membre 2"));
    EXPECT_NEAR(p2.x, l + 300, 1e-6);
    EXPECT_NEAR(p2.y, 300 + ligne, 1e-6);

    // A background that is no picture: the labels print without it.
    surface_enregistrée sans_fond;
    écrit(QStringLiteral("images/abîmé.png"), "pas une image");
    r.fond = QStringLiteral("abîmé.png");
    imprimer_étiquettes(sans_fond, r, premiers(2));
    ASSERT_EQ(sans_fond.documents().size(), 1u);
    EXPECT_TRUE(du_genre<image_posée>(sans_fond.documents()[0][0]).empty());
    EXPECT_EQ(du_genre<texte_posé>(sans_fond.documents()[0][0]).size(), 10u);
}

TEST_F(rendu_étiquettes, carte_avec_photo)
{
    image(QStringLiteral("photos/Portrait.png"), 300, 400);
    données.table_adhérents[2].photo = QStringLiteral("C:\\Mes photos\\portrait.png");
    cartes();
    r.feuille.colonne_départ = 1;
    imprimer_étiquettes(s, r, {2});
    ASSERT_EQ(s.documents().size(), 1u);
    const page_dessinée& page = s.documents()[0][0];

    const double X = 11906.0 / 2;
    const double lp = largeur_photo(r.feuille);
    const auto images = du_genre<image_posée>(page);
    const auto textes = du_genre<texte_posé>(page);
    EXPECT_TRUE(du_genre<trait_posé>(page).empty());  // no empty frame
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NEAR(images[0].cadre.x(), X, 1e-6);
    EXPECT_NEAR(images[0].cadre.y(), haut_photo(r.feuille), 1e-6);
    EXPECT_NEAR(images[0].cadre.width(), lp, 1e-6);
    EXPECT_NEAR(images[0].cadre.height(), lp * 4 / 3, 1e-6);

    // The title, bold italic two points larger, centred over photo and text.
    const QString titre = QStringLiteral("Carte d'Adhérent n° 2");
    auto t = std::find_if(textes.begin(), textes.end(), [&](const texte_posé& p) { return p.texte == titre; });
    ASSERT_NE(t, textes.end());
    EXPECT_TRUE(t->police.gras && t->police.italique);
    EXPECT_EQ(t->police.taille, 14);
    const double largeur = largeur_texte(r.feuille, sorties::carte_adh);
    EXPECT_NEAR(t->x, X + (lp + largeur - titre.size() * 14 * 12) / 2, 1e-6);
    EXPECT_NEAR(t->y, 300, 1e-6);
    // The address right of the photo, below the title's lines.
    const position nom = place_du_texte(textes, QStringLiteral("Membre 2"));
    EXPECT_NEAR(nom.x, X + x_texte_carte(r.feuille), 1e-6);
    EXPECT_NEAR(nom.y, 3 * ligne, 1e-6);
}

TEST_F(rendu_étiquettes, carte_sans_photo_lisible_montre_un_cadre_vide)
{
    écrit(QStringLiteral("photos/abîmée.jpg"), "pas une image");
    image(QStringLiteral("photos/bonne.png"), 300, 400);
    données.table_adhérents[1].photo = QStringLiteral("bonne.png");
    données.table_adhérents[3].photo = QStringLiteral("abîmée.jpg");  // set, but unreadable
    cartes();
    imprimer_étiquettes(s, r, {1, 2, 3});
    ASSERT_EQ(s.documents().size(), 1u);
    const page_dessinée& page = s.documents()[0][0];
    const auto traits = du_genre<trait_posé>(page);
    // Member 1's photo only: never printed again on the cards after it.
    EXPECT_EQ(du_genre<image_posée>(page).size(), 1u);
    ASSERT_EQ(traits.size(), 8u);
    const double lp = largeur_photo(r.feuille), haut = haut_photo(r.feuille);
    const double h = 16838.0 / 4;
    // Member 3 is on the second row: a frame 1.3 times as high as wide.
    double gauche = 1e9, droite = -1e9, dessus = 1e9, dessous = -1e9;
    for (std::size_t i = 4; i < 8; ++i) {
        gauche = std::min({gauche, traits[i].x1, traits[i].x2});
        droite = std::max({droite, traits[i].x1, traits[i].x2});
        dessus = std::min({dessus, traits[i].y1, traits[i].y2});
        dessous = std::max({dessous, traits[i].y1, traits[i].y2});
    }
    EXPECT_NEAR(gauche, 0, 1e-6);
    EXPECT_NEAR(droite, lp, 1e-6);
    EXPECT_NEAR(dessus, h + haut, 1e-6);
    EXPECT_NEAR(dessous - dessus, 1.3 * lp, 1e-6);
}

TEST_F(rendu_étiquettes, une_photo_très_haute_reste_sur_sa_carte)
{
    image(QStringLiteral("photos/haute.png"), 100, 1000);
    données.table_adhérents[1].photo = QStringLiteral("haute.png");
    cartes();
    imprimer_étiquettes(s, r, {1});
    ASSERT_EQ(s.documents().size(), 1u);
    const auto images = du_genre<image_posée>(s.documents()[0][0]);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_LE(images[0].cadre.bottom(), 16838.0 / 4);
    EXPECT_NEAR(images[0].cadre.height() / images[0].cadre.width(), 10, 1e-6);
}

TEST_F(rendu_étiquettes, publipostage_une_page_par_membre)
{
    // One document, a page per member, on a printer as in a PDF file.
    r.type_sortie = sorties::publipostage;
    r.feuille.colonne_départ = 2;  // ignored by mailings
    EXPECT_EQ(imprimer_étiquettes(s, r, premiers(3)), fin_impression::terminée);
    ASSERT_EQ(s.documents().size(), 1u);
    const auto& document = s.documents()[0];
    ASSERT_EQ(document.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        const position p =
            place_du_texte(du_genre<texte_posé>(document[static_cast<std::size_t>(k)]), QStringLiteral("Membre %1").arg(k + 1));
        EXPECT_EQ(p.x, 5670);
        EXPECT_EQ(p.y, 2550 + ligne);
    }
}

TEST_F(rendu_étiquettes, interrompre_annule_les_étiquettes_et_garde_le_courrier_fait)
{
    int vus = 0;
    suivi_impression suivi;
    suivi.continuer = [&] { return ++vus < 2; };
    EXPECT_EQ(imprimer_étiquettes(s, r, premiers(5), suivi), fin_impression::interrompue);
    EXPECT_TRUE(s.documents().empty());
    EXPECT_EQ(s.documents_annulés(), 1);

    // The mailing pages made before the stop are printed, in one document.
    surface_enregistrée courrier;
    vus = 0;
    r.type_sortie = sorties::publipostage;
    EXPECT_EQ(imprimer_étiquettes(courrier, r, premiers(5), suivi), fin_impression::interrompue);
    ASSERT_EQ(courrier.documents().size(), 1u);
    EXPECT_EQ(courrier.documents()[0].size(), 2u);
    EXPECT_EQ(courrier.documents_annulés(), 0);
}

namespace {

// A printer that gives out part way through the run.
class papier_en_panne : public surface_enregistrée {
public:
    int éléments = 0;

protected:
    void pose(élément_page élément) override
    {
        if (++éléments == 8)
            throw std::runtime_error("L'imprimante ne répond plus.");
        surface_enregistrée::pose(std::move(élément));
    }
};

}  // namespace

TEST_F(rendu_étiquettes, une_panne_en_cours_annule_le_travail_et_dit_pourquoi)
{
    for (const QString& sorte : {sorties::étiquette, sorties::publipostage, sorties::carte_adh}) {
        papier_en_panne panne;
        r.type_sortie = sorte;
        try {
            imprimer_étiquettes(panne, r, premiers(5));
            ADD_FAILURE() << sorte.toStdString() << ": the failure was not passed on";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "L'imprimante ne répond plus.");
        }
        EXPECT_TRUE(panne.documents().empty()) << sorte.toStdString();
        EXPECT_TRUE(panne.pages().empty()) << sorte.toStdString();
        EXPECT_EQ(panne.documents_annulés(), 1) << sorte.toStdString();
    }
}

TEST_F(rendu_étiquettes, rien_à_imprimer)
{
    r.type_sortie = QStringLiteral("affiche");
    EXPECT_EQ(imprimer_étiquettes(s, r, premiers(3)), fin_impression::terminée);
    EXPECT_TRUE(s.documents().empty());
    EXPECT_TRUE(s.pages().empty());
    for (const QString& sorte : {sorties::étiquette, sorties::publipostage, sorties::carte_id}) {
        r.type_sortie = sorte;
        EXPECT_EQ(imprimer_étiquettes(s, r, {}), fin_impression::terminée);
        EXPECT_TRUE(s.documents().empty());
    }
}

TEST_F(rendu_étiquettes, le_modèle_est_l_étiquette_imprimée)
{
    cartes();
    surface_enregistrée modèle(taille_modèle(r));
    dessine_modèle(modèle, r, 4);
    surface_enregistrée papier;
    dessine_étiquette(papier, r, 4, 0, 0, {});
    ASSERT_EQ(modèle.pages().size(), 1u);
    ASSERT_EQ(papier.pages().size(), 1u);
    ASSERT_EQ(modèle.pages()[0].size(), papier.pages()[0].size());
    EXPECT_NEAR(taille_modèle(r).width(), 11906.0 / 2, 1e-6);

    const QImage image = image_modèle(r, 4, 96);
    EXPECT_EQ(image.width(), qRound(11906.0 / 2 / 15));
    int sombres = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sombres += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(sombres, 100);  // the frame and the text are drawn
}

TEST_F(rendu_étiquettes, étiquettes_en_pdf)
{
    const QString pdf = chemin(QStringLiteral("étiquettes.pdf"));
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(pdf);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    {
        surface_imprimante papier(imprimante);
        r.feuille.marges_gd = true;
        r.feuille.marges_hb = true;
        change_format(r.feuille, 3, 7);
        EXPECT_EQ(imprimer_étiquettes(papier, r, premiers(23)), fin_impression::terminée);
    }
    const auto texte = texte_pdf(pdf);
    if (!texte)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    const QStringList pages = texte->split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    for (int k = 1; k <= 21; ++k)
        EXPECT_TRUE(pages[0].contains(QStringLiteral("Membre %1 ").arg(k)) ||
                    pages[0].contains(QStringLiteral("Membre %1\n").arg(k)))
            << k;
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Membre 22")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("23 rue des Lilas")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("Membre 21")));
}
