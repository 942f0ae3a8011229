#include "support/pannes_fichiers.h"

#include <cerrno>
#include <fcntl.h>

namespace {
pannes_fichiers* actif = nullptr;
}

const char* nom_appel(appel_fichier a)
{
    static const char* noms[] = {"open", "write", "fdatasync", "close", "linkat", "rename", "unlink", "fsync"};
    return noms[static_cast<int>(a)];
}

struct appels_piégés {
    static bool échoue(appel_fichier a) { return actif && actif->échoue(a); }
    static int ouvre(const char* chemin, int options, mode_t droits)
    {
        if ((options & O_TMPFILE) == O_TMPFILE && actif && actif->sans_anonymes_) {
            errno = EOPNOTSUPP;
            return -1;
        }
        const bool crée = (options & O_CREAT) || (options & O_TMPFILE) == O_TMPFILE;
        if (crée && actif && actif->lecture_seule_) {
            errno = EROFS;
            return -1;
        }
        return échoue(appel_fichier::ouvre) ? -1 : appels_système().ouvre(chemin, options, droits);
    }
    static ssize_t écrit(int fd, const void* octets, size_t taille)
    {
        if (échoue(appel_fichier::écrit))
            return -1;
        if (actif && actif->écriture_maxi_ && taille > actif->écriture_maxi_)
            taille = actif->écriture_maxi_;
        return appels_système().écrit(fd, octets, taille);
    }
    static int synchronise(int fd)
    {
        return échoue(appel_fichier::synchronise) ? -1 : appels_système().synchronise(fd);
    }
    static int ferme(int fd)
    {
        if (échoue(appel_fichier::ferme)) {
            appels_système().ferme(fd);  // as the system does: the handle is gone all the same
            errno = actif->code_;
            return -1;
        }
        return appels_système().ferme(fd);
    }
    static int lie(int ds, const char* s, int dc, const char* c, int o)
    {
        return échoue(appel_fichier::lie) ? -1 : appels_système().lie(ds, s, dc, c, o);
    }
    static int renomme(const char* s, const char* c)
    {
        return échoue(appel_fichier::renomme) ? -1 : appels_système().renomme(s, c);
    }
    static int efface(const char* c) { return échoue(appel_fichier::efface) ? -1 : appels_système().efface(c); }
    static int synchronise_dossier(int fd)
    {
        return échoue(appel_fichier::synchronise_dossier) ? -1 : appels_système().synchronise_dossier(fd);
    }
};

pannes_fichiers::pannes_fichiers()
{
    appels_ = {appels_piégés::ouvre, appels_piégés::écrit,   appels_piégés::synchronise,
               appels_piégés::ferme, appels_piégés::lie,     appels_piégés::renomme,
               appels_piégés::efface, appels_piégés::synchronise_dossier};
    actif = this;
    installe_appels_fichiers(&appels_);
}

pannes_fichiers::~pannes_fichiers()
{
    installe_appels_fichiers(nullptr);
    actif = nullptr;
}

void pannes_fichiers::fait_échouer(appel_fichier a, int n, int code)
{
    remet_à_zéro();
    panne_ = a;
    panne_n_ = n;
    code_ = code;
}

void pannes_fichiers::remet_à_zéro()
{
    compte_ = {};
    panne_n_ = 0;
}

bool pannes_fichiers::échoue(appel_fichier a)
{
    const int n = ++compte_[static_cast<int>(a)];
    if (panne_n_ == 0 || a != panne_ || n != panne_n_)
        return false;
    errno = code_;
    return true;
}
