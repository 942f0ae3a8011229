// The statistics history on any bytes: the reader takes the whole records
// and says when a partial one follows; the quarter's snapshot then keeps
// every former record and adds or rewrites only the last one, or leaves a
// file it cannot trust as it is.
#include "commun.h"

#include "data/dossiers.h"
#include "data/fichiers.h"
#include "statistics/historique.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prépare_fuzz();
    données = association_de_départ();
    fichier_courant = fichier_données_défaut();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray avant = octets_de(data, size);
    dépose(QString::fromUtf8(nom_fichier_évolution), avant);
    const historique_lu h = lit_historique();
    const qsizetype entiers = avant.size() / taille_stat_trimestre;
    exige(!h.fichier_absent, "fichier présent dit absent");
    exige(static_cast<qsizetype>(h.trimestres.size()) == entiers, "enregistrements perdus ou inventés");
    exige(h.erreur.isEmpty() == (avant.size() % taille_stat_trimestre == 0), "fichier abîmé non signalé");

    réponses(0);
    enregistre_évolution();
    QString erreur;
    const auto après = lit_fichier(chemin_évolution(), erreur);
    exige(après.has_value(), "historique disparu");
    if (*après != avant) {
        exige(avant.size() % taille_stat_trimestre == 0, "un fichier abîmé a été réécrit");
        exige(après->size() == avant.size() || après->size() == avant.size() + taille_stat_trimestre,
              "taille nouvelle inattendue");
        const qsizetype gardés = std::max<qsizetype>(0, avant.size() - taille_stat_trimestre);
        exige(après->left(gardés) == avant.left(gardés), "un trimestre ancien a changé");
        exige(lit_historique().erreur.isEmpty(), "l'historique écrit ne se relit pas");
    }
    exige(mêmes_données(données, association_de_départ()), "l'instantané a changé les données");
    return 0;
}
