// Writes the seed corpus of every fuzz target, made from the test
// association: graines <folder> gives <folder>/<target>/<seed>.
#include "commun.h"

#include "data/cp1252.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/soldes.h"
#include "ui_common/vues_tables.h"
#include "members/filtre.h"
#include "statistics/historique.h"
#include "ui_common/grille.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

QString racine;

void graine(const char* cible, const QString& nom, const QByteArray& octets)
{
    const QString dossier = QDir(racine).filePath(QString::fromUtf8(cible));
    QDir().mkpath(dossier);
    QFile f(QDir(dossier).filePath(nom));
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        échec("graine non écrite");
}

QByteArray soldes_de(const données_sel& d)
{
    const données_sel gardées = données;
    données = d;
    const QString chemin = chemin_programme(QStringLiteral("graine.sld"));
    QFile::remove(chemin);
    if (!enregistrer_soldes(chemin))
        échec("soldes non écrits");
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    données = gardées;
    return f.readAll();
}

// The grid's rows from column 1 on, as the import reads them.
QByteArray texte_de(const grille& g)
{
    QString t;
    for (int r = 0; r < g.Rows(); ++r) {
        QStringList cellules;
        for (int c = 1; c < g.Cols(); ++c)
            cellules << g.TextMatrix(r, c);
        t += cellules.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return vers_cp1252(t);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage : graines <dossier>\n");
        return 2;
    }
    prépare_fuzz();
    racine = QString::fromLocal8Bit(argv[1]);
    const données_sel& d = association_de_départ();

    // Data files: the association, new defaults, the association as an
    // editor saves it in UTF-8, and one that ends after its offers.
    const QByteArray fichier = écrit_données(d);
    graine("fichier_donnees", "association.sel", fichier);
    données_sel défauts;
    initialise_paramètres(défauts);
    graine("fichier_donnees", "defauts.sel", écrit_données(défauts));
    graine("fichier_donnees", "utf8.sel", depuis_cp1252(fichier).toUtf8());
    QList<QByteArray> lignes = fichier.split('\n');
    graine("fichier_donnees", "sans_fin.sel", lignes.mid(0, lignes.size() - 14).join('\n') + '\n');

    // Balances files, after the byte of answers.
    graine("soldes", "association.sld", "\xff" + soldes_de(d));
    graine("soldes", "vide.sld", QByteArray("\xff" "0\r\n"));

    // Saved selections: the two the program ships, and written ones.
    for (const char* nom : {"adultes.eta", "enfants.eta"}) {
        QFile f(QStringLiteral(TROVANE_AIDE) + QLatin1Char('/') + QString::fromUtf8(nom));
        if (f.open(QIODevice::ReadOnly))
            graine("selection", QString::fromUtf8(nom), f.readAll());
    }
    filtre_adhérents f;
    graine("selection", "vide.eta", texte_fichier_état(f));
    f.clefs_filtre[0] = f.clefs_filtre[5] = -1;
    f.positions[0] = 1;
    f.positions[1] = 2;
    f.ctt_date_cot_dep = QStringLiteral("01/01/2025");
    f.ctt_date_cot_fin = QStringLiteral("31/12/2025");
    f.ctt_solde_min = QStringLiteral("-50");
    f.ctt_volume_max = QStringLiteral("1000,5");
    graine("selection", "choisie.eta", texte_fichier_état(f));

    // Statistics history: three quarters.
    QByteArray historique;
    for (int trimestre = 1; trimestre <= 3; ++trimestre) {
        stat_trimestre s;
        s.trimestre = QStringLiteral(" 2025- %1°trim").arg(trimestre);
        s.nbr_adhérents = static_cast<int16>(20 + trimestre);
        s.nbr_offres = 30;
        s.nbr_par_genre = {10, 12, 8, 0, 0};
        s.nbr_opérations = static_cast<int16>(5 * trimestre);
        s.volume = 400 * trimestre;
        s.date_relevé = date_depuis(QDate(2025, 3 * trimestre, 28));
        historique += encode_trimestre(s);
    }
    graine("historique", "trois_trimestres.dat", historique);

    // Tab-separated tables in the coded layout: table, answers, then the text.
    données = d;
    grille g;
    affiche_offres_demandes(g, false);
    graine("import", "offres.txt", QByteArray("\x00\xff", 2) + texte_de(g));
    affiche_adhérents(g, false);
    graine("import", "adherents.txt", QByteArray("\x01\xff", 2) + texte_de(g));
    affiche_rubriques(g);
    graine("import", "rubriques.txt", QByteArray("\x02\xff", 2) + texte_de(g));
    return 0;
}
