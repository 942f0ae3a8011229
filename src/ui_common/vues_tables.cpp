#include "ui_common/vues_tables.h"

#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/ajuste_grille.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>

namespace {

QString x_fois(int n) { return QString(n, QLatin1Char('x')); }

// A list entry, or an empty text when the index lies outside the list: a
// stray index in the data leaves its cell empty and the fill goes on.
template <class T, std::size_t N>
const T* entrée(const std::array<T, N>& liste, int i)
{
    return i >= 0 && i < static_cast<int>(N) ? &liste[static_cast<std::size_t>(i)] : nullptr;
}

template <std::size_t N>
QString nom_de(const std::array<QString, N>& liste, int i)
{
    const QString* t = entrée(liste, i);
    return t ? *t : QString();
}

QString nom_rubrique(const données_sel& d, int indice)
{
    return indice >= 0 && indice <= max_noms_rubriques ? d.noms_rubriques[static_cast<std::size_t>(indice)]
                                                        : QString();
}

// Empties the grid and gives it its new shape: one header row, one fixed
// column, `lignes` data rows.
void prépare(grille& gg, int lignes, int colonnes)
{
    gg.Clear();
    gg.setRows(1);
    gg.setCols(colonnes);
    gg.setFixedRows(1);
    gg.setFixedCols(1);
    gg.setRows(lignes + 1);
}

void entêtes(grille& gg, std::initializer_list<QString> textes)
{
    int c = 0;
    for (const QString& t : textes)
        gg.setTextMatrix(0, c++, t);
}

// Widths of the first columns from sample texts, measured in the font the
// column fit measures in.
void largeurs(grille& gg, std::initializer_list<QString> échantillons)
{
    mesureur_texte mesure(police_de_mesure(gg));
    int c = 0;
    for (const QString& t : échantillons)
        gg.setColWidth(c++, CLng(mesure.largeur(t)));
}

// The first data row becomes the current one, so that the commands that act
// on a row find one without a click; the current column is the first that
// scrolls.
void première_ligne_courante(grille& gg)
{
    if (gg.Rows() > gg.FixedRows()) {
        gg.setRow(gg.FixedRows());
        if (gg.Col() < gg.FixedCols() && gg.Cols() > gg.FixedCols())
            gg.setCol(gg.FixedCols());
    }
}

// The whole list, even when a count read from somewhere went astray.
int compte(int n, int maximum) { return std::clamp(n, 0, maximum); }

// As QString::number, without its detour through the locale: a full
// table holds tens of thousands of them.
QString nombre(int v)
{
    char chiffres[12];
    const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, v).ptr;
    return QString::fromLatin1(chiffres, fin - chiffres);
}

}  // namespace

void affiche_rubriques(grille& gg)
{
    const données_sel& d = données;
    redraw_suspendu pause(gg);
    gg.setVisible(!affiche_grille);
    const int n = compte(d.nombre_codes_classification, max_codes_classification);
    prépare(gg, n, col_rubriques::nombre);
    entêtes(gg, {QString(), QStringLiteral("code rubrique"), QStringLiteral(" Nom Rubrique"),
                 QStringLiteral(" Fichiers images")});
    largeurs(gg, {QStringLiteral("9999"), QStringLiteral("999999"), x_fois(38), x_fois(38)});

    for (int i = 1; i <= n; ++i) {
        const int e = d.codes_classification[static_cast<std::size_t>(i)];
        gg.setTextMatrix(i, 0, nombre(i));
        gg.setTextMatrix(i, col_rubriques::code, nombre(e));
        gg.setTextMatrix(i, col_rubriques::nom, nom_rubrique(d, e));
        if (e % 10 == 0)
            gg.setTextMatrix(i, col_rubriques::image, nom_de(d.images_rubriques, e / 10));
    }

    // Ascending codes; column 0 keeps each entry's place in the list.
    gg.setCol(col_rubriques::code);
    gg.setRow(gg.Row());  // the whole list, not a selection left from before
    gg.setSort(tri_grille::générique_croissant);
    gg.setVisible(!affiche_grille);
    ajuste_grille(gg);
    première_ligne_courante(gg);
    gg.fixe_forme(forme_grille::codée);
}

void affiche_offres_demandes(grille& gg, bool décodé)
{
    const données_sel& d = données;
    arrêt_demandé = false;
    redraw_suspendu pause(gg);
    gg.Clear();
    gg.setVisible(false);
    const int n = compte(d.nombre_propositions, max_propositions);
    prépare(gg, n, col_offres::nombre);
    entêtes(gg, {QString(), QStringLiteral("Offre/demande"), QStringLiteral("Rubrique"), QStringLiteral("Genre"),
                 QStringLiteral("kid "), QStringLiteral("désignation"), QStringLiteral("Identifiant adhérent"),
                 QStringLiteral("additif"), QStringLiteral("réservé"), QStringLiteral("N°adh"),
                 QStringLiteral("réservé")});
    largeurs(gg, {QStringLiteral("9999"), QStringLiteral("Type "), QStringLiteral("99999"), QStringLiteral("999"),
                  QStringLiteral("999"), x_fois(28), x_fois(28), QStringLiteral("9999"), QStringLiteral("indice"),
                  QStringLiteral("num_adh"), QStringLiteral("xx.xx.xxxx")});
    gg.setSelectionMode(décodé ? mode_sélection::libre : mode_sélection::par_ligne);

    for (int i = 1; i <= n; ++i) {
        gg.setTextMatrix(i, 0, nombre(i));
        const int s = d.table_propositions[static_cast<std::size_t>(i)].ordre;
        if (s < 0 || s > max_propositions)
            continue;
        const proposition& p = d.table_propositions[static_cast<std::size_t>(s)];
        if (décodé) {
            gg.setTextMatrix(i, col_offres::type, p.type == 1   ? QStringLiteral("offre")
                                                  : p.type == 2 ? QStringLiteral("demande")
                                                                : QString());
            // The sub-section's name, else its section's.
            QString rubrique = nom_rubrique(d, p.code_rubrique / 10);
            if (rubrique.isEmpty())
                rubrique = nom_rubrique(d, p.code_rubrique / 100 * 10);
            gg.setTextMatrix(i, col_offres::rubrique, rubrique);
            gg.setTextMatrix(i, col_offres::genre, nom_de(d.noms_genres, p.genre));
            QString pour_qui;
            if (p.kid == d.symbole_enfant)
                pour_qui = QStringLiteral("enfant");
            if (p.adulte == d.symbole_adulte)
                pour_qui = QStringLiteral("adulte");
            gg.setTextMatrix(i, col_offres::public_visé, pour_qui);
            gg.setTextMatrix(i, col_offres::additif, p.additif == 1                     ? QStringLiteral("nouvelle")
                                                     : p.additif == 2 || p.additif == 3 ? QStringLiteral("supprimée")
                                                                                        : QString());
        } else {
            gg.setTextMatrix(i, col_offres::type, nombre(p.type));
            gg.setTextMatrix(i, col_offres::rubrique, nombre(p.code_rubrique));
            gg.setTextMatrix(i, col_offres::genre, nombre(p.genre));
            gg.setTextMatrix(i, col_offres::public_visé, !p.kid.isEmpty() ? p.kid : p.adulte);
            gg.setTextMatrix(i, col_offres::additif, nombre(p.additif));
        }
        gg.setTextMatrix(i, col_offres::désignation, p.désignation);
        gg.setTextMatrix(i, col_offres::identifiant, p.identifiant);
        gg.setTextMatrix(i, col_offres::emplacement, nombre(s));
        gg.setTextMatrix(i, col_offres::num_adh, nombre(p.num_adh));
        gg.setTextMatrix(i, col_offres::date, texte_date(p.date));
    }

    gg.setVisible(!affiche_grille);
    // The samples are far narrower than the names the decoded form writes.
    if (décodé)
        ajuste_grille(gg);
    première_ligne_courante(gg);
    gg.fixe_forme(décodé ? forme_grille::décodée : forme_grille::codée);
}

void affiche_adhérents(grille& gg, bool décodé)
{
    const données_sel& d = données;
    redraw_suspendu pause(gg);
    const int n = compte(d.nombre_adhérents, max_adhérents);
    prépare(gg, n, col_adhérents::nombre);
    entêtes(gg, {QString(),
                 QStringLiteral("Numéro"),
                 QStringLiteral("Identifiant"),
                 QStringLiteral("tel1"),
                 QStringLiteral("tel2"),
                 QStringLiteral("Nom, prénom, raison sociale"),
                 QStringLiteral("N°, rue, quartier... "),
                 QStringLiteral("C.P"),
                 QStringLiteral("Ville"),
                 QStringLiteral("additif"),
                 QStringLiteral("enf/adult/autre"),
                 QStringLiteral("Adresse électronique "),
                 QStringLiteral("D Adhésion "),
                 QStringLiteral("D Cotisation "),
                 QStringLiteral("Sexe"),
                 d.titre_critère0,
                 QStringLiteral("Qualité"),
                 d.titre_critère1,
                 d.titre_critère2,
                 QStringLiteral("commentaire"),
                 QStringLiteral("dte_enr"),
                 QStringLiteral("der_solde"),
                 QStringLiteral("débits"),
                 QStringLiteral("crédits"),
                 QStringLiteral("volume"),
                 QStringLiteral("d_naiss")});
    largeurs(gg, {QStringLiteral("9999"), QStringLiteral("9999"), x_fois(38), QStringLiteral("00.00.00.00.00.00"),
                  QStringLiteral("00.00.00.00.00.00"), x_fois(49), x_fois(49), QStringLiteral("9999999"), x_fois(33),
                  QStringLiteral("9999"), QStringLiteral("AA"), x_fois(33)});

    for (int i = 1; i <= n; ++i) {
        const int num = d.table_adhérents[static_cast<std::size_t>(i)].ordre;
        gg.setTextMatrix(i, 0, nombre(i));
        gg.setTextMatrix(i, col_adhérents::numéro, nombre(num));
        if (num < 0 || num > max_adhérents)
            continue;
        const adhérent& a = d.table_adhérents[static_cast<std::size_t>(num)];
        auto cellule = [&](int c, const QString& t) { gg.setTextMatrix(i, c, t); };
        cellule(col_adhérents::identifiant, a.identifiant);
        cellule(col_adhérents::tel1, a.tel1);
        cellule(col_adhérents::tel2, a.tel2);
        cellule(col_adhérents::nom_adresse, a.nom_adresse);
        cellule(col_adhérents::rue, a.rue);
        cellule(col_adhérents::cp, a.cp);
        cellule(col_adhérents::ville, a.ville);
        cellule(col_adhérents::additif, nombre(a.additif));
        cellule(col_adhérents::e_mail, a.e_mail);
        cellule(col_adhérents::date_adhésion, texte_date(a.date_adhésion));
        cellule(col_adhérents::date_cotisation, texte_date(a.date_cotisation));
        if (décodé) {
            const variante* catégorie = entrée(d.catégories_public, a.catégorie);
            cellule(col_adhérents::catégorie, catégorie ? catégorie->en_texte() : QString());
            cellule(col_adhérents::sexe, a.sexe == 0   ? QStringLiteral("masculin")
                                         : a.sexe == 1 ? QStringLiteral("féminin")
                                                       : QString());
            cellule(col_adhérents::critère0, nom_de(d.valeurs_critère0, a.critère0));
            cellule(col_adhérents::qualité, nom_de(d.valeurs_qualité, a.qualité));
            cellule(col_adhérents::critère1, nom_de(d.valeurs_critère1, a.critère1));
            cellule(col_adhérents::critère2, nom_de(d.valeurs_critère2, a.critère2));
        } else {
            cellule(col_adhérents::catégorie, nombre(a.catégorie));
            cellule(col_adhérents::sexe, nombre(a.sexe));
            cellule(col_adhérents::critère0, nombre(a.critère0));
            cellule(col_adhérents::qualité, nombre(a.qualité));
            cellule(col_adhérents::critère1, nombre(a.critère1));
            cellule(col_adhérents::critère2, nombre(a.critère2));
        }
        cellule(col_adhérents::commentaire, a.commentaire);
        cellule(col_adhérents::dte_enr, texte_date(a.dte_enr));
        cellule(col_adhérents::der_solde, texte_affiché(a.der_solde));
        cellule(col_adhérents::débits, nombre(a.débits));
        cellule(col_adhérents::crédits, nombre(a.crédits));
        cellule(col_adhérents::volume, texte_affiché(a.volume));
        cellule(col_adhérents::d_naiss, texte_date(a.d_naiss));
    }

    gg.setVisible(!affiche_grille);
    ajuste_grille(gg);
    première_ligne_courante(gg);
    gg.fixe_forme(décodé ? forme_grille::décodée : forme_grille::codée);
}
