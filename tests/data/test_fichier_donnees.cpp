#include "data/cp1252.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/soldes.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "support/pannes_fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

// Lowers the largest file size this process may write, as a full disk would
// (and whatever the user's rights); the former limit comes back at the end.
class limite_taille_fichiers {
public:
    explicit limite_taille_fichiers(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        ancien_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = avant_;
        r.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~limite_taille_fichiers()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, ancien_signal_);
    }

private:
    rlimit avant_{};
    void (*ancien_signal_)(int) = nullptr;
};

class fichier_données : public essai_dossier {
protected:
    // A full made-up association saved as P/trovane.sel.
    QByteArray association_enregistrée()
    {
        initialise_paramètres();
        remplit_association_essai(données);
        EXPECT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
        return lit("trovane.sel");
    }
    QList<QByteArray> lignes(const QByteArray& octets) const
    {
        QList<QByteArray> l = octets.split('\n');
        for (auto& x : l)
            x.chop(x.endsWith('\r') ? 1 : 0);
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }
    QByteArray joint(const QList<QByteArray>& l) const { return l.join("\r\n") + "\r\n"; }
};

}  // namespace

TEST_F(fichier_données, nouveau_fichier_porte_chaque_valeur_par_défaut_à_sa_place)
{
    initialise_paramètres();
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    QFile attendu(fichier_essai("defauts.sel"));
    ASSERT_TRUE(attendu.open(QIODevice::ReadOnly));
    EXPECT_EQ(lit("trovane.sel"), attendu.readAll());
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fichier_données, relu_puis_réécrit_à_l_identique)
{
    const QByteArray original = association_enregistrée();
    const données_sel écrites = données;
    données = données_sel{};
    ASSERT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
    EXPECT_TRUE(enregistrer_fichier(chemin("copie.sel"), false));
    EXPECT_EQ(lit("copie.sel"), original);
    // Double quotes come back as « and » and nothing else moves.
    EXPECT_EQ(données.nombre_adhérents, écrites.nombre_adhérents);
    for (int i = 1; i <= données.nombre_adhérents; ++i)
        EXPECT_EQ(données.table_adhérents[i], écrites.table_adhérents[i]) << i;
    EXPECT_EQ(données.table_lignes_compte[5], écrites.table_lignes_compte[5]);
    EXPECT_EQ(données.table_propositions[7], écrites.table_propositions[7]);
}

TEST_F(fichier_données, guillemets_et_textes_fixes)
{
    initialise_paramètres();
    données.nombre_adhérents = 1;
    données.table_adhérents[1].ordre = 7;
    données.table_adhérents[7].identifiant = "Annick";
    données.table_adhérents[7].commentaire = "dit \"oui\" puis \"non";
    données.nom_monnaie = "les \"grains\"";
    données.mode_grille = "base\"";  // a text the reader would have split: replaced too
    ASSERT_TRUE(enregistrer_fichier(chemin("g.sel"), false));
    const QByteArray o = lit("g.sel");
    EXPECT_TRUE(o.contains("\r\n\"Annick              \"\r\n"));
    EXPECT_TRUE(o.contains("\"dit \xab" "oui\xbb puis \xab" "non\"\r\n"));
    EXPECT_TRUE(o.contains("\"les \xab" "grains\xbb\"\r\n"));
    EXPECT_TRUE(o.contains("\"base\xab\"\r\n"));
    // Memory keeps its double quotes.
    EXPECT_EQ(données.table_adhérents[7].commentaire, "dit \"oui\" puis \"non");
    données = données_sel{};
    ASSERT_TRUE(ouvrir_fichier(chemin("g.sel")));
    EXPECT_EQ(données.table_adhérents[7].commentaire, QString::fromUtf8("dit «oui» puis «non"));
    EXPECT_EQ(données.table_adhérents[1].ordre, 7);
    EXPECT_EQ(données.table_adhérents[7].identifiant.str(), "Annick              ");
}

TEST_F(fichier_données, fin_après_le_groupe_14_ou_une_étape_finale)
{
    association_enregistrée();
    const QList<QByteArray> toutes = lignes(lit("trovane.sel"));
    // Closing steps: 2 + 2 + 2 + 6 + 1 items.
    const int fin_14 = static_cast<int>(toutes.size()) - 13;
    const int coupures[] = {fin_14, fin_14 + 2, fin_14 + 4, fin_14 + 6, fin_14 + 12};
    for (int étapes = 0; étapes < 5; ++étapes) {
        écrit("coupé.sel", joint(toutes.mid(0, coupures[étapes])));
        données = données_sel{};
        données.cat_classement = {7, 7};
        données.cat_niveau_rubrique = {7, 7};
        données.cat_nouveaux_adhérents = {7, 7};
        données.cat_num_adh = {7, 7};
        données.compte_asso_débité = 7;
        ASSERT_TRUE(ouvrir_fichier(chemin("coupé.sel"))) << étapes;
        EXPECT_EQ(données.cat_classement[1], étapes >= 1 ? 0 : 7);
        EXPECT_EQ(données.cat_niveau_rubrique[1], étapes >= 2 ? 1 : 7);
        EXPECT_EQ(données.cat_nouveaux_adhérents[0], étapes >= 3 ? 1 : 7);
        EXPECT_EQ(données.cat_num_adh[0], étapes >= 4 ? 1 : 7);
        EXPECT_EQ(données.compte_asso_débité, 7);
        EXPECT_EQ(données.nombre_adhérents, 40);
    }
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fichier_données, chaque_borne_dépassée_d_un_échoue_sans_rien_changer)
{
    initialise_paramètres();
    données.nombre_adhérents = 1;
    données.table_adhérents[1].ordre = 5000;
    // Named, so that the number 0 cannot be a place reserved for a new one.
    données.table_adhérents[5000].identifiant = "Zoé";
    données.nombre_codes_classification = 1;
    données.codes_classification[1] = 500;
    données.nombre_rubriques = 50;
    données.nombre_propositions = 1;
    données.table_propositions[1].ordre = 3000;
    données.table_propositions[3000].désignation = QStringLiteral("Cours de chant");
    ASSERT_TRUE(enregistrer_fichier(chemin("bornes.sel"), false));
    const QList<QByteArray> l = lignes(lit("bornes.sel"));
    const données_sel avant = données;

    // Line of each bound (1-based), found by walking the layout: header 6,
    // member count, then the member's number and 27 fields.
    const int membre = 8;
    const int codes = membre + 28;
    const int code = codes + 1;
    const int rubriques = code + 1 + 12 + 58 + 1;
    const int lignes_compte = rubriques + 51 + 11 + 6 + 43 + 1 + 35 + 1;
    const int propositions = lignes_compte + 1 + 8;
    const int place = propositions + 1;
    ASSERT_EQ(l[membre - 1], "5000");
    ASSERT_EQ(l[code - 1], "500");
    ASSERT_EQ(l[rubriques - 1], "50");
    ASSERT_EQ(l[lignes_compte - 1], "0");
    ASSERT_EQ(l[place - 1], "3000");

    // No member and no proposition has the number 0.
    const std::pair<int, QByteArray> cas[] = {
        {membre - 1, "5001"}, {membre - 1, "-1"},      {membre, "5001"},       {membre, "0"},
        {codes, "5001"},      {code, "501"},           {rubriques, "51"},      {lignes_compte, "10001"},
        {propositions, "3001"}, {place, "3001"},       {place, "0"}};
    for (const auto& [ligne, valeur] : cas) {
        QList<QByteArray> faux = l;
        faux[ligne - 1] = valeur;
        écrit("faux.sel", joint(faux));
        boîtes.messages.clear();
        bool avisé = false;
        avis_fichier_chargé = [&] { avisé = true; };
        EXPECT_FALSE(ouvrir_fichier(chemin("faux.sel"))) << ligne;
        EXPECT_TRUE(données == avant) << ligne;
        ASSERT_EQ(boîtes.messages.size(), 1u) << ligne;
        EXPECT_TRUE(boîtes.messages[0].texte.endsWith(suite_erreur_lecture));
        EXPECT_TRUE(boîtes.messages[0].texte.contains(QStringLiteral("Ligne %1").arg(ligne)))
            << boîtes.messages[0].texte.toStdString();
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
        EXPECT_FALSE(avisé);
    }
    EXPECT_FALSE(QFileInfo::exists(fichier_repère()));
}

TEST_F(fichier_données, numéro_donné_deux_fois_refusé_sans_rien_changer)
{
    const QByteArray original = association_enregistrée();
    const données_sel avant = données;
    const QList<QByteArray> l = lignes(original);
    // Numbers of the first two members (lines 8 and 36) and of the first two
    // propositions (11 lines apart, before the 13 lines of the trailer).
    const int propositions = l.size() - 13 - 11 * données.nombre_propositions + 1;
    const std::pair<int, int> cas[] = {{8, 36}, {propositions, propositions + 11}};
    const char* quoi[] = {"numéro d'adhérent", "numéro de proposition"};
    for (int k = 0; k < 2; ++k) {
        const auto [premier, second] = cas[k];
        QList<QByteArray> faux = l;
        faux[second - 1] = faux[premier - 1];
        écrit("double.sel", joint(faux));
        boîtes.messages.clear();
        EXPECT_FALSE(ouvrir_fichier(chemin("double.sel")));
        EXPECT_TRUE(données == avant);
        EXPECT_EQ(boîtes.textes(), QStringList{QStringLiteral("Ligne %1 : %2 %3 en double (déjà ligne %4)")
                                                   .arg(second)
                                                   .arg(QString::fromUtf8(quoi[k]))
                                                   .arg(QString::fromLatin1(faux[premier - 1]))
                                                   .arg(premier) +
                                               suite_erreur_lecture});
    }

    // A former version saved while a new member or offer was being typed:
    // its list then ended with a place reserved for it, naming 0 and a blank
    // record, or the number it named before and a second copy of that
    // record. Such places hold nothing and are left out.
    const int membres = données.nombre_adhérents;
    const QList<QByteArray> premier = l.mid(7, 28);
    QList<QByteArray> vide;
    {
        données_sel vierge = données;
        vierge.nombre_adhérents = 1;
        vierge.table_adhérents[1] = adhérent{};
        vierge.table_adhérents[1].ordre = 1;
        vide = lignes(écrit_données(vierge)).mid(7, 28);
        vide[0] = "0";
    }
    // Under 0, a member whose name alone is blank still holds a balance, an
    // address and account lines: refused as any other number out of bounds.
    {
        QList<QByteArray> sans_nom = premier;
        sans_nom[0] = "0";
        sans_nom[2] = "\"\"";
        sans_nom[22] = "5000";
        QList<QByteArray> faux = l;
        for (int k = 0; k < 28; ++k)
            faux.insert(7 + 28 * membres + k, sans_nom[k]);
        faux[6] = QByteArray::number(membres + 1);
        écrit("sans_nom.sel", joint(faux));
        boîtes.messages.clear();
        EXPECT_FALSE(ouvrir_fichier(chemin("sans_nom.sel")));
        EXPECT_TRUE(données == avant);
        EXPECT_EQ(boîtes.textes(), QStringList{QStringLiteral("Ligne %1 : numéro d'adhérent hors limites (0 au lieu "
                                                              "de 1 à 5000)")
                                                       .arg(8 + 28 * membres) +
                                                   suite_erreur_lecture});
    }
    {
        QList<QByteArray> réservées = l;
        const int fin_propositions = l.size() - 13;
        const QList<QByteArray> dernière = l.mid(fin_propositions - 11, 11);
        for (int k = 0; k < 11; ++k)
            réservées.insert(fin_propositions + k, dernière[k]);
        réservées[propositions - 2] = QByteArray::number(données.nombre_propositions + 1);
        for (int k = 0; k < 28; ++k)
            réservées.insert(7 + 28 * membres + k, premier[k]);
        for (int k = 0; k < 28; ++k)
            réservées.insert(7 + 28 * (membres / 2) + k, vide[k]);
        réservées[6] = QByteArray::number(membres + 2);
        écrit("réservées.sel", joint(réservées));
        boîtes.messages.clear();
        ASSERT_TRUE(ouvrir_fichier(chemin("réservées.sel"))) << boîtes.textes().join('\n').toStdString();
        EXPECT_TRUE(boîtes.messages.empty());
        EXPECT_EQ(données.nombre_adhérents, avant.nombre_adhérents);
        EXPECT_EQ(données.nombre_propositions, avant.nombre_propositions);
        ASSERT_TRUE(enregistrer_fichier(chemin("réservées.sel"), false));
        EXPECT_EQ(lit("réservées.sel"), original);
        données = avant;
    }

    // Nor is such a file ever written.
    boîtes.messages.clear();
    données.table_adhérents[2].ordre = données.table_adhérents[1].ordre;
    EXPECT_FALSE(enregistrer_fichier(chemin("trovane.sel"), false));
    EXPECT_EQ(lit("trovane.sel"), original);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("numéro d'adhérent")) << boîtes.messages[0].texte.toStdString();
}

TEST_F(fichier_données, échec_de_lecture_laisse_tout_en_place)
{
    association_enregistrée();
    const données_sel avant = données;
    EXPECT_FALSE(ouvrir_fichier(chemin("absent.sel")));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Fichier introuvable"));

    QList<QByteArray> l = lignes(lit("trovane.sel"));
    écrit("court.sel", joint(l.mid(0, 300)));  // ends inside the members
    EXPECT_FALSE(ouvrir_fichier(chemin("court.sel")));
    écrit("abîmé.sel", lit("trovane.sel").replace("#FALSE#", "peut-être"));
    EXPECT_FALSE(ouvrir_fichier(chemin("abîmé.sel")));
    EXPECT_TRUE(données == avant);
    EXPECT_EQ(boîtes.messages.size(), 3u);
}

TEST_F(fichier_données, les_fiches_non_citées_gardent_leur_contenu)
{
    association_enregistrée();
    données.nombre_adhérents = 3;
    ASSERT_TRUE(enregistrer_fichier(chemin("trois.sel"), false));
    données = données_sel{};
    données.table_adhérents[30].identifiant = "hors liste";
    ASSERT_TRUE(ouvrir_fichier(chemin("trois.sel")));
    EXPECT_EQ(données.nombre_adhérents, 3);
    EXPECT_EQ(données.table_adhérents[30].identifiant.trimmed(), "hors liste");
    int vus = 0;
    pour_chaque_adhérent(données, [&](int n, adhérent&) { EXPECT_EQ(n, ++vus); });
    EXPECT_EQ(vus, 3);

    // A load reads apart, not over a copy: the model it makes is the one
    // lit_données makes over a whole copy of the former model, for a short
    // file (members listed in another order, fewer offers and lines, no
    // closing steps) over a full association whose every record differs.
    association_enregistrée();
    données.nombre_adhérents = 3;
    données.table_adhérents[1].ordre = 3;
    données.table_adhérents[3].ordre = 1;
    données.nombre_propositions = 2;
    données.nombre_lignes_compte = 4;
    ASSERT_TRUE(enregistrer_fichier(chemin("court.sel"), false));
    const QList<QByteArray> l = lignes(lit("court.sel"));
    const QByteArray court = joint(l.mid(0, l.size() - 13));
    données_sel ancien = données;
    for (int k = 0; k <= max_adhérents; ++k) {
        ancien.table_adhérents[k].ordre = static_cast<int16>(max_adhérents - k);
        ancien.table_adhérents[k].identifiant = QStringLiteral("ancien %1").arg(k);
    }
    for (int k = 0; k <= max_propositions; ++k) {
        ancien.table_propositions[k].ordre = static_cast<int16>(k % 7);
        ancien.table_propositions[k].désignation = QStringLiteral("ancienne %1").arg(k);
    }
    for (int k = 0; k <= max_lignes_compte; ++k)
        ancien.table_lignes_compte[k].description = QStringLiteral("ancienne %1").arg(k);
    ancien.cat_classement = {7, 7};
    données_sel attendu = ancien;
    lit_données(court, attendu);
    const données_sel témoin = ancien;
    const auto lu = lit_données_après(court, ancien);
    EXPECT_TRUE(*lu == attendu);
    EXPECT_EQ(lu->cat_classement[0], 7);
    EXPECT_EQ(lu->table_adhérents[3].identifiant.trimmed(), attendu.table_adhérents[3].identifiant.trimmed());
    EXPECT_TRUE(ancien == témoin);
    // A failed read leaves the former tables in place.
    EXPECT_THROW(lit_données_après(court.left(court.size() / 2), ancien), erreur_lecture);
    EXPECT_TRUE(ancien == témoin);
}

TEST_F(fichier_données, archive_ni_écrasée_ni_oubliée)
{
    initialise_paramètres();
    données.type_fichier = "archive";
    ASSERT_TRUE(enregistrer_fichier(chemin("archive.sel"), true));
    const QByteArray archive = lit("archive.sel");
    EXPECT_TRUE(archive.contains("\"archive\""));
    données.nom_monnaie = "autre";
    EXPECT_FALSE(enregistrer_fichier(chemin("archive.sel"), false));
    EXPECT_EQ(lit("archive.sel"), archive);
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_TRUE(enregistrer_fichier(chemin("archive.sel"), true));
    EXPECT_NE(lit("archive.sel"), archive);

    EXPECT_TRUE(contrôle_archive());
    ASSERT_EQ(boîtes.textes(), QStringList{"Vous ne pouvez pas modifier un fichier d'archive"});
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
}

TEST_F(fichier_données, avertissement_à_l_ouverture_d_une_archive_seulement)
{
    initialise_paramètres();
    données.type_fichier = "archive";
    ASSERT_TRUE(enregistrer_fichier(chemin("archive.sel"), true));
    données.type_fichier = "normal";
    ASSERT_TRUE(enregistrer_fichier(chemin("normal.sel"), false));
    ASSERT_TRUE(ouvrir_fichier(chemin("archive.sel")));
    EXPECT_EQ(boîtes.textes(), QStringList{message_archive_ouverte});
    EXPECT_FALSE(contrôle_archive() == false);
    boîtes.messages.clear();
    ASSERT_TRUE(ouvrir_fichier(chemin("normal.sel")));
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_FALSE(contrôle_archive());
}

TEST_F(fichier_données, point_de_reprise)
{
    const QByteArray original = association_enregistrée();
    int avis = 0;
    avis_fichier_chargé = [&] { ++avis; };
    ASSERT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
    EXPECT_EQ(avis, 1);
    EXPECT_EQ(lit("repère/trovane.sel"), original);
    // Loading the restore point itself copies nothing (and never onto itself).
    const QDateTime avant = QFileInfo(fichier_repère()).lastModified();
    ASSERT_TRUE(ouvrir_fichier(chemin("repère/../repère/trovane.sel")));
    EXPECT_EQ(QFileInfo(fichier_repère()).lastModified(), avant);
    EXPECT_EQ(lit("repère/trovane.sel"), original);
    // Nothing may be saved: no copy either.
    QFile::remove(fichier_repère());
    sans_enregistrement = true;
    ASSERT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
    EXPECT_FALSE(QFileInfo::exists(fichier_repère()));
}

// On the accounting station the restore point a load refreshes takes the
// loaded file's balances file along, or loses the one of an earlier restore
// point, which would be refused over it. A restore point that could not be
// written is known as such until one is.
TEST_F(fichier_données, le_point_de_reprise_et_ses_soldes)
{
    association_enregistrée();
    poste_compta = true;
    QDir().mkpath(chemin("repère"));
    ASSERT_TRUE(enregistrer_fichier(fichier_repère(), false));
    ASSERT_TRUE(QFileInfo::exists(chemin("repère/trovane.sld")));
    // Another file, without balances file beside it, and other balances.
    données.table_adhérents[données.table_adhérents[1].ordre].der_solde += monnaie::unités(5);
    poste_compta = false;
    ASSERT_TRUE(enregistrer_fichier(chemin("autre.sel"), false));
    poste_compta = true;
    ASSERT_TRUE(ouvrir_fichier(chemin("autre.sel")));
    EXPECT_FALSE(QFileInfo::exists(chemin("repère/trovane.sld")));
    EXPECT_TRUE(lire_soldes(nom_fichier_soldes(fichier_repère()), fichier_repère()));
    // With one, it goes along and is read back over the restore point.
    ASSERT_TRUE(enregistrer_fichier(chemin("autre.sel"), false));
    ASSERT_TRUE(ouvrir_fichier(chemin("autre.sel")));
    EXPECT_EQ(lit("repère/trovane.sld"), lit("autre.sld"));
    EXPECT_TRUE(lire_soldes(nom_fichier_soldes(fichier_repère()), fichier_repère()));
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();

    EXPECT_TRUE(point_repère_à_jour());
    {
        pannes_fichiers pannes;
        pannes.lecture_seule(true);
        boîtes.réponses = {rép_réessayer, rép_annuler};
        EXPECT_FALSE(enregistrer_fichier(fichier_repère(), false));
        EXPECT_FALSE(point_repère_à_jour());
        EXPECT_TRUE(ouvrir_fichier(chemin("trovane.sel")));  // told, and loaded
        EXPECT_FALSE(point_repère_à_jour());
    }
    ASSERT_EQ(boîtes.messages.size(), 3u);
    EXPECT_TRUE(boîtes.messages[2].texte.endsWith(
        " : le point de repère n'a pas pu être mis à jour. Le fichier repère garde des données plus anciennes, qui "
        "ne seront pas restaurées tant qu'un nouveau point de repère n'aura pas été posé."));
    EXPECT_EQ(lit("repère/trovane.sld"), lit("autre.sld"));  // the pair stays whole
    ASSERT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
    EXPECT_TRUE(point_repère_à_jour());
    sans_enregistrement = true;
    ASSERT_TRUE(ouvrir_fichier(chemin("autre.sel")));
    EXPECT_FALSE(point_repère_à_jour());
}

TEST_F(fichier_données, sans_enregistrement_rien_n_est_écrit)
{
    initialise_paramètres();
    sans_enregistrement = true;
    poste_compta = true;
    EXPECT_FALSE(enregistrer_fichier(chemin("trovane.sel"), true));
    EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sel")));
    EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sld")));
}

TEST_F(fichier_données, écriture_échouée_laisse_l_ancien_fichier_entier)
{
    const QByteArray original = association_enregistrée();
    poste_compta = true;
    données.nom_monnaie = "changé";
    boîtes.réponses = {rép_réessayer, rép_annuler};
    {
        // The disk fills up half-way: no file may grow beyond a few bytes.
        limite_taille_fichiers limite(1000);
        EXPECT_FALSE(enregistrer_fichier(chemin("trovane.sel"), false));
    }
    EXPECT_EQ(boîtes.messages.size(), 2u);  // asked again after Retry
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::réessayer_annuler | style_boîte::critique);
    EXPECT_EQ(lit("trovane.sel"), original);
    EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sld")));
}

TEST_F(fichier_données, fichier_enregistré_en_utf8_lu_comme_tel_et_réécrit_en_windows_1252)
{
    const QByteArray original = association_enregistrée();
    const données_sel écrites = données;
    const QByteArray utf8 = depuis_cp1252(original).toUtf8();
    ASSERT_NE(utf8, original);
    // As an editor saves it: UTF-8, with or without its mark, CR LF or LF.
    const QByteArray formes[] = {utf8, "\xEF\xBB\xBF" + utf8, QByteArray(utf8).replace("\r\n", "\n")};
    for (const QByteArray& forme : formes) {
        écrit("éditeur.sel", forme);
        données = données_sel{};
        ASSERT_TRUE(ouvrir_fichier(chemin("éditeur.sel")));
        EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
        for (int i = 1; i <= données.nombre_adhérents; ++i)
            ASSERT_EQ(données.table_adhérents[i], écrites.table_adhérents[i]) << i;
        ASSERT_TRUE(enregistrer_fichier(chemin("copie.sel"), false));
        EXPECT_EQ(lit("copie.sel"), original);
    }

    // A character the data file cannot hold would come back as '?' at the
    // next save: the file is refused and names it.
    const données_sel avant = données;
    QByteArray coche = utf8;
    coche.replace("Quimper", "Quimper \xE2\x9C\x93");
    ASSERT_NE(coche, utf8);
    écrit("coche.sel", coche);
    EXPECT_FALSE(ouvrir_fichier(chemin("coche.sel")));
    EXPECT_TRUE(données == avant);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith(QString::fromUtf8("Ligne ")));
    EXPECT_TRUE(boîtes.messages[0].texte.contains(QString::fromUtf8("« ✓ » ne peut pas être gardé")))
        << boîtes.messages[0].texte.toStdString();

    // Windows-1252 bytes that are not UTF-8 as a whole stay Windows-1252.
    boîtes.messages.clear();
    QByteArray mêlé = original;
    mêlé.replace("Quimper", "Quimper \xC3\xA9");  // "Ã©" in Windows-1252
    écrit("mêlé.sel", mêlé);
    ASSERT_TRUE(ouvrir_fichier(chemin("mêlé.sel")));
    bool vu = false;
    pour_chaque_adhérent(données, [&](int, adhérent& a) { vu = vu || a.ville.str().contains(QString::fromUtf8("Ã©")); });
    EXPECT_TRUE(vu);
}

TEST_F(fichier_données, rien_ne_suit_le_dernier_élément)
{
    const QByteArray original = association_enregistrée();
    const données_sel avant = données;
    // Blank lines and an end-of-file mark are no content.
    for (const QByteArray& fin : {QByteArray("\r\n\r\n"), QByteArray("\x1a"), QByteArray("  \r\n")}) {
        écrit("fin.sel", original + fin);
        ASSERT_TRUE(ouvrir_fichier(chemin("fin.sel")));
    }
    EXPECT_TRUE(boîtes.messages.empty());
    const int lignes_écrites = static_cast<int>(lignes(original).size());
    for (const QByteArray& suite : {QByteArray("42\r\n"), QByteArray("\"texte\"\r\n"), QByteArray("\r\n#TRUE#")}) {
        boîtes.messages.clear();
        écrit("suite.sel", original + suite);
        EXPECT_FALSE(ouvrir_fichier(chemin("suite.sel")));
        EXPECT_TRUE(données == avant);
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(boîtes.messages[0].texte.contains(QStringLiteral("le fichier continue après son dernier élément")));
        EXPECT_TRUE(boîtes.messages[0].texte.startsWith(QStringLiteral("Ligne %1").arg(lignes_écrites + 1)) ||
                    boîtes.messages[0].texte.startsWith(QStringLiteral("Ligne %1").arg(lignes_écrites + 2)))
            << boîtes.messages[0].texte.toStdString();
    }
}

TEST_F(fichier_données, enregistrement_échoué_dit_pourquoi_et_peut_reprendre)
{
    const QByteArray original = association_enregistrée();
    poste_compta = true;
    données.nom_monnaie = "changé";
    {
        // The disk refuses to keep what it was given.
        pannes_fichiers pannes;
        pannes.fait_échouer(appel_fichier::synchronise, 1, EIO);
        EXPECT_FALSE(enregistrer_fichier(chemin("trovane.sel"), false));
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_EQ(boîtes.messages[0].texte,
                  "Erreur d'entrée-sortie du disque (" + QDir::toNativeSeparators(chemin("trovane.sel")) + ")");
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::réessayer_annuler | style_boîte::critique);
        EXPECT_EQ(lit("trovane.sel"), original);
        EXPECT_FALSE(QFileInfo::exists(chemin("trovane.sld")));

        // Retry after a failed close: the second attempt writes both files.
        boîtes.messages.clear();
        boîtes.réponses = {rép_réessayer};
        pannes.fait_échouer(appel_fichier::ferme, 1, ENOSPC);
        EXPECT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Le disque est plein"));
        EXPECT_EQ(lit("trovane.sel"), écrit_données(données));
        EXPECT_TRUE(QFileInfo::exists(chemin("trovane.sld")));
    }

    boîtes.messages.clear();
    QDir().mkpath(chemin("dossier.sel"));
    EXPECT_FALSE(enregistrer_fichier(chemin("dossier.sel"), false));
    EXPECT_EQ(boîtes.textes(),
              QStringList{QDir::toNativeSeparators(chemin("dossier.sel")) + " est un dossier, pas un fichier"});
}

// The restore point a window writes on a thread of its own: a count beyond
// its bounds is told when the write is waited for, nothing is written, and
// the tables still count as unsaved. The data encoded are those of the
// moment it was asked for, whatever changes after.
TEST_F(fichier_données, enregistrement_en_fond_des_données_du_moment)
{
    const QByteArray original = association_enregistrée();
    fichier_courant = chemin("trovane.sel");
    tables_changées_non_enregistrées = true;
    const int16 nombre = données.nombre_adhérents;
    données.nombre_adhérents = -1;
    ASSERT_TRUE(enregistrer_fichier_en_fond(chemin("trovane.sel")));
    données.nombre_adhérents = nombre;
    EXPECT_FALSE(attend_enregistrement_en_fond());
    EXPECT_EQ(boîtes.textes(), QStringList{"Les données en mémoire sont incohérentes (nombre d'adhérents) : le fichier "
                                           "n'a pas été enregistré."});
    EXPECT_EQ(lit("trovane.sel"), original);
    EXPECT_TRUE(tables_changées_non_enregistrées);

    boîtes.messages.clear();
    données.nom_monnaie = "avant";
    const QByteArray attendu = écrit_données(données);
    ASSERT_TRUE(enregistrer_fichier_en_fond(chemin("trovane.sel")));
    données.nom_monnaie = "après";
    données.table_adhérents[1].rue = "changée pendant l'écriture";
    EXPECT_TRUE(attend_enregistrement_en_fond());
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_EQ(lit("trovane.sel"), attendu);
    EXPECT_FALSE(tables_changées_non_enregistrées);
}

// The grid's changes count as saved only once the data file worked on holds
// them: the restore point, a copy elsewhere, a save that failed leave them
// unsaved.
TEST_F(fichier_données, seul_le_fichier_de_travail_enregistre_les_changements_de_la_grille)
{
    const QByteArray original = association_enregistrée();
    fichier_courant = chemin("trovane.sel");
    tables_changées_non_enregistrées = true;
    QDir().mkpath(chemin("repère"));
    ASSERT_TRUE(enregistrer_fichier_en_fond(fichier_repère()));
    EXPECT_TRUE(tables_changées_non_enregistrées);
    EXPECT_TRUE(attend_enregistrement_en_fond());
    EXPECT_TRUE(tables_changées_non_enregistrées);
    ASSERT_TRUE(enregistrer_fichier(fichier_repère(), false));
    ASSERT_TRUE(enregistrer_fichier(chemin("ailleurs.sel"), false));
    EXPECT_TRUE(tables_changées_non_enregistrées);
    {
        pannes_fichiers pannes;
        pannes.lecture_seule(true);
        boîtes.réponses = {rép_annuler};
        EXPECT_FALSE(enregistrer_fichier(chemin("./trovane.sel"), false));
    }
    EXPECT_TRUE(tables_changées_non_enregistrées);
    EXPECT_EQ(lit("trovane.sel"), original);
    ASSERT_TRUE(enregistrer_fichier(chemin("./trovane.sel"), false));
    EXPECT_FALSE(tables_changées_non_enregistrées);
}

TEST_F(fichier_données, soldes_non_enregistrés_nomment_l_adhérent_en_cause)
{
    initialise_paramètres();
    remplit_association_essai(données, {12, 0, 0, 0});
    for (int i = 1; i <= 12; ++i)
        données.table_adhérents[i].ordre = static_cast<int16>(13 - i);  // 12 first
    ASSERT_TRUE(enregistrer_soldes(chemin("s.sld")));
    const QByteArray entier = lit("s.sld");
    // The member whose entry holds byte `position`: the count, then five
    // lines per entry, the first of them its number.
    auto membre_à = [&](qsizetype position) {
        const QList<QByteArray> l = lignes(entier);
        qsizetype début = l[0].size() + 2;
        int membre = 0;
        for (int e = 0; 1 + 5 * e < l.size(); ++e) {
            if (début > position)
                break;
            membre = l[1 + 5 * e].toInt();
            for (int k = 0; k < 5; ++k)
                début += l[1 + 5 * e + k].size() + 2;
        }
        return membre;
    };
    pannes_fichiers pannes;
    pannes.écritures_courtes(10);
    QSet<int> nommés;
    for (int n = 2; n * 10 < entier.size(); n += 2) {
        boîtes.messages.clear();
        écrit("s.sld", "ancien");
        pannes.fait_échouer(appel_fichier::écrit, n, EIO);
        EXPECT_FALSE(enregistrer_soldes(chemin("s.sld")));
        ASSERT_EQ(boîtes.messages.size(), 1u);
        const int attendu = membre_à((n - 1) * 10);
        nommés.insert(attendu);
        EXPECT_TRUE(boîtes.messages[0].texte.contains(
            QStringLiteral(" dans l'enregistrement  des soldes de l'adhérent %1 vous devrez").arg(attendu)))
            << boîtes.messages[0].texte.toStdString();
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok_annuler | style_boîte::exclamation);
        EXPECT_EQ(lit("s.sld"), "ancien");
    }
    EXPECT_GT(nommés.size(), 6);
    // Every entry went out, the file as a whole could not be kept.
    boîtes.messages.clear();
    pannes.fait_échouer(appel_fichier::renomme, 1, EIO);
    EXPECT_FALSE(enregistrer_soldes(chemin("s.sld")));
    EXPECT_EQ(boîtes.textes(), QStringList{"Erreur d'entrée-sortie du disque (" +
                                           QDir::toNativeSeparators(chemin("s.sld")) +
                                           ") dans l'enregistrement  des soldes des adhérents vous devrez vérifier "
                                           "ces données à la main dans la page adhérents. "});
}
