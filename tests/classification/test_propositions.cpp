#include "classification/propositions.h"

#include "classification/classement.h"
#include "classification/jeu_classement.h"
#include "support/dossier_test.h"

namespace t = textes_propositions;

class saisie_propositions : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        pose_classement({{10, "A"}, {20, "B"}, {50, "E"}, {51, "e1"}});
        données.symbole_enfant = "J";
        données.symbole_adulte = "$";
        données.nombre_adhérents = 2;
        données.table_adhérents[1].ordre = 7;
        données.table_adhérents[2].ordre = 9;
        données.table_adhérents[7].identifiant = "Annick";
        données.table_adhérents[7].catégorie = 1;
        données.table_adhérents[9].identifiant = "Bastien";
        données.table_adhérents[9].catégorie = 0;
    }

    static champs_proposition champs(const QString& code = "512", const QString& description = "Cours de tricot")
    {
        champs_proposition c;
        c.type = 1;
        c.code = code;
        c.genre = 2;
        c.cible = 0;
        c.statut = 0;
        c.description = description;
        return c;
    }

    // Validation of an existing proposition after the user touched a field.
    résultat_validation valide(édition_proposition& é, const champs_proposition& c)
    {
        é.modifiée = true;
        return valide_proposition(é, c);
    }
};

TEST_F(saisie_propositions, validation_écrit_les_champs_de_l_éditeur)
{
    proposition& p = pose_proposition(4, 100, 0, 7);
    adhérent_courant = 9;  // another member chosen since: not the one written
    édition_proposition é{4, 7, false};
    champs_proposition c = champs("  512.5 ", "  un \"vrai\" vélo  ");
    c.type = 2;
    c.genre = 4;
    c.statut = 1;
    c.cible = 1;
    ASSERT_EQ(valide(é, c), résultat_validation::validée);
    EXPECT_FALSE(é.modifiée);
    EXPECT_EQ(p.type, 2);
    EXPECT_EQ(p.code_rubrique, 512);
    EXPECT_EQ(p.genre, 4);
    EXPECT_EQ(p.additif, 1);
    EXPECT_EQ(p.désignation, QString::fromUtf8("  un «vrai» vélo  "));
    EXPECT_EQ(p.num_adh, 7);
    EXPECT_EQ(p.identifiant, QString("Annick").leftJustified(20));
    EXPECT_EQ(jour_de(p.date), QDate(2026, 3, 14));
    EXPECT_FALSE(a_une_heure(p.date));
    EXPECT_EQ(p.kid, "J");
    EXPECT_EQ(p.adulte, "");
    EXPECT_EQ(p.ordre, 0);  // the list order is left alone
    EXPECT_EQ(données.nombre_propositions, 1);

    c.cible = 2;
    valide(é, c);
    EXPECT_EQ(p.kid + "|" + p.adulte, "|$");
    c.cible = 0;
    valide(é, c);
    EXPECT_EQ(p.kid + "|" + p.adulte, "|");
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(saisie_propositions, code_accepté_quand_sa_rubrique_existe)
{
    proposition& p = pose_proposition(1, 100, 0, 7);
    édition_proposition é{1, 7, false};
    for (const char* bon : {"512", "100", "299", "599.4", "2 12"}) {
        EXPECT_EQ(valide(é, champs(bon)), résultat_validation::validée) << bon;
        EXPECT_EQ(p.code_rubrique, valeur_code(bon));
    }
    for (const char* faux : {"399", "99", "", "abc", "5099", "5100", "99.6", "600"})
        EXPECT_EQ(valide(é, champs(faux)), résultat_validation::refusée) << faux;
    EXPECT_EQ(boîtes.messages.size(), 8u);
    EXPECT_EQ(boîtes.textes().front(), t::code_incorrect);
    EXPECT_EQ(p.code_rubrique, 212);
}

TEST_F(saisie_propositions, refus_dans_l_ordre_des_champs)
{
    proposition& p = pose_proposition(1, 100, 0, 7);
    p.désignation = "ancienne";
    édition_proposition é{1, 7, false};
    champs_proposition c = champs();
    c.type = 0;
    EXPECT_EQ(valide(é, c), résultat_validation::refusée);
    c = champs();
    c.genre = -1;
    EXPECT_EQ(valide(é, c), résultat_validation::refusée);
    c = champs();
    c.cible = -1;
    EXPECT_EQ(valide(é, c), résultat_validation::refusée);
    c = champs("200", "   ");
    c.type = 2;
    EXPECT_EQ(valide(é, c), résultat_validation::refusée);
    EXPECT_EQ(boîtes.textes(),
              (QStringList{t::type_manquant, t::genre_manquant, t::cible_manquante, t::description_manquante}));

    // What came before the refused field is written; the rest is not.
    EXPECT_EQ(p.type, 2);
    EXPECT_EQ(p.code_rubrique, 200);
    EXPECT_EQ(p.genre, 2);
    EXPECT_EQ(p.désignation, "ancienne");
    // The refused change stays pending: validated again, it is refused again
    // with its reason, never taken for nothing to validate.
    EXPECT_TRUE(é.modifiée);
    EXPECT_EQ(valide_proposition(é, c), résultat_validation::refusée);
    EXPECT_EQ(boîtes.textes().back(), t::description_manquante);
    c.description = "nouvelle";
    EXPECT_EQ(valide_proposition(é, c), résultat_validation::validée);
    EXPECT_FALSE(é.modifiée);
    EXPECT_EQ(valide_proposition(é, c), résultat_validation::rien_à_valider);
    EXPECT_EQ(boîtes.textes().back(), t::rien_à_valider);
}

TEST_F(saisie_propositions, rien_n_est_écrit_sans_proposition_montrée)
{
    proposition& p = pose_proposition(1, 100, 0, 7);
    const proposition avant = p;
    édition_proposition é{0, 9, false};  // member 9 has no proposition
    EXPECT_EQ(valide(é, champs()), résultat_validation::rien_à_valider);
    EXPECT_EQ(p, avant);
    EXPECT_FALSE(é.modifiée);
}

TEST_F(saisie_propositions, nouvelle_proposition_comptée_seulement_une_fois_validée)
{
    pose_proposition(1, 100);
    pose_proposition(2, 100);
    pose_proposition(4, 100);
    // Listed: slots 1, 2 and 4. The record at the next place still names
    // slot 3 from an earlier list: that does not make slot 3 used.
    données.table_propositions[4].ordre = 3;

    édition_proposition é;
    champs_proposition c;
    c.type = 1;
    ASSERT_TRUE(commence_nouvelle_proposition(é, 9, c));
    EXPECT_EQ(é.slot, 3);
    EXPECT_TRUE(é.nouvelle);
    EXPECT_EQ(é.adhérent, 9);
    EXPECT_EQ(c.code, "101");  // first section, last digit 1
    EXPECT_EQ(c.genre, 0);
    EXPECT_EQ(c.statut, 1);
    EXPECT_EQ(c.cible, 1);  // child member
    EXPECT_EQ(c.type, 1);   // left as the editor shows it
    EXPECT_EQ(données.nombre_propositions, 3);

    c.description = "";
    EXPECT_EQ(valide(é, c), résultat_validation::refusée);
    EXPECT_EQ(données.nombre_propositions, 3);
    EXPECT_TRUE(é.nouvelle);

    c.description = "Gâteaux";
    EXPECT_EQ(valide(é, c), résultat_validation::validée);
    EXPECT_FALSE(é.nouvelle);
    EXPECT_EQ(données.nombre_propositions, 4);
    EXPECT_EQ(données.table_propositions[4].ordre, 3);
    EXPECT_EQ(données.table_propositions[3].additif, 1);
    EXPECT_EQ(données.table_propositions[3].num_adh, 9);
    const auto l = listes_offres_demandes(9);
    ASSERT_FALSE(l.offres.empty());
    EXPECT_EQ(l.offres.back(), (ligne_proposition{"Gâteaux", 3}));
}

TEST_F(saisie_propositions, nouvelle_annulée_ou_refusée)
{
    pose_proposition(1, 100);
    const données_sel avant = données;
    édition_proposition é;
    champs_proposition c;
    ASSERT_TRUE(commence_nouvelle_proposition(é, 7, c));
    EXPECT_EQ(c.cible, 0);  // adult member: for all
    é.modifiée = true;
    annule_nouvelle_proposition(é);
    EXPECT_FALSE(é.nouvelle);
    EXPECT_FALSE(é.modifiée);
    EXPECT_TRUE(données == avant);

    données.type_fichier = "archive";
    EXPECT_FALSE(commence_nouvelle_proposition(é, 7, c));
    EXPECT_EQ(boîtes.textes(), QStringList{"Vous ne pouvez pas modifier un fichier d'archive"});

    données.type_fichier = "normal";
    for (int s = 2; s <= max_propositions; ++s)
        pose_proposition(s, 100);
    EXPECT_FALSE(commence_nouvelle_proposition(é, 7, c));
    EXPECT_EQ(boîtes.textes().back(), t::table_pleine);
    EXPECT_FALSE(é.nouvelle);
    EXPECT_EQ(données.nombre_propositions, max_propositions);
}

TEST_F(saisie_propositions, supprimer_et_restaurer)
{
    proposition& p = pose_proposition(1, 512, 0, 7);
    édition_proposition é{1, 7, false};
    champs_proposition c = champs_de_proposition(1);
    c.description = " ";  // the validation that follows is refused
    EXPECT_EQ(supprime_proposition(é, c), résultat_validation::refusée);
    EXPECT_EQ(p.additif, 2);

    restaure_proposition(é);
    EXPECT_EQ(p.additif, 0);
    EXPECT_TRUE(é.modifiée);

    p.additif = 3;
    c = champs_de_proposition(1);
    EXPECT_EQ(supprime_proposition(é, c), résultat_validation::validée);
    EXPECT_EQ(p.additif, 2);
}

TEST_F(saisie_propositions, champs_montrés_et_type_changé)
{
    proposition& p = pose_proposition(1, 1234, 3, 7, 2);
    p.genre = 1;
    p.kid = " J ";
    p.adulte = "$";
    const champs_proposition c = champs_de_proposition(1);
    EXPECT_EQ(c.type, 2);
    EXPECT_EQ(c.code, "1234");
    EXPECT_EQ(c.genre, 1);
    EXPECT_EQ(c.cible, 1);  // child marker wins
    EXPECT_EQ(c.statut, 3);
    p.kid = "  ";
    EXPECT_EQ(cible_de(p), 2);

    édition_proposition montrée{1, 7, false};
    change_type_proposition(montrée, 1);
    EXPECT_EQ(p.type, 1);
    EXPECT_TRUE(montrée.modifiée);
    édition_proposition nouvelle{1, 7, true};
    change_type_proposition(nouvelle, 2);  // a new one keeps its record untouched
    EXPECT_EQ(p.type, 1);
}

TEST_F(saisie_propositions, listes_d_un_adhérent_dans_l_ordre)
{
    pose_proposition(5, 100, 0, 7, 2).désignation = "d1";
    pose_proposition(2, 100, 2, 7, 1).désignation = "o1";
    pose_proposition(3, 100, 0, 9, 1).désignation = "autre membre";
    pose_proposition(9, 100, 3, 7, 1).désignation = "o2";
    pose_proposition(4, 100, 0, 7, 3).désignation = "ni offre ni demande";
    pose_proposition(1, 100, 1, 7, 2).désignation = "d2";
    const auto l = listes_offres_demandes(7);
    EXPECT_EQ(l.offres, (std::vector<ligne_proposition>{{"o1", 2}, {"o2", 9}}));
    EXPECT_EQ(l.demandes, (std::vector<ligne_proposition>{{"d1", 5}, {"d2", 1}}));
    EXPECT_TRUE(listes_offres_demandes(8).offres.empty());
}
