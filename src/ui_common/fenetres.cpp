#include "ui_common/fenetres.h"

#include "ui_common/controles.h"
#include "ui_common/placement_fenetres.h"
#include "ui_common/principale.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QEventLoop>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

struct état_fenêtres {
    QHash<QString, fabrique_fenêtre> fabriques;
    QHash<QString, fenêtre_programme*> par_nom;
    std::vector<fenêtre_programme*> ordre_chargement;
    fenêtre_programme* active = nullptr;
};

état_fenêtres& état()
{
    static état_fenêtres e;
    return e;
}

// Ends the wait of a modal window once it is hidden (closing hides too).
class fin_attente : public QObject {
public:
    explicit fin_attente(QEventLoop& boucle) : boucle_(boucle) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            boucle_.quit();
        return false;
    }

private:
    QEventLoop& boucle_;
};

bool dans_une_zone_défilante(const QWidget& w, const QWidget& fenêtre)
{
    for (const QWidget* p = &w; p && p != &fenêtre; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

// What the main window shows that must not show half covered: its buttons,
// labels with a text, frames and menu titles, on the screen. Its grid and
// its picture are content, of which a part may show.
std::vector<QRect> contrôles_montrés(const QWidget& principale)
{
    std::vector<QRect> r;
    const auto sur_l_écran = [](const QWidget& w, const QRect& rect) {
        return QRect(w.mapToGlobal(rect.topLeft()), rect.size());
    };
    for (const QWidget* c : principale.findChildren<QWidget*>()) {
        if (!c->isVisible() || c->window() != &principale || dans_une_zone_défilante(*c, principale))
            continue;
        const auto* étiquette = qobject_cast<const QLabel*>(c);
        const auto* cadre = qobject_cast<const QFrame*>(c);
        const bool montré = qobject_cast<const QAbstractButton*>(c) || qobject_cast<const QGroupBox*>(c) ||
                            (étiquette && !étiquette->text().isEmpty()) ||
                            (!étiquette && cadre && cadre->frameShape() != QFrame::NoFrame);
        if (montré)
            r.push_back(sur_l_écran(*c, c->rect()));
    }
    for (const QMenuBar* barre : principale.findChildren<QMenuBar*>())
        if (barre->isVisible() && barre->window() == &principale)
            for (QAction* a : barre->actions())
                if (a->isVisible() && !barre->actionGeometry(a).isEmpty())
                    r.push_back(sur_l_écran(*barre, barre->actionGeometry(a)));
    return r;
}

// The frame's edges, which a window manager tells once it has framed the
// window.
QSize bords_du_cadre(const QWidget& w) { return w.frameGeometry().size() - w.size(); }

// The window's frame where none of the main window's controls shows half
// covered.
void place_par_rapport_à(QWidget& w, const QWidget& principale)
{
    if (w.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen* écran = principale.screen();
    if (!écran)
        return;
    const QSize bords = bords_du_cadre(w);
    const QRect cadre =
        place_fenêtre_travail(w.frameGeometry().size(), écran->availableGeometry(), contrôles_montrés(principale));
    w.resize(cadre.size() - bords);
    w.move(cadre.topLeft());
}

// Places the window once more when its frame becomes known: placed before,
// its frame was taken for the window alone.
class placement_au_cadre : public QObject {
public:
    explicit placement_au_cadre(QWidget& w) : QObject(&w), w_(w), bords_(bords_du_cadre(w))
    {
        w.installEventFilter(this);
        if (QWindow* fenêtre = w.windowHandle())
            fenêtre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        const bool peut_dire = e->type() == QEvent::Expose || e->type() == QEvent::Move || e->type() == QEvent::Resize;
        if (!peut_dire || fait_ || !w_.isVisible() || bords_du_cadre(w_) == bords_ || bords_du_cadre(w_).isEmpty())
            return false;
        fait_ = true;
        // After the window's own fit to the screen, which the same news starts.
        QTimer::singleShot(0, this, [this] {
            if (const QWidget* principale = fenêtre_principale_ouverte(); principale && principale->isVisible())
                place_par_rapport_à(w_, *principale);
            deleteLater();
        });
        return false;
    }

private:
    QWidget& w_;
    const QSize bords_;
    bool fait_ = false;
};

// A work window shown for the first time opens over the main window where
// none of the main window's controls shows half covered; shown again, it
// keeps its place.
void place_sur_la_principale(QWidget& w)
{
    const QWidget* principale = fenêtre_principale_ouverte();
    if (!principale || principale == &w || !principale->isVisible() || !w.isWindow() ||
        w.property("_trovane_placée").toBool())
        return;
    w.setProperty("_trovane_placée", true);
    place_par_rapport_à(w, *principale);
    if (bords_du_cadre(w).isNull())
        new placement_au_cadre(w);
}

}  // namespace

fenêtre_programme::fenêtre_programme() { état().ordre_chargement.push_back(this); }

fenêtre_programme::~fenêtre_programme()
{
    auto& e = état();
    std::erase(e.ordre_chargement, this);
    if (e.active == this)
        e.active = nullptr;
    for (auto it = e.par_nom.begin(); it != e.par_nom.end();)
        it = it.value() == this ? e.par_nom.erase(it) : std::next(it);
}

void fenêtre_programme::Form_QueryUnload(bool&) {}
void fenêtre_programme::Form_Activate() {}
void fenêtre_programme::Form_Deactivate() {}
bool fenêtre_programme::valide_avant_chargement() { return true; }

bool fenêtre_programme::joue_fermeture()
{
    if (fermée_)
        return true;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel)
        return false;
    fermée_ = true;
    if (état().active == this)
        état().active = nullptr;
    return true;
}

void fenêtre_programme::joue_activation()
{
    auto& e = état();
    if (fermée_ || e.active == this)
        return;
    fenêtre_programme* précédente = e.active;
    e.active = this;
    if (précédente && !précédente->fermée_)
        précédente->Form_Deactivate();
    Form_Activate();
}

void fenêtre_modale::done(int résultat)
{
    setResult(résultat);
    if (!close())
        return;
    Q_EMIT finished(résultat);
    if (résultat == Accepted)
        Q_EMIT accepted();
    else if (résultat == Rejected)
        Q_EMIT rejected();
}

bool fenêtre_enregistrée(const QString& nom) { return état().fabriques.contains(nom); }

QStringList fenêtres_enregistrées()
{
    QStringList noms = état().fabriques.keys();
    noms.sort();
    return noms;
}

void enregistre_fenêtre(const QString& nom, fabrique_fenêtre fabrique)
{
    état().fabriques.insert(nom, std::move(fabrique));
}

fenêtre_programme* fenêtre_chargée(const QString& nom)
{
    fenêtre_programme* f = état().par_nom.value(nom, nullptr);
    return f && !f->fermée() ? f : nullptr;
}

fenêtre_programme* charge_fenêtre(const QString& nom)
{
    if (fenêtre_programme* f = fenêtre_chargée(nom))
        return f;
    const auto fabrique = état().fabriques.value(nom);
    if (!fabrique)
        return nullptr;
    fenêtre_programme* f = fabrique();
    if (!f)
        return nullptr;
    f->feuille().setAttribute(Qt::WA_DeleteOnClose);
    f->feuille().setObjectName(nom);
    état().par_nom.insert(nom, f);
    return f;
}

fenêtre_programme* montre_fenêtre(const QString& nom)
{
    fenêtre_programme* f = charge_fenêtre(nom);
    if (!f)
        return nullptr;
    QWidget& w = f->feuille();
    w.show();
    w.raise();
    w.activateWindow();
    return f;
}

void montre_modale(fenêtre_programme& f)
{
    QWidget& w = f.feuille();
    if (auto* boîte = qobject_cast<QDialog*>(&w)) {
        boîte->exec();
        return;
    }
    if (w.isVisible())
        w.hide();
    w.setWindowModality(Qt::ApplicationModal);
    QPointer<QWidget> garde(&w);
    QEventLoop boucle;
    fin_attente fin(boucle);
    w.installEventFilter(&fin);
    QObject::connect(&w, &QObject::destroyed, &boucle, &QEventLoop::quit);
    w.show();
    w.raise();
    w.activateWindow();
    boucle.exec();
    if (garde) {
        garde->removeEventFilter(&fin);
        garde->setWindowModality(Qt::NonModal);
    }
}

bool décharge_fenêtre(const QString& nom)
{
    fenêtre_programme* f = fenêtre_chargée(nom);
    return !f || f->feuille().close();
}

std::vector<fenêtre_programme*> fenêtres_chargées()
{
    std::vector<fenêtre_programme*> r;
    for (fenêtre_programme* f : état().ordre_chargement)
        if (!f->fermée())
            r.push_back(f);
    return r;
}

namespace {

// Closes, from the last loaded to the first, every window that reste() does
// not keep; stops at a window that refuses.
bool ferme_sauf(const std::function<bool(fenêtre_programme*)>& reste)
{
    // A closing handler may close or open other windows: look the list up
    // again after each one.
    std::vector<const fenêtre_programme*> essayées;
    for (;;) {
        const auto& ordre = état().ordre_chargement;
        auto suivante = std::find_if(ordre.rbegin(), ordre.rend(), [&](fenêtre_programme* f) {
            return !reste(f) && !f->fermée() && std::find(essayées.begin(), essayées.end(), f) == essayées.end();
        });
        if (suivante == ordre.rend())
            return true;
        fenêtre_programme* f = *suivante;
        essayées.push_back(f);
        if (!f->feuille().close())
            return false;
    }
}

}  // namespace

bool ferme_fenêtres(const fenêtre_programme* sauf)
{
    return ferme_sauf([sauf](fenêtre_programme* f) { return f == sauf; });
}

bool libère_fenêtres_avant_chargement(const fenêtre_programme* sauf)
{
    // The load is made from the main window, a dialog box or sauf; every
    // window shown modal is a dialog box of the program.
    const auto reste = [sauf](fenêtre_programme* f) {
        QWidget& w = f->feuille();
        return f == sauf || &w == fenêtre_principale_ouverte() || w.isModal() || qobject_cast<QDialog*>(&w);
    };
    for (fenêtre_programme* f : fenêtres_chargées())
        if (!reste(f) && !f->valide_avant_chargement())
            return false;
    return ferme_sauf(reste);
}

void fenêtre_programme::montrée()
{
    fermée_ = false;
    // Whatever the window lets the user type reaches the data file.
    protège_saisies(feuille());
    place_sur_la_principale(feuille());
}
