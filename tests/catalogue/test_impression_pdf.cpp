#include "catalogue/catalogue_essai.h"
#include "catalogue/composition.h"
#include "catalogue/construction.h"
#include "catalogue/impression_catalogue.h"
#include "support/jeu_essai.h"
#include "ui_common/surface_apercu.h"
#include "ui_common/surface_imprimante.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

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
        // To a file, nothing asked but the closing question: no pause between
        // the sides of a sheet, whose both passes go in the file.
        boîtes.réponses = {rép_non};
        EXPECT_EQ(imprime_catalogue(papier, gg(), page_à_page, !imprime_dans_un_fichier(pdf)),
                  issue_impression::terminée);
        EXPECT_EQ(boîtes.messages.size(), 1u);
        for (const auto& m : boîtes.messages)
            EXPECT_TRUE(m.texte.startsWith("Vous venez d'éditer le catalogue,")) << m.texte.toStdString();
        return pages_pdf();
    }
    int nombre_pages_pdf() const
    {
        QProcess info;
        info.start("pdfinfo", {chemin("catalogue.pdf")});
        info.waitForFinished();
        const QString sortie = QString::fromUtf8(info.readAllStandardOutput());
        return sortie.section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
    }
    // The text of page i, from 1.
    QString page_pdf(int i) const
    {
        QProcess texte;
        texte.start("pdftotext",
                    {"-layout", "-f", QString::number(i), "-l", QString::number(i), chemin("catalogue.pdf"), "-"});
        texte.waitForFinished();
        return QString::fromUtf8(texte.readAllStandardOutput());
    }
    QStringList pages_pdf() const
    {
        QStringList pages;
        for (int i = 1, n = nombre_pages_pdf(); i <= n; ++i)
            pages << page_pdf(i);
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
    // 5000 members, 3000 offers and requests in fifty sections, with what a
    // new file sets (the contents' size among it).
    void association_complète()
    {
        données = données_sel{};
        initialise_paramètres();
        remplit_association_essai(données, {5000, 3000, 10, 491});
        données_sel& d = données;
        d.type_catalogue = 1;
        d.cat_classement[1] = 1;
        d.cat_niveau_rubrique[1] = 1;
        d.cat_écrire_offre[1] = 1;
        d.cat_sous_rubriques[1] = 1;
        d.cat_sommaire[1] = 1;
    }
    // The text of every sheet side's left or right half, in order.
    QStringList moitiés_pdf(bool droite) const
    {
        QProcess texte;
        texte.start("pdftotext", {"-layout", "-x", droite ? "421" : "0", "-y", "0", "-W", "421", "-H", "595",
                                  chemin("catalogue.pdf"), "-"});
        texte.waitForFinished();
        QStringList moitiés = QString::fromUtf8(texte.readAllStandardOutput()).split('\f');
        moitiés.removeLast();  // after the last page's form feed
        return moitiés;
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
    // The symbols through the symbol table: the child's "J" is the smiling face.
    EXPECT_TRUE(dans_l_ordre(pages[0], {QString(QChar(0x263A)), "= Enfant"}));
    EXPECT_FALSE(pages[0].contains("J= Enfant"));
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

TEST_F(catalogue_pdf, association_complète_avec_la_liste_des_adhérents)
{
    association_complète();
    données_sel& d = données;
    d.cat_liste_adhérents[1] = 1;
    d.cat_format[1] = 0;
    pdf.setPageOrientation(QPageLayout::Portrait);
    surface_imprimante papier(pdf);
    prépare_catalogue(gg(), papier);
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_TRUE(affichage_cat.aperçu_actif);
    const int pages = dernière_page_catalogue + 1;
    ASSERT_GT(pages, 60);
    // Built again, the same pages.
    const std::vector<int16> premières_pages = page_rubrique;
    prépare_catalogue(gg(), papier);
    EXPECT_EQ(dernière_page_catalogue + 1, pages);
    EXPECT_EQ(page_rubrique, premières_pages);

    // Every listed member has a page, past the content pages, in list order.
    ASSERT_GT(liste_adh.size(), 2000u);
    int16 précédente = pages_liste_adhérents[0];
    for (std::size_t k = 1; k < liste_adh.size(); ++k) {
        const int n = liste_adh[k].texte.toInt();
        ASSERT_LT(static_cast<std::size_t>(n), pages_liste_adhérents.size());
        const int16 p = pages_liste_adhérents[static_cast<std::size_t>(n)];
        ASSERT_GE(p, précédente) << k;
        ASSERT_LE(p, dernière_page_catalogue) << k;
        précédente = p;
    }
    EXPECT_EQ(précédente, dernière_page_catalogue);
    // Every row has its page, pages in order (the closing row excepted).
    ASSERT_GE(page_ligne_catalogue.size(), static_cast<std::size_t>(gg().Rows()));
    for (int r = 2; r < gg().Rows() - 1; ++r) {
        ASSERT_GE(page_ligne_catalogue[static_cast<std::size_t>(r)],
                  page_ligne_catalogue[static_cast<std::size_t>(r - 1)])
            << r;
    }

    // Every page previewed, the last member-list page with its members.
    surface_aperçu aperçu;
    cible_page cible = cible_aperçu(aperçu, papier);
    for (int p = 0; p < pages; ++p)
        aperçu_page(cible, gg(), p);
    EXPECT_TRUE(boîtes.messages.empty());
    const QImage& dernière = aperçu.image();
    int encre = 0;
    for (int y = 0; y < dernière.height(); y += 4)
        for (int x = 0; x < dernière.width(); x += 4)
            encre += dernière.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(encre, 200);

    // Printed to a PDF file: one page a catalogue page, the last listed
    // member on the last one.
    boîtes.réponses = {rép_non};
    EXPECT_EQ(imprime_catalogue(papier, gg(), true, !imprime_dans_un_fichier(pdf)), issue_impression::terminée);
    ASSERT_EQ(nombre_pages_pdf(), pages);
    const int dernier = d.table_adhérents[static_cast<std::size_t>(liste_adh.back().données)].ordre;
    const adhérent& membre = d.table_adhérents[static_cast<std::size_t>(liste_adh.back().données)];
    EXPECT_TRUE(dans_l_ordre(page_pdf(pages), {membre.identifiant.trimmed(), QStringLiteral("- %1 -").arg(pages - 1)}))
        << dernier;
    EXPECT_TRUE(dans_l_ordre(page_pdf(1), {"Catalogue", "SOMMAIRE", "Rubrique 1", "Rubrique 50", "Signification"}));
}

TEST_F(catalogue_pdf, livret_de_l_association_complète_sans_titre_en_bas_de_page)
{
    // As a new file prints it: half-A4 booklet, section pictures (missing
    // here: their names in the room kept), no contents size chosen.
    association_complète();
    pdf.setPageOrientation(QPageLayout::Landscape);
    surface_imprimante papier(pdf);
    prépare_catalogue(gg(), papier);
    const int pages = dernière_page_catalogue + 1;
    ASSERT_GT(pages, 100);
    // Only the closing question: the contents of fifty sections hold on the
    // title page, and a file needs no pause between the two sides.
    boîtes.réponses = {rép_non};
    ASSERT_EQ(imprime_catalogue(papier, gg(), false, false), issue_impression::terminée);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Vous venez d'éditer")) << boîtes.messages[0].texte.toStdString();

    const ordre_feuilles ordre = ordre_livret(pages);
    std::vector<face_feuille> faces = ordre.recto;
    faces.insert(faces.end(), ordre.verso.begin(), ordre.verso.end());
    const QStringList gauches = moitiés_pdf(false), droites = moitiés_pdf(true);
    ASSERT_EQ(gauches.size(), static_cast<qsizetype>(faces.size()));
    ASSERT_EQ(droites.size(), gauches.size());
    EXPECT_TRUE(dans_l_ordre(droites[static_cast<qsizetype>(faces.size()) - 1],
                             {"Catalogue", "SOMMAIRE", "Rubrique 1", "Rubrique 50", "Signification"}));

    // No page ends with a title or a label: each has its first entry under it.
    const QRegularExpression titre(QStringLiteral("^(Rubrique \\d+|Sous-rubrique [\\d.]+|Offre\\(s\\)|Demande\\(s\\))$"));
    QStringList orphelins;
    int lues = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        for (const auto& [p, texte] : {std::pair{faces[i].gauche, gauches[static_cast<qsizetype>(i)]},
                                       std::pair{faces[i].droite, droites[static_cast<qsizetype>(i)]}}) {
            if (p < 1 || p >= pages)
                continue;
            QStringList lignes;
            for (const QString& l : texte.split('\n'))
                if (!l.trimmed().isEmpty() && l.trimmed() != texte_numéro_page(p))
                    lignes << l.trimmed();
            ASSERT_FALSE(lignes.isEmpty()) << p;
            ++lues;
            if (titre.match(lignes.last()).hasMatch())
                orphelins << QStringLiteral("%1: %2").arg(p).arg(lignes.last());
        }
    }
    EXPECT_EQ(lues, pages - 1);
    EXPECT_TRUE(orphelins.isEmpty()) << orphelins.size() << " pages: " << orphelins.join(", ").toStdString();
}

}  // namespace
