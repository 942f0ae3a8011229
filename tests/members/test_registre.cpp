// Member numbers, validation of new and existing members, status and
// identifiers carried onto the propositions.
#include "members/registre.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

namespace {

class registre : public essai_dossier {
protected:
    adhérent& a(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }
    proposition& p(int s) { return données.table_propositions[static_cast<std::size_t>(s)]; }

    // Members listed with these numbers, in this order.
    void liste(std::initializer_list<int> numéros)
    {
        données.nombre_adhérents = 0;
        for (int n : numéros) {
            a(++données.nombre_adhérents).ordre = static_cast<int16>(n);
            a(n).identifiant = QStringLiteral("Membre %1").arg(n);
        }
    }
    champs_adhérent nouveau(const QString& prénom)
    {
        champs_adhérent c = champs_de(adhérent{});
        c.prénom = prénom;
        c.statut = 1;
        c.catégorie = 1;
        return c;
    }
};

TEST_F(registre, numéro_proposé_dans_les_deux_modes)
{
    liste({});
    EXPECT_EQ(numéro_proposé(), 1);
    données.numérotation_suivante = true;
    EXPECT_EQ(numéro_proposé(), 1);

    liste({1, 2, 7});
    EXPECT_EQ(numéro_proposé(), 8);
    données.numérotation_suivante = false;
    EXPECT_EQ(numéro_proposé(), 3);

    // A member whose identifier is blank does not hold its number.
    a(2).identifiant = "   ";
    EXPECT_FALSE(numéro_pris(2));
    EXPECT_TRUE(numéro_pris(7));
    EXPECT_FALSE(numéro_pris(8));
    EXPECT_EQ(numéro_proposé(), 2);
}

TEST_F(registre, registre_plein)
{
    données.nombre_adhérents = max_adhérents;
    for (int n = 1; n <= max_adhérents; ++n) {
        a(n).ordre = static_cast<int16>(n);
        a(n).identifiant = "X";
    }
    EXPECT_EQ(numéro_proposé(), 0);
    données.numérotation_suivante = true;
    EXPECT_EQ(numéro_proposé(), 0);
    // Beyond 5000 the next number falls back to a free one.
    a(40).identifiant = "";
    EXPECT_EQ(numéro_proposé(), 40);
}

TEST_F(registre, numéros_typés)
{
    EXPECT_EQ(lit_numéro_adhérent(" 12 "), 12);
    EXPECT_EQ(lit_numéro_adhérent("5000"), 5000);
    for (const char* t : {"", "0", "0.5", "-3", "6000", "12abc", "douze"})
        EXPECT_EQ(lit_numéro_adhérent(t), 0) << t;
}

TEST_F(registre, nouvel_adhérent_listé_seulement_une_fois_validé)
{
    remplit_association_essai(données);  // 40 members numbered 1..40
    a(12).identifiant = "";              // 12 is free again, its entry kept
    a(41) = adhérent{};
    const int avant = données.nombre_adhérents;

    champs_adhérent c = nouveau("Zoé");
    issue_nouvel_adhérent r = valide_nouvel_adhérent("41", c);
    EXPECT_EQ(r.numéro, 41);
    EXPECT_EQ(données.nombre_adhérents, avant + 1);
    EXPECT_EQ(a(avant + 1).ordre, 41);
    EXPECT_EQ(a(41).identifiant.str(), QString("Zoé").leftJustified(20));
    EXPECT_EQ(a(41).additif, 1);
    EXPECT_EQ(a(41).dte_enr, date_depuis(QDate(2026, 3, 14)));

    // The free number of a blank entry takes that entry back: listed once.
    r = valide_nouvel_adhérent("12", nouveau("Yves"));
    EXPECT_EQ(r.numéro, 12);
    EXPECT_EQ(données.nombre_adhérents, avant + 1);
    EXPECT_EQ(a(12).ordre, 12);
}

TEST_F(registre, nouvel_adhérent_refusé_avec_sa_raison)
{
    remplit_association_essai(données);
    const données_sel avant = données;
    struct cas {
        const char* numéro;
        const char* prénom;
        refus_fiche refus;
        const char* message;
    };
    for (const cas& k : {cas{"0", "Zoé", refus_fiche::numéro, "Votre numéro d'adhérent est incorrect "},
                         cas{"0.5", "Zoé", refus_fiche::numéro, "Votre numéro d'adhérent est incorrect "},
                         cas{"6000", "Zoé", refus_fiche::numéro, "Votre numéro d'adhérent est incorrect "},
                         cas{"41", "  ", refus_fiche::identifiant, "Vous n'avez pas indiqué de prénom "},
                         cas{"7", "Zoé", refus_fiche::numéro_pris, "Ce numéro est déjà utilisé"}}) {
        boîtes.messages.clear();
        const issue_nouvel_adhérent r = valide_nouvel_adhérent(k.numéro, nouveau(k.prénom));
        EXPECT_EQ(r.numéro, 0) << k.numéro;
        EXPECT_EQ(r.refus, k.refus) << k.numéro;
        EXPECT_EQ(boîtes.textes(), QStringList{k.message}) << k.numéro;
        EXPECT_EQ(données, avant) << k.numéro;
    }
    EXPECT_EQ(valide_nouvel_adhérent("7", nouveau("Zoé")).numéro_libre, 41);

    // Twice in a row: still nothing taken from the list.
    valide_nouvel_adhérent("41", nouveau(""));
    valide_nouvel_adhérent("41", nouveau(""));
    EXPECT_EQ(données.nombre_adhérents, 40);
}

TEST_F(registre, validation_d_un_membre_existant)
{
    remplit_association_essai(données, {.adhérents = 4, .propositions = 6, .lignes = 0, .codes = 10});
    for (int s = 1; s <= 6; ++s) {
        p(s).num_adh = static_cast<int16>(s % 4 + 1);
        p(s).identifiant = "ancien";
    }
    p(6).num_adh = 0;  // a proposition of no member is left alone

    // Identifier of exactly 20 characters, unchanged: propositions untouched.
    a(2).identifiant = "Vingt caractères pil";
    champs_adhérent c = champs_de(a(2));
    c.prénom = a(2).identifiant.str();
    EXPECT_EQ(valide_adhérent(2, c, a(2).identifiant), refus_fiche::aucun);
    EXPECT_EQ(p(1).identifiant, "ancien");

    // A shorter identifier always refreshes every proposition from its member.
    c = champs_de(a(3));
    EXPECT_EQ(valide_adhérent(3, c, a(3).identifiant), refus_fiche::aucun);
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(p(s).identifiant, a(p(s).num_adh).identifiant.str()) << s;
    EXPECT_EQ(p(6).identifiant, "ancien");

    // A 20-character identifier typed in place of the one shown is carried too.
    p(1).identifiant = "ancien";
    const QString montré = a(2).identifiant;
    a(2).identifiant = "Autre nom de 20 cara";  // already applied to the record
    c = champs_de(a(2));
    c.prénom = a(2).identifiant.str();
    EXPECT_EQ(valide_adhérent(2, c, montré), refus_fiche::aucun);
    EXPECT_EQ(p(1).identifiant, "Autre nom de 20 cara");

    c.prénom = " ";
    const adhérent avant = a(2);
    EXPECT_EQ(valide_adhérent(2, c, montré), refus_fiche::identifiant);
    EXPECT_EQ(a(2), avant);
}

TEST_F(registre, statut_porté_sur_les_propositions)
{
    remplit_association_essai(données, {.adhérents = 3, .propositions = 9, .lignes = 0, .codes = 10});
    for (int s = 1; s <= 9; ++s) {
        p(s).num_adh = static_cast<int16>(s % 3 + 1);
        p(s).additif = 3;
    }
    // Entries list the slots in reverse: the cascade follows the slots.
    for (int i = 1; i <= 9; ++i)
        p(i).ordre = static_cast<int16>(10 - i);

    change_statut_adhérent(2, 2);
    EXPECT_EQ(a(2).additif, 2);
    for (int s = 1; s <= 9; ++s)
        EXPECT_EQ(p(s).additif, p(s).num_adh == 2 ? 2 : 3) << s;

    // Restoring sets every proposition of the member back to normal, even
    // those eliminated before.
    p(4).additif = 3;
    change_statut_adhérent(2, 0);
    EXPECT_EQ(a(2).additif, 0);
    for (int s = 1; s <= 9; ++s)
        EXPECT_EQ(p(s).additif, p(s).num_adh == 2 ? 0 : 3) << s;

    change_statut_adhérent(3, 3);
    EXPECT_EQ(p(2).additif, 3);
    EXPECT_EQ(a(3).additif, 3);
}

TEST_F(registre, police_des_étiquettes)
{
    données.type_catalogue = 1;
    données.police_offres = {"Times New Roman", "Arial"};
    données.taille_offres = {9, 10.5f};
    prépare_police_impression();
    EXPECT_EQ(police_impression, "Arial");
    EXPECT_EQ(taille_police_impression, 10);  // halves to even
}

}  // namespace
