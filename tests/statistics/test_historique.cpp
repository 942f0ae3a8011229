#include "statistics/historique.h"

#include "support/dossier_test.h"

#include <QDir>
#include <cmath>
#include <limits>
#include <unistd.h>

namespace {

const QString suite_écriture = QStringLiteral(
    ". L'erreur s'est produite dans l'enregistrement des données pour les statistiques d'évolution. "
    "Ces dernières seront incomplètes.");

class historique : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        fichier_courant = chemin("trovane.sel");
    }

    static void membre(int n, int16 additif, int16 catégorie, int16 sexe)
    {
        adhérent& a = données.table_adhérents[n];
        a.additif = additif;
        a.catégorie = catégorie;
        a.sexe = sexe;
        données.table_adhérents[++données.nombre_adhérents].ordre = static_cast<int16>(n);
    }
    static void offre(int slot, int16 additif, int16 type, int16 genre)
    {
        proposition& p = données.table_propositions[slot];
        p.additif = additif;
        p.type = type;
        p.genre = genre;
        données.table_propositions[++données.nombre_propositions].ordre = static_cast<int16>(slot);
    }
    static void ligne(double enregistrée, int compte, const char* sens, std::int64_t dix_millièmes)
    {
        ligne_de_compte& l = données.table_lignes_compte[++données.nombre_lignes_compte];
        l.dte_enr = enregistrée;
        l.compte = static_cast<int16>(compte);
        l.sens = QString::fromLatin1(sens);
        l.montant = monnaie::depuis_brut(dix_millièmes);
    }

    std::vector<stat_trimestre> relus() const
    {
        const QByteArray o = lit(nom_fichier_évolution);
        std::vector<stat_trimestre> r;
        for (qsizetype i = 0; i + taille_stat_trimestre <= o.size(); i += taille_stat_trimestre)
            r.push_back(décode_trimestre(o.constData() + i));
        return r;
    }

    const double hier = date_depuis(QDate(2026, 3, 13));
};

}  // namespace

TEST(enregistrement_trimestre, disposition_octet_par_octet)
{
    stat_trimestre s;
    s.trimestre = QStringLiteral(" 2000- 1°trim");
    s.nbr_adhérents = 0x0102;
    s.nbr_enfants = 3;
    s.nbr_adultes = -2;
    s.nbr_masc = 0x7FFF;
    s.nbr_fem = 5;
    s.nbr_offres = 6;
    s.nbr_demandes = 7;
    s.nbr_par_genre = {8, 9, 10, 11, 0x0A0B};
    s.nbr_opérations = 0x0D0C;
    s.volume = 0x01020304;
    s.date_relevé = 36526.5;  // 1 January 2000, noon

    const QByteArray attendu = QByteArray::fromHex(
        "20323030302d2031b07472696d"  // label, the degree sign one byte
        "0201" "0300" "feff" "ff7f" "0500" "0600" "0700"
        "0800" "0900" "0a00" "0b00" "0b0a"
        "0c0d"
        "04030201"
        "00000000d0d5e140");
    ASSERT_EQ(attendu.size(), taille_stat_trimestre);
    EXPECT_EQ(encode_trimestre(s).toHex(), attendu.toHex());
    EXPECT_EQ(décode_trimestre(attendu.constData()), s);

    // A short label is padded with blanks, a long one cut.
    s.trimestre = QStringLiteral("abc");
    EXPECT_EQ(encode_trimestre(s).left(13), QByteArray("abc          "));
    s.trimestre = QStringLiteral("0123456789abcdef");
    EXPECT_EQ(encode_trimestre(s).left(13), QByteArray("0123456789abc"));
}

TEST_F(historique, libellé_du_trimestre)
{
    EXPECT_EQ(libellé_trimestre(), QStringLiteral(" 2026- 1°trim"));
    EXPECT_EQ(libellé_trimestre().size(), 13);
    const std::pair<QDate, const char*> cas[] = {{QDate(2026, 4, 1), " 2026- 2°trim"},
                                                 {QDate(2026, 6, 30), " 2026- 2°trim"},
                                                 {QDate(2026, 9, 30), " 2026- 3°trim"},
                                                 {QDate(2027, 12, 31), " 2027- 4°trim"}};
    for (const auto& [jour, libellé] : cas) {
        fixe_horloge(QDateTime(jour, QTime(8, 0)));
        EXPECT_EQ(libellé_trimestre(), QString::fromUtf8(libellé)) << jour.toString().toStdString();
    }
}

TEST_F(historique, le_premier_relevé_crée_le_fichier)
{
    membre(3, 0, 0, 0);  // a boy
    membre(1, 1, 1, 1);  // a woman, new for the supplement
    membre(4, 0, 2, 0);  // a man from another association
    membre(2, 2, 1, 0);  // deleted: counts nowhere
    membre(5, 3, 0, 1);  // eliminated: counts nowhere
    offre(7, 0, 1, 0);
    offre(2, 1, 1, 4);
    offre(9, 0, 2, 0);
    offre(3, 2, 1, 1);  // deleted
    offre(4, 3, 2, 2);  // eliminated

    ligne(hier, 3, "1", 50000);                  // recorded at the very start of yesterday: before it
    ligne(hier - 1, 3, "1", 50000);              // the day before
    ligne(hier + 0.25, 3, "1", 25000);           // total 2,5 rounds to 2
    ligne(hier + 0.5, 1, "1", 35000);            // total 5,5 rounds to 6
    ligne(hier + 0.5, 1, "2", 35000);            // a credit
    ligne(hier + 0.5, premier_compte_asso, "1", 90000);  // an association account
    ligne(date_depuis(QDate(2026, 3, 14), QTime(9, 0)), 4, "1", 10000);

    enregistre_évolution();

    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('|').toStdString();
    ASSERT_EQ(lit(nom_fichier_évolution).size(), taille_stat_trimestre);
    stat_trimestre attendu;
    attendu.trimestre = QStringLiteral(" 2026- 1°trim");
    attendu.nbr_adhérents = 3;
    attendu.nbr_enfants = 1;
    attendu.nbr_adultes = 1;
    attendu.nbr_masc = 2;
    attendu.nbr_fem = 1;
    attendu.nbr_offres = 2;
    attendu.nbr_demandes = 1;
    attendu.nbr_par_genre = {2, 0, 0, 0, 1};
    attendu.nbr_opérations = 3;
    attendu.volume = 6 + 1;
    attendu.date_relevé = date_depuis(QDate(2026, 3, 14), QTime(10, 30));
    EXPECT_EQ(relus().front(), attendu);
}

TEST_F(historique, un_indice_hors_de_sa_liste_ne_compte_dans_aucune)
{
    membre(1, 0, 5, 4);    // category and sex beyond their lists
    membre(2, 0, -1, -2);
    offre(1, 0, 1, 5);     // genres beyond the five
    offre(2, 0, 2, -1);
    offre(3, 0, 3, 32767); // neither offer nor request
    enregistre_évolution();
    ASSERT_EQ(relus().size(), 1u);
    const stat_trimestre s = relus()[0];
    EXPECT_EQ(s.nbr_adhérents, 2);
    EXPECT_EQ(s.nbr_enfants + s.nbr_adultes + s.nbr_masc + s.nbr_fem, 0);
    EXPECT_EQ(s.nbr_offres, 1);
    EXPECT_EQ(s.nbr_demandes, 1);
    EXPECT_EQ(s.nbr_par_genre, (std::array<int16, 5>{0, 0, 0, 0, 0}));
}

TEST_F(historique, un_trimestre_se_récrit_puis_le_suivant_s_ajoute)
{
    membre(1, 0, 1, 0);
    ligne(hier + 0.5, 1, "1", 100000);
    enregistre_évolution();
    const double premier = maintenant();

    // Later in the same quarter: members recounted, exchanges added on; a
    // line recorded exactly at the previous snapshot is not counted again.
    membre(2, 0, 0, 1);
    ligne(premier, 1, "1", 70000);
    ligne(premier + 0.01, 2, "1", 30000);
    fixe_horloge(QDateTime(QDate(2026, 3, 20), QTime(18, 0)));
    enregistre_évolution();
    std::vector<stat_trimestre> r = relus();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].nbr_adhérents, 2);
    EXPECT_EQ(r[0].nbr_fem, 1);
    EXPECT_EQ(r[0].nbr_opérations, 2);
    EXPECT_EQ(r[0].volume, 13);
    EXPECT_EQ(r[0].date_relevé, date_depuis(QDate(2026, 3, 20), QTime(18, 0)));

    // A new quarter starts from nothing, with what was recorded since.
    ligne(date_depuis(QDate(2026, 3, 31)), 1, "1", 40000);
    fixe_horloge(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));
    enregistre_évolution();
    r = relus();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].nbr_opérations, 2);
    EXPECT_EQ(r[1].trimestre, QStringLiteral(" 2026- 2°trim"));
    EXPECT_EQ(r[1].nbr_opérations, 1);
    EXPECT_EQ(r[1].volume, 4);

    // A clock set back to an earlier quarter appends rather than rewrites;
    // the last record, of a quarter after today's, is kept and told of.
    EXPECT_TRUE(boîtes.messages.empty());
    fixe_horloge(QDateTime(QDate(2026, 3, 25), QTime(9, 0)));
    enregistre_évolution();
    r = relus();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[2].trimestre, QStringLiteral(" 2026- 1°trim"));
    EXPECT_EQ(lit(nom_fichier_évolution).size(), 3 * taille_stat_trimestre);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("L'enregistrement n° 2 du fichier evolstat.dat est endommagé"));
}

TEST_F(historique, seulement_avec_le_fichier_de_données_par_défaut)
{
    membre(1, 0, 1, 0);
    fichier_courant = chemin("archives/trovane.sel");
    enregistre_évolution();
    fichier_courant.clear();
    enregistre_évolution();
    fichier_courant = chemin("trovane.sel");
    sans_enregistrement = true;
    enregistre_évolution();
    EXPECT_FALSE(QFile::exists(chemin(nom_fichier_évolution)));
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(historique, le_volume_arrondit_le_total_courant)
{
    // 1, then 900,5 and 0,5: the total 901,5 rounds to 902 and 902,5 to 902;
    // the amounts rounded one by one would give 1 + 900 + 0 = 901.
    ligne(hier + 0.1, 1, "1", 10000);
    ligne(hier + 0.2, 1, "1", 9005000);
    ligne(hier + 0.3, 2, "1", 5000);
    EXPECT_EQ(volume_échanges_date(hier), 902);
    // Half units throughout: 0,5 -> 0, 2 -> 2, 3,5 -> 4, 4,5 -> 4.
    données.nombre_lignes_compte = 0;
    for (const std::int64_t m : {5000, 15000, 15000, 5000})
        ligne(hier + 0.5, 3, "1", m);
    EXPECT_EQ(volume_échanges_date(hier), 4);
    enregistre_évolution();
    ASSERT_EQ(relus().size(), 1u);
    EXPECT_EQ(relus()[0].volume, 4);
}

TEST_F(historique, les_cumuls_stockés_passent_leur_tour_de_compteur)
{
    stat_trimestre stocké;
    stocké.trimestre = libellé_trimestre();
    stocké.nbr_opérations = 10001;
    stocké.volume = 1000000001;
    stocké.date_relevé = hier;
    écrit(nom_fichier_évolution, encode_trimestre(stocké));
    for (int k = 0; k < 5; ++k)
        ligne(hier + 0.5, 1, "1", 20000);

    // 10001 is taken as 1, 1 000 000 001 as 1.
    enregistre_évolution();
    std::vector<stat_trimestre> r = relus();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].nbr_opérations, 6);
    EXPECT_EQ(r[0].volume, 11);

    // Exactly 10000 and 1 000 000 000 are used as they are.
    stocké.nbr_opérations = 10000;
    stocké.volume = 1000000000;
    écrit(nom_fichier_évolution, encode_trimestre(stocké));
    données.nombre_lignes_compte = 1;
    enregistre_évolution();
    r = relus();
    EXPECT_EQ(r[0].nbr_opérations, 10001);
    EXPECT_EQ(r[0].volume, 1000000002);
}

TEST_F(historique, un_moment_impossible_compte_pour_absent)
{
    ligne(hier - 3, 1, "1", 10000);  // before yesterday
    ligne(hier + 0.5, 1, "1", 20000);
    stat_trimestre stocké;
    stocké.trimestre = libellé_trimestre();
    stocké.nbr_opérations = 4;
    stocké.volume = 40;
    // Unreadable, no date, or later than now (a clock once set ahead): the
    // lines since yesterday are added on, as after no snapshot at all.
    const double infini = std::numeric_limits<double>::infinity();
    for (const double moment : {std::nan(""), infini, -infini, maintenant() + 30, 0.0, -5.0}) {
        stocké.date_relevé = moment;
        écrit(nom_fichier_évolution, encode_trimestre(stocké));
        enregistre_évolution();
        const std::vector<stat_trimestre> r = relus();
        ASSERT_EQ(r.size(), 1u) << moment;
        EXPECT_EQ(r[0].nbr_opérations, 5) << moment;
        EXPECT_EQ(r[0].volume, 42) << moment;
    }
    // The same for the first snapshot of a new quarter.
    stocké.trimestre = QStringLiteral(" 2025- 4°trim");
    stocké.date_relevé = date_depuis(QDate(2026, 6, 1));
    écrit(nom_fichier_évolution, encode_trimestre(stocké));
    enregistre_évolution();
    const std::vector<stat_trimestre> r = relus();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].nbr_opérations, 1);
    EXPECT_EQ(r[1].volume, 2);
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('|').toStdString();
}

TEST_F(historique, un_dernier_trimestre_endommagé_est_refusé)
{
    stat_trimestre ancien;
    ancien.trimestre = libellé_trimestre();
    ancien.nbr_opérations = 7;
    ancien.volume = 70;
    ancien.date_relevé = hier - 10;
    EXPECT_TRUE(trimestre_intact(ancien));
    ancien.trimestre = QString(13, QLatin1Char(' '));  // the label of a date that could not be read
    EXPECT_TRUE(trimestre_intact(ancien));
    ancien.trimestre = libellé_trimestre();
    stat_trimestre négatif = ancien;
    négatif.nbr_par_genre[4] = -1;
    EXPECT_FALSE(trimestre_intact(négatif));
    négatif = ancien;
    négatif.volume = -1;  // a volume is a sum of debits
    EXPECT_FALSE(trimestre_intact(négatif));

    ligne(hier + 0.5, 1, "1", 20000);
    // Garbage bytes, zeros: kept as they are, and the quarter starts afresh
    // after them rather than from their figures.
    // A negative volume, a quarter after today's (a clock once set ahead).
    stat_trimestre volume_négatif = ancien, à_venir = ancien;
    volume_négatif.volume = -500;
    à_venir.trimestre = QStringLiteral(" 2027- 3°trim");
    à_venir.date_relevé = date_depuis(QDate(2027, 8, 1));
    const QByteArray endommagés[] = {QByteArray(taille_stat_trimestre, '\xff'), QByteArray(taille_stat_trimestre, '\0'),
                                     encode_trimestre(volume_négatif), encode_trimestre(à_venir)};
    for (const QByteArray& dernier : endommagés) {
        boîtes.messages.clear();
        const QByteArray avant = encode_trimestre(ancien) + dernier;
        écrit(nom_fichier_évolution, avant);
        enregistre_évolution();
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("L'enregistrement n° 2 du fichier evolstat.dat est "
                                                           "endommagé : le trimestre en cours est enregistré à sa "
                                                           "suite") + suite_écriture);
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok);
        const QByteArray après = lit(nom_fichier_évolution);
        ASSERT_EQ(après.size(), 3 * taille_stat_trimestre);
        EXPECT_EQ(après.left(2 * taille_stat_trimestre), avant);
        const stat_trimestre nouveau = relus()[2];
        EXPECT_EQ(nouveau.trimestre, libellé_trimestre());
        EXPECT_EQ(nouveau.nbr_opérations, 1);
        EXPECT_EQ(nouveau.volume, 2);

        // The next snapshot goes on from the new record, without a word.
        enregistre_évolution();
        EXPECT_EQ(boîtes.messages.size(), 1u);
        EXPECT_EQ(lit(nom_fichier_évolution).size(), 3 * taille_stat_trimestre);
    }
}

TEST_F(historique, une_fin_partielle_reçoit_le_nouveau_trimestre)
{
    // " 2025- 4°trim", 3 members, 12 operations, volume 500, on 31/12/2025
    // at noon (46022.5), then 25 bytes of a record cut short.
    const QByteArray ancien = QByteArray::fromHex(
        "20323032352d2034b07472696d"
        "0300" "0100" "0200" "0200" "0100" "0000" "0000"
        "0000" "0000" "0000" "0000" "0000"
        "0c00"
        "f4010000"
        "00000000d078e640");
    ASSERT_EQ(ancien.size(), taille_stat_trimestre);
    ASSERT_EQ(décode_trimestre(ancien.constData()).date_relevé, 46022.5);
    const QByteArray deux = ancien + ancien;
    écrit(nom_fichier_évolution, deux + ancien.left(25));
    membre(1, 0, 1, 0);
    ligne(46023, 1, "1", 30000);

    enregistre_évolution();
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('|').toStdString();
    const QByteArray après = lit(nom_fichier_évolution);
    ASSERT_EQ(après.size(), 3 * taille_stat_trimestre);
    EXPECT_EQ(après.left(2 * taille_stat_trimestre), deux);
    const stat_trimestre nouveau = relus()[2];
    EXPECT_EQ(nouveau.trimestre, QStringLiteral(" 2026- 1°trim"));
    EXPECT_EQ(nouveau.nbr_adhérents, 1);
    EXPECT_EQ(nouveau.nbr_opérations, 1);  // the lines since the last whole record's moment
    EXPECT_EQ(nouveau.volume, 3);

    // Within the quarter the record is rewritten in place.
    ligne(maintenant() + 0.01, 1, "1", 10000);
    fixe_horloge(QDateTime(QDate(2026, 3, 20), QTime(9, 0)));
    enregistre_évolution();
    ASSERT_EQ(relus().size(), 3u);
    EXPECT_EQ(relus()[2].nbr_opérations, 2);
    EXPECT_EQ(relus()[2].volume, 4);
}

TEST_F(historique, un_fichier_de_moins_d_un_trimestre_compte_pour_absent)
{
    ligne(hier - 5, 1, "1", 70000);   // before yesterday: not counted
    ligne(hier + 0.5, 1, "1", 20000);
    for (const int taille : {0, 1, 25, 50}) {
        écrit(nom_fichier_évolution, QByteArray(taille, '\x41'));
        enregistre_évolution();
        const QByteArray o = lit(nom_fichier_évolution);
        ASSERT_EQ(o.size(), taille_stat_trimestre) << taille;
        const stat_trimestre s = décode_trimestre(o.constData());
        EXPECT_EQ(s.trimestre, QStringLiteral(" 2026- 1°trim")) << taille;
        EXPECT_EQ(s.nbr_opérations, 1) << taille;
        EXPECT_EQ(s.volume, 2) << taille;
    }
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(historique, un_dépassement_ou_un_fichier_illisible_ne_perd_rien)
{
    // A volume beyond what its four bytes hold: told, the file left whole.
    stat_trimestre plein;
    plein.trimestre = libellé_trimestre();
    plein.volume = 1000000000;
    plein.date_relevé = hier;
    const QByteArray avant = encode_trimestre(plein) + QByteArray(7, '\0');
    écrit(nom_fichier_évolution, avant);
    ligne(hier + 0.5, 1, "1", std::int64_t{600000000} * 10000);
    ligne(hier + 0.6, 2, "1", std::int64_t{600000000} * 10000);
    enregistre_évolution();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("Dépassement de capacité") + suite_écriture);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok);
    EXPECT_EQ(lit(nom_fichier_évolution), avant);

    // Negative totals are held to their field too.
    données.nombre_lignes_compte = 0;
    ligne(hier + 0.5, 1, "1", std::int64_t{-4000000000} * 10000);
    enregistre_évolution();
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(lit(nom_fichier_évolution), avant);

    // A history that cannot be read at all.
    QFile::remove(chemin(nom_fichier_évolution));
    QDir().mkpath(chemin(nom_fichier_évolution));
    enregistre_évolution();
    ASSERT_EQ(boîtes.messages.size(), 3u);
    EXPECT_TRUE(boîtes.messages[2].texte.endsWith(suite_écriture));
    EXPECT_TRUE(QFileInfo(chemin(nom_fichier_évolution)).isDir());
}

TEST_F(historique, le_fichier_est_récrit_par_un_fichier_temporaire)
{
    stat_trimestre ancien;
    ancien.trimestre = QStringLiteral(" 2025- 4°trim");
    const QByteArray avant = encode_trimestre(ancien);
    écrit(nom_fichier_évolution, avant);
    // A second name on the same file: written in place, it would change too.
    const QByteArray lien = QFile::encodeName(chemin(QStringLiteral("lien.dat")));
    ASSERT_EQ(::link(QFile::encodeName(chemin(nom_fichier_évolution)).constData(), lien.constData()), 0);
    enregistre_évolution();
    EXPECT_EQ(lit(nom_fichier_évolution).size(), 2 * taille_stat_trimestre);
    EXPECT_EQ(lit(QStringLiteral("lien.dat")), avant);
    EXPECT_TRUE(QDir(dossier.path()).entryList({QStringLiteral("evolstat*")}, QDir::Files).size() == 1);
}
