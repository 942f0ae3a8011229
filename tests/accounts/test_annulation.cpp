// The ways back from a recorded movement: the undo of the last recording and
// the cancellation line made from a row of an account-line grid.
#include "accounts/annulation.h"
#include "accounts/grilles_comptes.h"
#include "accounts/reprise.h"
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"
#include "support/impression_qt.h"

namespace {

monnaie u(std::int64_t n) { return monnaie::unités(n); }

// An association account that nothing has moved.
bool sans_mouvement(const compte_asso& c)
{
    return c.solde == monnaie{} && c.débits == 0 && c.crédits == 0 && c.volume == monnaie{};
}

class annulation : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        // Members 12 and 7, as the register lists them, and Céline (3).
        const std::pair<int, const char*> membres[] = {{12, "Annick L."}, {7, "Hervé M."}, {3, "Céline D."}};
        for (const auto& [numéro, nom] : membres) {
            données.table_adhérents[++données.nombre_adhérents].ordre = static_cast<int16>(numéro);
            données.table_adhérents[numéro].identifiant = QString::fromUtf8(nom);
        }
        adhérent& a = données.table_adhérents[12];
        a.der_solde = u(100);
        a.débits = 2;
        a.crédits = 5;
        a.volume = u(400);
        données.table_adhérents[7].der_solde = u(50);
        données.table_adhérents[7].crédits = 1;
        données.table_adhérents[7].volume = u(50);
    }

    static saisie_échange saisie(int débité, int crédité, const QString& montant)
    {
        saisie_échange s;
        s.débité = débité;
        s.crédité = crédité;
        s.montant = montant;
        s.date_opération = date_depuis(QDate(2026, 3, 12));
        s.description = QStringLiteral("Cours de guitare");
        s.genre = 1;
        s.code_rubrique = QStringLiteral("732");
        s.catégorie = 1;
        s.prélèvement = {QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("1000"),
                         false, 9995};
        return s;
    }

    // The cancellation of grid row r, recorded as the window records it.
    bool annule(const grille& g, int r)
    {
        const std::optional<ligne_à_annuler> a = ligne_à_annuler_de(g, r);
        if (!a)
            return false;
        saisie_échange s = saisie(a->débité, a->crédité, a->montant);
        s.description = a->description;
        s.genre = a->genre;
        s.code_rubrique = a->code_rubrique;
        s.catégorie = a->catégorie;
        return enregistre_annulation(s, a->rétablit, {&gg_compte});
    }

    grille gg_compte;
};

TEST_F(annulation, défaire_un_échange_et_son_prélèvement)
{
    const données_sel avant = données;
    // 7 (balance 50) is paid 100: a levy of 2 goes to 9995.
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("100"))));
    ASSERT_EQ(données.nombre_lignes_compte, 4);
    EXPECT_EQ(données.table_adhérents[7].der_solde, u(148));

    EXPECT_EQ(défait_dernière_opération(), 4);
    EXPECT_TRUE(données == avant);
    EXPECT_TRUE(boîtes.messages.empty());
    // Once only.
    EXPECT_EQ(défait_dernière_opération(), std::nullopt);
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(données == avant);
}

TEST_F(annulation, un_échange_défait_après_un_enregistrement_quitte_aussi_le_fichier)
{
    fichier_courant = chemin("trovane.sel");
    ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
    const QByteArray avant = lit("trovane.sel");
    // Undone before any save: the file is left alone.
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("20"))));
    ASSERT_TRUE(défait_dernière_opération());
    EXPECT_EQ(lit("trovane.sel"), avant);
    // Saved meanwhile (another window deactivated): undone on disk too.
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("20"))));
    ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
    ASSERT_TRUE(défait_dernière_opération());
    données_sel disque;
    lit_données(lit("trovane.sel"), disque);
    EXPECT_EQ(disque.nombre_lignes_compte, 0);
    EXPECT_EQ(disque.table_adhérents[7].der_solde, données.table_adhérents[7].der_solde);
    EXPECT_EQ(disque.table_adhérents[12].der_solde, données.table_adhérents[12].der_solde);
}

TEST_F(annulation, rien_n_est_défait_quand_le_journal_a_vieilli)
{
    const QString refus = QStringLiteral(
        "La dernière opération ne peut plus être annulée : des lignes de compte ont été ajoutées, retirées ou "
        "rechargées depuis, ou des comptes remis à zéro.");
    const std::vector<std::function<void()>> changements = {
        // Another window posts a movement.
        [] { mouvemente_compte(sens_crédit, 3, u(5)); },
        // Lines were reloaded: the last one is no longer the one posted.
        [] { données.table_lignes_compte[2].montant = u(99); },
        [] { --données.nombre_lignes_compte; },
        // The counters were reset.
        [] { remet_cumuls({12}); },
    };
    for (std::size_t k = 0; k < changements.size(); ++k) {
        SCOPED_TRACE(k);
        données.nombre_lignes_compte = 0;
        ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("20"))));
        changements[k]();
        const données_sel après = données;
        boîtes.messages.clear();
        EXPECT_EQ(défait_dernière_opération(), std::nullopt);
        EXPECT_EQ(boîtes.textes(), QStringList{refus});
        EXPECT_TRUE(données == après);
    }
}

TEST_F(annulation, la_ligne_d_annulation_remet_les_deux_comptes_comme_avant)
{
    entête_grille_écritures(gg_compte, false);
    const adhérent a12 = données.table_adhérents[12], a7 = données.table_adhérents[7];
    // 12 pays 7 thirty: no levy (the amount is not above the minimum of 50).
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("30")), {&gg_compte}));
    ASSERT_EQ(gg_compte.Rows(), 3);

    // Row 1 is the debit line of 12: the reverse credits 12 and debits 7.
    const std::optional<ligne_à_annuler> l = ligne_à_annuler_de(gg_compte, 1);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->crédité, 12);
    EXPECT_EQ(l->débité, 7);
    EXPECT_EQ(l->description, "annul.Cours de guitare");
    EXPECT_EQ(l->montant, "30");
    EXPECT_EQ(l->genre, 1);
    EXPECT_EQ(l->code_rubrique, "732");
    EXPECT_EQ(l->catégorie, 1);  // "Adulte", as the line carries it
    EXPECT_FALSE(l->rétablit);
    ASSERT_TRUE(annule(gg_compte, 1));

    ASSERT_EQ(données.nombre_lignes_compte, 4);
    const ligne_de_compte& débit = données.table_lignes_compte[3];
    EXPECT_EQ(débit.compte, 7);
    EXPECT_EQ(débit.sens, "1");
    EXPECT_EQ(débit.description, "annul.Cours de guitare");
    EXPECT_EQ(débit.enf, "Adulte");
    EXPECT_EQ(données.table_lignes_compte[4].compte, 12);
    EXPECT_EQ(données.table_lignes_compte[4].solde, u(100));
    EXPECT_EQ(données.table_adhérents[12], a12);
    EXPECT_EQ(données.table_adhérents[7], a7);
    EXPECT_EQ(gg_compte.Rows(), 5);
    // No levy on a cancellation, and nothing for the undo to replay.
    EXPECT_TRUE(sans_mouvement(données.comptes_asso[0]));
    EXPECT_TRUE(journal_écritures().empty());
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
}

TEST_F(annulation, une_ligne_de_crédit_et_l_annulation_d_une_annulation)
{
    entête_grille_écritures(gg_compte, false);
    const adhérent a12 = données.table_adhérents[12], a7 = données.table_adhérents[7];
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("300")), {&gg_compte}));
    ASSERT_EQ(données.nombre_lignes_compte, 4);  // with its levy of 6
    const adhérent après12 = données.table_adhérents[12], après7 = données.table_adhérents[7];
    const compte_asso caisse = données.comptes_asso[0];

    // Row 2 is the credit line of 7: the roles change, 7 pays 12 back.
    const std::optional<ligne_à_annuler> crédit = ligne_à_annuler_de(gg_compte, 2);
    ASSERT_TRUE(crédit);
    EXPECT_EQ(crédit->débité, 7);
    EXPECT_EQ(crédit->crédité, 12);
    ASSERT_TRUE(annule(gg_compte, 2));
    EXPECT_EQ(données.table_adhérents[12], a12);
    EXPECT_EQ(données.table_adhérents[7].der_solde, a7.der_solde - u(6));  // the levy stays until cancelled
    EXPECT_EQ(données.table_adhérents[7].crédits, a7.crédits);
    EXPECT_EQ(données.comptes_asso[0], caisse);

    // Cancelling the cancellation records the exchange again under its own
    // description: both accounts as after the first recording.
    ASSERT_EQ(gg_compte.TextMatrix(6, 2), "annul.Cours de guitare");
    const std::optional<ligne_à_annuler> encore = ligne_à_annuler_de(gg_compte, 6);
    ASSERT_TRUE(encore);
    EXPECT_TRUE(encore->rétablit);
    EXPECT_EQ(encore->description, "Cours de guitare");
    ASSERT_TRUE(annule(gg_compte, 6));
    EXPECT_EQ(données.table_adhérents[12], après12);
    EXPECT_EQ(données.table_adhérents[7], après7);

    // The levy lines are cancelled by their own rows.
    ASSERT_TRUE(annule(gg_compte, 3));
    EXPECT_TRUE(sans_mouvement(données.comptes_asso[0]));
}

TEST_F(annulation, après_une_remise_à_zéro_les_cumuls_ne_passent_pas_sous_zéro)
{
    entête_grille_écritures(gg_compte, false);
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("30")), {&gg_compte}));
    ASSERT_TRUE(remet_cumuls({12, 7}));
    ASSERT_TRUE(annule(gg_compte, 1));
    // The cancelled movement was counted before the reset: nothing to take off.
    const adhérent& a12 = données.table_adhérents[12];
    EXPECT_EQ(a12.der_solde, u(100));
    EXPECT_EQ(a12.débits, 0);
    EXPECT_EQ(a12.crédits, 0);
    EXPECT_EQ(a12.volume, u(0));
    EXPECT_EQ(données.table_adhérents[7].débits, 0);
    EXPECT_EQ(données.table_adhérents[7].crédits, 0);
    EXPECT_EQ(données.table_adhérents[7].volume, u(0));
}

TEST_F(annulation, une_annulation_refusée_ne_change_rien)
{
    entête_grille_écritures(gg_compte, false);
    ASSERT_TRUE(enregistre_échange(saisie(12, 7, QStringLiteral("30")), {&gg_compte}));

    // The partner has left the register meanwhile.
    données.table_adhérents[2].ordre = 0;
    données_sel avant = données;
    EXPECT_FALSE(annule(gg_compte, 1));
    EXPECT_TRUE(données == avant);
    données.table_adhérents[2].ordre = 7;

    // The ledger has room for one line only.
    données.nombre_lignes_compte = max_lignes_compte - 1;
    avant = données;
    EXPECT_FALSE(annule(gg_compte, 1));
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(gg_compte.Rows(), 3);
    EXPECT_EQ(boîtes.messages.size(), 2u);

    // Neither the header row nor a row beyond the grid can be cancelled.
    EXPECT_FALSE(ligne_à_annuler_de(gg_compte, 0));
    EXPECT_FALSE(ligne_à_annuler_de(gg_compte, 3));
    grille courte;
    entête_grille_écritures(courte, true);
    courte.AddItem(gg_compte.TextMatrix(1, 0));
    EXPECT_FALSE(ligne_à_annuler_de(courte, 1));
}

}  // namespace
