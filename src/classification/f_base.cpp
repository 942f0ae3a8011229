#include "classification/f_base.h"

#include "catalogue/additifs.h"
#include "classification/classement.h"
#include "classification/fenetres_classification.h"
#include "data/dialogues.h"
#include "data/elements.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/controles.h"
#include "ui_common/grille.h"
#include "ui_common/listes_longues.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace t = textes_f_base;

namespace {

const QString relevés = noms_fenêtres::relevés;

int donnée(const QListWidgetItem* item) { return item ? item->data(Qt::UserRole).toInt() : 0; }

QListWidgetItem* item_du_slot(const QListWidget& liste, int slot)
{
    for (int i = 0; i < liste.count(); ++i)
        if (donnée(liste.item(i)) == slot)
            return liste.item(i);
    return nullptr;
}

void ajoute_ligne(QListWidget& liste, const QString& texte, int slot)
{
    const QSignalBlocker bloque(&liste);
    auto* item = new QListWidgetItem(texte, &liste);
    item->setData(Qt::UserRole, slot);
}


bool est_entrée(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

// The look of the description and of the status list for a status.
struct style_statut {
    bool barré;
    QColor texte;
    QColor fond;
};
style_statut style_de(int statut)
{
    const QColor gris = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    switch (statut) {
    case 1: return {false, QColor(0, 128, 0), QColor(0, 255, 0)};
    case 2: return {true, QColor(255, 0, 0), QColor(255, 0, 0)};
    case 3: return {true, gris, gris};
    default: return {false, QColor(0, 0, 0), QColor(255, 255, 255)};
    }
}

}  // namespace

f_base::f_base(QWidget* parent) : fenêtre_principale(parent)
{
    if (parent)
        setWindowFlag(Qt::Window);
    setWindowTitle(t::titre);
    crée_contrôles();
    crée_menus();
    adapte_feuille_écran(*this);

    sablier attente;
    remplit_liste_adhérents();
    for (int n : numéros_rubriques())
        cb_rub1->addItem(données.noms_rubriques[n * 10], n);
    for (int i = 1; i <= 9; ++i)
        cb_rub3->addItem(QString::number(i));
    for (const QString& genre : données.noms_genres)
        cb_genre->addItem(genre);
    cb_kid->addItems({QStringLiteral("pour tous"), QStringLiteral("pour enfants"), QStringLiteral("pour adultes")});
    cb_statut->addItems({QStringLiteral("Normal"), QStringLiteral("Nouvelle"),
                         QStringLiteral("supprimée pour additif"), QStringLiteral("éliminée")});
    for (QComboBox* c : {cb_rub1, cb_rub2, cb_rub3, cb_genre, cb_kid, cb_statut})
        c->setCurrentIndex(-1);
    ob_type[0]->setChecked(true);
    bt_modifier->setEnabled(false);
    // The fields of the proposition, however they are changed.
    saisie_.suit({ob_type[0], ob_type[1], ctt_code_rubrique, cb_genre, cb_kid, cb_statut, ctt_offre_demande},
                 [this] { marque_changement(); });
}

void f_base::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    resize(800, 500);

    const char* légendes[] = {"Offres",        "Demandes",  "Rubrique", "Nature de l'échange", "Code rub",
                              "Cible de la proposition", "Sous rubrique", "Adhérent:",
                              "Statut pour l'édition d'additif:", "Description:"};
    const QRect places[] = {{15, 44, 200, 18},  {15, 262, 200, 18}, {400, 76, 200, 18},  {400, 174, 185, 18},
                            {600, 46, 66, 18},  {595, 174, 185, 18}, {400, 124, 200, 18}, {15, 12, 75, 18},
                            {400, 224, 195, 18}, {400, 252, 200, 18}};
    for (int i = 0; i < 10; ++i) {
        Label1[i] = new QLabel(QString::fromUtf8(légendes[i]), centre);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setGeometry(places[i]);
    }

    auto combo = [&](const QString& nom, const QRect& r) {
        auto* c = new QComboBox(centre);
        c->setObjectName(nom);
        c->setGeometry(r);
        c->installEventFilter(this);
        return c;
    };
    auto bouton = [&](const QString& nom, const QString& texte, const QRect& r, void (f_base::*clic)()) {
        auto* b = new QPushButton(texte, centre);
        b->setObjectName(nom);
        b->setGeometry(r);
        QObject::connect(b, &QPushButton::clicked, this, [this, clic] { (this->*clic)(); });
        return b;
    };
    auto liste = [&](const QString& nom, const QRect& r) {
        auto* l = new QListWidget(centre);
        l->setObjectName(nom);
        l->setGeometry(r);
        l->installEventFilter(this);
        return l;
    };

    num_adhérent = new QLineEdit(centre);
    num_adhérent->setObjectName(QStringLiteral("num_adhérent"));
    num_adhérent->setMaxLength(4);
    num_adhérent->setGeometry(90, 9, 52, 24);
    num_adhérent->installEventFilter(this);
    Liste_adhérents = combo(QStringLiteral("Liste_adhérents"), {148, 9, 232, 24});
    QObject::connect(Liste_adhérents, &QComboBox::currentIndexChanged, this, [this] { liste_adhérents_Click(); });
    spin_adh = new QScrollBar(Qt::Vertical, centre);
    spin_adh->setObjectName(QStringLiteral("spin_adh"));
    spin_adh->setGeometry(382, 4, 16, 34);
    spin_adh->setFocusPolicy(Qt::StrongFocus);
    spin_adh->setRange(0, 0);
    spin_adh->installEventFilter(this);
    QObject::connect(spin_adh, &QScrollBar::valueChanged, this, [this] { spin_adh_Change(); });

    bt_ajout_suppr_adh = bouton(QStringLiteral("bt_ajout_suppr_adh"), QStringLiteral("Adhérents..."),
                                {420, 8, 110, 26}, &f_base::bt_ajout_suppr_adh_Click);
    bt_imprimer = bouton(QStringLiteral("bt_imprimer"), QStringLiteral("relevé ..."), {540, 8, 110, 26},
                         &f_base::bt_imprimer_Click);
    bt_imprimer->setToolTip(QStringLiteral("Imprime"));

    Liste_offres = liste(QStringLiteral("Liste_offres"), {15, 62, 370, 192});
    liste_demandes = liste(QStringLiteral("liste_demandes"), {15, 280, 370, 192});
    QObject::connect(Liste_offres, &QListWidget::itemSelectionChanged, this, [this] { Liste_offres_Click(); });
    QObject::connect(liste_demandes, &QListWidget::itemSelectionChanged, this, [this] { liste_demandes_Click(); });

    ob_type[0] = new QRadioButton(QStringLiteral("Offre"), centre);
    ob_type[1] = new QRadioButton(QStringLiteral("Demande"), centre);
    for (int i = 0; i < 2; ++i) {
        ob_type[i]->setObjectName(QStringLiteral("ob_type_%1").arg(i));
        ob_type[i]->setGeometry(400 + 95 * i, 44, 90, 22);
        ob_type[i]->installEventFilter(this);
    }
    ctt_code_rubrique = new QLineEdit(centre);
    ctt_code_rubrique->setObjectName(QStringLiteral("ctt_code_rubrique"));
    ctt_code_rubrique->setGeometry(670, 43, 110, 24);
    ctt_code_rubrique->installEventFilter(this);

    cb_rub1 = combo(QStringLiteral("cb_rub1"), {400, 94, 380, 24});
    cb_rub2 = combo(QStringLiteral("cb_rub2"), {400, 142, 315, 24});
    cb_rub3 = combo(QStringLiteral("cb_rub3"), {722, 142, 58, 24});
    cb_genre = combo(QStringLiteral("cb_genre"), {400, 192, 185, 24});
    cb_kid = combo(QStringLiteral("cb_kid"), {595, 192, 185, 24});
    cb_statut = combo(QStringLiteral("cb_statut"), {598, 221, 182, 24});
    QObject::connect(cb_rub1, &QComboBox::activated, this, [this] { cb_rub1_Click(); });
    QObject::connect(cb_rub2, &QComboBox::activated, this, [this] { cb_rub2_Click(); });
    QObject::connect(cb_rub3, &QComboBox::activated, this, [this] { cb_rub3_Click(); });
    QObject::connect(cb_statut, &QComboBox::activated, this, [this] { cb_statut_Click(); });

    ctt_offre_demande = new QPlainTextEdit(centre);
    ctt_offre_demande->setObjectName(QStringLiteral("ctt_offre_demande"));
    ctt_offre_demande->setGeometry(400, 270, 380, 150);
    ctt_offre_demande->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ctt_offre_demande->installEventFilter(this);
    QObject::connect(ctt_offre_demande, &QPlainTextEdit::textChanged, this, [this] { ctt_offre_demande_Change(); });

    bt_nouvelle = bouton(QStringLiteral("bt_nouvelle"), QStringLiteral("Nouvelle"), {400, 432, 120, 28},
                         &f_base::bt_nouvelle_Click);
    bt_modifier = bouton(QStringLiteral("bt_modifier"), QStringLiteral("Valider"), {530, 432, 120, 28},
                         &f_base::bt_modifier_Click);
    bt_supprimer =
        bouton(QStringLiteral("bt_supprimer"), t::supprimer, {660, 432, 120, 28}, &f_base::bt_supprimer_Click);

    bt_quitter = new QPushButton(centre);
    bt_quitter->setObjectName(QStringLiteral("bt_quitter"));
    bt_quitter->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_quitter->setGeometry(720, 2, 60, 38);
    applique_image_retour(*bt_quitter);
    QObject::connect(bt_quitter, &QPushButton::clicked, this, [this] { bt_quitter_Click(); });

    QWidget* ordre[] = {num_adhérent, Liste_adhérents,   spin_adh,     bt_nouvelle, ctt_code_rubrique,
                        cb_rub1,      cb_genre,          cb_kid,       cb_rub2,     cb_rub3,
                        ob_type[1],   ob_type[0],        ctt_offre_demande, cb_statut, bt_modifier,
                        bt_supprimer, Liste_offres,      liste_demandes, bt_imprimer, bt_quitter,
                        bt_ajout_suppr_adh};
    for (size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    num_adhérent->setFocus();
}

void f_base::crée_menus()
{
    QMenu* edition = menuBar()->addMenu(QStringLiteral("Edition"));
    edition->setObjectName(QStringLiteral("edition"));
    maj_offr_dem = edition->addAction(
        QStringLiteral("Enlever des additifs toutes les offres-demandes nouvelles et  supprimées"));
    maj_offr_dem->setObjectName(QStringLiteral("maj_offr_dem"));
    QObject::connect(maj_offr_dem, &QAction::triggered, this, [this] { maj_offr_dem_Click(); });
    maj_add = edition->addAction(QStringLiteral("Enlever des additifs tous les nouveaux adhérents"));
    maj_add->setObjectName(QStringLiteral("maj_add"));
    QObject::connect(maj_add, &QAction::triggered, this, [this] { maj_add_Click(); });

    QMenu* aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_sommaire = aide->addAction(QStringLiteral("Sommaire de l'aide"));
    aide_sommaire->setObjectName(QStringLiteral("aide_sommaire"));
    QObject::connect(aide_sommaire, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("index")); });
    tec_cat = aide->addAction(QStringLiteral("Technique et import-export"));
    tec_cat->setObjectName(QStringLiteral("tec_cat"));
    QObject::connect(tec_cat, &QAction::triggered, this, [] { ouvre_aide(QStringLiteral("techn_cat")); });
}

// ---------------------------------------------------------------- events

bool f_base::eventFilter(QObject* objet, QEvent* e)
{
    switch (e->type()) {
    case QEvent::FocusIn:
        if (!focus_de_l_utilisateur(e))
            return false;
        if (objet == Liste_offres)
            Liste_offres_GotFocus();
        else if (objet == liste_demandes)
            liste_demandes_GotFocus();
        else if (objet == spin_adh)
            spin_adh_GotFocus();
        else if (objet == cb_genre || objet == cb_kid || objet == cb_rub1 || objet == cb_rub2 || objet == cb_rub3 ||
                 objet == cb_statut)
            marque_changement();
        return false;
    case QEvent::FocusOut:
        if (objet == num_adhérent && focus_de_l_utilisateur(e))
            cherche_adh_par_num();
        return false;
    case QEvent::MouseButtonPress:
        if (objet == ob_type[0] || objet == ob_type[1])
            ob_type_MouseDown(objet == ob_type[0] ? 0 : 1);
        return false;
    case QEvent::KeyPress: {
        const int touche = static_cast<const QKeyEvent*>(e)->key();
        if (objet == ctt_offre_demande)
            return !ctt_offre_demande_KeyPress(touche);
        if (objet == num_adhérent && est_entrée(touche)) {
            num_adhérent_Entrée();
            return true;
        }
        if (objet == ctt_code_rubrique && est_entrée(touche)) {
            ctt_code_rubrique_Entrée();
            return true;
        }
        return false;
    }
    default: return false;
    }
}

void f_base::choisit(QComboBox& liste, int index)
{
    const QSignalBlocker bloque(&liste);
    liste.setCurrentIndex(index >= -1 && index < liste.count() ? index : liste.currentIndex());
}

// ---------------------------------------------------------------- activation and the member

void f_base::remplit_liste_adhérents()
{
    std::vector<std::pair<QString, int>> entrées;
    entrées.reserve(static_cast<std::size_t>(std::max<int>(0, données.nombre_adhérents)));
    for (int i = 1; i <= données.nombre_adhérents; ++i) {
        const int n = données.table_adhérents[i].ordre;
        if (n >= 0 && n <= max_adhérents)
            entrées.emplace_back(données.table_adhérents[n].identifiant.str(), n);
    }
    // The list already holds these members (the window has just been built,
    // or no member changed since): it is not sorted and filled again.
    if (entrées != membres_listés_) {
        membres_listés_ = entrées;
        trie_à_la_française(entrées, [](const auto& e) { return e.first; });
        std::vector<entrée_liste_longue> longue;
        longue.reserve(entrées.size());
        for (const auto& [texte, numéro] : entrées)
            longue.push_back({texte, numéro});
        remplit_liste_longue(*Liste_adhérents, longue);
    }
    const QSignalBlocker bloque(Liste_adhérents);
    Liste_adhérents->setCurrentIndex(-1);
}

void f_base::Form_Activate()
{
    // A change left pending here when another window took over is validated,
    // not lost; refused, it stays on screen as it was. What was typed in
    // another window is that window's business.
    if (!valide_en_attente()) {
        garde_le_membre_montré();
        return;
    }
    sablier attente;
    affiche_fond(*this);
    remplit_liste_adhérents();
    num_adhérent->setText(QString::number(adhérent_courant));
    cherche_adh_par_num();
}

// A refused validation keeps on screen the member of the proposition shown,
// which stays the current member.
void f_base::garde_le_membre_montré()
{
    const int n = édition_.adhérent;
    choisit(*Liste_adhérents, Liste_adhérents->findData(n));
    num_adhérent->setText(QString::number(n));
    adhérent_courant = static_cast<int16>(n);
    const QSignalBlocker bloque(spin_adh);
    spin_adh->setValue(std::max(0, Liste_adhérents->currentIndex()));
}

void f_base::cherche_adh_par_num()
{
    if (Liste_adhérents->count() == 0)
        return;
    const double v = Val(num_adhérent->text());
    if (v == 0) {
        Liste_adhérents->setCurrentIndex(0);
        return;
    }
    for (int i = 0; i < Liste_adhérents->count(); ++i)
        if (Liste_adhérents->itemData(i).toInt() == v) {
            Liste_adhérents->setCurrentIndex(i);
            return;
        }
    MsgBox(t::aucun_adhérent, style_boîte::information);
    choisit(*Liste_adhérents, -1);
    num_adhérent->clear();
}

void f_base::num_adhérent_Entrée() { Liste_offres->setFocus(Qt::TabFocusReason); }

void f_base::liste_adhérents_Click()
{
    if (!valide_en_attente()) {
        garde_le_membre_montré();
        return;
    }
    const auto remplissage = saisie_.remplit();
    ctt_offre_demande->clear();
    const int i = Liste_adhérents->currentIndex();
    if (i < 0)
        return;
    const int n = Liste_adhérents->itemData(i).toInt();
    num_adhérent->setText(QString::number(n));
    adhérent_courant = static_cast<int16>(n);
    constitue_listes_offres_demandes();
    const QSignalBlocker bloque(spin_adh);
    spin_adh->setValue(i);
}

void f_base::spin_adh_GotFocus()
{
    const QSignalBlocker bloque(spin_adh);
    spin_adh->setRange(0, std::max(0, Liste_adhérents->count() - 1));
    if (Liste_adhérents->currentIndex() >= 0)
        spin_adh->setValue(Liste_adhérents->currentIndex());
}

void f_base::spin_adh_Change()
{
    const int v = spin_adh->value();
    if (v >= 0 && v < Liste_adhérents->count())
        Liste_adhérents->setCurrentIndex(v);
}

// ---------------------------------------------------------------- the member's lists

void f_base::constitue_listes_offres_demandes()
{
    // Nothing of the former member stays shown: "Valider" has nothing to write
    // until one of this member's propositions is.
    if (!édition_.nouvelle)
        édition_.slot = 0;
    const listes_adhérent l = listes_offres_demandes(adhérent_courant);
    for (QListWidget* liste : {Liste_offres, liste_demandes}) {
        const QSignalBlocker bloque(liste);
        liste->clear();
    }
    for (const ligne_proposition& p : l.offres)
        ajoute_ligne(*Liste_offres, p.texte, p.slot);
    for (const ligne_proposition& p : l.demandes)
        ajoute_ligne(*liste_demandes, p.texte, p.slot);
    if (liste_demandes->count() > 0)
        liste_demandes->setCurrentRow(0);
    déselectionne_offres();
    if (Liste_offres->count() > 0)
        Liste_offres->setCurrentRow(0);
    déselectionne_demandes();
}

void f_base::déselectionne_offres()
{
    const QSignalBlocker bloque(Liste_offres);
    Liste_offres->clearSelection();
}

void f_base::déselectionne_demandes()
{
    const QSignalBlocker bloque(liste_demandes);
    liste_demandes->clearSelection();
}

// Entering either list validates the change pending on the proposition shown,
// before another one can be shown.
void f_base::Liste_offres_GotFocus()
{
    if (valide_en_attente())
        déselectionne_demandes();
}

void f_base::liste_demandes_GotFocus()
{
    if (valide_en_attente())
        déselectionne_offres();
}

void f_base::Liste_offres_Click() { montre_proposition(*Liste_offres, 1); }
void f_base::liste_demandes_Click() { montre_proposition(*liste_demandes, 2); }

void f_base::montre_proposition(QListWidget& liste, int type)
{
    const QList<QListWidgetItem*> choisis = liste.selectedItems();
    if (choisis.isEmpty())
        return;
    if (édition_.nouvelle) {
        MsgBox(t::validez_ou_annulez, style_boîte::information);
        return;
    }
    const int slot = donnée(choisis.front());
    if (slot < 1 || slot > max_propositions)
        return;
    if (modification_en_attente() && slot != édition_.slot) {
        // A change refused by its validation stays with its proposition.
        const QSignalBlocker bloque(&liste);
        liste.clearSelection();
        if (QListWidgetItem* montré = item_du_slot(liste, édition_.slot))
            montré->setSelected(true);
        return;
    }
    const auto remplissage = saisie_.remplit();
    édition_.slot = slot;
    édition_.adhérent = adhérent_courant;
    édition_.nouvelle = false;
    const champs_proposition c = champs_de_proposition(slot);
    ctt_code_rubrique->setText(c.code);
    if (c.statut >= 0 && c.statut <= 3)
        choisit(*cb_statut, c.statut);
    cb_statut_Click();
    ctt_offre_demande->setPlainText(c.description);
    const int code = valeur_code(c.code);
    const int i = indice_rubrique_liste(*cb_rub1, static_cast<int16>(std::clamp(code, -32768, 32767)));
    choisit(*cb_rub1, i);
    if (i >= 0)
        constitue_liste_sous_rubriques(cb_rub1->itemData(i).toInt());
    if (c.genre >= 0 && c.genre <= 4)
        choisit(*cb_genre, c.genre);
    choisit(*cb_kid, c.cible);
    ob_type[type - 1]->setChecked(true);
    bt_supprimer->setEnabled(true);
}

// ---------------------------------------------------------------- the code

void f_base::constitue_liste_sous_rubriques(int rubrique)
{
    const QSignalBlocker bloque(cb_rub2);
    cb_rub2->clear();
    if (rubrique == 0)
        return;
    for (int k : chiffres_sous_rubriques(rubrique))
        cb_rub2->addItem(données.noms_rubriques[rubrique * 10 + k], k);
    cb_rub2->setCurrentIndex(-1);
    const QString texte = ctt_code_rubrique->text();
    if (texte.size() <= 2)
        return;
    const int sous = static_cast<int>(Val(texte.right(2))) / 10;
    const int chiffre = static_cast<int>(Val(texte.right(1)));
    choisit(*cb_rub2, cb_rub2->findData(sous));
    choisit(*cb_rub3, chiffre >= 1 && chiffre <= 9 ? chiffre - 1 : -1);
}

void f_base::constitue_code()
{
    if (cb_rub1->currentIndex() < 0)
        return;
    const int rubrique = cb_rub1->currentData().toInt();
    const int sous = cb_rub2->currentIndex() >= 0 ? cb_rub2->currentData().toInt() : 0;
    ctt_code_rubrique->setText(QString::number(::constitue_code(rubrique, sous, cb_rub3->currentIndex() + 1)));
}

void f_base::cb_rub1_Click()
{
    if (cb_rub1->currentIndex() < 0)
        return;
    constitue_liste_sous_rubriques(cb_rub1->currentData().toInt());
    constitue_code();
}

void f_base::cb_rub2_Click() { constitue_code(); }
void f_base::cb_rub3_Click() { constitue_code(); }

void f_base::ctt_code_rubrique_Entrée()
{
    édition_.modifiée = true;
    // The change is open to "Valider" like any other.
    bt_modifier->setEnabled(true);
    const int code = valeur_code(ctt_code_rubrique->text());
    const int i = indice_rubrique_liste(*cb_rub1, static_cast<int16>(std::clamp(code, -32768, 32767)));
    choisit(*cb_rub1, i);
    if (i >= 0)
        constitue_liste_sous_rubriques(cb_rub1->itemData(i).toInt());
}

// ---------------------------------------------------------------- changes and validation

void f_base::marque_changement()
{
    édition_.modifiée = true;
    bt_modifier->setEnabled(true);
    // A new entry keeps its "Annuler": touching a field must not remove the
    // way to abandon it.
    if (!édition_.nouvelle)
        bt_supprimer->setEnabled(false);
}

bool f_base::ctt_offre_demande_KeyPress(int touche)
{
    marque_changement();
    if (!est_entrée(touche))
        return true;
    ctt_offre_demande->setPlainText(remplace_guillemets(ctt_offre_demande->toPlainText()));
    ctt_offre_demande->moveCursor(QTextCursor::End);
    return false;
}

champs_proposition f_base::champs() const
{
    champs_proposition c;
    c.type = ob_type[0]->isChecked() ? 1 : ob_type[1]->isChecked() ? 2 : 0;
    c.code = ctt_code_rubrique->text();
    c.genre = cb_genre->currentIndex();
    c.cible = cb_kid->currentIndex();
    c.statut = cb_statut->currentIndex();
    c.description = ctt_offre_demande->toPlainText();
    return c;
}

void f_base::bt_modifier_Click()
{
    if (saisie_.modifiée())
        édition_.modifiée = true;
    applique_validation(valide_proposition(édition_, champs()));
}

bool f_base::valide_en_attente()
{
    if (!modification_en_attente())
        return true;
    bt_modifier_Click();
    return !édition_.modifiée;
}

bool f_base::valide_avant_chargement() { return valide_en_attente(); }

void f_base::applique_validation(résultat_validation r)
{
    if (r != résultat_validation::refusée)
        saisie_.retiens();  // stored, or nothing there to store
    switch (r) {
    case résultat_validation::refusée: return;
    case résultat_validation::rien_à_valider:
        bt_modifier->setEnabled(false);
        if (!édition_.nouvelle) {
            bt_nouvelle->setEnabled(true);
            bt_ajout_suppr_adh->setEnabled(true);
        }
        return;
    case résultat_validation::validée: break;
    }
    const proposition& p = données.table_propositions[édition_.slot];
    QListWidget* sa_liste = p.type == 1 ? Liste_offres : liste_demandes;
    QListWidget* autre = p.type == 1 ? liste_demandes : Liste_offres;
    // A type changed from the keyboard leaves its line in the other list.
    if (QListWidgetItem* ancien = item_du_slot(*autre, édition_.slot)) {
        const QSignalBlocker bloque(autre);
        delete ancien;
    }
    if (QListWidgetItem* item = item_du_slot(*sa_liste, édition_.slot))
        item->setText(p.désignation);
    else
        ajoute_ligne(*sa_liste, p.désignation, édition_.slot);
    bt_ajout_suppr_adh->setEnabled(true);
    bt_supprimer->setText(t::supprimer);
    bt_supprimer->setEnabled(true);
    bt_modifier->setEnabled(false);
    bt_nouvelle->setEnabled(true);
    bt_imprimer->setEnabled(true);
}

// ---------------------------------------------------------------- new, delete, restore

void f_base::bt_nouvelle_Click()
{
    // The proposition shown is left: its pending change is validated first.
    if (!valide_en_attente())
        return;
    champs_proposition c = champs();
    if (!commence_nouvelle_proposition(édition_, adhérent_courant, c))
        return;
    const auto remplissage = saisie_.remplit();
    ctt_code_rubrique->clear();
    ctt_offre_demande->clear();
    choisit(*cb_rub1, cb_rub1->count() > 0 ? 0 : -1);
    constitue_liste_sous_rubriques(cb_rub1->currentIndex() >= 0 ? cb_rub1->currentData().toInt() : 0);
    choisit(*cb_rub2, -1);
    choisit(*cb_rub3, 0);
    choisit(*cb_genre, c.genre);
    choisit(*cb_statut, c.statut);
    cb_statut_Click();
    choisit(*cb_kid, c.cible);
    constitue_code();
    bt_nouvelle->setEnabled(false);
    bt_modifier->setEnabled(true);
    bt_imprimer->setEnabled(false);
    bt_supprimer->setText(t::annuler);
    bt_supprimer->setEnabled(true);
    bt_ajout_suppr_adh->setEnabled(false);
}

void f_base::bt_supprimer_Click()
{
    if (édition_.nouvelle) {
        annule_nouvelle();
        return;
    }
    if (bt_supprimer->text() == t::restaurer) {
        restaure_proposition(édition_);
        choisit(*cb_statut, 0);
        cb_statut_Click();
        bt_modifier->setEnabled(true);
        bt_supprimer->setEnabled(false);
        return;
    }
    if (édition_.slot == 0)
        return;
    choisit(*cb_statut, 2);
    cb_statut_Click();
    bt_ajout_suppr_adh->setEnabled(false);
    applique_validation(supprime_proposition(édition_, champs()));
    bt_supprimer->setText(t::restaurer);
}

void f_base::annule_nouvelle()
{
    const auto remplissage = saisie_.remplit();
    annule_nouvelle_proposition(édition_);
    bt_ajout_suppr_adh->setEnabled(true);
    bt_nouvelle->setEnabled(true);
    bt_imprimer->setEnabled(true);
    bt_supprimer->setText(t::supprimer);
    déselectionne_offres();
    if (Liste_offres->count() > 0)
        Liste_offres->setCurrentRow(0);
    bt_modifier->setEnabled(false);
    bt_supprimer->setEnabled(false);
}

void f_base::cb_statut_Click()
{
    const style_statut s = style_de(cb_statut->currentIndex());
    QFont police = ctt_offre_demande->font();
    police.setStrikeOut(s.barré);
    ctt_offre_demande->setFont(police);
    QPalette palette = ctt_offre_demande->palette();
    palette.setColor(QPalette::Text, s.texte);
    ctt_offre_demande->setPalette(palette);
    cb_statut->setStyleSheet(QStringLiteral("QComboBox { background-color: %1; }").arg(s.fond.name()));
    // A pending new entry keeps "Annuler", its only way out.
    if (!édition_.nouvelle)
        bt_supprimer->setText(s.barré ? t::restaurer : t::supprimer);
}

void f_base::ctt_offre_demande_Change()
{
    if (!édition_.nouvelle)
        cb_statut_Click();
}

void f_base::ob_type_MouseDown(int index)
{
    marque_changement();
    const int type = index + 1;
    const int slot = édition_.slot;
    const bool listée = !édition_.nouvelle && slot >= 1 && slot <= max_propositions;
    const bool change = listée && données.table_propositions[slot].type != type;
    change_type_proposition(édition_, type);
    if (!change)
        return;
    QListWidget* vers = index == 0 ? Liste_offres : liste_demandes;
    QListWidget* depuis = index == 0 ? liste_demandes : Liste_offres;
    QListWidgetItem* item = item_du_slot(*depuis, slot);
    if (!item)
        return;
    const QString texte = item->text();
    {
        const QSignalBlocker bloque(depuis);
        delete item;
    }
    ajoute_ligne(*vers, texte, slot);
    vers->setCurrentRow(vers->count() - 1);
}

// ---------------------------------------------------------------- closing and other windows

void f_base::Form_QueryUnload(bool& cancel)
{
    if (édition_.nouvelle) {
        if (MsgBox(t::valider_nouvelle, style_boîte::oui_non | style_boîte::question) != rép_oui) {
            annule_nouvelle_proposition(édition_);
            return;
        }
        // Asked to validate: the entry is checked even when no field was touched.
        édition_.modifiée = true;
    }
    // A refused validation has said why: the window stays open with the change.
    if (!valide_en_attente()) {
        cancel = true;
        return;
    }
    enregistrer_fichier(fichier_courant, false);
}

void f_base::bt_quitter_Click()
{
    if (!close())
        return;
    clique_op(0);
    décharge_fenêtre(relevés);
}

void f_base::bt_ajout_suppr_adh_Click()
{
    if (!valide_en_attente())
        return;
    enregistrer_fichier(fichier_courant, false);
    if (fenêtre_programme* f = montre_fenêtre(noms_fenêtres::adhérents))
        f->feuille().showMaximized();
    appelant_filtre = noms_fenêtres::base;
}

void f_base::bt_imprimer_Click()
{
    // The statements read the propositions: a pending change goes in first.
    if (valide_en_attente())
        montre_fenêtre(relevés);
}

void f_base::maj_offr_dem_Click() { enlève_additif_offres_demandes(); }

void f_base::maj_add_Click() { enlève_additif_adhérents(); }
