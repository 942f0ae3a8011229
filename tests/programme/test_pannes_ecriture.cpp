// Every file the program writes, with each system call of its writing made
// to fail in turn (opening, each write, sync, close, naming, renaming, the
// folder's sync): every file it touches then holds what it held before or
// what a run without failure writes, whole, never a mixture nor a leftover;
// the user is told why; a data file and its balances file agree.
#include "accounts/reprise.h"
#include "data/dossiers.h"
#include "data_windows/archivage.h"
#include "data_windows/extraction.h"
#include "data/fichier_donnees.h"
#include "data/soldes.h"
#include "members/filtre.h"
#include "statistics/historique.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "support/pannes_fichiers.h"
#include "ui_common/export_grille.h"
#include "ui_common/grille.h"
#include "ui_common/principale.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace {

using contenu = std::optional<QByteArray>;  // nothing: no such file

class pannes_écriture : public essai_dossier {
protected:
    // An archiving here writes no statistics snapshot, whatever window a
    // test run before in this process registered.
    void SetUp() override
    {
        essai_dossier::SetUp();
        crochet_évolution = nullptr;
    }

    // Every file under P, by its path from P.
    QStringList fichiers() const
    {
        QStringList l;
        QDirIterator it(dossier.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            l << QDir(dossier.path()).relativeFilePath(it.next());
        return l;
    }

    contenu contenu_de(const QString& relatif) const
    {
        return QFileInfo(chemin(relatif)).isFile() ? contenu(lit(relatif)) : std::nullopt;
    }

    // Balances read over their own data file, as it is on disk, change
    // nothing: they agree with it or are refused.
    void vérifie_paire(const QString& sel)
    {
        const QString sld = nom_fichier_soldes(chemin(sel));
        if (!QFileInfo(sld).isFile())
            return;
        données = données_sel{};
        ASSERT_NO_THROW(lit_données(lit(sel), données));
        std::vector<std::tuple<monnaie, int16, int16, monnaie>> avant;
        pour_chaque_adhérent(données, [&](int, adhérent& a) { avant.emplace_back(a.der_solde, a.débits, a.crédits, a.volume); });
        lire_soldes(sld, chemin(sel));
        std::size_t i = 0;
        pour_chaque_adhérent(données, [&](int n, adhérent& a) {
            EXPECT_TRUE(avant[i++] == std::tuple(a.der_solde, a.débits, a.crédits, a.volume))
                << sel.toStdString() << " : les soldes de l'adhérent " << n << " ne sont pas les siens";
        });
    }

    // Runs opération once after prépare without failure, then once more
    // after prépare for each system call that run made, that call failing.
    void chaque_appel_échoue(const std::function<void()>& prépare, const std::function<void()>& opération,
                             const QStringList& cibles, const QStringList& paires = {})
    {
        prépare();
        std::map<QString, contenu> avant, après;
        for (const QString& c : cibles)
            avant[c] = contenu_de(c);
        const QStringList présents = fichiers();
        pannes_fichiers pannes;
        opération();
        bool changé = false;
        for (const QString& c : cibles) {
            après[c] = contenu_de(c);
            changé = changé || après[c] != avant[c];
        }
        ASSERT_TRUE(changé) << "rien n'a été écrit";
        std::array<int, nombre_appels_fichier> appels{};
        for (appel_fichier a : tous_les_appels_fichier)
            appels[static_cast<int>(a)] = pannes.appels(a);
        ASSERT_GT(appels[static_cast<int>(appel_fichier::écrit)], 0);

        int essais = 0;
        for (appel_fichier a : tous_les_appels_fichier) {
            for (int n = 1; n <= appels[static_cast<int>(a)]; ++n) {
                SCOPED_TRACE(QStringLiteral("%1 n° %2 en échec").arg(nom_appel(a)).arg(n).toStdString());
                ++essais;
                pannes.remet_à_zéro();  // prépare's own writes never fail
                prépare();
                boîtes.messages.clear();
                pannes.fait_échouer(a, n, EIO);
                opération();
                for (const QString& c : cibles) {
                    const contenu maintenant = contenu_de(c);
                    EXPECT_TRUE(maintenant == avant[c] || maintenant == après[c])
                        << c.toStdString() << " n'est ni l'ancien fichier ni le nouveau ("
                        << (maintenant ? maintenant->size() : -1) << " octets)";
                }
                // Every failed call is told, the last ones too, which come
                // once the new file already has its name.
                EXPECT_TRUE(boîtes.textes().join('\n').contains("Erreur d'entrée-sortie du disque"))
                    << "l'échec n'a pas été dit : " << boîtes.textes().join(" | ").toStdString();
                for (const QString& sel : paires)
                    vérifie_paire(sel);
                QStringList restes = fichiers();
                for (const QString& c : cibles + présents)
                    restes.removeAll(c);
                EXPECT_EQ(restes, QStringList{});
            }
        }
        EXPECT_GT(essais, 6);
    }

    // An association on the accounting station, saved as the default data
    // file with its balances file; the open data then differ from it.
    void association_ouverte()
    {
        // Every run starts from the same files: nothing of the run before stays.
        for (const QFileInfo& f :
             QDir(dossier.path()).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            f.isDir() ? QDir(f.filePath()).removeRecursively() : QFile::remove(f.filePath());
        données = données_sel{};
        initialise_paramètres();
        remplit_association_essai(données, {200, 150, 400, 40});
        poste_compta = true;
        fichier_courant = fichier_données_défaut();
        QDir().mkpath(chemin("repère"));
        QDir().mkpath(chemin("archives"));
        QDir().mkpath(chemin("etats"));
        ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
        adhérent& a = données.table_adhérents[données.table_adhérents[7].ordre];
        a.der_solde += monnaie::unités(25);
        ++a.crédits;
        données.nom_monnaie = QStringLiteral("grains changés");
    }
};

}  // namespace

TEST_F(pannes_écriture, fichier_de_données_et_fichier_des_soldes)
{
    // The balances file may be the only one that fails: it never disagrees
    // with the data file then.
    chaque_appel_échoue([&] { association_ouverte(); }, [&] { enregistrer_fichier(fichier_courant, false); },
                        {"trovane.sel", "trovane.sld"}, {"trovane.sel"});
}

TEST_F(pannes_écriture, point_de_reprise_posé_ou_rafraîchi_au_chargement)
{
    auto prépare = [&] {
        association_ouverte();
        écrit("repère/trovane.sel", "ancien point de reprise");
    };
    chaque_appel_échoue(prépare, [] { pose_point_repère(); }, {"repère/trovane.sel", "repère/trovane.sld"},
                        {"repère/trovane.sel"});
    chaque_appel_échoue(prépare, [] { ouvrir_fichier(fichier_données_défaut()); }, {"repère/trovane.sel"});
}

TEST_F(pannes_écriture, archivage)
{
    auto prépare = [&] {
        association_ouverte();
        écrit("repère/trovane.sel", "ancien point de reprise");
        boîtes.fichiers = {chemin("archives/arch3-2026.sel")};
    };
    chaque_appel_échoue(prépare, [] { archive_période(choix_archivage{}); },
                        {"repère/trovane.sel", "repère/trovane.sld", "archives/arch3-2026.sel",
                         "archives/arch3-2026.sld", "trovane.sel", "trovane.sld"},
                        {"trovane.sel", "repère/trovane.sel", "archives/arch3-2026.sel"});
}

TEST_F(pannes_écriture, extraction)
{
    auto prépare = [&] {
        association_ouverte();
        données_sel reçu = données;
        reçu.nom_monnaie = QStringLiteral("pommes");
        reçu.table_adhérents[reçu.table_adhérents[3].ordre].der_solde += monnaie::unités(9);
        écrit("reçu/autre.sel", écrit_données(reçu));
        fichier_à_extraire = chemin("reçu/autre.sel");
        écrit("repère/trovane.sel", "ancien point de reprise");
        boîtes.réponses = {rép_ok};
    };
    chaque_appel_échoue(prépare, [] { extrait_données({true, {}}); },
                        {"repère/trovane.sel", "repère/trovane.sld", "trovane.sel", "trovane.sld"},
                        {"trovane.sel", "repère/trovane.sel"});
}

TEST_F(pannes_écriture, sélection_enregistrée)
{
    filtre_adhérents f;
    f.ctt_solde_min = QStringLiteral("-100");
    f.ctt_solde_max = QStringLiteral("250,5");
    chaque_appel_échoue([&] { écrit("etats/soldes.eta", "ancienne sélection"); },
                        [&] { enregistre_etat(chemin("etats/soldes.eta"), f); }, {"etats/soldes.eta"});
}

TEST_F(pannes_écriture, historique_des_statistiques)
{
    auto prépare = [&] {
        association_ouverte();
        stat_trimestre ancien;
        ancien.trimestre = QStringLiteral(" 2025- 4°trim");
        ancien.nbr_adhérents = 12;
        écrit(nom_fichier_évolution, encode_trimestre(ancien));
    };
    chaque_appel_échoue(prépare, [] { enregistre_évolution(); }, {nom_fichier_évolution});
}

TEST_F(pannes_écriture, exports_en_texte_et_en_html)
{
    grille g;
    g.setRows(3);
    g.setCols(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            g.setTextMatrix(r, c, QStringLiteral("Sète %1.%2").arg(r).arg(c));
    chaque_appel_échoue(
        [&] {
            écrit("liste.txt", "ancienne liste");
            boîtes.fichiers = {chemin("liste.txt")};
        },
        [&] { enregistre_grille(g, "adhérents", 0); }, {"liste.txt"});
    chaque_appel_échoue(
        [&] {
            écrit("page.html", "ancienne page");
            boîtes.fichiers = {chemin("page.html")};
        },
        [&] { enregistre_html(grille_en_html(g, QStringLiteral("Adhérents"), 2, 2, {}, {}, -1)); }, {"page.html"});
}
