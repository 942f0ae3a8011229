#include "data/dossiers.h"
#include "data_windows/archivage.h"
#include "data_windows/extraction.h"
#include "data/fichier_donnees.h"
#include "main_window/f_vesk.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QDate aujourd_hui(2026, 3, 14);
double il_y_a(int jours, QTime heure = QTime(0, 0)) { return date_depuis(aujourd_hui.addDays(-jours), heure); }

class archivage : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        QDir().mkpath(chemin("archives"));
        QDir().mkpath(chemin("repère"));
    }
    void TearDown() override
    {
        crochet_évolution = nullptr;
        essai_dossier::TearDown();
    }

    // Member n at the end of the list.
    adhérent& membre(int n, int16 additif, double dte_enr)
    {
        données_sel& d = données;
        d.table_adhérents[++d.nombre_adhérents].ordre = static_cast<int16>(n);
        adhérent& a = d.table_adhérents[n];
        a.identifiant = QStringLiteral("Membre %1").arg(n);
        a.additif = additif;
        a.dte_enr = dte_enr;
        return a;
    }
    // Offer or request in slot s at the end of the list.
    proposition& offre(int s, int membre, int16 additif, double date)
    {
        données_sel& d = données;
        d.table_propositions[++d.nombre_propositions].ordre = static_cast<int16>(s);
        proposition& p = d.table_propositions[s];
        p.désignation = QStringLiteral("Offre %1").arg(s);
        p.num_adh = static_cast<int16>(membre);
        p.additif = additif;
        p.date = date;
        return p;
    }
    void ligne(double dte_enr, const QString& description)
    {
        données_sel& d = données;
        ligne_de_compte& l = d.table_lignes_compte[++d.nombre_lignes_compte];
        l.dte_enr = dte_enr;
        l.dte_opé = dte_enr - 2;
        l.description = description;
    }

    std::vector<int> liste_adhérents() const
    {
        std::vector<int> l;
        for (int i = 1; i <= données.nombre_adhérents; ++i)
            l.push_back(données.table_adhérents[i].ordre);
        return l;
    }
    // Slot and status of each listed offer or request.
    std::vector<std::pair<int, int>> liste_offres() const
    {
        std::vector<std::pair<int, int>> l;
        for (int i = 1; i <= données.nombre_propositions; ++i) {
            const int s = données.table_propositions[i].ordre;
            l.emplace_back(s, données.table_propositions[s].additif);
        }
        return l;
    }
    QStringList descriptions() const
    {
        QStringList l;
        for (int i = 1; i <= données.nombre_lignes_compte; ++i)
            l << données.table_lignes_compte[i].description;
        return l;
    }

    // A small period to close, saved as the working file.
    void période_à_clore()
    {
        membre(1, 0, il_y_a(800));
        membre(2, 2, il_y_a(400));
        membre(3, 3, il_y_a(10));
        offre(7, 1, 0, il_y_a(3));
        offre(4, 2, 0, il_y_a(60));
        offre(9, 1, 2, il_y_a(90));
        ligne(il_y_a(40), "Ancienne");
        ligne(il_y_a(2), "Récente");
        données.compte_asso_débité = 9996;
        données.date_archivage = date_depuis(QDate(2025, 3, 1));
        données.type_fichier = "courant";
        fichier_courant = chemin("trovane.sel");
        ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
    }
};

}  // namespace

// ---------------------------------------------------------------- the year-end cut

TEST_F(archivage, les_choix_par_défaut_coupent_à_un_an_trente_jours_et_toutes_les_lignes)
{
    membre(1, 0, il_y_a(2000));                    // still a member, however old
    membre(2, 2, il_y_a(365));                     // left exactly at the limit: goes
    membre(3, 3, il_y_a(365, QTime(0, 0, 1)));     // left one second after: stays, still marked gone
    membre(4, 2, il_y_a(400));                     // left long ago: goes
    membre(5, 1, il_y_a(900));                     // a new member stays new
    offre(12, 1, 0, il_y_a(2));
    offre(11, 1, 3, il_y_a(0, QTime(9, 0)));       // eliminated: goes even when recent
    offre(15, 1, 2, il_y_a(10));                   // recently deleted: stays, back to normal
    offre(13, 1, 2, il_y_a(31));                   // deleted before the limit: goes
    offre(14, 1, 2, il_y_a(30));                   // exactly the limit: stays
    offre(16, 2, 0, il_y_a(5));                    // of a member who went, however recent: goes
    offre(17, 4, 0, il_y_a(60));                   // of a member who went, and old: goes
    offre(19, 3, 0, il_y_a(5));                    // of a member still listed: stays
    offre(18, 5, 1, il_y_a(1));
    ligne(il_y_a(1), "hier");
    ligne(il_y_a(0), "aujourd'hui");

    allège_données(données, choix_archivage{}, aujourd_hui);

    EXPECT_EQ(liste_adhérents(), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(données.table_adhérents[3].additif, 3);
    EXPECT_EQ(données.table_adhérents[5].additif, 1);
    EXPECT_EQ(liste_offres(), (std::vector<std::pair<int, int>>{{12, 0}, {15, 0}, {14, 0}, {19, 0}, {18, 0}}));
    EXPECT_EQ(données.nombre_lignes_compte, 0);
}

TEST_F(archivage, aujourd_hui_et_les_lignes_gardées_depuis_un_mois)
{
    membre(1, 2, il_y_a(0, QTime(18, 0)));  // left this evening
    membre(2, 1, il_y_a(0));
    offre(1, 2, 2, il_y_a(0, QTime(18, 0)));
    offre(2, 2, 0, il_y_a(0));
    ligne(il_y_a(100), "a");
    ligne(il_y_a(40), "b");
    ligne(il_y_a(30), "c");  // the first one recorded on the limit
    ligne(il_y_a(45), "d");  // older, but recorded after: the lines are cut at c
    ligne(il_y_a(0), "e");
    choix_archivage choix;
    choix.mois_adh = choix.mois_cat = 0;
    choix.mois_comptes = 1;

    allège_données(données, choix, aujourd_hui);

    EXPECT_EQ(liste_adhérents(), std::vector<int>{2});
    EXPECT_EQ(liste_offres(), (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(descriptions(), (QStringList{"c", "d", "e"}));
    EXPECT_EQ(données.table_lignes_compte[1].dte_opé, il_y_a(32));  // whole lines moved

    // Every line older: none stays; every line recent: all stay.
    données.nombre_lignes_compte = 0;
    ligne(il_y_a(31), "vieille");
    traiter_lignes_comptes(données, 1, aujourd_hui);
    EXPECT_EQ(données.nombre_lignes_compte, 0);
    ligne(il_y_a(29), "f");
    ligne(il_y_a(1), "g");
    traiter_lignes_comptes(données, 3, aujourd_hui);
    EXPECT_EQ(descriptions(), (QStringList{"f", "g"}));
}

TEST_F(archivage, remise_à_zéro_des_cumuls_et_des_soldes)
{
    remplit_association_essai(données, {40, 0, 0, 0});
    données.solde_départ = monnaie::unités(100);
    données.compte_asso_débité = 9997;
    choix_archivage choix;
    choix.mois_adh = -1;  // nobody leaves
    choix.remise_à_zéro_cumuls = choix.initialise_soldes = true;

    allège_données(données, choix, aujourd_hui);

    ASSERT_EQ(données.nombre_adhérents, 40);
    pour_chaque_adhérent(données, [](int n, const adhérent& a) {
        EXPECT_EQ(a.der_solde, monnaie::unités(100)) << n;
        EXPECT_EQ(a.crédits + a.débits, 0) << n;
        EXPECT_EQ(a.volume, monnaie{}) << n;
    });
    for (int k = 0; k < 5; ++k) {
        const compte_asso& c = données.comptes_asso[static_cast<std::size_t>(k)];
        EXPECT_EQ(c.solde, k == 2 ? monnaie::unités(-4000) : monnaie{}) << k;
        EXPECT_EQ(c.crédits + c.débits, 0) << k;
        EXPECT_EQ(c.volume, monnaie{}) << k;
    }

    // Without a debited account the balances stay as they are.
    données.compte_asso_débité = 0;
    données.solde_départ = monnaie::unités(5);
    const données_sel avant = données;
    EXPECT_FALSE(initialise_soldes(données));
    EXPECT_TRUE(données == avant);
}

// ---------------------------------------------------------------- the run

TEST_F(archivage, l_archive_garde_tout_puis_le_fichier_en_cours_est_allégé)
{
    période_à_clore();
    const données_sel avant = données;
    const QByteArray fichier_avant = lit("trovane.sel");
    bool repère_avant_instantané = false, archive_avant_instantané = true;
    int instantanés = 0;
    crochet_évolution = [&] {
        ++instantanés;
        repère_avant_instantané = lit("repère/trovane.sel") == fichier_avant;
        archive_avant_instantané = QFileInfo::exists(chemin("archives/arch3-2026.sel"));
    };
    boîtes.fichiers = {chemin("archives/arch3-2026.sel")};
    EXPECT_EQ(nom_archive_proposé(aujourd_hui), "arch3-2026");

    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::terminé);

    EXPECT_EQ(instantanés, 1);
    EXPECT_TRUE(repère_avant_instantané);
    EXPECT_FALSE(archive_avant_instantané);
    // The archive: the data untouched, as an archive copy of today.
    données_sel archive = avant;
    archive.type_fichier = "archive";
    archive.date_archivage = date_depuis(aujourd_hui);
    EXPECT_EQ(lit("archives/arch3-2026.sel"), écrit_données(archive));
    EXPECT_EQ(lit("repère/trovane.sel"), fichier_avant);
    // The working file: lightened, current file of the new period.
    EXPECT_EQ(liste_adhérents(), (std::vector<int>{1, 3}));
    EXPECT_EQ(liste_offres(), (std::vector<std::pair<int, int>>{{7, 0}}));
    EXPECT_EQ(données.nombre_lignes_compte, 0);
    EXPECT_EQ(données.type_fichier, "courant");
    EXPECT_EQ(données.date_archivage, date_depuis(aujourd_hui));
    EXPECT_EQ(lit("trovane.sel"), écrit_données(données));
    EXPECT_EQ(boîtes.textes().back(), message_archivage_terminé);
    EXPECT_EQ(gg().Rows(), 3);  // the members, coded
}

TEST_F(archivage, sans_archive_écrite_rien_ne_change)
{
    période_à_clore();
    const données_sel avant = données;
    const QByteArray fichier_avant = lit("trovane.sel");
    auto inchangé = [&] {
        EXPECT_TRUE(données == avant);
        EXPECT_EQ(lit("trovane.sel"), fichier_avant);
        EXPECT_FALSE(QFileInfo::exists(chemin("archives/arch3-2026.sel")));
    };

    // The save dialog cancelled.
    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    inchangé();

    // The archive cannot be written (no such folder): kind and date as they were.
    boîtes.fichiers = {chemin("absent/arch3-2026.sel")};
    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    EXPECT_EQ(données.type_fichier, "courant");
    EXPECT_FALSE(QFileInfo::exists(chemin("absent/arch3-2026.sel")));
    inchangé();

    // The working file chosen as its own archive.
    boîtes.fichiers = {chemin("trovane.sel")};
    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    EXPECT_TRUE(boîtes.textes().back().startsWith("Le fichier d'archive doit être différent du fichier en cours"));
    inchangé();

    // Nor can the copies that lead back to the data as they were: the
    // restore point (just written) and the start-up copy.
    écrit("archives/trovane.sel", fichier_avant);
    for (const char* copie : {"repère/trovane.sel", "archives/trovane.sel"}) {
        boîtes.fichiers = {chemin(copie)};
        EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
        EXPECT_TRUE(boîtes.textes().back().startsWith("Le fichier d'archive doit être différent d"))
            << boîtes.textes().back().toStdString();
        EXPECT_EQ(lit(copie), fichier_avant) << copie;
        inchangé();
    }

    // Balances to start again without a debited account.
    données.compte_asso_débité = 0;
    choix_archivage soldes;
    soldes.initialise_soldes = true;
    boîtes.fichiers = {chemin("archives/arch3-2026.sel")};
    EXPECT_EQ(archive_période(soldes), fin_archivage::abandonné);
    EXPECT_EQ(boîtes.textes().back(), message_pas_de_compte_débité);
    données.compte_asso_débité = 9996;
    inchangé();

    // Nothing can be written.
    sans_enregistrement = true;
    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    sans_enregistrement = false;
    inchangé();

    // An archive copy open for consultation.
    données.type_fichier = "archive";
    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    EXPECT_EQ(boîtes.textes().back(), "Vous ne pouvez pas modifier un fichier d'archive");
    EXPECT_EQ(lit("trovane.sel"), fichier_avant);
    EXPECT_EQ(boîtes.fichiers.size(), 1u);  // no dialog was shown
}

TEST_F(archivage, un_fichier_en_cours_impossible_à_enregistrer_laisse_les_données_intactes)
{
    période_à_clore();
    fichier_courant = chemin("disparu/trovane.sel");
    const données_sel avant = données;
    boîtes.fichiers = {chemin("archives/arch3-2026.sel")};

    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::échoué);

    EXPECT_TRUE(données == avant);
    EXPECT_EQ(fichier_courant, chemin("disparu/trovane.sel"));
    EXPECT_TRUE(boîtes.textes().back().endsWith(" Le fichier est restauré dans son état initial."));
    EXPECT_FALSE(boîtes.textes().contains(message_archivage_terminé));
    EXPECT_TRUE(QFileInfo::exists(chemin("archives/arch3-2026.sel")));
}

TEST_F(archivage, une_liste_abîmée_ne_change_rien)
{
    période_à_clore();
    const QByteArray fichier_avant = lit("trovane.sel");
    // An entry of the offers and requests list that names no slot: the
    // restore point already refuses such data, and so would each pass.
    données.table_propositions[2].ordre = 4001;
    const données_sel avant = données;
    boîtes.fichiers = {chemin("archives/arch3-2026.sel")};

    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(fichier_courant, chemin("trovane.sel"));
    EXPECT_EQ(lit("trovane.sel"), fichier_avant);
    EXPECT_EQ(boîtes.textes().back(), message_repère_non_enregistré("rien n'a été archivé"));
    EXPECT_FALSE(boîtes.textes().contains(message_archivage_terminé));
    EXPECT_FALSE(QFileInfo::exists(chemin("archives/arch3-2026.sel")));

    données_sel d = avant;
    try {
        traiter_offres_demandes(d, 0);
        ADD_FAILURE() << "no error";
    } catch (const erreur_archivage& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  "L'entrée 2 de la liste des offres-demandes ne désigne aucune offre ni demande (4001).");
    }
    d = avant;
    d.table_propositions[2].ordre = 4;
    d.table_adhérents[3].ordre = 0;
    EXPECT_THROW(traiter_adhérents(d, 0), erreur_archivage);
}

TEST_F(archivage, sans_point_de_repère_rien_n_est_archivé)
{
    période_à_clore();
    const données_sel avant = données;
    const QByteArray fichier_avant = lit("trovane.sel");
    QDir().mkpath(chemin("repère/trovane.sel"));  // a folder where the copy goes
    int instantanés = 0;
    crochet_évolution = [&] { ++instantanés; };
    boîtes.fichiers = {chemin("archives/arch3-2026.sel")};

    EXPECT_EQ(archive_période(choix_archivage{}), fin_archivage::abandonné);
    EXPECT_EQ(boîtes.textes().back(), message_repère_non_enregistré("rien n'a été archivé"));
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(lit("trovane.sel"), fichier_avant);
    EXPECT_EQ(instantanés, 0);
    EXPECT_EQ(boîtes.fichiers.size(), 1u);  // no save dialog
    EXPECT_FALSE(QFileInfo::exists(chemin("archives/arch3-2026.sel")));
}

TEST_F(archivage, le_solde_de_départ_peut_changer_avant_l_initialisation)
{
    période_à_clore();
    données.solde_départ = monnaie::unités(100);
    choix_archivage choix;
    choix.mois_adh = -1;
    choix.initialise_soldes = true;

    boîtes.fichiers = {chemin("archives/a.sel")};
    boîtes.réponses = {rép_oui};
    boîtes.saisies = {QStringLiteral(" 12,5 ")};
    ASSERT_EQ(archive_période(choix), fin_archivage::terminé);
    EXPECT_EQ(boîtes.messages[0].texte, "La valeur 100 définie comme solde de départ sera donnée à tous les soldes "
                                        "adhérents.\r\nVoulez-vous la modifier?");
    EXPECT_EQ(boîtes.messages[0].style,
              style_boîte::oui_non | style_boîte::question | style_boîte::défaut_bouton2);
    EXPECT_EQ(données.solde_départ, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.table_adhérents[3].der_solde, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.comptes_asso[1].solde, monnaie::unités(-37) - monnaie::depuis_brut(5000));

    // A cancelled input box keeps the start balance; an answer that is not
    // an amount is asked again; a point reads as the decimal separator too.
    boîtes.fichiers = {chemin("archives/b.sel")};
    boîtes.réponses = {rép_oui};
    boîtes.saisies = {std::nullopt};
    ASSERT_EQ(archive_période(choix), fin_archivage::terminé);
    EXPECT_EQ(données.solde_départ, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.table_adhérents[1].der_solde, monnaie::depuis_brut(125000));

    boîtes.fichiers = {chemin("archives/c.sel")};
    boîtes.réponses = {rép_oui};
    boîtes.invites.clear();
    boîtes.saisies = {QStringLiteral("12,5 grains"), QString(), QStringLiteral("8.25")};
    ASSERT_EQ(archive_période(choix), fin_archivage::terminé);
    EXPECT_EQ(boîtes.invites.count("Rentrez la valeur par défaut"), 3);
    EXPECT_TRUE(boîtes.saisies.empty());
    EXPECT_EQ(données.solde_départ, monnaie::depuis_brut(82500));
    EXPECT_EQ(données.table_adhérents[3].der_solde, monnaie::depuis_brut(82500));
}
