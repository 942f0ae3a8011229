#include "classification/classement.h"

#include "classification/jeu_classement.h"
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"

#include <QFile>

namespace t = textes_classement;
using std::vector;

class classement : public essai_dossier {};

// ---------------------------------------------------------------- codes

TEST(codes_rubrique, composition_et_découpage)
{
    EXPECT_EQ(constitue_code(12, 3, 4), 1234);
    EXPECT_EQ(constitue_code(12), 1200);
    EXPECT_EQ(constitue_code(12, 0, 7), 1207);
    EXPECT_EQ(découpe_code(1234), (parties_code{12, 3, 4}));
    EXPECT_EQ(découpe_code(1200), (parties_code{12, 0, 0}));
    EXPECT_EQ(découpe_code(1207), (parties_code{12, 0, 7}));
    EXPECT_EQ(découpe_code(5000), (parties_code{50, 0, 0}));
    EXPECT_EQ(découpe_code(99), parties_code{});
}

TEST_F(classement, valeur_d_un_champ_de_code)
{
    EXPECT_EQ(valeur_code("150.5"), 150);  // halves to even
    EXPECT_EQ(valeur_code("151.5"), 152);
    EXPECT_EQ(valeur_code("151,5"), 152);
    EXPECT_EQ(valeur_code("3 12"), 312);
    EXPECT_EQ(valeur_code("1230abc"), 1230);
    EXPECT_EQ(valeur_code(""), 0);
    EXPECT_EQ(valeur_code("x12"), 0);
    EXPECT_EQ(valeur_code("1e30"), 0);

    EXPECT_EQ(code_tapé_classement("1230"), (parties_code{12, 3, 0}));
    EXPECT_EQ(code_tapé_classement("5000"), (parties_code{50, 0, 0}));
    for (const char* faux : {"95", "5010", "1235", ""})
        EXPECT_FALSE(code_tapé_classement(faux)) << faux;
    ASSERT_EQ(boîtes.messages.size(), 4u);
    EXPECT_EQ(boîtes.messages[0].texte, t::code_hors_limites);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
}

// ---------------------------------------------------------------- first free numbers

TEST(numéros_libres, dans_une_liste)
{
    EXPECT_EQ(cherche_code({}), 1);
    EXPECT_EQ(cherche_code({1, 2, 5}), 3);
    EXPECT_EQ(cherche_code({0, 2}), 1);  // the item being added carries 0
    vector<int> tous;
    for (int n = 1; n <= 100; ++n)
        tous.push_back(n);
    EXPECT_EQ(cherche_code(tous), 0);
}

TEST_F(classement, numéros_libres_des_tables)
{
    EXPECT_EQ(première_rubrique_libre(), 1);
    EXPECT_EQ(premier_chiffre_libre(12), 1);
    pose_classement({{10, "A"}, {20, "B"}, {50, "E"}, {120, "L"}, {121, "l1"}, {123, "l3"}});
    EXPECT_EQ(première_rubrique_libre(), 3);
    EXPECT_EQ(premier_chiffre_libre(12), 2);
    EXPECT_EQ(premier_chiffre_libre(1), 1);
    EXPECT_EQ(numéros_rubriques(), (vector<int>{1, 2, 5, 12}));
    EXPECT_EQ(chiffres_sous_rubriques(12), (vector<int>{1, 3}));
    EXPECT_EQ(indice_entrée(123), 6);
    EXPECT_EQ(indice_entrée(122), 0);
}

// ---------------------------------------------------------------- adding sections

TEST_F(classement, première_étape_garde_seulement_un_code_tapé)
{
    EXPECT_EQ(code_pour_ajout_rubrique("200", 2), "");
    EXPECT_EQ(code_pour_ajout_rubrique("700", 2), "700");
    EXPECT_EQ(code_pour_ajout_rubrique("700", 0), "");
    EXPECT_EQ(code_pour_ajout_sous_rubrique("1230", 2, 3), "");
    EXPECT_EQ(code_pour_ajout_sous_rubrique("1250", 2, 3), "1250");
    EXPECT_EQ(code_pour_ajout_sous_rubrique("1250", 0, 0), "");
    EXPECT_EQ(chiffre_tapé("1200"), 0);
}

TEST_F(classement, ajout_de_rubrique_au_premier_numéro_libre)
{
    pose_classement({{10, "A"}, {20, "B"}, {40, "D"}});
    EXPECT_EQ(ajoute_rubrique("  CUISINE ", "", "cuisine.gif"), 3);
    EXPECT_EQ(entrées_classement(), (vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(données.noms_rubriques[30], "  CUISINE ");  // blanks kept
    EXPECT_EQ(données.images_rubriques[3], "cuisine.gif");
    EXPECT_EQ(données.nombre_rubriques, 4);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(classement, ajout_de_rubrique_au_code_tapé)
{
    pose_classement({{10, "A"}, {20, "B"}});
    EXPECT_EQ(ajoute_rubrique("JARDIN", "700", ""), 7);
    EXPECT_EQ(ajoute_rubrique("FIN", "5000", "fin.gif"), 50);
    EXPECT_EQ(entrées_classement(), (vector<int>{10, 20, 70, 500}));
    EXPECT_EQ(données.nombre_rubriques, 50);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(classement, refus_d_ajout_de_rubrique)
{
    pose_classement({{10, "A"}, {20, "B"}});
    EXPECT_EQ(ajoute_rubrique("   ", "", ""), 0);
    for (const char* code : {"750", "50", "5100", "250.5"})
        EXPECT_EQ(ajoute_rubrique("X", code, ""), 0) << code;
    EXPECT_EQ(ajoute_rubrique("X", "200", "x.gif"), 0);  // section 2 exists
    EXPECT_EQ(boîtes.textes(),
              (QStringList{t::nom_manquant, t::code_rubrique_hors_limites, t::code_rubrique_hors_limites,
                           t::code_rubrique_hors_limites, t::code_rubrique_hors_limites,
                           t::rubrique_déjà_utilisée}));
    EXPECT_EQ(entrées_classement(), (vector<int>{10, 20}));
    EXPECT_EQ(données.noms_rubriques[20], "B");
    EXPECT_TRUE(données.images_rubriques[2].isEmpty());
}

TEST_F(classement, pas_plus_de_cinquante_rubriques)
{
    for (int n = 1; n <= 50; ++n)
        ASSERT_EQ(ajoute_rubrique(QStringLiteral("R%1").arg(n), "", ""), n);
    EXPECT_EQ(ajoute_rubrique("DE TROP", "", ""), 0);
    EXPECT_EQ(boîtes.textes(), QStringList{t::cinquante_rubriques});
    EXPECT_EQ(données.nombre_codes_classification, 50);
}

// ---------------------------------------------------------------- adding sub-sections

TEST_F(classement, ajout_de_sous_rubrique)
{
    pose_classement({{120, "L"}, {121, "l1"}, {123, "l3"}, {130, "M"}});
    EXPECT_EQ(ajoute_sous_rubrique(12, "  Vélos ", ""), 2);
    EXPECT_EQ(entrées_classement(), (vector<int>{120, 121, 122, 123, 130}));
    EXPECT_EQ(données.noms_rubriques[122], "Vélos");  // stored trimmed
    EXPECT_EQ(ajoute_sous_rubrique(12, "Motos", "1250"), 5);
    EXPECT_EQ(ajoute_sous_rubrique(13, "Premier", ""), 1);
    EXPECT_EQ(entrées_classement(), (vector<int>{120, 121, 122, 123, 125, 130, 131}));
    EXPECT_EQ(ajoute_sous_rubrique(12, "VÉLOS", ""), 4);  // other capitals: another name
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(classement, refus_d_ajout_de_sous_rubrique)
{
    EXPECT_EQ(contrôle_ajout_sous_rubrique(12), contrôle_sous_rubrique::sans_rubrique);
    EXPECT_EQ(ajoute_sous_rubrique(12, "x", ""), 0);
    pose_classement({{120, "L"}, {121, "l1"}, {123, " Vélos "}, {500, "Z"}});
    EXPECT_EQ(ajoute_sous_rubrique(12, "   ", ""), 0);
    EXPECT_EQ(ajoute_sous_rubrique(12, "Vélos  ", ""), 0);
    EXPECT_EQ(ajoute_sous_rubrique(12, "Autre", "1230"), 0);  // digit 3 taken
    EXPECT_EQ(ajoute_sous_rubrique(12, "Autre", "1296"), 0);  // would be digit 10
    EXPECT_EQ(ajoute_sous_rubrique(50, "Autre", ""), 0);      // entry 501 has no name slot
    EXPECT_EQ(boîtes.textes(), (QStringList{t::créez_rubrique, t::créez_rubrique, t::nom_manquant,
                                            t::sous_rubrique_existe, t::sous_rubrique_déjà_utilisée,
                                            t::chiffre_hors_limites, t::rubrique_50_sans_sous_rubrique}));
    EXPECT_EQ(entrées_classement(), (vector<int>{120, 121, 123, 500}));
}

TEST_F(classement, pas_plus_de_neuf_sous_rubriques)
{
    pose_classement({{120, "L"}});
    for (int k = 1; k <= 9; ++k)
        ASSERT_EQ(ajoute_sous_rubrique(12, QStringLiteral("s%1").arg(k), ""), k);
    EXPECT_EQ(contrôle_ajout_sous_rubrique(12), contrôle_sous_rubrique::complet);
    EXPECT_EQ(ajoute_sous_rubrique(12, "s10", ""), 0);
    EXPECT_EQ(boîtes.textes(), (QStringList{t::neuf_sous_rubriques, t::neuf_sous_rubriques}));
    EXPECT_EQ(données.nombre_codes_classification, 10);
}

// ---------------------------------------------------------------- renaming

TEST_F(classement, renommer_enregistre_le_fichier)
{
    fichier_courant = chemin("trovane.sel");
    pose_classement({{10, "A"}, {20, "B"}, {50, "E"}, {51, "e1"}});
    EXPECT_TRUE(renomme_rubrique(5, "ÉTÉ", "ete.gif"));
    EXPECT_FALSE(renomme_rubrique(3, "X", "x.gif"));
    EXPECT_TRUE(renomme_sous_rubrique(5, 1, "premier"));
    EXPECT_FALSE(renomme_sous_rubrique(5, 1, "  "));
    EXPECT_FALSE(renomme_sous_rubrique(5, 2, "absent"));
    EXPECT_TRUE(données.images_rubriques[3].isEmpty());

    // Section 5 is the third section: its image must still reach the file.
    données_sel relu;
    lit_données(lit("trovane.sel"), relu);
    EXPECT_EQ(relu.noms_rubriques[50], "ÉTÉ");
    EXPECT_EQ(relu.noms_rubriques[51], "premier");
    EXPECT_EQ(relu.images_rubriques[5], "ete.gif");

    EXPECT_TRUE(fixe_image_rubrique(1, "a.gif"));
    EXPECT_EQ(données.images_rubriques[1], "a.gif");
}

// ---------------------------------------------------------------- swapping

TEST_F(classement, permutation_de_rubriques)
{
    pose_classement({{30, "TROIS"}, {32, "trois-deux"}, {40, "QUATRE"}, {50, "CINQ"}, {51, "cinq-un"}});
    données.images_rubriques[3] = "3.gif";
    données.images_rubriques[5] = "5.gif";
    proposition& a = pose_proposition(1, 321);
    proposition& b = pose_proposition(2500, 507, 2);  // any status, any slot
    proposition& c = pose_proposition(7, 400);
    proposition& d = pose_proposition(8, 300);

    ASSERT_TRUE(permute_rubriques({5, 3}));
    EXPECT_EQ(a.code_rubrique, 521);
    EXPECT_EQ(b.code_rubrique, 307);
    EXPECT_EQ(c.code_rubrique, 400);
    EXPECT_EQ(d.code_rubrique, 500);
    EXPECT_EQ(entrées_classement(), (vector<int>{30, 31, 40, 50, 52}));
    EXPECT_EQ(données.noms_rubriques[30], "CINQ");
    EXPECT_EQ(données.noms_rubriques[50], "TROIS");
    EXPECT_EQ(données.noms_rubriques[31], "cinq-un");
    EXPECT_EQ(données.noms_rubriques[52], "trois-deux");
    EXPECT_EQ(données.images_rubriques[3], "5.gif");
    EXPECT_EQ(données.images_rubriques[5], "3.gif");
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(classement, permutation_refusée_sans_deux_éléments)
{
    pose_classement({{10, "A"}, {20, "B"}, {30, "C"}, {31, "c1"}, {32, "c2"}, {33, "c3"}});
    proposition& p = pose_proposition(1, 110);
    const données_sel avant = données;
    EXPECT_FALSE(permute_rubriques({1}));
    EXPECT_FALSE(permute_rubriques({}));
    EXPECT_FALSE(permute_rubriques({1, 2, 3}));
    EXPECT_FALSE(permute_sous_rubriques(3, {1}));
    EXPECT_FALSE(permute_sous_rubriques(3, {1, 2, 3}));
    EXPECT_EQ(boîtes.textes(), (QStringList{t::sélectionnez_deux, t::sélectionnez_deux, t::trop_de_rubriques,
                                            t::sélectionnez_deux, t::trop_de_sous_rubriques}));
    EXPECT_EQ(p.code_rubrique, 110);
    EXPECT_TRUE(données == avant);
}

TEST_F(classement, rubrique_50_ne_reçoit_pas_de_sous_rubriques)
{
    pose_classement({{10, "A"}, {11, "a1"}, {20, "B"}, {500, "Z"}});
    EXPECT_FALSE(permute_rubriques({1, 50}));
    EXPECT_EQ(boîtes.textes(), QStringList{t::rubrique_50_sans_sous_rubrique});
    EXPECT_TRUE(permute_rubriques({50, 2}));
    EXPECT_EQ(données.noms_rubriques[20], "Z");
    EXPECT_EQ(données.noms_rubriques[500], "B");
}

TEST_F(classement, permutation_de_sous_rubriques)
{
    pose_classement({{120, "L"}, {121, "un"}, {122, "deux"}, {124, "quatre"}, {130, "M"}});
    proposition& a = pose_proposition(1, 1223);
    proposition& b = pose_proposition(2, 1240);
    proposition& c = pose_proposition(3, 1210);
    proposition& d = pose_proposition(4, 1324);
    ASSERT_TRUE(permute_sous_rubriques(12, {2, 4}));
    EXPECT_EQ(a.code_rubrique, 1243);
    EXPECT_EQ(b.code_rubrique, 1220);
    EXPECT_EQ(c.code_rubrique, 1210);
    EXPECT_EQ(d.code_rubrique, 1324);
    EXPECT_EQ(entrées_classement(), (vector<int>{120, 121, 122, 124, 130}));
    EXPECT_EQ(données.noms_rubriques[122], "quatre");
    EXPECT_EQ(données.noms_rubriques[124], "deux");
}

// ---------------------------------------------------------------- deleting

TEST_F(classement, suppression_refusée_tant_qu_une_proposition_utilise_la_rubrique)
{
    pose_classement({{110, "K"}, {120, "L"}, {123, "l3"}, {124, "l4"}, {130, "M"}});
    pose_proposition(1, 1199);
    pose_proposition(2, 1300);
    proposition& p = pose_proposition(3, 1234, 2);  // deleted for the supplement still counts
    EXPECT_FALSE(supprime_rubrique(12));
    p.code_rubrique = 1200;
    p.additif = 3;
    EXPECT_FALSE(supprime_rubrique(12));
    EXPECT_EQ(boîtes.textes(), (QStringList{t::rubrique_utilisée, t::rubrique_utilisée}));
    EXPECT_EQ(données.nombre_codes_classification, 5);

    // Its sub-sections go with it.
    p.code_rubrique = 1100;
    EXPECT_TRUE(supprime_rubrique(12));
    EXPECT_EQ(entrées_classement(), (vector<int>{110, 130}));
    EXPECT_TRUE(données.noms_rubriques[123].isEmpty());
}

TEST_F(classement, suppression_de_sous_rubrique)
{
    pose_classement({{120, "L"}, {123, "l3"}, {124, "l4"}});
    proposition& p = pose_proposition(1, 1235);
    pose_proposition(2, 1240);
    EXPECT_FALSE(supprime_sous_rubrique(12, 3));
    EXPECT_EQ(boîtes.textes(), QStringList{t::sous_rubrique_utilisée});
    p.code_rubrique = 1200;
    EXPECT_TRUE(supprime_sous_rubrique(12, 3));
    EXPECT_EQ(entrées_classement(), (vector<int>{120, 124}));
    EXPECT_FALSE(supprime_sous_rubrique(12, 3));  // gone already
}

TEST_F(classement, suppression_de_la_dernière_rubrique)
{
    pose_classement({{70, "SEULE"}});
    données.images_rubriques[7] = "seule.gif";
    EXPECT_TRUE(supprime_rubrique(7));
    EXPECT_EQ(données.nombre_codes_classification, 0);
    EXPECT_EQ(données.nombre_rubriques, 0);
    EXPECT_TRUE(données.images_rubriques[7].isEmpty());
}

// ---------------------------------------------------------------- clearing

TEST_F(classement, tout_supprimer)
{
    fichier_courant = chemin("trovane.sel");
    pose_classement({{10, "A"}, {11, "a1"}, {20, "B"}});
    données.images_rubriques[1] = "a.gif";
    proposition& p = pose_proposition(1, 112);

    données.type_fichier = "archive";
    boîtes.réponses = {rép_ok};
    EXPECT_FALSE(supprime_classification());
    EXPECT_EQ(boîtes.textes(), QStringList{"Vous ne pouvez pas modifier un fichier d'archive"});
    données.type_fichier = "normal";
    boîtes.réponses = {rép_annuler};
    EXPECT_FALSE(supprime_classification());
    EXPECT_EQ(données.nombre_codes_classification, 3);
    EXPECT_FALSE(QFile::exists(fichier_courant));

    boîtes.réponses = {rép_ok};
    données.nombre_adhérents = 1;  // not on disk: a reload would lose it
    données.table_adhérents[1].ordre = 1;
    EXPECT_TRUE(supprime_classification());
    EXPECT_EQ(boîtes.messages.back().texte, t::question_tout_supprimer);
    EXPECT_EQ(boîtes.messages.back().style, style_boîte::ok_annuler | style_boîte::information);
    EXPECT_EQ(données.nombre_codes_classification, 0);
    EXPECT_TRUE(données.images_rubriques[1].isEmpty());
    EXPECT_EQ(p.code_rubrique, 112);
    EXPECT_EQ(données.nombre_adhérents, 1);

    données_sel relu;
    lit_données(lit("trovane.sel"), relu);
    EXPECT_EQ(relu.nombre_codes_classification, 0);
    EXPECT_EQ(relu.table_propositions[1].code_rubrique, 112);
}
