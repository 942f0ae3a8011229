#include "classification/fenetres_classification.h"

#include "classification/f_base.h"
#include "classification/f_rubriques.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"
#include "ui_common/symboles.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

void enregistre_fenêtres_classification()
{
    enregistre_fenêtre(noms_fenêtres::rubriques, [] { return new f_rubriques(fenêtre_principale_ouverte()); });
    enregistre_fenêtre(noms_fenêtres::base, [] { return new f_base(fenêtre_principale_ouverte()); });
}

