#include "ui_common/surface_apercu.h"

#include <QPainter>
#include <cmath>

surface_aperçu::surface_aperçu(QSizeF feuille, double points_par_pouce)
    : feuille_(feuille), points_par_pouce_(points_par_pouce)
{
    pages_.push_back(page_blanche());
}

QImage surface_aperçu::page_blanche() const
{
    const QSizeF twips = taille_page();
    const QSize pixels(std::max(1, static_cast<int>(std::lround(twips.width() * unités_par_twip()))),
                       std::max(1, static_cast<int>(std::lround(twips.height() * unités_par_twip()))));
    QImage page(pixels, QImage::Format_RGB32);
    const int points_par_mètre = static_cast<int>(std::lround(points_par_pouce_ / 0.0254));
    page.setDotsPerMeterX(points_par_mètre);
    page.setDotsPerMeterY(points_par_mètre);
    page.fill(Qt::white);
    return page;
}

void surface_aperçu::setOrientation(QPageLayout::Orientation orientation)
{
    orientation_ = orientation;
    if (page_vierge_)
        pages_.back() = page_blanche();
}

const QFontMetricsF& surface_aperçu::mesure(const police_page& police) const
{
    if (!mesure_ || police_mesurée_ != police) {
        mesure_.emplace(police_qt(police), &pages_.back());
        police_mesurée_ = police;
    }
    return *mesure_;
}

double surface_aperçu::largeur_ligne(const QString& ligne, const police_page& police) const
{
    return mesure(police).horizontalAdvance(ligne) / unités_par_twip();
}

double surface_aperçu::interligne(const police_page& police) const
{
    return mesure(police).lineSpacing() / unités_par_twip();
}

QSizeF surface_aperçu::taille_page() const
{
    return orientation_ == QPageLayout::Landscape ? feuille_.transposed() : feuille_;
}

void surface_aperçu::pose(élément_page élément)
{
    // One painter per element: the window may copy the picture at any time.
    QPainter peintre(&pages_.back());
    peintre.setRenderHint(QPainter::TextAntialiasing);
    dessine_élément(peintre, élément, unités_par_twip());
    page_vierge_ = false;
}

void surface_aperçu::page_suivante()
{
    pages_.push_back(page_blanche());
    page_vierge_ = true;
}

bool surface_aperçu::termine_document()
{
    return true;
}

void surface_aperçu::annule_document()
{
    pages_.assign(1, page_blanche());
    page_vierge_ = true;
}
