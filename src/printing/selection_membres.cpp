#include "printing/selection_membres.h"

#include "data/modele.h"
#include "ui_common/listes_longues.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <unordered_set>

void remplit_tous_adhérents(QListWidget& liste)
{
    std::vector<entrée_liste_longue> entrées;
    entrées.reserve(static_cast<std::size_t>(std::max<int>(0, données.nombre_adhérents)));
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) { entrées.push_back({a.identifiant.str(), n}); });
    remplit_liste_longue(liste, entrées);
}

std::vector<int> numéros_liste(const QListWidget& liste)
{
    std::vector<int> numéros;
    numéros.reserve(static_cast<std::size_t>(liste.count()));
    for (int i = 0; i < liste.count(); ++i)
        numéros.push_back(liste.item(i)->data(Qt::UserRole).toInt());
    return numéros;
}

void garde_sélection(QListWidget& liste, bool garder_sélectionnés)
{
    const QSignalBlocker silence(&liste);
    int i = 0;
    while (i < liste.count()) {
        if (liste.item(i)->isSelected() != garder_sélectionnés)
            delete liste.takeItem(i);
        else
            ++i;
    }
}

QString garde_chiffres(const QString& texte)
{
    QString chiffres;
    for (const QChar c : texte)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            chiffres += c;
    return chiffres;
}

std::vector<bool> un_par_foyer(const std::vector<int>& numéros)
{
    std::vector<bool> garder(numéros.size(), true);
    std::unordered_set<QString> vus;
    for (std::size_t i = 0; i < numéros.size(); ++i) {
        const int n = numéros[i];
        if (n < 0 || n > max_adhérents)
            continue;
        const QString tel = garde_chiffres(données.table_adhérents[static_cast<std::size_t>(n)].tel1);
        if (tel.isEmpty())
            continue;
        garder[i] = vus.insert(tel).second;
    }
    return garder;
}

void garde_un_par_foyer(QListWidget& liste)
{
    const std::vector<bool> garder = un_par_foyer(numéros_liste(liste));
    const QSignalBlocker silence(&liste);
    for (int i = liste.count() - 1; i >= 0; --i)
        if (!garder[static_cast<std::size_t>(i)])
            delete liste.takeItem(i);
}
