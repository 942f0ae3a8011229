// The exchange window's operations on several accounts at once: crediting
// them from the association's account, the levy, and the list they are chosen in.
#include "accounts/f_compta.h"
#include "accounts/f_compta_commun.h"

#include "accounts/grilles_comptes.h"
#include "accounts/plusieurs_comptes.h"
#include "data/dialogues.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/pages_aide.h"
#include "ui_common/selections_enregistrees.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <functional>

using namespace fenêtre_échanges;

// ---------------------------------------------------------------- several accounts

void f_compta::bt_plusieurs_Click()
{
    abandonne_validation();
    const bool plusieurs = cadre_compte_asso->isHidden();
    cadre_compte_asso->setVisible(plusieurs);
    cadre_compte_adhérent->setVisible(!plusieurs);
}

void f_compta::bt_créditer_asso_Click()
{
    if (!validation_tient() || cadre_membre_visible())
        return;
    if (même_compte()) {
        bt_nouvelle_Click();
        return;
    }
    opération_multiple(opération_reversement);
}

void f_compta::bt_prélever_Click()
{
    if (!validation_tient() || cadre_membre_visible())
        return;
    opération_multiple(opération_prélèvement);
}

void f_compta::opération_multiple(int opération)
{
    const saisie_échange s = *saisie_validée_;
    if (!enregistre_opération_multiple(opération, s, comptes_listés())) {
        abandonne_validation();
        suit_place_lignes();
        return;
    }
    saisie_validée_.reset();
    // The window's grid shows the demandeur's side: its line for each member.
    const std::vector<écriture_journalisée>& journal = journal_écritures();
    for (std::size_t k = 0; k < journal.size(); k += 2)
        gg_compte.AddItem(compose_ligne_écriture(journal[k].indice));
    vue_gg_compte->scrollToBottom();
    lignes_affichées_ = static_cast<int>(journal.size() / 2);
    échange_défaisable_ = false;
    montre_soldes();
    for (QPushButton* b : {bt_prélever, bt_créditer_asso})
        active(b, false);
    active(bt_annul_lig_asso, true);
    dernière_opération_multiple = opération;
    rafraîchit_grille_principale();
    lignes_postées();
}

void f_compta::liste_comptes_asso_Click()
{
    offreur_choisi = true;
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso}) {
        b->hide();
        active(b, false);
    }
}

std::vector<int> f_compta::comptes_listés() const
{
    std::vector<int> comptes;
    for (int i = 0; i < liste_comptes_asso->count(); ++i)
        comptes.push_back(liste_comptes_asso->item(i)->data(Qt::UserRole).toInt());
    return comptes;
}

void f_compta::lignes_postées()
{
    élargit_grille(gg_compte);
    suit_place_lignes();
}

void f_compta::suit_place_lignes()
{
    const bool plein = lignes_compte_restantes() < lignes_par_échange;
    for (QWidget* w : std::initializer_list<QWidget*>{bt_nouvelle, ctt_montant, ctt_ligne_cat})
        active(w, !plein);
    if (plein) {
        abandonne_validation();
        bt_valider->setEnabled(false);
        ctt_libellé->setEnabled(false);
        if (!grand_livre_plein_)
            MsgBox(alerte_lignes_compte(), style_boîte::exclamation);
    }
    grand_livre_plein_ = plein;
}

void f_compta::compte_liste_asso()
{
    num_compt_dest2->setText(QString::number(liste_comptes_asso->count()));
    offreur_choisi = true;  // the list was refilled
}

// ---------------------------------------------------------------- the list of several accounts

void f_compta::bt_filtres_eleves_Click()
{
    if (!fenêtre_enregistrée(QStringLiteral("p_filtrfam")))
        return;
    liste_comptes_asso->clear();
    montre_filtre_membres(QStringLiteral("comptes"));
    compte_liste_asso();
}

void f_compta::extraire_Click() { remplit_menu_états(); }

void f_compta::bt_trier_Click()
{
    extraire_Click();
    extraire->popup(bt_trier->mapToGlobal(QPoint(0, bt_trier->height())));
}

void f_compta::ext_Click(int index)
{
    if (index == 0 || index == 1) {
        // Keeps the selected entries (0) or the others (1).
        const bool garder_choisis = index == 0;
        for (int i = 0; i < liste_comptes_asso->count();) {
            if (liste_comptes_asso->item(i)->isSelected() == garder_choisis)
                ++i;
            else
                delete liste_comptes_asso->takeItem(i);
        }
    } else if (ext.contains(index)) {
        // Item 4 names no file until a selection is saved: its caption is asked for.
        const QString chemin = fichier_de_l_item(ext, index);
        charge_etat(chemin.isEmpty()
                        ? chemin_programme(QStringLiteral("etats/") + ext[index]->text() + QStringLiteral(".eta"))
                        : chemin,
                    liste_comptes_asso);
    }
    compte_liste_asso();
}
