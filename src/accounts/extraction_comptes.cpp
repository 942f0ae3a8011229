#include "accounts/extraction_comptes.h"

#include "accounts/saisie_compta.h"
#include "data/valeurs.h"
#include "ui_common/impression_grille.h"

#include <QLocale>

int limite_dernières(int position) { return position >= 1 && position <= 5 ? 5 * position : 0; }

std::optional<période> période_saisie(const QString& jour_début, const QString& mois_début, const QString& an_début,
                                       const QString& jour_fin, const QString& mois_fin, const QString& an_fin)
{
    if (!dt(jour_début, mois_début, an_début) || !dt(jour_fin, mois_fin, an_fin))
        return std::nullopt;
    return période{*date_saisie(jour_début, mois_début, an_début), *date_saisie(jour_fin, mois_fin, an_fin)};
}

std::array<int, 13> jours_des_mois(int année)
{
    return {0, 31, QDate::isLeapYear(année) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

champs_période période_du_mois(int mois, const QString& an, const std::array<int, 13>& jours_mois)
{
    mois = std::clamp(mois, 1, 12);
    bool ok = false;
    const int année = an.trimmed().toInt(&ok);
    const int jours = ok && année >= 1 && année <= 9999 ? QDate(année, mois, 1).daysInMonth()
                                                       : jours_mois[static_cast<std::size_t>(mois)];
    const QString m = Format(mois, QStringLiteral("00"));
    return {QStringLiteral("01"), m, Format(jours, QStringLiteral("00")), m};
}

QString titre_date_du_jour()
{
    return QLocale(QLocale::French, QLocale::France).toString(aujourdhui(), QLocale::LongFormat);
}

void imprime_écritures(surface_page& papier, grille& g, const QString& titre)
{
    imprime_grille(papier, g, papier.Width() - 800, titre, false, false, false);
    papier.EndDoc();
}
