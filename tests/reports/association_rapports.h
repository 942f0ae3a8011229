#pragma once
// A small association for the report tests: seven members (one deleted for
// the supplement, one eliminated), four named association accounts of five,
// a few offers and requests, and exchanges posted by the ledger at known
// operation dates around March 2026 (the fixture's today is 14/03/2026).
#include "accounts/ecritures.h"
#include "data/modele.h"
#include "support/dossier_test.h"

class essai_rapports : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        const char* noms[] = {"Annick L.", "Bernard M.", "Céline D.", "Dominique F.", "Élodie K.", "François G.",
                              "Gaëlle B."};
        données.nombre_adhérents = 7;
        for (int i = 1; i <= 7; ++i) {
            adhérent& a = données.table_adhérents[static_cast<std::size_t>(i)];
            a.ordre = static_cast<int16>(i);
            a.identifiant = QString::fromUtf8(noms[i - 1]);
            a.nom_adresse = QStringLiteral("NOM%1 Prénom").arg(i);
            a.rue = QStringLiteral("%1 rue de la Gare").arg(i);
            a.cp = QStringLiteral("29000");
            a.ville = QStringLiteral("Quimper");
            a.catégorie = 1;
        }
        données.table_adhérents[4].civilité = 4;
        données.table_adhérents[5].additif = 2;
        données.table_adhérents[6].additif = 3;
        données.comptes_asso[1].nom = QStringLiteral("   ");  // 9996 is not listed

        auto propose = [](int slot, int membre, int type, int additif, const char* texte) {
            proposition& p = données.table_propositions[static_cast<std::size_t>(slot)];
            p.ordre = static_cast<int16>(slot);
            p.num_adh = static_cast<int16>(membre);
            p.type = static_cast<int16>(type);
            p.additif = static_cast<int16>(additif);
            p.code_rubrique = static_cast<int16>(1010 + slot);
            p.désignation = QString::fromUtf8(texte);
        };
        données.nombre_propositions = 3;
        propose(1, 1, 1, 0, "Cours de guitare");
        propose(2, 1, 2, 0, "Prêt d'une perceuse");
        propose(3, 1, 1, 2, "Confitures maison");
        données.table_propositions[1].adulte = QStringLiteral("$");

        échange(QDate(2026, 2, 1), 2, 1, 1250, "Cours de guitare");
        échange(QDate(2026, 2, 28), 3, 1, 300, "Confitures");
        échange(QDate(2026, 3, 1), 1, 2, 40, "Jardinage");
        échange(QDate(2026, 3, 14), 7, 9995, 10, "Cotisation");
        échange(QDate(2026, 3, 31), 2, 3, 25, "Couture");
    }

    // payeur pays receveur: its debit line, then the receiver's credit line.
    static void échange(QDate jour, int payeur, int receveur, int montant, const char* description)
    {
        champs_ligne champs;
        champs.date_opération = date_depuis(jour);
        champs.description = QString::fromUtf8(description);
        const monnaie m = monnaie::unités(montant);
        ASSERT_TRUE(poste_lignes({{sens_débit, payeur, receveur, m, champs}, {sens_crédit, receveur, payeur, m, champs}}));
    }
};
