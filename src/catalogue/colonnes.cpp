#include "catalogue/colonnes.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/listes_longues.h"
#include "ui_common/outils.h"

void calcule_colonnes_catalogue(surface_page& imprimante)
{
    données_sel& d = données;
    const int k = indice_catalogue();
    const QString échantillon = QStringLiteral("abcdefghijklmno");

    imprimante.setPolice(police_catalogue(style_catalogue::demandes, k));
    const double largeur_demandes = imprimante.TextWidth(échantillon);
    imprimante.setPolice(police_catalogue(style_catalogue::offres, k));
    const double largeur_offres = imprimante.TextWidth(échantillon);
    if (largeur_demandes - largeur_offres > 200)
        MsgBox(QStringLiteral("La police et la taille que vous avez choisies pour vos offres tiennent moins de place "
                              "que celles choisies pour vos demandes.\r\n"
                              "Si la différence est trop grande, cela risque de provoquer les alignements bizarres "
                              "dans la mise en page du catalogue."),
               style_boîte::information);

    // Every member counts, deleted and eliminated ones too.
    std::vector<QString> identifiants;
    pour_chaque_adhérent(d, [&](int, const adhérent& a) { identifiants.push_back(a.identifiant.trimmed()); });
    const float plus_large = static_cast<float>(largeur_la_plus_grande(
        static_cast<int>(identifiants.size()), [&](int i) { return identifiants[static_cast<std::size_t>(i)]; },
        [&](QChar c) { return imprimante.TextWidth(QString(c)); },
        [&](int i) { return imprimante.TextWidth(identifiants[static_cast<std::size_t>(i)]); }));
    largeur_identifiant = plus_large + static_cast<float>(imprimante.TextWidth(QStringLiteral("WW")));

    const int format = d.cat_format[static_cast<std::size_t>(k)];
    float page;
    if (format == 0) {
        d.x_numéro = 1200;
        page = static_cast<float>(imprimante.Width());
    } else if (format == 1) {
        d.x_numéro = 500;
        page = static_cast<float>(imprimante.Width() / 2);
    } else {
        return;
    }
    const int code = d.cat_code[static_cast<std::size_t>(k)];
    if (code == 0 || code == 1)
        d.x_symbole = d.x_numéro + static_cast<float>(imprimante.TextWidth(QStringLiteral("99999")));
    else if (code == 3)
        d.x_symbole = d.x_numéro + static_cast<float>(imprimante.TextWidth(QStringLiteral("999999")));
    else
        d.x_symbole = d.x_numéro;
    d.x_texte = d.x_symbole + static_cast<float>(imprimante.TextWidth(QStringLiteral("WW")));
    d.x_identifiant = page - 1000 - largeur_identifiant;
    largeur_texte = d.x_identifiant - d.x_texte - 100;
    x_liste_adh1 = d.x_symbole;
    x_liste_adh2 = d.x_numéro;

    imprimante.setPolice(police_catalogue(style_catalogue::sommaire, k));
    const auto t = static_cast<float>(imprimante.TextWidth(QStringLiteral("00.00.00.00.000")));
    if (format == 0) {
        x_liste_adh3 = page - 2000 - 2 * t;
        x_liste_adh4 = page - 1000 - t;
    } else {
        x_liste_adh3 = page - 1800 - 2 * t;
        x_liste_adh4 = page - 900 - t;
    }
}
