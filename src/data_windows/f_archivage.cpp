#include "data_windows/f_archivage.h"

#include "data/dialogues.h"
#include "data_windows/fenetres_donnees.h"
#include "ui_common/controles.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/sablier.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

QString texte_archivage()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringList{
        QStringLiteral("L'opération d'archivage est une étape importante."),
        QStringLiteral("Trovane vous demande de renommer le fichier actuel et l'enregistre en l'état sous son nom "
                       "d'archive."),
        QStringLiteral("Vous pourrez ainsi le consulter à tout moment."),
        QString(),
        QStringLiteral("Puis Trovane vous permet d'alléger le fichier en cours:"),
        QStringLiteral("-il supprime du fichier les offres-demandes supprimées,"),
        QStringLiteral("-il supprime du fichier les adhérents qui sont partis, "),
        QStringLiteral("-il supprime du fichier les lignes de comptes."),
        QString(),
        QStringLiteral("Trovane peut garder les soldes et les comptes cumulés."),
        QStringLiteral("Complétez les options, puis cliquez [appliquer]."),
        QString(),
        QStringLiteral("Attention: Si vous travaillez sur plusieurs postes, vous devez rapatrier toutes les données "
                       "sur un même poste, effectuer l'archivage et redistribuer le fichier. Les échanges de données "
                       "ne sont possibles qu'à partir de fichiers ayant la même date d'archive."),
        QStringLiteral("Aussi longtemps que vous n'aurez pas quitté Trovane, vous pourrez revenir au  fichier initial "
                       "en utilisant l'option du menu fichier de la page d'accueil."),
    }
        .join(crlf);
}

f_archivage::f_archivage(QWidget* parent) : fenêtre_modale(parent)
{
    setWindowTitle(QStringLiteral("Archivage"));
    QMenuBar* barre = nullptr;
    QWidget* corps = corps_fenêtre(*this, barre);

    Label1 = new QLabel(corps);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 8, 616, 262);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto cadre = [](QWidget* dans, const QString& nom, const QString& titre, int x, int y, int l, int h) {
        auto* c = new QGroupBox(titre, dans);
        c->setObjectName(nom);
        c->setGeometry(x, y, l, h);
        return c;
    };
    // A list under its caption, which may run over two lines.
    auto liste = [](QGroupBox* dans, const QString& nom, const QString& étiquette, int y, int largeur) {
        auto* e = new QLabel(étiquette, dans);
        e->setWordWrap(true);
        e->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        e->setGeometry(12, y, largeur, 36);
        auto* l = new QComboBox(dans);
        l->setObjectName(nom);
        l->setGeometry(12, y + 40, 170, 24);
        return l;
    };

    Frame4 = cadre(corps, QStringLiteral("Frame4"), QStringLiteral("Pour le fichier en cours :"), 12, 276, 616, 252);
    Frame2 = cadre(Frame4, QStringLiteral("Frame2"), QStringLiteral("Eliminer les adhérents:"), 10, 22, 290, 100);
    cb_mois_adh = liste(Frame2, QStringLiteral("cb_mois_adh"), QStringLiteral("Eliminer les adhérents partis depuis :"),
                        20, 266);
    Frame1 = cadre(Frame4, QStringLiteral("Frame1"), QStringLiteral("Eliminer les offres-demandes"), 314, 22, 292, 100);
    cb_mois_cat = liste(Frame1, QStringLiteral("cb_mois_cat"),
                        QStringLiteral("Eliminer  les offres-demandes supprimées depuis  :"), 20, 268);
    Frame3 = cadre(Frame4, QStringLiteral("Frame3"), QStringLiteral("Echanges :"), 10, 130, 596, 112);
    cb_mois_comptes = liste(Frame3, QStringLiteral("cb_mois_comptes"),
                            QStringLiteral("Garder les lignes d'échanges crées  depuis :"), 14, 300);
    chk_crédits_débits_volume =
        new QCheckBox(QStringLiteral("Remettre à zéro les données cumulées crédits/débits/volume"), Frame3);
    chk_crédits_débits_volume->setObjectName(QStringLiteral("chk_crédits_débits_volume"));
    chk_crédits_débits_volume->setGeometry(192, 54, 396, 22);
    Chk_soldes = new QCheckBox(QStringLiteral("Initialiser  tous les soldes."), Frame3);
    Chk_soldes->setObjectName(QStringLiteral("Chk_soldes"));
    Chk_soldes->setGeometry(192, 80, 396, 22);

    bt_appliquer = new QPushButton(QStringLiteral("&Appliquer"), corps);
    bt_appliquer->setObjectName(QStringLiteral("bt_appliquer"));
    bt_appliquer->setGeometry(12, 542, 120, 32);
    bt_quitter = new QPushButton(corps);
    bt_quitter->setObjectName(QStringLiteral("bt_quitter"));
    bt_quitter->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_quitter->setGeometry(564, 534, 64, 48);
    applique_image_retour(*bt_quitter);

    aide = barre->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_sommaire = aide->addAction(QStringLiteral("Sommaire de l'aide"));
    aide_sommaire->setObjectName(QStringLiteral("aide_sommaire"));
    aide_fichiers = aide->addAction(QStringLiteral("Aide pour la page"));
    aide_fichiers->setObjectName(QStringLiteral("aide_fichiers"));

    QObject::connect(bt_appliquer, &QPushButton::clicked, this, [this] { bt_appliquer_Click(); });
    QObject::connect(Chk_soldes, &QCheckBox::clicked, this, [this] { Chk_soldes_Click(); });
    QObject::connect(bt_quitter, &QPushButton::clicked, this, [this] { bt_quitter_Click(); });
    QObject::connect(aide_sommaire, &QAction::triggered, this, [this] { aide_sommaire_Click(); });
    QObject::connect(aide_fichiers, &QAction::triggered, this, [this] { aide_fichiers_Click(); });

    dimensionne(*this, *barre, 640, 590);
    Form_Load();
}

void f_archivage::Form_Load()
{
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);
    Label1->setText(texte_archivage());
    cb_mois_adh->addItems(mois_adhérents());
    cb_mois_adh->setCurrentIndex(4);
    cb_mois_cat->addItems(mois_offres_demandes());
    cb_mois_cat->setCurrentIndex(1);
    cb_mois_comptes->addItems(mois_comptes());
    cb_mois_comptes->setCurrentIndex(0);
}

choix_archivage f_archivage::choix() const
{
    choix_archivage c;
    c.mois_adh = cb_mois_adh->currentIndex();
    c.mois_cat = cb_mois_cat->currentIndex();
    c.mois_comptes = cb_mois_comptes->currentIndex();
    c.remise_à_zéro_cumuls = chk_crédits_débits_volume->isChecked();
    c.initialise_soldes = Chk_soldes->isChecked();
    return c;
}

void f_archivage::bt_appliquer_Click()
{
    if (archive_période(choix()) != fin_archivage::abandonné)
        close();
}

void f_archivage::Chk_soldes_Click()
{
    if (!Chk_soldes->isChecked() || données.compte_association(données.compte_asso_débité))
        return;
    MsgBox(message_pas_de_compte_débité, style_boîte::information);
    Chk_soldes->setChecked(false);
}

void f_archivage::bt_quitter_Click() { close(); }
void f_archivage::aide_sommaire_Click() { ouvre_aide(QStringLiteral("index")); }
void f_archivage::aide_fichiers_Click() { ouvre_aide(QStringLiteral("Echange_de_fichier")); }
