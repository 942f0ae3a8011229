#include "accounts/fenetres_comptes.h"

#include "accounts/f_compta.h"

void enregistre_fenêtres_comptes()
{
    enregistre_fenêtre(noms_fenêtres::compta, [] { return new f_compta; });
}
