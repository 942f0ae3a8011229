#include "catalogue/f_catalogue.h"

#include "catalogue/additifs.h"
#include "catalogue/colonnes.h"
#include "catalogue/construction.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "catalogue/polices.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/controles.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/surface_imprimante.h"
#include "ui_common/symboles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>
#include <vector>

namespace {

constexpr double twips_mm = 56.7;
const QString nom_aperçu = QStringLiteral("f_aperçu");

std::size_t kc() { return static_cast<std::size_t>(indice_catalogue()); }

// The five styles in the order of the Ob_font options.
const std::array<paire<QString> données_sel::*, 5> polices_styles = {
    &données_sel::police_offres, &données_sel::police_demandes, &données_sel::police_rubriques,
    &données_sel::police_sous_rubriques, &données_sel::police_sommaire};
const std::array<paire<float> données_sel::*, 5> tailles_styles = {
    &données_sel::taille_offres, &données_sel::taille_demandes, &données_sel::taille_rubriques,
    &données_sel::taille_sous_rubriques, &données_sel::taille_sommaire};
const std::array<paire<bool> données_sel::*, 5> italiques_styles = {
    &données_sel::italique_offres, &données_sel::italique_demandes, &données_sel::italique_rubriques,
    &données_sel::italique_sous_rubriques, &données_sel::italique_sommaire};
const std::array<paire<bool> données_sel::*, 5> gras_styles = {
    &données_sel::gras_offres, &données_sel::gras_demandes, &données_sel::gras_rubriques,
    &données_sel::gras_sous_rubriques, &données_sel::gras_sommaire};

template <class T>
T& de_style(const std::array<paire<T> données_sel::*, 5>& champs, int style)
{
    return (données.*champs[static_cast<std::size_t>(style)])[kc()];
}

// Selecting an option from code runs its handler, as a click does, when the
// selection changes (forcer: also when it is already the selected one).
template <std::size_t N, class F>
void choisit(const std::array<QRadioButton*, N>& options, int i, F&& clic, bool forcer = false)
{
    if (i < 0 || i >= static_cast<int>(N))
        return;
    QRadioButton* o = options[static_cast<std::size_t>(i)];
    if (o->isChecked() && !forcer)
        return;
    {
        const QSignalBlocker bloque(o);
        o->setChecked(true);
    }
    clic(i);
}

template <class F>
void coche(QCheckBox* c, int valeur, F&& clic)
{
    const bool oui = valeur != 0;
    if (c->isChecked() == oui)
        return;
    {
        const QSignalBlocker bloque(c);
        c->setChecked(oui);
    }
    clic();
}

int16 valeur(const QCheckBox* c) { return c->isChecked() ? 1 : 0; }

// Shows a stored height (twips) in a list of millimetres whose entries keep
// their height in twips: its own entry when the list has one, else one more
// entry, in order, that gives the stored height back unchanged when chosen.
void montre_hauteur(QComboBox& liste, float hauteur)
{
    const QSignalBlocker bloque(&liste);
    int i = 0;
    for (; i < liste.count(); ++i) {
        const double h = liste.itemData(i).toDouble();
        if (std::fabs(h - hauteur) < 0.05) {
            liste.setCurrentIndex(i);
            return;
        }
        if (h > hauteur)
            break;
    }
    const double mm = std::round(hauteur / twips_mm * 10) / 10;
    liste.insertItem(i, texte_nombre(mm), static_cast<double>(hauteur));
    liste.setCurrentIndex(i);
}

// The height of the entry chosen in such a list, twips.
float hauteur_choisie(const QComboBox& liste)
{
    const QVariant h = liste.currentData();
    return static_cast<float>(h.isValid() ? h.toDouble() : valeur_cellule(liste.currentText()) * twips_mm);
}


// While the build runs, nothing else of the program takes a click: the other
// windows and this one's options wait.
class attente_construction {
public:
    attente_construction(QWidget& catalogue, std::initializer_list<QWidget*> contrôles)
    {
        for (fenêtre_programme* f : fenêtres_chargées())
            if (&f->feuille() != &catalogue)
                bloque(&f->feuille());
        bloque(fenêtre_principale_ouverte());
        for (QWidget* w : contrôles)
            bloque(w);
    }
    ~attente_construction()
    {
        for (const QPointer<QWidget>& w : bloqués_)
            if (w)
                w->setEnabled(true);
    }
    attente_construction(const attente_construction&) = delete;
    attente_construction& operator=(const attente_construction&) = delete;

private:
    void bloque(QWidget* w)
    {
        if (!w || !w->isEnabled())
            return;
        w->setEnabled(false);
        bloqués_.emplace_back(w);
    }
    std::vector<QPointer<QWidget>> bloqués_;
};

}  // namespace

titres_type titres_pour_type(int k)
{
    if (k == 1)
        return {QStringLiteral("Polices des catalogues"), QStringLiteral("...dans les catalogues")};
    return {QStringLiteral("Polices des additifs"), QStringLiteral("...dans les additifs")};
}

// ---------------------------------------------------------------- construction

F_catalogue::F_catalogue(QWidget* parent) : fenêtre_principale(parent)
{
    if (parent)
        setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Préparation catalogue ou additif"));
    // The design's small sans-serif type; "Arial" keeps its metrics here.
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    crée_contrôles();
    crée_menus();
    resize(800, 558 + menuBar()->sizeHint().height());
    adapte_feuille_écran(*this);
    affiche_fond(*this);

    sablier attente;
    affichage_cat = {};
    avis_affichage_catalogue = [this] { rafraîchit(); };
    charge_listes();
    choisit(ob_type, indice_catalogue(), [this](int k) { ob_type_Click(k); }, true);
    rafraîchit(true);
}

F_catalogue::~F_catalogue() { avis_affichage_catalogue = nullptr; }

void F_catalogue::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);

    auto cadre = [](QWidget* parent, const QString& nom, const QString& titre, const QRect& r) {
        auto* g = new QGroupBox(titre, parent);
        g->setObjectName(nom);
        g->setGeometry(r);
        return g;
    };
    auto étiquette = [](QWidget* parent, const QString& nom, const QString& texte, const QRect& r) {
        auto* l = new QLabel(texte, parent);
        l->setObjectName(nom);
        l->setGeometry(r);
        return l;
    };
    auto case_à_cocher = [this](QWidget* parent, const QString& nom, const QString& texte, const QRect& r,
                                void (F_catalogue::*clic)()) {
        auto* c = new QCheckBox(texte, parent);
        c->setObjectName(nom);
        c->setGeometry(r);
        QObject::connect(c, &QCheckBox::clicked, this, [this, clic] { (this->*clic)(); });
        return c;
    };
    auto bouton = [this](QWidget* parent, const QString& nom, const QString& texte, const QRect& r,
                         void (F_catalogue::*clic)()) {
        auto* b = new QPushButton(texte, parent);
        b->setObjectName(nom);
        b->setGeometry(r);
        QObject::connect(b, &QPushButton::clicked, this, [this, clic] { (this->*clic)(); });
        return b;
    };
    auto liste_déroulante = [](QWidget* parent, const QString& nom, const QRect& r) {
        auto* c = new QComboBox(parent);
        c->setObjectName(nom);
        c->setGeometry(r);
        return c;
    };
    // An option array: one group, its handler takes the option's index.
    auto options = [this](auto& tableau, QWidget* parent, const QString& nom, std::initializer_list<const char*> textes,
                          const QRect& premier, int pas, void (F_catalogue::*clic)(int)) {
        auto* groupe = new QButtonGroup(this);
        int i = 0;
        for (const char* t : textes) {
            auto* o = new QRadioButton(QString::fromUtf8(t), parent);
            o->setObjectName(QStringLiteral("%1_%2").arg(nom).arg(i));
            o->setGeometry(premier.translated(0, i * pas));
            groupe->addButton(o, i);
            tableau[static_cast<std::size_t>(i)] = o;
            ++i;
        }
        QObject::connect(groupe, &QButtonGroup::idClicked, this, [this, clic](int id) { (this->*clic)(id); });
    };

    // ---- sorting
    QGroupBox* Frame1 = cadre(centre, QStringLiteral("Frame1"), QStringLiteral("Classement"), {8, 4, 252, 250});
    Chk_écrire_offre = case_à_cocher(Frame1, QStringLiteral("Chk_écrire_offre"),
                                     QStringLiteral("Séparer par \"Offres \"ou \"Demandes\""), {10, 20, 236, 20},
                                     &F_catalogue::Chk_écrire_offre_Click);
    Chk_écrire_offre->setToolTip(
        QStringLiteral("Insére les mots \"Offres\" ou \"Demandes\" dans la catalogue pour bien les séparer."));
    options(op_classement, Frame1, QStringLiteral("op_classement"),
            {"Classer par rubrique puis par nature", "Classer par rubrique puis par offre/demande",
             "Classer par rubrique puis par adhérent", "Ne pas reclasser", "Classer par rubrique puis code postal"},
            {10, 44, 236, 20}, 21, &F_catalogue::op_classement_Click);
    QGroupBox* Frame2 = cadre(Frame1, QStringLiteral("Frame2"), QStringLiteral("Classification"), {8, 154, 236, 88});
    options(Op_niveau_rubrique, Frame2, QStringLiteral("Op_niveau_rubrique"),
            {"Au niveau de la rubrique", "Au niveau de la sous rubrique", "Au niveau de la sous-sous rubrique"},
            {8, 20, 222, 20}, 21, &F_catalogue::Op_niveau_rubrique_Click);

    // ---- extraction
    cadre_extraire = cadre(centre, QStringLiteral("cadre_extraire"), QStringLiteral("Extraction"), {8, 260, 252, 206});
    Chk_sauts = case_à_cocher(cadre_extraire, QStringLiteral("Chk_sauts"),
                              QStringLiteral("Désactiver les sauts de page automatiques"), {10, 20, 236, 20},
                              &F_catalogue::Chk_sauts_Click);
    Chk_sauts->setToolTip(QStringLiteral("Les sauts repoussent les titres en début de page"));
    étiquette(cadre_extraire, QStringLiteral("Label3"), QStringLiteral("Hauteur lignes vides:"), {10, 48, 140, 20});
    cb_hauteur_ligne_vide = liste_déroulante(cadre_extraire, QStringLiteral("cb_hauteur_ligne_vide"), {156, 46, 64, 22});
    bt_préparer = bouton(cadre_extraire, QStringLiteral("bt_préparer"), QStringLiteral("Extraire"), {10, 76, 100, 28},
                         &F_catalogue::bt_préparer_Click);
    lbl_je_fais_quoi = étiquette(cadre_extraire, QStringLiteral("lbl_je_fais_quoi"), {}, {10, 110, 236, 18});
    lbl_per_cent = étiquette(cadre_extraire, QStringLiteral("lbl_per_cent"), {}, {10, 130, 50, 18});
    lbl_per_cent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = étiquette(cadre_extraire, QStringLiteral("Label2"), QStringLiteral("effectués"), {64, 130, 90, 18});
    Label4 = étiquette(cadre_extraire, QStringLiteral("Label4"), QStringLiteral("Nombre de pages:"), {10, 156, 120, 18});
    lbl_nbr_pages = étiquette(cadre_extraire, QStringLiteral("lbl_nbr_pages"), {}, {134, 156, 60, 18});
    lblpb = étiquette(cadre_extraire, QStringLiteral("lblpb"), QStringLiteral("Pages blanches:"), {10, 178, 120, 18});
    lbl_pages_blanches = étiquette(cadre_extraire, QStringLiteral("lbl_pages_blanches"), {}, {134, 178, 60, 18});

    bt_aperçu = bouton(centre, QStringLiteral("bt_aperçu"), QStringLiteral("Aperçu"), {8, 476, 120, 34},
                       &F_catalogue::bt_aperçu_Click);
    bt_grille = bouton(centre, QStringLiteral("bt_grille"), {}, {140, 476, 50, 34}, &F_catalogue::bt_grille_Click);
    bt_grille->setToolTip(QStringLiteral("Voir la grille d'extraction du catalogue"));
    bt_grille->setIcon(icône_symbole(U'\u25A6', QColor(0, 0, 128)));
    bt_annuler = bouton(centre, QStringLiteral("bt_annuler"), {}, {200, 476, 50, 34}, &F_catalogue::bt_annuler_Click);
    bt_annuler->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_annuler->setIcon(icône_retour());

    // ---- what goes in
    cadre_quoi = cadre(centre, QStringLiteral("cadre_quoi"), {}, {268, 4, 262, 300});
    Chk_num_adh = case_à_cocher(cadre_quoi, QStringLiteral("Chk_num_adh"), QStringLiteral("Numéros"),
                                {10, 20, 244, 20}, &F_catalogue::Chk_num_adh_Click);
    Chk_num_adh->setToolTip(QStringLiteral("Ajoute le N° à l'identifiant dans le catalogue"));
    Chk_adhérents = case_à_cocher(cadre_quoi, QStringLiteral("Chk_adhérents"),
                                  QStringLiteral("Insérer la liste des adhérents"), {10, 41, 244, 20},
                                  &F_catalogue::Chk_adhérents_Click);
    Chk_sommaire = case_à_cocher(cadre_quoi, QStringLiteral("Chk_sommaire"), QStringLiteral("Insérer le sommaire"),
                                 {10, 62, 244, 20}, &F_catalogue::Chk_sommaire_Click);
    Chk_sous_rubriques = case_à_cocher(cadre_quoi, QStringLiteral("Chk_sous_rubriques"),
                                       QStringLiteral("Insérer les sous-rubriques"), {10, 83, 244, 20},
                                       &F_catalogue::chk_sous_rubriques_Click);
    options(ob_code, cadre_quoi, QStringLiteral("ob_code"),
            {"Imprimer les codes rubriques", "Imprimer les numéros d'offres/demandes", "N'imprimer aucun numéro",
             "Imprimer le code postal"},
            {10, 110, 244, 20}, 21, &F_catalogue::ob_code_Click);
    QGroupBox* Frame5 = cadre(cadre_quoi, QStringLiteral("Frame5"), {}, {8, 198, 246, 94});
    options(ob_rubriques, Frame5, QStringLiteral("ob_rubriques"),
            {"Impimer les noms de  rubriques", "Remplacer les rubriques par des images"}, {8, 8, 232, 20}, 21,
            &F_catalogue::ob_rubriques_Click);
    Label5 = étiquette(Frame5, QStringLiteral("Label5"), QStringLiteral("Hauteur des images en mm:"), {8, 60, 160, 20});
    cb_hauteur_images = liste_déroulante(Frame5, QStringLiteral("cb_hauteur_images"), {172, 58, 64, 22});

    // ---- paper
    QGroupBox* cadre_format = cadre(centre, QStringLiteral("cadre_format"), {}, {268, 310, 262, 70});
    bt_config_imprim = bouton(cadre_format, QStringLiteral("bt_config_imprim"), {}, {10, 16, 44, 44},
                              &F_catalogue::bt_config_imprim_Click);
    bt_config_imprim->setToolTip(QStringLiteral("Choix/configuration de l'imprimante"));
    bt_config_imprim->setIcon(icône_symbole(U'\U0001F5A8', QColor(0, 0, 128)));
    for (QPushButton* b : {bt_grille, bt_annuler, bt_config_imprim})
        b->setIconSize(QSize(26, 26));
    options(ob_format, cadre_format, QStringLiteral("ob_format"),
            {"Format A4 (portrait)", "Demi-format A4 (paysage)"}, {62, 16, 192, 20}, 24,
            &F_catalogue::ob_format_Click);

    // ---- who
    cadre_qui = cadre(centre, QStringLiteral("cadre_qui"), {}, {268, 386, 262, 92});
    QGroupBox* Frame3 = cadre(cadre_qui, QStringLiteral("Frame3"), {}, {8, 18, 164, 66});
    options(Op_liste_adh, Frame3, QStringLiteral("Op_liste_adh"), {"Tous les adhérents", "Les nouveaux adhérents"},
            {6, 10, 154, 20}, 24, &F_catalogue::Op_liste_adh_Click);
    options(ob_qui, cadre_qui, QStringLiteral("ob_qui"), {"Tous", "Adultes", "Enfants"}, {180, 20, 76, 20}, 21,
            &F_catalogue::ob_qui_Click);

    // ---- kind, numbers and dates
    QGroupBox* cadre_type = cadre(centre, QStringLiteral("cadre_type_catalogue"), {}, {538, 4, 254, 128});
    std::array<QRadioButton*, 2>& types = ob_type;
    {
        auto* groupe = new QButtonGroup(this);
        const char* textes[] = {"Additif", "Catalogue"};
        const QRect places[] = {{10, 14, 120, 20}, {40, 68, 120, 20}};
        for (int i = 0; i < 2; ++i) {
            types[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromUtf8(textes[i]), cadre_type);
            types[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("ob_type_%1").arg(i));
            types[static_cast<std::size_t>(i)]->setGeometry(places[i]);
            groupe->addButton(types[static_cast<std::size_t>(i)], i);
        }
        QObject::connect(groupe, &QButtonGroup::idClicked, this, [this](int id) { ob_type_Click(id); });
    }
    auto ligne_numéro = [&](int y, QLineEdit*& numéro, QLineEdit*& date, const QString& nom_numéro,
                            const QString& nom_date, int indice) {
        étiquette(cadre_type, QStringLiteral("Label1_%1").arg(indice), QStringLiteral("N°"), {10, y + 2, 22, 20});
        numéro = new QLineEdit(cadre_type);
        numéro->setObjectName(nom_numéro);
        numéro->setGeometry(34, y, 50, 22);
        numéro->setToolTip(QStringLiteral("dbclick incrémente le N°"));
        étiquette(cadre_type, QStringLiteral("Label1_%1").arg(indice + 1), QStringLiteral("du"), {90, y + 2, 22, 20});
        date = new QLineEdit(cadre_type);
        date->setObjectName(nom_date);
        date->setGeometry(114, y, 132, 22);
        date->setToolTip(QStringLiteral("dbclick donne date du jour"));
        for (QLineEdit* champ : {numéro, date})
            champ->installEventFilter(this);
    };
    ligne_numéro(38, ctt_num_additif, ctt_date_additif, QStringLiteral("ctt_num_additif"),
                 QStringLiteral("ctt_date_additif"), 0);
    lbl_au = étiquette(cadre_type, QStringLiteral("lbl_au"), QStringLiteral("au "), {10, 70, 28, 18});
    ligne_numéro(94, ctt_numéro_catalogue, ctt_date_catalogue, QStringLiteral("ctt_numéro_catalogue"),
                 QStringLiteral("ctt_date_catalogue"), 2);
    for (int k = 0; k < 2; ++k) {
        QObject::connect(champ_numéro(k), &QLineEdit::textChanged, this, [this, k] { ctt_num_Change(k); });
        QObject::connect(champ_date(k), &QLineEdit::textChanged, this, [this, k] { ctt_date_Change(k); });
    }

    // ---- styles
    cadre_polices = cadre(centre, QStringLiteral("cadre_polices"), {}, {538, 138, 254, 318});
    options(Ob_font, cadre_polices, QStringLiteral("Ob_font"),
            {"Offres", "Demandes", "Rubriques", "Sous rubriques", "Sommaire"}, {10, 24, 104, 20}, 40,
            &F_catalogue::Ob_font_Click);
    cadre_font = new QWidget(cadre_polices);
    cadre_font->setObjectName(QStringLiteral("cadre_font"));
    cadre_font->setGeometry(116, 24, 132, 130);
    bt_gras = bouton(cadre_font, QStringLiteral("bt_gras"), QStringLiteral("G"), {2, 0, 30, 26},
                     &F_catalogue::bt_gras_Click);
    QFont gras = bt_gras->font();
    gras.setBold(true);
    bt_gras->setFont(gras);
    bt_ital = bouton(cadre_font, QStringLiteral("bt_ital"), QStringLiteral("I"), {36, 0, 30, 26},
                     &F_catalogue::bt_ital_Click);
    QFont italique = bt_ital->font();
    italique.setItalic(true);
    bt_ital->setFont(italique);
    cb_taille = liste_déroulante(cadre_font, QStringLiteral("cb_taille"), {70, 1, 60, 24});
    cb_police = liste_déroulante(cadre_font, QStringLiteral("cb_police"), {2, 30, 128, 24});
    lbl_aperçu = étiquette(cadre_font, QStringLiteral("lbl_aperçu"), {}, {2, 58, 128, 70});
    lbl_aperçu->setAlignment(Qt::AlignCenter);
    lbl_aperçu->setFrameShape(QFrame::Panel);
    lbl_aperçu->setFrameShadow(QFrame::Sunken);
    QObject::connect(cb_police, &QComboBox::activated, this, [this] { cb_police_Click(); });
    QObject::connect(cb_taille, &QComboBox::activated, this, [this] { cb_taille_Click(); });
    QObject::connect(cb_hauteur_ligne_vide, &QComboBox::activated, this, [this] { cb_hauteur_ligne_vide_Click(); });
    QObject::connect(cb_hauteur_images, &QComboBox::activated, this, [this] { cb_hauteur_images_Click(); });

    // ---- members of the catalogue; the drawing aid of the page layout
    liste_adh = new QListWidget(centre);
    liste_adh->setObjectName(QStringLiteral("liste_adh"));
    liste_adh->setGeometry(538, 462, 254, 90);
    Image1 = new QLabel(centre);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();
}

void F_catalogue::crée_menus()
{
    QMenu* aide = menuBar()->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_sommaire = aide->addAction(QStringLiteral("Sommaire de l'aide"), this, [this] { aide_sommaire_Click(); });
    aide_sommaire->setObjectName(QStringLiteral("aide_sommaire"));
    aide_cat = aide->addAction(QStringLiteral("Aide de la page"), this, [this] { aide_cat_Click(); });
    aide_cat->setObjectName(QStringLiteral("aide_cat"));
    QMenu* edition = menuBar()->addMenu(QStringLiteral("Edition"));
    edition->setObjectName(QStringLiteral("edition"));
    maj_adh = edition->addAction(QStringLiteral("Enelever des additifs tous les nouveaux adhérents"), this,
                                 [this] { maj_adh_Click(); });
    maj_adh->setObjectName(QStringLiteral("maj_adh"));
    maj_offr = edition->addAction(QStringLiteral("Enlever des additifs toutes les offres-demandes nouvelles ou supprimées"),
                                  this, [this] { maj_offr_Click(); });
    maj_offr->setObjectName(QStringLiteral("maj_offr"));
}

void F_catalogue::charge_listes()
{
    cb_police->addItems(polices_imprimante());
    for (int t = 8; t <= 20; ++t)
        cb_taille->addItem(QString::number(t));
    for (int mm = 2; mm <= 16; mm += 2)
        cb_hauteur_ligne_vide->addItem(QString::number(mm), mm * twips_mm);
    for (int mm = 20; mm <= 40; mm += 5)
        cb_hauteur_images->addItem(QString::number(mm), mm * twips_mm);
    // The heights the data file holds, until the user picks others.
    montre_hauteur(*cb_hauteur_ligne_vide, hauteur_ligne_vide);
    montre_hauteur(*cb_hauteur_images, hauteur_images);
}

QLineEdit* F_catalogue::champ_numéro(int k) const { return k == 0 ? ctt_num_additif : ctt_numéro_catalogue; }
QLineEdit* F_catalogue::champ_date(int k) const { return k == 0 ? ctt_date_additif : ctt_date_catalogue; }

// ---------------------------------------------------------------- what the build left

void F_catalogue::rafraîchit(bool liste)
{
    lbl_je_fais_quoi->setText(affichage_cat.je_fais_quoi);
    lbl_per_cent->setText(affichage_cat.per_cent);
    lbl_nbr_pages->setText(affichage_cat.nbr_pages);
    lbl_pages_blanches->setText(affichage_cat.pages_blanches);
    // A caption stands only beside its figure.
    Label2->setVisible(!affichage_cat.per_cent.trimmed().isEmpty());
    for (QLabel* l : {Label4, lbl_nbr_pages, lblpb, lbl_pages_blanches})
        l->setVisible(affichage_cat.pages_visibles);
    bt_aperçu->setEnabled(affichage_cat.aperçu_actif);
    if (!liste)
        return;
    // The members by number and identifier; the placeholder item and the
    // positions are the pagination's business.
    liste_adh->clear();
    for (std::size_t i = 1; i < ::liste_adh.size(); ++i) {
        const int n = ::liste_adh[i].données;
        const QString texte = n >= 1 && n <= max_adhérents
                                  ? QStringLiteral("%1  %2").arg(n).arg(
                                        données.table_adhérents[static_cast<std::size_t>(n)].identifiant.trimmed())
                                  : ::liste_adh[i].texte;
        auto* élément = new QListWidgetItem(texte, liste_adh);
        élément->setData(Qt::UserRole, n);
    }
}

void F_catalogue::désactive_aperçu()
{
    affichage_cat.aperçu_actif = false;
    bt_aperçu->setEnabled(false);
}

void F_catalogue::accorde_dépendances()
{
    Chk_num_adh->setEnabled(Chk_adhérents->isChecked());
    Chk_écrire_offre->setEnabled(op_classement[1]->isChecked());
    cb_hauteur_images->setVisible(ob_rubriques[1]->isChecked());
    if (Chk_sous_rubriques->isChecked() && données.cat_niveau_rubrique[kc()] == 0)
        choisit(Op_niveau_rubrique, 1, [this](int i) { Op_niveau_rubrique_Click(i); });
}

// ---------------------------------------------------------------- kind

void F_catalogue::ob_type_Click(int k)
{
    données_sel& d = données;
    d.type_catalogue = static_cast<int16>(k);
    const auto i = static_cast<std::size_t>(k);
    {
        const QSignalBlocker bloque(Chk_sauts);
        Chk_sauts->setChecked(d.cat_sans_sauts[i].en_nombre() != 0);
    }
    ctt_num_additif->setEnabled(k == 0);
    ctt_date_additif->setEnabled(k == 0);
    lbl_au->setVisible(k == 0);
    const titres_type titres = titres_pour_type(k);
    cadre_polices->setTitle(titres.polices);
    cadre_qui->setTitle(titres.qui_quoi);
    cadre_quoi->setTitle(titres.qui_quoi);
    if (liens_cat().affiche_offres_demandes)
        liens_cat().affiche_offres_demandes(gg(), false);

    choisit(Ob_font, 0, [this](int s) { Ob_font_Click(s); });
    choisit(ob_qui, d.cat_qui[i], [this](int s) { ob_qui_Click(s); });
    choisit(ob_rubriques, d.cat_rubriques_images[i], [this](int s) { ob_rubriques_Click(s); });
    choisit(ob_code, d.cat_code[i], [this](int s) { ob_code_Click(s); });
    coche(Chk_sous_rubriques, d.cat_sous_rubriques[i], [this] { chk_sous_rubriques_Click(); });
    coche(Chk_sommaire, d.cat_sommaire[i], [this] { Chk_sommaire_Click(); });
    coche(Chk_adhérents, d.cat_liste_adhérents[i], [this] { Chk_adhérents_Click(); });

    // The stored format follows the printer's orientation at every loading.
    const bool portrait = imprimante().pageLayout().orientation() == QPageLayout::Portrait;
    choisit(ob_format, portrait ? 0 : 1, [this](int s) { ob_format_Click(s); }, true);

    {
        const QSignalBlocker a(ctt_numéro_catalogue), b(ctt_num_additif), c(ctt_date_catalogue), e(ctt_date_additif);
        ctt_numéro_catalogue->setText(QString::number(d.cat_numéro[1]));
        ctt_num_additif->setText(QString::number(d.cat_numéro[0]));
        ctt_date_catalogue->setText(d.cat_date[1]);
        ctt_date_additif->setText(d.cat_date[0]);
    }
    coche(Chk_écrire_offre, d.cat_écrire_offre[i], [this] { Chk_écrire_offre_Click(); });
    coche(Chk_num_adh, d.cat_num_adh[i], [this] { Chk_num_adh_Click(); });

    QString police = d.police_offres[i];
    sélectionne_police(police);
    int taille = 0;
    try {
        taille = CInt(static_cast<double>(d.taille_offres[i]));
    } catch (const erreur_basic&) {
    }
    sélectionne_taille(taille);
    choisit(Ob_font, 0, [this](int s) { Ob_font_Click(s); });

    choisit(Op_liste_adh, d.cat_nouveaux_adhérents[i], [this](int s) { Op_liste_adh_Click(s); });
    choisit(op_classement, d.cat_classement[i], [this](int s) { op_classement_Click(s); });
    choisit(Op_niveau_rubrique, d.cat_niveau_rubrique[i], [this](int s) { Op_niveau_rubrique_Click(s); });
    accorde_dépendances();
}

// ---------------------------------------------------------------- style editor

int F_catalogue::style_choisi(bool sommaire_par_défaut) const
{
    const int dernier = sommaire_par_défaut ? 3 : 4;
    for (int i = 0; i <= dernier; ++i)
        if (Ob_font[static_cast<std::size_t>(i)]->isChecked())
            return i;
    return sommaire_par_défaut ? 4 : -1;
}

void F_catalogue::montre_échantillon()
{
    QFont police = lbl_aperçu->font();
    if (cb_police->currentIndex() >= 0)
        police.setFamily(cb_police->currentText());
    const double taille = valeur_cellule(cb_taille->currentText());
    if (taille > 0)
        police.setPointSizeF(taille);
    lbl_aperçu->setFont(police);
    const int style = style_choisi(true);
    lbl_aperçu->setText(Ob_font[static_cast<std::size_t>(style)]->text());
}

void F_catalogue::Ob_font_Click(int i)
{
    QRect place = place_conception(*cadre_font);
    place.moveTop(place_conception(*Ob_font[static_cast<std::size_t>(i)]).y());
    place_contrôle(*cadre_font, place);
    désactive_aperçu();
    QString police = de_style(polices_styles, i);
    sélectionne_police(police);
    int taille = 0;
    try {
        taille = CInt(static_cast<double>(de_style(tailles_styles, i)));
    } catch (const erreur_basic&) {
    }
    sélectionne_taille(taille);
    QFont échantillon = lbl_aperçu->font();
    échantillon.setItalic(de_style(italiques_styles, i));
    échantillon.setBold(de_style(gras_styles, i));
    lbl_aperçu->setFont(échantillon);
    lbl_aperçu->setText(Ob_font[static_cast<std::size_t>(i)]->text());
}

void F_catalogue::sélectionne_police(QString& nom)
{
    if (nom.isEmpty()) {
        cb_police->setCurrentIndex(-1);
        lbl_aperçu->clear();
        return;
    }
    for (const QString& essai : {nom, QStringLiteral("Arial"), QStringLiteral("Times New Roman")}) {
        const int i = cb_police->findText(essai, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i < 0)
            continue;
        nom = essai;
        {
            const QSignalBlocker bloque(cb_police);
            cb_police->setCurrentIndex(i);
        }
        // Shown only: a font that stands in for one this machine lacks
        // becomes the style's when the user picks a font or a size, so that
        // the data file keeps the association's own font names.
        désactive_aperçu();
        montre_échantillon();
        return;
    }
    MsgBox(QStringLiteral("Trovane ne trouve ni la Police 'Arial' ni 'Times New Roman'. L'une des deux au moins doit "
                          "être installée sur la machine. Trovane ne pourra pas fonctionner normalement"),
           style_boîte::critique);
}

void F_catalogue::sélectionne_taille(int& taille)
{
    if (taille == 0) {
        cb_taille->setCurrentIndex(-1);
        lbl_aperçu->clear();
        return;
    }
    for (int i = 0; i < cb_taille->count(); ++i) {
        if (valeur_cellule(cb_taille->itemText(i)) == taille) {
            {
                const QSignalBlocker bloque(cb_taille);
                cb_taille->setCurrentIndex(i);
            }
            retient_taille();
            return;
        }
    }
    {
        const QSignalBlocker bloque(cb_taille);
        cb_taille->setCurrentIndex(0);
    }
    retient_taille();
    lbl_aperçu->clear();
}

void F_catalogue::cb_police_Click()
{
    if (cb_police->currentIndex() < 0)
        return;
    désactive_aperçu();
    de_style(polices_styles, style_choisi(true)) = cb_police->currentText();
    montre_échantillon();
}

void F_catalogue::cb_taille_Click()
{
    if (cb_taille->currentIndex() < 0)
        return;
    retient_taille();
    // The style becomes what it shows, its font included.
    if (cb_police->currentIndex() >= 0)
        de_style(polices_styles, style_choisi(true)) = cb_police->currentText();
}

void F_catalogue::retient_taille()
{
    désactive_aperçu();
    de_style(tailles_styles, style_choisi(true)) = static_cast<float>(valeur_cellule(cb_taille->currentText()));
    montre_échantillon();
}

void F_catalogue::bt_gras_Click()
{
    const int style = style_choisi(false);
    if (style < 0)
        return;
    bool& gras = de_style(gras_styles, style);
    gras = !gras;
    QFont échantillon = lbl_aperçu->font();
    échantillon.setBold(gras);
    lbl_aperçu->setFont(échantillon);
}

void F_catalogue::bt_ital_Click()
{
    const int style = style_choisi(false);
    if (style < 0)
        return;
    bool& italique = de_style(italiques_styles, style);
    italique = !italique;
    QFont échantillon = lbl_aperçu->font();
    échantillon.setItalic(italique);
    lbl_aperçu->setFont(échantillon);
}

// ---------------------------------------------------------------- options

void F_catalogue::op_classement_Click(int i)
{
    données.cat_classement[kc()] = static_cast<int16>(i);
    Chk_écrire_offre->setEnabled(i == 1);
    if (i != 3 && données.cat_niveau_rubrique[kc()] == 2)
        MsgBox(QStringLiteral("Attention, le classemment par sous-sous-rubriques risque de rendre votre choix peu "
                              "visible. Préférez un classement au niveau de la rubrique ou de la sous-rubrique "
                              "seulement"),
               style_boîte::information);
    if (i == 4 && !ob_code[3]->isChecked()) {
        MsgBox(QStringLiteral("Trovane commande automatiquement l'impression des codes postaux avec les propositions. "
                              "Décochez l'option si vous n'en voulez pas. "),
               style_boîte::information);
        choisit(ob_code, 3, [this](int s) { ob_code_Click(s); });
    }
}

void F_catalogue::Op_niveau_rubrique_Click(int i)
{
    données.cat_niveau_rubrique[kc()] = static_cast<int16>(i);
    if (i == 0)
        coche(Chk_sous_rubriques, 0, [this] { chk_sous_rubriques_Click(); });
}

void F_catalogue::Chk_écrire_offre_Click() { données.cat_écrire_offre[kc()] = valeur(Chk_écrire_offre); }

void F_catalogue::Chk_num_adh_Click() { données.cat_num_adh[kc()] = valeur(Chk_num_adh); }

void F_catalogue::Chk_sauts_Click() { données.cat_sans_sauts[kc()] = variante::de_nombre(valeur(Chk_sauts)); }

void F_catalogue::Chk_adhérents_Click()
{
    données.cat_liste_adhérents[kc()] = valeur(Chk_adhérents);
    Chk_num_adh->setEnabled(Chk_adhérents->isChecked());
    désactive_aperçu();
}

void F_catalogue::Chk_sommaire_Click()
{
    données.cat_sommaire[kc()] = valeur(Chk_sommaire);
    désactive_aperçu();
}

void F_catalogue::chk_sous_rubriques_Click()
{
    données.cat_sous_rubriques[kc()] = valeur(Chk_sous_rubriques);
    if (Chk_sous_rubriques->isChecked() && données.cat_niveau_rubrique[kc()] == 0)
        choisit(Op_niveau_rubrique, 1, [this](int s) { Op_niveau_rubrique_Click(s); });
    désactive_aperçu();
}

void F_catalogue::ob_code_Click(int i)
{
    données.cat_code[kc()] = static_cast<int16>(i);
    désactive_aperçu();
}

void F_catalogue::ob_rubriques_Click(int i)
{
    données.cat_rubriques_images[kc()] = static_cast<int16>(i);
    cb_hauteur_images->setVisible(i == 1);
    désactive_aperçu();
}

void F_catalogue::ob_qui_Click(int i)
{
    données.cat_qui[kc()] = static_cast<int16>(i);
    désactive_aperçu();
}

void F_catalogue::Op_liste_adh_Click(int i) { données.cat_nouveaux_adhérents[kc()] = static_cast<int16>(i); }

void F_catalogue::ob_format_Click(int i)
{
    désactive_aperçu();
    const bool paysage = imprimante().pageLayout().orientation() == QPageLayout::Landscape;
    if ((i == 0 && paysage) || (i == 1 && !paysage))
        bt_config_imprim_Click();
    données.cat_format[kc()] = static_cast<int16>(i);
    surface_imprimante papier(imprimante());
    calcule_colonnes_catalogue(papier);
}

void F_catalogue::bt_config_imprim_Click()
{
    if (!dialogue1().ShowPrinter())
        return;
    if (imprimante().pageLayout().orientation() == QPageLayout::Portrait)
        choisit(ob_format, 0, [this](int s) { ob_format_Click(s); });
}

// ---------------------------------------------------------------- numbers, dates, heights

void F_catalogue::ctt_num_Change(int k)
{
    try {
        données.cat_numéro[static_cast<std::size_t>(k)] = CInt(champ_numéro(k)->text());
    } catch (const erreur_basic&) {
        // Not a number, or out of range: the last valid number stays.
    }
}

void F_catalogue::ctt_num_DblClick(int k)
{
    double v = 0;
    if (!lit_nombre(champ_numéro(k)->text(), v))
        return;
    champ_numéro(k)->setText(texte_nombre(v + 1));
}

void F_catalogue::ctt_date_Change(int k) { données.cat_date[static_cast<std::size_t>(k)] = champ_date(k)->text(); }

void F_catalogue::ctt_date_DblClick(int k)
{
    champ_date(k)->setText(QLocale(QLocale::French).toString(aujourdhui(), QLocale::LongFormat));
}

void F_catalogue::cb_hauteur_ligne_vide_Click()
{
    hauteur_ligne_vide = hauteur_choisie(*cb_hauteur_ligne_vide);
    désactive_aperçu();
}

void F_catalogue::cb_hauteur_images_Click() { hauteur_images = hauteur_choisie(*cb_hauteur_images); }

bool F_catalogue::eventFilter(QObject* objet, QEvent* e)
{
    for (int k = 0; k < 2; ++k) {
        if (objet == champ_numéro(k) && e->type() == QEvent::MouseButtonDblClick) {
            ctt_num_DblClick(k);
            return true;
        }
        if (objet != champ_date(k))
            continue;
        if (e->type() == QEvent::MouseButtonDblClick) {
            ctt_date_DblClick(k);
            return true;
        }
        if (e->type() == QEvent::KeyPress) {
            // Any of these between day, month and year is taken for a slash.
            const QString texte = static_cast<QKeyEvent*>(e)->text();
            if (texte.size() == 1 && QStringLiteral(".:-*+").contains(texte)) {
                champ_date(k)->insert(QStringLiteral("/"));
                return true;
            }
        }
    }
    return fenêtre_principale::eventFilter(objet, e);
}

// ---------------------------------------------------------------- buttons and menus

void F_catalogue::bt_préparer_Click()
{
    if (en_construction_)
        return;
    en_construction_ = true;
    {
        attente_construction attente(*this, {centralWidget()->findChild<QWidget*>(QStringLiteral("Frame1")),
                                             cadre_quoi, cadre_qui, cadre_polices,
                                             centralWidget()->findChild<QWidget*>(QStringLiteral("cadre_type_catalogue")),
                                             centralWidget()->findChild<QWidget*>(QStringLiteral("cadre_format")),
                                             Chk_sauts, cb_hauteur_ligne_vide, bt_préparer, bt_aperçu, bt_grille,
                                             bt_annuler, menuBar()});
        surface_imprimante papier(imprimante());
        prépare_catalogue(gg(), papier);
    }
    en_construction_ = false;
    rafraîchit(true);
}

void F_catalogue::bt_aperçu_Click()
{
    if (!fenêtre_enregistrée(nom_aperçu))
        return;
    QPointer<F_catalogue> moi(this);
    hide();
    if (fenêtre_programme* aperçu = charge_fenêtre(nom_aperçu))
        montre_modale(*aperçu);
    if (moi && !moi->fermée() && !moi->isVisible())
        moi->show();
}

void F_catalogue::bt_grille_Click()
{
    hide();
    gg().setVisible(true);
}

void F_catalogue::bt_annuler_Click() { close(); }

void F_catalogue::aide_sommaire_Click() { ouvre_aide(QStringLiteral("index")); }

void F_catalogue::aide_cat_Click() { ouvre_aide(QStringLiteral("offres_demandes")); }

void F_catalogue::maj_adh_Click() { enlève_additif_adhérents(); }

void F_catalogue::maj_offr_Click() { enlève_additif_offres_demandes(); }

void F_catalogue::Form_QueryUnload(bool& cancel)
{
    // The build works on the general grid and reports here until its end: the
    // window waits for it rather than refill the grid under it.
    cancel = en_construction_;
    if (cancel)
        return;
    enregistrer_fichier(fichier_courant, false);
    grille& g = gg();
    g.setRedraw(false);
    if (liens_cat().affiche_offres_demandes)
        liens_cat().affiche_offres_demandes(g, true);
    données.mode_grille = QStringLiteral("base");
    g.setRedraw(true);
}
