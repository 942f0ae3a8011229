#pragma once
// Quastel, the older uninstaller: in Trovane's own folder only, after one
// question, removes the folders and files Trovane created in P (the user's
// files stay), puts the help pages and pictures back into P, removes the
// three settings sections and tells the user how the installed files go and
// where the data stay. The first failure stops the work.
#include "uninstall/boites.h"
#include "uninstall/desinstallation.h"

namespace quastel {

// Everything the run does in P, in order: each folder's files treated as
// their folder requires, then the folder, and last the statistics history.
// The balances file and the data file are never in it.
std::vector<désinstallation::action> plan(const QString& P);

// The last box: what was removed, how to remove the installed files (with
// Delvorn when the installation log is in P) and where the data stay.
QString message_fin(const QString& P);

// The whole program, run while its window loads; the program ends after it.
void Form_Load(const QString& P, désinstallation::boîtes& b);

}  // namespace quastel
