#include "main_window/conversions.h"

#include "data/cp1252.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/vues_tables.h"

#include <map>
#include <optional>
#include <vector>

namespace {

// The first fault found in the grid, with the words that tell the user.
struct faute_grille {
    QString texte;
    bool avec_suite = true;  // followed by the sentence that nothing changed
};

QString extrait(const QString& t) { return t.size() > 40 ? t.left(40) + QStringLiteral("...") : t; }

// Reads the cells of one data row; each reader throws faute_grille.
class lecture_ligne {
public:
    lecture_ligne(const grille& g, int r) : g_(g), r_(r) {}

    const QString& cellule(int c) const { return g_.TextMatrix(r_, c); }

    // A number rounded half to even into 16 bits; an empty cell is 0.
    int16 nombre(int c) const
    {
        const std::optional<int16> v = nombre_facultatif(c);
        return v ? *v : int16{0};
    }

    // The same, nothing for an empty cell.
    std::optional<int16> nombre_facultatif(int c) const
    {
        const QString t = cellule(c).trimmed();
        if (t.isEmpty())
            return std::nullopt;
        double v;
        if (lit_nombre(t, v)) {
            try {
                return CInt(v);
            } catch (const erreur_basic&) {
            }
        }
        throw faute_grille{QStringLiteral("Ligne %1, colonne %2 : « %3 » n'est pas un nombre de -32768 à 32767.")
                               .arg(r_)
                               .arg(c)
                               .arg(extrait(cellule(c)))};
    }

    // A number within min..max, required; `quoi` names it in the message.
    int16 indice(int c, int min, int max, const QString& quoi) const
    {
        std::optional<int16> v;
        try {
            v = nombre_facultatif(c);
        } catch (const faute_grille&) {
        }
        if (!v)
            throw faute_grille{
                cellule(c).trimmed().isEmpty()
                    ? QStringLiteral("Ligne %1 : %2 (colonne %3) est vide.").arg(r_).arg(quoi).arg(c)
                    : QStringLiteral("Ligne %1 : %2 « %3 » (colonne %4) n'est pas un nombre.")
                          .arg(QString::number(r_), quoi, extrait(cellule(c)), QString::number(c))};
        if (*v < min || *v > max)
            throw faute_grille{QStringLiteral("Ligne %1 : %2 « %3 » (colonne %4) n'est pas un nombre de %5 à %6.")
                                   .arg(QString::number(r_), quoi, extrait(cellule(c)), QString::number(c),
                                        QString::number(min), QString::number(max))};
        return *v;
    }

    // An amount with "," or "." as the decimal point; an empty cell is 0.
    monnaie montant(int c) const
    {
        const QString& t = cellule(c);
        monnaie m;
        if (t.trimmed().isEmpty())
            return m;
        if (!lit_montant(t, m))
            throw faute_grille{QStringLiteral("Ligne %1, colonne %2 : « %3 » n'est pas un montant.")
                                   .arg(r_)
                                   .arg(c)
                                   .arg(extrait(t))};
        return m;
    }

    // A date typed day first; nothing for an empty cell.
    std::optional<double> date_facultative(int c) const
    {
        const QString& t = cellule(c);
        if (t.trimmed().isEmpty())
            return std::nullopt;
        double d;
        if (!lit_date(t, d))
            throw faute_grille{QStringLiteral("Ligne %1, colonne %2 : « %3 » n'est pas une date.")
                                   .arg(r_)
                                   .arg(c)
                                   .arg(extrait(t))};
        return d;
    }

    // A text as it stands, which the data file must be able to hold.
    const QString& texte(int c) const
    {
        const QString& t = cellule(c);
        if (!représentable_cp1252(t))
            throw faute_grille{QStringLiteral("Ligne %1, colonne %2 : le texte contient un caractère que le fichier "
                                              "de données ne peut pas enregistrer.")
                                   .arg(r_)
                                   .arg(c)};
        return t;
    }

private:
    const grille& g_;
    int r_;
};

// The grid's form must be one the conversion reads, with at least `colonnes`
// columns.
void vérifie_forme(const grille& gg, int colonnes)
{
    if (gg.Cols() < colonnes)
        throw faute_grille{QStringLiteral(" La grille doit comporter au moins %1 colonnes, la conversion est "
                                          "impossible")
                               .arg(colonnes),
                           false};
    if (gg.forme() == forme_grille::décodée)
        throw faute_grille{QStringLiteral("La grille est affichée sous sa forme décodée : affichez-la sous sa forme "
                                          "codée (« Coder la grille ») avant de la convertir.")};
    if ((gg.forme() != forme_grille::codée && gg.forme() != forme_grille::importée) || gg.Rows() < 1)
        throw faute_grille{QStringLiteral("La grille ne contient pas de tableau à convertir.")};
}

void vérifie_nombre_lignes(int lignes, int maximum, const QString& quoi)
{
    if (lignes > maximum)
        throw faute_grille{QStringLiteral("La grille compte %1 lignes : il ne peut y avoir plus de %2 %3.")
                               .arg(lignes)
                               .arg(maximum)
                               .arg(quoi)};
}

// Last row to convert: trailing rows whose cells are all empty are left out,
// row 1 always stays.
int dernière_ligne(const grille& gg)
{
    int r = gg.Rows() - 1;
    for (; r >= 2; --r) {
        bool vide = true;
        for (int c = 0; c < gg.Cols() && vide; ++c)
            vide = gg.TextMatrix(r, c).isEmpty();
        if (!vide)
            break;
    }
    return r;
}

void retire_lignes_après(grille& gg, int dernière)
{
    if (gg.Rows() - 1 <= dernière)
        return;
    redraw_suspendu pause(gg);
    while (gg.Rows() - 1 > dernière)
        gg.RemoveItem(gg.Rows() - 1);
}

// Runs the check and, only when it passed, the writing.
template <class Vérifie, class Écrit>
bool convertit(Vérifie&& vérifie, Écrit&& écrit)
{
    try {
        vérifie();
    } catch (const faute_grille& f) {
        MsgBox(f.avec_suite ? f.texte + fin_refus_conversion : f.texte, style_boîte::critique);
        return false;
    }
    écrit();
    return true;
}

// Keeps the first row of each key to name it when the key comes again.
class unicité {
public:
    explicit unicité(QString quoi, int colonne) : quoi_(std::move(quoi)), colonne_(colonne) {}
    void ajoute(int valeur, int ligne)
    {
        const auto [it, nouveau] = vues_.emplace(valeur, ligne);
        if (!nouveau)
            throw faute_grille{QStringLiteral("Ligne %1 : %2 %3 (colonne %4) est déjà celui de la ligne %5.")
                                   .arg(ligne)
                                   .arg(quoi_)
                                   .arg(valeur)
                                   .arg(colonne_)
                                   .arg(it->second)};
    }

private:
    QString quoi_;
    int colonne_;
    std::map<int, int> vues_;
};

}  // namespace

bool convertit_grille_offres(grille& gg)
{
    struct ligne_offre {
        int16 emplacement = 0;
        proposition p;       // fields read from the row (ordre, kid and adulte aside)
        QString symbole;     // column 4 as written
    };
    std::vector<ligne_offre> lignes;

    return convertit(
        [&] {
            vérifie_forme(gg, col_offres::nombre);
            const int n = gg.Rows() - 1;
            vérifie_nombre_lignes(n, max_propositions, QStringLiteral("offres-demandes"));
            unicité emplacements(QStringLiteral("l'emplacement"), col_offres::emplacement);
            lignes.resize(static_cast<std::size_t>(n));
            for (int i = 1; i <= n; ++i) {
                const lecture_ligne l(gg, i);
                ligne_offre& o = lignes[static_cast<std::size_t>(i - 1)];
                o.emplacement = l.indice(col_offres::emplacement, 1, max_propositions, QStringLiteral("l'emplacement"));
                emplacements.ajoute(o.emplacement, i);
                o.p.num_adh = l.nombre(col_offres::num_adh);
                o.p.type = l.nombre(col_offres::type);
                o.p.code_rubrique = l.nombre(col_offres::rubrique);
                o.p.genre = l.nombre(col_offres::genre);
                o.symbole = l.cellule(col_offres::public_visé);
                o.p.désignation = l.texte(col_offres::désignation);
                o.p.identifiant = l.texte(col_offres::identifiant);
                o.p.additif = l.nombre(col_offres::additif);
                o.p.date = l.date_facultative(col_offres::date).value_or(0.0);
            }
        },
        [&] {
            données_sel& d = données;
            d.nombre_propositions = static_cast<int16>(lignes.size());
            for (std::size_t i = 1; i <= lignes.size(); ++i) {
                const ligne_offre& o = lignes[i - 1];
                d.table_propositions[i].ordre = o.emplacement;
                proposition& p = d.table_propositions[static_cast<std::size_t>(o.emplacement)];
                p.num_adh = o.p.num_adh;
                p.type = o.p.type;
                p.code_rubrique = o.p.code_rubrique;
                p.genre = o.p.genre;
                // One column holds the public: the child symbol, the adult one,
                // or anything else for everybody.
                if (o.symbole == d.symbole_enfant) {
                    p.kid = o.symbole;
                } else if (o.symbole == d.symbole_adulte) {
                    p.adulte = o.symbole;
                } else {
                    p.kid.clear();
                    p.adulte.clear();
                }
                p.désignation = o.p.désignation;
                p.identifiant = o.p.identifiant;
                p.additif = o.p.additif;
                p.date = o.p.date;
            }
        });
}

bool convertit_grille_adhérents(grille& gg)
{
    struct ligne_adhérent {
        int16 numéro = 0;
        adhérent a;  // fields read from the row
        std::optional<double> date_adhésion, date_cotisation, dte_enr, d_naiss;
        std::optional<int16> critère0, critère2;
    };
    std::vector<ligne_adhérent> lignes;
    int dernière = 0;

    return convertit(
        [&] {
            vérifie_forme(gg, col_adhérents::nombre);
            dernière = dernière_ligne(gg);
            vérifie_nombre_lignes(dernière, max_adhérents, QStringLiteral("adhérents"));
            unicité numéros(QStringLiteral("le numéro d'adhérent"), col_adhérents::numéro);
            lignes.resize(static_cast<std::size_t>(dernière));
            for (int i = 1; i <= dernière; ++i) {
                using namespace col_adhérents;
                const lecture_ligne l(gg, i);
                ligne_adhérent& o = lignes[static_cast<std::size_t>(i - 1)];
                adhérent& a = o.a;
                o.numéro = l.indice(numéro, 1, max_adhérents, QStringLiteral("le numéro d'adhérent"));
                numéros.ajoute(o.numéro, i);
                a.identifiant = l.texte(identifiant);
                a.tel1 = l.texte(tel1);
                a.tel2 = l.texte(tel2);
                a.nom_adresse = l.texte(nom_adresse);
                a.rue = l.texte(rue);
                a.cp = l.texte(cp);
                a.ville = l.texte(ville);
                a.additif = l.nombre(additif);
                a.catégorie = l.nombre(catégorie);
                a.e_mail = l.texte(e_mail);
                o.date_adhésion = l.date_facultative(date_adhésion);
                o.date_cotisation = l.date_facultative(date_cotisation);
                a.sexe = l.nombre(sexe);
                o.critère0 = l.nombre_facultatif(critère0);
                a.qualité = l.nombre(qualité);
                a.critère1 = l.nombre(critère1);
                o.critère2 = l.nombre_facultatif(critère2);
                a.commentaire = l.texte(commentaire);
                o.dte_enr = l.date_facultative(dte_enr);
                a.der_solde = l.montant(der_solde);
                a.débits = l.nombre(débits);
                a.crédits = l.nombre(crédits);
                a.volume = l.montant(volume);
                o.d_naiss = l.date_facultative(d_naiss);
            }
        },
        [&] {
            retire_lignes_après(gg, dernière);
            données_sel& d = données;
            for (std::size_t i = 1; i <= lignes.size(); ++i) {
                const ligne_adhérent& o = lignes[i - 1];
                d.table_adhérents[i].ordre = o.numéro;
                adhérent& a = d.table_adhérents[static_cast<std::size_t>(o.numéro)];
                a.identifiant = o.a.identifiant;
                a.tel1 = o.a.tel1;
                a.tel2 = o.a.tel2;
                a.nom_adresse = o.a.nom_adresse;
                a.rue = o.a.rue;
                a.cp = o.a.cp;
                a.ville = o.a.ville;
                a.additif = o.a.additif;
                a.catégorie = o.a.catégorie;
                a.e_mail = o.a.e_mail;
                a.date_adhésion = o.date_adhésion.value_or(a.date_adhésion);
                a.date_cotisation = o.date_cotisation.value_or(a.date_cotisation);
                a.sexe = o.a.sexe;
                a.critère0 = o.critère0.value_or(a.critère0);
                a.qualité = o.a.qualité;
                a.critère1 = o.a.critère1;
                a.critère2 = o.critère2.value_or(a.critère2);
                a.commentaire = o.a.commentaire;
                a.dte_enr = o.dte_enr.value_or(a.dte_enr);
                a.der_solde = o.a.der_solde;
                a.débits = o.a.débits;
                a.crédits = o.a.crédits;
                a.volume = o.a.volume;
                a.d_naiss = o.d_naiss.value_or(a.d_naiss);
            }
            d.nombre_adhérents = static_cast<int16>(lignes.size());
        });
}

bool convertit_grille_rubriques(grille& gg)
{
    struct ligne_rubrique {
        int16 code = 0;
        QString nom, image;
    };
    std::vector<ligne_rubrique> lignes;
    int dernière = 0;
    bool avec_images = false;

    return convertit(
        [&] {
            vérifie_forme(gg, col_rubriques::image);
            avec_images = gg.Cols() > col_rubriques::image;
            dernière = dernière_ligne(gg);
            vérifie_nombre_lignes(dernière, max_codes_classification, QStringLiteral("rubriques"));
            lignes.resize(static_cast<std::size_t>(dernière));
            for (int i = 1; i <= dernière; ++i) {
                const lecture_ligne l(gg, i);
                ligne_rubrique& o = lignes[static_cast<std::size_t>(i - 1)];
                // An empty code is 0; a code whose name could not be kept is
                // refused rather than listed without its name.
                if (!l.cellule(col_rubriques::code).trimmed().isEmpty())
                    o.code = l.indice(col_rubriques::code, 0, max_noms_rubriques, QStringLiteral("le code rubrique"));
                o.nom = l.texte(col_rubriques::nom);
                if (avec_images && o.code % 10 == 0)
                    o.image = l.texte(col_rubriques::image);
            }
        },
        [&] {
            retire_lignes_après(gg, dernière);
            données_sel& d = données;
            for (std::size_t i = 1; i <= lignes.size(); ++i) {
                const ligne_rubrique& o = lignes[i - 1];
                d.codes_classification[i] = o.code;
                d.noms_rubriques[static_cast<std::size_t>(o.code)] = o.nom;
                if (avec_images && o.code % 10 == 0)
                    d.images_rubriques[static_cast<std::size_t>(o.code / 10)] = o.image;
            }
            d.nombre_codes_classification = static_cast<int16>(lignes.size());
        });
}
