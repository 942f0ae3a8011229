#include "ui_common/export_grille.h"
#include "ui_common/grille_vue.h"

#include "data/cp1252.h"
#include "support/dossier_test.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// Records where the save dialogs start and what they filter; on a message
// box, can first make the folder that was missing (the user fixing things
// before pressing OK).
struct dialogues_notés : dialogues_scriptés {
    QStringList départs, filtres;
    QString dossier_à_créer;
    QString fichier_à_enregistrer(const QString& titre, const QString& départ, const QString& filtre) override
    {
        départs << départ;
        filtres << filtre;
        return dialogues_scriptés::fichier_à_enregistrer(titre, départ, filtre);
    }
    int message(const QString& texte, int style, const QString& titre) override
    {
        if (!dossier_à_créer.isEmpty())
            QDir().mkpath(dossier_à_créer);
        return dialogues_scriptés::message(texte, style, titre);
    }
};

class export_grille_test : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        installe_dialogues(&notés);
    }
    void TearDown() override
    {
        installe_dialogues(nullptr);
        essai_dossier::TearDown();
    }
    dialogues_notés notés;
};

// a b c / d e f under a header row "N°", "Nom", "Ville".
void remplit(grille& g)
{
    g.setRows(3);
    g.setCols(3);
    const char* textes[3][3] = {{"N°", "Nom", "Ville"}, {"a", "b", "c"}, {"d", "e", "f"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            g.setTextMatrix(r, c, QString::fromUtf8(textes[r][c]));
}

QString presse_papiers() { return QGuiApplication::clipboard()->text(); }

}  // namespace

// ---------------------------------------------------------------- tab-separated text

TEST(texte_grille, cellules_telles_quelles)
{
    grille g;
    remplit(g);
    EXPECT_EQ(texte_grille(g, 1, 0, 2, 2), "a\tb\tc\r\nd\te\tf");
    g.setTextMatrix(1, 2, "");
    g.setTextMatrix(2, 0, "  x\ty  ");
    EXPECT_EQ(texte_grille(g, 1, 0, 2, 2), "a\tb\t\r\n  x\ty  \te\tf") << "no trimming, no quoting";
    EXPECT_EQ(texte_grille(g, 2, 1, 2, 1), "e");
    grille vide(0, 0, 0, 0);
    EXPECT_EQ(texte_grille(vide, 0, 0, -1, -1), "");
}

TEST(copie_grille, toute_la_grille_et_la_sélection)
{
    grille g;
    remplit(g);
    copie_grille(g);
    EXPECT_EQ(presse_papiers(), "N°\tNom\tVille\r\na\tb\tc\r\nd\te\tf");

    g.setRow(2);
    g.setCol(2);
    g.setRowSel(1);
    g.setColSel(1);  // from bottom right to top left
    copie_sélection(g);
    EXPECT_EQ(presse_papiers(), "b\tc\r\ne\tf");
    g.setRow(1);
    g.setCol(1);
    g.setRowSel(2);
    g.setColSel(2);
    copie_sélection(g);
    EXPECT_EQ(presse_papiers(), "b\tc\r\ne\tf");

    g.setRow(0);
    g.setCol(0);
    copie_sélection(g);
    EXPECT_EQ(presse_papiers(), "N°");
    EXPECT_TRUE(g.Redraw());
}

TEST_F(export_grille_test, enregistre_grille_en_windows_1252_depuis_la_colonne_demandée)
{
    grille g;
    remplit(g);
    g.setTextMatrix(2, 2, "Sète");
    const QString cible = chemin("liste.txt");
    notés.fichiers = {cible};
    enregistre_grille(g, "adhérents", 1);
    EXPECT_EQ(lit("liste.txt"), QByteArray("Nom\tVille\r\nb\tc\r\ne\tS\xE8te\r\n"));
    ASSERT_EQ(notés.départs.size(), 1);
    EXPECT_EQ(notés.départs[0], QDir(dossier.path()).filePath("adhérents"));
    EXPECT_EQ(notés.filtres[0], "Ascii tabulé(.txt) (*.txt)");
    EXPECT_TRUE(notés.messages.empty());

    // Pasted text the code page cannot hold: replaced, and the user is told
    // where to find it in the file.
    g.setTextMatrix(1, 2, "Łódź");
    g.setTextMatrix(2, 1, "e 😀");
    notés.fichiers = {cible};
    enregistre_grille(g, "adhérents", 1);
    EXPECT_EQ(lit("liste.txt"), QByteArray("Nom\tVille\r\nb\t?\xF3" "d?\r\ne ??\tS\xE8te\r\n"));
    EXPECT_EQ(notés.textes(), QStringList{"Le caractère « Ł » de la ligne 2, colonne 2 ne peut pas s'écrire dans un "
                                          "fichier texte Windows-1252 : il y a été remplacé par « ? ». Une autre "
                                          "cellule a aussi des caractères remplacés."});
    notés.messages.clear();

    // The extension is added when none is typed; a one-row grid ends with one CR LF.
    g.setRows(1);
    notés.fichiers = {chemin("entête")};
    enregistre_grille(g, "base", 0);
    EXPECT_EQ(lit("entête.txt"), QByteArray("N\xB0\tNom\tVille\r\n"));
}

TEST_F(export_grille_test, enregistre_grille_annulé_ou_en_échec)
{
    grille g;
    remplit(g);
    g.setRedraw(false);  // a caller's batch stays a batch
    enregistre_grille(g, "base", 0);  // no answer: cancelled
    EXPECT_TRUE(notés.messages.empty());
    EXPECT_TRUE(QDir(dossier.path()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(g.Redraw());
    g.setRedraw(true);

    // A failed write says why and leaves nothing behind.
    notés.fichiers = {chemin("absent/liste.txt")};
    enregistre_grille(g, "base", 0);
    ASSERT_EQ(notés.messages.size(), 1u);
    EXPECT_EQ(notés.messages[0].style, style_boîte::critique);
    EXPECT_TRUE(notés.messages[0].texte.contains("absent"));
    EXPECT_FALSE(QDir(chemin("absent")).exists());
    EXPECT_TRUE(g.Redraw());
}

// ---------------------------------------------------------------- HTML

TEST(accents_en_html, minuscules_seulement)
{
    EXPECT_EQ(accents_en_html("éèàçïöëäüâêîôûñß"),
              "&eacute;&egrave;&agrave;&ccedil;&iuml;&ouml;&euml;&auml;&uuml;&acirc;&ecirc;&icirc;&ocirc;&ucirc;"
              "&ntilde;&szlig;");
    EXPECT_EQ(accents_en_html("École où œuvre"), "École où œuvre");
    EXPECT_EQ(accents_en_html("élève été"), "&eacute;l&egrave;ve &eacute;t&eacute;");
}

TEST(grille_en_html, page_exacte_avec_échappement)
{
    ASSERT_EQ(twips_par_pixel(), 15.0) << "the tests run on a 96 dpi screen";
    grille g(3, 2, 1, 0);
    g.setFontName("Arial");
    g.setFontSize(8);
    g.setColWidth(0, 1500);
    g.setColWidth(1, 3010);
    g.setTextMatrix(0, 0, "Nom");
    g.setTextMatrix(0, 1, "e-mail");
    g.setTextMatrix(1, 0, "A & B");
    g.setTextMatrix(1, 1, "a&b@sel.fr");
    g.setTextMatrix(2, 0, "<b>Hélène</b>");
    g.setTextMatrix(2, 1, "\"x\"@sel.fr");
    const QString page = grille_en_html(g, "Adhérents & amis", 0, 0, "", "", 1);
    const QString attendu = QStringLiteral(
        "<HTML>\r\n"
        "<HEAD>\r\n"
        "<META HTTP-EQUIV=\"Content-Type\"CONTENT=\"text/html; charset=windows-1252\"> \r\n"
        "<META NAME=\"Generator\"CONTENT=\"Trovane3_1\">\r\n"
        "<TITLE>Adh&eacute;rents &amp; amis</TITLE>\r\n"
        "</HEAD>\r\n"
        "<BODY>\r\n"
        "<BODY LINK=\"#0000ff\" VLINK=\"#800080\">\r\n"
        "<B><FONT FACE=\"Arial\" SIZE=12>\r\n"
        "<P ALIGN=\"CENTER\"> Adh&eacute;rents &amp; amis</P></B></FONT>\r\n"
        "<P>&nbsp;<P><FONT FACE=\"Arial\" SIZE=8></FONT>\r\n"
        "<P ALIGN=\"CENTER\"><CENTER><TABLE BORDER CELLSPACING=0 CELLPADDING= 0 WIDTH=300>\r\n"
        "<TR>\r\n"
        "<TD WIDTH=100 VALIGN=\"TOP\">\r\n"
        "<P>Nom</TD>\r\n"
        "<TD WIDTH=200 VALIGN=\"TOP\">\r\n"
        "<P>e-mail</TD>\r\n"
        "</TR>\r\n"
        "<TR>\r\n"
        "<TD WIDTH=100 VALIGN=\"TOP\">\r\n"
        "<P>A &amp; B</TD>\r\n"
        "<TD WIDTH=200 VALIGN=\"TOP\">\r\n"
        "<P> <A HREF=\"mailto:a&amp;b@sel.fr\">a&amp;b@sel.fr</A></TD>\r\n"
        "</TR>\r\n"
        "<TR>\r\n"
        "<TD WIDTH=100 VALIGN=\"TOP\">\r\n"
        "<P>&lt;b&gt;H&eacute;l&egrave;ne&lt;/b&gt;</TD>\r\n"
        "<TD WIDTH=200 VALIGN=\"TOP\">\r\n"
        "<P> <A HREF=\"mailto:&quot;x&quot;@sel.fr\">\"x\"@sel.fr</A></TD>\r\n"
        "</TR>\r\n"
        "</TABLE>\r\n"
        "</BODY>\r\n"
        " </HTML> ");
    EXPECT_EQ(page, attendu);
}

TEST(grille_en_html, couleurs_données_et_sans_colonne_email)
{
    grille g(2, 1, 1, 0);
    g.setTextMatrix(1, 0, "x@sel.fr");
    g.setTextMatrix(0, 0, "\xCE\xA9");  // a character that Windows-1252 cannot hold
    const QString page = grille_en_html(g, "T", 2, 3, "red", "#00ff00", -1);
    EXPECT_TRUE(page.contains("<BODY LINK=\"red\" VLINK=\"#00ff00\">\r\n"));
    EXPECT_TRUE(page.contains("CELLSPACING=2 CELLPADDING= 3 "));
    EXPECT_TRUE(page.contains("<P>x@sel.fr</TD>"));
    EXPECT_TRUE(page.contains("<P>&#937;</TD>"));
    EXPECT_TRUE(représentable_cp1252(page));
}

TEST_F(export_grille_test, enregistre_html_et_nouvel_essai)
{
    const QString page = QStringLiteral("<HTML>\r\nSète\r\n </HTML> ");
    notés.fichiers = {chemin("liste")};
    enregistre_html(page);
    EXPECT_EQ(lit("liste.html"), QByteArray("<HTML>\r\nS\xE8te\r\n </HTML> \r\n"));
    EXPECT_EQ(notés.départs.value(0), QDir(dossier.path()).filePath("adherents"));
    EXPECT_EQ(notés.filtres.value(0), "Html(.html) (*.html)");

    // The folder is missing: the box offers OK to try again once it is there.
    notés.fichiers = {chemin("plus_tard/liste.html")};
    notés.dossier_à_créer = chemin("plus_tard");
    notés.réponses = {rép_ok};
    enregistre_html(page);
    ASSERT_EQ(notés.messages.size(), 1u);
    EXPECT_EQ(notés.messages[0].style, style_boîte::ok_annuler);
    EXPECT_EQ(lit("plus_tard/liste.html"), QByteArray("<HTML>\r\nS\xE8te\r\n </HTML> \r\n"));

    // Cancel ends it.
    notés.dossier_à_créer.clear();
    notés.fichiers = {chemin("absent/liste.html")};
    enregistre_html(page);
    EXPECT_EQ(notés.messages.size(), 2u);
    EXPECT_FALSE(QFile::exists(chemin("absent/liste.html")));
}
