#pragma once
// The member filter: up to ten keys, each a condition on one field of the
// member record, all active keys joined by "and"; the members that pass, in
// list order; and the saved selection files (*.eta in P/etats) that keep a
// filter for later. Headless: the filter box (p_filtrfam.h) only shows and
// edits a filtre_adhérents.
#include "data/valeurs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

inline constexpr int nombre_clefs_filtre = 10;
inline constexpr int16 clef_active = -1;

// Keys: 0 sex, 1 criterion 0, 2 public category, 3 quality, 4 criterion 1,
// 5 criterion 2 (list keys, lists 2k and 2k+1), 6 joining date, 7
// subscription date, 8 balance, 9 annual volume.
inline constexpr int clef_date_adh = 6, clef_date_cot = 7, clef_solde = 8, clef_volume = 9;

struct filtre_adhérents {
    // -1 active, 0 off; entry 10 is never used.
    std::array<int16, 11> clefs_filtre{};
    // Chosen position in the lists ct_f(0..11): departure lists at even
    // indexes (position = the code), arrival lists at odd ones (position a
    // stands for code departure + a); -1 when nothing is chosen.
    std::array<int16, 12> positions{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    QString ctt_date_adh_dep, ctt_date_adh_fin, ctt_date_cot_dep, ctt_date_cot_fin;
    QString ctt_solde_min, ctt_solde_max, ctt_volume_min, ctt_volume_max;

    bool active(int k) const { return clefs_filtre[static_cast<std::size_t>(k)] == clef_active; }
    bool operator==(const filtre_adhérents&) const = default;
};

// ---------------------------------------------------------------- lists
// The value list of departure list k (0, 2, 4, 6, 8 or 10), in code order:
// what remplit_liste_filtre puts into ct_f(k). Empty for any other k.
QStringList liste_filtre(int k);
// The arrival list for a departure list and the position chosen in it: the
// entries from that position to the end.
QStringList liste_arrivée(const QStringList& départ, int position);
// Caption of key k's switch (the criteria titles come from the data file).
QString libellé_clef(int k);

// Key k switched by its switch. A list key now active covers its whole value
// list (first departure entry, last arrival entry); a date key now active
// runs from "00:00:00" to today; the balance and volume keys from "0" to
// "1000000".
void bascule_clef(filtre_adhérents& f, int k);
// A departure position chosen in list index (even): the arrival list is
// refilled from it and its last entry chosen.
void choisit_départ(filtre_adhérents& f, int index, int position);
// "Initialiser": the six list keys off; the date, balance and volume keys
// keep their state and bounds.
void éteint_clefs_listes(filtre_adhérents& f);
// The date fields' start texts: "00:00:00" and today's short date.
QString date_départ_défaut();
QString date_fin_défaut();

// ---------------------------------------------------------------- the test
// Member numéro (1..5000) passes every active key. Out of range: false,
// no record read. A key that cannot be evaluated (a position outside its
// list, a bound that does not read as a date) fails every member.
bool teste_filtre_adhérent(int numéro, const filtre_adhérents& f);

// The members that pass, in list order. Unless an archive is open, members
// deleted or eliminated for the supplement (additif 2 or 3) are left out.
std::vector<int> adhérents_filtrés(const filtre_adhérents& f);

// What a member list shows of a member that passes: the identifier as stored
// (20 characters, trailing blanks included) and the member number.
struct entrée_filtrée {
    QString identifiant;
    int numéro = 0;
    bool operator==(const entrée_filtrée&) const = default;
};
std::vector<entrée_filtrée> entrées_filtrées(const filtre_adhérents& f);

// The text reads as a date (day first, or "00:00:00"); otherwise tells the
// user so and gives false.
bool est_date(const QString& texte);
// Checked before the members are run through: every bound of an active
// date key reads as a date; the first that does not is told as est_date
// tells it.
bool dates_actives_valides(const filtre_adhérents& f);

// ---------------------------------------------------------------- saved selections
// The 30 items of a selection file (Windows-1252, CR LF): the ten flags, the
// twelve positions, then the texts in the order date cot from/to, date adh
// from/to, balance min/max, volume min/max.
QByteArray texte_fichier_état(const filtre_adhérents& f);
// Reads a selection file. A file that does not hold a selection this program
// could have written (a missing item, a flag other than 0 or -1, a position
// beyond its list, an active key without its choice, an active date key
// whose bounds are not dates) is refused with the reason in French.
bool lit_fichier_état(const QByteArray& octets, filtre_adhérents& f, QString& erreur);

// The message shown when a selection file cannot be written or read.
QString message_fichier_filtres(const QString& erreur, const QString& chemin);
// The name of a selection file, without its ".eta", holds no point, so that
// every list of saved selections shows it whole and finds its file again.
// False after telling the user.
bool nom_de_sélection_valide(const QString& chemin);
// Writes the selection to chemin (through a temporary file: a failure leaves
// the former file whole); on failure tells the user and gives false.
bool enregistre_etat(const QString& chemin, const filtre_adhérents& f);
// Reads the selection file at chemin; on failure tells the user and gives
// false, f then unchanged.
bool lit_etat(const QString& chemin, filtre_adhérents& f);
