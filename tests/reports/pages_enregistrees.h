#pragma once
// Reading back what a recording surface kept of an ended document.
#include "ui_common/surface_enregistree.h"

#include <QStringList>
#include <vector>

inline std::vector<texte_posé> textes_de(const page_dessinée& page)
{
    std::vector<texte_posé> r;
    for (const élément_page& e : page)
        if (const auto* t = std::get_if<texte_posé>(&e))
            r.push_back(*t);
    return r;
}

inline std::vector<trait_posé> traits_de(const page_dessinée& page)
{
    std::vector<trait_posé> r;
    for (const élément_page& e : page)
        if (const auto* t = std::get_if<trait_posé>(&e))
            r.push_back(*t);
    return r;
}

inline QStringList mots_de(const page_dessinée& page)
{
    QStringList r;
    for (const texte_posé& t : textes_de(page))
        r << t.texte;
    return r;
}

// The first text of the page that starts with début; nullptr when none.
inline const texte_posé* texte_commençant(const std::vector<texte_posé>& textes, const QString& début)
{
    for (const texte_posé& t : textes)
        if (t.texte.startsWith(début))
            return &t;
    return nullptr;
}
