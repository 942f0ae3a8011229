#include "commun.h"

#include "data/dossiers.h"
#include "data/valeurs.h"
#include "support/jeu_essai.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <memory>

namespace {

class dialogues_fuzz : public service_dialogues {
public:
    std::uint8_t bits = 0;
    int restants = 0;

    int message(const QString&, int style, const QString&) override
    {
        const bool oui = restants > 0 && (bits & 1);
        bits >>= 1;
        --restants;
        switch (style & 7) {
        case style_boîte::ok_annuler: return oui ? rép_ok : rép_annuler;
        case style_boîte::réessayer_annuler: return rép_annuler;  // a retry would read the same bytes again
        case style_boîte::oui_non_annuler: return oui ? rép_oui : rép_annuler;
        case style_boîte::oui_non: return oui ? rép_oui : rép_non;
        case style_boîte::abandon_réessayer_ignorer: return rép_abandonner;
        default: return rép_ok;
        }
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString fichier_à_ouvrir(const QString&, const QString&, const QString&) override { return {}; }
    QString fichier_à_enregistrer(const QString&, const QString&, const QString&) override { return {}; }
    bool réglage_imprimante(QPrinter&) override { return false; }
};

dialogues_fuzz* service = nullptr;

}  // namespace

void prépare_fuzz()
{
    // Kept for the whole run; in memory when the machine offers it.
    static QTemporaryDir dossier(QDir(QStringLiteral("/dev/shm")).exists()
                                     ? QStringLiteral("/dev/shm/trovane-fuzz-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/trovane-fuzz-XXXXXX"));
    if (!dossier.isValid())
        échec("dossier temporaire");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dossier.path()));
    static int argc = 1;
    static char nom[] = "trovane-fuzz";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication application(argc, argv);
    // Fontconfig fills its caches at the first measure and keeps them: done
    // here, before the leak checks of the inputs.
    QFontMetricsF(QFont(QStringLiteral("Arial"), 10)).horizontalAdvance(QStringLiteral("Trovane"));
    fixe_dossier_programme(dossier.path());
    fixe_horloge(QDateTime(QDate(2026, 3, 14), QTime(10, 30, 0)));
    service = new dialogues_fuzz;
    installe_dialogues(service);
    QDir(dossier.path()).mkpath(QStringLiteral("repère"));
    QDir(dossier.path()).mkpath(QStringLiteral("etats"));
}

données_sel& association_de_départ()
{
    static données_sel d = [] {
        données_sel d;
        initialise_paramètres(d);
        remplit_association_essai(d, {25, 30, 40, 25});
        // Records outside the lists, which a load must leave alone.
        d.table_adhérents[40].identifiant = QStringLiteral("hors liste");
        d.table_adhérents[40].der_solde = monnaie::unités(12);
        d.table_propositions[45].désignation = QStringLiteral("hors liste");
        return d;
    }();
    return d;
}

void réponses(std::uint8_t bits)
{
    service->bits = bits;
    service->restants = 8;
}

QString dépose(const QString& nom, const QByteArray& octets)
{
    const QString chemin = chemin_programme(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
        échec("fichier d'essai non écrit");
    return chemin;
}

QByteArray octets_de(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void échec(const char* quoi)
{
    std::fprintf(stderr, "propriété violée : %s\n", quoi);
    std::abort();
}

namespace {

template <typename T>
bool mêmes(const std::vector<T>& a, const std::vector<T>& b)
{
    return a.size() == b.size() &&
           (std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0 || a == b);
}

template <typename T>
bool mêmes_octets(const std::vector<T>& a, const std::vector<T>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

// The five big tables of a model, set aside while the rest is compared or
// copied.
struct tables {
    std::vector<adhérent> a;
    std::vector<proposition> p;
    std::vector<ligne_de_compte> l;
    std::vector<int16> c;
    std::vector<QString> n;
    void échange(données_sel& x)
    {
        a.swap(x.table_adhérents);
        p.swap(x.table_propositions);
        l.swap(x.table_lignes_compte);
        c.swap(x.codes_classification);
        n.swap(x.noms_rubriques);
    }
};

}  // namespace

bool mêmes_données(données_sel& d, données_sel& référence)
{
    if (!mêmes(d.table_adhérents, référence.table_adhérents) ||
        !mêmes(d.table_propositions, référence.table_propositions) ||
        !mêmes(d.table_lignes_compte, référence.table_lignes_compte) ||
        !mêmes(d.codes_classification, référence.codes_classification) ||
        !mêmes(d.noms_rubriques, référence.noms_rubriques))
        return false;
    tables de_d, de_référence;
    de_d.échange(d);
    de_référence.échange(référence);
    const bool reste = d == référence;
    de_d.échange(d);
    de_référence.échange(référence);
    return reste;
}

void remet_données(données_sel& d, données_sel& référence)
{
    auto copie = [](auto& cible, const auto& source) {
        if (!mêmes_octets(cible, source))
            cible = source;
    };
    copie(d.table_adhérents, référence.table_adhérents);
    copie(d.table_propositions, référence.table_propositions);
    copie(d.table_lignes_compte, référence.table_lignes_compte);
    copie(d.codes_classification, référence.codes_classification);
    copie(d.noms_rubriques, référence.noms_rubriques);
    tables de_d, de_référence;
    de_d.échange(d);
    de_référence.échange(référence);
    d = référence;
    de_d.échange(d);
    de_référence.échange(référence);
}
