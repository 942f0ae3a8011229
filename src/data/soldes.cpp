#include "data/soldes.h"

#include "data/dialogues.h"
#include "data/elements.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "data/modele.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

QString nom_fichier_soldes(const QString& fichier_données)
{
    const QFileInfo info(fichier_données);
    QString nom = info.fileName();
    const qsizetype point = nom.indexOf(QLatin1Char('.'));
    nom = point >= 0 ? nom.left(point + 1) + QStringLiteral("sld") : nom + QStringLiteral(".sld");
    const QString dossier = fichier_données.left(fichier_données.size() - info.fileName().size());
    return dossier + nom;
}

namespace {

const QString suite_vérification = QStringLiteral(" vous devrez vérifier ces données à la main dans la page adhérents. ");

struct soldes_adhérent {
    int numéro = 0;
    monnaie der_solde, volume;
    int16 débits = 0, crédits = 0;
    // What the file held readably; a skipped item leaves its field alone.
    bool solde_lu = false, débits_lu = false, crédits_lu = false, volume_lu = false;
};

// Same figures as the data file's record of that member, item by item.
bool s_accorde(const soldes_adhérent& s, const adhérent& a)
{
    return (!s.solde_lu || s.der_solde == a.der_solde) && (!s.débits_lu || s.débits == a.débits) &&
           (!s.crédits_lu || s.crédits == a.crédits) && (!s.volume_lu || s.volume == a.volume);
}

}  // namespace

soldes_à_écrire soldes_en_mémoire()
{
    écrivain_éléments é;
    é.entier(données.nombre_adhérents);
    // Where each member's entry starts, to name the one a failure fell on.
    soldes_à_écrire s;
    for (int i = 1; i <= données.nombre_adhérents; ++i) {
        const int n = données.table_adhérents[i].ordre;
        const adhérent& a = données.table_adhérents[(n >= 0 && n <= max_adhérents) ? n : 0];
        s.entrées.emplace_back(é.taille(), n);
        é.entier(n);
        é.montant(a.der_solde);
        é.entier(a.débits);
        é.entier(a.crédits);
        é.montant(a.volume);
    }
    s.octets = é.octets();
    return s;
}

QString écrit_soldes(const QString& chemin, const soldes_à_écrire& soldes)
{
    QString erreur;
    qsizetype remis = 0;
    if (écrit_fichier_sûr(chemin, soldes.octets, erreur, &remis))
        return {};
    QString qui;
    if (remis < soldes.octets.size()) {
        int membre = soldes.entrées.empty() ? 0 : soldes.entrées.front().second;
        for (const auto& [début, n] : soldes.entrées)
            if (début <= remis)
                membre = n;
        qui = QStringLiteral("de l'adhérent ") + QString::number(membre);
    } else {
        // Every entry went out and the file as a whole could not be kept.
        qui = QStringLiteral("des adhérents");
    }
    return erreur + QStringLiteral(" dans l'enregistrement  des soldes ") + qui + suite_vérification;
}

void signale_soldes_non_enregistrés(const QString& message)
{
    MsgBox(message, style_boîte::ok_annuler | style_boîte::exclamation);
}

bool enregistrer_soldes(const QString& chemin)
{
    if (sans_enregistrement || chemin.isEmpty())
        return true;
    const QString message = écrit_soldes(chemin, soldes_en_mémoire());
    if (message.isEmpty())
        return true;
    signale_soldes_non_enregistrés(message);
    return false;
}

bool lire_soldes(const QString& chemin, const QString& fichier_données)
{
    // A balances file being written is read once it is whole.
    attend_enregistrement_en_fond();
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile())
        return true;
    auto signale = [](const QString& description, int numéro) {
        return MsgBox(description + QStringLiteral(" dans la récupération des soldes de l'adhérent ") +
                          QString::number(numéro) + suite_vérification,
                      style_boîte::ok_annuler | style_boîte::exclamation) == rép_ok;
    };
    QString erreur;
    const auto octets = lit_fichier(chemin, erreur);
    if (!octets) {
        signale(erreur, 0);
        return false;
    }

    // The whole file first: nothing changes unless it reads to its end.
    lecteur_éléments l(*octets);
    int nombre = 0;
    try {
        nombre = l.entier();
    } catch (const erreur_lecture& e) {
        signale(e.description, 0);
        return false;
    }
    std::vector<soldes_adhérent> lus;
    // Each item alone: a bad one is skipped (OK) or ends the reading (Cancel).
    for (int i = 1; i <= nombre; ++i) {
        if (l.fin()) {
            signale(QStringLiteral("Le fichier s'arrête avant l'entrée %1 sur %2").arg(i).arg(nombre), 0);
            return false;
        }
        soldes_adhérent s;
        bool n_lu = false;
        auto essaie = [&](auto&& lire, bool& lu) {
            try {
                lire();
                lu = true;
                return true;
            } catch (const erreur_lecture& e) {
                return signale(e.description, s.numéro);
            }
        };
        if (!essaie([&] { s.numéro = l.entier(); }, n_lu) || !essaie([&] { s.der_solde = l.montant(); }, s.solde_lu) ||
            !essaie([&] { s.débits = l.entier(); }, s.débits_lu) ||
            !essaie([&] { s.crédits = l.entier(); }, s.crédits_lu) ||
            !essaie([&] { s.volume = l.montant(); }, s.volume_lu))
            return false;
        if (n_lu && s.numéro >= 1 && s.numéro <= max_adhérents)
            lus.push_back(s);
    }
    if (!l.fin()) {
        signale(QStringLiteral("Ligne %1 : le fichier continue après sa dernière entrée").arg(l.ligne()), 0);
        return false;
    }
    if (lus.empty())
        return true;

    // The data file it was written with, as it is now.
    const QString nom_soldes = QDir::toNativeSeparators(chemin);
    const QString nom_données = QDir::toNativeSeparators(fichier_données);
    const auto données_écrites = lit_fichier(fichier_données, erreur);
    // Only the members that file lists are looked at, all of them read from
    // it: what the tables held before does not count, and they are kept from
    // one reading to the next.
    static données_sel enregistrées;
    if (données_écrites) {
        try {
            lit_données(*données_écrites, enregistrées);
        } catch (const erreur_lecture& e) {
            erreur = e.description;
        }
    }
    if (!données_écrites || !erreur.isEmpty()) {
        MsgBox(erreur + QStringLiteral(" : le fichier des soldes %1 n'a pas pu être comparé à son fichier de "
                                       "données et n'a pas été relu.")
                            .arg(nom_soldes),
               style_boîte::exclamation);
        return false;
    }
    // Every entry names a member of that file's list, with his figures.
    std::vector<bool> dans_le_fichier(max_adhérents + 1, false);
    pour_chaque_adhérent(enregistrées, [&](int n, adhérent&) { dans_le_fichier[n] = true; });
    for (const soldes_adhérent& s : lus) {
        if (!dans_le_fichier[s.numéro] || !s_accorde(s, enregistrées.table_adhérents[s.numéro])) {
            MsgBox(QStringLiteral("Le fichier des soldes %1 ne correspond pas au fichier de données %2 tel qu'il "
                                  "est enregistré (adhérent %3) : il reste d'un enregistrement précédent et n'a pas "
                                  "été relu.")
                       .arg(nom_soldes, nom_données)
                       .arg(s.numéro),
                   style_boîte::exclamation);
            return false;
        }
    }

    std::vector<bool> listé(max_adhérents + 1, false);
    pour_chaque_adhérent(données, [&](int n, adhérent&) { listé[n] = true; });
    for (const soldes_adhérent& s : lus) {
        if (!listé[s.numéro])
            continue;
        adhérent& a = données.table_adhérents[s.numéro];
        if (s.solde_lu)
            a.der_solde = s.der_solde;
        if (s.débits_lu)
            a.débits = s.débits;
        if (s.crédits_lu)
            a.crédits = s.crédits;
        if (s.volume_lu)
            a.volume = s.volume;
    }
    return true;
}
