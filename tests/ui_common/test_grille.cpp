#include "ui_common/grille.h"
#include "ui_common/grille_vue.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Data rows (TAB separated, from column 0) under the grid's header row.
void ajoute(grille& g, std::initializer_list<const char*> lignes)
{
    for (const char* l : lignes)
        g.AddItem(QString::fromUtf8(l));
}

QStringList colonne(const grille& g, int c)
{
    QStringList r;
    for (int i = g.FixedRows(); i < g.Rows(); ++i)
        r << g.TextMatrix(i, c);
    return r;
}

void trie(grille& g, int c1, int c2, int code)
{
    g.setCol(c1);
    g.setColSel(c2);
    g.setSort(code);
}

struct compteur : observateur_grille {
    int structures = 0, cellules = 0, géométries = 0, sélections = 0, affichages = 0, détruite = 0;
    int ouvertes = 0;  // structure changes announced and not yet done
    void avant_structure() override { ++ouvertes; }
    void après_structure() override
    {
        --ouvertes;
        ++structures;
    }
    void cellules_changées(int, int, int, int) override { ++cellules; }
    void géométrie_changée() override { ++géométries; }
    void sélection_changée() override { ++sélections; }
    void affichage_changé() override { ++affichages; }
    void grille_détruite() override { ++détruite; }
};

}  // namespace

// ---------------------------------------------------------------- shape and texts

TEST(grille, forme_de_départ_et_redimensionnement)
{
    grille g;
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);

    g.setRows(3);
    g.setCols(3);
    g.setTextMatrix(2, 2, "c");
    g.setTextMatrix(1, 0, "a");
    g.setRows(10);
    g.setCols(5);
    EXPECT_EQ(g.TextMatrix(2, 2), "c");
    EXPECT_EQ(g.TextMatrix(1, 0), "a");
    EXPECT_EQ(g.TextMatrix(9, 4), "");
    g.setRows(2);
    EXPECT_EQ(g.TextMatrix(1, 0), "a");
    g.setRows(3);
    EXPECT_EQ(g.TextMatrix(2, 2), "") << "a row cut off comes back empty";

    // The fixed counts and the current cell shrink with the grid.
    g.setRow(2);
    g.setRows(1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.Row(), 0);
    g.setRows(0);
    EXPECT_EQ(g.FixedRows(), 0);
    EXPECT_THROW(g.setFixedRows(1), erreur_grille);
    EXPECT_THROW(g.setRows(-1), erreur_grille);
}

TEST(grille, hors_de_la_grille_est_une_erreur)
{
    grille g(3, 4);
    EXPECT_THROW(g.TextMatrix(3, 0), erreur_grille);
    EXPECT_THROW(g.TextMatrix(0, 4), erreur_grille);
    EXPECT_THROW(g.TextMatrix(-1, 0), erreur_grille);
    EXPECT_THROW(g.setTextMatrix(0, -1, "x"), erreur_grille);
    EXPECT_THROW(g.setRow(3), erreur_grille);
    EXPECT_THROW(g.setColSel(4), erreur_grille);
    EXPECT_THROW(g.ColWidth(4), erreur_grille);
    EXPECT_THROW(g.setRowHeight(7, 100), erreur_grille);
    EXPECT_THROW(g.setCellBackColor(3, 0, 255), erreur_grille);
    EXPECT_THROW(g.setSort(9), erreur_grille);
    EXPECT_NO_THROW(g.TextMatrix(2, 3));
}

TEST(grille, col_fixe_colsel_et_row_fixe_rowsel)
{
    grille g(10, 6);
    g.setRowSel(7);
    g.setColSel(5);
    g.setCol(3);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.ColSel(), 3);
    EXPECT_EQ(g.RowSel(), 7) << "setting Col leaves RowSel";
    g.setRow(4);
    EXPECT_EQ(g.RowSel(), 4);
    g.setRowSel(9);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.RowSel(), 9);
}

TEST(grille, clear_vide_textes_et_styles_et_garde_la_taille)
{
    grille g(3, 3);
    g.setTextMatrix(1, 1, "x");
    g.setCellBackColor(1, 1, couleur_rgb(0, 255, 0));
    g.setColWidth(2, 500);
    g.setRowHeight(2, 600);
    g.fixe_forme(forme_grille::codée);
    g.Clear();
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.Cols(), 3);
    EXPECT_EQ(g.TextMatrix(1, 1), "");
    EXPECT_FALSE(g.a_un_style(1, 1));
    EXPECT_EQ(g.ColWidth(2), 500);
    EXPECT_EQ(g.RowHeight(2), 600);
    EXPECT_EQ(g.forme(), forme_grille::vide);
}

TEST(grille, additem_découpe_sur_les_tabulations)
{
    grille g(1, 4, 1, 1);
    g.AddItem("1\tDupont\tLyon");
    g.AddItem("2\t\t\tx\ty\tz");  // fields beyond the last column are dropped
    g.AddItem("", 1);             // inserted above the first data row
    g.AddItem("ligne\r\nsur deux");
    ASSERT_EQ(g.Rows(), 5);
    EXPECT_EQ(colonne(g, 0), QStringList({"", "1", "2", "ligne\r\nsur deux"}));
    EXPECT_EQ(colonne(g, 1), QStringList({"", "Dupont", "", ""}));
    EXPECT_EQ(colonne(g, 2), QStringList({"", "Lyon", "", ""}));
    EXPECT_EQ(colonne(g, 3), QStringList({"", "", "x", ""}));
    EXPECT_THROW(g.AddItem("x", 6), erreur_grille);
    EXPECT_THROW(g.AddItem("x", -2), erreur_grille);
    g.AddItem("fin", 5);
    EXPECT_EQ(g.TextMatrix(5, 0), "fin");
}

TEST(grille, removeitem_jusqu_à_la_dernière_ligne_de_données)
{
    grille g(1, 2, 1, 1);
    ajoute(g, {"a\t1", "b\t2", "c\t3"});
    g.setRow(3);
    g.RemoveItem(3);  // the bottom row, current: the current row moves up
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(colonne(g, 0), QStringList({"a", "b"}));
    g.RemoveItem(1);
    EXPECT_EQ(colonne(g, 0), QStringList({"b"}));
    g.RemoveItem(1);  // the last data row goes too
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.Row(), 0);
    EXPECT_THROW(g.RemoveItem(0), erreur_grille) << "a header row is not a data row";
    EXPECT_THROW(g.RemoveItem(1), erreur_grille);
}

TEST(grille, styles_de_cellule)
{
    grille g(4, 4);
    g.setFontName("Arial");
    g.setFontSize(10);
    g.setRow(2);
    g.setCol(3);
    EXPECT_FALSE(g.a_un_style(2, 3));
    EXPECT_EQ(g.CellFontName(), "Arial") << "a cell follows the grid's font";
    g.setCellFontName("Times New Roman");
    g.setCellFontSize(14);
    g.setCellFontItalic(true);
    g.setCellFontBold(true);
    g.setCellBackColor(65280);
    EXPECT_EQ(g.CellFontName(2, 3), "Times New Roman");
    EXPECT_EQ(g.CellFontSize(2, 3), 14.0f);
    EXPECT_TRUE(g.CellFontBold(2, 3));
    EXPECT_TRUE(g.CellFontItalic(2, 3));
    EXPECT_EQ(g.CellBackColor(2, 3), couleur_rgb(0, 255, 0));
    EXPECT_EQ(g.CellForeColor(2, 3), couleur_défaut);
    EXPECT_EQ(g.CellFontName(2, 2), "Arial");
    EXPECT_FALSE(g.CellFontBold(2, 2));
    g.setFontSize(8);
    EXPECT_EQ(g.CellFontSize(2, 2), 8.0f);
    EXPECT_EQ(g.CellFontSize(2, 3), 14.0f);
    EXPECT_THROW(g.setCellFontSize(0), erreur_grille);
}

TEST(grille, largeurs_hauteurs_et_alignements)
{
    grille g(3, 3);
    EXPECT_EQ(g.ColWidth(1), grille::largeur_défaut);
    EXPECT_EQ(g.RowHeight(1), grille::hauteur_défaut);
    g.setColWidth(1, 0);
    g.setRowHeight(2, 1200);
    EXPECT_EQ(g.ColWidth(1), 0);
    EXPECT_EQ(g.RowHeight(2), 1200);
    g.setColWidth(1, -1);
    EXPECT_EQ(g.ColWidth(1), grille::largeur_défaut);
    EXPECT_EQ(g.ColAlignment(2), alignement_grille::général);
    g.setColAlignment(2, alignement_grille::droite_centre);
    EXPECT_EQ(g.ColAlignment(2), 7);
    EXPECT_THROW(g.setColAlignment(2, 10), erreur_grille);
}

// ---------------------------------------------------------------- sorts

TEST(grille_tri, générique_croissant_stable_sur_plusieurs_colonnes)
{
    grille g(1, 4, 1, 1);
    // Column 0 numbers the rows so that the order of ties shows.
    g.AddItem("1\tb\t2\tx");
    g.AddItem("2\ta\t10\tx");
    g.AddItem("3\tb\t10\tx");
    g.AddItem("4\ta\t2\tx");
    g.AddItem("5\tb\t2\tx");
    g.AddItem("6\tA\t10\tx");
    trie(g, 1, 2, tri_grille::générique_croissant);
    // Column 1 first without regard to case, then column 2 as numbers; ties keep their order.
    EXPECT_EQ(colonne(g, 0), QStringList({"4", "2", "6", "1", "5", "3"}));

    // Successive sorts combine: the last sort is the main key.
    grille h(1, 3, 1, 1);
    h.AddItem("1\tz\t2");
    h.AddItem("2\ty\t1");
    h.AddItem("3\tx\t2");
    h.AddItem("4\tw\t1");
    trie(h, 1, 1, tri_grille::générique_croissant);
    trie(h, 2, 2, tri_grille::générique_croissant);
    EXPECT_EQ(colonne(h, 0), QStringList({"4", "2", "3", "1"}));
}

TEST(grille_tri, générique_nombres_dates_et_texte_français)
{
    grille g(1, 2, 1, 1);
    ajoute(g, {"\t10", "\t9", "\t2,5", "\t-1", "\t0.75"});
    trie(g, 1, 1, tri_grille::générique_croissant);
    EXPECT_EQ(colonne(g, 1), QStringList({"-1", "0.75", "2,5", "9", "10"}));

    grille d(1, 2, 1, 1);
    ajoute(d, {"\t02/01/2026", "\t15/12/2025", "\t01/02/2026", "\t14/03/2026 10:30"});
    trie(d, 1, 1, tri_grille::générique_croissant);
    EXPECT_EQ(colonne(d, 1), QStringList({"15/12/2025", "02/01/2026", "01/02/2026", "14/03/2026 10:30"}));

    grille t(1, 2, 1, 1);
    ajoute(t, {"\tzèbre", "\tÉcole", "\teffet", "\tAbri", "\tétat", "\t", "\tabri"});
    trie(t, 1, 1, tri_grille::générique_croissant);
    EXPECT_EQ(colonne(t, 1), QStringList({"", "Abri", "abri", "École", "effet", "état", "zèbre"}));
}

TEST(grille_tri, listes_à_la_française_comme_comparées_une_à_une)
{
    struct entrée {
        QString texte;
        int n;
    };
    std::vector<entrée> v;
    int n = 0;
    for (const char* t : {"zoé", "Élodie", "Zoé", "élodie", "Eloi", "Annick", "annick", "Œuvre", "Oeuf", "Ève", "Zoe",
                          "Annick", "l'Abbé", "Labbé"})
        v.push_back({QString::fromUtf8(t), n++});
    std::vector<entrée> attendu = v;
    std::stable_sort(attendu.begin(), attendu.end(), [](const entrée& a, const entrée& b) {
        return collation_française().compare(a.texte, b.texte) < 0;
    });
    trie_à_la_française(v, [](const entrée& e) { return e.texte; });
    ASSERT_EQ(v.size(), attendu.size());
    for (std::size_t i = 0; i < v.size(); ++i)
        EXPECT_EQ(v[i].n, attendu[i].n) << i << " " << v[i].texte.toStdString();
}

TEST(grille_tri, générique_décroissant_stable)
{
    grille g(1, 3, 1, 1);
    ajoute(g, {"1\tb\t", "2\ta\t", "3\tB\t", "4\tc\t", "5\ta\t"});
    trie(g, 1, 1, tri_grille::générique_décroissant);
    EXPECT_EQ(colonne(g, 0), QStringList({"4", "1", "3", "2", "5"}));

    grille n(1, 3, 1, 1);
    ajoute(n, {"1\t2\t1", "2\t10\t1", "3\t2\t5", "4\t10\t1"});
    trie(n, 1, 2, tri_grille::générique_décroissant);
    EXPECT_EQ(colonne(n, 0), QStringList({"2", "4", "3", "1"}));
}

TEST(grille_tri, numérique_croissant_par_val)
{
    // Val: the leading number, blanks ignored, the point only; a text is 0.
    grille g(1, 3, 1, 1);
    ajoute(g, {"1\t12abc\t", "2\tabc\t", "3\t1 000\t", "4\t2,9\t", "5\t2.5\t", "6\t\t", "7\t-3\t"});
    trie(g, 1, 1, tri_grille::numérique_croissant);
    EXPECT_EQ(colonne(g, 0), QStringList({"7", "2", "6", "4", "5", "1", "3"}));

    grille h(1, 3, 1, 1);
    ajoute(h, {"1\t5\t2", "2\t5\t1", "3\t1\t9", "4\t5\t1"});
    trie(h, 1, 2, tri_grille::numérique_croissant);
    EXPECT_EQ(colonne(h, 0), QStringList({"3", "2", "4", "1"}));
}

TEST(grille_tri, lignes_row_à_rowsel_ou_toutes)
{
    grille g(1, 2, 1, 1);
    ajoute(g, {"\t5", "\t4", "\t3", "\t2", "\t1"});
    g.setCol(1);
    g.setRow(4);
    g.setRowSel(2);  // rows 2..4, given backwards
    g.setSort(tri_grille::générique_croissant);
    EXPECT_EQ(colonne(g, 1), QStringList({"5", "2", "3", "4", "1"}));

    g.setRow(0);
    g.setRowSel(2);  // reaching into the header: the header stays
    g.setSort(tri_grille::générique_croissant);
    EXPECT_EQ(g.TextMatrix(0, 1), "");
    EXPECT_EQ(colonne(g, 1), QStringList({"2", "5", "3", "4", "1"}));

    g.setRow(3);  // Row == RowSel: every data row
    g.setSort(tri_grille::générique_croissant);
    EXPECT_EQ(colonne(g, 1), QStringList({"1", "2", "3", "4", "5"}));
}

TEST(grille_tri, une_ligne_emporte_ses_styles_et_sa_hauteur)
{
    grille g(1, 2, 1, 1);
    ajoute(g, {"\tb", "\ta"});
    g.setCellBackColor(1, 1, 255);
    g.setRowHeight(1, 900);
    trie(g, 1, 1, tri_grille::générique_croissant);
    EXPECT_EQ(g.TextMatrix(2, 1), "b");
    EXPECT_EQ(g.CellBackColor(2, 1), 255);
    EXPECT_EQ(g.RowHeight(2), 900);
    EXPECT_EQ(g.CellBackColor(1, 1), couleur_défaut);
    EXPECT_EQ(g.RowHeight(1), grille::hauteur_défaut);
}

TEST(grille_tri, colonne_mêlée_garde_toutes_ses_lignes)
{
    // Numbers, dates and texts mixed make an order that is not transitive;
    // the sort must still only reorder the rows.
    const char* sortes[] = {"9", "10", "5x", "", "abc", "01/02/2026", "3,5", "Zut", "12:30", "-4"};
    grille g(1, 2, 1, 0);
    QRandomGenerator hasard(42);
    for (int i = 0; i < 3000; ++i)
        g.AddItem(QString::number(i) + QLatin1Char('\t') + QString::fromUtf8(sortes[hasard.bounded(10)]));
    trie(g, 1, 1, tri_grille::générique_croissant);
    QList<int> vus;
    for (const QString& n : colonne(g, 0))
        vus << n.toInt();
    std::sort(vus.begin(), vus.end());
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(vus[i], i);
}

// ---------------------------------------------------------------- Redraw and observers

TEST(grille_observée, redraw_regroupe_les_changements)
{
    grille g(3, 3);
    compteur o;
    g.ajoute_observateur(&o);
    g.setTextMatrix(1, 1, "x");
    g.setRow(2);
    EXPECT_EQ(o.cellules, 1);
    EXPECT_EQ(o.sélections, 1);

    g.setRedraw(false);
    const int affichages = o.affichages;
    for (int i = 0; i < 100; ++i)
        g.setTextMatrix(1, 1, QString::number(i));
    g.setRows(50);
    g.setColWidth(1, 100);
    g.AddItem("a\tb");
    EXPECT_EQ(o.cellules, 1);
    EXPECT_EQ(o.structures, 0);
    EXPECT_EQ(o.géométries, 0);
    g.setRedraw(true);
    EXPECT_EQ(o.structures, 1) << "one refresh when Redraw comes back on";
    EXPECT_EQ(o.ouvertes, 0);
    EXPECT_EQ(o.affichages, affichages + 1);

    g.setRows(60);
    EXPECT_EQ(o.structures, 2);
    EXPECT_EQ(o.ouvertes, 0);
}

TEST(grille_observée, redraw_suspendu_remet_l_état_d_avant)
{
    grille g;
    {
        redraw_suspendu p(g);
        EXPECT_FALSE(g.Redraw());
        {
            redraw_suspendu q(g);
        }
        EXPECT_FALSE(g.Redraw()) << "an inner service does not end the caller's batch";
    }
    EXPECT_TRUE(g.Redraw());
}

TEST(grille_observée, la_grille_prévient_de_sa_fin)
{
    compteur o;
    {
        grille g;
        g.ajoute_observateur(&o);
    }
    EXPECT_EQ(o.détruite, 1);
    {
        grille g;
        compteur court;
        g.ajoute_observateur(&court);
    }  // an observer that goes first leaves the grid clean
}

// ---------------------------------------------------------------- view

TEST(grille_vue, modèle_et_en_têtes)
{
    grille g(1, 4, 1, 1);
    modele_grille m(g);
    QAbstractItemModelTester testeur(&m, QAbstractItemModelTester::FailureReportingMode::Fatal);
    g.setTextMatrix(0, 1, "Nom");
    g.setTextMatrix(0, 2, "Ville");
    g.AddItem("1\tDupont\tLyon\t12");
    g.AddItem("2\tMartin\tNice\tabc");
    EXPECT_EQ(m.rowCount(), 2);
    EXPECT_EQ(m.columnCount(), 3);
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "Nom");
    EXPECT_EQ(m.headerData(1, Qt::Vertical).toString(), "2");
    EXPECT_EQ(m.data(m.index(1, 1)).toString(), "Nice");

    // General alignment: numbers on the right, texts on the left.
    EXPECT_TRUE(m.data(m.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_TRUE(m.data(m.index(1, 2), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
    g.setCellBackColor(2, 2, couleur_rgb(0, 0, 255));
    g.setCellFontBold(2, 2, true);
    EXPECT_EQ(m.data(m.index(1, 1), Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 255));
    EXPECT_TRUE(m.data(m.index(1, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(m.data(m.index(0, 1), Qt::FontRole).isValid());

    g.setRedraw(false);
    for (int i = 0; i < 20; ++i)
        g.AddItem(QString::number(i));
    g.setSort(tri_grille::générique_croissant);
    g.RemoveItem(1);
    g.setRedraw(true);
    EXPECT_EQ(m.rowCount(), 21);
    g.setFixedCols(0);
    EXPECT_EQ(m.columnCount(), 4);
    g.Clear();
    g.setRows(1);
    EXPECT_EQ(m.rowCount(), 0);
}

TEST(grille_vue, vue_suit_la_grille)
{
    grille g(1, 3, 1, 1);
    g.AddItem("1\ta\tb");
    g.AddItem("2\tc\td");
    g.AddItem("3\te\tf");
    g.setColWidth(1, 1500);
    g.setColWidth(0, 600);
    g.setRowHeight(2, 480);
    vue_grille v(g);
    QAbstractItemModelTester testeur(v.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(v.horizontalHeader()->sectionSize(0), twips_en_pixels(1500));
    EXPECT_EQ(v.verticalHeader()->sectionSize(1), twips_en_pixels(480));
    EXPECT_EQ(v.verticalHeader()->maximumWidth(), twips_en_pixels(600));

    // Grid to view: Row/Col is the anchor, RowSel/ColSel the moving end.
    g.setRow(1);
    g.setCol(1);
    g.setRowSel(3);
    g.setColSel(2);
    EXPECT_EQ(v.currentIndex(), v.model()->index(2, 1));
    EXPECT_EQ(v.selectionModel()->selectedIndexes().size(), 6);

    // View to grid.
    v.selectionModel()->setCurrentIndex(v.model()->index(0, 1), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.RowSel(), 1);
    EXPECT_EQ(g.ColSel(), 2);
    v.selectionModel()->select(QItemSelection(v.model()->index(0, 0), v.model()->index(2, 1)),
                               QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(g.Row(), 3) << "the corner away from the current cell is the anchor";
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.RowSel(), 1);
    EXPECT_EQ(g.ColSel(), 2);

    // A column widened by hand is the grid's width.
    v.horizontalHeader()->resizeSection(1, 40);
    EXPECT_EQ(g.ColWidth(2), pixels_en_twips(40));

    g.setRedraw(false);
    EXPECT_FALSE(v.updatesEnabled());
    g.setRedraw(true);
    EXPECT_TRUE(v.updatesEnabled());
    v.show();
    g.setVisible(false);
    EXPECT_TRUE(v.isHidden());
    g.setVisible(true);
    EXPECT_FALSE(v.isHidden());
    g.setSelectionMode(mode_sélection::par_ligne);
    EXPECT_EQ(v.selectionBehavior(), QAbstractItemView::SelectRows);

    // Widths set on the grid lay the table out at once, scroll bars and
    // all; a column widened by hand still lays it out, a moment later.
    v.resize(200, 150);
    QApplication::processEvents();
    g.setColWidth(1, 9000);
    EXPECT_GT(v.horizontalScrollBar()->maximum(), 0);
    g.setColWidth(1, 300);
    g.setColWidth(2, 300);
    EXPECT_EQ(v.horizontalScrollBar()->maximum(), 0);
    v.horizontalHeader()->resizeSection(1, 600);
    QApplication::processEvents();
    EXPECT_GT(v.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(g.ColWidth(2), pixels_en_twips(600));
}

namespace {

// The paints of a table's cells, and the part of the table each covered.
struct peintures_cellules : QObject {
    std::vector<QRect> zones;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            zones.push_back(static_cast<QPaintEvent*>(e)->region().boundingRect());
        return false;
    }
};

void laisse_peindre()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qWait(5);
    }
}

}  // namespace

// A grid filled again, in a new font, has its cells painted once, not again
// a moment later; the focus coming and going, or the window coming to the
// front and leaving it, repaints the current cell alone when the palette
// draws a selection alike in every case, and all of them when it does not.
TEST(grille_vue, les_cellules_peintes_une_fois)
{
    grille g(1, 4, 1, 1);
    QWidget fenêtre;
    fenêtre.resize(500, 400);
    auto* v = new vue_grille(g, &fenêtre);
    v->setGeometry(0, 0, 500, 360);
    auto* autre = new QLineEdit(&fenêtre);
    autre->setGeometry(0, 365, 200, 30);
    fenêtre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenêtre));
    laisse_peindre();
    peintures_cellules p;
    v->viewport()->installEventFilter(&p);

    {
        const redraw_suspendu une_fois(g);
        g.Clear();
        g.setRows(200);
        for (int r = 1; r < 200; ++r)
            for (int c = 0; c < 4; ++c)
                g.setTextMatrix(r, c, QStringLiteral("%1-%2").arg(r).arg(c));
        g.setFontBold(true);
        g.setFontSize(11);
    }
    laisse_peindre();
    EXPECT_EQ(p.zones.size(), 1u);

    g.setRow(3);
    g.setCol(2);
    laisse_peindre();
    const QRect cellule = v->visualRect(v->currentIndex());
    ASSERT_TRUE(cellule.isValid());
    for (QWidget* vers : {static_cast<QWidget*>(v), static_cast<QWidget*>(autre)}) {
        p.zones.clear();
        vers->setFocus();
        laisse_peindre();
        for (const QRect& z : p.zones)
            EXPECT_TRUE(cellule.contains(z)) << z.x() << "," << z.y() << " " << z.width() << "x" << z.height();
    }
    for (const QEvent::Type t : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
        p.zones.clear();
        QEvent e(t);
        QApplication::sendEvent(v->viewport(), &e);
        laisse_peindre();
        EXPECT_TRUE(p.zones.empty());
    }

    QPalette autre_palette = v->palette();
    autre_palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::gray);
    v->setPalette(autre_palette);
    laisse_peindre();
    p.zones.clear();
    QEvent e(QEvent::WindowDeactivate);
    QApplication::sendEvent(v->viewport(), &e);
    v->setFocus();
    laisse_peindre();
    ASSERT_FALSE(p.zones.empty());
    EXPECT_EQ(p.zones.back(), v->viewport()->rect());
}
