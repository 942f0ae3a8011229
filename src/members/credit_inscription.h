#pragma once
// The starting credit a new member may receive from an association account
// when joining: two account lines posted at once, and their exact undoing
// when the new member is abandoned.
#include "members/fiche_adherent.h"

#include <optional>

// The line of one side of the credit: recorded now, dated by the adhesion
// date, balance after the movement computed from the owner's balance now.
void compose_type_compte_a(ligne_de_compte& ligne, int sens, int compte, int partenaire, monnaie montant,
                           double date_opération);

// What a posted credit moved, so that it can be taken back.
struct crédit_inscription {
    int numéro = 0;
    int compte_asso = 0;
    monnaie montant;
    int ligne_asso = 0, ligne_membre = 0;  // entries of table_lignes_compte
    figures_compte figures_avant;          // the member's figures before the credit
    std::uint64_t posé = 0;                // saves of the open file when posted
};

enum class issue_crédit { posté, réglages_manquants, refusé };

// Posts the credit for the new member numbered by texte_numéro, with the
// fields of the window: the association account `compte_asso_débité` pays
// `solde_départ`. Missing settings give their message (réglages_manquants).
// Then everything is checked before anything moves: a number naming a free
// record, room for two lines, an adhesion date that reads, account figures
// that stay within their types; a refusal says why and moves nothing. The
// member's figures start from the account fields (empty is 0); both lines
// are then posted.
issue_crédit crédite_inscription(const QString& texte_numéro, const champs_adhérent& c,
                                 crédit_inscription& crédit);

// Takes a credit back: removes its two lines and puts back every balance,
// counter and volume it moved, in memory and, when a save has written the
// credit since, in the open file. False, changing nothing, when its lines are
// no longer in the table as they were posted.
bool annule_crédit_inscription(const crédit_inscription& crédit);
