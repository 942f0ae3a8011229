#include "data/modele.h"

données_sel données;

QString fichier_courant;
int16 adhérent_courant = 0;
int16 compte_courant = 0;
QString appelant_filtre;
bool arrêt_demandé = false;
QString fichier_à_extraire;
bool poste_compta = false;
QString langue_aide;
bool affiche_grille = false;
bool sans_image_accueil = false;
bool sans_enregistrement = false;
float hauteur_ligne_vide = 0;
float hauteur_images = 0;
int16 nombre_lignes_vides = 0;
bool tables_changées_non_enregistrées = false;

std::function<void()> avis_fichier_chargé;
std::function<void()> avis_fusion_terminée;

compte_asso* données_sel::compte_association(int numéro)
{
    if (numéro < premier_compte_asso || numéro >= premier_compte_asso + nombre_comptes_asso)
        return nullptr;
    return &comptes_asso[numéro - premier_compte_asso];
}

void initialise_paramètres(données_sel& d)
{
    for (int k = 0; k <= 1; ++k) {
        d.police_offres[k] = d.police_demandes[k] = d.police_sous_rubriques[k] = d.police_rubriques[k] =
            d.police_sommaire[k] = QStringLiteral("Arial");
        d.taille_offres[k] = d.taille_demandes[k] = 10;
        d.taille_sous_rubriques[k] = 14;
        d.taille_rubriques[k] = 16;
        d.taille_sommaire[k] = 0;  // none chosen: the title page takes the size that holds its contents
        d.italique_offres[k] = d.gras_offres[k] = d.gras_demandes[k] = false;
        d.italique_demandes[k] = true;
        d.italique_sous_rubriques[k] = d.gras_sous_rubriques[k] = true;
        d.italique_rubriques[k] = false;
        d.gras_rubriques[k] = true;
        d.gras_sommaire[k] = true;
        d.italique_sommaire[k] = false;
        d.cat_qui[k] = 0;
        d.cat_rubriques_images[k] = 1;
        d.cat_sommaire[k] = 1;
        d.cat_liste_adhérents[k] = 0;
        d.cat_code[k] = 0;
        d.cat_sous_rubriques[k] = 1;
        d.cat_format[k] = 1;
        d.cat_numéro[k] = 1;
        d.cat_date[k] = date_courte(date_depuis(aujourdhui()));
    }
    d.cat_nouveaux_adhérents = {1, 0};
    d.symbole_enfant = QStringLiteral("J");
    d.symbole_adulte = QStringLiteral("$");
    d.catégories_public = {variante::de_texte(QStringLiteral("Enfant")), variante::de_texte(QStringLiteral("Adulte")),
                           variante::de_texte(QStringLiteral("Sel"))};
    d.symboles_catégories[0] = variante::de_nombre(74);
    d.symboles_catégories[1] = variante::de_nombre(36);
    d.noms_genres = {QStringLiteral("produit"), QStringLiteral("service"), QStringLiteral("savoir"), QString(),
                     QString()};
    d.symboles_genres = {QStringLiteral("108"), QStringLiteral("118"), QStringLiteral("110"), QStringLiteral("119"),
                         QStringLiteral("182")};
    hauteur_ligne_vide = 300;
    hauteur_images = 1750;
    d.cat_écrire_offre = {0, 1};
    d.cat_num_adh = {1, 1};
    for (auto* valeurs : {&d.valeurs_critère0, &d.valeurs_critère1, &d.valeurs_critère2}) {
        (*valeurs)[0] = QStringLiteral("aucun(e)");
        for (int i = 1; i <= 9; ++i)
            (*valeurs)[i] = QStringLiteral("critère") + QString::number(i + 1);
    }
    d.titre_critère1 = d.titre_critère2 = QStringLiteral("Critères1 utilisateurs");
    d.titre_critère0 = QStringLiteral("Critères0 util");
    d.valeurs_qualité = {QStringLiteral("membre du bureau"), QStringLiteral("membre du C.A"), QStringLiteral("membre "),
                         QStringLiteral("membre bienfaiteur "), QStringLiteral("membre honoraire"),
                         QStringLiteral("autre "), QStringLiteral("autre "), QStringLiteral("autre "),
                         QStringLiteral("autre "), QStringLiteral("autre ")};
    for (int k = 0; k < nombre_comptes_asso; ++k)
        d.comptes_asso[k].nom = QStringLiteral("_compte asso") + QString::number(k + 1);
    d.nom_monnaie = QStringLiteral("grains");
    d.abréviation_monnaie = QStringLiteral("grs");
    d.utilise_monnaie_locale = 1;
    d.taux_prélèvement = monnaie::depuis_brut(5000);
    d.compte_prélèvement = 0;
    d.solde_mini_prélèvement = monnaie::unités(0);
    d.montant_mini_prélèvement = monnaie::unités(50);
    d.montant_maxi_prélèvement = monnaie::unités(1000);
    langue_aide = QStringLiteral("français");
    affiche_grille = true;
    sans_image_accueil = false;
    d.cat_niveau_rubrique = {0, 1};
}

void initialise_paramètres() { initialise_paramètres(données); }
