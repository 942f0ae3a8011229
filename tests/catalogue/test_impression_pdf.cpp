#include "catalogue/catalogue_essai.h"
#include "catalogue/construction.h"
#include "catalogue/impression_catalogue.h"
#include "ui_common/surface_imprimante.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>

namespace {

// The small association's catalogue printed to a PDF file as the preview's
// print button does, then read back with pdftotext page by page.
class catalogue_pdf : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        petite_association();
        données.type_catalogue = 1;
        données.cat_classement[1] = 1;
        données.cat_sommaire[1] = 1;
        données.cat_liste_adhérents[1] = 1;
        données.cat_rubriques_images[1] = 0;
        données.cat_écrire_offre[1] = 1;
        données.cat_numéro[1] = 12;
        données.cat_date[1] = "15/09/2025";
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(chemin("catalogue.pdf"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
    }
    // Prepares and prints in the given format and order; the PDF's pages.
    QStringList imprime(int format, bool page_à_page)
    {
        données.cat_format[1] = static_cast<int16>(format);
        pdf.setPageOrientation(format == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
        surface_imprimante papier(pdf);
        prépare_catalogue(gg(), papier);
        boîtes.réponses = {rép_ok, rép_non};
        EXPECT_EQ(imprime_catalogue(papier, gg(), page_à_page, !imprime_dans_un_fichier(pdf)),
                  issue_impression::terminée);
        return pages_pdf();
    }
    QStringList pages_pdf() const
    {
        QProcess info;
        info.start("pdfinfo", {chemin("catalogue.pdf")});
        info.waitForFinished();
        const QString sortie = QString::fromUtf8(info.readAllStandardOutput());
        const int n = sortie.section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
        QStringList pages;
        for (int i = 1; i <= n; ++i) {
            QProcess texte;
            texte.start("pdftotext", {"-layout", "-f", QString::number(i), "-l", QString::number(i),
                                      chemin("catalogue.pdf"), "-"});
            texte.waitForFinished();
            pages << QString::fromUtf8(texte.readAllStandardOutput());
        }
        return pages;
    }
    // The texts appear on the page in this order (blanks left out: the
    // reader does not keep them all).
    static ::testing::AssertionResult dans_l_ordre(QString page, const QStringList& textes)
    {
        page.remove(' ');
        qsizetype depuis = 0;
        for (QString t : textes) {
            t.remove(' ');
            const qsizetype i = page.indexOf(t, depuis);
            if (i < 0)
                return ::testing::AssertionFailure() << "\"" << t.toStdString() << "\" missing or out of order in\n"
                                                     << page.toStdString();
            depuis = i + t.size();
        }
        return ::testing::AssertionSuccess();
    }
    QPrinter pdf{QPrinter::HighResolution};
};

TEST_F(catalogue_pdf, pages_dans_l_ordre_de_lecture)
{
    const QStringList pages = imprime(0, true);
    ASSERT_EQ(pages.size(), dernière_page_catalogue + 1);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(dans_l_ordre(pages[0], {"Catalogue", "Numéro", "12", "du", "15/09/2025", "SOMMAIRE", "Pages",
                                        "ALIMENTATION", "01", "JARDIN", "01", "Signification des symboles utilisés:",
                                        "= produit", "= service", "= savoir", "= Enfant", "= Adulte"}));
    EXPECT_FALSE(pages[0].contains("- 0 -"));
    EXPECT_TRUE(dans_l_ordre(pages[1], {"ALIMENTATION", "Offre(s)", "0101", "Miel", "Bastien", "Confiseries",
                                        "Demande(s)", "0111", "Confiture", "Annick", "Fruits", "Offre(s)", "0121",
                                        "Pommes", "Annick", "JARDIN", "Demande(s)", "0201", "Bêche", "Bastien",
                                        "- 1 -"}));
    EXPECT_TRUE(dans_l_ordre(pages[2], {"Les adhérents :", "7", "Annick", "06 7", "5", "Bastien", "06 5", "- 2 -"}));
    EXPECT_FALSE(pages[2].contains("Chloé"));
}

TEST_F(catalogue_pdf, livret_dans_l_ordre_d_assemblage)
{
    const QStringList pages = imprime(1, false);
    const ordre_feuilles ordre = ordre_livret(dernière_page_catalogue + 1);
    std::vector<face_feuille> faces = ordre.recto;
    faces.insert(faces.end(), ordre.verso.begin(), ordre.verso.end());
    ASSERT_EQ(pages.size(), static_cast<qsizetype>(faces.size()));
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const QString& page = pages[static_cast<qsizetype>(i)];
        for (const int p : {faces[i].gauche, faces[i].droite}) {
            if (p == 0)
                EXPECT_TRUE(page.contains("SOMMAIRE")) << i;
            else
                EXPECT_TRUE(dans_l_ordre(page, {QStringLiteral("- %1 -").arg(p)})) << i << " " << p;
        }
    }
}

}  // namespace
