#pragma once
// The symbols of the catalogue (genres, public categories, legend) are
// Wingdings character codes in the data. The codes stay codes; only when a
// symbol is drawn or shown is its code mapped to the Unicode character of the
// same picture, drawn with a font that has it.
#include <QString>

// Name of the font the symbols are drawn with.
QString police_symboles();

struct symbole {
    QString glyphe;  // Unicode text of the symbol (one or two UTF-16 units)
    QString police;  // font to draw it with
};

// The symbol of a Wingdings code (32..255). Codes below 32 or above 255 have
// no symbol: empty glyph.
symbole symbole_wingdings(int code);
// Shortcut: the glyph alone.
QString glyphe_wingdings(int code);

// Code of a symbol stored as a character (symbole_enfant "J" is 74): its
// Windows-1252 byte; -1 for an empty text or a character outside the code
// page.
int code_symbole(const QString& stocké);
