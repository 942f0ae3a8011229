#include "catalogue/polices.h"

#include "ui_common/grille.h"

#include <QCollator>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>
#include <algorithm>

namespace {

// What the system falls back to for a name it does not know.
QString famille_de_secours()
{
    return QFontInfo(QFont(QStringLiteral("Trovane-police-absente"))).family();
}

}  // namespace

QStringList polices_imprimante()
{
    QStringList noms = QFontDatabase::families();
    const QString secours = famille_de_secours();
    for (const char* classique : {"Arial", "Arial Narrow", "Times New Roman", "Courier New", "Verdana", "Tahoma",
                                  "Georgia", "Comic Sans MS", "Garamond", "Century Gothic", "Book Antiqua"}) {
        const QString nom = QString::fromLatin1(classique);
        if (noms.contains(nom))
            continue;
        const QString famille = QFontInfo(QFont(nom)).family();
        if (famille != secours && noms.contains(famille))
            noms << nom;
    }
    const QCollator& ordre = collation_française();
    std::sort(noms.begin(), noms.end(), [&](const QString& a, const QString& b) { return ordre.compare(a, b) < 0; });
    noms.removeDuplicates();
    return noms;
}
