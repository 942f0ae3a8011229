// The member register: its controls, opening and closing, and the keys,
// mouse and focus that drive it.
#include "members/fenetres_adherents.h"

#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "members/aides_saisie.h"
#include "members/p_filtrfam.h"
#include "members/fenetres_adherents_commun.h"
#include "ui_common/controles.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/listes_longues.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/vues_tables.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace registre_adhérents;

void enregistre_fenêtres_adhérents()
{
    enregistre_fenêtre(noms_fenêtres::adhérents, [] {
        auto* f = new f_adhérents;
        f->Form_Load();
        return f;
    });
    enregistre_fenêtre(QStringLiteral("p_filtrfam"), [] {
        auto* f = new p_filtrfam;
        f->Form_Load();
        return f;
    });
    branchement_charge_etat = restaure_sélection;
}

// ---------------------------------------------------------------- controls

f_adhérents::f_adhérents()
{
    setWindowTitle(QStringLiteral("Adhérent(e)s"));
    resize(800, 575);
    crée_contrôles();
    branche_contrôles();
}

void f_adhérents::crée_contrôles()
{
    auto étiquette = [this](int i, const QString& texte, int x, int y, int l) {
        auto* lbl = new QLabel(texte, this);
        lbl->setGeometry(x, y, l, 16);
        Label1[static_cast<std::size_t>(i)] = lbl;
    };
    auto zone = [this](int x, int y, int l, int h = 24) {
        auto* z = new QLineEdit(this);
        z->setGeometry(x, y, l, h);
        return z;
    };
    auto liste = [this](int x, int y, int l, bool modifiable) {
        auto* c = new QComboBox(this);
        c->setEditable(modifiable);
        if (modifiable)
            c->setInsertPolicy(QComboBox::NoInsert);
        c->setMaxVisibleItems(12);
        c->setGeometry(x, y, l, 24);
        return c;
    };
    auto bouton = [this](const QString& texte, int x, int y, int l, int h = 24) {
        auto* b = new QPushButton(texte, this);
        b->setGeometry(x, y, l, h);
        return b;
    };

    barre_menus = new QMenuBar(this);
    barre_menus->setGeometry(0, 0, 800, 22);
    edition = barre_menus->addMenu(QStringLiteral("Edition"));
    maj_adh = edition->addAction(QStringLiteral("Enlever des additifs tous les nouveaux adhérents "));
    maj_prop = edition->addAction(QStringLiteral("Enlever des additifs toutes les offres-demandes nouvelles"));
    aide = barre_menus->addMenu(QStringLiteral("Aide"));
    sommaire_aide = aide->addAction(QStringLiteral("Sommaire de l'aide"));
    aide_adhérents = aide->addAction(QStringLiteral("Aide pour cette page"));
    tec_adh = aide->addAction(QStringLiteral("Technique et importation"));

    // Who: number, list of members (or the identifier being typed), spinner.
    étiquette(0, QStringLiteral("Prénom / Identifiant pour catalogue"), 80, 30, 260);
    num_adhérent = zone(10, 48, 62);
    num_adhérent->setToolTip(QStringLiteral("le code + [entrée] donne l'adhérent"));
    Liste_adhérents = liste(80, 48, 240, false);
    ctt_prénom = zone(80, 48, 240);
    ctt_prénom->hide();
    spin_adh = new QScrollBar(Qt::Vertical, this);
    spin_adh->setGeometry(322, 44, 16, 32);
    spin_adh->setRange(0, 0);
    bt_modif_nom = bouton(QStringLiteral("modifier identifiant"), 346, 48, 140);

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(500, 28, 290, 48);
    const char* catégories[] = {"Enfant", "Adulte", "Autre"};
    for (int i = 0; i < 3; ++i) {
        ob_kid[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromUtf8(catégories[i]), Frame1);
        ob_kid[static_cast<std::size_t>(i)]->setGeometry(14 + 92 * i, 14, 86, 24);
    }

    // Address and contact, left column.
    étiquette(1, QStringLiteral("Nom/prénom pour courrier"), 10, 86, 300);
    ctt_nom_pour_adresse = zone(10, 102, 300);
    étiquette(2, QStringLiteral("Mlle Mme M."), 320, 86, 80);
    cb_civilité = liste(320, 102, 80, true);
    étiquette(3, QStringLiteral("Adresse courrier"), 10, 132, 390);
    ctt_rue = zone(10, 148, 390);
    étiquette(4, QStringLiteral("Code postal"), 10, 178, 80);
    ctt_cp = zone(10, 194, 80);
    étiquette(7, QStringLiteral("Ville"), 100, 178, 300);
    cb_ville = liste(100, 194, 300, true);
    étiquette(8, QStringLiteral("Tel 1"), 10, 224, 190);
    ctt_tel1 = zone(10, 240, 190);
    étiquette(9, QStringLiteral("Tel2"), 210, 224, 190);
    ctt_tel2 = zone(210, 240, 190);
    étiquette(10, QStringLiteral("Adresse éléctronique"), 10, 270, 390);
    ctt_e_mail = zone(10, 286, 390);
    étiquette(5, QStringLiteral("Date d'adhésion"), 10, 316, 190);
    ctt_date_adh = zone(10, 332, 190);
    étiquette(6, QStringLiteral("Date de cotisation"), 210, 316, 190);
    ctt_date_cot = zone(210, 332, 190);
    étiquette(12, QStringLiteral("Sexe"), 10, 362, 120);
    cb_sexe = liste(10, 378, 120, false);
    étiquette(13, QStringLiteral("Statut"), 140, 362, 260);
    cb_statut = liste(140, 378, 260, false);
    étiquette(11, QStringLiteral("Nom du fichier photo"), 10, 408, 300);
    ctt_nom_photo = zone(10, 424, 300);
    bt_parcourir = bouton(QStringLiteral("parcourir..."), 315, 424, 85);
    étiquette(15, QStringLiteral("Notes"), 10, 454, 390);
    ctt_comm = new QPlainTextEdit(this);
    ctt_comm->setGeometry(10, 470, 390, 54);

    // Criteria, photo and account, right column. The criteria titles are
    // fields too: they name the lists for every member.
    auto titre = [&](int x, int y) {
        QLineEdit* t = zone(x, y, 125, 18);
        t->setFrame(false);
        t->setToolTip(QStringLiteral("cette étiquette est modifiable :-)"));
        return t;
    };
    ctt_cr0 = titre(420, 84);
    cb_nat = liste(420, 102, 125, true);
    étiquette(14, QStringLiteral("Qualité"), 552, 86, 120);
    cb_qual = liste(552, 102, 125, true);
    ctt_cr1 = titre(420, 130);
    cb_cr1 = liste(420, 148, 125, true);
    ctt_cr2 = titre(552, 130);
    cb_cr2 = liste(552, 148, 125, true);

    picture1 = new QLabel(this);
    picture1->setGeometry(686, 84, 104, 138);
    picture1->setFrameShape(QFrame::Box);
    picture1->setAlignment(Qt::AlignCenter);
    picture1->setToolTip(QStringLiteral("format idéal 30mm*40mm"));

    étiquette(16, QStringLiteral("Solde du compte :"), 420, 236, 125);
    ctt_solde = zone(420, 252, 125);
    étiquette(19, QStringLiteral("Volume échanges"), 552, 236, 125);
    ctt_volume = zone(552, 252, 125);
    bt_modifier_solde = bouton(QStringLiteral("corriger"), 686, 252, 104);
    étiquette(17, QStringLiteral("Nombre débits"), 420, 282, 125);
    ctt_débits = zone(420, 298, 125);
    étiquette(18, QStringLiteral("Nombre crédits"), 552, 282, 125);
    ctt_crédits = zone(552, 298, 125);
    bt_créditer_adh = bouton(QStringLiteral("Attribuer crédit par défaut à l'inscription"), 420, 334, 370, 28);

    // Actions.
    const int haut_boutons = 538, pas = 131, largeur = 124;
    bt_nouvelle = bouton(QStringLiteral("Nouvel(le)"), 10, haut_boutons, largeur, 28);
    bt_valider = bouton(QStringLiteral("Valider"), 10 + pas, haut_boutons, largeur, 28);
    bt_supprimer = bouton(caption_supprimer, 10 + 2 * pas, haut_boutons, largeur, 28);
    bt_offres_demandes = bouton(QStringLiteral("offres-demandes..."), 10 + 3 * pas, haut_boutons, largeur, 28);
    bt_imprimer = bouton(QStringLiteral("listes/étiquettes..."), 10 + 4 * pas, haut_boutons, largeur, 28);
    bt_quitter = bouton(QStringLiteral("Retour"), 10 + 5 * pas, haut_boutons, largeur, 28);
    bt_modifier = bouton(QStringLiteral("Modifier"), 0, 0, 10);
    bt_modifier->hide();

    // The tab order follows the Enter order of the fields.
    QWidget* ordre[] = {num_adhérent, Liste_adhérents, ctt_prénom, ctt_date_adh, ctt_date_cot, ctt_tel1, ctt_tel2,
                        ctt_nom_pour_adresse, ctt_rue, cb_ville, ctt_cp, ctt_e_mail, bt_parcourir, ctt_nom_photo,
                        cb_civilité, cb_sexe, cb_statut, ob_kid[0], ob_kid[1], ob_kid[2], ctt_cr0, cb_nat, cb_qual,
                        ctt_cr1, cb_cr1, ctt_cr2, cb_cr2, ctt_comm, ctt_solde, ctt_débits, ctt_crédits, ctt_volume};
    for (std::size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

void f_adhérents::branche_contrôles()
{
    QObject::connect(Liste_adhérents, &QComboBox::activated, this, [this](int) { liste_adhérents_Click(); });
    QObject::connect(spin_adh, &QScrollBar::valueChanged, this, [this](int) { spin_adh_Change(); });
    for (int i = 0; i < 3; ++i) {
        QRadioButton* o = ob_kid[static_cast<std::size_t>(i)];
        QObject::connect(o, &QRadioButton::pressed, this, [this, i] { ob_kid_MouseDown(i); });
        QObject::connect(o, &QRadioButton::clicked, this, [this, i] { ob_kid_Click(i); });
    }
    QObject::connect(cb_statut, &QComboBox::activated, this, [this](int i) { cb_statut_Click(i); });
    QObject::connect(cb_ville, &QComboBox::activated, this, [this](int) { cherche_code_p(); });
    QObject::connect(cb_nat, &QComboBox::activated, this, [this](int i) { position_nat = i; });
    QObject::connect(cb_qual, &QComboBox::activated, this, [this](int i) { position_qual = i; });
    QObject::connect(cb_cr1, &QComboBox::activated, this, [this](int i) { position_cr1 = i; });
    QObject::connect(cb_cr2, &QComboBox::activated, this, [this](int i) { position_cr2 = i; });

    QObject::connect(bt_nouvelle, &QPushButton::clicked, this, [this] { bt_nouvelle_Click(); });
    QObject::connect(bt_valider, &QPushButton::clicked, this, [this] { bt_valider_Click(); });
    QObject::connect(bt_modifier, &QPushButton::clicked, this, [this] { bt_modifier_Click(); });
    QObject::connect(bt_supprimer, &QPushButton::clicked, this, [this] { bt_supprimer_Click(); });
    QObject::connect(bt_offres_demandes, &QPushButton::clicked, this, [this] { bt_offres_demandes_Click(); });
    QObject::connect(bt_imprimer, &QPushButton::clicked, this, [this] { bt_imprimer_Click(); });
    QObject::connect(bt_quitter, &QPushButton::clicked, this, [this] { bt_quitter_Click(); });
    QObject::connect(bt_modif_nom, &QPushButton::clicked, this, [this] { bt_modif_nom_Click(); });
    QObject::connect(bt_créditer_adh, &QPushButton::clicked, this, [this] { bt_créditer_adh_Click(); });
    QObject::connect(bt_modifier_solde, &QPushButton::clicked, this, [this] { bt_modifier_solde_Click(); });
    QObject::connect(bt_parcourir, &QPushButton::clicked, this, [this] { bt_parcourir_Click(); });

    QObject::connect(maj_adh, &QAction::triggered, this, [this] { maj_adh_Click(); });
    QObject::connect(maj_prop, &QAction::triggered, this, [this] { maj_prop_Click(); });
    QObject::connect(sommaire_aide, &QAction::triggered, this, [this] { sommaire_aide_Click(); });
    QObject::connect(aide_adhérents, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("adherents")); });
    QObject::connect(tec_adh, &QAction::triggered, this, [this] { tec_adh_Click(); });

    // Keys, mouse and focus of the fields go through eventFilter. A combo
    // box forwards its keys to its edit line directly: filter the box.
    for (QWidget* w : std::initializer_list<QWidget*>{
             num_adhérent, ctt_prénom, ctt_date_adh, ctt_date_cot, ctt_tel1, ctt_tel2, ctt_nom_pour_adresse, ctt_rue,
             cb_ville, ctt_cp, ctt_e_mail, ctt_nom_photo, ctt_comm, ctt_cr0, ctt_cr1, ctt_cr2, cb_nat, cb_qual,
             cb_cr1, cb_cr2, cb_sexe, cb_statut, cb_civilité, ctt_solde, ctt_débits, ctt_crédits, ctt_volume,
             spin_adh})
        w->installEventFilter(this);

    // The fields of the record, however they are changed.
    saisie_.suit({ctt_prénom, ctt_nom_pour_adresse, cb_civilité, ctt_rue, ctt_cp, cb_ville, ctt_tel1, ctt_tel2,
                  ctt_e_mail, ctt_nom_photo, ctt_date_adh, ctt_date_cot, cb_sexe, ob_kid[0], ob_kid[1], ob_kid[2],
                  cb_statut, cb_nat, cb_qual, cb_cr1, cb_cr2, ctt_comm, ctt_solde, ctt_débits, ctt_crédits,
                  ctt_volume},
                 [this] { marque_modifiée(); });
}

// ---------------------------------------------------------------- creation

void f_adhérents::Form_Load()
{
    const auto remplissage = saisie_.remplit();
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);
    modifiée_ = false;
    Liste_adhérents->clear();
    prépare_police_impression();

    std::vector<entrée_liste_longue> entrées;
    for (int i = 1; i <= données.nombre_adhérents && i <= max_adhérents; ++i) {
        const int n = données.table_adhérents[static_cast<std::size_t>(i)].ordre;
        const bool fiche = n >= 1 && n <= max_adhérents;
        entrées.push_back(
            {fiche ? données.table_adhérents[static_cast<std::size_t>(n)].identifiant.str() : QString(), n});
    }
    remplit_liste_longue(*Liste_adhérents, entrées);
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(-1);
    }

    const noms_critères noms = noms_critères_actuels();
    remplit(cb_cr1, QStringList(noms.critère1.begin(), noms.critère1.end()));
    remplit(cb_cr2, QStringList(noms.critère2.begin(), noms.critère2.end()));
    remplit(cb_nat, QStringList(noms.critère0.begin(), noms.critère0.end()));
    remplit(cb_qual, QStringList(noms.qualité.begin(), noms.qualité.end()));
    for (auto [titre, texte] : {std::pair{ctt_cr0, noms.titre0}, {ctt_cr1, noms.titre1}, {ctt_cr2, noms.titre2}}) {
        titre->setText(texte);
        titre->setCursorPosition(0);  // a long title shows its beginning
    }

    remplit(cb_sexe, {QStringLiteral("masculin"), QStringLiteral("féminin"), QStringLiteral("sans objet")});
    remplit(cb_civilité, {QStringLiteral(" "), QStringLiteral("Mme."), QStringLiteral("Mlle."), QStringLiteral("M."),
                          QStringLiteral("Mme & M."), QStringLiteral("Ass.")});
    remplit(cb_statut, {QStringLiteral("normal"), QStringLiteral("nouvel(le) pour additif"),
                        QStringLiteral("supprimé pour additif"), QStringLiteral("éliminé")});

    if (adhérent_courant == 0)
        adhérent_courant = 1;
    for (const QString& ville : villes_des_adhérents())
        ajoute_ville(ville);
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(-1);
    }

    ctt_solde->setEnabled(false);
    ctt_crédits->setEnabled(false);
    ctt_débits->setEnabled(false);
    ctt_volume->setEnabled(false);
    bt_valider->setEnabled(false);
    bt_créditer_adh->setEnabled(false);
    bt_offres_demandes->setEnabled(fenêtre_enregistrée(noms_fenêtres::base));
    bt_imprimer->setEnabled(fenêtre_enregistrée(noms_fenêtres::impression));
    règle_spin();
}

void f_adhérents::Form_Activate()
{
    // A new member being typed stays as it is: selecting an entry now would
    // show another member over it.
    if (nouveau_en_cours_)
        return;
    const int i = entrée_du_numéro(adhérent_courant);
    if (i < 0) {
        bt_nouvelle_Click();
        return;
    }
    if (i == Liste_adhérents->currentIndex() && numéro_affiché_ == adhérent_courant)
        return;  // already shown: its pending changes stay in the fields
    sélectionne_entrée(i);
}

void f_adhérents::Form_Deactivate()
{
    range_noms_critères(noms_affichés(), true);
    if (appelant_filtre != noms_fenêtres::base)
        affiche_adhérents(gg(), false);
    appelant_filtre = noms_fenêtres::adhérents;
    enregistrer_fichier(fichier_courant, false);
}

void f_adhérents::Form_QueryUnload(bool& cancel)
{
    gg().setRedraw(true);
    if (nouveau_en_cours_ || modification_en_attente()) {
        const QString question = nouveau_en_cours_
                                     ? QStringLiteral(" Voulez-vous valider le(la) nouvel(le) adhérent(e)? ")
                                     : QStringLiteral(" Voulez-vous valider la modification? ");
        if (MsgBox(question, style_boîte::oui_non | style_boîte::question) != rép_non) {
            // A refused validation has said why; the record stays on screen.
            if (!bt_valider_Click()) {
                cancel = true;
                return;
            }
            décharge_fenêtre(noms_fenêtres::base);
        } else {
            if (nouveau_en_cours_)
                abandonne_crédit();
            modifiée_ = false;
        }
        return;
    }
    if (appelant_filtre != noms_fenêtres::base)
        affiche_adhérents(gg(), false);
    appelant_filtre = noms_fenêtres::adhérents;
}

// ---------------------------------------------------------------- keys, mouse, focus

bool f_adhérents::eventFilter(QObject* objet, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: return touche_contrôle(objet, static_cast<QKeyEvent*>(e));
    case QEvent::FocusIn:
        if (focus_de_l_utilisateur(e))
            focus_reçu(objet);
        break;
    case QEvent::FocusOut:
        if (focus_de_l_utilisateur(e))
            focus_perdu(objet);
        break;
    case QEvent::MouseButtonDblClick:
        if (objet == ctt_date_adh || objet == ctt_date_cot) {
            static_cast<QLineEdit*>(objet)->setText(date_courte(date_depuis(aujourdhui())));
            return true;
        }
        if (objet == ctt_tel1 || objet == ctt_tel2) {
            compose_téléphone(static_cast<QLineEdit*>(objet)->text());
            return true;
        }
        if (objet == ctt_nom_pour_adresse) {
            ctt_nom_pour_adresse->setText(ctt_prénom->text());
            marque_modifiée();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (objet == ctt_date_adh || objet == ctt_date_cot) {
            const auto modifs = static_cast<QMouseEvent*>(e)->modifiers();
            auto* zone = static_cast<QLineEdit*>(objet);
            if (modifs & Qt::ShiftModifier)
                zone->setText(date_courte(date_depuis(aujourdhui())));
            else if (modifs & Qt::ControlModifier)
                zone->setText(QStringLiteral("00:00:00"));
        }
        break;
    default: break;
    }
    return fenêtre::eventFilter(objet, e);
}

void f_adhérents::focus_reçu(QObject* objet)
{
    if (objet == num_adhérent)
        num_adhérent_GotFocus();
    else if (objet == spin_adh)
        spin_adh_GotFocus();
    else if (objet == ctt_prénom || objet == ctt_date_adh || objet == ctt_date_cot || objet == ctt_solde ||
             objet == ctt_débits || objet == ctt_crédits || objet == ctt_volume)
        sélectionne_tout(static_cast<QLineEdit*>(objet));
    else if (objet == ctt_tel1 || objet == ctt_tel2 || objet == ctt_rue || objet == ctt_nom_pour_adresse)
        caret_à_la_fin(static_cast<QLineEdit*>(objet));
    else if (objet == cb_ville) {
        if (QLineEdit* l = cb_ville->lineEdit())
            caret_à_la_fin(l);
        marque_modifiée();
    } else if (objet == ctt_nom_photo || objet == cb_nat || objet == cb_qual || objet == cb_cr1 ||
               objet == cb_cr2 || objet == cb_sexe || objet == cb_statut)
        marque_modifiée();
    else if (objet == ctt_cr0 || objet == ctt_cr1 || objet == ctt_cr2)
        inf_modif();
}

void f_adhérents::focus_perdu(QObject* objet)
{
    if (objet == num_adhérent)
        num_adhérent_LostFocus();
    else if (objet == ctt_prénom && ctt_prénom->isVisible())
        ctt_prénom_LostFocus();
    else if (objet == cb_ville)
        prend_ville();
}

// Keys of the fields; true when the key is used up here.
bool f_adhérents::touche_contrôle(QObject* objet, QKeyEvent* k)
{
    // Moving between fields is not typing.
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
        return false;
    const bool entrée = est_entrée(k);
    auto vers = [](QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        return true;
    };

    if (objet == num_adhérent) {
        if (!entrée)
            return false;
        num_adhérent_Entrée();
        return true;
    }
    if (objet == spin_adh)
        return false;

    // Account fields: digits, sign, separators and control keys only.
    if (objet == ctt_solde || objet == ctt_débits || objet == ctt_crédits || objet == ctt_volume) {
        if (!k->text().isEmpty() && k->text()[0].isPrint() && k->text()[0].unicode() > '9')
            return true;
        marque_modifiée();
        if (!entrée)
            return false;
        if (objet == ctt_débits)
            return vers(ctt_crédits);
        if (objet == ctt_crédits)
            return vers(ctt_volume);
        if (objet == ctt_volume)
            return vers(ctt_solde);
        return true;
    }

    // The criteria and quality lists: a new name for the chosen entry.
    if (objet == cb_nat || objet == cb_qual || objet == cb_cr1 || objet == cb_cr2) {
        marque_modifiée();
        if (entrée || k->key() == Qt::Key_Insert) {
            renomme_entrée(static_cast<QComboBox*>(objet), !entrée);
            return true;
        }
        return false;
    }

    if (objet == cb_ville) {
        if (entrée) {
            prend_ville();
            return vers(ctt_cp);
        }
        if (k->key() == Qt::Key_Delete && (k->modifiers() & Qt::ShiftModifier)) {
            retire_ville();
            return true;
        }
        const QString t = k->text();
        if (t.size() == 1 && t[0].unicode() > 'Z' && t[0].toUpper() != t[0] && cb_ville->lineEdit()) {
            cb_ville->lineEdit()->insert(t.toUpper());
            return true;
        }
        return false;
    }

    if (objet == cb_sexe || objet == cb_statut || objet == cb_civilité) {
        marque_modifiée();
        return false;
    }

    // The text fields of the record: any typing marks it changed.
    marque_modifiée();
    auto* zone = qobject_cast<QLineEdit*>(objet);

    if (est_maj_f3(k) && (objet == ctt_prénom || objet == ctt_nom_pour_adresse || objet == ctt_rue)) {
        zone->setText(change_casse(*zone, zone->text()));
        return true;
    }
    if (objet == ctt_date_adh || objet == ctt_date_cot) {
        if (k->key() == Qt::Key_Delete) {
            zone->setText(QStringLiteral("000:00:00"));
            return true;
        }
        if (k->key() == Qt::Key_Insert) {
            zone->setText(date_courte(date_depuis(aujourdhui())));
            return true;
        }
        if (entrée)
            return vers(objet == ctt_date_adh ? static_cast<QWidget*>(ctt_date_cot) : ctt_tel1);
        const QString t = k->text();
        if (t.size() == 1 && caractère_date(t[0]) != t[0]) {
            zone->insert(QString(caractère_date(t[0])));
            return true;
        }
        return false;
    }
    if (objet == ctt_prénom) {
        if (entrée) {
            applique_identifiant();
            vers(ctt_date_adh);
            if (!nouveau_en_cours_) {
                ctt_prénom->hide();
                bt_modif_nom->show();
            }
            return true;
        }
        const QString t = k->text();
        if (zone->text().isEmpty() && t.size() == 1 && t[0].isPrint() && t[0].toUpper() != t[0]) {
            zone->insert(t.toUpper());
            return true;
        }
        return false;
    }
    if (!entrée)
        return false;
    if (objet == ctt_tel1)
        return vers(ctt_tel2);
    if (objet == ctt_tel2)
        return vers(ctt_nom_pour_adresse);
    if (objet == ctt_nom_pour_adresse)
        return vers(ctt_rue);
    if (objet == ctt_rue)
        return vers(cb_ville);
    if (objet == ctt_cp) {
        cherche_ville();
        return vers(ctt_e_mail);
    }
    if (objet == ctt_e_mail)
        return vers(bt_parcourir);
    return false;
}
