#include "data/fichier_donnees.h"
#include "data/fusion.h"
#include "data/soldes.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

namespace {

// A member's own fields, without the list slot that its record also carries.
adhérent fiche(const adhérent& a)
{
    adhérent f = a;
    f.ordre = 0;
    return f;
}

// The open data and another file of the same archive date that differs from
// it in every part a merge can take.
class fusion : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données, {6, 6, 6, 10});
        données.date_archivage = date_depuis(QDate(2025, 1, 1));
        données.mode_grille = "comptes";
        autre = données;
        // Other file: member 2 newer, member 3 older, member 7 only there;
        // member 6 only in the open list.
        autre.nombre_adhérents = 6;
        const int16 liste[] = {3, 2, 1, 4, 5, 7};
        for (int i = 0; i < 6; ++i)
            autre.table_adhérents[i + 1].ordre = liste[i];
        autre.table_adhérents[2].dte_enr += 1.0 / 86400;
        autre.table_adhérents[2].ville = "Nantes";
        autre.table_adhérents[3].dte_enr -= 1;
        autre.table_adhérents[3].ville = "Lorient";
        autre.table_adhérents[7] = autre.table_adhérents[1];
        autre.table_adhérents[7].identifiant = "Nouveau venu";
        autre.table_adhérents[7].dte_enr = 1;  // older than anything: still taken
        autre.valeurs_qualité[0] = "présidente";
        autre.solde_départ = monnaie::unités(50);
        autre.noms_rubriques[10] = "Jardin";
        autre.police_offres = {"Times New Roman", "Times New Roman"};
        autre.cat_classement = {2, 2};
        autre.cat_num_adh = {0, 0};
        autre.noms_genres[3] = "prêt";
        autre.comptes_asso[0].solde = monnaie::unités(-5);
        autre.nombre_lignes_compte = 2;
        autre.table_lignes_compte[1].description = "Remplacée";
        autre.taux_prélèvement = monnaie::unités(2);
        autre.nom_monnaie = "pommes";
        autre.nombre_propositions = 2;
        autre.table_propositions[1].ordre = 5;
        autre.table_propositions[2].ordre = 1;
        autre.table_propositions[5].date += 1;
        autre.table_propositions[5].désignation = "Vélo à prêter";
        autre.table_propositions[1].date -= 1;
        autre.table_propositions[1].désignation = "Plus ancienne";
        // Never taken, whatever the flags.
        autre.mode_grille = "base";
        autre.abréviation_monnaie = "pm";
        autre.entête = "Autre en-tête";
        autre.compte_asso_débité = 9999;
        autre.utilise_monnaie_locale = 0;
        autre.réservé_booléen = true;
        écrit("autre.sel", écrit_données(autre));
        ouvert = données;
    }
    données_sel autre, ouvert;
};

}  // namespace

TEST_F(fusion, sans_rien_choisir_rien_ne_change)
{
    int avis = 0;
    avis_fusion_terminée = [&] { ++avis; };
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), false, false, false, false));
    EXPECT_TRUE(données == ouvert);
    EXPECT_EQ(avis, 1);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fusion, adhérents_le_plus_récent_l_emporte)
{
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), true, false, false, false));
    QList<int> liste;
    for (int i = 1; i <= données.nombre_adhérents; ++i)
        liste << données.table_adhérents[i].ordre;
    EXPECT_EQ(liste, (QList<int>{3, 2, 1, 4, 5, 7, 6}));
    EXPECT_EQ(données.table_adhérents[2].ville.trimmed(), "Nantes");          // one second newer
    EXPECT_EQ(fiche(données.table_adhérents[3]), fiche(ouvert.table_adhérents[3]));  // older: kept
    EXPECT_EQ(fiche(données.table_adhérents[1]), fiche(ouvert.table_adhérents[1]));  // same date: kept
    EXPECT_EQ(données.table_adhérents[7].identifiant.trimmed(), "Nouveau venu");
    EXPECT_EQ(fiche(données.table_adhérents[6]), fiche(ouvert.table_adhérents[6]));
    EXPECT_EQ(données.valeurs_qualité[0], "présidente");
    EXPECT_EQ(données.solde_départ, monnaie::unités(50));
    // Nothing else moved.
    EXPECT_EQ(données.noms_rubriques, ouvert.noms_rubriques);
    EXPECT_EQ(données.nombre_lignes_compte, ouvert.nombre_lignes_compte);
    EXPECT_EQ(données.nombre_propositions, ouvert.nombre_propositions);
    EXPECT_EQ(données.nom_monnaie, ouvert.nom_monnaie);
}

TEST_F(fusion, catalogue_seul)
{
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), false, true, false, false));
    EXPECT_EQ(données.noms_rubriques[10], "Jardin");
    EXPECT_EQ(données.police_offres[1], "Times New Roman");
    EXPECT_EQ(données.cat_classement[0], 2);
    EXPECT_EQ(données.noms_genres[3], "prêt");
    EXPECT_EQ(données.cat_num_adh, ouvert.cat_num_adh);  // a closing step the merge never takes
    EXPECT_EQ(données.table_adhérents, ouvert.table_adhérents);
    EXPECT_EQ(données.valeurs_qualité, ouvert.valeurs_qualité);
    EXPECT_EQ(données.comptes_asso, ouvert.comptes_asso);
}

TEST_F(fusion, comptes_remplacés_et_non_ajoutés)
{
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), false, false, true, false));
    EXPECT_EQ(données.nombre_lignes_compte, 2);
    EXPECT_EQ(données.table_lignes_compte[1].description, "Remplacée");
    EXPECT_EQ(données.comptes_asso[0].solde, monnaie::unités(-5));
    EXPECT_EQ(données.taux_prélèvement, monnaie::unités(2));
    EXPECT_EQ(données.nom_monnaie, "pommes");
    EXPECT_EQ(données.table_adhérents, ouvert.table_adhérents);
    EXPECT_EQ(données.noms_rubriques, ouvert.noms_rubriques);
}

TEST_F(fusion, offres_et_demandes)
{
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), false, false, false, true));
    QList<int> liste;
    for (int i = 1; i <= données.nombre_propositions; ++i)
        liste << données.table_propositions[i].ordre;
    EXPECT_EQ(liste, (QList<int>{5, 1, 2, 3, 4, 6}));
    EXPECT_EQ(données.table_propositions[5].désignation, "Vélo à prêter");
    EXPECT_EQ(données.table_propositions[1].désignation, ouvert.table_propositions[1].désignation);
    EXPECT_EQ(données.table_adhérents, ouvert.table_adhérents);
}

TEST_F(fusion, ce_qui_n_est_jamais_pris)
{
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), true, true, true, true));
    EXPECT_EQ(données.mode_grille, "comptes");
    EXPECT_EQ(données.abréviation_monnaie, ouvert.abréviation_monnaie);
    EXPECT_EQ(données.entête, ouvert.entête);
    EXPECT_EQ(données.compte_asso_débité, ouvert.compte_asso_débité);
    EXPECT_EQ(données.utilise_monnaie_locale, ouvert.utilise_monnaie_locale);
    EXPECT_EQ(données.réservé_booléen, ouvert.réservé_booléen);
    EXPECT_EQ(données.cat_num_adh, ouvert.cat_num_adh);
    EXPECT_EQ(données.type_fichier, ouvert.type_fichier);
    EXPECT_EQ(données.date_archivage, ouvert.date_archivage);
}

TEST_F(fusion, autre_date_d_archivage_refusée)
{
    données.date_archivage += 1;
    ouvert = données;
    int avis = 0;
    avis_fusion_terminée = [&] { ++avis; };
    EXPECT_FALSE(récupérer_données(chemin("autre.sel"), true, true, true, true));
    EXPECT_EQ(boîtes.textes(), QStringList{message_date_archivage_différente});
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
    EXPECT_TRUE(données == ouvert);
    EXPECT_EQ(avis, 0);
}

TEST_F(fusion, fichier_illisible_ne_fusionne_rien)
{
    QByteArray abîmé = lit("autre.sel");
    abîmé.truncate(abîmé.size() / 2);
    écrit("abîmé.sel", abîmé);
    boîtes.réponses = {rép_réessayer, rép_annuler};
    EXPECT_FALSE(récupérer_données(chemin("abîmé.sel"), true, true, true, true));
    EXPECT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::réessayer_annuler | style_boîte::critique);
    EXPECT_TRUE(données == ouvert);
}

TEST_F(fusion, soldes_du_poste_comptable_relus_après_les_adhérents)
{
    poste_compta = true;
    // The accounting station's own data file and its balances file, named
    // in another case.
    données_sel comptable = ouvert;
    comptable.table_adhérents[2].der_solde = monnaie::unités(-42);
    écrit("trovane.sel", écrit_données(comptable));
    écrit("TROVANE.SLD", "1\r\n2\r\n-42\r\n" + QByteArray::number(comptable.table_adhérents[2].débits) + "\r\n" +
                             QByteArray::number(comptable.table_adhérents[2].crédits) + "\r\n" +
                             QByteArray::number(comptable.table_adhérents[2].volume.brut / 10000) + "\r\n");
    ASSERT_EQ(comptable.table_adhérents[2].volume.brut % 10000, 0);
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), true, false, false, false));
    EXPECT_EQ(données.table_adhérents[2].der_solde, monnaie::unités(-42));
    EXPECT_EQ(données.table_adhérents[2].ville.trimmed(), "Nantes");
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();

    // A balances file left from an earlier save of that data file would bring
    // back former figures: it is not read, and the user is told.
    comptable.table_adhérents[2].der_solde = monnaie::unités(-50);
    écrit("trovane.sel", écrit_données(comptable));
    données = ouvert;
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), true, false, false, false));
    EXPECT_EQ(données.table_adhérents[2].der_solde, autre.table_adhérents[2].der_solde);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("ne correspond pas")) << boîtes.messages[0].texte.toStdString();

    poste_compta = false;
    boîtes.messages.clear();
    données = ouvert;
    ASSERT_TRUE(récupérer_données(chemin("autre.sel"), true, false, false, false));
    EXPECT_EQ(données.table_adhérents[2].der_solde, autre.table_adhérents[2].der_solde);
    EXPECT_TRUE(boîtes.messages.empty());
}
