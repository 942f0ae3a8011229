#include "members/filtre.h"

#include "data/dialogues.h"
#include "data/elements.h"
#include "data/fichiers.h"
#include "data/modele.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace {

QStringList dix_noms(const std::array<QString, 10>& noms) { return QStringList(noms.begin(), noms.end()); }

// Number of entries of departure list k; every list has a fixed length, so a
// saved position can be checked without the data at hand.
int taille_liste(int k)
{
    switch (k) {
    case 0: return 2;
    case 4: return 3;
    case 2:
    case 6:
    case 8:
    case 10: return 10;
    default: return 0;
    }
}

int16 champ_liste(const adhérent& a, int k)
{
    switch (k) {
    case 1: return a.critère0;
    case 2: return a.catégorie;
    case 3: return a.qualité;
    case 4: return a.critère1;
    default: return a.critère2;
    }
}

// Whole units of an amount, halves to the even neighbour, without the
// 16-bit limit: a yearly volume runs well past 32767 in a large association.
std::int64_t unités_arrondies(monnaie m)
{
    std::int64_t q = m.brut / 10000;
    const std::int64_t r = m.brut % 10000;
    const std::int64_t signe = m.brut < 0 ? -1 : 1;
    if (std::llabs(r) > 5000 || (std::llabs(r) == 5000 && q % 2 != 0))
        q += signe;
    return q;
}

// Whether the positions of list key k name entries of its lists.
bool positions_valides(const filtre_adhérents& f, int k)
{
    const int n = taille_liste(2 * k);
    const int départ = f.positions[static_cast<std::size_t>(2 * k)];
    if (départ < 0 || départ >= n)
        return false;
    if (k == 0)
        return true;  // the sex key reads its departure list alone
    const int arrivée = f.positions[static_cast<std::size_t>(2 * k + 1)];
    return arrivée >= 0 && arrivée < n - départ;
}

// The bounds read once for a whole run over the members.
struct filtre_lu {
    explicit filtre_lu(const filtre_adhérents& filtre) : f(filtre)
    {
        dates_lues[0] = lit_date(f.ctt_date_adh_dep, de[0]) && lit_date(f.ctt_date_adh_fin, à[0]);
        dates_lues[1] = lit_date(f.ctt_date_cot_dep, de[1]) && lit_date(f.ctt_date_cot_fin, à[1]);
        for (int k = 0; k <= 5; ++k)
            listes_lues[static_cast<std::size_t>(k)] = positions_valides(f, k);
        solde_min = val_fr(f.ctt_solde_min);
        solde_max = val_fr(f.ctt_solde_max);
        volume_min = val_fr(f.ctt_volume_min);
        volume_max = val_fr(f.ctt_volume_max);
        année = aujourdhui().year();
    }

    // A key that cannot be evaluated (a position outside its list, a bound
    // that is not a date) lets no member through.
    bool passe(const adhérent& a) const
    {
        for (int k = 0; k < nombre_clefs_filtre; ++k) {
            if (!f.active(k))
                continue;
            if (k <= 5 && !listes_lues[static_cast<std::size_t>(k)])
                return false;
            if (k == 0) {
                if (a.sexe != f.positions[0])
                    return false;
            } else if (k <= 5) {
                const int départ = f.positions[static_cast<std::size_t>(2 * k)];
                const int arrivée = f.positions[static_cast<std::size_t>(2 * k + 1)];
                const int v = champ_liste(a, k);
                if (v < départ || v > départ + arrivée)
                    return false;
            } else if (k == clef_date_adh || k == clef_date_cot) {
                const int i = k - clef_date_adh;
                if (!dates_lues[i])
                    return false;
                const double d = k == clef_date_adh ? a.date_adhésion : a.date_cotisation;
                if (d < de[i] || d > à[i])
                    return false;
            } else if (k == clef_solde) {
                const double s = a.der_solde.en_réel();
                if (s < solde_min || s > solde_max)
                    return false;
            } else {
                const int années = plus_un(année - jour_de(a.date_adhésion).year());
                const double annuel = static_cast<double>(unités_arrondies(a.volume) / années);
                if (annuel < volume_min || annuel > volume_max)
                    return false;
            }
        }
        return true;
    }

    // A member who joined this year or last year counts one year.
    static int plus_un(int années) { return années < 1 ? 1 : années; }

    const filtre_adhérents& f;
    bool dates_lues[2] = {false, false};
    std::array<bool, 6> listes_lues{};
    double de[2] = {0, 0}, à[2] = {0, 0};
    double solde_min = 0, solde_max = 0, volume_min = 0, volume_max = 0;
    int année = 0;
};

template <class F>
void pour_chaque_candidat(const filtre_adhérents& f, F&& ajoute)
{
    const bool archive = données.type_fichier == QLatin1String("archive");
    const filtre_lu lu(f);
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        if (!archive && a.additif >= 2)
            return;
        if (lu.passe(a))
            ajoute(n, a);
    });
}

}  // namespace

// ---------------------------------------------------------------- lists

QStringList liste_filtre(int k)
{
    switch (k) {
    case 0: return {QStringLiteral("masculin"), QStringLiteral("féminin")};
    case 2: return dix_noms(données.valeurs_critère0);
    case 4: return {QStringLiteral("enfants"), QStringLiteral("adultes"), QStringLiteral("autres sels")};
    case 6: return dix_noms(données.valeurs_qualité);
    case 8: return dix_noms(données.valeurs_critère1);
    case 10: return dix_noms(données.valeurs_critère2);
    default: return {};
    }
}

QStringList liste_arrivée(const QStringList& départ, int position)
{
    if (position < 0 || position >= départ.size())
        return {};
    return départ.mid(position);
}

QString libellé_clef(int k)
{
    switch (k) {
    case 0: return QStringLiteral("sexe");
    case 1: return données.titre_critère0;
    case 2: return QStringLiteral("Adultes/enf/sels");
    case 3: return QStringLiteral("Qualité");
    case 4: return données.titre_critère1;
    case 5: return données.titre_critère2;
    case 6: return QStringLiteral("Date adh");
    case 7: return QStringLiteral("date cot");
    case 8: return QStringLiteral("Solde");
    case 9: return QStringLiteral("Volume annuel");
    default: return {};
    }
}

QString date_départ_défaut() { return QStringLiteral("00:00:00"); }
QString date_fin_défaut() { return date_courte(date_depuis(aujourdhui())); }

void choisit_départ(filtre_adhérents& f, int index, int position)
{
    const int n = taille_liste(index);
    if (index % 2 != 0 || n == 0)
        return;
    const bool dans_liste = position >= 0 && position < n;
    f.positions[static_cast<std::size_t>(index)] = static_cast<int16>(dans_liste ? position : -1);
    f.positions[static_cast<std::size_t>(index + 1)] = static_cast<int16>(dans_liste ? n - position - 1 : -1);
}

void éteint_clefs_listes(filtre_adhérents& f)
{
    for (int k = 0; k <= 5; ++k)
        f.clefs_filtre[static_cast<std::size_t>(k)] = 0;
}

void bascule_clef(filtre_adhérents& f, int k)
{
    if (k < 0 || k >= nombre_clefs_filtre)
        return;
    int16& clef = f.clefs_filtre[static_cast<std::size_t>(k)];
    clef = clef == clef_active ? int16(0) : clef_active;
    if (clef != clef_active)
        return;
    if (k <= 5)
        choisit_départ(f, 2 * k, 0);
    else if (k == clef_date_adh) {
        f.ctt_date_adh_dep = date_départ_défaut();
        f.ctt_date_adh_fin = date_fin_défaut();
    } else if (k == clef_date_cot) {
        f.ctt_date_cot_dep = date_départ_défaut();
        f.ctt_date_cot_fin = date_fin_défaut();
    } else if (k == clef_solde) {
        f.ctt_solde_min = QStringLiteral("0");
        f.ctt_solde_max = QStringLiteral("1000000");
    } else {
        f.ctt_volume_min = QStringLiteral("0");
        f.ctt_volume_max = QStringLiteral("1000000");
    }
}

// ---------------------------------------------------------------- the test

bool teste_filtre_adhérent(int numéro, const filtre_adhérents& f)
{
    if (numéro < 1 || numéro > max_adhérents)
        return false;
    return filtre_lu(f).passe(données.table_adhérents[static_cast<std::size_t>(numéro)]);
}

std::vector<int> adhérents_filtrés(const filtre_adhérents& f)
{
    std::vector<int> r;
    pour_chaque_candidat(f, [&](int n, const adhérent&) { r.push_back(n); });
    return r;
}

std::vector<entrée_filtrée> entrées_filtrées(const filtre_adhérents& f)
{
    std::vector<entrée_filtrée> r;
    pour_chaque_candidat(f, [&](int n, const adhérent& a) { r.push_back({a.identifiant.str(), n}); });
    return r;
}

bool est_date(const QString& texte)
{
    double d = 0;
    if (lit_date(texte, d))
        return true;
    MsgBox(texte + QStringLiteral(" n'est pas une date correcte. (jj/mm/aaaa ou 00:00:00)"), style_boîte::critique);
    return false;
}

bool dates_actives_valides(const filtre_adhérents& f)
{
    const std::pair<int, const QString*> bornes[] = {{clef_date_adh, &f.ctt_date_adh_dep},
                                                     {clef_date_adh, &f.ctt_date_adh_fin},
                                                     {clef_date_cot, &f.ctt_date_cot_dep},
                                                     {clef_date_cot, &f.ctt_date_cot_fin}};
    for (const auto& [clef, texte] : bornes)
        if (f.active(clef) && !est_date(*texte))
            return false;
    return true;
}

bool nom_de_sélection_valide(const QString& chemin)
{
    QString nom = QFileInfo(chemin).fileName();
    if (nom.endsWith(QStringLiteral(".eta"), Qt::CaseInsensitive))
        nom.chop(4);
    if (!nom.contains(QLatin1Char('.')) && !nom.isEmpty())
        return true;
    MsgBox(QStringLiteral("Le nom « %1 » ne convient pas à un fichier de filtres : il ne doit pas contenir de point. "
                          "Choisissez un autre nom.")
               .arg(nom),
           style_boîte::information);
    return false;
}

// ---------------------------------------------------------------- saved selections

QByteArray texte_fichier_état(const filtre_adhérents& f)
{
    écrivain_éléments é(256);
    for (int k = 0; k < nombre_clefs_filtre; ++k)
        é.entier(f.clefs_filtre[static_cast<std::size_t>(k)]);
    for (const int16 p : f.positions)
        é.entier(p);
    for (const QString* t : {&f.ctt_date_cot_dep, &f.ctt_date_cot_fin, &f.ctt_date_adh_dep, &f.ctt_date_adh_fin,
                             &f.ctt_solde_min, &f.ctt_solde_max, &f.ctt_volume_min, &f.ctt_volume_max})
        é.texte(*t);
    return é.octets();
}

bool lit_fichier_état(const QByteArray& octets, filtre_adhérents& f, QString& erreur)
{
    filtre_adhérents lu;
    try {
        lecteur_éléments l(octets);
        for (int k = 0; k < nombre_clefs_filtre; ++k)
            lu.clefs_filtre[static_cast<std::size_t>(k)] = l.entier();
        for (int16& p : lu.positions)
            p = l.entier();
        for (QString* t : {&lu.ctt_date_cot_dep, &lu.ctt_date_cot_fin, &lu.ctt_date_adh_dep, &lu.ctt_date_adh_fin,
                           &lu.ctt_solde_min, &lu.ctt_solde_max, &lu.ctt_volume_min, &lu.ctt_volume_max})
            *t = l.texte();
    } catch (const erreur_lecture& e) {
        erreur = e.description;
        return false;
    }

    // Line numbers of the file: flags on lines 1-10, positions on 11-22.
    for (int k = 0; k < nombre_clefs_filtre; ++k) {
        const int16 c = lu.clefs_filtre[static_cast<std::size_t>(k)];
        if (c != 0 && c != clef_active) {
            erreur = QStringLiteral("Ligne %1 : 0 ou -1 attendu, « %2 » trouvé").arg(k + 1).arg(c);
            return false;
        }
    }
    for (int k = 0; k <= 10; k += 2) {
        const int départ = lu.positions[static_cast<std::size_t>(k)];
        const int arrivée = lu.positions[static_cast<std::size_t>(k + 1)];
        const int n = taille_liste(k);
        if (départ < -1 || départ >= n) {
            erreur = QStringLiteral("Ligne %1 : la position %2 est hors de la liste").arg(11 + k).arg(départ);
            return false;
        }
        const int n_arrivée = départ < 0 ? 0 : n - départ;
        if (arrivée < -1 || arrivée >= n_arrivée) {
            erreur = QStringLiteral("Ligne %1 : la position %2 est hors de la liste").arg(12 + k).arg(arrivée);
            return false;
        }
        const int clef = k / 2;
        if (lu.active(clef) && (départ < 0 || (clef > 0 && arrivée < 0))) {
            erreur = QStringLiteral("Ligne %1 : la clef %2 est active sans valeur choisie").arg(clef + 1).arg(clef);
            return false;
        }
    }
    struct date_lue {
        int clef, ligne;
        const QString* texte;
    };
    for (const date_lue& d : {date_lue{clef_date_cot, 23, &lu.ctt_date_cot_dep},
                              date_lue{clef_date_cot, 24, &lu.ctt_date_cot_fin},
                              date_lue{clef_date_adh, 25, &lu.ctt_date_adh_dep},
                              date_lue{clef_date_adh, 26, &lu.ctt_date_adh_fin}}) {
        double v = 0;
        if (lu.active(d.clef) && !lit_date(*d.texte, v)) {
            erreur = QStringLiteral("Ligne %1 : « %2 » n'est pas une date").arg(d.ligne).arg(*d.texte);
            return false;
        }
    }
    f = lu;
    return true;
}

QString message_fichier_filtres(const QString& erreur, const QString& chemin)
{
    return erreur + QStringLiteral(" dans la lecture du fichier de filtres ") + QDir::toNativeSeparators(chemin) +
           QStringLiteral(". Le tri ne peut pas être réalisé.");
}

bool enregistre_etat(const QString& chemin, const filtre_adhérents& f)
{
    QString erreur;
    if (écrit_fichier_sûr(chemin, texte_fichier_état(f), erreur))
        return true;
    MsgBox(message_fichier_filtres(erreur, chemin));
    return false;
}

bool lit_etat(const QString& chemin, filtre_adhérents& f)
{
    QString erreur;
    const auto octets = lit_fichier(chemin, erreur);
    if (octets && lit_fichier_état(*octets, f, erreur))
        return true;
    MsgBox(message_fichier_filtres(erreur, chemin));
    return false;
}
