#pragma once
// Where a catalogue page is drawn: the preview picture or the printer. The
// same procedures draw a page on either surface; what the program has always
// done differently on paper is decided by `support`:
//   - page numbers two points smaller;
//   - the member list headed in the middle of its page, always numbered, its
//     identifiers and phones as stored (fixed width, blanks included);
//   - the legend's frame as high as the legend's measured height.
// A few things are read on the printer whatever the surface: the legend's
// height, the printer's width and orientation, the width of the "Pages"
// heading. On paper both surfaces are the printer.
#include "ui_common/surface.h"

#include <QString>
#include <optional>

enum class support_page { aperçu, papier };

// What the title page holds when its block is too high for the page: the
// block and the legend, the block alone (the user agreed to leave the legend
// out), or nothing (the user gave up, or the block alone does not fit).
enum class place_sommaire { complète, sans_légende, refusée };

struct cible_page {
    surface_page& surface;
    support_page support;
    surface_page& imprimante;
    // Settled once for a whole print, so that the user is asked before the
    // first sheet and not again; unset, each drawing of the title page asks.
    std::optional<place_sommaire> sommaire = std::nullopt;

    bool papier() const { return support == support_page::papier; }
};

inline cible_page cible_papier(surface_page& imprimante)
{
    return {imprimante, support_page::papier, imprimante};
}
inline cible_page cible_aperçu(surface_page& aperçu, surface_page& imprimante)
{
    return {aperçu, support_page::aperçu, imprimante};
}

// The symbols of the catalogue as they are drawn (in police_symboles()):
// the pictures of stored Wingdings characters ("J" the smiley), each
// character mapped; a character outside the code page draws nothing.
QString glyphes_stockés(const QString& caractères);
// The picture of a Wingdings code kept as decimal text ("79"); empty when
// the text is not a whole number or not a code.
QString glyphe_de_code(const QString& code);
