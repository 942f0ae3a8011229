#include "data_windows/extraction.h"

#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/elements.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "data/fusion.h"
#include "data/modele.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"

#include <QDir>

namespace {

// Runs lis over the items of the file; false when the file or what lis
// reads does not read.
template <typename F>
bool lit_début(const QString& chemin, F&& lis)
{
    QString erreur;
    const auto octets = lit_fichier(chemin, erreur);
    if (!octets)
        return false;
    try {
        lecteur_éléments l(*octets);
        lis(l);
        return true;
    } catch (const erreur_lecture&) {
        return false;
    }
}

}  // namespace

double get_date_archive(const QString& chemin)
{
    double date = 0;
    if (!lit_début(chemin, [&](lecteur_éléments& l) {
            l.entier();
            date = l.date();
        }))
        return 0;
    return date;
}

bool est_fichier_archive(const QString& chemin)
{
    bool archive = false;
    lit_début(chemin, [&](lecteur_éléments& l) {
        l.entier();
        l.date();
        archive = l.texte() == QLatin1String("archive");
    });
    return archive;
}

void choisit_mode_extraction(cases_extraction& c, int mode, bool mêmes_dates, bool poste)
{
    using namespace quoi_extraire;
    if (mode == 1 && mêmes_dates) {
        // Left checked after a replace, they would make the merge replace
        // every member and account line.
        c.active[adhérents] = c.active[comptes] = false;
        c.cochée[adhérents] = c.cochée[comptes] = false;
        c.cochée[catalogue] = true;
        return;
    }
    c.active[adhérents] = c.active[comptes] = true;
    c.cochée[catalogue] = c.cochée[adhérents] = true;
    if (!poste)
        c.cochée[comptes] = true;
    c.cochée[offres] = true;
}

QString message_repère_non_enregistré(const QString& rien_fait)
{
    return QStringLiteral("Le point de repère %1 n'a pas pu être enregistré : %2, vos données n'ont pas changé.")
        .arg(QDir::toNativeSeparators(fichier_repère()), rien_fait);
}

QString question_extraction()
{
    return QStringLiteral("Trovane sauvegarde le fichier en cours dans le répertoire ") +
           QDir::toNativeSeparators(chemin_programme(QStringLiteral("repère"))) + QStringLiteral(".\r\n") +
           QStringLiteral("Si vous souhaitez annuler l'importation des données, vous pourrez le faire en cliquant "
                          "[restaurer le fichier repère] dans le menu fichier de la page d'accueil.\r\n") +
           QStringLiteral("[Annuler] annule l'importation des données");
}

QString question_remplacement_par_archive()
{
    return QStringLiteral("Le fichier %1 est un fichier d'archive pour consultation : ses données ne pourront pas "
                          "être modifiées, et rien ne sera enregistré, ni dans %2 ni ailleurs, tant qu'elles "
                          "resteront ouvertes.\r\n[Annuler] annule l'importation des données")
        .arg(QDir::toNativeSeparators(fichier_à_extraire), QDir::toNativeSeparators(fichier_données_défaut()));
}

bool extrait_données(const choix_extraction& choix)
{
    if (choix.remplacer && est_fichier_archive(fichier_à_extraire) &&
        MsgBox(question_remplacement_par_archive(), style_boîte::ok_annuler | style_boîte::exclamation) != rép_ok)
        return false;
    if (MsgBox(question_extraction(), style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return false;
    if (!libère_fenêtres_avant_chargement())
        return false;

    // The restore point is the way back from the extraction: without it,
    // nothing is done. An archive copy open for consultation is copied too.
    if (!sans_enregistrement)
        QDir().mkpath(chemin_programme(QStringLiteral("repère")));
    if (!enregistrer_fichier(fichier_repère(), true)) {
        MsgBox(message_repère_non_enregistré(QStringLiteral("rien n'a été extrait")), style_boîte::exclamation);
        return false;
    }

    using namespace quoi_extraire;
    const bool fait = choix.remplacer ? ouvrir_fichier(fichier_à_extraire, false)
                                      : récupérer_données(fichier_à_extraire, choix.quoi[adhérents],
                                                          choix.quoi[catalogue], choix.quoi[comptes],
                                                          choix.quoi[offres]);
    if (!fait) {
        MsgBox(QStringLiteral("Aucune donnée n'a été extraite : les données en cours sont restées telles qu'elles "
                              "étaient."),
               style_boîte::information);
        return false;
    }
    fichier_courant = fichier_données_défaut();
    titre_principale(choix.remplacer ? QStringLiteral("Trovane mise à jour") + fichier_courant
                                     : fichier_courant + QStringLiteral("mis à jour"));
    enregistrer_fichier(fichier_courant, false);
    clique_op(1);
    return true;
}
