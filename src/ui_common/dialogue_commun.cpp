#include "ui_common/dialogue_commun.h"

#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichiers.h"
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
    // A folder of pictures set elsewhere than in P gives way to P/images.
    const QString images = dossier_images_du_programme();
    d.InitDir = images.isEmpty() && !données.dossier_images.trimmed().isEmpty()
                    ? chemin_programme(QStringLiteral("images"))
                    : images;
    d.Filter = QStringLiteral("images(.GIF)|*.gif|images(.jpg)|*.jpg|images(.BMP)|*.bmp|images(.WMF)|*.wmf");
    d.DefaultExt.clear();
    if (!d.ShowOpen())
        return {};
    // Pictures are looked for inside the program folder only (so that a data
    // file never leads the program elsewhere): one chosen outside would
    // never show. The dialog may reach the folder through a link: the path
    // is then given from the program folder.
    if (!dans_dossier_programme(d.FileName).isEmpty())
        return d.FileName;
    const QString réel = QFileInfo(d.FileName).canonicalFilePath();
    const QString p_réel = QFileInfo(dossier_programme()).canonicalFilePath();
    if (!réel.isEmpty() && !p_réel.isEmpty() && réel.startsWith(p_réel + QLatin1Char('/')))
        return chemin_programme(QDir(p_réel).relativeFilePath(réel));
    MsgBox(QStringLiteral("Cette image est hors du dossier du programme (%1) : Trovane ne lit les images et les "
                          "photos que dans ce dossier. Copiez-la d'abord dans %2, puis choisissez-la là.")
               .arg(QDir::toNativeSeparators(dossier_programme()),
                    QDir::toNativeSeparators(chemin_programme(QStringLiteral("images")))),
           style_boîte::information);
    return {};
}
