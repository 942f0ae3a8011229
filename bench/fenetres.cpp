// The clicks of a volunteer on a full association (5000 members, 3000 offers
// and requests, 10000 account lines): each mode button, and each work window
// that an action button opens. A click is timed as the user sees it: from
// the click to the end of the last paint it causes (shown, laid out, filled,
// painted and handed to the display), read on an X server (xvfb-run, xcb),
// the median of several clicks. Beside each click, in the same run, a plain
// QTableView of 10000 x 26 texts is filled and painted: the reference.
// Target: every click under 60 ms, under half the reference.
// TROVANE_BENCH_SANS_REFERENCE leaves the reference out (to profile the
// clicks alone); TROVANE_BENCH_TRACE lists the slow events of each click.
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/modele.h"
#include "main_window/f_vesk.h"
#include "mesure.h"
#include "programme.h"
#include "support/jeu_essai.h"
#include "ui_common/fenetres.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <memory>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif

namespace {

constexpr int clics = 7;          // clicks timed for each figure
constexpr double cible_ms = 60;   // every click under it
constexpr qint64 calme_ms = 150;  // nothing painted for so long: the click's work is done

// Counts the paints and keeps the end of the last one: the end of a widget's
// paint, of an update request (which paints the window and hands its
// picture to the display) or of an exposure.
class application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* o, QEvent* e) override
    {
        const qint64 début = horloge.nsecsElapsed();
        const bool r = QApplication::notify(o, e);
        switch (e->type()) {
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::Expose:
            ++peintures;
            fin_peinture = horloge.nsecsElapsed();
            break;
        default: break;
        }
        // TROVANE_BENCH_TRACE: every event of a click that took a millisecond
        // or more (or as many nanoseconds as the variable says, from 2 up),
        // to see where the time goes.
        static const bool trace = qEnvironmentVariableIsSet("TROVANE_BENCH_TRACE");
        static const qint64 seuil = [] {
            const int ns = qEnvironmentVariableIntValue("TROVANE_BENCH_TRACE");
            return ns > 1 ? ns : 1000000;
        }();
        if (trace && suivi && horloge.nsecsElapsed() - début > seuil)
            fprintf(stderr, "  %7.2f %6.2f ms  événement %d  %s %s\n", (début - départ_suivi) / 1e6,
                    (horloge.nsecsElapsed() - début) / 1e6, static_cast<int>(e->type()), o->metaObject()->className(),
                    qPrintable(o->objectName()));
        return r;
    }
    bool suivi = false;
    qint64 départ_suivi = 0;
    QElapsedTimer horloge;
    qint64 fin_peinture = 0;
    long peintures = 0;
};

application* app = nullptr;
F_vesk* principale = nullptr;

// Runs the events until nothing has been painted for calme_ms; the display
// is synced at each turn, so that its exposures and the answers to what was
// asked of it come in.
void attend_calme()
{
    QElapsedTimer silence;
    silence.start();
    long vues = app->peintures;
    while (silence.elapsed() < calme_ms) {
        QGuiApplication::sync();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (app->peintures != vues) {
            vues = app->peintures;
            silence.restart();
        } else {
            QThread::usleep(1000);
        }
    }
}

// What a click took: to the end of the last paint it caused, and to the
// return of its handler (the rest is the showing and painting).
struct durée_clic {
    double totale = 0, gestionnaire = 0;
};

// The click and what follows it, alone counted under
// valgrind --tool=callgrind --collect-atstart=no.
void suit_clic(const std::function<void()>& f, qint64& fin_gestionnaire)
{
#ifdef CALLGRIND_TOGGLE_COLLECT
    CALLGRIND_TOGGLE_COLLECT;
#endif
    app->suivi = true;
    app->départ_suivi = app->horloge.nsecsElapsed();
    f();
    fin_gestionnaire = app->horloge.nsecsElapsed();
    attend_calme();
    app->suivi = false;
#ifdef CALLGRIND_TOGGLE_COLLECT
    CALLGRIND_TOGGLE_COLLECT;
#endif
}

durée_clic clic(const std::function<void()>& f, bool suivi = false)
{
    attend_calme();
    const qint64 départ = app->horloge.nsecsElapsed();
    app->fin_peinture = départ;
    qint64 fin_gestionnaire = départ;
    if (suivi) {
        suit_clic(f, fin_gestionnaire);
    } else {
        f();
        fin_gestionnaire = app->horloge.nsecsElapsed();
        attend_calme();
    }
    return {static_cast<double>(std::max(app->fin_peinture, fin_gestionnaire) - départ) / 1e6,
            static_cast<double>(fin_gestionnaire - départ) / 1e6};
}

// The reference: a plain QTableView of 10000 x 26 texts, made, filled and
// shown at the main window's size.
double référence()
{
    std::unique_ptr<QStandardItemModel> modèle;
    std::unique_ptr<QTableView> vue;
    const double ms = clic([&] {
        modèle = std::make_unique<QStandardItemModel>(10000, 26);
        for (int r = 0; r < 10000; ++r)
            for (int c = 0; c < 26; ++c)
                modèle->setItem(r, c, new QStandardItem(QString::number(r * 26 + c)));
        vue = std::make_unique<QTableView>();
        vue->setModel(modèle.get());
        vue->resize(principale->size());
        vue->show();
    }).totale;
    vue.reset();
    modèle.reset();
    return ms;
}

void démarre(const QString& dossier)
{
    fixe_dossier_programme(dossier);
    QDir(dossier).mkpath(QStringLiteral("Aide"));  // not a first start: no help offered
    enregistre_toutes_les_fenêtres();
    initialise_paramètres();
    remplit_association_essai(données, {5000, 3000, 10000, 491});
    enregistrer_fichier(QDir(dossier).filePath(QStringLiteral("trovane.sel")), false);
    données = données_sel{};
    principale = &démarre_trovane();
    if (affiche_grille)
        principale->menu(QStringLiteral("pas_affiche_grille"))->trigger();  // the grid shown
    attend_calme();
}

// Clicks timed, each beside a reference; `prépare` and `range` run untimed
// before and after each click.
template <typename P, typename C, typename R>
void mesure(benchmark::State& état, P&& prépare, C&& clique, R&& range)
{
    std::vector<double> mesures, gestionnaires, références;
    static const bool sans_référence = qEnvironmentVariableIsSet("TROVANE_BENCH_SANS_REFERENCE");
    for (auto _ : état) {
        if (!sans_référence)
            références.push_back(référence());
        prépare();
        const durée_clic d = clic(clique, true);
        if (!range())
            état.SkipWithError("la fenêtre ne s'est pas ouverte");
        mesures.push_back(d.totale);
        gestionnaires.push_back(d.gestionnaire);
        état.SetIterationTime(d.totale / 1000);
    }
    compte_rapport(état, mesures, références, cible_ms);
    état.counters["gestionnaire"] = médiane(gestionnaires);
}

// A mode button clicked from another mode.
void mode(benchmark::State& état, int index)
{
    const int autre = index == 2 ? 0 : 2;
    mesure(
        état, [&] { clic([&] { principale->op(autre)->click(); }); },
        [&] { principale->op(index)->click(); },
        [&] {
            if (index == 5)
                clic([] { décharge_fenêtre(noms_fenêtres::statistiques); });
            return true;
        });
}

// An action button of a mode opens its window, closed again untimed.
void ouverture(benchmark::State& état, int index, QPushButton* F_vesk::*bouton, const QString& nom)
{
    mesure(
        état, [&] { clic([&] { principale->op(index)->click(); }); },
        [&] { (principale->*bouton)->click(); },
        [&] {
            const bool ouverte = fenêtre_chargée(nom) != nullptr;
            clic([&] { décharge_fenêtre(nom); });
            return ouverte;
        });
}

#define FIGURE(...) __VA_ARGS__->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(clics)
FIGURE(BENCHMARK_CAPTURE(mode, catalogue, 0));
FIGURE(BENCHMARK_CAPTURE(mode, adhérents, 1));
FIGURE(BENCHMARK_CAPTURE(mode, classification, 2));
FIGURE(BENCHMARK_CAPTURE(mode, échanges, 4));
FIGURE(BENCHMARK_CAPTURE(mode, statistiques, 5));
FIGURE(BENCHMARK_CAPTURE(ouverture, offres_demandes, 0, &F_vesk::Bt_appel_feuilles, noms_fenêtres::base));
FIGURE(BENCHMARK_CAPTURE(ouverture, releves, 0, &F_vesk::bt_imprimer, noms_fenêtres::relevés));
FIGURE(BENCHMARK_CAPTURE(ouverture, catalogue, 0, &F_vesk::bt_imprim_2, noms_fenêtres::catalogue));
FIGURE(BENCHMARK_CAPTURE(ouverture, fiche_adherent, 1, &F_vesk::Bt_appel_feuilles, noms_fenêtres::adhérents));
FIGURE(BENCHMARK_CAPTURE(ouverture, listes_et_etiquettes, 1, &F_vesk::bt_imprimer, noms_fenêtres::impression));
FIGURE(BENCHMARK_CAPTURE(ouverture, rubriques, 2, &F_vesk::Bt_appel_feuilles, noms_fenêtres::rubriques));
FIGURE(BENCHMARK_CAPTURE(ouverture, operations, 4, &F_vesk::Bt_appel_feuilles, noms_fenêtres::compta));
FIGURE(BENCHMARK_CAPTURE(ouverture, etats_des_comptes, 4, &F_vesk::bt_imprimer, noms_fenêtres::états));

// Every box answered with its safe button, and said nowhere: the full
// ledger's warning would otherwise fill the report.
class dialogues_muets : public service_dialogues {
public:
    int message(const QString&, int style, const QString&) override
    {
        switch (style & 7) {
        case style_boîte::ok_annuler:
        case style_boîte::oui_non_annuler:
        case style_boîte::réessayer_annuler: return rép_annuler;
        case style_boîte::oui_non: return rép_non;
        case style_boîte::abandon_réessayer_ignorer: return rép_abandonner;
        default: return rép_ok;
        }
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override { return {}; }
    QString fichier_à_ouvrir(const QString&, const QString&, const QString&) override { return {}; }
    QString fichier_à_enregistrer(const QString&, const QString&, const QString&) override { return {}; }
    bool réglage_imprimante(QPrinter&) override { return false; }
};

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& texte) {
        if (type != QtDebugMsg && !texte.startsWith(QLatin1String("This plugin does not support")))
            fprintf(stderr, "%s\n", qPrintable(texte));
    });
    // Without a display, an offscreen screen of 1600 x 900: its figures
    // leave out what the display costs.
    QTemporaryDir dossier;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "xcb");
        } else {
            const QString config = dossier.filePath(QStringLiteral("ecran.json"));
            QFile f(config);
            if (f.open(QIODevice::WriteOnly))
                f.write(R"({"screens": [{"name": "ecran", "x": 0, "y": 0, "width": 1600, "height": 900,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            f.close();
            qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        }
    }
    QStandardPaths::setTestModeEnabled(true);
    application a(argc, argv);
    app = &a;
    a.horloge.start();
    QApplication::setApplicationName(QStringLiteral("Trovane"));
    QApplication::setOrganizationName(QStringLiteral("Trovane"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dossier.filePath(QStringLiteral("réglages")));
    dialogues_muets muets;
    installe_dialogues(&muets);
    const QString programme = dossier.filePath(QStringLiteral("programme"));
    QDir().mkpath(programme);
    démarre(programme);
    note_charge();
    benchmark::AddCustomContext("plateforme", QGuiApplication::platformName().toStdString());
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
    attend_calme();
    installe_dialogues(nullptr);
    return 0;
}
