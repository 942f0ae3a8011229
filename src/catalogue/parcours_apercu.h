#pragma once
// Looking through the catalogue in the preview, one view at a time: in
// reading order ("page à page", a page or a pair of facing pages), or as the
// sheets will come out of the printer ("comme impression": the first pass,
// a word about putting the sheets back, the second pass). The run shows a
// view and goes on by the command word of the button pressed; the run is
// headless, the window calls it from its buttons.
#include "catalogue/cible_page.h"
#include "catalogue/impression_catalogue.h"
#include "ui_common/grille.h"

#include <QString>
#include <functional>
#include <vector>

// What the preview's buttons post to the view shown: "suivant",
// "précédent", "imprimer" or "annuler"; empty while the view waits for one.
extern QString commande_aperçu;

// The preview's cancel button, for the title page that cannot fit: the
// preview window plugs it in while it is open.
extern std::function<void()> annule_aperçu;

struct vue_aperçu {
    face_feuille face;
    bool lecture = false;  // reading order: drawn by aperçu_page
    QString étiquette;     // what the window shows of it (lbl_pd)
    bool operator==(const vue_aperçu&) const = default;
};

// The views of a mode (0 reading order, 1 printing order) for the format of
// the kind and the page count: one pass in reading order, two in printing
// order with the word between them (message) and whether its Cancel ends the
// run (single pages) or starts it again (booklet). No pass for any other mode.
struct passes_aperçu {
    std::vector<std::vector<vue_aperçu>> passes;
    QString message;
    bool annuler_termine = false;
};
passes_aperçu vues_aperçu(int mode, bool double_a5, int pages);

// Draws the view on the preview, cleared first.
void dessine_vue(cible_page& aperçu, const grille& g, const vue_aperçu& vue);

// What the window lends the run: show a view (draw it, its label, the fitted
// copy), print a view.
struct hôte_aperçu {
    std::function<void(const vue_aperçu&)> montre;
    std::function<void(const vue_aperçu&)> imprime;
};

// The viewing run of a mode over the current catalogue, as one state
// machine: démarre shows the first view, then each command word the
// preview's buttons post moves it on; nothing waits in between. The views
// cycle: after the last page the first, after the second pass the first
// again; "précédent" on the first view of a pass shows it again; "imprimer"
// prints the view and moves on as "suivant" does (two pages in the
// two-page reading view); "annuler" ends the run, as does Cancel on the
// single-page pass word (the last front stays in view).
class parcours_aperçu {
public:
    explicit parcours_aperçu(hôte_aperçu hôte);

    // Ends the run under way, if any, and starts the run of mode 0 or 1
    // (any other mode: no run).
    void démarre(int mode);
    // "suivant", "précédent", "imprimer" or "annuler"; commande_aperçu holds
    // the word while it is acted on. Without a run, nothing happens.
    void commande(const QString& mot);
    bool en_cours() const { return en_cours_; }
    // The view shown; nullptr without a run.
    const vue_aperçu* vue() const;

private:
    void montre();
    void termine();

    hôte_aperçu hôte_;
    passes_aperçu suite_;
    std::size_t passe_ = 0, i_ = 0;
    bool en_cours_ = false;
    // Counts the runs started and ended, so that a step that showed a box or
    // printed knows whether its run is still the one under way.
    unsigned génération_ = 0;
};
