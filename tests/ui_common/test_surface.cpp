#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "support/dossier_test.h"
#include "support/pdf_essai.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/surface_apercu.h"
#include "ui_common/surface_enregistree.h"
#include "ui_common/surface_imprimante.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Darkest pixel of a row segment of a picture (0 black, 255 white).
int plus_sombre(const QImage& image, QRect zone)
{
    int minimum = 255;
    zone = zone.intersected(image.rect());
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            minimum = std::min(minimum, qGray(image.pixel(x, y)));
    return minimum;
}

}  // namespace

// ------------------------------------------------------------ the printer object's semantics

TEST(surface_page, imprimer_déplace_la_position)
{
    surface_enregistrée s;
    s.setFontSize(10);  // 120 twips a character, 240 a line
    s.setCurrentX(500);
    s.setCurrentY(1000);
    s.Print("abc");
    EXPECT_EQ(s.CurrentX(), 0);
    EXPECT_EQ(s.CurrentY(), 1240);
    s.setCurrentX(300);
    s.Print("de", false);
    EXPECT_EQ(s.CurrentX(), 300 + 240);
    EXPECT_EQ(s.CurrentY(), 1240);
    s.Print("f", false);
    EXPECT_EQ(s.CurrentX(), 540 + 120);
    s.Print();  // an empty line
    EXPECT_EQ(s.CurrentX(), 0);
    EXPECT_EQ(s.CurrentY(), 1480);

    const auto textes = s.textes(0);
    ASSERT_EQ(textes.size(), 4u);
    EXPECT_EQ(textes[0].x, 500);
    EXPECT_EQ(textes[0].y, 1000);
    EXPECT_EQ(textes[2].x, 540);
    EXPECT_EQ(textes[2].texte, "f");
    EXPECT_EQ(textes[3].texte, "");
}

TEST(surface_page, un_texte_de_plusieurs_lignes)
{
    surface_enregistrée s;
    s.setFontSize(5);  // 60 a character, 120 a line
    EXPECT_EQ(s.TextWidth("ab\r\nabcd\r\nc"), 240);
    EXPECT_EQ(s.TextHeight("ab\r\nabcd\r\nc"), 360);
    EXPECT_EQ(s.TextHeight(""), 120);
    // A lone LF is an ordinary character.
    EXPECT_EQ(s.TextHeight("a\nb"), 120);

    s.setCurrentX(100);
    s.Print("ab\r\ncd", false);
    const auto textes = s.textes(0);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[1].x, 0);
    EXPECT_EQ(textes[1].y, 120);
    EXPECT_EQ(s.CurrentX(), 120);
    EXPECT_EQ(s.CurrentY(), 120);
}

TEST(surface_page, un_trait_laisse_la_position_à_son_bout)
{
    surface_enregistrée s;
    s.Line(750, 1000, 5000, 1200);
    EXPECT_EQ(s.CurrentX(), 5000);
    EXPECT_EQ(s.CurrentY(), 1200);
    ASSERT_EQ(s.traits(0).size(), 1u);
    EXPECT_EQ(s.traits(0)[0].x1, 750);
}

TEST(surface_page, images)
{
    surface_enregistrée s;
    s.setCurrentX(7);
    s.PaintPicture(QImage(), 0, 0, 100, 100);
    EXPECT_TRUE(s.pages().empty());
    QImage rouge(4, 2, QImage::Format_RGB32);
    rouge.fill(Qt::red);
    s.PaintPicture(rouge, 100, 200, 300, 400);
    ASSERT_EQ(s.images(0).size(), 1u);
    EXPECT_EQ(s.images(0)[0].cadre, QRectF(100, 200, 300, 400));
    EXPECT_EQ(s.CurrentX(), 7);  // a picture does not move the position
}

TEST(surface_page, pages_et_documents)
{
    surface_enregistrée s;
    s.setFontSize(8);
    s.Print("un");
    s.NewPage();
    EXPECT_EQ(s.CurrentY(), 0);
    EXPECT_EQ(s.FontSize(), 8);  // the font stays
    s.Print("deux");
    ASSERT_EQ(s.pages().size(), 2u);
    EXPECT_EQ(s.textes(1)[0].texte, "deux");
    EXPECT_TRUE(s.EndDoc());
    EXPECT_TRUE(s.pages().empty());
    ASSERT_EQ(s.documents().size(), 1u);
    EXPECT_EQ(s.documents()[0].size(), 2u);

    s.Print("perdu");
    s.KillDoc();
    EXPECT_TRUE(s.pages().empty());
    EXPECT_EQ(s.documents_annulés(), 1);
    EXPECT_EQ(s.documents().size(), 1u);
    // Ending a document that holds nothing sends nothing.
    EXPECT_TRUE(s.EndDoc());
    EXPECT_EQ(s.documents().size(), 1u);
    // A new page asked on an empty document keeps the blank first page.
    s.NewPage();
    s.EndDoc();
    ASSERT_EQ(s.documents().size(), 2u);
    EXPECT_EQ(s.documents()[1].size(), 2u);
}

// ------------------------------------------------------------ printer

TEST(surface_imprimante, mesure_avec_les_polices_de_l_imprimante)
{
    QTemporaryDir dossier;
    QPrinter imprimante(QPrinter::HighResolution);
    vers_pdf(imprimante, dossier.filePath("rien.pdf"));
    surface_imprimante s(imprimante);
    EXPECT_NEAR(s.Width(), largeur_a4, 2);
    EXPECT_NEAR(s.Height(), hauteur_a4, 2);
    s.setFontName("Arial");
    s.setFontSize(10);
    // Arial (Liberation Sans) at 10 points: 1.15 em between lines.
    EXPECT_NEAR(s.TextHeight(), 230, 8);
    const double w = s.TextWidth("W");
    EXPECT_GT(w, 150);
    EXPECT_LT(w, 210);
    EXPECT_NEAR(s.TextWidth("WWWW"), 4 * w, 2);
    s.setFontSize(20);
    EXPECT_NEAR(s.TextWidth("W"), 2 * w, 4);
    s.setFontBold(true);
    EXPECT_GT(s.TextWidth("mmmm"), 0);
    s.setOrientation(QPageLayout::Landscape);
    EXPECT_NEAR(s.Width(), hauteur_a4, 2);
    // Nothing drawn, nothing written.
    EXPECT_TRUE(s.EndDoc());
    EXPECT_FALSE(QFile::exists(dossier.filePath("rien.pdf")));
}

TEST(surface_imprimante, un_document_pdf_de_deux_pages)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("essai.pdf");
    QPrinter imprimante(QPrinter::HighResolution);
    vers_pdf(imprimante, chemin);
    {
        surface_imprimante s(imprimante);
        s.setFontSize(12);
        s.setCurrentX(1440);
        s.setCurrentY(1440);
        s.Print("Bonjour première page");
        s.Line(1440, 2000, 8000, 2000);
        s.NewPage();
        s.setCurrentY(1440);
        s.Print("Seconde page");
        EXPECT_FALSE(QFile::exists(chemin));  // delivered whole at the end
        EXPECT_TRUE(s.EndDoc());
    }
    ASSERT_TRUE(QFile::exists(chemin));
    const auto pages = pages_pdf(chemin);
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: PDF content not checked";
    ASSERT_EQ(pages->size(), 2);
    EXPECT_TRUE((*pages)[0].contains("Bonjour première page"));
    EXPECT_TRUE((*pages)[1].contains("Seconde page"));
}

// A file takes one document: the statements of a run go in as its pages,
// the one cancelled left out, and the file is written once at the end.
TEST(surface_imprimante, une_suite_de_documents_tient_dans_un_fichier)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("suite.pdf");
    QPrinter imprimante(QPrinter::HighResolution);
    vers_pdf(imprimante, chemin);
    surface_imprimante s(imprimante);
    {
        suite_documents suite(s);
        for (const QString relevé : {"Relevé 1", "Relevé 2", "Relevé 3"}) {
            const suite_documents imbriquée(s);  // only the outermost run writes
            s.setCurrentY(1440);
            s.Print(relevé);
            if (relevé == "Relevé 2") {
                s.KillDoc();
            } else {
                s.NewPage();
                s.Print(relevé + " suite");
                EXPECT_TRUE(s.EndDoc());
            }
        }
        EXPECT_FALSE(QFile::exists(chemin));
    }
    const auto pages = pages_pdf(chemin);
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: PDF content not checked";
    ASSERT_EQ(pages->size(), 4);
    EXPECT_TRUE((*pages)[0].contains("Relevé 1"));
    EXPECT_TRUE((*pages)[1].contains("Relevé 1 suite"));
    EXPECT_TRUE((*pages)[2].contains("Relevé 3"));
    EXPECT_FALSE(pages->join("").contains("Relevé 2"));

    // Outside a run each document is the whole file.
    s.Print("Seul");
    EXPECT_TRUE(s.EndDoc());
    EXPECT_EQ(pages_pdf(chemin)->size(), 1);
}

TEST(surface_imprimante, un_document_annulé_n_est_pas_écrit)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("annulé.pdf");
    QPrinter imprimante(QPrinter::HighResolution);
    vers_pdf(imprimante, chemin);
    surface_imprimante s(imprimante);
    s.Print("à jeter");
    s.NewPage();
    s.KillDoc();
    EXPECT_TRUE(s.EndDoc());
    EXPECT_FALSE(QFile::exists(chemin));
}

class surface_imprimante_échec : public essai_dossier {};

TEST_F(surface_imprimante_échec, un_fichier_impossible_est_signalé)
{
    QPrinter imprimante(QPrinter::HighResolution);
    vers_pdf(imprimante, chemin("absent/dossier/sortie.pdf"));
    surface_imprimante s(imprimante);
    s.Print("texte");
    EXPECT_FALSE(s.EndDoc());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Dossier introuvable")) << boîtes.messages[0].texte.toStdString();
    EXPECT_EQ(s.erreur(), boîtes.messages[0].texte);
    // The document is dropped: ending again sends nothing and says nothing.
    EXPECT_TRUE(s.EndDoc());
    EXPECT_EQ(boîtes.messages.size(), 1u);
}

// With no printer installed Qt's printer writes a PDF file it has no name
// for: the first print asks for the printer or the file instead of failing,
// and what is chosen then is printed.
TEST_F(surface_imprimante_échec, sans_imprimante_ni_fichier_le_choix_est_demandé)
{
    const QString refus = "Choisissez d'abord l'imprimante ou le fichier PDF";
    const auto choisit_pdf = [&](const QString& fichier) {
        boîtes.choix_imprimante = [fichier](QPrinter& p) { p.setOutputFileName(fichier); };
    };
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    {
        surface_imprimante s(imprimante);
        s.Print("Confitures");
        EXPECT_FALSE(s.EndDoc());
        EXPECT_EQ(boîtes.réglages_demandés, 1);
        EXPECT_EQ(boîtes.textes(), QStringList{refus});
        EXPECT_EQ(s.erreur(), refus);

        boîtes.réglages_imprimante = {true};
        choisit_pdf(chemin("choisi.pdf"));
        s.Print("Confitures");
        EXPECT_TRUE(s.EndDoc());
    }
    EXPECT_EQ(boîtes.réglages_demandés, 2);
    EXPECT_EQ(boîtes.messages.size(), 1u);
    const auto texte = texte_pdf(chemin("choisi.pdf"));
    if (!texte)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: PDF content not checked";
    EXPECT_TRUE(texte->contains("Confitures"));

    // In a run of documents the choice is asked once, before the first: the
    // file then holds them all; declined, the run prints nothing and says so
    // once.
    for (const bool choisi : {true, false}) {
        QPrinter suite(QPrinter::HighResolution);
        suite.setOutputFormat(QPrinter::PdfFormat);
        boîtes.réglages_demandés = 0;
        boîtes.messages.clear();
        boîtes.réglages_imprimante = {choisi};
        choisit_pdf(chemin("suite.pdf"));
        surface_imprimante s(suite);
        {
            suite_documents run(s);
            for (const QString relevé : {"Relevé 1", "Relevé 2", "Relevé 3"}) {
                s.Print(relevé);
                EXPECT_EQ(s.EndDoc(), choisi);
            }
        }
        EXPECT_EQ(boîtes.réglages_demandés, 1);
        if (choisi) {
            EXPECT_TRUE(boîtes.messages.empty());
            const auto pages = pages_pdf(chemin("suite.pdf"));
            ASSERT_EQ(pages->size(), 3);
            EXPECT_TRUE((*pages)[0].contains("Relevé 1"));
            EXPECT_TRUE((*pages)[2].contains("Relevé 3"));
            QFile::remove(chemin("suite.pdf"));
        } else {
            EXPECT_EQ(boîtes.textes(), QStringList{refus});
            EXPECT_FALSE(QFile::exists(chemin("suite.pdf")));
        }
    }

    // A printer left active by a painter that could not begin on it takes a
    // file again and prints.
    QPrinter bloquée(QPrinter::HighResolution);
    bloquée.setOutputFormat(QPrinter::PdfFormat);
    {
        QPainter échec;
        ASSERT_FALSE(échec.begin(&bloquée));
    }
    ASSERT_NE(bloquée.printerState(), QPrinter::Idle);
    boîtes.réglages_imprimante = {true};
    choisit_pdf(chemin("débloquée.pdf"));
    {
        surface_imprimante s(bloquée);
        s.Print("Confitures");
        EXPECT_TRUE(s.EndDoc());
    }
    EXPECT_TRUE(texte_pdf(chemin("débloquée.pdf")).value_or(QString()).contains("Confitures"));
}

// ------------------------------------------------------------ preview

TEST(surface_aperçu, dessine_à_la_résolution_de_l_écran)
{
    surface_aperçu s(QSizeF(largeur_a4, hauteur_a4), 96);
    EXPECT_EQ(s.image().width(), 794);  // 210 mm at 96 dpi
    EXPECT_EQ(s.image().height(), 1123);
    EXPECT_EQ(plus_sombre(s.image(), s.image().rect()), 255);

    // A line at y = 1440 twips is on pixel row 96.
    s.Line(1440, 1440, 4320, 1440);
    EXPECT_LT(plus_sombre(s.image(), QRect(100, 95, 180, 2)), 100);
    EXPECT_EQ(plus_sombre(s.image(), QRect(100, 90, 180, 4)), 255);

    // Text goes below the position, from its top.
    s.setFontSize(12);
    s.setCurrentX(1440);
    s.setCurrentY(2880);
    s.Print("MMMM");
    EXPECT_LT(plus_sombre(s.image(), QRect(96, 192, 60, 16)), 100);
    EXPECT_EQ(plus_sombre(s.image(), QRect(96, 180, 60, 10)), 255);

    QImage bleu(2, 2, QImage::Format_RGB32);
    bleu.fill(Qt::blue);
    s.PaintPicture(bleu, 1440, 5760, 1440, 720);  // one inch by half an inch
    EXPECT_EQ(s.image().pixelColor(96 + 48, 384 + 24), QColor(Qt::blue));
    EXPECT_EQ(s.image().pixelColor(96 + 100, 384 + 24), QColor(Qt::white));
}

TEST(surface_aperçu, mesure_comme_l_imprimante)
{
    QPrinter imprimante(QPrinter::HighResolution);
    surface_imprimante papier(imprimante);
    surface_aperçu écran;
    for (surface_page* s : {static_cast<surface_page*>(&papier), static_cast<surface_page*>(&écran)}) {
        s->setFontName("Arial");
        s->setFontSize(10);
    }
    const QString texte = "Cours de cuisine végétarienne, le mardi soir";
    EXPECT_NEAR(écran.TextWidth(texte), papier.TextWidth(texte), papier.TextWidth(texte) * 0.05);
    EXPECT_NEAR(écran.TextHeight(), papier.TextHeight(), 20);
}

TEST(surface_aperçu, pages_orientation_et_annulation)
{
    surface_aperçu s(QSizeF(largeur_a4, hauteur_a4), 48);
    s.setOrientation(QPageLayout::Landscape);
    EXPECT_GT(s.image().width(), s.image().height());
    s.Line(0, 0, 1440, 1440);
    s.NewPage();
    EXPECT_EQ(s.pages().size(), 2u);
    EXPECT_EQ(plus_sombre(s.image(), s.image().rect()), 255);
    EXPECT_LT(plus_sombre(s.pages()[0], s.pages()[0].rect()), 255);
    s.KillDoc();
    ASSERT_EQ(s.pages().size(), 1u);
    EXPECT_EQ(plus_sombre(s.image(), s.image().rect()), 255);
}

// ------------------------------------------------------------ picture files

using images = essai_dossier;

TEST_F(images, formats_lus_et_fichiers_illisibles)
{
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const char* f : {"gif", "jpeg", "bmp", "png"})
        EXPECT_TRUE(formats.contains(f)) << f;

    QImage vert(3, 5, QImage::Format_RGB32);
    vert.fill(Qt::green);
    ASSERT_TRUE(vert.save(chemin("vert.bmp")));
    ASSERT_TRUE(vert.save(chemin("vert.jpg")));
    EXPECT_EQ(lit_image(chemin("vert.bmp")).size(), QSize(3, 5));
    EXPECT_EQ(lit_image(chemin("vert.jpg")).size(), QSize(3, 5));
    // A picture with a misleading extension is still read by its content.
    ASSERT_TRUE(vert.save(chemin("vert.gif"), "PNG"));
    EXPECT_EQ(lit_image(chemin("vert.gif")).size(), QSize(3, 5));

    // A Windows metafile (placeable header) cannot be read here: missing.
    écrit("logo.wmf", QByteArray::fromHex("d7cdc69a0000000000001027e80301000000"));
    EXPECT_TRUE(lit_image(chemin("logo.wmf")).isNull());
    EXPECT_TRUE(lit_image(chemin("absent.png")).isNull());
    EXPECT_TRUE(lit_image(QString()).isNull());
}

TEST_F(images, un_fichier_de_données_ne_fait_rien_lire_hors_du_dossier_du_programme)
{
    // P is a folder of its own; beside it lie pictures that must never be read.
    fixe_dossier_programme(chemin("programme"));
    QDir().mkpath(chemin("programme/images"));
    QDir().mkpath(chemin("dehors"));
    QImage rouge(4, 4, QImage::Format_RGB32);
    rouge.fill(Qt::red);
    ASSERT_TRUE(rouge.save(chemin("dehors/x.gif"), "PNG"));
    ASSERT_TRUE(rouge.save(chemin("x"), "PNG"));

    // A data file from elsewhere names them every way it can.
    const QString noms[] = {"../dehors/x.gif", "..\\dehors\\x.gif", "images/../../x", chemin("dehors/x.gif"),
                            " ../dehors/x.gif ", "x.gif"};
    initialise_paramètres();
    données.nombre_adhérents = 6;
    for (int n = 1; n <= 6; ++n) {
        données.table_adhérents[n].ordre = static_cast<int16>(n);
        données.table_adhérents[n].photo = noms[n - 1];
    }
    données.fichier_logo = noms[3];
    données.nombre_rubriques = 5;
    for (int i = 0; i <= 5; ++i)
        données.images_rubriques[i] = noms[i];
    données.dossier_images = chemin("dehors");
    écrit("programme/reçu.sel", écrit_données(données));
    données = données_sel{};
    ASSERT_TRUE(ouvrir_fichier(chemin("programme/reçu.sel")));
    EXPECT_TRUE(boîtes.messages.empty());

    QStringList lus{données.fichier_logo};
    for (int n = 1; n <= 6; ++n)
        lus << données.table_adhérents[n].photo;
    for (int i = 0; i <= 5; ++i)
        lus << données.images_rubriques[i];
    for (const QString& nom : lus) {
        EXPECT_TRUE(lit_image(nom).isNull()) << nom.toStdString();
        EXPECT_EQ(trouve_fichier_stocké(nom), "") << nom.toStdString();
    }
    // Kept as stored all the same.
    EXPECT_EQ(données.table_adhérents[2].photo, "..\\dehors\\x.gif");
    EXPECT_EQ(données.dossier_images, chemin("dehors"));
    données.dossier_images = "/etc";
    EXPECT_EQ(trouve_fichier_stocké("C:\\passwd"), "");

    // The program's own copy of a picture is still found by its name.
    ASSERT_TRUE(rouge.save(chemin("programme/images/X.GIF"), "PNG"));
    EXPECT_EQ(trouve_fichier_stocké("..\\dehors\\x.gif"), chemin("programme/images/X.GIF"));
    EXPECT_EQ(lit_image("../dehors/x.gif").size(), QSize(4, 4));

    // The picture chooser takes only what the program can show afterwards.
    boîtes.fichiers = {chemin("dehors/x.gif"), chemin("programme/images/X.GIF")};
    EXPECT_EQ(choisit_image(), "");
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Cette image est hors du dossier du programme"));
    EXPECT_EQ(choisit_image(), chemin("programme/images/X.GIF"));
    EXPECT_EQ(boîtes.messages.size(), 1u);
}
