// Cities and postal codes completed from the members, dialling.
#include "members/aides_saisie.h"
#include "support/dossier_test.h"
#include "ui_common/shell.h"

namespace {

class aides : public essai_dossier {
protected:
    void membre(int n, const char* cp, const char* ville)
    {
        adhérent& a = données.table_adhérents[static_cast<std::size_t>(++données.nombre_adhérents)];
        a.ordre = static_cast<int16>(n);
        données.table_adhérents[static_cast<std::size_t>(n)].cp = cp;
        données.table_adhérents[static_cast<std::size_t>(n)].ville = ville;
    }
};

TEST_F(aides, villes_et_codes_postaux)
{
    membre(30, "38000", "Grenoble-Nord");  // not in the list: the next member is tried
    membre(4, "38000", "GRENOBLE");
    membre(5, "29000", "Quimper");
    membre(6, "29000", "Quimper");
    membre(7, "", "  ");
    membre(8, "29200", "brest");
    données.table_adhérents[9].ville = QString(QChar(0)).repeated(20);  // never written
    données.table_adhérents[static_cast<std::size_t>(++données.nombre_adhérents)].ordre = 9;

    EXPECT_EQ(villes_des_adhérents(), (QStringList{"Grenoble-Nord", "GRENOBLE", "Quimper", "brest"}));

    const QStringList liste{"brest", "GRENOBLE", "Quimper"};
    EXPECT_EQ(ville_du_code_postal("38000", liste), 1);
    EXPECT_EQ(ville_du_code_postal(" 29000", liste), 2);
    EXPECT_EQ(ville_du_code_postal("75000", liste), -1);
    EXPECT_EQ(ville_du_code_postal("", liste), -1);

    EXPECT_EQ(code_postal_de_ville("Quimper "), "29000 ");  // as stored, six characters
    EXPECT_TRUE(code_postal_de_ville("Lyon").isNull());
    EXPECT_TRUE(code_postal_de_ville("  ").isNull());

    EXPECT_EQ(place_triée(liste, "Lyon"), 2);
    EXPECT_EQ(place_triée(liste, "ARZON"), 0);
    EXPECT_EQ(place_triée(liste, "zen"), 3);
    // French order, as the grid sorts: an accented capital stands with its letter.
    EXPECT_EQ(place_triée({"Annecy", "LYON", "Évreux"}, "ÉVIAN"), 1);
    EXPECT_EQ(place_triée({"Annecy", "ÉVIAN", "LYON"}, "Elne"), 1);
}

class shell_témoin : public service_shell {
public:
    bool ouvre(const QUrl& adresse) override
    {
        ouvertes << adresse.toString();
        return accepte;
    }
    QStringList ouvertes;
    bool accepte = true;
};

TEST_F(aides, numérotation)
{
    shell_témoin témoin;
    installe_shell(&témoin);
    compose_téléphone("02 98-12.34 56");
    compose_téléphone("pas de numéro");
    témoin.accepte = false;
    compose_téléphone("06");
    installe_shell(nullptr);

    EXPECT_EQ(témoin.ouvertes, (QStringList{"tel:0298123456", "tel:06"}));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Pour utiliser le composeur"));
}

}  // namespace
