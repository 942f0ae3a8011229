// The ledger under random sequences of everything that moves money or the
// lines: exchanges with and without levy, pay-outs and levies on several
// accounts, cancellation lines, undos, registration credits (kept or
// abandoned), restore points set and reloaded, and archiving. After every
// step the sum of all balances is what it was at the start, and every
// account's balance is its starting balance plus its lines (the lines the
// archiving takes out of the ledger count in its starting balance from then
// on). Refused steps must leave all of it as it was.
#include "accounts/annulation.h"
#include "accounts/enregistrement.h"
#include "accounts/grilles_comptes.h"
#include "accounts/plusieurs_comptes.h"
#include "accounts/reprise.h"
#include "data/dossiers.h"
#include "data_windows/archivage.h"
#include "data/fichier_donnees.h"
#include "members/credit_inscription.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QDir>
#include <map>
#include <random>

namespace {

constexpr int membres = 30;

class propriété_grand_livre : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        QDir().mkpath(chemin("repère"));
        QDir().mkpath(chemin("archives"));
    }

    void départ(std::mt19937& hasard)
    {
        données = données_sel{};
        initialise_paramètres();
        remplit_association_essai(données, {membres, 0, 0, 10});
        // Nobody leaves at the archiving: the association keeps its members.
        pour_chaque_adhérent(données, [](int, adhérent& a) { a.additif = 0; });
        données.nombre_lignes_compte = 0;
        données.compte_asso_débité = premier_compte_asso + 1;
        données.solde_départ = monnaie::unités(20);
        fichier_courant = fichier_données_défaut();
        // Starting balances of every sign, no line yet.
        base.clear();
        for (int n = 1; n <= max_adhérents; ++n) {
            adhérent& a = données.table_adhérents[n];
            a.der_solde = n <= membres ? monnaie::depuis_brut((static_cast<int>(hasard() % 2001) - 1000) * 100)
                                       : monnaie{};
            a.débits = a.crédits = 0;
            a.volume = {};
            if (a.der_solde != monnaie{})
                base[n] = a.der_solde;
        }
        for (int k = 0; k < nombre_comptes_asso; ++k) {
            compte_asso& c = données.comptes_asso[k];
            c.solde = monnaie::unités(static_cast<int>(hasard() % 500));
            c.débits = c.crédits = 0;
            c.volume = {};
            base[premier_compte_asso + k] = c.solde;
        }
        somme_départ = somme();
        ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
    }

    // What the association holds: its listed members and its own accounts
    // (a record outside the list is no one's account).
    static monnaie somme()
    {
        monnaie s;
        pour_chaque_adhérent(données, [&](int, adhérent& a) { s += a.der_solde; });
        for (const compte_asso& c : données.comptes_asso)
            s += c.solde;
        return s;
    }

    static monnaie mouvement(const ligne_de_compte& l) { return l.sens == QLatin1String("1") ? monnaie{} - l.montant : l.montant; }

    static monnaie solde(int compte)
    {
        if (const compte_asso* c = données.compte_association(compte))
            return c->solde;
        return données.table_adhérents[compte].der_solde;
    }

    // The two properties, after `étape`.
    void vérifie(const std::string& étape)
    {
        ASSERT_EQ(somme(), somme_départ) << "après " << étape << " : des grains ont été créés ou perdus";
        std::map<int, monnaie> lignes;
        for (int i = 1; i <= données.nombre_lignes_compte; ++i) {
            const ligne_de_compte& l = données.table_lignes_compte[i];
            lignes[l.compte] += mouvement(l);
        }
        auto vérifie_compte = [&](int compte) {
            const auto b = base.find(compte);
            const monnaie attendu = (b == base.end() ? monnaie{} : b->second) + lignes[compte];
            EXPECT_EQ(solde(compte), attendu) << "après " << étape << " : compte " << compte;
        };
        pour_chaque_adhérent(données, [&](int n, adhérent&) { vérifie_compte(n); });
        for (int k = 0; k < nombre_comptes_asso; ++k)
            vérifie_compte(premier_compte_asso + k);
        ASSERT_FALSE(HasFailure());
    }

    saisie_échange saisie(std::mt19937& hasard)
    {
        saisie_échange s;
        s.débité = compte_au_hasard(hasard);
        s.crédité = compte_au_hasard(hasard);
        s.montant = QStringLiteral("%1,%2").arg(hasard() % 300 + 1).arg(hasard() % 100, 2, 10, QLatin1Char('0'));
        s.date_opération = date_depuis(aujourdhui());
        s.description = QStringLiteral("échange");
        s.prélèvement = {QStringLiteral("0,5"), QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("1000"),
                         hasard() % 3 == 0, premier_compte_asso + 4};
        return s;
    }

    int compte_au_hasard(std::mt19937& hasard) const
    {
        if (hasard() % 8 == 0)
            return premier_compte_asso + static_cast<int>(hasard() % nombre_comptes_asso);
        return données.table_adhérents[1 + hasard() % données.nombre_adhérents].ordre;
    }

    std::map<int, monnaie> base;  // starting balance of each account
    monnaie somme_départ;
};

}  // namespace

TEST_F(propriété_grand_livre, somme_constante_et_soldes_égaux_à_leurs_lignes)
{
    const int suites = qEnvironmentVariableIntValue("TROVANE_SUITES") > 0 ? qEnvironmentVariableIntValue("TROVANE_SUITES") : 40;
    std::map<std::string, int> faites;
    for (int suite = 0; suite < suites; ++suite) {
        SCOPED_TRACE(suite);
        std::mt19937 hasard(1000 + suite);
        départ(hasard);
        ASSERT_NO_FATAL_FAILURE(vérifie("le départ"));
        std::map<int, monnaie> base_du_repère = base;
        bool repère = false;
        int libre = membres + 1, archives = 0;
        for (int pas = 0; pas < 400; ++pas) {
            if (hasard() % 20 == 0)
                fixe_horloge(QDateTime(aujourdhui().addDays(static_cast<int>(hasard() % 40)), QTime(10, 30)));
            const unsigned tirage = hasard() % 100;
            std::string étape;
            if (tirage < 40) {
                étape = "un échange";
                if (enregistre_échange(saisie(hasard)))
                    ++faites[étape];
            } else if (tirage < 50) {
                étape = "une opération sur plusieurs comptes";
                saisie_échange s = saisie(hasard);
                std::vector<int> comptes;
                for (int k = static_cast<int>(hasard() % 6); k >= 0; --k)
                    comptes.push_back(compte_au_hasard(hasard));
                const int opération = hasard() % 2 ? opération_prélèvement : opération_reversement;
                if (enregistre_opération_multiple(opération, s, comptes))
                    ++faites[étape];
            } else if (tirage < 62) {
                étape = "une annulation";
                grille g;
                remplit_relevé_compte(g, 20, compte_au_hasard(hasard), mode_dernières, 0, 0, false, -1);
                if (g.Rows() > 1) {
                    if (const auto a = ligne_à_annuler_de(g, 1 + static_cast<int>(hasard() % (g.Rows() - 1)))) {
                        saisie_échange s;
                        s.débité = a->débité;
                        s.crédité = a->crédité;
                        s.montant = a->montant;
                        s.date_opération = date_depuis(aujourdhui());
                        s.description = a->description;
                        s.genre = a->genre;
                        s.code_rubrique = a->code_rubrique;
                        s.catégorie = a->catégorie;
                        if (enregistre_annulation(s, a->rétablit))
                            ++faites[étape];
                    }
                }
            } else if (tirage < 75) {
                étape = "un retour en arrière";
                if (défait_dernière_opération())
                    ++faites[étape];
            } else if (tirage < 83) {
                étape = "un crédit à l'inscription";
                if (libre <= max_adhérents) {
                    champs_adhérent champs = champs_de(adhérent{});
                    champs.prénom = QStringLiteral("Nouveau %1").arg(libre);
                    champs.date_adh = texte_date(date_depuis(aujourdhui()));
                    champs.solde = champs.débits = champs.crédits = champs.volume = QString();
                    crédit_inscription crédit;
                    if (crédite_inscription(QString::number(libre), champs, crédit) == issue_crédit::posté) {
                        ++faites[étape];
                        base[libre] = monnaie{};
                        if (hasard() % 3 == 0) {
                            étape = "un crédit abandonné";
                            if (annule_crédit_inscription(crédit))
                                ++faites[étape];
                        } else {
                            données.table_adhérents[++données.nombre_adhérents].ordre = static_cast<int16>(libre);
                            ++libre;
                        }
                    }
                }
            } else if (tirage < 90) {
                étape = "un point de reprise posé";
                if (pose_point_repère()) {
                    ++faites[étape];
                    base_du_repère = base;
                    repère = true;
                }
            } else if (tirage < 96) {
                étape = "un point de reprise rechargé";
                if (repère && restaure_point_repère()) {
                    ++faites[étape];
                    base = base_du_repère;
                }
            } else {
                étape = "un archivage";
                choix_archivage choix;
                choix.mois_comptes = static_cast<int>(hasard() % 4);
                choix.remise_à_zéro_cumuls = hasard() % 2;
                boîtes.fichiers = {chemin(QStringLiteral("archives/a%1-%2.sel").arg(suite).arg(++archives))};
                const int avant = données.nombre_lignes_compte;
                std::vector<ligne_de_compte> lignes(données.table_lignes_compte.begin() + 1,
                                                    données.table_lignes_compte.begin() + 1 + avant);
                const std::map<int, monnaie> base_avant = base;
                const QByteArray fichier_avant = écrit_données(données);
                const fin_archivage fin = archive_période(choix);
                // The archiving sets a restore point of the data before it.
                if (lit("repère/trovane.sel") == fichier_avant) {
                    base_du_repère = base_avant;
                    repère = true;
                }
                if (fin == fin_archivage::terminé) {
                    ++faites[étape];
                    // The lines kept are the last ones; those taken out now
                    // belong to the starting balances.
                    for (int i = 0; i < avant - données.nombre_lignes_compte; ++i)
                        base[lignes[static_cast<std::size_t>(i)].compte] += mouvement(lignes[static_cast<std::size_t>(i)]);
                }
            }
            ASSERT_NO_FATAL_FAILURE(vérifie(étape + " (pas " + std::to_string(pas) + ")"));
            boîtes.messages.clear();
        }
    }
    for (const auto& [étape, n] : faites)
        std::printf("%s : %d\n", étape.c_str(), n);
    // Every kind of step happened, many times.
    EXPECT_EQ(faites.size(), 9u);
    for (const auto& [étape, n] : faites)
        EXPECT_GE(n, suites) << étape;
}
