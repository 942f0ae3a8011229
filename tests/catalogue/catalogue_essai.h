#pragma once
// A small association whose catalogue is known row by row, the main window's
// fill plugged in, and a recording surface for the measures (10 points: 120
// twips a character, 240 a line; A4 portrait 11906 x 16838).
#include "catalogue/grille_catalogue.h"
#include "data/modele.h"
#include "ui_common/vues_tables.h"
#include "support/dossier_test.h"
#include "ui_common/principale.h"
#include "ui_common/surface_enregistree.h"

#include <QStringList>
#include <algorithm>
#include <vector>

class essai_catalogue : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        fichier_courant = chemin("trovane.sel");
        branche_catalogue({[](grille& g, bool décodé) { affiche_offres_demandes(g, décodé); }, {}});
        liste_adh.clear();
        affichage_cat = {};
        dernière_page_catalogue = 0;
        // As at start-up: a pagination resizes them for its catalogue.
        page_ligne_catalogue.assign(3501, 0);
        page_rubrique.assign(max_rubriques + 1, 0);
        pages_liste_adhérents.assign(501, 0);
        largeur_texte = 6000;
        largeur_identifiant = 2400;
    }
    void TearDown() override
    {
        branche_catalogue({});
        essai_dossier::TearDown();
    }

    // Sections 1 ALIMENTATION (sub-sections 0, 1 Confiseries, 2 Fruits) and
    // 2 JARDIN; three members in display order 7 Annick (adult, 29200),
    // 5 Bastien (child, new, 2900), 9 Chloé (another association, deleted);
    // six offers and requests of every status.
    void petite_association()
    {
        données_sel& d = données;
        d.noms_rubriques[10] = "ALIMENTATION";
        d.noms_rubriques[11] = "Confiseries";
        d.noms_rubriques[12] = "Fruits";
        d.noms_rubriques[20] = "JARDIN";
        membre(1, 7, "Annick", "29200", 0, 1);
        membre(2, 5, "Bastien", "2900", 1, 0);
        membre(3, 9, "Chloé", "56100", 2, 2);
        proposition_(1, 1, 121, 1, "Pommes", 7, 0, "$");
        proposition_(2, 2, 201, 0, "Bêche", 5, 1, "J");
        proposition_(3, 1, 211, 2, "Râteau", 9, 2, "");
        proposition_(4, 2, 122, 0, "Poires", 7, 3, "");
        proposition_(5, 1, 101, 0, "Miel", 5, 1, "");
        proposition_(6, 2, 111, 2, "Confiture", 7, 0, "");
    }

    void membre(int position, int numéro, const char* identifiant, const char* cp, int additif, int catégorie)
    {
        données_sel& d = données;
        d.nombre_adhérents = static_cast<int16>(std::max<int>(d.nombre_adhérents, position));
        d.table_adhérents[position].ordre = static_cast<int16>(numéro);
        adhérent& a = d.table_adhérents[numéro];
        a.identifiant = QString::fromUtf8(identifiant);
        a.cp = QString::fromUtf8(cp);
        a.tel2 = QStringLiteral("06 %1").arg(numéro);
        a.additif = static_cast<int16>(additif);
        a.catégorie = static_cast<int16>(catégorie);
    }

    void proposition_(int slot, int type, int code, int genre, const char* désignation, int numéro, int additif,
                      const char* public_visé)
    {
        données_sel& d = données;
        d.nombre_propositions = static_cast<int16>(std::max<int>(d.nombre_propositions, slot));
        d.table_propositions[slot].ordre = static_cast<int16>(slot);
        proposition& p = d.table_propositions[slot];
        p.type = static_cast<int16>(type);
        p.code_rubrique = static_cast<int16>(code);
        p.genre = static_cast<int16>(genre);
        p.désignation = QString::fromUtf8(désignation);
        p.identifiant = d.table_adhérents[numéro].identifiant.trimmed();
        p.num_adh = static_cast<int16>(numéro);
        p.additif = static_cast<int16>(additif);
        const QString marque = QString::fromUtf8(public_visé);
        (marque == d.symbole_enfant ? p.kid : p.adulte) = marque;
    }

    // Column c of every row below the heading.
    static QStringList colonne(const grille& g, int c)
    {
        QStringList t;
        for (int r = 1; r < g.Rows(); ++r)
            t << g.TextMatrix(r, c);
        return t;
    }
    // The descriptions of the entries, in grid order.
    static QStringList entrées(const grille& g)
    {
        QStringList t;
        for (int r = 1; r < g.Rows(); ++r)
            if (const int s = sorte_de(g, r); s == 1 || s == 2)
                t << g.TextMatrix(r, col_cat::texte);
        return t;
    }
    static QStringList textes_liste()
    {
        QStringList t;
        for (const élément_liste_adh& e : liste_adh)
            t << e.texte;
        return t;
    }

    // A hand-made catalogue grid of 19 columns: one row per kind given, with
    // its text and height (or member identifier).
    struct ligne_essai {
        int sorte;
        QString texte;
        QString hauteur;
        QString code = {};
    };
    // n offers of one line each, of distinct members and descriptions.
    static std::vector<ligne_essai> offres(int n)
    {
        std::vector<ligne_essai> l;
        for (int i = 0; i < n; ++i)
            l.push_back({1, QStringLiteral("offre %1").arg(i), QStringLiteral("m%1").arg(i), QStringLiteral("101")});
        return l;
    }
    static void grille_essai(grille& g, const std::vector<ligne_essai>& lignes)
    {
        g.Clear();
        g.setRows(1);
        g.setCols(col_cat::nombre);
        g.setFixedRows(1);
        g.setFixedCols(1);
        for (const ligne_essai& l : lignes) {
            g.AddItem(QString());
            const int r = g.Rows() - 1;
            g.setTextMatrix(r, col_cat::sorte, QString::number(l.sorte));
            g.setTextMatrix(r, col_cat::code, l.code);
            g.setTextMatrix(r, col_cat::texte, l.texte);
            g.setTextMatrix(r, col_cat::hauteur, l.hauteur);
        }
    }

    surface_enregistrée papier;
};
