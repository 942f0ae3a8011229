#include "printing/texte_etiquette.h"

#include "data/modele.h"
#include "printing/feuille_etiquettes.h"

namespace {

const QString saut = QStringLiteral("\r\n");

}  // namespace

QString préfixe_civilité(int civilité)
{
    switch (civilité) {
    case 1: return QStringLiteral("Mme ");
    case 2: return QStringLiteral("Mlle ");
    case 3: return QStringLiteral("Mr ");
    case 4: return QStringLiteral("Mme & Mr ");
    case 5: return QStringLiteral("Ass. ");
    default: return {};
    }
}

QString compose_texte(int numéro, const QString& type_sortie)
{
    if (numéro < 0 || numéro > max_adhérents)
        return {};
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(numéro)];
    const QString adresse =
        a.nom_adresse.trimmed() + saut + a.rue.trimmed() + saut + saut + a.cp.trimmed() + QStringLiteral("  ") +
        a.ville.trimmed();
    const QString n = QString::number(numéro);
    if (type_sortie == sorties::étiquette || type_sortie == sorties::publipostage)
        return saut + préfixe_civilité(a.civilité) + adresse;
    if (type_sortie == sorties::carte_adh)
        return QStringLiteral("Carte d'Adhérent n° ") + n + saut + saut + QStringLiteral(".") + saut + adresse;
    if (type_sortie == sorties::carte_id)
        return n + QStringLiteral(" - ") + a.identifiant.trimmed() + saut + saut + QStringLiteral(".") + saut +
               adresse + saut + a.tel1.trimmed() + QStringLiteral("  ") + a.tel2.trimmed();
    return {};
}

titre_et_reste sépare_titre(const QString& contenu)
{
    const qsizetype fin = contenu.indexOf(saut);
    if (fin < 0)
        return {contenu, {}};
    return {contenu.left(fin), contenu.mid(fin)};
}

double hauteur_photo(double largeur, QSize image)
{
    if (image.width() <= 0 || image.height() <= 0)
        return 0;
    return largeur * image.height() / image.width();
}
