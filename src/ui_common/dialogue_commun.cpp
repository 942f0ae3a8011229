#include "ui_common/dialogue_commun.h"

#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/surface_imprimante.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString filtre_qt(const QString& filtre_classique)
{
    const QStringList parties = filtre_classique.split(QLatin1Char('|'));
    QStringList filtres;
    for (int i = 0; i + 1 < parties.size(); i += 2) {
        QString description = parties[i].trimmed();
        const QString motifs = QString(parties[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // "Trovane (*.sel)" already shows its patterns; Qt reads them there.
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(motifs);
        else
            description = description.left(description.indexOf(QLatin1Char('('))).trimmed() +
                          QStringLiteral(" (%1)").arg(motifs);
        filtres << description;
    }
    return filtres.join(QStringLiteral(";;"));
}

QString avec_extension(const QString& nom, const QString& extension)
{
    if (nom.isEmpty() || extension.isEmpty() || !QFileInfo(nom).suffix().isEmpty())
        return nom;
    return nom + QLatin1Char('.') + extension;
}

namespace {

QString départ(const dialogue_commun& d)
{
    const QString dossier = d.InitDir.isEmpty() ? QDir::currentPath() : d.InitDir;
    if (d.FileName.isEmpty())
        return dossier;
    return QFileInfo(d.FileName).isAbsolute() ? d.FileName : QDir(dossier).filePath(d.FileName);
}

}  // namespace

bool dialogue_commun::ShowOpen()
{
    const QString choisi = dialogues().fichier_à_ouvrir(DialogTitle, départ(*this), filtre_qt(Filter));
    if (choisi.isEmpty())
        return false;
    FileName = avec_extension(choisi, DefaultExt);
    return true;
}

bool dialogue_commun::ShowSave()
{
    // The save dialog itself asks before overwriting; asking again would
    // only repeat its question.
    const QString choisi = dialogues().fichier_à_enregistrer(DialogTitle, départ(*this), filtre_qt(Filter));
    if (choisi.isEmpty())
        return false;
    FileName = avec_extension(choisi, DefaultExt);
    return true;
}

bool dialogue_commun::ShowPrinter() { return dialogues().réglage_imprimante(imprimante()); }

dialogue_commun& dialogue1()
{
    static dialogue_commun d;
    return d;
}

QString choisit_image()
{
    dialogue_commun& d = dialogue1();
    d.InitDir = données.dossier_images;
    d.Filter = QStringLiteral("images(.GIF)|*.gif|images(.jpg)|*.jpg|images(.BMP)|*.bmp|images(.WMF)|*.wmf");
    d.DefaultExt.clear();
    return d.ShowOpen() ? d.FileName : QString();
}
