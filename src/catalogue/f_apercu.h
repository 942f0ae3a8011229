#pragma once
// The preview window "f_aperçu" ("Trovane aperçu"): the prepared catalogue
// page by page, in reading order or as the printer will give the sheets,
// at real size or fitted to the screen. It opens modal from the catalogue
// window, which comes back when it closes. Its picture `aperçu` is a preview
// surface of the printer's sheet size; the viewing run (parcours_apercu.h)
// draws each view on it and is moved on by the command word of each button;
// "Imprime le catalogue" prints the whole catalogue.
#include "catalogue/parcours_apercu.h"
#include "ui_common/fenetres.h"
#include "ui_common/surface_apercu.h"
#include "ui_common/surface_imprimante.h"

#include <QString>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class f_aperçu : public fenêtre_principale {
public:
    explicit f_aperçu(QWidget* parent = nullptr);
    ~f_aperçu() override;

    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;

    void ob_typ_ap_Click(int index);
    void ob_zoom_Click(int index);
    void bt_suivant_Click();
    void bt_précédent_Click();
    void bt_imprimer_page_Click();
    void bt_imprimer_Click();
    void bt_annuler_Click();
    void HS_Change();
    void VS_Change();
    void sommaire_aide_Click();

    // The preview surface (the picture `aperçu` draws what it holds).
    surface_aperçu& surface() { return *surface_; }
    // A viewing run shows a view and no button's work is under way.
    bool en_attente() const { return parcours_.en_cours() && occupé_ == 0; }

    QFrame* cadre = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<QRadioButton*, 2> ob_typ_ap{};
    std::array<QRadioButton*, 2> ob_zoom{};
    QPushButton* bt_précédent = nullptr;
    QPushButton* bt_suivant = nullptr;
    QPushButton* bt_imprimer_page = nullptr;
    QPushButton* bt_imprimer = nullptr;
    QPushButton* bt_annuler = nullptr;
    QLabel* lbl_pd = nullptr;
    QLabel* aperçu = nullptr;
    QLabel* aperçu_zoom = nullptr;
    QScrollBar* HS = nullptr;
    QScrollBar* VS = nullptr;
    QAction* sommaire_aide = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void crée_contrôles();
    void Form_Load();
    void Form_Resize();
    void place_barres();
    void taille_zoom();
    void poste(const QString& commande);
    void montre(const vue_aperçu& vue);
    void imprime_vue(const vue_aperçu& vue);
    void montre_image();
    // A handler at work (a view drawn, a box shown, a print) keeps the window
    // alive until it ends, whatever closes the window meanwhile.
    void entre();
    void sort();

    std::unique_ptr<surface_aperçu> surface_;
    surface_imprimante imprimante_;
    parcours_aperçu parcours_;
    int occupé_ = 0;
    bool détruire_après_ = false;
};
