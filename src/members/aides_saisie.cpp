#include "members/aides_saisie.h"

#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/grille.h"
#include "ui_common/shell.h"

#include <QCollator>
#include <QUrl>

QStringList villes_des_adhérents()
{
    QStringList villes;
    pour_chaque_adhérent(données, [&](int, const adhérent& a) {
        const QString c = a.ville.trimmed();
        if (!c.isEmpty() && !a.ville.str().contains(QChar(0)) && !villes.contains(c))
            villes << c;
    });
    return villes;
}

int place_triée(const QStringList& liste, const QString& nom)
{
    int i = 0;
    const QCollator& ordre = collation_française();
    while (i < liste.size() && ordre.compare(liste[i], nom) <= 0)
        ++i;
    return i;
}

int ville_du_code_postal(const QString& cp, const QStringList& villes)
{
    const QString code = cp.trimmed();
    if (code.isEmpty())
        return -1;
    int trouvée = -1;
    pour_chaque_adhérent(données, [&](int, const adhérent& a) {
        if (trouvée < 0 && a.cp.trimmed() == code)
            trouvée = static_cast<int>(villes.indexOf(a.ville.trimmed()));
    });
    return trouvée;
}

QString code_postal_de_ville(const QString& ville)
{
    const QString v = ville.trimmed();
    QString cp;
    if (v.isEmpty())
        return cp;
    pour_chaque_adhérent(données, [&](int, const adhérent& a) {
        if (cp.isNull() && a.ville.trimmed() == v)
            cp = a.cp.str();
    });
    return cp;
}

QChar caractère_date(QChar c)
{
    static const QString séparateurs = QStringLiteral(".:-*+ ");
    return séparateurs.contains(c) ? QLatin1Char('/') : c;
}

QString chiffres_téléphone(const QString& numéro)
{
    QString chiffres;
    for (const QChar c : numéro)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            chiffres += c;
    return chiffres;
}

void compose_téléphone(const QString& numéro)
{
    const QString chiffres = chiffres_téléphone(numéro);
    if (chiffres.isEmpty())
        return;
    if (!shell().ouvre(QUrl(QStringLiteral("tel:") + chiffres)))
        MsgBox(QStringLiteral("Pour utiliser le composeur, vous devez avoir ajouté le composeur de windows dans "
                              "panneau de config / ajout/suppression de programmes / installation de Windows / "
                              "outils système puis cliquez 'détails'."),
               style_boîte::information);
}
