// The exchange window's undo: a statement line cancelled by its opposite
// line, the restore point brought back, and the resets of balances and totals.
#include "accounts/f_compta.h"
#include "accounts/f_compta_commun.h"

#include "accounts/annulation.h"
#include "accounts/plusieurs_comptes.h"
#include "accounts/reprise.h"
#include "data/dialogues.h"
#include "ui_common/grille_vue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>

using namespace fenêtre_échanges;

// ---------------------------------------------------------------- undo and cancellation

void f_compta::gg_compte_DblClick()
{
    if (gg_compte.Rows() < 2)
        return;
    if (gg_compte.Row() < 1)
        gg_compte.setRow(1);
    constitue_ligne_annulation(gg_compte.Row());
}

void f_compta::constitue_ligne_annulation(int ligne)
{
    const std::optional<ligne_à_annuler> a = ligne_à_annuler_de(gg_compte, ligne);
    if (!a)
        return;
    // A ledger without room for the reverse exchange refuses it, saying what
    // frees lines, before the user is asked to confirm it.
    if (!place_pour_lignes(lignes_par_échange))
        return;
    if (MsgBox(QStringLiteral("Cette action va créer une ligne d'annulation pour ") + a->description_ligne +
                   QStringLiteral(" . Etes-vous-sûr ? "),
               style_boîte::oui_non | style_boîte::question) != rép_oui)
        return;

    // Everything is checked and recorded before the entry is touched: a
    // refused cancellation leaves the entry as it was, and nothing of it can
    // be recorded later between other accounts. The reverse exchange goes
    // between the row's two accounts exactly: an account missing from its
    // list is refused, never replaced by another.
    const int position_reçoit = position_de_valeur(liste_comptes_à_créditer, a->crédité);
    const int position_paye = position_de_valeur(Liste_comptes, a->débité);
    if (position_reçoit < 0 || position_paye < 0) {
        refuse_annulation_hors_listes(position_reçoit < 0 ? a->crédité : a->débité);
        return;
    }
    if (!dt(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text()))
        return;
    const auto dans = [](const QComboBox* liste, int position) {
        return position >= 0 && position < liste->count() ? position : -1;
    };
    saisie_échange s = saisie_en_cours();
    s.débité = a->débité;
    s.crédité = a->crédité;
    s.date_opération = *date_saisie(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text());
    s.description = a->description;
    s.ligne_cat.clear();
    s.genre = dans(cb_genre, a->genre);
    s.catégorie = dans(cb_kid, a->catégorie);
    s.montant = a->montant;
    s.code_rubrique = a->code_rubrique;
    gg_compte.setCols(17);
    if (!enregistre_annulation(s, a->rétablit, {&gg_compte}))
        return;

    // Recorded: the entry shows the cancellation, with nothing left to record.
    bt_nouvelle_Click();
    ctt_libellé->setText(s.description);
    {
        const QSignalBlocker bloque_genre(cb_genre), bloque_kid(cb_kid);
        cb_genre->setCurrentIndex(s.genre);
        cb_kid->setCurrentIndex(s.catégorie);
    }
    ctt_montant->setText(s.montant);
    ctt_code_rubrique->setText(s.code_rubrique);
    num_compt_dest1->clear();
    choisis(liste_comptes_à_créditer, position_reçoit);
    num_cpt->clear();
    choisis(Liste_comptes, position_paye);

    date_opération = s.date_opération;
    offreur_choisi = false;
    vue_gg_compte->scrollToBottom();
    lignes_affichées_ = 0;
    échange_défaisable_ = false;
    bt_nouvelle->setText(QStringLiteral("Nouvelle"));
    bt_valider->setEnabled(false);
    ctt_libellé->setEnabled(false);
    bt_créditer_adh->setEnabled(false);
    // The debited list comes back to the account that has just been repaid.
    QString num = QString::number(offreur);
    cherche_adh_par_num(Liste_comptes, num);
    montre_soldes();
    rafraîchit_grille_principale();
    lignes_postées();
}

void f_compta::bt_annul_ligne_adh_Click()
{
    if (!échange_défaisable_)
        return;
    échange_défaisable_ = false;
    if (défait_dernière_opération()) {
        ôte_lignes_affichées();
        remet_saisie();
        montre_soldes();
        rafraîchit_grille_principale();
        lignes_postées();
    }
    lignes_affichées_ = 0;
    bt_annul_ligne_adh->setEnabled(false);
    bt_annul_ligne_adh->hide();
    bt_créditer_adh->setEnabled(false);
    bt_nouvelle->setFocus();
}

void f_compta::bt_annul_lig_asso_Click()
{
    // An operation that posted nothing (a list without members) has nothing to undo.
    if (dernière_opération_multiple != aucune_opération_multiple && lignes_affichées_ > 0 &&
        défait_dernière_opération()) {
        ôte_lignes_affichées();
        montre_soldes();
        rafraîchit_grille_principale();
        lignes_postées();
    }
    remet_saisie();
    lignes_affichées_ = 0;
    for (QPushButton* b : {bt_annul_lig_asso, bt_créditer_asso, bt_prélever})
        active(b, false);
    bt_nouvelle->setFocus();
    dernière_opération_multiple = aucune_opération_multiple;
}

void f_compta::ôte_lignes_affichées()
{
    if (lignes_affichées_ <= 0 || gg_compte.Rows() - 1 < lignes_affichées_)
        return;
    for (int k = 0; k < lignes_affichées_; ++k)
        gg_compte.RemoveItem(gg_compte.Rows() - 1);
    lignes_affichées_ = 0;
}

// ---------------------------------------------------------------- restore points and resets

void f_compta::Command1_MouseDown(Qt::KeyboardModifiers touches)
{
    if ((touches & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        if (MsgBox(QStringLiteral("Cette action va revenir aux données présentes lors de la pose du dernier point "
                                  "de repère ou à défaut lors de l'ouverture de cette page.\r\n"
                                  "Toutes les lignes de compte rentrées depuis seront ignorées."),
                   style_boîte::ok_annuler | style_boîte::information) != rép_ok)
            return;
        if (restaure(restaure_point_repère))
            bt_extraire_relevé_Click();
        return;
    }
    if (!pose_point_repère()) {
        // Told rather than confirmed: nothing was written.
        const QString raison = raison_sans_point_repère();
        if (!raison.isEmpty())
            MsgBox(raison, style_boîte::exclamation);
        return;
    }
    MsgBox(QStringLiteral("Votre demande a bien été enregistrée.\r\nVous pourrez revenir aux données actuelles par "
                          "un ctrl+click sur ce bouton ou en utilisant la fonction du menu fichier."),
           style_boîte::information);
}

void f_compta::enr_rep_Click() { pose_point_repère(); }

void f_compta::rest_rep_Click() { restaure(restaure_point_repère); }

void f_compta::restaure_départ_Click() { restaure(restaure_copie_départ); }

bool f_compta::restaure(bool (*restauration)())
{
    // The other windows first validate and close: nothing they show of the
    // tables replaced can reach the restored ones.
    if (!libère_fenêtres_avant_chargement(this) || !restauration())
        return false;
    plus_rien_à_défaire();
    return true;
}

void f_compta::plus_rien_à_défaire()
{
    abandonne_validation();
    échange_défaisable_ = false;
    lignes_affichées_ = 0;
    dernière_opération_multiple = aucune_opération_multiple;
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso})
        active(b, false);
    montre_soldes();
    suit_place_lignes();
}

bool f_compta::avertissement()
{
    if (MsgBox(texte_avertissement_remise(), style_boîte::ok_annuler | style_boîte::information) == rép_ok)
        return true;
    if (Liste_comptes->count() > 0)
        choisis(Liste_comptes, 0);
    return false;
}

void f_compta::zéro_adh_Click()
{
    if (!avertissement())
        return;
    if (MsgBox(texte_remise_soldes(), style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return;
    if (remet_soldes(comptes_listés()))
        plus_rien_à_défaire();
}

void f_compta::zéro_cumuls_Click()
{
    if (!avertissement())
        return;
    if (MsgBox(texte_remise_cumuls(), style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return;
    if (remet_cumuls(comptes_listés()))
        plus_rien_à_défaire();
}
