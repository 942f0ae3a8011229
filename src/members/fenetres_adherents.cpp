#include "members/fenetres_adherents.h"

#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "catalogue/additifs.h"
#include "ui_common/controles.h"
#include "ui_common/pages_aide.h"
#include "ui_common/vues_tables.h"
#include "members/aides_saisie.h"
#include "members/p_filtrfam.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/listes_longues.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/outils.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const QString nom_fenêtre = noms_fenêtres::adhérents;
const QString nom_base = noms_fenêtres::base;
const QString nom_impression = noms_fenêtres::impression;

const QString caption_supprimer = QStringLiteral("Supprimer");
const QString caption_restaurer = QStringLiteral("Restaurer");
const QString caption_annuler = QStringLiteral("Annuler");


bool est_entrée(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

bool est_maj_f3(const QKeyEvent* k)
{
    return k->key() == Qt::Key_F3 && (k->modifiers() & Qt::ShiftModifier);
}

// Selects the whole text once the click that gave the focus has placed the caret.
void sélectionne_tout(QLineEdit* zone)
{
    QTimer::singleShot(0, zone, [zone] { zone->selectAll(); });
}

void caret_à_la_fin(QLineEdit* zone)
{
    QTimer::singleShot(0, zone, [zone] { zone->end(false); });
}

// A list position shown only when it lies within the list.
void montre_position(QComboBox* liste, int position)
{
    const QSignalBlocker bloque(liste);
    liste->setCurrentIndex(position >= 0 && position < liste->count() ? position : -1);
}

void remplit(QComboBox* liste, const QStringList& entrées)
{
    liste->clear();
    liste->addItems(entrées);
}

}  // namespace

void enregistre_fenêtres_adhérents()
{
    enregistre_fenêtre(nom_fenêtre, [] {
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
    bt_offres_demandes->setEnabled(fenêtre_enregistrée(nom_base));
    bt_imprimer->setEnabled(fenêtre_enregistrée(nom_impression));
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
    if (appelant_filtre != nom_base)
        affiche_adhérents(gg(), false);
    appelant_filtre = nom_fenêtre;
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
            décharge_fenêtre(nom_base);
        } else {
            if (nouveau_en_cours_)
                abandonne_crédit();
            modifiée_ = false;
        }
        return;
    }
    if (appelant_filtre != nom_base)
        affiche_adhérents(gg(), false);
    appelant_filtre = nom_fenêtre;
}

// ---------------------------------------------------------------- showing a member

int f_adhérents::entrée_du_numéro(int n) const
{
    for (int i = 0; i < Liste_adhérents->count(); ++i)
        if (Liste_adhérents->itemData(i).toInt() == n)
            return i;
    return -1;
}

void f_adhérents::sélectionne_entrée(int index)
{
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(index);
    }
    liste_adhérents_Click();
}

void f_adhérents::règle_spin()
{
    const QSignalBlocker b(spin_adh);
    spin_adh->setRange(0, std::max(0, Liste_adhérents->count() - 1));
    if (Liste_adhérents->currentIndex() >= 0)
        spin_adh->setValue(Liste_adhérents->currentIndex());
}

void f_adhérents::liste_adhérents_Click()
{
    const int index = Liste_adhérents->currentIndex();
    if (index < 0)
        return;
    const int n = Liste_adhérents->itemData(index).toInt();
    if (!valide_la_fiche()) {
        // The changes were refused: the member stays on screen with them,
        // and stays the current member.
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(entrée_du_numéro(numéro_affiché_));
        if (numéro_affiché_) {
            num_adhérent->setText(QString::number(numéro_affiché_));
            adhérent_courant = static_cast<int16>(numéro_affiché_);
        }
        règle_spin();
        return;
    }
    modifiée_ = false;
    if (n < 1 || n > max_adhérents)
        return;  // an entry that names no record
    montre_adhérent(n);
}

void f_adhérents::montre_adhérent(int n)
{
    const auto remplissage = saisie_.remplit();
    num_adhérent->setText(QString::number(n));
    adhérent_courant = static_cast<int16>(n);
    numéro_affiché_ = n;
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
    identifiant_montré_ = a.identifiant.str();
    bt_supprimer->setText(caption_supprimer);
    montre_champs(champs_de(a));
    ctt_prénom->hide();
    bt_modif_nom->show();
    bt_modifier_solde->show();
    montre_photo(a.photo);
    montre_statut_choisi(a.additif);
    règle_spin();
}

void f_adhérents::montre_champs(const champs_adhérent& c)
{
    ctt_prénom->setText(c.prénom);
    ctt_tel1->setText(c.tel1);
    ctt_tel2->setText(c.tel2);
    ctt_nom_pour_adresse->setText(c.nom_adresse);
    ctt_rue->setText(c.rue);
    ctt_cp->setText(c.cp);
    montre_ville(c.ville);
    ctt_e_mail->setText(c.e_mail);
    ctt_nom_photo->setText(c.photo);
    ctt_date_adh->setText(c.date_adh);
    ctt_date_cot->setText(c.date_cot);
    montre_position(cb_sexe, c.sexe);
    montre_position(cb_statut, c.statut);
    montre_position(cb_nat, c.critère0);
    montre_position(cb_qual, c.qualité);
    montre_position(cb_cr1, c.critère1);
    montre_position(cb_cr2, c.critère2);
    montre_position(cb_civilité, c.civilité);
    // Selecting a criterion counts as choosing it: its position is remembered.
    position_nat = cb_nat->currentIndex();
    position_qual = cb_qual->currentIndex();
    position_cr1 = cb_cr1->currentIndex();
    position_cr2 = cb_cr2->currentIndex();
    ctt_comm->setPlainText(c.commentaire);
    ctt_solde->setText(c.solde);
    ctt_crédits->setText(c.crédits);
    ctt_débits->setText(c.débits);
    ctt_volume->setText(c.volume);
    active_figures();

    if (c.catégorie >= 0 && c.catégorie < taille_liste::catégorie) {
        ob_kid[static_cast<std::size_t>(c.catégorie)]->setChecked(true);
        ob_kid_Click(c.catégorie);
    } else {
        for (QRadioButton* o : ob_kid) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }
}

void f_adhérents::montre_figures(int n)
{
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
    ctt_solde->setText(texte_affiché(a.der_solde));
    ctt_crédits->setText(QString::number(a.crédits));
    ctt_débits->setText(QString::number(a.débits));
    ctt_volume->setText(texte_affiché(a.volume));
}

void f_adhérents::active_figures()
{
    // Figures that are still zero may be typed; so may a volume that is no
    // more than the registration credit.
    monnaie volume;
    lit_montant(ctt_volume->text(), volume);
    ctt_solde->setEnabled(val_fr(ctt_solde->text()) == 0);
    ctt_crédits->setEnabled(val_fr(ctt_crédits->text()) == 0);
    ctt_débits->setEnabled(val_fr(ctt_débits->text()) == 0);
    ctt_volume->setEnabled(volume == données.solde_départ);
}

int f_adhérents::ajoute_ville(const QString& ville)
{
    QStringList villes;
    for (int i = 0; i < cb_ville->count(); ++i)
        villes << cb_ville->itemText(i);
    const int place = place_triée(villes, ville);
    const QSignalBlocker b(cb_ville);
    cb_ville->insertItem(place, ville);
    return place;
}

void f_adhérents::montre_ville(const QString& ville)
{
    const QString c = ville.trimmed();
    int index = -1;
    for (int i = 0; i < cb_ville->count() && index < 0; ++i)
        if (cb_ville->itemText(i).trimmed() == c)
            index = i;
    if (index < 0 && !c.isEmpty())
        index = ajoute_ville(c);
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(index);
        if (index < 0)
            cb_ville->setEditText(QString());
    }
    if (index >= 0)
        cherche_code_p();
}

void f_adhérents::montre_photo(const QString& photo)
{
    const QString chemin = photo.trimmed().isEmpty() ? QString() : trouve_fichier_stocké(photo.trimmed());
    const QPixmap image = chemin.isEmpty() ? QPixmap() : QPixmap(chemin);
    if (image.isNull()) {
        picture1->clear();
        return;
    }
    picture1->setPixmap(image.scaled(picture1->size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void f_adhérents::couleurs_statut(int statut)
{
    QColor couleur;
    switch (statut) {
    case 0: couleur = Qt::white; break;
    case 1: couleur = QColor(0x00, 0xFF, 0x00); break;
    case 2: couleur = QColor(0xFF, 0x00, 0x00); break;
    case 3: couleur = palette().color(QPalette::Disabled, QPalette::WindowText); break;
    default: return;
    }
    for (QComboBox* liste : {Liste_adhérents, cb_statut}) {
        QPalette p = liste->palette();
        p.setColor(QPalette::Button, couleur);
        p.setColor(QPalette::Base, couleur);
        liste->setPalette(p);
    }
}

// The status as shown: colours, and the caption of the button that deletes
// or restores.
void f_adhérents::montre_statut_choisi(int statut)
{
    if (statut == 2 || statut == 3)
        bt_supprimer->setText(caption_restaurer);
    couleurs_statut(statut);
}

void f_adhérents::cherche_adh_par_num()
{
    const QString texte = num_adhérent->text().trimmed();
    if (texte.isEmpty()) {
        const int i = Liste_adhérents->currentIndex();
        if (i >= 0)
            num_adhérent->setText(QString::number(Liste_adhérents->itemData(i).toInt()));
        return;
    }
    const int n = lit_numéro_adhérent(texte);
    const int i = n ? entrée_du_numéro(n) : -1;
    if (i >= 0) {
        if (i != Liste_adhérents->currentIndex() || n != numéro_affiché_)
            sélectionne_entrée(i);
        return;
    }
    if (nouveau_en_cours_)
        return;
    MsgBox(QStringLiteral("Aucun adhérent ne correspond à ce numéro"), style_boîte::information);
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(-1);
    }
    num_adhérent->clear();
}

void f_adhérents::num_adhérent_GotFocus()
{
    if (!num_adhérent->text().trimmed().isEmpty() && bt_valider->isEnabled() && !nouveau_en_cours_) {
        MsgBox(QStringLiteral("Validez d'abord ou annulez."), style_boîte::information);
        num_adhérent->setEnabled(false);
        return;
    }
    sélectionne_tout(num_adhérent);
}

// A number already taken cannot be given to the new member: the first free
// one is offered instead.
void f_adhérents::refuse_numéro_pris(const QString& texte)
{
    if (!numéro_pris(lit_numéro_adhérent(texte)))
        return;
    MsgBox(QStringLiteral("Ce numéro est déjà utilisé"), style_boîte::critique);
    if (const int libre = premier_numéro_libre())
        num_adhérent->setText(QString::number(libre));
}

void f_adhérents::num_adhérent_Entrée()
{
    if (nouveau_en_cours_) {
        const QString texte = num_adhérent->text();
        if (numéro_pris(lit_numéro_adhérent(texte))) {
            refuse_numéro_pris(texte);
            return;
        }
        ctt_prénom->show();
        ctt_prénom->setFocus();
    } else {
        cherche_adh_par_num();
        if (num_adhérent->text().trimmed().isEmpty() && Liste_adhérents->count() > 0)
            sélectionne_entrée(0);
    }
    num_adhérent->selectAll();
}

void f_adhérents::num_adhérent_LostFocus()
{
    if (nouveau_en_cours_)
        refuse_numéro_pris(num_adhérent->text());
    else
        cherche_adh_par_num();
    num_adhérent->end(false);
}

void f_adhérents::spin_adh_GotFocus() { règle_spin(); }

void f_adhérents::spin_adh_Change()
{
    const int i = spin_adh->value();
    if (i >= 0 && i < Liste_adhérents->count() && i != Liste_adhérents->currentIndex())
        sélectionne_entrée(i);
}

void f_adhérents::ob_kid_Click(int index)
{
    const bool autre = index == 2;
    Label1[6]->setVisible(!autre);
    ctt_date_cot->setVisible(!autre);
    picture1->setVisible(!autre);
    const QSignalBlocker b(cb_sexe);
    if (autre)
        cb_sexe->setCurrentIndex(2);
    else if (cb_sexe->currentIndex() == 2)
        cb_sexe->setCurrentIndex(1);
}

void f_adhérents::ob_kid_MouseDown(int) { marque_modifiée(); }

void f_adhérents::maj_adh_Click() { enlève_additif_adhérents(); }
void f_adhérents::maj_prop_Click() { enlève_additif_offres_demandes(); }
void f_adhérents::sommaire_aide_Click() { ouvre_aide(QStringLiteral("index")); }
void f_adhérents::tec_adh_Click() { ouvre_aide(QStringLiteral("techn_adh")); }

// ---------------------------------------------------------------- validation

champs_adhérent f_adhérents::champs_affichés() const
{
    champs_adhérent c;
    c.prénom = ctt_prénom->text();
    c.nom_adresse = ctt_nom_pour_adresse->text();
    c.rue = ctt_rue->text();
    c.cp = ctt_cp->text();
    c.ville = cb_ville->currentText().trimmed();
    c.tel1 = ctt_tel1->text();
    c.tel2 = ctt_tel2->text();
    c.e_mail = ctt_e_mail->text();
    c.photo = ctt_nom_photo->text();
    c.date_adh = ctt_date_adh->text();
    c.date_cot = ctt_date_cot->text();
    c.civilité = cb_civilité->currentIndex();
    c.sexe = cb_sexe->currentIndex();
    c.statut = cb_statut->currentIndex();
    c.critère0 = cb_nat->currentIndex();
    c.qualité = cb_qual->currentIndex();
    c.critère1 = cb_cr1->currentIndex();
    c.critère2 = cb_cr2->currentIndex();
    c.catégorie = -1;
    for (int i = 0; i < 3; ++i)
        if (ob_kid[static_cast<std::size_t>(i)]->isChecked()) {
            c.catégorie = i;
            break;
        }
    c.commentaire = ctt_comm->toPlainText();
    c.solde = ctt_solde->text();
    c.débits = ctt_débits->text();
    c.crédits = ctt_crédits->text();
    c.volume = ctt_volume->text();
    return c;
}

noms_critères f_adhérents::noms_affichés() const
{
    noms_critères n;
    n.titre0 = ctt_cr0->text();
    n.titre1 = ctt_cr1->text();
    n.titre2 = ctt_cr2->text();
    auto lit = [](const QComboBox* liste, std::array<QString, 10>& noms) {
        for (int j = 0; j < 10; ++j)
            noms[static_cast<std::size_t>(j)] = j < liste->count() ? liste->itemText(j) : QString();
    };
    lit(cb_nat, n.critère0);
    lit(cb_cr1, n.critère1);
    lit(cb_cr2, n.critère2);
    lit(cb_qual, n.qualité);
    return n;
}

bool f_adhérents::bt_valider_Click()
{
    if (contrôle_archive())
        return false;
    if (!nouveau_en_cours_) {
        if (!bt_modifier_Click())
            return false;
        ctt_prénom->hide();
        bt_modif_nom->show();
        Liste_adhérents->show();
        spin_adh->setEnabled(true);
        bt_offres_demandes->setEnabled(fenêtre_enregistrée(nom_base));
        num_adhérent->setEnabled(true);
        bt_valider->setEnabled(false);
        return true;
    }

    modifiée_ = false;
    const champs_adhérent champs = champs_affichés();
    const issue_nouvel_adhérent issue = valide_nouvel_adhérent(num_adhérent->text(), champs);
    if (!issue.numéro) {
        // The new member stays pending, with the reason told.
        modifiée_ = true;
        if (issue.refus == refus_fiche::date_adhésion)
            ctt_date_adh->clear();
        else if (issue.refus == refus_fiche::date_cotisation)
            ctt_date_cot->clear();
        else if (issue.refus == refus_fiche::numéro_pris && issue.numéro_libre > 0 && !crédit_)
            num_adhérent->setText(QString::number(issue.numéro_libre));
        return false;
    }
    range_noms_critères(noms_affichés(), false);
    crédit_.reset();  // the credit now belongs to a member

    const int n = issue.numéro;
    const QString identifiant = données.table_adhérents[static_cast<std::size_t>(n)].identifiant;
    int i = entrée_du_numéro(n);
    if (i < 0) {
        Liste_adhérents->addItem(identifiant, n);
        i = Liste_adhérents->count() - 1;
    } else {
        Liste_adhérents->setItemText(i, identifiant);
    }
    revient_en_consultation();
    sélectionne_entrée(i);
    enregistrer_fichier(fichier_courant, false);
    affiche_adhérents(gg(), false);
    num_adhérent->setEnabled(true);
    bt_valider->setEnabled(false);
    return true;
}

// Leaving the record shown (another member, a new one, another window): a
// new member is validated, the pending changes of a member shown too.
bool f_adhérents::valide_la_fiche()
{
    if (nouveau_en_cours_)
        return bt_valider_Click();
    if (!modification_en_attente() || !numéro_affiché_)
        return true;
    return bt_modifier_Click();
}

bool f_adhérents::valide_avant_chargement() { return valide_la_fiche(); }

bool f_adhérents::bt_modifier_Click()
{
    modifiée_ = false;
    const int n = numéro_affiché_;
    if (n < 1 || n > max_adhérents)
        return true;  // no member shown: nothing to store
    const refus_fiche refus = valide_adhérent(n, champs_affichés(), identifiant_montré_);
    if (refus != refus_fiche::aucun) {
        if (refus == refus_fiche::date_adhésion)
            ctt_date_adh->clear();
        else if (refus == refus_fiche::date_cotisation)
            ctt_date_cot->clear();
        modifiée_ = true;
        bt_valider->setEnabled(true);
        return false;
    }
    saisie_.retiens();
    identifiant_montré_ = données.table_adhérents[static_cast<std::size_t>(n)].identifiant.str();
    if (const int i = entrée_du_numéro(n); i >= 0)
        Liste_adhérents->setItemText(i, identifiant_montré_);
    bt_nouvelle->setText(QStringLiteral("Nouvel(le)"));
    bt_supprimer->setText(caption_supprimer);
    range_noms_critères(noms_affichés(), true);
    enregistrer_fichier(fichier_courant, false);
    affiche_adhérents(gg(), false);
    num_adhérent->setEnabled(true);
    return true;
}

void f_adhérents::bt_modif_nom_Click()
{
    ctt_prénom->show();
    ctt_prénom->setFocus();
    Liste_adhérents->hide();
    spin_adh->setEnabled(false);
    bt_modif_nom->hide();
}

void f_adhérents::applique_identifiant()
{
    bt_supprimer->setText(nouveau_en_cours_ ? caption_annuler : caption_supprimer);
    // A new member reaches the list and its record only when validated; a
    // blank identifier would make the member's number look free.
    const QString texte = ctt_prénom->text();
    if (nouveau_en_cours_ || numéro_affiché_ == 0 || texte.trimmed().isEmpty())
        return;
    if (const int i = entrée_du_numéro(numéro_affiché_); i >= 0)
        Liste_adhérents->setItemText(i, texte.trimmed());
    données.table_adhérents[static_cast<std::size_t>(numéro_affiché_)].identifiant = texte;
}

void f_adhérents::ctt_prénom_LostFocus()
{
    applique_identifiant();
    const QString texte = ctt_prénom->text().trimmed();
    const int n = nouveau_en_cours_ ? lit_numéro_adhérent(num_adhérent->text()) : numéro_affiché_;
    pour_chaque_adhérent(données, [&](int m, const adhérent& a) {
        if (m != n && !texte.isEmpty() && a.identifiant.trimmed() == texte) {
            MsgBox(QStringLiteral("Ce prénom est déjà utilisé. Complétez la zone pour qu'il puisse être "
                                  "différencié"),
                   style_boîte::exclamation);
            ctt_prénom->setFocus();
        }
    });
    if (!nouveau_en_cours_) {
        ctt_prénom->hide();
        bt_modif_nom->show();
    }
}

void f_adhérents::inf_modif()
{
    const QString crlf = QStringLiteral("\r\n");
    MsgBox(QStringLiteral("Les étiquettes nom de champ et le nom des critères concernent tous les adhérents ") + crlf +
               QStringLiteral("Leur modification se fait ici mais ne concerne pas seulement l'adhérent en cours ") +
               ctt_prénom->text() + QStringLiteral(".") + crlf + crlf +
               QStringLiteral("Il est fortement conseillé de laisser le [aucun] en tête des déroulants.") + crlf +
               crlf +
               QStringLiteral("Si vous changez le nom d'un critère, le nouveau nom s'appliquera à tous les adhérents "
                              "pour qui l'ancien nom était sélectionné."),
           style_boîte::ok);
}

// ---------------------------------------------------------------- new member, deletion

void f_adhérents::passe_en_mode_nouveau()
{
    nouveau_en_cours_ = true;
    bt_nouvelle->setEnabled(false);
    bt_offres_demandes->setEnabled(false);
    bt_imprimer->setEnabled(false);
    bt_créditer_adh->setEnabled(true);
    bt_valider->setEnabled(true);
    Liste_adhérents->hide();
    spin_adh->setEnabled(false);
    ctt_prénom->show();
    bt_modif_nom->hide();
}

void f_adhérents::revient_en_consultation()
{
    nouveau_en_cours_ = false;
    bt_nouvelle->setEnabled(true);
    bt_valider->setEnabled(false);
    bt_créditer_adh->setEnabled(false);
    bt_supprimer->setText(caption_supprimer);
    ctt_prénom->hide();
    bt_modif_nom->show();
    spin_adh->setEnabled(true);
    Liste_adhérents->show();
    bt_offres_demandes->setEnabled(fenêtre_enregistrée(nom_base));
    bt_imprimer->setEnabled(fenêtre_enregistrée(nom_impression));
    num_adhérent->setEnabled(true);
}

void f_adhérents::bt_nouvelle_Click()
{
    if (contrôle_archive())
        return;
    if (!valide_la_fiche())
        return;  // the shown member's changes were refused: they stay on screen
    const auto remplissage = saisie_.remplit();
    passe_en_mode_nouveau();
    montre_statut_choisi(1);
    crédit_.reset();
    numéro_affiché_ = 0;
    modifiée_ = false;

    for (QLineEdit* z : {ctt_prénom, ctt_nom_pour_adresse, ctt_tel1, ctt_tel2, ctt_rue, ctt_cp, ctt_solde,
                         ctt_crédits, ctt_débits, ctt_volume, ctt_e_mail, ctt_nom_photo})
        z->clear();
    for (QLineEdit* z : {ctt_solde, ctt_crédits, ctt_débits, ctt_volume})
        z->setEnabled(true);
    if (const int n = numéro_proposé())
        num_adhérent->setText(QString::number(n));
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(-1);
        cb_ville->setEditText(QString());
    }
    ctt_comm->clear();
    picture1->clear();
    const QString aujourd_hui = date_courte(date_depuis(aujourdhui()));
    ctt_date_adh->setText(aujourd_hui);
    ctt_date_cot->setText(aujourd_hui);
    montre_position(cb_civilité, 0);
    montre_position(cb_sexe, 0);
    montre_position(cb_nat, 0);
    montre_position(cb_qual, 2);
    montre_position(cb_cr1, 0);
    montre_position(cb_cr2, 0);
    montre_position(cb_statut, 1);
    bt_supprimer->setText(caption_annuler);
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(-1);
    }
    num_adhérent->setEnabled(true);
    num_adhérent->setFocus();
    ob_kid[1]->setChecked(true);
    ob_kid_Click(1);
}

// Takes back the registration credit of the new member being abandoned.
void f_adhérents::abandonne_crédit()
{
    if (crédit_)
        annule_crédit_inscription(*crédit_);
    crédit_.reset();
}

void f_adhérents::bt_supprimer_Click()
{
    const QString action = bt_supprimer->text();
    if (action == caption_annuler) {
        const auto remplissage = saisie_.remplit();
        // Only what the pending record created is undone: nothing was listed.
        abandonne_crédit();
        modifiée_ = false;
        revient_en_consultation();
        numéro_affiché_ = 0;
        if (Liste_adhérents->count() > 0)
            sélectionne_entrée(0);
        affiche_adhérents(gg(), false);
        return;
    }
    const int n = numéro_affiché_;
    if (n < 1 || n > max_adhérents)
        return;
    if (action == caption_supprimer) {
        change_statut_adhérent(n, 2);
        montre_position(cb_statut, 2);
        saisie_.retiens(cb_statut);
        montre_statut_choisi(2);
        bt_valider->setEnabled(true);
    } else if (action == caption_restaurer) {
        change_statut_adhérent(n, 0);
        montre_position(cb_statut, 0);
        saisie_.retiens(cb_statut);
        couleurs_statut(0);
        bt_supprimer->setText(caption_supprimer);
        bt_valider->setEnabled(true);
    }
}

void f_adhérents::cb_statut_Click(int index)
{
    const int n = numéro_affiché_;
    if ((index == 2 || index == 3) && !nouveau_en_cours_ && n >= 1 && n <= max_adhérents) {
        change_statut_adhérent(n, index);
        montre_position(cb_statut, index);
        saisie_.retiens(cb_statut);
        bt_supprimer->setText(caption_restaurer);
        bt_valider->setEnabled(true);
    }
    couleurs_statut(index);
}

void f_adhérents::bt_offres_demandes_Click()
{
    // Leaving the record for the editor validates it as choosing another
    // member would; refused, the register stays with the record as typed.
    if (!valide_la_fiche())
        return;
    hide();
    if (fenêtre_programme* base = montre_fenêtre(nom_base))
        base->feuille().showMaximized();
    if (appelant_filtre != nom_base)
        affiche_adhérents(gg(), false);
    appelant_filtre = nom_fenêtre;
}

void f_adhérents::bt_imprimer_Click()
{
    // The labels window opens whatever the validation decided: a refused
    // record stays pending here, with the reason told.
    valide_la_fiche();
    montre_fenêtre(nom_impression);
}

void f_adhérents::bt_quitter_Click() { close(); }

// ---------------------------------------------------------------- registration credit

void f_adhérents::bt_créditer_adh_Click()
{
    bt_créditer_adh->setEnabled(false);
    crédit_inscription c;
    switch (crédite_inscription(num_adhérent->text(), champs_affichés(), c)) {
    case issue_crédit::posté:
        crédit_ = c;
        montre_figures(c.numéro);
        // The lines name this number: it stays until validation or cancel.
        num_adhérent->setEnabled(false);
        break;
    case issue_crédit::réglages_manquants: break;
    case issue_crédit::refusé: bt_créditer_adh->setEnabled(true); break;
    }
}

void f_adhérents::bt_modifier_solde_Click()
{
    if (!ctt_solde->text().isEmpty() &&
        MsgBox(QStringLiteral("Normalement, le solde ne devrait pas être modifié pour d'autres raisons qu'une erreur "
                              "de saisie au départ pour les adhérents qui avaient un compte avant l'utilisation du "
                              "logiciel. Etes-vous sûr(e)?"),
               style_boîte::oui_non | style_boîte::exclamation) == rép_non)
        return;
    for (QLineEdit* z : {ctt_solde, ctt_crédits, ctt_débits, ctt_volume})
        z->setEnabled(true);
}

// ---------------------------------------------------------------- entry aids

void f_adhérents::marque_modifiée()
{
    modifiée_ = true;
    bt_valider->setEnabled(true);
}

void f_adhérents::cherche_ville()
{
    if (ctt_cp->text().isEmpty())
        return;
    QStringList villes;
    for (int i = 0; i < cb_ville->count(); ++i)
        villes << cb_ville->itemText(i);
    const int i = ville_du_code_postal(ctt_cp->text(), villes);
    if (i < 0)
        return;
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(i);
    }
    cherche_code_p();
}

void f_adhérents::cherche_code_p()
{
    if (!ctt_cp->text().trimmed().isEmpty())
        return;
    const QString cp = code_postal_de_ville(cb_ville->currentText());
    if (!cp.isNull())
        ctt_cp->setText(cp);
}

void f_adhérents::prend_ville()
{
    const QString ville = cb_ville->currentText().trimmed();
    for (int i = 0; i < cb_ville->count(); ++i)
        if (cb_ville->itemText(i) == ville) {
            {
                const QSignalBlocker b(cb_ville);
                cb_ville->setCurrentIndex(i);
            }
            if (ctt_cp->text().isEmpty())
                cherche_code_p();
            return;
        }
    const int i = ajoute_ville(ville);
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(i);
    }
    cherche_code_p();
}

void f_adhérents::retire_ville()
{
    const QString ville = cb_ville->currentText().trimmed();
    for (int i = 0; i < cb_ville->count(); ++i)
        if (cb_ville->itemText(i) == ville) {
            const QSignalBlocker b(cb_ville);
            cb_ville->removeItem(i);
            cb_ville->setEditText(ville);
            return;
        }
}

void f_adhérents::renomme_entrée(QComboBox* liste, bool par_saisie)
{
    int* position = liste == cb_cr1   ? &position_cr1
                    : liste == cb_cr2 ? &position_cr2
                    : liste == cb_nat ? &position_nat
                                      : &position_qual;
    // Nothing is renamed while no entry was chosen.
    if (*position < 0 || *position >= liste->count())
        return;
    QString nom;
    if (par_saisie) {
        const bool critère = liste == cb_nat || liste == cb_qual;
        if (liste == cb_nat)
            inf_modif();
        const QString défaut = liste == cb_nat ? liste->itemText(*position) : liste->currentText();
        nom = InputBox(QStringLiteral("Modification de la liste"),
                       critère ? QStringLiteral("Tapez le nouveau nom pour ce critère")
                               : QStringLiteral("Tapez le nouveau nom "),
                       défaut);
    } else {
        nom = liste->currentText();
    }
    if (nom.isEmpty())
        return;
    liste->setItemText(*position, nom);
    {
        const QSignalBlocker b(liste);
        liste->setCurrentIndex(*position);
    }
    if (liste != cb_nat || !par_saisie)
        inf_modif();
}

void f_adhérents::bt_parcourir_Click()
{
    marque_modifiée();
    const QString photo = choisit_image();
    if (photo.isEmpty())
        return;  // cancelled: the photo stays as it was
    ctt_nom_photo->setText(photo);
    if (QFileInfo::exists(photo))
        montre_photo(photo);
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
