#include "catalogue/f_catalogue.h"

#include "catalogue/catalogue_essai.h"
#include "catalogue/fenetres_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

void double_clic(QWidget* w)
{
    const QPointF centre(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseButtonDblClick, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void tape(QWidget* w, const QString& texte)
{
    for (const QChar c : texte) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &e);
    }
}

class fenêtre_catalogue : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        petite_association();
        enregistre_fenêtres_catalogue();
        hauteur_ligne_vide = 300;
        hauteur_images = 1750;
        données.type_catalogue = 1;
        données.cat_code = {2, 1};
        données.cat_numéro = {3, 12};
        données.cat_date = {"01/03/2026", "15/09/2025"};
    }
    void TearDown() override
    {
        décharge_fenêtre("F_catalogue");
        essai_catalogue::TearDown();
    }
    F_catalogue& ouvre()
    {
        f = charge_fenêtre<F_catalogue>("F_catalogue");
        return *f;
    }
    F_catalogue* f = nullptr;
};

TEST_F(fenêtre_catalogue, ouverture_et_choix_du_type)
{
    F_catalogue& w = ouvre();
    // The stored heights are shown and kept: 300 and 1750 twips are no entry
    // of the lists, so each gets one of its own, in order.
    EXPECT_FLOAT_EQ(hauteur_ligne_vide, 300);
    EXPECT_FLOAT_EQ(hauteur_images, 1750);
    EXPECT_EQ(w.cb_hauteur_ligne_vide->currentText(), "5,3");
    EXPECT_EQ(w.cb_hauteur_ligne_vide->itemText(1), "4");
    EXPECT_EQ(w.cb_hauteur_ligne_vide->itemText(3), "6");
    EXPECT_EQ(w.cb_hauteur_images->currentText(), "30,9");
    EXPECT_EQ(w.cb_hauteur_images->count(), 6);
    EXPECT_TRUE(boîtes.messages.empty());
    // Picked by the user, a height is stored; the stored one comes back whole.
    w.cb_hauteur_ligne_vide->setCurrentIndex(1);
    w.cb_hauteur_ligne_vide_Click();
    EXPECT_FLOAT_EQ(hauteur_ligne_vide, 4 * 56.7f);
    w.cb_hauteur_ligne_vide->setCurrentIndex(2);
    w.cb_hauteur_ligne_vide_Click();
    EXPECT_FLOAT_EQ(hauteur_ligne_vide, 300);
    w.cb_hauteur_images->setCurrentIndex(0);
    w.cb_hauteur_images_Click();
    EXPECT_FLOAT_EQ(hauteur_images, 20 * 56.7f);
    EXPECT_EQ(w.cb_taille->count(), 13);
    EXPECT_GE(w.cb_police->findText("Arial"), 0);

    // The catalogue's own options; its number and date beside the supplement's.
    EXPECT_TRUE(w.ob_type[1]->isChecked());
    EXPECT_TRUE(w.ob_code[1]->isChecked());
    EXPECT_EQ(w.cadre_polices->title(), "Polices des catalogues");
    EXPECT_EQ(w.cadre_qui->title(), "...dans les catalogues");
    EXPECT_FALSE(w.ctt_num_additif->isEnabled());
    EXPECT_TRUE(w.ctt_numéro_catalogue->isEnabled());
    EXPECT_EQ(w.ctt_numéro_catalogue->text(), "12");
    EXPECT_EQ(w.ctt_date_additif->text(), "01/03/2026");
    // Sub-sections stored at section level move to sub-section level.
    EXPECT_TRUE(w.Chk_sous_rubriques->isChecked());
    EXPECT_TRUE(w.Op_niveau_rubrique[1]->isChecked());
    EXPECT_EQ(données.cat_niveau_rubrique[1], 1);
    // The format follows the printer (portrait).
    EXPECT_TRUE(w.ob_format[0]->isChecked());
    EXPECT_EQ(données.cat_format[1], 0);
    EXPECT_EQ(w.Chk_num_adh->isEnabled(), w.Chk_adhérents->isChecked());

    w.ob_type[0]->click();
    EXPECT_EQ(données.type_catalogue, 0);
    EXPECT_TRUE(w.ob_code[2]->isChecked());
    EXPECT_EQ(w.cadre_polices->title(), "Polices des additifs");
    EXPECT_TRUE(w.ctt_num_additif->isEnabled());
    EXPECT_TRUE(w.ctt_numéro_catalogue->isEnabled());
    w.ob_code[0]->click();
    EXPECT_EQ(données.cat_code[0], 0);
    EXPECT_EQ(données.cat_code[1], 1);
    w.ob_type[1]->click();
    EXPECT_TRUE(w.ob_code[1]->isChecked());
}

TEST_F(fenêtre_catalogue, éditeur_de_styles)
{
    données.police_demandes[1] = "Police inconnue";
    données.taille_demandes[1] = 10.5f;
    données.taille_offres[0] = 24;
    données.taille_sommaire[1] = 0;
    F_catalogue& w = ouvre();
    // Outside 8..20: shown and stored as 8, with an empty sample.
    w.ob_type[0]->click();
    EXPECT_EQ(w.cb_taille->currentText(), "8");
    EXPECT_EQ(données.taille_offres[0], 8);
    EXPECT_TRUE(w.lbl_aperçu->text().isEmpty());
    w.ob_type[1]->click();

    // A font this machine lacks is shown as Arial, but the style keeps its
    // own name until the user picks a font or a size; 10.5 points as 10.
    w.Ob_font[1]->click();
    EXPECT_EQ(w.cb_police->currentText(), "Arial");
    EXPECT_EQ(w.lbl_aperçu->font().family(), "Arial");
    EXPECT_EQ(données.police_demandes[1], "Police inconnue");
    EXPECT_EQ(w.cb_taille->currentText(), "10");
    EXPECT_EQ(données.taille_demandes[1], 10);
    EXPECT_EQ(w.lbl_aperçu->text(), "Demandes");
    EXPECT_EQ(w.cadre_font->y(), w.Ob_font[1]->y());
    w.ob_type[0]->click();
    w.ob_type[1]->click();
    EXPECT_EQ(données.police_demandes[1], "Police inconnue");
    w.Ob_font[1]->click();
    w.cb_taille->setCurrentIndex(w.cb_taille->findText("11"));
    w.cb_taille_Click();
    EXPECT_EQ(données.police_demandes[1], "Arial");
    EXPECT_EQ(données.taille_demandes[1], 11);
    données.police_rubriques[1] = "Police inconnue";
    w.Ob_font[2]->click();
    w.cb_police->setCurrentIndex(w.cb_police->findText("Times New Roman"));
    w.cb_police_Click();
    EXPECT_EQ(données.police_rubriques[1], "Times New Roman");

    // No size: none chosen, nothing stored.
    w.Ob_font[4]->click();
    EXPECT_EQ(w.cb_taille->currentIndex(), -1);
    EXPECT_EQ(données.taille_sommaire[1], 0);

    // Bold and italic act on the chosen style alone.
    const bool gras = données.gras_sommaire[1];
    w.bt_gras->click();
    EXPECT_EQ(données.gras_sommaire[1], !gras);
    EXPECT_EQ(w.lbl_aperçu->font().bold(), !gras);
    EXPECT_EQ(données.gras_offres[1], false);

    const int taille = w.cb_taille->findText("14");
    w.Ob_font[0]->click();
    w.cb_taille->setCurrentIndex(taille);
    w.cb_taille_Click();
    EXPECT_EQ(données.taille_offres[1], 14);
    EXPECT_EQ(données.taille_offres[0], 8);  // the supplement keeps its own
}

TEST_F(fenêtre_catalogue, options_liées)
{
    F_catalogue& w = ouvre();
    // By postal code: the postal code is printed, and the user is told.
    w.op_classement[4]->click();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Trovane commande automatiquement l'impression des codes postaux"));
    EXPECT_TRUE(w.ob_code[3]->isChecked());
    EXPECT_EQ(données.cat_code[1], 3);
    boîtes.messages.clear();
    w.op_classement[4]->click();
    EXPECT_TRUE(boîtes.messages.empty());

    // Labels only with the sort by offer/request.
    w.op_classement[1]->click();
    EXPECT_TRUE(w.Chk_écrire_offre->isEnabled());
    w.op_classement[0]->click();
    EXPECT_FALSE(w.Chk_écrire_offre->isEnabled());

    // Section level unticks the sub-sections; ticking them moves the level.
    w.Op_niveau_rubrique[0]->click();
    EXPECT_FALSE(w.Chk_sous_rubriques->isChecked());
    EXPECT_EQ(données.cat_sous_rubriques[1], 0);
    w.Chk_sous_rubriques->click();
    EXPECT_TRUE(w.Op_niveau_rubrique[1]->isChecked());
    EXPECT_EQ(données.cat_niveau_rubrique[1], 1);

    // The sub-sub-section level warns at the next sort choice, except "Ne pas reclasser".
    w.Op_niveau_rubrique[2]->click();
    boîtes.messages.clear();
    w.op_classement[3]->click();
    EXPECT_TRUE(boîtes.messages.empty());
    w.op_classement[2]->click();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Attention, le classemment par sous-sous-rubriques"));

    w.ob_rubriques[0]->click();
    EXPECT_FALSE(w.cb_hauteur_images->isVisibleTo(&w));
    w.ob_rubriques[1]->click();
    EXPECT_TRUE(w.cb_hauteur_images->isVisibleTo(&w));
    w.Chk_adhérents->click();
    EXPECT_EQ(w.Chk_num_adh->isEnabled(), w.Chk_adhérents->isChecked());
    EXPECT_EQ(données.cat_liste_adhérents[1], w.Chk_adhérents->isChecked() ? 1 : 0);
    w.Chk_sauts->click();
    EXPECT_EQ(données.cat_sans_sauts[1].en_nombre(), 1);
}

TEST_F(fenêtre_catalogue, numéros_et_dates)
{
    F_catalogue& w = ouvre();
    w.ctt_numéro_catalogue->setText("7");
    double_clic(w.ctt_numéro_catalogue);
    EXPECT_EQ(w.ctt_numéro_catalogue->text(), "8");
    EXPECT_EQ(données.cat_numéro[1], 8);
    // Not a number: the last valid one stays.
    w.ctt_numéro_catalogue->setText("huit");
    double_clic(w.ctt_numéro_catalogue);
    EXPECT_EQ(données.cat_numéro[1], 8);
    w.ctt_numéro_catalogue->setText("40000");
    EXPECT_EQ(données.cat_numéro[1], 8);

    w.ctt_date_catalogue->clear();
    tape(w.ctt_date_catalogue, "14.03-2026");
    EXPECT_EQ(w.ctt_date_catalogue->text(), "14/03/2026");
    EXPECT_EQ(données.cat_date[1], "14/03/2026");
    double_clic(w.ctt_date_catalogue);
    EXPECT_EQ(données.cat_date[1], "samedi 14 mars 2026");
}

TEST_F(fenêtre_catalogue, extraction_aperçu_et_fermeture)
{
    F_catalogue& w = ouvre();
    EXPECT_FALSE(w.bt_aperçu->isEnabled());
    // No caption without its figure before the first build.
    for (const QLabel* l : {w.lblpb, w.Label4, w.Label2})
        EXPECT_FALSE(l->isVisibleTo(&w)) << l->objectName().toStdString();
    // While the build runs the window does not close (its closing would
    // refill the grid being built), and the main window's labels get the counts.
    bool fermée_pendant = true;
    int pages = 0;
    branche_catalogue({[](grille& g, bool d) { affiche_offres_demandes(g, d); },
                       [&](int p, int) { pages = p, fermée_pendant = décharge_fenêtre("F_catalogue"); }});
    w.bt_préparer->click();
    EXPECT_FALSE(fermée_pendant);
    EXPECT_EQ(pages, w.lbl_nbr_pages->text().toInt());
    EXPECT_TRUE(w.bt_aperçu->isEnabled());
    // The members by number and name, not their bare positions.
    ASSERT_EQ(w.liste_adh->count(), 2);
    EXPECT_EQ(w.liste_adh->item(1)->data(Qt::UserRole).toInt(), 5);
    EXPECT_EQ(w.liste_adh->item(1)->text(), QStringLiteral("5  ") + données.table_adhérents[5].identifiant.trimmed());
    EXPECT_FALSE(w.lbl_nbr_pages->text().isEmpty());
    EXPECT_EQ(w.lbl_je_fais_quoi->text() + "|" + w.lbl_per_cent->text(), " Mise en page|100%");
    for (const QLabel* l : {w.lblpb, w.Label4, w.Label2})
        EXPECT_TRUE(l->isVisibleTo(&w)) << l->objectName().toStdString();
    EXPECT_EQ(gg().forme(), forme_grille::catalogue);
    EXPECT_TRUE(w.bt_préparer->isEnabled());

    const QString capture = QDir(QCoreApplication::applicationDirPath()).filePath("F_catalogue.png");
    EXPECT_TRUE(w.grab().save(capture));

    // An option that changes the layout disables the preview; one that does
    // not leaves it.
    w.Op_liste_adh[1]->click();
    EXPECT_TRUE(w.bt_aperçu->isEnabled());
    w.ob_qui[1]->click();
    EXPECT_FALSE(w.bt_aperçu->isEnabled());

    // Closing writes the data file and shows the offers and requests again.
    données.mode_grille = "catalogue";
    EXPECT_TRUE(décharge_fenêtre("F_catalogue"));
    EXPECT_TRUE(QFileInfo::exists(chemin("trovane.sel")));
    EXPECT_EQ(données.mode_grille, "base");
    EXPECT_EQ(gg().forme(), forme_grille::décodée);
}

}  // namespace
