#include "printing/fenetres_impression.h"

#include "printing/f_impression.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"

void enregistre_fenêtres_impression()
{
    enregistre_fenêtre(noms_fenêtres::impression, [] { return new f_impression(fenêtre_principale_ouverte()); });
}
