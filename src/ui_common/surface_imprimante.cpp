#include "ui_common/surface_imprimante.h"

#include "data/dialogues.h"
#include "data/fichiers.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

QPrinter* l_imprimante = nullptr;
QPageLayout::Orientation orientation_initiale = QPageLayout::Portrait;

// The printer goes with the application object, before the platform it
// depends on is torn down.
void libère_imprimante()
{
    delete l_imprimante;
    l_imprimante = nullptr;
}

}  // namespace

QPrinter& imprimante()
{
    if (!l_imprimante) {
        l_imprimante = new QPrinter(QPrinter::HighResolution);
        l_imprimante->setFullPage(true);
        orientation_initiale = l_imprimante->pageLayout().orientation();
        qAddPostRoutine(libère_imprimante);
    }
    return *l_imprimante;
}

void rend_orientation_imprimante()
{
    if (!l_imprimante)
        return;
    QPageLayout page = l_imprimante->pageLayout();
    page.setOrientation(orientation_initiale);
    l_imprimante->setPageLayout(page);
}

bool imprime_dans_un_fichier(const QPrinter& imprimante)
{
    return imprimante.outputFormat() == QPrinter::PdfFormat && !imprimante.outputFileName().isEmpty();
}

namespace {

// PDF output with no file yet: Qt's printer when none is installed.
bool sortie_sans_fichier(const QPrinter& imprimante)
{
    return imprimante.outputFormat() == QPrinter::PdfFormat && imprimante.outputFileName().isEmpty();
}

// A painter that could not begin on a PDF printer may leave it active: it
// would then refuse every new file name for the rest of the run. A change of
// PDF version makes Qt build a fresh engine with the same settings: set to
// another one and back (the same version again changes nothing).
void rétablit_imprimante(QPrinter& imprimante)
{
    if (imprimante.outputFormat() != QPrinter::PdfFormat || imprimante.printerState() == QPrinter::Idle)
        return;
    const QPrinter::PdfVersion version = imprimante.pdfVersion();
    imprimante.setPdfVersion(version == QPrinter::PdfVersion_1_4 ? QPrinter::PdfVersion_1_6
                                                                  : QPrinter::PdfVersion_1_4);
    imprimante.setPdfVersion(version);
}

}  // namespace

surface_imprimante::surface_imprimante(QPrinter& imprimante) : imprimante_(imprimante)
{
    imprimante_.setFullPage(true);
}

surface_imprimante::~surface_imprimante()
{
    if (!pages_.empty())
        termine_document();
    if (!suite_.empty())
        envoie(std::move(suite_));
}

QPageLayout::Orientation surface_imprimante::Orientation() const
{
    return imprimante_.pageLayout().orientation();
}

void surface_imprimante::setOrientation(QPageLayout::Orientation orientation)
{
    imprimante_.setPageOrientation(orientation);
}

const QFontMetricsF& surface_imprimante::mesure(const police_page& police) const
{
    if (!mesure_ || police_mesurée_ != police) {
        mesure_.emplace(police_qt(police), &imprimante_);
        police_mesurée_ = police;
    }
    return *mesure_;
}

double surface_imprimante::largeur_ligne(const QString& ligne, const police_page& police) const
{
    auto face = std::find_if(avances_.begin(), avances_.end(), [&](const avances_police& a) { return a.police == police; });
    if (face == avances_.end())
        face = avances_.insert(avances_.end(), {police, {}});
    auto avance = face->avances.constFind(ligne);
    if (avance == face->avances.cend())
        avance = face->avances.insert(ligne, mesure(police).horizontalAdvance(ligne));
    return *avance * twips_par_pouce / imprimante_.resolution();
}

double surface_imprimante::interligne(const police_page& police) const
{
    return mesure(police).lineSpacing() * twips_par_pouce / imprimante_.resolution();
}

QSizeF surface_imprimante::taille_page() const
{
    return imprimante_.pageLayout().fullRect(QPageLayout::Millimeter).size() * (twips_par_pouce / 25.4);
}

void surface_imprimante::pose(élément_page élément)
{
    if (pages_.empty())
        pages_.emplace_back();
    pages_.back().push_back(std::move(élément));
}

void surface_imprimante::page_suivante()
{
    if (pages_.empty())
        pages_.emplace_back();
    pages_.emplace_back();
}

bool surface_imprimante::termine_document()
{
    erreur_.clear();
    std::vector<page_dessinée> pages = std::move(pages_);
    pages_.clear();
    if (pages.empty())
        return true;
    if (!sortie_choisie())
        return false;
    if (en_suite() && imprime_dans_un_fichier(imprimante_)) {
        suite_.insert(suite_.end(), std::make_move_iterator(pages.begin()), std::make_move_iterator(pages.end()));
        return true;
    }
    return envoie(std::move(pages));
}

bool surface_imprimante::envoie_suite()
{
    erreur_.clear();
    sortie_refusée_ = false;
    std::vector<page_dessinée> pages = std::move(suite_);
    suite_.clear();
    return envoie(std::move(pages));
}

bool surface_imprimante::sortie_choisie()
{
    if (!sortie_sans_fichier(imprimante_))
        return true;
    if (sortie_refusée_)
        return false;
    // The printer may still be held by an earlier failed print: the choice
    // made now must take.
    rétablit_imprimante(imprimante_);
    if (dialogues().réglage_imprimante(imprimante_) && !sortie_sans_fichier(imprimante_))
        return true;
    erreur_ = QStringLiteral("Choisissez d'abord l'imprimante ou le fichier PDF");
    MsgBox(erreur_, style_boîte::exclamation);
    // The other documents of the run are dropped without asking again.
    sortie_refusée_ = en_suite();
    return false;
}

bool surface_imprimante::envoie(std::vector<page_dessinée> pages)
{
    if (pages.empty())
        return true;
    QPainter peintre;
    if (!peintre.begin(&imprimante_)) {
        rétablit_imprimante(imprimante_);
        if (imprime_dans_un_fichier(imprimante_))
            erreur_ = description_erreur_fichier(imprimante_.outputFileName(), true);
        else if (imprimante_.printerName().isEmpty())
            erreur_ = QStringLiteral("Aucune imprimante n'est installée.");
        else
            erreur_ = QStringLiteral("L'imprimante %1 n'a pas accepté le document.").arg(imprimante_.printerName());
        MsgBox(erreur_, style_boîte::critique);
        return false;
    }
    const double unités_par_twip = imprimante_.resolution() / twips_par_pouce;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0)
            imprimante_.newPage();
        for (const élément_page& é : pages[n])
            dessine_élément(peintre, é, unités_par_twip);
    }
    peintre.end();
    return true;
}

void surface_imprimante::annule_document()
{
    pages_.clear();
}
