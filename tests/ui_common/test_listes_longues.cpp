#include "ui_common/listes_longues.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Identifiers as members type them: accents, capitals, kerning pairs
// ("AV", "Te", "LT"), one far wider than the others, equal ones.
const QStringList identifiants = {
    "Zoé",       "Annick L.",  "AVATAR Tévé",       "Loïc",  "Bernard", "Élodie",
    "LTAVWAYAT", "WWWWWWWWWW WWWW", "Annick L.", "Hervé", "Inès",    "Annick L.", "Téo",
};

std::vector<entrée_liste_longue> entrées(const QStringList& textes)
{
    std::vector<entrée_liste_longue> e;
    for (int i = 0; i < textes.size(); ++i)
        e.push_back({textes[i], i + 1});
    return e;
}

std::vector<std::pair<QString, int>> contenu(const QListWidget& l)
{
    std::vector<std::pair<QString, int>> c;
    for (int i = 0; i < l.count(); ++i)
        c.emplace_back(l.item(i)->text(), l.item(i)->data(Qt::UserRole).toInt());
    return c;
}

void un_par_un(QListWidget& l, const QStringList& textes)
{
    l.clear();
    for (int i = 0; i < textes.size(); ++i) {
        auto* e = new QListWidgetItem(textes[i], &l);
        e->setData(Qt::UserRole, i + 1);
    }
}

// What the view shows of its entries: how far it scrolls and how tall a row is.
struct étendue {
    int défilement_h, défilement_v, hauteur_ligne;
    bool operator==(const étendue&) const = default;
};

étendue étendue_de(QListWidget& l)
{
    QApplication::processEvents();
    l.doItemsLayout();
    return {l.horizontalScrollBar()->maximum(), l.verticalScrollBar()->maximum(),
            l.count() ? l.visualItemRect(l.item(0)).height() : 0};
}

}  // namespace

TEST(listes_longues, remplie_d_un_coup_comme_entrée_par_entrée)
{
    for (const bool triée : {true, false}) {
        SCOPED_TRACE(triée ? "liste triée" : "liste dans l'ordre donné");
        QListWidget une, d_un_coup;
        une.setSortingEnabled(triée);
        d_un_coup.setSortingEnabled(triée);
        un_par_un(une, identifiants);
        remplit_liste_longue(d_un_coup, entrées(identifiants));
        if (triée) {
            // A sorted list is in French order, Ç as C and Œ as OE.
            QListWidget f;
            f.setSortingEnabled(true);
            remplit_liste_longue(f, entrées({"Zoé", "élise", "Œillet", "Ève", "Çelik", "Élodie", "Œdipe"}));
            QStringList vu;
            for (int i = 0; i < f.count(); ++i)
                vu << f.item(i)->text();
            EXPECT_EQ(vu, (QStringList{"Çelik", "élise", "Élodie", "Ève", "Œdipe", "Œillet", "Zoé"}));
            continue;
        }
        // Equal identifiers of different members keep the same order too.
        EXPECT_EQ(contenu(d_un_coup), contenu(une));
        EXPECT_EQ(d_un_coup.isSortingEnabled(), triée);
        // Later entries still go to their places.
        for (QListWidget* l : {&une, &d_un_coup})
            new QListWidgetItem(QStringLiteral("Céline"), l);
        EXPECT_EQ(contenu(d_un_coup), contenu(une));
    }
    QListWidget l;
    remplit_liste_longue(l, entrées(identifiants));
    remplit_liste_longue(l, {});
    EXPECT_EQ(l.count(), 0) << "a new fill replaces the former entries";
}

TEST(listes_longues, défile_comme_une_liste_mesurée_entrée_par_entrée)
{
    for (const QString& police : {QStringLiteral("Arial"), QStringLiteral("Courier New")}) {
        SCOPED_TRACE(police.toStdString());
        QListWidget mesurée, longue;
        for (QListWidget* l : {&mesurée, &longue}) {
            l->setFont(QFont(police, 9));
            l->resize(90, 120);
            l->show();
        }
        prépare_liste_longue(longue);
        un_par_un(mesurée, identifiants);
        remplit_liste_longue(longue, entrées(identifiants));
        EXPECT_EQ(étendue_de(longue), étendue_de(mesurée));
        EXPECT_GT(étendue_de(longue).défilement_h, 0) << "the widest entry needs scrolling";

        // The widest goes: the list scrolls less, as a measured one does.
        for (QListWidget* l : {&mesurée, &longue})
            delete l->takeItem(7);
        EXPECT_EQ(étendue_de(longue), étendue_de(mesurée));
        // A wider one comes at the top, then an entry changes its text.
        for (QListWidget* l : {&mesurée, &longue})
            l->insertItem(0, QStringLiteral("Marie-Dominique Le Goff de Kerbrat"));
        EXPECT_EQ(étendue_de(longue), étendue_de(mesurée));
        for (QListWidget* l : {&mesurée, &longue})
            l->item(3)->setText(QStringLiteral("Marie-Dominique Le Goff de Kerbrat et Tévé"));
        EXPECT_EQ(étendue_de(longue), étendue_de(mesurée));
        // A larger font is measured again.
        for (QListWidget* l : {&mesurée, &longue})
            l->setFont(QFont(police, 14));
        EXPECT_EQ(étendue_de(longue), étendue_de(mesurée));
    }
}

TEST(listes_longues, la_plus_grande_largeur_est_celle_du_texte_le_plus_large)
{
    const QFontMetricsF m(QFont(QStringLiteral("Times New Roman"), 11));
    QStringList textes = identifiants;
    // Many texts of nearly one width: kerning decides which is the widest.
    for (const char* t : {"AVAVAVAV", "AWAWAWAW", "WAVEWAVE", "To To To", "LYLYLYLY", "ffiffiffi"})
        textes << QString::fromUtf8(t);
    textes.removeAll(QStringLiteral("WWWWWWWWWW WWWW"));
    double attendue = 0;
    for (const QString& t : textes)
        attendue = std::max(attendue, m.horizontalAdvance(t));
    int mesurés = 0;
    const double trouvée = largeur_la_plus_grande(
        static_cast<int>(textes.size()), [&](int i) { return textes[i]; },
        [&](QChar c) { return m.horizontalAdvance(c); },
        [&](int i) {
            ++mesurés;
            return m.horizontalAdvance(textes[i]);
        });
    EXPECT_DOUBLE_EQ(trouvée, attendue);
    EXPECT_LT(mesurés, textes.size()) << "only the texts near the widest are measured";
    EXPECT_EQ(largeur_la_plus_grande(0, {}, {}, {}), 0.0);
}

TEST(listes_longues, liste_déroulante_remplie_d_un_coup)
{
    QComboBox une, d_un_coup;
    for (int i = 0; i < identifiants.size(); ++i)
        une.addItem(identifiants[i], i + 1);
    remplit_liste_longue(d_un_coup, entrées(identifiants));
    ASSERT_EQ(d_un_coup.count(), une.count());
    for (int i = 0; i < une.count(); ++i) {
        EXPECT_EQ(d_un_coup.itemText(i), une.itemText(i));
        EXPECT_EQ(d_un_coup.itemData(i), une.itemData(i));
    }
    EXPECT_EQ(d_un_coup.currentIndex(), une.currentIndex()) << "the first entry is the current one";
    remplit_liste_longue(d_un_coup, entrées({"Zoé"}));
    EXPECT_EQ(d_un_coup.count(), 1);
}
