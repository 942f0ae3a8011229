#pragma once
// The counters behind every statistics table. They count over the shared
// tables what belongs to the statistics window's selection: the members of
// its list, the propositions of those members (narrowed to offers or
// requests), and their account lines whose operation date lies in the
// window's range. None looks at the supplement status.
//
// Preparation comes first: élimine_comptes_asso, then incrémente_tl before
// any proposition counter or incrémente_tl_ec before any account-line
// counter; the flags tl serve one kind at a time.
#include "data/valeurs.h"

#include <QString>
#include <vector>

class grille;

// One entry of the selection list: the member's identifier as stored and
// the account number (a member, or an association account until removed).
struct entrée_sélection {
    QString texte;
    int numéro = 0;
    bool operator==(const entrée_sélection&) const = default;
};

// What the counters read of the statistics window.
struct état_statistiques {
    std::vector<entrée_sélection> liste;
    int16 choix_offre_demande = 0;  // 0 all, 1 offers, 2 requests
    QString date_dep = QStringLiteral("00:00:00");
    QString date_fin;
    // Entry i (1..count) excludes the i-th proposition or account line.
    std::vector<bool> tl;
    QString titre_stat;  // title of the last member, catalogue or exchange table

    // ---- preparations
    void élimine_comptes_asso();
    void incrémente_tl();
    void incrémente_tl_ec();

    // ---- members of the list; an entry outside the members table throws
    int nbr_sexe(int sexe) const;
    int nbr_qual(int valeur) const;
    int nbr_nat(int valeur) const;
    int nbr_cr1(int valeur) const;
    int nbr_cr2(int valeur) const;
    int nbr_kid(int catégorie) const;
    int nbr_cr1_sexe(int valeur, int sexe) const;
    int nbr_cr2_sexe(int valeur, int sexe) const;
    int nbr_cr1_age(int valeur, int catégorie) const;
    int nbr_cr2_age(int valeur, int catégorie) const;

    // ---- selected propositions
    int nbr_offres_demandes(int type) const;
    int nbr_genre(int genre) const;
    int nbr_rub(int section) const;
    int nbr_rub_genre(int section, int genre) const;
    int nbr_rub_type(int section, int type) const;
    // Adds one for kid equal to the symbol and one for adulte equal to it.
    int nbr_kid_lg(const QString& symbole) const;
    // Propositions that nbr_kid_lg counts for neither symbol.
    int nbr_indifférenciées(const QString& symbole_enfant, const QString& symbole_adulte) const;

    // ---- account lines in range. Counts, and shares as "#0%" texts; a share
    // with no line in range is "0" (empty for nbr_kid_ec), and with no line
    // at all empty.
    int nbr_crédits_débits(int sens) const;
    int nbr_mois_débits_crédits(int mois, int sens) const;
    int nbr_mois_ec(int mois) const;
    QString nbr_rub_ec(int section) const;
    QString nbr_genre_ec(int genre) const;
    // Amounts from basse (included) up to haute (left out).
    QString nbr_montant(monnaie basse, monnaie haute) const;
    QString nbr_kid_ec(int catégorie) const;
};

// A code lies under a section code r when r <= code < r + 100: the codes of
// section 1 run from 100 to 199.
constexpr bool sous_la_section(int code, int section) { return section <= code && code < section + 100; }

// Appends one row per classification section to the grid, column 0 the
// section code (section x 100), in classification order.
void inscrit_rubriques(grille& g);
