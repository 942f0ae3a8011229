// A walk through the whole program as a volunteer would take it: the main
// window on an association's file, each mode, each action button, each work
// window opened and closed again.
#include "data/dossiers.h"
#include "programme_ouvert.h"
#include "data/fichier_donnees.h"
#include "main_window/f_vesk.h"
#include "programme.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using parcours = programme_ouvert;

}  // namespace

TEST_F(parcours, chaque_bouton_de_chaque_mode_ouvre_sa_fenêtre)
{
    const QString sortie = QDir(QCoreApplication::applicationDirPath()).filePath("captures");
    QDir().mkpath(sortie);
    struct étape {
        int mode;
        QPushButton* F_vesk::*bouton;
        const char* fenêtre;
    };
    const étape étapes[] = {
        {1, &F_vesk::Bt_appel_feuilles, "f_adhérents"}, {1, &F_vesk::bt_imprimer, "f_impression"},
        {1, &F_vesk::bt_imprim_2, "f_relevés_comptes"}, {0, &F_vesk::Bt_appel_feuilles, "f_base"},
        {0, &F_vesk::bt_imprimer, "f_relevés_comptes"}, {2, &F_vesk::Bt_appel_feuilles, "f_rubriques"},
        {4, &F_vesk::Bt_appel_feuilles, "f_compta"},    {4, &F_vesk::bt_imprimer, "f_états_comptes"},
        {0, &F_vesk::bt_imprim_2, "F_catalogue"},
    };
    for (const étape& é : étapes) {
        const QString nom = QString::fromUtf8(é.fenêtre);
        SCOPED_TRACE(nom.toStdString());
        f->op(é.mode)->click();
        QPushButton* b = f->*é.bouton;
        ASSERT_TRUE(b->isVisible());
        ASSERT_TRUE(b->isEnabled());
        // Visible is not enough: a click on its middle must reach it.
        ASSERT_EQ(f->childAt(b->mapTo(f, b->rect().center())), b);
        b->click();
        QApplication::processEvents();
        fenêtre_programme* w = fenêtre_chargée(nom);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->feuille().isVisible());
        const QImage image = w->feuille().grab().toImage();
        EXPECT_GT(image.width(), 300);
        image.save(QDir(sortie).filePath(QStringLiteral("parcours_%1.png").arg(nom)));
        EXPECT_TRUE(décharge_fenêtre(nom));
        QApplication::processEvents();
    }
    // The statistics mode opens its window by itself.
    f->op(5)->click();
    QApplication::processEvents();
    ASSERT_NE(fenêtre_chargée("f_statistiques"), nullptr);
    EXPECT_TRUE(décharge_fenêtre("f_statistiques"));
}

TEST_F(parcours, consulter_sans_rien_changer_ne_change_pas_le_fichier)
{
    for (int mode : {0, 1, 2, 4})
        f->op(mode)->click();
    // The editors open on the file and close again without a change.
    for (const char* nom : {"f_adhérents", "f_base", "f_rubriques"}) {
        montre_fenêtre(QString::fromUtf8(nom));
        QApplication::processEvents();
        EXPECT_TRUE(décharge_fenêtre(QString::fromUtf8(nom)));
    }
    f->close();
    QApplication::processEvents();
    données = données_sel{};
    ASSERT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
    données.mode_grille.clear();  // the mode last shown is kept in the file, as it should
    enregistrer_fichier(chemin("relu.sel"), false);
    const QList<QByteArray> avant = original.split('\n'), après = lit("relu.sel").split('\n');
    for (qsizetype i = 0; i < std::min(avant.size(), après.size()); ++i)
        if (avant[i] != après[i]) {
            ADD_FAILURE() << "ligne " << i + 1 << " : " << avant[i].toStdString() << " devenu " << après[i].toStdString();
            break;
        }
    EXPECT_EQ(avant.size(), après.size());
}

TEST(premier_démarrage, accueil_avec_l_image_et_les_boutons_actifs)
{
    QTemporaryDir dossier;
    fixe_dossier_programme(dossier.path());
    dialogues_scriptés boîtes;
    installe_dialogues(&boîtes);
    enregistre_toutes_les_fenêtres();
    données = données_sel{};
    QPointer<F_vesk> f = &démarre_trovane();
    EXPECT_EQ(boîtes.textes(), QStringList{"Voulez-vous consulter l'aide [Commencer avec Trovane] maintenant ?"});
    f->op(1)->click();
    QApplication::processEvents();
    EXPECT_FALSE(f->Image1->pixmap().isNull());
    EXPECT_TRUE(f->Bt_appel_feuilles->isEnabled());
    const QString sortie = QDir(QCoreApplication::applicationDirPath()).filePath("captures");
    QDir().mkpath(sortie);
    f->grab().save(QDir(sortie).filePath("accueil.png"));
    f->close();
    QApplication::processEvents();
    installe_dialogues(nullptr);
    fixe_dossier_programme({});
}
