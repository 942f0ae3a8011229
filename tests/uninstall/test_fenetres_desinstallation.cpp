// The windows and boxes the user sees: Delvorn's window and its buttons,
// Quastel's boxes on screen.
#include "essai_desinstallation.h"
#include "uninstall/fenetre_delvorn.h"
#include "uninstall/quastel.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

using namespace désinstallation;

namespace {

QString capture(const QString& nom) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + nom; }

using essai_fenêtres = essai_désinstallation;

TEST_F(essai_fenêtres, delvorn_montre_ses_deux_choix_et_se_ferme_après_un_clic)
{
    installe_trovane();
    delvorn::Form1 f({P, boîtes, lanceur});
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Désinstaller Trovane"));
    EXPECT_EQ(f.Command1->text(), QStringLiteral("Désinstaller tout"));
    EXPECT_EQ(f.Command3->text(), QStringLiteral("Désinstaller mais Garder les données pour une réinstallation"));
    EXPECT_EQ(f.File1->count(), 3);
    EXPECT_TRUE(f.grab().save(capture(QStringLiteral("capture_delvorn.png"))));

    f.Command1->click();  // answered No
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(existe(QStringLiteral("archives/trovane.sel")));
    EXPECT_EQ(boîtes.messages.size(), 1u);
}

TEST(boîtes_à_l_écran, oui_non_pose_la_question_et_non_est_la_sortie)
{
    const boîtes_qt b(QStringLiteral("Quastel"));
    const auto question = b.prépare(QStringLiteral("Etes-vous sûrs de vouloir désinstaller Trovane ?"),
                                    style_boîte::oui_non + style_boîte::question);
    EXPECT_EQ(question->windowTitle(), QStringLiteral("Quastel"));
    EXPECT_EQ(question->icon(), QMessageBox::Question);
    QStringList boutons;
    for (const QAbstractButton* x : question->buttons())
        boutons << x->text();
    boutons.sort();
    EXPECT_EQ(boutons, QStringList({"Non", "Oui"}));
    EXPECT_EQ(question->escapeButton()->text(), QStringLiteral("Non"));
    question->show();
    EXPECT_TRUE(question->grab().save(capture(QStringLiteral("capture_quastel_question.png"))));

    const auto fin = b.prépare(quastel::message_fin(QStringLiteral("/opt/trovane")),
                               style_boîte::ok + style_boîte::information);
    fin->show();
    EXPECT_TRUE(fin->grab().save(capture(QStringLiteral("capture_quastel_fin.png"))));
}

}  // namespace
