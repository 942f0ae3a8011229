#include "members/p_filtrfam.h"

#include "data/dossiers.h"
#include "data/modele.h"
#include "ui_common/controles.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/listes_longues.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/sablier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

filtre_adhérents filtre_membres;
bool boîte_filtre_chargée = false;

void charge_boîte_filtre()
{
    if (boîte_filtre_chargée)
        return;
    boîte_filtre_chargée = true;
    filtre_adhérents& f = filtre_membres;
    if (appelant_filtre != QLatin1String("enr"))
        for (int k = 0; k <= clef_date_cot; ++k)
            f.clefs_filtre[static_cast<std::size_t>(k)] = 0;
    f.positions.fill(-1);
    f.ctt_date_cot_dep = f.ctt_date_adh_dep = date_départ_défaut();
    f.ctt_date_cot_fin = f.ctt_date_adh_fin = date_fin_défaut();
}

void décharge_boîte_filtre()
{
    boîte_filtre_chargée = false;
    filtre_membres.positions.fill(-1);
}

// ---------------------------------------------------------------- member lists

void remplit_liste(QWidget* liste, const std::vector<entrée_filtrée>& entrées)
{
    std::vector<entrée_liste_longue> longue;
    longue.reserve(entrées.size());
    for (const entrée_filtrée& e : entrées)
        longue.push_back({e.identifiant, e.numéro});
    if (auto* l = qobject_cast<QListWidget*>(liste))
        remplit_liste_longue(*l, longue);
    else if (auto* c = qobject_cast<QComboBox*>(liste))
        remplit_liste_longue(*c, longue);
}

void remplit_liste_adhérents(QWidget* liste) { remplit_liste(liste, entrées_filtrées(filtre_membres)); }

QWidget* liste_destinataire(const QString& tag)
{
    const destination_filtre d = destination_du_filtre(tag);
    if (d.fenêtre.isEmpty())
        return nullptr;
    fenêtre_programme* f = charge_fenêtre(d.fenêtre);
    return f ? f->feuille().findChild<QWidget*>(d.liste) : nullptr;
}

bool restaure_sélection(const QString& chemin, QWidget* liste)
{
    // The whole file is read before anything changes.
    filtre_adhérents lu;
    if (!lit_etat(chemin, lu))
        return false;
    appelant_filtre = QStringLiteral("enr");
    charge_boîte_filtre();
    filtre_membres = lu;
    if (auto* boîte = dynamic_cast<p_filtrfam*>(fenêtre_chargée(QStringLiteral("p_filtrfam"))))
        boîte->montre_critères();
    remplit_liste_adhérents(liste);
    return true;
}

// ---------------------------------------------------------------- the box

namespace {

// Row of each key in the box, top to bottom.
constexpr std::array<int, nombre_clefs_filtre> clef_de_rang = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9};

const char* noms_clefs[nombre_clefs_filtre] = {"e_commune_1", "e_commune_2", "e_sit_fisc",  "e_div3_f",
                                               "e_div4_f",    "e_prof_pere", "e_prof_mere", "e_div2_f",
                                               "lbl_solde",   "lbl_volume"};



void montre_texte(QLineEdit* zone, const QString& texte)
{
    if (zone->text() != texte)
        zone->setText(texte);
}

}  // namespace

p_filtrfam::p_filtrfam(QWidget* parent) : fenêtre_modale(parent)
{
    setWindowTitle(QStringLiteral("Filtres familles"));
    resize(790, 396);
    crée_contrôles();
    branche_contrôles();
}

void p_filtrfam::crée_contrôles()
{
    auto cadre = [this](const QString& titre, int x, int largeur) {
        auto* c = new QGroupBox(titre, this);
        c->setGeometry(x, 28, largeur, 302);
        return c;
    };
    auto* titre = new QLabel(QStringLiteral("Garder les adhérents si :"), this);
    titre->setGeometry(12, 6, 300, 18);
    QGroupBox* cadre_clefs = cadre(QStringLiteral("Choisissez la ou les clef(s)"), 10, 160);
    QGroupBox* cadre_départ = cadre(QStringLiteral("De la valeur de départ "), 178, 180);
    QGroupBox* cadre_arrivée = cadre(QStringLiteral("A la valeur d'arrivée "), 366, 180);
    auto* inclus = new QLabel(QStringLiteral(" inclus"), this);
    inclus->setGeometry(552, 52, 52, 18);

    auto zone = [](QGroupBox* parent, const char* nom, int y) {
        auto* z = new QLineEdit(parent);
        z->setObjectName(QString::fromUtf8(nom));
        z->setGeometry(10, y, 160, 24);
        return z;
    };
    for (int rang = 0; rang < nombre_clefs_filtre; ++rang) {
        const int k = clef_de_rang[static_cast<std::size_t>(rang)];
        const int y = 22 + 27 * rang;
        auto* interrupteur = new QCheckBox(cadre_clefs);
        interrupteur->setObjectName(QString::fromUtf8(noms_clefs[k]));
        interrupteur->setGeometry(10, y, 145, 24);
        clefs[static_cast<std::size_t>(k)] = interrupteur;
        if (k <= 5) {
            for (int côté = 0; côté < 2; ++côté) {
                auto* liste = new QComboBox(côté ? cadre_arrivée : cadre_départ);
                liste->setObjectName(QStringLiteral("ct_f_%1").arg(2 * k + côté));
                liste->setGeometry(10, y, 160, 24);
                liste->setMaxVisibleItems(10);
                ct_f[static_cast<std::size_t>(2 * k + côté)] = liste;
            }
        } else if (k == clef_date_adh) {
            ctt_date_adh_dep = zone(cadre_départ, "ctt_date_adh_dep", y);
            ctt_date_adh_fin = zone(cadre_arrivée, "ctt_date_adh_fin", y);
        } else if (k == clef_date_cot) {
            ctt_date_cot_dep = zone(cadre_départ, "ctt_date_cot_dep", y);
            ctt_date_cot_fin = zone(cadre_arrivée, "ctt_date_cot_fin", y);
        } else if (k == clef_solde) {
            ctt_solde_min = zone(cadre_départ, "ctt_solde_min", y);
            ctt_solde_max = zone(cadre_arrivée, "ctt_solde_max", y);
        } else {
            ctt_volume_min = zone(cadre_départ, "ctt_volume_min", y);
            ctt_volume_max = zone(cadre_arrivée, "ctt_volume_max", y);
        }
    }
    for (QLineEdit* z : {ctt_date_adh_dep, ctt_date_adh_fin, ctt_date_cot_dep, ctt_date_cot_fin})
        z->setToolTip(QStringLiteral("Respectez le format de date jj/mm/aa"));

    auto* titre_liste = new QLabel(QStringLiteral("liste de contrôle"), this);
    titre_liste->setGeometry(612, 28, 168, 18);
    ct_etat = new QListWidget(this);
    ct_etat->setObjectName(QStringLiteral("ct_etat"));
    ct_etat->setGeometry(612, 46, 168, 200);
    prépare_liste_longue(*ct_etat);
    auto* nombre = new QLabel(QStringLiteral("nombre"), this);
    nombre->setGeometry(612, 252, 56, 18);
    ct_nbre = new QLabel(QStringLiteral("Nbre"), this);
    ct_nbre->setObjectName(QStringLiteral("ct_nbre"));
    ct_nbre->setGeometry(672, 252, 108, 18);

    auto bouton = [this](const QString& texte, const char* nom, int x, int y, int l, int h) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QString::fromUtf8(nom));
        b->setGeometry(x, y, l, h);
        return b;
    };
    bt_appliquer = bouton(QStringLiteral("Appliquer"), "bt_appliquer", 612, 276, 80, 26);
    bt_initialiser = bouton(QStringLiteral("Initialiser"), "bt_initialiser", 700, 276, 80, 26);
    bt_enregistre_etat = bouton(QString(), "bt_enregistre_etat", 612, 308, 40, 40);
    bt_enregistre_etat->setIcon(icône_standard(QStyle::SP_DialogSaveButton));
    bt_enregistre_etat->setIconSize(QSize(24, 24));
    bt_enregistre_etat->setToolTip(QStringLiteral("enregistrer vos filtres "));
    aide = bouton(QStringLiteral("?"), "aide", 658, 308, 40, 40);
    aide->setFont(QFont(aide->font().family(), 14, QFont::Bold));
    bt_annuler = bouton(QString(), "bt_annuler", 734, 302, 46, 46);
    bt_annuler->setIcon(icône_retour());
    bt_annuler->setIconSize(QSize(32, 32));
    bt_annuler->setToolTip(QStringLiteral("retour à la page précédente"));

    ct_inf = new QLabel(QStringLiteral("   Cliquez sur une clef pour l'activer. Sélectionnez une valeur dans la liste de "
                                       "départ puis une autre dans la liste d'arrivée . Cliquez sur Appliquer pour "
                                       "vérifier puis sur la maison bleue pour poursuivre"),
                        this);
    ct_inf->setObjectName(QStringLiteral("ct_inf"));
    ct_inf->setGeometry(10, 340, 770, 48);
    ct_inf->setWordWrap(true);

    // Enter in a field is no button press here.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
}

void p_filtrfam::branche_contrôles()
{
    for (int k = 0; k < nombre_clefs_filtre; ++k)
        connect(clefs[static_cast<std::size_t>(k)], &QCheckBox::clicked, this, [this, k] { clef_Click(k); });
    for (int i = 0; i < 12; ++i)
        connect(ct_f[static_cast<std::size_t>(i)], &QComboBox::activated, this, [this, i] { ct_f_Click(i); });

    // Typed bounds go straight into the box's state.
    auto lie = [this](QLineEdit* zone, QString filtre_adhérents::*champ) {
        connect(zone, &QLineEdit::textChanged, this, [champ](const QString& t) { filtre_membres.*champ = t; });
        zone->installEventFilter(this);
    };
    lie(ctt_date_adh_dep, &filtre_adhérents::ctt_date_adh_dep);
    lie(ctt_date_adh_fin, &filtre_adhérents::ctt_date_adh_fin);
    lie(ctt_date_cot_dep, &filtre_adhérents::ctt_date_cot_dep);
    lie(ctt_date_cot_fin, &filtre_adhérents::ctt_date_cot_fin);
    lie(ctt_solde_min, &filtre_adhérents::ctt_solde_min);
    lie(ctt_solde_max, &filtre_adhérents::ctt_solde_max);
    lie(ctt_volume_min, &filtre_adhérents::ctt_volume_min);
    lie(ctt_volume_max, &filtre_adhérents::ctt_volume_max);
    // A double quote would end the text in the selection file: neither typed
    // nor pasted.
    for (QLineEdit* zone : {ctt_date_adh_dep, ctt_date_adh_fin, ctt_date_cot_dep, ctt_date_cot_fin, ctt_solde_min,
                            ctt_solde_max, ctt_volume_min, ctt_volume_max})
        zone->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), zone));

    connect(bt_appliquer, &QPushButton::clicked, this, [this] { bt_appliquer_Click(); });
    connect(bt_initialiser, &QPushButton::clicked, this, [this] { bt_initialiser_Click(); });
    connect(bt_enregistre_etat, &QPushButton::clicked, this, [this] { bt_enregistre_etat_Click(); });
    connect(bt_annuler, &QPushButton::clicked, this, [this] { bt_annuler_Click(); });
    connect(aide, &QPushButton::clicked, this, [this] { aide_Click(); });
}

void p_filtrfam::Form_Load()
{
    adapte_feuille_écran(*this);
    sablier pointeur;
    affiche_fond(*this);
    charge_boîte_filtre();
    if (QScreen* écran = QGuiApplication::primaryScreen()) {
        const QRect r = écran->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    montre_critères();
}

std::array<QLineEdit*, 2> p_filtrfam::champs_clef(int k) const
{
    switch (k) {
    case clef_date_adh: return {ctt_date_adh_dep, ctt_date_adh_fin};
    case clef_date_cot: return {ctt_date_cot_dep, ctt_date_cot_fin};
    case clef_solde: return {ctt_solde_min, ctt_solde_max};
    case clef_volume: return {ctt_volume_min, ctt_volume_max};
    default: return {nullptr, nullptr};
    }
}

void p_filtrfam::montre_liste(int index)
{
    QComboBox* liste = ct_f[static_cast<std::size_t>(index)];
    const QSignalBlocker bloque(liste);
    const QStringList entrées =
        index % 2 == 0 ? liste_filtre(index)
                       : liste_arrivée(liste_filtre(index - 1), filtre_membres.positions[static_cast<std::size_t>(index - 1)]);
    QStringList présentes;
    for (int i = 0; i < liste->count(); ++i)
        présentes << liste->itemText(i);
    if (présentes != entrées) {
        liste->clear();
        liste->addItems(entrées);
    }
    const int p = filtre_membres.positions[static_cast<std::size_t>(index)];
    liste->setCurrentIndex(p >= 0 && p < liste->count() ? p : -1);
}

// An active key shows its choice; an inactive one keeps it, greyed.
void p_filtrfam::montre_activation(int k)
{
    const bool active = filtre_membres.active(k);
    clefs[static_cast<std::size_t>(k)]->setChecked(active);
    if (k <= 5) {
        ct_f[static_cast<std::size_t>(2 * k)]->setEnabled(active);
        ct_f[static_cast<std::size_t>(2 * k + 1)]->setEnabled(active);
    } else {
        for (QLineEdit* z : champs_clef(k))
            z->setEnabled(active);
    }
}

void p_filtrfam::montre_critères()
{
    const filtre_adhérents f = filtre_membres;  // the fields write back as they are set
    for (int k = 0; k < nombre_clefs_filtre; ++k)
        clefs[static_cast<std::size_t>(k)]->setText(libellé_clef(k));
    for (int i = 0; i < 12; ++i)
        montre_liste(i);
    montre_texte(ctt_date_adh_dep, f.ctt_date_adh_dep);
    montre_texte(ctt_date_adh_fin, f.ctt_date_adh_fin);
    montre_texte(ctt_date_cot_dep, f.ctt_date_cot_dep);
    montre_texte(ctt_date_cot_fin, f.ctt_date_cot_fin);
    montre_texte(ctt_solde_min, f.ctt_solde_min);
    montre_texte(ctt_solde_max, f.ctt_solde_max);
    montre_texte(ctt_volume_min, f.ctt_volume_min);
    montre_texte(ctt_volume_max, f.ctt_volume_max);
    for (int k = 0; k < nombre_clefs_filtre; ++k)
        montre_activation(k);
}

void p_filtrfam::clef_Click(int k)
{
    bascule_clef(filtre_membres, k);
    if (k <= 5) {
        montre_liste(2 * k);
        montre_liste(2 * k + 1);
    } else {
        const auto [de, à] = champs_clef(k);
        const filtre_adhérents f = filtre_membres;
        if (k == clef_date_adh) {
            montre_texte(de, f.ctt_date_adh_dep);
            montre_texte(à, f.ctt_date_adh_fin);
        } else if (k == clef_date_cot) {
            montre_texte(de, f.ctt_date_cot_dep);
            montre_texte(à, f.ctt_date_cot_fin);
        } else if (k == clef_solde) {
            montre_texte(de, f.ctt_solde_min);
            montre_texte(à, f.ctt_solde_max);
        } else {
            montre_texte(de, f.ctt_volume_min);
            montre_texte(à, f.ctt_volume_max);
        }
    }
    montre_activation(k);
}

void p_filtrfam::ct_f_Click(int index)
{
    const int position = ct_f[static_cast<std::size_t>(index)]->currentIndex();
    if (index % 2 == 0) {
        choisit_départ(filtre_membres, index, position);
        montre_liste(index + 1);
    } else {
        filtre_membres.positions[static_cast<std::size_t>(index)] = static_cast<int16>(position);
    }
}

bool p_filtrfam::bt_appliquer_Click()
{
    // A date still being typed (Enter, Escape) is checked as leaving it would.
    if (QWidget* focus = focusWidget(); est_champ_date(focus))
        date_LostFocus(static_cast<QLineEdit*>(focus));
    if (!dates_actives_valides(filtre_membres))
        return false;
    remplit_liste_adhérents(ct_etat);
    if (ct_etat->count() > 0)
        ct_etat->setCurrentRow(0);
    ct_nbre->setText(QString::number(ct_etat->count()));
    return true;
}

void p_filtrfam::bt_initialiser_Click()
{
    éteint_clefs_listes(filtre_membres);
    for (int k = 0; k <= 5; ++k)
        montre_activation(k);
    ct_etat->clear();
}

void p_filtrfam::bt_enregistre_etat_Click()
{
    const QString dossier = chemin_programme(QStringLiteral("etats"));
    QDir().mkpath(dossier);
    dialogue_commun& d = dialogue1();
    d.InitDir = dossier;
    d.FileName.clear();
    d.Filter = QStringLiteral("etats de tris(*.eta)|*.eta");
    d.DefaultExt = QStringLiteral("eta");
    d.demande_écrasement = true;
    do {
        if (!d.ShowSave())
            return;
    } while (!nom_de_sélection_valide(d.FileName));
    enregistre_etat(d.FileName, filtre_membres);
}

void p_filtrfam::bt_annuler_Click() { close(); }

void p_filtrfam::aide_Click() { ouvre_aide(QStringLiteral("adherents")); }

// However the box closes, the caller's list receives the members that pass:
// the caller emptied it before opening the box. A date bound that is no
// date keeps the box open, after its message.
void p_filtrfam::Form_QueryUnload(bool& cancel)
{
    if (livrée_)
        return;
    if (!bt_appliquer_Click()) {
        cancel = true;
        return;
    }
    livrée_ = true;
    if (QWidget* liste = liste_destinataire(appelant_filtre)) {
        std::vector<entrée_filtrée> entrées;
        entrées.reserve(static_cast<std::size_t>(ct_etat->count()));
        for (int i = 0; i < ct_etat->count(); ++i)
            entrées.push_back({ct_etat->item(i)->text(), ct_etat->item(i)->data(Qt::UserRole).toInt()});
        remplit_liste(liste, entrées);
    }
    décharge_boîte_filtre();
}

void p_filtrfam::date_LostFocus(QLineEdit* zone)
{
    if (est_date(zone->text()))
        return;
    zone->setText(zone == ctt_date_adh_dep || zone == ctt_date_cot_dep ? date_départ_défaut() : date_fin_défaut());
}

bool p_filtrfam::est_champ_date(const QObject* objet) const
{
    return objet == ctt_date_adh_dep || objet == ctt_date_adh_fin || objet == ctt_date_cot_dep ||
           objet == ctt_date_cot_fin;
}

bool p_filtrfam::est_champ_nombre(const QObject* objet) const
{
    return objet == ctt_solde_min || objet == ctt_solde_max || objet == ctt_volume_min || objet == ctt_volume_max;
}

bool p_filtrfam::eventFilter(QObject* objet, QEvent* e)
{
    const bool date = est_champ_date(objet), nombre = est_champ_nombre(objet);
    if (!date && !nombre)
        return fenêtre_modale::eventFilter(objet, e);
    auto* zone = static_cast<QLineEdit*>(objet);
    switch (e->type()) {
    case QEvent::KeyPress: {
        const QString t = static_cast<QKeyEvent*>(e)->text();
        if (t.size() != 1 || !t[0].isPrint())
            break;
        // Letters and signs past "9" have no place in a date or a number.
        if (t[0].unicode() > '9')
            return true;
        if (date && QStringLiteral("-. *+").contains(t[0])) {
            zone->insert(QStringLiteral("/"));
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (nombre && focus_de_l_utilisateur(e))
            QTimer::singleShot(0, zone, [zone] { zone->selectAll(); });
        break;
    case QEvent::FocusOut:
        if (date && focus_de_l_utilisateur(e))
            date_LostFocus(zone);
        break;
    default: break;
    }
    return fenêtre_modale::eventFilter(objet, e);
}
