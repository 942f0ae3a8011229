#pragma once
// The extraction window f_maj: which station keeps the accounts, what to take
// from the other data file and how (merge or replace); "Appliquer" runs the
// extraction of extraction.h on fichier_à_extraire.
#include "data_windows/extraction.h"
#include "ui_common/fenetres.h"

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class f_maj : public fenêtre_modale {
public:
    explicit f_maj(QWidget* parent = nullptr);

    void Form_Load();
    void op_mode_Click(int index);
    void Op_qui_Click(int index);
    void Extraire_données_Click();
    void bt_quitter_Click();
    void aide_Click();

    // What the window would extract, as its controls stand.
    choix_extraction choix() const;

    QGroupBox* Cdre_qui = nullptr;
    std::array<QRadioButton*, 2> Op_qui{};
    QGroupBox* cadre_récup = nullptr;
    std::array<QCheckBox*, 4> chk_quoi{};
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> op_mode{};
    QPushButton* Extraire_données = nullptr;
    QPushButton* bt_quitter = nullptr;
    QAction* aide = nullptr;

private:
    void montre_cases(const cases_extraction& cases);
    cases_extraction cases() const;
};
