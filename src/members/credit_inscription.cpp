#include "members/credit_inscription.h"

#include "accounts/ecritures.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "members/registre.h"

namespace {

const QString description_crédit = QStringLiteral("Crédit à l'inscription");

adhérent& membre(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }

figures_compte figures_de(const adhérent& a) { return {a.der_solde, a.volume, a.débits, a.crédits}; }

void pose_figures(adhérent& a, const figures_compte& f)
{
    a.der_solde = f.solde;
    a.volume = f.volume;
    a.débits = f.débits;
    a.crédits = f.crédits;
}

bool ligne_du_crédit(int indice, int compte, int partenaire, int sens, monnaie montant)
{
    if (indice < 1 || indice > données.nombre_lignes_compte)
        return false;
    const ligne_de_compte& l = données.table_lignes_compte[static_cast<std::size_t>(indice)];
    return l.compte == compte && l.partenaire == partenaire && l.sens == QString::number(sens) &&
           l.montant == montant && l.description == description_crédit;
}

void retire_ligne(int indice)
{
    auto& lignes = données.table_lignes_compte;
    const int dernière = données.nombre_lignes_compte;
    for (int i = indice; i < dernière; ++i)
        lignes[static_cast<std::size_t>(i)] = lignes[static_cast<std::size_t>(i) + 1];
    lignes[static_cast<std::size_t>(dernière)] = ligne_de_compte{};
    --données.nombre_lignes_compte;
}

}  // namespace

void compose_type_compte_a(ligne_de_compte& ligne, int sens, int compte, int partenaire, monnaie montant,
                           double date_opération)
{
    ligne.dte_enr = maintenant();
    ligne.dte_opé = date_opération;
    ligne.description = description_crédit;
    ligne.ligne_cat = 0;
    ligne.genre = 0;
    ligne.compte = static_cast<int16>(compte);
    ligne.partenaire = static_cast<int16>(partenaire);
    ligne.sens = QString::number(sens);
    ligne.code_rub = 0;
    if (sens == sens_débit) {
        ligne.montant = montant;
        ligne.solde = solde_compte(compte) - montant;
    } else if (sens == sens_crédit) {
        ligne.montant = montant;
        ligne.solde = solde_compte(compte) + montant;
    }
    ligne.enf = QStringLiteral("-1");
}

issue_crédit crédite_inscription(const QString& texte_numéro, const champs_adhérent& c, crédit_inscription& crédit)
{
    // A restore point being written is whole before anything is recorded.
    attend_enregistrement_en_fond();
    const int asso = données.compte_asso_débité;
    const monnaie montant = données.solde_départ;
    if (asso < premier_compte_asso || asso >= premier_compte_asso + nombre_comptes_asso) {
        MsgBox(QStringLiteral("Le compte asso à débiter n'a pas été renseigné dans les paramètres. L'opération est "
                              "impossible."),
               style_boîte::information);
        return issue_crédit::réglages_manquants;
    }
    if (montant == monnaie{}) {
        MsgBox(QStringLiteral("Le montant à attribuer n'a pas été renseigné dans les paramètres. L'opération est "
                              "impossible."),
               style_boîte::information);
        return issue_crédit::réglages_manquants;
    }

    const int n = lit_numéro_adhérent(texte_numéro);
    if (n == 0) {
        MsgBox(QStringLiteral("Votre numéro d'adhérent est incorrect "), style_boîte::information);
        return issue_crédit::refusé;
    }
    if (numéro_pris(n)) {
        MsgBox(QStringLiteral("Ce numéro est déjà utilisé"), style_boîte::critique);
        return issue_crédit::refusé;
    }
    if (!place_pour_lignes(2))
        return issue_crédit::refusé;
    double date_adhésion = 0;
    if (!lit_date_saisie(c.date_adh, date_adhésion)) {
        MsgBox(QStringLiteral("Le format de la date d'inscription n'est pas correct. (jj/mm/aaaa ou 00:00:00)"),
               style_boîte::critique);
        return issue_crédit::refusé;
    }
    figures_compte départ;
    if (!lit_figures_compte(c, départ))
        return issue_crédit::refusé;

    adhérent& a = membre(n);
    const figures_compte avant = figures_de(a);
    pose_figures(a, départ);
    for (const auto& [sens, compte] : {std::pair{sens_débit, asso}, std::pair{sens_crédit, n}})
        if (!mouvement_possible(sens, compte, montant)) {
            pose_figures(a, avant);
            MsgBox(QStringLiteral("Le compte n° %1 ne peut plus recevoir d'opération (nombre d'opérations ou montant "
                                  "trop grand) : l'opération n'est pas enregistrée.")
                       .arg(compte),
                   style_boîte::exclamation);
            return issue_crédit::refusé;
        }

    // Nothing can be refused from here on.
    ligne_de_compte ligne;
    compose_type_compte_a(ligne, sens_débit, asso, n, montant, date_adhésion);
    ligne.solde = mouvemente_compte(sens_débit, asso, montant);
    const int ligne_asso = ++données.nombre_lignes_compte;
    données.table_lignes_compte[static_cast<std::size_t>(ligne_asso)] = ligne;

    ligne = ligne_de_compte{};
    compose_type_compte_a(ligne, sens_crédit, n, asso, montant, date_adhésion);
    ligne.solde = mouvemente_compte(sens_crédit, n, montant);
    const int ligne_membre = ++données.nombre_lignes_compte;
    données.table_lignes_compte[static_cast<std::size_t>(ligne_membre)] = ligne;

    crédit = {n, asso, montant, ligne_asso, ligne_membre, avant, enregistrements_du_fichier_courant()};
    return issue_crédit::posté;
}

bool annule_crédit_inscription(const crédit_inscription& c)
{
    if (!ligne_du_crédit(c.ligne_asso, c.compte_asso, c.numéro, sens_débit, c.montant) ||
        !ligne_du_crédit(c.ligne_membre, c.numéro, c.compte_asso, sens_crédit, c.montant) ||
        c.ligne_membre <= c.ligne_asso)
        return false;
    retire_ligne(c.ligne_membre);
    retire_ligne(c.ligne_asso);

    compte_asso& asso = données.comptes_asso[static_cast<std::size_t>(c.compte_asso - premier_compte_asso)];
    asso.solde += c.montant;
    --asso.débits;
    asso.volume -= c.montant;
    pose_figures(membre(c.numéro), c.figures_avant);
    reprend_sur_disque(c.posé);
    return true;
}
