#pragma once
// The member, catalogue and exchange tables of the statistics window, built
// in its grid from the counters. A cell whose counting fails stays empty and
// the rest of the table is still built. Each builder removes the
// association accounts from the selection first and sets the table's title.
#include "statistics/compteurs.h"

#include <QString>
#include <QStringList>

class grille;

// Captions of the table kinds, as the window shows them; the member kinds 2
// to 9 carry the titles of the association's criteria.
QStringList libellés_types_adhérents();
QStringList libellés_types_catalogue();
QStringList libellés_types_échanges();

// Kinds 0..9: by sex, by category, by quality, by each criterion, then
// criterion 1 or 2 crossed with sex or category.
void construit_tableau_adhérents(état_statistiques& é, grille& gg, int choix_type_adh, const QString& libellé);
// Kinds 0..5: sections, genres, offers / requests, child / adult, sections
// and genres, sections and offers / requests.
void construit_tableau_catalogue(état_statistiques& é, grille& gg, int choix_type_cat, const QString& libellé);
// Kinds 0..6: sections, genres, categories, amount bands, months, debits and
// credits, debits and credits by month. The columns are fitted.
// The title of an exchange table: the label and the period, a bound left
// at the zero date ("00:00:00") left out.
QString titre_période(const QString& libellé, const QString& début, const QString& fin);
void construit_tableau_échanges(état_statistiques& é, grille& gg, int type_échange, const QString& libellé);

// Texts of the month rows, January first.
QStringList libellés_mois();
