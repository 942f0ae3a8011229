// The account-state window and the statement window on a small
// association: loading, the account and its figures, the kinds, the period,
// the list controls, saved selections and the member filter, printing one
// account or the whole list, closing.
#include "reports/association_rapports.h"
#include "reports/f_etats_comptes.h"
#include "reports/f_releves_comptes.h"
#include "reports/fenetres_reports.h"
#include "reports/pages_enregistrees.h"
#include "support/pdf_essai.h"
#include "ui_common/adaptation_ecran.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/imprime.h"
#include "ui_common/surface_imprimante.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

// The member filter box as the members library plays it: on closing, the
// members that pass fill the list of the window named by appelant_filtre.
class filtre_essai : public fenêtre_modale {
public:
    inline static std::vector<std::pair<QString, int>> passent;
    int exec() override
    {
        const destination_filtre d = destination_du_filtre(appelant_filtre);
        if (fenêtre_programme* f = charge_fenêtre(d.fenêtre))
            if (auto* liste = f->feuille().findChild<QListWidget*>(d.liste))
                for (const auto& [texte, numéro] : passent)
                    liste->addItem(texte), liste->item(liste->count() - 1)->setData(Qt::UserRole, numéro);
        return Accepted;
    }
};

// A printer on which "Annuler" is pressed once the first statement is out.
class papier_annulé : public surface_enregistrée {
protected:
    bool termine_document() override
    {
        const bool fait = surface_enregistrée::termine_document();
        if (documents().size() == 1)
            imprime::instance().Commande1->click();
        return fait;
    }
};

QStringList entrées(const QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << QString::number(l->item(i)->data(Qt::UserRole).toInt());
    return r;
}

void choisis(QComboBox* liste, int position)
{
    liste->setCurrentIndex(position);
    Q_EMIT liste->activated(position);
}

// The words of the one document that "Imprime pour le compte en cours" prints.
QStringList mots_du_relevé_imprimé(f_relevés_comptes& f)
{
    surface_enregistrée papier;
    f.papier_essai = &papier;
    f.bt_imprimer->click();
    f.papier_essai = nullptr;
    QStringList mots;
    EXPECT_EQ(papier.documents().size(), 1u);
    for (const auto& document : papier.documents())
        for (const page_dessinée& p : document)
            mots << mots_de(p);
    return mots;
}

void enregistre_image(QWidget& w, const QString& nom)
{
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath(nom)));
}

}  // namespace

class fenêtres_rapports : public essai_rapports {
protected:
    void SetUp() override
    {
        essai_rapports::SetUp();
        fichier_courant = chemin("trovane.sel");
        enregistre_fenêtres_comptes_rendus();
        enregistre_fenêtre("p_filtrfam", [] { return new filtre_essai; });
    }

    void TearDown() override
    {
        ferme_fenêtres();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        branchement_charge_etat = nullptr;
        filtre_essai::passent.clear();
        essai_rapports::TearDown();
    }

    template <class F>
    F& ouvre(const QString& nom)
    {
        auto* f = dynamic_cast<F*>(montre_fenêtre(nom));
        if (!f)
            throw std::runtime_error("window not registered");
        QApplication::processEvents();
        return *f;
    }
};

TEST_F(fenêtres_rapports, la_fenêtre_des_états_s_ouvre_sur_les_derniers_bons)
{
    auto& f = ouvre<f_états_comptes>("f_états_comptes");
    EXPECT_EQ(f.windowTitle(), " Trovane : les bons d'échange");
    // Every member whatever its status, then the named association accounts.
    EXPECT_EQ(entrées(f.Liste_comptes),
              QStringList({"1", "2", "3", "4", "5", "6", "7", "9995", "9997", "9998", "9999"}));
    EXPECT_EQ(f.Liste_comptes->item(0)->text(), données.table_adhérents[1].identifiant.str());
    // The sixth account is chosen, with the last five vouchers.
    EXPECT_EQ(f.Liste_comptes->currentRow(), 5);
    EXPECT_EQ(compte_courant, 6);
    EXPECT_EQ(f.num_cpt->text(), "6");
    EXPECT_EQ(f.cb_dernières->currentText(), "5 dernières");
    EXPECT_FALSE(f.période_choisie);
    EXPECT_FALSE(f.ctt_jour_dep->isEnabled());
    EXPECT_EQ(f.gg_compte.Rows(), 7);
    EXPECT_EQ(f.gg_compte.TextMatrix(6, 2), "Total des échanges ...");
    EXPECT_EQ(f.gg_compte.FontSize(), 12.0f);
    EXPECT_EQ(f.lbl_titre->text(), "Relevé des échanges  (5 dernières opérations)");
    EXPECT_EQ(f.nbr_listcount->text(), "11");
    EXPECT_EQ(f.ct_largeur_grille->text().toInt(), largeur_état_mm(f.gg_compte));
    EXPECT_TRUE(f.info->text().startsWith("Changez de police"));
    enregistre_image(f, "f_etats_comptes_bons.png");

    // An association account shows its own figures.
    f.Liste_comptes->setCurrentRow(7);
    EXPECT_EQ(compte_courant, 9995);
    EXPECT_EQ(f.lbl_der_solde->text(), "10");
    EXPECT_EQ(f.lbl_crédits->text(), "1");
    EXPECT_EQ(f.lbl_débits->text(), "0");
    EXPECT_EQ(f.lbl_volume->text(), "10");

    // The state of the accounts, with its totals.
    f.Op_type[1]->click();
    EXPECT_EQ(f.windowTitle(), " Trovane : l'état des comptes");
    EXPECT_TRUE(f.cadre_période->isHidden());
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 0), "N°");
    EXPECT_EQ(f.gg_compte.Rows(), 13);
    EXPECT_EQ(f.gg_compte.TextMatrix(12, 1), "Totaux: ");
    EXPECT_EQ(f.lbl_titre->text(), "Etat des comptes au  14/03/2026");
    enregistre_image(f, "f_etats_comptes_etat.png");
    f.Op_type[0]->click();
    EXPECT_FALSE(f.cadre_période->isHidden());
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 0), "Crédité.");

    // A whole month of the year typed, as that year's calendar has it.
    f.ctt_an_dep->setText("2024");
    choisis(f.cb_mois, 1);
    EXPECT_EQ(QStringList({f.ctt_jour_dep->text(), f.ctt_mois_dep->text(), f.ctt_an_dep->text(),
                           f.ctt_jour_fin->text(), f.ctt_mois_fin->text(), f.ctt_an_fin->text()}),
              QStringList({"01", "02", "2024", "29", "02", "2024"}));
    EXPECT_TRUE(f.période_choisie);
    EXPECT_TRUE(f.ctt_jour_dep->isEnabled());
    EXPECT_EQ(f.lbl_titre->text(), "Relevé des échanges  ( du 01/02/2024 au 29/02/2024)");
    EXPECT_EQ(f.gg_compte.Rows(), 2);
    f.ctt_an_dep->setText("2026");
    choisis(f.cb_mois, 1);
    EXPECT_EQ(f.gg_compte.Rows(), 4);
    EXPECT_EQ(f.gg_compte.TextMatrix(3, 3), " 1 550");

    // A wrong date is told and nothing is listed.
    f.ctt_jour_fin->setText("31");
    f.ctt_mois_fin->setText("04");
    f.bt_extraire_relevé->click();
    EXPECT_EQ(boîtes.textes().back(),
              "Le 31/04/2026 n'est pas une date correcte ou dans les limites des dates possibles");
    EXPECT_EQ(f.gg_compte.Rows(), 1);

    // Printing: the title as it stands, the grid under it, one document.
    choisis(f.cb_mois, 1);
    f.lbl_titre->setText("Bons de février");
    surface_enregistrée papier;
    f.papier_essai = &papier;
    f.bt_imprimer->click();
    ASSERT_EQ(papier.documents().size(), 1u);
    EXPECT_EQ(textes_de(papier.documents()[0][0]).at(0).texte, "Bons de février");
    EXPECT_TRUE(mots_de(papier.documents()[0][0]).contains(" 1 550"));
}

// The state needs members only, the vouchers account lines only; a table
// that cannot be built is told once and leaves its empty header, and
// printing it is refused with the same word.
TEST_F(fenêtres_rapports, chaque_tableau_ne_demande_que_ses_données)
{
    données.nombre_propositions = 0;
    auto& f = ouvre<f_états_comptes>("f_états_comptes");
    EXPECT_EQ(f.gg_compte.TextMatrix(f.gg_compte.Rows() - 1, 2), "Total des échanges ...");
    f.Op_type[1]->click();
    surface_enregistrée papier;
    f.papier_essai = &papier;
    f.bt_imprimer->click();
    ASSERT_EQ(papier.documents().size(), 1u);
    const QStringList mots = mots_de(papier.documents()[0][0]);
    EXPECT_EQ(mots.at(0), "Etat des comptes au  14/03/2026");
    EXPECT_TRUE(mots.contains("Position") && mots.contains("Gaëlle B.") && mots.contains("Totaux:"));
    EXPECT_TRUE(boîtes.messages.empty());

    // No exchange yet: no voucher, and the state still stands.
    données.nombre_lignes_compte = 0;
    f.Op_type[0]->click();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte,
              "Aucun échange n'est enregistré : il n'y a pas de bon d'échange à imprimer.");
    EXPECT_EQ(f.gg_compte.Rows(), 1);
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 0), "Crédité.");
    f.Liste_comptes->setCurrentRow(2);
    choisis(f.cb_taille_crédit, 3);
    EXPECT_EQ(boîtes.messages.size(), 1u);  // told once
    f.bt_imprimer->click();
    EXPECT_EQ(boîtes.textes().back(), boîtes.messages[0].texte);
    EXPECT_EQ(papier.documents().size(), 1u);
    f.Op_type[1]->click();
    EXPECT_EQ(f.gg_compte.TextMatrix(f.gg_compte.Rows() - 1, 1), "Totaux: ");

    // No member: no state.
    données.nombre_adhérents = 0;
    choisis(f.cb_taille_crédit, 4);
    EXPECT_EQ(boîtes.textes().back(), "Aucun adhérent n'est enregistré : il n'y a pas d'état des comptes à imprimer.");
    EXPECT_EQ(f.gg_compte.Rows(), 1);
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 0), "N°");
    f.bt_imprimer->click();
    EXPECT_EQ(papier.documents().size(), 1u);
    f.papier_essai = nullptr;
}

TEST_F(fenêtres_rapports, moins_de_six_comptes_aucun_n_est_choisi)
{
    données.nombre_adhérents = 2;
    for (int k = 1; k < nombre_comptes_asso; ++k)
        données.comptes_asso[static_cast<std::size_t>(k)].nom.clear();
    auto& f = ouvre<f_états_comptes>("f_états_comptes");
    EXPECT_EQ(f.Liste_comptes->count(), 3);
    EXPECT_EQ(f.Liste_comptes->currentRow(), -1);
    EXPECT_EQ(f.gg_compte.Rows(), 1);
    EXPECT_EQ(f.gg_compte.Cols(), 7);
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 6), "partenaire");

    // The catalogue statements: none chosen either, the first member shown
    // with its statement, and the count is the list's.
    données.mode_grille = "adhérents";
    auto& r = ouvre<f_relevés_comptes>("f_relevés_comptes");
    EXPECT_EQ(entrées(r.Liste_comptes), QStringList({"1", "2", "9995"}));
    EXPECT_EQ(r.Liste_comptes->currentRow(), -1);
    EXPECT_EQ(r.nbr_listcount->text(), "3");
    EXPECT_EQ(compte_courant, 1);
    EXPECT_EQ(r.num_cpt->text(), "1");
    EXPECT_TRUE(r.ctt_adresse->toPlainText().startsWith("NOM1 Prénom"));
    EXPECT_EQ(r.gg_compte.TextMatrix(0, 0), "Code");
    EXPECT_EQ(r.gg_compte.FontSize(), 10.0f);
}

TEST_F(fenêtres_rapports, la_liste_des_comptes_se_règle_et_se_réduit)
{
    auto& f = ouvre<f_états_comptes>("f_états_comptes");
    f.op_qui[2]->click();
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"9995", "9997", "9998", "9999"}));
    EXPECT_EQ(f.Liste_comptes->currentRow(), 0);
    EXPECT_FALSE(f.bt_trier->isEnabled());
    f.op_qui[1]->click();
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_TRUE(f.bt_filtres_eleves->isEnabled());

    // The number field and the spinner choose an entry.
    f.num_cpt->setText("3");
    Q_EMIT f.num_cpt->returnPressed();
    EXPECT_EQ(f.Liste_comptes->currentRow(), 2);
    f.num_cpt->setText("99");
    Q_EMIT f.num_cpt->returnPressed();
    EXPECT_EQ(f.Liste_comptes->currentRow(), 2);
    f.spin_adh->setValue(4);
    EXPECT_EQ(compte_courant, 5);

    // Keeping the selected entries, then the others.
    f.Liste_comptes->clearSelection();
    f.Liste_comptes->item(1)->setSelected(true);
    f.Liste_comptes->item(3)->setSelected(true);
    f.ext_Click(0);
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"2", "4"}));
    EXPECT_EQ(f.nbr_listcount->text(), "2");
    EXPECT_EQ(compte_courant, 2);
    f.Liste_comptes->selectAll();
    f.ext_Click(1);
    EXPECT_EQ(f.Liste_comptes->count(), 0);
    EXPECT_EQ(f.nbr_listcount->text(), "0");
    // "tous :-)" brings every account back, association accounts first.
    f.ext_Click(2);
    EXPECT_EQ(f.Liste_comptes->count(), 11);
    EXPECT_EQ(f.Liste_comptes->item(0)->data(Qt::UserRole).toInt(), 9995);
    EXPECT_EQ(f.Liste_comptes->currentRow(), 0);
}

TEST_F(fenêtres_rapports, les_sélections_enregistrées_et_le_filtre_des_membres)
{
    for (const char* nom : {"a.eta", "b.eta", "c.eta", "mars.2024.eta"})
        écrit(QStringLiteral("etats/") + nom, "x");
    QStringList lus;
    bool lisible = true;
    branchement_charge_etat = [&](const QString& chemin_lu, QWidget* liste) {
        lus << QFileInfo(chemin_lu).fileName();
        if (!lisible)
            return false;
        auto* l = qobject_cast<QListWidget*>(liste);
        l->clear();
        l->addItem("Céline D.");
        l->item(0)->setData(Qt::UserRole, 3);
        return true;
    };
    auto& f = ouvre<f_états_comptes>("f_états_comptes");
    f.extraire_Click();
    EXPECT_EQ(f.ext.at(4)->text(), "a");
    EXPECT_EQ(f.ext.at(5)->text(), "b");
    EXPECT_EQ(f.ext.at(7)->text(), "mars.2024");
    QFile::remove(chemin("etats/b.eta"));
    f.extraire_Click();
    EXPECT_EQ(f.ext.at(5)->text(), "c");
    EXPECT_EQ(f.ext.at(6)->text(), "mars.2024");
    EXPECT_FALSE(f.ext.contains(7));  // the menu is rebuilt: the deleted file's item goes

    // The item reads the file it was made for.
    f.ext.at(6)->trigger();
    EXPECT_EQ(lus, QStringList({"mars.2024.eta"}));
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"3"}));
    EXPECT_EQ(compte_courant, 3);
    EXPECT_EQ(f.nbr_listcount->text(), "1");
    // An unreadable selection leaves the list as it was.
    lisible = false;
    f.ext.at(4)->trigger();
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"3"}));

    // The member filter fills the state window's own list, which is then extracted.
    filtre_essai::passent = {{"Annick L.", 1}, {"Bernard M.", 2}};
    f.bt_filtres_eleves->click();
    EXPECT_EQ(appelant_filtre, "comptes_états");
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"1", "2"}));
    EXPECT_EQ(f.nbr_listcount->text(), "2");
    EXPECT_EQ(f.gg_compte.Rows(), 4);  // the two vouchers between them and the total

    auto& r = ouvre<f_relevés_comptes>("f_relevés_comptes");
    r.bt_filtres_eleves->click();
    EXPECT_EQ(appelant_filtre, "comptes_relevés");
    EXPECT_EQ(entrées(r.Liste_comptes), QStringList({"1", "2"}));
}

TEST_F(fenêtres_rapports, la_fenêtre_des_relevés_de_compte)
{
    données.mode_grille = "comptes";
    auto& f = ouvre<f_relevés_comptes>("f_relevés_comptes");
    EXPECT_EQ(f.windowTitle(), "Relevés individuels de compte");
    EXPECT_EQ(f.type_relevé, "compte");
    EXPECT_EQ(f.centre->palette().color(QPalette::Window), QColor(255, 192, 192));
    // The eliminated member is left out.
    EXPECT_EQ(entrées(f.Liste_comptes), QStringList({"1", "2", "3", "4", "5", "7", "9995", "9997", "9998", "9999"}));
    EXPECT_EQ(f.Liste_comptes->currentRow(), 5);
    EXPECT_EQ(compte_courant, 7);
    EXPECT_TRUE(f.période_choisie);
    EXPECT_EQ(f.gg_compte.FontSize(), 10.0f);
    EXPECT_EQ(f.gg_compte.Rows(), 2);
    EXPECT_EQ(f.gg_compte.TextMatrix(1, 2), "Cotisation");
    EXPECT_EQ(f.lbl_titre->text(), "Relevé du compte Gaëlle B. (toutes opérations)");
    EXPECT_TRUE(f.ctt_adresse->toPlainText().startsWith("NOM7 Prénom"));

    // A member with civility 4; an association account has no address.
    f.Liste_comptes->setCurrentRow(3);
    EXPECT_TRUE(f.ctt_adresse->toPlainText().startsWith("Mme & M..NOM4 Prénom"));
    f.Liste_comptes->setCurrentRow(6);
    EXPECT_TRUE(f.ctt_adresse->isHidden());
    EXPECT_TRUE(f.ctt_adresse->toPlainText().isEmpty());
    EXPECT_EQ(f.lbl_der_solde->text(), "10");

    // The period of the current month, by dates.
    f.Liste_comptes->setCurrentRow(0);
    EXPECT_EQ(f.lbl_titre->text(), "Relevé du compte Annick L. ( du 01/03/2026 au 31/03/2026)");
    EXPECT_EQ(f.gg_compte.Rows(), 2);
    EXPECT_EQ(f.gg_compte.TextMatrix(1, 2), "Jardinage");
    enregistre_image(f, "f_releves_comptes.png");

    // The last operations: the dates wait, the count extracts.
    f.op_test_d[1]->click();
    EXPECT_FALSE(f.ctt_jour_dep->isEnabled());
    EXPECT_FALSE(f.cb_mois->isEnabled());
    EXPECT_TRUE(f.cb_dernières->isEnabled());
    EXPECT_EQ(f.gg_compte.Rows(), 2);
    choisis(f.cb_dernières, 1);
    EXPECT_EQ(f.gg_compte.Rows(), 4);
    EXPECT_EQ(f.lbl_titre->text(), "Relevé du compte Annick L. (5 dernières opérations)");

    // The statement of the current account on paper, with its summary.
    const QStringList mots = mots_du_relevé_imprimé(f);
    EXPECT_TRUE(mots.contains("Relevé du compte Annick L. (5 dernières opérations)"));
    EXPECT_TRUE(mots.contains("NOM1 Prénom"));
    EXPECT_TRUE(mots.contains("Dernier solde du compte: 1510"));
    EXPECT_EQ(mots.filter("Cours de guitare").size(), 1);

    // Every account of a narrowed list, each its own document, the chosen
    // count kept for each.
    f.Liste_comptes->clearSelection();
    for (const int i : {0, 1, 2})
        f.Liste_comptes->item(i)->setSelected(true);
    f.ext_Click(0);
    choisis(f.cb_dernières, 1);
    surface_enregistrée tous;
    f.papier_essai = &tous;
    f.bt_imprimer_tous->click();
    ASSERT_EQ(tous.documents().size(), 3u);
    EXPECT_TRUE(mots_de(tous.documents()[2][0]).contains("Relevé du compte Céline D. (5 dernières opérations)"));
    EXPECT_EQ(f.Liste_comptes->currentRow(), 2);
    EXPECT_TRUE(f.isEnabled());
    EXPECT_FALSE(imprime::instance().isVisible());

    // Printed to a PDF file, the same run leaves every statement in it, one
    // a page, in the list's order.
    {
        QPrinter pdf(QPrinter::HighResolution);
        vers_pdf(pdf, chemin("relevés.pdf"));
        surface_imprimante fichier(pdf);
        f.papier_essai = &fichier;
        f.bt_imprimer_tous->click();
        f.papier_essai = nullptr;
    }
    if (const auto pages = pages_pdf(chemin("relevés.pdf"))) {
        const QStringList noms = {"Annick L.", "Bernard M.", "Céline D."};
        ASSERT_EQ(pages->size(), noms.size());
        for (int i = 0; i < noms.size(); ++i)
            EXPECT_TRUE((*pages)[i].simplified().contains("Relevé du compte " + noms[i] + " (5 dernières opérations)"))
                << (*pages)[i].toStdString();
    }

    // "Annuler" once the first statement is out: no other follows.
    papier_annulé annulé;
    f.papier_essai = &annulé;
    f.bt_imprimer_tous->click();
    EXPECT_EQ(annulé.documents().size(), 1u);
    EXPECT_TRUE(f.isEnabled());
}

// The printed head follows the grid as designed: a statement printed from a
// large screen reads as one printed from a small one.
TEST_F(fenêtres_rapports, le_relevé_imprimé_ne_dépend_pas_de_l_écran)
{
    données.mode_grille = "comptes";
    auto& f = ouvre<f_relevés_comptes>("f_relevés_comptes");
    const auto imprime = [&] {
        surface_enregistrée papier;
        f.papier_essai = &papier;
        f.bt_imprimer->click();
        f.papier_essai = nullptr;
        std::vector<std::pair<QString, police_page>> textes;
        EXPECT_EQ(papier.documents().size(), 1u);
        for (const auto& document : papier.documents())
            for (const page_dessinée& page : document)
                for (const élément_page& é : page)
                    if (const auto* t = std::get_if<texte_posé>(&é))
                        textes.emplace_back(t->texte, t->police);
        EXPECT_FALSE(textes.empty());
        return textes;
    };
    adapte_feuille(f, 800 * 15, 600 * 15);
    QApplication::processEvents();
    const auto petit = imprime();
    adapte_feuille(f, 2560 * 15, 1440 * 15);
    QApplication::processEvents();
    EXPECT_GT(f.vue_gg_compte->width(), 1500);
    EXPECT_EQ(imprime(), petit);
}

TEST_F(fenêtres_rapports, la_fenêtre_des_relevés_de_catalogue)
{
    données.mode_grille = "adhérents";
    données.type_fichier = "archive";
    auto& f = ouvre<f_relevés_comptes>("f_relevés_comptes");
    EXPECT_EQ(f.windowTitle(), "Relevés individuels des offres/demandes");
    EXPECT_EQ(f.type_relevé, "catalogue");
    EXPECT_EQ(f.centre->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(f.op_type_relevé[0]->text(), "Relevé de catalogue");
    EXPECT_FALSE(f.cadre_période->isEnabled());
    // In an archive the eliminated member is listed too.
    EXPECT_EQ(entrées(f.Liste_comptes).mid(0, 7), QStringList({"1", "2", "3", "4", "5", "6", "7"}));

    f.Liste_comptes->setCurrentRow(0);
    EXPECT_EQ(f.lbl_titre->text(), "Relevé des offres/demandes de Annick L.");
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 0), "Code");
    EXPECT_EQ(f.gg_compte.TextMatrix(2, 2), "Cours de guitare");
    enregistre_image(f, "f_releves_catalogue.png");

    // Back to account statements: the association accounts return to the list.
    f.op_type[0]->click();
    EXPECT_EQ(f.type_relevé, "compte");
    EXPECT_EQ(f.centre->palette().color(QPalette::Window), QColor(255, 192, 192));
    EXPECT_EQ(f.Liste_comptes->item(0)->data(Qt::UserRole).toInt(), 9995);
    EXPECT_TRUE(f.cadre_période->isEnabled());
}

TEST_F(fenêtres_rapports, le_relevé_imprimé_est_celui_de_son_compte_et_la_sorte_revient)
{
    données.mode_grille = "adhérents";
    auto& f = ouvre<f_relevés_comptes>("f_relevés_comptes");
    ASSERT_EQ(f.type_relevé, "catalogue");
    f.Liste_comptes->setCurrentRow(0);
    // Another window has made Céline D. the current account since.
    compte_courant = 3;
    f.op_type_relevé[1]->click();
    const QStringList mots = mots_du_relevé_imprimé(f);
    EXPECT_TRUE(mots.contains("Relevé des offres/demandes de Céline D."));
    EXPECT_TRUE(mots.filter("Relevé du compte Céline D.").size() == 1);
    EXPECT_TRUE(mots.contains("Dernier solde du compte: -275"));
    EXPECT_TRUE(mots.filter("1510").isEmpty());
    // The cumulated statement over, the window is back to its own kind.
    EXPECT_EQ(f.type_relevé, "catalogue");
    EXPECT_EQ(f.gg_compte.TextMatrix(0, 0), "Code");
    EXPECT_EQ(f.lbl_titre->text(), "Relevé des offres/demandes de Céline D.");
    EXPECT_EQ(f.lbl_der_solde->text(), "-275");
}

TEST_F(fenêtres_rapports, une_grille_trop_large_arrête_la_liste_sans_page_orpheline)
{
    données.mode_grille = "comptes";
    // A description no sheet can hold, on Bernard M.'s first line.
    données.table_lignes_compte[1].description = QString(3000, QLatin1Char('m'));
    auto& f = ouvre<f_relevés_comptes>("f_relevés_comptes");
    f.Liste_comptes->clearSelection();
    for (const int i : {0, 1, 2})
        f.Liste_comptes->item(i)->setSelected(true);
    f.ext_Click(0);
    f.op_test_d[1]->click();
    choisis(f.cb_dernières, 0);
    surface_enregistrée papier;
    f.papier_essai = &papier;
    f.bt_imprimer_tous->click();
    // Annick L.'s statement whole; Bernard M.'s cancelled, summary and all;
    // the run stops there and the box goes.
    ASSERT_EQ(papier.documents().size(), 1u);
    EXPECT_TRUE(mots_de(papier.documents()[0].back()).contains("Dernier solde du compte: 1510"));
    EXPECT_EQ(papier.documents_annulés(), 1);
    EXPECT_TRUE(papier.pages().empty());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("La grille est trop large"));
    EXPECT_FALSE(imprime::instance().isVisible());
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(f.Liste_comptes->currentRow(), 1);
}

TEST_F(fenêtres_rapports, une_liste_vide_ne_choisit_rien)
{
    données.mode_grille = "comptes";
    auto& f = ouvre<f_relevés_comptes>("f_relevés_comptes");
    f.Liste_comptes->clearSelection();
    f.ext_Click(0);
    ASSERT_EQ(f.Liste_comptes->count(), 0);
    EXPECT_EQ(f.nbr_listcount->text(), "0");
    f.spin_adh->setValue(3);
    f.num_cpt->setText("3");
    Q_EMIT f.num_cpt->returnPressed();
    choisis(f.cb_dernières, 2);
    f.op_qui[2]->click();
    f.ext_Click(1);
    surface_enregistrée papier;
    f.papier_essai = &papier;
    f.Liste_comptes->clear();
    f.bt_imprimer_tous->click();
    EXPECT_TRUE(papier.documents().empty());
    EXPECT_EQ(f.Liste_comptes->currentRow(), -1);

    // The state window with exactly five accounts chooses none either.
    données.nombre_adhérents = 1;
    auto& é = ouvre<f_états_comptes>("f_états_comptes");
    EXPECT_EQ(é.Liste_comptes->count(), 5);
    EXPECT_EQ(é.Liste_comptes->currentRow(), -1);
    é.spin_adh->setValue(7);
    EXPECT_EQ(é.Liste_comptes->currentRow(), 4);
    é.Liste_comptes->clear();
    é.ext_Click(2);
    EXPECT_EQ(é.Liste_comptes->currentRow(), 0);
}

// Every picture button says what it does, under or beside its picture and
// in its tooltip; choosing the printer is worded apart from printing, and
// prints nothing.
TEST_F(fenêtres_rapports, chaque_bouton_dit_ce_qu_il_fait)
{
    données.mode_grille = "comptes";
    auto& relevés = ouvre<f_relevés_comptes>("f_relevés_comptes");
    auto& états = ouvre<f_états_comptes>("f_états_comptes");
    EXPECT_EQ(relevés.bt_imprimer->text(), "Imprimer ce relevé");
    EXPECT_EQ(relevés.bt_imprimer_tous->text(), "Imprimer toute la liste");
    EXPECT_EQ(états.bt_imprimer->text(), "Imprimer le tableau");
    for (fenêtre_rapport* f : std::initializer_list<fenêtre_rapport*>{&relevés, &états}) {
        for (const QAbstractButton* b : f->centre->findChildren<QAbstractButton*>()) {
            if (b->icon().isNull())
                continue;
            EXPECT_FALSE(b->text().isEmpty()) << b->objectName().toStdString();
            EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        }
        EXPECT_EQ(f->bt_config_imprime->text(), "Choisir l'imprimante");
        surface_enregistrée papier;
        f->papier_essai = &papier;
        boîtes.réglages_imprimante = {true};
        f->bt_config_imprime->click();
        f->papier_essai = nullptr;
        EXPECT_TRUE(papier.documents().empty() && papier.pages().empty());
    }
    EXPECT_EQ(boîtes.réglages_demandés, 2);
}

TEST_F(fenêtres_rapports, fermer_une_fenêtre_enregistre_le_fichier)
{
    ouvre<f_relevés_comptes>("f_relevés_comptes");
    ouvre<f_états_comptes>("f_états_comptes");
    ASSERT_FALSE(QFile::exists(fichier_courant));
    EXPECT_TRUE(décharge_fenêtre("f_états_comptes"));
    EXPECT_TRUE(QFile::exists(fichier_courant));
    QFile::remove(fichier_courant);
    EXPECT_TRUE(décharge_fenêtre("f_relevés_comptes"));
    EXPECT_TRUE(QFile::exists(fichier_courant));
}
