#pragma once
// Recording one exchange: the paying account is debited, the paid account
// credited, one account line each; when the levy applies, the paid member is
// debited the levy and an association account credited with it (two more
// lines). Everything is checked first; then every line is posted, or none.
#include "accounts/ecritures.h"
#include "accounts/prelevement.h"
#include "ui_common/grille.h"

#include <QString>
#include <optional>
#include <vector>

// The exchange window's entry, as typed.
struct saisie_échange {
    int débité = 0;   // the account that receives the good or service and pays
    int crédité = 0;  // the account that provides it and is paid
    QString montant;  // "," or "." as decimal separator
    double date_opération = 0;
    QString description;
    QString ligne_cat;      // catalogue line; empty gives 0
    int genre = -1;         // index into noms_genres; -1 none
    QString code_rubrique;  // classification code; empty gives 0
    int catégorie = -1;     // index into catégories_public; -1 none
    champs_prélèvement prélèvement;
    // The levy as the validation computed and showed it; computed from the
    // settings and balances of the moment when empty.
    std::optional<monnaie> prélèvement_validé;
};

// A typed exchange amount ("," or "."): nothing, after a message, when it is
// no number or below zero.
std::optional<monnaie> montant_saisi(const QString& texte);

// The levy the entry would take, as the validation shows it: 0 when the
// paid account is an association account or the levy is off. Nothing, after
// a message, when the amount or a levy field is no number.
std::optional<monnaie> prélèvement_saisie(const saisie_échange& s);

// What every line of the entry carries (date, description, catalogue line,
// genre, code, category), checked: the description must fit the data file
// and the catalogue line and code must be whole numbers. Nothing after a
// message.
std::optional<champs_ligne> champs_saisis(const saisie_échange& s);

// A typed amount to post: a number above zero. Nothing after a message.
std::optional<monnaie> montant_à_poster(const QString& texte);

// Every check of the recording, with its message: both accounts, the amount,
// the catalogue line and code, the levy fields, the levy account and the room
// left in the ledger for its lines. The levy the recording will take, or
// nothing.
std::optional<monnaie> valide_échange(const saisie_échange& s);

// Records the exchange: lines debit of the payer, credit of the paid account,
// then, with a levy, levy debit of the paid member and levy credit of the
// association account; their texts are appended to each of grilles. The
// journal then holds exactly these movements. A refusal shows its reason,
// posts nothing, leaves every balance and the journal as they were and
// returns false.
bool enregistre_échange(const saisie_échange& s, const std::vector<grille*>& grilles = {});

// The lines the recording would post, in order, after every check of
// valide_échange; nothing after a message.
std::optional<std::vector<mouvement_à_poster>> lignes_échange(const saisie_échange& s);
