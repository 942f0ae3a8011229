#include "data/fichier_donnees.h"

#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichiers.h"
#include "data/soldes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

namespace {

// The layout of the data file is written once, here, and walked by a writer
// or a reader. A writer receives const values; a reader fills them.
struct écriture {
    // A small association's file, grown as a larger one needs: a full
    // association's 3.6 MB would otherwise be taken for every file.
    écrivain_éléments é{64 * 1024};
    void entier(int16 v) { é.entier(v); }
    void simple(float v) { é.simple(v); }
    void double_(double v) { é.double_(v); }
    void montant(monnaie v) { é.montant(v); }
    void texte(const QString& v) { é.texte(v); }
    void date(double v) { é.date(v); }
    void booléen(bool v) { é.booléen(v); }
    void variante_(const variante& v) { é.variante_(v); }
    void constante(int v) { é.entier(v); }
    // Counts and indexes in memory are within their bounds; anything else
    // would write a file that cannot be read back.
    void borne(int16 v, int max, const char* quoi)
    {
        if (v < 0 || v > max)
            throw std::out_of_range(quoi);
        é.entier(v);
    }
    // A list entry's number, and the record it names.
    template <typename T>
    const T& fiche(const std::vector<T>& table, int i, int max, std::span<int> vus, T&, const char* quoi)
    {
        const int16 v = table[static_cast<std::size_t>(i)].ordre;
        if (v < 1 || v > max || vus[v])
            throw std::out_of_range(quoi);
        vus[v] = 1;
        é.entier(v);
        return table[static_cast<std::size_t>(v)];
    }
    template <typename T>
    void fin_de_fiche(const std::vector<T>&, int, const T&)
    {
    }
    template <typename T>
    void ôte_places_réservées(const std::vector<T>&, int16)
    {
    }
    bool fin() const { return false; }
    void fin_du_fichier() {}
};

struct lecture {
    lecteur_éléments l;
    void entier(int16& v) { v = l.entier(); }
    void simple(float& v) { v = l.simple(); }
    void double_(double& v) { v = l.double_(); }
    void montant(monnaie& v) { v = l.montant(); }
    void texte(QString& v) { v = l.texte(); }
    template <int N>
    void texte(texte_fixe<N>& v) { l.texte(v); }
    void date(double& v) { v = l.date(); }
    void booléen(bool& v) { v = l.booléen(); }
    void variante_(variante& v) { v = l.variante_(); }
    void constante(int) { l.saute(); }
    void borne(int16& v, int max, const char* quoi) { lit_entre(v, 0, max, quoi); }
    // A record's number, which one entry only may name: a second one would
    // read over the first record, which the next save would lose. A former
    // version saved while a new record was being typed: the list then held
    // a last place reserved for it, naming 0 or the number it named before,
    // and the file that record 0, blank, or a second copy of the record
    // named. Such a place holds nothing of its own and is left out; any other
    // entry naming 0 (a name left blank over a balance or an address) or a
    // number already named is damage. The record of an entry that may be
    // such a place is read aside and judged at its end.
    struct place_en_doute {
        int ligne = 0, déjà = 0;
        int16 numéro = 0;
        const char* quoi = nullptr;
    };
    std::optional<place_en_doute> en_doute;
    std::vector<int> places_réservées;
    template <typename T>
    T& fiche(std::vector<T>& table, int i, int max, std::span<int> vus, T& à_part, const char* quoi)
    {
        int16& v = table[static_cast<std::size_t>(i)].ordre;
        const int ligne = lit_entre(v, 0, max, quoi);
        if (v != 0 && !vus[v]) {
            vus[v] = ligne;
            return table[static_cast<std::size_t>(v)];
        }
        en_doute = place_en_doute{ligne, vus[v], v, quoi};
        à_part = T{};
        return à_part;
    }
    template <typename T>
    void fin_de_fiche(const std::vector<T>& table, int i, T& à_part)
    {
        if (!en_doute)
            return;
        const place_en_doute p = *std::exchange(en_doute, std::nullopt);
        if (p.numéro == 0) {
            if (!(à_part == T{}))
                throw erreur_lecture{QStringLiteral("Ligne %1 : %2 hors limites (0 au lieu de 1 à %3)")
                                         .arg(p.ligne)
                                         .arg(QString::fromUtf8(p.quoi))
                                         .arg(static_cast<int>(table.size()) - 1)};
        } else {
            const T& premier = table[static_cast<std::size_t>(p.numéro)];
            à_part.ordre = premier.ordre;
            if (!(à_part == premier))
                throw erreur_lecture{QStringLiteral("Ligne %1 : %2 %3 en double (déjà ligne %4)")
                                         .arg(p.ligne)
                                         .arg(QString::fromUtf8(p.quoi))
                                         .arg(p.numéro)
                                         .arg(p.déjà)};
        }
        places_réservées.push_back(i);
    }
    template <typename T>
    void ôte_places_réservées(std::vector<T>& table, int16& nombre)
    {
        if (places_réservées.empty())
            return;
        int gardées = 0;
        auto réservée = places_réservées.begin();
        for (int i = 1; i <= nombre; ++i) {
            if (réservée != places_réservées.end() && *réservée == i) {
                ++réservée;
                continue;
            }
            table[static_cast<std::size_t>(++gardées)].ordre = table[static_cast<std::size_t>(i)].ordre;
        }
        nombre = static_cast<int16>(gardées);
        places_réservées.clear();
    }
    int lit_entre(int16& v, int min, int max, const char* quoi)
    {
        const int ligne = l.ligne();
        v = l.entier();
        if (v < min || v > max)
            throw erreur_lecture{QStringLiteral("Ligne %1 : %2 hors limites (%3 au lieu de %4 à %5)")
                                     .arg(ligne)
                                     .arg(QString::fromUtf8(quoi))
                                     .arg(v)
                                     .arg(min)
                                     .arg(max)};
        return ligne;
    }
    bool fin() const { return l.fin(); }
    // Whatever follows the last item is damage, like any other.
    void fin_du_fichier()
    {
        if (!l.fin())
            throw erreur_lecture{
                QStringLiteral("Ligne %1 : le fichier continue après son dernier élément").arg(l.ligne())};
    }
};

template <typename F, typename D>
void parcours(F& f, D& d, int étapes_finales)
{
    // 1 header
    f.entier(d.utilise_monnaie_locale);
    f.date(d.date_archivage);
    f.texte(d.type_fichier);
    f.constante(1);
    f.double_(d.réservé_double);
    f.booléen(d.réservé_booléen);

    // 2 members
    f.borne(d.nombre_adhérents, max_adhérents, "nombre d'adhérents");
    // On the stack: an allocation of this size would have the allocator
    // gather every small block the former model freed, at each load.
    std::array<int, max_adhérents + 1> adhérents_vus{};
    adhérent adhérent_à_part;
    for (int i = 1; i <= d.nombre_adhérents; ++i) {
        auto& a = f.fiche(d.table_adhérents, i, max_adhérents, adhérents_vus, adhérent_à_part, "numéro d'adhérent");
        f.date(a.dte_enr);
        f.texte(a.identifiant);
        f.texte(a.tel1);
        f.texte(a.tel2);
        f.entier(a.civilité);
        f.texte(a.rue);
        f.texte(a.cp);
        f.texte(a.ville);
        f.texte(a.réservé);
        f.entier(a.additif);
        f.texte(a.nom_adresse);
        f.texte(a.e_mail);
        f.texte(a.photo);
        f.date(a.date_adhésion);
        f.date(a.date_cotisation);
        f.entier(a.sexe);
        f.entier(a.critère0);
        f.entier(a.qualité);
        f.entier(a.critère1);
        f.entier(a.critère2);
        f.texte(a.commentaire);
        f.montant(a.der_solde);
        f.entier(a.débits);
        f.entier(a.crédits);
        f.montant(a.volume);
        f.date(a.d_naiss);
        f.entier(a.catégorie);
        f.fin_de_fiche(d.table_adhérents, i, adhérent_à_part);
    }
    f.ôte_places_réservées(d.table_adhérents, d.nombre_adhérents);

    // 3 classification
    f.borne(d.nombre_codes_classification, max_codes_classification, "nombre de codes de classification");
    for (int i = 1; i <= d.nombre_codes_classification; ++i) {
        f.borne(d.codes_classification[i], max_noms_rubriques, "code de rubrique");
        f.texte(d.noms_rubriques[d.codes_classification[i]]);
    }

    // 4 layout and texts
    f.simple(d.x_numéro);
    f.simple(d.x_symbole);
    f.simple(d.x_texte);
    f.simple(d.x_identifiant);
    f.simple(d.réservé_simple);
    f.texte(d.mode_grille);
    f.entier(d.type_catalogue);
    f.texte(d.symbole_enfant);
    f.texte(d.symbole_adulte);
    f.texte(d.abréviation_monnaie);
    f.texte(d.entête);
    f.texte(d.fichier_logo);

    // 5 catalogue styles and options
    for (int k = 0; k <= 1; ++k) {
        f.texte(d.police_offres[k]);
        f.texte(d.police_demandes[k]);
        f.simple(d.taille_offres[k]);
        f.simple(d.taille_demandes[k]);
        f.booléen(d.italique_offres[k]);
        f.booléen(d.gras_offres[k]);
        f.booléen(d.italique_demandes[k]);
        f.booléen(d.gras_demandes[k]);
        f.texte(d.police_sous_rubriques[k]);
        f.simple(d.taille_sous_rubriques[k]);
        f.booléen(d.italique_sous_rubriques[k]);
        f.booléen(d.gras_sous_rubriques[k]);
        f.texte(d.police_rubriques[k]);
        f.simple(d.taille_rubriques[k]);
        f.booléen(d.italique_rubriques[k]);
        f.booléen(d.gras_rubriques[k]);
        f.simple(d.taille_sommaire[k]);
        f.texte(d.police_sommaire[k]);
        f.booléen(d.gras_sommaire[k]);
        f.booléen(d.italique_sommaire[k]);
        f.entier(d.cat_qui[k]);
        f.entier(d.cat_rubriques_images[k]);
        f.entier(d.cat_sommaire[k]);
        f.entier(d.cat_liste_adhérents[k]);
        f.entier(d.cat_code[k]);
        f.entier(d.cat_sous_rubriques[k]);
        f.entier(d.cat_format[k]);
        f.entier(d.cat_numéro[k]);
        f.texte(d.cat_date[k]);
    }

    // 6 section images (one more than the number of sections)
    f.borne(d.nombre_rubriques, max_rubriques, "nombre de rubriques");
    for (int i = 0; i <= d.nombre_rubriques; ++i)
        f.texte(d.images_rubriques[i]);

    // 7 genres
    f.texte(d.dossier_images);
    for (int g = 0; g <= 4; ++g) {
        f.texte(d.noms_genres[g]);
        f.texte(d.symboles_genres[g]);
    }

    // 8 categories
    for (int c = 0; c <= 2; ++c) {
        f.variante_(d.catégories_public[c]);
        f.variante_(d.symboles_catégories[c]);
    }

    // 9 criteria
    for (int v = 0; v <= 9; ++v) {
        f.texte(d.valeurs_critère0[v]);
        f.texte(d.valeurs_critère1[v]);
        f.texte(d.valeurs_critère2[v]);
        f.texte(d.valeurs_qualité[v]);
    }
    f.texte(d.titre_critère0);
    f.texte(d.titre_critère1);
    f.texte(d.titre_critère2);

    // 10 starting balance
    f.montant(d.solde_départ);

    // 11 association accounts
    for (auto& c : d.comptes_asso) {
        f.texte(c.nom);
        f.entier(c.réservé2);
        f.montant(c.solde);
        f.entier(c.réservé1);
        f.entier(c.débits);
        f.entier(c.crédits);
        f.montant(c.volume);
    }

    // 12 account lines
    f.borne(d.nombre_lignes_compte, max_lignes_compte, "nombre de lignes de compte");
    for (int i = 1; i <= d.nombre_lignes_compte; ++i) {
        auto& l = d.table_lignes_compte[i];
        f.texte(l.adu);
        f.entier(l.partenaire);
        f.entier(l.ligne_cat);
        f.date(l.dte_enr);
        f.date(l.dte_opé);
        f.texte(l.description);
        f.entier(l.réservé2);
        f.entier(l.genre);
        f.texte(l.enf);
        f.entier(l.réservé1);
        f.montant(l.montant);
        f.montant(l.solde);
        f.entier(l.code_rub);
        f.entier(l.compte);
        f.texte(l.sens);
    }

    // 13 accounting settings
    f.montant(d.taux_prélèvement);
    f.entier(d.compte_prélèvement);
    f.montant(d.solde_mini_prélèvement);
    f.montant(d.montant_mini_prélèvement);
    f.montant(d.montant_maxi_prélèvement);
    f.entier(d.sans_prélèvement);
    f.booléen(d.numérotation_suivante);
    f.texte(d.nom_monnaie);

    // 14 propositions
    f.borne(d.nombre_propositions, max_propositions, "nombre de propositions");
    std::array<int, max_propositions + 1> propositions_vues{};
    proposition proposition_à_part;
    for (int i = 1; i <= d.nombre_propositions; ++i) {
        auto& p = f.fiche(d.table_propositions, i, max_propositions, propositions_vues, proposition_à_part,
                          "numéro de proposition");
        f.date(p.date);
        f.entier(p.type);
        f.entier(p.genre);
        f.texte(p.désignation);
        f.texte(p.identifiant);
        f.entier(p.additif);
        f.entier(p.code_rubrique);
        f.texte(p.kid);
        f.texte(p.adulte);
        f.entier(p.num_adh);
        f.fin_de_fiche(d.table_propositions, i, proposition_à_part);
    }
    f.ôte_places_réservées(d.table_propositions, d.nombre_propositions);

    // 15 trailer: each step only while the file has more
    if (étapes_finales < 1 || f.fin())
        return;
    f.entier(d.cat_classement[0]);
    f.entier(d.cat_classement[1]);
    if (étapes_finales < 2 || f.fin())
        return;
    f.entier(d.cat_niveau_rubrique[0]);
    f.entier(d.cat_niveau_rubrique[1]);
    if (étapes_finales < 3 || f.fin())
        return;
    f.entier(d.cat_nouveaux_adhérents[0]);
    f.entier(d.cat_nouveaux_adhérents[1]);
    if (étapes_finales < 4 || f.fin())
        return;
    f.entier(d.cat_écrire_offre[0]);
    f.entier(d.cat_écrire_offre[1]);
    f.entier(d.cat_num_adh[0]);
    f.entier(d.cat_num_adh[1]);
    f.variante_(d.cat_sans_sauts[0]);
    f.variante_(d.cat_sans_sauts[1]);
    if (étapes_finales < 5 || f.fin())
        return;
    f.entier(d.compte_asso_débité);
    f.fin_du_fichier();
}

}  // namespace

QByteArray écrit_données(const données_sel& d)
{
    écriture f;
    parcours(f, d, 5);
    return f.é.octets();
}

void lit_données(const QByteArray& octets, données_sel& d, int étapes_finales)
{
    lecture f{lecteur_éléments(octets)};
    parcours(f, d, étapes_finales);
}

namespace {

// A model's three big tables set aside while it lives (the model keeps
// empty ones), then put back.
struct tables_à_part {
    données_sel& d;
    std::vector<adhérent> adhérents;
    std::vector<proposition> propositions;
    std::vector<ligne_de_compte> lignes;
    explicit tables_à_part(données_sel& m) : d(m)
    {
        adhérents.swap(d.table_adhérents);
        propositions.swap(d.table_propositions);
        lignes.swap(d.table_lignes_compte);
    }
    ~tables_à_part()
    {
        adhérents.swap(d.table_adhérents);
        propositions.swap(d.table_propositions);
        lignes.swap(d.table_lignes_compte);
    }
    tables_à_part(const tables_à_part&) = delete;
    tables_à_part& operator=(const tables_à_part&) = delete;
};

// The records of a numbered table that the file read into n did not name
// take their former values, and so do the list positions past its count:
// as if the file had been read over a copy of the former table.
template <typename T, std::size_t N>
void complète_table(const std::vector<T>& ancienne, std::vector<T>& table, int nombre)
{
    std::bitset<N> nommés;
    for (int i = 1; i <= nombre; ++i)
        nommés.set(static_cast<std::size_t>(table[i].ordre));
    for (std::size_t k = 0; k < N; ++k) {
        const bool position_lue = k >= 1 && k <= static_cast<std::size_t>(nombre);
        if (!nommés[k]) {
            const int16 ordre = table[k].ordre;
            table[k] = ancienne[k];
            if (position_lue)
                table[k].ordre = ordre;
        } else if (!position_lue) {
            table[k].ordre = ancienne[k].ordre;
        }
    }
}

void complète_tables(const tables_à_part& ancien, données_sel& n)
{
    complète_table<adhérent, max_adhérents + 1>(ancien.adhérents, n.table_adhérents, n.nombre_adhérents);
    complète_table<proposition, max_propositions + 1>(ancien.propositions, n.table_propositions,
                                                      n.nombre_propositions);
    for (int k = 0; k <= max_lignes_compte; ++k)
        if (k < 1 || k > n.nombre_lignes_compte)
            n.table_lignes_compte[k] = ancien.lignes[k];
}

}  // namespace

std::unique_ptr<données_sel> lit_données_après(const QByteArray& octets, données_sel& ancien, int étapes_finales)
{
    // The tables (some 120 000 texts) start blank rather than as a copy of
    // the former ones: a copy would touch each former text twice, once to
    // share it and once to let it go as the file's value replaces it.
    const tables_à_part tables(ancien);
    auto n = std::make_unique<données_sel>(ancien);
    n->table_adhérents.resize(max_adhérents + 1);
    n->table_propositions.resize(max_propositions + 1);
    n->table_lignes_compte.resize(max_lignes_compte + 1);
    lit_données(octets, *n, étapes_finales);
    complète_tables(tables, *n);
    return n;
}

namespace {

// The model a load replaces is freed by a thread of its own while the
// program goes on; the next load, and the program's end, wait for it.
class corbeille {
public:
    void jette(std::unique_ptr<données_sel> d)
    {
        attend();
        fil_ = std::jthread([d = std::move(d)]() mutable { d.reset(); });
    }
    void attend()
    {
        if (fil_.joinable())
            fil_.join();
    }

private:
    std::jthread fil_;  // joined at the program's end
};

corbeille anciens_modèles;

}  // namespace

void attend_modèles_remplacés() { anciens_modèles.attend(); }

namespace {

// Whether a save writes anything.
bool enregistre_quelque_chose(const QString& chemin, bool forcer)
{
    if (sans_enregistrement)
        return false;
    if (!forcer && données.type_fichier == QLatin1String("archive"))
        return false;
    return !chemin.isEmpty();
}

// The bytes of the data, or what in them cannot be written.
std::variant<QByteArray, QString> encode(const données_sel& d)
{
    try {
        return écrit_données(d);
    } catch (const std::out_of_range& e) {
        return QString::fromUtf8(e.what());
    }
}

void signale_incohérence(const QString& raison)
{
    MsgBox(QStringLiteral("Les données en mémoire sont incohérentes (%1) : le fichier n'a pas été enregistré.")
               .arg(raison),
           style_boîte::critique);
}

// The bytes a save writes, or nothing when it writes nothing.
std::optional<QByteArray> octets_à_enregistrer(const QString& chemin, bool forcer)
{
    if (!enregistre_quelque_chose(chemin, forcer))
        return std::nullopt;
    std::variant<QByteArray, QString> octets = encode(données);
    if (const QString* raison = std::get_if<QString>(&octets)) {
        signale_incohérence(*raison);
        return std::nullopt;
    }
    return std::get<QByteArray>(std::move(octets));
}

// A failed write told (its cause, then suite_échec), and written again while
// the user asks for it; true once written.
bool réessaie(const QString& chemin, const QByteArray& octets, QString erreur, const QString& suite_échec)
{
    do {
        if (MsgBox(erreur + suite_échec, style_boîte::réessayer_annuler | style_boîte::critique) != rép_réessayer)
            return false;
    } while (!écrit_fichier_sûr(chemin, octets, erreur));
    return true;
}

// The program's own copies (restore point, start-up copy) that do not hold
// what their last writing was asked to put there, or, for the start-up copy,
// not this start's file: a restore from one is refused. Kept by path: another
// program folder has its own.
QStringList copies_périmées;

bool copie_périmée(const QString& chemin)
{
    return std::any_of(copies_périmées.cbegin(), copies_périmées.cend(),
                       [&](const QString& p) { return mêmes_chemins(p, chemin); });
}

void note_écriture(const QString& chemin, bool écrit)
{
    if (copie_du_programme(chemin).isEmpty())
        return;
    copies_périmées.removeIf([&](const QString& p) { return mêmes_chemins(p, chemin); });
    if (!écrit)
        copies_périmées << chemin;
}

// Writes one of the program's own copies and records whether it holds the
// bytes; a failure is told as its cause followed by suite_échec. Nothing is
// written, nor told, when no saving is allowed.
bool écrit_copie(const QString& copie, const QByteArray& octets, const QString& suite_échec)
{
    bool écrit = false;
    QString erreur;
    if (!sans_enregistrement) {
        QDir().mkpath(QFileInfo(copie).absolutePath());
        écrit = écrit_fichier_sûr(copie, octets, erreur);
    }
    note_écriture(copie, écrit);
    if (!écrit && !sans_enregistrement)
        MsgBox(erreur + suite_échec, style_boîte::exclamation);
    return écrit;
}

// Only a save of the data file being worked on makes the grid's changes saved.
bool fichier_de_travail(const QString& chemin) { return mêmes_chemins(chemin, fichier_courant); }

// A save whose writing a thread of its own does; what it made and found is
// read back once it is over.
struct enregistrement_en_fond {
    QString chemin;
    std::unique_ptr<données_sel> copie;  // encoded by the thread into octets
    QByteArray octets;
    QString incohérence;  // what in the copy could not be written
    std::optional<soldes_à_écrire> soldes;  // on the accounting station
    QString suite_échec;                    // what a failure means, after its cause
    bool tables_changées_avant = false;
    bool écrit = false;
    QString erreur, erreur_soldes;
};

class enregistrement_en_cours {
public:
    void lance(std::unique_ptr<enregistrement_en_fond> e)
    {
        fil_ = std::jthread([this, e = std::move(e)]() mutable {
            if (e->copie) {
                std::variant<QByteArray, QString> octets = encode(*e->copie);
                e->copie.reset();
                if (QString* raison = std::get_if<QString>(&octets))
                    e->incohérence = std::move(*raison);
                else
                    e->octets = std::get<QByteArray>(std::move(octets));
            }
            if (e->incohérence.isEmpty()) {
                e->écrit = écrit_fichier_sûr(e->chemin, e->octets, e->erreur);
                if (e->écrit && e->soldes)
                    e->erreur_soldes = écrit_soldes(nom_fichier_soldes(e->chemin), *e->soldes);
            }
            fini_ = std::move(e);
        });
    }
    // The save once over; nothing when none was under way.
    std::unique_ptr<enregistrement_en_fond> attend()
    {
        if (fil_.joinable())
            fil_.join();
        return std::move(fini_);
    }

private:
    std::unique_ptr<enregistrement_en_fond> fini_;
    std::jthread fil_;  // last, so that it is joined before fini_ goes
};

enregistrement_en_cours enregistrement_de_fond;

std::uint64_t enregistrements_courant = 0;

void compte_enregistrement(const QString& chemin)
{
    if (fichier_de_travail(chemin))
        ++enregistrements_courant;
}

}  // namespace

std::uint64_t enregistrements_du_fichier_courant() { return enregistrements_courant; }

void reprend_sur_disque(std::uint64_t posé)
{
    if (enregistrements_courant != posé)
        enregistrer_fichier(fichier_courant, false);
}

namespace {

// The file just loaded becomes the restore point, written from the bytes read
// (the file is read once), with the balances file beside it when it has one:
// none is left from an earlier restore point.
void rafraîchit_point_repère(const QString& chemin, const QByteArray& octets)
{
    if (!écrit_copie(fichier_repère(), octets,
                     QStringLiteral(" : le point de repère n'a pas pu être mis à jour. Le fichier repère garde "
                                    "des données plus anciennes, qui ne seront pas restaurées tant qu'un nouveau "
                                    "point de repère n'aura pas été posé.")))
        return;
    QString erreur;
    const QString soldes = nom_fichier_soldes(chemin);
    const QString soldes_repère = nom_fichier_soldes(fichier_repère());
    if (QFileInfo(soldes).isFile() ? copie_fichier_sûre(soldes, soldes_repère, erreur)
                                   : !QFileInfo::exists(soldes_repère) || QFile::remove(soldes_repère))
        return;
    // Never the former restore point's: lire_soldes would refuse it anyway.
    QFile::remove(soldes_repère);
    MsgBox((erreur.isEmpty() ? description_erreur_fichier(soldes_repère, true) : erreur) +
               QStringLiteral(" : le fichier des soldes du point de repère n'a pas pu être mis à jour ; le point "
                              "de repère sera restauré sans lui."),
           style_boîte::exclamation);
}

}  // namespace

bool enregistrer_fichier(const QString& chemin, bool forcer, const QString& suite_échec)
{
    attend_enregistrement_en_fond();
    const std::optional<QByteArray> octets = octets_à_enregistrer(chemin, forcer);
    if (!octets) {
        // An archive copy open keeps the restore point its load left.
        if (sans_enregistrement || enregistre_quelque_chose(chemin, forcer))
            note_écriture(chemin, false);
        return false;
    }
    QString erreur;
    const bool écrit = écrit_fichier_sûr(chemin, *octets, erreur) || réessaie(chemin, *octets, erreur, suite_échec);
    note_écriture(chemin, écrit);
    if (!écrit)
        return false;
    if (fichier_de_travail(chemin))
        tables_changées_non_enregistrées = false;
    compte_enregistrement(chemin);
    if (poste_compta)
        enregistrer_soldes(nom_fichier_soldes(chemin));
    return true;
}

bool enregistrer_fichier_en_fond(const QString& chemin, const QString& suite_échec)
{
    attend_enregistrement_en_fond();
    if (!enregistre_quelque_chose(chemin, false)) {
        if (sans_enregistrement)
            note_écriture(chemin, false);
        return false;
    }
    auto e = std::make_unique<enregistrement_en_fond>();
    e->chemin = chemin;
    e->suite_échec = suite_échec;
    // The data as they stand now; the thread encodes them while the windows
    // go on changing theirs.
    e->copie = std::make_unique<données_sel>(données);
    if (poste_compta)
        e->soldes = soldes_en_mémoire();
    // As a save made at once leaves it; a failure puts it back.
    if (fichier_de_travail(chemin))
        e->tables_changées_avant = std::exchange(tables_changées_non_enregistrées, false);
    // Until it is written, the file there is not what was asked for.
    note_écriture(chemin, false);
    enregistrement_de_fond.lance(std::move(e));
    // The copy on its way holds what is posted now.
    compte_enregistrement(chemin);
    return true;
}

bool attend_enregistrement_en_fond()
{
    const std::unique_ptr<enregistrement_en_fond> e = enregistrement_de_fond.attend();
    if (!e)
        return true;
    if (!e->incohérence.isEmpty()) {
        signale_incohérence(e->incohérence);
        tables_changées_non_enregistrées = tables_changées_non_enregistrées || e->tables_changées_avant;
        return false;
    }
    if (!e->écrit) {
        if (!réessaie(e->chemin, e->octets, e->erreur, e->suite_échec)) {
            tables_changées_non_enregistrées = tables_changées_non_enregistrées || e->tables_changées_avant;
            return false;
        }
        if (e->soldes)
            e->erreur_soldes = écrit_soldes(nom_fichier_soldes(e->chemin), *e->soldes);
    }
    note_écriture(e->chemin, true);
    if (!e->erreur_soldes.isEmpty())
        signale_soldes_non_enregistrés(e->erreur_soldes);
    return true;
}

QString raison_sans_enregistrement()
{
    if (sans_enregistrement)
        return QStringLiteral("le dossier du programme n'accepte aucune écriture");
    if (données.type_fichier == QLatin1String("archive"))
        return QStringLiteral("le fichier ouvert est un fichier d'archive pour consultation");
    return {};
}

bool tables_à_enregistrer() { return tables_changées_non_enregistrées && raison_sans_enregistrement().isEmpty(); }

bool ouvrir_fichier(const QString& chemin, bool rafraîchit_repère, const QString& suite_échec, QByteArray* lus)
{
    attend_enregistrement_en_fond();
    if (chemin.isEmpty())
        return false;
    QString erreur;
    const auto octets = lit_fichier(chemin, erreur);
    if (!octets) {
        MsgBox(erreur + suite_échec, style_boîte::critique);
        return false;
    }
    // Read apart, swapped in once whole.
    anciens_modèles.attend();
    std::unique_ptr<données_sel> nouvelles;
    try {
        nouvelles = lit_données_après(*octets, données);
    } catch (const erreur_lecture& e) {
        MsgBox(e.description + suite_échec, style_boîte::critique);
        return false;
    }
    std::swap(données, *nouvelles);
    anciens_modèles.jette(std::move(nouvelles));
    if (lus)
        *lus = *octets;

    if (données.type_fichier == QLatin1String("archive"))
        MsgBox(message_archive_ouverte, style_boîte::information);
    if (avis_fichier_chargé)
        avis_fichier_chargé();
    if (rafraîchit_repère && !mêmes_chemins(chemin, fichier_repère()))
        rafraîchit_point_repère(chemin, *octets);
    return true;
}

void prend_copie_départ(const QByteArray* lus)
{
    if (!lus) {
        note_écriture(copie_départ(), false);
        return;
    }
    écrit_copie(copie_départ(), *lus,
                QStringLiteral(" : la copie du fichier au démarrage (%1) n'a pas pu être enregistrée. « Restaurer le "
                               "fichier tel qu'il était lors de la dernière ouverture. » sera refusé jusqu'au "
                               "prochain démarrage : il ramènerait les données d'un démarrage précédent.")
                    .arg(QDir::toNativeSeparators(copie_départ())));
}

bool copie_restaurable(const QString& chemin)
{
    if (!copie_périmée(chemin))
        return true;
    MsgBox(mêmes_chemins(chemin, fichier_repère())
               ? message_point_repère_pas_à_jour()
               : QStringLiteral("La copie du fichier n'a pas pu être enregistrée à ce démarrage : %1, s'il existe, "
                                "garde les données d'un démarrage précédent. Il n'est pas restauré, et les données "
                                "actuelles restent telles qu'elles sont.")
                     .arg(QDir::toNativeSeparators(copie_départ())),
           style_boîte::exclamation);
    return false;
}

bool point_repère_à_jour() { return !copie_périmée(fichier_repère()); }

QString message_point_repère_pas_à_jour()
{
    return QStringLiteral("Le dernier point de repère n'a pas pu être enregistré : le fichier repère garde des "
                          "données plus anciennes. Il n'est pas restauré, et les données actuelles restent telles "
                          "qu'elles sont.\r\nPosez un nouveau point de repère pour pouvoir y revenir.");
}

bool contrôle_archive()
{
    if (données.type_fichier != QLatin1String("archive"))
        return false;
    MsgBox(QStringLiteral("Vous ne pouvez pas modifier un fichier d'archive"), style_boîte::information);
    return true;
}
