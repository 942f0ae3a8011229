#include "data/fichier_donnees.h"
#include "data/soldes.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QFileInfo>

using fichier_soldes = essai_dossier;

TEST_F(fichier_soldes, nom_tiré_du_fichier_de_données)
{
    EXPECT_EQ(nom_fichier_soldes("/x/trovane.sel"), "/x/trovane.sld");
    EXPECT_EQ(nom_fichier_soldes("/x/sel.2024/trovane.sel"), "/x/sel.2024/trovane.sld");
    EXPECT_EQ(nom_fichier_soldes("/x/copie.du.sel"), "/x/copie.sld");
    EXPECT_EQ(nom_fichier_soldes("/x/sans"), "/x/sans.sld");
    EXPECT_EQ(nom_fichier_soldes("trovane.sel"), "trovane.sld");
}

TEST_F(fichier_soldes, écrit_au_poste_comptable_puis_relu)
{
    initialise_paramètres();
    remplit_association_essai(données, {3, 0, 0, 0});
    données.table_adhérents[1].ordre = 3;
    données.table_adhérents[3].ordre = 1;
    données.table_adhérents[3].der_solde = monnaie::depuis_brut(-2500);
    données.table_adhérents[3].débits = 4;
    données.table_adhérents[3].crédits = 5;
    données.table_adhérents[3].volume = monnaie::unités(12);
    poste_compta = true;
    ASSERT_TRUE(enregistrer_fichier(chemin("sel.d/trovane.sel"), false) == false);  // no such folder
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    const QByteArray soldes = lit("trovane.sld");
    EXPECT_TRUE(soldes.startsWith("3\r\n3\r\n-.25\r\n4\r\n5\r\n12\r\n")) << soldes.constData();

    const données_sel avant = données;
    for (int n : {1, 2, 3}) {
        données.table_adhérents[n].der_solde = monnaie::unités(999);
        données.table_adhérents[n].débits = 99;
    }
    lire_soldes(chemin("trovane.sld"));
    EXPECT_TRUE(données == avant);

    poste_compta = false;
    ASSERT_TRUE(enregistrer_fichier(chemin("autre.sel"), false));
    EXPECT_FALSE(QFileInfo::exists(chemin("autre.sld")));
}

TEST_F(fichier_soldes, lecture_ne_touche_ni_la_liste_ni_les_absents)
{
    initialise_paramètres();
    remplit_association_essai(données, {3, 0, 0, 0});
    // Member 9 is not listed, member 2 is listed twice in the file.
    écrit("s.sld", "3\r\n9\r\n100\r\n1\r\n1\r\n100\r\n2\r\n7.5\r\n2\r\n3\r\n10\r\n2\r\n8\r\n4\r\n4\r\n20\r\n");
    const données_sel avant = données;
    lire_soldes(chemin("s.sld"));
    EXPECT_EQ(données.nombre_adhérents, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(données.table_adhérents[i].ordre, avant.table_adhérents[i].ordre);
    EXPECT_EQ(données.table_adhérents[9], avant.table_adhérents[9]);
    EXPECT_EQ(données.table_adhérents[2].der_solde, monnaie::unités(8));
    EXPECT_EQ(données.table_adhérents[2].débits, 4);
    EXPECT_EQ(données.table_adhérents[1], avant.table_adhérents[1]);
    EXPECT_TRUE(boîtes.messages.empty());

    // No entries, no file: nothing changes and nothing is said.
    const données_sel après = données;
    écrit("vide.sld", "0\r\n");
    lire_soldes(chemin("vide.sld"));
    lire_soldes(chemin("absent.sld"));
    lire_soldes({});
    EXPECT_TRUE(données == après);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fichier_soldes, élément_illisible_sauté_ou_lecture_arrêtée)
{
    initialise_paramètres();
    remplit_association_essai(données, {3, 0, 0, 0});
    écrit("s.sld", "2\r\n1\r\nbeaucoup\r\n6\r\n6\r\n60\r\n2\r\n2\r\n7\r\n7\r\n70\r\n");
    const monnaie solde1 = données.table_adhérents[1].der_solde;
    boîtes.réponses = {rép_ok};
    lire_soldes(chemin("s.sld"));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains(" dans la récupération des soldes de l'adhérent 1 "));
    EXPECT_EQ(données.table_adhérents[1].der_solde, solde1);  // the bad item keeps its value
    EXPECT_EQ(données.table_adhérents[1].débits, 6);
    EXPECT_EQ(données.table_adhérents[2].débits, 7);

    boîtes.messages.clear();
    données.table_adhérents[2].débits = 0;
    boîtes.réponses = {rép_annuler};
    lire_soldes(chemin("s.sld"));
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(données.table_adhérents[2].débits, 0);  // Cancel stops before entry 2
}
