#pragma once
// The member filter box p_filtrfam, "Filtres familles": five windows open it
// modal to choose the members they work on (ui_common/filtre_membres.h); on
// closing it fills the caller's member list. It also saves its criteria as a
// selection file, which the same windows restore without showing the box.
#include "members/filtre.h"
#include "ui_common/fenetres.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// ---------------------------------------------------------------- the box's state
// What the box holds, kept outside its controls so that a restored selection
// reaches the box whether it is open or not, and so that the test of the
// members needs no window. The keys outlive the box; its other contents
// count while the box is loaded.
extern filtre_adhérents filtre_membres;
// The box is loaded: shown, or touched by a restore since it last closed.
extern bool boîte_filtre_chargée;

// The box loads: unless it is loaded already, the list keys and the date
// keys are switched off (not when appelant_filtre is "enr"), the lists hold
// no choice and the date bounds start again. The balance and volume keys and
// their bounds stay as they were.
void charge_boîte_filtre();
// The box closes: its contents go; the keys stay.
void décharge_boîte_filtre();

// ---------------------------------------------------------------- member lists
// Empties liste (a QListWidget or a QComboBox) and gives it the entries:
// identifier as text, member number as Qt::UserRole data. No handler of the
// list runs, as none did when a list was filled from code.
void remplit_liste(QWidget* liste, const std::vector<entrée_filtrée>& entrées);
// The members that pass the box's filter, into liste.
void remplit_liste_adhérents(QWidget* liste);
// The member list that the box's result goes to for appelant_filtre (the
// window is loaded, not shown, when it is not); nullptr when the tag names
// no list or its window is not there.
QWidget* liste_destinataire(const QString& tag);

// Restores the selection file at chemin into the box's state and refills
// liste; false after a message when the file cannot be read, the state and
// the list then untouched. What charge_etat runs.
bool restaure_sélection(const QString& chemin, QWidget* liste);

// ---------------------------------------------------------------- the box
class p_filtrfam : public fenêtre_modale {
public:
    explicit p_filtrfam(QWidget* parent = nullptr);

    void Form_Load();
    void Form_QueryUnload(bool& cancel) override;

    void clef_Click(int k);              // a key's switch
    void ct_f_Click(int index);          // a choice in a list
    // False, after the message, when an active date key has a bound that is
    // not a date: nothing is run.
    bool bt_appliquer_Click();
    void bt_initialiser_Click();
    void bt_enregistre_etat_Click();
    void bt_annuler_Click();
    void aide_Click();
    // A date field loses the focus: a text that is not a date is replaced by
    // the field's start text after the message.
    void date_LostFocus(QLineEdit* zone);

    // Shows the box's state in its controls.
    void montre_critères();

    // Switches by key: e_commune_1 (0), e_commune_2 (1), e_sit_fisc (2),
    // e_div3_f (3), e_div4_f (4), e_prof_pere (5), e_prof_mere (6), e_div2_f
    // (7), lbl_solde (8), lbl_volume (9).
    std::array<QCheckBox*, nombre_clefs_filtre> clefs{};
    std::array<QComboBox*, 12> ct_f{};
    QLineEdit *ctt_date_adh_dep = nullptr, *ctt_date_adh_fin = nullptr;
    QLineEdit *ctt_date_cot_dep = nullptr, *ctt_date_cot_fin = nullptr;
    QLineEdit *ctt_solde_min = nullptr, *ctt_solde_max = nullptr;
    QLineEdit *ctt_volume_min = nullptr, *ctt_volume_max = nullptr;
    QListWidget* ct_etat = nullptr;
    QLabel* ct_nbre = nullptr;
    QLabel* ct_inf = nullptr;
    QPushButton *bt_appliquer = nullptr, *bt_initialiser = nullptr;
    QPushButton *bt_enregistre_etat = nullptr, *bt_annuler = nullptr, *aide = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void branche_contrôles();
    void montre_liste(int index);
    void montre_activation(int k);
    std::array<QLineEdit*, 2> champs_clef(int k) const;
    bool est_champ_date(const QObject* objet) const;
    bool est_champ_nombre(const QObject* objet) const;

    bool livrée_ = false;  // the result went to the caller's list
};
