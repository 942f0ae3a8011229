#pragma once
// The classification of the offers and requests: sections (rubriques) and
// their sub-sections (sous-rubriques), kept in the shared tables of `données`.
// Section n is entry n x 10 (code n x 100); its sub-section with digit k is
// entry n x 10 + k (code n x 100 + k x 10). The procedures below keep the
// entries in ascending order and tell the user, through the dialog service,
// why an operation is refused; the editor window only collects fields.
#include <QString>
#include <optional>
#include <vector>

// ---------------------------------------------------------------- codes
struct parties_code {
    int rubrique = 0;         // section number, code / 100
    int sous_rubrique = 0;    // tens digit, 0 for none
    int dernier_chiffre = 0;  // units digit, 0 for none
    bool operator==(const parties_code&) const = default;
};

// rubrique x 100 + sous_rubrique x 10 + dernier_chiffre.
int constitue_code(int rubrique, int sous_rubrique = 0, int dernier_chiffre = 0);
// 1234 -> {12, 3, 4}; 1207 -> {12, 0, 7}; a code below 100 names no section.
parties_code découpe_code(int code);
// The value of a code field: its leading number ("," or "." as decimal
// point, blanks ignored), rounded half to even; 0 when it starts with none
// or is out of any code's reach.
int valeur_code(const QString& texte);

// A code typed in the editor's code field to reach a section or sub-section:
// 100..5000 and a multiple of 10, else the range message and nothing.
std::optional<parties_code> code_tapé_classement(const QString& texte);

// ---------------------------------------------------------------- reading
bool rubrique_existe(int rubrique);
bool sous_rubrique_existe(int rubrique, int chiffre);
// Section numbers in table order.
std::vector<int> numéros_rubriques();
// Digits of the sub-sections of a section, in table order.
std::vector<int> chiffres_sous_rubriques(int rubrique);
// Index in codes_classification of an entry (code / 10); 0 when absent.
int indice_entrée(int entrée);

// First number from 1 to 100 that none of `pris` holds; 0 when all are taken.
int cherche_code(const std::vector<int>& pris);
int première_rubrique_libre();
int premier_chiffre_libre(int rubrique);

// nombre_rubriques bounds the section images written to the data file: it
// follows the highest section number, so that no section's image is dropped.
void ajuste_nombre_rubriques();

// ---------------------------------------------------------------- adding
// First click on "Ajouter" of the sections: what the code field keeps. A
// field that only showed the current section's code is emptied (the new
// section takes the first free number); another code is kept as typed.
QString code_pour_ajout_rubrique(const QString& champ_code, int rubrique_courante);
// The same for a sub-section: emptied when the section has no sub-section
// yet, or when the field names the current sub-section's digit.
QString code_pour_ajout_sous_rubrique(const QString& champ_code, int nombre_sous_rubriques, int chiffre_courant);
// Tens digit of a typed code (1250 -> 5); 0 for an empty field or a section code.
int chiffre_tapé(const QString& champ_code);

// Checks made on every click of the sub-section "Ajouter" button.
enum class contrôle_sous_rubrique { accepté, sans_rubrique, complet };
contrôle_sous_rubrique contrôle_ajout_sous_rubrique(int rubrique);

// "Valider" of a section addition: the new section's number, or 0 when
// refused (the user has been told why; the addition stays pending). An empty
// code field takes the first free number; otherwise the field's code.
int ajoute_rubrique(const QString& nom, const QString& champ_code, const QString& image);
// "Valider" of a sub-section addition under `rubrique`: the new digit, or 0
// when refused. The digit is the typed code's tens digit, else the first free one.
int ajoute_sous_rubrique(int rubrique, const QString& nom, const QString& champ_code);

// ---------------------------------------------------------------- renaming
// Name and image of a section, then the data file is saved. False when the
// section does not exist.
bool renomme_rubrique(int rubrique, const QString& nom, const QString& image);
// Image alone (Enter in the image field); nothing is saved.
bool fixe_image_rubrique(int rubrique, const QString& image);
// Name of the sub-section `chiffre` of `rubrique`, then the data file is
// saved. Nothing happens for a blank name or a sub-section that does not exist.
bool renomme_sous_rubrique(int rubrique, int chiffre, const QString& nom);

// ---------------------------------------------------------------- swapping and deleting
// Swaps the two selected sections (numbers in list order) with their names,
// images, sub-sections and the codes of every proposition filed under them.
// False, after telling why, unless exactly two are selected.
bool permute_rubriques(const std::vector<int>& sélectionnées);
// Swaps two selected sub-sections of a section: names and propositions' codes.
bool permute_sous_rubriques(int rubrique, const std::vector<int>& sélectionnées);

// Deletes a section and its sub-section entries; refused while any
// proposition, whatever its status, carries a code of the section.
bool supprime_rubrique(int rubrique);
bool supprime_sous_rubrique(int rubrique, int chiffre);

// "Supprimer toute la classification": refused on an archive copy; asks,
// empties the classification (the propositions keep their codes) and saves.
bool supprime_classification();

// Message texts shown by these procedures.
namespace textes_classement {
inline const QString code_hors_limites =
    QStringLiteral("Le code rubrique doit être compris entre 100 et 5000 et être un multiple de 10");
inline const QString code_rubrique_hors_limites =
    QStringLiteral("Le code rubrique doit être compris entre 100 et 5000 et être un multiple de 100");
inline const QString nom_manquant =
    QStringLiteral("Tapez d'abord le nom de la rubrique à ajouter dans la zone de texte");
inline const QString créez_rubrique = QStringLiteral("Créez d'abord une rubrique");
inline const QString neuf_sous_rubriques = QStringLiteral(" Il est impossible de créer plus de 9 sous rubriques");
inline const QString sous_rubrique_existe = QStringLiteral("Cette sous-rubrique existe déjà!");
inline const QString rubrique_déjà_utilisée = QStringLiteral("Ce code rubrique est déjà utilisé.");
inline const QString sous_rubrique_déjà_utilisée = QStringLiteral("Ce code de sous-rubrique est déjà utilisé.");
inline const QString cinquante_rubriques = QStringLiteral("Il est impossible de créer plus de 50 rubriques");
inline const QString chiffre_hors_limites =
    QStringLiteral("Le chiffre de la sous-rubrique doit être compris entre 1 et 9");
inline const QString rubrique_50_sans_sous_rubrique =
    QStringLiteral("La rubrique 50 ne peut pas avoir de sous-rubrique");
inline const QString trop_de_rubriques =
    QStringLiteral("Il y a plus de deux rubriques sélectionnées, il est impossible de permuter.");
inline const QString trop_de_sous_rubriques =
    QStringLiteral("Il y a plus de deux sous_rubriques sélectionnées, il est impossible de permuter.");
inline const QString sélectionnez_deux = QStringLiteral("Sélectionnez deux éléments dans la liste.");
inline const QString rubrique_utilisée =
    QStringLiteral("Impossible de supprimer. Cette rubrique est utilisée dans la base");
inline const QString sous_rubrique_utilisée =
    QStringLiteral("Impossible de supprimer. Cette sous_rubrique est utilisée dans la base");
inline const QString question_tout_supprimer = QStringLiteral(
    " Cette opération va supprimer toute la classification. Elle ne modifie pas les données éventuellement "
    "déjà rentrées pour les offres demandes. Elle est surtout destinée à ceux qui ne souhaitent pas utiliser "
    "la classification par défaut");
}  // namespace textes_classement
