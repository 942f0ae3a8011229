#include "data/modele.h"
#include "ui_common/imprime.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void détruit_les_fenêtres_fermées()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPushButton* bouton_annuler(QWidget& boîte)
{
    for (QPushButton* b : boîte.findChildren<QPushButton*>())
        if (b->text() == "Annuler")
            return b;
    return nullptr;
}

class boîte_imprime : public ::testing::Test {
protected:
    void SetUp() override { arrêt_demandé = false; }
    void TearDown() override
    {
        imprime::instance().close();
        détruit_les_fenêtres_fermées();
        arrêt_demandé = false;
    }
};

}  // namespace

TEST_F(boîte_imprime, annuler_demande_l_arrêt_et_ferme_la_boîte)
{
    imprime::montre();
    QPointer<imprime> boîte = &imprime::instance();
    EXPECT_TRUE(boîte->isVisible());
    EXPECT_EQ(boîte->windowTitle(), "Trovane");
    EXPECT_EQ(boîte->page->text(), "J'imprime");

    QPushButton* annuler = bouton_annuler(*boîte);
    ASSERT_NE(annuler, nullptr);
    annuler->click();
    EXPECT_TRUE(arrêt_demandé);
    détruit_les_fenêtres_fermées();
    EXPECT_TRUE(boîte.isNull());

    // Hiding after a cancel creates nothing; the flag stays until a run clears it.
    imprime::cache();
    EXPECT_TRUE(arrêt_demandé);

    // The next run gets a fresh box with the same layout.
    imprime::montre();
    imprime& nouvelle = imprime::instance();
    EXPECT_TRUE(nouvelle.isVisible());
    EXPECT_EQ(nouvelle.page->text(), "J'imprime");
    EXPECT_EQ(nouvelle.Commande1->text(), "Annuler");
    EXPECT_EQ(nouvelle.size(), QSize(186, 97));
}

// A run as the statements window makes it: events run before each item, so
// a click during the first item stops the run before the second.
TEST_F(boîte_imprime, une_série_s_arrête_avant_l_élément_suivant)
{
    arrêt_demandé = false;
    imprime::montre();
    QStringList imprimés;
    for (const QString compte : {"Ada", "Bob", "Cléo"}) {
        QCoreApplication::processEvents();
        if (arrêt_demandé) {
            imprime::cache();
            break;
        }
        imprimés << compte;
        if (compte == "Ada")  // the user clicks while the first item prints
            QMetaObject::invokeMethod(imprime::instance().Commande1, "click", Qt::QueuedConnection);
    }
    EXPECT_EQ(imprimés, QStringList{"Ada"});
    EXPECT_TRUE(arrêt_demandé);
}

