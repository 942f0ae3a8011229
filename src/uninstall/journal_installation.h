#pragma once
// The setup uninstaller that Delvorn hands over to ("ST5UNST.EXE -n <log>").
// There is none on this platform, so delvorn stands in for it when started as
// `delvorn -n <log>`: it removes what the installation put in P, as listed in
// the installation log P/St5unst.log.
//
// The log, as the installation writes it: UTF-8 text, one path a line, the
// folder installed into first, then every file installed and every folder
// created, absolute or relative to P; blank lines and lines starting with
// '#' are ignored. A log whose first path is not P was written for another
// folder and is not followed. Files go first, then the folders, the deepest
// first and only when empty. Nothing outside P is touched, P itself stays,
// and data files (*.sel) are never removed: the user's data stays whatever
// the log says.
#include "uninstall/boites.h"
#include "uninstall/desinstallation.h"

namespace journal_installation {

// The log's path in P.
QString chemin_journal(const QString& P);

// Without the log nothing here knows which files were installed: the user
// is told where they stay.
QString journal_absent(const QString& P);

// What is left in P once the installed files are gone, and where, ready to
// be shown.
QString ce_qui_reste(const QString& P);

// The actions for the lines of a log; entries outside P are refusals,
// entries no longer on disk are left out.
std::vector<désinstallation::action> plan_journal(const QString& P, const QStringList& lignes);

// The whole run: refuses the root and the home folder, reads the log,
// checks that it was written for P, asks, removes, tells what could not be
// removed. The log itself goes last, once everything it lists is gone, so
// that a second run can finish the work. Gives the program's exit code.
int désinstalle_selon_journal(const QString& P, const QString& journal, désinstallation::boîtes& b);

}  // namespace journal_installation
