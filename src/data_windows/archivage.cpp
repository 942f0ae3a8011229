#include "data_windows/archivage.h"

#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data_windows/extraction.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "ui_common/vues_tables.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"

#include <QDir>
#include <optional>
#include <vector>

QStringList mois_adhérents()
{
    return {QStringLiteral("aujourd'hui"), QStringLiteral("plus d'un mois"), QStringLiteral("plus de trois mois"),
            QStringLiteral("plus de six mois"), QStringLiteral("plus d'un an ")};
}

QStringList mois_offres_demandes()
{
    return {QStringLiteral("aujourd'hui"), QStringLiteral("plus d'un mois"), QStringLiteral("plus de trois mois"),
            QStringLiteral("plus de six mois")};
}

QStringList mois_comptes()
{
    return {QStringLiteral("garder aucune ligne"), QStringLiteral("plus d'un mois"),
            QStringLiteral("plus de trois mois"), QStringLiteral("plus de six mois")};
}

double date_limite(int position, const QDate& aujourd_hui)
{
    static constexpr int jours[] = {-1, 30, 90, 180, 365};
    if (position < 0 || position > 4)
        return 0;
    return date_depuis(aujourd_hui.addDays(-jours[position]));
}

// ---------------------------------------------------------------- the passes

namespace {

// Rewrites the list part of a table: entry i names the i-th kept record.
template <typename Record>
void pose_liste(std::vector<Record>& table, int16& nombre, const std::vector<int16>& liste)
{
    for (std::size_t i = 0; i < liste.size(); ++i)
        table[i + 1].ordre = liste[i];
    nombre = static_cast<int16>(liste.size());
}

}  // namespace

void traiter_adhérents(données_sel& d, double limite)
{
    std::vector<int16> gardés;
    for (int i = 1; i <= d.nombre_adhérents; ++i) {
        const int16 n = i <= max_adhérents ? d.table_adhérents[i].ordre : int16{0};
        if (n < 1 || n > max_adhérents)
            throw erreur_archivage(
                QStringLiteral("L'entrée %1 de la liste des adhérents ne désigne aucun adhérent (%2).").arg(i).arg(n));
        const bool parti = d.table_adhérents[n].additif >= 2 && d.table_adhérents[n].dte_enr <= limite;
        if (!parti) {
            gardés.push_back(n);
            continue;
        }
        pour_chaque_proposition(d, [n](int, proposition& p) {
            if (p.num_adh == n)
                p.additif = 4;
        });
    }
    pose_liste(d.table_adhérents, d.nombre_adhérents, gardés);
}

void traiter_offres_demandes(données_sel& d, double limite)
{
    std::vector<int16> gardées;
    for (int i = 1; i <= d.nombre_propositions; ++i) {
        const int16 s = i <= max_propositions ? d.table_propositions[i].ordre : int16{0};
        if (s < 1 || s > max_propositions)
            throw erreur_archivage(QStringLiteral("L'entrée %1 de la liste des offres-demandes ne désigne aucune "
                                                  "offre ni demande (%2).")
                                       .arg(i)
                                       .arg(s));
        proposition& p = d.table_propositions[s];
        // Eliminated (3), or of a member who has just been removed (4):
        // whatever the date.
        if ((p.additif > 1 && p.date < limite) || p.additif == 3 || p.additif == 4)
            continue;
        p.additif = 0;
        gardées.push_back(s);
    }
    pose_liste(d.table_propositions, d.nombre_propositions, gardées);
}

void traiter_lignes_comptes(données_sel& d, int position, const QDate& aujourd_hui)
{
    if (position <= 0) {
        d.nombre_lignes_compte = 0;
        return;
    }
    const double limite = date_limite(position, aujourd_hui);
    const int n = d.nombre_lignes_compte;
    int première = 1;
    while (première <= n && d.table_lignes_compte[première].dte_enr < limite)
        ++première;
    const int écart = première - 1;
    for (int i = première; i <= n; ++i)
        d.table_lignes_compte[i - écart] = d.table_lignes_compte[i];
    d.nombre_lignes_compte = static_cast<int16>(n - écart);
}

void remet_cumuls_à_zéro(données_sel& d)
{
    pour_chaque_adhérent(d, [](int, adhérent& a) {
        a.crédits = a.débits = 0;
        a.volume = {};
    });
    for (compte_asso& c : d.comptes_asso) {
        c.crédits = c.débits = 0;
        c.volume = {};
    }
}

bool initialise_soldes(données_sel& d)
{
    compte_asso* débité = d.compte_association(d.compte_asso_débité);
    if (!débité)
        return false;
    for (compte_asso& c : d.comptes_asso)
        c.solde = {};
    pour_chaque_adhérent(d, [&](int, adhérent& a) {
        a.der_solde = d.solde_départ;
        débité->solde -= d.solde_départ;
    });
    return true;
}

void allège_données(données_sel& d, const choix_archivage& choix, const QDate& aujourd_hui)
{
    traiter_adhérents(d, date_limite(choix.mois_adh, aujourd_hui));
    traiter_offres_demandes(d, date_limite(choix.mois_cat, aujourd_hui));
    traiter_lignes_comptes(d, choix.mois_comptes, aujourd_hui);
    if (choix.remise_à_zéro_cumuls)
        remet_cumuls_à_zéro(d);
    if (choix.initialise_soldes)
        initialise_soldes(d);
}

// ---------------------------------------------------------------- the run

QString nom_archive_proposé(const QDate& aujourd_hui)
{
    return QStringLiteral("arch%1-%2").arg(aujourd_hui.month()).arg(aujourd_hui.year());
}

bool enregistrer_archive()
{
    dialogue_commun& dialogue = dialogue1();
    dialogue.InitDir = chemin_programme(QStringLiteral("archives/"));
    dialogue.DefaultExt = QStringLiteral("sel");
    dialogue.FileName = nom_archive_proposé(aujourdhui());
    dialogue.demande_écrasement = true;
    if (!dialogue.ShowSave())
        return false;
    const QString nom = dialogue.FileName;
    // The working file is lightened afterwards: it cannot be its own archive.
    // Nor can the copies that lead back to the data as they were: a read-only
    // archive there would be no way back.
    const QString copie = copie_du_programme(nom);
    const bool en_cours = mêmes_chemins(nom, fichier_courant);
    if (en_cours || !copie.isEmpty()) {
        MsgBox(QStringLiteral("Le fichier d'archive doit être différent %1 (%2).")
                   .arg(en_cours ? QStringLiteral("du fichier en cours") : copie, QDir::toNativeSeparators(nom)),
               style_boîte::information);
        return false;
    }

    const QString type = données.type_fichier;
    const double date = données.date_archivage;
    const bool changées = tables_changées_non_enregistrées;
    données.type_fichier = QStringLiteral("archive");
    données.date_archivage = date_depuis(aujourdhui());
    const bool écrit = enregistrer_fichier(nom, true);
    const QByteArray attendu = écrit ? écrit_données(données) : QByteArray();
    données.type_fichier = type;
    données.date_archivage = date;
    tables_changées_non_enregistrées = changées;  // the working file itself is not saved yet
    if (!écrit)
        return false;

    QString erreur;
    const auto relu = lit_fichier(nom, erreur);
    if (!relu || *relu != attendu) {
        MsgBox(QStringLiteral("Le fichier d'archive %1 ne se relit pas tel qu'il a été écrit : l'archivage est "
                              "abandonné, vos données n'ont pas changé.")
                   .arg(QDir::toNativeSeparators(nom)),
               style_boîte::critique);
        return false;
    }
    return true;
}

namespace {

// Asked when the balances start again: the start balance may change first.
// Cancelling keeps it; an answer that is not an amount is asked again.
monnaie solde_de_départ_choisi(monnaie actuel)
{
    const QString texte = texte_affiché(actuel);
    const QString question = QStringLiteral("La valeur ") + texte +
                             QStringLiteral(" définie comme solde de départ sera donnée à tous les soldes "
                                            "adhérents.\r\nVoulez-vous la modifier?");
    if (MsgBox(question, style_boîte::oui_non | style_boîte::question | style_boîte::défaut_bouton2) != rép_oui)
        return actuel;
    QString proposé = texte;
    for (;;) {
        const std::optional<QString> réponse =
            dialogues().saisie(QStringLiteral("Rentrez la valeur par défaut"), QStringLiteral("soldes initiaux"),
                               proposé);
        monnaie m;
        if (!réponse)
            return actuel;
        if (lit_montant(*réponse, m))
            return m;
        proposé = *réponse;
    }
}

void montre_adhérents()
{
    clique_op(1);
    affiche_adhérents(gg(), false);
}

}  // namespace

fin_archivage archive_période(const choix_archivage& choix)
{
    if (sans_enregistrement) {
        MsgBox(QStringLiteral("L'archivage est impossible : le dossier du programme n'accepte pas l'écriture, aucun "
                              "fichier d'archive ne pourrait être enregistré."),
               style_boîte::information);
        return fin_archivage::abandonné;
    }
    if (contrôle_archive())
        return fin_archivage::abandonné;
    if (choix.initialise_soldes && !données.compte_association(données.compte_asso_débité)) {
        MsgBox(message_pas_de_compte_débité, style_boîte::information);
        return fin_archivage::abandonné;
    }
    if (!libère_fenêtres_avant_chargement())
        return fin_archivage::abandonné;

    QDir().mkpath(chemin_programme(QStringLiteral("repère")));
    if (!enregistrer_fichier(fichier_repère(), false)) {
        MsgBox(message_repère_non_enregistré(QStringLiteral("rien n'a été archivé")), style_boîte::exclamation);
        return fin_archivage::abandonné;
    }
    if (crochet_évolution)
        crochet_évolution();
    if (!enregistrer_archive())
        return fin_archivage::abandonné;

    // The archive holds the data whole: a copy of the working data is
    // lightened, and becomes the working data only once it is saved.
    données_sel avant = données;
    const bool changées = tables_changées_non_enregistrées;
    auto échec = [&](const QString& raison) {
        données = std::move(avant);
        tables_changées_non_enregistrées = changées;
        MsgBox(raison + QStringLiteral(" Le fichier est restauré dans son état initial."), style_boîte::critique);
        montre_adhérents();
        return fin_archivage::échoué;
    };
    try {
        données_sel nouvelles = données;
        if (choix.initialise_soldes)
            nouvelles.solde_départ = solde_de_départ_choisi(nouvelles.solde_départ);
        const QDate aujourd_hui = aujourdhui();
        {
            sablier attente;
            allège_données(nouvelles, choix, aujourd_hui);
        }
        nouvelles.date_archivage = date_depuis(aujourd_hui);
        nouvelles.type_fichier = QStringLiteral("courant");
        données = std::move(nouvelles);
    } catch (const std::exception& e) {
        return échec(QString::fromUtf8(e.what()));
    }
    if (!enregistrer_fichier(fichier_courant, false))
        return échec(QStringLiteral("Le fichier en cours (%1) n'a pas pu être enregistré.")
                         .arg(QDir::toNativeSeparators(fichier_courant)));
    MsgBox(message_archivage_terminé);
    montre_adhérents();
    return fin_archivage::terminé;
}
