// The balances-file reader on any bytes (the first byte answers the boxes),
// beside a data file that holds other balances than the open data. A refused
// or stopped reading changes nothing; one that succeeds changes only the four
// figures of listed members, and only to what their data file holds.
#include "commun.h"

#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/soldes.h"

namespace {

données_sel ouvertes;     // the open data
données_sel enregistrées;  // the data file beside the balances file

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prépare_fuzz();
    enregistrées = association_de_départ();
    ouvertes = association_de_départ();
    for (int n = 1; n <= max_adhérents; ++n) {
        adhérent& a = ouvertes.table_adhérents[n];
        a.der_solde += monnaie::unités(n % 7 + 1);
        a.débits = static_cast<int16>(a.débits + 3);
        a.volume += monnaie::unités(1);
    }
    dépose(QStringLiteral("trovane.sel"), écrit_données(enregistrées));
    remet_données(données, ouvertes);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    réponses(data[0]);
    const QString chemin = dépose(QStringLiteral("trovane.sld"), octets_de(data + 1, size - 1));
    const bool lus = lire_soldes(chemin, chemin_programme(QStringLiteral("trovane.sel")));
    if (!lus) {
        exige(mêmes_données(données, ouvertes), "une lecture refusée a changé les données");
        return 0;
    }
    exige(données.nombre_adhérents == ouvertes.nombre_adhérents, "le nombre d'adhérents a changé");
    for (int n = 0; n <= max_adhérents; ++n) {
        const adhérent& a = données.table_adhérents[n];
        const adhérent& avant = ouvertes.table_adhérents[n];
        const adhérent& fichier = enregistrées.table_adhérents[n];
        exige(a.ordre == avant.ordre, "la liste des adhérents a changé");
        adhérent sans_soldes = a;
        sans_soldes.der_solde = avant.der_solde;
        sans_soldes.débits = avant.débits;
        sans_soldes.crédits = avant.crédits;
        sans_soldes.volume = avant.volume;
        exige(sans_soldes == avant, "autre chose que les soldes a changé");
        exige(a.der_solde == avant.der_solde || a.der_solde == fichier.der_solde, "solde venu d'ailleurs");
        exige(a.débits == avant.débits || a.débits == fichier.débits, "débits venus d'ailleurs");
        exige(a.crédits == avant.crédits || a.crédits == fichier.crédits, "crédits venus d'ailleurs");
        exige(a.volume == avant.volume || a.volume == fichier.volume, "volume venu d'ailleurs");
    }
    remet_données(données, ouvertes);
    return 0;
}
