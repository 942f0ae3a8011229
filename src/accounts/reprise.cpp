#include "accounts/reprise.h"

#include "accounts/ecritures.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool recharge(const QString& chemin)
{
    if (!ouvrir_fichier(chemin))
        return false;
    efface_journal_écritures();
    return true;
}

// Every number names an account, checked before anything changes.
bool comptes_valides(const std::vector<int>& comptes)
{
    for (const int compte : comptes)
        if (!numéro_de_compte(compte)) {
            MsgBox(QStringLiteral("Le compte n° %1 n'existe pas : aucun compte n'a été remis à zéro.").arg(compte),
                   style_boîte::exclamation);
            return false;
        }
    return true;
}

}  // namespace

namespace {

void prépare_dossier_repère()
{
    if (!sans_enregistrement)
        QDir().mkpath(QFileInfo(fichier_repère()).absolutePath());
}

}  // namespace

bool pose_point_repère()
{
    prépare_dossier_repère();
    return enregistrer_fichier(
        fichier_repère(), false,
        QStringLiteral(" : le point de repère n'a pas pu être enregistré.\r\n[Réessayer] essaie à nouveau de "
                       "l'enregistrer.\r\n[Annuler] laisse les données sans point de repère : le fichier repère "
                       "garde des données plus anciennes, qui ne seront pas restaurées."));
}

bool pose_point_repère_en_fond()
{
    prépare_dossier_repère();
    return enregistrer_fichier_en_fond(
        fichier_repère(),
        QStringLiteral(" : le point de repère de l'ouverture de la fenêtre des comptes n'a pas pu être "
                       "enregistré.\r\n[Réessayer] essaie à nouveau de l'enregistrer.\r\n[Annuler] continue sans "
                       "point de repère : aucun retour aux données de l'ouverture ne sera possible ; le fichier "
                       "repère garde des données plus anciennes, qui ne seront pas restaurées tant qu'un nouveau "
                       "point de repère n'aura pas été posé (clic sur le bouton du point de repère)."));
}

QString raison_sans_point_repère()
{
    const QString raison = raison_sans_enregistrement();
    return raison.isEmpty() ? QString()
                            : QStringLiteral("Le point de repère n'a pas été enregistré : ") + raison +
                                  QLatin1Char('.');
}

bool restaure_point_repère()
{
    // A restore point still being written is waited for; its failure, once
    // told, ends the restore there.
    if (!attend_enregistrement_en_fond())
        return false;
    return copie_restaurable(fichier_repère()) && recharge(fichier_repère());
}

bool restaure_copie_départ() { return copie_restaurable(copie_départ()) && recharge(copie_départ()); }

QString texte_avertissement_remise()
{
    return QStringLiteral("Cette fonction travaille avec la liste les comptes du cadre de droite quand un "
                          "compte_asso est sélectionné dans le cadre de gauche.\r\n"
                          "Cela vous permet de filtrer les comptes à remettre à zéro.\r\n"
                          "Par défaut, cette liste contient tous les comptes.\r\n"
                          "Cliquez OK pour continuer, Annuler pour intervenir sur la liste");
}

QString texte_remise_soldes()
{
    return QStringLiteral("Les comptes adhérents de la liste vont prendre la valeur ") +
           texte_affiché(données.solde_départ) +
           QStringLiteral("paramétrable dans le menu options de la feuille de départ. Les comptes asso prennent "
                          "la valeur 0");
}

QString texte_remise_cumuls()
{
    return QStringLiteral("Les données cumulées des comptes  de la liste vont prendre la valeur 0");
}

bool remet_soldes(const std::vector<int>& comptes)
{
    attend_enregistrement_en_fond();
    if (!comptes_valides(comptes))
        return false;
    for (const int compte : comptes) {
        if (compte >= premier_compte_asso)
            données.comptes_asso[static_cast<std::size_t>(compte - premier_compte_asso)].solde = monnaie{};
        else
            données.table_adhérents[static_cast<std::size_t>(compte)].der_solde = données.solde_départ;
    }
    efface_journal_écritures();
    return true;
}

bool remet_cumuls(const std::vector<int>& comptes)
{
    attend_enregistrement_en_fond();
    if (!comptes_valides(comptes))
        return false;
    for (const int compte : comptes) {
        if (compte >= premier_compte_asso) {
            compte_asso& c = données.comptes_asso[static_cast<std::size_t>(compte - premier_compte_asso)];
            c.crédits = 0;
            c.débits = 0;
            c.volume = monnaie{};
        } else {
            adhérent& a = données.table_adhérents[static_cast<std::size_t>(compte)];
            a.débits = 0;
            a.crédits = 0;
            a.volume = monnaie{};
        }
    }
    efface_journal_écritures();
    return true;
}
