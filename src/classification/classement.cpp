#include "classification/classement.h"

#include "classification/propositions.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "data/valeurs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace t = textes_classement;

namespace {

void informe(const QString& texte) { MsgBox(texte, style_boîte::information); }

// Nearest integer, halves to even; outside any code's reach gives 0.
int arrondi(double v)
{
    if (!(std::fabs(v) < 1e9))
        return 0;
    return CLng(v);
}

bool est_rubrique(int entrée) { return entrée % 10 == 0; }

// The entries 1..count as a range of the table.
auto début_entrées() { return données.codes_classification.begin() + 1; }
auto fin_entrées() { return début_entrées() + données.nombre_codes_classification; }

// Entries stand in ascending order, so that each section is followed by its
// sub-sections in digit order.
void trie_entrées() { std::stable_sort(début_entrées(), fin_entrées()); }

void ajoute_entrée(int entrée)
{
    données.codes_classification[données.nombre_codes_classification + 1] = static_cast<int16>(entrée);
    ++données.nombre_codes_classification;
    trie_entrées();
}

template <typename P>
void retire_entrées(P&& à_retirer)
{
    auto fin = std::remove_if(début_entrées(), fin_entrées(), [&](int16 e) { return à_retirer(e); });
    const int reste = static_cast<int>(fin - début_entrées());
    std::fill(fin, fin_entrées(), int16{0});
    données.nombre_codes_classification = static_cast<int16>(reste);
}

// Some listed proposition, whatever its status, has a code in [bas, haut].
bool code_utilisé(int bas, int haut)
{
    bool trouvé = false;
    pour_chaque_proposition(données, [&](int, proposition& p) {
        if (p.code_rubrique >= bas && p.code_rubrique <= haut)
            trouvé = true;
    });
    return trouvé;
}

}  // namespace

// ---------------------------------------------------------------- codes

int constitue_code(int rubrique, int sous_rubrique, int dernier_chiffre)
{
    return rubrique * 100 + sous_rubrique * 10 + dernier_chiffre;
}

parties_code découpe_code(int code)
{
    if (code < 100)
        return {};
    return {code / 100, code % 100 / 10, code % 10};
}

int valeur_code(const QString& texte) { return arrondi(val_fr(texte)); }

std::optional<parties_code> code_tapé_classement(const QString& texte)
{
    const double v = val_fr(texte);
    const int code = arrondi(v);
    if (v < 100 || v > 5000 || code % 10 != 0) {
        informe(t::code_hors_limites);
        return std::nullopt;
    }
    return découpe_code(code);
}

// ---------------------------------------------------------------- reading

bool rubrique_existe(int rubrique)
{
    return rubrique >= 1 && rubrique <= max_rubriques && indice_entrée(rubrique * 10) > 0;
}

bool sous_rubrique_existe(int rubrique, int chiffre)
{
    return rubrique >= 1 && chiffre >= 1 && chiffre <= 9 && indice_entrée(rubrique * 10 + chiffre) > 0;
}

std::vector<int> numéros_rubriques()
{
    std::vector<int> r;
    for (auto it = début_entrées(); it != fin_entrées(); ++it)
        if (est_rubrique(*it) && *it > 0)
            r.push_back(*it / 10);
    return r;
}

std::vector<int> chiffres_sous_rubriques(int rubrique)
{
    std::vector<int> r;
    for (auto it = début_entrées(); it != fin_entrées(); ++it)
        if (*it > rubrique * 10 && *it < rubrique * 10 + 10)
            r.push_back(*it - rubrique * 10);
    return r;
}

int indice_entrée(int entrée)
{
    for (int i = 1; i <= données.nombre_codes_classification; ++i)
        if (données.codes_classification[i] == entrée)
            return i;
    return 0;
}

int cherche_code(const std::vector<int>& pris)
{
    std::array<bool, 101> marqué{};
    for (int n : pris)
        if (n >= 0 && n <= 100)
            marqué[n] = true;
    for (int n = 1; n <= 100; ++n)
        if (!marqué[n])
            return n;
    return 0;
}

int première_rubrique_libre() { return cherche_code(numéros_rubriques()); }

int premier_chiffre_libre(int rubrique) { return cherche_code(chiffres_sous_rubriques(rubrique)); }

void ajuste_nombre_rubriques()
{
    const auto n = numéros_rubriques();
    données.nombre_rubriques = static_cast<int16>(n.empty() ? 0 : *std::max_element(n.begin(), n.end()));
}

// ---------------------------------------------------------------- adding

QString code_pour_ajout_rubrique(const QString& champ_code, int rubrique_courante)
{
    if (rubrique_courante == 0 || valeur_code(champ_code) / 100 == rubrique_courante)
        return {};
    return champ_code;
}

QString code_pour_ajout_sous_rubrique(const QString& champ_code, int nombre_sous_rubriques, int chiffre_courant)
{
    if (nombre_sous_rubriques == 0 || chiffre_tapé(champ_code) == chiffre_courant)
        return {};
    return champ_code;
}

int chiffre_tapé(const QString& champ_code)
{
    const double v = val_fr(champ_code);
    return arrondi((v - (arrondi(v) / 100) * 100) / 10);
}

contrôle_sous_rubrique contrôle_ajout_sous_rubrique(int rubrique)
{
    if (!rubrique_existe(rubrique)) {
        informe(t::créez_rubrique);
        return contrôle_sous_rubrique::sans_rubrique;
    }
    if (chiffres_sous_rubriques(rubrique).size() >= 9) {
        informe(t::neuf_sous_rubriques);
        return contrôle_sous_rubrique::complet;
    }
    return contrôle_sous_rubrique::accepté;
}

int ajoute_rubrique(const QString& nom, const QString& champ_code, const QString& image)
{
    if (nom.trimmed().isEmpty()) {
        informe(t::nom_manquant);
        return 0;
    }
    int n = 0;
    if (champ_code.trimmed().isEmpty()) {
        n = première_rubrique_libre();
        if (n == 0 || n > max_rubriques) {
            informe(t::cinquante_rubriques);
            return 0;
        }
    } else {
        const double c = val_fr(champ_code);
        if (!(c >= 100 && c <= 5000 && c == std::floor(c) && static_cast<int>(c) % 100 == 0)) {
            informe(t::code_rubrique_hors_limites);
            return 0;
        }
        n = static_cast<int>(c) / 100;
        if (rubrique_existe(n)) {
            informe(t::rubrique_déjà_utilisée);
            return 0;
        }
    }
    données.images_rubriques[n] = image;
    données.noms_rubriques[n * 10] = nom;
    ajoute_entrée(n * 10);
    ajuste_nombre_rubriques();
    return n;
}

int ajoute_sous_rubrique(int rubrique, const QString& nom, const QString& champ_code)
{
    if (contrôle_ajout_sous_rubrique(rubrique) != contrôle_sous_rubrique::accepté)
        return 0;
    const QString nom_net = nom.trimmed();
    if (nom_net.isEmpty()) {
        informe(t::nom_manquant);
        return 0;
    }
    const auto chiffres = chiffres_sous_rubriques(rubrique);
    for (int k : chiffres)
        if (données.noms_rubriques[rubrique * 10 + k].trimmed() == nom_net) {
            informe(t::sous_rubrique_existe);
            return 0;
        }
    // Entry 50 x 10 + k lies beyond the name slots.
    if (rubrique * 10 + 9 > max_noms_rubriques) {
        informe(t::rubrique_50_sans_sous_rubrique);
        return 0;
    }
    int k = chiffre_tapé(champ_code);
    if (k > 9) {
        informe(t::chiffre_hors_limites);
        return 0;
    }
    if (k > 0) {
        if (std::find(chiffres.begin(), chiffres.end(), k) != chiffres.end()) {
            informe(t::sous_rubrique_déjà_utilisée);
            return 0;
        }
    } else {
        k = cherche_code(chiffres);
    }
    const int entrée = rubrique * 10 + k;
    données.noms_rubriques[entrée] = nom_net;
    ajoute_entrée(entrée);
    return k;
}

// ---------------------------------------------------------------- renaming

bool renomme_rubrique(int rubrique, const QString& nom, const QString& image)
{
    if (!rubrique_existe(rubrique))
        return false;
    données.noms_rubriques[rubrique * 10] = nom;
    données.images_rubriques[rubrique] = image;
    ajuste_nombre_rubriques();
    enregistrer_fichier(fichier_courant, false);
    return true;
}

bool fixe_image_rubrique(int rubrique, const QString& image)
{
    if (!rubrique_existe(rubrique))
        return false;
    données.images_rubriques[rubrique] = image;
    ajuste_nombre_rubriques();
    return true;
}

bool renomme_sous_rubrique(int rubrique, int chiffre, const QString& nom)
{
    if (nom.trimmed().isEmpty() || !sous_rubrique_existe(rubrique, chiffre))
        return false;
    données.noms_rubriques[rubrique * 10 + chiffre] = nom;
    ajuste_nombre_rubriques();
    enregistrer_fichier(fichier_courant, false);
    return true;
}

// ---------------------------------------------------------------- swapping and deleting

namespace {

// Exactly two selected items, else the reason and nothing.
bool deux_sélectionnés(const std::vector<int>& sélectionnés, const QString& trop)
{
    if (sélectionnés.size() > 2) {
        informe(trop);
        return false;
    }
    if (sélectionnés.size() < 2) {
        informe(t::sélectionnez_deux);
        return false;
    }
    return true;
}

}  // namespace

bool permute_rubriques(const std::vector<int>& sélectionnées)
{
    if (!deux_sélectionnés(sélectionnées, t::trop_de_rubriques))
        return false;
    const int a = sélectionnées[0], b = sélectionnées[1];
    if (a == b || !rubrique_existe(a) || !rubrique_existe(b))
        return false;
    // Sub-sections moving into section 50 would have no name slot.
    if ((a == max_rubriques && !chiffres_sous_rubriques(b).empty()) ||
        (b == max_rubriques && !chiffres_sous_rubriques(a).empty())) {
        informe(t::rubrique_50_sans_sous_rubrique);
        return false;
    }

    pour_chaque_proposition(données, [&](int, proposition& p) {
        const int code = p.code_rubrique;
        if (code >= a * 100 && code <= a * 100 + 99)
            p.code_rubrique = static_cast<int16>(b * 100 + code % 100);
        else if (code >= b * 100 && code <= b * 100 + 99)
            p.code_rubrique = static_cast<int16>(a * 100 + code % 100);
    });

    std::swap(données.noms_rubriques[a * 10], données.noms_rubriques[b * 10]);
    std::swap(données.images_rubriques[a], données.images_rubriques[b]);
    for (int k = 1; k <= 9 && a * 10 + k <= max_noms_rubriques && b * 10 + k <= max_noms_rubriques; ++k)
        std::swap(données.noms_rubriques[a * 10 + k], données.noms_rubriques[b * 10 + k]);
    for (auto it = début_entrées(); it != fin_entrées(); ++it) {
        const int e = *it;
        if (e > a * 10 && e < a * 10 + 10)
            *it = static_cast<int16>(b * 10 + e % 10);
        else if (e > b * 10 && e < b * 10 + 10)
            *it = static_cast<int16>(a * 10 + e % 10);
    }
    trie_entrées();
    ajuste_nombre_rubriques();
    return true;
}

bool permute_sous_rubriques(int rubrique, const std::vector<int>& sélectionnées)
{
    if (!deux_sélectionnés(sélectionnées, t::trop_de_sous_rubriques))
        return false;
    const int dx = sélectionnées[0], dy = sélectionnées[1];
    if (dx == dy || !sous_rubrique_existe(rubrique, dx) || !sous_rubrique_existe(rubrique, dy))
        return false;
    const int x = rubrique * 10 + dx, y = rubrique * 10 + dy;
    pour_chaque_proposition(données, [&](int, proposition& p) {
        const int code = p.code_rubrique;
        if (code >= x * 10 && code <= x * 10 + 9)
            p.code_rubrique = static_cast<int16>(y * 10 + code % 10);
        else if (code >= y * 10 && code <= y * 10 + 9)
            p.code_rubrique = static_cast<int16>(x * 10 + code % 10);
    });
    std::swap(données.noms_rubriques[x], données.noms_rubriques[y]);
    return true;
}

bool supprime_rubrique(int rubrique)
{
    if (!rubrique_existe(rubrique))
        return false;
    const int s = rubrique * 100;
    if (code_utilisé(s, s + 99)) {
        informe(t::rubrique_utilisée);
        return false;
    }
    // No proposition uses the section, so none uses its sub-sections either.
    retire_entrées([&](int e) { return e >= rubrique * 10 && e < rubrique * 10 + 10; });
    for (int e = rubrique * 10; e < rubrique * 10 + 10 && e <= max_noms_rubriques; ++e)
        données.noms_rubriques[e].clear();
    données.images_rubriques[rubrique].clear();
    ajuste_nombre_rubriques();
    return true;
}

bool supprime_sous_rubrique(int rubrique, int chiffre)
{
    if (!sous_rubrique_existe(rubrique, chiffre))
        return false;
    const int k = rubrique * 100 + chiffre * 10;
    if (code_utilisé(k, k + 9)) {
        informe(t::sous_rubrique_utilisée);
        return false;
    }
    const int entrée = k / 10;
    retire_entrées([&](int e) { return e == entrée; });
    données.noms_rubriques[entrée].clear();
    return true;
}

bool supprime_classification()
{
    if (contrôle_archive())
        return false;
    if (MsgBox(t::question_tout_supprimer, style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return false;
    std::fill(données.codes_classification.begin(), données.codes_classification.end(), int16{0});
    std::fill(données.noms_rubriques.begin(), données.noms_rubriques.end(), QString());
    données.images_rubriques.fill(QString());
    données.nombre_codes_classification = 0;
    données.nombre_rubriques = 0;
    enregistrer_fichier(fichier_courant, false);
    return true;
}
