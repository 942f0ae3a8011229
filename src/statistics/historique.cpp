#include "statistics/historique.h"

#include "data/cp1252.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichiers.h"
#include "data/modele.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int largeur_libellé = 13;

const QString suite_écriture = QStringLiteral(
    ". L'erreur s'est produite dans l'enregistrement des données pour les statistiques d'évolution. "
    "Ces dernières seront incomplètes.");

void pose16(char* p, int16 v) { qToLittleEndian<qint16>(v, p); }
int16 prend16(const char* p) { return qFromLittleEndian<qint16>(p); }

// The amount to the nearest whole unit, halves to the even neighbour, in
// integers so that no amount is ever approximated.
std::int64_t unités_arrondies(std::int64_t brut)
{
    std::int64_t q = brut / 10000, r = brut % 10000;
    if (r < 0) {
        r += 10000;
        --q;
    }
    if (r > 5000 || (r == 5000 && (q & 1)))
        ++q;
    return q;
}

// Lines that count as exchanges of a quarter: debits of member accounts.
template <class F>
void pour_chaque_échange(double depuis, F&& f)
{
    for (int i = 1; i <= données.nombre_lignes_compte && i <= max_lignes_compte; ++i) {
        const ligne_de_compte& l = données.table_lignes_compte[i];
        if (l.dte_enr > depuis && l.compte < premier_compte_asso && Val(l.sens) == 1)
            f(l);
    }
}

// A count or a total goes into its field only when the field holds it.
template <class T>
bool dans_le_champ(std::int64_t valeur, T& champ)
{
    if (valeur < std::numeric_limits<T>::min() || valeur > std::numeric_limits<T>::max())
        return false;
    champ = static_cast<T>(valeur);
    return true;
}

// The whole records of the file; a tail shorter than a record is no record
// (a snapshot writes its record over it).
qsizetype trimestres_entiers(const QByteArray& octets) { return octets.size() / taille_stat_trimestre; }

// A moment a snapshot can have been taken at: a real date, not later than
// now. Anything else (damaged bytes, a clock once set ahead) would make the
// lines since then none at all.
bool moment_possible(double moment) { return std::isfinite(moment) && moment > 0 && moment <= maintenant(); }

// A label of a quarter later than today's: written under a clock once set
// ahead. The quarter of today would stand after it.
bool trimestre_à_venir(const QString& libellé)
{
    static const QRegularExpression forme(QStringLiteral("^ ([0-9]{1,4})- ([1-4])°trim"));
    const QRegularExpressionMatch m = forme.match(libellé);
    if (!m.hasMatch())
        return false;
    const QDate jour = aujourdhui();
    const int stocké = m.captured(1).toInt() * 4 + m.captured(2).toInt() - 1;
    return stocké > jour.year() * 4 + (jour.month() - 1) / 3;
}

QString enregistrement_endommagé(qsizetype numéro)
{
    return QStringLiteral("L'enregistrement n° %1 du fichier %2 est endommagé")
        .arg(numéro)
        .arg(QLatin1String(nom_fichier_évolution));
}

}  // namespace

QByteArray encode_trimestre(const stat_trimestre& s)
{
    QByteArray o(taille_stat_trimestre, '\0');
    char* p = o.data();
    const QByteArray libellé = vers_cp1252(à_largeur(s.trimestre, largeur_libellé));
    std::memcpy(p, libellé.constData(), largeur_libellé);
    const int16 comptes[] = {s.nbr_adhérents, s.nbr_enfants, s.nbr_adultes, s.nbr_masc,
                             s.nbr_fem,       s.nbr_offres,  s.nbr_demandes};
    int position = 13;
    for (const int16 c : comptes) {
        pose16(p + position, c);
        position += 2;
    }
    for (const int16 c : s.nbr_par_genre) {
        pose16(p + position, c);
        position += 2;
    }
    pose16(p + 37, s.nbr_opérations);
    qToLittleEndian<qint32>(s.volume, p + 39);
    quint64 bits;
    static_assert(sizeof bits == sizeof s.date_relevé);
    std::memcpy(&bits, &s.date_relevé, sizeof bits);
    qToLittleEndian<quint64>(bits, p + 43);
    return o;
}

stat_trimestre décode_trimestre(const char* p)
{
    stat_trimestre s;
    s.trimestre = depuis_cp1252(p, largeur_libellé);
    int16* comptes[] = {&s.nbr_adhérents, &s.nbr_enfants, &s.nbr_adultes, &s.nbr_masc,
                        &s.nbr_fem,       &s.nbr_offres,  &s.nbr_demandes};
    int position = 13;
    for (int16* c : comptes) {
        *c = prend16(p + position);
        position += 2;
    }
    for (int16& c : s.nbr_par_genre) {
        c = prend16(p + position);
        position += 2;
    }
    s.nbr_opérations = prend16(p + 37);
    s.volume = qFromLittleEndian<qint32>(p + 39);
    const quint64 bits = qFromLittleEndian<quint64>(p + 43);
    std::memcpy(&s.date_relevé, &bits, sizeof bits);
    return s;
}

bool trimestre_intact(const stat_trimestre& s)
{
    static const QRegularExpression libellé(QStringLiteral("^ [0-9]{1,4}- [1-4]°trim *$"));
    if (s.trimestre.size() != largeur_libellé ||
        !(libellé.match(s.trimestre).hasMatch() || s.trimestre == QString(largeur_libellé, QLatin1Char(' '))))
        return false;
    const int16 comptes[] = {s.nbr_adhérents, s.nbr_enfants, s.nbr_adultes, s.nbr_masc, s.nbr_fem,
                             s.nbr_offres,    s.nbr_demandes, s.nbr_opérations};
    auto positif = [](int16 c) { return c >= 0; };
    // A volume is a sum of debits.
    return s.volume >= 0 && std::all_of(std::begin(comptes), std::end(comptes), positif) &&
           std::all_of(s.nbr_par_genre.begin(), s.nbr_par_genre.end(), positif);
}

QString chemin_évolution() { return chemin_programme(QLatin1String(nom_fichier_évolution)); }

QString libellé_trimestre()
{
    const QDate jour = aujourdhui();
    const int trimestre = (jour.month() - 1) / 3 + 1;
    return QStringLiteral(" %1- %2°trim").arg(jour.year()).arg(trimestre);
}

std::int64_t nombre_échanges_date(double depuis)
{
    std::int64_t n = 0;
    pour_chaque_échange(depuis, [&](const ligne_de_compte&) { ++n; });
    return n;
}

std::int64_t volume_échanges_date(double depuis)
{
    // The running total is rounded at each line, not each amount alone.
    std::int64_t total = 0;
    pour_chaque_échange(depuis,
                        [&](const ligne_de_compte& l) { total = unités_arrondies(total * 10000 + l.montant.brut); });
    return total;
}

void enregistre_évolution()
{
    const QString libellé = libellé_trimestre();
    // Another data file or an archive: its figures are not the association's
    // current ones. A program folder that refuses writing keeps no history.
    if (sans_enregistrement || !mêmes_chemins(fichier_courant, fichier_données_défaut()))
        return;

    const QString chemin = chemin_évolution();
    QByteArray octets;
    if (QFileInfo::exists(chemin)) {
        QString erreur;
        const std::optional<QByteArray> lu = lit_fichier(chemin, erreur);
        if (!lu) {
            MsgBox(erreur + suite_écriture, style_boîte::ok);
            return;
        }
        octets = *lu;
    }

    // The quarter's record is rewritten, or a new one follows the last whole
    // one. A file without a whole record is no history yet.
    const qsizetype n = trimestres_entiers(octets);
    qsizetype cible = n + 1;
    std::int64_t base_opérations = 0;
    std::int64_t base_volume = 0;
    double moment_précédent = date_depuis(aujourdhui().addDays(-1));
    // A damaged last record is kept as it is and gives nothing to go on.
    const stat_trimestre dernier =
        n > 0 ? décode_trimestre(octets.constData() + (n - 1) * taille_stat_trimestre) : stat_trimestre{};
    if (n > 0 && (!trimestre_intact(dernier) || trimestre_à_venir(dernier.trimestre))) {
        MsgBox(enregistrement_endommagé(n) + QStringLiteral(" : le trimestre en cours est enregistré à sa suite") +
                   suite_écriture,
               style_boîte::ok);
    } else if (n > 0) {
        if (moment_possible(dernier.date_relevé))
            moment_précédent = dernier.date_relevé;
        if (dernier.trimestre == à_largeur(libellé, largeur_libellé)) {
            cible = n;
            base_opérations = dernier.nbr_opérations;
            base_volume = dernier.volume;
        }
    }
    // The stored figures are carried on past a wrap of their counters.
    if (base_opérations > 10000)
        base_opérations -= 10000;
    if (base_volume > 1000000000)
        base_volume -= 1000000000;

    struct {
        std::int64_t adhérents = 0, enfants = 0, adultes = 0, masc = 0, fem = 0, offres = 0, demandes = 0;
        std::array<std::int64_t, 5> par_genre{};
    } comptes;
    pour_chaque_adhérent(données, [&](int, const adhérent& a) {
        if (a.additif >= 2)
            return;
        ++comptes.adhérents;
        if (a.catégorie == 0)
            ++comptes.enfants;
        else if (a.catégorie == 1)
            ++comptes.adultes;
        if (a.sexe == 0)
            ++comptes.masc;
        else if (a.sexe == 1)
            ++comptes.fem;
    });
    pour_chaque_proposition(données, [&](int, const proposition& p) {
        if (p.additif >= 2)
            return;
        if (p.type == 1)
            ++comptes.offres;
        else if (p.type == 2)
            ++comptes.demandes;
        if (p.genre >= 0 && p.genre < 5)
            ++comptes.par_genre[static_cast<std::size_t>(p.genre)];
    });

    stat_trimestre s;
    s.trimestre = à_largeur(libellé, largeur_libellé);
    s.date_relevé = maintenant();
    bool tient = dans_le_champ(comptes.adhérents, s.nbr_adhérents) && dans_le_champ(comptes.enfants, s.nbr_enfants) &&
                 dans_le_champ(comptes.adultes, s.nbr_adultes) && dans_le_champ(comptes.masc, s.nbr_masc) && dans_le_champ(comptes.fem, s.nbr_fem) &&
                 dans_le_champ(comptes.offres, s.nbr_offres) && dans_le_champ(comptes.demandes, s.nbr_demandes);
    for (std::size_t g = 0; g < 5; ++g)
        tient = tient && dans_le_champ(comptes.par_genre[g], s.nbr_par_genre[g]);
    tient = tient && dans_le_champ(nombre_échanges_date(moment_précédent) + base_opérations, s.nbr_opérations) &&
            dans_le_champ(volume_échanges_date(moment_précédent) + base_volume, s.volume);
    if (!tient) {
        MsgBox(QStringLiteral("Dépassement de capacité") + suite_écriture, style_boîte::ok);
        return;
    }

    QByteArray nouveau = octets.left((cible - 1) * taille_stat_trimestre);
    nouveau += encode_trimestre(s);
    QString erreur;
    if (!écrit_fichier_sûr(chemin, nouveau, erreur))
        MsgBox(erreur + suite_écriture, style_boîte::ok);
}

historique_lu lit_historique()
{
    historique_lu h;
    const QString chemin = chemin_évolution();
    if (!QFileInfo::exists(chemin))
        return h;
    QString erreur;
    const std::optional<QByteArray> octets = lit_fichier(chemin, erreur);
    if (!octets) {
        h.erreur = erreur;
        return h;
    }
    const qsizetype n = trimestres_entiers(*octets);
    h.trimestres.reserve(static_cast<std::size_t>(n));
    qsizetype premier_endommagé = 0, endommagés = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const stat_trimestre s = décode_trimestre(octets->constData() + i * taille_stat_trimestre);
        if (trimestre_intact(s))
            h.trimestres.push_back(s);
        else if (endommagés++ == 0)
            premier_endommagé = i + 1;
    }
    if (endommagés == 1)
        h.erreur = enregistrement_endommagé(premier_endommagé) + QStringLiteral(" : il n'est pas montré");
    else if (endommagés > 1)
        h.erreur = QStringLiteral("%1 enregistrements du fichier %2 sont endommagés, le premier au n° %3 : ils ne "
                                  "sont pas montrés")
                       .arg(endommagés)
                       .arg(QLatin1String(nom_fichier_évolution))
                       .arg(premier_endommagé);
    return h;
}
