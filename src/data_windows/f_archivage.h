#pragma once
// The archiving window f_archivage: what to remove from the working data and
// whether the counters and balances start again; "Appliquer" runs the
// archiving of archivage.h.
#include "data_windows/archivage.h"
#include "ui_common/fenetres.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// The explanatory text of the window.
QString texte_archivage();

class f_archivage : public fenêtre_modale {
public:
    explicit f_archivage(QWidget* parent = nullptr);

    void Form_Load();
    void bt_appliquer_Click();
    void Chk_soldes_Click();
    void bt_quitter_Click();
    void aide_sommaire_Click();
    void aide_fichiers_Click();

    // The choices as the controls stand.
    choix_archivage choix() const;

    QLabel* Label1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QComboBox* cb_mois_adh = nullptr;
    QComboBox* cb_mois_cat = nullptr;
    QComboBox* cb_mois_comptes = nullptr;
    QCheckBox* chk_crédits_débits_volume = nullptr;
    QCheckBox* Chk_soldes = nullptr;
    QPushButton* bt_appliquer = nullptr;
    QPushButton* bt_quitter = nullptr;
    QMenu* aide = nullptr;
    QAction* aide_sommaire = nullptr;
    QAction* aide_fichiers = nullptr;
};
