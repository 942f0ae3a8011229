#include "ui_common/grille_vue.h"

#include "data/valeurs.h"
#include "ui_common/surface.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <cmath>
#include <utility>

// ---------------------------------------------------------------- units

double twips_par_pixel(const QScreen& écran)
{
    const double ppp = écran.logicalDotsPerInchX();
    return ppp > 0 ? 1440.0 / ppp : 15.0;
}

double twips_par_pixel()
{
    const QScreen* écran = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                               ? QGuiApplication::primaryScreen()
                               : nullptr;
    return écran ? twips_par_pixel(*écran) : 15.0;
}

int twips_en_pixels(double twips) { return static_cast<int>(std::lround(twips / twips_par_pixel())); }

int pixels_en_twips(int pixels) { return static_cast<int>(std::lround(pixels * twips_par_pixel())); }

QFont police_qt(const police_grille& p)
{
    QFont f(p.nom);
    f.setPointSizeF(p.taille);
    f.setBold(p.gras);
    f.setItalic(p.italique);
    return f;
}

namespace {

// The font a cell is shown in. Its text is set glyph after glyph, without
// kerning or ligatures, as the column widths are measured: the cell shows
// exactly the width its column was fitted to, and a screen of cells is set
// without shaping each text.
QFont à_l_échelle(QFont f, double échelle)
{
    if (échelle != 1 && f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * échelle);
    return sans_façonnage(f);
}

}  // namespace

QColor couleur_qt(couleur c)
{
    if (c < 0)
        return {};
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// ---------------------------------------------------------------- model

modele_grille::modele_grille(grille& g, QObject* parent) : QAbstractTableModel(parent), g_(&g)
{
    g.ajoute_observateur(this);
}

modele_grille::~modele_grille()
{
    if (g_)
        g_->retire_observateur(this);
}

int modele_grille::ligne_grille(int ligne_modèle) const { return g_ ? ligne_modèle + g_->FixedRows() : -1; }

int modele_grille::colonne_grille(int colonne_modèle) const
{
    return g_ ? colonne_modèle + g_->FixedCols() : -1;
}

int modele_grille::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !g_)
        return 0;
    return std::max(0, g_->Rows() - g_->FixedRows());
}

int modele_grille::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !g_)
        return 0;
    return std::max(0, g_->Cols() - g_->FixedCols());
}

// While Redraw is off the grid changes without telling the view, which may
// still ask for cells that are gone: those are answered with nothing.
bool modele_grille::dans_le_modèle(const QModelIndex& index) const
{
    return g_ && index.isValid() && index.model() == this && index.row() < rowCount() &&
           index.column() < columnCount();
}

Qt::ItemFlags modele_grille::flags(const QModelIndex& index) const
{
    if (!dans_le_modèle(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

namespace {

Qt::Alignment alignement_qt(int alignement, const QString& texte)
{
    Qt::Alignment h;
    Qt::Alignment v = Qt::AlignVCenter;
    if (alignement == alignement_grille::général) {
        // A number stands alone: "02 98 85 10" is a telephone, not a number.
        const QString t = texte.trimmed();
        h = !t.contains(QLatin1Char(' ')) && est_numérique(t) ? Qt::AlignRight : Qt::AlignLeft;
    } else {
        h = alignement < 3 ? Qt::AlignLeft : (alignement < 6 ? Qt::AlignHCenter : Qt::AlignRight);
        v = alignement % 3 == 0 ? Qt::AlignTop : (alignement % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom);
    }
    return h | v;
}

}  // namespace

QVariant modele_grille::data(const QModelIndex& index, int role) const
{
    if (!dans_le_modèle(index))
        return {};
    const int r = ligne_grille(index.row()), c = colonne_grille(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        // The blanks that pad fixed-width fields show nothing but would push
        // a right-aligned text out of its column.
        QString texte = g_->TextMatrix(r, c);
        while (texte.endsWith(QLatin1Char(' ')))
            texte.chop(1);
        return texte;
    }
    case Qt::FontRole:
        // Cells without a style of their own take the view's font.
        if (g_->a_un_style(r, c))
            return à_l_échelle(police_qt(g_->police_cellule(r, c)), échelle_);
        return {};
    case Qt::BackgroundRole:
        if (const couleur f = g_->CellBackColor(r, c); f != couleur_défaut)
            return couleur_qt(f);
        return {};
    case Qt::ForegroundRole:
        if (const couleur e = g_->CellForeColor(r, c); e != couleur_défaut)
            return couleur_qt(e);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignement_qt(g_->ColAlignment(c), g_->TextMatrix(r, c)));
    default:
        return {};
    }
}

QVariant modele_grille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!g_ || role != Qt::DisplayRole || section < 0)
        return {};
    QStringList textes;
    if (orientation == Qt::Horizontal) {
        const int c = colonne_grille(section);
        if (c >= g_->Cols())
            return {};
        for (int r = 0; r < g_->FixedRows(); ++r)
            textes << g_->TextMatrix(r, c);
        return textes.join(QLatin1Char('\n'));
    }
    const int r = ligne_grille(section);
    if (r >= g_->Rows())
        return {};
    for (int c = 0; c < g_->FixedCols(); ++c)
        textes << g_->TextMatrix(r, c);
    return textes.join(QLatin1Char(' '));
}

void modele_grille::avant_structure() { beginResetModel(); }

void modele_grille::après_structure() { endResetModel(); }

void modele_grille::cellules_changées(int r1, int c1, int r2, int c2)
{
    if (!g_)
        return;
    const int lf = g_->FixedRows(), cf = g_->FixedCols();
    // Cells of the fixed rows and columns are header texts.
    if (r1 < lf && c2 >= cf)
        Q_EMIT headerDataChanged(Qt::Horizontal, std::max(c1, cf) - cf, c2 - cf);
    if (c1 < cf && r2 >= lf)
        Q_EMIT headerDataChanged(Qt::Vertical, std::max(r1, lf) - lf, r2 - lf);
    if (r2 >= lf && c2 >= cf)
        Q_EMIT dataChanged(index(std::max(r1, lf) - lf, std::max(c1, cf) - cf), index(r2 - lf, c2 - cf));
}

void modele_grille::géométrie_changée()
{
    // Styled cells merge the grid's font into theirs.
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
    Q_EMIT geometrie_modifiee();
}

void modele_grille::fixe_échelle(double échelle)
{
    if (échelle == échelle_)
        return;
    échelle_ = échelle;
    géométrie_changée();
}

void modele_grille::sélection_changée() { Q_EMIT selection_modifiee(); }

void modele_grille::affichage_changé() { Q_EMIT affichage_modifie(); }

void modele_grille::grille_détruite()
{
    // A grid that lives as long as the program may go after the application:
    // there is nobody to tell any more.
    if (!QCoreApplication::instance()) {
        g_ = nullptr;
        return;
    }
    beginResetModel();
    g_ = nullptr;
    endResetModel();
}

// ---------------------------------------------------------------- view

vue_grille::vue_grille(grille& g, QWidget* parent) : QTableView(parent), modèle_(new modele_grille(g, this))
{
    setModel(modèle_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // A text wider than its column is cut at the column's edge, as the grid
    // has always shown it: an ellipsis would hide more of it.
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    horizontalHeader()->setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    connect(modèle_, &modele_grille::geometrie_modifiee, this, &vue_grille::applique_géométrie);
    connect(modèle_, &modele_grille::selection_modifiee, this, &vue_grille::applique_sélection);
    connect(modèle_, &modele_grille::affichage_modifie, this, &vue_grille::applique_affichage);
    connect(modèle_, &QAbstractItemModel::modelReset, this, [this] {
        applique_géométrie();
        applique_sélection();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &vue_grille::sélection_vue_changée);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &vue_grille::sélection_vue_changée);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &vue_grille::colonne_redimensionnée);

    applique_géométrie();
    applique_sélection();
    applique_affichage();
}

// The table lays its cells out on a timer after a change (a new content, a
// new font), or, when its window paints first, as it is painted: it then
// asks for a second paint of all its cells. Laid out as its window begins
// to paint, it is painted once.
bool vue_grille::event(QEvent* e)
{
    if (e->type() == QEvent::Show || e->type() == QEvent::ParentChange) {
        if (fenêtre_suivie_ != window()) {
            if (fenêtre_suivie_)
                fenêtre_suivie_->removeEventFilter(this);
            fenêtre_suivie_ = window();
            fenêtre_suivie_->installEventFilter(this);
        }
    }
    return QTableView::event(e);
}

bool vue_grille::eventFilter(QObject* o, QEvent* e)
{
    if (o == fenêtre_suivie_ && e->type() == QEvent::UpdateRequest && isVisible())
        executeDelayedItemsLayout();
    return QTableView::eventFilter(o, e);
}

bool vue_grille::viewportEvent(QEvent* e)
{
    // The table repaints all its cells when its window comes to the front or
    // leaves it, for the colours of a selection in a window behind: when the
    // palette draws both alike, there is nothing to repaint.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) &&
        palette().isEqual(QPalette::Active, QPalette::Inactive))
        return QAbstractScrollArea::viewportEvent(e);
    return QTableView::viewportEvent(e);
}

// Likewise when it gains or loses the focus: then only the current cell
// changes, its focus frame.
void vue_grille::focusInEvent(QFocusEvent* e)
{
    // Without a current cell the table chooses one as it comes in.
    if (!currentIndex().isValid() || !palette().isEqual(QPalette::Active, QPalette::Inactive)) {
        QTableView::focusInEvent(e);
        return;
    }
    QAbstractScrollArea::focusInEvent(e);
    setAttribute(Qt::WA_InputMethodEnabled, false);  // nothing is edited in place
    update(currentIndex());
}

void vue_grille::focusOutEvent(QFocusEvent* e)
{
    if (!palette().isEqual(QPalette::Active, QPalette::Inactive)) {
        QTableView::focusOutEvent(e);
        return;
    }
    QAbstractScrollArea::focusOutEvent(e);
    if (currentIndex().isValid())
        update(currentIndex());
}

void vue_grille::fixe_échelle(double échelle)
{
    if (échelle <= 0 || échelle == échelle_)
        return;
    échelle_ = échelle;
    modèle_->fixe_échelle(échelle);  // which lays the view out again
}

int vue_grille::en_pixels(double twips) const
{
    return static_cast<int>(std::lround(twips / twips_par_pixel() * échelle_));
}

void vue_grille::applique_géométrie()
{
    const grille* g = grille_montrée();
    if (!g)
        return;
    const bool avant = std::exchange(synchronise_, true);
    setFont(à_l_échelle(police_qt(g->police()), échelle_));
    const int lf = g->FixedRows(), cf = g->FixedCols();

    int haut = 0, large = 0;
    for (int r = 0; r < lf; ++r)
        haut += g->RowHeight(r);
    for (int c = 0; c < cf; ++c)
        large += g->ColWidth(c);
    horizontalHeader()->setVisible(lf > 0);
    verticalHeader()->setVisible(cf > 0);
    if (lf > 0)
        horizontalHeader()->setFixedHeight(en_pixels(haut));
    if (cf > 0)
        verticalHeader()->setFixedWidth(en_pixels(large));

    // The table answers each resized column or row on a timer, after the
    // paint that follows, by laying itself out and painting the cells beyond
    // again: the sizes go in without that answer, and the table is laid out
    // and painted once, with them.
    // Only when a size changes: a column the user is resizing has its size,
    // and the table's answer to the user must stay.
    struct réponse_du_tableau {
        QHeaderView* entête;
        const char* slot;
        bool essayée = false, détachée = false;
    };
    réponse_du_tableau colonnes{horizontalHeader(), SLOT(columnResized(int, int, int))};
    réponse_du_tableau lignes{verticalHeader(), SLOT(rowResized(int, int, int))};
    auto redimensionne = [this](réponse_du_tableau& r, int section, int px) {
        if (!std::exchange(r.essayée, true))
            r.détachée = disconnect(r.entête, SIGNAL(sectionResized(int, int, int)), this, r.slot);
        r.entête->resizeSection(section, px);
    };
    for (int c = cf; c < g->Cols(); ++c) {
        const int px = en_pixels(g->ColWidth(c));
        if (horizontalHeader()->sectionSize(c - cf) != px)
            redimensionne(colonnes, c - cf, px);
    }
    const int défaut = en_pixels(grille::hauteur_défaut);
    verticalHeader()->setDefaultSectionSize(défaut);
    for (int r = lf; r < g->Rows(); ++r) {
        const int px = en_pixels(g->RowHeight(r));
        if (verticalHeader()->sectionSize(r - lf) != px)
            redimensionne(lignes, r - lf, px);
    }
    for (const réponse_du_tableau& r : {colonnes, lignes})
        if (r.détachée)
            connect(r.entête, SIGNAL(sectionResized(int, int, int)), this, r.slot);
    if (colonnes.essayée || lignes.essayée) {
        updateGeometries();
        viewport()->update();
    }
    synchronise_ = avant;
}

void vue_grille::applique_sélection()
{
    const grille* g = grille_montrée();
    if (!g || synchronise_)
        return;
    const bool avant = std::exchange(synchronise_, true);
    const int lf = g->FixedRows(), cf = g->FixedCols();
    const int r = g->Row() - lf, c = g->Col() - cf;
    if (r >= 0 && c >= 0 && r < modèle_->rowCount() && c < modèle_->columnCount()) {
        const int r1 = std::max(0, std::min(r, g->RowSel() - lf)), r2 = std::max(r, g->RowSel() - lf);
        const int c1 = std::max(0, std::min(c, g->ColSel() - cf)), c2 = std::max(c, g->ColSel() - cf);
        selectionModel()->setCurrentIndex(modèle_->index(g->RowSel() - lf < 0 ? r : g->RowSel() - lf,
                                                         g->ColSel() - cf < 0 ? c : g->ColSel() - cf),
                                          QItemSelectionModel::NoUpdate);
        selectionModel()->select(QItemSelection(modèle_->index(r1, c1), modèle_->index(r2, c2)),
                                 QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clearSelection();
    }
    synchronise_ = avant;
}

void vue_grille::applique_affichage()
{
    const grille* g = grille_montrée();
    if (!g)
        return;
    switch (g->SelectionMode()) {
    case mode_sélection::libre:
        setSelectionBehavior(QAbstractItemView::SelectItems);
        break;
    case mode_sélection::par_ligne:
        setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case mode_sélection::par_colonne:
        setSelectionBehavior(QAbstractItemView::SelectColumns);
        break;
    }
    if (updatesEnabled() != g->Redraw())
        setUpdatesEnabled(g->Redraw());
    // Show again only what was hidden: a view not yet shown waits for its window.
    if (!g->Visible() && !isHidden())
        setVisible(false);
    else if (g->Visible() && isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        setVisible(true);
}

// The flex grid keeps the anchor of a selection in Row/Col and its moving
// end in RowSel/ColSel; Qt's current index is that moving end.
void vue_grille::sélection_vue_changée()
{
    grille* g = grille_montrée();
    const QModelIndex courant = currentIndex();
    if (!g || synchronise_ || !courant.isValid())
        return;
    int ancre_l = courant.row(), ancre_c = courant.column();
    for (const QItemSelectionRange& p : selectionModel()->selection()) {
        if (!p.contains(courant))
            continue;
        ancre_l = courant.row() == p.top() ? p.bottom() : p.top();
        ancre_c = courant.column() == p.left() ? p.right() : p.left();
        break;
    }
    const int lf = g->FixedRows(), cf = g->FixedCols();
    const bool avant = std::exchange(synchronise_, true);
    g->setRow(ancre_l + lf);
    g->setCol(ancre_c + cf);
    g->setRowSel(courant.row() + lf);
    g->setColSel(courant.column() + cf);
    synchronise_ = avant;
}

void vue_grille::colonne_redimensionnée(int section, int, int après)
{
    grille* g = grille_montrée();
    if (!g || synchronise_)
        return;
    const bool avant = std::exchange(synchronise_, true);
    g->setColWidth(section + g->FixedCols(), static_cast<int>(std::lround(après * twips_par_pixel() / échelle_)));
    synchronise_ = avant;
}
