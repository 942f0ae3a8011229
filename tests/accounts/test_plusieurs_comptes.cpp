// Pay-outs and levies on every member of a list: the lines, the balances,
// and the all-or-none refusals.
#include "accounts/plusieurs_comptes.h"
#include "support/dossier_test.h"
#include "support/impression_qt.h"

namespace {

monnaie u(std::int64_t n) { return monnaie::unités(n); }

class plusieurs_comptes : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        for (const int numéro : {12, 7, 3}) {
            données.table_adhérents[++données.nombre_adhérents].ordre = static_cast<int16>(numéro);
            données.table_adhérents[numéro].identifiant = QStringLiteral("membre %1").arg(numéro);
        }
        données.table_adhérents[12].der_solde = u(100);
        données.comptes_asso[1].nom = QStringLiteral("Fonds");
    }

    static saisie_échange saisie(int demandeur, const QString& montant)
    {
        saisie_échange s;
        s.débité = demandeur;
        s.montant = montant;
        s.date_opération = date_depuis(QDate(2026, 3, 1));
        s.description = QStringLiteral("Cotisation");
        s.code_rubrique = QStringLiteral("12");
        return s;
    }

    static void vérifie_ligne(int i, int compte, int partenaire, const char* sens, monnaie solde)
    {
        SCOPED_TRACE(i);
        const ligne_de_compte& l = données.table_lignes_compte[i];
        EXPECT_EQ(l.compte, compte);
        EXPECT_EQ(l.partenaire, partenaire);
        EXPECT_EQ(l.sens, QString::fromLatin1(sens));
        EXPECT_EQ(l.solde, solde);
        EXPECT_EQ(l.description, "Cotisation");
        EXPECT_EQ(l.code_rub, 12);
        EXPECT_EQ(l.dte_opé, date_depuis(QDate(2026, 3, 1)));
    }
};

TEST_F(plusieurs_comptes, un_reversement_à_trois_membres)
{
    const compte_asso caisse = données.comptes_asso[0];
    ASSERT_TRUE(enregistre_opération_multiple(opération_reversement, saisie(9996, "10"), {12, 9995, 7, 3}));
    ASSERT_EQ(données.nombre_lignes_compte, 6);
    vérifie_ligne(1, 9996, 12, "1", u(-10));
    vérifie_ligne(2, 12, 9996, "2", u(110));
    vérifie_ligne(3, 9996, 7, "1", u(-20));
    vérifie_ligne(4, 7, 9996, "2", u(10));
    vérifie_ligne(5, 9996, 3, "1", u(-30));
    vérifie_ligne(6, 3, 9996, "2", u(10));
    const compte_asso& fonds = données.comptes_asso[1];
    EXPECT_EQ(fonds.solde, u(-30));
    EXPECT_EQ(fonds.débits, 3);
    EXPECT_EQ(fonds.volume, u(30));
    EXPECT_EQ(données.table_adhérents[7].crédits, 1);
    EXPECT_EQ(données.table_adhérents[7].volume, u(10));
    EXPECT_EQ(données.comptes_asso[0], caisse);  // an association account of the list takes no part
    EXPECT_EQ(journal_écritures().size(), 6u);
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
}

TEST_F(plusieurs_comptes, un_prélèvement_dont_le_demandeur_est_dans_la_liste)
{
    ASSERT_TRUE(enregistre_opération_multiple(opération_prélèvement, saisie(12, "2,5"), {7, 12, 3}));
    ASSERT_EQ(données.nombre_lignes_compte, 6);
    const monnaie m = monnaie::depuis_brut(25000);
    vérifie_ligne(1, 12, 7, "2", u(100) + m);
    vérifie_ligne(2, 7, 12, "1", -m);
    // Its own two lines cancel out.
    vérifie_ligne(3, 12, 12, "2", u(100) + m + m);
    vérifie_ligne(4, 12, 12, "1", u(100) + m);
    vérifie_ligne(6, 3, 12, "1", -m);
    const adhérent& a = données.table_adhérents[12];
    EXPECT_EQ(a.der_solde, u(105));
    EXPECT_EQ(a.crédits, 3);
    EXPECT_EQ(a.débits, 1);
}

TEST_F(plusieurs_comptes, tout_ou_rien)
{
    ASSERT_TRUE(enregistre_opération_multiple(opération_reversement, saisie(9996, "10"), {12}));
    const données_sel avant = données;
    const std::vector<écriture_journalisée> journal = journal_écritures();

    struct cas {
        const char* nom;
        std::function<void()> prépare;
        saisie_échange s;
        std::vector<int> comptes;
    };
    const std::vector<cas> refus = {
        {"un membre hors du registre", [] {}, saisie(9996, "10"), {12, 7, 8}},
        {"un numéro hors des comptes", [] {}, saisie(9996, "10"), {12, -4}},
        {"le demandeur inconnu", [] {}, saisie(9994, "10"), {12}},
        {"montant nul", [] {}, saisie(9996, "0"), {12}},
        {"montant illisible", [] {}, saisie(9996, "dix"), {12}},
        {"montant négatif", [] {}, saisie(9996, "-10"), {12}},
        {"plus de place pour six lignes", [] { données.nombre_lignes_compte = max_lignes_compte - 5; },
         saisie(9996, "10"), {12, 7, 3}},
        {"le compteur du demandeur déborderait", [] { données.comptes_asso[1].crédits = 32766; },
         saisie(9996, "10"), {12, 7}},
    };
    for (const cas& c : refus) {
        SCOPED_TRACE(c.nom);
        données = avant;
        c.prépare();
        const données_sel préparées = données;
        boîtes.messages.clear();
        EXPECT_FALSE(enregistre_opération_multiple(
            std::string_view(c.nom).starts_with("le compteur") ? opération_prélèvement : opération_reversement,
            c.s, c.comptes));
        EXPECT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(données == préparées);
        EXPECT_EQ(journal_écritures(), journal);
    }

    // A list without members: nothing to post, nothing refused.
    données = avant;
    boîtes.messages.clear();
    EXPECT_TRUE(enregistre_opération_multiple(opération_reversement, saisie(9996, "10"), {9995, 9997}));
    EXPECT_TRUE(données == avant);
    EXPECT_TRUE(journal_écritures().empty());
    EXPECT_TRUE(boîtes.messages.empty());
}

}  // namespace
