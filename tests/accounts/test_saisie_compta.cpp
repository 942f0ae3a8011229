// What the exchange window lists and reads: the account lists, the operation
// date, the catalogue line and the levy settings stored back at closing.
#include "accounts/saisie_compta.h"
#include "support/dossier_test.h"

namespace {

class saisie_compta : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
    }

    static void membre(int i, int numéro, const char* nom, int additif = 0, int catégorie = 1)
    {
        données.table_adhérents[i].ordre = static_cast<int16>(numéro);
        adhérent& a = données.table_adhérents[numéro];
        a.identifiant = QString::fromUtf8(nom);
        a.additif = static_cast<int16>(additif);
        a.catégorie = static_cast<int16>(catégorie);
    }
};

QStringList textes(const std::vector<entrée_liste>& l)
{
    QStringList t;
    for (const entrée_liste& e : l)
        t << e.texte.trimmed() + QLatin1Char('=') + QString::number(e.valeur);
    return t;
}

TEST_F(saisie_compta, listes_des_comptes)
{
    données.nombre_adhérents = 6;
    membre(1, 12, "bernard M.");
    membre(2, 3, "Annick L.", 1, 0);
    membre(3, 7, "Zoé R.", 2);      // deleted
    membre(4, 9, "Élodie K.", 3);   // eliminated
    membre(5, 20, "Chorale SEL", 0, 2);  // another association
    membre(6, 5, "david P.");
    for (auto& c : données.comptes_asso)
        c.nom.clear();
    données.comptes_asso[1].nom = QStringLiteral("Caisse");
    données.comptes_asso[3].nom = QStringLiteral("Fonds");
    données.comptes_asso[4].nom = QStringLiteral("   ");  // blank: listed nowhere

    EXPECT_EQ(textes(comptes_à_lister()),
              (QStringList{"Annick L.=3", "bernard M.=12", "Caisse=9996", "Chorale SEL=20", "david P.=5",
                           "Fonds=9998"}));
    // The levy list keeps the account order, so positions are no longer number - 9995.
    EXPECT_EQ(textes(comptes_asso_à_lister()), (QStringList{"Caisse=9996", "Fonds=9998"}));
    EXPECT_EQ(textes(membres_pour_plusieurs()), (QStringList{"bernard M.=12", "Annick L.=3", "david P.=5"}));
    // Identifiers keep their stored width.
    EXPECT_EQ(comptes_à_lister()[0].texte.size(), 20);
}

TEST_F(saisie_compta, date_de_l_opération)
{
    // The clock says 14 March 2026: not a leap year, next year 2027.
    struct cas {
        const char *jour, *mois, *an;
        QDate attendue;  // invalid: refused
    };
    const cas tous[] = {
        {"14", "03", "2026", QDate(2026, 3, 14)},
        {"29", "02", "2024", QDate(2024, 2, 29)},  // leap year, whatever the year of today
        {"29", "02", "2027", {}},
        {"28", "02", "2027", QDate(2027, 2, 28)},
        {"31", "04", "2026", {}},
        {"0", "03", "2026", {}},
        {"01", "0", "2026", {}},
        {"01", "13", "2026", {}},
        {"31", "12", "1998", {}},
        {"01", "01", "1999", QDate(1999, 1, 1)},
        {"31", "12", "2027", QDate(2027, 12, 31)},
        {"01", "01", "2028", {}},
        {"1a", "03", "2026", {}},
        {"", "03", "2026", {}},
        {"-1", "03", "2026", {}},
    };
    for (const cas& c : tous) {
        SCOPED_TRACE(std::string(c.jour) + "/" + c.mois + "/" + c.an);
        const std::optional<double> d = date_saisie(c.jour, c.mois, c.an);
        ASSERT_EQ(d.has_value(), c.attendue.isValid());
        if (d) {
            EXPECT_EQ(*d, date_depuis(c.attendue));
        }
    }
    EXPECT_TRUE(boîtes.messages.empty());

    EXPECT_FALSE(dt("29", "02", "2027"));
    EXPECT_TRUE(dt("29", "02", "2024"));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte,
              "Le 29/02/2027 n'est pas une date correcte ou dans les limites des dates possibles");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::exclamation);
}

TEST_F(saisie_compta, ligne_du_catalogue)
{
    données.nombre_propositions = 2;
    proposition& offre = données.table_propositions[1];
    offre = {0, 1, 1, 2, QStringLiteral("Cours de guitare"), {}, 0, 732, QStringLiteral("J"), {}, 4};
    proposition& demande = données.table_propositions[2];
    demande = {0, 2, 2, 7, QStringLiteral("Covoiturage"), {}, 0, 1210, {}, {}, 5};

    std::optional<ligne_catalogue> l = cherche_ligne_catalogue(QStringLiteral("1"));
    ASSERT_TRUE(l);
    EXPECT_TRUE(l->offre && l->pour_enfants);
    EXPECT_EQ(l->membre, 4);
    EXPECT_TRUE(boîtes.messages.empty());

    // A request is taken after a warning; a genre outside the names is none.
    l = cherche_ligne_catalogue(QStringLiteral(" 2 "));
    ASSERT_TRUE(l);
    EXPECT_FALSE(l->offre);
    EXPECT_EQ(l->genre, -1);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::exclamation);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Attention, le n°tapé correspond à une demande."));

    for (const char* texte : {"0", "3", "-1", "", "abc", "99999999"}) {
        SCOPED_TRACE(texte);
        boîtes.messages.clear();
        EXPECT_FALSE(cherche_ligne_catalogue(QString::fromUtf8(texte)));
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_EQ(boîtes.messages[0].texte, "Le code tapé ne correspond pas à une ligne du catalogue");
    }
}

TEST_F(saisie_compta, les_réglages_du_prélèvement_reviennent_au_fichier)
{
    données.compte_prélèvement = 2;
    EXPECT_TRUE(range_paramètres_prélèvement({QStringLiteral("0,75"), QStringLiteral(""), QStringLiteral("12.5"),
                                              QStringLiteral("1000"), false, 0},
                                             -1));
    EXPECT_EQ(données.taux_prélèvement, monnaie::depuis_brut(7500));
    EXPECT_EQ(données.compte_prélèvement, 2);  // nothing chosen: the setting stays
    EXPECT_EQ(données.solde_mini_prélèvement, monnaie{});
    EXPECT_EQ(données.montant_mini_prélèvement, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.montant_maxi_prélèvement, monnaie::unités(1000));
    EXPECT_TRUE(boîtes.messages.empty());

    // A field that is no number is told as the validation tells it, and
    // nothing at all is stored.
    const données_sel avant = données;
    EXPECT_FALSE(range_paramètres_prélèvement({QStringLiteral("abc"), {}, {}, {}, false, 0}, 1));
    EXPECT_FALSE(range_paramètres_prélèvement({QStringLiteral("1"), {}, {}, QStringLiteral("mille"), false, 0}, 1));
    EXPECT_EQ(boîtes.textes(), (QStringList{"Le pourcentage à prélever « abc » n'est pas un nombre.",
                                           "Le montant maximum du prélèvement « mille » n'est pas un nombre."}));
    EXPECT_TRUE(données == avant);
}

}  // namespace
