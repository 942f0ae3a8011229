#pragma once
// Catalogue pages drawn on the recording surface (10 points: 120 twips a
// character, 240 a line; A4 portrait 11905.5 x 16837.8): known column
// positions, and what a page holds found by its text.
#include "catalogue/catalogue_essai.h"
#include "catalogue/cible_page.h"
#include "ui_common/symboles.h"

#include <optional>

class essai_page : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        données.x_numéro = 300;
        données.x_symbole = 900;
        données.x_texte = 1400;
        données.x_identifiant = 8000;
        x_liste_adh1 = 900;
        x_liste_adh2 = 300;
        x_liste_adh3 = 6000;
        x_liste_adh4 = 8500;
        données.type_catalogue = 1;
        for (std::size_t k = 0; k < 2; ++k) {
            données.cat_format[k] = 0;
            données.cat_sommaire[k] = 0;
            données.cat_liste_adhérents[k] = 0;
            données.cat_rubriques_images[k] = 0;
            données.cat_code[k] = 0;
        }
    }

    // Both surfaces the paper: what is drawn on the preview is the same.
    cible_page sur_papier() { return cible_papier(papier); }
    cible_page sur_aperçu() { return cible_aperçu(papier, papier); }

    // Every text of page n, in drawing order (empty texts left out).
    QStringList textes(std::size_t n = 0) const
    {
        QStringList t;
        for (const texte_posé& p : papier.textes(n))
            if (!p.texte.isEmpty())
                t << p.texte;
        return t;
    }
    // The first text of page n that reads `texte`.
    std::optional<texte_posé> posé(const QString& texte, std::size_t n = 0) const
    {
        for (const texte_posé& p : papier.textes(n))
            if (p.texte == texte)
                return p;
        return std::nullopt;
    }

    // One row of a catalogue grid, cell by cell (columns of col_cat).
    static void ligne(grille& g, std::initializer_list<std::pair<int, QString>> cellules)
    {
        if (g.Cols() < col_cat::nombre) {
            g.Clear();
            g.setRows(1);
            g.setCols(col_cat::nombre);
            g.setFixedRows(1);
        }
        g.AddItem(QString());
        for (const auto& [c, t] : cellules)
            g.setTextMatrix(g.Rows() - 1, c, t);
    }

    static QString glyphe(int code) { return glyphe_wingdings(code); }
};
