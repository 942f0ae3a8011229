#include "ui_common/pages_aide.h"

#include "data/modele.h"
#include "support/dossier_test.h"
#include "ui_common/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class shell_noté : public service_shell {
public:
    QStringList ouverts;
    bool refuse = false;
    bool ouvre(const QUrl& adresse) override
    {
        ouverts << adresse.toLocalFile();
        return !refuse;
    }
};

// The help as it ships, in the source tree (not __FILE__: a compiler cache
// may have made that path relative).
QString dossier_livré()
{
    return QDir::cleanPath(QStringLiteral(TROVANE_TEST_FIXTURES "/../../src/main_window/aide"));
}

// The files of a folder, in name order.
std::string fichiers(const QString& dossier)
{
    return QDir(dossier).entryList(QDir::Files, QDir::Name).join(' ').toStdString();
}

// Every topic that a menu or a button of the program opens.
const QStringList sujets_ouverts = {
    // help menu of the main window
    "index", "commencer", "fichiers", "adherents", "offr_dem", "echanges", "statistiques", "techn_grille",
    "techn_choix", "FAQ", "perso",
    // help menus and buttons of the other windows
    "options", "Echange_de_fichier", "techn_adh", "offres_demandes", "techn_class", "techn_cat", "echange"};

class pages_aide : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        ASSERT_TRUE(source.isValid());
        installe_shell(&bureau);
        langue_aide = QStringLiteral("français");
    }
    void TearDown() override
    {
        installe_shell(nullptr);
        essai_dossier::TearDown();
    }
    void livre(const QString& nom, const QByteArray& octets = "page") const
    {
        QFile f(QDir(source.path()).filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }

    QTemporaryDir source;
    shell_noté bureau;
};

}  // namespace

TEST_F(pages_aide, une_page_html_passe_avant_la_page_htm)
{
    écrit("Aide/français/index.htm", "htm");
    écrit("Aide/français/index.html", "html");
    ouvre_aide("index");
    EXPECT_EQ(bureau.ouverts, QStringList{chemin("Aide/français/index.html")});
}

TEST_F(pages_aide, une_page_que_le_bureau_ne_sait_pas_ouvrir_est_nommee)
{
    écrit("Aide/français/commencer.html", "html");
    bureau.refuse = true;
    ouvre_aide("commencer");
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains(QDir::toNativeSeparators(chemin("Aide/français/commencer.html"))));
}

TEST_F(pages_aide, la_page_est_prise_dans_la_langue_de_l_aide)
{
    langue_aide = QStringLiteral("anglais");
    écrit("Aide/français/index.html", "fr");
    écrit("Aide/anglais/index.htm", "en");
    ouvre_aide("index");
    EXPECT_EQ(bureau.ouverts, QStringList{chemin("Aide/anglais/index.htm")});
}

TEST_F(pages_aide, une_page_modifiee_a_la_main_est_trouvee_quelle_que_soit_sa_casse)
{
    écrit("Aide/français/Perso.HTML", "notre page");
    EXPECT_EQ(page_aide("perso"), chemin("Aide/français/Perso.HTML"));
}

TEST_F(pages_aide, une_page_absente_ne_fait_rien_ni_ne_dit_rien)
{
    ouvre_aide("FAQ");  // no help folder at all
    écrit("Aide/anglais/FAQ.html", "en");
    ouvre_aide("FAQ");  // only in the other language
    QDir().mkpath(chemin("Aide/français/FAQ.html"));
    ouvre_aide("FAQ");  // a folder is not a page
    langue_aide = QStringLiteral("allemand");
    ouvre_aide("FAQ");  // a language that has no folder
    EXPECT_TRUE(bureau.ouverts.isEmpty());
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(pages_aide, chaque_fichier_livre_va_a_sa_place)
{
    livre("F_index.html", "sommaire");
    livre("A_index.html", "contents");
    livre("F_vieux.htm", "ancienne page");
    livre("index.html");
    livre("f_minuscule.html");
    livre("TROVANE.gif", "GIF89a");
    livre("photo.JPG", "jpeg");
    livre("femmes.eta", "-1\r\n");
    livre("lisez-moi.txt");
    QDir().mkpath(chemin("etats"));

    EXPECT_TRUE(copie_aide(source.path()));

    EXPECT_EQ(lit("Aide/français/index.html"), "sommaire");
    EXPECT_EQ(lit("Aide/anglais/index.html"), "contents");
    EXPECT_EQ(lit("Aide/français/vieux.htm"), "ancienne page");
    EXPECT_EQ(lit("Aide/images/TROVANE.gif"), "GIF89a");
    EXPECT_EQ(lit("Aide/images/photo.JPG"), "jpeg");
    EXPECT_EQ(lit("etats/femmes.eta"), "-1\r\n");
    // Only what carries a language prefix is a page; the rest stays put.
    EXPECT_EQ(fichiers(chemin("Aide/français")), "index.html vieux.htm");
    EXPECT_EQ(fichiers(chemin("Aide/anglais")), "index.html");
    EXPECT_EQ(fichiers(chemin("Aide/images")), "TROVANE.gif photo.JPG");
    EXPECT_FALSE(QFileInfo::exists(chemin("index.html")));
    EXPECT_FALSE(QFileInfo::exists(chemin("lisez-moi.txt")));
    EXPECT_TRUE(QFileInfo::exists(QDir(source.path()).filePath("F_index.html")));  // the shipped files stay
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(pages_aide, la_premiere_copie_qui_echoue_arrete_l_installation)
{
    livre("A_aide.html", "a");
    livre("A_index.html", "b");
    livre("F_index.html", "c");
    livre("TROVANE.gif", "d");
    QDir().mkpath(chemin("Aide/anglais/index.html"));  // a folder stands in the way

    EXPECT_FALSE(copie_aide(source.path()));

    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(" Les fichiers d'aide n'ont pas pu être correctement copiés"));
    EXPECT_FALSE(boîtes.messages[0].texte.startsWith(' '));  // the error's description comes first
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
    EXPECT_EQ(lit("Aide/anglais/aide.html"), "a");  // done before the failure, kept
    EXPECT_FALSE(QFileInfo::exists(chemin("Aide/français/index.html")));
    EXPECT_FALSE(QFileInfo::exists(chemin("Aide/images/TROVANE.gif")));

    // The folder alone does not count: the next start installs again, whole.
    EXPECT_TRUE(premier_démarrage());
    QDir().rmdir(chemin("Aide/anglais/index.html"));
    QDir().mkpath(chemin("etats"));
    boîtes.messages.clear();
    propose_aide_premier_démarrage(source.path());
    EXPECT_TRUE(boîtes.messages.empty());  // no page "commencer": no question
    EXPECT_EQ(lit("Aide/français/index.html"), "c");
    EXPECT_EQ(lit("Aide/images/TROVANE.gif"), "d");
    EXPECT_FALSE(premier_démarrage());
}

TEST_F(pages_aide, un_dossier_d_aide_impossible_a_creer_est_signale)
{
    écrit("Aide", "un fichier, pas un dossier");
    livre("F_index.html");
    EXPECT_FALSE(copie_aide(source.path()));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains("Aide"));
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(" Les fichiers d'aide n'ont pas pu être correctement copiés"));
}

TEST_F(pages_aide, le_premier_demarrage_installe_puis_propose_l_aide)
{
    livre("F_commencer.html", "bienvenue");
    QDir().mkpath(chemin("etats"));
    boîtes.réponses = {rép_oui};
    ASSERT_TRUE(premier_démarrage());

    propose_aide_premier_démarrage(source.path());

    EXPECT_FALSE(premier_démarrage());
    for (const char* d : {"Aide/images", "Aide/français", "Aide/anglais"})
        EXPECT_TRUE(QFileInfo(chemin(d)).isDir()) << d;
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "Voulez-vous consulter l'aide [Commencer avec Trovane] maintenant ?");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::oui_non + style_boîte::question);
    EXPECT_EQ(bureau.ouverts, QStringList{chemin("Aide/français/commencer.html")});

    // The next start finds the help in place: no question.
    propose_aide_premier_démarrage(source.path());
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(bureau.ouverts.size(), 1);
}

TEST_F(pages_aide, non_a_la_question_n_ouvre_rien)
{
    livre("F_commencer.html");
    propose_aide_premier_démarrage(source.path());  // the scripted boxes answer No
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(bureau.ouverts.isEmpty());
}

TEST_F(pages_aide, sans_page_installee_la_question_n_est_pas_posee)
{
    écrit("Aide", "un fichier, pas un dossier");
    livre("F_commencer.html");
    boîtes.réponses = {rép_ok, rép_oui};
    propose_aide_premier_démarrage(source.path());
    ASSERT_EQ(boîtes.messages.size(), 1u);  // the failure alone
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(" Les fichiers d'aide n'ont pas pu être correctement copiés"));
    EXPECT_TRUE(bureau.ouverts.isEmpty());
}

// ------------------------------------------------------------ the shipped help

TEST(aide_livree, chaque_sujet_ouvert_a_sa_page_dans_les_deux_langues)
{
    const QDir livré(dossier_livré());
    ASSERT_TRUE(livré.exists()) << livré.path().toStdString();
    for (const QString& sujet : sujets_ouverts)
        for (const char* préfixe : {"F_", "A_"}) {
            const QString nom = QString::fromLatin1(préfixe) + sujet;
            EXPECT_TRUE(livré.exists(nom + ".html") || livré.exists(nom + ".htm")) << nom.toStdString();
        }
    // No page that nothing opens nor links to, and the same pages in both languages.
    QStringList français, anglais;
    for (const QString& nom : livré.entryList({"F_*.htm*"}, QDir::Files))
        français << QFileInfo(nom.mid(2)).completeBaseName();
    for (const QString& nom : livré.entryList({"A_*.htm*"}, QDir::Files))
        anglais << QFileInfo(nom.mid(2)).completeBaseName();
    EXPECT_EQ(français, anglais);
    EXPECT_EQ(QSet<QString>(français.begin(), français.end()),
              QSet<QString>(sujets_ouverts.begin(), sujets_ouverts.end()));
}

TEST(aide_livree, l_image_d_accueil_se_lit)
{
    const QImage image(QDir(dossier_livré()).filePath("TROVANE.gif"));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 200);
    EXPECT_GE(image.height(), 100);
}

// The sample selections are read back by the selection loader line by line:
// ten key flags, twelve list positions, eight quoted texts, CR LF after each.
TEST(aide_livree, les_selections_livrees_ont_la_forme_d_un_fichier_d_etat)
{
    const QDir livré(dossier_livré());
    const QStringList noms = livré.entryList({"*.eta"}, QDir::Files);
    EXPECT_FALSE(noms.isEmpty());
    for (const QString& nom : noms) {
        QFile f(livré.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lignes = f.readAll().split('\n');
        ASSERT_EQ(lignes.size(), 31) << nom.toStdString();
        EXPECT_TRUE(lignes.last().isEmpty()) << nom.toStdString();
        for (int i = 0; i < 30; ++i) {
            const QByteArray& l = lignes[i];
            ASSERT_TRUE(l.endsWith('\r')) << nom.toStdString() << " line " << i + 1;
            const QByteArray valeur = l.chopped(1);
            if (i < 10) {
                EXPECT_TRUE(valeur == "0" || valeur == "-1") << nom.toStdString() << " line " << i + 1;
            } else if (i < 22) {
                bool nombre = false;
                EXPECT_GE(valeur.toInt(&nombre), -1) << nom.toStdString() << " line " << i + 1;
                EXPECT_TRUE(nombre) << nom.toStdString() << " line " << i + 1;
            } else {
                EXPECT_TRUE(valeur.size() >= 2 && valeur.startsWith('"') && valeur.endsWith('"'))
                    << nom.toStdString() << " line " << i + 1;
            }
        }
    }
}

// Installed as at a first start, every page is well-formed UTF-8 HTML and
// every link, picture and anchor it names exists in the installed help.
TEST_F(pages_aide, les_liens_des_pages_installees_menent_quelque_part)
{
    QDir().mkpath(chemin("etats"));
    ASSERT_TRUE(copie_aide(dossier_livré()));
    for (const char* langue : {"français", "anglais"}) {
        langue_aide = QString::fromUtf8(langue);
        for (const QString& sujet : sujets_ouverts)
            EXPECT_FALSE(page_aide(sujet).isEmpty()) << langue << " " << sujet.toStdString();
    }

    static const QRegularExpression lien(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"));
    static const QRegularExpression ancre(QStringLiteral(R"re(\bid\s*=\s*"([^"]*)")re"));
    static const QRegularExpression balise(QStringLiteral(R"re(<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*?(/?)>)re"));
    static const QSet<QString> vides = {"meta", "br", "img", "hr", "link", "col", "wbr", "input"};

    for (const char* langue : {"français", "anglais"}) {
        const QDir dossier(chemin(QStringLiteral("Aide/") + QString::fromUtf8(langue)));
        for (const QString& nom : dossier.entryList(QDir::Files)) {
            const QString page = QString::fromUtf8(langue) + QLatin1Char('/') + nom;
            const QByteArray octets = lit(QStringLiteral("Aide/%1/%2").arg(QString::fromUtf8(langue), nom));
            auto décodeur = QStringDecoder(QStringDecoder::Utf8);
            const QString texte = décodeur(octets);
            EXPECT_FALSE(décodeur.hasError()) << page.toStdString();
            EXPECT_TRUE(texte.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << page.toStdString();
            EXPECT_TRUE(texte.contains(QStringLiteral("<title>"))) << page.toStdString();

            QStringList ouvertes;
            for (auto b = balise.globalMatch(texte); b.hasNext();) {
                const auto m = b.next();
                const QString nom_balise = m.captured(2).toLower();
                if (vides.contains(nom_balise) || !m.captured(3).isEmpty())
                    continue;
                if (m.captured(1).isEmpty()) {
                    ouvertes << nom_balise;
                } else {
                    EXPECT_TRUE(!ouvertes.isEmpty() && ouvertes.last() == nom_balise)
                        << page.toStdString() << ": </" << nom_balise.toStdString() << "> after <"
                        << (ouvertes.isEmpty() ? std::string() : ouvertes.last().toStdString()) << ">";
                    if (!ouvertes.isEmpty())
                        ouvertes.removeLast();
                }
            }
            EXPECT_TRUE(ouvertes.isEmpty()) << page.toStdString() << " leaves " << ouvertes.join(' ').toStdString();

            for (auto l = lien.globalMatch(texte); l.hasNext();) {
                const QString cible = l.next().captured(1);
                if (cible.startsWith("http:") || cible.startsWith("https:") || cible.startsWith("mailto:"))
                    continue;
                const QString fichier = cible.section('#', 0, 0);
                const QString fragment = cible.section('#', 1);
                const QString chemin_cible = fichier.isEmpty() ? dossier.filePath(nom) : dossier.filePath(fichier);
                ASSERT_TRUE(QFileInfo(chemin_cible).isFile()) << page.toStdString() << " -> " << cible.toStdString();
                if (fragment.isEmpty())
                    continue;
                QFile f(chemin_cible);
                ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                QSet<QString> ids;
                for (auto a = ancre.globalMatch(QString::fromUtf8(f.readAll())); a.hasNext();)
                    ids << a.next().captured(1);
                EXPECT_TRUE(ids.contains(fragment)) << page.toStdString() << " -> " << cible.toStdString();
            }
        }
    }
}
