#include "reports/periode_rapports.h"

#include "data/dialogues.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

// A field that holds a whole number and nothing else but blanks.
std::optional<int> entier_du_champ(const QString& texte)
{
    bool ok = false;
    const int n = texte.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

bool date_période_acceptée(const QString& jour, const QString& mois, const QString& an)
{
    const std::optional<int> j = entier_du_champ(jour), m = entier_du_champ(mois), a = entier_du_champ(an);
    if (!j || !m || !a || *m < 1 || *m > 12)
        return false;
    if (*a < 1999 || *a > aujourdhui().year() + 2)
        return false;
    // The calendar of the typed year: 29 February only when that year has it.
    return QDate(*a, *m, 1).isValid() && *j >= 1 && *j <= QDate(*a, *m, 1).daysInMonth();
}

bool contrôle_date_période(const QString& jour, const QString& mois, const QString& an)
{
    if (date_période_acceptée(jour, mois, an))
        return true;
    MsgBox(QStringLiteral("Le ") + jour + QLatin1Char('/') + mois + QLatin1Char('/') + an +
               QStringLiteral(" n'est pas une date correcte ou dans les limites des dates possibles"),
           style_boîte::exclamation);
    return false;
}

std::optional<double> date_des_champs(const QString& jour, const QString& mois, const QString& an)
{
    double d = 0;
    if (!lit_date(jour.trimmed() + QLatin1Char('/') + mois.trimmed() + QLatin1Char('/') + an.trimmed(), d) || d == 0)
        return std::nullopt;
    return d;
}

dernières_opérations choix_dernières(int position, int nombre_lignes, const dernières_opérations& avant)
{
    dernières_opérations r = avant;
    r.dernière_ligne = nombre_lignes;
    if (position == 0) {
        r.première_ligne = 1;
        r.nombre = 0;
    } else if (position >= 1 && position <= 5) {
        r.nombre = 5 * position;
        r.première_ligne = std::max(nombre_lignes - r.nombre, 1);
    }
    return r;
}

monnaie montant_de_cellule(const QString& texte) { return monnaie::depuis_réel(val_fr(texte)); }
