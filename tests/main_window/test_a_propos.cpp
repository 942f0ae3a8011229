#include "main_window/a_propos.h"
#include "support/dossier_test.h"
#include "ui_common/shell.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace {

struct shell_noté : service_shell {
    QList<QUrl> ouverts;
    bool ouvre(const QUrl& adresse) override
    {
        ouverts << adresse;
        return true;
    }
};

class boîte_à_propos : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        installe_shell(&noté);
    }
    void TearDown() override
    {
        installe_shell(nullptr);
        essai_dossier::TearDown();
    }
    shell_noté noté;
};

}  // namespace

TEST_F(boîte_à_propos, version_et_liens)
{
    p_a_propos boîte;
    EXPECT_EQ(boîte.desciption->text(), "Version 1 2");
    boîte.Text2_Click(4);
    boîte.Text2_Click(3);
    boîte.Text2_Click(1);
    boîte.Text2_Click(2);
    ASSERT_EQ(noté.ouverts.size(), 2);
    EXPECT_EQ(noté.ouverts[0].toString(), "mailto:trovane@ostrane.example.org");
    EXPECT_EQ(noté.ouverts[1].toString(), adresse_site);
}

TEST_F(boîte_à_propos, un_clic_sur_le_fond_la_ferme_pas_sur_un_texte)
{
    auto* boîte = new p_a_propos;
    QPointer<p_a_propos> garde(boîte);
    boîte->setAttribute(Qt::WA_DeleteOnClose);
    boîte->show();
    QTest::mouseClick(boîte->Label1[0], Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(garde);
    EXPECT_TRUE(boîte->isVisible());
    QTest::mouseClick(boîte, Qt::LeftButton, {}, QPoint(5, boîte->height() - 5));
    QApplication::processEvents();
    EXPECT_TRUE(!garde || !garde->isVisible());
}
