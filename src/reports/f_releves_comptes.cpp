#include "reports/f_releves_comptes.h"
#include "ui_common/adaptation_ecran.h"

#include "accounts/grilles_comptes.h"
#include "data/modele.h"
#include "reports/listes_comptes.h"
#include "reports/periode_rapports.h"
#include "reports/releves.h"
#include "ui_common/controles.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/sablier.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

constexpr int largeur_client = 790, hauteur_client = 560;

// Account statements on rose, catalogue statements on apricot; the two kind
// options keep colours of their own.
const QColor couleur_comptes(255, 192, 192), couleur_catalogue(255, 224, 192), couleur_option_compte(255, 128, 128),
    couleur_option_catalogue(255, 192, 128);

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

const QString titre_comptes = QStringLiteral("Relevés individuels de compte");
const QString titre_catalogue = QStringLiteral("Relevés individuels des offres/demandes");

}  // namespace

f_relevés_comptes::f_relevés_comptes()
{
    setWindowTitle(QStringLiteral("Relevés individuels "));
    op_type[0] = new QRadioButton(QStringLiteral("Relevé de compte"), centre);
    op_type[1] = new QRadioButton(QStringLiteral("Relevé de catalogue"), centre);
    cadre_type_relevé = new QGroupBox(QStringLiteral("Type de relevé imprimé"), centre);
    op_type_relevé[0] = new QRadioButton(QStringLiteral("Relevé de compte"), cadre_type_relevé);
    op_type_relevé[1] = new QRadioButton(QStringLiteral("Catalogue et compte cumulés"), cadre_type_relevé);
    cadre_entête = new QGroupBox(centre);
    const char* entêtes[] = {"Imprimer l'entête", "Imprimer le logo", "Ni entête ni logo"};
    for (std::size_t i = 0; i < 3; ++i) {
        op_entête[i] = new QRadioButton(QString::fromUtf8(entêtes[i]), cadre_entête);
        op_entête[i]->setObjectName(QStringLiteral("op_entête%1").arg(i));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        op_type[i]->setObjectName(QStringLiteral("op_type%1").arg(i));
        op_type_relevé[i]->setObjectName(QStringLiteral("op_type_relevé%1").arg(i));
    }
    chk_adresse = new QCheckBox(QStringLiteral("Imprimer l'adresse"), centre);
    chk_adresse->setObjectName(QStringLiteral("chk_adresse"));
    Chk_horizontales = new QCheckBox(QStringLiteral("Lignes horizontales"), centre);
    Chk_horizontales->setObjectName(QStringLiteral("Chk_horizontales"));
    chk_verticales = new QCheckBox(QStringLiteral("Lignes verticales"), centre);
    chk_verticales->setObjectName(QStringLiteral("chk_verticales"));
    bt_imprimer_tous = crée_bouton_image(centre, QStringLiteral("bt_imprimer_tous"), icône_imprimante(),
                                         QStringLiteral("Imprimer toute la liste"),
                                         QStringLiteral("Imprime pour la liste entière"));
    bt_imprimer->setText(QStringLiteral("Imprimer ce relevé"));
    bt_imprimer->setToolTip(QStringLiteral("Imprime pour le compte en cours"));
    lbl_police = new QLabel(QStringLiteral("Police de la grille"), centre);
    ctt_adresse = new QPlainTextEdit(centre);
    ctt_adresse->setObjectName(QStringLiteral("ctt_adresse"));
    ctt_adresse->setLineWrapMode(QPlainTextEdit::NoWrap);
    ctt_adresse->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    op_test_d[0] = new QRadioButton(QStringLiteral("Trier par date : Les opérations effectuées du ...au..."),
                                    cadre_période);
    op_test_d[1] = new QRadioButton(QStringLiteral("Les dernières opérations :"), cadre_période);
    for (std::size_t i = 0; i < 2; ++i)
        op_test_d[i]->setObjectName(QStringLiteral("op_test_d%1").arg(i));
    nbr_listcount->setToolTip(QStringLiteral("Nombre de comptes dans la liste"));
    lbl_dernières->hide();  // the option's caption stands for it here

    // The options as the window is designed.
    op_type[0]->setChecked(true);
    op_type_relevé[0]->setChecked(true);
    op_entête[0]->setChecked(true);
    op_test_d[0]->setChecked(true);
    chk_adresse->setChecked(true);
    cb_dernières->setEnabled(false);
    groupe_exclusif(this, op_type);
    groupe_exclusif(this, op_type_relevé);
    groupe_exclusif(this, op_entête);
    groupe_exclusif(this, op_test_d);

    place_contrôles();
    crée_aide();
    branche_contrôles_communs();
    branche_contrôles();

    fond(centre, couleur_comptes);
    for (QWidget* w : centre->findChildren<QWidget*>()) {
        if (qobject_cast<QGroupBox*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) ||
            w == nbr_listcount)
            fond(w, couleur_comptes);
    }
    fond(op_type[0], couleur_option_compte);
    fond(op_type[1], couleur_option_catalogue);
    resize(largeur_client, hauteur_client + menuBar()->sizeHint().height());
}

void f_relevés_comptes::place_contrôles()
{
    place(op_type[0], centre, 8, 6, 120, 24);
    place(op_type[1], centre, 130, 6, 122, 24);

    place_comptes(34, 330, 186, 368, 24, 128);
    place(ctt_adresse, centre, 58, 466, 194, 88);
    place(bt_quitter, centre, 6, 510, 48, 44);

    place(cadre_période, centre, 258, 4, 526, 106);
    place(op_test_d[0], cadre_période, 10, 16, 330, 20);
    place(ctt_jour_dep, cadre_période, 10, 40, 30, 22);
    place(ctt_mois_dep, cadre_période, 42, 40, 30, 22);
    place(ctt_an_dep, cadre_période, 74, 40, 46, 22);
    place(lbl_au, cadre_période, 122, 40, 26, 22);
    place(ctt_jour_fin, cadre_période, 150, 40, 30, 22);
    place(ctt_mois_fin, cadre_période, 182, 40, 30, 22);
    place(ctt_an_fin, cadre_période, 214, 40, 46, 22);
    place(lbl_du_mois, cadre_période, 276, 42, 66, 20);
    place(cb_mois, cadre_période, 342, 40, 110, 22);
    place(op_test_d[1], cadre_période, 10, 74, 170, 20);
    place(cb_dernières, cadre_période, 184, 72, 110, 22);
    place(bt_extraire_relevé, cadre_période, 420, 70, 96, 26);

    place(cadre_type_relevé, centre, 258, 114, 180, 62);
    place(op_type_relevé[0], cadre_type_relevé, 8, 18, 166, 18);
    place(op_type_relevé[1], cadre_type_relevé, 8, 38, 166, 18);
    place(cadre_entête, centre, 442, 114, 150, 62);
    for (int i = 0; i < 3; ++i)
        place(op_entête[static_cast<std::size_t>(i)], cadre_entête, 8, 6 + 18 * i, 136, 18);
    place(chk_adresse, centre, 600, 118, 180, 18);
    place(Chk_horizontales, centre, 600, 138, 180, 18);
    place(chk_verticales, centre, 600, 158, 180, 18);

    place(bt_config_imprime, centre, 258, 180, 112, 44);
    place(bt_imprimer, centre, 374, 180, 112, 44);
    place(bt_imprimer_tous, centre, 490, 180, 124, 44);
    place(lbl_police, centre, 624, 180, 160, 18);
    place(cb_police_crédit, centre, 624, 200, 108, 22);
    place(cb_taille_crédit, centre, 736, 200, 48, 22);

    place(lbl_titre, centre, 258, 228, 526, 24);
    place(vue_gg_compte, centre, 258, 256, 526, 298);
}

void f_relevés_comptes::crée_aide()
{
    aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_page = aide->addAction(QStringLiteral("Aide de la page"));
    aide_grille = aide->addAction(QStringLiteral("Astuces de la grille"));
    aide_choix = aide->addAction(QStringLiteral("Sélection dans la liste"));
    connect(aide_page, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("echanges")); });
    connect(aide_grille, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("techn_grille")); });
    connect(aide_choix, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("techn_choix")); });
}

void f_relevés_comptes::branche_contrôles()
{
    for (int i = 0; i < 2; ++i) {
        connect(op_type[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { op_type_Click(i); });
        connect(op_test_d[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { op_test_d_Click(i); });
    }
    for (int i = 0; i < 3; ++i)
        connect(op_entête[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Op_entête_Click(i); });
    connect(bt_imprimer, &QToolButton::clicked, this, [this] { bt_imprimer_Click(); });
    connect(bt_imprimer_tous, &QToolButton::clicked, this, [this] { bt_imprimer_tous_Click(); });
}

// ---------------------------------------------------------------- loading

void f_relevés_comptes::Form_Load()
{
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);
    const bool catalogue = données.mode_grille != QLatin1String("comptes");
    // The list, the period and the grid's size are set first, and the
    // statement extracted once, in that size.
    if (catalogue) {
        montre_sorte(1);
        montre_qui(1);
    }
    type_relevé = catalogue ? relevé_catalogue : relevé_compte;
    setWindowTitle(catalogue ? titre_catalogue : titre_comptes);
    remplit_liste(comptes_relevé_au_chargement(données.type_fichier == QLatin1String("archive")));
    montre_nombre_comptes();
    remplit_listes_période();
    {
        const QSignalBlocker bloque(cb_taille_crédit);
        cb_taille_crédit->setCurrentIndex(2);
    }
    prend_taille_crédit();
    const QDate jour = aujourdhui();
    ctt_an_dep->setText(QString::number(jour.year()));
    ctt_an_fin->setText(QString::number(jour.year()));
    choisis_mois(jour.month() - 1, false);
    entête_grille_écritures(gg_compte, true);
    // The sixth entry; a shorter list stays without a chosen account. A
    // catalogue statement then shows the first member of the full list, as
    // the members' kind of list shows it.
    if (Liste_comptes->count() > 5) {
        choisis_compte(5);
    } else {
        if (catalogue)
            if (const std::vector<entrée_liste> membres = comptes_complets(false); !membres.empty())
                montre_compte(membres.front().valeur);
        bt_extraire_relevé_Click();
    }
    période_choisie = true;
}

// ---------------------------------------------------------------- the account

void f_relevés_comptes::montre_compte() { montre_compte(compte_choisi()); }

void f_relevés_comptes::montre_compte(int compte)
{
    compte_courant = static_cast<int16>(compte);
    num_cpt->setText(QString::number(compte_courant));
    montre_chiffres(compte_courant);
    if (est_compte_asso(compte_courant)) {
        ctt_adresse->clear();
        ctt_adresse->hide();
    } else if (compte_courant >= 1 && compte_courant <= max_adhérents) {
        ctt_adresse->setPlainText(adresse_du_membre(données.table_adhérents[static_cast<std::size_t>(compte_courant)]));
        ctt_adresse->show();
    }
    montre_nombre_comptes();
}

void f_relevés_comptes::Liste_comptes_Click()
{
    montre_compte();
    active_dates(true);
    // Choosing the last lines extracts them: once is enough.
    choisis_dernières(0);
    montre_nombre_comptes();
}

void f_relevés_comptes::prend_compte(int compte)
{
    for (int i = 0; i < Liste_comptes->count(); ++i)
        if (Liste_comptes->item(i)->data(Qt::UserRole).toInt() == compte) {
            if (i != Liste_comptes->currentRow()) {
                {
                    const QSignalBlocker bloque(Liste_comptes);
                    Liste_comptes->setCurrentRow(i);
                }
                synchronise_spin();
                montre_compte();
            }
            return;
        }
}

// ---------------------------------------------------------------- options

void f_relevés_comptes::Op_entête_Click(int index) { type_entête = index; }

void f_relevés_comptes::op_test_d_Click(int index)
{
    période_choisie = index == 0;
    if (index == 0) {
        cb_dernières->setEnabled(false);
        cb_mois->setEnabled(true);
        active_dates(true);
        choisis_dernières(0);
    } else {
        cb_dernières->setEnabled(true);
        cb_mois->setEnabled(false);
        active_dates(false);
    }
}

void f_relevés_comptes::montre_sorte(int index)
{
    {
        const QSignalBlocker bloque(op_type[static_cast<std::size_t>(index)]);
        op_type[static_cast<std::size_t>(index)]->setChecked(true);
    }
    cadre_période->setEnabled(index == 0);
    op_type_relevé[0]->setText(op_type[static_cast<std::size_t>(index)]->text());
    couleur_page(index);
}

void f_relevés_comptes::op_type_Click(int index)
{
    montre_sorte(index);
    Op_qui_Click(index == 0 ? 0 : 1);
    type_relevé = index == 0 ? relevé_compte : relevé_catalogue;
    setWindowTitle(index == 0 ? titre_comptes : titre_catalogue);
    bt_extraire_relevé_Click();
    bt_initialiser_Click();
}

void f_relevés_comptes::couleur_page(int type)
{
    if (type != 0 && type != 1)
        return;
    const QColor de = type == 0 ? couleur_catalogue : couleur_comptes;
    const QColor vers = type == 0 ? couleur_comptes : couleur_catalogue;
    for (QWidget* w : centre->findChildren<QWidget*>())
        if (w->autoFillBackground() && w->palette().color(QPalette::Window) == de)
            fond(w, vers);
    fond(centre, vers);
}

// ---------------------------------------------------------------- the statement

void f_relevés_comptes::bt_extraire_relevé_Click()
{
    if (!tables_pour_relevé(type_relevé))
        return;
    if (type_relevé == relevé_compte) {
        if (période_choisie && (!dt(ctt_jour_dep->text(), ctt_mois_dep->text(), ctt_an_dep->text()) ||
                                !dt(ctt_jour_fin->text(), ctt_mois_fin->text(), ctt_an_fin->text())))
            return;
        if (const auto d = date_des_champs(ctt_jour_dep->text(), ctt_mois_dep->text(), ctt_an_dep->text()))
            date_dep = *d;
        if (const auto d = date_des_champs(ctt_jour_fin->text(), ctt_mois_fin->text(), ctt_an_fin->text()))
            date_fin = *d;
    }
    remplit_relevé(gg_compte, type_relevé, compte_courant, choix());
    ::ajuste_hauteurs_lignes(gg_compte);
    if (type_relevé == relevé_compte || type_relevé == relevé_catalogue)
        compose_titre(Liste_comptes->currentRow());
}

void f_relevés_comptes::compose_titre(int indice)
{
    const QListWidgetItem* e = Liste_comptes->item(indice);
    if (const auto titre = titre_relevé(type_relevé, e ? e->text() : QString(), choix(), cb_dernières->currentText()))
        lbl_titre->setText(*titre);
}

void f_relevés_comptes::imprime_un_relevé(int compte, int entête, bool avec_adresse, bool relevé_simple)
{
    // The account comes first, so that the address printed is its own.
    prend_compte(compte);
    const QString sorte_choisie = type_relevé;
    options_relevé options;
    // The box holds its lines apart; the page takes them CR LF.
    QString adresse = ctt_adresse->toPlainText();
    adresse.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // The grid's width as designed, not as this screen shows it: the printed
    // head must not depend on the screen the statement was printed from.
    options.tête = {entête, avec_adresse, adresse, gg_compte.police(),
                    place_conception(*vue_gg_compte).width() * (largeur_conception / 800)};
    options.type_relevé = type_relevé;
    options.relevé_simple = relevé_simple;
    options.avec_résumé = op_type[0]->isChecked();
    options.horizontales = Chk_horizontales->isChecked();
    options.verticales = chk_verticales->isChecked();
    imprime_relevé(papier(), gg_compte, options, [this, compte](const QString& type) {
        type_relevé = type;
        prend_compte(compte);
        compte_courant = static_cast<int16>(Liste_comptes->currentRow() >= 0 ? compte_choisi() : compte);
        num_cpt->setText(QString::number(compte_courant));
        bt_extraire_relevé_Click();
        const chiffres_compte chiffres{lbl_der_solde->text(), lbl_débits->text(), lbl_crédits->text(),
                                       lbl_volume->text()};
        return relevé_préparé{lbl_titre->text(), résumé_du_compte(chiffres)};
    });
    // A cumulated statement goes through both kinds: the window gets back the
    // kind it shows, and the grid that goes with it.
    if (type_relevé != sorte_choisie) {
        type_relevé = sorte_choisie;
        bt_extraire_relevé_Click();
    }
    gg_compte.setRedraw(true);
}

void f_relevés_comptes::bt_imprimer_Click()
{
    arrêt_demandé = false;
    imprime_un_relevé(compte_courant, type_entête, chk_adresse->isChecked(), op_type_relevé[0]->isChecked());
    gg_compte.setRedraw(true);
}

void f_relevés_comptes::bt_imprimer_tous_Click()
{
    imprime_chaque_compte(papier(), Liste_comptes->count(), [this](int position) {
        const QListWidgetItem* e = Liste_comptes->item(position);
        if (!e)
            return;
        imprime_un_relevé(e->data(Qt::UserRole).toInt(), type_entête, chk_adresse->isChecked(),
                          op_type_relevé[0]->isChecked());
    });
    gg_compte.setRedraw(true);
}

// ---------------------------------------------------------------- the list

void f_relevés_comptes::bt_initialiser_Click()
{
    if (données.nombre_adhérents == 0)
        return;
    remplit_liste(comptes_complets(type_relevé == relevé_compte));
    montre_nombre_comptes();
    if (Liste_comptes->count() > 0)
        choisis_compte(0);
}

void f_relevés_comptes::bt_filtres_eleves_Click()
{
    {
        const QSignalBlocker bloque(Liste_comptes);
        Liste_comptes->clear();
    }
    montre_filtre_membres(QStringLiteral("comptes_relevés"));
    synchronise_spin();
    montre_nombre_comptes();
}
