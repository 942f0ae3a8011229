#include "ui_common/selections_enregistrees.h"

#include "support/dossier_test.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

class sélections : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        QDir().mkpath(chemin(QStringLiteral("etats")));
    }
};

QStringList textes(const std::map<int, QAction*>& items)
{
    QStringList r;
    for (const auto& [n, a] : items)
        r << QStringLiteral("%1:%2").arg(n).arg(a->text());
    return r;
}

}  // namespace

TEST_F(sélections, sélections_enregistrées_par_nom)
{
    écrit(QStringLiteral("etats/Bénévoles.eta"), "x");
    écrit(QStringLiteral("etats/année.2025.eta"), "x");
    écrit(QStringLiteral("etats/notes.txt"), "x");
    écrit(QStringLiteral("etats/Anciens.ETA"), "x");
    const std::vector<sélection_enregistrée> s = sélections_enregistrées();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].nom, QStringLiteral("Anciens"));
    EXPECT_EQ(s[1].nom, QStringLiteral("année.2025"));
    // The file itself is kept: a name with several dots still loads.
    EXPECT_EQ(QFileInfo(s[1].chemin).fileName(), QStringLiteral("année.2025.eta"));
    EXPECT_TRUE(QFileInfo(s[1].chemin).isFile());
    EXPECT_EQ(s[2].nom, QStringLiteral("Bénévoles"));
}

TEST_F(sélections, le_menu_suit_le_dossier_à_chaque_ouverture)
{
    QMenu menu;
    std::map<int, QAction*> items;
    items[0] = menu.addAction(QStringLiteral("garder"));
    items[4] = menu.addAction(QStringLiteral("etat"));
    std::vector<int> choisis;
    const auto choisi = [&](int n) { choisis.push_back(n); };

    for (const char* nom : {"a.eta", "b.eta", "club.2024.eta"})
        écrit(QStringLiteral("etats/") + nom, "x");
    remplit_menu_sélections(menu, items, 4, choisi);
    EXPECT_EQ(textes(items), QStringList({"0:garder", "4:a", "5:b", "6:club.2024"}));
    EXPECT_EQ(menu.actions().size(), 4);
    EXPECT_EQ(items[6]->objectName(), "ext6");
    EXPECT_EQ(QFileInfo(fichier_de_l_item(items, 6)).fileName(), "club.2024.eta");

    // A deleted file loses its item; the others move up.
    QFile::remove(chemin(QStringLiteral("etats/b.eta")));
    remplit_menu_sélections(menu, items, 4, choisi);
    EXPECT_EQ(textes(items), QStringList({"0:garder", "4:a", "5:club.2024"}));
    EXPECT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(QFileInfo(fichier_de_l_item(items, 5)).fileName(), "club.2024.eta");
    EXPECT_EQ(fichier_de_l_item(items, 6), QString());
    EXPECT_EQ(fichier_de_l_item(items, 0), QString());
    items[5]->trigger();
    EXPECT_EQ(choisis, std::vector<int>({5}));

    // No file at all: no item.
    QDir(chemin(QStringLiteral("etats"))).removeRecursively();
    remplit_menu_sélections(menu, items, 4, choisi);
    EXPECT_EQ(textes(items), QStringList({"0:garder"}));
}
