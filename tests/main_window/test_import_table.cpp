// Importing a table kept elsewhere: the text becomes rows of the grid, the
// rows are completed and linked, and the conversion turns them into the
// table, or refuses and leaves everything as it was.
#include "accounts/ecritures.h"
#include "data/cp1252.h"
#include "data/fichier_donnees.h"
#include "main_window/import_table.h"
#include "ui_common/vues_tables.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <map>

namespace {

class import_table : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données);
        tables_changées_non_enregistrées = false;
    }

    // One line of the text: the given cells in their columns from 1 on.
    static QString ligne(const std::map<int, QString>& cellules, int colonnes)
    {
        QStringList l;
        for (int c = 1; c < colonnes; ++c) {
            const auto it = cellules.find(c);
            l << (it == cellules.end() ? QString() : it->second);
        }
        return l.join(QLatin1Char('\t'));
    }

    QString cellule(int r, int c) const { return gg.TextMatrix(r, c); }

    grille gg;
};

QString aujourd_hui() { return QStringLiteral("14/03/2026"); }

TEST_F(import_table, le_texte_devient_les_lignes_de_la_grille)
{
    affiche_adhérents(gg, false);  // whatever the grid held goes

    remplit_grille_texte(gg, QStringLiteral("a\tb\r\n\r\n"), col_rubriques::nombre);
    EXPECT_EQ(gg.Cols(), col_rubriques::nombre);
    ASSERT_EQ(gg.Rows(), 3);
    EXPECT_EQ(gg.forme(), forme_grille::importée);
    for (int c = 0; c < gg.Cols(); ++c)
        EXPECT_TRUE(cellule(0, c).isEmpty()) << c;
    EXPECT_EQ(cellule(1, 0), "");
    EXPECT_EQ(cellule(1, 1), "a");
    EXPECT_EQ(cellule(1, 2), "b");
    EXPECT_EQ(cellule(2, 1), "");

    // Lone LF, no line end after the last line, cells beyond the columns;
    // the widest line's cells are counted.
    EXPECT_EQ(remplit_grille_texte(gg, QStringLiteral("x\ty\nz\t1\t2\t3\t4"), col_rubriques::nombre), 5);
    ASSERT_EQ(gg.Rows(), 3);
    EXPECT_EQ(cellule(1, 2), "y");
    EXPECT_EQ(cellule(2, 1), "z");
    EXPECT_EQ(cellule(2, 3), "2");

    // Trailing empty rows all go; an empty row between stays; row 1 stays.
    remplit_grille_texte(gg, QStringLiteral("10\tCuisine\r\n\r\n11\tConserves\r\n\r\n\t\r\n"), col_rubriques::nombre);
    affecte_indices(gg, table_importée::rubriques);
    EXPECT_EQ(gg.Rows(), 4);
    remplit_grille_texte(gg, QStringLiteral("\r\n\r\n"), col_rubriques::nombre);
    affecte_indices(gg, table_importée::rubriques);
    EXPECT_EQ(gg.Rows(), 2);
}

TEST_F(import_table, un_tableau_d_une_autre_largeur_est_dit_avant_la_conversion)
{
    const auto question = [this] { return boîtes.messages.back().texte; };
    // Two cells where the classification has three: said, and left empty.
    EXPECT_FALSE(importe_texte(gg, table_importée::rubriques, "10\tCuisine\r\n", provenance_import::presse_papiers));
    EXPECT_TRUE(question().contains("\r\nAttention : le tableau collé compte 2 colonnes, la grille des rubriques en "
                                    "attend 3 : les cellules manquantes sont restées vides.\r\nVoulez-vous"));
    EXPECT_EQ(cellule(1, col_rubriques::image), "");

    // Five from a file: the last two are dropped, and said so.
    importe_texte(gg, table_importée::rubriques, "10\tCuisine\tc.gif\tx\ty\r\n11\tFour\r\n",
                  provenance_import::fichier);
    EXPECT_TRUE(question().contains("Attention : le fichier compte 5 colonnes, la grille des rubriques en attend 3 : "
                                    "les colonnes au-delà de la 3e ont été ignorées."));
    EXPECT_EQ(cellule(1, col_rubriques::image), "c.gif");

    // The table's own width: nothing to say.
    importe_texte(gg, table_importée::adhérents, ligne({{col_adhérents::identifiant, "Zoé"}}, col_adhérents::nombre),
                  provenance_import::presse_papiers);
    EXPECT_FALSE(question().contains("Attention"));
}

TEST_F(import_table, adhérents_importés_avec_leurs_valeurs_par_défaut)
{
    using namespace col_adhérents;
    données.solde_départ = monnaie::unités(25);
    données.compte_asso_débité = 9996;
    const données_sel avant = données;
    const QString texte =
        ligne({{numéro, "Numéro"}, {identifiant, "Identifiant"}, {nom_adresse, "Nom"}}, nombre) + "\r\n" +
        ligne({{numéro, "7"}, {identifiant, "Zoé"}, {catégorie, "0"}, {der_solde, "0,5"}, {sexe, "0"},
               {commentaire, "dit \"bonjour\""}},
              nombre) +
        "\r\n" +
        ligne({{identifiant, "Yann"}, {nom_adresse, "LE BRAS Yann"}, {catégorie, "2"}, {qualité, "5"},
               {date_adhésion, "01/02/2020"}},
              nombre) +
        "\r\n" +
        ligne({{numéro, "9"}, {identifiant, "Ugo"}, {catégorie, " "}, {qualité, "0"}, {der_solde, "0"}}, nombre) +
        "\r\n\r\n\r\n";
    boîtes.réponses = {rép_oui /* title row */, rép_oui /* convert now */, rép_ok, rép_ok};
    ASSERT_TRUE(importe_texte(gg, table_importée::adhérents, texte, provenance_import::fichier));
    ASSERT_EQ(gg.Rows(), 4);
    EXPECT_EQ(cellule(2, numéro), "2");  // its row number
    EXPECT_EQ(boîtes.messages[1].texte.left(23), "L'importation a réussi.");

    ASSERT_TRUE(récupère_grille(gg, QStringLiteral("adhérents")));
    EXPECT_TRUE(tables_changées_non_enregistrées);
    EXPECT_EQ(gg.forme(), forme_grille::codée);
    const données_sel& d = données;
    ASSERT_EQ(d.nombre_adhérents, 3);
    EXPECT_EQ(d.table_adhérents[1].ordre, 7);
    EXPECT_EQ(d.table_adhérents[2].ordre, 2);
    const adhérent& zoé = d.table_adhérents[7];
    EXPECT_EQ(zoé.nom_adresse.trimmed(), "Zoé");
    EXPECT_EQ(zoé.catégorie, 0);  // a category given as 0 is kept
    EXPECT_EQ(zoé.sexe, 0);
    EXPECT_EQ(zoé.qualité, 2);
    EXPECT_EQ(zoé.der_solde, monnaie::depuis_brut(5000));  // 0,5 is not nothing
    EXPECT_EQ(zoé.date_adhésion, date_depuis(QDate(2026, 3, 14)));
    EXPECT_EQ(zoé.dte_enr, date_depuis(QDate(2026, 3, 14)));
    EXPECT_EQ(zoé.commentaire, "dit «bonjour»");
    const adhérent& yann = d.table_adhérents[2];
    EXPECT_EQ(yann.nom_adresse.trimmed(), "LE BRAS Yann");
    EXPECT_EQ(yann.catégorie, 2);
    EXPECT_EQ(yann.sexe, 1);
    EXPECT_EQ(yann.qualité, 5);
    EXPECT_EQ(yann.der_solde, monnaie::unités(25));  // the default of an empty cell
    EXPECT_EQ(yann.date_adhésion, date_depuis(QDate(2020, 2, 1)));
    const adhérent& ugo = d.table_adhérents[9];
    EXPECT_EQ(ugo.catégorie, 1);  // blank: the default
    EXPECT_EQ(ugo.qualité, 0);
    EXPECT_EQ(ugo.der_solde, monnaie{});

    // Each balance that changed came with its two lines from the debited
    // association account: the sum of the balances stays.
    auto somme = [](const données_sel& x, std::initializer_list<int> membres) {
        monnaie t;
        for (int n : membres)
            t += x.table_adhérents[static_cast<std::size_t>(n)].der_solde;
        for (const compte_asso& c : x.comptes_asso)
            t += c.solde;
        return t;
    };
    EXPECT_EQ(somme(d, {7, 2, 9}), somme(avant, {7, 2, 9}));
    ASSERT_EQ(d.nombre_lignes_compte, avant.nombre_lignes_compte + 6);
    for (int k = 1; k <= 6; ++k) {
        const ligne_de_compte& l = d.table_lignes_compte[static_cast<std::size_t>(avant.nombre_lignes_compte + k)];
        SCOPED_TRACE(k);
        EXPECT_EQ(l.description, "Solde importé");
        EXPECT_EQ(l.dte_opé, date_depuis(QDate(2026, 3, 14)));
        EXPECT_EQ(k % 2 ? l.compte : l.partenaire, 9996);
    }
    const ligne_de_compte& dernière = d.table_lignes_compte[static_cast<std::size_t>(d.nombre_lignes_compte)];
    EXPECT_EQ(dernière.compte, 9);
    EXPECT_EQ(dernière.montant, avant.table_adhérents[9].der_solde < monnaie{} ? -avant.table_adhérents[9].der_solde
                                                                               : avant.table_adhérents[9].der_solde);
    EXPECT_EQ(dernière.solde, monnaie{});
    EXPECT_TRUE(journal_écritures().empty());

    // Converted again as it stands: no balance changes, no line.
    const int lignes = d.nombre_lignes_compte;
    boîtes.réponses = {rép_ok, rép_ok};
    ASSERT_TRUE(récupère_grille(gg, QStringLiteral("adhérents")));
    EXPECT_EQ(d.nombre_lignes_compte, lignes);
}

TEST_F(import_table, des_soldes_sans_compte_à_débiter_ne_sont_pas_convertis)
{
    using namespace col_adhérents;
    données.compte_asso_débité = 0;
    const données_sel avant = données;
    remplit_grille_texte(gg, ligne({{numéro, "3"}, {identifiant, "Zoé"}, {der_solde, "40"}}, nombre) + "\r\n",
                         nombre);
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("adhérents")));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith("Les soldes de la grille doivent être portés au débit d'un "
                                                        "compte de l'association"));
    EXPECT_TRUE(données == avant);
    EXPECT_FALSE(tables_changées_non_enregistrées);
    EXPECT_EQ(gg.TextMatrix(1, identifiant), "Zoé");  // the grid keeps what was imported

    // Nor when the ledger has no room for the lines.
    données.compte_asso_débité = 9995;
    données.nombre_lignes_compte = max_lignes_compte - 1;
    const données_sel plein = données;
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("adhérents")));
    EXPECT_TRUE(données == plein);
}

TEST_F(import_table, offres_liées_aux_adhérents_et_aux_rubriques)
{
    using namespace col_offres;
    données_sel& d = données;
    // Two members under one identifier: the numbers given still hold.
    d.table_adhérents[5].identifiant = d.table_adhérents[3].identifiant;
    const QString texte =
        ligne({{type, "1"}, {rubrique, "Rubrique 1"}, {désignation, "Vélo"}, {num_adh, "3, 7,12"}}, nombre) + "\r\n" +
        ligne({{type, "2"}, {rubrique, "Sous-rubrique 1.2"}, {désignation, "Piano"}, {num_adh, "5"}}, nombre) +
        "\r\n" + ligne({{type, "2"}, {rubrique, "120"}, {désignation, "Luge"}, {num_adh, "5"}}, nombre) + "\r\n";
    // No to every question: the numbers are split all the same, since the
    // member key is the number.
    EXPECT_FALSE(importe_texte(gg, table_importée::offres, texte, provenance_import::presse_papiers));
    ASSERT_EQ(gg.Rows(), 6);
    const char* attendus[] = {"12", "5", "5", "3", "7"};
    for (int r = 1; r <= 5; ++r) {
        SCOPED_TRACE(r);
        const int n = QString::fromUtf8(attendus[r - 1]).toInt();
        EXPECT_EQ(cellule(r, num_adh), attendus[r - 1]);
        EXPECT_EQ(cellule(r, identifiant), d.table_adhérents[n].identifiant.str());
        EXPECT_EQ(cellule(r, emplacement), QString::number(r));
        EXPECT_EQ(cellule(r, date), aujourd_hui());
    }
    EXPECT_EQ(cellule(4, désignation), "Vélo");
    EXPECT_EQ(cellule(1, rubrique), "100");
    EXPECT_EQ(cellule(2, rubrique), "120");
    EXPECT_EQ(cellule(3, rubrique), "120");  // a code stays a code
    EXPECT_EQ(boîtes.messages.size(), 3u);    // title, Access, convert now

    boîtes.réponses = {rép_ok, rép_ok};
    ASSERT_TRUE(récupère_grille(gg, QStringLiteral("base")));
    ASSERT_EQ(d.nombre_propositions, 5);
    const proposition& vélo = d.table_propositions[d.table_propositions[4].ordre];
    EXPECT_EQ(vélo.num_adh, 3);
    EXPECT_EQ(vélo.code_rubrique, 100);
    EXPECT_EQ(vélo.identifiant, d.table_adhérents[3].identifiant.str());
}

TEST_F(import_table, clé_des_adhérents)
{
    données_sel& d = données;
    // Two members share an identifier: the one listed first wins.
    d.table_adhérents[d.table_adhérents[9].ordre].identifiant = QStringLiteral("Alix");
    d.table_adhérents[d.table_adhérents[4].ordre].identifiant = QStringLiteral("Alix");
    const int premier = d.table_adhérents[4].ordre;

    auto grille_de = [&](std::initializer_list<std::pair<const char*, const char*>> lignes) {
        gg.Clear();
        gg.setRows(1);
        gg.setCols(col_offres::nombre);
        for (const auto& [numéro, id] : lignes)
            gg.AddItem(ligne({{col_offres::num_adh, QString::fromUtf8(numéro)},
                              {col_offres::identifiant, QString::fromUtf8(id)}},
                             col_offres::nombre)
                           .prepend(QLatin1Char('\t')));
    };
    grille_de({{"1", ""}, {"2", ""}});
    EXPECT_EQ(clé_identifiant(gg), clé_adhérent::numéro);
    grille_de({{"1", ""}, {"2", ""}, {"", "Alix"}});
    EXPECT_EQ(clé_identifiant(gg), clé_adhérent::numéro_incomplet);
    grille_de({{"1", ""}, {"", "Alix"}});
    EXPECT_EQ(clé_identifiant(gg), clé_adhérent::identifiant_incomplet);  // a tie goes to the identifier
    grille_de({{"0", "Alix "}, {"", "alix"}, {"8", ""}, {"", "Alix"}});
    EXPECT_EQ(clé_identifiant(gg), clé_adhérent::identifiant_incomplet);

    retrouve_num_adhérents(gg);
    EXPECT_EQ(cellule(1, col_offres::num_adh), "0");  // shared: named, never guessed
    EXPECT_TRUE(boîtes.textes().last().contains(QStringLiteral("« Alix » : adhérents n° %1").arg(premier)));
    EXPECT_EQ(cellule(2, col_offres::num_adh), "");  // case counts
    EXPECT_EQ(cellule(3, col_offres::num_adh), "8");  // no identifier, no lookup

    // Identifiers from numbers leave the rows without a member alone.
    grille_de({{"6", ""}, {"", "Alix"}, {"9999", "Bob"}});
    affecte_identifiants(gg);
    EXPECT_EQ(cellule(1, col_offres::identifiant), d.table_adhérents[6].identifiant.str());
    EXPECT_EQ(cellule(2, col_offres::identifiant), "Alix");
    EXPECT_EQ(cellule(3, col_offres::identifiant), "Bob");
}

TEST_F(import_table, sans_adhérents_ou_sans_classification_rien_n_est_converti)
{
    const données_sel avant = données;
    const QString texte = ligne({{col_offres::type, "1"}, {col_offres::désignation, "Vélo"},
                                 {col_offres::identifiant, "Personne"}},
                                col_offres::nombre) +
                          "\r\n" +
                          ligne({{col_offres::type, "2"}, {col_offres::désignation, "Luge"}}, col_offres::nombre);
    données.nombre_adhérents = 1;
    importe_texte(gg, table_importée::offres, texte, provenance_import::fichier);
    EXPECT_TRUE(boîtes.textes().contains(
        "Trovane n'a détecté aucune donnée adhérents. Vous devez importer la grille adhérents avant d'importer le "
        "catalogue. Consultez l'aide."));
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("base")));  // the slots were never given
    EXPECT_TRUE(boîtes.messages.back().texte.contains("est vide"));
    données.nombre_adhérents = avant.nombre_adhérents;
    EXPECT_TRUE(données == avant);
    EXPECT_FALSE(tables_changées_non_enregistrées);

    boîtes.messages.clear();
    données.nombre_codes_classification = 0;
    importe_texte(gg, table_importée::offres, texte, provenance_import::fichier);
    const QStringList textes = boîtes.textes();
    EXPECT_TRUE(textes.contains("La colonne des identifiants d'adhérents est incomplète. Certaines lignes du "
                                "catalogue ne pourront être associées à aucun adhérent."));
    EXPECT_TRUE(textes.contains("Trovane n'a détecté aucune classification. Vous devez importer la classification "
                                "avant d'importer le catalogue. Consultez l'aide."));
    EXPECT_EQ(cellule(1, col_offres::emplacement), "");
}

TEST_F(import_table, refus_de_la_conversion)
{
    const données_sel avant = données;
    remplit_grille_texte(gg, QStringLiteral("10\tCuisine\r\n500\tTrop loin\r\n"), col_rubriques::nombre);
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("rubriques")));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith(
        "Les codes rubriques dans la classification doivent être compris entre 10 et 499.\r\n"));

    // A grid holding another table than the mode's.
    affiche_offres_demandes(gg, false);
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("rubriques")));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith("La grille ne contient pas le tableau de ce mode"));

    boîtes.réponses = {rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("comptes")));
    EXPECT_EQ(boîtes.messages.back().texte,
              "Cette opération n'est possible que pour la gestion des catalogues et des adhérents");

    // An imported table goes through the checks of every conversion: the
    // first faulty row is named and nothing changes.
    using namespace col_adhérents;
    const QString membres = ligne({{numéro, "3"}, {identifiant, "Zoé"}}, nombre) + "\r\n" +
                            ligne({{numéro, "4"}, {identifiant, "Yann"}, {date_cotisation, "31/02/2026"}}, nombre) +
                            "\r\n";
    boîtes.réponses = {rép_non /* title row */};
    importe_texte(gg, table_importée::adhérents, membres, provenance_import::presse_papiers);
    boîtes.réponses = {rép_ok, rép_ok};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("adhérents")));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith("Ligne 2, colonne 13 : « 31/02/2026 » n'est pas une date."))
        << boîtes.messages.back().texte.toStdString();
    EXPECT_TRUE(données == avant);

    // Cancelling the confirmation.
    affiche_rubriques(gg);
    boîtes.réponses = {rép_ok, rép_annuler};
    EXPECT_FALSE(récupère_grille(gg, QStringLiteral("rubriques")));
    EXPECT_TRUE(données == avant);
    EXPECT_FALSE(tables_changées_non_enregistrées);
}

TEST_F(import_table, lecture_du_fichier_texte)
{
    écrit("latin.txt", QByteArray("V\xe9lo\tb\n\xc9t\xe9"));
    écrit("utf8.txt", QByteArray("Zo\xc3\xa9\r\n"));
    boîtes.fichiers = {chemin("latin.txt"), chemin("utf8.txt"), chemin("absent.txt")};
    EXPECT_EQ(ouvrir_fichier_txt(), "Vélo\tb\nÉté");
    EXPECT_EQ(ouvrir_fichier_txt(), "Zoé\r\n");
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_EQ(ouvrir_fichier_txt(), "");
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(" dans la lecture de  " + chemin("absent.txt")));
    EXPECT_EQ(ouvrir_fichier_txt(), "");  // cancelled: nothing said
    EXPECT_EQ(boîtes.messages.size(), 1u);
}

}  // namespace
