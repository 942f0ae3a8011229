#pragma once
// The member register over the shared tables: member numbers and their
// proposal for a new member, the validation of a new or an existing member,
// the status of a member and its propositions, the identifiers copied into
// the propositions, and the names of the criteria lists.
#include "members/fiche_adherent.h"

#include <QString>
#include <array>

// ---------------------------------------------------------------- numbers
// The number typed in the number field when it can name a record: a whole
// number from 1 to 5000; 0 otherwise.
int lit_numéro_adhérent(const QString& texte);

// A number is taken when a list entry names it and the member stored under
// it has an identifier that is not blank.
bool numéro_pris(int n);
// The first number from 1 to 5000 that is not taken; 0 when all are.
int premier_numéro_libre();
// The number offered to a new member: the highest listed number plus one
// with numérotation_suivante, else the first free number; the first free
// number also when the highest is 5000. 0 when no number is left.
int numéro_proposé();

// ---------------------------------------------------------------- validation
// Validates the fields of the existing member n (the one the window shows):
// refuses a blank identifier, then stores the fields as range_champs does.
// When the identifier differs from the one the member had when shown, or
// from the stored 20-character field, the propositions take the identifiers
// again. Does not save.
refus_fiche valide_adhérent(int n, const champs_adhérent& c, const QString& identifiant_montré);

// Outcome of the validation of a new member.
struct issue_nouvel_adhérent {
    int numéro = 0;         // the member stored, 0 when refused
    refus_fiche refus = refus_fiche::aucun;
    int numéro_libre = -1;  // offered instead of a number already taken (0: none left); -1 not asked
};
// Validates a new member numbered by texte_numéro: refuses, with its reason,
// a number that names no record, a blank identifier, a number already taken
// and refused fields; nothing is listed then. On success the member is
// listed last (or takes back the list entry of its number when that entry's
// identifier was blank) and its record holds the fields. Does not save.
issue_nouvel_adhérent valide_nouvel_adhérent(const QString& texte_numéro, const champs_adhérent& c);

// ---------------------------------------------------------------- status
// Sets the status of every proposition of member n.
void supprime_les_offres_demandes(int n, int statut);
void restaurer_les_offres_demandes(int n);
// The member's status and its propositions': 2 deleted for the supplement,
// 3 eliminated, 0 restored (the propositions go back to 0 as well).
void change_statut_adhérent(int n, int statut);

// Every proposition takes the identifier of its member as stored (20
// characters); propositions of no member are left alone.
void redonne_nom_adhérent_dans_base();

// ---------------------------------------------------------------- names
// The criteria titles and the names of the four lists, as the window holds them.
struct noms_critères {
    QString titre0, titre1, titre2;
    std::array<QString, 10> critère0{}, critère1{}, critère2{}, qualité{};
};
noms_critères noms_critères_actuels();
// Stores the titles, and the lists' names too with listes.
void range_noms_critères(const noms_critères& n, bool listes);

// Font of the labels, cards and member lists, taken from the offers' style
// of the current catalogue kind when the register opens.
extern QString police_impression;
extern int16 taille_police_impression;
void prépare_police_impression();
