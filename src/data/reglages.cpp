#include "data/reglages.h"

#include <QSettings>

namespace réglages {

namespace {
QSettings magasin()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Trovane"),
                     QStringLiteral("Trovane"));
}
QString clé_complète(const QString& section, const QString& clé) { return section + QLatin1Char('/') + clé; }
}  // namespace

QString lit(const QString& section, const QString& clé, const QString& défaut)
{
    return magasin().value(clé_complète(section, clé), défaut).toString();
}

bool lit_booléen(const QString& section, const QString& clé, bool défaut)
{
    const QString v = lit(section, clé).trimmed();
    if (v.isEmpty())
        return défaut;
    if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("Vrai"), Qt::CaseInsensitive) == 0 || v == QLatin1String("-1") ||
        v == QLatin1String("1"))
        return true;
    if (v.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
        v.compare(QLatin1String("Faux"), Qt::CaseInsensitive) == 0 || v == QLatin1String("0"))
        return false;
    return défaut;
}

void écrit(const QString& section, const QString& clé, const QString& valeur)
{
    QSettings s = magasin();
    const QString c = clé_complète(section, clé);
    // The value the store holds already: the file is not written again.
    if (s.contains(c) && s.value(c).toString() == valeur)
        return;
    s.setValue(c, valeur);
    s.sync();
}

void écrit_booléen(const QString& section, const QString& clé, bool valeur)
{
    écrit(section, clé, valeur ? QStringLiteral("True") : QStringLiteral("False"));
}

void efface(const QString& section, const QString& clé)
{
    QSettings s = magasin();
    s.remove(clé.isEmpty() ? section : clé_complète(section, clé));
    s.sync();
}

QString chemin() { return magasin().fileName(); }

}  // namespace réglages
