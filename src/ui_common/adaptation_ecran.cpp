#include "ui_common/adaptation_ecran.h"

#include "ui_common/grille_vue.h"
#include "ui_common/memoire_affichage.h"
#include "ui_common/outils.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The design's pixels are those of a 96 dpi screen; the screen's own are
// worth 1440 / its dots per inch.
constexpr float twips_par_pixel_conception = 15;

// What the design gave each control, kept on the control itself so that it
// goes with it.
constexpr char clé_place[] = "_trovane_place_conception";
constexpr char clé_police[] = "_trovane_police_conception";
constexpr char clé_police_posée[] = "_trovane_police_posee";
constexpr char clé_image[] = "_trovane_image_conception";
constexpr char clé_libre[] = "_trovane_place_libre";

// Widgets whose children are the window's controls; any other widget owns
// its inner parts (a list's scroll bars, a combo box's edit field).
bool est_conteneur(const QWidget& w)
{
    const QMetaObject* m = w.metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || qobject_cast<const QGroupBox*>(&w)
           || qobject_cast<const QTabWidget*>(&w) || qobject_cast<const QStackedWidget*>(&w);
}

// A layout or a tab widget places these children itself.
bool placé_par_parent(const QWidget& contrôle)
{
    const QWidget* parent = contrôle.parentWidget();
    return parent && (parent->layout() || qobject_cast<const QTabWidget*>(parent));
}

void collecte_contrôles(const QWidget& conteneur, std::vector<QWidget*>& contrôles)
{
    for (QObject* o : conteneur.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        // Other windows have their own fit.
        if (!w || w->isWindow())
            continue;
        contrôles.push_back(w);
        if (est_conteneur(*w))
            collecte_contrôles(*w, contrôles);
    }
}

bool enregistré(const QWidget& w) { return w.property(clé_place).isValid(); }

QFont police_à_l_échelle(const QFont& conception, const facteurs_écran& f)
{
    const bool en_points = conception.pointSizeF() > 0;
    const double taille = en_points ? conception.pointSizeF() : conception.pixelSize();
    const police_contrôle p = police_adaptée({conception.family(), taille, conception.bold()}, f);
    QFont r = conception;
    r.setFamily(p.nom);
    r.setBold(p.gras);
    if (p.taille > 0) {
        if (en_points)
            r.setPointSizeF(p.taille);
        else
            r.setPixelSize(static_cast<int>(std::lround(p.taille)));
    }
    return r;
}

// The design's edges scaled, so that controls that touch in the design
// still touch once rounded.
QRect à_l_échelle(const QRect& r, double fx, double fy)
{
    auto arrondi = [](double v) { return static_cast<int>(std::lround(v)); };
    const int x1 = arrondi(r.x() * fx), y1 = arrondi(r.y() * fy);
    const int x2 = arrondi((r.x() + r.width()) * fx), y2 = arrondi((r.y() + r.height()) * fy);
    return {x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)};
}

// Keeps a window's controls at its scale: the window's resizes and shows,
// the resizes of the containers that a layout places, and the font changes
// the program makes on a control once the window is built.
class placeur : public QObject {
public:
    explicit placeur(QWidget& feuille) : QObject(&feuille), feuille_(feuille)
    {
        if (QLayout* l = feuille.layout())
            l->activate();
        conception_ = feuille.size();
        feuille.installEventFilter(this);
        enregistre_nouveaux();
    }

    static placeur* de(const QWidget& feuille)
    {
        for (QObject* o : feuille.children())
            if (auto* p = dynamic_cast<placeur*>(o))
                return p;
        return nullptr;
    }

    QSize conception() const { return conception_; }
    void fixe_résolution(float twips_par_pixel) { twips_par_pixel_ = twips_par_pixel; }

    // How much the window has grown in pixels since its design.
    QSizeF rapports_pixels() const
    {
        return {conception_.width() > 0 ? double(feuille_.width()) / conception_.width() : 1.0,
                conception_.height() > 0 ? double(feuille_.height()) / conception_.height() : 1.0};
    }

    // The same in twips, what fonts in points follow: on a screen of more
    // dots per inch a point takes more pixels.
    facteurs_écran facteurs() const
    {
        const QSizeF r = rapports_pixels();
        facteurs_écran f;
        f.horizontal = float(r.width() * twips_par_pixel_ / twips_par_pixel_conception);
        f.vertical = float(r.height() * twips_par_pixel_ / twips_par_pixel_conception);
        f.police = plus_petit(f.horizontal, f.vertical);
        return f;
    }

    void applique()
    {
        const bool avant = std::exchange(en_cours_, true);
        const std::vector<QWidget*> contrôles = enregistre_nouveaux();
        const facteurs_écran f = facteurs();
        for (QWidget* c : contrôles) {
            place(*c);
            applique_police(*c, f);
        }
        en_cours_ = avant;
    }

    void place(QWidget& c) const
    {
        if (placé_par_parent(c) || c.property(clé_libre).toBool())
            return;
        const QWidget* parent = c.parentWidget();
        const QSize d = parent == &feuille_ ? conception_ : parent->property(clé_place).toRect().size();
        double fx = rapports_pixels().width(), fy = rapports_pixels().height();
        if (d.width() > 0 && d.height() > 0) {
            fx = double(parent->width()) / d.width();
            fy = double(parent->height()) / d.height();
        }
        const QRect r = à_l_échelle(c.property(clé_place).toRect(), fx, fy);
        if (c.geometry() != r)
            c.setGeometry(r);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == &feuille_) {
            if (e->type() == QEvent::Resize) {
                applique();
                cadre_connu();
            } else if (e->type() == QEvent::Move) {
                cadre_connu();
            } else if (e->type() == QEvent::Show) {
                applique();
                // Its frame is known by the time it is exposed.
                if (QWindow* fenêtre = feuille_.windowHandle())
                    fenêtre->installEventFilter(this);
                tient_dans_l_écran();
                // A window manager tells the frame's size a little later.
                QTimer::singleShot(0, this, [this] { tient_dans_l_écran(); });
            }
            return false;
        }
        if (e->type() == QEvent::Expose && o == feuille_.windowHandle()) {
            cadre_connu();
            return false;
        }
        auto* c = qobject_cast<QWidget*>(o);
        if (!c || en_cours_)
            return false;
        if (e->type() == QEvent::Resize && placé_par_parent(*c) && est_conteneur(*c)) {
            // A layout gave this container a new size: its controls follow.
            applique();
        } else if (e->type() == QEvent::FontChange && c->font() != c->property(clé_police_posée).value<QFont>()) {
            // The program chose this font in the design's terms.
            const bool avant = std::exchange(en_cours_, true);
            c->setProperty(clé_police, c->font());
            applique_police(*c, facteurs());
            en_cours_ = avant;
        }
        return false;
    }

private:
    std::vector<QWidget*> enregistre_nouveaux()
    {
        std::vector<QWidget*> contrôles;
        collecte_contrôles(feuille_, contrôles);
        // Children inherit their parent's font: read every new one before
        // any change.
        for (QWidget* c : contrôles) {
            if (enregistré(*c))
                continue;
            c->setProperty(clé_place, c->geometry());
            c->setProperty(clé_police, c->font());
            if (auto* b = qobject_cast<QAbstractButton*>(c))
                c->setProperty(clé_image, b->iconSize());
            c->installEventFilter(this);
        }
        return contrôles;
    }

    void applique_police(QWidget& c, const facteurs_écran& f) const
    {
        if (auto* barre = qobject_cast<QMenuBar*>(&c)) {
            // Menus keep the desktop's face, and grow with the window's
            // controls so that they read alike; they never shrink below it.
            QFont p = c.property(clé_police).value<QFont>();
            if (!f.inchangé() && f.police > 1)
                p = police_à_l_échelle(p, f);
            if (barre->font() != p)
                barre->setFont(p);
            for (QMenu* m : barre->findChildren<QMenu*>())
                if (m->font() != p)
                    m->setFont(p);
            c.setProperty(clé_police_posée, c.font());
            return;
        }
        if (auto* vue = dynamic_cast<vue_grille*>(&c)) {
            // The grid's fonts and sizes are its own, in points and twips.
            vue->fixe_échelle(f.inchangé() ? 1.0 : f.police);
            return;
        }
        const QFont p = police_à_l_échelle(c.property(clé_police).value<QFont>(), f);
        if (c.font() != p)
            c.setFont(p);
        c.setProperty(clé_police_posée, c.font());
        if (auto* b = qobject_cast<QAbstractButton*>(&c)) {
            const QSize image = c.property(clé_image).toSize();
            const double é = f.inchangé() ? 1.0 : f.police;
            if (image.isValid())
                b->setIconSize(QSize(int(std::lround(image.width() * é)), int(std::lround(image.height() * é))));
        }
    }

    // A window manager puts its frame around the window once it is shown,
    // and tells its size with a move or a resize: the window is fitted again
    // with it, once, and the user then places it as he likes.
    void cadre_connu()
    {
        if (feuille_.isVisible() && feuille_.frameGeometry().size() - feuille_.size() != bords_ajustés_)
            tient_dans_l_écran();
    }

    // The whole frame inside the usable part of the screen.
    void tient_dans_l_écran()
    {
        const QScreen* écran = feuille_.screen();
        if (!écran || !feuille_.isVisible() || (feuille_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            return;
        const QRect place = écran->availableGeometry();
        const QRect cadre = feuille_.frameGeometry();
        const QSize bords = cadre.size() - feuille_.size();
        bords_ajustés_ = bords;
        const QSize taille(std::min(feuille_.width(), place.width() - bords.width()),
                           std::min(feuille_.height(), place.height() - bords.height()));
        if (taille != feuille_.size())
            feuille_.resize(taille);
        const QSize tout = taille + bords;
        const int x = std::clamp(cadre.x(), place.left(), std::max(place.left(), place.right() + 1 - tout.width()));
        const int y = std::clamp(cadre.y(), place.top(), std::max(place.top(), place.bottom() + 1 - tout.height()));
        if (QPoint(x, y) != cadre.topLeft())
            feuille_.move(x, y);
    }

    QWidget& feuille_;
    QSize conception_;
    float twips_par_pixel_ = twips_par_pixel_conception;
    bool en_cours_ = false;
    // The frame's edges as the last fit knew them.
    QSize bords_ajustés_;
};

}  // namespace

// ---------------------------------------------------------------- computing
facteurs_écran facteurs_pour_écran(float largeur_écran, float hauteur_écran)
{
    facteurs_écran f;
    f.horizontal = largeur_écran / largeur_conception;
    f.vertical = hauteur_écran / hauteur_conception;
    f.police = plus_petit(f.horizontal, f.vertical);
    return f;
}

cadre_twips taille_feuille_adaptée(const cadre_twips& feuille, bool maximisée, const facteurs_écran& f,
                                   float largeur_écran, float hauteur_écran)
{
    cadre_twips r = feuille;
    if (f.inchangé() || maximisée)
        return r;
    r.largeur = plus_petit(largeur_écran, feuille.largeur * f.horizontal);
    r.hauteur = plus_petit(hauteur_écran, feuille.hauteur * f.vertical);
    return r;
}

cadre_twips cadre_contrôle_adapté(const cadre_twips& c, const facteurs_écran& f)
{
    if (f.inchangé())
        return c;
    return {c.gauche * f.horizontal, c.haut * f.vertical, c.largeur * f.horizontal, c.hauteur * f.vertical};
}

police_contrôle police_adaptée(const police_contrôle& police, const facteurs_écran& f)
{
    if (f.inchangé() || f.police == 1.0f)
        return police;
    if (f.police > 1.0f)
        return {police.nom, police.taille * f.police, police.gras};
    const float taille = static_cast<float>(police.taille) * f.police;
    return {QStringLiteral("Arial Narrow"), std::floor(taille) + 1, false};
}

// ---------------------------------------------------------------- windows
void adapte_feuille(QWidget& feuille, float largeur_écran, float hauteur_écran, float twips_par_pixel_écran)
{
    placeur* p = placeur::de(feuille);
    if (!p)
        p = new placeur(feuille);
    if (twips_par_pixel_écran <= 0)
        twips_par_pixel_écran = twips_par_pixel_conception;
    p->fixe_résolution(twips_par_pixel_écran);
    const facteurs_écran f = facteurs_pour_écran(largeur_écran, hauteur_écran);
    if (!(feuille.windowState() & Qt::WindowMaximized)) {
        // The window's size in twips, as designed or fitted, on this screen's pixels.
        const QSize d = p->conception();
        const cadre_twips conçue{0, 0, d.width() * twips_par_pixel_conception,
                                 d.height() * twips_par_pixel_conception};
        const cadre_twips c = taille_feuille_adaptée(conçue, false, f, largeur_écran, hauteur_écran);
        const auto en_pixels = [twips_par_pixel_écran](float twips) {
            return static_cast<int>(std::lround(twips / twips_par_pixel_écran));
        };
        const QSize taille(en_pixels(c.largeur), en_pixels(c.hauteur));
        if (taille != feuille.size())
            feuille.resize(taille);
    }
    p->applique();
}

void adapte_feuille_écran(QWidget& feuille)
{
    const QScreen* écran = feuille.screen() ? feuille.screen() : QGuiApplication::primaryScreen();
    if (!écran)
        return;
    const QRect g = écran->availableGeometry();
    const auto tpp = static_cast<float>(twips_par_pixel(*écran));
    adapte_feuille(feuille, static_cast<float>(g.width()) * tpp, static_cast<float>(g.height()) * tpp, tpp);
    prépare_mémoire_affichage(feuille);
}

QRect place_conception(const QWidget& contrôle)
{
    const QVariant v = contrôle.property(clé_place);
    return v.isValid() ? v.toRect() : contrôle.geometry();
}

void place_contrôle(QWidget& contrôle, const QRect& conception)
{
    const QWidget* feuille = contrôle.window();
    placeur* p = feuille ? placeur::de(*feuille) : nullptr;
    if (!p) {
        contrôle.setGeometry(conception);
        return;
    }
    if (!enregistré(contrôle))
        p->applique();  // records it, with its font
    contrôle.setProperty(clé_place, conception);
    p->place(contrôle);
}

void placé_par_la_fenêtre(QWidget& contrôle) { contrôle.setProperty(clé_libre, true); }

double échelle_polices(const QWidget& feuille)
{
    const placeur* p = placeur::de(feuille);
    if (!p)
        return 1;
    const facteurs_écran f = p->facteurs();
    return f.inchangé() ? 1.0 : f.police;
}
