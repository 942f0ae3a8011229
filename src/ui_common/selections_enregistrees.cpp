#include "ui_common/selections_enregistrees.h"

#include "data/dossiers.h"

#include <QAction>
#include <QDir>
#include <QMenu>

std::vector<sélection_enregistrée> sélections_enregistrées()
{
    std::vector<sélection_enregistrée> sélections;
    const QDir dossier(chemin_programme(QStringLiteral("etats")));
    const QStringList fichiers =
        dossier.entryList({QStringLiteral("*.eta")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& f : fichiers)
        sélections.push_back({f.chopped(4), dossier.filePath(f)});  // all but ".eta"
    return sélections;
}

void remplit_menu_sélections(QMenu& menu, std::map<int, QAction*>& items, int premier,
                             const std::function<void(int)>& choisi)
{
    for (auto i = items.lower_bound(premier); i != items.end();) {
        menu.removeAction(i->second);
        delete i->second;
        i = items.erase(i);
    }
    int n = premier;
    for (const sélection_enregistrée& s : sélections_enregistrées()) {
        QAction* item = menu.addAction(s.nom);
        item->setObjectName(QStringLiteral("ext%1").arg(n));
        item->setData(s.chemin);
        QObject::connect(item, &QAction::triggered, &menu, [choisi, n] { choisi(n); });
        items[n++] = item;
    }
}

QString fichier_de_l_item(const std::map<int, QAction*>& items, int index)
{
    const auto i = items.find(index);
    return i == items.end() || !i->second ? QString() : i->second->data().toString();
}
