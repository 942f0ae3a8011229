// The import of a tab-separated text into a table, then its conversion, on
// any bytes: the first byte chooses the table, the second answers the boxes.
// A conversion that does not happen leaves the tables as they were; one that
// happens gives tables that the data file can hold and read back.
#include "commun.h"

#include "data/cp1252.h"
#include "data/fichier_donnees.h"
#include "main_window/import_table.h"
#include "ui_common/grille.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prépare_fuzz();
    remet_données(données, association_de_départ());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    static const table_importée tables[] = {table_importée::offres, table_importée::adhérents,
                                            table_importée::rubriques};
    static const char* modes[] = {"base", "adhérents", "rubriques"};
    const int t = data[0] % 3;
    réponses(data[1]);
    const QString texte = texte_importé(octets_de(data + 2, size - 2));
    grille gg;
    importe_texte(gg, tables[t], texte, provenance_import::fichier);
    réponses(data[1] >> 3);
    if (!récupère_grille(gg, QString::fromUtf8(modes[t]))) {
        exige(mêmes_données(données, association_de_départ()), "une conversion refusée a changé les tables");
        return 0;
    }
    const QByteArray écrits = écrit_données(données);  // throws, and so stops, on a bound out of range
    // Records the file does not name keep what an earlier input left: the
    // file must read, whatever they hold.
    static données_sel relues;
    try {
        lit_données(écrits, relues);
    } catch (const erreur_lecture&) {
        échec("les tables converties ne se relisent pas");
    }
    remet_données(données, association_de_départ());
    return 0;
}
