#include "ui_common/listes_longues.h"

#include "ui_common/grille.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QComboBox>
#include <QListWidget>
#include <QStandardItemModel>
#include <QSet>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>
#include <bitset>

namespace {

// An entry of a list that sorts itself: placed in French order (Ç as C, Œ as
// OE, accents and case weighed last), by a key made once per entry.
class entrée_à_la_française final : public QListWidgetItem {
public:
    entrée_à_la_française(const QString& texte, QCollatorSortKey clé) : QListWidgetItem(texte), clé_(std::move(clé)) {}
    bool operator<(const QListWidgetItem& autre) const override
    {
        if (const auto* f = dynamic_cast<const entrée_à_la_française*>(&autre))
            return clé_.compare(f->clé_) < 0;
        return clé_.compare(clé_à_la_française(autre.text())) < 0;
    }
    void setData(int rôle, const QVariant& valeur) override
    {
        if (rôle == Qt::DisplayRole || rôle == Qt::EditRole)
            clé_ = clé_à_la_française(valeur.toString());
        QListWidgetItem::setData(rôle, valeur);
    }
    QListWidgetItem* clone() const override { return new entrée_à_la_française(*this); }

private:
    QCollatorSortKey clé_;
};

}  // namespace

void remplit_liste_longue(QListWidget& liste, const std::vector<entrée_liste_longue>& entrées)
{
    const QSignalBlocker silence(&liste);
    liste.clear();
    const bool triée = liste.isSortingEnabled();
    // Sorting stays off while they go in: each would be placed again.
    liste.setSortingEnabled(false);
    if (triée) {
        // Inserted one by one, an entry goes before those it equals: taken
        // from the last, a stable sort gives the same order.
        std::vector<QCollatorSortKey> clés;
        clés.reserve(entrées.size());
        for (const entrée_liste_longue& e : entrées)
            clés.push_back(clé_à_la_française(e.texte));
        std::vector<std::size_t> ordre(entrées.size());
        for (std::size_t k = 0; k < ordre.size(); ++k)
            ordre[k] = ordre.size() - 1 - k;
        std::stable_sort(ordre.begin(), ordre.end(),
                         [&](std::size_t a, std::size_t b) { return clés[a].compare(clés[b]) < 0; });
        for (const std::size_t k : ordre) {
            auto* élément = new entrée_à_la_française(entrées[k].texte, clés[k]);
            élément->setData(Qt::UserRole, entrées[k].valeur);
            liste.addItem(élément);
        }
        liste.setSortingEnabled(true);
        return;
    }
    // The entries go in at once, and their values are set while the model is
    // silent: told of each one, the view would do for every entry what it
    // does once for all (a value under Qt::UserRole is never shown).
    QStringList textes;
    textes.reserve(static_cast<qsizetype>(entrées.size()));
    for (const entrée_liste_longue& e : entrées)
        textes << e.texte;
    liste.addItems(textes);
    {
        const QSignalBlocker modèle_muet(liste.model());
        for (std::size_t i = 0; i < entrées.size(); ++i)
            liste.item(static_cast<int>(i))->setData(Qt::UserRole, entrées[i].valeur);
    }
}

void remplit_liste_longue(QComboBox& liste, const std::vector<entrée_liste_longue>& entrées)
{
    const QSignalBlocker silence(&liste);
    liste.clear();
    QList<QStandardItem*> éléments;
    éléments.reserve(static_cast<qsizetype>(entrées.size()));
    for (const entrée_liste_longue& e : entrées) {
        auto* élément = new QStandardItem(e.texte);
        élément->setData(e.valeur, Qt::UserRole);
        éléments << élément;
    }
    if (auto* modèle = qobject_cast<QStandardItemModel*>(liste.model()))
        modèle->invisibleRootItem()->appendRows(éléments);
    else
        for (QStandardItem* é : éléments) {
            liste.addItem(é->text(), é->data(Qt::UserRole));
            delete é;
        }
}

double largeur_la_plus_grande(int n, const std::function<QString(int)>& texte,
                              const std::function<qreal(QChar)>& avance, const std::function<double(int)>& exacte,
                              bool chasse_fixe)
{
    // Each character's advance asked once; those of Latin-1, nearly all of
    // a French list, kept in a table rather than a hash.
    QHash<QChar, qreal> avances;
    std::array<qreal, 256> avances_latin1{};
    std::bitset<256> latin1_connus;
    qreal avance_max = 0;
    auto avance_de = [&](QChar c) {
        const char16_t u = c.unicode();
        if (u < 256) {
            if (!latin1_connus[u]) {
                latin1_connus.set(u);
                avances_latin1[u] = avance(c);
                avance_max = std::max(avance_max, avances_latin1[u]);
            }
            return avances_latin1[u];
        }
        auto it = avances.find(c);
        if (it == avances.end()) {
            it = avances.insert(c, avance(c));
            avance_max = std::max(avance_max, it.value());
        }
        return it.value();
    };
    std::vector<std::pair<qreal, int>> estimées;
    estimées.reserve(static_cast<std::size_t>(std::max(0, n)));
    for (int i = 0; i < n; ++i) {
        qreal l = 0;
        for (const QChar c : texte(i))
            l += avance_de(c);
        estimées.emplace_back(l, i);
    }
    std::sort(estimées.begin(), estimées.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    // Kerning narrows a text more often than it widens it, and rounding adds
    // little: past a margin of a few hundredths and one character, no text
    // can be wider than the widest one measured. What a measure adds around
    // its text (a list's margins) is learnt from the measures themselves.
    double large = 0;
    bool mesuré = false;
    qreal écart = 0;
    QSet<QString> mesurés;  // one text measured once, however many carry it
    for (const auto& [estimée, i] : estimées) {
        if (mesuré && (chasse_fixe || estimée * 1.03 + avance_max + écart < large))
            break;
        const QString t = texte(i);
        if (mesurés.contains(t))
            continue;
        mesurés.insert(t);
        const double w = exacte(i);
        écart = std::max(écart, w - estimée);
        large = mesuré ? std::max(large, w) : w;
        mesuré = true;
    }
    return large;
}

namespace {

// Asked for the size of the entry that stands for all (the view measures
// one), it answers that entry's height and the widest entry's width. The
// widths are first estimated from the advance of each character; only the
// entries whose estimate comes near the widest are measured as the view
// would measure them.
class délégué_liste_longue : public QStyledItemDelegate {
public:
    explicit délégué_liste_longue(QListWidget& liste) : QStyledItemDelegate(&liste), liste_(liste)
    {
        QAbstractItemModel* m = liste.model();
        auto oublie = [this] { largeur_ = -1; };
        connect(m, &QAbstractItemModel::rowsInserted, this, oublie);
        connect(m, &QAbstractItemModel::rowsRemoved, this, oublie);
        connect(m, &QAbstractItemModel::rowsMoved, this, oublie);
        connect(m, &QAbstractItemModel::dataChanged, this, oublie);
        connect(m, &QAbstractItemModel::layoutChanged, this, oublie);
        connect(m, &QAbstractItemModel::modelReset, this, oublie);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize propre = QStyledItemDelegate::sizeHint(option, index);
        if (!liste_.uniformItemSizes())
            return propre;
        if (largeur_ < 0 || option.font != police_)
            largeur_ = plus_large(option);
        return {std::max(largeur_, propre.width()), propre.height()};
    }

private:
    int plus_large(const QStyleOptionViewItem& option) const
    {
        police_ = option.font;
        const QFontMetricsF métrique(option.font);
        const QAbstractItemModel* m = liste_.model();
        return static_cast<int>(largeur_la_plus_grande(
            m->rowCount(), [m](int r) { return m->index(r, 0).data(Qt::DisplayRole).toString(); },
            [&métrique](QChar c) { return métrique.horizontalAdvance(c); },
            [&](int r) { return double(QStyledItemDelegate::sizeHint(option, m->index(r, 0)).width()); },
            QFontInfo(option.font).fixedPitch()));
    }

    QListWidget& liste_;
    mutable int largeur_ = -1;
    mutable QFont police_;
};

}  // namespace

void prépare_liste_longue(QListWidget& liste)
{
    liste.setUniformItemSizes(true);
    liste.setItemDelegate(new délégué_liste_longue(liste));
}
