#pragma once
// One amount between the debited account ("demandeur") and every member of a
// list at once: a pay-out debits the demandeur and credits each member, a
// levy credits the demandeur and debits each member. Association accounts of
// the list take no part. No levy of an exchange applies.
#include "accounts/enregistrement.h"

#include <vector>

// What the window remembers of its last operation on several accounts.
inline constexpr int aucune_opération_multiple = 0, opération_prélèvement = 1, opération_reversement = 2;

// The checks of an operation on several accounts, with their messages: the
// demandeur (the entry's debited account) exists, the amount is a number
// above zero, the fields can be recorded, and the ledger has room for two
// lines per member of comptes.
bool valide_opération_multiple(const saisie_échange& s, const std::vector<int>& comptes);

// Records the operation (opération_prélèvement or opération_reversement):
// for each member account of comptes, in order, the demandeur's line then the
// member's, each of the entry's amount and fields. Everything is checked
// first (accounts, room in the ledger, counters and amounts); then every line
// is posted, or none. The journal then holds these lines, two per member.
// A list without members posts nothing and succeeds.
bool enregistre_opération_multiple(int opération, const saisie_échange& s, const std::vector<int>& comptes);
