// Every window the program opens, on the screen the run has (the test runs
// once per screen size): each control the user sees stands inside its window
// and the window inside the screen, nothing covers it and its caption fits.
// The run also leaves a picture of each window (the main window in each
// mode) in captures/<platform>_<screen>.
#include "catalogue/f_apercu.h"
#include "catalogue/f_catalogue.h"
#include "main_window/a_propos.h"
#include "programme_ouvert.h"
#include "support/fenetre_utilisable.h"
#include "ui_common/grille_vue.h"
#include "ui_common/imprime.h"
#include "ui_common/principale.h"
#include "uninstall/boites.h"
#include "uninstall/fenetre_delvorn.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <iostream>

namespace {

// The uninstallers answer nothing and start nothing here.
struct sans_réponse : désinstallation::boîtes {
    int message(const QString&, int) override { return désinstallation::rép_non; }
};
struct sans_lancement : désinstallation::lanceur {
    bool lance(const QString&) override { return false; }
};

class écrans : public programme_ouvert {
protected:
    void SetUp() override
    {
        programme_ouvert::SetUp();
        const QScreen* écran = QGuiApplication::primaryScreen();
        const QSize taille = écran->size() * écran->devicePixelRatio();
        nom_écran = QStringLiteral("%1_%2x%3").arg(QGuiApplication::platformName()).arg(taille.width()).arg(taille.height());
        if (écran->devicePixelRatio() != 1)
            nom_écran += QStringLiteral("_x%1").arg(écran->devicePixelRatio());
        if (écran->logicalDotsPerInchX() != 96)
            nom_écran += QStringLiteral("_%1ppp").arg(écran->logicalDotsPerInchX());
        captures = QDir(QCoreApplication::applicationDirPath()).filePath("captures/" + nom_écran);
        QDir().mkpath(captures);
    }

    // The window as it stands once every pending event has run; on X11, once
    // it is on the screen and its place has stopped changing (a window
    // manager frames it a little after it is shown).
    void vérifie(QWidget& w, const QString& où, const QStringList& défilants = {})
    {
        QApplication::processEvents();
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&w)) << où.toStdString();
            QRect avant;
            for (int tours = 0, stables = 0; tours < 100 && stables < 3; ++tours) {
                QTest::qWait(10);
                stables = w.frameGeometry() == avant ? stables + 1 : 0;
                avant = w.frameGeometry();
            }
        }
        ++fenêtres_vues;
        for (const QString& d : défauts_d_affichage(w, défilants))
            défauts << où + " : " + d;
    }
    void capture(QWidget& w, const QString& nom) { EXPECT_TRUE(w.grab().save(QDir(captures).filePath(nom + ".png"))); }

    QString nom_écran, captures;
    QStringList défauts;
    int fenêtres_vues = 0;
};

TEST_F(écrans, chaque_fenêtre_est_utilisable)
{
    // The home picture in the grid's place, then the grid.
    f->menu("pas_affiche_grille")->trigger();
    f->op(1)->click();
    vérifie(*f, "accueil, grille cachée");
    f->menu("pas_affiche_grille")->trigger();
    vérifie(*f, "accueil");
    const std::pair<int, const char*> modes[] = {
        {0, "catalogue"}, {1, "adherents"}, {2, "classification"}, {4, "echanges"}, {5, "statistiques"}};
    // The menus read as large as the buttons the screen has grown.
    if (f->op(0)->font().pointSizeF() > f->menuBar()->font().pointSizeF() + 0.01)
        défauts << QStringLiteral("barre de menus plus petite que les boutons (%1 < %2 points)")
                       .arg(f->menuBar()->font().pointSizeF())
                       .arg(f->op(0)->font().pointSizeF());
    for (const auto& [mode, nom] : modes) {
        f->op(mode)->click();
        vérifie(*f, QStringLiteral("fenêtre principale, mode %1").arg(nom));
        capture(*f, QStringLiteral("fenetre_principale_%1").arg(nom));
        if (mode == 5) {
            fenêtre_programme* stats = fenêtre_chargée("f_statistiques");
            ASSERT_NE(stats, nullptr);
            vérifie(stats->feuille(), "f_statistiques");
            capture(stats->feuille(), "f_statistiques");
            EXPECT_TRUE(décharge_fenêtre("f_statistiques"));
            // Closed, it gives the members back: their button chosen, their
            // buttons beside it, their table in the grid.
            QApplication::processEvents();
            if (!f->op(1)->isChecked() || f->op(5)->isChecked() || f->Bt_appel_feuilles->isHidden() ||
                f->Bt_appel_feuilles->text() != QStringLiteral("Ajouter/ Modifier Supprimer") ||
                !f->vue_gg->isVisible() || gg().Cols() != 26)
                défauts << QStringLiteral("statistiques fermées : les adhérents ne sont pas montrés choisis, avec "
                                          "leurs boutons et leur table");
        }
    }

    // Every work window, modal ones shown modeless: they stand the same,
    // and none leaves a button of the main window showing cut beside it.
    const auto boutons_coupés = [&](const QWidget& w, const QString& nom) {
        const QRect cadre = w.frameGeometry();
        for (const QAbstractButton* b : f->findChildren<QAbstractButton*>()) {
            bool dans_la_grille = false;
            for (const QWidget* p = b; p; p = p->parentWidget())
                dans_la_grille = dans_la_grille || qobject_cast<const QAbstractScrollArea*>(p);
            const QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
            if (b->isVisible() && !dans_la_grille && cadre.intersects(r) && !cadre.contains(r))
                défauts << QStringLiteral("%1 : « %2 » de la fenêtre principale à moitié couvert").arg(nom, b->text());
        }
    };
    for (const QString& nom : fenêtres_enregistrées()) {
        if (nom == "f_aperçu" || nom == "f_statistiques")
            continue;  // the preview runs from the catalogue, below
        fenêtre_programme* w = charge_fenêtre(nom);
        ASSERT_NE(w, nullptr) << nom.toStdString();
        w->feuille().show();
        vérifie(w->feuille(), nom);
        boutons_coupés(w->feuille(), nom);
        capture(w->feuille(), nom);
        EXPECT_TRUE(décharge_fenêtre(nom)) << nom.toStdString();
        QApplication::processEvents();
    }
    {
        p_a_propos boîte(f);
        boîte.show();
        vérifie(boîte, "p_a_propos");
        capture(boîte, "p_a_propos");
    }
    imprime::montre();
    vérifie(imprime::instance(), "imprime");
    capture(imprime::instance(), "imprime");
    imprime::cache();

    // The catalogue built, the main window in its catalogue mode, then the
    // preview of the title page.
    f->op(0)->click();
    f->bt_imprim_2->click();
    auto* catalogue = dynamic_cast<F_catalogue*>(fenêtre_chargée("F_catalogue"));
    ASSERT_NE(catalogue, nullptr);
    catalogue->bt_préparer->click();
    QApplication::processEvents();
    vérifie(*catalogue, "F_catalogue, catalogue préparé");
    capture(*catalogue, "F_catalogue_prepare");
    vérifie(*f, "fenêtre principale, catalogue préparé");
    capture(*f, "fenetre_principale_catalogue_prepare");
    // Each text row of the prepared catalogue is as tall as the text of its
    // styles, drawn at the screen's scale. Blank lines, breaks, spaces,
    // pictures and the legend stand as tall as they are on paper.
    const QAbstractItemModel& m = *f->vue_gg->model();
    const QStringList hauteurs_du_papier = {"5", "6", "7", "8", "9", "16"};
    for (int r = 0; r < m.rowCount(); ++r)
        for (int c = 0; c < m.columnCount(); ++c) {
            if (hauteurs_du_papier.contains(gg().TextMatrix(r + gg().FixedRows(), 1)))
                break;
            const QModelIndex i = m.index(r, c);
            const QVariant police = m.data(i, Qt::FontRole);
            if (police.isValid() && !m.data(i).toString().isEmpty() &&
                QFontMetrics(police.value<QFont>()).height() > f->vue_gg->rowHeight(r))
                défauts << QStringLiteral("grille du catalogue : texte de la ligne %1 coupé (%2)")
                               .arg(r + 1)
                               .arg(m.data(i).toString());
        }
    ASSERT_TRUE(catalogue->bt_aperçu->isEnabled());
    f_aperçu* aperçu = nullptr;
    int tours = 0;
    QTimer t;
    t.setInterval(5);
    QObject::connect(&t, &QTimer::timeout, [&] {
        if (!aperçu)
            aperçu = dynamic_cast<f_aperçu*>(fenêtre_chargée("f_aperçu"));
        if (aperçu && aperçu->en_attente()) {
            t.stop();
            vérifie(*aperçu, "f_aperçu", {"aperçu", "aperçu_zoom"});
            capture(*aperçu, "f_apercu");
            aperçu->bt_annuler->click();
        } else if (++tours > 4000) {
            t.stop();
            ADD_FAILURE() << "the preview did not start its run";
            if (aperçu)
                aperçu->close();
        }
    });
    t.start();
    catalogue->bt_aperçu->click();
    EXPECT_NE(aperçu, nullptr);
    EXPECT_TRUE(décharge_fenêtre("F_catalogue"));

    // The uninstallers, on the same screen.
    {
        sans_réponse réponses;
        sans_lancement lancements;
        delvorn::Form1 delvorn({dossier.path(), réponses, lancements});
        delvorn.show();
        vérifie(delvorn, "Delvorn");
        capture(delvorn, "delvorn");
        const auto question = désinstallation::boîtes_qt(QStringLiteral("Quastel"))
                                  .prépare(QStringLiteral("Etes-vous sûrs de vouloir désinstaller Trovane ?"),
                                           désinstallation::style_boîte::oui_non + désinstallation::style_boîte::question);
        question->show();
        vérifie(*question, "Quastel");
    }

    std::cout << "écran " << nom_écran.toStdString() << " : " << fenêtres_vues << " vues vérifiées, "
              << défauts.size() << " défauts" << std::endl;
    EXPECT_TRUE(défauts.isEmpty()) << défauts.join('\n').toStdString();
}

}  // namespace
