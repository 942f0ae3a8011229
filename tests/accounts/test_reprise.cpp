// Restore points, the start-up copy, and the resets of a list of accounts.
#include "accounts/enregistrement.h"
#include "accounts/reprise.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"
#include "support/impression_qt.h"

#include <QDir>
#include <QFileInfo>

namespace {

monnaie u(std::int64_t n) { return monnaie::unités(n); }

// The accounts and the ledger's length; entries past the last line are no
// data.
bool mêmes_comptes(const données_sel& a, const données_sel& b)
{
    return a.nombre_lignes_compte == b.nombre_lignes_compte && a.table_adhérents == b.table_adhérents &&
           a.comptes_asso == b.comptes_asso;
}

class reprise : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        for (const int numéro : {12, 7}) {
            données.table_adhérents[++données.nombre_adhérents].ordre = static_cast<int16>(numéro);
            données.table_adhérents[numéro].identifiant = QStringLiteral("membre %1").arg(numéro);
        }
        adhérent& a = données.table_adhérents[12];
        a.der_solde = u(150);
        a.débits = 4;
        a.crédits = 6;
        a.volume = u(900);
        compte_asso& c = données.comptes_asso[1];
        c.solde = u(-40);
        c.débits = 2;
        c.volume = u(40);
        données.solde_départ = u(100);
        fichier_courant = chemin("trovane.sel");
    }

    static saisie_échange échange(const QString& montant)
    {
        saisie_échange s;
        s.débité = 12;
        s.crédité = 7;
        s.montant = montant;
        s.date_opération = date_depuis(QDate(2026, 3, 1));
        s.prélèvement.sans_prélèvement = true;
        return s;
    }
};

TEST_F(reprise, revenir_au_point_de_repère)
{
    // The folder is made when missing.
    ASSERT_TRUE(pose_point_repère());
    const données_sel au_repère = données;
    ASSERT_TRUE(enregistre_échange(échange("30")));
    ASSERT_TRUE(enregistre_échange(échange("20")));

    ASSERT_TRUE(restaure_point_repère());
    EXPECT_TRUE(mêmes_comptes(données, au_repère));
    EXPECT_EQ(fichier_courant, chemin("trovane.sel"));  // the next save goes over the open file
    EXPECT_TRUE(journal_écritures().empty());
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
}

TEST_F(reprise, la_copie_du_départ_devient_le_point_de_repère)
{
    const données_sel au_départ = données;
    QDir().mkpath(chemin("archives"));
    écrit("archives/trovane.sel", écrit_données(données));
    ASSERT_TRUE(enregistre_échange(échange("30")));
    ASSERT_TRUE(pose_point_repère());

    ASSERT_TRUE(restaure_copie_départ());
    EXPECT_TRUE(mêmes_comptes(données, au_départ));
    ASSERT_TRUE(enregistre_échange(échange("20")));
    ASSERT_TRUE(restaure_point_repère());
    EXPECT_TRUE(mêmes_comptes(données, au_départ));
}

TEST_F(reprise, un_fichier_illisible_ne_change_rien)
{
    ASSERT_TRUE(enregistre_échange(échange("30")));
    const données_sel avant = données;
    EXPECT_FALSE(restaure_copie_départ());  // no start-up copy
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_FALSE(journal_écritures().empty());

    // A damaged restore point: read whole before anything changes.
    ASSERT_TRUE(pose_point_repère());
    const QByteArray entier = lit("repère/trovane.sel");
    écrit("repère/trovane.sel", entier.left(entier.size() / 2));
    EXPECT_FALSE(restaure_point_repère());
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(lit("repère/trovane.sel"), entier.left(entier.size() / 2));
}

TEST_F(reprise, rien_n_est_écrit_sans_enregistrement_ni_sur_une_archive)
{
    EXPECT_TRUE(raison_sans_point_repère().isEmpty());
    sans_enregistrement = true;
    EXPECT_FALSE(pose_point_repère());
    EXPECT_FALSE(QFileInfo::exists(fichier_repère()));
    EXPECT_EQ(raison_sans_point_repère(), "Le point de repère n'a pas été enregistré : le dossier du programme "
                                          "n'accepte aucune écriture.");
    sans_enregistrement = false;
    données.type_fichier = QStringLiteral("archive");
    EXPECT_FALSE(pose_point_repère());
    EXPECT_FALSE(QFileInfo::exists(fichier_repère()));
    EXPECT_FALSE(raison_sans_point_repère().isEmpty());
}

TEST_F(reprise, remises_à_zéro_d_une_liste)
{
    ASSERT_TRUE(enregistre_échange(échange("30")));
    const int lignes = données.nombre_lignes_compte;
    const adhérent membre7 = données.table_adhérents[7];

    ASSERT_TRUE(remet_soldes({12, 9996}));
    EXPECT_EQ(données.table_adhérents[12].der_solde, u(100));
    EXPECT_EQ(données.comptes_asso[1].solde, u(0));
    EXPECT_EQ(données.table_adhérents[12].débits, 5);  // the counters stay
    EXPECT_EQ(données.table_adhérents[7], membre7);    // an account off the list too
    EXPECT_EQ(données.nombre_lignes_compte, lignes);   // no line written
    EXPECT_TRUE(journal_écritures().empty());          // the exchange can no longer be undone

    ASSERT_TRUE(remet_cumuls({12, 9996}));
    const adhérent& a = données.table_adhérents[12];
    EXPECT_EQ(a.der_solde, u(100));
    EXPECT_EQ(a.débits, 0);
    EXPECT_EQ(a.crédits, 0);
    EXPECT_EQ(a.volume, u(0));
    const compte_asso& c = données.comptes_asso[1];
    EXPECT_EQ(c.débits, 0);
    EXPECT_EQ(c.crédits, 0);
    EXPECT_EQ(c.volume, u(0));

    // One number of no account, and nothing is reset.
    données.table_adhérents[7].der_solde = u(3);
    const données_sel avant = données;
    for (const int hors : {0, 5001, 9994, 10000}) {
        EXPECT_FALSE(remet_soldes({7, hors}));
        EXPECT_FALSE(remet_cumuls({7, hors}));
    }
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(boîtes.messages.size(), 8u);
    EXPECT_TRUE(remet_soldes({}));

    EXPECT_EQ(texte_remise_soldes(), "Les comptes adhérents de la liste vont prendre la valeur 100paramétrable dans "
                                     "le menu options de la feuille de départ. Les comptes asso prennent la valeur 0");
}

}  // namespace
