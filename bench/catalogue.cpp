// The catalogue of a full association (3000 offers and requests, 5000
// members, every section and sub-section, the member list inserted) built as
// the catalogue window's "Extraire" does, and paginated again as the
// catalogue menu does after a row is inserted, measured on the printer; then
// every page composed and printed to a PDF file, and every page composed on
// the preview picture.
// Targets: the build with its pagination under 300 ms; a page printed to the
// PDF file under 4 ms (counter "ms", the median of the documents, beside
// "référence", a page of as many lines of plain text), a page previewed under
// 10 ms.
#include "catalogue/cible_page.h"
#include "catalogue/composition.h"
#include "catalogue/construction.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/impression_catalogue.h"
#include "catalogue/mise_en_page.h"
#include "catalogue/styles.h"
#include "data/modele.h"
#include "mesure.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"
#include "ui_common/surface_apercu.h"
#include "ui_common/surface_imprimante.h"
#include "ui_common/vues_tables.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void prépare_association(int type_catalogue)
{
    données = données_sel{};
    initialise_paramètres();
    remplit_association_essai(données, {5000, 3000, 10, 491});
    données_sel& d = données;
    d.type_catalogue = static_cast<int16>(type_catalogue);
    for (std::size_t k = 0; k < 2; ++k) {
        d.cat_classement[k] = 1;
        d.cat_niveau_rubrique[k] = 1;
        d.cat_écrire_offre[k] = 1;
        d.cat_sous_rubriques[k] = 1;
        d.cat_rubriques_images[k] = 0;
        d.cat_liste_adhérents[k] = 1;
        d.cat_sommaire[k] = 1;
        d.cat_format[k] = 0;
    }
    branche_catalogue({[](grille& g, bool décodé) { affiche_offres_demandes(g, décodé); }, {}});
}

// Seconds a page, each iteration doing `pages` pages.
benchmark::Counter par_page(int pages)
{
    return benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void construction(benchmark::State& état, int type_catalogue)
{
    prépare_association(type_catalogue);
    surface_imprimante papier(imprimante());
    for (auto _ : état) {
        prépare_catalogue(gg(), papier);
        benchmark::DoNotOptimize(dernière_page_catalogue);
    }
    état.counters["lignes"] = gg().Rows();
    état.counters["pages"] = dernière_page_catalogue + 1;
    état.counters["membres_listés"] = static_cast<double>(liste_adh.size() - 1);
}
BENCHMARK_CAPTURE(construction, catalogue, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(construction, additif, 0)->Unit(benchmark::kMillisecond);

// What the catalogue menu does after inserting or deleting a row.
void nouvelle_mise_en_page(benchmark::State& état)
{
    prépare_association(1);
    surface_imprimante papier(imprimante());
    prépare_catalogue(gg(), papier);
    for (auto _ : état) {
        enlève_sauts_automatiques(gg());
        mise_en_page_catalogue(gg(), papier);
        applique_styles_catalogue(gg());
    }
    état.counters["lignes"] = gg().Rows();
}
BENCHMARK(nouvelle_mise_en_page)->Unit(benchmark::kMillisecond);

// The reference of a page printed to a PDF file: as many lines of plain
// text as a catalogue page holds, drawn with QPainter in one font, each page
// of one document; milliseconds a page, the median of three documents.
double pdf_de_texte(int pages, int lignes_par_page, const QString& fichier)
{
    std::vector<double> mesures;
    for (int essai = 0; essai < 3; ++essai) {
        QElapsedTimer t;
        t.start();
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(fichier);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter p(&pdf);
        p.setFont(QFont(QStringLiteral("Arial"), 10));
        const int pas = pdf.height() / (lignes_par_page + 2);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                pdf.newPage();
            for (int l = 0; l < lignes_par_page; ++l)
                p.drawText(pdf.width() / 12, pas * (l + 1),
                           QStringLiteral("Ligne %1 de la page %2 : une offre ou une demande, son adhérent").arg(l).arg(page));
        }
        p.end();
        mesures.push_back(ms_depuis(t) / pages);
    }
    return médiane(mesures);
}

// What "Imprime le catalogue" does with a printer that writes a PDF file:
// every page composed from the grid and the page tables, one document.
void impression_pdf(benchmark::State& état)
{
    prépare_association(1);
    // Fifty sections: the contents hold on the title page at 6 points.
    données.taille_sommaire[1] = 6;
    QTemporaryDir dossier;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dossier.filePath(QStringLiteral("catalogue.pdf")));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    surface_imprimante papier(pdf);
    prépare_catalogue(gg(), papier);
    cible_page cible = cible_papier(papier);
    const int pages = dernière_page_catalogue + 1;
    std::vector<double> mesures;
    for (auto _ : état) {
        QElapsedTimer t;
        t.start();
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                papier.NewPage();
            imprime_face(cible, gg(), {p});
        }
        papier.EndDoc();
        mesures.push_back(ms_depuis(t) / pages);
    }
    état.counters["pages"] = pages;
    état.counters["lignes"] = gg().Rows();
    état.counters["par_page"] = par_page(pages);
    const double référence = pdf_de_texte(pages, gg().Rows() / pages, dossier.filePath(QStringLiteral("texte.pdf")));
    compte_rapport(état, mesures, {référence}, 4.0);
}
BENCHMARK(impression_pdf)->Unit(benchmark::kMillisecond)->Iterations(5);

// Every page once on the preview picture, as the preview draws each view.
void aperçu_des_pages(benchmark::State& état)
{
    prépare_association(1);
    données.taille_sommaire[1] = 6;
    surface_imprimante papier(imprimante());
    prépare_catalogue(gg(), papier);
    surface_aperçu aperçu(QSizeF(largeur_a4, hauteur_a4));
    cible_page cible = cible_aperçu(aperçu, papier);
    for (auto _ : état)
        for (int p = 0; p <= dernière_page_catalogue; ++p)
            aperçu_page(cible, gg(), p);
    état.counters["pages"] = dernière_page_catalogue + 1;
    état.counters["par_page"] = par_page(dernière_page_catalogue + 1);
}
BENCHMARK(aperçu_des_pages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    note_charge();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
