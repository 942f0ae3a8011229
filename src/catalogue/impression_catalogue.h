#pragma once
// Printing the prepared catalogue or supplement: in reading order, one page
// per sheet; or in the order in which the sheets are put together, with a
// pause while the printed stack goes back into the printer for the other
// side: a folded booklet of landscape sheets (half-A4, four pages a sheet)
// or single pages on both sides. Each sheet side is a print job of its own,
// so that the printer lets it go before the next one.
#include "catalogue/cible_page.h"
#include "ui_common/grille.h"
#include "ui_common/surface.h"

#include <QString>
#include <vector>

// One side of a sheet: a page, or two facing pages of a half-A4 sheet.
struct face_feuille {
    int gauche = 0;
    int droite = -1;  // the page on the right half; -1: one page a side
    bool operator==(const face_feuille&) const = default;
};

// The sides of the sheets in printing order: the first pass, then the pass
// printed on the back once the stack is put back.
struct ordre_feuilles {
    std::vector<face_feuille> recto, verso;
};

// Booklet of `pages` pages (slots to a multiple of four, the last ones
// blank): 10 pages print 1|10, 3|8, 5|6, then 7|4, 9|2, 11|0.
ordre_feuilles ordre_livret(int pages);
// Single pages, both sides: the fronts 0, 2, 4..., then the backs from the
// last sheet: 5 pages print 0, 2, 4, then 5, 3, 1.
ordre_feuilles ordre_recto_verso(int pages);

// "i / j" for two pages, "p" for one.
QString étiquette_face(const face_feuille& face);

// Draws the pages of one side on the current sheet of a paper cible; false
// when a title page that does not fit was refused.
bool imprime_face(cible_page& papier, const grille& g, const face_feuille& face);

// refusée: a half-A4 catalogue asked in reading order; arrêtée: the user
// stopped at the pause or gave up a title page that does not fit; échouée:
// the printer failed (the user has been told why).
enum class issue_impression { terminée, refusée, arrêtée, échouée };

// The print button of the preview: the whole catalogue of g on `imprimante`,
// in reading order (page_à_page) or in printing order, by the format of the
// kind. A title page too high for its page is settled before the first
// sheet: giving it up prints nothing. A failure of the printer stops the
// print and drops the job under way. After a complete print the user may
// close the supplement period (the new and deleted marks are reset and the
// data file written), unless an archive is open. With un_travail_par_face
// false (a PDF file, which each print job would write anew) the sides are
// the pages of one document instead, both passes in a row, without the pause
// for the stack.
issue_impression imprime_catalogue(surface_page& imprimante, const grille& g, bool page_à_page,
                                   bool un_travail_par_face = true);

// One side alone, as a print job of its own: the preview's "Imprime la page
// en cours", with the same care for the title page and the printer.
issue_impression imprime_une_face(surface_page& imprimante, const grille& g, const face_feuille& face);
