#include "statistics/evolution.h"

#include "statistics/historique.h"
#include "support/dossier_test.h"
#include "ui_common/grille.h"

#include <QDir>

namespace {

QStringList lignes(const grille& g)
{
    QStringList r;
    for (int i = 0; i < g.Rows(); ++i) {
        QStringList cellules;
        for (int c = 0; c < g.Cols(); ++c)
            cellules << g.TextMatrix(i, c);
        r << cellules.join(QLatin1Char('|'));
    }
    return r;
}

stat_trimestre trimestre(const char* libellé, int16 base)
{
    stat_trimestre s;
    s.trimestre = QString::fromUtf8(libellé);
    s.nbr_adhérents = base;
    s.nbr_enfants = static_cast<int16>(base + 1);
    s.nbr_adultes = static_cast<int16>(base + 2);
    s.nbr_masc = static_cast<int16>(base + 3);
    s.nbr_fem = static_cast<int16>(base + 4);
    s.nbr_offres = static_cast<int16>(base + 5);
    s.nbr_demandes = static_cast<int16>(base + 6);
    s.nbr_par_genre = {static_cast<int16>(base + 10), static_cast<int16>(base + 11), static_cast<int16>(base + 12),
                       static_cast<int16>(base + 13), static_cast<int16>(base + 14)};
    s.nbr_opérations = static_cast<int16>(base + 20);
    s.volume = 100000 + base;
    return s;
}

class évolution : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        écrit(nom_fichier_évolution, encode_trimestre(trimestre(" 2025- 3°trim", 10)) +
                                         encode_trimestre(trimestre(" 2025- 4°trim", 20)) +
                                         encode_trimestre(trimestre(" 2026- 1°trim", 30)));
    }
    grille gg;
};

}  // namespace

TEST_F(évolution, une_ligne_par_trimestre)
{
    EXPECT_EQ(construit_évolution(gg, 0), "Evolution du nombre d'adhérents");
    EXPECT_EQ(lignes(gg), QStringList({"Trimestres|nbr_adhérents|nbr_enfants|nbr_adultes|nbr_masc.|nbr_fem.",
                                       " 2025- 3°trim|10|11|12|13|14", " 2025- 4°trim|20|21|22|23|24",
                                       " 2026- 1°trim|30|31|32|33|34"}));
    EXPECT_EQ(gg.FixedCols(), 1);

    EXPECT_EQ(construit_évolution(gg, 2), "Evolution des échanges");
    EXPECT_EQ(lignes(gg).mid(0, 2), QStringList({"Trimestres|nbr_opérations|Volume", " 2025- 3°trim|30|100010"}));
}

TEST_F(évolution, une_colonne_par_genre_nommé)
{
    données.noms_genres = {QStringLiteral("produit"), QStringLiteral("  "), QStringLiteral("savoir"), QString(),
                           QStringLiteral(" troc ")};
    EXPECT_EQ(construit_évolution(gg, 1), "Evolution des offres-demandes");
    EXPECT_EQ(lignes(gg).mid(0, 2), QStringList({"Trimestres|nbr_offres|nbr_demandes|produit|savoir| troc ",
                                                 " 2025- 3°trim|15|16|20|22|24"}));
}

TEST_F(évolution, sans_historique_ou_avec_une_fin_partielle)
{
    // No history yet: one empty quarter, and reading creates no file.
    QFile::remove(chemin(nom_fichier_évolution));
    construit_évolution(gg, 2);
    EXPECT_EQ(lignes(gg), QStringList({"Trimestres|nbr_opérations|Volume", "|0|0"}));
    EXPECT_FALSE(QFile::exists(chemin(nom_fichier_évolution)));

    // A file shorter than one record is no history either.
    for (const int taille : {0, 25, 50}) {
        écrit(nom_fichier_évolution, QByteArray(taille, 'x'));
        construit_évolution(gg, 0);
        EXPECT_EQ(gg.Rows(), 2) << taille;
        EXPECT_EQ(gg.TextMatrix(1, 0), "") << taille;
        EXPECT_EQ(lit(nom_fichier_évolution).size(), taille);
    }

    // 128 bytes: two whole records and a tail, read without a word.
    const QByteArray deux = encode_trimestre(trimestre(" 2025- 3°trim", 10)) +
                            encode_trimestre(trimestre(" 2025- 4°trim", 20)) + QByteArray(26, '\x7f');
    ASSERT_EQ(deux.size(), 128);
    écrit(nom_fichier_évolution, deux);
    construit_évolution(gg, 0);
    EXPECT_EQ(lignes(gg).mid(1), QStringList({" 2025- 3°trim|10|11|12|13|14", " 2025- 4°trim|20|21|22|23|24"}));
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('|').toStdString();
    EXPECT_EQ(lit(nom_fichier_évolution), deux);

    // A history that cannot be read is told; the rows read so far stay.
    QFile::remove(chemin(nom_fichier_évolution));
    QDir().mkpath(chemin(nom_fichier_évolution));
    construit_évolution(gg, 0);
    EXPECT_EQ(gg.Rows(), 1);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(
        ". L'erreur s'est produite dans la lecture des données pour les statistiques d'évolution. "
        "Ces dernières seront incomplètes."));

    // Any other choice leaves the grid alone.
    EXPECT_EQ(construit_évolution(gg, 7), QString());
    EXPECT_EQ(gg.Rows(), 1);
}

TEST_F(évolution, un_trimestre_endommagé_n_est_pas_montré)
{
    // Damaged records are not shown as rows of "ÿ" and -1, and are told.
    const QByteArray intact = encode_trimestre(trimestre(" 2025- 3°trim", 10));
    const QByteArray abîmé(taille_stat_trimestre, '\xff');
    écrit(nom_fichier_évolution, intact + abîmé + encode_trimestre(trimestre(" 2026- 1°trim", 30)));
    construit_évolution(gg, 0);
    EXPECT_EQ(lignes(gg).mid(1), QStringList({" 2025- 3°trim|10|11|12|13|14", " 2026- 1°trim|30|31|32|33|34"}));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith(
        "L'enregistrement n° 2 du fichier evolstat.dat est endommagé : il n'est pas montré. L'erreur"));
    écrit(nom_fichier_évolution, intact + abîmé + abîmé + QByteArray(taille_stat_trimestre, '\0'));
    construit_évolution(gg, 2);
    EXPECT_EQ(gg.Rows(), 2);
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_TRUE(boîtes.messages[1].texte.startsWith(
        "3 enregistrements du fichier evolstat.dat sont endommagés, le premier au n° 2 : ils ne sont pas montrés."));
    EXPECT_EQ(lit(nom_fichier_évolution).size(), 4 * taille_stat_trimestre);
}
