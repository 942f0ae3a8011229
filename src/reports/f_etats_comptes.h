#pragma once
// The account-state window: over the accounts of its list, the exchange
// vouchers of a period or of the last operations, or the state of the
// accounts, each closed by its totals, titled and printed.
#include "reports/fenetre_rapport.h"

class f_états_comptes : public fenêtre_rapport {
public:
    f_états_comptes();

    // ------------------------------------------------------------ own controls
    std::array<QRadioButton*, 2> Op_type;
    QGroupBox* cadre_options;
    QLabel *lbl_police, *lbl_largeur, *ct_largeur_grille, *info;
    QAction *aide_sommaire, *aide_comptes, *aide_grille, *aide_choix;

    // ------------------------------------------------------------ handlers
    void Form_Load();
    void Liste_comptes_Click() override;
    void op_type_Click(int index);
    void bt_imprimer_Click();
    void bt_extraire_relevé_Click() override;
    void compose_titre();
    void imprime_un_relevé();
    void bt_initialiser_Click() override;
    void bt_filtres_eleves_Click() override;
    // The grid's printed width in millimetres, and its label.
    float calcul_largeur_grille() const;
    void ct_largeur_grille_Click();

protected:
    void période_par_mois() override;
    void période_par_dernières() override;
    void après_tri() override;
    QString nom_grille_enregistrée() const override { return QStringLiteral("etat_cpt"); }

private:
    void place_contrôles();
    void crée_aide();
    void branche_contrôles();
    // A table that cannot be built empties the grid; once the window is
    // loaded the user is told why, once, not again at every account or font
    // chosen after, until the kind changes or a table is built.
    void refuse_tableau(const QString& raison);

    bool chargée_ = false;
    bool refus_dit_ = false;
};
