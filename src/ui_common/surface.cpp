#include "ui_common/surface.h"

#include "data/fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {

const QString fin_de_ligne = QStringLiteral("\r\n");

// Lines are hair-thin on a printer; a twentieth of a millimetre keeps them
// visible, and never less than one device unit on a coarse preview.
constexpr double épaisseur_trait = 3.0;

}  // namespace

double surface_page::TextWidth(const QString& texte) const
{
    double largeur = 0;
    for (const QString& ligne : texte.split(fin_de_ligne))
        largeur = std::max(largeur, largeur_ligne(ligne, police_));
    return largeur;
}

double surface_page::TextHeight(const QString& texte) const
{
    return interligne(police_) * (texte.count(fin_de_ligne) + 1);
}

void surface_page::Print(const QString& texte, bool saut_de_ligne)
{
    const QStringList lignes = texte.split(fin_de_ligne);
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        pose(texte_posé{x_, y_, lignes[i], police_});
        if (i + 1 < lignes.size()) {
            x_ = 0;
            y_ += interligne(police_);
        }
    }
    if (saut_de_ligne) {
        x_ = 0;
        y_ += interligne(police_);
    } else {
        x_ += largeur_ligne(lignes.back(), police_);
    }
}

void surface_page::Line(double x1, double y1, double x2, double y2)
{
    pose(trait_posé{x1, y1, x2, y2});
    x_ = x2;
    y_ = y2;
}

void surface_page::PaintPicture(const QImage& image, double x, double y, double largeur, double hauteur)
{
    if (image.isNull())
        return;
    pose(image_posée{image, QRectF(x, y, largeur, hauteur)});
}

void surface_page::NewPage()
{
    page_suivante();
    x_ = y_ = 0;
}

bool surface_page::EndDoc()
{
    const bool fait = termine_document();
    x_ = y_ = 0;
    return fait;
}

void surface_page::KillDoc()
{
    annule_document();
    x_ = y_ = 0;
}

bool surface_page::termine_suite()
{
    if (suites_ == 0 || --suites_ > 0)
        return true;
    return envoie_suite();
}

QFont police_qt(const police_page& police)
{
    QFont f(police.nom);
    // A size of zero or less cannot be asked of a font; such a font is only
    // ever measured (the callers refuse to print below a minimum size).
    f.setPointSizeF(std::max(police.taille, 0.5));
    f.setBold(police.gras);
    f.setItalic(police.italique);
    f.setStrikeOut(police.barré);
    f.setUnderline(police.souligné);
    return police.sans_façonnage ? sans_façonnage(f) : f;
}

QFont sans_façonnage(QFont f)
{
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

void dessine_élément(QPainter& peintre, const élément_page& élément, double u)
{
    if (const auto* t = std::get_if<texte_posé>(&élément)) {
        if (t->texte.isEmpty())
            return;
        peintre.setFont(police_qt(t->police));
        peintre.setPen(Qt::black);
        const QFontMetricsF mesure(peintre.font(), peintre.device());
        peintre.drawText(QPointF(t->x * u, t->y * u + mesure.ascent()), t->texte);
    } else if (const auto* l = std::get_if<trait_posé>(&élément)) {
        QPen stylo(Qt::black);
        stylo.setWidthF(std::max(1.0, épaisseur_trait * u));
        stylo.setCapStyle(Qt::FlatCap);
        peintre.setPen(stylo);
        peintre.drawLine(QPointF(l->x1 * u, l->y1 * u), QPointF(l->x2 * u, l->y2 * u));
    } else if (const auto* i = std::get_if<image_posée>(&élément)) {
        const QRectF cadre(i->cadre.x() * u, i->cadre.y() * u, i->cadre.width() * u, i->cadre.height() * u);
        peintre.setRenderHint(QPainter::SmoothPixmapTransform);
        peintre.drawImage(cadre, i->image);
    }
}

QString raison_image_illisible(const QString& trouvé)
{
    const QFileInfo info(trouvé);
    if (info.suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0)
        return {};
    return info.isReadable() ? QStringLiteral("Image incorrecte (%1)").arg(QDir::toNativeSeparators(trouvé))
                             : description_erreur_fichier(trouvé, false);
}

QImage lit_image(const QString& chemin)
{
    const QString fichier = trouve_fichier_stocké(chemin);
    if (fichier.isEmpty())
        return {};
    QImageReader lecteur(fichier);
    lecteur.setDecideFormatFromContent(true);
    lecteur.setAutoTransform(true);
    return lecteur.read();
}
