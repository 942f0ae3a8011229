#pragma once
// The settings window f_options: the association's settings that live in the
// data file and the accounting-station choice of this computer. It fills its
// fields at opening (lit_options) and stores them at closing, whatever closes
// it (range_options), then saves the data file; a field that cannot be stored
// keeps it open with the reason.
#include "data_windows/options.h"
#include "ui_common/fenetres.h"

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class f_options : public fenêtre_modale {
public:
    explicit f_options(QWidget* parent = nullptr);

    void Form_Load();
    void Form_QueryUnload(bool& cancel) override;
    void Op_qui_Click(int index);
    void cb_comptes_Click();
    void bt_parcourir_Click();
    void bt_corriger_Click();
    // Enter (13) in a genre symbol list takes what was typed in it: the
    // character whose pictogram it is, or the pictogram itself; a text that
    // no item holds leaves the selection as it is. Either way the list then
    // shows its selection. Other keys type into the list.
    void cb_genre_KeyPress(int index, int KeyAscii);
    void aide_Click();
    void bt_annuler_Click();

    // The fields as they stand.
    champs_options champs() const;

    QGroupBox* Cdre_qui = nullptr;
    std::array<QRadioButton*, 2> Op_qui{};
    QCheckBox* Chk_monnaie = nullptr;
    QLineEdit* ctt_nom_monnaie_locale = nullptr;
    QLineEdit* ctt_abrv = nullptr;
    QComboBox* cb_comptes = nullptr;
    QLineEdit* ctt_solde_dep = nullptr;
    std::array<QRadioButton*, 2> op_num_adh{};
    QLineEdit* ctt_entete = nullptr;
    QLineEdit* ctt_fichier_logo = nullptr;
    QPushButton* bt_parcourir = nullptr;
    QLabel* logo = nullptr;
    std::array<QLineEdit*, 5> txt_nom_genre{};
    std::array<QComboBox*, 5> cb_genre{};
    QGroupBox* cadre_adultes = nullptr;
    QComboBox* cb_kid = nullptr;
    QComboBox* cb_adulte = nullptr;
    QGroupBox* cadre_compta = nullptr;
    std::array<QLineEdit*, 5> nom_compte_asso{};
    std::array<QLineEdit*, 5> ctt_solde_asso{};
    QPushButton* bt_corriger = nullptr;
    QPushButton* bt_annuler = nullptr;
    QAction* aide = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void montre_logo(const QString& chemin);
    static void montre_symbole_choisi(QComboBox& liste);
    champs_options ouverture_;
};
