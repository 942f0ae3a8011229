#include "classification/f_rubriques.h"

#include "classification/classement.h"
#include "classification/fenetres_classification.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/controles.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

namespace t = textes_f_rubriques;

namespace {

const QString ajouter = QStringLiteral("Ajouter");
const QString valider = QStringLiteral("Valider");
const QString supprimer = QStringLiteral("Supprimer");
const QString annuler = QStringLiteral("Annuler");

const QString texte_info = QStringLiteral(
    "Quand vous tapez un code rubrique (entre 100 et 4999), Trovane cherche les rubriques et sous-rubriques "
    "correspondantes.\r\nIl vous propose de les créer si elles n'existent pas.\r\nTapez le code rubrique avant "
    "de cliquer [ajouter] si vous désirez ajouter un code particulier.\r\nSi vous cliquez sur  [Ajouter] sans "
    "taper de code rubrique, Trovane attribue le premier code disponible.");
const QString casse = QStringLiteral("[maj] + F3 change la casse ");

// The main grid shows the classification again.
void rafraîchit_grille() { clique_op(2); }

int donnée(const QListWidgetItem* item) { return item ? item->data(Qt::UserRole).toInt() : 0; }

int ligne_de(const QListWidget& liste, int donnée_cherchée)
{
    for (int i = 0; i < liste.count(); ++i)
        if (donnée(liste.item(i)) == donnée_cherchée)
            return i;
    return -1;
}

void ajoute_item(QListWidget& liste, const QString& texte, int valeur)
{
    auto* item = new QListWidgetItem(texte, &liste);
    item->setData(Qt::UserRole, valeur);
}

// Item data of the selected items, in list order.
std::vector<int> sélectionnés(const QListWidget& liste)
{
    std::vector<int> r;
    for (int i = 0; i < liste.count(); ++i)
        if (liste.item(i)->isSelected())
            r.push_back(donnée(liste.item(i)));
    return r;
}


bool est_entrée(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

}  // namespace

f_rubriques::f_rubriques(QWidget* parent) : fenêtre_principale(parent)
{
    if (parent)
        setWindowFlag(Qt::Window);
    setWindowTitle(t::titre);
    crée_contrôles();
    crée_menus();
    adapte_feuille_écran(*this);
    affiche_fond(*this);
    if (données.mode_grille != QLatin1String("rubriques"))
        rafraîchit_grille();
    charge();
    // A name or an image changed, however: its "Modifier" can store it.
    saisie_rubrique_.suit({ctt_rubrique, txt_nom_image}, [this] { bt_modifier->setEnabled(!ajout_rubrique_); });
    saisie_sous_rubrique_.suit({ctt_sous_rubrique},
                               [this] { bt_modifier_sous_rubriques->setEnabled(!ajout_sous_rubrique_); });
}

void f_rubriques::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    resize(680, 470);

    auto étiquette = [&](const QString& nom, const QString& texte, int x, int y, int l) {
        auto* e = new QLabel(texte, centre);
        e->setObjectName(nom);
        e->setGeometry(x, y, l, 18);
        return e;
    };
    auto zone = [&](const QString& nom, int x, int y, int l) {
        auto* z = new QLineEdit(centre);
        z->setObjectName(nom);
        z->setGeometry(x, y, l, 24);
        z->installEventFilter(this);
        return z;
    };
    auto bouton = [&](const QString& nom, const QString& texte, int x, int y, void (f_rubriques::*clic)()) {
        auto* b = new QPushButton(texte, centre);
        b->setObjectName(nom);
        b->setGeometry(x, y, 76, 26);
        QObject::connect(b, &QPushButton::clicked, this, [this, clic] { (this->*clic)(); });
        return b;
    };
    auto liste = [&](const QString& nom, int x) {
        auto* l = new QListWidget(centre);
        l->setObjectName(nom);
        l->setGeometry(x, 98, 320, 180);
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
        l->installEventFilter(this);
        return l;
    };

    étiquette(QStringLiteral("Label2"), QStringLiteral("Code"), 15, 8, 90);
    ctt_code_rubrique = zone(QStringLiteral("ctt_code_rubrique"), 15, 28, 90);
    info = new QLabel(texte_info, centre);
    info->setObjectName(QStringLiteral("info"));
    info->setWordWrap(true);
    info->setGeometry(120, 4, 545, 88);
    QFont petite = info->font();
    petite.setPointSizeF(petite.pointSizeF() * 0.85);
    info->setFont(petite);

    cb_rub1 = liste(QStringLiteral("cb_rub1"), 15);
    cb_rub2 = liste(QStringLiteral("cb_rub2"), 345);
    QObject::connect(cb_rub1, &QListWidget::currentRowChanged, this, [this] { cb_rub1_Click(); });
    QObject::connect(cb_rub1, &QListWidget::itemClicked, this, [this] { cb_rub1_Click(); });
    QObject::connect(cb_rub1, &QListWidget::itemDoubleClicked, this, [this] { cb_rub1_DblClick(); });
    QObject::connect(cb_rub2, &QListWidget::currentRowChanged, this, [this] { cb_rub2_Click(); });
    QObject::connect(cb_rub2, &QListWidget::itemClicked, this, [this] { cb_rub2_Click(); });
    QObject::connect(cb_rub2, &QListWidget::itemDoubleClicked, this, [this] { cb_rub2_DblClick(); });

    étiquette(QStringLiteral("Label1"), QStringLiteral("Description de la rubrique"), 15, 284, 320);
    ctt_rubrique = zone(QStringLiteral("ctt_rubrique"), 15, 302, 320);
    ctt_rubrique->setToolTip(casse);
    étiquette(QStringLiteral("Label1"), QStringLiteral("Description de la sous-rubrique"), 345, 284, 320);
    ctt_sous_rubrique = zone(QStringLiteral("ctt_sous_rubrique"), 345, 302, 320);
    ctt_sous_rubrique->setToolTip(casse);

    bt_ajouter_sous_rubrique = bouton(QStringLiteral("bt_ajouter_sous_rubrique"), ajouter, 345, 334,
                                      &f_rubriques::bt_ajouter_sous_rubrique_Click);
    bt_modifier_sous_rubriques = bouton(QStringLiteral("bt_modifier_sous_rubriques"), QStringLiteral("Modifier"),
                                        426, 334, &f_rubriques::bt_modifier_sous_rubriques_Click);
    bt_permuter_sous_rubriques = bouton(QStringLiteral("bt_permuter_sous_rubriques"), QStringLiteral("Permuter"),
                                        507, 334, &f_rubriques::bt_permuter_sous_rubriques_Click);
    bt_supprimer_sous_rubriques = bouton(QStringLiteral("bt_supprimer_sous_rubriques"), supprimer, 588, 334,
                                         &f_rubriques::bt_supprimer_sous_rubriques_Click);

    étiquette(QStringLiteral("Label1"), QStringLiteral("Nom du fichier image correspondant à la rubrique"), 15,
              334, 320);
    txt_nom_image = zone(QStringLiteral("txt_nom_image"), 15, 352, 225);
    txt_nom_image->setToolTip(
        QStringLiteral("Largeur maxi en mm < largeur catalogue  * hauteur par défaut = 30 mm"));
    bt_parcourir = new QPushButton(QStringLiteral("parcourir..."), centre);
    bt_parcourir->setObjectName(QStringLiteral("bt_parcourir"));
    bt_parcourir->setGeometry(245, 351, 90, 26);
    QObject::connect(bt_parcourir, &QPushButton::clicked, this, [this] { bt_parcourir_Click(); });

    bt_ajouter_rubrique =
        bouton(QStringLiteral("bt_ajouter_rubrique"), ajouter, 15, 410, &f_rubriques::bt_ajouter_rubrique_Click);
    bt_modifier = bouton(QStringLiteral("bt_modifier"), QStringLiteral("Modifier"), 96, 410,
                         &f_rubriques::bt_modifier_Click);
    bt_permuter_rubriques = bouton(QStringLiteral("bt_permuter_rubriques"), QStringLiteral("Permuter"), 177, 410,
                                   &f_rubriques::bt_permuter_rubriques_Click);
    bt_supprimer = bouton(QStringLiteral("bt_supprimer"), supprimer, 258, 410, &f_rubriques::bt_supprimer_Click);

    bt_annuler = new QPushButton(centre);
    bt_annuler->setObjectName(QStringLiteral("bt_annuler"));
    bt_annuler->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_annuler->setGeometry(600, 400, 64, 44);
    applique_image_retour(*bt_annuler);
    QObject::connect(bt_annuler, &QPushButton::clicked, this, [this] { close(); });

    setTabOrder(ctt_code_rubrique, cb_rub1);
    setTabOrder(cb_rub1, ctt_rubrique);
    setTabOrder(ctt_rubrique, txt_nom_image);
    setTabOrder(txt_nom_image, cb_rub2);
    setTabOrder(cb_rub2, ctt_sous_rubrique);
}

void f_rubriques::crée_menus()
{
    QMenu* edition = menuBar()->addMenu(QStringLiteral("Edition"));
    edition->setObjectName(QStringLiteral("edition"));
    supp_class = edition->addAction(QStringLiteral("Supprimer toute la classification"));
    supp_class->setObjectName(QStringLiteral("supp_class"));
    QObject::connect(supp_class, &QAction::triggered, this, [this] { supp_class_Click(); });

    QMenu* aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    const std::pair<const char*, const char*> articles[] = {
        {"aide_sommaire", "Sommaire de l'aide"},
        {"aide_page", "Aide pour cette page"},
        {"tec_class", "Technique et import-export"},
    };
    const QString sujets[] = {QStringLiteral("index"), QStringLiteral("offres_demandes"),
                              QStringLiteral("techn_class")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = aide->addAction(QString::fromUtf8(articles[i].second));
        a->setObjectName(QString::fromUtf8(articles[i].first));
        const QString sujet = sujets[i];
        QObject::connect(a, &QAction::triggered, this, [sujet] { ouvre_aide(sujet); });
    }
}

// ---------------------------------------------------------------- loading and closing

void f_rubriques::charge()
{
    const auto remplissage = saisie_rubrique_.remplit();
    const auto remplissage_sous = saisie_sous_rubrique_.remplit();
    sablier attente;
    info->setText(texte_info);
    remplit_rubriques();
    // The main grid's row names the entry the user stood on.
    int ligne = -1;
    const grille& g = gg();
    if (données.mode_grille == QLatin1String("rubriques") && g.Row() >= 2 && g.Row() < g.Rows() && g.Cols() > 1)
        ligne = ligne_de(*cb_rub1, static_cast<int>(Val(g.TextMatrix(g.Row(), 1))) / 10);
    if (ligne < 0 && cb_rub1->count() > 0)
        ligne = 0;
    if (ligne >= 0) {
        rend_courante_rubrique(ligne);
    } else {
        ctt_code_rubrique->clear();
        ctt_rubrique->clear();
        txt_nom_image->clear();
        cb_rub2->clear();
        ctt_sous_rubrique->clear();
        active_boutons();
    }
    sélection_r();
}

void f_rubriques::remplit_rubriques()
{
    const QSignalBlocker bloque(cb_rub1);
    cb_rub1->clear();
    for (int n : numéros_rubriques())
        ajoute_item(*cb_rub1, données.noms_rubriques[n * 10], n);
}

void f_rubriques::Form_QueryUnload(bool&)
{
    enregistrer_fichier(fichier_courant, false);
    rafraîchit_grille();
    gg().setRedraw(true);
}

void f_rubriques::Form_Deactivate() { ajuste_nombre_rubriques(); }

bool f_rubriques::valide_avant_chargement()
{
    // A name or an image typed and not stored yet goes into the file it was
    // typed for.
    if (!ajout_rubrique_ && saisie_rubrique_.modifiée())
        bt_modifier_Click();
    if (!ajout_sous_rubrique_ && saisie_sous_rubrique_.modifiée())
        bt_modifier_sous_rubriques_Click();
    return true;
}

// ---------------------------------------------------------------- the two lists

int f_rubriques::rubrique_courante() const { return donnée(cb_rub1->currentItem()); }
int f_rubriques::chiffre_courant() const { return donnée(cb_rub2->currentItem()); }

void f_rubriques::rend_courante_rubrique(int ligne)
{
    {
        const QSignalBlocker bloque(cb_rub1);
        cb_rub1->setCurrentRow(ligne);
    }
    cb_rub1_Click();
}

void f_rubriques::rend_courante_sous_rubrique(int ligne)
{
    {
        const QSignalBlocker bloque(cb_rub2);
        cb_rub2->setCurrentRow(ligne);
    }
    cb_rub2_Click();
}

void f_rubriques::sélection_r()
{
    const QSignalBlocker bloque(cb_rub1);
    for (int i = 0; i < cb_rub1->count(); ++i)
        cb_rub1->item(i)->setSelected(i == cb_rub1->currentRow());
}

void f_rubriques::sélection_sous_r()
{
    const QSignalBlocker bloque(cb_rub2);
    for (int i = 0; i < cb_rub2->count(); ++i)
        cb_rub2->item(i)->setSelected(i == cb_rub2->currentRow());
}

void f_rubriques::cb_rub1_Click()
{
    const QListWidgetItem* item = cb_rub1->currentItem();
    if (!item)
        return;
    const auto remplissage = saisie_rubrique_.remplit();
    const auto remplissage_sous = saisie_sous_rubrique_.remplit();
    const int n = donnée(item);
    if (valeur_code(ctt_code_rubrique->text()) / 100 != n)
        ctt_code_rubrique->setText(QString::number(::constitue_code(n)));
    txt_nom_image->setText(n >= 0 && n <= max_rubriques ? données.images_rubriques[n] : QString());
    constitue_liste_sous_rubriques(n);
    ctt_rubrique->setText(item->text());
    active_boutons();
}

void f_rubriques::active_boutons()
{
    const bool sous_rubriques = cb_rub2->count() > 0;
    const bool rubriques = cb_rub1->count() > 0;
    bt_supprimer_sous_rubriques->setEnabled(sous_rubriques);
    bt_permuter_sous_rubriques->setEnabled(sous_rubriques);
    bt_modifier_sous_rubriques->setEnabled(sous_rubriques);
    for (QPushButton* b : {bt_ajouter_sous_rubrique, bt_supprimer, bt_modifier, bt_permuter_rubriques})
        b->setEnabled(rubriques);
}

void f_rubriques::constitue_liste_sous_rubriques(int rubrique)
{
    const auto remplissage = saisie_sous_rubrique_.remplit();
    {
        const QSignalBlocker bloque(cb_rub2);
        cb_rub2->clear();
    }
    ctt_sous_rubrique->clear();
    {
        const QSignalBlocker bloque(cb_rub2);
        for (int k : chiffres_sous_rubriques(rubrique))
            ajoute_item(*cb_rub2, données.noms_rubriques[rubrique * 10 + k], k);
        cb_rub2->setCurrentRow(-1);
    }
    if (cb_rub2->count() == 0)
        return;
    // A code field that names one of the sub-sections keeps it; otherwise the last one.
    const int d = chiffre_tapé(ctt_code_rubrique->text());
    const int ligne = d > 0 ? ligne_de(*cb_rub2, d) : cb_rub2->count() - 1;
    if (ligne < 0)
        return;
    rend_courante_sous_rubrique(ligne);
    sélection_sous_r();
}

void f_rubriques::cb_rub2_Click()
{
    if (!cb_rub2->currentItem())
        return;
    const auto remplissage = saisie_sous_rubrique_.remplit();
    ctt_sous_rubrique->clear();
    constitue_code();
    ctt_sous_rubrique->setText(cb_rub2->currentItem()->text());
}

void f_rubriques::constitue_code()
{
    const int n = rubrique_courante();
    if (n == 0) {
        ctt_code_rubrique->clear();
        return;
    }
    const int k = cb_rub2->count() > 0 ? chiffre_courant() : 0;
    ctt_code_rubrique->setText(QString::number(::constitue_code(n, k)));
}

void f_rubriques::cb_rub1_DblClick()
{
    if (cb_rub1->currentItem())
        ctt_rubrique->setText(cb_rub1->currentItem()->text());
}

void f_rubriques::cb_rub2_DblClick()
{
    if (cb_rub2->currentItem())
        ctt_sous_rubrique->setText(cb_rub2->currentItem()->text());
}

// ---------------------------------------------------------------- focus and keys

void f_rubriques::cb_rub1_GotFocus()
{
    if (ajout_rubrique_)
        annule_ajout_rubrique();
    if (ajout_sous_rubrique_)
        annule_ajout_sous_rubrique();
}

void f_rubriques::cb_rub2_GotFocus() { cb_rub1_GotFocus(); }

void f_rubriques::ctt_code_rubrique_GotFocus()
{
    ctt_code_rubrique->selectAll();
    cb_rub1_GotFocus();
}

void f_rubriques::ctt_rubrique_GotFocus()
{
    if (ctt_rubrique->text().trimmed().isEmpty() && !ajout_rubrique_)
        bt_ajouter_rubrique_Click();
}

void f_rubriques::ctt_sous_rubrique_GotFocus()
{
    if (ctt_sous_rubrique->text().trimmed().isEmpty() && !ajout_sous_rubrique_)
        bt_ajouter_sous_rubrique_Click();
}

bool f_rubriques::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && focus_de_l_utilisateur(e)) {
        if (objet == cb_rub1)
            cb_rub1_GotFocus();
        else if (objet == cb_rub2)
            cb_rub2_GotFocus();
        else if (objet == ctt_code_rubrique)
            ctt_code_rubrique_GotFocus();
        else if (objet == ctt_rubrique)
            ctt_rubrique_GotFocus();
        else if (objet == ctt_sous_rubrique)
            ctt_sous_rubrique_GotFocus();
        return false;
    }
    if (e->type() != QEvent::KeyPress)
        return false;
    const auto* k = static_cast<const QKeyEvent*>(e);
    if (objet == ctt_code_rubrique) {
        if (est_entrée(k))
            return !ctt_code_rubrique_KeyPress(QChar(13));
        // Control characters (Delete, Backspace) are no typed characters.
        return !k->text().isEmpty() && k->text().at(0).isPrint() && !ctt_code_rubrique_KeyPress(k->text().at(0));
    }
    if (objet == ctt_rubrique) {
        if (ctt_rubrique_KeyDown(k->key(), k->modifiers()))
            return true;
        // Section names are typed in capitals.
        if (!k->text().isEmpty() && k->text().at(0).isPrint()) {
            ctt_rubrique->insert(k->text().toUpper());
            return true;
        }
        return false;
    }
    if (objet == ctt_sous_rubrique) {
        if (ctt_sous_rubrique_KeyDown(k->key(), k->modifiers()))
            return true;
        if (!k->text().isEmpty())
            bt_modifier_sous_rubriques->setEnabled(!ajout_sous_rubrique_);
        return false;
    }
    if (objet == txt_nom_image) {
        bt_modifier->setEnabled(!ajout_rubrique_);
        if (est_entrée(k)) {
            txt_nom_image_Entrée();
            return true;
        }
    }
    return false;
}

namespace {
bool est_maj_f3(int touche, Qt::KeyboardModifiers modificateurs)
{
    return touche == Qt::Key_F3 && (modificateurs & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}
}  // namespace

bool f_rubriques::ctt_rubrique_KeyDown(int touche, Qt::KeyboardModifiers modificateurs)
{
    bt_modifier->setEnabled(!ajout_rubrique_);
    if (!est_maj_f3(touche, modificateurs))
        return false;
    ctt_rubrique->setText(change_casse(*ctt_rubrique, ctt_rubrique->text()));
    return true;
}

bool f_rubriques::ctt_sous_rubrique_KeyDown(int touche, Qt::KeyboardModifiers modificateurs)
{
    if (!est_maj_f3(touche, modificateurs))
        return false;
    ctt_sous_rubrique->setText(change_casse(*ctt_sous_rubrique, ctt_sous_rubrique->text()));
    return true;
}

bool f_rubriques::ctt_code_rubrique_KeyPress(QChar caractère)
{
    if (caractère.unicode() > u'9') {
        MsgBox(t::attend_nombre, style_boîte::information);
        return false;
    }
    if (caractère.unicode() != 13)
        return true;

    const auto parties = code_tapé_classement(ctt_code_rubrique->text());
    if (!parties) {
        constitue_code();
        return false;
    }
    const int ligne = ligne_de(*cb_rub1, parties->rubrique);
    if (ligne < 0) {
        if (MsgBox(t::créer_rubrique, style_boîte::oui_non | style_boîte::question) == rép_oui)
            bt_ajouter_rubrique_Click();
        else
            ctt_code_rubrique->clear();
        return false;
    }
    rend_courante_rubrique(ligne);
    sélection_r();

    // Choosing the section may have put one of its sub-sections in the field.
    const int d = chiffre_tapé(ctt_code_rubrique->text());
    if (d == 0) {
        const QSignalBlocker bloque(cb_rub2);
        cb_rub2->clear();
        ctt_sous_rubrique->clear();
        return false;
    }
    const int ligne_sous = ligne_de(*cb_rub2, d);
    if (ligne_sous < 0) {
        if (MsgBox(t::créer_sous_rubrique, style_boîte::oui_non | style_boîte::question) == rép_oui)
            bt_ajouter_sous_rubrique_Click();
        else
            ctt_code_rubrique->clear();
        return false;
    }
    rend_courante_sous_rubrique(ligne_sous);
    sélection_sous_r();
    if (const int i = indice_entrée(valeur_code(ctt_code_rubrique->text()) / 10); i > 0)
        entrée_courante = i;
    return false;
}

// ---------------------------------------------------------------- renaming and images

void f_rubriques::bt_modifier_Click()
{
    QListWidgetItem* item = cb_rub1->currentItem();
    const int n = donnée(item);
    if (n == 0)
        return;
    item->setText(ctt_rubrique->text());
    renomme_rubrique(n, ctt_rubrique->text(), txt_nom_image->text());
    saisie_rubrique_.retiens();
    rafraîchit_grille();
    bt_modifier->setEnabled(false);
}

void f_rubriques::bt_parcourir_Click()
{
    // A cancelled choice keeps the image the section has.
    const QString image = choisit_image();
    if (!image.isEmpty()) {
        txt_nom_image->setText(image);
        if (!ajout_rubrique_)
            bt_modifier_Click();
    }
    bt_modifier->setEnabled(!ajout_rubrique_);
}

void f_rubriques::txt_nom_image_Entrée()
{
    fixe_image_rubrique(rubrique_courante(), txt_nom_image->text());
    saisie_rubrique_.retiens(txt_nom_image);
}

void f_rubriques::bt_modifier_sous_rubriques_Click()
{
    QListWidgetItem* item = cb_rub2->currentItem();
    if (!item || item->text().isEmpty() || ctt_sous_rubrique->text().trimmed().isEmpty())
        return;
    item->setText(ctt_sous_rubrique->text());
    renomme_sous_rubrique(rubrique_courante(), chiffre_courant(), ctt_sous_rubrique->text());
    saisie_sous_rubrique_.retiens();
    bt_modifier_sous_rubriques->setEnabled(false);
}

// ---------------------------------------------------------------- adding

void f_rubriques::bt_ajouter_rubrique_Click()
{
    if (!ajout_rubrique_) {
        ctt_rubrique->clear();
        ctt_code_rubrique->setText(code_pour_ajout_rubrique(ctt_code_rubrique->text(), rubrique_courante()));
        ajout_rubrique_ = true;
        bt_ajouter_rubrique->setText(valider);
        bt_supprimer->setText(annuler);
        bt_supprimer->setEnabled(true);
        bt_modifier->setEnabled(false);
        bt_permuter_rubriques->setEnabled(false);
        {
            const QSignalBlocker bloque(cb_rub2);
            cb_rub2->clear();
        }
        ctt_sous_rubrique->clear();
        ctt_rubrique->setFocus(Qt::OtherFocusReason);
        txt_nom_image->clear();
        for (QPushButton* b : {bt_ajouter_sous_rubrique, bt_modifier_sous_rubriques, bt_permuter_sous_rubriques,
                               bt_supprimer_sous_rubriques})
            b->setEnabled(false);
        return;
    }

    const int n = ajoute_rubrique(ctt_rubrique->text(), ctt_code_rubrique->text(), txt_nom_image->text());
    if (n == 0)
        return;
    ajout_rubrique_ = false;
    {
        const QSignalBlocker bloque(cb_rub1);
        ajoute_item(*cb_rub1, ctt_rubrique->text(), n);
    }
    rend_courante_rubrique(cb_rub1->count() - 1);
    sélection_r();
    constitue_code();
    entrée_courante = indice_entrée(n * 10);
    rafraîchit_grille();
    boutons_au_repos();
}

void f_rubriques::bt_ajouter_sous_rubrique_Click()
{
    const int n = rubrique_courante();
    switch (contrôle_ajout_sous_rubrique(n)) {
    case contrôle_sous_rubrique::sans_rubrique: ctt_rubrique->setFocus(Qt::OtherFocusReason); return;
    case contrôle_sous_rubrique::complet: return;
    case contrôle_sous_rubrique::accepté: break;
    }

    if (!ajout_sous_rubrique_) {
        if (cb_rub2->count() == 0)
            ctt_sous_rubrique->clear();
        ctt_code_rubrique->setText(
            code_pour_ajout_sous_rubrique(ctt_code_rubrique->text(), cb_rub2->count(), chiffre_courant()));
        ajout_sous_rubrique_ = true;
        bt_ajouter_sous_rubrique->setText(valider);
        bt_supprimer_sous_rubriques->setText(annuler);
        bt_supprimer_sous_rubriques->setEnabled(true);
        bt_permuter_sous_rubriques->setEnabled(false);
        bt_modifier_sous_rubriques->setEnabled(false);
        ctt_sous_rubrique->setFocus(Qt::OtherFocusReason);
        txt_nom_image->clear();
        for (QPushButton* b : {bt_ajouter_rubrique, bt_modifier, bt_permuter_rubriques, bt_supprimer, bt_parcourir})
            b->setEnabled(false);
        return;
    }

    const int k = ajoute_sous_rubrique(n, ctt_sous_rubrique->text(), ctt_code_rubrique->text());
    if (k == 0) {
        if (ctt_sous_rubrique->text().trimmed().isEmpty())
            ctt_sous_rubrique->clear();
        return;
    }
    ajout_sous_rubrique_ = false;
    {
        const QSignalBlocker bloque(cb_rub2);
        ajoute_item(*cb_rub2, ctt_sous_rubrique->text(), k);
    }
    rend_courante_sous_rubrique(cb_rub2->count() - 1);
    sélection_sous_r();
    entrée_courante = indice_entrée(n * 10 + k);
    rafraîchit_grille();
    boutons_au_repos();
    // The image field was emptied for the entry: the section's own comes back.
    txt_nom_image->setText(données.images_rubriques[n]);
    ctt_sous_rubrique->clear();
}

void f_rubriques::boutons_au_repos()
{
    bt_ajouter_rubrique->setText(ajouter);
    bt_supprimer->setText(supprimer);
    bt_ajouter_sous_rubrique->setText(ajouter);
    bt_supprimer_sous_rubriques->setText(supprimer);
    bt_ajouter_rubrique->setEnabled(true);
    bt_parcourir->setEnabled(true);
    active_boutons();
}

// A cancelled addition shows the current section again as it stands in the
// tables, so that no field emptied for the entry (the image above all) is
// stored by a later "Modifier".
void f_rubriques::annule_ajout_rubrique()
{
    const auto remplissage = saisie_rubrique_.remplit();
    const auto remplissage_sous = saisie_sous_rubrique_.remplit();
    ajout_rubrique_ = false;
    ctt_code_rubrique->clear();
    boutons_au_repos();
    if (cb_rub1->currentItem())
        cb_rub1_Click();
    else
        ctt_rubrique->clear();
}

void f_rubriques::annule_ajout_sous_rubrique()
{
    const auto remplissage = saisie_rubrique_.remplit();
    const auto remplissage_sous = saisie_sous_rubrique_.remplit();
    ajout_sous_rubrique_ = false;
    constitue_code();
    boutons_au_repos();
    if (cb_rub1->currentItem())
        cb_rub1_Click();
    sélection_sous_r();
}

// ---------------------------------------------------------------- swapping and deleting

// A swap recodes propositions: the propositions editor first validates the
// change it holds, under the code it was typed for; refused, no swap.
static bool éditeur_validé()
{
    fenêtre_programme* base = fenêtre_chargée(noms_fenêtres::base);
    return !base || base->valide_avant_chargement();
}

void f_rubriques::bt_permuter_rubriques_Click()
{
    if (!éditeur_validé() || !permute_rubriques(sélectionnés(*cb_rub1)))
        return;
    // The swap is saved at once, as the classification is rebuilt.
    enregistrer_fichier(fichier_courant, false);
    rafraîchit_grille();
    charge();
}

void f_rubriques::bt_permuter_sous_rubriques_Click()
{
    const int n = rubrique_courante();
    if (!éditeur_validé() || !permute_sous_rubriques(n, sélectionnés(*cb_rub2)))
        return;
    constitue_liste_sous_rubriques(n);
    constitue_code();
    rafraîchit_grille();
}

void f_rubriques::bt_supprimer_Click()
{
    if (ajout_rubrique_) {
        annule_ajout_rubrique();
        return;
    }
    if (ctt_code_rubrique->text().isEmpty() || !supprime_rubrique(rubrique_courante()))
        return;
    {
        const QSignalBlocker bloque(cb_rub1);
        delete cb_rub1->takeItem(cb_rub1->currentRow());
    }
    rafraîchit_grille();
    if (cb_rub1->count() > 0) {
        ctt_code_rubrique->clear();
        rend_courante_rubrique(0);
    } else {
        ctt_code_rubrique->clear();
        ctt_rubrique->clear();
        txt_nom_image->clear();
        {
            const QSignalBlocker bloque(cb_rub2);
            cb_rub2->clear();
        }
        ctt_sous_rubrique->clear();
        active_boutons();
    }
    sélection_r();
}

void f_rubriques::bt_supprimer_sous_rubriques_Click()
{
    if (ajout_sous_rubrique_) {
        annule_ajout_sous_rubrique();
        return;
    }
    const int n = rubrique_courante();
    if (ctt_code_rubrique->text().isEmpty() || !supprime_sous_rubrique(n, chiffre_courant()))
        return;
    rafraîchit_grille();
    if (n != 0)
        constitue_liste_sous_rubriques(n);
    else
        ctt_sous_rubrique->clear();
    active_boutons();
}

// ---------------------------------------------------------------- whole classification

void f_rubriques::supp_class_Click()
{
    if (!supprime_classification())
        return;
    ajout_rubrique_ = ajout_sous_rubrique_ = false;
    boutons_au_repos();
    rafraîchit_grille();
    charge();
}
