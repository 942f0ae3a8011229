#pragma once
// Looking through the catalogue in the preview, one view at a time: in
// reading order ("page à page", a page or a pair of facing pages), or as the
// sheets will come out of the printer ("comme impression": the first pass,
// a word about putting the sheets back, the second pass). The run shows a
// view, then waits for the preview's buttons to post a command word, and
// goes on by that word. The waiting itself is the window's; the run is
// headless.
#include "catalogue/cible_page.h"
#include "catalogue/impression_catalogue.h"
#include "ui_common/grille.h"

#include <QString>
#include <functional>
#include <vector>

// What the preview's buttons post to the waiting view: "suivant",
// "précédent", "imprimer" or "annuler"; empty while the view waits.
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
// copy), wait for a command word, print a view.
struct hôte_aperçu {
    std::function<void(const vue_aperçu&)> montre;
    std::function<QString()> attend;
    std::function<void(const vue_aperçu&)> imprime;
};

// The viewing run of a mode over the current catalogue, until "annuler" (or
// the Cancel of the single-page pass word). The views cycle: after the last
// page the first, after the second pass the first again; "précédent" on the
// first view of a pass shows it again; "imprimer" prints the view and moves
// on as "suivant" does.
void déroule_aperçu(int mode, const hôte_aperçu& hôte);
