#include "ui_common/outils.h"

#include "data/dialogues.h"
#include "data/dossiers.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <cmath>
#include <vector>

bool fonds_unis = false;
cycle_casse état_casse;

namespace {

// Screen geometry comes in device-independent pixels, the design in twips.
constexpr float twips_par_pixel = 15;

int en_pixels(float twips) { return static_cast<int>(std::lround(twips / twips_par_pixel)); }
float en_twips(int pixels) { return static_cast<float>(pixels) * twips_par_pixel; }

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
        // Other windows have their own fit; menus keep their look.
        if (!w || w->isWindow() || qobject_cast<QMenuBar*>(w))
            continue;
        contrôles.push_back(w);
        if (est_conteneur(*w))
            collecte_contrôles(*w, contrôles);
    }
}

QString en_capitales(const QString& t)
{
    QString r = t;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

QString en_minuscules(const QString& t)
{
    QString r = t;
    for (QChar& c : r)
        c = c.toLower();
    return r;
}

QString mots_capitalisés(const QString& t)
{
    QString r = t;
    for (qsizetype i = 0; i < r.size(); ++i)
        if (i == 0 || r[i - 1] == QLatin1Char(' ') || r[i - 1] == QLatin1Char('-'))
            r[i] = r[i].toUpper();
    return r;
}

template <class Lecture>
int16 indice_section(int nombre, Lecture donnée, int16 code)
{
    const int section = code / 100;
    for (int i = 0; i < nombre; ++i) {
        bool ok = false;
        const int valeur = donnée(i).toInt(&ok);
        if (ok && valeur == section)
            return static_cast<int16>(i);
    }
    MsgBox(QStringLiteral("Le code rubrique de cette proposition ne correspond pas à une classification."),
           style_boîte::information);
    return -1;
}

}  // namespace

// ---------------------------------------------------------------- screen fit
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
    if (f.inchangé() || !(f.police < 1.0f))
        return police;
    const float taille = static_cast<float>(police.taille) * f.police;
    return {QStringLiteral("Arial Narrow"), std::floor(taille) + 1, false};
}

void adapte_feuille(QWidget& feuille, float largeur_écran, float hauteur_écran)
{
    const facteurs_écran f = facteurs_pour_écran(largeur_écran, hauteur_écran);
    if (f.inchangé())
        return;
    if (!(feuille.windowState() & Qt::WindowMaximized)) {
        const cadre_twips c = taille_feuille_adaptée({0, 0, en_twips(feuille.width()), en_twips(feuille.height())},
                                                     false, f, largeur_écran, hauteur_écran);
        feuille.resize(en_pixels(c.largeur), en_pixels(c.hauteur));
    }

    std::vector<QWidget*> contrôles;
    collecte_contrôles(feuille, contrôles);
    // Children inherit their parent's font: read them all before any changes.
    std::vector<QFont> polices;
    polices.reserve(contrôles.size());
    for (const QWidget* w : contrôles)
        polices.push_back(w->font());

    for (size_t i = 0; i < contrôles.size(); ++i) {
        QWidget& w = *contrôles[i];
        if (!placé_par_parent(w)) {
            const QRect g = w.geometry();
            const cadre_twips c = cadre_contrôle_adapté(
                {en_twips(g.x()), en_twips(g.y()), en_twips(g.width()), en_twips(g.height())}, f);
            w.setGeometry(en_pixels(c.gauche), en_pixels(c.haut), en_pixels(c.largeur), en_pixels(c.hauteur));
        }
        if (f.police < 1.0f) {
            const QFont& avant = polices[i];
            const police_contrôle p = police_adaptée({avant.family(), avant.pointSizeF(), avant.bold()}, f);
            QFont après = avant;
            après.setFamily(p.nom);
            après.setBold(p.gras);
            if (p.taille > 0)
                après.setPointSizeF(p.taille);
            w.setFont(après);
        }
    }
}

void adapte_feuille_écran(QWidget& feuille)
{
    const QScreen* écran = feuille.screen() ? feuille.screen() : QGuiApplication::primaryScreen();
    if (!écran)
        return;
    const QRect g = écran->geometry();
    adapte_feuille(feuille, en_twips(g.width()), en_twips(g.height()));
}

// ---------------------------------------------------------------- background
void affiche_fond(QWidget& feuille)
{
    if (fonds_unis)
        return;
    const QPixmap image(chemin_programme(QStringLiteral("Aide/images/fond.gif")));
    if (image.isNull())
        return;
    QPalette palette = feuille.palette();
    palette.setBrush(QPalette::Window, QBrush(image));
    feuille.setPalette(palette);
    feuille.setAutoFillBackground(true);
}

// ---------------------------------------------------------------- lists
int16 indice_rubrique_liste(const QComboBox& liste, int16 code)
{
    return indice_section(liste.count(), [&](int i) { return liste.itemData(i); }, code);
}

int16 indice_rubrique_liste(const QListWidget& liste, int16 code)
{
    return indice_section(liste.count(), [&](int i) { return liste.item(i)->data(Qt::UserRole); }, code);
}

// ---------------------------------------------------------------- letter case
résultat_casse change_casse(const QString& texte_boîte, int début_sélection, int longueur_sélection,
                            const QString& texte)
{
    cycle_casse& é = état_casse;
    if (é.texte_initial.isEmpty() || en_capitales(texte_boîte) != en_capitales(é.texte_initial))
        é.texte_initial = texte;

    QString part = texte_boîte;
    int début = 0;  // 0-based
    if (longueur_sélection > 0) {
        if (début_sélection < 0 || début_sélection + longueur_sélection > texte_boîte.size())
            return {é.texte_initial, 0, 0};
        part = texte_boîte.mid(début_sélection, longueur_sélection);
        début = début_sélection;
    }
    const int longueur_prise = static_cast<int>(part.size());

    const int16 mode = é.mode;
    switch (mode) {
    case 0: part = en_capitales(part); break;
    case 1: part = en_minuscules(part); break;
    case 2: part = mots_capitalisés(part); break;
    default: break;
    }
    é.mode = mode >= 3 ? 0 : static_cast<int16>(mode + 1);

    résultat_casse r;
    r.texte = mode >= 3 ? é.texte_initial
                        : texte_boîte.left(début) + part + texte_boîte.mid(début + longueur_prise);
    r.début_sélection = début;
    r.longueur_sélection = static_cast<int>(part.size());
    return r;
}

QString change_casse(QLineEdit& zone, const QString& texte)
{
    const int longueur = static_cast<int>(zone.selectedText().size());
    const résultat_casse r = change_casse(zone.text(), longueur > 0 ? zone.selectionStart() : 0, longueur, texte);
    // Putting the text into the box clears its selection: select the changed
    // part once the caller has done so.
    QPointer<QLineEdit> garde(&zone);
    QMetaObject::invokeMethod(
        &zone,
        [garde, r] {
            if (garde && garde->text() == r.texte)
                garde->setSelection(r.début_sélection, r.longueur_sélection);
        },
        Qt::QueuedConnection);
    return r.texte;
}
