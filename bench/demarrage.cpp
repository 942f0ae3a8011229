// The program started on a full association (5000 members, 3000 offers and
// requests, 10000 account lines), as the user starts it: from the launch of
// the executable to its main window mapped on the X server (xvfb-run, xcb),
// the median of several launches. Beside each, in the same run, the launch
// of a plain Qt program that shows an empty main window: the reference.
// Each start reads the data file and writes its restore point and its
// start-up copy; the run checks that both are the file, byte for byte.
// Target: under 200 ms.
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "mesure.h"
#include "support/jeu_essai.h"
#include "ui_common/pages_aide.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int lancements = 7;
constexpr double cible_ms = 200;
constexpr int délai_ms = 10000;  // a start that maps nothing in so long failed

std::string moi;               // this benchmark's executable: the reference
std::vector<std::string> env;  // the started programs' environment
QTemporaryDir* dossier = nullptr;

// Milliseconds from the launch of the program to its first top-level window
// mapped; nothing when it maps none in time. The program is ended (by its
// own process id) once seen.
std::optional<double> lance(const std::vector<std::string>& arguments)
{
    // A server just started, or busy with other clients, may refuse a
    // connection for a moment.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    for (int essai = 0; xcb_connection_has_error(x) && essai < 20; ++essai) {
        xcb_disconnect(x);
        usleep(100000);
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        xcb_disconnect(x);
        fprintf(stderr, "bench_demarrage : pas de connexion au serveur X (%s)\n", qgetenv("DISPLAY").constData());
        return std::nullopt;
    }
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, racine, XCB_CW_EVENT_MASK, &masque);
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));  // in force from here on

    std::vector<char*> argv, envp;
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const std::string journal = QDir(dossier->path()).filePath(QStringLiteral("lancement.log")).toStdString();
    posix_spawn_file_actions_addopen(&actions, 2, journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    const int lancé = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (lancé != 0)
        fprintf(stderr, "bench_demarrage : %s n'a pas pu être lancé (%s)\n", argv[0], std::strerror(lancé));
    std::optional<double> ms;
    bool fini = false;
    int statut = 0;
    while (lancé == 0 && !ms && t.elapsed() < délai_ms) {
        xcb_generic_event_t* e = xcb_poll_for_event(x);
        if (!e) {
            if (waitpid(pid, &statut, WNOHANG) == pid) {
                fini = true;
                break;
            }
            if (xcb_connection_has_error(x))
                break;
            usleep(200);
            continue;
        }
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!m->override_redirect)  // not a menu or a tooltip
                ms = ms_depuis(t);
        }
        free(e);
    }
    if (lancé == 0 && !fini) {
        kill(pid, SIGTERM);
        while (waitpid(pid, &statut, 0) < 0 && errno == EINTR) {
        }
    }
    if (!ms) {
        QFile f(QString::fromStdString(journal));
        f.open(QIODevice::ReadOnly);
        fprintf(stderr, "%s : aucune fenêtre (%s, statut %d) :\n%s\n", arguments[0].c_str(),
                fini ? "sorti" : "délai passé", statut, f.readAll().constData());
    }
    xcb_disconnect(x);
    return ms;
}

QByteArray lit(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void démarrage(benchmark::State& état)
{
    const QString fichier = QDir(dossier->path()).filePath(QStringLiteral("programme/trovane.sel"));
    const QByteArray octets = lit(fichier);
    std::vector<double> mesures, références;
    for (auto _ : état) {
        const auto r = lance({moi, "--fenetre-vide"});
        QFile::remove(fichier_repère());
        QFile::remove(copie_départ());
        const auto m = lance({TROVANE_EXECUTABLE});
        if (!r || !m) {
            état.SkipWithError("aucune fenêtre montrée");
            break;
        }
        if (lit(fichier_repère()) != octets || lit(copie_départ()) != octets) {
            état.SkipWithError("le point de repère ou la copie de départ diffère du fichier");
            break;
        }
        références.push_back(*r);
        mesures.push_back(*m);
        état.SetIterationTime(*m / 1000);
    }
    compte_rapport(état, mesures, références, cible_ms);
    état.counters["octets"] = static_cast<double>(octets.size());
}
BENCHMARK(démarrage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(lancements);

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--fenetre-vide") {
        QApplication app(argc, argv);
        QMainWindow fenêtre;
        fenêtre.resize(800, 600);
        fenêtre.show();
        return app.exec();
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        fprintf(stderr, "bench_demarrage : il faut un serveur X (xvfb-run).\n");
        return 1;
    }
    QCoreApplication app(argc, argv);
    moi = QCoreApplication::applicationFilePath().toStdString();
    // TROVANE_BENCH_DOSSIER keeps the folder of the run, to start the
    // program by hand on the same association (under a profiler, say).
    const QString gardé = qEnvironmentVariable("TROVANE_BENCH_DOSSIER");
    QTemporaryDir d(gardé.isEmpty() ? QDir::tempPath() + QStringLiteral("/bench_demarrage-XXXXXX") : gardé);
    d.setAutoRemove(gardé.isEmpty());
    dossier = &d;
    const QString programme = d.filePath(QStringLiteral("programme"));
    QDir().mkpath(programme);
    fixe_dossier_programme(programme);
    initialise_paramètres();
    remplit_association_essai(données, {5000, 3000, 10000, 491});
    enregistrer_fichier(QDir(programme).filePath(QStringLiteral("trovane.sel")), false);
    // Not a first start: the program's folders, the help and its pictures
    // are in place.
    for (const char* sous : {"archives", "repère", "images", "photos", "etats"})
        QDir(programme).mkpath(QString::fromUtf8(sous));
    copie_aide(QFileInfo(QStringLiteral(TROVANE_EXECUTABLE)).absolutePath());
    for (char** e = environ; *e; ++e) {
        const std::string v(*e);
        if (v.rfind("TROVANE_HOME=", 0) && v.rfind("QT_QPA_PLATFORM=", 0) && v.rfind("XDG_CONFIG_HOME=", 0))
            env.push_back(v);
    }
    env.push_back("TROVANE_HOME=" + programme.toStdString());
    env.push_back("QT_QPA_PLATFORM=xcb");
    env.push_back("XDG_CONFIG_HOME=" + d.filePath(QStringLiteral("réglages")).toStdString());
    note_charge();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
