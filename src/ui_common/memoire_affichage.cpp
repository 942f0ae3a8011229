#include "ui_common/memoire_affichage.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <thread>
#include <sys/mman.h>
#include <unistd.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

namespace {

// Owns the thread that fetches the pages; joins it when the window is shown
// or, destroyed unshown, as the window deletes its children (before its
// picture memory goes), then goes.
class préparation : public QObject {
public:
    préparation(QWidget& feuille, const uchar* début, qsizetype taille)
        : QObject(&feuille), fil_([début, taille] {
              const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
              const auto a = reinterpret_cast<std::uintptr_t>(début) & ~(page - 1);
              const auto b = reinterpret_cast<std::uintptr_t>(début) + static_cast<std::uintptr_t>(taille);
              // In steps, so that the window's own allocations never wait
              // long for the memory map. Pages already there, or a system
              // that cannot: the first paint fetches them as it would have.
              const std::uintptr_t pas = 32 * page;
              for (std::uintptr_t p = a; p < b; p += pas)
                  if (madvise(reinterpret_cast<void*>(p), std::min(pas, b - p), MADV_POPULATE_WRITE) != 0)
                      break;
          })
    {
        feuille.installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            fil_.join();
            o->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::jthread fil_;  // joined, if it was not yet, when the object goes
};

// The window made without being shown, as showing it would. Not through
// winId(): that marks the window native, and with it every control of the
// window it stands over.
struct création : QWidget {
    static void crée(QWidget& feuille) { (feuille.*&création::create)(0, true, true); }
};

}  // namespace

void prépare_mémoire_affichage(QWidget& feuille)
{
    if (!feuille.isWindow() || feuille.isVisible() || feuille.size().isEmpty())
        return;
    // At start-up the program has more to do than to wait for the first
    // window: the fetching would only slow its reading of the data down.
    const QWidgetList fenêtres = QApplication::topLevelWidgets();
    if (std::none_of(fenêtres.begin(), fenêtres.end(), [&](const QWidget* w) { return w != &feuille && w->isVisible(); }))
        return;
    création::crée(feuille);  // the window and its picture memory exist from now on
    QBackingStore* mémoire = feuille.backingStore();
    if (!mémoire)
        return;
    const QSize taille = feuille.size() * feuille.devicePixelRatioF();
    mémoire->resize(feuille.size());
    auto* image = dynamic_cast<QImage*>(mémoire->paintDevice());
    if (!image || image->isNull() || image->size() != taille)
        return;
    new préparation(feuille, image->constBits(), image->sizeInBytes());
}
