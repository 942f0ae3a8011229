// The saved-selection reader on any bytes. A refused file leaves the filter
// as it was and says why; an accepted one gives a filter whose file reads
// back and writes again to the same bytes (double quotes in a text become
// « and » at the first writing, as everywhere).
#include "commun.h"

#include "data/cp1252.h"
#include "members/filtre.h"

namespace {

filtre_adhérents départ()
{
    filtre_adhérents f;
    f.clefs_filtre[2] = -1;
    f.positions[4] = 1;
    f.ctt_solde_min = QStringLiteral("-12,5");
    f.ctt_date_adh_dep = QStringLiteral("01/09/2019");
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prépare_fuzz();
    données = association_de_départ();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const filtre_adhérents avant = départ();
    filtre_adhérents f = avant;
    QString erreur;
    if (!lit_fichier_état(octets_de(data, size), f, erreur)) {
        exige(f == avant, "une sélection refusée a changé le filtre");
        exige(!erreur.isEmpty(), "une sélection refusée sans raison");
    } else {
        const QByteArray écrit = texte_fichier_état(f);
        // Windows-1252 bytes that happen to form UTF-8 are read as UTF-8:
        // such a file is another text by design.
        if (utf8_multioctet(écrit))
            return 0;
        filtre_adhérents relu = avant;
        exige(lit_fichier_état(écrit, relu, erreur), "une sélection écrite ne se relit pas");
        exige(texte_fichier_état(relu) == écrit, "une sélection écrite se relit autrement");
    }
    exige(mêmes_données(données, association_de_départ()), "lire une sélection a changé les données");
    return 0;
}
