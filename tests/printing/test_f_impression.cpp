#include "printing/f_impression.h"

#include "printing/fenetres_impression.h"
#include "printing/liste_membres.h"
#include "printing/essai_impression.h"
#include "support/dossier_test.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/impression_grille.h"
#include "ui_common/surface_imprimante.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>

namespace {

QString sortie(const QString& nom) { return QDir(QCoreApplication::applicationDirPath()).filePath(nom); }


void tape(QWidget* zone, const QString& texte)
{
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, c.isLetter() ? c.toUpper().unicode() : c.unicode(), Qt::NoModifier,
                        QString(c));
        QCoreApplication::sendEvent(zone, &appui);
    }
}

void quitte(QWidget* zone)
{
    QFocusEvent sortie_focus(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(zone, &sortie_focus);
}

class fenêtre_impression : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        ajoute_membres(6);
        données.table_adhérents[4].civilité = 1;
        données.table_adhérents[4].tel1 = QStringLiteral("04 78 00 00 04");
        données.table_adhérents[4].tel2 = QStringLiteral("06 00 00 00 04");
        QDir().mkpath(chemin(QStringLiteral("photos")));
        QImage portrait(300, 400, QImage::Format_RGB32);
        portrait.fill(QColor(90, 130, 180));
        ASSERT_TRUE(portrait.save(chemin(QStringLiteral("photos/m04.jpg"))));
        données.table_adhérents[4].photo = QStringLiteral("C:\\Trovane\\photos\\M04.JPG");
        enregistre_fenêtres_impression();
        pdf = chemin(QStringLiteral("sortie.pdf"));
        QPrinter& p = imprimante();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageOrientation(QPageLayout::Portrait);
    }
    void TearDown() override
    {
        ferme();
        branchement_charge_etat = nullptr;
        essai_dossier::TearDown();
    }
    f_impression& ouvre()
    {
        f = charge_fenêtre<f_impression>(QStringLiteral("f_impression"));
        if (!f)
            throw std::runtime_error("f_impression is not registered");
        return *f;
    }
    void ferme()
    {
        if (f)
            f->close();
        delete f.data();
    }
    QStringList identifiants() const
    {
        QStringList r;
        for (int i = 0; i < f->liste->count(); ++i)
            r << f->liste->item(i)->text().trimmed();
        return r;
    }

    QPointer<f_impression> f;
    QString pdf;
};

}  // namespace

TEST_F(fenêtre_impression, chaque_ouverture_reprend_les_mêmes_réglages)
{
    données.police_offres[0] = QStringLiteral("Police qui n'existe pas");
    for (int fois = 0; fois < 2; ++fois) {
        f_impression& w = ouvre();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Impression..."));
        EXPECT_EQ(w.mode_impression, QStringLiteral("listes"));
        EXPECT_FALSE(w.cadre_listes->isHidden());
        EXPECT_TRUE(w.cadre_étiquettes->isHidden());
        EXPECT_EQ(identifiants(), (QStringList{"M01", "M02", "M03", "M04", "M05", "M06"}));
        EXPECT_EQ(w.nombre_colonnes->currentText(), QStringLiteral(" 3"));
        EXPECT_EQ(w.Nombre_lignes->currentText(), QStringLiteral(" 7"));
        EXPECT_EQ(w.feuille.nb_colonnes, 3);
        EXPECT_EQ(w.feuille.nb_lignes, 7);
        EXPECT_EQ(w.taille_police->currentText(), QStringLiteral(" 12"));
        EXPECT_EQ(w.taille_police_impression, 12);
        // No printer font of the preferred name: the first one.
        EXPECT_EQ(w.choix_police->currentIndex(), 0);
        EXPECT_EQ(w.police_impression, w.choix_police->itemText(0));
        EXPECT_EQ(w.ctt_largeur->text(), largeur_page_mm(largeur_a4));  // the page preset, which is chosen
        EXPECT_TRUE(w.Op_entête[0]->isChecked() && w.op_tronc[1]->isChecked() && w.Op_largeur[1]->isChecked());
        // Two list columns, the grid built from the whole list.
        EXPECT_EQ(w.cb_nbr_cols->currentText(), QStringLiteral("2"));
        ASSERT_EQ(w.gg.Cols(), 2);
        EXPECT_EQ(w.gg.Rows(), 7);
        EXPECT_EQ(w.gg.TextMatrix(0, 1), QStringLiteral("Identifiant"));
        EXPECT_EQ(w.gg.TextMatrix(4, 0), QStringLiteral("4"));
        EXPECT_TRUE(w.lbl[2]->isVisibleTo(&w) && !w.lbl[3]->isVisibleTo(&w));

        // Choices that must not survive the window.
        w.op_quoi_Click(1);
        w.sortie_Click(3);
        w.bt_gras_Click();
        ferme();
    }
}

TEST_F(fenêtre_impression, le_panneau_des_étiquettes_et_ses_modes)
{
    f_impression& w = ouvre();
    w.liste->setCurrentRow(3);
    w.op_quoi_Click(1);
    EXPECT_EQ(w.mode_impression, QStringLiteral("étiquettes"));
    EXPECT_EQ(w.type_sortie, QStringLiteral("étiquette"));
    EXPECT_EQ(w.adhérent_modèle, 1);  // the first member of the list
    EXPECT_FALSE(w.modèle_dessiné().isNull());

    w.sortie_Click(3);
    EXPECT_EQ(w.type_sortie, QStringLiteral("carte_id"));
    EXPECT_EQ(w.feuille.nb_colonnes, 2);
    EXPECT_EQ(w.feuille.nb_lignes, 4);
    EXPECT_FALSE(w.nombre_colonnes->isEnabled() || w.Nombre_lignes->isEnabled());
    w.sortie_Click(1);
    EXPECT_FALSE(w.nombre_colonnes->isEnabled());
    w.sortie_Click(0);
    EXPECT_TRUE(w.nombre_colonnes->isEnabled() && w.Nombre_lignes->isEnabled());
    EXPECT_EQ(w.feuille.nb_colonnes, 2);

    // The start label: third column of the second row, back to the first on a new layout.
    w.nombre_colonnes->setCurrentIndex(1);
    w.nombre_colonnes_Click();
    w.Visuel_MouseDown(w.Visuel->width() * 0.8, w.Visuel->height() * 0.3);  // 3 x 4 now
    EXPECT_EQ(w.feuille.colonne_départ, 2);
    EXPECT_EQ(w.feuille.ligne_départ, 1);
    w.Nombre_lignes->setCurrentIndex(0);
    w.Nombre_lignes_Click();
    EXPECT_EQ(w.feuille.colonne_départ, 0);
    EXPECT_EQ(w.feuille.ligne_départ, 0);

    // A click on a member draws it on the model.
    w.liste->setCurrentRow(4);
    EXPECT_EQ(w.adhérent_modèle, 5);
}

TEST_F(fenêtre_impression, sans_membre_le_modèle_ne_change_pas)
{
    données.nombre_adhérents = 0;
    f_impression& w = ouvre();
    EXPECT_EQ(w.liste->count(), 0);
    w.adhérent_modèle = 3;
    w.op_quoi_Click(1);
    EXPECT_EQ(w.adhérent_modèle, 3);
}

TEST_F(fenêtre_impression, imprimer_la_sélection)
{
    f_impression& w = ouvre();
    w.op_quoi_Click(1);
    w.liste->clearSelection();
    w.bt_imprimer_un_Click();  // nothing selected: said, and every member back
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("Il n'y a aucun élément sélectionné dans la liste"));
    EXPECT_EQ(w.liste->count(), 6);
    EXPECT_FALSE(QFile::exists(pdf));

    w.liste->clearSelection();
    w.liste->item(1)->setSelected(true);
    w.liste->item(4)->setSelected(true);
    w.bt_imprimer_un_Click();
    EXPECT_EQ(identifiants(), (QStringList{"M02", "M05"}));  // the list stays reduced
    ASSERT_TRUE(QFile::exists(pdf));
    const auto texte = texte_pdf(pdf);
    if (!texte)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    EXPECT_TRUE(texte->contains(QStringLiteral("Membre 2")));
    EXPECT_TRUE(texte->contains(QStringLiteral("Membre 5")));
    EXPECT_FALSE(texte->contains(QStringLiteral("Membre 1")));
    EXPECT_EQ(texte->count(QStringLiteral("Lyon")), 2);
}

TEST_F(fenêtre_impression, fermer_pendant_l_impression_l_arrête_d_abord)
{
    f_impression& w = ouvre();
    w.op_quoi[1]->click();
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    w.bt_imprimer->click();
    EXPECT_FALSE(QFile::exists(pdf));  // stopped after the first label, nothing sent
    ASSERT_TRUE(f);
    EXPECT_TRUE(w.bt_imprimer->isEnabled());
    EXPECT_TRUE(w.close());
}

TEST_F(fenêtre_impression, la_grille_suit_la_liste)
{
    f_impression& w = ouvre();
    w.liste->item(0)->setSelected(true);
    w.liste->item(2)->setSelected(true);
    w.ext_Click(1);  // drop the selected ones
    EXPECT_EQ(w.gg.Rows(), 5);
    EXPECT_EQ(w.gg.TextMatrix(1, 1), QStringLiteral("M02"));

    // A saved selection refills the list, and the grid with it.
    branchement_charge_etat = [](const QString& chemin, QWidget* liste) {
        auto* l = qobject_cast<QListWidget*>(liste);
        if (!l || !chemin.endsWith(QStringLiteral("Bureau.eta")))
            return false;
        l->clear();
        auto* e = new QListWidgetItem(QStringLiteral("M06"), l);
        e->setData(Qt::UserRole, 6);
        return true;
    };
    QDir().mkpath(chemin(QStringLiteral("etats")));
    écrit(QStringLiteral("etats/Bureau.eta"), "x");
    w.extraire_Click();
    ASSERT_TRUE(w.ext.contains(4));
    EXPECT_EQ(w.ext[4]->text(), QStringLiteral("Bureau"));
    w.ext_Click(4);
    EXPECT_EQ(w.gg.Rows(), 2);
    EXPECT_EQ(w.gg.TextMatrix(1, 0), QStringLiteral("6"));
    // Rebuilt at each opening: a deleted file's item goes.
    QFile::remove(chemin(QStringLiteral("etats/Bureau.eta")));
    w.extraire_Click();
    EXPECT_FALSE(w.ext.contains(4));

    // In lists mode, printing the selection prints a grid of the selection.
    w.bt_initialiser->click();
    EXPECT_EQ(w.gg.Rows(), 7);
    w.liste->clearSelection();
    w.liste->item(2)->setSelected(true);
    w.bt_imprimer_un_Click();
    EXPECT_EQ(w.gg.Rows(), 2);
    const auto texte = texte_pdf(pdf);
    if (!texte)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    EXPECT_TRUE(texte->contains(QStringLiteral("Le samedi 14 mars 2026")));
    EXPECT_TRUE(texte->contains(QStringLiteral("M03")));
    EXPECT_FALSE(texte->contains(QStringLiteral("M04")));
}

TEST_F(fenêtre_impression, la_largeur_en_millimètres)
{
    f_impression& w = ouvre();
    w.ctt_largeur->clear();
    tape(w.ctt_largeur, QStringLiteral("4a9,"));
    EXPECT_EQ(w.ctt_largeur->text(), QStringLiteral("49,"));  // letters never appear
    quitte(w.ctt_largeur);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("Dimension incorrecte"));
    EXPECT_EQ(w.ctt_largeur->text(), largeur_page_mm(largeur_a4));

    w.Op_largeur[0]->setChecked(true);
    w.ctt_largeur->setText(QStringLiteral("50"));
    quitte(w.ctt_largeur);
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(w.ctt_largeur->text(), QStringLiteral("50"));
    w.ctt_largeur->setText(QStringLiteral("500"));
    quitte(w.ctt_largeur);
    EXPECT_EQ(boîtes.messages.size(), 2u);
    // The grid's own width, narrower than the smallest accepted: brought up
    // to it, so that the preset can be printed.
    ASSERT_LT(largeur_grille_mm(w.gg), 50);
    EXPECT_EQ(w.ctt_largeur->text(), QStringLiteral("50"));
    w.bt_imprimer_Click();
    EXPECT_EQ(boîtes.messages.size(), 2u);
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(fenêtre_impression, une_largeur_refusée_n_imprime_rien)
{
    f_impression& w = ouvre();
    const QString préréglage = largeur_page_mm(largeur_a4);
    for (const char* largeur : {"abc", "49", "211"}) {
        // Typed without leaving the box, then printed.
        w.ctt_largeur->setText(QString::fromUtf8(largeur));
        w.bt_imprimer_Click();
        EXPECT_FALSE(QFile::exists(pdf)) << largeur;
        ASSERT_FALSE(boîtes.messages.empty()) << largeur;
        EXPECT_EQ(boîtes.messages.back().texte, QStringLiteral("Dimension incorrecte"));
        EXPECT_EQ(w.ctt_largeur->text(), préréglage) << largeur;
    }
    EXPECT_EQ(boîtes.messages.size(), 3u);
    // The preset now in the box prints.
    w.bt_imprimer_Click();
    EXPECT_EQ(boîtes.messages.size(), 3u);
    ASSERT_TRUE(QFile::exists(pdf));
    const auto texte = texte_pdf(pdf);
    if (!texte)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    EXPECT_TRUE(texte->contains(QStringLiteral("M03")));
}

TEST_F(fenêtre_impression, captures_des_deux_panneaux)
{
    f_impression& w = ouvre();
    w.cb_nbr_cols->setCurrentIndex(4);
    w.cb_nbr_cols_Click();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.grab().save(sortie(QStringLiteral("f_impression_listes.png"))));

    w.op_quoi[1]->click();
    w.sortie[2]->click();
    w.liste->setCurrentRow(3);  // member 4, with a photo
    w.Visuel_MouseDown(w.Visuel->width() * 0.7, w.Visuel->height() * 0.3);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.adhérent_modèle, 4);
    EXPECT_TRUE(w.op_quoi[1]->isChecked() && w.sortie[2]->isChecked());
    EXPECT_TRUE(w.grab().save(sortie(QStringLiteral("f_impression_cartes.png"))));
    EXPECT_TRUE(w.modèle_dessiné().save(sortie(QStringLiteral("f_impression_modèle_carte.png"))));

    // The cards from the second one on, printed.
    w.bt_imprimer->click();
    ASSERT_TRUE(QFile::exists(pdf));
    QFile::remove(sortie(QStringLiteral("f_impression_cartes.pdf")));
    QFile::copy(pdf, sortie(QStringLiteral("f_impression_cartes.pdf")));

    w.sortie[1]->click();
    EXPECT_TRUE(w.modèle_dessiné().save(sortie(QStringLiteral("f_impression_modèle_publipostage.png"))));

    // Labels with both margins, from the fifth label.
    w.sortie[0]->click();
    w.nombre_colonnes->setCurrentIndex(1);
    w.nombre_colonnes_Click();
    w.Nombre_lignes->setCurrentIndex(3);
    w.Nombre_lignes_Click();
    w.Chk_marg_gd->click();
    w.Chk_marg_hb->click();
    w.Visuel_MouseDown(w.Visuel->width() * 0.5, w.Visuel->height() * 0.2);
    w.liste->setCurrentRow(3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.grab().save(sortie(QStringLiteral("f_impression_étiquettes.png"))));
    EXPECT_TRUE(w.modèle_dessiné().save(sortie(QStringLiteral("f_impression_modèle_étiquette.png"))));
    w.bt_imprimer->click();
    QFile::remove(sortie(QStringLiteral("f_impression_étiquettes.pdf")));
    QFile::copy(pdf, sortie(QStringLiteral("f_impression_étiquettes.pdf")));
}
