#include "statistics/fenetres_statistiques.h"

#include "statistics/f_statistiques.h"
#include "statistics/historique.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"

void enregistre_fenêtres_statistiques(std::function<void()>& crochet_évolution)
{
    enregistre_fenêtre(noms_fenêtres::statistiques,
                       [] { return new f_statistiques(fenêtre_principale_ouverte()); });
    crochet_évolution = [] { enregistre_évolution(); };
}
