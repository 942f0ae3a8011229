#include "ui_common/controles.h"

#include "ui_common/symboles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QRadioButton>

QIcon icône_symbole(const QString& glyphe, const QColor& couleur, int taille)
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont police(police_symboles());
    police.setPixelSize(taille);
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(image.rect(), Qt::AlignCenter, glyphe);
    return QIcon(image);
}

QIcon icône_symbole(char32_t code, const QColor& couleur, int taille)
{
    return icône_symbole(QString::fromUcs4(&code, 1), couleur, taille);
}

QIcon icône_retour()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bleu(40, 90, 200);
    p.setPen(QPen(bleu.darker(150), 1.5));
    p.setBrush(bleu);
    p.drawPolygon(QPolygonF({QPointF(2, 16), QPointF(16, 3), QPointF(30, 16)}));
    p.drawRect(QRectF(6, 16, 20, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 20, 6, 9));
    return QIcon(image);
}

void applique_image_retour(QPushButton& bouton)
{
    bouton.setIcon(icône_retour());
    bouton.setIconSize(QSize(32, 32));
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
