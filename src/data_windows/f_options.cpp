#include "data_windows/f_options.h"

#include "data/dialogues.h"
#include "data_windows/fenetres_donnees.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "data/modele.h"
#include "ui_common/controles.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/sablier.h"
#include "ui_common/symboles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

namespace {

const QString question_corriger = QStringLiteral(
    "Normalement, le solde ne devrait pas être modifié pour d'autres raisons qu'une erreur de saisie au départ "
    "pour les adhérents qui avaient un compte avant l'utilisation du logiciel. Etes-vous sûr(e)?");

// A list of the pictograms of the symbol font; item data: the code.
void remplit_symboles(QComboBox& liste)
{
    QFont police(police_symboles());
    police.setPointSize(13);
    liste.setFont(police);
    for (const int code : codes_symboles())
        liste.addItem(glyphe_wingdings(code), code);
}

}  // namespace

f_options::f_options(QWidget* parent) : fenêtre_modale(parent)
{
    setWindowTitle(QStringLiteral("Paramètres en option"));
    QMenuBar* barre = nullptr;
    QWidget* corps = corps_fenêtre(*this, barre);

    auto cadre = [corps](const QString& nom, const QString& titre, int x, int y, int l, int h) {
        auto* c = new QGroupBox(titre, corps);
        c->setObjectName(nom);
        c->setGeometry(x, y, l, h);
        return c;
    };
    auto étiquette = [](QWidget* dans, const QString& texte, int x, int y, int l) {
        auto* e = new QLabel(texte, dans);
        e->setGeometry(x, y, l, 22);
        return e;
    };
    auto zone = [this](QWidget* dans, const QString& nom, int x, int y, int l) {
        auto* z = new QLineEdit(dans);
        z->setObjectName(nom);
        z->setGeometry(x, y, l, 22);
        z->installEventFilter(this);
        return z;
    };
    auto option = [](QWidget* dans, const QString& nom, const QString& texte, int x, int y, int l) {
        auto* o = new QRadioButton(texte, dans);
        o->setObjectName(nom);
        o->setGeometry(x, y, l, 22);
        return o;
    };
    auto liste_symboles = [this](QWidget* dans, const QString& nom, int x, int y) {
        auto* l = new QComboBox(dans);
        l->setObjectName(nom);
        l->setGeometry(x, y, 80, 26);
        l->installEventFilter(this);
        return l;
    };

    // ---- left column
    Cdre_qui = cadre(QStringLiteral("Cdre_qui"), QStringLiteral("Fonction du poste ( si on travaille à plusieurs)"),
                     10, 6, 370, 76);
    Op_qui[0] = option(Cdre_qui, QStringLiteral("Op_qui0"), QStringLiteral("La compta est effectuée sur ma machine"),
                       12, 22, 346);
    Op_qui[1] = option(Cdre_qui, QStringLiteral("Op_qui1"),
                       QStringLiteral("La compta n'est pas  effectuée sur ma machine"), 12, 46, 346);

    QGroupBox* monnaie = cadre(QStringLiteral("cadre_monnaie"), QStringLiteral("Monnaie"), 10, 88, 370, 100);
    Chk_monnaie = new QCheckBox(QStringLiteral("Utiliser une monnaie locale"), monnaie);
    Chk_monnaie->setObjectName(QStringLiteral("Chk_monnaie"));
    Chk_monnaie->setGeometry(12, 20, 346, 22);
    étiquette(monnaie, QStringLiteral("Nom de la monnaie locale"), 12, 46, 170);
    ctt_nom_monnaie_locale = zone(monnaie, QStringLiteral("ctt_nom_monnaie_locale"), 185, 46, 170);
    étiquette(monnaie, QStringLiteral("Abrv monaie locale"), 12, 72, 170);
    ctt_abrv = zone(monnaie, QStringLiteral("ctt_abrv"), 185, 72, 80);

    QGroupBox* nouveaux =
        cadre(QStringLiteral("cadre_nouveaux"), QStringLiteral("Nouveaux adhérents "), 10, 194, 370, 132);
    étiquette(nouveaux, QStringLiteral("Débiter sur:"), 12, 22, 100);
    cb_comptes = new QComboBox(nouveaux);
    cb_comptes->setObjectName(QStringLiteral("cb_comptes"));
    cb_comptes->setGeometry(115, 21, 240, 24);
    étiquette(nouveaux, QStringLiteral("Solde adhérent par défaut au départ"), 12, 50, 346);
    étiquette(nouveaux, QStringLiteral("Montant"), 12, 74, 60);
    ctt_solde_dep = zone(nouveaux, QStringLiteral("ctt_solde_dep"), 75, 74, 100);
    op_num_adh[1] = option(nouveaux, QStringLiteral("op_num_adh1"), QStringLiteral("attribuer N° suivant"), 12, 102, 165);
    op_num_adh[0] =
        option(nouveaux, QStringLiteral("op_num_adh0"), QStringLiteral("ré-attribuer les numéros "), 185, 102, 170);

    QGroupBox* catalogue = cadre(QStringLiteral("cadre_catalogue"), QStringLiteral("Catalogue"), 10, 332, 370, 200);
    étiquette(catalogue, QStringLiteral("Entête de l'Association"), 12, 20, 346);
    ctt_entete = zone(catalogue, QStringLiteral("ctt_entete"), 12, 42, 346);
    étiquette(catalogue, QStringLiteral("Nom et emplacement du fichier logo"), 12, 68, 346);
    ctt_fichier_logo = zone(catalogue, QStringLiteral("ctt_fichier_logo"), 12, 90, 252);
    bt_parcourir = new QPushButton(QStringLiteral("parcourir..."), catalogue);
    bt_parcourir->setObjectName(QStringLiteral("bt_parcourir"));
    bt_parcourir->setGeometry(270, 89, 88, 24);
    étiquette(catalogue, QStringLiteral("Logo de l'association"), 12, 122, 140);
    logo = new QLabel(catalogue);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(160, 120, 198, 72);
    logo->setFrameShape(QFrame::StyledPanel);
    logo->setAlignment(Qt::AlignCenter);

    // ---- right column
    QGroupBox* genres = cadre(QStringLiteral("cadre_genres"), QStringLiteral("Codes genres"), 390, 6, 390, 172);
    for (int i = 0; i < 5; ++i) {
        const int y = 22 + 29 * i;
        txt_nom_genre[i] = zone(genres, QStringLiteral("txt_nom_genre%1").arg(i), 12, y + 2, 270);
        cb_genre[i] = liste_symboles(genres, QStringLiteral("cb_genre%1").arg(i), 294, y);
        // A character can be typed in a genre list, and is taken on Enter.
        cb_genre[i]->setEditable(true);
        cb_genre[i]->setInsertPolicy(QComboBox::NoInsert);
        cb_genre[i]->setCompleter(nullptr);
    }

    cadre_adultes = cadre(QStringLiteral("cadre_adultes"), QStringLiteral("Code adulte / enfants "), 390, 184, 390, 60);
    étiquette(cadre_adultes, QStringLiteral("Code enfant"), 12, 26, 80);
    cb_kid = liste_symboles(cadre_adultes, QStringLiteral("cb_kid"), 95, 24);
    étiquette(cadre_adultes, QStringLiteral("Code adulte"), 206, 26, 80);
    cb_adulte = liste_symboles(cadre_adultes, QStringLiteral("cb_adulte"), 294, 24);

    cadre_compta = cadre(QStringLiteral("cadre_compta"), QStringLiteral("Comptabilité"), 390, 250, 390, 214);
    for (int i = 0; i < 5; ++i) {
        const int y = 22 + 30 * i;
        étiquette(cadre_compta, QStringLiteral("Compte association N° %1").arg(i + 1), 12, y, 150);
        nom_compte_asso[i] = zone(cadre_compta, QStringLiteral("nom_compte_asso%1").arg(i), 162, y, 112);
        étiquette(cadre_compta, QStringLiteral("solde"), 282, y, 36);
        ctt_solde_asso[i] = zone(cadre_compta, QStringLiteral("ctt_solde_asso%1").arg(i), 318, y, 62);
    }
    bt_corriger = new QPushButton(QStringLiteral("corriger"), cadre_compta);
    bt_corriger->setObjectName(QStringLiteral("bt_corriger"));
    bt_corriger->setGeometry(290, 176, 90, 26);

    bt_annuler = new QPushButton(corps);
    bt_annuler->setObjectName(QStringLiteral("bt_annuler"));
    bt_annuler->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_annuler->setGeometry(716, 478, 64, 48);
    applique_image_retour(*bt_annuler);

    aide = barre->addAction(QStringLiteral("?"));
    aide->setObjectName(QStringLiteral("aide"));

    // ---- wiring: user actions only
    for (int i = 0; i < 2; ++i)
        QObject::connect(Op_qui[i], &QRadioButton::clicked, this, [this, i] { Op_qui_Click(i); });
    QObject::connect(cb_comptes, &QComboBox::activated, this, [this] { cb_comptes_Click(); });
    // "Débiter sur:" names the accounts as they are being renamed here.
    for (int i = 0; i < 5; ++i)
        QObject::connect(nom_compte_asso[i], &QLineEdit::textChanged, this,
                         [this, i](const QString& nom) { cb_comptes->setItemText(i, nom); });
    QObject::connect(bt_parcourir, &QPushButton::clicked, this, [this] { bt_parcourir_Click(); });
    QObject::connect(bt_corriger, &QPushButton::clicked, this, [this] { bt_corriger_Click(); });
    QObject::connect(bt_annuler, &QPushButton::clicked, this, [this] { bt_annuler_Click(); });
    QObject::connect(aide, &QAction::triggered, this, [this] { aide_Click(); });

    dimensionne(*this, *barre, 790, 540);
    Form_Load();
}

void f_options::Form_Load()
{
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);
    const données_sel& d = données;
    ouverture_ = lit_options(d);
    const champs_options& c = ouverture_;

    for (QComboBox* l : {cb_kid, cb_adulte, cb_genre[0], cb_genre[1], cb_genre[2], cb_genre[3], cb_genre[4]})
        remplit_symboles(*l);
    cb_kid->setCurrentIndex(c.position_enfant);
    cb_adulte->setCurrentIndex(c.position_adulte);
    for (std::size_t i = 0; i < 5; ++i) {
        cb_genre[i]->setCurrentIndex(c.positions_genres[i]);
        txt_nom_genre[i]->setText(c.noms_genres[i]);
    }
    for (std::size_t i = 0; i < nombre_comptes_asso; ++i) {
        nom_compte_asso[i]->setText(c.noms_comptes[i]);
        ctt_solde_asso[i]->setText(c.soldes_comptes[i]);
        ctt_solde_asso[i]->setEnabled(c.soldes_modifiables[i]);
    }
    ctt_nom_monnaie_locale->setText(c.nom_monnaie);
    ctt_abrv->setText(c.abréviation_monnaie);
    ctt_entete->setText(c.entête);
    ctt_fichier_logo->setText(c.fichier_logo);
    montre_logo(c.fichier_logo);
    if (poste_compta)
        Op_qui[0]->setChecked(true);
    if (c.numérotation_suivante)
        op_num_adh[1]->setChecked(true);
    Chk_monnaie->setChecked(c.utilise_monnaie_locale != 0);
    ctt_solde_dep->setText(c.solde_départ);
    cb_comptes->clear();
    for (std::size_t k = 0; k < nombre_comptes_asso; ++k)
        cb_comptes->addItem(d.comptes_asso[k].nom, premier_compte_asso + static_cast<int>(k));
    cb_comptes->setCurrentIndex(c.position_compte_débité);
}

void f_options::montre_logo(const QString& chemin)
{
    const QPixmap image(trouve_fichier_stocké(chemin));
    if (image.isNull()) {
        logo->clear();
        return;
    }
    logo->setPixmap(image.scaled(logo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

champs_options f_options::champs() const
{
    champs_options c = ouverture_;
    c.utilise_monnaie_locale = Chk_monnaie->isChecked() ? 1 : 0;
    c.nom_monnaie = ctt_nom_monnaie_locale->text();
    c.abréviation_monnaie = ctt_abrv->text();
    c.position_compte_débité = cb_comptes->currentIndex();
    c.solde_départ = ctt_solde_dep->text();
    c.numérotation_suivante = op_num_adh[1]->isChecked();
    c.entête = ctt_entete->text();
    c.fichier_logo = ctt_fichier_logo->text();
    for (std::size_t i = 0; i < 5; ++i) {
        c.noms_genres[i] = txt_nom_genre[i]->text();
        c.positions_genres[i] = cb_genre[i]->currentIndex();
    }
    c.position_enfant = cb_kid->currentIndex();
    c.position_adulte = cb_adulte->currentIndex();
    for (std::size_t i = 0; i < nombre_comptes_asso; ++i) {
        c.noms_comptes[i] = nom_compte_asso[i]->text();
        c.soldes_comptes[i] = ctt_solde_asso[i]->text();
        c.soldes_modifiables[i] = ctt_solde_asso[i]->isEnabled();
    }
    return c;
}

void f_options::Form_QueryUnload(bool& cancel)
{
    if (const auto refus = range_options(ouverture_, champs(), données)) {
        MsgBox(*refus, style_boîte::information);
        cancel = true;
        return;
    }
    enregistrer_fichier(fichier_courant, false);
}

void f_options::Op_qui_Click(int index) { choisit_poste_compta(index == 0); }

void f_options::cb_comptes_Click()
{
    const QVariant numéro = cb_comptes->currentData();
    if (numéro.isValid())
        données.compte_asso_débité = static_cast<int16>(numéro.toInt());
}

void f_options::bt_parcourir_Click()
{
    const QString chemin = choisit_image();
    if (chemin.isEmpty())
        return;  // cancelled: the logo stays as it was
    ctt_fichier_logo->setText(chemin);
    if (QFileInfo::exists(chemin))
        montre_logo(chemin);
}

void f_options::bt_corriger_Click()
{
    if (MsgBox(question_corriger, style_boîte::oui_non | style_boîte::exclamation) == rép_non)
        return;
    for (QLineEdit* z : ctt_solde_asso)
        z->setEnabled(true);
}

void f_options::cb_genre_KeyPress(int index, int KeyAscii)
{
    if (index < 0 || index >= 5 || KeyAscii != 13)
        return;
    QComboBox* liste = cb_genre[static_cast<std::size_t>(index)];
    const QString texte = liste->currentText();
    // The character whose pictogram it is, or the pictogram itself.
    int position = position_caractère_symbole(texte);
    if (position < 0)
        position = liste->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position >= 0)
        liste->setCurrentIndex(position);
    montre_symbole_choisi(*liste);
}

void f_options::montre_symbole_choisi(QComboBox& liste)
{
    liste.setEditText(liste.itemText(liste.currentIndex()));
}

void f_options::aide_Click() { ouvre_aide(QStringLiteral("options")); }

void f_options::bt_annuler_Click() { close(); }

bool f_options::eventFilter(QObject* objet, QEvent* e)
{
    const auto est = [objet](const auto& contrôles) {
        return std::find(contrôles.begin(), contrôles.end(), objet) != contrôles.end();
    };
    const bool montant = objet == ctt_solde_dep || est(ctt_solde_asso);
    if (e->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(e);
        const QString texte = touche->text();
        // Amount fields take digits and what stands below "9": signs, blank,
        // decimal comma or point.
        if (montant && !texte.isEmpty() && texte.front().isPrint() && texte.front().unicode() > '9')
            return true;
        const bool entrée = touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
        for (int i = 0; i < 5; ++i) {
            if (objet == cb_genre[static_cast<std::size_t>(i)] && entrée) {
                cb_genre_KeyPress(i, 13);
                return true;
            }
        }
    } else if (e->type() == QEvent::FocusOut && est(cb_genre)) {
        // What was typed and not taken goes: the list shows what is kept. A
        // popup of the list itself is no leaving.
        if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason)
            montre_symbole_choisi(*static_cast<QComboBox*>(objet));
    } else if (e->type() == QEvent::FocusIn && (montant || est(nom_compte_asso))) {
        // After the click that brought the focus, which would undo it.
        auto* zone = static_cast<QLineEdit*>(objet);
        QTimer::singleShot(0, zone, [zone] { zone->selectAll(); });
    } else if (e->type() == QEvent::FocusIn && est(cb_genre)) {
        // The character typed replaces the pictogram shown.
        QLineEdit* zone = static_cast<QComboBox*>(objet)->lineEdit();
        QTimer::singleShot(0, zone, [zone] { zone->selectAll(); });
    }
    return fenêtre_modale::eventFilter(objet, e);
}
