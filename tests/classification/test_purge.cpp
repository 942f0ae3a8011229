#include "classification/purge.h"

#include "classification/jeu_classement.h"
#include "classification/propositions.h"
#include "support/dossier_test.h"

#include <QFile>

class purge : public essai_dossier {};

namespace {

std::vector<int> slots_listés()
{
    std::vector<int> r;
    pour_chaque_proposition(données, [&](int s, const proposition&) { r.push_back(s); });
    return r;
}

}  // namespace

TEST_F(purge, retire_les_supprimées_et_éliminées)
{
    fichier_courant = chemin("trovane.sel");
    pose_proposition(8, 100, 0);
    pose_proposition(3, 100, 2);
    pose_proposition(5, 100, 3);  // right after a removed one: examined too
    proposition& nouvelle = pose_proposition(1, 120, 1);
    nouvelle.kid = "J";
    nouvelle.adulte = "$";
    proposition& normale = pose_proposition(2500, 4711, 0);
    normale.adulte = "$";
    pose_proposition(4, 100, 2);  // the last one
    EXPECT_EQ(nombre_propositions_à_purger(), 3);
    const proposition avant_nouvelle = nouvelle, avant_normale = normale;

    EXPECT_EQ(purge_offres_demandes(), 3);
    EXPECT_EQ(données.nombre_propositions, 3);
    EXPECT_EQ(slots_listés(), (std::vector<int>{8, 1, 2500}));
    EXPECT_EQ(données.table_propositions[1], avant_nouvelle);  // both markers and the slot kept
    EXPECT_EQ(données.table_propositions[2500], avant_normale);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "3 lignes ont été supprimées du catalogue.");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok);
    EXPECT_EQ(nombre_propositions_à_purger(), 0);
    EXPECT_FALSE(QFile::exists(fichier_courant));  // memory only until the next save
}

TEST_F(purge, rien_à_retirer)
{
    pose_proposition(2, 100, 0);
    pose_proposition(1, 100, 1);
    EXPECT_EQ(purge_offres_demandes(), 0);
    EXPECT_EQ(slots_listés(), (std::vector<int>{2, 1}));
    EXPECT_EQ(boîtes.textes(), QStringList{"0 lignes ont été supprimées du catalogue."});
}

TEST_F(purge, les_places_libérées_servent_aux_nouvelles)
{
    données.table_adhérents[7].catégorie = 1;
    pose_classement({{10, "A"}});
    pose_proposition(1, 100, 0);
    pose_proposition(2, 100, 2);
    pose_proposition(3, 100, 0);
    purge_offres_demandes();
    édition_proposition é;
    champs_proposition c;
    ASSERT_TRUE(commence_nouvelle_proposition(é, 7, c));
    EXPECT_EQ(é.slot, 2);
}
