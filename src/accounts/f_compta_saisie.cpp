// The exchange window's entry: choosing the two accounts, the date, the
// description, the heading and the amount, then validating and recording.
#include "accounts/f_compta.h"
#include "accounts/f_compta_commun.h"

#include "accounts/plusieurs_comptes.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <functional>

using namespace fenêtre_échanges;

// ---------------------------------------------------------------- choosing the accounts

void f_compta::cherche_adh_par_num(QComboBox* liste, QString& num)
{
    if (num.isEmpty()) {
        if (liste->currentIndex() >= 0)
            num = QString::number(valeur_choisie(liste));
        return;
    }
    std::vector<int> valeurs;
    for (int i = 0; i < liste->count(); ++i)
        valeurs.push_back(liste->itemData(i).toInt());
    if (const std::optional<int> position = position_pour_numéro(valeurs, numéro_lu(num)))
        choisis(liste, *position);
}

void f_compta::cherche_compte_par_num()
{
    const int numéro = numéro_lu(num_compt_dest1->text());
    if (numéro == 0) {
        if (liste_comptes_à_créditer->currentIndex() >= 0)
            num_compt_dest1->setText(QString::number(valeur_choisie(liste_comptes_à_créditer)));
        return;
    }
    const int position = position_de_valeur(liste_comptes_à_créditer, numéro);
    if (position >= 0)
        choisis(liste_comptes_à_créditer, position);
}

void f_compta::Liste_comptes_Click()
{
    // Choosing the validated account again (leaving its number field) keeps
    // the validation; any other choice drops it.
    if (!saisie_validée_ || saisie_validée_->débité != valeur_choisie(Liste_comptes))
        abandonne_validation();
    compte_courant = static_cast<int16>(valeur_choisie(Liste_comptes));
    num_cpt->setText(QString::number(compte_courant));
    cadre_période->setTitle(QStringLiteral("Options d'extraction"));
    const bool asso = compte_courant >= premier_compte_asso;
    cadre_compte_asso->setVisible(asso);
    cadre_compte_adhérent->setVisible(!asso);
    for (QPushButton* b : bt_plusieurs)
        b->setVisible(asso);
    lbl_der_solde->setText(texte_affiché(solde_compte(compte_courant)));
    if (asso) {
        bt_initialiser_Click();
        cadre_adhérent->setTitle(QStringLiteral("Comptes à créditer/débiter"));
    } else {
        cadre_adhérent->setTitle(QStringLiteral("Comptes à débiter"));
    }
    bt_créditer_adh->setVisible(!asso);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(true);
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso}) {
        b->hide();
        active(b, false);
    }
    synchronise_spin();
}

void f_compta::liste_comptes_à_créditer_Click()
{
    if (!saisie_validée_ || saisie_validée_->crédité != valeur_choisie(liste_comptes_à_créditer))
        abandonne_validation();
    offreur = valeur_choisie(liste_comptes_à_créditer);
    offreur_choisi = true;
    num_compt_dest1->setText(QString::number(offreur));
    lbl_der_solde_offreur->setText(texte_affiché(solde_compte(offreur)));
    if (offreur < premier_compte_asso) {
        if (données.sans_prélèvement)
            chk_prélever->setChecked(true);
        cadre_prélever_sur_échange->show();
    } else {
        chk_prélever->setChecked(false);
        chk_prélever_Click();
        cadre_prélever_sur_échange->hide();
    }
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso}) {
        b->hide();
        active(b, false);
    }
}

void f_compta::num_compt_dest1_Entrée()
{
    offreur_choisi = true;
    QString num = num_compt_dest1->text();
    cherche_adh_par_num(liste_comptes_à_créditer, num);
    if (num_compt_dest1->text().isEmpty())
        num_compt_dest1->setText(num);
}

void f_compta::spin_adh_Change()
{
    if (spin_adh->value() < Liste_comptes->count())
        choisis(Liste_comptes, spin_adh->value());
}

void f_compta::bt_initialiser_Click()
{
    liste_comptes_asso->clear();
    remplit_liste_longue(*liste_comptes_asso, longue(membres_pour_plusieurs()));
    compte_liste_asso();
}

bool f_compta::même_compte()
{
    const int débité = valeur_choisie(Liste_comptes);
    int autre = 0;
    if (cadre_membre_visible())
        autre = valeur_choisie(liste_comptes_à_créditer);
    else if (const QListWidgetItem* e = liste_comptes_asso->currentItem())
        autre = e->data(Qt::UserRole).toInt();
    if (débité == 0 || autre == 0 || débité != autre)
        return false;
    MsgBox(QStringLiteral("Il est impossible d'effectuer une opération d'un compte sur lui-même"),
           style_boîte::information);
    return true;
}

// ---------------------------------------------------------------- the entry

void f_compta::bt_nouvelle_Click()
{
    abandonne_validation();
    ctt_ligne_cat->clear();
    ctt_libellé->clear();
    ctt_code_rubrique->clear();
    // A count of exchanges starts at one; an amount waits for the user.
    ctt_montant->setText(données.utilise_monnaie_locale == 1 ? QString() : QStringLiteral("1"));
    for (QComboBox* l : {cb_rub1, cb_rub2, cb_rub3, cb_genre}) {
        const QSignalBlocker bloque(l);
        l->setCurrentIndex(-1);
    }
    const bool membre = cadre_membre_visible();
    bt_créditer_adh->setVisible(membre);
    bt_annul_ligne_adh->setVisible(membre);
    bt_créditer_asso->setVisible(!membre);
    bt_prélever->setVisible(!membre);
    const std::optional<monnaie> montant = lit_montant_saisi(ctt_montant->text());
    // Only while the last exchange can still be undone.
    active(bt_annul_ligne_adh, montant && montant->brut != 0 && échange_défaisable_ && journal_à_jour());
    if (bt_nouvelle->text() == QLatin1String("Nouvelle")) {
        bt_nouvelle->setText(QStringLiteral("Annuler"));
        bt_valider->setEnabled(true);
        ctt_libellé->setEnabled(true);
    } else {
        bt_nouvelle->setText(QStringLiteral("Nouvelle"));
        bt_valider->setEnabled(false);
        ctt_libellé->setEnabled(false);
        bt_annul_ligne_adh->hide();
        active(bt_annul_lig_asso, false);
    }
}

void f_compta::bt_valider_Click()
{
    abandonne_validation();
    if (même_compte()) {
        ctt_montant->clear();
        return;
    }
    const std::optional<monnaie> montant = montant_saisi(ctt_montant->text());
    if (!montant)
        return;
    if (montant->brut == 0 && données.utilise_monnaie_locale != 0) {
        MsgBox(QStringLiteral("Vous n'avez pas indiqué le montant de l'opération"), style_boîte::exclamation);
        return;
    }
    if (!dt(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text()))
        return;
    saisie_échange s = saisie_en_cours();
    s.date_opération = *date_saisie(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text());
    const bool membre = cadre_membre_visible();
    const bool à_enregistrer = montant->brut != 0;
    monnaie prélèvement;
    // Everything the recording will check, now, with its message.
    if (membre && à_enregistrer) {
        const std::optional<monnaie> p = valide_échange(s);
        if (!p)
            return;
        prélèvement = *p;
        s.prélèvement_validé = p;
    } else if (à_enregistrer && !valide_opération_multiple(s, comptes_listés())) {
        return;
    }

    offreur_choisi = false;
    date_opération = s.date_opération;
    if (membre)
        ctt_montant_à_prélever->setText(texte_affiché(prélèvement));
    if (à_enregistrer) {
        saisie_validée_ = s;
        suivi_entrée_.retiens();
    }
    bt_créditer_adh->setVisible(membre);
    bt_créditer_adh->setEnabled(membre && saisie_validée_.has_value());
    bt_annul_ligne_adh->setVisible(membre);
    active(bt_annul_ligne_adh, false);
    bt_créditer_asso->setVisible(!membre);
    bt_prélever->setVisible(!membre);
    active(bt_créditer_asso, !membre && à_enregistrer);
    active(bt_prélever, !membre && à_enregistrer);
    bt_annul_lig_asso->setVisible(!membre);
    active(bt_annul_lig_asso, false);
    QPushButton* suivant = membre ? bt_créditer_adh : bt_prélever;
    if (suivant->isEnabled())
        suivant->setFocus();
    bt_nouvelle->setText(QStringLiteral("Nouvelle"));
    bt_valider->setEnabled(false);
    ctt_libellé->setEnabled(false);
}

void f_compta::bt_créditer_adh_Click()
{
    if (!validation_tient() || !cadre_membre_visible())
        return;
    const saisie_échange s = *saisie_validée_;
    gg_compte.setCols(17);
    if (!enregistre_échange(s, {&gg_compte})) {
        // Pressing again would be refused again: the entry waits for a new validation.
        abandonne_validation();
        suit_place_lignes();
        return;
    }
    saisie_validée_.reset();
    vue_gg_compte->scrollToBottom();
    lignes_affichées_ = static_cast<int>(journal_écritures().size());
    échange_défaisable_ = true;
    dernière_opération_multiple = aucune_opération_multiple;

    const bool avec_prélèvement = journal_écritures().size() == 4;
    if (avec_prélèvement) {
        // The fields show the levy lines, the last ones recorded.
        ctt_libellé->setText(QStringLiteral("~ ") + s.prélèvement.taux + QStringLiteral("% sur ") + s.description);
        ctt_ligne_cat->setText(QStringLiteral("0"));
        ctt_code_rubrique->setText(QStringLiteral("0"));
        for (QComboBox* l : {cb_genre, cb_kid}) {
            const QSignalBlocker bloque(l);
            l->setCurrentIndex(-1);
        }
    }
    offreur = valeur_choisie(liste_comptes_à_créditer);
    compte_courant = static_cast<int16>(valeur_choisie(Liste_comptes));
    lbl_der_solde_offreur->setText(texte_affiché(solde_compte(offreur)));
    lbl_der_solde->setText(texte_affiché(solde_compte(compte_courant)));
    bt_créditer_adh->setEnabled(false);
    active(bt_annul_ligne_adh, true);
    rafraîchit_grille_principale();
    lignes_postées();
}

void f_compta::ctt_ligne_cat_Entrée()
{
    const std::optional<ligne_catalogue> l = cherche_ligne_catalogue(ctt_ligne_cat->text());
    if (!l)
        return;
    ctt_libellé->setText(l->désignation);
    const int code = l->code_rubrique;
    ctt_code_rubrique->setText(QString::number(code));
    {
        const QSignalBlocker bloque_kid(cb_kid), bloque_genre(cb_genre);
        cb_kid->setCurrentIndex(l->pour_enfants ? 0 : 1);
        cb_genre->setCurrentIndex(l->genre);
    }
    // The lists are found by their numbers, whatever their positions.
    choisis(cb_rub1, position_de_valeur(cb_rub1, code / 100));
    choisis(cb_rub2, position_de_valeur(cb_rub2, code % 100 / 10));
    choisis(cb_rub3, code % 10 - 1);
    if (l->offre && !offreur_choisi) {
        num_compt_dest1->setText(QString::number(l->membre));
        cherche_compte_par_num();
    }
    ctt_montant->setFocus();
}

void f_compta::ctt_libellé_Entrée()
{
    ctt_libellé->setText(remplace_guillemets(ctt_libellé->text()));
    if (données.utilise_monnaie_locale == 0) {
        ctt_montant->setText(QStringLiteral("1"));
        bt_valider_Click();
    } else {
        ctt_montant->setFocus();
    }
}

void f_compta::cb_rub1_Click()
{
    if (cb_rub1->currentIndex() < 0)
        return;
    constitue_liste_sous_rubriques(valeur_choisie(cb_rub1));
    constitue_code();
}

void f_compta::constitue_code()
{
    // Without a section the code field keeps what it holds.
    if (cb_rub1->currentIndex() < 0)
        return;
    int code = valeur_choisie(cb_rub1) * 100;
    if (cb_rub2->currentIndex() >= 0)
        code += valeur_choisie(cb_rub2) * 10;
    code += cb_rub3->currentIndex() + 1;
    ctt_code_rubrique->setText(QString::number(code));
}

void f_compta::constitue_liste_sous_rubriques(int section)
{
    remplit(cb_rub2, sous_rubriques_de(section));
    if (section == 0)
        return;
    const std::optional<chiffres_code> chiffres = chiffres_du_code(ctt_code_rubrique->text());
    if (!chiffres) {
        const QSignalBlocker bloque(cb_rub3);
        cb_rub3->setCurrentIndex(-1);
        return;
    }
    choisis(cb_rub2, position_de_valeur(cb_rub2, chiffres->sous_rubrique));
    choisis(cb_rub3, chiffres->dernier - 1);
}

void f_compta::ctt_code_rubrique_Entrée()
{
    int code = numéro_lu(ctt_code_rubrique->text());
    if (code < std::numeric_limits<int16>::min() || code > std::numeric_limits<int16>::max())
        code = 0;
    choisis(cb_rub1, indice_rubrique_liste(*cb_rub1, static_cast<int16>(code)));
}

void f_compta::chk_prélever_Click() { données.sans_prélèvement = chk_prélever->isChecked() ? 1 : 0; }
