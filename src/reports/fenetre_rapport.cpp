#include "reports/fenetre_rapport.h"

#include "accounts/extraction_comptes.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "reports/listes_comptes.h"
#include "reports/periode_rapports.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/controles.h"
#include "ui_common/listes_longues.h"
#include "ui_common/export_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/impression_grille.h"
#include "ui_common/sablier.h"
#include "ui_common/selections_enregistrees.h"
#include "ui_common/surface_imprimante.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

const char* noms_mois[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                           "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};

QLineEdit* champ(QWidget* parent, const QString& nom)
{
    auto* c = new QLineEdit(parent);
    c->setObjectName(nom);
    return c;
}

QComboBox* liste_déroulante(QWidget* parent, const QString& nom)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(nom);
    return c;
}

QPushButton* bouton(const QString& texte, QWidget* parent, const QString& nom)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    return b;
}

QLabel* chiffre(QWidget* parent, const QString& nom)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMargin(2);
    return l;
}

bool touche_entrée(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

}  // namespace

fenêtre_rapport::fenêtre_rapport() : gg_compte(1, 7, 1, 0)
{
    // The design's small sans-serif type; "Arial" keeps its metrics here.
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    crée_contrôles_communs();
    crée_menus_communs();
}

fenêtre_rapport::~fenêtre_rapport() = default;

// ---------------------------------------------------------------- building

void fenêtre_rapport::crée_contrôles_communs()
{
    centre = new QWidget(this);
    setCentralWidget(centre);

    cadre_adhérent = new QGroupBox(QStringLiteral("Comptes "), centre);
    cadre_adhérent->setObjectName(QStringLiteral("cadre_adhérent"));
    const char* qui[] = {"Tous les comptes", "Les comptes adhérents", "Les comptes association"};
    for (int i = 0; i < 3; ++i) {
        op_qui[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromUtf8(qui[i]), cadre_adhérent);
        op_qui[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("op_qui%1").arg(i));
    }
    op_qui[0]->setChecked(true);
    groupe_exclusif(this, op_qui);
    num_cpt = champ(cadre_adhérent, QStringLiteral("num_cpt"));
    num_cpt->setToolTip(QStringLiteral("[Entrée]  sélectionne le compte dans la liste"));
    spin_adh = new QScrollBar(Qt::Vertical, cadre_adhérent);
    spin_adh->setObjectName(QStringLiteral("spin_adh"));
    spin_adh->setFocusPolicy(Qt::StrongFocus);
    Liste_comptes = new QListWidget(cadre_adhérent);
    Liste_comptes->setObjectName(QStringLiteral("Liste_comptes"));
    Liste_comptes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Liste_comptes->setFont(QFont(QStringLiteral("Courier New"), 8));
    prépare_liste_longue(*Liste_comptes);
    bt_filtres_eleves = bouton(QStringLiteral("Filtrer"), cadre_adhérent, QStringLiteral("bt_filtres_eleves"));
    bt_filtres_eleves->setIcon(icône_standard(QStyle::SP_FileDialogContentsView));
    bt_filtres_eleves->setToolTip(QStringLiteral("filtrer la liste"));
    bt_trier = bouton(QStringLiteral("Trier"), cadre_adhérent, QStringLiteral("bt_trier"));
    bt_trier->setIcon(icône_standard(QStyle::SP_FileDialogListView));
    bt_trier->setToolTip(QStringLiteral("trier la liste"));
    bt_initialiser = bouton(QStringLiteral("initialiser"), cadre_adhérent, QStringLiteral("bt_initialiser"));
    nbr_listcount = new QLabel(cadre_adhérent);
    nbr_listcount->setObjectName(QStringLiteral("nbr_listcount"));
    nbr_listcount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    cadre_période = new QGroupBox(QStringLiteral("Période de relevés"), centre);
    cadre_période->setObjectName(QStringLiteral("cadre_période"));
    ctt_jour_dep = champ(cadre_période, QStringLiteral("ctt_jour_dep"));
    ctt_mois_dep = champ(cadre_période, QStringLiteral("ctt_mois_dep"));
    ctt_an_dep = champ(cadre_période, QStringLiteral("ctt_an_dep"));
    lbl_au = new QLabel(QStringLiteral("au"), cadre_période);
    lbl_au->setAlignment(Qt::AlignCenter);
    ctt_jour_fin = champ(cadre_période, QStringLiteral("ctt_jour_fin"));
    ctt_mois_fin = champ(cadre_période, QStringLiteral("ctt_mois_fin"));
    ctt_an_fin = champ(cadre_période, QStringLiteral("ctt_an_fin"));
    lbl_du_mois = new QLabel(QStringLiteral("du mois de "), cadre_période);
    cb_mois = liste_déroulante(cadre_période, QStringLiteral("cb_mois"));
    lbl_dernières = new QLabel(QStringLiteral("dernières opérations :"), cadre_période);
    cb_dernières = liste_déroulante(cadre_période, QStringLiteral("cb_dernières"));
    bt_extraire_relevé = bouton(QStringLiteral("rafraîchir"), cadre_période, QStringLiteral("bt_extraire_relevé"));

    // The printer choice is worded apart from the print buttons beside it;
    // each window words its own print button.
    bt_config_imprime = crée_bouton_image(centre, QStringLiteral("bt_config_imprime"), icône_symbole(U'\u2699'),
                                          QStringLiteral("Choisir l'imprimante"),
                                          QStringLiteral("Choix/configuration de l'imprimante"));
    bt_imprimer = crée_bouton_image(centre, QStringLiteral("bt_imprimer"), icône_imprimante(), {}, {});
    cb_police_crédit = liste_déroulante(centre, QStringLiteral("cb_police_crédit"));
    cb_police_crédit->setPlaceholderText(QStringLiteral("police de la grille"));
    cb_taille_crédit = liste_déroulante(centre, QStringLiteral("cb_taille_crédit"));

    lbl_titre = champ(centre, QStringLiteral("lbl_titre"));
    QFont titre = lbl_titre->font();
    titre.setBold(true);
    lbl_titre->setFont(titre);
    vue_gg_compte = new vue_grille(gg_compte, centre);
    vue_gg_compte->setObjectName(QStringLiteral("gg_compte"));
    vue_gg_compte->setContextMenuPolicy(Qt::CustomContextMenu);

    const char* légendes[] = {"nombre débits", "nombre crédits", "volume d'échanges", "dernier solde"};
    for (std::size_t i = 0; i < 4; ++i)
        légendes_chiffres[i] = new QLabel(QString::fromUtf8(légendes[i]), centre);
    lbl_débits = chiffre(centre, QStringLiteral("lbl_débits"));
    lbl_crédits = chiffre(centre, QStringLiteral("lbl_crédits"));
    lbl_volume = chiffre(centre, QStringLiteral("lbl_volume"));
    lbl_der_solde = chiffre(centre, QStringLiteral("lbl_der_solde"));

    bt_quitter = crée_bouton_image(centre, QStringLiteral("bt_quitter"), icône_retour(), QStringLiteral("Retour"),
                                   QStringLiteral("retour à la page de départ"));
}

void fenêtre_rapport::crée_menus_communs()
{
    QMenuBar* barre = menuBar();
    extraire = barre->addMenu(QStringLiteral("E&xtraire"));
    extraire->setObjectName(QStringLiteral("extraire"));
    const char* commandes[] = {"Garder les éléments séléctionnés", "NE garder QUE les éléments NON-sélectionnés",
                               "tous :-)"};
    for (int i = 0; i < 3; ++i) {
        ext[i] = extraire->addAction(QString::fromUtf8(commandes[i]));
        ext[i]->setObjectName(QStringLiteral("ext%1").arg(i));
    }
    ext[3] = extraire->addSeparator();
    // Until the menu first opens; it then holds the saved selections.
    ext[4] = extraire->addAction(QStringLiteral("etat"));
    ext[4]->setObjectName(QStringLiteral("ext4"));
    ext[4]->setData(chemin_programme(QStringLiteral("etats/etat.eta")));

    édition = barre->addMenu(QStringLiteral("&Edition"));
    édition->setObjectName(QStringLiteral("édition"));
    const char* éditions[] = {"Copier la grille", "Copier la sélection", "Ajuster la grille", "Imprimer la grille",
                              "Enregistrer la grille"};
    for (std::size_t i = 0; i < cpt.size(); ++i) {
        cpt[i] = édition->addAction(QString::fromUtf8(éditions[i]));
        cpt[i]->setObjectName(QStringLiteral("cpt%1").arg(i));
    }
}

void fenêtre_rapport::branche_contrôles_communs()
{
    // User actions only: code that changes a selection runs its handler itself.
    for (int i = 0; i < 3; ++i)
        connect(op_qui[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { Op_qui_Click(i); });
    connect(Liste_comptes, &QListWidget::currentRowChanged, this, [this] {
        synchronise_spin();
        Liste_comptes_Click();
    });
    connect(spin_adh, &QScrollBar::valueChanged, this, [this] { spin_adh_Change(); });
    connect(num_cpt, &QLineEdit::returnPressed, this, [this] {
        QString num = num_cpt->text();
        cherche_adh_par_num(num);
    });
    connect(bt_initialiser, &QPushButton::clicked, this, [this] { bt_initialiser_Click(); });
    connect(bt_filtres_eleves, &QPushButton::clicked, this, [this] { bt_filtres_eleves_Click(); });
    connect(bt_trier, &QPushButton::clicked, this, [this] { bt_trier_Click(); });
    connect(cb_mois, &QComboBox::activated, this, [this] { cb_mois_Click(); });
    connect(cb_dernières, &QComboBox::activated, this, [this] { cb_dernières_Click(); });
    connect(bt_extraire_relevé, &QPushButton::clicked, this, [this] { bt_extraire_relevé_Click(); });
    connect(cb_police_crédit, &QComboBox::activated, this, [this] { cb_police_crédit_Click(); });
    connect(cb_taille_crédit, &QComboBox::activated, this, [this] { cb_taille_crédit_Click(); });
    connect(bt_config_imprime, &QToolButton::clicked, this, [this] { bt_config_imprime_Click(); });
    connect(bt_quitter, &QToolButton::clicked, this, [this] { bt_quitter_Click(); });
    connect(vue_gg_compte, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { édition->exec(vue_gg_compte->viewport()->mapToGlobal(p)); });
    for (int i = 0; i < 3; ++i)
        connect(ext[i], &QAction::triggered, this, [this, i] { ext_Click(i); });
    connect(ext[4], &QAction::triggered, this, [this] { ext_Click(4); });
    connect(extraire, &QMenu::aboutToShow, this, [this] { extraire_Click(); });
    for (int i = 0; i < static_cast<int>(cpt.size()); ++i)
        connect(cpt[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { cpt_Click(i); });

    for (QObject* o : std::initializer_list<QObject*>{ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin,
                                                      ctt_mois_fin, ctt_an_fin, cb_police_crédit})
        o->installEventFilter(this);
}

bool fenêtre_rapport::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == cb_police_crédit && (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress))
        cb_police_crédit_GotFocus();

    const std::array<QLineEdit*, 6> chaîne = {ctt_jour_dep, ctt_mois_dep, ctt_an_dep,
                                              ctt_jour_fin, ctt_mois_fin, ctt_an_fin};
    const auto position = std::find(chaîne.begin(), chaîne.end(), objet);
    if (position == chaîne.end())
        return fenêtre_principale::eventFilter(objet, e);
    QLineEdit* champ_date = *position;
    if (e->type() == QEvent::FocusIn) {
        // The caret after the text, once the line edit has placed its own.
        QTimer::singleShot(0, champ_date, [champ_date] {
            champ_date->deselect();
            champ_date->setCursorPosition(static_cast<int>(champ_date->text().size()));
        });
    } else if (e->type() == QEvent::KeyPress && champ_date != ctt_an_fin) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        // Letters and every character above "9" are refused.
        if (!t.isEmpty() && t[0].isPrint() && t[0] > QLatin1Char('9'))
            return true;
        if (touche_entrée(k) || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Space) {
            (*(position + 1))->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return fenêtre_principale::eventFilter(objet, e);
}

// ---------------------------------------------------------------- small helpers

void fenêtre_rapport::remplit_liste(const std::vector<entrée_liste>& entrées)
{
    std::vector<entrée_liste_longue> longue;
    longue.reserve(entrées.size());
    for (const entrée_liste& e : entrées)
        longue.push_back({e.texte, e.valeur});
    remplit_liste_longue(*Liste_comptes, longue);
    synchronise_spin();
}

void fenêtre_rapport::montre_nombre_comptes() { nbr_listcount->setText(QString::number(Liste_comptes->count())); }

void fenêtre_rapport::montre_chiffres(int compte)
{
    const std::optional<chiffres_compte> c = chiffres_du_compte(compte);
    if (!c)
        return;
    lbl_der_solde->setText(c->der_solde);
    lbl_débits->setText(c->débits);
    lbl_crédits->setText(c->crédits);
    lbl_volume->setText(c->volume);
}

void fenêtre_rapport::active_dates(bool oui)
{
    for (QLineEdit* c : {ctt_jour_dep, ctt_mois_dep, ctt_an_dep, ctt_jour_fin, ctt_mois_fin, ctt_an_fin})
        c->setEnabled(oui);
}

void fenêtre_rapport::synchronise_spin()
{
    const QSignalBlocker bloque(spin_adh);
    spin_adh->setRange(0, std::max(0, Liste_comptes->count() - 1));
    spin_adh->setValue(std::max(0, Liste_comptes->currentRow()));
}

void fenêtre_rapport::choisis_compte(int position)
{
    {
        const QSignalBlocker bloque(Liste_comptes);
        if (position >= 0 && position < Liste_comptes->count())
            Liste_comptes->setCurrentRow(position);
        else
            Liste_comptes->setCurrentRow(-1);
    }
    synchronise_spin();
    if (Liste_comptes->currentRow() >= 0)
        Liste_comptes_Click();
}

void fenêtre_rapport::choisis_dernières(int position)
{
    {
        const QSignalBlocker bloque(cb_dernières);
        cb_dernières->setCurrentIndex(position);
    }
    cb_dernières_Click();
}

void fenêtre_rapport::choisis_mois(int position, bool extraire)
{
    {
        const QSignalBlocker bloque(cb_mois);
        cb_mois->setCurrentIndex(position);
    }
    if (extraire)
        cb_mois_Click();
    else
        prend_mois();
}

void fenêtre_rapport::remplit_listes_période()
{
    const QSignalBlocker bloque_tailles(cb_taille_crédit), bloque_mois(cb_mois), bloque_dernières(cb_dernières);
    cb_taille_crédit->clear();
    for (int t = 8; t <= 16; ++t)
        cb_taille_crédit->addItem(QString::number(t));
    cb_mois->clear();
    for (const char* m : noms_mois)
        cb_mois->addItem(QString::fromUtf8(m));
    jours_mois = jours_des_mois(aujourdhui().year());
    cb_dernières->clear();
    for (const char* d : {"toutes", "5 dernières", "10 dernières", "15 dernières", "20 dernières", "25 dernières"})
        cb_dernières->addItem(QString::fromUtf8(d));
    cb_dernières->setCurrentIndex(-1);
}

std::vector<int> fenêtre_rapport::comptes_listés() const
{
    std::vector<int> comptes;
    comptes.reserve(static_cast<std::size_t>(Liste_comptes->count()));
    for (int i = 0; i < Liste_comptes->count(); ++i)
        comptes.push_back(Liste_comptes->item(i)->data(Qt::UserRole).toInt());
    return comptes;
}

int fenêtre_rapport::compte_choisi() const
{
    const QListWidgetItem* e = Liste_comptes->currentItem();
    return e ? e->data(Qt::UserRole).toInt() : 0;
}

choix_lignes fenêtre_rapport::choix() const { return {période_choisie, nombre_dernières, date_dep, date_fin}; }

surface_page& fenêtre_rapport::papier()
{
    if (papier_essai)
        return *papier_essai;
    if (!imprimante_)
        imprimante_ = std::make_unique<surface_imprimante>(imprimante());
    return *imprimante_;
}

// ---------------------------------------------------------------- period

bool fenêtre_rapport::dt(const QString& jour, const QString& mois, const QString& an)
{
    return contrôle_date_période(jour, mois, an);
}

bool fenêtre_rapport::prend_mois()
{
    const int m = cb_mois->currentIndex() + 1;
    if (m < 1 || m > 12)
        return false;
    // The whole month of the start year, as that year's calendar has it.
    const champs_période p = période_du_mois(m, ctt_an_dep->text(), jours_mois);
    ctt_jour_dep->setText(p.jour_début);
    ctt_mois_dep->setText(p.mois_début);
    ctt_an_fin->setText(ctt_an_dep->text());
    ctt_jour_fin->setText(p.jour_fin);
    ctt_mois_fin->setText(p.mois_fin);
    période_par_mois();
    return true;
}

void fenêtre_rapport::cb_mois_Click()
{
    if (prend_mois())
        bt_extraire_relevé_Click();
}

void fenêtre_rapport::cb_dernières_Click()
{
    const dernières_opérations d = choix_dernières(cb_dernières->currentIndex(), données.nombre_lignes_compte,
                                                   {première_ligne, dernière_ligne, nombre_dernières});
    première_ligne = d.première_ligne;
    dernière_ligne = d.dernière_ligne;
    nombre_dernières = d.nombre;
    période_par_dernières();
    bt_extraire_relevé_Click();
}

// ---------------------------------------------------------------- the account list

void fenêtre_rapport::enlever_comptes_asso()
{
    bt_initialiser_Click();
    const QSignalBlocker bloque(Liste_comptes);
    for (int i = 0; i < Liste_comptes->count();) {
        if (est_compte_asso(Liste_comptes->item(i)->data(Qt::UserRole).toInt()))
            delete Liste_comptes->takeItem(i);
        else
            ++i;
    }
    synchronise_spin();
}

void fenêtre_rapport::enlever_comptes_adh()
{
    bt_initialiser_Click();
    const QSignalBlocker bloque(Liste_comptes);
    for (int i = 0; i < Liste_comptes->count();) {
        if (!est_compte_asso(Liste_comptes->item(i)->data(Qt::UserRole).toInt()))
            delete Liste_comptes->takeItem(i);
        else
            ++i;
    }
    synchronise_spin();
}

void fenêtre_rapport::montre_qui(int index)
{
    {
        const QSignalBlocker bloque(op_qui[static_cast<std::size_t>(index)]);
        op_qui[static_cast<std::size_t>(index)]->setChecked(true);
    }
    // Only the members' list is filtered and sorted.
    bt_filtres_eleves->setEnabled(index == 1);
    bt_trier->setEnabled(index == 1);
}

void fenêtre_rapport::Op_qui_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    montre_qui(index);
    switch (index) {
    case 0: bt_initialiser_Click(); break;
    case 1: enlever_comptes_asso(); break;
    default: enlever_comptes_adh(); break;
    }
    if (Liste_comptes->count() > 0)
        choisis_compte(0);
}

void fenêtre_rapport::cherche_adh_par_num(QString& num)
{
    if (num.isEmpty()) {
        if (Liste_comptes->currentRow() >= 0)
            num = QString::number(compte_choisi());
        return;
    }
    const double voulu = val_fr(num);
    for (int i = 0; i < Liste_comptes->count(); ++i)
        if (Liste_comptes->item(i)->data(Qt::UserRole).toInt() == voulu) {
            if (i != Liste_comptes->currentRow())
                choisis_compte(i);
            return;
        }
}

void fenêtre_rapport::spin_adh_Change()
{
    if (spin_adh->value() != Liste_comptes->currentRow())
        choisis_compte(spin_adh->value());
    synchronise_spin();
}

// ---------------------------------------------------------------- the grid's font

void fenêtre_rapport::cb_police_crédit_GotFocus()
{
    if (cb_police_crédit->count() > 0)
        return;
    sablier attente;
    const QSignalBlocker bloque(cb_police_crédit);
    cb_police_crédit->addItems(QFontDatabase::families());
    cb_police_crédit->setCurrentIndex(-1);
}

void fenêtre_rapport::cb_police_crédit_Click()
{
    if (cb_police_crédit->currentIndex() < 0)
        return;
    gg_compte.setFontName(cb_police_crédit->currentText());
    bt_extraire_relevé_Click();
}

bool fenêtre_rapport::prend_taille_crédit()
{
    const double taille = val_fr(cb_taille_crédit->currentText());
    if (taille <= 0)
        return false;
    gg_compte.setFontSize(static_cast<float>(taille));
    return true;
}

void fenêtre_rapport::cb_taille_crédit_Click()
{
    if (prend_taille_crédit())
        bt_extraire_relevé_Click();
}

// ---------------------------------------------------------------- menus and buttons

void fenêtre_rapport::cpt_Click(int index)
{
    switch (index) {
    case 0: copie_grille(gg_compte); break;
    case 1: copie_sélection(gg_compte); break;
    case 2: ajuste_grille(gg_compte); break;
    case 3: imprime_écritures(papier(), gg_compte, lbl_titre->text()); break;
    case 4: enregistre_grille(gg_compte, nom_grille_enregistrée(), 0); break;
    default: break;
    }
}

void fenêtre_rapport::bt_config_imprime_Click() { configure_imprimante(); }

void fenêtre_rapport::bt_quitter_Click() { close(); }

void fenêtre_rapport::Form_QueryUnload(bool&)
{
    // Skipped while an archive is open.
    enregistrer_fichier(fichier_courant, false);
}

void fenêtre_rapport::remplit_menu_états()
{
    remplit_menu_sélections(*extraire, ext, 4, [this](int n) { ext_Click(n); });
}

void fenêtre_rapport::extraire_Click() { remplit_menu_états(); }

void fenêtre_rapport::bt_trier_Click()
{
    extraire_Click();
    extraire->exec(QCursor::pos());
    après_tri();
}

void fenêtre_rapport::ext_Click(int index)
{
    if (index == 0 || index == 1) {
        // 0 keeps the selected entries, 1 the others.
        const bool garder_sélectionnés = index == 0;
        const QSignalBlocker bloque(Liste_comptes);
        for (int i = 0; i < Liste_comptes->count();) {
            if (Liste_comptes->item(i)->isSelected() == garder_sélectionnés)
                ++i;
            else
                delete Liste_comptes->takeItem(i);
        }
    } else if (index == 2) {
        bt_initialiser_Click();
    } else if (const QString fichier = index >= 4 ? fichier_de_l_item(ext, index) : QString(); !fichier.isEmpty()) {
        charge_etat(fichier, Liste_comptes);
    }
    montre_nombre_comptes();
    synchronise_spin();
    if (Liste_comptes->count() > 0)
        choisis_compte(0);
}

void fenêtre_rapport::place(QWidget* w, QWidget* parent, int x, int y, int l, int h)
{
    if (w->parentWidget() != parent) {
        w->setParent(parent);
        w->show();
    }
    w->setGeometry(x, y, l, h);
}

void fenêtre_rapport::place_comptes(int haut, int hauteur, int liste, int haut_chiffres, int pas,
                                    int largeur_chiffres)
{
    place(cadre_adhérent, centre, 6, haut, 246, hauteur);
    for (int i = 0; i < 3; ++i)
        place(op_qui[static_cast<std::size_t>(i)], cadre_adhérent, 8, 18 + 18 * i, 228, 18);
    place(num_cpt, cadre_adhérent, 8, 76, 60, 22);
    place(spin_adh, cadre_adhérent, 70, 74, 16, 26);
    place(nbr_listcount, cadre_adhérent, 170, 76, 66, 22);
    place(Liste_comptes, cadre_adhérent, 8, 102, 230, liste);
    const int boutons = 102 + liste + 6;
    place(bt_filtres_eleves, cadre_adhérent, 8, boutons, 70, 28);
    place(bt_trier, cadre_adhérent, 82, boutons, 62, 28);
    place(bt_initialiser, cadre_adhérent, 150, boutons, 88, 28);

    const std::array<QLabel*, 4> chiffres = {lbl_débits, lbl_crédits, lbl_volume, lbl_der_solde};
    for (int i = 0; i < 4; ++i) {
        place(légendes_chiffres[static_cast<std::size_t>(i)], centre, 10, haut_chiffres + 2 + pas * i, 110, 20);
        place(chiffres[static_cast<std::size_t>(i)], centre, 124, haut_chiffres + pas * i, largeur_chiffres, 22);
    }
}
