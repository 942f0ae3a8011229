#pragma once
// Small classifications and propositions written out in the tests.
#include "data/modele.h"

#include <QString>
#include <initializer_list>
#include <utility>

// Entries (code / 10) in the order given, each with its name.
inline void pose_classement(std::initializer_list<std::pair<int, const char*>> entrées)
{
    données.nombre_codes_classification = 0;
    for (const auto& [e, nom] : entrées) {
        données.codes_classification[++données.nombre_codes_classification] = static_cast<int16>(e);
        données.noms_rubriques[e] = QString::fromUtf8(nom);
    }
}

// Appends a proposition in `slot` at the end of the list order.
inline proposition& pose_proposition(int slot, int code, int additif = 0, int membre = 1, int type = 1)
{
    données.table_propositions[++données.nombre_propositions].ordre = static_cast<int16>(slot);
    proposition& p = données.table_propositions[slot];
    p.code_rubrique = static_cast<int16>(code);
    p.additif = static_cast<int16>(additif);
    p.num_adh = static_cast<int16>(membre);
    p.type = static_cast<int16>(type);
    p.désignation = QStringLiteral("proposition %1").arg(slot);
    return p;
}

inline std::vector<int> entrées_classement()
{
    return {données.codes_classification.begin() + 1,
            données.codes_classification.begin() + 1 + données.nombre_codes_classification};
}
