#pragma once
// The page surface: what every printed or previewed page is drawn on. It
// behaves as the classic printer object: a current font, a current position
// that printing moves, text measured in the current font, lines, pictures
// stretched into a rectangle, pages and documents. All geometry is in twips
// (1440 per inch), from the top-left corner of the sheet, y growing downwards.
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <stdexcept>
#include <variant>
#include <vector>

class QFont;
class QPainter;

inline constexpr double twips_par_pouce = 1440.0;
inline constexpr double twips_par_mm = 56.7;

// The font of a surface, as the program names it ("Arial" stays "Arial").
struct police_page {
    QString nom = QStringLiteral("Arial");
    double taille = 10;  // points
    bool gras = false;
    bool italique = false;
    bool barré = false;     // struck through
    bool souligné = false;  // underlined
    // Set glyph after glyph, without kerning or ligatures, as a grid's cells
    // are: the text prints the width it was measured to, letter for letter.
    bool sans_façonnage = false;
    bool operator==(const police_page&) const = default;
};

// What a page holds, in drawing order.
struct texte_posé {
    double x = 0, y = 0;  // top-left corner of the text's line
    QString texte;
    police_page police;
};
struct trait_posé {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
struct image_posée {
    QImage image;
    QRectF cadre;
};
using élément_page = std::variant<texte_posé, trait_posé, image_posée>;
using page_dessinée = std::vector<élément_page>;

class surface_page {
public:
    virtual ~surface_page() = default;

    // ---- current font
    const police_page& police() const { return police_; }
    void setPolice(const police_page& p) { police_ = p; }
    QString FontName() const { return police_.nom; }
    void setFontName(const QString& nom) { police_.nom = nom; }
    double FontSize() const { return police_.taille; }
    void setFontSize(double taille) { police_.taille = taille; }
    bool FontBold() const { return police_.gras; }
    void setFontBold(bool gras) { police_.gras = gras; }
    bool FontItalic() const { return police_.italique; }
    void setFontItalic(bool italique) { police_.italique = italique; }
    bool FontStrikethru() const { return police_.barré; }
    void setFontStrikethru(bool barré) { police_.barré = barré; }
    bool FontUnderline() const { return police_.souligné; }
    void setFontUnderline(bool souligné) { police_.souligné = souligné; }

    // ---- current position
    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    // ---- measuring in the current font. A text of several lines (CR LF)
    // measures its widest line, and one line spacing per line.
    double TextWidth(const QString& texte) const;
    double TextHeight(const QString& texte = {}) const;

    // ---- drawing
    // Prints at the current position (the top of the line at CurrentY). With
    // saut_de_ligne the position then goes down one line and back to x = 0;
    // otherwise it stays right after the text. A CR LF inside the text starts
    // a new line at x = 0.
    void Print(const QString& texte = {}, bool saut_de_ligne = true);
    // A black line; the position ends at its end point.
    void Line(double x1, double y1, double x2, double y2);
    // The picture stretched into the rectangle; a null picture draws nothing.
    void PaintPicture(const QImage& image, double x, double y, double largeur, double hauteur);

    // ---- pages and documents. Each of them puts the position back at (0, 0);
    // the font is kept.
    void NewPage();
    // Ends the document: it goes to its destination. False when it could not
    // (the reason is then in erreur()).
    bool EndDoc();
    // Cancels the document: nothing of it reaches its destination.
    void KillDoc();
    virtual QString erreur() const { return {}; }

    // ---- a run of documents, one per item (a statement per account). A
    // destination where each document would replace the one before (a file)
    // keeps the documents of the run as the pages of one, sent when the run
    // ends; elsewhere each goes as it is ended. Runs nest: the outermost end
    // sends. False when what was kept could not be sent (see erreur()).
    void commence_suite() { ++suites_; }
    bool termine_suite();

    // ---- the sheet, orientation applied
    double Width() const { return taille_page().width(); }
    double Height() const { return taille_page().height(); }
    virtual QPageLayout::Orientation Orientation() const = 0;
    virtual void setOrientation(QPageLayout::Orientation orientation) = 0;

protected:
    // One line of text (no CR LF) in the given font.
    virtual double largeur_ligne(const QString& ligne, const police_page& police) const = 0;
    virtual double interligne(const police_page& police) const = 0;
    virtual QSizeF taille_page() const = 0;
    virtual void pose(élément_page élément) = 0;
    virtual void page_suivante() = 0;
    virtual bool termine_document() = 0;
    virtual void annule_document() = 0;
    bool en_suite() const { return suites_ > 0; }
    virtual bool envoie_suite() { return true; }

private:
    police_page police_;
    double x_ = 0, y_ = 0;
    int suites_ = 0;
};

// A run of documents for the length of a scope, whatever the way out.
class suite_documents {
public:
    explicit suite_documents(surface_page& s) : s_(s) { s_.commence_suite(); }
    ~suite_documents() { s_.termine_suite(); }
    suite_documents(const suite_documents&) = delete;
    suite_documents& operator=(const suite_documents&) = delete;

private:
    surface_page& s_;
};

// Draws one element on a painter whose device has unités_par_twip device
// units per twip (the surfaces over Qt devices share it).
void dessine_élément(QPainter& peintre, const élément_page& élément, double unités_par_twip);
// The Qt font of a page font, for measuring or drawing on a device.
QFont police_qt(const police_page& police);
// The font f set glyph after glyph, without kerning or ligatures: a text
// takes the width of its letters put end to end, and is set without shaping.
QFont sans_façonnage(QFont f);

// A picture file as the program reads it: GIF, JPEG, BMP, PNG. Anything else
// (WMF included) or an unreadable file gives a null picture.
QImage lit_image(const QString& chemin);
// Why the picture file trouvé, which is there, gave no picture ("Image
// incorrecte (…)", or why it cannot be read); empty for a Windows metafile,
// which counts as missing, silently.
QString raison_image_illisible(const QString& trouvé);

// Size of an A4 sheet in twips, portrait.
inline constexpr double largeur_a4 = 210.0 * twips_par_pouce / 25.4;
inline constexpr double hauteur_a4 = 297.0 * twips_par_pouce / 25.4;
