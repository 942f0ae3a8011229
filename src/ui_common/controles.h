#pragma once
// Small pieces every window is built from: button pictures drawn from the
// symbol font (so that they stay sharp whatever font the window is fitted
// to), the blue house of the return buttons, and the focus rule of the
// program's fields.
#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QStyle>

class QCheckBox;
class QComboBox;
class QEvent;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;
class QWidget;

// A symbol (one glyph of the symbol font) as a button picture.
QIcon icône_symbole(const QString& glyphe, const QColor& couleur = QColor(0, 0, 128), int taille = 28);
QIcon icône_symbole(char32_t code, const QColor& couleur = QColor(0, 0, 128), int taille = 28);

// The printer of the buttons that print, drawn to the picture's edges: its
// thin strokes would fade at the size of a button's picture otherwise.
QIcon icône_imprimante();

// The blue house of the buttons that go back to the main window.
QIcon icône_retour();

// One of the style's own pictures.
QIcon icône_standard(QStyle::StandardPixmap image);
void applique_image_retour(QPushButton& bouton);

// A focus change the user made by moving between fields: not a popup or a
// menu opening or closing, nor the window losing or getting the focus.
bool focus_de_l_utilisateur(const QEvent* e);

// Every text field of the window (line edits, editable lists, text boxes)
// refuses the characters the data file cannot hold (Windows-1252): they are
// dropped as they are typed or pasted. Fields with a validator of their own
// keep it. Run again on a window adds nothing twice.
void protège_saisies(QWidget& fenêtre);

// A button whose caption runs over as many lines as its width asks.
class bouton_à_lignes : public QPushButton {
public:
    using QPushButton::QPushButton;
    // Where the caption is drawn, word-wrapped and centred.
    QRect rect_texte() const { return rect().adjusted(4, 2, -4, -2); }

protected:
    void paintEvent(QPaintEvent*) override;
};

// A picture button whose caption, under the picture, says what it does; the
// tooltip says it at more length.
QToolButton* crée_bouton_image(QWidget* parent, const QString& nom, const QIcon& image, const QString& texte,
                               const QString& bulle);

// Controls named and placed (pixels of the 800 x 600 design) in one call.
QGroupBox* crée_cadre(QWidget* parent, const QString& nom, const QString& titre, int x, int y, int l, int h);
QRadioButton* crée_option(QWidget* parent, const QString& nom, const QString& texte, int x, int y, int l);
QPushButton* crée_bouton(QWidget* parent, const QString& nom, const QString& texte, int x, int y, int l, int h);
QLabel* crée_étiquette(QWidget* parent, const QString& texte, int x, int y, int l);
QComboBox* crée_liste_choix(QWidget* parent, const QString& nom, int x, int y, int l);
QCheckBox* crée_case(QWidget* parent, const QString& nom, const QString& texte, int x, int y, int l);
