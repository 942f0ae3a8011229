#include "ui_common/sablier.h"

#include <QApplication>

sablier::sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }

sablier::~sablier() { relâche(); }

void sablier::relâche()
{
    if (!actif_)
        return;
    actif_ = false;
    QApplication::restoreOverrideCursor();
}
