// Converting the general grid back into the tables: a coded grid gives the
// tables back unchanged, and any fault refuses the whole grid.
#include "data/fichier_donnees.h"
#include "main_window/conversions.h"
#include "ui_common/vues_tables.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <algorithm>
#include <functional>

namespace {

class conversions : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données);
        données_sel& d = données;
        // List orders that are not the record order.
        for (int i = 1; i <= d.nombre_propositions; ++i)
            d.table_propositions[i].ordre = static_cast<int16>(d.nombre_propositions + 1 - i);
        for (int i = 1; i <= d.nombre_adhérents; ++i)
            d.table_adhérents[i].ordre = static_cast<int16>((i * 7) % d.nombre_adhérents + 1);
        d.table_adhérents[d.table_adhérents[1].ordre].der_solde = monnaie::depuis_brut(1252500);
        d.images_rubriques[1] = QStringLiteral("images\\rubrique1.gif");
    }

    QByteArray sauvegarde(const QString& nom)
    {
        EXPECT_TRUE(enregistrer_fichier(chemin(nom), false));
        return lit(nom);
    }

    grille gg;
};

TEST_F(conversions, un_aller_retour_par_la_grille_codee_rend_le_meme_fichier)
{
    const QByteArray avant = sauvegarde(QStringLiteral("avant.sel"));
    grille ga, gp, gr;
    affiche_adhérents(ga, false);
    affiche_offres_demandes(gp, false);
    affiche_rubriques(gr);

    // Everything the grids carry is wiped, so that only the grids can bring it back.
    données_sel& d = données;
    for (adhérent& a : d.table_adhérents) {
        adhérent vide;
        vide.civilité = a.civilité;
        vide.photo = a.photo;
        vide.réservé = a.réservé;
        a = vide;
    }
    for (proposition& p : d.table_propositions) {
        // The one public column shows the child symbol of a proposition for
        // both; its adult symbol stays in the record.
        proposition vide;
        if (!p.kid.isEmpty())
            vide.adulte = p.adulte;
        p = vide;
    }
    std::fill(d.codes_classification.begin(), d.codes_classification.end(), int16{0});
    std::fill(d.noms_rubriques.begin(), d.noms_rubriques.end(), QString());
    d.images_rubriques = {};
    d.nombre_adhérents = d.nombre_propositions = d.nombre_codes_classification = 0;

    ASSERT_TRUE(convertit_grille_adhérents(ga));
    ASSERT_TRUE(convertit_grille_offres(gp));
    ASSERT_TRUE(convertit_grille_rubriques(gr));
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_EQ(d.table_adhérents[d.table_adhérents[1].ordre].der_solde.brut, 1252500);
    EXPECT_EQ(sauvegarde(QStringLiteral("après.sel")), avant);
}

TEST_F(conversions, le_tri_de_la_grille_devient_l_ordre_de_la_liste)
{
    affiche_adhérents(gg, false);
    gg.setCol(col_adhérents::numéro);
    gg.setSort(tri_grille::numérique_croissant);
    ASSERT_TRUE(convertit_grille_adhérents(gg));
    for (int i = 1; i <= données.nombre_adhérents; ++i)
        EXPECT_EQ(données.table_adhérents[i].ordre, i);
}

TEST_F(conversions, lectures_des_cellules)
{
    affiche_offres_demandes(gg, false);
    const int s = gg.TextMatrix(1, col_offres::emplacement).toInt();
    gg.setTextMatrix(1, col_offres::type, QStringLiteral("2,5"));  // halves to even
    gg.setTextMatrix(1, col_offres::genre, QStringLiteral(" 3.5 "));
    gg.setTextMatrix(1, col_offres::date, QStringLiteral("14/03/26"));
    gg.setTextMatrix(1, col_offres::public_visé, données.symbole_adulte);
    données.table_propositions[s].kid = données.symbole_enfant;
    gg.setTextMatrix(2, col_offres::public_visé, QStringLiteral("x"));
    ASSERT_TRUE(convertit_grille_offres(gg));
    const proposition& p = données.table_propositions[s];
    EXPECT_EQ(p.type, 2);
    EXPECT_EQ(p.genre, 4);
    EXPECT_EQ(p.date, date_depuis(QDate(2026, 3, 14)));
    EXPECT_EQ(p.kid, données.symbole_enfant);  // left as it was
    EXPECT_EQ(p.adulte, données.symbole_adulte);
    const proposition& p2 = données.table_propositions[gg.TextMatrix(2, col_offres::emplacement).toInt()];
    EXPECT_TRUE(p2.kid.isEmpty() && p2.adulte.isEmpty());

    affiche_adhérents(gg, false);
    const int n = gg.TextMatrix(1, col_adhérents::numéro).toInt();
    adhérent& a = données.table_adhérents[n];
    a.civilité = 4;
    const adhérent avant = a;
    gg.setTextMatrix(1, col_adhérents::der_solde, QStringLiteral("-12.5"));
    gg.setTextMatrix(1, col_adhérents::volume, QString());
    gg.setTextMatrix(1, col_adhérents::date_adhésion, QString());
    gg.setTextMatrix(1, col_adhérents::critère0, QString());
    gg.setTextMatrix(1, col_adhérents::identifiant, QString(30, QLatin1Char('z')));
    ASSERT_TRUE(convertit_grille_adhérents(gg));
    EXPECT_EQ(a.der_solde.brut, -125000);
    EXPECT_EQ(a.volume.brut, 0);
    EXPECT_EQ(a.date_adhésion, avant.date_adhésion);
    EXPECT_EQ(a.critère0, avant.critère0);
    EXPECT_EQ(a.civilité, 4);
    EXPECT_EQ(a.photo, avant.photo);
    EXPECT_EQ(a.identifiant.str(), QString(20, QLatin1Char('z')));
}

TEST_F(conversions, lignes_vides_finales_et_grille_vide)
{
    affiche_rubriques(gg);
    const int lignes = gg.Rows();
    données.images_rubriques[1] = QStringLiteral("autre.gif");
    gg.setCols(3);  // no image column: the images stay
    gg.setRows(lignes + 3);
    gg.setTextMatrix(lignes + 1, col_rubriques::nom, QStringLiteral("Divers"));
    ASSERT_TRUE(convertit_grille_rubriques(gg));
    EXPECT_EQ(gg.Rows(), lignes + 2);  // the last, empty row is gone; the one between stays
    EXPECT_EQ(données.nombre_codes_classification, lignes + 1);
    EXPECT_EQ(données.codes_classification[lignes], 0);
    EXPECT_EQ(données.codes_classification[lignes + 1], 0);
    EXPECT_EQ(données.noms_rubriques[0], QStringLiteral("Divers"));
    EXPECT_EQ(données.images_rubriques[1], QStringLiteral("autre.gif"));

    affiche_adhérents(gg, false);
    gg.setRows(gg.Rows() + 2);
    ASSERT_TRUE(convertit_grille_adhérents(gg));
    EXPECT_EQ(gg.Rows(), 41);

    gg.setRows(1);
    ASSERT_TRUE(convertit_grille_adhérents(gg));
    EXPECT_EQ(données.nombre_adhérents, 0);
}

TEST_F(conversions, une_grille_importee_se_convertit)
{
    gg.setRows(1);
    gg.setCols(col_rubriques::nombre);
    gg.AddItem(QStringLiteral("\t10\tCuisine\tcuisine.gif"));
    gg.AddItem(QStringLiteral("\t11\tConserves"));
    gg.fixe_forme(forme_grille::importée);
    ASSERT_TRUE(convertit_grille_rubriques(gg));
    EXPECT_EQ(données.nombre_codes_classification, 2);
    EXPECT_EQ(données.noms_rubriques[11], QStringLiteral("Conserves"));
    EXPECT_EQ(données.images_rubriques[1], QStringLiteral("cuisine.gif"));
}

// Each fault: the grid as the fill leaves it, one change, the words expected.
struct faute {
    const char* quoi;
    std::function<void(grille&)> remplit;
    std::function<bool(grille&)> convertit;
    std::function<void(grille&)> abîme;
    const char* message;
};

TEST_F(conversions, toute_faute_refuse_la_grille_entiere)
{
    const auto offres = [](grille& g) { affiche_offres_demandes(g, false); };
    const auto adhérents = [](grille& g) { affiche_adhérents(g, false); };
    const auto rubriques = [](grille& g) { affiche_rubriques(g); };
    const auto cellule = [](int r, int c, const char* t) {
        return [=](grille& g) { g.setTextMatrix(r, c, QString::fromUtf8(t)); };
    };
    using namespace col_offres;
    const faute fautes[] = {
        {"offres décodées", [](grille& g) { affiche_offres_demandes(g, true); }, convertit_grille_offres,
         [](grille&) {}, "sous sa forme décodée"},
        {"adhérents décodés", [](grille& g) { affiche_adhérents(g, true); }, convertit_grille_adhérents,
         [](grille&) {}, "sous sa forme décodée"},
        {"grille effacée", offres, convertit_grille_offres, [](grille& g) { g.Clear(); }, "pas de tableau"},
        {"emplacement vide", offres, convertit_grille_offres, cellule(3, emplacement, ""),
         "Ligne 3 : l'emplacement (colonne 8) est vide."},
        {"emplacement 3001", offres, convertit_grille_offres, cellule(3, emplacement, "3001"),
         "Ligne 3 : l'emplacement « 3001 » (colonne 8) n'est pas un nombre de 1 à 3000."},
        {"emplacement répété", offres, convertit_grille_offres, cellule(5, emplacement, "60"),
         "Ligne 5 : l'emplacement 60 (colonne 8) est déjà celui de la ligne 1."},
        {"type en toutes lettres", offres, convertit_grille_offres, cellule(4, type, "offre"),
         "Ligne 4, colonne 1 : « offre » n'est pas un nombre"},
        {"genre trop grand", offres, convertit_grille_offres, cellule(4, genre, "40000"), "Ligne 4, colonne 3"},
        {"date impossible", offres, convertit_grille_offres, cellule(2, date, "31/02/2026"),
         "Ligne 2, colonne 10 : « 31/02/2026 » n'est pas une date."},
        {"caractère hors du fichier", offres, convertit_grille_offres, cellule(2, désignation, "Vélo 🚲"),
         "Ligne 2, colonne 5 : le texte contient un caractère"},
        {"trop d'offres", offres, convertit_grille_offres, [](grille& g) { g.setRows(3002); },
         "La grille compte 3001 lignes : il ne peut y avoir plus de 3000 offres-demandes."},
        {"colonnes manquantes", offres, convertit_grille_offres, [](grille& g) { g.setCols(10); },
         " La grille doit comporter au moins 11 colonnes, la conversion est impossible"},
        {"numéro 0", adhérents, convertit_grille_adhérents, cellule(2, col_adhérents::numéro, "0"),
         "Ligne 2 : le numéro d'adhérent « 0 » (colonne 1) n'est pas un nombre de 1 à 5000."},
        {"numéro répété", adhérents, convertit_grille_adhérents,
         [](grille& g) { g.setTextMatrix(9, 1, g.TextMatrix(3, 1)); }, "(colonne 1) est déjà celui de la ligne 3."},
        {"ligne vide au milieu", adhérents, convertit_grille_adhérents,
         [](grille& g) { for (int c = 0; c < g.Cols(); ++c) g.setTextMatrix(6, c, {}); },
         "Ligne 6 : le numéro d'adhérent (colonne 1) est vide."},
        {"solde illisible", adhérents, convertit_grille_adhérents, cellule(2, col_adhérents::der_solde, "12,5x"),
         "Ligne 2, colonne 21 : « 12,5x » n'est pas un montant."},
        {"date de naissance", adhérents, convertit_grille_adhérents, cellule(7, col_adhérents::d_naiss, "hier"),
         "Ligne 7, colonne 25 : « hier » n'est pas une date."},
        {"trop d'adhérents", adhérents, convertit_grille_adhérents,
         [](grille& g) { g.setRows(5002); g.setTextMatrix(5001, 1, QStringLiteral("1")); },
         "il ne peut y avoir plus de 5000 adhérents"},
        {"code rubrique 501", rubriques, convertit_grille_rubriques, cellule(2, col_rubriques::code, "501"),
         "Ligne 2 : le code rubrique « 501 » (colonne 1) n'est pas un nombre de 0 à 500."},
        {"deux colonnes", rubriques, convertit_grille_rubriques, [](grille& g) { g.setCols(2); },
         " La grille doit comporter au moins 3 colonnes, la conversion est impossible"},
    };
    const données_sel avant = données;
    for (const faute& f : fautes) {
        SCOPED_TRACE(f.quoi);
        boîtes.messages.clear();
        f.remplit(gg);
        f.abîme(gg);
        const int lignes = gg.Rows();
        EXPECT_FALSE(f.convertit(gg));
        ASSERT_EQ(boîtes.messages.size(), 1u);
        const QString& texte = boîtes.messages[0].texte;
        EXPECT_TRUE(texte.contains(QString::fromUtf8(f.message))) << texte.toStdString();
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
        EXPECT_EQ(gg.Rows(), lignes);
        EXPECT_TRUE(données == avant);
    }
}

}  // namespace
