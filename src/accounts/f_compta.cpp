#include "accounts/f_compta.h"

#include "accounts/ecritures.h"
#include "accounts/grilles_comptes.h"
#include "accounts/saisie_compta.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/elements.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "ui_common/export_grille.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

namespace {

// The window is laid out in pixels of the 800 x 600 design (15 twips each),
// then fitted to the real screen by adapte_feuille_écran.
constexpr int largeur_client = 758, hauteur_client = 500;

const QColor rose(255, 192, 192), jaune(255, 255, 192), bleu_pâle(192, 192, 255), vert(192, 255, 192),
    saumon(255, 128, 128), bleu(128, 128, 255), orange(255, 192, 128), abricot(255, 224, 192);

void fond(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void fond_saisie(QLineEdit* e, const QColor& c)
{
    QPalette p = e->palette();
    p.setColor(QPalette::Base, c);
    e->setPalette(p);
}

void fond_bouton(QPushButton* b, const QColor& c)
{
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #806060; "
                                    "border-radius: 3px; padding: 2px; }"
                                    "QPushButton:disabled { color: #8a7070; }"
                                    "QPushButton:focus { border: 2px solid #402020; }")
                         .arg(c.name()));
}

int valeur_choisie(const QComboBox* l) { return l->currentIndex() < 0 ? 0 : l->currentData().toInt(); }

void remplit(QComboBox* l, const std::vector<entrée_liste>& entrées)
{
    const QSignalBlocker bloque(l);
    l->clear();
    for (const entrée_liste& e : entrées)
        l->addItem(e.texte, e.valeur);
    l->setCurrentIndex(-1);
}

int position_de_valeur(const QComboBox* l, int valeur)
{
    for (int i = 0; i < l->count(); ++i)
        if (l->itemData(i).toInt() == valeur)
            return i;
    return -1;
}

bool touche_entrée(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

// Keys of the number fields: a character above "9" is refused; digits,
// space, "," "." "-" and the control keys pass.
bool caractère_refusé(const QKeyEvent* k)
{
    const QString t = k->text();
    return !t.isEmpty() && t[0].isPrint() && t[0] > QLatin1Char('9');
}

// A focus change that the program counts: not a popup opening, nor the
// window losing or getting the focus.
bool vrai_changement_de_focus(const QFocusEvent* f)
{
    return f->reason() != Qt::PopupFocusReason && f->reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

f_compta::f_compta()
{
    setWindowTitle(QStringLiteral(" "));
    // The design's small sans-serif type; "Arial" keeps its metrics here.
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    crée_contrôles();
    crée_menus();
    ordre_tabulation();
    colore();
    resize(largeur_client, hauteur_client + menuBar()->sizeHint().height());
    Form_Load();
}

f_compta::~f_compta() { détruite_ = true; }

// ---------------------------------------------------------------- building the window

void f_compta::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);

    auto cadre = [](const QString& titre, QWidget* parent, int x, int y, int l, int h, const QString& nom) {
        auto* g = new QGroupBox(titre, parent);
        g->setObjectName(nom);
        g->setGeometry(x, y, l, h);
        return g;
    };
    auto étiquette = [](const QString& texte, QWidget* parent, int x, int y, int l, int h = 18) {
        auto* e = new QLabel(texte, parent);
        e->setGeometry(x, y, l, h);
        return e;
    };
    auto champ = [](QWidget* parent, const QString& nom, int x, int y, int l, int h = 22) {
        auto* c = new QLineEdit(parent);
        c->setObjectName(nom);
        c->setGeometry(x, y, l, h);
        return c;
    };
    auto liste = [](QWidget* parent, const QString& nom, int x, int y, int l, int h = 22) {
        auto* c = new QComboBox(parent);
        c->setObjectName(nom);
        c->setGeometry(x, y, l, h);
        return c;
    };
    auto bouton = [](const QString& texte, QWidget* parent, const QString& nom, int x, int y, int l, int h = 26) {
        auto* b = new QPushButton(texte, parent);
        b->setObjectName(nom);
        b->setGeometry(x, y, l, h);
        return b;
    };
    auto solde = [](QWidget* parent, const QString& nom, int x, int y) {
        auto* l = new QLabel(QStringLiteral("solde"), parent);
        l->setObjectName(nom);
        l->setGeometry(x, y, 110, 22);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMargin(3);
        return l;
    };

    Frame1 = cadre(QStringLiteral("Opérations"), centre, 4, 2, 750, 280, QStringLiteral("Frame1"));

    // ---- the debited account
    cadre_adhérent =
        cadre(QStringLiteral("Comptes à débiter"), Frame1, 6, 16, 236, 120, QStringLiteral("cadre_adhérent"));
    cadre_adhérent->setToolTip(QStringLiteral("C'est celui qui paye :-("));
    num_cpt = champ(cadre_adhérent, QStringLiteral("num_cpt"), 8, 22, 46);
    num_cpt->setToolTip(QStringLiteral("[Entrée]  sélectionne le compte dans la liste"));
    Liste_comptes = liste(cadre_adhérent, QStringLiteral("Liste_comptes"), 58, 22, 152);
    spin_adh = new QScrollBar(Qt::Vertical, cadre_adhérent);
    spin_adh->setObjectName(QStringLiteral("spin_adh"));
    spin_adh->setGeometry(212, 20, 16, 26);
    spin_adh->setFocusPolicy(Qt::StrongFocus);
    Label7 = étiquette(QStringLiteral("dernier solde"), cadre_adhérent, 8, 58, 80);
    lbl_der_solde = solde(cadre_adhérent, QStringLiteral("lbl_der_solde"), 92, 55);
    bt_extraire_relevé =
        bouton(QStringLiteral("Extraire ??..."), cadre_adhérent, QStringLiteral("bt_extraire_relevé"), 8, 86, 130);
    bt_extraire_relevé->setToolTip(QStringLiteral("Extrait les lignes de compte du demandeur en fonction des options"));

    // ---- one credited account, and the levy
    cadre_compte_adhérent = cadre(QStringLiteral("Compte à créditer"), Frame1, 248, 16, 496, 120,
                                  QStringLiteral("cadre_compte_adhérent"));
    cadre_compte_adhérent->setToolTip(QStringLiteral("Ici, c'est celui qui reçoit :-)"));
    num_compt_dest1 = champ(cadre_compte_adhérent, QStringLiteral("num_compt_dest1"), 8, 22, 46);
    num_compt_dest1->setToolTip(QStringLiteral("[Entrée]  sélectionne le compte dans la liste"));
    liste_comptes_à_créditer = liste(cadre_compte_adhérent, QStringLiteral("liste_comptes_à_créditer"), 58, 22, 160);
    Label10 = étiquette(QStringLiteral("dernier solde"), cadre_compte_adhérent, 8, 58, 80);
    lbl_der_solde_offreur = solde(cadre_compte_adhérent, QStringLiteral("lbl_der_solde_offreur"), 92, 55);
    bt_extraire_offreur = bouton(QStringLiteral("Extraire ??..."), cadre_compte_adhérent,
                                 QStringLiteral("bt_extraire_offreur"), 8, 86, 130);
    bt_extraire_offreur->setToolTip(
        QStringLiteral("Extrait les lignes de compte de l'offreur en fonction des options"));
    bt_plusieurs[0] =
        bouton(QStringLiteral("plusieurs..."), cadre_compte_adhérent, QStringLiteral("bt_plusieurs0"), 142, 86, 76);

    cadre_prélever_sur_échange = cadre(QStringLiteral("Prélever sur l'échange"), cadre_compte_adhérent, 224, 8, 266,
                                       106, QStringLiteral("cadre_prélever_sur_échange"));
    QGroupBox* p = cadre_prélever_sur_échange;
    const char* textes11[] = {"% ", "Si solde", ">", "Si échange", "<", "<", "vers"};
    for (int i = 0; i < 7; ++i) {
        Label11[static_cast<std::size_t>(i)] = new QLabel(QString::fromUtf8(textes11[i]), p);
        Label11[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Label11_%1").arg(i));
    }
    // Three lines that read as sentences.
    ctt_per_cent = champ(p, QStringLiteral("ctt_per_cent"), 6, 20, 40, 20);
    ctt_per_cent->setToolTip(QStringLiteral("poucentage à prélever sur l'échange"));
    Label11[0]->setGeometry(48, 21, 16, 18);
    Label11[6]->setGeometry(64, 21, 26, 18);
    cb_comptes_asso = liste(p, QStringLiteral("cb_comptes_asso"), 92, 19, 168);
    Label11[1]->setGeometry(6, 46, 50, 18);
    Label11[2]->setGeometry(58, 46, 10, 18);
    ctt_solde_mini = champ(p, QStringLiteral("ctt_solde_mini"), 70, 45, 60, 20);
    ctt_solde_mini->setToolTip(QStringLiteral("définit le seuil minimal à partir duquel prélever"));
    chk_prélever = new QCheckBox(QStringLiteral("Ne rien prélever"), p);
    chk_prélever->setObjectName(QStringLiteral("chk_prélever"));
    chk_prélever->setGeometry(142, 45, 118, 20);
    ctt_montant_min = champ(p, QStringLiteral("ctt_montant_min"), 6, 72, 50, 20);
    ctt_montant_min->setToolTip(QStringLiteral("définit le montant minimum donnant lieu à prélèvement"));
    Label11[4]->setGeometry(58, 73, 10, 18);
    Label11[3]->setGeometry(70, 73, 58, 18);
    Label11[5]->setGeometry(130, 73, 10, 18);
    ctt_montant_max = champ(p, QStringLiteral("ctt_montant_max"), 142, 72, 60, 20);
    ctt_montant_max->setToolTip(
        QStringLiteral("Limite supérieure à partir de laquelle le prélèvement ne sera plus calculé"));
    ctt_montant_à_prélever = champ(p, QStringLiteral("ctt_montant_à_prélever"), 210, 72, 50, 20);
    ctt_montant_à_prélever->setToolTip(QStringLiteral("affiche le montant du prélèvement (entier par tronquature)"));
    // It shows the levy of the validated entry, which is what gets recorded.
    ctt_montant_à_prélever->setReadOnly(true);
    ctt_montant_à_prélever->setAlignment(Qt::AlignRight);

    // ---- several accounts, in the same place
    cadre_compte_asso = cadre(QStringLiteral("Comptes à débiter/créditer"), Frame1, 248, 16, 496, 120,
                              QStringLiteral("cadre_compte_asso"));
    cadre_compte_asso->setToolTip(QStringLiteral("ici, on paye ou on reçoit :-)"));
    liste_comptes_asso = new QListWidget(cadre_compte_asso);
    liste_comptes_asso->setObjectName(QStringLiteral("liste_comptes_asso"));
    liste_comptes_asso->setGeometry(8, 18, 260, 96);
    liste_comptes_asso->setSelectionMode(QAbstractItemView::ExtendedSelection);
    num_compt_dest2 = étiquette(QString(), cadre_compte_asso, 276, 20, 60, 20);
    num_compt_dest2->setObjectName(QStringLiteral("num_compt_dest2"));
    bt_initialiser =
        bouton(QStringLiteral("initialiser"), cadre_compte_asso, QStringLiteral("bt_initialiser"), 276, 46, 90);
    bt_initialiser->setToolTip(QStringLiteral("liste tous les comptes"));
    bt_filtres_eleves = bouton(QString(), cadre_compte_asso, QStringLiteral("bt_filtres_eleves"), 372, 46, 30);
    bt_filtres_eleves->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    bt_filtres_eleves->setToolTip(QStringLiteral("filtrer la liste et/ou créer des filtres de tri"));
    bt_trier = bouton(QString(), cadre_compte_asso, QStringLiteral("bt_trier"), 406, 46, 30);
    bt_trier->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    bt_trier->setToolTip(QStringLiteral("trier la liste"));
    bt_plusieurs[1] =
        bouton(QStringLiteral("un seul..."), cadre_compte_asso, QStringLiteral("bt_plusieurs1"), 276, 80, 90);
    bt_plusieurs[1]->setToolTip(QStringLiteral("Utile pour les transferts de compte-asso à compte-asso"));
    cadre_compte_asso->hide();

    // ---- the entry
    cadre_transaction = cadre(QStringLiteral("Libellé"), Frame1, 6, 140, 738, 134, QStringLiteral("cadre_transaction"));
    QGroupBox* t = cadre_transaction;
    Command1 = bouton(QString(), t, QStringLiteral("Command1"), 8, 18, 28);
    Command1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Command1->setToolTip(QStringLiteral(
        "Click Pose un point de repère pour annulation, Ctrl+click restaure la base au point de repère."));
    bt_nouvelle = bouton(QStringLiteral("Nouvelle"), t, QStringLiteral("bt_nouvelle"), 40, 18, 76);
    Label4[1] = étiquette(QStringLiteral("Date de l'opération"), t, 124, 22, 108);
    ctt_jour_op = champ(t, QStringLiteral("ctt_jour_op"), 234, 20, 26);
    ctt_mois_op = champ(t, QStringLiteral("ctt_mois_op"), 262, 20, 26);
    ctt_an_op = champ(t, QStringLiteral("ctt_an_op"), 290, 20, 44);
    Label3 = étiquette(QStringLiteral("Code catalogue"), t, 344, 22, 90);
    ctt_ligne_cat = champ(t, QStringLiteral("ctt_ligne_cat"), 436, 20, 56);
    ctt_ligne_cat->setToolTip(QStringLiteral("Entrée pour renseigner automatiquement la ligne d'échange"));
    Bt_extraire_deux_comptes =
        bouton(QStringLiteral("??..??"), t, QStringLiteral("Bt_extraire_deux_comptes"), 500, 18, 60);
    Bt_extraire_deux_comptes->setToolTip(
        QStringLiteral("Extrait les 25 derniers échanges entre les deux comptes en cours"));
    ctt_libellé = champ(t, QStringLiteral("ctt_libellé"), 8, 50, 552);
    const QString pour_stats = QStringLiteral("données pour stats");
    cb_rub1 = liste(t, QStringLiteral("cb_rub1"), 8, 78, 150);
    cb_rub2 = liste(t, QStringLiteral("cb_rub2"), 162, 78, 146);
    cb_rub3 = liste(t, QStringLiteral("cb_rub3"), 312, 78, 42);
    ctt_code_rubrique = champ(t, QStringLiteral("ctt_code_rubrique"), 358, 78, 56);
    cb_genre = liste(t, QStringLiteral("cb_genre"), 418, 78, 142);
    Label4[0] = étiquette(QStringLiteral("Catégorie"), t, 8, 108, 64);
    cb_kid = liste(t, QStringLiteral("cb_kid"), 74, 106, 120);
    for (QWidget* w : std::initializer_list<QWidget*>{cb_rub1, cb_rub2, cb_rub3, ctt_code_rubrique, cb_genre, cb_kid})
        w->setToolTip(pour_stats);
    Label1 = étiquette(QStringLiteral("Montant"), t, 568, 80, 78);
    ctt_montant = champ(t, QStringLiteral("ctt_montant"), 568, 100, 78, 26);
    ctt_montant->setText(QStringLiteral("00"));
    ctt_montant->setAlignment(Qt::AlignRight);
    ctt_montant->setToolTip(QStringLiteral("Tapez le montant de l'échange et validez avec entrée"));
    // The right-hand column: three places, the buttons of a place share it.
    bt_annul_lig_asso = bouton(QStringLiteral("Annuler"), t, QStringLiteral("bt_annul_lig_asso"), 652, 16, 80);
    bt_annul_ligne_adh = bouton(QStringLiteral("Annuler"), t, QStringLiteral("bt_annul_ligne_adh"), 652, 54, 80);
    bt_prélever = bouton(QStringLiteral("prélever"), t, QStringLiteral("bt_prélever"), 652, 54, 80);
    bt_prélever->setToolTip(
        QStringLiteral("Crédite le compte demandeur et débite tous les comptes de la liste de droite"));
    bt_créditer_adh = bouton(QStringLiteral("créditer"), t, QStringLiteral("bt_créditer_adh"), 652, 96, 80, 30);
    bt_créditer_adh->setToolTip(QStringLiteral("Crédite de compte de l'offreur et débite celui du demandeur"));
    bt_créditer_asso = bouton(QStringLiteral("reverser"), t, QStringLiteral("bt_créditer_asso"), 652, 96, 80, 30);
    bt_créditer_asso->setToolTip(
        QStringLiteral("débite un compte demandeur et crédite tous les comptes de la liste de droite"));
    bt_valider = bouton(QStringLiteral("Valider"), t, QStringLiteral("bt_valider"), 652, 96, 80, 30);

    // ---- the lines
    gg_compte.setFontName(QStringLiteral("Arial"));
    vue_gg_compte = new vue_grille(gg_compte, centre);
    vue_gg_compte->setObjectName(QStringLiteral("gg_compte"));
    vue_gg_compte->setGeometry(4, 286, 750, 140);
    vue_gg_compte->setToolTip(
        QStringLiteral("un click puis double_click permet de créer automatiquement une ligne d'annulation"));

    // ---- the period
    cadre_période = cadre(QStringLiteral("Extraire un relevé du compte demandeur"), centre, 4, 430, 640, 66,
                          QStringLiteral("cadre_période"));
    cadre_période->setToolTip(QStringLiteral("Donnée pour l'extraction d'un relevé du compte demandeur"));
    QGroupBox* d = cadre_période;
    op_test_d[0] = new QRadioButton(QStringLiteral("Trier par date : "), d);
    op_test_d[0]->setGeometry(8, 18, 112, 20);
    op_test_d[1] = new QRadioButton(QStringLiteral("Les dernières opérations :"), d);
    op_test_d[1]->setGeometry(8, 42, 170, 20);
    op_test_d[0]->setObjectName(QStringLiteral("op_test_d0"));
    op_test_d[1]->setObjectName(QStringLiteral("op_test_d1"));
    op_test_d[1]->setChecked(true);
    Label2 = étiquette(QStringLiteral("Du "), d, 122, 20, 20);
    ctt_jour_dep = champ(d, QStringLiteral("ctt_jour_dep"), 144, 18, 26);
    ctt_mois_dep = champ(d, QStringLiteral("ctt_mois_dep"), 172, 18, 26);
    ctt_an_dep = champ(d, QStringLiteral("ctt_an_dep"), 200, 18, 44);
    Label6 = étiquette(QStringLiteral("au"), d, 250, 20, 18);
    ctt_jour_fin = champ(d, QStringLiteral("ctt_jour_fin"), 270, 18, 26);
    ctt_mois_fin = champ(d, QStringLiteral("ctt_mois_fin"), 298, 18, 26);
    ctt_an_fin = champ(d, QStringLiteral("ctt_an_fin"), 326, 18, 44);
    cb_mois = liste(d, QStringLiteral("cb_mois"), 378, 18, 110);
    cb_mois->setToolTip(QStringLiteral("Pour plusieurs mois, modifiez la zone mois de la date de droite."));
    cb_dernières = liste(d, QStringLiteral("cb_dernières"), 180, 40, 120);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(false);

    bt_imprimer = bouton(QString(), centre, QStringLiteral("bt_imprimer"), 652, 440, 48, 48);
    bt_imprimer->setText(QStringLiteral("Imprimer"));
    bt_imprimer->setToolTip(QStringLiteral("Imprime la grille en cours"));
    bt_quitter = bouton(QString(), centre, QStringLiteral("bt_quitter"), 704, 440, 48, 48);
    bt_quitter->setText(QStringLiteral("Quitter"));
    bt_quitter->setToolTip(QStringLiteral("retour à la page de départ"));

    // Design state of the action buttons.
    for (QPushButton* b : {bt_créditer_adh, bt_prélever, bt_créditer_asso, bt_annul_lig_asso}) {
        b->hide();
        b->setEnabled(false);
    }
    bt_annul_ligne_adh->setEnabled(false);
    bt_valider->hide();

    // Controls whose operations this window does not carry out yet stay
    // disabled rather than doing nothing when pressed.
    sans_action_ = {bt_extraire_relevé, bt_extraire_offreur, bt_plusieurs[0],    bt_plusieurs[1],
                    bt_filtres_eleves,  bt_trier,            Command1,           Bt_extraire_deux_comptes,
                    bt_annul_lig_asso,  bt_annul_ligne_adh,  bt_prélever,        bt_créditer_asso,
                    bt_imprimer};
    for (QWidget* w : sans_action_)
        w->setEnabled(false);

    // ---- wiring: user actions only; code that changes a selection runs the
    // handler itself (choisis).
    connect(bt_quitter, &QPushButton::clicked, this, [this] { bt_quitter_Click(); });
    connect(bt_nouvelle, &QPushButton::clicked, this, [this] { bt_nouvelle_Click(); });
    connect(bt_valider, &QPushButton::clicked, this, [this] { bt_valider_Click(); });
    connect(bt_créditer_adh, &QPushButton::clicked, this, [this] { bt_créditer_adh_Click(); });
    connect(bt_initialiser, &QPushButton::clicked, this, [this] { bt_initialiser_Click(); });
    connect(Liste_comptes, &QComboBox::activated, this, [this] { Liste_comptes_Click(); });
    connect(liste_comptes_à_créditer, &QComboBox::activated, this, [this] { liste_comptes_à_créditer_Click(); });
    connect(spin_adh, &QScrollBar::valueChanged, this, [this] { spin_adh_Change(); });
    connect(num_cpt, &QLineEdit::returnPressed, this, [this] {
        QString num = num_cpt->text();
        cherche_adh_par_num(Liste_comptes, num);
    });
    connect(num_compt_dest1, &QLineEdit::returnPressed, this, [this] { num_compt_dest1_Entrée(); });
    connect(ctt_ligne_cat, &QLineEdit::returnPressed, this, [this] { ctt_ligne_cat_Entrée(); });
    connect(ctt_libellé, &QLineEdit::returnPressed, this, [this] { ctt_libellé_Entrée(); });
    connect(ctt_montant, &QLineEdit::returnPressed, this, [this] { bt_valider_Click(); });
    connect(ctt_code_rubrique, &QLineEdit::returnPressed, this, [this] { ctt_code_rubrique_Entrée(); });
    connect(cb_rub1, &QComboBox::activated, this, [this] {
        abandonne_validation();
        cb_rub1_Click();
    });
    for (QComboBox* c : {cb_rub2, cb_rub3})
        connect(c, &QComboBox::activated, this, [this] {
            abandonne_validation();
            constitue_code();
        });
    for (QComboBox* c : {cb_genre, cb_kid})
        connect(c, &QComboBox::activated, this, [this] { abandonne_validation(); });
    for (QLineEdit* c : {ctt_jour_op, ctt_mois_op, ctt_an_op, ctt_code_rubrique})
        connect(c, &QLineEdit::textEdited, this, [this] { abandonne_validation(); });
    connect(cb_comptes_asso, &QComboBox::activated, this, [this] {
        active(bt_annul_ligne_adh, false);
        abandonne_validation();
    });
    connect(chk_prélever, &QCheckBox::clicked, this, [this] {
        abandonne_validation();
        chk_prélever_Click();
    });

    for (QObject* o : std::initializer_list<QObject*>{num_cpt, num_compt_dest1, ctt_jour_op, ctt_mois_op, ctt_an_op,
                                                      ctt_ligne_cat, ctt_libellé, ctt_montant, ctt_per_cent,
                                                      ctt_solde_mini, ctt_montant_min, ctt_montant_max, cb_rub1,
                                                      vue_gg_compte->viewport()})
        o->installEventFilter(this);
}

void f_compta::crée_menus()
{
    QMenuBar* barre = menuBar();
    auto entrée = [](QMenu* menu, const QString& nom, const QString& titre) {
        QAction* a = menu->addAction(titre);
        a->setObjectName(nom);
        a->setEnabled(false);  // enabled once an action is wired to it
        return a;
    };

    fic = barre->addMenu(QStringLiteral("Fichier"));
    fic->setObjectName(QStringLiteral("fic"));
    enr_rep = entrée(fic, QStringLiteral("enr_rep"), QStringLiteral("Enregistrer un fichier repère"));
    rest_rep = entrée(fic, QStringLiteral("rest_rep"), QStringLiteral("Restaurer le fichier repère"));
    fic->addSeparator();
    restaure_départ =
        entrée(fic, QStringLiteral("restaure_départ"), QStringLiteral("Restaurer le fichier du départ de la session"));

    extraire = barre->addMenu(QStringLiteral("Extraire"));
    extraire->setObjectName(QStringLiteral("extraire"));
    ext[0] = entrée(extraire, QStringLiteral("ext0"), QStringLiteral("Garder les éléments sélectionnés"));
    ext[1] = entrée(extraire, QStringLiteral("ext1"), QStringLiteral("NE garder QUE les éléments NON sélectionnés"));
    extraire->addSeparator();
    ext[4] = entrée(extraire, QStringLiteral("ext4"), QStringLiteral("état"));

    édition = barre->addMenu(QStringLiteral("&Edition"));
    édition->setObjectName(QStringLiteral("édition"));
    ed[0] = entrée(édition, QStringLiteral("ed0"), QStringLiteral("Copier la grille"));
    ed[1] = entrée(édition, QStringLiteral("ed1"), QStringLiteral("Copier la sélection"));
    ed[2] = entrée(édition, QStringLiteral("ed2"), QStringLiteral("Imprimer la grille"));
    ed[0]->setEnabled(true);
    ed[1]->setEnabled(true);
    connect(ed[0], &QAction::triggered, this, [this] { copie_grille(gg_compte); });
    connect(ed[1], &QAction::triggered, this, [this] { copie_sélection(gg_compte); });

    avancées = barre->addMenu(QStringLiteral("Avancées"));
    avancées->setObjectName(QStringLiteral("avancées"));
    zéro_adh = entrée(avancées, QStringLiteral("zéro_adh"), QStringLiteral("Mettre à zéro les soldes des comptes"));
    zéro_cumuls =
        entrée(avancées, QStringLiteral("zéro_cumuls"), QStringLiteral("mettre à zéro les débits/crédits/volumes"));

    aide = barre->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_sommaire = entrée(aide, QStringLiteral("aide_sommaire"), QStringLiteral("Sommaire de l'aide"));
    aide_echanges = entrée(aide, QStringLiteral("aide_echanges"), QStringLiteral("Aide de la page"));
    aide_gr = entrée(aide, QStringLiteral("aide_gr"), QStringLiteral("Astuces des grilles"));
    aide_choix = entrée(aide, QStringLiteral("aide_choix"), QStringLiteral("Sélection d'un compte"));
}

void f_compta::ordre_tabulation()
{
    const std::vector<QWidget*> ordre = {
        num_cpt, Liste_comptes, spin_adh, bt_plusieurs[0], num_compt_dest1, liste_comptes_à_créditer,
        ctt_per_cent, cb_comptes_asso, ctt_solde_mini, ctt_montant_min, ctt_montant_max, chk_prélever,
        ctt_montant_à_prélever, bt_filtres_eleves, bt_trier, bt_initialiser, bt_plusieurs[1], bt_nouvelle,
        ctt_jour_op, ctt_mois_op, ctt_an_op, ctt_ligne_cat, ctt_libellé, ctt_code_rubrique, cb_rub1, cb_rub2,
        cb_rub3, cb_kid, cb_genre, ctt_montant, bt_créditer_adh, bt_annul_ligne_adh, bt_annul_lig_asso,
        bt_prélever, bt_créditer_asso, bt_valider, cb_mois, ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin,
        ctt_mois_fin, ctt_an_fin, cb_dernières, bt_imprimer, bt_quitter, liste_comptes_asso, op_test_d[0],
        op_test_d[1], Bt_extraire_deux_comptes, bt_extraire_relevé, bt_extraire_offreur, Command1};
    for (std::size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

void f_compta::colore()
{
    fond(this, rose);
    for (QGroupBox* g : {Frame1, cadre_compte_adhérent, cadre_prélever_sur_échange, cadre_transaction, cadre_période})
        fond(g, rose);
    fond(cadre_adhérent, jaune);
    fond(cadre_compte_asso, bleu_pâle);
    fond_saisie(num_cpt, jaune);
    fond_saisie(num_compt_dest1, jaune);
    fond_saisie(ctt_montant, orange);
    fond_saisie(ctt_ligne_cat, abricot);
    for (QPushButton* b : {bt_extraire_relevé, bt_extraire_offreur, Bt_extraire_deux_comptes})
        fond_bouton(b, vert);
    for (QPushButton* b : {bt_créditer_adh, bt_annul_ligne_adh})
        fond_bouton(b, saumon);
    for (QPushButton* b : {bt_prélever, bt_créditer_asso, bt_annul_lig_asso})
        fond_bouton(b, bleu);
    for (QPushButton* b : {bt_nouvelle, bt_valider})
        fond_bouton(b, orange);
}

// ---------------------------------------------------------------- small helpers

void f_compta::active(QWidget* w, bool oui) { w->setEnabled(oui && !sans_action_.contains(w)); }

void f_compta::abandonne_validation()
{
    saisie_validée_.reset();
    bt_créditer_adh->setEnabled(false);
    for (QPushButton* b : {bt_créditer_asso, bt_prélever})
        active(b, false);
}

bool f_compta::cadre_membre_visible() const { return !cadre_compte_adhérent->isHidden(); }

void f_compta::choisis(QComboBox* liste, int position)
{
    {
        const QSignalBlocker bloque(liste);
        liste->setCurrentIndex(position < liste->count() ? position : -1);
    }
    if (liste == Liste_comptes)
        Liste_comptes_Click();
    else if (liste == liste_comptes_à_créditer)
        liste_comptes_à_créditer_Click();
    else if (liste == cb_rub1)
        cb_rub1_Click();
    else if (liste == cb_rub2 || liste == cb_rub3)
        constitue_code();
}

void f_compta::synchronise_spin()
{
    const QSignalBlocker bloque(spin_adh);
    spin_adh->setRange(0, std::max(0, Liste_comptes->count() - 1));
    spin_adh->setValue(std::max(0, Liste_comptes->currentIndex()));
}

void f_compta::remplit_menu_états()
{
    // One entry per saved selection, from entry 4 on; entry 4 exists already.
    const QStringList fichiers = QDir(chemin_programme(QStringLiteral("etats")))
                                     .entryList({QStringLiteral("*.eta")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (int i = 0; i < fichiers.size(); ++i) {
        const int n = i + 4;
        if (!ext.contains(n)) {
            ext[n] = extraire->addAction(QString());
            ext[n]->setObjectName(QStringLiteral("ext%1").arg(n));
            ext[n]->setEnabled(false);
        }
        ext[n]->setText(fichiers[i].section(QLatin1Char('.'), 0, 0));
    }
}

saisie_échange f_compta::saisie_en_cours() const
{
    saisie_échange s;
    s.débité = valeur_choisie(Liste_comptes);
    s.crédité = valeur_choisie(liste_comptes_à_créditer);
    s.montant = ctt_montant->text();
    s.date_opération = date_opération;
    s.description = ctt_libellé->text();
    s.ligne_cat = ctt_ligne_cat->text();
    s.genre = cb_genre->currentIndex();
    s.code_rubrique = ctt_code_rubrique->text();
    s.catégorie = cb_kid->currentIndex();
    s.prélèvement = {ctt_per_cent->text(),          ctt_solde_mini->text(),  ctt_montant_min->text(),
                     ctt_montant_max->text(),       chk_prélever->isChecked(), valeur_choisie(cb_comptes_asso)};
    return s;
}

// ---------------------------------------------------------------- opening and closing

void f_compta::Form_Load()
{
    adapte_feuille_écran(*this);
    // The restore point that the Fichier menu can bring back.
    enregistrer_fichier(fichier_repère(), false);

    sablier attente;
    affiche_fond(*this);
    Label1->setText(données.utilise_monnaie_locale == 0 ? QStringLiteral("Nombre") : QStringLiteral("Montant"));
    const QDate jour = aujourdhui();
    const auto date_du_jour = [&] {
        ctt_jour_op->setText(Format(jour.day(), QStringLiteral("00")));
        ctt_mois_op->setText(Format(jour.month(), QStringLiteral("00")));
        ctt_an_op->setText(QString::number(jour.year()));
    };
    date_du_jour();

    const std::vector<entrée_liste> comptes = comptes_à_lister();
    remplit(Liste_comptes, comptes);
    remplit(liste_comptes_à_créditer, comptes);
    remplit(cb_comptes_asso, comptes_asso_à_lister());
    bt_initialiser_Click();

    remplit(cb_rub1, sections_classification());
    std::vector<entrée_liste> chiffres;
    for (int k = 1; k <= 9; ++k)
        chiffres.push_back({QString::number(k), k});
    remplit(cb_rub3, chiffres);
    std::vector<entrée_liste> genres;
    for (std::size_t g = 0; g < données.noms_genres.size(); ++g)
        genres.push_back({données.noms_genres[g], static_cast<int>(g)});
    remplit(cb_genre, genres);
    remplit(cb_kid, {{QStringLiteral("Enfant"), 0}, {QStringLiteral("Adulte"), 1}, {QStringLiteral("Autre SEL"), 2}});

    const char* mois[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                          "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    std::vector<entrée_liste> noms_mois;
    for (int m = 0; m < 12; ++m)
        noms_mois.push_back({QString::fromUtf8(mois[m]), m + 1});
    remplit(cb_mois, noms_mois);
    jours_mois = {0, 31, jour.year() % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    remplit(cb_dernières, {{QStringLiteral("toutes"), 0},
                           {QStringLiteral("5 dernières"), 1},
                           {QStringLiteral("10 dernières"), 2},
                           {QStringLiteral("15 dernières"), 3},
                           {QStringLiteral("20 dernières"), 4},
                           {QStringLiteral("25 dernières"), 5}});
    const int dernières = numéro_lu(réglages::lit(QStringLiteral("Utilisateur"), QStringLiteral("clef_ext"),
                                                  QStringLiteral("4")));
    if (dernières >= 0 && dernières <= 5)
        cb_dernières->setCurrentIndex(dernières);
    ctt_an_dep->setText(QString::number(jour.year()));
    ctt_an_fin->setText(QString::number(jour.year()));
    cb_mois->setCurrentIndex(jour.month() - 1);
    date_du_jour();

    entête_grille_écritures(gg_compte, false);

    ctt_per_cent->setText(texte_affiché(données.taux_prélèvement));
    {
        // A stored position beyond the list chooses nothing.
        const QSignalBlocker bloque(cb_comptes_asso);
        const int position = données.compte_prélèvement;
        cb_comptes_asso->setCurrentIndex(position >= 0 && position < cb_comptes_asso->count() ? position : -1);
    }
    ctt_solde_mini->setText(texte_affiché(données.solde_mini_prélèvement));
    ctt_montant_min->setText(texte_affiché(données.montant_mini_prélèvement));
    ctt_montant_max->setText(texte_affiché(données.montant_maxi_prélèvement));
    chk_prélever->setChecked(données.sans_prélèvement != 0);
    mode_extraction = 0;
    remplit_menu_états();

    // The sixth account of each list; a shorter list stays without selection.
    if (Liste_comptes->count() > 5)
        choisis(Liste_comptes, 5);
    if (liste_comptes_asso->count() > 0)
        liste_comptes_asso->setCurrentRow(0);
    if (liste_comptes_à_créditer->count() > 5)
        choisis(liste_comptes_à_créditer, 5);
    synchronise_spin();
}

void f_compta::Form_QueryUnload(bool&)
{
    range_paramètres_prélèvement({ctt_per_cent->text(), ctt_solde_mini->text(), ctt_montant_min->text(),
                                  ctt_montant_max->text(), chk_prélever->isChecked(), 0},
                                 cb_comptes_asso->currentIndex());
    // Also writes the balances file on the accounting station.
    enregistrer_fichier(fichier_courant, false);
}

void f_compta::bt_quitter_Click() { close(); }

// ---------------------------------------------------------------- choosing the accounts

void f_compta::cherche_adh_par_num(QComboBox* liste, QString& num)
{
    if (num.isEmpty()) {
        if (liste->currentIndex() >= 0)
            num = QString::number(valeur_choisie(liste));
        return;
    }
    std::vector<int> valeurs;
    for (int i = 0; i < liste->count(); ++i)
        valeurs.push_back(liste->itemData(i).toInt());
    if (const std::optional<int> position = position_pour_numéro(valeurs, numéro_lu(num)))
        choisis(liste, *position);
}

void f_compta::cherche_compte_par_num()
{
    const int numéro = numéro_lu(num_compt_dest1->text());
    if (numéro == 0) {
        if (liste_comptes_à_créditer->currentIndex() >= 0)
            num_compt_dest1->setText(QString::number(valeur_choisie(liste_comptes_à_créditer)));
        return;
    }
    const int position = position_de_valeur(liste_comptes_à_créditer, numéro);
    if (position >= 0)
        choisis(liste_comptes_à_créditer, position);
}

void f_compta::Liste_comptes_Click()
{
    // Choosing the validated account again (leaving its number field) keeps
    // the validation; any other choice drops it.
    if (!saisie_validée_ || saisie_validée_->débité != valeur_choisie(Liste_comptes))
        abandonne_validation();
    compte_courant = static_cast<int16>(valeur_choisie(Liste_comptes));
    num_cpt->setText(QString::number(compte_courant));
    cadre_période->setTitle(QStringLiteral("Options d'extraction"));
    const bool asso = compte_courant >= premier_compte_asso;
    cadre_compte_asso->setVisible(asso);
    cadre_compte_adhérent->setVisible(!asso);
    for (QPushButton* b : bt_plusieurs)
        b->setVisible(asso);
    lbl_der_solde->setText(texte_affiché(solde_compte(compte_courant)));
    if (asso) {
        bt_initialiser_Click();
        cadre_adhérent->setTitle(QStringLiteral("Comptes à créditer/débiter"));
    } else {
        cadre_adhérent->setTitle(QStringLiteral("Comptes à débiter"));
    }
    bt_créditer_adh->setVisible(!asso);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(true);
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso}) {
        b->hide();
        active(b, false);
    }
    synchronise_spin();
}

void f_compta::liste_comptes_à_créditer_Click()
{
    if (!saisie_validée_ || saisie_validée_->crédité != valeur_choisie(liste_comptes_à_créditer))
        abandonne_validation();
    offreur = valeur_choisie(liste_comptes_à_créditer);
    offreur_choisi = true;
    num_compt_dest1->setText(QString::number(offreur));
    lbl_der_solde_offreur->setText(texte_affiché(solde_compte(offreur)));
    if (offreur < premier_compte_asso) {
        if (données.sans_prélèvement)
            chk_prélever->setChecked(true);
        cadre_prélever_sur_échange->show();
    } else {
        chk_prélever->setChecked(false);
        chk_prélever_Click();
        cadre_prélever_sur_échange->hide();
    }
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso}) {
        b->hide();
        active(b, false);
    }
}

void f_compta::num_compt_dest1_Entrée()
{
    offreur_choisi = true;
    QString num = num_compt_dest1->text();
    cherche_adh_par_num(liste_comptes_à_créditer, num);
    if (num_compt_dest1->text().isEmpty())
        num_compt_dest1->setText(num);
}

void f_compta::spin_adh_Change()
{
    if (spin_adh->value() < Liste_comptes->count())
        choisis(Liste_comptes, spin_adh->value());
}

void f_compta::bt_initialiser_Click()
{
    liste_comptes_asso->clear();
    for (const entrée_liste& e : membres_pour_plusieurs()) {
        auto* élément = new QListWidgetItem(e.texte, liste_comptes_asso);
        élément->setData(Qt::UserRole, e.valeur);
    }
    num_compt_dest2->setText(QString::number(liste_comptes_asso->count()));
}

bool f_compta::même_compte()
{
    const int débité = valeur_choisie(Liste_comptes);
    int autre = 0;
    if (cadre_membre_visible())
        autre = valeur_choisie(liste_comptes_à_créditer);
    else if (const QListWidgetItem* e = liste_comptes_asso->currentItem())
        autre = e->data(Qt::UserRole).toInt();
    if (débité == 0 || autre == 0 || débité != autre)
        return false;
    MsgBox(QStringLiteral("Il est impossible d'effectuer une opération d'un compte sur lui-même"),
           style_boîte::information);
    return true;
}

// ---------------------------------------------------------------- the entry

void f_compta::bt_nouvelle_Click()
{
    abandonne_validation();
    ctt_ligne_cat->clear();
    ctt_libellé->clear();
    ctt_code_rubrique->clear();
    ctt_montant->setText(données.utilise_monnaie_locale == 1 ? QStringLiteral("0") : QStringLiteral("1"));
    for (QComboBox* l : {cb_rub1, cb_rub2, cb_rub3, cb_genre}) {
        const QSignalBlocker bloque(l);
        l->setCurrentIndex(-1);
    }
    const bool membre = cadre_membre_visible();
    bt_créditer_adh->setVisible(membre);
    bt_annul_ligne_adh->setVisible(membre);
    bt_créditer_asso->setVisible(!membre);
    bt_prélever->setVisible(!membre);
    const std::optional<monnaie> montant = lit_montant_saisi(ctt_montant->text());
    active(bt_annul_ligne_adh, montant && montant->brut != 0);
    if (bt_nouvelle->text() == QLatin1String("Nouvelle")) {
        bt_nouvelle->setText(QStringLiteral("Annuler"));
        bt_valider->setEnabled(true);
        ctt_libellé->setEnabled(true);
    } else {
        bt_nouvelle->setText(QStringLiteral("Nouvelle"));
        bt_valider->setEnabled(false);
        ctt_libellé->setEnabled(false);
        bt_annul_ligne_adh->hide();
        active(bt_annul_lig_asso, false);
    }
}

void f_compta::bt_valider_Click()
{
    abandonne_validation();
    if (même_compte()) {
        ctt_montant->clear();
        return;
    }
    const std::optional<monnaie> montant = montant_saisi(ctt_montant->text());
    if (!montant)
        return;
    if (montant->brut == 0 && données.utilise_monnaie_locale != 0) {
        MsgBox(QStringLiteral("Vous n'avez pas indiqué le montant de l'opération"), style_boîte::exclamation);
        return;
    }
    if (!dt(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text()))
        return;
    saisie_échange s = saisie_en_cours();
    s.date_opération = *date_saisie(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text());
    const bool membre = cadre_membre_visible();
    const bool à_enregistrer = montant->brut != 0;
    monnaie prélèvement;
    if (membre && à_enregistrer) {
        // Everything the recording will check, now, with its message.
        const std::optional<monnaie> p = valide_échange(s);
        if (!p)
            return;
        prélèvement = *p;
        s.prélèvement_validé = p;
    }

    offreur_choisi = false;
    date_opération = s.date_opération;
    if (membre)
        ctt_montant_à_prélever->setText(texte_affiché(prélèvement));
    if (membre && à_enregistrer)
        saisie_validée_ = s;
    bt_créditer_adh->setVisible(membre);
    bt_créditer_adh->setEnabled(saisie_validée_.has_value());
    bt_annul_ligne_adh->setVisible(membre);
    active(bt_annul_ligne_adh, false);
    bt_créditer_asso->setVisible(!membre);
    bt_prélever->setVisible(!membre);
    active(bt_créditer_asso, !membre && à_enregistrer);
    active(bt_prélever, !membre && à_enregistrer);
    bt_annul_lig_asso->setVisible(!membre);
    active(bt_annul_lig_asso, false);
    QPushButton* suivant = membre ? bt_créditer_adh : bt_prélever;
    if (suivant->isEnabled())
        suivant->setFocus();
    bt_nouvelle->setText(QStringLiteral("Nouvelle"));
    bt_valider->setEnabled(false);
    ctt_libellé->setEnabled(false);
}

void f_compta::bt_créditer_adh_Click()
{
    if (!saisie_validée_)
        return;
    const saisie_échange s = *saisie_validée_;
    gg_compte.setCols(17);
    if (!enregistre_échange(s, {&gg_compte}))
        return;
    saisie_validée_.reset();
    vue_gg_compte->scrollToBottom();

    const bool avec_prélèvement = journal_écritures().size() == 4;
    if (avec_prélèvement) {
        // The fields show the levy lines, the last ones recorded.
        ctt_libellé->setText(QStringLiteral("~ ") + s.prélèvement.taux + QStringLiteral("% sur ") + s.description);
        ctt_ligne_cat->setText(QStringLiteral("0"));
        ctt_code_rubrique->setText(QStringLiteral("0"));
        for (QComboBox* l : {cb_genre, cb_kid}) {
            const QSignalBlocker bloque(l);
            l->setCurrentIndex(-1);
        }
    }
    offreur = valeur_choisie(liste_comptes_à_créditer);
    compte_courant = static_cast<int16>(valeur_choisie(Liste_comptes));
    lbl_der_solde_offreur->setText(texte_affiché(solde_compte(offreur)));
    lbl_der_solde->setText(texte_affiché(solde_compte(compte_courant)));
    bt_créditer_adh->setEnabled(false);
    active(bt_annul_ligne_adh, true);

    // The main window's grid lists the newest lines while it shows the accounts.
    if (données.mode_grille == QLatin1String("comptes"))
        clique_op(4);
}

void f_compta::ctt_ligne_cat_Entrée()
{
    const std::optional<ligne_catalogue> l = cherche_ligne_catalogue(ctt_ligne_cat->text());
    if (!l)
        return;
    ctt_libellé->setText(l->désignation);
    const int code = l->code_rubrique;
    ctt_code_rubrique->setText(QString::number(code));
    {
        const QSignalBlocker bloque_kid(cb_kid), bloque_genre(cb_genre);
        cb_kid->setCurrentIndex(l->pour_enfants ? 0 : 1);
        cb_genre->setCurrentIndex(l->genre);
    }
    // The lists are found by their numbers, whatever their positions.
    choisis(cb_rub1, position_de_valeur(cb_rub1, code / 100));
    choisis(cb_rub2, position_de_valeur(cb_rub2, code % 100 / 10));
    choisis(cb_rub3, code % 10 - 1);
    if (l->offre && !offreur_choisi) {
        num_compt_dest1->setText(QString::number(l->membre));
        cherche_compte_par_num();
    }
    ctt_montant->setFocus();
}

void f_compta::ctt_libellé_Entrée()
{
    ctt_libellé->setText(remplace_guillemets(ctt_libellé->text()));
    if (données.utilise_monnaie_locale == 0) {
        ctt_montant->setText(QStringLiteral("1"));
        bt_valider_Click();
    } else {
        ctt_montant->setFocus();
    }
}

void f_compta::cb_rub1_Click()
{
    if (cb_rub1->currentIndex() < 0)
        return;
    constitue_liste_sous_rubriques(valeur_choisie(cb_rub1));
    constitue_code();
}

void f_compta::constitue_code()
{
    // Without a section the code field keeps what it holds.
    if (cb_rub1->currentIndex() < 0)
        return;
    int code = valeur_choisie(cb_rub1) * 100;
    if (cb_rub2->currentIndex() >= 0)
        code += valeur_choisie(cb_rub2) * 10;
    code += cb_rub3->currentIndex() + 1;
    ctt_code_rubrique->setText(QString::number(code));
}

void f_compta::constitue_liste_sous_rubriques(int section)
{
    remplit(cb_rub2, sous_rubriques_de(section));
    if (section == 0)
        return;
    const std::optional<chiffres_code> chiffres = chiffres_du_code(ctt_code_rubrique->text());
    if (!chiffres) {
        const QSignalBlocker bloque(cb_rub3);
        cb_rub3->setCurrentIndex(-1);
        return;
    }
    choisis(cb_rub2, position_de_valeur(cb_rub2, chiffres->sous_rubrique));
    choisis(cb_rub3, chiffres->dernier - 1);
}

void f_compta::ctt_code_rubrique_Entrée()
{
    données_modifiées = true;
    int code = numéro_lu(ctt_code_rubrique->text());
    if (code < std::numeric_limits<int16>::min() || code > std::numeric_limits<int16>::max())
        code = 0;
    choisis(cb_rub1, indice_rubrique_liste(*cb_rub1, static_cast<int16>(code)));
}

void f_compta::chk_prélever_Click() { données.sans_prélèvement = chk_prélever->isChecked() ? 1 : 0; }

// ---------------------------------------------------------------- keys, focus and mouse

bool f_compta::eventFilter(QObject* objet, QEvent* e)
{
    if (détruite_)
        return false;
    const bool nouvelle = bt_nouvelle->text() == QLatin1String("Nouvelle");

    if (objet == vue_gg_compte->viewport()) {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            édition->popup(QCursor::pos());
            return true;
        }
        return false;
    }

    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const std::array<QLineEdit*, 3> date = {ctt_jour_op, ctt_mois_op, ctt_an_op};
        for (std::size_t i = 0; i < date.size(); ++i) {
            if (objet != date[i])
                continue;
            if (touche_entrée(k) || k->key() == Qt::Key_Space) {
                (i + 1 < date.size() ? static_cast<QWidget*>(date[i + 1]) : ctt_ligne_cat)->setFocus();
                return true;
            }
            return caractère_refusé(k);
        }
        if (objet == ctt_per_cent || objet == ctt_solde_mini || objet == ctt_montant_min || objet == ctt_montant_max) {
            // The last exchange can no longer be undone once the levy data change.
            active(bt_annul_ligne_adh, false);
            if (caractère_refusé(k))
                return true;
            if (!k->text().isEmpty() || k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Delete)
                abandonne_validation();
            return false;
        }
        if (objet == ctt_libellé && nouvelle && !touche_entrée(k))
            bt_nouvelle_Click();
        return false;
    }

    if (e->type() == QEvent::FocusIn && vrai_changement_de_focus(static_cast<QFocusEvent*>(e))) {
        auto* champ = qobject_cast<QLineEdit*>(objet);
        if (objet == cb_rub1) {
            données_modifiées = true;
        } else if (objet == ctt_montant || objet == ctt_ligne_cat) {
            if (nouvelle)
                bt_nouvelle_Click();
            if (objet == ctt_montant)
                QTimer::singleShot(0, ctt_montant, [c = ctt_montant] { c->selectAll(); });
        } else if (objet == num_cpt || objet == num_compt_dest1) {
            QTimer::singleShot(0, champ, [champ] { champ->selectAll(); });
        } else if (objet == ctt_jour_op || objet == ctt_mois_op || objet == ctt_an_op) {
            QTimer::singleShot(0, champ, [champ] { champ->end(false); });
        }
        return false;
    }

    if (e->type() == QEvent::FocusOut && vrai_changement_de_focus(static_cast<QFocusEvent*>(e))) {
        if (objet == num_cpt) {
            QString num = num_cpt->text();  // a copy: an empty field changes nothing
            cherche_adh_par_num(Liste_comptes, num);
        } else if (objet == num_compt_dest1) {
            num_compt_dest1_Entrée();
        }
    }
    return false;
}
