#pragma once
// Closing an association's period: the open data are kept whole in an
// archive file, for consultation, then the working data are lightened (the
// members who left, the deleted offers and requests, the old account lines),
// the cumulated counters and the balances may start again, and the working
// file becomes the current file of a new period.
#include "data/modele.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <stdexcept>

// ---------------------------------------------------------------- the choices
// Items of the three lists, in order.
QStringList mois_adhérents();
QStringList mois_offres_demandes();
QStringList mois_comptes();

struct choix_archivage {
    int mois_adh = 4;        // position in mois_adhérents(), -1 for none
    int mois_cat = 1;        // position in mois_offres_demandes()
    int mois_comptes = 0;    // position in mois_comptes(); 0 and -1 keep no line
    bool remise_à_zéro_cumuls = false;  // credits, debits and volume
    bool initialise_soldes = false;     // every member starts again at solde_départ
};

// Limit date of a position of the members or offers-and-requests list:
// today + 1 day, today - 30, - 90, - 180, - 365 days; 0 for no position.
double date_limite(int position, const QDate& aujourd_hui);

// ---------------------------------------------------------------- the passes
// Each works on d alone, in list order; the records that leave the lists stay
// in their slots, outside the lists. A list entry that names no record is an
// error (erreur_archivage, with its French description): the run then leaves
// the data as they were.
struct erreur_archivage : std::runtime_error {
    explicit erreur_archivage(const QString& description) : std::runtime_error(description.toStdString()) {}
};

// Removes from the list the members whose status is 2 or more (deleted,
// eliminated) and whose dte_enr is on or before the limit; their offers and
// requests get the status 4, which the next pass treats as deleted.
void traiter_adhérents(données_sel& d, double limite);
// Removes the offers and requests whose status is above 1 and whose date is
// before the limit, and whatever their date the eliminated ones (3) and
// those of the members just removed (4); the others become normal (0).
void traiter_offres_demandes(données_sel& d, double limite);
// Keeps the account lines from the first one recorded on or after the limit
// of the position (1 to 3) to the end; position 0 or -1 keeps none.
void traiter_lignes_comptes(données_sel& d, int position, const QDate& aujourd_hui);
// Credits, debits and volume back to 0 for every member and association account.
void remet_cumuls_à_zéro(données_sel& d);
// Every association account back to 0, then every member at solde_départ,
// taken from the debited association account. False, changing nothing, when
// no association account is designated for the debit.
bool initialise_soldes(données_sel& d);

// The passes of the run in their order, on d.
void allège_données(données_sel& d, const choix_archivage& choix, const QDate& aujourd_hui);

// ---------------------------------------------------------------- the run
inline const QString message_pas_de_compte_débité = QStringLiteral(
    "Aucun compte asso n'est désigné dans les paramètres pour être débité. L'opération est impossible.");
inline const QString message_archivage_terminé = QStringLiteral(
    "L'archivage est terminé. Vérifiez vos données avant de quitter. Vous pourrez revenir au fichier initial en "
    "utilisant l'option du menu Fichier de la page d'accueil.");

// Proposed name of the archive file: "arch" month "-" year (arch3-2026).
QString nom_archive_proposé(const QDate& aujourd_hui);

// Asks for the archive file's name and writes the open data there, whole, as
// an archive copy of today, then reads the file back to check it. The open
// data keep their kind and archive date. False when cancelled or failed.
bool enregistrer_archive();

enum class fin_archivage {
    abandonné,  // refused or archive not written: nothing changed, the window stays
    terminé,    // archive written, working data lightened and saved
    échoué,     // the working file could not be saved: data back as they were
};

// The archiving run of "Appliquer": restore point, statistics snapshot,
// archive file, then the working data lightened as chosen, marked as the
// current file of today's period and saved. Refused on an archive copy and
// when nothing can be saved; stops, changing nothing, when the restore point
// or the archive cannot be written. The working data change only once the
// archive is written and checked, and only when they can be saved: any
// failure after the archive puts them back as they were, fichier_courant
// included, and says so.
fin_archivage archive_période(const choix_archivage& choix);
