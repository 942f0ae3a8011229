#pragma once
// The grid: the program's working table. Archiving, import, purge and the
// catalogue all compute through the general grid, often while it is hidden,
// so the grid is a plain model (rows of texts plus their attributes) with the
// behaviour of the classic flex grid; grille_vue.h only shows it.
//
// Indexes start at 0; widths and heights are in twips (1440 per inch).
// Reading or writing outside the grid throws erreur_grille.
#include <QCollatorSortKey>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

class QCollator;

struct erreur_grille : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Colour in the classic long form &H00BBGGRR (65280 is green, 255 is red).
using couleur = std::int32_t;
inline constexpr couleur couleur_défaut = -1;  // no colour of its own: the grid's
constexpr couleur couleur_rgb(int r, int g, int b) { return r + g * 256 + b * 65536; }

// What the grid holds, so that a conversion back into the tables can refuse a
// form it cannot read.
enum class forme_grille { vide, codée, décodée, importée, catalogue };

// ColAlignment values of the flex grid.
namespace alignement_grille {
inline constexpr int gauche_haut = 0, gauche_centre = 1, gauche_bas = 2, centre_haut = 3, centre_centre = 4,
                     centre_bas = 5, droite_haut = 6, droite_centre = 7, droite_bas = 8,
                     général = 9;  // texts on the left, numbers on the right
}

// SelectionMode values of the flex grid.
enum class mode_sélection { libre = 0, par_ligne = 1, par_colonne = 2 };

// Sort codes of the flex grid.
namespace tri_grille {
inline constexpr int aucun = 0, générique_croissant = 1, générique_décroissant = 2, numérique_croissant = 3;
}

// The order of texts in a generic sort: French, without regard to case.
// Every list the program keeps sorted by name uses it too.
const QCollator& collation_française();
// The text's sort key under that collation. Keys are kept once made: the
// same names are sorted at every opening of a window that lists them, and
// a key costs some microseconds to make.
QCollatorSortKey clé_à_la_française(const QString& texte);

// The indexes of the texts in that order, equal texts keeping their order;
// each text's collation key is made once, not at each comparison.
std::vector<std::size_t> ordre_à_la_française(const std::vector<QString>& textes);

// Sorts the items by their texts in that order.
template <class T, class Texte>
void trie_à_la_française(std::vector<T>& éléments, Texte texte_de)
{
    std::vector<QString> textes;
    textes.reserve(éléments.size());
    for (const T& e : éléments)
        textes.push_back(texte_de(e));
    std::vector<T> triés;
    triés.reserve(éléments.size());
    for (const std::size_t i : ordre_à_la_française(textes))
        triés.push_back(std::move(éléments[i]));
    éléments = std::move(triés);
}

struct police_grille {
    QString nom = QStringLiteral("MS Sans Serif");
    float taille = 8.25f;
    bool gras = false;
    bool italique = false;
    bool operator==(const police_grille&) const = default;
};

class grille;

// Told of every change of a grid it is attached to. While Redraw is off it
// hears nothing but the Redraw switch; when Redraw comes back on after
// changes, it hears one whole structure change.
class observateur_grille {
public:
    virtual ~observateur_grille();
    // Row or column counts, fixed counts, row order or the whole content are
    // about to change / have changed.
    virtual void avant_structure() {}
    virtual void après_structure() {}
    // Texts or styles of the block r1..r2 x c1..c2 changed.
    virtual void cellules_changées(int r1, int c1, int r2, int c2) { (void)r1, (void)c1, (void)r2, (void)c2; }
    // Column widths, row heights, alignments or the grid's font.
    virtual void géométrie_changée() {}
    // Row, Col, RowSel or ColSel.
    virtual void sélection_changée() {}
    // Redraw, Visible or SelectionMode.
    virtual void affichage_changé() {}
    // The grid is going away; do not touch it any more.
    virtual void grille_détruite() {}

private:
    friend class grille;
    std::vector<grille*> grilles_;
};

class grille {
public:
    // A new grid has the flex grid's start-up shape: 2 x 2, one fixed row and
    // one fixed column.
    grille();
    grille(int lignes, int colonnes, int lignes_fixes = 1, int colonnes_fixes = 1);
    ~grille();
    grille(const grille&) = delete;
    grille& operator=(const grille&) = delete;

    // ------------------------------------------------------------ size
    int Rows() const { return static_cast<int>(lignes_.size()); }
    int Cols() const { return colonnes_; }
    // Resizing keeps the content that still fits; fixed counts and the
    // current cell shrink with the grid.
    void setRows(int n);
    void setCols(int n);
    int FixedRows() const { return lignes_fixes_; }
    int FixedCols() const { return colonnes_fixes_; }
    // 0 .. Rows (resp. Cols); more is an error.
    void setFixedRows(int n);
    void setFixedCols(int n);

    // ------------------------------------------------------------ texts
    const QString& TextMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const QString& texte);
    // Empties every cell's text and style; sizes, widths and heights stay.
    // The grid then holds nothing: its form becomes vide.
    void Clear();
    // Inserts a row at index (0 .. Rows; -1 appends) whose cells are the TAB
    // separated fields of texte from column 0; fields beyond the last column
    // are dropped.
    void AddItem(const QString& texte, int index = -1);
    // Removes a non-fixed row; the rows below move up. The last data row can
    // be removed too, leaving the fixed rows alone.
    void RemoveItem(int index);

    // ------------------------------------------------------------ current cell and selection
    int Row() const { return ligne_; }
    int Col() const { return colonne_; }
    int RowSel() const { return ligne_sél_; }
    int ColSel() const { return colonne_sél_; }
    // Setting Row also sets RowSel; setting Col also sets ColSel.
    void setRow(int r);
    void setCol(int c);
    void setRowSel(int r);
    void setColSel(int c);

    // ------------------------------------------------------------ geometry
    static constexpr int largeur_défaut = 960;  // twips
    static constexpr int hauteur_défaut = 240;
    // Actual width or height; setting -1 brings back the default.
    int ColWidth(int c) const;
    void setColWidth(int c, int twips);
    int RowHeight(int r) const;
    void setRowHeight(int r, int twips);
    int ColAlignment(int c) const;
    void setColAlignment(int c, int alignement);

    // ------------------------------------------------------------ grid font
    const police_grille& police() const { return police_; }
    void setPolice(const police_grille& p);
    const QString& FontName() const { return police_.nom; }
    float FontSize() const { return police_.taille; }
    bool FontBold() const { return police_.gras; }
    bool FontItalic() const { return police_.italique; }
    void setFontName(const QString& nom);
    void setFontSize(float taille);
    void setFontBold(bool oui);
    void setFontItalic(bool oui);

    // ------------------------------------------------------------ cell styles
    // A cell follows the grid's font and colours until one of its own is set.
    // The forms without (r, c) act on the current cell (Row, Col).
    police_grille police_cellule(int r, int c) const;  // effective font
    QString CellFontName(int r, int c) const { return police_cellule(r, c).nom; }
    float CellFontSize(int r, int c) const { return police_cellule(r, c).taille; }
    bool CellFontBold(int r, int c) const { return police_cellule(r, c).gras; }
    bool CellFontItalic(int r, int c) const { return police_cellule(r, c).italique; }
    couleur CellBackColor(int r, int c) const;  // couleur_défaut when none of its own
    couleur CellForeColor(int r, int c) const;
    // True when the cell has a font or colour of its own.
    bool a_un_style(int r, int c) const;
    void setCellFontName(int r, int c, const QString& nom);
    void setCellFontSize(int r, int c, float taille);
    void setCellFontBold(int r, int c, bool oui);
    void setCellFontItalic(int r, int c, bool oui);
    void setCellBackColor(int r, int c, couleur coul);
    void setCellForeColor(int r, int c, couleur coul);

    QString CellFontName() const { return CellFontName(ligne_, colonne_); }
    float CellFontSize() const { return CellFontSize(ligne_, colonne_); }
    bool CellFontBold() const { return CellFontBold(ligne_, colonne_); }
    bool CellFontItalic() const { return CellFontItalic(ligne_, colonne_); }
    couleur CellBackColor() const { return CellBackColor(ligne_, colonne_); }
    couleur CellForeColor() const { return CellForeColor(ligne_, colonne_); }
    void setCellFontName(const QString& nom) { setCellFontName(ligne_, colonne_, nom); }
    void setCellFontSize(float taille) { setCellFontSize(ligne_, colonne_, taille); }
    void setCellFontBold(bool oui) { setCellFontBold(ligne_, colonne_, oui); }
    void setCellFontItalic(bool oui) { setCellFontItalic(ligne_, colonne_, oui); }
    void setCellBackColor(couleur coul) { setCellBackColor(ligne_, colonne_, coul); }
    void setCellForeColor(couleur coul) { setCellForeColor(ligne_, colonne_, coul); }

    // ------------------------------------------------------------ display
    // Redraw off batches changes: observers hear nothing until it is back on.
    bool Redraw() const { return redraw_; }
    void setRedraw(bool oui);
    bool Visible() const { return visible_; }
    void setVisible(bool oui);
    mode_sélection SelectionMode() const { return mode_sélection_; }
    void setSelectionMode(mode_sélection mode);

    // ------------------------------------------------------------ sort
    // Sorts rows Row..RowSel, or every non-fixed row when Row == RowSel, on
    // the key columns Col..ColSel taken left to right. Codes: tri_grille.
    // Rows that compare equal keep their order, so successive sorts combine.
    // Generic: as numbers when both cells read as numbers, as dates when both
    // read as dates, else as French text without regard to case. Numeric:
    // the Val of each cell. A row moves with its styles and height.
    void setSort(int code);

    // ------------------------------------------------------------ form held
    forme_grille forme() const { return forme_; }
    void fixe_forme(forme_grille f) { forme_ = f; }

    // ------------------------------------------------------------ observers
    // Observers are not owned; they hear changes in the order they came.
    void ajoute_observateur(observateur_grille* o);
    void retire_observateur(observateur_grille* o);

private:
    struct style {
        QString police;  // empty: the grid's
        float taille = 0;  // 0: the grid's
        std::int8_t gras = -1, italique = -1;  // -1: the grid's
        couleur fond = couleur_défaut, encre = couleur_défaut;
        bool vide() const;
    };
    struct ligne {
        std::vector<QString> textes;
        std::vector<style> styles;  // empty until a cell of the row gets a style
        int hauteur = -1;
    };
    struct colonne {
        int largeur = -1;
        int alignement = alignement_grille::général;
    };

    void vérifie(int r, int c) const;
    void vérifie_ligne(int r) const;
    void vérifie_colonne(int c) const;
    style& style_de(int r, int c);
    const style* style_lu(int r, int c) const;
    void cellule_changée(int r, int c);
    void avant_structure();
    void après_structure();
    void géométrie_changée();
    void sélection_changée();
    void borne_sélection();

    std::vector<ligne> lignes_;
    std::vector<colonne> attributs_colonnes_;
    int colonnes_ = 0;
    int lignes_fixes_ = 0, colonnes_fixes_ = 0;
    int ligne_ = 0, colonne_ = 0, ligne_sél_ = 0, colonne_sél_ = 0;
    police_grille police_;
    bool redraw_ = true, visible_ = true;
    bool en_attente_ = false;  // something changed while Redraw was off
    mode_sélection mode_sélection_ = mode_sélection::libre;
    forme_grille forme_ = forme_grille::vide;
    std::vector<observateur_grille*> observateurs_;
};

// Switches a grid's Redraw off for a scope and puts back what it was, so that
// a service called inside a caller's batch does not end that batch.
class redraw_suspendu {
public:
    explicit redraw_suspendu(grille& g) : g_(g), avant_(g.Redraw()) { g_.setRedraw(false); }
    ~redraw_suspendu() { g_.setRedraw(avant_); }
    redraw_suspendu(const redraw_suspendu&) = delete;
    redraw_suspendu& operator=(const redraw_suspendu&) = delete;

private:
    grille& g_;
    bool avant_;
};
