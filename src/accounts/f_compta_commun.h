#pragma once
// What the exchange window's source files share: small helpers over its
// lists of accounts.
#include "accounts/saisie_compta.h"
#include "ui_common/listes_longues.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <vector>

namespace fenêtre_échanges {

inline int valeur_choisie(const QComboBox* l) { return l->currentIndex() < 0 ? 0 : l->currentData().toInt(); }

inline std::vector<entrée_liste_longue> longue(const std::vector<entrée_liste>& entrées)
{
    std::vector<entrée_liste_longue> l;
    l.reserve(entrées.size());
    for (const entrée_liste& e : entrées)
        l.push_back({e.texte, e.valeur});
    return l;
}

// The lists of accounts hold a whole association: filled in one go.
inline void remplit(QComboBox* l, const std::vector<entrée_liste>& entrées)
{
    const QSignalBlocker bloque(l);
    remplit_liste_longue(*l, longue(entrées));
    l->setCurrentIndex(-1);
}

inline int position_de_valeur(const QComboBox* l, int valeur)
{
    for (int i = 0; i < l->count(); ++i)
        if (l->itemData(i).toInt() == valeur)
            return i;
    return -1;
}

}  // namespace fenêtre_échanges
