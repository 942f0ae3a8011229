#include "main_window/f_vesk.h"

#include "accounts/ecritures.h"
#include "accounts/grilles_comptes.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/menu_catalogue.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "data/reglages.h"
#include "main_window/menus_grille.h"
#include "ui_common/pages_aide.h"
#include "ui_common/vues_tables.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/surface_imprimante.h"
#include "ui_common/controles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

bool test_si_sur_cd()
{
    // A file of our own name, never one the user may have called test.sel.
    return !dossier_accepte_écriture(dossier_programme());
}

QString chemin_ligne_de_commande(const QString& argument)
{
    QString chemin = argument.trimmed();
    if (chemin.size() >= 2 && chemin.startsWith(QLatin1Char('"')) && chemin.endsWith(QLatin1Char('"')))
        chemin = chemin.mid(1, chemin.size() - 2);
    return chemin;
}

boutons_mode boutons_pour_mode(const QString& mode)
{
    boutons_mode b;
    if (mode == QLatin1String("base")) {
        b = {QStringLiteral("Ajouter/ Modifier Supprimer"), QStringLiteral("Relevés individuels"),
             QStringLiteral("Catalogue et additif")};
    } else if (mode == QStringLiteral("adhérents")) {
        b = {QStringLiteral("Ajouter/ Modifier Supprimer"), QStringLiteral("Listes, Publipostage..."),
             QStringLiteral("Relevés individuels")};
    } else if (mode == QLatin1String("rubriques")) {
        b = {QStringLiteral("Ajouter/ Modifier  Supprimer"), QString(), QString()};
        b.imprimer_visible = b.imprim_2_visible = false;
    } else if (mode == QLatin1String("comptes")) {
        b = {QStringLiteral("Opérations"), QStringLiteral("Etats des comptes"), QStringLiteral("Relevés individuels")};
    } else if (mode == QLatin1String("stats")) {
        b.appel_visible = b.imprimer_visible = b.imprim_2_visible = false;
    }
    return b;
}

action_bouton action_pour(const QString& mode, bouton_action bouton)
{
    using namespace noms_fenêtres;
    action_bouton a;
    if (mode == QLatin1String("base")) {
        if (bouton == bouton_action::appel_feuilles)
            a.fenêtre = base;
        else if (bouton == bouton_action::imprimer)
            a.fenêtre = relevés;
        else {
            a.fenêtre = catalogue;
            a.passe_en_catalogue = true;
        }
    } else if (mode == QStringLiteral("adhérents")) {
        a.fenêtre = bouton == bouton_action::appel_feuilles ? adhérents
                    : bouton == bouton_action::imprimer     ? impression
                                                            : relevés;
    } else if (mode == QLatin1String("rubriques")) {
        if (bouton == bouton_action::appel_feuilles) {
            a.fenêtre = rubriques;
            a.contrôle_archive = true;
        }
    } else if (mode == QLatin1String("comptes")) {
        if (bouton == bouton_action::appel_feuilles) {
            a.fenêtre = compta;
            a.contrôle_archive = true;
        } else {
            a.fenêtre = bouton == bouton_action::imprimer ? états : relevés;
        }
    } else if (mode == QLatin1String("catalogue")) {
        if (bouton == bouton_action::imprim_2) {
            a.fenêtre = catalogue;
            a.maximise = true;
        } else {
            a.fenêtre = bouton == bouton_action::appel_feuilles ? base : relevés;
            a.ferme_catalogue = true;
        }
    }
    return a;
}

namespace {

// The window is laid out in twips as designed for an 800 x 600 screen, then
// fitted to the real one (adapte_feuille_écran).
int px(int twips) { return twips / 15; }

constexpr int indices_op[] = {0, 1, 2, 4, 5};
constexpr int haut_cadre = 360, gauche_cadre = 120, largeur_cadre = 2100;
constexpr int haut_premier_op = 240, pas_op = 840, hauteur_op = 600;
constexpr int gauche_boutons = 2340, largeur_boutons = 1800, hauteur_boutons = 720;
constexpr int gauche_grille = 4260, marge = 120, hauteur_quitter = 560;
constexpr int largeur_fenêtre = 12000, hauteur_fenêtre = 9000;  // under the menu bar

QColor couleur_op(int index)
{
    switch (index) {
    case 1: return QColor(255, 255, 192);
    case 2: return QColor(255, 204, 51);
    case 0: return QColor(255, 153, 51);
    case 4: return QColor(255, 51, 51);
    default: return QColor(153, 204, 255);  // as designed
    }
}

QString style_fond(const QColor& c)
{
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #806040; padding: 2px; }"
                          "QPushButton:checked { border: 3px solid #402000; font-weight: bold; }")
        .arg(c.name());
}

int index_du_mode(const QString& mode)
{
    if (mode == QLatin1String("base"))
        return 0;
    if (mode == QStringLiteral("adhérents"))
        return 1;
    if (mode == QLatin1String("rubriques"))
        return 2;
    if (mode == QLatin1String("comptes"))
        return 4;
    if (mode == QLatin1String("stats"))
        return 5;
    return -1;
}

QString mode_courant() { return données.mode_grille; }

}  // namespace

F_vesk::F_vesk()
{
    setAttribute(Qt::WA_DeleteOnClose);
    titre_ = QStringLiteral("Trovane");
    setWindowTitle(titre_);
    crée_contrôles();
    crée_menus();
    resize(px(largeur_fenêtre), px(hauteur_fenêtre) + menuBar()->sizeHint().height());
    place_contrôles();
    branche_principale({[this](int index) { Op_Click(index); },
                        [this](const QString& titre) {
                            titre_ = titre;
                            mets_titre();
                        },
                        [this]() -> QWidget* { return this; }});
    avis_fichier_chargé = [this] {
        // Whatever was recorded before no longer stands in the ledger as posted.
        efface_journal_écritures();
        fichier_chargé();
    };
    // What the catalogue borrows of the main window: the offers view and the
    // page-count labels.
    branche_catalogue({[](grille& g, bool décodé) { affiche_offres_demandes(g, décodé); },
                       [this](int pages, int blanches) {
                           for (QLabel* l : {Label4, lbl_nbr_pages, lblpb, lbl_pages_blanches})
                               l->show();
                           lbl_nbr_pages->setText(QString::number(pages));
                           lbl_pages_blanches->setText(QString::number(blanches));
                       }});
    avis_fusion_terminée = [this] {
        titre_ = QStringLiteral("Trovane ") + fichier_courant;
        mets_titre();
        clique_op(0);
    };
}

F_vesk::~F_vesk()
{
    avis_fichier_chargé = nullptr;
    avis_fusion_terminée = nullptr;
    branche_catalogue({});
    branche_principale({});
}

QPushButton* F_vesk::op(int index) const
{
    const auto it = op_.find(index);
    return it == op_.end() ? nullptr : it->second;
}

QAction* F_vesk::menu(const QString& nom) const
{
    const auto it = actions_.find(nom);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* F_vesk::menu_grille(const QString& mode) const
{
    const auto it = menus_grille_.find(mode);
    return it == menus_grille_.end() ? nullptr : it->second;
}

void F_vesk::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);

    cadre = new QFrame(centre);
    cadre->setObjectName(QStringLiteral("cadre"));
    cadre->setFrameShape(QFrame::StyledPanel);
    const QString titres[] = {QStringLiteral("Catalogue"), QStringLiteral("Adhérents"), QStringLiteral("Classification"),
                              QStringLiteral("Echanges"), QStringLiteral("Statistiques")};
    for (int k = 0; k < 5; ++k) {
        const int index = indices_op[k];
        auto* b = new QPushButton(titres[k], cadre);
        b->setObjectName(QStringLiteral("op%1").arg(index));
        b->setCheckable(true);
        b->setStyleSheet(style_fond(couleur_op(index)));
        QObject::connect(b, &QPushButton::clicked, this, [this, index] { Op_Click(index); });
        op_[index] = b;
    }

    Bt_appel_feuilles = new bouton_à_lignes(QStringLiteral("Ajouter / Modifier  Supprimer"), centre);
    bt_imprim_2 = new bouton_à_lignes(QStringLiteral("Cartes, étiquettes , publipostage"), centre);
    bt_imprimer = new bouton_à_lignes(QStringLiteral("Relevés de compte"), centre);
    for (auto* b : {Bt_appel_feuilles, bt_imprim_2, bt_imprimer}) {
        b->setObjectName(b == Bt_appel_feuilles ? QStringLiteral("Bt_appel_feuilles")
                         : b == bt_imprim_2     ? QStringLiteral("bt_imprim_2")
                                                : QStringLiteral("bt_imprimer"));
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 2px; }"));
    }
    QObject::connect(Bt_appel_feuilles, &QPushButton::clicked, this, [this] { Bt_appel_feuilles_Click(); });
    QObject::connect(bt_imprimer, &QPushButton::clicked, this, [this] { bt_imprimer_Click(); });
    QObject::connect(bt_imprim_2, &QPushButton::clicked, this, [this] { bt_imprim_2_Click(); });

    bt_annuler = new QPushButton(QStringLiteral("Quitter"), centre);
    bt_annuler->setObjectName(QStringLiteral("bt_annuler"));
    bt_annuler->setToolTip(QStringLiteral("Quitter Trovane"));
    QObject::connect(bt_annuler, &QPushButton::clicked, this, [this] { bt_annuler_Click(); });

    Label4 = new QLabel(QStringLiteral("Nombre de pages:"), centre);
    lbl_nbr_pages = new QLabel(centre);
    lblpb = new QLabel(QStringLiteral("Pages blanches:"), centre);
    lbl_pages_blanches = new QLabel(centre);
    for (auto* l : {Label4, lbl_nbr_pages, lblpb, lbl_pages_blanches})
        l->hide();

    Image1 = new QLabel(centre);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("un double click montre la grille générale"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->installEventFilter(this);

    vue_gg = new vue_grille(gg(), centre);
    vue_gg->setObjectName(QStringLiteral("gg"));
    vue_gg->viewport()->installEventFilter(this);
    vue_gg->installEventFilter(this);
    montre_grille();
    Image1->setVisible(vue_gg->isHidden());
}

QAction* F_vesk::ajoute(QMenu* menu, const QString& nom, const QString& titre, std::function<void()> action)
{
    QAction* a = menu->addAction(titre);
    a->setObjectName(nom);
    if (action)
        QObject::connect(a, &QAction::triggered, this, std::move(action));
    else
        a->setEnabled(false);
    actions_[nom] = a;
    return a;
}

void F_vesk::crée_menus()
{
    QMenuBar* barre = menuBar();

    QMenu* fichier = barre->addMenu(QStringLiteral("&Fichier"));
    QObject::connect(fichier, &QMenu::aboutToShow, this, [this] { fichier_Click(); });
    ajoute(fichier, QStringLiteral("ouvrir_la_base"), QStringLiteral("Ouvrir"), [this] { ouvrir_la_base_Click(); });
    ajoute(fichier, QStringLiteral("maj_fichier"), QStringLiteral("Ouvrir un fichier pour en extraire des données"),
           [this] { maj_fichier_Click(); });
    fichier->addSeparator();
    ajoute(fichier, QStringLiteral("restaure"),
           QStringLiteral("Restaurer le fichier tel qu'il était lors de la dernière ouverture."),
           [this] { restaure_Click(); });
    fichier->addSeparator();
    ajoute(fichier, QStringLiteral("enr_rep"), QStringLiteral("Enregistrer un fichier  repère"),
           [this] { enr_rep_Click(); });
    ajoute(fichier, QStringLiteral("restaure_repere"), QStringLiteral("Restaurer le fichier repère"),
           [this] { restaure_repere_Click(); });
    fichier->addSeparator();
    ajoute(fichier, QStringLiteral("enregistrer"), QStringLiteral("Enregistrer"), [this] { enregistrer_click(); });
    ajoute(fichier, QStringLiteral("enregistrer_sous"), QStringLiteral("Sauvegarder sous"),
           [this] { enregistrer_sous_Click(); });
    ajoute(fichier, QStringLiteral("récup"), QStringLiteral("Récupérer un fichier de sauvegarde"),
           [this] { récup_Click(); });
    fichier->addSeparator();
    ajoute(fichier, QStringLiteral("archi"), QStringLiteral("Archiver"), [this] { archi_Click(); });
    fichier->addSeparator();
    ajoute(fichier, QStringLiteral("quitter"), QStringLiteral("Quitter"), [this] { bt_annuler_Click(); });

    QMenu* edition = barre->addMenu(QStringLiteral("Edition"));
    QObject::connect(edition, &QMenu::aboutToShow, this, [this] { edition_Click(*this); });
    ajoute(edition, QStringLiteral("grille_décodée"), QStringLiteral("Afficher la grille décodée"),
           [] { grille_décodée_Click(); });
    ajoute(edition, QStringLiteral("copier"), QStringLiteral("Copier la grille"), [] { copier_Click(); });
    const std::pair<QString, QString> grilles[] = {{QStringLiteral("base"), QStringLiteral("&Base")},
                                                   {QStringLiteral("adhérents"), QStringLiteral("&Adhérents")},
                                                   {QStringLiteral("rubriques"), QStringLiteral("Rubriques")},
                                                   {QStringLiteral("catalogue"), QStringLiteral("Catalogue")},
                                                   {QStringLiteral("comptes"), QStringLiteral("Comptes")}};
    for (const auto& [mode, titre] : grilles) {
        QMenu* m = edition->addMenu(titre);
        menus_grille_[mode] = m;
    }
    crée_menus_grille(*this);
    remplit_menu_catalogue(*menus_grille_[QStringLiteral("catalogue")]);

    QMenu* impression = barre->addMenu(QStringLiteral("Impression"));
    ajoute(impression, QStringLiteral("config_imprim"), QStringLiteral("Configurer l'imprimante"),
           [] { config_imprim_Click(); });
    ajoute(impression, QStringLiteral("ajust"), QStringLiteral("Ajuster la grille"), [] { ajust_Click(); });
    ajoute(impression, QStringLiteral("Imprimer_la_grille"), QStringLiteral("Imprimer la grille en cours"),
           [] { Imprimer_la_grille_Click(); });

    QMenu* options = barre->addMenu(QStringLiteral("&Options"));
    QObject::connect(options, &QMenu::aboutToShow, this, [this] { options_Click(*this); });
    ajoute(options, QStringLiteral("paramètres"), QStringLiteral("&Paramétrage du logiciel"),
           [this] { paramètres_Click(); })
        ->setEnabled(fenêtre_enregistrée(noms_fenêtres::options));
    QMenu* alléger = options->addMenu(QStringLiteral("Allé&ger le système"));
    ajoute(alléger, QStringLiteral("fonds_unis"), QStringLiteral("fonds de page unis"), [this] { fonds_unis_Click(); })
        ->setCheckable(true);
    ajoute(alléger, QStringLiteral("pas_affiche_grille"), QStringLiteral("&ne pas afficher  la grille"),
           [this] { pas_affiche_grille_Click(); })
        ->setCheckable(true);
    ajoute(alléger, QStringLiteral("pas_image"), QStringLiteral("ne pas afficher l'image de la page d'accueil"),
           [this] { pas_image_Click(); })
        ->setCheckable(true);
    QMenu* avancées = options->addMenu(QStringLiteral("Fonctions a&vancées "));
    ajoute(avancées, QStringLiteral("coller_dans_grille"), QStringLiteral("&Coller un tableau dans la grille"),
           [this] { coller_dans_grille_Click(*this); });
    ajoute(avancées, QStringLiteral("ouvrir_ascii"),
           QStringLiteral("&Ouvrir un fichier ascii tabulé pour renseigner la grille"),
           [this] { ouvrir_ascii_Click(*this); });
    ajoute(avancées, QStringLiteral("récupérer"), QStringLiteral("Con&vertir les données de la grille pour Trovane"),
           [] { récupérer_Click(); });
    ajoute(avancées, QStringLiteral("purge_cat"), QStringLiteral("Purger la base de données des offres-demandes "),
           [] { purge_cat_Click(); });
    options_Click(*this);

    QMenu* à_propos = barre->addMenu(QStringLiteral("à propos"));
    ajoute(à_propos, QStringLiteral("ostrane"), QStringLiteral("Ostrane"), [this] { ostrane_Click(); });

    QMenu* aide = barre->addMenu(QStringLiteral("&?"));
    const std::array<std::array<QString, 3>, 11> sujets = {{
        {QStringLiteral("sommaire_aide"), QStringLiteral("Sommaire de l'aide"), QStringLiteral("index")},
        {QStringLiteral("aid_comm"), QStringLiteral("Commencer avec Trovane"), QStringLiteral("commencer")},
        {QStringLiteral("aid_fic"), QStringLiteral("Le menu fichier"), QStringLiteral("fichiers")},
        {QStringLiteral("aide_adh"), QStringLiteral("Les Adhérents"), QStringLiteral("adherents")},
        {QStringLiteral("aide_cat"), QStringLiteral("Les offres demandes et la classification"),
         QStringLiteral("offr_dem")},
        {QStringLiteral("aide_échanges"), QStringLiteral("Les échanges"), QStringLiteral("echanges")},
        {QStringLiteral("aide_stats"), QStringLiteral("Les statistiques"), QStringLiteral("statistiques")},
        {QStringLiteral("aide_gr"), QStringLiteral("Tout sur les grilles"), QStringLiteral("techn_grille")},
        {QStringLiteral("aide_sel"), QStringLiteral("Sélectionner et trier"), QStringLiteral("techn_choix")},
        {QStringLiteral("m_faq"), QStringLiteral("Foire aux questions"), QStringLiteral("FAQ")},
        {QStringLiteral("ma_page"), QStringLiteral("Ma page d'aide"), QStringLiteral("perso")},
    }};
    for (const auto& [nom, titre, sujet] : sujets)
        ajoute(aide, nom, titre, [s = sujet] { ouvre_aide(s); });
    QMenu* langue = aide->addMenu(QStringLiteral("Langue"));
    ajoute(langue, QStringLiteral("aide_fr"), QStringLiteral("Français"), [this] { aide_fr_Click(); })
        ->setCheckable(true);
    ajoute(langue, QStringLiteral("aide_ag"), QStringLiteral("Anglais"), [this] { aide_ag_Click(); })
        ->setCheckable(true);
}

void F_vesk::place_contrôles()
{
    cadre->setGeometry(px(gauche_cadre), px(haut_cadre), px(largeur_cadre),
                       px(haut_premier_op + 5 * pas_op));
    for (int k = 0; k < 5; ++k)
        op_[indices_op[k]]->setGeometry(px(120), px(haut_premier_op + k * pas_op), px(largeur_cadre - 240),
                                        px(hauteur_op));
    for (auto* b : {Bt_appel_feuilles, bt_imprimer, bt_imprim_2}) {
        b->setGeometry(px(gauche_boutons), px(haut_cadre + 840), px(largeur_boutons), px(hauteur_boutons));
        b->hide();
    }
    const int bas = haut_cadre + haut_premier_op + 5 * pas_op + 240;
    Label4->setGeometry(px(gauche_cadre), px(bas), px(1500), px(300));
    lbl_nbr_pages->setGeometry(px(gauche_cadre + 1500), px(bas), px(600), px(300));
    lblpb->setGeometry(px(gauche_cadre), px(bas + 300), px(1500), px(300));
    lbl_pages_blanches->setGeometry(px(gauche_cadre + 1500), px(bas + 300), px(600), px(300));
    // The grid and the home picture share the room right of the buttons.
    const QRect zone(px(gauche_grille), px(marge), px(largeur_fenêtre - gauche_grille - marge),
                     px(hauteur_fenêtre - 2 * marge));
    vue_gg->setGeometry(zone);
    Image1->setGeometry(zone);
    bt_annuler->setGeometry(px(gauche_cadre), px(hauteur_fenêtre - marge - hauteur_quitter), px(largeur_cadre),
                            px(hauteur_quitter));
}

bool F_vesk::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == vue_gg && (e->type() == QEvent::Show || e->type() == QEvent::Hide)) {
        // The home picture stands where the grid does, while it is hidden.
        Image1->setVisible(vue_gg->isHidden());
        return false;
    }
    if (objet == Image1 && e->type() == QEvent::Resize && !Image1->property("image").isNull()) {
        image_fond();  // the picture fills its new room
        return false;
    }
    if (objet == vue_gg->viewport() && e->type() == QEvent::MouseButtonPress) {
        auto* souris = static_cast<QMouseEvent*>(e);
        const QModelIndex i = vue_gg->indexAt(souris->position().toPoint());
        if (i.isValid()) {
            gg().setRow(vue_gg->modèle()->ligne_grille(i.row()));
            gg().setCol(vue_gg->modèle()->colonne_grille(i.column()));
        }
        gg_MouseDown(souris->button() == Qt::RightButton ? 2 : 1);
        if (souris->button() == Qt::RightButton)
            return true;
    }
    if (objet == Image1 && e->type() == QEvent::MouseButtonDblClick) {
        // The home picture gives way to the grid.
        if (QAction* a = menu(QStringLiteral("pas_affiche_grille")); a && a->isChecked()) {
            a->setChecked(false);
            affiche_grille = false;
            montre_grille();
            rafraîchit_mode_courant();
        }
        return true;
    }
    return fenêtre_principale::eventFilter(objet, e);
}

// ---------------------------------------------------------------- start-up and exit

void F_vesk::Form_Load(const QString& ligne_de_commande)
{
    sans_enregistrement = test_si_sur_cd();
    adapte_feuille_écran(*this);
    sablier attente;
    initialise_paramètres();
    if (!sans_enregistrement) {
        for (const char* sous : {"archives", "repère", "images", "photos", "etats"})
            QDir().mkpath(chemin_programme(QString::fromUtf8(sous)));
        // What a run killed during a save left behind goes, whatever file it
        // was writing.
        efface_restes_d_écriture(dossier_programme());
        for (const char* sous : sous_dossiers)
            efface_restes_d_écriture(chemin_programme(QString::fromUtf8(sous)));
    }

    // Until the user hides it, the grid shows the table of the mode chosen.
    affiche_grille = réglages::lit_booléen(QStringLiteral("sel"), QStringLiteral("aff_grille"), false);
    fonds_unis = réglages::lit_booléen(QStringLiteral("sel"), QStringLiteral("graph"), false);
    sans_image_accueil = réglages::lit_booléen(QStringLiteral("sel"), QStringLiteral("img"), false);
    langue_aide = réglages::lit(QStringLiteral("répertoires"), QStringLiteral("langue"), QStringLiteral("français"));
    poste_compta = réglages::lit_booléen(QStringLiteral("Utilisateur"), QStringLiteral("poste_compta"), true);

    const QString défaut = fichier_données_défaut();
    fichier_courant = défaut;
    démarrage_ = true;  // the mode is shown once, below
    // Only a file that loads becomes the start-up copy: after a damaged
    // start, the copy of the last good one is the way back, and this start
    // has none of its own. The file is read once: both copies (restore point,
    // start-up copy) are written from the bytes the model came from.
    QByteArray lus;
    bool chargé = false;
    if (QFileInfo::exists(défaut)) {
        const bool copie_gardée = QFileInfo(copie_départ()).isFile();
        chargé = ouvrir_fichier(défaut, true, copie_gardée ? suite_erreur_démarrage : suite_erreur_lecture, &lus);
        if (!chargé) {
            // Nothing may be saved over the unreadable file until the user
            // has opened or saved one.
            fichier_illisible_ = true;
            fichier_courant.clear();
            mets_titre();
        }
    }
    prend_copie_départ(chargé ? &lus : nullptr);

    const QString à_extraire = chemin_ligne_de_commande(ligne_de_commande);
    if (!à_extraire.isEmpty()) {
        fichier_à_extraire = à_extraire;
        if (fenêtre_programme* f = charge_fenêtre(noms_fenêtres::extraction))
            montre_modale(*f);
    }

    if (langue_aide.isEmpty())
        langue_aide = QStringLiteral("français");
    coche_langue();
    démarrage_ = false;
    montre_mode_du_fichier();
    active_selon_fenêtres();
    mets_titre();
    show();
    if (sans_enregistrement)
        MsgBox(QStringLiteral("Le dossier du programme (%1) n'accepte pas l'écriture : vous pouvez consulter les "
                              "données, mais rien de ce que vous ferez ne sera enregistré.")
                   .arg(QDir::toNativeSeparators(dossier_programme())),
               style_boîte::exclamation);
    else if (premier_démarrage())
        propose_aide_premier_démarrage();

    menu(QStringLiteral("pas_affiche_grille"))->setChecked(affiche_grille);
    menu(QStringLiteral("fonds_unis"))->setChecked(fonds_unis);
    menu(QStringLiteral("pas_image"))->setChecked(sans_image_accueil);
    montre_grille();
    if (!fonds_unis)
        affiche_fond(*this);
    if (!sans_image_accueil)
        image_fond();
}

void F_vesk::Form_QueryUnload(bool& cancel)
{
    cancel = false;
    {
        sablier attente;
        rend_orientation_imprimante();
        if (!sans_enregistrement) {
            réglages::écrit_booléen(QStringLiteral("sel"), QStringLiteral("aff_grille"), affiche_grille);
            réglages::écrit_booléen(QStringLiteral("sel"), QStringLiteral("graph"), fonds_unis);
            réglages::écrit_booléen(QStringLiteral("sel"), QStringLiteral("img"), sans_image_accueil);
            réglages::écrit(QStringLiteral("répertoires"), QStringLiteral("langue"), langue_aide);
        }
        if (crochet_évolution)
            crochet_évolution();
    }
    if (tables_à_enregistrer() &&
        MsgBox(QStringLiteral("Les tables ont été modifiées depuis la grille et ces modifications n'ont pas été "
                              "enregistrées. Voulez-vous les enregistrer maintenant ?"),
               style_boîte::oui_non | style_boîte::question) == rép_oui)
        enregistrer_click();
    // A window whose pending change was refused stays open with it, and so
    // does the program.
    if (!ferme_fenêtres(this))
        cancel = true;
}

void F_vesk::bt_annuler_Click()
{
    if (close())
        QCoreApplication::quit();
}

void F_vesk::fichier_chargé()
{
    titre_ = QStringLiteral("Trovane ") + fichier_courant;
    mets_titre();
    gg().Clear();
    gg().setRows(1);
    if (!démarrage_)
        montre_mode_du_fichier();
}

void F_vesk::montre_mode_du_fichier()
{
    // The mode the file holds is shown chosen, with its table and its
    // buttons, as a click on it would; the statistics and the catalogue
    // stand in windows that are not open, so neither mode is shown.
    const int index = index_du_mode(mode_courant());
    if (index >= 0 && index != 5) {
        Op_Click(index);
        return;
    }
    for (auto& [i, b] : op_)
        b->setChecked(false);
    for (QPushButton* b : {Bt_appel_feuilles, bt_imprimer, bt_imprim_2})
        b->hide();
    montre_grille();
}

void F_vesk::montre_grille()
{
    // No mode chosen, no table: the home picture stands in the grid's place.
    const bool mode_choisi = std::any_of(op_.begin(), op_.end(), [](const auto& o) { return o.second->isChecked(); });
    gg().setVisible(!affiche_grille && mode_choisi);
}

void F_vesk::mets_titre()
{
    QString t = titre_;
    if (sans_enregistrement)
        t += QStringLiteral(" (lecture seule : rien ne sera enregistré)");
    else if (fichier_illisible_)
        t += QStringLiteral(" (le fichier trovane.sel n'a pas pu être lu : ouvrez ou enregistrez un fichier)");
    setWindowTitle(t);
}

void F_vesk::image_fond()
{
    const QString chemin = chemin_programme(QStringLiteral("Aide/images/TROVANE.gif"));
    QPixmap image(chemin);
    if (image.isNull())
        return;
    Image1->setProperty("image", chemin);
    Image1->setPixmap(image.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// ---------------------------------------------------------------- modes

void F_vesk::applique_boutons(const QString& mode)
{
    const boutons_mode b = boutons_pour_mode(mode);
    if (mode == QLatin1String("catalogue") || mode.isEmpty())
        return;  // captions stay those of the mode shown before
    Bt_appel_feuilles->setText(b.appel_feuilles);
    bt_imprimer->setText(b.imprimer);
    bt_imprim_2->setText(b.imprim_2);
    Bt_appel_feuilles->setVisible(b.appel_visible);
    bt_imprimer->setVisible(b.imprimer_visible);
    bt_imprim_2->setVisible(b.imprim_2_visible);
    const int index = index_du_mode(mode);
    if (index >= 0)
        place_boutons(index);
    active_selon_fenêtres();
}

void F_vesk::place_boutons(int index)
{
    QPushButton* o = op(index);
    if (!o)
        return;
    // Stacked beside the chosen mode button, in its colour.
    int haut = place_conception(*o).y() + place_conception(*cadre).y() + px(840);
    for (auto* b : {Bt_appel_feuilles, bt_imprimer, bt_imprim_2}) {
        QRect r = place_conception(*b);
        r.moveTop(haut);
        place_contrôle(*b, r);
        haut += r.height();
        b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; padding: 2px; }")
                             .arg(couleur_op(index).name()));
    }
}

void F_vesk::active_selon_fenêtres()
{
    // A button whose window does not exist in this program opens nothing.
    const QString mode = mode_courant();
    const std::pair<QPushButton*, bouton_action> boutons[] = {{Bt_appel_feuilles, bouton_action::appel_feuilles},
                                                              {bt_imprimer, bouton_action::imprimer},
                                                              {bt_imprim_2, bouton_action::imprim_2}};
    for (const auto& [b, quel] : boutons) {
        const action_bouton a = action_pour(mode, quel);
        b->setEnabled(!a.fenêtre.isEmpty() && fenêtre_enregistrée(a.fenêtre));
    }
}

void F_vesk::Op_Click(int index)
{
    if (!op(index))
        return;
    // Whoever calls it, the button of the mode shown is the one chosen.
    for (auto& [i, b] : op_)
        b->setChecked(i == index);
    sablier attente;
    appelant_filtre.clear();
    Bt_appel_feuilles->setVisible(true);
    bt_imprimer->setVisible(true);
    bt_imprim_2->setVisible(true);
    gg().setVisible(!affiche_grille);
    for (auto* l : {lbl_nbr_pages, Label4, lblpb, lbl_pages_blanches})
        l->hide();
    switch (index) {
    case 0:
        if (!affiche_grille)
            affiche_offres_demandes(gg(), true);
        données.mode_grille = QStringLiteral("base");
        gg().setSelectionMode(mode_sélection::libre);
        break;
    case 1:
        if (!affiche_grille)
            affiche_adhérents(gg(), true);
        // Sorted by identifier even while hidden, on whatever the grid holds.
        gg().setRow(gg().Row());
        if (gg().Cols() > col_adhérents::identifiant) {
            gg().setCol(col_adhérents::identifiant);
            gg().setSort(tri_grille::générique_croissant);
        }
        données.mode_grille = QStringLiteral("adhérents");
        gg().setSelectionMode(mode_sélection::libre);
        break;
    case 2:
        if (!affiche_grille)
            affiche_rubriques(gg());
        données.mode_grille = QStringLiteral("rubriques");
        gg().setSelectionMode(mode_sélection::libre);
        break;
    case 4:
        gg().setSelectionMode(mode_sélection::libre);
        if (!affiche_grille)
            prépare_grille_écritures(gg());
        données.mode_grille = QStringLiteral("comptes");
        if (!affiche_grille) {
            remplit_écritures_période(gg(), 18, 0, 0, 0);
        }
        break;
    case 5:
        données.mode_grille = QStringLiteral("stats");
        break;
    default: return;
    }
    applique_boutons(données.mode_grille);
    if (index == 5)
        montre_fenêtre(noms_fenêtres::statistiques);
}

void F_vesk::rafraîchit_mode_courant()
{
    // The grid shown again holds the table of the mode chosen; the prepared
    // catalogue and the statistics keep what the grid holds.
    const int index = index_du_mode(mode_courant());
    if (index >= 0 && index != 5)
        Op_Click(index);
}

// ---------------------------------------------------------------- action buttons

void F_vesk::ouvre(const action_bouton& a)
{
    appelant_filtre.clear();
    if (a.fenêtre.isEmpty())
        return;
    if (a.contrôle_archive && contrôle_archive())
        return;
    if (a.ferme_catalogue) {
        décharge_fenêtre(noms_fenêtres::catalogue);
        données.mode_grille = QStringLiteral("base");
    }
    fenêtre_programme* f = montre_fenêtre(a.fenêtre);
    if (!f)
        return;
    if (a.maximise)
        f->feuille().showMaximized();
    if (a.passe_en_catalogue)
        données.mode_grille = QStringLiteral("catalogue");
}

void F_vesk::Bt_appel_feuilles_Click() { ouvre(action_pour(mode_courant(), bouton_action::appel_feuilles)); }
void F_vesk::bt_imprimer_Click() { ouvre(action_pour(mode_courant(), bouton_action::imprimer)); }
void F_vesk::bt_imprim_2_Click() { ouvre(action_pour(mode_courant(), bouton_action::imprim_2)); }

void F_vesk::gg_MouseDown(int bouton)
{
    const QString mode = mode_courant();
    if (bouton == 2) {
        if (QMenu* m = menu_grille(mode); m && !m->isEmpty())
            m->exec(QCursor::pos());
    }
    int colonne = -1;
    if (mode == QLatin1String("base"))
        colonne = col_offres::num_adh;
    else if (mode == QStringLiteral("adhérents"))
        colonne = col_adhérents::numéro;
    if (colonne < 0)
        return;
    const grille& g = gg();
    if (g.Row() < g.FixedRows() || colonne >= g.Cols()) {
        adhérent_courant = 0;
        return;
    }
    // The leading number of the cell; one that does not fit leaves the
    // current member as it was.
    const double v = Val(g.TextMatrix(g.Row(), colonne));
    if (v >= -32768 && v <= 32767)
        adhérent_courant = static_cast<int16>(v);
}
