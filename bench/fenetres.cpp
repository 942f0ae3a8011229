// The clicks of a volunteer on a full association (5000 members, 3000 offers
// and requests, 10000 account lines), the main window on a 1920 x 1080
// screen: each mode button, and each of the work windows that fill lists of
// members or grids when they open. A click is timed until the events it
// posted (showing, laying out, painting) have been handled.
// Target: every click under 100 ms.
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "main_window/f_vesk.h"
#include "programme.h"
#include "support/jeu_essai.h"
#include "ui_common/fenetres.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

F_vesk* principale = nullptr;

void traite_événements()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void démarre(const QString& dossier)
{
    fixe_dossier_programme(dossier);
    enregistre_toutes_les_fenêtres();
    initialise_paramètres();
    remplit_association_essai(données, {5000, 3000, 10000, 491});
    enregistrer_fichier(QDir(dossier).filePath(QStringLiteral("trovane.sel")), false);
    données = données_sel{};
    principale = &démarre_trovane();
    if (affiche_grille)
        principale->menu(QStringLiteral("pas_affiche_grille"))->trigger();  // the grid shown
    traite_événements();
}

// A mode button clicked from another mode.
void mode(benchmark::State& état, int index)
{
    const int autre = index == 2 ? 0 : 2;
    for (auto _ : état) {
        état.PauseTiming();
        principale->op(autre)->click();
        traite_événements();
        état.ResumeTiming();
        principale->op(index)->click();
        traite_événements();
        état.PauseTiming();
        if (index == 5)
            décharge_fenêtre(noms_fenêtres::statistiques);
        traite_événements();
        état.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(mode, catalogue, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mode, adhérents, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mode, classification, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mode, échanges, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(mode, statistiques, 5)->Unit(benchmark::kMillisecond);

// An action button of a mode opens its window, closed again untimed.
void ouverture(benchmark::State& état, int index, QPushButton* F_vesk::*bouton, const QString& nom)
{
    for (auto _ : état) {
        état.PauseTiming();
        principale->op(index)->click();
        traite_événements();
        état.ResumeTiming();
        (principale->*bouton)->click();
        traite_événements();
        état.PauseTiming();
        if (!fenêtre_chargée(nom))
            état.SkipWithError("la fenêtre ne s'est pas ouverte");
        décharge_fenêtre(nom);
        traite_événements();
        état.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(ouverture, listes_et_etiquettes, 1, &F_vesk::bt_imprimer, noms_fenêtres::impression)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ouverture, releves, 0, &F_vesk::bt_imprimer, noms_fenêtres::relevés)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ouverture, etats_des_comptes, 4, &F_vesk::bt_imprimer, noms_fenêtres::états)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ouverture, catalogue, 0, &F_vesk::bt_imprim_2, noms_fenêtres::catalogue)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ouverture, fiche_adherent, 1, &F_vesk::Bt_appel_feuilles, noms_fenêtres::adhérents)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ouverture, offres_demandes, 0, &F_vesk::Bt_appel_feuilles, noms_fenêtres::base)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ouverture, operations, 4, &F_vesk::Bt_appel_feuilles, noms_fenêtres::compta)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // The offscreen platform says at each window what it cannot do.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& texte) {
        if (type != QtDebugMsg && !texte.startsWith(QLatin1String("This plugin does not support")))
            fprintf(stderr, "%s\n", qPrintable(texte));
    });
    // An offscreen screen of 1920 x 1080 unless another platform is asked for.
    QTemporaryDir dossier;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString config = dossier.filePath(QStringLiteral("ecran.json"));
        QFile f(config);
        if (f.open(QIODevice::WriteOnly))
            f.write(R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1920, "height": 1080,
                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovane"));
    QApplication::setOrganizationName(QStringLiteral("Trovane"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dossier.filePath(QStringLiteral("réglages")));
    const QString programme = dossier.filePath(QStringLiteral("programme"));
    QDir().mkpath(programme);
    démarre(programme);
    benchmark::AddCustomContext("écran", QStringLiteral("%1 x %2")
                                             .arg(principale->screen()->geometry().width())
                                             .arg(principale->screen()->geometry().height())
                                             .toStdString());
    benchmark::AddCustomContext("fenêtre principale", QStringLiteral("%1 x %2")
                                                          .arg(principale->width())
                                                          .arg(principale->height())
                                                          .toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    principale->close();
    traite_événements();
    return 0;
}
