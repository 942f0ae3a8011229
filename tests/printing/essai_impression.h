#pragma once
// What the tests of the printing window share: members written out, the
// elements of a recorded page by kind, the text of a PDF file.
#include "data/modele.h"
#include "support/pdf_essai.h"
#include "ui_common/surface.h"

#include <QString>
#include <vector>

// Adds the member at its number and at the end of the list order.
inline void ajoute_membre(int numéro, const QString& identifiant, const QString& nom = {}, const QString& rue = {},
                          const QString& cp = {}, const QString& ville = {}, int civilité = 0,
                          const QString& tel1 = {}, const QString& tel2 = {})
{
    adhérent& a = données.table_adhérents[static_cast<std::size_t>(numéro)];
    a.identifiant = identifiant;
    a.nom_adresse = nom;
    a.rue = rue;
    a.cp = cp;
    a.ville = ville;
    a.civilité = static_cast<int16>(civilité);
    a.tel1 = tel1;
    a.tel2 = tel2;
    ++données.nombre_adhérents;
    données.table_adhérents[static_cast<std::size_t>(données.nombre_adhérents)].ordre = static_cast<int16>(numéro);
}

// Members 1..n named "Membre k", identifiers "M01".., in Lyon.
inline void ajoute_membres(int n)
{
    for (int k = 1; k <= n; ++k)
        ajoute_membre(k, QStringLiteral("M%1").arg(k, 2, 10, QLatin1Char('0')), QStringLiteral("Membre %1").arg(k),
                       QStringLiteral("%1 rue des Lilas").arg(k), QStringLiteral("69001"), QStringLiteral("Lyon"));
}

template <typename T>
std::vector<T> du_genre(const page_dessinée& page)
{
    std::vector<T> r;
    for (const élément_page& é : page)
        if (const T* t = std::get_if<T>(&é))
            r.push_back(*t);
    return r;
}
