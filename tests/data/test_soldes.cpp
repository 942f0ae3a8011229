#include "data/fichier_donnees.h"
#include "data/soldes.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QFileInfo>

using fichier_soldes = essai_dossier;

namespace {

// A member's four figures, as a balances file holds them.
void figures(adhérent& a, int solde, int16 débits, int16 crédits, int volume)
{
    a.der_solde = monnaie::unités(solde);
    a.débits = débits;
    a.crédits = crédits;
    a.volume = monnaie::unités(volume);
}

}  // namespace

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
    EXPECT_TRUE(lire_soldes(chemin("trovane.sld"), chemin("trovane.sel")));
    EXPECT_TRUE(données == avant);

    poste_compta = false;
    ASSERT_TRUE(enregistrer_fichier(chemin("autre.sel"), false));
    EXPECT_FALSE(QFileInfo::exists(chemin("autre.sld")));
}

TEST_F(fichier_soldes, lecture_ne_touche_ni_la_liste_ni_les_absents)
{
    initialise_paramètres();
    remplit_association_essai(données, {3, 0, 0, 0});
    // The data file the balances file goes with lists member 9, whom the
    // open data do not list; member 2 is listed twice in the balances file.
    données_sel enregistrées = données;
    enregistrées.table_adhérents[++enregistrées.nombre_adhérents].ordre = 9;
    figures(enregistrées.table_adhérents[9], 100, 1, 1, 100);
    figures(enregistrées.table_adhérents[2], 8, 4, 4, 20);
    écrit("s.sel", écrit_données(enregistrées));
    écrit("s.sld", "3\r\n9\r\n100\r\n1\r\n1\r\n100\r\n2\r\n8\r\n4\r\n4\r\n20\r\n2\r\n8\r\n4\r\n4\r\n20\r\n");
    const données_sel avant = données;
    EXPECT_TRUE(lire_soldes(chemin("s.sld"), chemin("s.sel")));
    EXPECT_EQ(données.nombre_adhérents, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(données.table_adhérents[i].ordre, avant.table_adhérents[i].ordre);
    EXPECT_EQ(données.table_adhérents[9], avant.table_adhérents[9]);
    EXPECT_EQ(données.table_adhérents[2].der_solde, monnaie::unités(8));
    EXPECT_EQ(données.table_adhérents[2].débits, 4);
    EXPECT_EQ(données.table_adhérents[1], avant.table_adhérents[1]);
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();

    // No entries, no file: nothing changes and nothing is said.
    const données_sel après = données;
    écrit("vide.sld", "0\r\n");
    EXPECT_TRUE(lire_soldes(chemin("vide.sld"), chemin("s.sel")));
    EXPECT_TRUE(lire_soldes(chemin("absent.sld"), chemin("s.sel")));
    EXPECT_TRUE(lire_soldes({}, chemin("s.sel")));
    EXPECT_TRUE(données == après);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fichier_soldes, élément_illisible_sauté_ou_lecture_arrêtée)
{
    initialise_paramètres();
    remplit_association_essai(données, {3, 0, 0, 0});
    données_sel enregistrées = données;
    // Member 1's balance is the item the file cannot read: it keeps its own.
    enregistrées.table_adhérents[1].débits = enregistrées.table_adhérents[1].crédits = 6;
    enregistrées.table_adhérents[1].volume = monnaie::unités(60);
    figures(enregistrées.table_adhérents[2], 2, 7, 7, 70);
    écrit("s.sel", écrit_données(enregistrées));
    écrit("s.sld", "2\r\n1\r\nbeaucoup\r\n6\r\n6\r\n60\r\n2\r\n2\r\n7\r\n7\r\n70\r\n");
    const monnaie solde1 = données.table_adhérents[1].der_solde;
    boîtes.réponses = {rép_ok};
    EXPECT_TRUE(lire_soldes(chemin("s.sld"), chemin("s.sel")));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains(" dans la récupération des soldes de l'adhérent 1 "));
    EXPECT_EQ(données.table_adhérents[1].der_solde, solde1);  // the bad item keeps its value
    EXPECT_EQ(données.table_adhérents[1].débits, 6);
    EXPECT_EQ(données.table_adhérents[2].débits, 7);

    // Cancel stops the reading: nothing of the file is taken, not even the
    // entries before the bad item.
    boîtes.messages.clear();
    données.table_adhérents[1].débits = données.table_adhérents[2].débits = 0;
    const données_sel avant = données;
    boîtes.réponses = {rép_annuler};
    EXPECT_FALSE(lire_soldes(chemin("s.sld"), chemin("s.sel")));
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(données == avant);
}

TEST_F(fichier_soldes, soldes_d_un_enregistrement_précédent_jamais_relus)
{
    initialise_paramètres();
    remplit_association_essai(données, {5, 0, 0, 0});
    poste_compta = true;
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    const QByteArray anciens_soldes = lit("trovane.sld");
    données.table_adhérents[4].der_solde += monnaie::unités(30);
    ++données.table_adhérents[4].crédits;
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    const données_sel enregistrées = données;

    // As after a save cut between the two files: the new data file beside
    // the former balances file.
    écrit("trovane.sld", anciens_soldes);
    EXPECT_FALSE(lire_soldes(chemin("trovane.sld"), chemin("trovane.sel")));
    EXPECT_TRUE(données == enregistrées);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("adhérent 4")) << boîtes.messages[0].texte.toStdString();
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::exclamation);

    // Nor beside a data file that cannot be read, nor with bytes after its
    // last entry.
    boîtes.messages.clear();
    écrit("abîmé.sel", "pas un fichier de données");
    EXPECT_FALSE(lire_soldes(chemin("trovane.sld"), chemin("abîmé.sel")));
    EXPECT_FALSE(lire_soldes(chemin("trovane.sld"), chemin("absent.sel")));
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    écrit("trovane.sld", lit("trovane.sld") + "5\r\n");
    EXPECT_FALSE(lire_soldes(chemin("trovane.sld"), chemin("trovane.sel")));
    EXPECT_EQ(boîtes.messages.size(), 3u);
    EXPECT_TRUE(données == enregistrées);
}
