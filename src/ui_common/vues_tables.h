#pragma once
// The three tables shown in the general grid: the classification, the offers
// and requests, the members. Each fill lays its table out in one column order
// that the conversions back into the tables, the import and the grid menus
// rely on too, either coded (raw numbers, the form that converts back) or
// decoded (names taken from the lists), and records in the grid the form it
// holds. Row 0 is the header, column 0 (fixed) the row's place in the list.
//
// Each fill makes the first data row current, sets the grid's visibility
// from `affiche_grille` and leaves the window its menus: "Supprimer la ligne"
// is enabled exactly while the grid holds its table coded
// (gg.forme() == forme_grille::codée).
#include "ui_common/grille.h"

// Classification, sorted by code; column 0 keeps each entry's place in
// codes_classification. The grid's form becomes codée.
void affiche_rubriques(grille& gg);

// Offers and requests in list order, coded (whole-row selection, the widths
// of the samples) or decoded (free selection, the columns fitted to their
// texts). Clears arrêt_demandé.
void affiche_offres_demandes(grille& gg, bool décodé);

// Members in list order, coded or decoded; the selection mode is left alone
// and the columns fitted to their texts.
void affiche_adhérents(grille& gg, bool décodé);

// Column numbers of the three layouts.
namespace col_rubriques {
inline constexpr int code = 1, nom = 2, image = 3, nombre = 4;
}

namespace col_offres {
inline constexpr int type = 1, rubrique = 2, genre = 3, public_visé = 4, désignation = 5, identifiant = 6,
                     additif = 7, emplacement = 8, num_adh = 9, date = 10, nombre = 11;
}

namespace col_adhérents {
inline constexpr int numéro = 1, identifiant = 2, tel1 = 3, tel2 = 4, nom_adresse = 5, rue = 6, cp = 7, ville = 8,
                     additif = 9, catégorie = 10, e_mail = 11, date_adhésion = 12, date_cotisation = 13, sexe = 14,
                     critère0 = 15, qualité = 16, critère1 = 17, critère2 = 18, commentaire = 19, dte_enr = 20,
                     der_solde = 21, débits = 22, crédits = 23, volume = 24, d_naiss = 25, nombre = 26;
}
