// The member filter: each key alone and together, the members it keeps and
// their order, and the saved selection files.
#include "data/dossiers.h"
#include "members/filtre.h"
#include "support/dossier_test.h"

#include <QDir>

namespace {

double jour(int a, int m, int j, int h = 0) { return date_depuis(QDate(a, m, j), QTime(h, 0)); }

class filtre : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres(données);
        // List order 3, 1, 2, 5, 4: the filter keeps it.
        const int ordre[] = {3, 1, 2, 5, 4};
        données.nombre_adhérents = 5;
        for (int i = 0; i < 5; ++i)
            données.table_adhérents[static_cast<std::size_t>(i + 1)].ordre = static_cast<int16>(ordre[i]);
        for (int n = 1; n <= 5; ++n) {
            adhérent& a = membre(n);
            a.identifiant = QStringLiteral("Membre %1").arg(n);
            a.date_adhésion = a.date_cotisation = jour(2020, 1, 1);
        }
    }
    static adhérent& membre(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }
    static filtre_adhérents avec(int k)
    {
        filtre_adhérents f;
        bascule_clef(f, k);
        return f;
    }
};

TEST_F(filtre, sans_clef_garde_les_adhérents_non_supprimés_dans_l_ordre_de_la_liste)
{
    membre(2).additif = 2;
    membre(5).additif = 3;
    membre(1).additif = 1;
    EXPECT_EQ(adhérents_filtrés({}), (std::vector<int>{3, 1, 4}));
    const auto entrées = entrées_filtrées({});
    ASSERT_EQ(entrées.size(), 3u);
    EXPECT_EQ(entrées[0], (entrée_filtrée{QStringLiteral("Membre 3            "), 3}));

    // In an archive the deleted and eliminated members are there to be seen.
    données.type_fichier = QStringLiteral("archive");
    EXPECT_EQ(adhérents_filtrés({}), (std::vector<int>{3, 1, 2, 5, 4}));
}

TEST_F(filtre, clefs_de_liste_seules_et_ensemble)
{
    membre(1).sexe = 1;
    membre(4).sexe = 1;
    for (int n = 1; n <= 5; ++n) {
        membre(n).critère0 = static_cast<int16>(2 * n - 1);  // 1 3 5 7 9
        membre(n).catégorie = static_cast<int16>(n % 3);     // 1 2 0 1 2
    }

    // Switching the sex key on starts on "masculin".
    filtre_adhérents f = avec(0);
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 2, 5}));
    choisit_départ(f, 0, 1);
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{1, 4}));

    // A freshly switched range key covers its whole list.
    f = avec(1);
    EXPECT_EQ(f.positions[2], 0);
    EXPECT_EQ(f.positions[3], 9);
    EXPECT_EQ(adhérents_filtrés(f).size(), 5u);
    // From code 5 to the last arrival entry: 5 and up.
    choisit_départ(f, 2, 5);
    EXPECT_EQ(f.positions[3], 4);
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 5, 4}));
    // First arrival entry: the departure code alone; a = 2 reaches code 7.
    f.positions[3] = 0;
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3}));
    f.positions[3] = 2;
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 4}));

    // Adults of either sex, then only the women among them.
    filtre_adhérents adultes = avec(2);
    choisit_départ(adultes, 4, 1);
    adultes.positions[5] = 0;
    EXPECT_EQ(adhérents_filtrés(adultes), (std::vector<int>{1, 4}));
    bascule_clef(adultes, 0);
    EXPECT_TRUE(adhérents_filtrés(adultes).empty());
    choisit_départ(adultes, 0, 1);
    EXPECT_EQ(adhérents_filtrés(adultes), (std::vector<int>{1, 4}));
    // Switched off again, the key no longer counts, its choice kept.
    bascule_clef(adultes, 2);
    EXPECT_EQ(adultes.positions[4], 1);
    EXPECT_EQ(adhérents_filtrés(adultes), (std::vector<int>{1, 4}));
}

TEST_F(filtre, clefs_de_dates_bornes_incluses_et_heure_comprise)
{
    membre(1).date_adhésion = jour(2025, 1, 1);
    membre(2).date_adhésion = jour(2026, 3, 14);
    membre(3).date_adhésion = jour(2026, 3, 14, 9);  // after midnight of the last day
    membre(4).date_adhésion = 0;
    membre(5).date_adhésion = jour(2024, 12, 31);

    filtre_adhérents f = avec(clef_date_adh);
    EXPECT_EQ(f.ctt_date_adh_dep, QStringLiteral("00:00:00"));
    EXPECT_EQ(f.ctt_date_adh_fin, QStringLiteral("14/03/2026"));
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{1, 2, 5, 4}));

    f.ctt_date_adh_dep = QStringLiteral("01/01/2025");
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{1, 2}));

    // The subscription date is a key of its own.
    membre(2).date_cotisation = jour(2026, 1, 10);
    filtre_adhérents cot = avec(clef_date_cot);
    cot.ctt_date_cot_dep = QStringLiteral("01-01-26");
    EXPECT_EQ(adhérents_filtrés(cot), (std::vector<int>{2}));
}

TEST_F(filtre, clef_du_solde)
{
    membre(1).der_solde = monnaie::unités(-1);
    membre(2).der_solde = monnaie::depuis_brut(125000);  // 12.5
    membre(3).der_solde = monnaie::depuis_brut(124999);
    membre(4).der_solde = monnaie::unités(0);
    membre(5).der_solde = monnaie::unités(2000000);

    filtre_adhérents f = avec(clef_solde);
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 2, 4}));

    // Typed with a comma or a point, the bound keeps its fraction.
    f.ctt_solde_min = QStringLiteral("12,5");
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{2}));
    f.ctt_solde_min = QStringLiteral("12.5");
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{2}));

    // An empty bound reads as 0.
    f.ctt_solde_min.clear();
    f.ctt_solde_max.clear();
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{4}));
}

TEST_F(filtre, volume_annuel_par_année_civile)
{
    auto fixe = [](int n, double adhésion, std::int64_t volume_brut) {
        membre(n).date_adhésion = adhésion;
        membre(n).volume = monnaie::depuis_brut(volume_brut);
    };
    fixe(1, jour(2026, 2, 1), 1000000);   // this year: 100
    fixe(2, jour(2025, 1, 2), 1000000);   // last year, whatever the month: 100
    fixe(3, jour(2024, 12, 31), 2000000); // two calendar years back: 200 / 2
    fixe(4, 0, 127 * 1000000);            // no date: 1899, 127 years
    fixe(5, jour(2026, 1, 1), 1010000);   // 101

    filtre_adhérents f = avec(clef_volume);
    f.ctt_volume_min = f.ctt_volume_max = QStringLiteral("100");
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 1, 2, 4}));

    // Whole units, halves to the even neighbour, then the remainder dropped.
    fixe(1, jour(2026, 2, 1), 25000);     // 2.5 -> 2
    fixe(2, jour(2026, 2, 1), 35000);     // 3.5 -> 4
    fixe(3, jour(2024, 6, 1), 75000);     // 7.5 -> 8, / 2 = 4
    fixe(4, jour(2024, 6, 1), 70000);     // 7 / 2 = 3
    fixe(5, jour(2026, 2, 1), 700000000); // 70000: no 16-bit limit
    f.ctt_volume_min = QStringLiteral("4");
    f.ctt_volume_max = QStringLiteral("70000");
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 2, 5}));
}

TEST_F(filtre, toutes_les_clefs_ensemble)
{
    for (int n = 1; n <= 5; ++n) {
        adhérent& a = membre(n);
        a.sexe = 1;
        a.critère0 = a.qualité = a.critère1 = a.critère2 = 4;
        a.catégorie = 1;
        a.date_adhésion = a.date_cotisation = jour(2025, 6, 1);
        a.der_solde = monnaie::unités(50);
        a.volume = monnaie::unités(20);
    }
    filtre_adhérents f;
    for (int k = 0; k < nombre_clefs_filtre; ++k)
        bascule_clef(f, k);
    choisit_départ(f, 0, 1);
    for (int i : {2, 6, 8, 10})
        choisit_départ(f, i, 4);
    choisit_départ(f, 4, 1);
    for (int i : {3, 5, 7, 9, 11})
        f.positions[static_cast<std::size_t>(i)] = 0;  // each list key keeps one code
    EXPECT_EQ(adhérents_filtrés(f), (std::vector<int>{3, 1, 2, 5, 4}));

    // Each key, failing alone, drops the member.
    auto sans = [&](int n, auto change) {
        const adhérent avant = membre(n);
        change(membre(n));
        const bool passe = teste_filtre_adhérent(n, f);
        membre(n) = avant;
        return !passe;
    };
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.sexe = 0; }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.critère0 = 3; }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.catégorie = 2; }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.qualité = 5; }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.critère1 = 3; }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.critère2 = 9; }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.date_adhésion = jour(2026, 3, 15); }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.date_cotisation = jour(2027, 1, 1); }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.der_solde = monnaie::unités(-5); }));
    EXPECT_TRUE(sans(1, [](adhérent& a) { a.volume = monnaie::unités(-20); }));
    EXPECT_TRUE(teste_filtre_adhérent(1, f));
    EXPECT_FALSE(teste_filtre_adhérent(0, f));
}

TEST_F(filtre, une_clef_impossible_à_évaluer_ne_laisse_passer_personne)
{
    // A date bound that does not read.
    filtre_adhérents f = avec(clef_date_adh);
    EXPECT_EQ(adhérents_filtrés(f).size(), 5u);
    f.ctt_date_adh_fin = QStringLiteral("31/02/2026");
    EXPECT_TRUE(adhérents_filtrés(f).empty());
    EXPECT_FALSE(teste_filtre_adhérent(3, f));
    EXPECT_TRUE(boîtes.messages.empty());  // the run says nothing: the check before it does
    EXPECT_FALSE(dates_actives_valides(f));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "31/02/2026 n'est pas une date correcte. (jj/mm/aaaa ou 00:00:00)");
    EXPECT_TRUE(dates_actives_valides(avec(clef_date_cot)));
    f.clefs_filtre[clef_date_adh] = 0;  // an inactive key's bounds do not count
    EXPECT_TRUE(dates_actives_valides(f));
    EXPECT_EQ(adhérents_filtrés(f).size(), 5u);

    // A position outside its list, departure or arrival, or no choice at all.
    const std::vector<std::pair<int, std::pair<int16, int16>>> positions = {
        {0, {2, 0}}, {0, {-1, 0}}, {1, {3, 7}}, {1, {10, 0}}, {2, {0, 3}}, {3, {-1, -1}}, {5, {0, -1}}};
    for (const auto& [k, p] : positions) {
        SCOPED_TRACE(k);
        filtre_adhérents g = avec(k);
        EXPECT_FALSE(adhérents_filtrés(g).empty());
        g.positions[static_cast<std::size_t>(2 * k)] = p.first;
        g.positions[static_cast<std::size_t>(2 * k + 1)] = p.second;
        EXPECT_TRUE(adhérents_filtrés(g).empty());
    }

    // Member numbers outside the register are refused before any record is read.
    EXPECT_FALSE(teste_filtre_adhérent(max_adhérents + 1, {}));
    EXPECT_FALSE(teste_filtre_adhérent(-3, {}));
}

// ---------------------------------------------------------------- saved selections

TEST_F(filtre, un_nom_de_sélection_avec_un_point_est_refusé)
{
    EXPECT_TRUE(nom_de_sélection_valide(chemin(QStringLiteral("etats/adultes.eta"))));
    EXPECT_TRUE(nom_de_sélection_valide(chemin(QStringLiteral("etats/mes adultes.ETA"))));
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_FALSE(nom_de_sélection_valide(chemin(QStringLiteral("etats/club.2024.eta"))));
    EXPECT_FALSE(nom_de_sélection_valide(chemin(QStringLiteral("etats/club.2024"))));
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(boîtes.messages[0].texte, "Le nom « club.2024 » ne convient pas à un fichier de filtres : il ne doit "
                                        "pas contenir de point. Choisissez un autre nom.");
}

TEST_F(filtre, fichier_de_sélection_écrit_et_relu)
{
    // Only the sex key, "féminin": the layout of every selection file.
    filtre_adhérents f = avec(0);
    choisit_départ(f, 0, 1);
    const QByteArray octets = texte_fichier_état(f);
    EXPECT_TRUE(octets.startsWith("-1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n-1\r\n-1\r\n"));
    EXPECT_EQ(octets.count("\r\n"), 30);
    EXPECT_FALSE(octets.contains("\n\n"));

    // Several keys and the texts, through the file.
    bascule_clef(f, 3);
    choisit_départ(f, 6, 2);
    f.positions[7] = 3;
    bascule_clef(f, clef_date_cot);
    f.ctt_date_cot_dep = QStringLiteral("01/09/2025");
    bascule_clef(f, clef_solde);
    f.ctt_solde_min = QStringLiteral("-12,5");
    f.ctt_volume_max = QStringLiteral("300");
    const QString chemin = this->chemin(QStringLiteral("etats/essai.eta"));
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    ASSERT_TRUE(enregistre_etat(chemin, f));
    EXPECT_EQ(lit(QStringLiteral("etats/essai.eta")), texte_fichier_état(f));
    filtre_adhérents relu;
    ASSERT_TRUE(lit_etat(chemin, relu));
    EXPECT_EQ(relu, f);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(filtre, sélections_livrées_avec_le_programme)
{
    for (int n = 1; n <= 5; ++n)
        membre(n).catégorie = static_cast<int16>(n % 3);  // 1 2 0 1 2
    filtre_adhérents adultes, enfants;
    ASSERT_TRUE(lit_etat(QDir(dossier_installation()).filePath(QStringLiteral("adultes.eta")), adultes));
    ASSERT_TRUE(lit_etat(QDir(dossier_installation()).filePath(QStringLiteral("enfants.eta")), enfants));
    EXPECT_EQ(adhérents_filtrés(adultes), (std::vector<int>{1, 4}));
    EXPECT_EQ(adhérents_filtrés(enfants), (std::vector<int>{3}));
}

TEST_F(filtre, fichier_abîmé_refusé_avec_un_message)
{
    const QByteArray bon = texte_fichier_état(avec(0));
    auto remplace_ligne = [&](int ligne, const QByteArray& texte) {
        QList<QByteArray> lignes = bon.split('\n');
        lignes[ligne - 1] = texte + '\r';
        return lignes.join('\n');
    };
    filtre_adhérents actif_sans_choix;
    actif_sans_choix.clefs_filtre[1] = clef_active;
    const QByteArray sans_choix = texte_fichier_état(actif_sans_choix);
    filtre_adhérents date_active = avec(clef_date_adh);
    date_active.ctt_date_adh_fin = QStringLiteral("31/02/2026");

    const std::vector<std::pair<const char*, QByteArray>> cas = {
        {"tronqué", bon.left(bon.indexOf("\"") - 1)},
        {"vide", QByteArray()},
        {"drapeau ni 0 ni -1", remplace_ligne(3, "2")},
        {"position hors liste", remplace_ligne(15, "3")},
        {"arrivée hors liste", remplace_ligne(12, "2")},
        {"clef active sans choix", sans_choix},
        {"texte pour un nombre", remplace_ligne(14, "\"deux\"")},
        {"date active illisible", texte_fichier_état(date_active)},
    };
    for (const auto& [nom, octets] : cas) {
        SCOPED_TRACE(nom);
        boîtes.messages.clear();
        écrit(QStringLiteral("etats/abîmé.eta"), octets);
        filtre_adhérents f = avec(clef_volume);
        const filtre_adhérents avant = f;
        EXPECT_FALSE(lit_etat(chemin(QStringLiteral("etats/abîmé.eta")), f));
        EXPECT_EQ(f, avant);
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(boîtes.messages[0].texte.endsWith(
            QStringLiteral(" dans la lecture du fichier de filtres ") +
            QDir::toNativeSeparators(chemin(QStringLiteral("etats/abîmé.eta"))) +
            QStringLiteral(". Le tri ne peut pas être réalisé.")))
            << boîtes.messages[0].texte.toStdString();
        EXPECT_TRUE(boîtes.messages[0].texte.startsWith(QStringLiteral("Ligne")) ||
                    boîtes.messages[0].texte.startsWith(QStringLiteral("Fin de fichier")))
            << boîtes.messages[0].texte.toStdString();
    }

    filtre_adhérents f;
    EXPECT_FALSE(lit_etat(chemin(QStringLiteral("etats/absent.eta")), f));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith(QStringLiteral("Fichier introuvable")));
}

}  // namespace
