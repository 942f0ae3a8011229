#pragma once
// Bringing in the data of another data file (typically one received from
// another station of the association): merge chosen parts of it when both
// files share the archive date, or replace everything in memory by it. The
// current data go to the restore point first; the result is saved as the
// default data file.
#include <QString>
#include <array>

// Archive date of a data file: its second item. 0 when the file is missing
// or its first two items do not read.
double get_date_archive(const QString& chemin);
// The file's kind (its third item) is "archive".
bool est_fichier_archive(const QString& chemin);

// Told when the restore point, the way back from an extraction or an
// archiving, could not be written, so that nothing was done (rien_fait says
// what: "rien n'a été extrait").
QString message_repère_non_enregistré(const QString& rien_fait);

// The four boxes of what to take: members, catalogue settings, accounts,
// offers and requests.
namespace quoi_extraire {
inline constexpr int adhérents = 0, catalogue = 1, comptes = 2, offres = 3;
}
struct cases_extraction {
    std::array<bool, 4> cochée{};
    std::array<bool, 4> active{true, true, true, true};
};

// A mode chosen (0 replace, 1 merge): merging (only when the archive dates
// are the same) unchecks and greys the members and accounts boxes and
// checks the catalogue box; otherwise every box is active and checked, the
// accounts box only when this station does not keep the accounts.
void choisit_mode_extraction(cases_extraction& cases, int mode, bool mêmes_dates, bool poste_compta);

struct choix_extraction {
    bool remplacer = false;
    std::array<bool, 4> quoi{};  // for a merge, indexed by quoi_extraire
};

// The question asked before anything is done.
QString question_extraction();
// Asked first when the data are to be replaced by an archive copy, which
// nothing saves.
QString question_remplacement_par_archive();

// "Appliquer": after the user's OK (two of them when the replacing file is
// an archive copy), saves the current data to the restore
// point (when that fails, the user is told and nothing is done), replaces
// them by fichier_à_extraire (the restore point is not refreshed from it) or
// merges the chosen parts of it, makes the default data file the current
// file, saves and shows the members. When the load or the merge fails the
// data stay as they were and the user is told so. True when the extraction
// was made.
bool extrait_données(const choix_extraction& choix);
