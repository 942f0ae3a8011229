#include "catalogue/f_apercu.h"

#include "catalogue/impression_catalogue.h"
#include "catalogue/mesures.h"
#include "data/modele.h"
#include "ui_common/controles.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/symboles.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace {

// The window is laid out in twips on a 96 dpi screen: 15 twips a pixel, the
// scale of the preview picture too.
constexpr double twips_pixel = 15;
constexpr double points_par_pouce_aperçu = 96;

int px(double twips) { return static_cast<int>(std::lround(twips / twips_pixel)); }
int twips(int pixels) { return static_cast<int>(std::lround(pixels * twips_pixel)); }


QIcon icône_wingdings(int code, const QColor& couleur)
{
    const QString glyphe = glyphe_wingdings(code);
    return icône_symbole(glyphe, couleur);
}

// The printer's sheet in twips, upright.
QSizeF feuille_imprimante()
{
    return imprimante().pageLayout().pageSize().size(QPageSize::Millimeter) * (twips_par_pouce / 25.4);
}


}  // namespace

f_aperçu::f_aperçu(QWidget* parent)
    : fenêtre_principale(parent),
      imprimante_(imprimante()),
      parcours_({[this](const vue_aperçu& v) { montre(v); }, [this](const vue_aperçu& v) { imprime_vue(v); }})
{
    if (parent)
        setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Trovane aperçu"));
    // Nothing else of the program takes a click while the preview is open.
    setWindowModality(Qt::ApplicationModal);
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    crée_contrôles();
    resize(800, 600);
    Form_Load();
    setWindowState(Qt::WindowMaximized);
    annule_aperçu = [this] { bt_annuler_Click(); };
}

f_aperçu::~f_aperçu()
{
    annule_aperçu = nullptr;
}

void f_aperçu::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);

    aperçu = new QLabel(centre);
    aperçu->setObjectName(QStringLiteral("aperçu"));
    aperçu->setFrameShape(QFrame::Box);
    aperçu->setAutoFillBackground(true);
    aperçu_zoom = new QLabel(centre);
    aperçu_zoom->setObjectName(QStringLiteral("aperçu_zoom"));
    aperçu_zoom->setFrameShape(QFrame::Box);

    cadre = new QFrame(centre);
    cadre->setObjectName(QStringLiteral("cadre"));
    cadre->setFrameShape(QFrame::Panel);
    cadre->setFrameShadow(QFrame::Raised);
    cadre->setAutoFillBackground(true);
    cadre->setGeometry(0, 0, 800, 48);

    Frame1 = new QFrame(cadre);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(4, 3, 140, 42);
    auto* types = new QButtonGroup(this);
    const char* const textes_types[] = {"page à page", "comme impression"};
    const char* const bulles_types[] = {"fait défiler les pages dans l'ordre",
                                        "fait défiler les pages prêtes à être assemblées"};
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(textes_types[i]), Frame1);
        o->setObjectName(QStringLiteral("ob_typ_ap_%1").arg(i));
        o->setToolTip(QString::fromUtf8(bulles_types[i]));
        o->setGeometry(6, 2 + 19 * i, 130, 18);
        types->addButton(o, i);
        ob_typ_ap[static_cast<std::size_t>(i)] = o;
    }
    connect(types, &QButtonGroup::idClicked, this, [this](int i) { ob_typ_ap_Click(i); });

    auto bouton = [this](const QString& nom, const QRect& r, const QIcon& image, const QString& bulle,
                         void (f_aperçu::*clic)()) {
        auto* b = new QPushButton(cadre);
        b->setObjectName(nom);
        b->setGeometry(r);
        b->setIcon(image);
        b->setIconSize(QSize(26, 26));
        b->setToolTip(bulle);
        connect(b, &QPushButton::clicked, this, [this, clic] { (this->*clic)(); });
        return b;
    };
    const QColor bleu(0, 0, 128);
    bt_précédent = bouton(QStringLiteral("bt_précédent"), {152, 5, 38, 38}, icône_wingdings(215, bleu), {},
                          &f_aperçu::bt_précédent_Click);
    bt_suivant = bouton(QStringLiteral("bt_suivant"), {192, 5, 38, 38}, icône_wingdings(216, bleu), {},
                        &f_aperçu::bt_suivant_Click);
    bt_imprimer_page = bouton(QStringLiteral("bt_imprimer_page"), {242, 5, 38, 38}, icône_symbole(U'\U0001F5B6', bleu),
                              QStringLiteral("Imprime la page  en cours"), &f_aperçu::bt_imprimer_page_Click);
    bt_imprimer = bouton(QStringLiteral("bt_imprimer"), {282, 5, 38, 38}, icône_symbole(U'\U0001F5A8', bleu),
                         QStringLiteral("Imprime le catalogue"), &f_aperçu::bt_imprimer_Click);
    bt_annuler = bouton(QStringLiteral("bt_annuler"), {332, 5, 38, 38}, icône_symbole(U'\u2B8C', QColor(128, 0, 0)),
                        QStringLiteral("retour page précédente"), &f_aperçu::bt_annuler_Click);

    auto* zooms = new QButtonGroup(this);
    const char* const textes_zoom[] = {"1/1", "ajuster"};
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(textes_zoom[i]), cadre);
        o->setObjectName(QStringLiteral("ob_zoom_%1").arg(i));
        o->setGeometry(382, 5 + 19 * i, 70, 18);
        zooms->addButton(o, i);
        ob_zoom[static_cast<std::size_t>(i)] = o;
    }
    ob_zoom[0]->setChecked(true);
    connect(zooms, &QButtonGroup::idClicked, this, [this](int i) { ob_zoom_Click(i); });

    lbl_pd = new QLabel(cadre);
    lbl_pd->setObjectName(QStringLiteral("lbl_pd"));
    lbl_pd->setGeometry(458, 12, 90, 24);
    lbl_pd->setAlignment(Qt::AlignCenter);
    lbl_pd->setFrameShape(QFrame::Panel);
    lbl_pd->setFrameShadow(QFrame::Sunken);
    QFont gras = lbl_pd->font();
    gras.setPointSizeF(10);
    gras.setBold(true);
    lbl_pd->setFont(gras);

    HS = new QScrollBar(Qt::Horizontal, cadre);
    HS->setObjectName(QStringLiteral("HS"));
    HS->setGeometry(560, 15, 230, 18);
    VS = new QScrollBar(Qt::Vertical, centre);
    VS->setObjectName(QStringLiteral("VS"));
    VS->setGeometry(780, 48, 18, 500);
    connect(HS, &QScrollBar::valueChanged, this, [this] { HS_Change(); });
    connect(VS, &QScrollBar::valueChanged, this, [this] { VS_Change(); });

    QMenu* aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    sommaire_aide = aide->addAction(QStringLiteral("Sommaire de l'aide"), this, [this] { sommaire_aide_Click(); });
    sommaire_aide->setObjectName(QStringLiteral("sommaire_aide"));
}

// ---------------------------------------------------------------- loading and layout

void f_aperçu::Form_Load()
{
    // The page and the scroll bar along the right edge follow the window's
    // room and the scrolling; the tool bar scales with the window.
    for (QWidget* w : std::initializer_list<QWidget*>{aperçu, aperçu_zoom, VS})
        placé_par_la_fenêtre(*w);
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);

    // The picture is the printer's whole sheet, at the screen's real size.
    surface_ = std::make_unique<surface_aperçu>(feuille_imprimante(), points_par_pouce_aperçu);
    surface_->setOrientation(imprimante_.Orientation());
    const QSize taille = surface_->image().size();
    aperçu->resize(taille);
    aperçu_zoom->hide();
    aperçu->move(aperçu->x(), cadre->y() + cadre->height() + px(100));

    const int haut_cadre = twips(cadre->y()), bas_cadre = twips(cadre->y() + cadre->height());
    place_barres();
    const int largeur_image = twips(taille.width()), hauteur_image = twips(taille.height());
    VS->setMaximum(2 * (haut_cadre + 100) + hauteur_image);
    HS->setMaximum(static_cast<int>(std::lround(largeur_image / 2.0)));
    HS->setMinimum(-300);
    VS->setMinimum(-(bas_cadre + 300));
    HS->setValue(HS->minimum());
    VS->setValue(VS->minimum());
    HS_Change();
    VS_Change();
    HS->setPageStep(1000);
    VS->setPageStep(1000);
    cadre->raise();
    VS->raise();
}

void f_aperçu::Form_Resize()
{
    if (!surface_)
        return;
    place_barres();
    taille_zoom();
    montre_image();
}

// The window stands maximised: what the screen gives it is the room of the
// scroll bars and of the fitted picture.
void f_aperçu::place_barres()
{
    VS->setGeometry(centralWidget()->width() - VS->width(), cadre->y() + cadre->height(), VS->width(),
                    std::max(px(600), centralWidget()->height() - cadre->height()));
}

void f_aperçu::taille_zoom()
{
    const int haut = std::max(twips(100), twips(centralWidget()->height() - cadre->height()) - 800);
    const double rapport = imprimante_.Width() / std::max(1.0, imprimante_.Height());
    aperçu_zoom->resize(std::max(1, px(rapport * haut)), px(haut));
}

void f_aperçu::resizeEvent(QResizeEvent* e)
{
    fenêtre_principale::resizeEvent(e);
    Form_Resize();
}

void f_aperçu::HS_Change()
{
    const int x = px(-HS->value());
    aperçu->move(x, aperçu->y());
    aperçu_zoom->move(x, aperçu_zoom->y());
    bt_suivant->setFocus();
}

void f_aperçu::VS_Change()
{
    const int y = px(-VS->value());
    aperçu->move(aperçu->x(), y);
    aperçu_zoom->move(aperçu_zoom->x(), y);
    bt_suivant->setFocus();
}

void f_aperçu::ob_zoom_Click(int index)
{
    if (index == 0) {
        aperçu_zoom->hide();
        aperçu->show();
    } else if (index == 1) {
        aperçu_zoom->show();
        aperçu->hide();
        VS->setValue(VS->minimum());
    }
}

// ---------------------------------------------------------------- viewing

void f_aperçu::Form_Activate()
{
    // The first view may have to ask about the title page: it is drawn once
    // the activation is over.
    QTimer::singleShot(0, this, [this] {
        if (fermée())
            return;
        surface_->KillDoc();
        montre_image();
        VS->setMinimum(-(twips(cadre->y() + cadre->height()) + 100));
        ob_typ_ap_Click(1);
    });
}

void f_aperçu::ob_typ_ap_Click(int index)
{
    if (index == 0 || index == 1)
        ob_typ_ap[static_cast<std::size_t>(index)]->setChecked(true);
    // A run under way ends; this one takes its place.
    entre();
    taille_zoom();
    parcours_.démarre(index);
    sort();
}

void f_aperçu::montre(const vue_aperçu& vue)
{
    cible_page cible = cible_aperçu(*surface_, imprimante_);
    dessine_vue(cible, gg(), vue);
    lbl_pd->setText(vue.étiquette);
    montre_image();
}

void f_aperçu::montre_image()
{
    const QImage& image = surface_->image();
    aperçu->setPixmap(QPixmap::fromImage(image));
    aperçu_zoom->setPixmap(QPixmap::fromImage(
        image.scaled(aperçu_zoom->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void f_aperçu::poste(const QString& commande)
{
    commande_aperçu = commande;
    entre();
    parcours_.commande(commande);
    sort();
}

void f_aperçu::bt_suivant_Click() { poste(QStringLiteral("suivant")); }

void f_aperçu::bt_précédent_Click() { poste(QStringLiteral("précédent")); }

void f_aperçu::bt_imprimer_page_Click() { poste(QStringLiteral("imprimer")); }

void f_aperçu::bt_annuler_Click()
{
    poste(QStringLiteral("annuler"));
    close();
}

// ---------------------------------------------------------------- printing

void f_aperçu::imprime_vue(const vue_aperçu& vue)
{
    entre();
    surface_imprimante papier(imprimante());
    imprime_une_face(papier, gg(), vue.face);
    sort();
}

void f_aperçu::bt_imprimer_Click()
{
    entre();
    surface_imprimante papier(imprimante());
    imprime_catalogue(papier, gg(), ob_typ_ap[0]->isChecked(), !imprime_dans_un_fichier(imprimante()));
    sort();
}

// ---------------------------------------------------------------- closing

void f_aperçu::entre() { ++occupé_; }

void f_aperçu::sort()
{
    if (--occupé_ == 0 && détruire_après_)
        deleteLater();
}

void f_aperçu::Form_QueryUnload(bool& cancel)
{
    cancel = false;
    poste(QStringLiteral("annuler"));
    hide();
    montre_fenêtre(noms_fenêtres::catalogue);
    // A handler of this window still at work (a box, a print) ends first.
    if (occupé_ > 0) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        détruire_après_ = true;
    }
}

void f_aperçu::sommaire_aide_Click() { ouvre_aide(QStringLiteral("index")); }
