#pragma once
// The paragraph writer and the picture painter shared by every printed page:
// a text is broken into lines at its CR LF and at blanks so that each line
// fits a width, and drawn line under line from a point; a picture is drawn
// stretched to a rectangle. Each exists for the printer and for the preview;
// here the surface is a parameter, so both forms are one procedure under two
// names.
#include "ui_common/surface.h"

#include <QImage>
#include <QString>

// Draws texte from (x, y), every line starting at x, within largeur, in the
// surface's current font; returns the sum of the line heights drawn (0 for an
// empty text). The last line is printed without a line break, so the
// surface's position stays at its end. A line never takes less than one
// character, so that a width of zero or less still ends (one character a
// line).
double imprime_paragraphe(surface_page& imprimante, const QString& texte, double x, double y, double largeur);
// texte shortened one character at a time from its end until its width in
// the surface's current font is at most largeur; empty when nothing fits.
QString raccourci(const surface_page& surface, QString texte, double largeur);

// The same, under the name the labels use.
double imprime_texte(surface_page& imprimante, const QString& texte, double x, double y, double largeur);
// The same on the card model of the labels window.
void aperçu_texte(surface_page& cadre_carte, const QString& texte, double x, double y, double largeur);

// Draws `image` (the picture the caller loaded from chemin beforehand) with
// its top-left corner at (x, y), stretched to largeur x hauteur. Nothing is
// drawn, and the result is false, when chemin is blank or names no file, or
// when the picture could not be read: silently for a WMF file, which cannot
// be read here, with a message ending in "Impossible de coller " and chemin
// for any other (a damaged file, one that is no picture).
bool imprime_image(surface_page& imprimante, const QImage& image, const QString& chemin, double x, double y,
                   double hauteur, double largeur);
// The same on the preview surface.
bool aperçu_image(surface_page& aperçu, const QImage& image, const QString& chemin, double x, double y,
                  double hauteur, double largeur);
