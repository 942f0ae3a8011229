#pragma once
// Makes the system calls of the safe file write fail on demand, as a full
// disk, a failing disk or a share that drops would: the n-th call of a kind
// fails with a chosen error code, writes can be cut short, and the unnamed
// temporary files can be made unavailable. Counts every call, so that a test
// can first run a write cleanly, then make each of its steps fail in turn.
#include "data/fichiers.h"

#include <array>

enum class appel_fichier { ouvre, écrit, synchronise, ferme, lie, renomme, efface, synchronise_dossier };
inline constexpr int nombre_appels_fichier = 8;
inline constexpr std::array<appel_fichier, nombre_appels_fichier> tous_les_appels_fichier = {
    appel_fichier::ouvre, appel_fichier::écrit,   appel_fichier::synchronise, appel_fichier::ferme,
    appel_fichier::lie,   appel_fichier::renomme, appel_fichier::efface,      appel_fichier::synchronise_dossier};
const char* nom_appel(appel_fichier a);

// Installed for its lifetime; one at a time.
class pannes_fichiers {
public:
    pannes_fichiers();
    ~pannes_fichiers();
    pannes_fichiers(const pannes_fichiers&) = delete;
    pannes_fichiers& operator=(const pannes_fichiers&) = delete;

    // The n-th call (from 1, counted from now) of kind a fails with code;
    // every other call goes to the system.
    void fait_échouer(appel_fichier a, int n, int code);
    // Each write hands over at most this many bytes (0: no limit).
    void écritures_courtes(size_t octets) { écriture_maxi_ = octets; }
    // The file system refuses unnamed temporary files (O_TMPFILE).
    void sans_fichiers_anonymes(bool oui) { sans_anonymes_ = oui; }
    // Every file creation is refused (EROFS), as on a read-only disk or folder.
    void lecture_seule(bool oui) { lecture_seule_ = oui; }
    int appels(appel_fichier a) const { return compte_[static_cast<int>(a)]; }
    void remet_à_zéro();

private:
    friend struct appels_piégés;
    bool échoue(appel_fichier a);

    std::array<int, nombre_appels_fichier> compte_{};
    appel_fichier panne_ = appel_fichier::ouvre;
    int panne_n_ = 0;
    int code_ = 0;
    size_t écriture_maxi_ = 0;
    bool sans_anonymes_ = false;
    bool lecture_seule_ = false;
    appels_fichiers appels_{};
};
