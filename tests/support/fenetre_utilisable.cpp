#include "support/fenetre_utilisable.h"

#include "ui_common/controles.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTextDocument>

namespace {

// Widgets whose children are controls of their own; any other widget owns
// its inner parts (scroll bars of a list, the edit field of a combo box).
bool contient_des_contrôles(const QWidget& w)
{
    const QMetaObject* m = w.metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || qobject_cast<const QGroupBox*>(&w)
           || qobject_cast<const QStackedWidget*>(&w);
}

void collecte(QWidget& conteneur, std::vector<QWidget*>& contrôles)
{
    const auto enfants = conteneur.children();
    for (QObject* o : enfants) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || !w->isVisible())
            continue;
        contrôles.push_back(w);
        if (auto* onglets = qobject_cast<QTabWidget*>(w)) {
            if (QWidget* page = onglets->currentWidget())
                collecte(*page, contrôles);
        } else if (contient_des_contrôles(*w)) {
            collecte(*w, contrôles);
        }
    }
}

QString nom(const QWidget& w)
{
    QString n = w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName();
    QString texte;
    if (auto* b = qobject_cast<const QAbstractButton*>(&w))
        texte = b->text();
    else if (auto* l = qobject_cast<const QLabel*>(&w))
        texte = l->text();
    else if (auto* g = qobject_cast<const QGroupBox*>(&w))
        texte = g->title();
    if (!texte.isEmpty())
        n += QStringLiteral(" « %1 »").arg(texte.simplified().left(40));
    return n;
}

// The caption as drawn: "&&" shows one "&", a lone "&" marks the shortcut.
QString texte_montré(QString t)
{
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return t;
}

// What the caption needs beyond what the control gives it, else empty.
QString texte_coupé(QWidget& w)
{
    // Half a pixel of rounding in the measure is no cut.
    constexpr int tolérance = 1;
    const QFontMetrics fm(w.font());
    auto dépasse = [&](QSize besoin, QSize place) -> QString {
        if (besoin.width() <= place.width() + tolérance && besoin.height() <= place.height() + tolérance)
            return {};
        return QStringLiteral("texte coupé (%1 x %2 pour %3 x %4 pixels)")
            .arg(besoin.width())
            .arg(besoin.height())
            .arg(place.width())
            .arg(place.height());
    };

    if (auto* b = dynamic_cast<bouton_à_lignes*>(&w)) {
        const QString t = texte_montré(b->text());
        if (t.isEmpty())
            return {};
        const QRect place = b->rect_texte();
        const QRect besoin = fm.boundingRect(place, Qt::AlignCenter | Qt::TextWordWrap, t);
        return dépasse(besoin.size(), place.size());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(&w)) {
        const QString t = texte_montré(b->text());
        if (t.isEmpty())
            return {};
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        o.icon = b->icon();
        o.iconSize = b->iconSize();
        QStyle::SubElement élément = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(b))
            élément = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton*>(b))
            élément = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<QPushButton*>(b))
            return {};
        const QRect place = b->style()->subElementRect(élément, &o, b);
        QSize besoin(fm.horizontalAdvance(t), fm.height());
        if (!o.icon.isNull() && élément == QStyle::SE_PushButtonContents)
            besoin.rwidth() += o.iconSize.width() + 4;
        return dépasse(besoin, place.size());
    }
    if (auto* l = qobject_cast<QLabel*>(&w)) {
        if (l->text().isEmpty())
            return {};
        const QRect place = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const bool riche = l->textFormat() == Qt::RichText
                           || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
        if (riche) {
            QTextDocument d;
            d.setDefaultFont(l->font());
            d.setHtml(l->text());
            d.setDocumentMargin(0);
            if (l->wordWrap())
                d.setTextWidth(place.width());
            return dépasse(d.size().toSize(), place.size());
        }
        const int drapeaux = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect besoin = fm.boundingRect(place, drapeaux, l->text());
        return dépasse(besoin.size(), place.size());
    }
    if (auto* g = qobject_cast<QGroupBox*>(&w)) {
        const QString t = texte_montré(g->title());
        if (t.isEmpty())
            return {};
        // The title stands in the frame's top edge, where the style puts it.
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.lineWidth = 1;
        o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect titre = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
        return dépasse(QSize(titre.left() + fm.horizontalAdvance(t), fm.height()), g->size());
    }
    return {};
}

}  // namespace

QStringList défauts_d_affichage(QWidget& fenêtre, const QStringList& défilants)
{
    QStringList défauts;
    const QString n_fenêtre = fenêtre.objectName().isEmpty() ? QString::fromLatin1(fenêtre.metaObject()->className())
                                                              : fenêtre.objectName();
    if (const QScreen* écran = fenêtre.screen()) {
        const QRect place = écran->availableGeometry();
        if (!place.contains(fenêtre.frameGeometry()) || !place.contains(fenêtre.geometry()))
            défauts << QStringLiteral("%1 : hors de l'écran (%2,%3 %4 x %5 sur un écran de %6 x %7)")
                           .arg(n_fenêtre)
                           .arg(fenêtre.frameGeometry().x())
                           .arg(fenêtre.frameGeometry().y())
                           .arg(fenêtre.frameGeometry().width())
                           .arg(fenêtre.frameGeometry().height())
                           .arg(place.width())
                           .arg(place.height());
    }

    std::vector<QWidget*> contrôles;
    collecte(fenêtre, contrôles);
    for (QWidget* c : contrôles) {
        if (défilants.contains(c->objectName()))
            continue;
        const QWidget* parent = c->parentWidget();
        if (!QRect(QPoint(0, 0), parent->size()).contains(c->geometry()))
            défauts << QStringLiteral("%1 : hors de %2").arg(nom(*c), parent == &fenêtre ? QStringLiteral("la fenêtre")
                                                                                        : nom(*parent));
        if (!c->testAttribute(Qt::WA_TransparentForMouseEvents) && !qobject_cast<QMenuBar*>(c)) {
            const QPoint centre = c->mapTo(&fenêtre, c->rect().center());
            QWidget* atteint = fenêtre.childAt(centre);
            if (atteint != c && !c->isAncestorOf(atteint)) {
                // What covers it: the sibling (or its ancestor among the controls).
                QWidget* dessus = atteint;
                while (dessus && dessus->parentWidget() && dessus->parentWidget() != c->parentWidget()
                       && dessus->parentWidget() != &fenêtre)
                    dessus = dessus->parentWidget();
                défauts << QStringLiteral("%1 : couvert par %2").arg(nom(*c), dessus ? nom(*dessus) : QStringLiteral("rien"));
            }
        }
        if (const QString coupé = texte_coupé(*c); !coupé.isEmpty())
            défauts << QStringLiteral("%1 : %2").arg(nom(*c), coupé);
    }
    return défauts;
}
