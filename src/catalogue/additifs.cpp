#include "catalogue/additifs.h"

#include "data/fichier_donnees.h"
#include "data/modele.h"

namespace {

void clôt_additif(int16& additif)
{
    if (additif == 1)
        additif = 0;
    else if (additif == 2)
        additif = 3;
}

}  // namespace

void enlève_additif_offres_demandes()
{
    if (données.nombre_propositions < 1)
        return;
    pour_chaque_proposition(données, [](int, proposition& p) { clôt_additif(p.additif); });
    enregistrer_fichier(fichier_courant, false);
}

void enlève_additif_adhérents()
{
    if (données.nombre_adhérents < 1)
        return;
    pour_chaque_adhérent(données, [](int, adhérent& a) { clôt_additif(a.additif); });
    enregistrer_fichier(fichier_courant, false);
}
