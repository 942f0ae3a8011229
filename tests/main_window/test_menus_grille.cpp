// The grid menus of the main window: the guard of the offers/requests menu,
// deleting lines and duplicates through the conversions, the accounts menu,
// saving the grid, the supplement reset and the paste import.
#include "data/cp1252.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "main_window/f_vesk.h"
#include "main_window/import_table.h"
#include "main_window/menus_grille.h"
#include "ui_common/vues_tables.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>

namespace {

class menus_grille : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        QDir().mkpath(chemin("Aide"));  // not a first start: no help offered
        f = &démarre_trovane();
        remplit_association_essai(données);
        f->menu("pas_affiche_grille")->setChecked(false);
        affiche_grille = false;
        tables_changées_non_enregistrées = false;
    }
    void TearDown() override
    {
        if (f)
            f->close();
        QApplication::processEvents();
        essai_dossier::TearDown();
    }

    QAction* élément(const char* tableau, int index) const { return élément_menu(*f, tableau, index); }
    // The menu is opened: its items are enabled and captioned.
    void ouvre(const QString& mode) { Q_EMIT f->menu_grille(mode)->aboutToShow(); }
    bool fichier_écrit() const { return QFileInfo::exists(chemin("trovane.sel")); }
    QStringList lignes(const QString& fichier) const
    {
        return depuis_cp1252(lit(fichier)).split(QStringLiteral("\r\n"));
    }

    QPointer<F_vesk> f;
};

TEST_F(menus_grille, une_ligne_doit_être_choisie_dans_le_menu_des_offres)
{
    grille& g = gg();
    clique_op(0);  // the first data row is current: the line commands run at once
    EXPECT_EQ(g.Row(), 1);
    m_base_Click(*f, 4);
    EXPECT_TRUE(boîtes.messages.empty());

    // The header row current: refused.
    g.setRow(0);
    const QString premier = g.TextMatrix(1, col_offres::emplacement);
    m_base_Click(*f, 4);
    m_base_Click(*f, 17);
    EXPECT_EQ(boîtes.textes(), QStringList({"Sélectionnez d'abord une ligne.", "Sélectionnez d'abord une ligne."}));
    EXPECT_EQ(g.TextMatrix(1, col_offres::emplacement), premier);

    // Several rows: no line command, but the sorts.
    g.setRow(3);
    g.setRowSel(5);
    m_base_Click(*f, 3);
    EXPECT_EQ(boîtes.messages.size(), 3u);
    g.setRow(2);
    m_base_Click(*f, 11);
    EXPECT_EQ(g.forme(), forme_grille::codée);
    g.setRow(1);
    m_base_Click(*f, 6);  // by genre
    for (int r = 2; r < g.Rows(); ++r)
        EXPECT_LE(g.TextMatrix(r - 1, col_offres::genre).toInt(), g.TextMatrix(r, col_offres::genre).toInt()) << r;
    EXPECT_EQ(boîtes.messages.size(), 3u);

    // One data row: nothing to choose.
    données.nombre_propositions = 1;
    clique_op(0);
    m_base_Click(*f, 5);
    EXPECT_EQ(boîtes.messages.size(), 3u);
}

TEST_F(menus_grille, supprimer_une_offre_réécrit_le_fichier)
{
    grille& g = gg();
    clique_op(0);
    ouvre("base");
    EXPECT_FALSE(élément("m_base", 2)->isEnabled());  // decoded
    g.setRow(1);
    m_base_Click(*f, 11);
    ouvre("base");
    EXPECT_TRUE(élément("m_base", 2)->isEnabled());

    g.setRow(5);
    const int slot = g.TextMatrix(5, col_offres::emplacement).toInt();
    boîtes.réponses = {rép_non};
    m_base_Click(*f, 2);
    EXPECT_EQ(données.nombre_propositions, 60);
    EXPECT_EQ(g.Rows(), 61);

    boîtes.réponses = {rép_oui};
    m_base_Click(*f, 2);
    const données_sel& d = données;
    ASSERT_EQ(d.nombre_propositions, 59);
    for (int i = 1; i <= 59; ++i)
        EXPECT_NE(d.table_propositions[i].ordre, slot);
    EXPECT_TRUE(fichier_écrit());
    EXPECT_FALSE(tables_changées_non_enregistrées);
    EXPECT_EQ(g.forme(), forme_grille::décodée);
    EXPECT_EQ(g.Rows(), 60);
}

TEST_F(menus_grille, supprimer_les_doublons_même_éloignés)
{
    données_sel& d = données;
    for (int i = 1; i <= 60; ++i) {
        proposition& p = d.table_propositions[i];
        p.désignation = QStringLiteral("Même chose");
        p.num_adh = static_cast<int16>(100 + i);
        if (i == 1 || i == 30 || i == 60) {
            p.type = 1;
            p.code_rubrique = 100;
            p.num_adh = 7;
        }
    }
    clique_op(0);
    gg().setRow(1);
    m_base_Click(*f, 17);
    EXPECT_EQ(boîtes.textes().value(0), "Attention, l'opération peut être un peu longue !");
    ASSERT_EQ(d.nombre_propositions, 58);
    int restants = 0;
    for (int i = 1; i <= 58; ++i) {
        if (d.table_propositions[d.table_propositions[i].ordre].num_adh == 7) {
            ++restants;
            EXPECT_EQ(d.table_propositions[i].ordre, 60);  // the last one stays
        }
    }
    EXPECT_EQ(restants, 1);
    EXPECT_TRUE(fichier_écrit());
}

TEST_F(menus_grille, supprimer_une_ligne_d_adhérent)
{
    grille& g = gg();
    clique_op(1);
    g.setRow(1);
    m_adh_Click(17);
    ouvre("adhérents");
    EXPECT_TRUE(élément("m_adh", 15)->isEnabled());
    EXPECT_EQ(élément("m_adh", 11)->text(), "Critères0 util");

    g.setRow(3);
    m_adh_Click(15);
    EXPECT_EQ(boîtes.textes(), QStringList{"Pour supprimer un adhérent actif, utilisez la page ajouter/supprimer"});
    EXPECT_EQ(données.nombre_adhérents, 40);

    g.setTextMatrix(3, col_adhérents::numéro, QStringLiteral("0"));
    m_adh_Click(15);
    EXPECT_EQ(boîtes.textes().last(), "Vous devez choisir fichier/enregistrer pour valider définitivement l'opération");
    EXPECT_EQ(données.nombre_adhérents, 39);
    EXPECT_FALSE(fichier_écrit());  // the user saves
    EXPECT_TRUE(tables_changées_non_enregistrées);
}

TEST_F(menus_grille, comptes_inutilisés_et_enregistrement_de_la_grille)
{
    données_sel& d = données;
    d.comptes_asso[0].nom = QStringLiteral("Fonctionnement");
    d.comptes_asso[1].nom = QStringLiteral("   ");
    d.comptes_asso[2].nom.clear();
    ouvre("comptes");
    EXPECT_EQ(élément("m_cpt", 3)->text(), "Fonctionnement");
    EXPECT_TRUE(élément("m_cpt", 3)->isEnabled());
    for (int i : {4, 5}) {
        EXPECT_EQ(élément("m_cpt", i)->text(), "Inutilisé");
        EXPECT_FALSE(élément("m_cpt", i)->isEnabled());
    }
    EXPECT_TRUE(élément("m_cpt", 6)->isEnabled());

    // The accounts grid is saved with its first column, the others without.
    grille& g = gg();
    clique_op(4);
    m_cpt_Click(0);
    EXPECT_EQ(g.Rows(), 81);
    boîtes.fichiers = {chemin("opérations.txt"), chemin("offres.txt")};
    m_cpt_Click(12);
    QStringList l = lignes("opérations.txt");
    EXPECT_EQ(l.value(1).split('\t').size(), g.Cols());
    EXPECT_TRUE(l.value(1).startsWith(g.TextMatrix(1, 0) + '\t'));

    clique_op(0);
    g.setRow(1);
    m_base_Click(*f, 15);
    l = lignes("offres.txt");
    EXPECT_TRUE(l.value(0).startsWith("Offre/demande\t"));
    EXPECT_EQ(l.value(1).split('\t').size(), g.Cols() - 1);
}

TEST_F(menus_grille, les_menus_suivent_le_mode)
{
    options_Click(*f);
    EXPECT_FALSE(f->menu("coller_dans_grille")->isEnabled());
    clique_op(2);
    options_Click(*f);
    EXPECT_TRUE(f->menu("coller_dans_grille")->isEnabled());

    // No mode yet: the members come first.
    données.mode_grille.clear();
    edition_Click(*f);
    EXPECT_EQ(données.mode_grille, "adhérents");
    EXPECT_TRUE(f->menu_grille("adhérents")->menuAction()->isEnabled());
    EXPECT_FALSE(f->menu_grille("base")->menuAction()->isEnabled());
    EXPECT_FALSE(f->menu_grille("rubriques")->menuAction()->isEnabled());

    // Hiding the grid is the display option taken from the menu.
    madh_Click(*f, 5);
    EXPECT_TRUE(affiche_grille);
    EXPECT_TRUE(f->menu("pas_affiche_grille")->isChecked());
    EXPECT_FALSE(gg().Visible());
}

TEST_F(menus_grille, la_grille_décodée_est_celle_du_mode)
{
    clique_op(1);
    gg().Clear();
    grille_décodée_Click();
    EXPECT_EQ(gg().Cols(), col_adhérents::nombre);
    EXPECT_EQ(gg().forme(), forme_grille::décodée);
    EXPECT_EQ(gg().Rows(), données.nombre_adhérents + 1);

    clique_op(2);
    grille_décodée_Click();
    EXPECT_EQ(gg().Cols(), col_rubriques::nombre);

    clique_op(4);
    gg().Clear();
    grille_décodée_Click();
    EXPECT_EQ(gg().Rows(), 19);  // the 18 newest lines, as the mode shows them
    EXPECT_EQ(gg().TextMatrix(1, 2), données.table_lignes_compte[données.nombre_lignes_compte].description);

    clique_op(0);
    grille_décodée_Click();
    EXPECT_EQ(gg().Cols(), col_offres::nombre);
    EXPECT_EQ(gg().forme(), forme_grille::décodée);

    // The catalogue being composed is not replaced.
    données.mode_grille = "catalogue";
    gg().Clear();
    gg().setRows(3);
    gg().setTextMatrix(2, 1, "5");
    grille_décodée_Click();
    EXPECT_EQ(gg().Rows(), 3);
    EXPECT_EQ(gg().TextMatrix(2, 1), "5");
}

TEST_F(menus_grille, texte_collé_ou_lu_en_utf8_ou_en_windows_1252)
{
    auto colle = [](const QByteArray& octets) {
        auto* contenu = new QMimeData;
        contenu->setData(QStringLiteral("text/plain"), octets);
        QGuiApplication::clipboard()->setMimeData(contenu);
    };
    colle(QByteArray("V\xe9lo\tb\r\n\xc9t\xe9"));
    EXPECT_EQ(texte_presse_papiers(), "Vélo\tb\r\nÉté");
    colle(QByteArray("Zo\xc3\xa9\n"));
    EXPECT_EQ(texte_presse_papiers(), "Zoé\n");

    // A cancelled file dialog imports nothing: the grid keeps what it showed.
    clique_op(2);
    affiche_rubriques(gg());
    const int lignes = gg().Rows();
    boîtes.réponses = {rép_ok};
    ouvrir_ascii_Click(*f);
    EXPECT_EQ(boîtes.messages.size(), 1u);  // the columns' warning only
    EXPECT_EQ(gg().Rows(), lignes);
    EXPECT_EQ(gg().forme(), forme_grille::codée);
}

TEST_F(menus_grille, après_la_purge_la_grille_montre_les_offres_décodées)
{
    grille& g = gg();
    // Members shown, then the offers shown coded: either way, afterwards.
    for (const int mode : {1, 0}) {
        SCOPED_TRACE(mode);
        données.table_propositions[données.table_propositions[2].ordre].additif = 2;
        clique_op(mode);
        if (mode == 0) {
            g.setRow(1);
            m_base_Click(*f, 11);  // "Coder la grille"
            ASSERT_EQ(g.forme(), forme_grille::codée);
        }
        boîtes.réponses = {rép_ok};
        purge_cat_Click();
        EXPECT_EQ(g.forme(), forme_grille::décodée);
        ASSERT_EQ(g.Rows(), données.nombre_propositions + 1);
        for (int r = 1; r < g.Rows(); ++r) {
            const proposition& p = données.table_propositions[données.table_propositions[r].ordre];
            EXPECT_EQ(g.TextMatrix(r, col_offres::type), p.type == 1 ? "offre" : "demande") << r;
            EXPECT_LE(p.additif, 1) << r;
        }
    }
}

TEST_F(menus_grille, coller_une_classification)
{
    coller_dans_grille_Click(*f);
    EXPECT_EQ(boîtes.textes(),
              QStringList{"Choisissez d'abord le type de grille, adhérents, offres-demandes ou rubriques"});

    clique_op(2);
    QGuiApplication::clipboard()->setText(QStringLiteral(" \r\n"));
    boîtes.réponses = {rép_ok};
    coller_dans_grille_Click(*f);
    EXPECT_EQ(boîtes.textes().last(), "Le presse-papier est vide!");

    boîtes.messages.clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("Code\tNom\r\n10\tJardin\r\n11\tPotager\r\n20\tMaison\r\n"));
    boîtes.réponses = {rép_ok, rép_oui /* title row */, rép_oui /* convert now */, rép_ok, rép_ok};
    coller_dans_grille_Click(*f);
    EXPECT_EQ(boîtes.textes().value(0), "Le colonnes à coller doivent correspondre aux colonnes de la grille des "
                                        "rubriques (bouton classification)");
    EXPECT_EQ(boîtes.messages.size(), 5u);
    const données_sel& d = données;
    EXPECT_EQ(d.nombre_codes_classification, 3);
    EXPECT_EQ(d.noms_rubriques[11], "Potager");
    EXPECT_EQ(gg().forme(), forme_grille::codée);
    EXPECT_EQ(gg().Rows(), 4);
    EXPECT_TRUE(tables_changées_non_enregistrées);
}

}  // namespace
