#pragma once
// A page surface that draws nothing and remembers everything, with fixed
// metrics so that positions can be checked to the twip:
//   - width of a line of text: its number of characters x FontSize x 12
//     (10 points: 12 characters per inch), whatever the font's name or style;
//   - line spacing (TextHeight): FontSize x 24 (10 points: 6 lines per inch);
//   - the sheet: A4 portrait (11906 x 16838 twips) unless given.
// Font sizes are kept as set.
#include "ui_common/surface.h"

class surface_enregistrée : public surface_page {
public:
    static constexpr double largeur_caractère_par_point = 12;
    static constexpr double interligne_par_point = 24;

    explicit surface_enregistrée(QSizeF feuille = QSizeF(largeur_a4, hauteur_a4));

    // Pages of the document in progress (empty before anything is drawn).
    const std::vector<page_dessinée>& pages() const { return pages_; }
    // Documents ended by EndDoc, in order, and the count of those cancelled.
    const std::vector<std::vector<page_dessinée>>& documents() const { return documents_; }
    int documents_annulés() const { return annulés_; }

    // What page n (from 0) of the document in progress holds, by kind.
    std::vector<texte_posé> textes(std::size_t page) const;
    std::vector<trait_posé> traits(std::size_t page) const;
    std::vector<image_posée> images(std::size_t page) const;

    QPageLayout::Orientation Orientation() const override { return orientation_; }
    void setOrientation(QPageLayout::Orientation orientation) override { orientation_ = orientation; }

protected:
    double largeur_ligne(const QString& ligne, const police_page& police) const override;
    double interligne(const police_page& police) const override;
    QSizeF taille_page() const override;
    void pose(élément_page élément) override;
    void page_suivante() override;
    bool termine_document() override;
    void annule_document() override;

private:
    QSizeF feuille_;  // portrait
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    std::vector<page_dessinée> pages_;
    std::vector<std::vector<page_dessinée>> documents_;
    int annulés_ = 0;
};
