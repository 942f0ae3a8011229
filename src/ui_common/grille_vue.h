#pragma once
// Showing a grid on screen: an item model over a grille and a table view
// that follows it (fixed rows and columns as headers, twips turned into
// pixels, fonts, colours, Redraw, Visible and the selection both ways).
// Nothing is computed here; the grid itself stays the reference.
#include "ui_common/grille.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QTableView>

class QScreen;

// Screen twips per pixel (1440 / logical dots per inch; 15 without a screen),
// of the primary screen or of the one given.
double twips_par_pixel();
double twips_par_pixel(const QScreen& écran);
int twips_en_pixels(double twips);
int pixels_en_twips(int pixels);

QFont police_qt(const police_grille& p);
QColor couleur_qt(couleur c);  // invalid for couleur_défaut

// (The two Qt classes below carry ASCII names: moc reads no other.)
//
// Model rows and columns are the grid's non-fixed ones; the fixed rows give
// the horizontal header texts and the fixed columns the vertical ones.
class modele_grille : public QAbstractTableModel, private observateur_grille {
    Q_OBJECT
public:
    explicit modele_grille(grille& g, QObject* parent = nullptr);
    ~modele_grille() override;

    grille* grille_montrée() const { return g_; }
    // The cells' own fonts are drawn this many times their size.
    void fixe_échelle(double échelle);
    int ligne_grille(int ligne_modèle) const;
    int colonne_grille(int colonne_modèle) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    void geometrie_modifiee();
    void selection_modifiee();
    void affichage_modifie();

private:
    void avant_structure() override;
    void après_structure() override;
    void cellules_changées(int r1, int c1, int r2, int c2) override;
    void géométrie_changée() override;
    void sélection_changée() override;
    void affichage_changé() override;
    void grille_détruite() override;
    bool dans_le_modèle(const QModelIndex& index) const;

    grille* g_;
    double échelle_ = 1;
};

class vue_grille : public QTableView {
    Q_OBJECT
public:
    explicit vue_grille(grille& g, QWidget* parent = nullptr);

    grille* grille_montrée() const { return modèle_->grille_montrée(); }
    modele_grille* modèle() const { return modèle_; }

    // The grid drawn larger or smaller than its own sizes, with the window
    // that holds it: fonts, column widths and row heights alike.
    void fixe_échelle(double échelle);
    double échelle() const { return échelle_; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void applique_géométrie();
    void applique_sélection();
    void applique_affichage();
    void sélection_vue_changée();
    void colonne_redimensionnée(int section, int avant, int après);

    int en_pixels(double twips) const;

    modele_grille* modèle_;
    QPointer<QWidget> fenêtre_suivie_;
    double échelle_ = 1;
    bool synchronise_ = false;  // the view is being set from the grid, or the reverse
};
