#include "catalogue/rubriques.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "data/fichiers.h"
#include "data/modele.h"

#include <cmath>

namespace {

QString nom_rubrique(int indice)
{
    if (indice < 0 || indice > max_noms_rubriques)
        return {};
    return données.noms_rubriques[static_cast<std::size_t>(indice)];
}

QString image_rubrique_de(int section)
{
    if (section < 0 || section > max_rubriques)
        return {};
    return données.images_rubriques[static_cast<std::size_t>(section)];
}

void insère(grille& g, int i, int sorte, const QString& code, const QString& texte, const QString& hauteur)
{
    g.AddItem(QString(), i);
    g.setTextMatrix(i, col_cat::sorte, QString::number(sorte));
    g.setTextMatrix(i, col_cat::code, code);
    g.setTextMatrix(i, col_cat::texte, texte);
    g.setTextMatrix(i, col_cat::hauteur, hauteur);
}

float hauteur_de_w(surface_page& imprimante, const police_page& police)
{
    imprimante.setPolice(police);
    return static_cast<float>(imprimante.TextHeight(QStringLiteral("W")));
}

}  // namespace

bool insère_rubriques(grille& g, surface_page& imprimante)
{
    const données_sel& d = données;
    const auto k = static_cast<std::size_t>(indice_catalogue());
    arrêt_demandé = false;

    police_page label = police_catalogue(style_catalogue::offres);
    label.taille += 2;
    label.gras = true;
    const float h_offres = hauteur_de_w(imprimante, label);
    label = police_catalogue(style_catalogue::demandes);
    label.taille += 2;
    label.gras = true;
    const float h_demandes = hauteur_de_w(imprimante, label);
    const float h_rubrique = hauteur_de_w(imprimante, police_catalogue(style_catalogue::rubriques));

    affichage_cat.je_fais_quoi = QStringLiteral("Insertion des rubriques");
    if (avis_affichage_catalogue)
        avis_affichage_catalogue();

    const bool images = d.cat_rubriques_images[k] == 1;
    const bool sous_rubriques = d.cat_sous_rubriques[k] == 1;
    const bool labels = d.cat_écrire_offre[k] == 1;

    auto ligne_vide = [&](int i, bool demi) {
        insère(g, i, sorte_ligne::ligne_vide, {}, QStringLiteral("Ligne vide"),
               texte_réel(demi ? hauteur_ligne_vide / 2 : hauteur_ligne_vide));
        ++nombre_lignes_vides;
    };
    auto titre = [&](int i, int section) {
        const QString nom = nom_rubrique(section * 10);
        if (!images) {
            insère(g, i, sorte_ligne::rubrique, QString::number(section), nom, texte_réel(h_rubrique));
            return;
        }
        // A missing picture shows the name, in the room kept for the picture.
        const QString chemin = image_rubrique_de(section);
        const bool trouvée = !chemin.isEmpty() && !trouve_fichier_stocké(chemin).isEmpty();
        insère(g, i, sorte_ligne::rubrique, QString::number(section), trouvée ? chemin : nom,
               texte_réel(hauteur_images));
        g.setRowHeight(i, static_cast<int>(std::lround(hauteur_images)));
    };

    int code = 0, section = 0, chiffre = 0;
    int section_préc = 0, chiffre_préc = 0, dernier_label = 0;
    int i = 1;
    while (i < g.Rows()) {
        affichage_cat.per_cent = Format(static_cast<double>(i) / (g.Rows() - 1), QStringLiteral("#0%"));
        cède_la_main();
        if (arrêt_demandé)
            return false;

        const QString texte_code = g.TextMatrix(i, col_cat::code);
        const QString texte_sorte = g.TextMatrix(i, col_cat::sorte);
        double v = 0;
        if ((!texte_code.isEmpty() && (!lit_nombre(texte_code, v) || std::fabs(v) > 1e6)) ||
            (!texte_sorte.isEmpty() && !est_numérique(texte_sorte))) {
            ++i;  // unreadable: nothing goes in here
            continue;
        }
        if (!texte_code.isEmpty()) {
            code = static_cast<int>(v);
            section = code / 100;
            chiffre = (code - section * 100) / 10;
        }
        const int sorte = sorte_de(g, i);
        const bool offre = sorte == sorte_ligne::offre, demande = sorte == sorte_ligne::demande;

        if (section != section_préc) {
            ligne_vide(i++, false);
            titre(i++, section);
            ligne_vide(i++, false);
            section_préc = section;
            chiffre_préc = 0;
            dernier_label = 0;
        } else if (sous_rubriques && chiffre != chiffre_préc) {
            ligne_vide(i++, false);
            insère(g, i++, sorte_ligne::sous_rubrique, {}, nom_rubrique(code / 10), {});
            chiffre_préc = chiffre;
            dernier_label = 0;
        } else if (labels && ((offre && dernier_label != 1) || (demande && dernier_label != 2))) {
            if (sorte_de(g, i - 1) != sorte_ligne::ligne_vide)
                ligne_vide(i++, true);
            if (offre)
                insère(g, i, sorte_ligne::label_offres, {}, QStringLiteral("Offre(s)"), texte_réel(h_offres));
            else
                insère(g, i, sorte_ligne::label_demandes, {}, QStringLiteral("Demande(s)"), texte_réel(h_demandes));
            dernier_label = offre ? 1 : 2;
        } else {
            ++i;
        }
    }
    affichage_cat.per_cent = Format(1.0, QStringLiteral("#0%"));
    return true;
}
