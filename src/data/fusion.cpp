#include "data/fusion.h"

#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "data/soldes.h"

#include <vector>

namespace {

// The merged list: the other file's list, then what only the open file
// listed, in its order. A record the open file does not list is taken
// whatever its date; a listed one only when the other's is more recent.
template <typename Record, typename Date>
void fusionne_liste(std::vector<Record>& ouvert, int16& nombre_ouvert, const std::vector<Record>& autre,
                    int16 nombre_autre, int max, Date date)
{
    std::vector<bool> dans_ouvert(max + 1, false), dans_autre(max + 1, false);
    std::vector<int16> liste_ouverte;
    for (int i = 1; i <= nombre_ouvert; ++i) {
        const int n = ouvert[i].ordre;
        liste_ouverte.push_back(static_cast<int16>(n));
        if (n >= 0 && n <= max)
            dans_ouvert[n] = true;
    }
    std::vector<int16> liste;
    for (int i = 1; i <= nombre_autre; ++i) {
        const int n = autre[i].ordre;
        liste.push_back(static_cast<int16>(n));
        if (n < 0 || n > max || dans_autre[n])
            continue;
        dans_autre[n] = true;
        if (!dans_ouvert[n] || date(autre[n]) > date(ouvert[n])) {
            const int16 place = ouvert[n].ordre;  // belongs to the list, not to record n
            ouvert[n] = autre[n];
            ouvert[n].ordre = place;
        }
    }
    for (int16 n : liste_ouverte)
        if (static_cast<int>(liste.size()) < max && (n < 0 || n > max || !dans_autre[n]))
            liste.push_back(n);
    nombre_ouvert = static_cast<int16>(liste.size());
    for (int i = 1; i <= nombre_ouvert; ++i)
        ouvert[i].ordre = liste[i - 1];
}

}  // namespace

bool récupérer_données(const QString& chemin, bool adhérents, bool catalogue, bool comptes, bool offres)
{
    if (chemin.isEmpty())
        return false;

    QString erreur;
    std::optional<QByteArray> octets;
    données_sel autre = données;
    while (true) {
        octets = lit_fichier(chemin, erreur);
        if (octets) {
            // The archive date decides first, whatever follows it.
            try {
                lecteur_éléments en_tête(*octets);
                en_tête.saute();
                if (en_tête.date() != données.date_archivage) {
                    MsgBox(message_date_archivage_différente, style_boîte::critique);
                    return false;
                }
                lit_données(*octets, autre, 3);
                break;
            } catch (const erreur_lecture& e) {
                erreur = e.description;
            }
        }
        if (MsgBox(erreur, style_boîte::réessayer_annuler | style_boîte::critique) != rép_réessayer)
            return false;
        autre = données;
    }

    données_sel& d = données;
    if (adhérents) {
        fusionne_liste(d.table_adhérents, d.nombre_adhérents, autre.table_adhérents, autre.nombre_adhérents,
                       max_adhérents, [](const adhérent& a) { return a.dte_enr; });
        d.catégories_public = autre.catégories_public;
        d.symboles_catégories = autre.symboles_catégories;
        d.valeurs_critère0 = autre.valeurs_critère0;
        d.valeurs_critère1 = autre.valeurs_critère1;
        d.valeurs_critère2 = autre.valeurs_critère2;
        d.valeurs_qualité = autre.valeurs_qualité;
        d.titre_critère0 = autre.titre_critère0;
        d.titre_critère1 = autre.titre_critère1;
        d.titre_critère2 = autre.titre_critère2;
        d.solde_départ = autre.solde_départ;
    }
    if (catalogue) {
        d.nombre_codes_classification = autre.nombre_codes_classification;
        d.codes_classification = autre.codes_classification;
        d.noms_rubriques = autre.noms_rubriques;
        d.x_numéro = autre.x_numéro;
        d.x_symbole = autre.x_symbole;
        d.x_texte = autre.x_texte;
        d.x_identifiant = autre.x_identifiant;
        d.réservé_simple = autre.réservé_simple;
        d.type_catalogue = autre.type_catalogue;
        d.symbole_enfant = autre.symbole_enfant;
        d.symbole_adulte = autre.symbole_adulte;
        d.police_offres = autre.police_offres;
        d.police_demandes = autre.police_demandes;
        d.police_sous_rubriques = autre.police_sous_rubriques;
        d.police_rubriques = autre.police_rubriques;
        d.police_sommaire = autre.police_sommaire;
        d.taille_offres = autre.taille_offres;
        d.taille_demandes = autre.taille_demandes;
        d.taille_sous_rubriques = autre.taille_sous_rubriques;
        d.taille_rubriques = autre.taille_rubriques;
        d.taille_sommaire = autre.taille_sommaire;
        d.italique_offres = autre.italique_offres;
        d.italique_demandes = autre.italique_demandes;
        d.italique_sous_rubriques = autre.italique_sous_rubriques;
        d.italique_rubriques = autre.italique_rubriques;
        d.italique_sommaire = autre.italique_sommaire;
        d.gras_offres = autre.gras_offres;
        d.gras_demandes = autre.gras_demandes;
        d.gras_sous_rubriques = autre.gras_sous_rubriques;
        d.gras_rubriques = autre.gras_rubriques;
        d.gras_sommaire = autre.gras_sommaire;
        d.cat_qui = autre.cat_qui;
        d.cat_rubriques_images = autre.cat_rubriques_images;
        d.cat_sommaire = autre.cat_sommaire;
        d.cat_liste_adhérents = autre.cat_liste_adhérents;
        d.cat_code = autre.cat_code;
        d.cat_sous_rubriques = autre.cat_sous_rubriques;
        d.cat_format = autre.cat_format;
        d.cat_numéro = autre.cat_numéro;
        d.cat_date = autre.cat_date;
        d.nombre_rubriques = autre.nombre_rubriques;
        d.images_rubriques = autre.images_rubriques;
        d.dossier_images = autre.dossier_images;
        d.noms_genres = autre.noms_genres;
        d.symboles_genres = autre.symboles_genres;
        d.cat_classement = autre.cat_classement;
        d.cat_niveau_rubrique = autre.cat_niveau_rubrique;
        d.cat_nouveaux_adhérents = autre.cat_nouveaux_adhérents;
    }
    if (comptes) {
        d.comptes_asso = autre.comptes_asso;
        d.nombre_lignes_compte = autre.nombre_lignes_compte;
        d.table_lignes_compte = autre.table_lignes_compte;
        d.taux_prélèvement = autre.taux_prélèvement;
        d.compte_prélèvement = autre.compte_prélèvement;
        d.solde_mini_prélèvement = autre.solde_mini_prélèvement;
        d.montant_mini_prélèvement = autre.montant_mini_prélèvement;
        d.montant_maxi_prélèvement = autre.montant_maxi_prélèvement;
        d.sans_prélèvement = autre.sans_prélèvement;
        d.numérotation_suivante = autre.numérotation_suivante;
        d.nom_monnaie = autre.nom_monnaie;
    }
    if (offres)
        fusionne_liste(d.table_propositions, d.nombre_propositions, autre.table_propositions,
                       autre.nombre_propositions, max_propositions, [](const proposition& p) { return p.date; });

    if (avis_fusion_terminée)
        avis_fusion_terminée();
    if (adhérents && poste_compta) {
        const QString soldes = trouve_sans_casse(dossier_programme(), QStringLiteral("Trovane.sld"));
        if (!soldes.isEmpty()) {
            const QString défaut = trouve_sans_casse(dossier_programme(), QString::fromUtf8(nom_fichier_défaut));
            lire_soldes(soldes, défaut.isEmpty() ? fichier_données_défaut() : défaut);
        }
    }
    return true;
}
