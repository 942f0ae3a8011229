#pragma once
// The association's data as the whole program shares it: the five tables, the
// name lists, the association and catalogue settings and the page-layout
// values that the data file holds, gathered in one value (données_sel) with
// one instance for the run (`données`), so that a load can fill a copy and
// swap it in whole. The run-time state that no file holds stands beside it.
#include "data/valeurs.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

inline constexpr int max_adhérents = 5000;
inline constexpr int max_propositions = 3000;
inline constexpr int max_lignes_compte = 10000;
inline constexpr int max_codes_classification = 5000;
inline constexpr int max_noms_rubriques = 500;
inline constexpr int max_rubriques = 50;
inline constexpr int premier_compte_asso = 9995;
inline constexpr int nombre_comptes_asso = 5;

struct adhérent {
    double dte_enr = 0;
    int16 ordre = 0;
    texte_fixe<20> identifiant;
    texte_fixe<50> nom_adresse;
    texte_fixe<50> e_mail;
    texte_fixe<16> tel1;
    texte_fixe<16> tel2;
    texte_fixe<30> rue;
    int16 civilité = 0;
    texte_fixe<6> cp;
    texte_fixe<20> ville;
    texte_fixe<20> réservé;
    int16 additif = 0;
    int16 catégorie = 0;
    QString photo;
    double date_adhésion = 0;
    double date_cotisation = 0;
    int16 sexe = 0;
    int16 critère0 = 0;
    int16 qualité = 0;
    int16 critère1 = 0;
    int16 critère2 = 0;
    QString commentaire;
    monnaie der_solde;
    int16 débits = 0;
    int16 crédits = 0;
    monnaie volume;
    double d_naiss = 0;
    bool operator==(const adhérent&) const = default;
};

struct proposition {
    double date = 0;
    int16 ordre = 0;
    int16 type = 0;
    int16 genre = 0;
    QString désignation;
    QString identifiant;
    int16 additif = 0;
    int16 code_rubrique = 0;
    QString kid;
    QString adulte;
    int16 num_adh = 0;
    bool operator==(const proposition&) const = default;
};

struct ligne_de_compte {
    double dte_enr = 0;
    double dte_opé = 0;
    QString description;
    int16 ligne_cat = 0;
    int16 genre = 0;
    int16 compte = 0;
    int16 partenaire = 0;
    QString sens;
    monnaie montant;
    monnaie solde;
    int16 réservé1 = 0;
    int16 code_rub = 0;
    int16 réservé2 = 0;
    QString enf;
    QString adu;
    bool operator==(const ligne_de_compte&) const = default;
};

struct compte_asso {
    int16 réservé1 = 0;
    int16 réservé2 = 0;
    QString nom;
    int16 crédits = 0;
    int16 débits = 0;
    monnaie volume;
    monnaie solde;
    bool operator==(const compte_asso&) const = default;
};

template <typename T>
using paire = std::array<T, 2>;  // indexed by type_catalogue: 0 supplement, 1 catalogue

struct données_sel {
    // Tables; index 0 of the member, proposition and account-line tables is
    // never an entry.
    std::vector<adhérent> table_adhérents = std::vector<adhérent>(max_adhérents + 1);
    int16 nombre_adhérents = 0;
    std::vector<proposition> table_propositions = std::vector<proposition>(max_propositions + 1);
    int16 nombre_propositions = 0;
    std::vector<ligne_de_compte> table_lignes_compte = std::vector<ligne_de_compte>(max_lignes_compte + 1);
    int16 nombre_lignes_compte = 0;
    std::array<compte_asso, nombre_comptes_asso> comptes_asso{};

    // Classification.
    int16 nombre_codes_classification = 0;
    std::vector<int16> codes_classification = std::vector<int16>(max_codes_classification + 1);
    std::vector<QString> noms_rubriques = std::vector<QString>(max_noms_rubriques + 1);
    int16 nombre_rubriques = 0;
    std::array<QString, max_rubriques + 1> images_rubriques{};

    // Name lists.
    std::array<QString, 5> noms_genres{};
    std::array<QString, 5> symboles_genres{};
    std::array<variante, 3> catégories_public{};
    std::array<variante, 3> symboles_catégories{};
    std::array<QString, 10> valeurs_critère0{}, valeurs_critère1{}, valeurs_critère2{}, valeurs_qualité{};
    QString titre_critère0, titre_critère1, titre_critère2;
    QString symbole_enfant, symbole_adulte;

    // Association settings.
    int16 utilise_monnaie_locale = 0;
    QString nom_monnaie, abréviation_monnaie;
    QString entête, fichier_logo;
    bool numérotation_suivante = false;
    monnaie solde_départ;
    int16 compte_asso_débité = 0;
    monnaie taux_prélèvement;
    int16 compte_prélèvement = 0;
    monnaie solde_mini_prélèvement, montant_mini_prélèvement, montant_maxi_prélèvement;
    int16 sans_prélèvement = 0;
    QString dossier_images;
    QString type_fichier;
    double date_archivage = 0;
    double réservé_double = 0;
    bool réservé_booléen = false;

    // What the general grid shows; kept in the data file.
    QString mode_grille;

    // Catalogue settings: five text styles and the options, each a pair.
    int16 type_catalogue = 0;
    paire<QString> police_offres{}, police_demandes{}, police_sous_rubriques{}, police_rubriques{}, police_sommaire{};
    paire<float> taille_offres{}, taille_demandes{}, taille_sous_rubriques{}, taille_rubriques{}, taille_sommaire{};
    paire<bool> italique_offres{}, italique_demandes{}, italique_sous_rubriques{}, italique_rubriques{},
        italique_sommaire{};
    paire<bool> gras_offres{}, gras_demandes{}, gras_sous_rubriques{}, gras_rubriques{}, gras_sommaire{};
    paire<int16> cat_classement{}, cat_niveau_rubrique{}, cat_écrire_offre{}, cat_num_adh{}, cat_qui{},
        cat_rubriques_images{}, cat_sommaire{}, cat_liste_adhérents{}, cat_nouveaux_adhérents{}, cat_code{},
        cat_sous_rubriques{}, cat_format{}, cat_numéro{};
    paire<variante> cat_sans_sauts{};
    paire<QString> cat_date{};

    // Page layout computed by the catalogue column calibration (twips).
    float x_numéro = 0, x_symbole = 0, x_texte = 0, x_identifiant = 0, réservé_simple = 0;

    // Account of an association account number (9995..9999); nullptr otherwise.
    compte_asso* compte_association(int numéro);
    bool operator==(const données_sel&) const = default;
};

// The one instance of the run.
extern données_sel données;

// ---------------------------------------------------------------- run-time state
extern QString fichier_courant;   // target of every ordinary save
extern int16 adhérent_courant;
extern int16 compte_courant;
extern QString appelant_filtre;
extern bool arrêt_demandé;
extern QString fichier_à_extraire;
extern bool poste_compta;         // this station keeps the members' balances
extern QString langue_aide;
extern bool affiche_grille;       // True while the general grid is hidden
extern bool sans_image_accueil;
extern bool sans_enregistrement;  // the program folder refused writing: nothing is saved
extern float hauteur_ligne_vide;  // twips
extern float hauteur_images;      // twips
extern int16 nombre_lignes_vides;
// The tables were changed from the grid (conversion, import) and not saved
// since; only a successful save of fichier_courant clears it (and a load the
// user let replace them without saving).
extern bool tables_changées_non_enregistrées;

// Told after every successful load of a data file (the main window resets
// its caption, mode buttons and grid) and after a merge (caption and mode
// button 0). Empty while no main window listens.
extern std::function<void()> avis_fichier_chargé;
extern std::function<void()> avis_fusion_terminée;

// Sets the defaults of a new data file (the tables are left alone).
void initialise_paramètres();
void initialise_paramètres(données_sel& d);

// Walks the members in list order: f(number, record) for i = 1..count, with
// the numbers named by `ordre`; numbers outside 1..5000 are passed over.
template <typename F>
void pour_chaque_adhérent(données_sel& d, F&& f)
{
    for (int i = 1; i <= d.nombre_adhérents && i <= max_adhérents; ++i) {
        const int n = d.table_adhérents[i].ordre;
        if (n >= 1 && n <= max_adhérents)
            f(n, d.table_adhérents[n]);
    }
}

// Walks the propositions in list order: f(slot, record) for i = 1..count,
// with the slots named by `ordre`; slots outside 1..3000 are passed over.
template <typename F>
void pour_chaque_proposition(données_sel& d, F&& f)
{
    for (int i = 1; i <= d.nombre_propositions && i <= max_propositions; ++i) {
        const int s = d.table_propositions[i].ordre;
        if (s >= 1 && s <= max_propositions)
            f(s, d.table_propositions[s]);
    }
}
