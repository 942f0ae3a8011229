#include "accounts/enregistrement.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "main_window/f_vesk.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "support/pannes_fichiers.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/principale.h"

#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryFile>
#include <map>

namespace {

class fenêtre_principale_essai : public essai_dossier {
protected:
    void TearDown() override
    {
        if (f)
            f->close();
        QApplication::processEvents();
        essai_dossier::TearDown();
    }
    F_vesk& démarre(const QString& ligne = {})
    {
        f = &démarre_trovane(ligne);
        return *f;
    }
    // A data file with every table filled, as P/trovane.sel.
    QByteArray association_par_défaut(const QString& mode = QStringLiteral("base"))
    {
        initialise_paramètres();
        remplit_association_essai(données);
        données.mode_grille = mode;
        enregistrer_fichier(chemin("trovane.sel"), false);
        const QByteArray octets = lit("trovane.sel");
        données = données_sel{};
        return octets;
    }
    QStringList fichiers() const
    {
        QStringList l;
        QDirIterator it(dossier.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            l << QDir(dossier.path()).relativeFilePath(it.next());
        l.sort();
        return l;
    }
    QPointer<F_vesk> f;
};

}  // namespace

TEST_F(fenêtre_principale_essai, premier_démarrage_dans_un_dossier_vide)
{
    boîtes.réponses = {rép_non};  // no help now
    démarre();
    for (const char* d : {"archives", "repère", "images", "photos", "etats", "Aide/français", "Aide/anglais",
                          "Aide/images"})
        EXPECT_TRUE(QFileInfo(chemin(QString::fromUtf8(d))).isDir()) << d;
    EXPECT_EQ(fichier_courant, fichier_données_défaut());
    EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sel")));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "Voulez-vous consulter l'aide [Commencer avec Trovane] maintenant ?");
    EXPECT_EQ(f->windowTitle(), "Trovane");
    // No mode yet: the home picture, no buttons; the first mode chosen
    // shows its table in the picture's place.
    for (QPushButton* b : {f->Bt_appel_feuilles, f->bt_imprimer, f->bt_imprim_2})
        EXPECT_TRUE(b->isHidden());
    EXPECT_TRUE(f->Image1->isVisible());
    f->op(1)->click();
    EXPECT_TRUE(gg().Visible());
    EXPECT_FALSE(f->Image1->isVisible());
    EXPECT_EQ(gg().Cols(), 26);
    // No stray test file is left in the folder.
    for (const QString& nom : QDir(dossier.path()).entryList(QDir::Files))
        EXPECT_FALSE(nom.startsWith("trovane_essai")) << nom.toStdString();

    f->close();
    QApplication::processEvents();
    EXPECT_EQ(réglages::lit("sel", "aff_grille"), "False");
    EXPECT_EQ(réglages::lit("sel", "graph"), "False");
    EXPECT_EQ(réglages::lit("sel", "img"), "False");
    EXPECT_EQ(réglages::lit("répertoires", "langue"), "français");

    // The next start asks nothing.
    boîtes.messages.clear();
    démarre();
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fenêtre_principale_essai, démarrage_avec_le_fichier_par_défaut)
{
    const QByteArray octets = association_par_défaut(QStringLiteral("adhérents"));
    écrit("archives/trovane.sel", "ancienne copie");
    QDir().mkpath(chemin("Aide"));
    // Temporary files left by a run killed while saving, whatever it saved,
    // go; files that only look like them stay.
    const QStringList restes = {".trovane.sel.~k3x9a", ".copie.sel.~1z141z3", "archives/.arch3-2026.sel.~0",
                                "etats/.soldes.eta.~q7"};
    const QStringList pareils = {".trovane.sel.~K3X9A", "trovane.sel.~k3x9a", "archives/.notes.~12345678"};
    for (const QString& nom : restes + pareils)
        écrit(nom, "reste");
    démarre();
    for (const QString& nom : restes)
        EXPECT_FALSE(QFileInfo::exists(chemin(nom))) << nom.toStdString();
    for (const QString& nom : pareils)
        EXPECT_TRUE(QFileInfo::exists(chemin(nom))) << nom.toStdString();
    EXPECT_EQ(lit("archives/trovane.sel"), octets);
    EXPECT_EQ(lit("repère/trovane.sel"), octets);
    EXPECT_EQ(données.nombre_adhérents, 40);
    EXPECT_EQ(f->windowTitle(), "Trovane " + fichier_données_défaut());
    // The loaded mode is the one shown chosen, with its buttons and its table.
    EXPECT_EQ(f->bt_imprimer->text(), "Listes, Publipostage...");
    for (int i : {0, 1, 2, 4, 5})
        EXPECT_EQ(f->op(i)->isChecked(), i == 1) << i;
    EXPECT_EQ(gg().Rows(), 41);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fenêtre_principale_essai, fichier_par_défaut_illisible)
{
    écrit("trovane.sel", "1\r\n#00:00:00#\r\n\"normal\"\r\nabîmé\r\n");
    QDir().mkpath(chemin("Aide"));
    démarre();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(suite_erreur_lecture));
    // Nothing is saved over the unreadable file until the user chooses one.
    EXPECT_TRUE(fichier_courant.isEmpty());
    EXPECT_TRUE(f->windowTitle().contains("n'a pas pu être lu"));
    enregistrer_fichier(fichier_courant, false);
    EXPECT_EQ(lit("trovane.sel"), QByteArray("1\r\n#00:00:00#\r\n\"normal\"\r\nabîmé\r\n"));
    // A damaged file is no start-up copy.
    EXPECT_FALSE(QFileInfo::exists(chemin("archives/trovane.sel")));
}

TEST_F(fenêtre_principale_essai, démarrage_abîmé_garde_la_copie_du_dernier_bon_et_dit_comment_la_reprendre)
{
    const QByteArray bon = association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();
    f->close();
    QApplication::processEvents();
    ASSERT_EQ(lit("archives/trovane.sel"), bon);

    // The file is damaged between two runs.
    const QByteArray abîmé = bon.left(bon.size() / 2);
    écrit("trovane.sel", abîmé);
    données = données_sel{};
    démarre();
    EXPECT_EQ(lit("archives/trovane.sel"), bon);
    EXPECT_EQ(lit("repère/trovane.sel"), bon);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(suite_erreur_démarrage));
    EXPECT_TRUE(boîtes.messages[0].texte.contains("« Récupérer un fichier de sauvegarde » dans le menu Fichier"));

    // A second start on the same damage keeps it too.
    f->close();
    QApplication::processEvents();
    boîtes.messages.clear();
    démarre();
    EXPECT_EQ(lit("archives/trovane.sel"), bon);

    // The item named brings the data back, and the next save mends the file.
    boîtes.fichiers = {chemin("archives/trovane.sel")};
    f->récup_Click();
    EXPECT_EQ(données.nombre_adhérents, 40);
    EXPECT_EQ(fichier_courant, fichier_données_défaut());
    f->enregistrer_click();
    EXPECT_EQ(lit("trovane.sel"), bon);
}

TEST_F(fenêtre_principale_essai, une_copie_de_démarrage_non_écrite_est_dite_et_rien_n_est_restauré)
{
    const QByteArray bon = association_par_défaut();
    écrit("archives/trovane.sel", "ancienne copie");
    QDir().mkpath(chemin("Aide"));
    {
        // The restore point is written first, then the start-up copy.
        pannes_fichiers pannes;
        pannes.fait_échouer(appel_fichier::synchronise, 2, EIO);
        démarre();
    }
    EXPECT_EQ(lit("repère/trovane.sel"), bon);
    EXPECT_EQ(lit("archives/trovane.sel"), "ancienne copie");
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("la copie du fichier au démarrage"));

    // "Restaurer" would bring an earlier start back: refused, nothing changed.
    boîtes.messages.clear();
    données.nom_monnaie = "Changé";
    f->restaure_Click();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("Il n'est pas restauré"));
    EXPECT_EQ(données.nom_monnaie, "Changé");
    EXPECT_EQ(lit("trovane.sel"), bon);

    // The next start has its copy, and restores it.
    f->close();
    QApplication::processEvents();
    boîtes.messages.clear();
    données = données_sel{};
    démarre();
    EXPECT_EQ(lit("archives/trovane.sel"), bon);
    données.nom_monnaie = "Changé";
    f->restaure_Click();
    EXPECT_NE(données.nom_monnaie, "Changé");
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fenêtre_principale_essai, dossier_en_lecture_seule)
{
    // Told once at start-up, and again by every save asked for, whatever the
    // menu item; nothing is written, not even the settings at exit.
    auto démarre_sans_écriture = [&] {
        boîtes.messages.clear();
        démarre();
        EXPECT_TRUE(sans_enregistrement);
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(boîtes.messages[0].texte.contains("rien de ce que vous ferez ne sera enregistré"));
        EXPECT_TRUE(f->windowTitle().contains("rien ne sera enregistré"));
        boîtes.messages.clear();
        données.nom_monnaie = "coquillages";
        f->enregistrer_click();
        f->enr_rep_Click();
        f->enregistrer_sous_Click();
        EXPECT_EQ(boîtes.textes(), QStringList(3, "Rien n'a été enregistré : le dossier du programme n'accepte "
                                                  "aucune écriture."));
        f->close();
        QApplication::processEvents();
        EXPECT_FALSE(QFileInfo::exists(réglages::chemin()));
    };

    // A program folder on a disk that refuses every new file: its data are
    // consulted all the same.
    const QByteArray octets = association_par_défaut();
    écrit("archives/trovane.sel", "copie d'avant");
    QDir().mkpath(chemin("Aide"));
    {
        pannes_fichiers pannes;
        pannes.lecture_seule(true);
        démarre_sans_écriture();
        EXPECT_EQ(données.nombre_adhérents, 40);
    }
    EXPECT_EQ(lit("trovane.sel"), octets);
    EXPECT_EQ(lit("archives/trovane.sel"), "copie d'avant");
    EXPECT_FALSE(QFileInfo::exists(chemin("repère/trovane.sel")));

    // A folder that refuses writing indeed: even root cannot create a file there.
    const QString protégé = QStringLiteral("/sys/kernel");
    if (QTemporaryFile(protégé + "/essai_XXXXXX").open())
        GTEST_SKIP() << "no folder refuses writing here";
    fixe_dossier_programme(protégé);
    démarre_sans_écriture();
}

TEST_F(fenêtre_principale_essai, boutons_de_chaque_mode)
{
    association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();
    ASSERT_FALSE(affiche_grille);

    f->op(0)->click();
    EXPECT_EQ(données.mode_grille, "base");
    EXPECT_EQ(f->Bt_appel_feuilles->text(), "Ajouter/ Modifier Supprimer");
    EXPECT_EQ(f->bt_imprimer->text(), "Relevés individuels");
    EXPECT_EQ(f->bt_imprim_2->text(), "Catalogue et additif");
    EXPECT_EQ(gg().Rows(), 61);
    EXPECT_EQ(gg().forme(), forme_grille::décodée);

    f->op(1)->click();
    EXPECT_EQ(données.mode_grille, "adhérents");
    EXPECT_EQ(f->bt_imprimer->text(), "Listes, Publipostage...");
    EXPECT_EQ(f->bt_imprim_2->text(), "Relevés individuels");
    EXPECT_EQ(gg().Cols(), 26);
    QCollator français(QLocale(QLocale::French, QLocale::France));
    français.setCaseSensitivity(Qt::CaseInsensitive);
    for (int r = 2; r < gg().Rows(); ++r)
        EXPECT_LE(français.compare(gg().TextMatrix(r - 1, 2), gg().TextMatrix(r, 2)), 0) << r;

    f->op(2)->click();
    EXPECT_EQ(f->Bt_appel_feuilles->text(), "Ajouter/ Modifier  Supprimer");
    EXPECT_TRUE(f->bt_imprimer->isHidden());
    EXPECT_TRUE(f->bt_imprim_2->isHidden());

    f->op(4)->click();
    EXPECT_EQ(données.mode_grille, "comptes");
    EXPECT_EQ(f->Bt_appel_feuilles->text(), "Opérations");
    EXPECT_EQ(f->bt_imprimer->text(), "Etats des comptes");
    EXPECT_FALSE(f->bt_imprimer->isHidden());
    EXPECT_EQ(gg().Rows(), 19);  // the 18 newest lines

    f->op(5)->click();
    EXPECT_EQ(données.mode_grille, "stats");
    EXPECT_TRUE(f->Bt_appel_feuilles->isHidden());
    EXPECT_TRUE(f->bt_imprimer->isHidden());
    EXPECT_TRUE(f->bt_imprim_2->isHidden());
    EXPECT_EQ(gg().Rows(), 19);  // left as it was

    // Grid hidden: a mode click changes the mode, not the grid.
    f->menu("pas_affiche_grille")->trigger();
    f->op(2)->click();
    EXPECT_EQ(données.mode_grille, "rubriques");
    EXPECT_EQ(gg().Rows(), 19);
    EXPECT_FALSE(gg().Visible());
}

// The mode button chosen, the action buttons beside it and the table in the
// grid tell the same mode, whatever brought it: a start, a file opened, a
// window closing, the grid hidden or shown again.
TEST_F(fenêtre_principale_essai, le_mode_choisi_ses_boutons_et_sa_grille_s_accordent)
{
    const auto accord = [&](const char* où) {
        SCOPED_TRACE(où);
        const QString mode = données.mode_grille;
        const std::map<QString, std::pair<int, int>> montrés = {
            {"base", {0, 11}}, {"adhérents", {1, 26}}, {"rubriques", {2, 4}}, {"comptes", {4, 15}}};
        const auto m = montrés.find(mode);
        for (int i : {0, 1, 2, 4, 5})
            EXPECT_EQ(f->op(i)->isChecked(), m != montrés.end() && m->second.first == i) << i;
        const boutons_mode b = boutons_pour_mode(mode);
        const bool choisi = m != montrés.end();
        EXPECT_EQ(!f->Bt_appel_feuilles->isHidden(), choisi && b.appel_visible);
        EXPECT_EQ(!f->bt_imprimer->isHidden(), choisi && b.imprimer_visible);
        if (choisi && b.appel_visible)
            EXPECT_EQ(f->Bt_appel_feuilles->text(), b.appel_feuilles);
        if (choisi && gg().Visible())
            EXPECT_EQ(gg().Cols(), m->second.second);
    };
    association_par_défaut(QStringLiteral("adhérents"));
    QDir().mkpath(chemin("Aide"));
    démarre();
    accord("au démarrage");

    // Another file, kept in the accounts mode.
    initialise_paramètres();
    remplit_association_essai(données);
    données.mode_grille = QStringLiteral("comptes");
    enregistrer_fichier(chemin("comptes.sel"), false);
    boîtes.fichiers = {chemin("comptes.sel")};
    f->ouvrir_la_base_Click();
    accord("fichier ouvert");

    // The statistics window gives the members back as it closes.
    f->op(5)->click();
    clique_op(1);
    accord("statistiques fermées");

    // A file kept while the statistics were shown: no mode, no buttons.
    données.mode_grille = QStringLiteral("stats");
    enregistrer_fichier(chemin("stats.sel"), false);
    boîtes.fichiers = {chemin("stats.sel")};
    f->ouvrir_la_base_Click();
    accord("fichier des statistiques");
    EXPECT_TRUE(f->bt_imprim_2->isHidden());

    // Grid hidden by the user: the mode still shows chosen beside the
    // picture, and the grid shown again holds its table.
    f->close();
    QApplication::processEvents();
    réglages::écrit_booléen("sel", "aff_grille", true);
    association_par_défaut(QStringLiteral("comptes"));
    démarre();
    EXPECT_FALSE(gg().Visible());
    accord("grille cachée");
    f->menu("pas_affiche_grille")->trigger();
    EXPECT_TRUE(gg().Visible());
    accord("grille remontrée");
    EXPECT_EQ(gg().Rows(), 19);
}

TEST_F(fenêtre_principale_essai, table_des_actions)
{
    using b = bouton_action;
    EXPECT_EQ(action_pour("base", b::appel_feuilles).fenêtre, "f_base");
    EXPECT_EQ(action_pour("base", b::imprimer).fenêtre, "f_relevés_comptes");
    EXPECT_TRUE(action_pour("base", b::imprim_2).passe_en_catalogue);
    EXPECT_EQ(action_pour("adhérents", b::appel_feuilles).fenêtre, "f_adhérents");
    EXPECT_EQ(action_pour("adhérents", b::imprimer).fenêtre, "f_impression");
    EXPECT_EQ(action_pour("adhérents", b::imprim_2).fenêtre, "f_relevés_comptes");
    EXPECT_TRUE(action_pour("rubriques", b::appel_feuilles).contrôle_archive);
    EXPECT_TRUE(action_pour("rubriques", b::imprimer).fenêtre.isEmpty());
    EXPECT_EQ(action_pour("comptes", b::appel_feuilles).fenêtre, "f_compta");
    EXPECT_TRUE(action_pour("comptes", b::appel_feuilles).contrôle_archive);
    EXPECT_EQ(action_pour("comptes", b::imprimer).fenêtre, "f_états_comptes");
    const action_bouton c = action_pour("catalogue", b::appel_feuilles);
    EXPECT_TRUE(c.ferme_catalogue);
    EXPECT_EQ(c.fenêtre, "f_base");
    EXPECT_TRUE(action_pour("catalogue", b::imprim_2).maximise);
    for (auto bouton : {b::appel_feuilles, b::imprimer, b::imprim_2}) {
        EXPECT_TRUE(action_pour("", bouton).fenêtre.isEmpty());
        EXPECT_TRUE(action_pour("stats", bouton).fenêtre.isEmpty());
    }
}

TEST_F(fenêtre_principale_essai, archive_refuse_les_opérations)
{
    initialise_paramètres();
    données.type_fichier = "archive";
    données.mode_grille = "comptes";
    enregistrer_fichier(chemin("trovane.sel"), true);
    données = données_sel{};
    QDir().mkpath(chemin("Aide"));
    bool ouverte = false;
    enregistre_fenêtre(noms_fenêtres::compta, [&]() -> fenêtre_programme* {
        ouverte = true;
        return nullptr;
    });
    démarre();
    boîtes.messages.clear();
    f->Bt_appel_feuilles_Click();
    EXPECT_EQ(boîtes.textes(), QStringList{"Vous ne pouvez pas modifier un fichier d'archive"});
    EXPECT_FALSE(ouverte);
}

TEST_F(fenêtre_principale_essai, clic_sur_la_grille_choisit_l_adhérent)
{
    association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();
    f->op(1)->click();
    gg().setRow(3);
    f->gg_MouseDown(1);
    EXPECT_EQ(adhérent_courant, gg().TextMatrix(3, 1).toInt());
    gg().setRow(0);
    f->gg_MouseDown(1);
    EXPECT_EQ(adhérent_courant, 0);
    f->op(0)->click();
    gg().setRow(5);
    f->gg_MouseDown(1);
    EXPECT_EQ(adhérent_courant, gg().TextMatrix(5, 9).toInt());
}

TEST_F(fenêtre_principale_essai, menu_fichier)
{
    const QByteArray original = association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();

    // Cancelled dialogs change nothing.
    const données_sel avant = données;
    f->ouvrir_la_base_Click();
    f->enregistrer_sous_Click();
    f->récup_Click();
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(fichier_courant, fichier_données_défaut());
    EXPECT_EQ(f->windowTitle(), "Trovane " + fichier_données_défaut());

    // Save as: later saves go to the new path.
    boîtes.fichiers = {chemin("copie")};
    f->enregistrer_sous_Click();
    EXPECT_EQ(fichier_courant, chemin("copie.sel"));
    EXPECT_EQ(f->windowTitle(), "Trovane " + chemin("copie.sel"));
    EXPECT_EQ(boîtes.messages.back().texte,
              "Attention, si vous continuez à travailler  maintenant, les modifications s'enregistreront dans le "
              "fichier " +
                  chemin("copie.sel"));
    données.nom_monnaie = "coquillages";
    f->enregistrer_click();
    EXPECT_EQ(lit("trovane.sel"), original);
    EXPECT_TRUE(lit("copie.sel").contains("coquillages"));

    // Another file than the default one: no restore point, no going back.
    boîtes.messages.clear();
    f->enr_rep_Click();
    EXPECT_EQ(boîtes.textes(), QStringList{" Cette fonction n'est accessible qu'avec l'enregistrement par défaut"});
    f->fichier_Click();
    EXPECT_FALSE(f->menu("restaure")->isEnabled());

    // A failed open leaves the current file and the caption alone.
    écrit("abîmé.sel", "n'importe quoi");
    boîtes.fichiers = {chemin("abîmé.sel")};
    f->ouvrir_la_base_Click();
    EXPECT_EQ(fichier_courant, chemin("copie.sel"));
    EXPECT_EQ(f->windowTitle(), "Trovane " + chemin("copie.sel"));

    // Open the default file again: what was last recorded can no longer be undone.
    saisie_échange s;
    s.débité = données.table_adhérents[1].ordre;
    s.crédité = données.table_adhérents[2].ordre;
    s.montant = QStringLiteral("5");
    s.date_opération = date_depuis(aujourdhui());
    s.prélèvement.sans_prélèvement = true;
    ASSERT_TRUE(enregistre_échange(s));
    ASSERT_FALSE(journal_écritures().empty());
    boîtes.fichiers = {chemin("trovane.sel")};
    f->ouvrir_la_base_Click();
    EXPECT_EQ(fichier_courant, chemin("trovane.sel"));
    EXPECT_TRUE(journal_écritures().empty());
    f->fichier_Click();
    EXPECT_TRUE(f->menu("restaure")->isEnabled());

    // The copies the program writes over on its own are no working file:
    // Save As refuses them, Open reads them and goes on in the default file.
    const QByteArray ouvert = lit("trovane.sel");
    données.nom_monnaie = "coquillages";
    for (const char* copie : {"repère/trovane.sel", "archives/trovane.sel"}) {
        écrit(copie, ouvert);
        boîtes.messages.clear();
        boîtes.fichiers = {chemin(copie)};
        f->enregistrer_sous_Click();
        EXPECT_EQ(lit(copie), ouvert) << copie;
        EXPECT_EQ(fichier_courant, fichier_données_défaut());
        ASSERT_EQ(boîtes.messages.size(), 1u) << copie;
        EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Rien n'a été enregistré : " +
                                                        QDir::toNativeSeparators(chemin(copie)) + " est l'emplacement d"))
            << boîtes.messages[0].texte.toStdString();

        écrit(copie, écrit_données(données));
        données.nom_monnaie = "grains";
        boîtes.fichiers = {chemin(copie)};
        f->ouvrir_la_base_Click();
        EXPECT_EQ(données.nom_monnaie, "coquillages") << copie;
        EXPECT_EQ(fichier_courant, fichier_données_défaut()) << copie;
        EXPECT_EQ(f->windowTitle(), "Trovane " + fichier_données_défaut() + "restauré");
        f->enregistrer_click();
        EXPECT_TRUE(lit("trovane.sel").contains("coquillages")) << copie;
        écrit("trovane.sel", ouvert);
    }
}

// Changes made from the grid and not saved are asked about before a load
// replaces them; a restore point written meanwhile does not save them.
TEST_F(fenêtre_principale_essai, les_changements_de_la_grille_sont_demandés_avant_un_chargement)
{
    const QByteArray original = association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();
    écrit("autre.sel", original);
    données.nom_monnaie = QStringLiteral("coquillages");
    tables_changées_non_enregistrées = true;
    ASSERT_TRUE(enregistrer_fichier(fichier_repère(), false));
    EXPECT_TRUE(tables_changées_non_enregistrées);
    boîtes.messages.clear();
    boîtes.fichiers = {chemin("autre.sel")};
    boîtes.réponses = {rép_annuler};
    f->ouvrir_la_base_Click();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("[Annuler] ne charge rien"));
    EXPECT_EQ(données.nom_monnaie, "coquillages");
    EXPECT_EQ(lit("trovane.sel"), original);
    EXPECT_TRUE(lit("repère/trovane.sel").contains("coquillages"));
    boîtes.réponses = {rép_annuler};
    f->restaure_repere_Click();
    EXPECT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(données.nom_monnaie, "coquillages");
    boîtes.fichiers = {chemin("autre.sel")};
    boîtes.réponses = {rép_non};
    f->ouvrir_la_base_Click();
    EXPECT_NE(données.nom_monnaie, "coquillages");
    EXPECT_EQ(lit("trovane.sel"), original);
    EXPECT_FALSE(tables_changées_non_enregistrées);
}

TEST_F(fenêtre_principale_essai, récupération_relit_les_soldes_au_poste_comptable)
{
    association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    réglages::écrit_booléen("Utilisateur", "poste_compta", true);
    démarre();
    ASSERT_TRUE(poste_compta);
    // An archive saved on this station, with its balances file.
    données_sel archive = données;
    const int n = archive.table_adhérents[1].ordre;
    adhérent& a = archive.table_adhérents[n];
    a.der_solde = monnaie::unités(-77);
    a.débits = a.crédits = 1;
    a.volume = monnaie::unités(9);
    écrit("archives/2025.sel", écrit_données(archive));
    écrit("archives/2025.sld", QStringLiteral("1\r\n%1\r\n-77\r\n1\r\n1\r\n9\r\n").arg(n).toLatin1());
    boîtes.fichiers = {chemin("archives/2025.sel")};
    f->récup_Click();
    EXPECT_EQ(données.table_adhérents[n].der_solde, monnaie::unités(-77));
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
    EXPECT_EQ(fichier_courant, fichier_données_défaut());
    EXPECT_EQ(f->windowTitle(), "Trovane " + fichier_données_défaut() + "restauré");
}

TEST_F(fenêtre_principale_essai, options_d_affichage_et_langue)
{
    association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();
    EXPECT_FALSE(f->menu("pas_affiche_grille")->isChecked());
    f->menu("pas_affiche_grille")->trigger();
    EXPECT_EQ(réglages::lit("sel", "aff_grille"), "True");
    EXPECT_EQ(gg().Cols(), 11);  // the offers of the file's mode
    f->op(1)->click();
    EXPECT_FALSE(gg().Visible());
    EXPECT_EQ(gg().Cols(), 11);  // hidden: left alone
    f->menu("pas_affiche_grille")->trigger();
    EXPECT_TRUE(gg().Visible());
    EXPECT_EQ(gg().Cols(), 26);
    EXPECT_EQ(réglages::lit("sel", "aff_grille"), "False");

    f->menu("aide_ag")->trigger();
    f->menu("aide_fr")->trigger();
    EXPECT_TRUE(f->menu("aide_fr")->isChecked());
    EXPECT_FALSE(f->menu("aide_ag")->isChecked());
    EXPECT_EQ(langue_aide, "français");
}

TEST_F(fenêtre_principale_essai, ligne_de_commande)
{
    EXPECT_EQ(chemin_ligne_de_commande("\"/home/sel/reçu.sel\""), "/home/sel/reçu.sel");
    EXPECT_EQ(chemin_ligne_de_commande("/home/sel/reçu.sel"), "/home/sel/reçu.sel");
    EXPECT_EQ(chemin_ligne_de_commande(""), "");
}

TEST_F(fenêtre_principale_essai, captures_de_chaque_mode)
{
    association_par_défaut();
    QDir().mkpath(chemin("Aide"));
    démarre();
    const QString sortie = QDir(QCoreApplication::applicationDirPath()).filePath("captures");
    QDir().mkpath(sortie);
    for (int i : {0, 1, 2, 4}) {
        f->op(i)->click();
        QApplication::processEvents();
        const QImage image = f->grab().toImage();
        EXPECT_GT(image.width(), 600);
        image.save(QDir(sortie).filePath(QStringLiteral("f_vesk_%1.png").arg(i)));
    }
}
