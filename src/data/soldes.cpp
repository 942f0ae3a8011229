#include "data/soldes.h"

#include "data/dialogues.h"
#include "data/elements.h"
#include "data/fichiers.h"
#include "data/modele.h"

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

void enregistrer_soldes(const QString& chemin)
{
    if (sans_enregistrement || chemin.isEmpty())
        return;
    écrivain_éléments é;
    é.entier(données.nombre_adhérents);
    int premier = 0;
    for (int i = 1; i <= données.nombre_adhérents; ++i) {
        const int n = données.table_adhérents[i].ordre;
        const adhérent& a = données.table_adhérents[(n >= 0 && n <= max_adhérents) ? n : 0];
        if (!premier)
            premier = n;
        é.entier(n);
        é.montant(a.der_solde);
        é.entier(a.débits);
        é.entier(a.crédits);
        é.montant(a.volume);
    }
    QString erreur;
    if (!écrit_fichier_sûr(chemin, é.octets(), erreur))
        MsgBox(erreur + QStringLiteral(" dans l'enregistrement  des soldes de l'adhérent ") + QString::number(premier) +
                   QStringLiteral(" vous devrez vérifier ces données à la main dans la page adhérents. "),
               style_boîte::ok_annuler | style_boîte::exclamation);
}

void lire_soldes(const QString& chemin)
{
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile())
        return;
    QString erreur;
    const auto octets = lit_fichier(chemin, erreur);
    auto signale = [](const QString& description, int numéro) {
        return MsgBox(description + QStringLiteral(" dans la récupération des soldes de l'adhérent ") +
                          QString::number(numéro) +
                          QStringLiteral(" vous devrez vérifier ces données à la main dans la page adhérents. "),
                      style_boîte::ok_annuler | style_boîte::exclamation) == rép_ok;
    };
    if (!octets) {
        signale(erreur, 0);
        return;
    }
    std::vector<bool> listé(max_adhérents + 1, false);
    pour_chaque_adhérent(données, [&](int n, adhérent&) { listé[n] = true; });

    lecteur_éléments l(*octets);
    int nombre = 0;
    try {
        nombre = l.entier();
    } catch (const erreur_lecture& e) {
        signale(e.description, 0);
        return;
    }
    // Each item alone: a bad one is skipped (OK) or ends the reading (Cancel).
    for (int i = 1; i <= nombre; ++i) {
        if (l.fin()) {
            signale(QStringLiteral("Le fichier s'arrête avant l'entrée %1 sur %2").arg(i).arg(nombre), 0);
            return;
        }
        int n = 0;
        monnaie solde, volume;
        int16 débits = 0, crédits = 0;
        bool n_lu = false, solde_lu = false, débits_lu = false, crédits_lu = false, volume_lu = false;
        auto essaie = [&](auto&& lire, bool& lu) {
            try {
                lire();
                lu = true;
                return true;
            } catch (const erreur_lecture& e) {
                return signale(e.description, n);
            }
        };
        if (!essaie([&] { n = l.entier(); }, n_lu) || !essaie([&] { solde = l.montant(); }, solde_lu) ||
            !essaie([&] { débits = l.entier(); }, débits_lu) || !essaie([&] { crédits = l.entier(); }, crédits_lu) ||
            !essaie([&] { volume = l.montant(); }, volume_lu))
            return;
        if (!n_lu || n < 1 || n > max_adhérents || !listé[n])
            continue;
        adhérent& a = données.table_adhérents[n];
        if (solde_lu)
            a.der_solde = solde;
        if (débits_lu)
            a.débits = débits;
        if (crédits_lu)
            a.crédits = crédits;
        if (volume_lu)
            a.volume = volume;
    }
}
