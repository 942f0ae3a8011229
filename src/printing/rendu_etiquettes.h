#pragma once
// The one renderer of labels, mailing blocks and cards: the same drawing of
// one member's label serves the printer, a PDF file and the model shown
// beside the sheet, so that the model is what will be printed. The run lays
// the members of the selection on the sheet (start label, page breaks) or
// gives each one a mailing page.
#include "printing/feuille_etiquettes.h"
#include "ui_common/surface.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

struct réglages_étiquettes {
    QString type_sortie = sorties::étiquette;
    feuille_étiquettes feuille;
    police_page police{QStringLiteral("Arial"), 12, false, false};
    QString fond;  // background picture of labels and cards; empty for none
};

// Member `numéro`'s label, card or mailing block with its corner at (X, Y).
// `fond` is the background picture, read once by the caller (null: none).
// Leaves the surface in the font of the settings.
void dessine_étiquette(surface_page& s, const réglages_étiquettes& r, int numéro, double X, double Y,
                       const QImage& fond);

// The model: one label or card cell, or the mailing block with a little room
// around it; printer twips.
QSizeF taille_modèle(const réglages_étiquettes& r);
// Draws the model of member `numéro` on a surface of taille_modèle.
void dessine_modèle(surface_page& s, const réglages_étiquettes& r, int numéro);
// The model painted at points_par_pouce pixels per inch.
QImage image_modèle(const réglages_étiquettes& r, int numéro, double points_par_pouce);

// What a run tells its caller: `entrée(i)` before the entry of rank i is
// drawn, `continuer()` after it; false stops the run.
struct suivi_impression {
    std::function<void(int)> entrée;
    std::function<bool()> continuer;
};

enum class fin_impression {
    terminée,     // every member printed (or nothing to print)
    interrompue,  // stopped by the caller (see below)
    refusée,      // the printer refused the document (the user was told); the run stopped
};

// Prints one label or card per member of `numéros`, in order, from the start
// label on; a new page is begun only when a label needs it, so no empty page
// ends the document. The mailing kind prints one page per member at the
// mailing block's place, all in one document. An unknown kind prints nothing.
// Stopped by the caller, a run of labels or cards cancels its document; a
// mailing run ends it, so that the pages made are printed. A failure in the
// middle of a run cancels the document and is passed on to the caller, who
// tells the user why.
fin_impression imprimer_étiquettes(surface_page& s, const réglages_étiquettes& r, const std::vector<int>& numéros,
                                     const suivi_impression& suivi = {});
