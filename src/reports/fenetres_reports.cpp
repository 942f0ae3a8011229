#include "reports/fenetres_reports.h"

#include "reports/f_etats_comptes.h"
#include "reports/f_releves_comptes.h"
#include "ui_common/fenetres.h"

void enregistre_fenêtres_comptes_rendus()
{
    enregistre_fenêtre(noms_fenêtres::relevés, [] {
        auto* f = new f_relevés_comptes;
        f->Form_Load();
        return f;
    });
    enregistre_fenêtre(noms_fenêtres::états, [] {
        auto* f = new f_états_comptes;
        f->Form_Load();
        return f;
    });
}
