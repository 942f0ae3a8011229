#include "catalogue/fenetres_catalogue.h"

#include "catalogue/f_apercu.h"
#include "catalogue/f_catalogue.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"

void enregistre_fenêtres_catalogue()
{
    enregistre_fenêtre(noms_fenêtres::catalogue, [] { return new F_catalogue(fenêtre_principale_ouverte()); });
    enregistre_fenêtre(QStringLiteral("f_aperçu"), [] { return new f_aperçu(fenêtre_principale_ouverte()); });
}
