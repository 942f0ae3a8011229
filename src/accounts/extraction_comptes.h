#pragma once
// What the exchange window's period frame decides before a statement is
// extracted (how many of the last lines, which period), and the printing of
// its grid.
#include "ui_common/surface.h"

#include <QString>
#include <array>
#include <optional>

class grille;

// The last-operations choice, position 0 "toutes" to 5 "25 dernières": how
// many lines an extraction takes, 0 for no bound.
int limite_dernières(int position);

// The period typed in the six fields, day first. The start date is checked
// before the end date; the first refused one is told (the operation date's
// message and limits) and gives nothing.
struct période {
    double début = 0, fin = 0;
};
std::optional<période> période_saisie(const QString& jour_début, const QString& mois_début, const QString& an_début,
                                       const QString& jour_fin, const QString& mois_fin, const QString& an_fin);

// The day and month fields of the period for month mois (1 to 12): from the
// first to its last day. The month's length is that of the typed year when
// an is a year, else jours_mois (indexed 1 to 12).
struct champs_période {
    QString jour_début, mois_début, jour_fin, mois_fin;
};
// Days of month m at index m (1..12) for a window loaded in année; index 0
// is not used. February has 29 days in the leap years of the calendar (2000
// and 2024, not 2100).
std::array<int, 13> jours_des_mois(int année);

champs_période période_du_mois(int mois, const QString& an, const std::array<int, 13>& jours_mois);

// Title of the grid printed by the window's print button: today's date, in
// words ("samedi 14 mars 2026").
QString titre_date_du_jour();

// Prints the grid on the page surface, its columns scaled to the sheet's
// width less 800 twips, under the title, then ends the document.
void imprime_écritures(surface_page& papier, grille& g, const QString& titre);
