#include "ui_common/impression_texte.h"

#include "data/dialogues.h"
#include "data/fichiers.h"

#include <QFileInfo>

namespace {

const QString fin_de_ligne = QStringLiteral("\r\n");

// The first characters of a line too wide for largeur: up to the first one at
// which the width is reached, then back to the last blank (kept on the line)
// when there is one after the first character. Never empty.
QString coupe(const surface_page& surface, const QString& texte, double largeur)
{
    qsizetype n = 1;
    while (n < texte.size() && surface.TextWidth(texte.left(n)) < largeur)
        ++n;
    for (qsizetype i = n - 1; i >= 1; --i)
        if (texte[i] == QLatin1Char(' '))
            return texte.left(i + 1);
    return texte.left(n);
}

}  // namespace

double imprime_paragraphe(surface_page& surface, const QString& texte, double x, double y, double largeur)
{
    surface.setCurrentY(y);
    double hauteur = 0;
    const auto dessine = [&](const QString& morceau, bool saut_de_ligne) {
        surface.setCurrentX(x);
        hauteur += surface.TextHeight(morceau);
        surface.Print(morceau, saut_de_ligne);
    };

    QString reste = texte;
    while (!reste.isEmpty()) {
        QString morceau;
        const qsizetype fin = reste.indexOf(fin_de_ligne);
        if (fin >= 0) {
            const QString candidat = reste.left(fin);
            // An empty line is taken whole even when the width is not
            // positive: cutting it would take nothing and never end.
            if (candidat.isEmpty() || surface.TextWidth(candidat) < largeur) {
                morceau = candidat;
                reste = reste.mid(fin + fin_de_ligne.size());
            } else {
                morceau = coupe(surface, candidat, largeur);
                reste = reste.mid(morceau.size());
            }
        } else {
            if (surface.TextWidth(reste) < largeur)
                break;
            morceau = coupe(surface, reste, largeur);
            reste = reste.mid(morceau.size());
        }
        dessine(morceau, true);
    }
    if (!reste.isEmpty())
        dessine(reste, false);
    return hauteur;
}

QString raccourci(const surface_page& surface, QString texte, double largeur)
{
    while (!texte.isEmpty() && surface.TextWidth(texte) > largeur)
        texte.chop(1);
    return texte;
}

double imprime_texte(surface_page& imprimante, const QString& texte, double x, double y, double largeur)
{
    return imprime_paragraphe(imprimante, texte, x, y, largeur);
}

void aperçu_texte(surface_page& cadre_carte, const QString& texte, double x, double y, double largeur)
{
    imprime_paragraphe(cadre_carte, texte, x, y, largeur);
}

bool imprime_image(surface_page& surface, const QImage& image, const QString& chemin, double x, double y,
                   double hauteur, double largeur)
{
    const QString fichier = trouve_fichier_stocké(chemin);
    if (fichier.isEmpty())
        return false;
    if (image.isNull()) {
        if (const QString raison = raison_image_illisible(fichier); !raison.isEmpty())
            MsgBox(raison + QStringLiteral(" Impossible de coller ") + chemin, style_boîte::critique);
        return false;
    }
    surface.PaintPicture(image, x, y, largeur, hauteur);
    return true;
}

bool aperçu_image(surface_page& aperçu, const QImage& image, const QString& chemin, double x, double y,
                  double hauteur, double largeur)
{
    return imprime_image(aperçu, image, chemin, x, y, hauteur, largeur);
}
