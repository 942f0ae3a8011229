#include "data/dossiers.h"
#include "data_windows/extraction.h"
#include "data_windows/options.h"
#include "data/fichier_donnees.h"
#include "data/fusion.h"
#include "data/reglages.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace quoi_extraire;

// The open data, worked on in a file of their own, and a file received from
// another station of the same period that differs in members, offers and
// currency name.
class extraction : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        QDir().mkpath(chemin("repère"));
        initialise_paramètres();
        remplit_association_essai(données, {6, 6, 6, 10});
        données.date_archivage = date_depuis(QDate(2025, 1, 1));
        autre = données;
        autre.table_adhérents[2].dte_enr += 1;
        autre.table_adhérents[2].ville = "Nantes";
        autre.table_propositions[3].date += 1;
        autre.table_propositions[3].désignation = "Vélo à prêter";
        autre.nom_monnaie = "pommes";
        écrit("reçu/autre.sel", écrit_données(autre));
        fichier_à_extraire = chemin("reçu/autre.sel");
        fichier_courant = chemin("travail/courant.sel");
        QDir().mkpath(chemin("travail"));
        ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
        ouvert = données;
        fichier_ouvert = lit("travail/courant.sel");
        branche_principale({[this](int i) { modes << i; }, [this](const QString& t) { titre = t; }, {}});
    }
    void TearDown() override
    {
        branche_principale({});
        essai_dossier::TearDown();
    }
    void données_inchangées()
    {
        EXPECT_TRUE(données == ouvert);
        EXPECT_EQ(fichier_courant, chemin("travail/courant.sel"));
        EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sel")));
        EXPECT_TRUE(modes.isEmpty());
    }

    données_sel autre, ouvert;
    QByteArray fichier_ouvert;
    QList<int> modes;
    QString titre;
};

}  // namespace

TEST_F(extraction, date_d_archive_d_un_fichier)
{
    EXPECT_EQ(get_date_archive(chemin("reçu/autre.sel")), date_depuis(QDate(2025, 1, 1)));
    EXPECT_EQ(get_date_archive(chemin("absent.sel")), 0);
    écrit("illisible.sel", "1\r\nmardi\r\n");
    EXPECT_EQ(get_date_archive(chemin("illisible.sel")), 0);
}

TEST_F(extraction, cases_selon_le_mode)
{
    // Same archive dates: merge; the members and accounts boxes greyed as they stand.
    cases_extraction c;
    c.cochée[offres] = true;
    choisit_mode_extraction(c, 1, true, true);
    EXPECT_EQ(c.cochée, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(c.active, (std::array<bool, 4>{false, true, false, true}));

    // Replace (or other dates): everything, the accounts only off the accounting station.
    cases_extraction r;
    choisit_mode_extraction(r, 0, true, true);
    EXPECT_EQ(r.cochée, (std::array<bool, 4>{true, true, false, true}));
    EXPECT_EQ(r.active, (std::array<bool, 4>{true, true, true, true}));
    cases_extraction d;
    choisit_mode_extraction(d, 1, false, false);
    EXPECT_EQ(d.cochée, (std::array<bool, 4>{true, true, true, true}));

    // Back to merge after replace: members and accounts unchecked and greyed
    // again, or the merge would replace every member and account line.
    choisit_mode_extraction(d, 1, true, false);
    EXPECT_EQ(d.cochée, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(d.active, (std::array<bool, 4>{false, true, false, true}));
}

TEST_F(extraction, remplacer_garde_le_repère_d_avant)
{
    boîtes.réponses = {rép_ok};
    ASSERT_TRUE(extrait_données({true, {}}));

    EXPECT_TRUE(boîtes.messages[0].texte.startsWith(
        "Trovane sauvegarde le fichier en cours dans le répertoire " + QDir::toNativeSeparators(chemin("repère"))));
    EXPECT_EQ(données.nom_monnaie, "pommes");
    EXPECT_EQ(données.table_adhérents[2].ville.trimmed(), "Nantes");
    // The restore point holds the data as they were, not the file received.
    EXPECT_EQ(lit("repère/trovane.sel"), fichier_ouvert);
    EXPECT_EQ(fichier_courant, fichier_données_défaut());
    EXPECT_EQ(lit("trovane.sel"), écrit_données(données));
    EXPECT_EQ(lit("travail/courant.sel"), fichier_ouvert);
    EXPECT_EQ(titre, "Trovane mise à jour" + fichier_données_défaut());
    EXPECT_EQ(modes, QList<int>{1});

    // The restore point brings the former data back.
    ASSERT_TRUE(ouvrir_fichier(fichier_repère()));
    EXPECT_TRUE(données == ouvert);
}

TEST_F(extraction, remplacer_par_une_archive_se_demande_d_abord)
{
    autre.type_fichier = "archive";
    écrit("reçu/autre.sel", écrit_données(autre));
    EXPECT_TRUE(est_fichier_archive(chemin("reçu/autre.sel")));
    EXPECT_FALSE(est_fichier_archive(chemin("travail/courant.sel")));
    EXPECT_FALSE(est_fichier_archive(chemin("absent.sel")));

    // Told plainly before anything is done; cancelled, nothing is.
    EXPECT_FALSE(extrait_données({true, {}}));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, question_remplacement_par_archive());
    EXPECT_TRUE(boîtes.messages[0].texte.contains("rien ne sera enregistré"));
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok_annuler | style_boîte::exclamation);
    EXPECT_FALSE(QFileInfo::exists(chemin("repère/trovane.sel")));
    données_inchangées();

    // Accepted: consulted as it is, and the restore point leads back.
    boîtes.messages.clear();
    boîtes.réponses = {rép_ok, rép_ok};
    ASSERT_TRUE(extrait_données({true, {}}));
    EXPECT_EQ(boîtes.textes()[1], question_extraction());
    EXPECT_EQ(données.type_fichier, "archive");
    EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sel")));
    EXPECT_EQ(lit("repère/trovane.sel"), fichier_ouvert);
}

TEST_F(extraction, fusionner_ne_prend_que_ce_qui_est_coché)
{
    choix_extraction choix;
    choix.quoi[offres] = true;
    boîtes.réponses = {rép_ok};
    ASSERT_TRUE(extrait_données(choix));

    EXPECT_EQ(données.table_propositions[3].désignation, "Vélo à prêter");
    EXPECT_EQ(données.table_adhérents[2].ville, ouvert.table_adhérents[2].ville);
    EXPECT_EQ(données.nom_monnaie, ouvert.nom_monnaie);
    EXPECT_EQ(lit("repère/trovane.sel"), fichier_ouvert);
    EXPECT_EQ(lit("trovane.sel"), écrit_données(données));
    EXPECT_EQ(titre, fichier_données_défaut() + "mis à jour");
    EXPECT_EQ(modes.back(), 1);
}

TEST_F(extraction, ce_qui_échoue_laisse_les_données_telles_qu_elles_étaient)
{
    // Cancelled at the question: not even the restore point.
    EXPECT_FALSE(extrait_données({true, {}}));
    EXPECT_EQ(boîtes.messages.back().style, style_boîte::ok_annuler | style_boîte::information);
    EXPECT_FALSE(QFileInfo::exists(chemin("repère/trovane.sel")));
    données_inchangées();

    const QString raté = "Aucune donnée n'a été extraite : les données en cours sont restées telles qu'elles étaient.";
    // A file that does not read, replaced.
    écrit("reçu/autre.sel", écrit_données(autre).left(900));
    boîtes.réponses = {rép_ok};
    EXPECT_FALSE(extrait_données({true, {}}));
    EXPECT_EQ(boîtes.textes().back(), raté);
    données_inchangées();

    // Another period, merged.
    autre.date_archivage += 1;
    écrit("reçu/autre.sel", écrit_données(autre));
    boîtes.réponses = {rép_ok};
    EXPECT_FALSE(extrait_données({false, {true, true, true, true}}));
    EXPECT_TRUE(boîtes.textes().contains(message_date_archivage_différente));
    EXPECT_EQ(boîtes.textes().back(), raté);
    données_inchangées();
}

TEST_F(extraction, sans_point_de_repère_rien_n_est_extrait)
{
    // The restore point cannot be written: a folder stands in its place.
    QDir().mkpath(chemin("repère/trovane.sel"));
    const QString refus = message_repère_non_enregistré("rien n'a été extrait");
    EXPECT_TRUE(refus.startsWith("Le point de repère "));
    EXPECT_TRUE(refus.endsWith(" n'a pas pu être enregistré : rien n'a été extrait, vos données n'ont pas changé."));
    for (const bool remplacer : {true, false}) {
        SCOPED_TRACE(remplacer);
        boîtes.messages.clear();
        boîtes.réponses = {rép_ok};  // the question; Retry is not offered again
        choix_extraction choix{remplacer, {}};
        choix.quoi[offres] = true;
        EXPECT_FALSE(extrait_données(choix));
        EXPECT_EQ(boîtes.textes().back(), refus);
        données_inchangées();
    }

    // Nothing may be written at all: no way back either.
    QDir(chemin("repère/trovane.sel")).removeRecursively();
    sans_enregistrement = true;
    boîtes.réponses = {rép_ok};
    EXPECT_FALSE(extrait_données({true, {}}));
    EXPECT_EQ(boîtes.textes().back(), refus);
    sans_enregistrement = false;
    données_inchangées();

    // An archive copy open for consultation is kept in the restore point too.
    données.type_fichier = "archive";
    ouvert = données;
    boîtes.réponses = {rép_ok};
    ASSERT_TRUE(extrait_données({true, {}}));
    EXPECT_EQ(lit("repère/trovane.sel"), écrit_données(ouvert));
}

TEST_F(extraction, le_poste_compta_est_enregistré_au_clic)
{
    choisit_poste_compta(true);
    EXPECT_TRUE(poste_compta);
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta"), "True");
    choisit_poste_compta(false);
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta"), "False");

    sans_enregistrement = true;
    choisit_poste_compta(true);
    EXPECT_TRUE(poste_compta);
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta"), "False");
}
