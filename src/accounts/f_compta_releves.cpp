// The exchange window's statements: the lines shown for a month or the last
// ones, extracted for one or two accounts, and printed.
#include "accounts/f_compta.h"
#include "accounts/f_compta_commun.h"

#include "accounts/extraction_comptes.h"
#include "accounts/grilles_comptes.h"
#include "accounts/plusieurs_comptes.h"
#include "data/reglages.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/export_grille.h"
#include "ui_common/surface_imprimante.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

using namespace fenêtre_échanges;

// ---------------------------------------------------------------- statements and printing

void f_compta::cb_dernières_Click()
{
    const int position = cb_dernières->currentIndex();
    if (position < 0)
        return;
    nombre_dernières = limite_dernières(position);
    if (!sans_enregistrement)
        réglages::écrit(QStringLiteral("Utilisateur"), QStringLiteral("clef_ext"), QString::number(position));
}

void f_compta::op_test_d_Click(int index)
{
    const bool par_dates = index == 0;
    mode_extraction = par_dates ? mode_période : mode_dernières;
    cb_dernières->setEnabled(!par_dates);
    cb_mois->setEnabled(par_dates);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(par_dates);
    if (par_dates) {
        cb_dernières->setCurrentIndex(0);
        cb_dernières_Click();
    }
}

void f_compta::cb_mois_Click()
{
    if (cb_mois->currentIndex() < 0)
        return;
    const champs_période p = période_du_mois(cb_mois->currentIndex() + 1, ctt_an_dep->text(), jours_mois);
    ctt_jour_dep->setText(p.jour_début);
    ctt_mois_dep->setText(p.mois_début);
    ctt_an_fin->setText(ctt_an_dep->text());
    ctt_jour_fin->setText(p.jour_fin);
    ctt_mois_fin->setText(p.mois_fin);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(true);
}

void f_compta::extrait_relevé(const QComboBox* liste, int compte)
{
    cadre_période->setTitle(QStringLiteral("Extraction de ") + liste->currentText());
    if (mode_extraction == mode_période) {
        const std::optional<période> p = période_saisie(ctt_jour_dep->text(), ctt_mois_dep->text(),
                                                        ctt_an_dep->text(), ctt_jour_fin->text(),
                                                        ctt_mois_fin->text(), ctt_an_fin->text());
        if (!p)
            return;
        date_début = p->début;
        date_fin = p->fin;
    }
    remplit_relevé_compte(gg_compte, nombre_dernières, compte, mode_extraction, date_début, date_fin, false, -1);
    grille_remplie();
}

void f_compta::bt_extraire_relevé_Click() { extrait_relevé(Liste_comptes, compte_courant); }

void f_compta::bt_extraire_offreur_Click() { extrait_relevé(liste_comptes_à_créditer, offreur); }

void f_compta::Bt_extraire_deux_comptes_Click()
{
    remplit_relevé_compte(gg_compte, nombre_dernières, compte_courant, mode_dernières, 0, maintenant(), false,
                          offreur);
    grille_remplie();
}

void f_compta::grille_remplie()
{
    lignes_affichées_ = 0;
    échange_défaisable_ = false;
    dernière_opération_multiple = aucune_opération_multiple;
    for (QPushButton* b : {bt_annul_lig_asso, bt_annul_ligne_adh})
        active(b, false);
}

void f_compta::bt_imprimer_Click()
{
    surface_imprimante papier(imprimante());
    imprime_écritures(papier, gg_compte, titre_date_du_jour());
}

void f_compta::ed_Click(int index)
{
    switch (index) {
    case 0: copie_grille(gg_compte); break;
    case 1: copie_sélection(gg_compte); break;
    case 2: {
        ajuste_grille(gg_compte);
        surface_imprimante papier(imprimante());
        imprime_écritures(papier, gg_compte, QStringLiteral("Opérations sur le compte"));
        break;
    }
    default: break;
    }
}
