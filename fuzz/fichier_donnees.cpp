// The data-file load on any bytes. A failed load leaves the model, the open
// file's name and the restore point as they were; a load that succeeds gives
// a model the save can write, and what it writes reads back to the same items.
#include "commun.h"

#include "data/cp1252.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    prépare_fuzz();
    remet_données(données, association_de_départ());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString chemin = dépose(QStringLiteral("essai.sel"), octets_de(data, size));
    fichier_courant = QStringLiteral("ouvert.sel");
    if (!ouvrir_fichier(chemin)) {
        exige(mêmes_données(données, association_de_départ()), "un chargement échoué a changé les données");
        exige(fichier_courant == QLatin1String("ouvert.sel"), "un chargement échoué a changé le fichier courant");
        exige(!QFile::exists(fichier_repère()), "un chargement échoué a changé le point de reprise");
        return 0;
    }
    exige(QFile::exists(fichier_repère()), "un chargement réussi n'a pas posé de point de reprise");
    QFile::remove(fichier_repère());
    const QByteArray écrits = écrit_données(données);  // throws, and so stops, on a bound out of range
    // Windows-1252 bytes that happen to form UTF-8 all through are read as
    // UTF-8: such a file is another text by design.
    if (utf8_multioctet(écrits)) {
        remet_données(données, association_de_départ());
        return 0;
    }
    // Records the file does not name keep what an earlier input left: the
    // file must read, whatever they hold.
    static données_sel relues;
    try {
        lit_données(écrits, relues);
    } catch (const erreur_lecture&) {
        échec("un fichier enregistré ne se relit pas");
    }
    exige(écrit_données(relues) == écrits, "un fichier enregistré puis relu ne s'enregistre plus de même");
    remet_données(données, association_de_départ());
    return 0;
}
