#include "data_windows/f_maj.h"

#include "data_windows/fenetres_donnees.h"
#include "data_windows/options.h"
#include "data/modele.h"
#include "ui_common/controles.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

f_maj::f_maj(QWidget* parent) : fenêtre_modale(parent)
{
    setWindowTitle(QStringLiteral("Trovane : échange de données"));
    QMenuBar* barre = nullptr;
    QWidget* corps = corps_fenêtre(*this, barre);

    auto cadre = [corps](const QString& nom, const QString& titre, int y, int hauteur) {
        auto* c = new QGroupBox(titre, corps);
        c->setObjectName(nom);
        c->setGeometry(10, y, 480, hauteur);
        return c;
    };
    auto option = [](QGroupBox* c, const QString& nom, const QString& texte, int y) {
        auto* o = new QRadioButton(texte, c);
        o->setObjectName(nom);
        o->setGeometry(12, y, 456, 22);
        return o;
    };

    Cdre_qui = cadre(QStringLiteral("Cdre_qui"), QStringLiteral("Fonction du poste qui récupère:"), 8, 78);
    Op_qui[0] = option(Cdre_qui, QStringLiteral("Op_qui0"), QStringLiteral("La compta est effectuée sur ma machine"), 22);
    Op_qui[1] = option(Cdre_qui, QStringLiteral("Op_qui1"),
                       QStringLiteral("La compta n'est pas  effectuée sur ma machine"), 48);

    cadre_récup = cadre(QStringLiteral("cadre_récup"), QStringLiteral("Données à récupérer"), 94, 132);
    const QString quoi[] = {QStringLiteral("les données adhérents"), QStringLiteral("le paramétrage du catalogue"),
                            QStringLiteral("les données comptes"), QStringLiteral("les offres_demandes")};
    for (int i = 0; i < 4; ++i) {
        chk_quoi[i] = new QCheckBox(quoi[i], cadre_récup);
        chk_quoi[i]->setObjectName(QStringLiteral("chk_quoi%1").arg(i));
        chk_quoi[i]->setGeometry(12, 22 + 26 * i, 456, 22);
    }

    Frame1 = cadre(QStringLiteral("Frame1"), QStringLiteral("Mode de récupération des données"), 234, 78);
    op_mode[0] = option(Frame1, QStringLiteral("op_mode0"),
                        QStringLiteral("remplacer toutes les données en cours par le fichier reçu"), 22);
    op_mode[1] = option(Frame1, QStringLiteral("op_mode1"),
                        QStringLiteral("Récupérer certaines données et préserver les autres"), 48);

    Extraire_données = new QPushButton(QStringLiteral("Appliquer"), corps);
    Extraire_données->setObjectName(QStringLiteral("Extraire_données"));
    Extraire_données->setGeometry(10, 328, 120, 32);
    bt_quitter = new QPushButton(corps);
    bt_quitter->setObjectName(QStringLiteral("bt_quitter"));
    bt_quitter->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_quitter->setGeometry(426, 320, 64, 48);
    applique_image_retour(*bt_quitter);

    aide = barre->addAction(QStringLiteral("?"));
    aide->setObjectName(QStringLiteral("aide"));
    QObject::connect(aide, &QAction::triggered, this, [this] { aide_Click(); });

    for (int i = 0; i < 2; ++i) {
        QObject::connect(Op_qui[i], &QRadioButton::clicked, this, [this, i] { Op_qui_Click(i); });
        QObject::connect(op_mode[i], &QRadioButton::clicked, this, [this, i] { op_mode_Click(i); });
    }
    QObject::connect(Extraire_données, &QPushButton::clicked, this, [this] { Extraire_données_Click(); });
    QObject::connect(bt_quitter, &QPushButton::clicked, this, [this] { bt_quitter_Click(); });

    dimensionne(*this, *barre, 500, 380);
    Form_Load();
}

void f_maj::Form_Load()
{
    adapte_feuille_écran(*this);
    affiche_fond(*this);
    setWindowTitle(QStringLiteral("Ouvrir ") + fichier_à_extraire);
    if (get_date_archive(fichier_à_extraire) == données.date_archivage) {
        op_mode[1]->setChecked(true);
        op_mode_Click(1);
    } else {
        op_mode[0]->setChecked(true);
        op_mode_Click(0);
        op_mode[1]->setEnabled(false);
    }
    if (poste_compta) {
        Op_qui[0]->setChecked(true);
        Op_qui_Click(0);
    }
}

cases_extraction f_maj::cases() const
{
    cases_extraction c;
    for (std::size_t i = 0; i < 4; ++i) {
        c.cochée[i] = chk_quoi[i]->isChecked();
        c.active[i] = chk_quoi[i]->isEnabled();
    }
    return c;
}

void f_maj::montre_cases(const cases_extraction& c)
{
    for (std::size_t i = 0; i < 4; ++i) {
        chk_quoi[i]->setChecked(c.cochée[i]);
        chk_quoi[i]->setEnabled(c.active[i]);
    }
}

void f_maj::op_mode_Click(int index)
{
    // The other file may have changed since the window opened.
    cases_extraction c = cases();
    choisit_mode_extraction(c, index, get_date_archive(fichier_à_extraire) == données.date_archivage, poste_compta);
    montre_cases(c);
}

void f_maj::Op_qui_Click(int index) { choisit_poste_compta(index == 0); }

choix_extraction f_maj::choix() const
{
    choix_extraction c;
    c.remplacer = op_mode[0]->isChecked();
    for (std::size_t i = 0; i < 4; ++i)
        c.quoi[i] = chk_quoi[i]->checkState() == Qt::Checked;
    return c;
}

void f_maj::Extraire_données_Click()
{
    if (extrait_données(choix()))
        close();
}

void f_maj::bt_quitter_Click() { close(); }

void f_maj::aide_Click() { ouvre_aide(QStringLiteral("fichiers")); }
