// The exchange window: its controls and colours, opening and closing, and the
// keys, focus and mouse that drive the entry.
#include "accounts/f_compta.h"
#include "accounts/f_compta_commun.h"

#include "accounts/extraction_comptes.h"
#include "accounts/grilles_comptes.h"
#include "accounts/reprise.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/controles.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/selections_enregistrees.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
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
#include <functional>

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

bool touche_entrée(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

// Keys of the number fields: a character above "9" is refused; digits,
// space, "," "." "-" and the control keys pass.
bool caractère_refusé(const QKeyEvent* k)
{
    const QString t = k->text();
    return !t.isEmpty() && t[0].isPrint() && t[0] > QLatin1Char('9');
}

}  // namespace

using namespace fenêtre_échanges;

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
    // Any change of the entry once validated, however it is made, drops the
    // validation: only what was validated is recorded.
    suivi_entrée_.suit({Liste_comptes, liste_comptes_à_créditer, ctt_jour_op, ctt_mois_op, ctt_an_op, ctt_ligne_cat,
                        ctt_libellé, ctt_code_rubrique, cb_genre, cb_kid, ctt_montant, ctt_per_cent, ctt_solde_mini,
                        ctt_montant_min, ctt_montant_max, chk_prélever, cb_comptes_asso},
                       [this] {
                           if (saisie_validée_)
                               abandonne_validation();
                       });
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
        // Room on the right only: on a small screen the figure keeps its height.
        l->setIndent(3);
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
    bt_filtres_eleves->setIcon(icône_standard(QStyle::SP_FileDialogContentsView));
    bt_filtres_eleves->setToolTip(QStringLiteral("filtrer la liste et/ou créer des filtres de tri"));
    bt_trier = bouton(QString(), cadre_compte_asso, QStringLiteral("bt_trier"), 406, 46, 30);
    bt_trier->setIcon(icône_standard(QStyle::SP_FileDialogListView));
    bt_trier->setToolTip(QStringLiteral("trier la liste"));
    bt_plusieurs[1] =
        bouton(QStringLiteral("un seul..."), cadre_compte_asso, QStringLiteral("bt_plusieurs1"), 276, 80, 90);
    bt_plusieurs[1]->setToolTip(QStringLiteral("Utile pour les transferts de compte-asso à compte-asso"));
    cadre_compte_asso->hide();

    // ---- the entry
    cadre_transaction = cadre(QStringLiteral("Libellé"), Frame1, 6, 140, 738, 134, QStringLiteral("cadre_transaction"));
    QGroupBox* t = cadre_transaction;
    Command1 = bouton(QString(), t, QStringLiteral("Command1"), 8, 18, 28);
    Command1->setIcon(icône_standard(QStyle::SP_DialogSaveButton));
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
    // Empty until typed: an amount shown is one the user entered.
    ctt_montant = champ(t, QStringLiteral("ctt_montant"), 568, 100, 78, 26);
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

    // Without the member filter box (a set-up without the members), its
    // button stays disabled rather than doing nothing when pressed.
    if (!fenêtre_enregistrée(QStringLiteral("p_filtrfam")))
        sans_action_.insert(bt_filtres_eleves);
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

    connect(vue_gg_compte, &QAbstractItemView::doubleClicked, this, [this] { gg_compte_DblClick(); });
    connect(bt_annul_ligne_adh, &QPushButton::clicked, this, [this] { bt_annul_ligne_adh_Click(); });
    connect(bt_annul_lig_asso, &QPushButton::clicked, this, [this] { bt_annul_lig_asso_Click(); });
    for (QPushButton* b : bt_plusieurs)
        connect(b, &QPushButton::clicked, this, [this] { bt_plusieurs_Click(); });
    connect(bt_créditer_asso, &QPushButton::clicked, this, [this] { bt_créditer_asso_Click(); });
    connect(bt_prélever, &QPushButton::clicked, this, [this] { bt_prélever_Click(); });
    connect(liste_comptes_asso, &QListWidget::currentRowChanged, this, [this] { liste_comptes_asso_Click(); });
    connect(cb_dernières, &QComboBox::activated, this, [this] { cb_dernières_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(op_test_d[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { op_test_d_Click(i); });
    connect(cb_mois, &QComboBox::activated, this, [this] { cb_mois_Click(); });
    connect(bt_extraire_relevé, &QPushButton::clicked, this, [this] { bt_extraire_relevé_Click(); });
    connect(bt_extraire_offreur, &QPushButton::clicked, this, [this] { bt_extraire_offreur_Click(); });
    connect(Bt_extraire_deux_comptes, &QPushButton::clicked, this, [this] { Bt_extraire_deux_comptes_Click(); });
    connect(bt_imprimer, &QPushButton::clicked, this, [this] { bt_imprimer_Click(); });
    connect(bt_filtres_eleves, &QPushButton::clicked, this, [this] { bt_filtres_eleves_Click(); });
    connect(bt_trier, &QPushButton::clicked, this, [this] { bt_trier_Click(); });

    for (QObject* o : std::initializer_list<QObject*>{
             num_cpt, num_compt_dest1, ctt_jour_op, ctt_mois_op, ctt_an_op, ctt_ligne_cat, ctt_libellé, ctt_montant,
             ctt_per_cent, ctt_solde_mini, ctt_montant_min, ctt_montant_max, cb_rub1, vue_gg_compte->viewport(),
             Command1, ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
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

    const auto branche = [this](QAction* a, std::function<void()> action) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, std::move(action));
    };
    branche(enr_rep, [this] { enr_rep_Click(); });
    branche(rest_rep, [this] { rest_rep_Click(); });
    branche(restaure_départ, [this] { restaure_départ_Click(); });
    for (const int i : {0, 1})
        branche(ext[i], [this, i] { ext_Click(i); });
    connect(ext[4], &QAction::triggered, this, [this] { ext_Click(4); });
    connect(extraire, &QMenu::aboutToShow, this, [this] { extraire_Click(); });
    for (int i = 0; i < 3; ++i)
        branche(ed[static_cast<std::size_t>(i)], [this, i] { ed_Click(i); });
    branche(zéro_adh, [this] { zéro_adh_Click(); });
    branche(zéro_cumuls, [this] { zéro_cumuls_Click(); });
    branche(aide_sommaire, [] { ouvre_aide(QStringLiteral("index")); });
    branche(aide_echanges, [] { ouvre_aide(QStringLiteral("echange")); });
    branche(aide_gr, [] { ouvre_aide(QStringLiteral("techn_grille")); });
    branche(aide_choix, [] { ouvre_aide(QStringLiteral("techn_choix")); });
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

bool f_compta::validation_tient()
{
    if (saisie_validée_ && suivi_entrée_.modifiée())
        abandonne_validation();
    return saisie_validée_.has_value();
}

bool f_compta::cadre_membre_visible() const { return !cadre_compte_adhérent->isHidden(); }

void f_compta::montre_soldes()
{
    lbl_der_solde->setText(texte_affiché(solde_compte(compte_courant)));
    lbl_der_solde_offreur->setText(texte_affiché(solde_compte(offreur)));
}

void f_compta::remet_saisie()
{
    abandonne_validation();
    const QDate jour = aujourdhui();
    ctt_jour_op->setText(Format(jour.day(), QStringLiteral("00")));
    ctt_mois_op->setText(Format(jour.month(), QStringLiteral("00")));
    ctt_an_op->setText(QString::number(jour.year()));
    ctt_ligne_cat->clear();
    ctt_libellé->clear();
    ctt_code_rubrique->clear();
    ctt_montant->clear();
    for (QComboBox* l : {cb_rub1, cb_rub2, cb_rub3, cb_genre}) {
        const QSignalBlocker bloque(l);
        l->setCurrentIndex(-1);
    }
}

void f_compta::rafraîchit_grille_principale()
{
    if (données.mode_grille == QLatin1String("comptes"))
        clique_op(4);
}

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
    remplit_menu_sélections(*extraire, ext, 4, [this](int n) { ext_Click(n); });
    // Saved selections are read by the members' filter, when it is there.
    for (auto& [n, action] : ext)
        if (n >= 4)
            action->setEnabled(static_cast<bool>(branchement_charge_etat));
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
    // The restore point that the Fichier menu can bring back, of the data as
    // they are now; it is written while the window opens.
    pose_point_repère_en_fond();

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
    jours_mois = jours_des_mois(jour.year());
    remplit(cb_dernières, {{QStringLiteral("toutes"), 0},
                           {QStringLiteral("5 dernières"), 1},
                           {QStringLiteral("10 dernières"), 2},
                           {QStringLiteral("15 dernières"), 3},
                           {QStringLiteral("20 dernières"), 4},
                           {QStringLiteral("25 dernières"), 5}});
    const int dernières = numéro_lu(réglages::lit(QStringLiteral("Utilisateur"), QStringLiteral("clef_ext"),
                                                  QStringLiteral("4")));
    if (dernières >= 0 && dernières <= 5) {
        cb_dernières->setCurrentIndex(dernières);
        cb_dernières_Click();
    }
    ctt_an_dep->setText(QString::number(jour.year()));
    ctt_an_fin->setText(QString::number(jour.year()));
    cb_mois->setCurrentIndex(jour.month() - 1);
    cb_mois_Click();
    cb_mois->setEnabled(false);  // until the period is chosen by dates
    date_du_jour();

    entête_grille_écritures(gg_compte, false);
    élargit_grille(gg_compte);  // no header cut to its first letters

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

    // Near its limit the ledger is told at once, not at the first refusal.
    if (const QString alerte = alerte_lignes_compte(); !alerte.isEmpty())
        MsgBox(alerte, style_boîte::exclamation);
    grand_livre_plein_ = lignes_compte_restantes() < lignes_par_échange;
    suit_place_lignes();
}

void f_compta::Form_QueryUnload(bool& cancel)
{
    // A levy setting that is no number is refused as the validation refuses
    // it: the window stays open with it rather than store something else.
    if (!range_paramètres_prélèvement({ctt_per_cent->text(), ctt_solde_mini->text(), ctt_montant_min->text(),
                                       ctt_montant_max->text(), chk_prélever->isChecked(), 0},
                                      cb_comptes_asso->currentIndex())) {
        cancel = true;
        return;
    }
    // Also writes the balances file on the accounting station.
    enregistrer_fichier(fichier_courant, false);
}

void f_compta::bt_quitter_Click() { close(); }

// ---------------------------------------------------------------- keys, focus and mouse

bool f_compta::eventFilter(QObject* objet, QEvent* e)
{
    if (détruite_)
        return false;
    const bool nouvelle = bt_nouvelle->text() == QLatin1String("Nouvelle");

    if (objet == Command1) {
        // The button acts as soon as a mouse button goes down, whichever it
        // is; the second press of a double-click is not a new one.
        if (e->type() == QEvent::MouseButtonPress)
            Command1_MouseDown(static_cast<QMouseEvent*>(e)->modifiers());
        return e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
    }

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
        // The period fields: no letter; Enter, Tab or Space goes on to the next.
        const std::array<QWidget*, 7> période = {ctt_jour_dep, ctt_mois_dep, ctt_an_dep,        ctt_jour_fin,
                                                  ctt_mois_fin, ctt_an_fin,   bt_extraire_relevé};
        for (std::size_t i = 0; i + 1 < période.size(); ++i) {
            if (objet != période[i])
                continue;
            if (touche_entrée(k) || k->key() == Qt::Key_Space || k->key() == Qt::Key_Tab) {
                période[i + 1]->setFocus(Qt::TabFocusReason);
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

    if (e->type() == QEvent::FocusIn && focus_de_l_utilisateur(static_cast<QFocusEvent*>(e))) {
        auto* champ = qobject_cast<QLineEdit*>(objet);
        if (objet == ctt_montant || objet == ctt_ligne_cat) {
            if (nouvelle)
                bt_nouvelle_Click();
            if (objet == ctt_montant)
                QTimer::singleShot(0, ctt_montant, [c = ctt_montant] { c->selectAll(); });
        } else if (objet == num_cpt || objet == num_compt_dest1) {
            QTimer::singleShot(0, champ, [champ] { champ->selectAll(); });
        } else if (objet == ctt_jour_op || objet == ctt_mois_op || objet == ctt_an_op || objet == ctt_jour_dep ||
                   objet == ctt_mois_dep || objet == ctt_an_dep || objet == ctt_jour_fin || objet == ctt_mois_fin ||
                   objet == ctt_an_fin) {
            QTimer::singleShot(0, champ, [champ] { champ->end(false); });
        }
        return false;
    }

    if (e->type() == QEvent::FocusOut && focus_de_l_utilisateur(static_cast<QFocusEvent*>(e))) {
        if (objet == num_cpt) {
            // Leaving the number of the account already chosen changes nothing:
            // choosing an association account again would refill the list of
            // several accounts and lose the members kept in it.
            QString num = num_cpt->text();  // a copy: an empty field changes nothing
            if (Liste_comptes->currentIndex() < 0 || numéro_lu(num) != valeur_choisie(Liste_comptes))
                cherche_adh_par_num(Liste_comptes, num);
        } else if (objet == num_compt_dest1) {
            num_compt_dest1_Entrée();
        }
    }
    return false;
}
