#include "reports/f_etats_comptes.h"

#include "accounts/grilles_comptes.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "reports/etats_comptes.h"
#include "reports/listes_comptes.h"
#include "reports/periode_rapports.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/sablier.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

// Laid out in pixels of the 800 x 600 design, then fitted to the screen.
constexpr int largeur_client = 790, hauteur_client = 560;

const QColor bleu_pâle(204, 224, 255), bleu(160, 192, 255);

// Option buttons and check boxes fill with their Button colour, frames with
// their Window colour: both are set.
void fond(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

f_états_comptes::f_états_comptes()
{
    setWindowTitle(QStringLiteral(" Trovane : les bons d'échange"));
    Op_type[0] = new QRadioButton(QStringLiteral("Bons d'échange"), centre);
    Op_type[1] = new QRadioButton(QStringLiteral("Etat des comptes"), centre);
    for (int i = 0; i < 2; ++i)
        Op_type[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Op_type%1").arg(i));
    Op_type[0]->setChecked(true);
    groupe_exclusif(this, Op_type);
    cadre_options = new QGroupBox(QStringLiteral("Options d'impression"), centre);
    cadre_options->setObjectName(QStringLiteral("cadre_options"));
    lbl_police = new QLabel(QStringLiteral("Choix de la police"), cadre_options);
    lbl_largeur = new QLabel(QStringLiteral("Largeur de la grille à l'impression: (en mm)"), cadre_options);
    lbl_largeur->setWordWrap(true);
    ct_largeur_grille = new QLabel(cadre_options);
    ct_largeur_grille->setObjectName(QStringLiteral("ct_largeur_grille"));
    ct_largeur_grille->setFrameShape(QFrame::Panel);
    ct_largeur_grille->setFrameShadow(QFrame::Sunken);
    ct_largeur_grille->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ct_largeur_grille->setMargin(2);
    info = new QLabel(cadre_options);
    info->setObjectName(QStringLiteral("info"));
    info->setWordWrap(true);
    bt_imprimer->setText(QStringLiteral("Imprimer le tableau"));
    bt_imprimer->setToolTip(QStringLiteral("Imprime le bulletin en cours"));
    nbr_listcount->setToolTip(QStringLiteral("Nombre de comptes dans la liste"));

    place_contrôles();
    crée_aide();
    branche_contrôles_communs();
    branche_contrôles();
    fond(centre, bleu_pâle);
    for (QWidget* w : std::initializer_list<QWidget*>{Op_type[0], Op_type[1]})
        fond(w, bleu);
    resize(largeur_client, hauteur_client + menuBar()->sizeHint().height());
}

void f_états_comptes::place_contrôles()
{
    place(Op_type[0], centre, 8, 6, 120, 22);
    place(Op_type[1], centre, 132, 6, 120, 22);

    place_comptes(32, 348, 202, 388, 26, 124);
    place(bt_quitter, centre, 6, 510, 48, 44);

    place(cadre_période, centre, 258, 4, 526, 84);
    place(lbl_du_mois, cadre_période, 10, 22, 70, 20);
    place(cb_mois, cadre_période, 80, 20, 110, 22);
    place(lbl_dernières, cadre_période, 210, 22, 126, 20);
    place(cb_dernières, cadre_période, 336, 20, 110, 22);
    place(ctt_jour_dep, cadre_période, 10, 52, 30, 22);
    place(ctt_mois_dep, cadre_période, 42, 52, 30, 22);
    place(ctt_an_dep, cadre_période, 74, 52, 46, 22);
    place(lbl_au, cadre_période, 122, 52, 26, 22);
    place(ctt_jour_fin, cadre_période, 150, 52, 30, 22);
    place(ctt_mois_fin, cadre_période, 182, 52, 30, 22);
    place(ctt_an_fin, cadre_période, 214, 52, 46, 22);
    place(bt_extraire_relevé, cadre_période, 420, 50, 96, 26);

    place(cadre_options, centre, 258, 92, 526, 132);
    place(bt_config_imprime, cadre_options, 8, 18, 112, 44);
    place(bt_imprimer, cadre_options, 124, 18, 112, 44);
    place(lbl_police, cadre_options, 246, 18, 270, 18);
    place(cb_police_crédit, cadre_options, 246, 38, 170, 22);
    place(cb_taille_crédit, cadre_options, 420, 38, 50, 22);
    place(info, cadre_options, 10, 68, 330, 56);
    place(lbl_largeur, cadre_options, 346, 66, 170, 34);
    place(ct_largeur_grille, cadre_options, 346, 102, 60, 22);

    place(lbl_titre, centre, 258, 228, 526, 24);
    place(vue_gg_compte, centre, 258, 256, 526, 298);
}

void f_états_comptes::crée_aide()
{
    aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_sommaire = aide->addAction(QStringLiteral("Sommaire de l'aide"));
    aide_comptes = aide->addAction(QStringLiteral("Aide de la page"));
    aide_grille = aide->addAction(QStringLiteral("Astuces de la grille"));
    aide_choix = aide->addAction(QStringLiteral("Trier la liste"));
    connect(aide_sommaire, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("index")); });
    connect(aide_comptes, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("echanges")); });
    connect(aide_grille, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("techn_grille")); });
    connect(aide_choix, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("techn_choix")); });
}

void f_états_comptes::branche_contrôles()
{
    for (int i = 0; i < 2; ++i)
        connect(Op_type[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { op_type_Click(i); });
    connect(bt_imprimer, &QToolButton::clicked, this, [this] { bt_imprimer_Click(); });
    // Resizing a column with the mouse shows the new printed width at once.
    connect(vue_gg_compte->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { ct_largeur_grille_Click(); });
}

// ---------------------------------------------------------------- loading

void f_états_comptes::Form_Load()
{
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);
    setWindowTitle(QStringLiteral(" Trovane : les bons d'échange"));
    remplit_liste(comptes_état_au_chargement());
    remplit_listes_période();
    {
        const QSignalBlocker bloque(cb_taille_crédit);
        cb_taille_crédit->setCurrentIndex(4);
    }
    // One table is made, in the size chosen: the sixth account's last
    // vouchers, or with fewer than six accounts (none chosen) the month's.
    prend_taille_crédit();
    const bool sixième = Liste_comptes->count() > 5;
    const QDate jour = aujourdhui();
    ctt_an_dep->setText(QString::number(jour.year()));
    ctt_an_fin->setText(QString::number(jour.year()));
    choisis_mois(jour.month() - 1, !sixième);
    entête_grille_écritures(gg_compte, true);
    if (sixième)
        choisis_compte(5);
    attente.relâche();
    chargée_ = true;
    info->setText(QStringLiteral("Changez de police, changez la taille, redimensionnez vos colonnes avec la souris et "
                                 "lisez ci-dessous la largeur de votre grille à l'impression."));
}

// ---------------------------------------------------------------- the account and the kind

void f_états_comptes::Liste_comptes_Click()
{
    compte_courant = static_cast<int16>(compte_choisi());
    num_cpt->setText(QString::number(compte_courant));
    montre_chiffres(compte_courant);
    active_dates(true);
    // Choosing the last lines extracts them: once is enough.
    choisis_dernières(1);
    montre_nombre_comptes();
}

void f_états_comptes::op_type_Click(int index)
{
    {
        const QSignalBlocker bloque(Op_type[static_cast<std::size_t>(index)]);
        Op_type[static_cast<std::size_t>(index)]->setChecked(true);
    }
    cadre_période->setVisible(index == 0);
    refus_dit_ = false;
    bt_extraire_relevé_Click();
    setWindowTitle(index == 0 ? QStringLiteral(" Trovane : les bons d'échange")
                              : QStringLiteral(" Trovane : l'état des comptes"));
    compose_titre();
}

void f_états_comptes::période_par_mois()
{
    période_choisie = true;
    active_dates(true);
}

void f_états_comptes::période_par_dernières()
{
    période_choisie = false;
    active_dates(false);
}

// ---------------------------------------------------------------- the table

void f_états_comptes::bt_extraire_relevé_Click()
{
    if (const auto raison = refus_tableau(Op_type[0]->isChecked())) {
        refuse_tableau(*raison);
        return;
    }
    refus_dit_ = false;
    gg_compte.setRows(1);
    if (période_choisie && (!dt(ctt_jour_dep->text(), ctt_mois_dep->text(), ctt_an_dep->text()) ||
                            !dt(ctt_jour_fin->text(), ctt_mois_fin->text(), ctt_an_fin->text())))
        return;
    if (const auto d = date_des_champs(ctt_jour_dep->text(), ctt_mois_dep->text(), ctt_an_dep->text()))
        date_dep = *d;
    if (const auto d = date_des_champs(ctt_jour_fin->text(), ctt_mois_fin->text(), ctt_an_fin->text()))
        date_fin = *d;
    if (Op_type[0]->isChecked()) {
        remplit_tableau_bons(gg_compte, choix(), comptes_listés());
        compose_titre();
    } else {
        remplit_tableau_état(gg_compte, comptes_listés());
    }
    ::ajuste_hauteurs_lignes(gg_compte);
    ct_largeur_grille_Click();
}

void f_états_comptes::refuse_tableau(const QString& raison)
{
    // What the grid held belongs to another table.
    vide_tableau(gg_compte, Op_type[0]->isChecked());
    ::ajuste_hauteurs_lignes(gg_compte);
    ct_largeur_grille_Click();
    if (chargée_ && !refus_dit_) {
        MsgBox(raison, style_boîte::information);
        refus_dit_ = true;
    }
}

void f_états_comptes::compose_titre()
{
    lbl_titre->setText(Op_type[1]->isChecked() ? titre_état() : titre_bons(choix(), cb_dernières->currentText()));
}

float f_états_comptes::calcul_largeur_grille() const { return static_cast<float>(largeur_état_mm(gg_compte)); }

void f_états_comptes::ct_largeur_grille_Click()
{
    ct_largeur_grille->setText(QString::number(calcul_largeur_grille()));
}

void f_états_comptes::imprime_un_relevé()
{
    imprime_tableau_état(papier(), gg_compte, lbl_titre->text(), val_fr(ct_largeur_grille->text()));
}

void f_états_comptes::bt_imprimer_Click()
{
    if (const auto raison = refus_tableau(Op_type[0]->isChecked())) {
        MsgBox(*raison, style_boîte::information);
        return;
    }
    if (gg_compte.Rows() <= 1) {
        MsgBox(QStringLiteral("Le tableau est vide : il n'y a rien à imprimer."), style_boîte::information);
        return;
    }
    imprime_un_relevé();
    gg_compte.setRedraw(true);
}

// ---------------------------------------------------------------- the list

void f_états_comptes::bt_initialiser_Click()
{
    remplit_liste(comptes_complets(true));
    // The sixth entry is the first member when the five association
    // accounts are named; a shorter list starts at its first entry.
    if (Liste_comptes->count() > 5)
        choisis_compte(5);
    else if (Liste_comptes->count() > 0)
        choisis_compte(0);
}

void f_états_comptes::bt_filtres_eleves_Click()
{
    {
        const QSignalBlocker bloque(Liste_comptes);
        Liste_comptes->clear();
    }
    montre_filtre_membres(QStringLiteral("comptes_états"));
    synchronise_spin();
    montre_nombre_comptes();
    bt_extraire_relevé_Click();
}

void f_états_comptes::après_tri()
{
    montre_nombre_comptes();
    bt_extraire_relevé_Click();
}
