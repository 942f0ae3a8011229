// The ledger as a whole: after many exchanges with levies, some undone, no
// grain is created or lost, every line's balance is its account's running
// balance, counters and volumes add up, and the data file keeps it all.
#include "accounts/annulation.h"
#include "accounts/enregistrement.h"
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <map>
#include <random>

namespace {

struct cumul {
    monnaie solde, volume;
    int débits = 0, crédits = 0;
};

class grand_livre : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données, {30, 0, 0, 10});
        données.nombre_lignes_compte = 0;
        pour_chaque_adhérent(données, [](int, adhérent& a) {
            a.der_solde = a.volume = {};
            a.débits = a.crédits = 0;
        });
        for (auto& c : données.comptes_asso)
            c.solde = c.volume = {}, c.débits = c.crédits = 0;
    }

    // What the lines say of each account, walked in recording order.
    std::map<int, cumul> relu_des_lignes() const
    {
        std::map<int, cumul> comptes;
        for (int i = 1; i <= données.nombre_lignes_compte; ++i) {
            const ligne_de_compte& l = données.table_lignes_compte[i];
            cumul& c = comptes[l.compte];
            if (l.sens == QLatin1String("1")) {
                c.solde -= l.montant;
                ++c.débits;
            } else {
                c.solde += l.montant;
                ++c.crédits;
            }
            c.volume += l.montant;
            EXPECT_EQ(l.solde, c.solde) << "ligne " << i;
        }
        return comptes;
    }

    void vérifie_cohérence() const
    {
        monnaie total;
        for (const auto& [compte, attendu] : relu_des_lignes()) {
            SCOPED_TRACE(compte);
            if (const compte_asso* a = const_cast<données_sel&>(données).compte_association(compte)) {
                EXPECT_EQ(a->solde, attendu.solde);
                EXPECT_EQ(a->volume, attendu.volume);
                EXPECT_EQ(a->débits, attendu.débits);
                EXPECT_EQ(a->crédits, attendu.crédits);
            } else {
                const adhérent& m = données.table_adhérents[compte];
                EXPECT_EQ(m.der_solde, attendu.solde);
                EXPECT_EQ(m.volume, attendu.volume);
                EXPECT_EQ(m.débits, attendu.débits);
                EXPECT_EQ(m.crédits, attendu.crédits);
            }
            total += attendu.solde;
        }
        EXPECT_EQ(total, monnaie{});  // exchanges move grains, they never make them
    }
};

}  // namespace

TEST_F(grand_livre, aucun_grain_créé_ni_perdu)
{
    std::mt19937 hasard(7);
    int enregistrés = 0, défaits = 0;
    for (int k = 0; k < 300; ++k) {
        saisie_échange s;
        s.débité = static_cast<int>(hasard() % 30) + 1;
        s.crédité = static_cast<int>(hasard() % 30) + 1;
        if (hasard() % 10 == 0)
            s.crédité = premier_compte_asso + static_cast<int>(hasard() % 5);
        if (s.débité == s.crédité)
            continue;
        s.montant = QStringLiteral("%1,%2").arg(hasard() % 900 + 1).arg(hasard() % 100);
        s.date_opération = date_depuis(QDate(2026, 1, 1).addDays(k));
        s.description = QStringLiteral("échange %1").arg(k);
        s.prélèvement = {QStringLiteral("0,5"), QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("1000"),
                         false, premier_compte_asso + 4};
        if (enregistre_échange(s))
            ++enregistrés;
        if (hasard() % 7 == 0 && défait_dernière_opération())
            ++défaits;
    }
    EXPECT_GT(enregistrés, 200);
    EXPECT_GT(défaits, 10);
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
    vérifie_cohérence();

    // The file keeps every line and every figure.
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    const données_sel avant = données;
    données = données_sel{};
    ASSERT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
    EXPECT_EQ(données.nombre_lignes_compte, avant.nombre_lignes_compte);
    EXPECT_TRUE(données.table_lignes_compte == avant.table_lignes_compte);
    EXPECT_TRUE(données.comptes_asso == avant.comptes_asso);
    vérifie_cohérence();
}
