// The statistics history on any bytes: the reader takes the whole records
// that are intact and tells the damaged ones; the quarter's snapshot then
// keeps every former whole record but the last, which it may rewrite, and
// adds at most one that reads back, or leaves the file as it was.
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
    const qsizetype entiers = avant.size() / taille_stat_trimestre;
    qsizetype intacts = 0;
    for (qsizetype i = 0; i < entiers; ++i)
        intacts += trimestre_intact(décode_trimestre(avant.constData() + i * taille_stat_trimestre));
    const historique_lu h = lit_historique();
    exige(h.erreur.isEmpty() == (intacts == entiers), "historique lisible refusé ou endommagé tu");
    exige(static_cast<qsizetype>(h.trimestres.size()) == intacts, "enregistrements perdus ou inventés");

    réponses(0);
    enregistre_évolution();
    QString erreur;
    const auto après = lit_fichier(chemin_évolution(), erreur);
    exige(après.has_value(), "historique disparu");
    if (*après != avant) {
        exige(après->size() % taille_stat_trimestre == 0, "enregistrement partiel écrit");
        const qsizetype n = après->size() / taille_stat_trimestre;
        exige(n == entiers || n == entiers + 1, "nombre de trimestres inattendu");
        const qsizetype gardés = std::max<qsizetype>(0, n - 1) * taille_stat_trimestre;
        exige(après->left(gardés) == avant.left(gardés), "un trimestre ancien a changé");
        const stat_trimestre nouveau = décode_trimestre(après->constData() + gardés);
        const historique_lu relu = lit_historique();
        exige(trimestre_intact(nouveau) && !relu.trimestres.empty() && relu.trimestres.back() == nouveau,
              "l'historique écrit ne se relit pas");
    }
    exige(mêmes_données(données, association_de_départ()), "l'instantané a changé les données");
    return 0;
}
