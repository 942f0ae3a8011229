#pragma once
// The ledger's core: posting one movement to one account, composing an
// account line and its grid text, and the journal of what the last
// recording posted.
//
// Account numbers: 1..5000 a member (its number in table_adhérents),
// 9995..9999 an association account (entry number - 9995 of comptes_asso).
#include "data/modele.h"
#include "ui_common/grille.h"

#include <QString>
#include <cstdint>
#include <vector>

inline constexpr int sens_débit = 1;
inline constexpr int sens_crédit = 2;

// True for a number of the member range or of the association range.
bool numéro_de_compte(int compte);
// An account an exchange may use: a member listed in the register (its
// number is the slot of one of the entries 1..nombre_adhérents), or an
// association account whose name is not blank.
bool compte_utilisable(int compte);
// Balance of an account (der_solde or solde); 0 for a number of no account.
monnaie solde_compte(int compte);
// Name shown for an account: the member's identifier as stored (20
// characters, blanks kept) or the association account's name; empty for a
// number of no account.
QString nom_compte(int compte);

// Whether mouvemente_compte(sens, compte, montant) can post: a direction of
// 1 or 2, an account number of either range, and a counter, balance and
// volume that stay within their types.
bool mouvement_possible(int sens, int compte, monnaie montant);

// Posts one movement: a debit lowers the balance and counts one debit, a
// credit raises it and counts one credit; both add the amount to the volume.
// Returns the new balance. When the movement is not possible (above),
// nothing changes and the result is 0. table_lignes_compte is not touched.
// A posting made outside a recording makes the journal stale: it is cleared.
monnaie mouvemente_compte(int sens, int compte, monnaie montant);

// What the entry fields give to every line of one operation.
struct champs_ligne {
    double date_opération = 0;
    QString description;
    int16 ligne_cat = 0;
    int16 genre = -1;     // index into noms_genres; -1 none
    int16 code_rub = 0;
    int catégorie = -1;   // index into catégories_public; -1 none
};

// Fills ligne for one movement from the fields and the arguments; the
// balance is the owner's balance after the movement, computed from its
// balance now. A direction other than 1 or 2 leaves solde and montant as
// they were. réservé1, réservé2 and adu are not touched.
void compose_type_compte(ligne_de_compte& ligne, const champs_ligne& champs, int sens, int compte, int partenaire,
                         monnaie montant);

// Grid text of a line: 14 fields joined by TAB (dates, description, credit,
// debit, balance, partner's name, owner's name, code, genre, enf, adu,
// account, partner). A genre, enf or adu of -1 (none chosen) shows empty.
QString compose_ligne_compte(const ligne_de_compte& ligne);

// ---------------------------------------------------------------- posting lines
// One line to post: its owner, partner, direction, amount and fields.
struct mouvement_à_poster {
    int sens = 0;
    int compte = 0;
    int partenaire = 0;
    monnaie montant;
    champs_ligne champs;
};

// Posts the lines of one operation, all or none. First checks that both
// accounts of every line may be used (compte_utilisable),
// that the table has room for every line and that every counter, balance and
// volume stays within its type once all are posted; a refusal shows its
// reason, changes nothing and returns false. Then, line by line: composes
// it, appends its text to each grid, posts it to its account and stores it
// at the end of table_lignes_compte. The journal then holds these lines.
bool poste_lignes(const std::vector<mouvement_à_poster>& mouvements, const std::vector<grille*>& grilles = {});

// Shows the refusal of an account that is neither a listed member nor a
// named association account.
void refuse_compte_inexistant(int compte);

// ---------------------------------------------------------------- room in the ledger
// An exchange posts two lines, four with a levy.
inline constexpr int lignes_par_échange = 2;
// Below this many free lines the exchange window warns as it opens.
inline constexpr int seuil_alerte_lignes_compte = 500;
// Lines table_lignes_compte can still take.
int lignes_compte_restantes();
// The warning of a ledger near or at its limit: how many lines are left and
// that archiving frees lines; empty while there is room enough.
QString alerte_lignes_compte();
// True when `lignes` more lines fit; otherwise shows how many are left and
// that archiving frees lines, and returns false.
bool place_pour_lignes(int lignes);

// ---------------------------------------------------------------- journal
// What the last recording posted, in posting order, so that its undo and
// the cancellation can replay it exactly.
struct écriture_journalisée {
    int indice = 0;  // entry of table_lignes_compte
    int compte = 0;
    int partenaire = 0;
    int sens = 0;
    monnaie montant;
    bool operator==(const écriture_journalisée&) const = default;
};

const std::vector<écriture_journalisée>& journal_écritures();
void efface_journal_écritures();
// Saves of the open file when the journal's lines were posted.
std::uint64_t journal_posé_à();
// True when the journal is not empty, its last line is the last line of the
// table and every journaled line is still in the table as it was posted;
// an undo must not run otherwise (lines added, removed or reloaded since).
bool journal_à_jour();
