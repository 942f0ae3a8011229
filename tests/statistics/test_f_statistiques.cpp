#include "statistics/f_statistiques.h"

#include "statistics/association_stats.h"
#include "statistics/fenetres_statistiques.h"
#include "statistics/historique.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "support/pdf_essai.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/principale.h"
#include "ui_common/surface_imprimante.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPieSeries>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

void tape(QWidget* zone, const QString& texte)
{
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, c.isLetter() ? c.toUpper().unicode() : c.unicode(), Qt::NoModifier,
                        QString(c));
        QApplication::sendEvent(zone, &appui);
    }
}

void quitte(QWidget* zone)
{
    QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(zone, &sortie);
}

bool montré(const QWidget* w) { return !w->isHidden(); }

QString sortie(const QString& nom) { return QDir(QCoreApplication::applicationDirPath()).filePath(nom); }

class fenêtre_statistiques : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        remplit_association_stats();
        données.titre_critère1 = QStringLiteral("Quartier");
        fichier_courant = chemin("trovane.sel");
        branche_principale({[this](int index) { clics_mode.push_back(index); }, {}, {}});
        std::function<void()> crochet;
        enregistre_fenêtres_statistiques(crochet);
        crochet_évolution = crochet;
    }
    void TearDown() override
    {
        if (f)
            f->close();
        delete f.data();
        branche_principale({});
        branchement_charge_etat = nullptr;
        essai_dossier::TearDown();
    }
    f_statistiques& ouvre()
    {
        f = dynamic_cast<f_statistiques*>(charge_fenêtre(QStringLiteral("f_statistiques")));
        if (!f)
            throw std::runtime_error("f_statistiques is not registered");
        return *f;
    }
    QStringList textes_liste() const
    {
        QStringList r;
        for (int i = 0; i < f->liste->count(); ++i)
            r << f->liste->item(i)->text().trimmed();
        return r;
    }

    QPointer<f_statistiques> f;
    std::vector<int> clics_mode;
    std::function<void()> crochet_évolution;
};

}  // namespace

TEST_F(fenêtre_statistiques, ouverture_et_fermeture)
{
    f_statistiques& s = ouvre();
    EXPECT_EQ(s.windowTitle(), "Statistiques");
    // Every member, whatever its status, with its number.
    EXPECT_EQ(textes_liste(), QStringList({"Membre 1", "Membre 2", "Membre 3", "Membre 4"}));
    EXPECT_EQ(s.liste->item(1)->data(Qt::UserRole).toInt(), 2);
    EXPECT_EQ(s.liste->item(0)->text().size(), 20);
    EXPECT_EQ(s.ctt_date_dep->text(), "00:00:00");
    EXPECT_EQ(s.ctt_date_fin->text(), "14/03/2026");
    EXPECT_EQ(s.op_type[3]->text(), "Critères0 util");
    EXPECT_EQ(s.op_type[7]->text(), "Quartier et âge");

    // The first table and its chart, drawn in bars.
    EXPECT_EQ(s.titre_stat, "par sexe");
    EXPECT_EQ(s.gg.TextMatrix(1, 1), "75%");
    EXPECT_EQ(s.type_graphique, 1);
    EXPECT_TRUE(s.Op_typ_graph.at(1)->isChecked());
    EXPECT_EQ(s.grh->chart()->title(), "par sexe");
    EXPECT_EQ(s.graphique_dessiné().valeurs, (std::vector<std::vector<double>>{{75, 25}}));
    EXPECT_TRUE(montré(s.cadre_extraction) && montré(s.cadre_stats_adh));
    EXPECT_FALSE(montré(s.cadre_dates) || montré(s.cadre_lignes_cat) || montré(s.cadre_stats_cat));

    s.bt_annuler->click();
    EXPECT_EQ(clics_mode, std::vector<int>{1});
    EXPECT_FALSE(fenêtre_chargée(QStringLiteral("f_statistiques")));
}

TEST_F(fenêtre_statistiques, les_onglets_montrent_leurs_cadres_et_leur_tableau)
{
    f_statistiques& s = ouvre();
    s.op[1]->click();
    EXPECT_TRUE(montré(s.cadre_lignes_cat) && montré(s.cadre_stats_cat) && montré(s.cadre_extraction));
    EXPECT_FALSE(montré(s.cadre_dates) || montré(s.cadre_stats_adh));
    EXPECT_EQ(s.titre_stat, "rubriques :toutes les lignes");
    // The offers choice waits for the next build.
    s.Op_offre_demande[1]->click();
    EXPECT_EQ(s.titre_stat, "rubriques :toutes les lignes");
    s.op_typ_cat[2]->click();
    EXPECT_EQ(s.gg.TextMatrix(2, 1), "0");

    s.op[2]->click();
    EXPECT_TRUE(montré(s.cadre_dates) && montré(s.cadre_stats_échanges));
    EXPECT_FALSE(montré(s.cadre_lignes_cat));
    EXPECT_EQ(s.titre_stat, "Rubriques :jusqu'au 14/03/2026");
    s.op_type_échange[5]->click();
    EXPECT_EQ(s.gg.TextMatrix(1, 2), "5");
    EXPECT_EQ(s.graphique_dessiné().séries.size(), 3);  // no labels column: three values

    // The history tab takes the quarter's snapshot first, and draws in lines.
    EXPECT_FALSE(QFile::exists(chemin(nom_fichier_évolution)));
    s.op[3]->click();
    EXPECT_FALSE(montré(s.cadre_extraction));
    EXPECT_TRUE(montré(s.cadre_stats_évolution));
    EXPECT_EQ(s.gg.Rows(), 2);
    EXPECT_EQ(s.gg.TextMatrix(1, 0), libellé_trimestre());
    EXPECT_EQ(s.gg.TextMatrix(1, 1), "3");  // members not deleted nor eliminated
    EXPECT_EQ(s.type_graphique, types_graphique::lignes_3d);
    EXPECT_EQ(s.grh->chart()->title(), "Evolution du nombre d'adhérents");
    s.Op_évolution[2]->click();
    EXPECT_EQ(s.gg.TextMatrix(0, 1), "nbr_opérations");

    // The main window's exit hook takes the same snapshot.
    QFile::remove(chemin(nom_fichier_évolution));
    crochet_évolution();
    EXPECT_EQ(lit(nom_fichier_évolution).size(), taille_stat_trimestre);
}

TEST_F(fenêtre_statistiques, extraire_réduit_la_liste)
{
    f_statistiques& s = ouvre();
    s.ext_Click(1);  // nothing selected: nothing removed
    EXPECT_EQ(s.liste->count(), 4);
    EXPECT_EQ(s.liste->toolTip(), "4");
    s.liste->item(2)->setSelected(true);
    s.ext_Click(0);
    EXPECT_EQ(textes_liste(), QStringList{"Membre 3"});
    EXPECT_EQ(s.liste->toolTip(), "1");
    // The grid keeps its table until the next build.
    EXPECT_EQ(s.gg.TextMatrix(1, 1), "75%");
    s.ext[2]->trigger();
    EXPECT_EQ(s.liste->count(), 4);
    s.liste->item(0)->setSelected(true);
    s.ext_Click(1);
    EXPECT_EQ(textes_liste(), QStringList({"Membre 2", "Membre 3", "Membre 4"}));

    // Saved selections appear in the menu under their name and load from
    // P/etats.
    écrit("etats/Femmes.eta", "0\r\n");
    écrit("etats/jeunes.v2.eta", "0\r\n");
    QString chargé;
    branchement_charge_etat = [&](const QString& chemin, QWidget* liste) {
        chargé = chemin;
        return liste == s.liste;
    };
    s.extraire_Click();
    ASSERT_TRUE(s.ext.contains(5));
    EXPECT_EQ(s.ext[4]->text(), "Femmes");
    EXPECT_EQ(s.ext[5]->text(), "jeunes.v2");
    // The item reads its own file, whatever points its name holds.
    s.ext[5]->trigger();
    EXPECT_EQ(chargé, chemin("etats/jeunes.v2.eta"));
    // Rebuilt at each opening: a deleted file's item goes.
    QFile::remove(chemin("etats/Femmes.eta"));
    s.extraire_Click();
    EXPECT_EQ(s.ext[4]->text(), "jeunes.v2");
    EXPECT_FALSE(s.ext.contains(5));

    // The filter box is asked for the statistics list, emptied first.
    s.bt_filtres_eleves->click();
    EXPECT_EQ(appelant_filtre, "stats");
    EXPECT_EQ(s.liste->count(), 0);
    EXPECT_EQ(s.liste->objectName(), destination_du_filtre(QStringLiteral("stats")).liste);
}

TEST_F(fenêtre_statistiques, champs_de_date)
{
    f_statistiques& s = ouvre();
    s.ctt_date_fin->clear();
    tape(s.ctt_date_fin, "12.03-05x");
    EXPECT_EQ(s.ctt_date_fin->text(), "12/03/05");
    quitte(s.ctt_date_fin);
    EXPECT_TRUE(boîtes.messages.empty());

    s.ctt_date_dep->setText("abc");
    quitte(s.ctt_date_dep);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "respectez le format de date jj/mm/aa");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
    EXPECT_EQ(s.ctt_date_dep->text(), "00:00:00");
    s.ctt_date_fin->setText("31/02/2026");
    quitte(s.ctt_date_fin);
    EXPECT_EQ(s.ctt_date_fin->text(), "14/03/2026");
}

TEST_F(fenêtre_statistiques, type_orientation_et_agrandissement_du_graphique)
{
    f_statistiques& s = ouvre();
    s.op_type[1]->click();
    s.Op_typ_graph.at(14)->click();
    EXPECT_EQ(s.type_graphique, 14);
    EXPECT_EQ(s.Op_typ_graph.at(14)->text(), "14");
    EXPECT_EQ(s.grh->chart()->series().size(), 1);  // a pie per series

    // The other orientation: a series per row.
    s.Op_inverse[1]->click();
    EXPECT_EQ(s.graphique_dessiné().séries, QStringList({"enfants", "adultes", "Autres sels"}));
    s.Op_inverse[0]->click();
    EXPECT_EQ(s.graphique_dessiné().séries, QStringList{"nombre"});

    // "Diminuer" in the normal place enlarges; the double-click keeps its own state.
    const QRect normale = s.grh->geometry();
    s.graph[4]->trigger();
    const QRect agrandie = s.grh->geometry();
    EXPECT_EQ(agrandie.topLeft(), QPoint(0, 0));
    EXPECT_GT(agrandie.width(), normale.width());
    s.grh_DblClick();
    EXPECT_EQ(s.grh->geometry(), agrandie);
    s.grh_DblClick();
    EXPECT_NE(s.grh->geometry(), normale);
    EXPECT_GT(s.grh->width(), normale.width());
    s.graph[3]->trigger();
    EXPECT_EQ(s.grh->geometry(), normale);
    s.graph[3]->trigger();
    EXPECT_EQ(s.grh->geometry(), agrandie);

    // The amount bands, one row without labels, in a pie: the bands are its
    // slices, each under the heading that says what it counts.
    s.op[2]->click();
    s.op_type_échange[3]->click();
    ASSERT_EQ(s.grh->chart()->series().size(), 1);
    const auto* pie = qobject_cast<QPieSeries*>(s.grh->chart()->series()[0]);
    ASSERT_TRUE(pie);
    EXPECT_EQ(pie->count(), 4);
    EXPECT_EQ(s.graphique_dessiné().séries,
              QStringList({"0 < x < 100", "100 <= x < 500", "500 <= x < 1000", "x >= 1000"}));
    // So they read on paper.
    vers_pdf(imprimante(), chemin("tranches.pdf"));
    s.gr[3]->trigger();
    if (const auto texte = texte_pdf(chemin("tranches.pdf")))
        EXPECT_TRUE(texte->simplified().contains("0 < x < 100 100 <= x < 500 500 <= x < 1000 x >= 1000"))
            << texte->toStdString();
}

// The history as it prints from its tab: a damaged record is left out and
// told, and a last snapshot dated later than now (a clock once set ahead)
// does not make the quarter's exchanges none.
TEST_F(fenêtre_statistiques, un_historique_endommagé_sur_papier)
{
    stat_trimestre ancien;
    ancien.trimestre = QStringLiteral(" 2025- 4°trim");
    ancien.nbr_adhérents = 7;
    stat_trimestre courant;
    courant.trimestre = libellé_trimestre();
    courant.nbr_opérations = 4;
    courant.date_relevé = maintenant() + 30;
    écrit(nom_fichier_évolution, encode_trimestre(ancien) + QByteArray(taille_stat_trimestre, '\xff') +
                                     encode_trimestre(courant));
    // A member's exchange of today.
    ligne_de_compte& l = données.table_lignes_compte[7];
    l.dte_enr = l.dte_opé = date_depuis(aujourdhui());
    l.compte = 3, l.sens = QStringLiteral("1"), l.montant = monnaie::unités(20);
    données.nombre_lignes_compte = 7;
    f_statistiques& s = ouvre();
    s.op[3]->click();
    s.Op_évolution[2]->click();
    EXPECT_TRUE(boîtes.textes().join('|').contains("L'enregistrement n° 2 du fichier evolstat.dat est endommagé"))
        << boîtes.textes().join('|').toStdString();
    vers_pdf(imprimante(), chemin("évolution.pdf"));
    s.gr[3]->trigger();
    const auto texte = texte_pdf(chemin("évolution.pdf"));
    if (!texte)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    // Today's exchange is added on.
    EXPECT_TRUE(texte->simplified().contains(libellé_trimestre().simplified() + " 5 20")) << texte->toStdString();
    EXPECT_TRUE(texte->contains("2025- 4°trim"));
    EXPECT_FALSE(texte->contains(QChar(0xFF)) || texte->contains("-1")) << texte->toStdString();
}

TEST_F(fenêtre_statistiques, captures_d_écran)
{
    données = {};
    initialise_paramètres();
    remplit_association_essai(données, {120, 300, 600, 60});
    for (int i = 0; i < 10; ++i)
        données.valeurs_critère1[i] = QStringLiteral("Quartier %1").arg(QChar('A' + i));
    données.titre_critère1 = QStringLiteral("Quartier");
    f_statistiques& s = ouvre();
    s.op[2]->click();
    s.op_type_échange[6]->click();
    EXPECT_TRUE(s.grab().save(sortie(QStringLiteral("f_statistiques_tableau.png"))));

    s.op[0]->click();
    s.op_type[7]->click();
    s.Op_typ_graph.at(types_graphique::barres)->click();
    s.grh_DblClick();
    EXPECT_TRUE(s.grab().save(sortie(QStringLiteral("f_statistiques_graphique.png"))));
}
