#pragma once
// The statement window: for the account chosen in its list, the statement of
// its lines over a period or its last operations, the member's current
// offers and requests, or both cumulated; printed for that account or for
// every account of the list, headed by the association's header text or
// logo and the member's address.
#include "reports/fenetre_rapport.h"

class QCheckBox;
class QPlainTextEdit;

class f_relevés_comptes : public fenêtre_rapport {
public:
    f_relevés_comptes();

    // ------------------------------------------------------------ own controls
    std::array<QRadioButton*, 2> op_type;
    QGroupBox *cadre_type_relevé, *cadre_entête;
    std::array<QRadioButton*, 2> op_type_relevé;
    std::array<QRadioButton*, 3> op_entête;
    QCheckBox *chk_adresse, *Chk_horizontales, *chk_verticales;
    QToolButton* bt_imprimer_tous;
    QLabel* lbl_police;
    QPlainTextEdit* ctt_adresse;
    std::array<QRadioButton*, 2> op_test_d;
    QAction *aide_page, *aide_grille, *aide_choix;

    // ------------------------------------------------------------ state
    QString type_relevé;
    int type_entête = 0;

    // ------------------------------------------------------------ handlers
    void Form_Load();
    void Liste_comptes_Click() override;
    void Op_entête_Click(int index);
    void op_test_d_Click(int index);
    void op_type_Click(int index);
    void bt_extraire_relevé_Click() override;
    void compose_titre(int indice);
    // 0 account statements, 1 catalogue statements.
    void couleur_page(int type);
    void imprime_un_relevé(int compte, int entête, bool avec_adresse, bool relevé_simple);
    void bt_imprimer_Click();
    void bt_imprimer_tous_Click();
    void bt_initialiser_Click() override;
    void bt_filtres_eleves_Click() override;

protected:
    QString nom_grille_enregistrée() const override { return type_relevé; }

private:
    void place_contrôles();
    void crée_aide();
    void branche_contrôles();
    // What the account click shows of the selected entry (or of compte): its
    // number, its figures and its address, without touching the period.
    void montre_compte();
    void montre_compte(int compte);
    // The kind's option, the period frame and the colours of the page, the
    // list and the statement left as they are.
    void montre_sorte(int index);
    // Makes the entry of compte the selected one for printing: what it shows
    // follows, the period stays as chosen.
    void prend_compte(int compte);
};
