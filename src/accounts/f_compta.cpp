#include "accounts/f_compta.h"

#include "accounts/annulation.h"
#include "accounts/ecritures.h"
#include "accounts/extraction_comptes.h"
#include "accounts/grilles_comptes.h"
#include "accounts/plusieurs_comptes.h"
#include "accounts/reprise.h"
#include "accounts/saisie_compta.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/elements.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/controles.h"
#include "ui_common/export_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/listes_longues.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/selections_enregistrees.h"
#include "ui_common/surface_imprimante.h"

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

int valeur_choisie(const QComboBox* l) { return l->currentIndex() < 0 ? 0 : l->currentData().toInt(); }

std::vector<entrée_liste_longue> longue(const std::vector<entrée_liste>& entrées)
{
    std::vector<entrée_liste_longue> l;
    l.reserve(entrées.size());
    for (const entrée_liste& e : entrées)
        l.push_back({e.texte, e.valeur});
    return l;
}

// The lists of accounts hold a whole association: filled in one go.
void remplit(QComboBox* l, const std::vector<entrée_liste>& entrées)
{
    const QSignalBlocker bloque(l);
    remplit_liste_longue(*l, longue(entrées));
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
    // The restore point that the Fichier menu can bring back.
    pose_point_repère();

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
    remplit_liste_longue(*liste_comptes_asso, longue(membres_pour_plusieurs()));
    compte_liste_asso();
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
    // A count of exchanges starts at one; an amount waits for the user.
    ctt_montant->setText(données.utilise_monnaie_locale == 1 ? QString() : QStringLiteral("1"));
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
    // Only while the last exchange can still be undone.
    active(bt_annul_ligne_adh, montant && montant->brut != 0 && échange_défaisable_ && journal_à_jour());
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
    // Everything the recording will check, now, with its message.
    if (membre && à_enregistrer) {
        const std::optional<monnaie> p = valide_échange(s);
        if (!p)
            return;
        prélèvement = *p;
        s.prélèvement_validé = p;
    } else if (à_enregistrer && !valide_opération_multiple(s, comptes_listés())) {
        return;
    }

    offreur_choisi = false;
    date_opération = s.date_opération;
    if (membre)
        ctt_montant_à_prélever->setText(texte_affiché(prélèvement));
    if (à_enregistrer) {
        saisie_validée_ = s;
        suivi_entrée_.retiens();
    }
    bt_créditer_adh->setVisible(membre);
    bt_créditer_adh->setEnabled(membre && saisie_validée_.has_value());
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
    if (!validation_tient() || !cadre_membre_visible())
        return;
    const saisie_échange s = *saisie_validée_;
    gg_compte.setCols(17);
    if (!enregistre_échange(s, {&gg_compte})) {
        // Pressing again would be refused again: the entry waits for a new validation.
        abandonne_validation();
        suit_place_lignes();
        return;
    }
    saisie_validée_.reset();
    vue_gg_compte->scrollToBottom();
    lignes_affichées_ = static_cast<int>(journal_écritures().size());
    échange_défaisable_ = true;
    dernière_opération_multiple = aucune_opération_multiple;

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
    rafraîchit_grille_principale();
    lignes_postées();
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
    int code = numéro_lu(ctt_code_rubrique->text());
    if (code < std::numeric_limits<int16>::min() || code > std::numeric_limits<int16>::max())
        code = 0;
    choisis(cb_rub1, indice_rubrique_liste(*cb_rub1, static_cast<int16>(code)));
}

void f_compta::chk_prélever_Click() { données.sans_prélèvement = chk_prélever->isChecked() ? 1 : 0; }

// ---------------------------------------------------------------- undo and cancellation

void f_compta::gg_compte_DblClick()
{
    if (gg_compte.Rows() < 2)
        return;
    if (gg_compte.Row() < 1)
        gg_compte.setRow(1);
    constitue_ligne_annulation(gg_compte.Row());
}

void f_compta::constitue_ligne_annulation(int ligne)
{
    const std::optional<ligne_à_annuler> a = ligne_à_annuler_de(gg_compte, ligne);
    if (!a)
        return;
    // A ledger without room for the reverse exchange refuses it, saying what
    // frees lines, before the user is asked to confirm it.
    if (!place_pour_lignes(lignes_par_échange))
        return;
    if (MsgBox(QStringLiteral("Cette action va créer une ligne d'annulation pour ") + a->description_ligne +
                   QStringLiteral(" . Etes-vous-sûr ? "),
               style_boîte::oui_non | style_boîte::question) != rép_oui)
        return;

    // Everything is checked and recorded before the entry is touched: a
    // refused cancellation leaves the entry as it was, and nothing of it can
    // be recorded later between other accounts. The reverse exchange goes
    // between the row's two accounts exactly: an account missing from its
    // list is refused, never replaced by another.
    const int position_reçoit = position_de_valeur(liste_comptes_à_créditer, a->crédité);
    const int position_paye = position_de_valeur(Liste_comptes, a->débité);
    if (position_reçoit < 0 || position_paye < 0) {
        refuse_annulation_hors_listes(position_reçoit < 0 ? a->crédité : a->débité);
        return;
    }
    if (!dt(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text()))
        return;
    const auto dans = [](const QComboBox* liste, int position) {
        return position >= 0 && position < liste->count() ? position : -1;
    };
    saisie_échange s = saisie_en_cours();
    s.débité = a->débité;
    s.crédité = a->crédité;
    s.date_opération = *date_saisie(ctt_jour_op->text(), ctt_mois_op->text(), ctt_an_op->text());
    s.description = a->description;
    s.ligne_cat.clear();
    s.genre = dans(cb_genre, a->genre);
    s.catégorie = dans(cb_kid, a->catégorie);
    s.montant = a->montant;
    s.code_rubrique = a->code_rubrique;
    gg_compte.setCols(17);
    if (!enregistre_annulation(s, a->rétablit, {&gg_compte}))
        return;

    // Recorded: the entry shows the cancellation, with nothing left to record.
    bt_nouvelle_Click();
    ctt_libellé->setText(s.description);
    {
        const QSignalBlocker bloque_genre(cb_genre), bloque_kid(cb_kid);
        cb_genre->setCurrentIndex(s.genre);
        cb_kid->setCurrentIndex(s.catégorie);
    }
    ctt_montant->setText(s.montant);
    ctt_code_rubrique->setText(s.code_rubrique);
    num_compt_dest1->clear();
    choisis(liste_comptes_à_créditer, position_reçoit);
    num_cpt->clear();
    choisis(Liste_comptes, position_paye);

    date_opération = s.date_opération;
    offreur_choisi = false;
    vue_gg_compte->scrollToBottom();
    lignes_affichées_ = 0;
    échange_défaisable_ = false;
    bt_nouvelle->setText(QStringLiteral("Nouvelle"));
    bt_valider->setEnabled(false);
    ctt_libellé->setEnabled(false);
    bt_créditer_adh->setEnabled(false);
    // The debited list comes back to the account that has just been repaid.
    QString num = QString::number(offreur);
    cherche_adh_par_num(Liste_comptes, num);
    montre_soldes();
    rafraîchit_grille_principale();
    lignes_postées();
}

void f_compta::bt_annul_ligne_adh_Click()
{
    if (!échange_défaisable_)
        return;
    échange_défaisable_ = false;
    if (défait_dernière_opération()) {
        ôte_lignes_affichées();
        remet_saisie();
        montre_soldes();
        rafraîchit_grille_principale();
        lignes_postées();
    }
    lignes_affichées_ = 0;
    bt_annul_ligne_adh->setEnabled(false);
    bt_annul_ligne_adh->hide();
    bt_créditer_adh->setEnabled(false);
    bt_nouvelle->setFocus();
}

void f_compta::bt_annul_lig_asso_Click()
{
    // An operation that posted nothing (a list without members) has nothing to undo.
    if (dernière_opération_multiple != aucune_opération_multiple && lignes_affichées_ > 0 &&
        défait_dernière_opération()) {
        ôte_lignes_affichées();
        montre_soldes();
        rafraîchit_grille_principale();
        lignes_postées();
    }
    remet_saisie();
    lignes_affichées_ = 0;
    for (QPushButton* b : {bt_annul_lig_asso, bt_créditer_asso, bt_prélever})
        active(b, false);
    bt_nouvelle->setFocus();
    dernière_opération_multiple = aucune_opération_multiple;
}

void f_compta::ôte_lignes_affichées()
{
    if (lignes_affichées_ <= 0 || gg_compte.Rows() - 1 < lignes_affichées_)
        return;
    for (int k = 0; k < lignes_affichées_; ++k)
        gg_compte.RemoveItem(gg_compte.Rows() - 1);
    lignes_affichées_ = 0;
}

// ---------------------------------------------------------------- several accounts

void f_compta::bt_plusieurs_Click()
{
    abandonne_validation();
    const bool plusieurs = cadre_compte_asso->isHidden();
    cadre_compte_asso->setVisible(plusieurs);
    cadre_compte_adhérent->setVisible(!plusieurs);
}

void f_compta::bt_créditer_asso_Click()
{
    if (!validation_tient() || cadre_membre_visible())
        return;
    if (même_compte()) {
        bt_nouvelle_Click();
        return;
    }
    opération_multiple(opération_reversement);
}

void f_compta::bt_prélever_Click()
{
    if (!validation_tient() || cadre_membre_visible())
        return;
    opération_multiple(opération_prélèvement);
}

void f_compta::opération_multiple(int opération)
{
    const saisie_échange s = *saisie_validée_;
    if (!enregistre_opération_multiple(opération, s, comptes_listés())) {
        abandonne_validation();
        suit_place_lignes();
        return;
    }
    saisie_validée_.reset();
    // The window's grid shows the demandeur's side: its line for each member.
    const std::vector<écriture_journalisée>& journal = journal_écritures();
    for (std::size_t k = 0; k < journal.size(); k += 2)
        gg_compte.AddItem(compose_ligne_écriture(journal[k].indice));
    vue_gg_compte->scrollToBottom();
    lignes_affichées_ = static_cast<int>(journal.size() / 2);
    échange_défaisable_ = false;
    montre_soldes();
    for (QPushButton* b : {bt_prélever, bt_créditer_asso})
        active(b, false);
    active(bt_annul_lig_asso, true);
    dernière_opération_multiple = opération;
    rafraîchit_grille_principale();
    lignes_postées();
}

void f_compta::liste_comptes_asso_Click()
{
    offreur_choisi = true;
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso}) {
        b->hide();
        active(b, false);
    }
}

std::vector<int> f_compta::comptes_listés() const
{
    std::vector<int> comptes;
    for (int i = 0; i < liste_comptes_asso->count(); ++i)
        comptes.push_back(liste_comptes_asso->item(i)->data(Qt::UserRole).toInt());
    return comptes;
}

void f_compta::lignes_postées()
{
    élargit_grille(gg_compte);
    suit_place_lignes();
}

void f_compta::suit_place_lignes()
{
    const bool plein = lignes_compte_restantes() < lignes_par_échange;
    for (QWidget* w : std::initializer_list<QWidget*>{bt_nouvelle, ctt_montant, ctt_ligne_cat})
        active(w, !plein);
    if (plein) {
        abandonne_validation();
        bt_valider->setEnabled(false);
        ctt_libellé->setEnabled(false);
        if (!grand_livre_plein_)
            MsgBox(alerte_lignes_compte(), style_boîte::exclamation);
    }
    grand_livre_plein_ = plein;
}

void f_compta::compte_liste_asso()
{
    num_compt_dest2->setText(QString::number(liste_comptes_asso->count()));
    offreur_choisi = true;  // the list was refilled
}

// ---------------------------------------------------------------- restore points and resets

void f_compta::Command1_MouseDown(Qt::KeyboardModifiers touches)
{
    if ((touches & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        if (MsgBox(QStringLiteral("Cette action va revenir aux données présentes lors de la pose du dernier point "
                                  "de repère ou à défaut lors de l'ouverture de cette page.\r\n"
                                  "Toutes les lignes de compte rentrées depuis seront ignorées."),
                   style_boîte::ok_annuler | style_boîte::information) != rép_ok)
            return;
        if (restaure(restaure_point_repère))
            bt_extraire_relevé_Click();
        return;
    }
    if (!pose_point_repère()) {
        // Told rather than confirmed: nothing was written.
        const QString raison = raison_sans_point_repère();
        if (!raison.isEmpty())
            MsgBox(raison, style_boîte::exclamation);
        return;
    }
    MsgBox(QStringLiteral("Votre demande a bien été enregistrée.\r\nVous pourrez revenir aux données actuelles par "
                          "un ctrl+click sur ce bouton ou en utilisant la fonction du menu fichier."),
           style_boîte::information);
}

void f_compta::enr_rep_Click() { pose_point_repère(); }

void f_compta::rest_rep_Click() { restaure(restaure_point_repère); }

void f_compta::restaure_départ_Click() { restaure(restaure_copie_départ); }

bool f_compta::restaure(bool (*restauration)())
{
    // The other windows first validate and close: nothing they show of the
    // tables replaced can reach the restored ones.
    if (!libère_fenêtres_avant_chargement(this) || !restauration())
        return false;
    plus_rien_à_défaire();
    return true;
}

void f_compta::plus_rien_à_défaire()
{
    abandonne_validation();
    échange_défaisable_ = false;
    lignes_affichées_ = 0;
    dernière_opération_multiple = aucune_opération_multiple;
    for (QPushButton* b : {bt_annul_ligne_adh, bt_annul_lig_asso})
        active(b, false);
    montre_soldes();
    suit_place_lignes();
}

bool f_compta::avertissement()
{
    if (MsgBox(texte_avertissement_remise(), style_boîte::ok_annuler | style_boîte::information) == rép_ok)
        return true;
    if (Liste_comptes->count() > 0)
        choisis(Liste_comptes, 0);
    return false;
}

void f_compta::zéro_adh_Click()
{
    if (!avertissement())
        return;
    if (MsgBox(texte_remise_soldes(), style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return;
    if (remet_soldes(comptes_listés()))
        plus_rien_à_défaire();
}

void f_compta::zéro_cumuls_Click()
{
    if (!avertissement())
        return;
    if (MsgBox(texte_remise_cumuls(), style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return;
    if (remet_cumuls(comptes_listés()))
        plus_rien_à_défaire();
}

// ---------------------------------------------------------------- statements and printing

void f_compta::cb_dernières_Click()
{
    const int position = cb_dernières->currentIndex();
    if (position < 0)
        return;
    nombre_dernières = limite_dernières(position);
    if (!sans_enregistrement)
        réglages::écrit(QStringLiteral("Utilisateur"), QStringLiteral("clef_ext"), QString::number(position));
}

void f_compta::op_test_d_Click(int index)
{
    const bool par_dates = index == 0;
    mode_extraction = par_dates ? mode_période : mode_dernières;
    cb_dernières->setEnabled(!par_dates);
    cb_mois->setEnabled(par_dates);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(par_dates);
    if (par_dates) {
        cb_dernières->setCurrentIndex(0);
        cb_dernières_Click();
    }
}

void f_compta::cb_mois_Click()
{
    if (cb_mois->currentIndex() < 0)
        return;
    const champs_période p = période_du_mois(cb_mois->currentIndex() + 1, ctt_an_dep->text(), jours_mois);
    ctt_jour_dep->setText(p.jour_début);
    ctt_mois_dep->setText(p.mois_début);
    ctt_an_fin->setText(ctt_an_dep->text());
    ctt_jour_fin->setText(p.jour_fin);
    ctt_mois_fin->setText(p.mois_fin);
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(true);
}

void f_compta::extrait_relevé(const QComboBox* liste, int compte)
{
    cadre_période->setTitle(QStringLiteral("Extraction de ") + liste->currentText());
    if (mode_extraction == mode_période) {
        const std::optional<période> p = période_saisie(ctt_jour_dep->text(), ctt_mois_dep->text(),
                                                        ctt_an_dep->text(), ctt_jour_fin->text(),
                                                        ctt_mois_fin->text(), ctt_an_fin->text());
        if (!p)
            return;
        date_début = p->début;
        date_fin = p->fin;
    }
    remplit_relevé_compte(gg_compte, nombre_dernières, compte, mode_extraction, date_début, date_fin, false, -1);
    grille_remplie();
}

void f_compta::bt_extraire_relevé_Click() { extrait_relevé(Liste_comptes, compte_courant); }

void f_compta::bt_extraire_offreur_Click() { extrait_relevé(liste_comptes_à_créditer, offreur); }

void f_compta::Bt_extraire_deux_comptes_Click()
{
    remplit_relevé_compte(gg_compte, nombre_dernières, compte_courant, mode_dernières, 0, maintenant(), false,
                          offreur);
    grille_remplie();
}

void f_compta::grille_remplie()
{
    lignes_affichées_ = 0;
    échange_défaisable_ = false;
    dernière_opération_multiple = aucune_opération_multiple;
    for (QPushButton* b : {bt_annul_lig_asso, bt_annul_ligne_adh})
        active(b, false);
}

void f_compta::bt_imprimer_Click()
{
    surface_imprimante papier(imprimante());
    imprime_écritures(papier, gg_compte, titre_date_du_jour());
}

void f_compta::ed_Click(int index)
{
    switch (index) {
    case 0: copie_grille(gg_compte); break;
    case 1: copie_sélection(gg_compte); break;
    case 2: {
        ajuste_grille(gg_compte);
        surface_imprimante papier(imprimante());
        imprime_écritures(papier, gg_compte, QStringLiteral("Opérations sur le compte"));
        break;
    }
    default: break;
    }
}

// ---------------------------------------------------------------- the list of several accounts

void f_compta::bt_filtres_eleves_Click()
{
    if (!fenêtre_enregistrée(QStringLiteral("p_filtrfam")))
        return;
    liste_comptes_asso->clear();
    montre_filtre_membres(QStringLiteral("comptes"));
    compte_liste_asso();
}

void f_compta::extraire_Click() { remplit_menu_états(); }

void f_compta::bt_trier_Click()
{
    extraire_Click();
    extraire->popup(bt_trier->mapToGlobal(QPoint(0, bt_trier->height())));
}

void f_compta::ext_Click(int index)
{
    if (index == 0 || index == 1) {
        // Keeps the selected entries (0) or the others (1).
        const bool garder_choisis = index == 0;
        for (int i = 0; i < liste_comptes_asso->count();) {
            if (liste_comptes_asso->item(i)->isSelected() == garder_choisis)
                ++i;
            else
                delete liste_comptes_asso->takeItem(i);
        }
    } else if (ext.contains(index)) {
        // Item 4 names no file until a selection is saved: its caption is asked for.
        const QString chemin = fichier_de_l_item(ext, index);
        charge_etat(chemin.isEmpty()
                        ? chemin_programme(QStringLiteral("etats/") + ext[index]->text() + QStringLiteral(".eta"))
                        : chemin,
                    liste_comptes_asso);
    }
    compte_liste_asso();
}

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
