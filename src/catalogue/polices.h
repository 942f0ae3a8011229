#pragma once
// The fonts a style can be given: the families the printer can use, plus the
// classic names ("Arial", "Times New Roman", ...) that data files hold and
// that the system maps onto a metric-compatible family, so that a file made
// elsewhere finds its fonts under their own names.
#include <QStringList>

// Sorted without regard to case, each name once.
QStringList polices_imprimante();
