#include "ui_common/controles.h"

#include "data/cp1252.h"
#include "ui_common/symboles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QValidator>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextCursor>
#include <QToolButton>
#include <algorithm>

namespace {

// Button pictures are drawn on 32 x 32 and kept this many times finer, so
// that they stay sharp on the larger buttons of a larger screen.
constexpr int finesse_images = 4;

}  // namespace

QIcon icône_symbole(const QString& glyphe, const QColor& couleur, int taille)
{
    // Each picture is drawn once: every window opened asks for the same few.
    // The pictures stay until the program ends.
    static auto* dessinées = new QHash<QString, QIcon>;
    const QString clé = glyphe + QLatin1Char('/') + QString::number(couleur.rgba(), 16) + QLatin1Char('/') +
                        QString::number(taille);
    if (const auto i = dessinées->constFind(clé); i != dessinées->constEnd())
        return *i;
    QPixmap image(32 * finesse_images, 32 * finesse_images);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont police(police_symboles());
    police.setPixelSize(taille * finesse_images);
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(image.rect(), Qt::AlignCenter, glyphe);
    p.end();
    return *dessinées->insert(clé, QIcon(image));
}

QIcon icône_symbole(char32_t code, const QColor& couleur, int taille)
{
    return icône_symbole(QString::fromUcs4(&code, 1), couleur, taille);
}

QIcon icône_imprimante() { return icône_symbole(U'\U0001F5A8', QColor(0, 0, 128), 36); }

QIcon icône_retour()
{
    static const QIcon* dessinée = nullptr;
    if (dessinée)
        return *dessinée;
    QPixmap image(32 * finesse_images, 32 * finesse_images);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(finesse_images, finesse_images);
    const QColor bleu(40, 90, 200);
    p.setPen(QPen(bleu.darker(150), 1.5));
    p.setBrush(bleu);
    p.drawPolygon(QPolygonF({QPointF(2, 16), QPointF(16, 3), QPointF(30, 16)}));
    p.drawRect(QRectF(6, 16, 20, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 20, 6, 9));
    p.end();
    dessinée = new QIcon(image);
    return *dessinée;
}

QIcon icône_standard(QStyle::StandardPixmap image)
{
    // The style reads its pictures from files at each request.
    static auto* lues = new QHash<int, QIcon>;
    if (const auto i = lues->constFind(image); i != lues->constEnd())
        return *i;
    return *lues->insert(image, QApplication::style()->standardIcon(image));
}

void applique_image_retour(QPushButton& bouton)
{
    bouton.setIcon(icône_retour());
    bouton.setIconSize(QSize(32, 32));
}

void bouton_à_lignes::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton o;
    initStyleOption(&o);
    const QString texte = o.text;
    o.text.clear();
    p.drawControl(QStyle::CE_PushButton, o);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(rect_texte(), Qt::AlignCenter | Qt::TextWordWrap, texte);
}

bool focus_de_l_utilisateur(const QEvent* e)
{
    const auto raison = static_cast<const QFocusEvent*>(e)->reason();
    return raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason &&
           raison != Qt::MenuBarFocusReason;
}

namespace {

template <class T>
T* placé(T* w, const QString& nom, int x, int y, int l, int h)
{
    if (!nom.isEmpty())
        w->setObjectName(nom);
    w->setGeometry(x, y, l, h);
    return w;
}

}  // namespace

QToolButton* crée_bouton_image(QWidget* parent, const QString& nom, const QIcon& image, const QString& texte,
                               const QString& bulle)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setIcon(image);
    b->setIconSize(QSize(24, 24));
    b->setText(texte);
    b->setToolTip(bulle);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return b;
}

QGroupBox* crée_cadre(QWidget* parent, const QString& nom, const QString& titre, int x, int y, int l, int h)
{
    return placé(new QGroupBox(titre, parent), nom, x, y, l, h);
}

QRadioButton* crée_option(QWidget* parent, const QString& nom, const QString& texte, int x, int y, int l)
{
    return placé(new QRadioButton(texte, parent), nom, x, y, l, 22);
}

QPushButton* crée_bouton(QWidget* parent, const QString& nom, const QString& texte, int x, int y, int l, int h)
{
    return placé(new QPushButton(texte, parent), nom, x, y, l, h);
}

QLabel* crée_étiquette(QWidget* parent, const QString& texte, int x, int y, int l)
{
    return placé(new QLabel(texte, parent), {}, x, y, l, 20);
}

QComboBox* crée_liste_choix(QWidget* parent, const QString& nom, int x, int y, int l)
{
    return placé(new QComboBox(parent), nom, x, y, l, 24);
}

QCheckBox* crée_case(QWidget* parent, const QString& nom, const QString& texte, int x, int y, int l)
{
    return placé(new QCheckBox(texte, parent), nom, x, y, l, 22);
}

namespace {

bool hors_code(QChar c) { return octet_cp1252(c) < 0; }

// What cannot be saved is taken out of what was typed, committed by the
// input method or pasted, and the rest stays: refusing the whole edit would
// lose a pasted name for one character.
class validateur_cp1252 : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override
    {
        if (std::none_of(texte.cbegin(), texte.cend(), hors_code))
            return Acceptable;
        QString propre;
        int avant = 0;
        for (int i = 0; i < texte.size(); ++i) {
            if (!hors_code(texte[i]))
                propre += texte[i];
            else if (i < position)
                ++avant;
        }
        texte = propre;
        position = std::max(0, position - avant);
        return Acceptable;
    }
};

// Removes from a text box what was just typed or pasted and cannot be saved.
template <class Boîte>
void nettoie(Boîte* boîte)
{
    const QString texte = boîte->toPlainText();
    if (!std::any_of(texte.cbegin(), texte.cend(), hors_code))
        return;
    QTextCursor curseur = boîte->textCursor();
    const int position = curseur.position();
    QString propre;
    int avant = 0;
    for (int i = 0; i < texte.size(); ++i) {
        if (hors_code(texte[i])) {
            if (i < position)
                ++avant;
            continue;
        }
        propre += texte[i];
    }
    const QSignalBlocker bloque(boîte);
    boîte->setPlainText(propre);
    curseur = boîte->textCursor();
    curseur.setPosition(std::max(0, position - avant));
    boîte->setTextCursor(curseur);
}

}  // namespace

void protège_saisies(QWidget& fenêtre)
{
    static const char* marque = "trovane_protégé";
    for (QLineEdit* l : fenêtre.findChildren<QLineEdit*>()) {
        if (l->validator() || l->property(marque).toBool())
            continue;
        l->setValidator(new validateur_cp1252(l));
        l->setProperty(marque, true);
    }
    for (QPlainTextEdit* t : fenêtre.findChildren<QPlainTextEdit*>()) {
        if (t->property(marque).toBool())
            continue;
        t->setProperty(marque, true);
        QObject::connect(t, &QPlainTextEdit::textChanged, t, [t] { nettoie(t); });
    }
    for (QTextEdit* t : fenêtre.findChildren<QTextEdit*>()) {
        if (t->property(marque).toBool())
            continue;
        t->setProperty(marque, true);
        QObject::connect(t, &QTextEdit::textChanged, t, [t] { nettoie(t); });
    }
}
