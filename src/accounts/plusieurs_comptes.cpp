#include "accounts/plusieurs_comptes.h"

#include <algorithm>

namespace {

int membres_listés(const std::vector<int>& comptes)
{
    return static_cast<int>(std::count_if(comptes.begin(), comptes.end(), [](int c) { return c < premier_compte_asso; }));
}

}  // namespace

bool valide_opération_multiple(const saisie_échange& s, const std::vector<int>& comptes)
{
    if (!compte_utilisable(s.débité)) {
        refuse_compte_inexistant(s.débité);
        return false;
    }
    return montant_à_poster(s.montant) && champs_saisis(s) &&
           place_pour_lignes(2 * membres_listés(comptes));
}

bool enregistre_opération_multiple(int opération, const saisie_échange& s, const std::vector<int>& comptes)
{
    if (opération != opération_prélèvement && opération != opération_reversement)
        return false;
    if (!valide_opération_multiple(s, comptes))
        return false;
    const monnaie montant = *montant_à_poster(s.montant);
    const champs_ligne champs = *champs_saisis(s);
    const int sens_demandeur = opération == opération_reversement ? sens_débit : sens_crédit;
    const int sens_membre = opération == opération_reversement ? sens_crédit : sens_débit;

    std::vector<mouvement_à_poster> lignes;
    for (const int compte : comptes) {
        if (compte >= premier_compte_asso)
            continue;
        lignes.push_back({sens_demandeur, s.débité, compte, montant, champs});
        lignes.push_back({sens_membre, compte, s.débité, montant, champs});
    }
    return poste_lignes(lignes);
}
