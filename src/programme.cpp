#include "programme.h"

#include "accounts/fenetres_comptes.h"
#include "catalogue/fenetres_catalogue.h"
#include "classification/fenetres_classification.h"
#include "data/fenetres/fenetres_donnees.h"
#include "main_window/f_vesk.h"
#include "members/fenetres_adherents.h"
#include "printing/fenetres_impression.h"
#include "reports/fenetres_reports.h"
#include "statistics/fenetres_statistiques.h"

void enregistre_toutes_les_fenêtres()
{
    enregistre_fenêtres_adhérents();
    enregistre_fenêtres_comptes();
    enregistre_fenêtres_classification();
    enregistre_fenêtres_données();
    enregistre_fenêtres_statistiques(enregistre_évolution);
    enregistre_fenêtres_catalogue();
    enregistre_fenêtres_comptes_rendus();
    enregistre_fenêtres_impression();
}
