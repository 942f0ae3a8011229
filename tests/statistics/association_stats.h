#pragma once
// A small association whose statistics are worked out by hand.
//
// Members (number: sex, category, criterion 0, quality, criterion 1,
// criterion 2, supplement status), listed 1, 2, 3, 4:
//   1: man,   adult,  0, 0, 0, 0, normal
//   2: man,   child,  1, 1, 0, 1, eliminated
//   3: man,   adult,  1, 2, 1, 1, normal
//   4: woman, other,  2, 2, 0, 1, normal
// Sections 100, 200, 300 (sub-sections 110, 120, 210). Genres "produit", "",
// "savoir". Propositions (type, genre, code, kid, adulte, member, status):
//   offer 0 111 J  -  1;  request 1 121 -  K  2 deleted;  offer 0 199 J J 3;
//   request 2 211 - K 3;  offer 1 301 - - 4;  offer 0 112 - - member 9 (unlisted)
// Account lines (operation date, account, direction, amount, code, genre):
//   10/01/2026 1 debit 50 110 0;   10/01/2026 2 credit 99 120 0;
//   05/02/2026 3 debit 100 210 2;  01/03/2026 4 credit 500 199 1;
//   14/03/2026 9995 debit 10 310 0; 31/12/2025 1 debit 2000 310 0
#include "data/modele.h"
#include "statistics/compteurs.h"

inline void remplit_association_stats()
{
    initialise_paramètres();
    données.noms_genres = {QStringLiteral("produit"), QString(), QStringLiteral("savoir"), QString(), QString()};
    données.symbole_enfant = QStringLiteral("J");
    données.symbole_adulte = QStringLiteral("K");
    for (int i = 0; i < 10; ++i) {
        données.valeurs_qualité[i] = QStringLiteral("q%1").arg(i);
        données.valeurs_critère1[i] = i < 4 ? QStringLiteral("c1-%1").arg(i) : QString();
        données.valeurs_critère2[i] = QStringLiteral("c2-%1").arg(i);
    }

    struct m {
        int16 sexe, catégorie, critère0, qualité, critère1, critère2, additif;
    };
    const m membres[] = {{0, 1, 0, 0, 0, 0, 0}, {0, 0, 1, 1, 0, 1, 3}, {0, 1, 1, 2, 1, 1, 0}, {1, 2, 2, 2, 0, 1, 0}};
    for (int n = 1; n <= 4; ++n) {
        adhérent& a = données.table_adhérents[n];
        const m& v = membres[n - 1];
        a.identifiant = QStringLiteral("Membre %1").arg(n);
        a.sexe = v.sexe, a.catégorie = v.catégorie, a.critère0 = v.critère0, a.qualité = v.qualité;
        a.critère1 = v.critère1, a.critère2 = v.critère2, a.additif = v.additif;
        données.table_adhérents[n].ordre = static_cast<int16>(n);
    }
    données.nombre_adhérents = 4;

    const int16 codes[] = {10, 11, 12, 20, 21, 30};
    for (int i = 0; i < 6; ++i)
        données.codes_classification[i + 1] = codes[i];
    données.nombre_codes_classification = 6;

    struct p {
        int16 type, genre, code;
        const char *kid, *adulte;
        int16 membre, additif;
    };
    const p propositions[] = {{1, 0, 111, "J", "", 1, 0}, {2, 1, 121, "", "K", 2, 2}, {1, 0, 199, "J", "J", 3, 0},
                              {2, 2, 211, "", "K", 3, 0}, {1, 1, 301, "", "", 4, 0},  {1, 0, 112, "", "", 9, 0}};
    // Slots in reverse, so that the list order goes through ordre.
    for (int i = 1; i <= 6; ++i) {
        const int slot = 10 - i;
        proposition& q = données.table_propositions[slot];
        const p& v = propositions[i - 1];
        q.type = v.type, q.genre = v.genre, q.code_rubrique = v.code;
        q.kid = QString::fromLatin1(v.kid), q.adulte = QString::fromLatin1(v.adulte);
        q.num_adh = v.membre, q.additif = v.additif;
        données.table_propositions[i].ordre = static_cast<int16>(slot);
    }
    données.nombre_propositions = 6;

    struct l {
        QDate date;
        int16 compte;
        const char* sens;
        int montant;
        int16 code, genre;
    };
    const l lignes[] = {{QDate(2026, 1, 10), 1, "1", 50, 110, 0},   {QDate(2026, 1, 10), 2, "2", 99, 120, 0},
                        {QDate(2026, 2, 5), 3, "1", 100, 210, 2},   {QDate(2026, 3, 1), 4, "2", 500, 199, 1},
                        {QDate(2026, 3, 14), 9995, "1", 10, 310, 0}, {QDate(2025, 12, 31), 1, "1", 2000, 310, 0}};
    for (int i = 1; i <= 6; ++i) {
        ligne_de_compte& x = données.table_lignes_compte[i];
        const l& v = lignes[i - 1];
        x.dte_enr = x.dte_opé = date_depuis(v.date);
        x.compte = v.compte, x.sens = QString::fromLatin1(v.sens), x.montant = monnaie::unités(v.montant);
        x.code_rub = v.code, x.genre = v.genre;
    }
    données.nombre_lignes_compte = 6;
}

// The selection of the listed accounts, with the window's opening dates.
inline état_statistiques sélection(std::initializer_list<int> comptes)
{
    état_statistiques é;
    for (const int n : comptes)
        é.liste.push_back({QStringLiteral("Compte %1").arg(n), n});
    é.date_dep = QStringLiteral("00:00:00");
    é.date_fin = QStringLiteral("14/03/2026");
    return é;
}
