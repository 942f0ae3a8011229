#pragma once
// The on-screen preview: a page surface that paints each page into a picture
// at screen resolution, for a window to show. Measures are taken on that
// picture, so that what is previewed is laid out as it is drawn.
#include "ui_common/surface.h"

#include <QFontMetricsF>
#include <optional>

class surface_aperçu : public surface_page {
public:
    // A sheet of `feuille` twips (portrait), painted at points_par_pouce
    // pixels per inch.
    explicit surface_aperçu(QSizeF feuille = QSizeF(largeur_a4, hauteur_a4), double points_par_pouce = 96);

    // The page being drawn, and every page of the document so far.
    const QImage& image() const { return pages_.back(); }
    const std::vector<QImage>& pages() const { return pages_; }
    double unités_par_twip() const { return points_par_pouce_ / twips_par_pouce; }

    QPageLayout::Orientation Orientation() const override { return orientation_; }
    // Applies to the pages started afterwards, and to the current one while
    // nothing is drawn on it.
    void setOrientation(QPageLayout::Orientation orientation) override;

protected:
    double largeur_ligne(const QString& ligne, const police_page& police) const override;
    double interligne(const police_page& police) const override;
    QSizeF taille_page() const override;
    void pose(élément_page élément) override;
    void page_suivante() override;
    bool termine_document() override;
    void annule_document() override;

private:
    QImage page_blanche() const;
    const QFontMetricsF& mesure(const police_page& police) const;

    QSizeF feuille_;
    double points_par_pouce_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    std::vector<QImage> pages_;
    bool page_vierge_ = true;
    mutable police_page police_mesurée_;
    mutable std::optional<QFontMetricsF> mesure_;
};
