// The member register: validating a record, a new member, deletion and
// restoration, the registration credit and the balance correction.
#include "members/fenetres_adherents.h"

#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "members/fenetres_adherents_commun.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/principale.h"
#include "ui_common/vues_tables.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

using namespace registre_adhérents;

// ---------------------------------------------------------------- validation

champs_adhérent f_adhérents::champs_affichés() const
{
    champs_adhérent c;
    c.prénom = ctt_prénom->text();
    c.nom_adresse = ctt_nom_pour_adresse->text();
    c.rue = ctt_rue->text();
    c.cp = ctt_cp->text();
    c.ville = cb_ville->currentText().trimmed();
    c.tel1 = ctt_tel1->text();
    c.tel2 = ctt_tel2->text();
    c.e_mail = ctt_e_mail->text();
    c.photo = ctt_nom_photo->text();
    c.date_adh = ctt_date_adh->text();
    c.date_cot = ctt_date_cot->text();
    c.civilité = cb_civilité->currentIndex();
    c.sexe = cb_sexe->currentIndex();
    c.statut = cb_statut->currentIndex();
    c.critère0 = cb_nat->currentIndex();
    c.qualité = cb_qual->currentIndex();
    c.critère1 = cb_cr1->currentIndex();
    c.critère2 = cb_cr2->currentIndex();
    c.catégorie = -1;
    for (int i = 0; i < 3; ++i)
        if (ob_kid[static_cast<std::size_t>(i)]->isChecked()) {
            c.catégorie = i;
            break;
        }
    c.commentaire = ctt_comm->toPlainText();
    c.solde = ctt_solde->text();
    c.débits = ctt_débits->text();
    c.crédits = ctt_crédits->text();
    c.volume = ctt_volume->text();
    return c;
}

noms_critères f_adhérents::noms_affichés() const
{
    noms_critères n;
    n.titre0 = ctt_cr0->text();
    n.titre1 = ctt_cr1->text();
    n.titre2 = ctt_cr2->text();
    auto lit = [](const QComboBox* liste, std::array<QString, 10>& noms) {
        for (int j = 0; j < 10; ++j)
            noms[static_cast<std::size_t>(j)] = j < liste->count() ? liste->itemText(j) : QString();
    };
    lit(cb_nat, n.critère0);
    lit(cb_cr1, n.critère1);
    lit(cb_cr2, n.critère2);
    lit(cb_qual, n.qualité);
    return n;
}

bool f_adhérents::bt_valider_Click()
{
    if (contrôle_archive())
        return false;
    if (!nouveau_en_cours_) {
        if (!bt_modifier_Click())
            return false;
        ctt_prénom->hide();
        bt_modif_nom->show();
        Liste_adhérents->show();
        spin_adh->setEnabled(true);
        bt_offres_demandes->setEnabled(fenêtre_enregistrée(noms_fenêtres::base));
        num_adhérent->setEnabled(true);
        bt_valider->setEnabled(false);
        return true;
    }

    modifiée_ = false;
    const champs_adhérent champs = champs_affichés();
    const issue_nouvel_adhérent issue = valide_nouvel_adhérent(num_adhérent->text(), champs);
    if (!issue.numéro) {
        // The new member stays pending, with the reason told.
        modifiée_ = true;
        if (issue.refus == refus_fiche::date_adhésion)
            ctt_date_adh->clear();
        else if (issue.refus == refus_fiche::date_cotisation)
            ctt_date_cot->clear();
        else if (issue.refus == refus_fiche::numéro_pris && issue.numéro_libre > 0 && !crédit_)
            num_adhérent->setText(QString::number(issue.numéro_libre));
        return false;
    }
    range_noms_critères(noms_affichés(), false);
    crédit_.reset();  // the credit now belongs to a member

    const int n = issue.numéro;
    const QString identifiant = données.table_adhérents[static_cast<std::size_t>(n)].identifiant;
    int i = entrée_du_numéro(n);
    if (i < 0) {
        Liste_adhérents->addItem(identifiant, n);
        i = Liste_adhérents->count() - 1;
    } else {
        Liste_adhérents->setItemText(i, identifiant);
    }
    revient_en_consultation();
    sélectionne_entrée(i);
    enregistrer_fichier(fichier_courant, false);
    affiche_adhérents(gg(), false);
    num_adhérent->setEnabled(true);
    bt_valider->setEnabled(false);
    return true;
}

// Leaving the record shown (another member, a new one, another window): a
// new member is validated, the pending changes of a member shown too.
bool f_adhérents::valide_la_fiche()
{
    if (nouveau_en_cours_)
        return bt_valider_Click();
    if (!modification_en_attente() || !numéro_affiché_)
        return true;
    return bt_modifier_Click();
}

bool f_adhérents::valide_avant_chargement() { return valide_la_fiche(); }

bool f_adhérents::bt_modifier_Click()
{
    modifiée_ = false;
    const int n = numéro_affiché_;
    if (n < 1 || n > max_adhérents)
        return true;  // no member shown: nothing to store
    const refus_fiche refus = valide_adhérent(n, champs_affichés(), identifiant_montré_);
    if (refus != refus_fiche::aucun) {
        if (refus == refus_fiche::date_adhésion)
            ctt_date_adh->clear();
        else if (refus == refus_fiche::date_cotisation)
            ctt_date_cot->clear();
        modifiée_ = true;
        bt_valider->setEnabled(true);
        return false;
    }
    saisie_.retiens();
    identifiant_montré_ = données.table_adhérents[static_cast<std::size_t>(n)].identifiant.str();
    if (const int i = entrée_du_numéro(n); i >= 0)
        Liste_adhérents->setItemText(i, identifiant_montré_);
    bt_nouvelle->setText(QStringLiteral("Nouvel(le)"));
    bt_supprimer->setText(caption_supprimer);
    range_noms_critères(noms_affichés(), true);
    enregistrer_fichier(fichier_courant, false);
    affiche_adhérents(gg(), false);
    num_adhérent->setEnabled(true);
    return true;
}

void f_adhérents::bt_modif_nom_Click()
{
    ctt_prénom->show();
    ctt_prénom->setFocus();
    Liste_adhérents->hide();
    spin_adh->setEnabled(false);
    bt_modif_nom->hide();
}

void f_adhérents::applique_identifiant()
{
    bt_supprimer->setText(nouveau_en_cours_ ? caption_annuler : caption_supprimer);
    // A new member reaches the list and its record only when validated; a
    // blank identifier would make the member's number look free.
    const QString texte = ctt_prénom->text();
    if (nouveau_en_cours_ || numéro_affiché_ == 0 || texte.trimmed().isEmpty())
        return;
    if (const int i = entrée_du_numéro(numéro_affiché_); i >= 0)
        Liste_adhérents->setItemText(i, texte.trimmed());
    données.table_adhérents[static_cast<std::size_t>(numéro_affiché_)].identifiant = texte;
}

void f_adhérents::ctt_prénom_LostFocus()
{
    applique_identifiant();
    const QString texte = ctt_prénom->text().trimmed();
    const int n = nouveau_en_cours_ ? lit_numéro_adhérent(num_adhérent->text()) : numéro_affiché_;
    pour_chaque_adhérent(données, [&](int m, const adhérent& a) {
        if (m != n && !texte.isEmpty() && a.identifiant.trimmed() == texte) {
            MsgBox(QStringLiteral("Ce prénom est déjà utilisé. Complétez la zone pour qu'il puisse être "
                                  "différencié"),
                   style_boîte::exclamation);
            ctt_prénom->setFocus();
        }
    });
    if (!nouveau_en_cours_) {
        ctt_prénom->hide();
        bt_modif_nom->show();
    }
}

void f_adhérents::inf_modif()
{
    const QString crlf = QStringLiteral("\r\n");
    MsgBox(QStringLiteral("Les étiquettes nom de champ et le nom des critères concernent tous les adhérents ") + crlf +
               QStringLiteral("Leur modification se fait ici mais ne concerne pas seulement l'adhérent en cours ") +
               ctt_prénom->text() + QStringLiteral(".") + crlf + crlf +
               QStringLiteral("Il est fortement conseillé de laisser le [aucun] en tête des déroulants.") + crlf +
               crlf +
               QStringLiteral("Si vous changez le nom d'un critère, le nouveau nom s'appliquera à tous les adhérents "
                              "pour qui l'ancien nom était sélectionné."),
           style_boîte::ok);
}

// ---------------------------------------------------------------- new member, deletion

void f_adhérents::passe_en_mode_nouveau()
{
    nouveau_en_cours_ = true;
    bt_nouvelle->setEnabled(false);
    bt_offres_demandes->setEnabled(false);
    bt_imprimer->setEnabled(false);
    bt_créditer_adh->setEnabled(true);
    bt_valider->setEnabled(true);
    Liste_adhérents->hide();
    spin_adh->setEnabled(false);
    ctt_prénom->show();
    bt_modif_nom->hide();
}

void f_adhérents::revient_en_consultation()
{
    nouveau_en_cours_ = false;
    bt_nouvelle->setEnabled(true);
    bt_valider->setEnabled(false);
    bt_créditer_adh->setEnabled(false);
    bt_supprimer->setText(caption_supprimer);
    ctt_prénom->hide();
    bt_modif_nom->show();
    spin_adh->setEnabled(true);
    Liste_adhérents->show();
    bt_offres_demandes->setEnabled(fenêtre_enregistrée(noms_fenêtres::base));
    bt_imprimer->setEnabled(fenêtre_enregistrée(noms_fenêtres::impression));
    num_adhérent->setEnabled(true);
}

void f_adhérents::bt_nouvelle_Click()
{
    if (contrôle_archive())
        return;
    if (!valide_la_fiche())
        return;  // the shown member's changes were refused: they stay on screen
    const auto remplissage = saisie_.remplit();
    passe_en_mode_nouveau();
    montre_statut_choisi(1);
    crédit_.reset();
    numéro_affiché_ = 0;
    modifiée_ = false;

    for (QLineEdit* z : {ctt_prénom, ctt_nom_pour_adresse, ctt_tel1, ctt_tel2, ctt_rue, ctt_cp, ctt_solde,
                         ctt_crédits, ctt_débits, ctt_volume, ctt_e_mail, ctt_nom_photo})
        z->clear();
    for (QLineEdit* z : {ctt_solde, ctt_crédits, ctt_débits, ctt_volume})
        z->setEnabled(true);
    if (const int n = numéro_proposé())
        num_adhérent->setText(QString::number(n));
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(-1);
        cb_ville->setEditText(QString());
    }
    ctt_comm->clear();
    picture1->clear();
    const QString aujourd_hui = date_courte(date_depuis(aujourdhui()));
    ctt_date_adh->setText(aujourd_hui);
    ctt_date_cot->setText(aujourd_hui);
    montre_position(cb_civilité, 0);
    montre_position(cb_sexe, 0);
    montre_position(cb_nat, 0);
    montre_position(cb_qual, 2);
    montre_position(cb_cr1, 0);
    montre_position(cb_cr2, 0);
    montre_position(cb_statut, 1);
    bt_supprimer->setText(caption_annuler);
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(-1);
    }
    num_adhérent->setEnabled(true);
    num_adhérent->setFocus();
    ob_kid[1]->setChecked(true);
    ob_kid_Click(1);
}

// Takes back the registration credit of the new member being abandoned.
void f_adhérents::abandonne_crédit()
{
    if (crédit_)
        annule_crédit_inscription(*crédit_);
    crédit_.reset();
}

void f_adhérents::bt_supprimer_Click()
{
    const QString action = bt_supprimer->text();
    if (action == caption_annuler) {
        const auto remplissage = saisie_.remplit();
        // Only what the pending record created is undone: nothing was listed.
        abandonne_crédit();
        modifiée_ = false;
        revient_en_consultation();
        numéro_affiché_ = 0;
        if (Liste_adhérents->count() > 0)
            sélectionne_entrée(0);
        affiche_adhérents(gg(), false);
        return;
    }
    const int n = numéro_affiché_;
    if (n < 1 || n > max_adhérents)
        return;
    if (action == caption_supprimer) {
        change_statut_adhérent(n, 2);
        montre_position(cb_statut, 2);
        saisie_.retiens(cb_statut);
        montre_statut_choisi(2);
        bt_valider->setEnabled(true);
    } else if (action == caption_restaurer) {
        change_statut_adhérent(n, 0);
        montre_position(cb_statut, 0);
        saisie_.retiens(cb_statut);
        couleurs_statut(0);
        bt_supprimer->setText(caption_supprimer);
        bt_valider->setEnabled(true);
    }
}

void f_adhérents::cb_statut_Click(int index)
{
    const int n = numéro_affiché_;
    if ((index == 2 || index == 3) && !nouveau_en_cours_ && n >= 1 && n <= max_adhérents) {
        change_statut_adhérent(n, index);
        montre_position(cb_statut, index);
        saisie_.retiens(cb_statut);
        bt_supprimer->setText(caption_restaurer);
        bt_valider->setEnabled(true);
    }
    couleurs_statut(index);
}

void f_adhérents::bt_offres_demandes_Click()
{
    // Leaving the record for the editor validates it as choosing another
    // member would; refused, the register stays with the record as typed.
    if (!valide_la_fiche())
        return;
    hide();
    if (fenêtre_programme* base = montre_fenêtre(noms_fenêtres::base))
        base->feuille().showMaximized();
    if (appelant_filtre != noms_fenêtres::base)
        affiche_adhérents(gg(), false);
    appelant_filtre = noms_fenêtres::adhérents;
}

void f_adhérents::bt_imprimer_Click()
{
    // The labels window opens whatever the validation decided: a refused
    // record stays pending here, with the reason told.
    valide_la_fiche();
    montre_fenêtre(noms_fenêtres::impression);
}

void f_adhérents::bt_quitter_Click() { close(); }

// ---------------------------------------------------------------- registration credit

void f_adhérents::bt_créditer_adh_Click()
{
    bt_créditer_adh->setEnabled(false);
    crédit_inscription c;
    switch (crédite_inscription(num_adhérent->text(), champs_affichés(), c)) {
    case issue_crédit::posté:
        crédit_ = c;
        montre_figures(c.numéro);
        // The lines name this number: it stays until validation or cancel.
        num_adhérent->setEnabled(false);
        break;
    case issue_crédit::réglages_manquants: break;
    case issue_crédit::refusé: bt_créditer_adh->setEnabled(true); break;
    }
}

void f_adhérents::bt_modifier_solde_Click()
{
    if (!ctt_solde->text().isEmpty() &&
        MsgBox(QStringLiteral("Normalement, le solde ne devrait pas être modifié pour d'autres raisons qu'une erreur "
                              "de saisie au départ pour les adhérents qui avaient un compte avant l'utilisation du "
                              "logiciel. Etes-vous sûr(e)?"),
               style_boîte::oui_non | style_boîte::exclamation) == rép_non)
        return;
    for (QLineEdit* z : {ctt_solde, ctt_crédits, ctt_débits, ctt_volume})
        z->setEnabled(true);
}
