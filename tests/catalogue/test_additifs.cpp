#include "catalogue/additifs.h"
#include "support/dossier_test.h"

#include <QFile>
#include <QFileInfo>

using remise_des_additifs = essai_dossier;

TEST_F(remise_des_additifs, nouveaux_et_supprimés_d_un_additif_imprimé)
{
    initialise_paramètres();
    fichier_courant = chemin("trovane.sel");
    données_sel& d = données;
    d.nombre_propositions = 4;
    const int ordre[] = {3, 1, 4, 2};
    for (int i = 1; i <= 4; ++i) {
        d.table_propositions[i].ordre = static_cast<int16>(ordre[i - 1]);
        d.table_propositions[i].additif = static_cast<int16>(i - 1);
    }
    d.table_propositions[5].additif = 1;  // not listed
    enlève_additif_offres_demandes();
    EXPECT_EQ(d.table_propositions[1].additif, 0);
    EXPECT_EQ(d.table_propositions[2].additif, 0);
    EXPECT_EQ(d.table_propositions[3].additif, 3);
    EXPECT_EQ(d.table_propositions[4].additif, 3);
    EXPECT_EQ(d.table_propositions[5].additif, 1);
    EXPECT_TRUE(QFile::remove(chemin("trovane.sel")));

    d.nombre_adhérents = 2;
    d.table_adhérents[1].ordre = 2;
    d.table_adhérents[2].ordre = 5;
    d.table_adhérents[2].additif = 2;
    d.table_adhérents[5].additif = 1;
    d.table_adhérents[3].additif = 1;  // not listed
    enlève_additif_adhérents();
    EXPECT_EQ(d.table_adhérents[2].additif, 3);
    EXPECT_EQ(d.table_adhérents[5].additif, 0);
    EXPECT_EQ(d.table_adhérents[3].additif, 1);
    EXPECT_TRUE(QFile::remove(chemin("trovane.sel")));

    // Nothing listed: nothing written.
    d.nombre_propositions = 0;
    enlève_additif_offres_demandes();
    EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sel")));
}
