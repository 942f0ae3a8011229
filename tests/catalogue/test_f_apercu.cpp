#include "catalogue/f_apercu.h"

#include "catalogue/catalogue_essai.h"
#include "catalogue/construction.h"
#include "catalogue/f_catalogue.h"
#include "catalogue/fenetres_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// What to do when the waiting view shows a label.
struct étape {
    QString vue;
    std::function<void()> action;
};

class fenêtre_aperçu : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        petite_association();
        enregistre_fenêtres_catalogue();
        données_sel& d = données;
        d.type_catalogue = 1;
        d.cat_classement[1] = 1;
        d.cat_sommaire[1] = 1;
        d.cat_liste_adhérents[1] = 1;
        d.cat_format[1] = 0;
        d.cat_écrire_offre[1] = 1;
        d.cat_numéro[1] = 12;
        d.cat_date[1] = "15/09/2025";
        // Section 1 shown by its picture, section 2 by its name.
        d.cat_rubriques_images[1] = 1;
        QImage image(300, 60, QImage::Format_RGB32);
        image.fill(QColor(255, 240, 200));
        {
            QPainter p(&image);
            p.setPen(QColor(120, 60, 0));
            p.setFont(QFont("Arial", 24, QFont::Bold));
            p.drawText(image.rect(), Qt::AlignCenter, "Alimentation");
        }
        image.save(chemin("alimentation.png"));
        d.images_rubriques[1] = chemin("alimentation.png");
        hauteur_images = 900;

        // Nothing reaches a real printer: the program's printer writes a file.
        QPrinter& p = imprimante();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(chemin("imprimé.pdf"));
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageOrientation(QPageLayout::Portrait);
        surface_imprimante papier_(p);
        prépare_catalogue(gg(), papier_);
    }
    void TearDown() override
    {
        décharge_fenêtre("f_aperçu");
        décharge_fenêtre("F_catalogue");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        essai_catalogue::TearDown();
    }

    // Runs départ (which shows the first view), then each step in turn, each
    // when the view shown has its label: the buttons move the run on, nothing
    // waits in between.
    void joue(f_aperçu& w, std::vector<étape> étapes, const std::function<void()>& départ)
    {
        départ();
        for (std::size_t i = 0; i < étapes.size(); ++i) {
            ASSERT_TRUE(w.en_attente()) << "step " << i;
            ASSERT_EQ(w.lbl_pd->text(), étapes[i].vue) << "step " << i;
            étapes[i].action();
        }
    }
    static QString capture(const QString& nom)
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath(nom);
    }
};

TEST_F(fenêtre_aperçu, comme_impression_puis_fermeture)
{
    ASSERT_EQ(dernière_page_catalogue, 2);  // title page, offers and requests, members
    f_aperçu& w = *charge_fenêtre<f_aperçu>("f_aperçu");
    // The picture is the A4 sheet at the screen's scale (15 twips a pixel),
    // 300 twips left of the window's edge and under the tool bar.
    EXPECT_EQ(w.aperçu->geometry(), QRect(20, w.cadre->height() + 20, 794, 1123));
    w.show();
    QCoreApplication::processEvents();
    boîtes.réponses = {rép_ok};
    joue(w,
         {{"0",
           [&] {
               // The title page at real size, scrolled to its middle.
               w.VS->setValue(w.VS->minimum() + 4500);
               EXPECT_TRUE(w.grab().save(capture("f_apercu_sommaire.png")));
               w.ob_zoom[1]->click();
               EXPECT_EQ(w.VS->value(), w.VS->minimum());
               EXPECT_TRUE(w.aperçu->isHidden());
               EXPECT_TRUE(w.grab().save(capture("f_apercu_sommaire_ajuste.png")));
               w.VS->setValue(w.VS->minimum() + 3000);
               w.ob_zoom[0]->click();
               EXPECT_EQ(w.VS->value(), w.VS->minimum() + 3000);  // kept
               w.VS->setValue(w.VS->minimum());
               w.bt_suivant->click();
           }},
          {"2", [&] { w.bt_suivant->click(); }},  // then the word about the backs
          {"3", [&] { w.bt_précédent->click(); }},
          {"3", [&] { w.bt_suivant->click(); }},
          {"1",
           [&] {
               EXPECT_TRUE(w.grab().save(capture("f_apercu_page.png")));
               w.close();
           }}},
         [&] { w.ob_typ_ap_Click(1); });
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("A l'impression, vous devrez retourner vos feuilles"));
    // Closed while a view waited: the run ended, the catalogue window is back.
    EXPECT_EQ(commande_aperçu, "annuler");
    EXPECT_EQ(fenêtre_chargée("f_aperçu"), nullptr);
    fenêtre_programme* catalogue = fenêtre_chargée("F_catalogue");
    ASSERT_NE(catalogue, nullptr);
    EXPECT_TRUE(catalogue->feuille().isVisible());
}

TEST_F(fenêtre_aperçu, changement_de_mode_et_impression)
{
    f_aperçu& w = *charge_fenêtre<f_aperçu>("f_aperçu");
    boîtes.réponses = {rép_non};
    joue(w,
         {{"0", [&] { w.ob_typ_ap[0]->click(); }},  // the as-printed run gives way
          {"0", [&] { w.bt_suivant->click(); }},
          {"1",
           [&] {
               // The whole catalogue, in reading order; the view stays.
               w.bt_imprimer->click();
               EXPECT_EQ(w.lbl_pd->text(), "1");
               EXPECT_TRUE(w.en_attente());
               w.bt_suivant->click();
           }},
          {"2", [&] { w.bt_suivant->click(); }},
          {"0", [&] { w.bt_annuler->click(); }}},
         [&] { w.ob_typ_ap_Click(1); });
    // No pause in reading order; the closing question, answered No.
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Vous venez d'éditer le catalogue,"));
    EXPECT_TRUE(QFileInfo(chemin("imprimé.pdf")).size() > 0);
}

// A box that, while it is up, closes the preview, and then does what a real
// box's own event loop would do with a window closed meanwhile.
struct boîtes_qui_ferment : dialogues_scriptés {
    std::function<void()> pendant;
    int message(const QString& texte, int style, const QString& titre) override
    {
        if (pendant)
            std::exchange(pendant, nullptr)();
        return dialogues_scriptés::message(texte, style, titre);
    }
};

TEST_F(fenêtre_aperçu, fermée_pendant_sa_propre_impression)
{
    QPointer<f_aperçu> w = charge_fenêtre<f_aperçu>("f_aperçu");
    w->ob_typ_ap_Click(1);
    boîtes_qui_ferment b;
    b.réponses = {rép_non};
    b.pendant = [&] {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(w.isNull());
    };
    installe_dialogues(&b);
    w->bt_imprimer->click();  // the closing question (a file: no pause between the sides): the window closes
    installe_dialogues(&boîtes);
    // The print went to its end, the window was kept until then, and goes.
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].texte.startsWith("Vous venez d'éditer le catalogue,"));
    EXPECT_FALSE(w.isNull());
    EXPECT_EQ(fenêtre_chargée("f_aperçu"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(fenêtre_aperçu, ouverte_par_la_fenêtre_catalogue)
{
    auto* catalogue = charge_fenêtre<F_catalogue>("F_catalogue");
    catalogue->show();
    f_aperçu* w = nullptr;
    QTimer t;
    int tours = 0;
    t.setInterval(5);
    QObject::connect(&t, &QTimer::timeout, [&] {
        if (!w)
            w = dynamic_cast<f_aperçu*>(fenêtre_chargée("f_aperçu"));
        if (w && w->en_attente()) {
            EXPECT_FALSE(catalogue->isVisible());
            EXPECT_EQ(w->lbl_pd->text(), "0");  // as printed, from the first front
            EXPECT_TRUE(w->ob_typ_ap[1]->isChecked());
            t.stop();
            w->bt_annuler->click();
        } else if (++tours > 2000) {
            ADD_FAILURE() << "the preview did not start its run";
            t.stop();
            if (w)
                w->close();
        }
    });
    t.start();
    catalogue->bt_aperçu->setEnabled(true);
    catalogue->bt_aperçu->click();
    EXPECT_NE(w, nullptr);
    EXPECT_TRUE(catalogue->isVisible());
}

}  // namespace
