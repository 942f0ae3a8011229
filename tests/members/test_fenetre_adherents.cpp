// The member register window on a data file, driven as the user would.
#include "data/fichier_donnees.h"
#include "members/fenetres_adherents.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

class fenêtre_adhérents : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres(données);
        remplit_association_essai(données);  // members 1..40 in list order
        fichier_courant = chemin("trovane.sel");
        ASSERT_TRUE(enregistrer_fichier(fichier_courant, true));
        enregistre_fenêtres_adhérents();
    }
    void TearDown() override
    {
        if (f) {
            boîtes.réponses.push_back(rép_non);
            f->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        essai_dossier::TearDown();
    }
    void ouvre()
    {
        f = charge_fenêtre<f_adhérents>("f_adhérents");
        ASSERT_TRUE(f);
        f->Form_Activate();
    }
    données_sel relu()
    {
        données_sel d;
        lit_données(lit("trovane.sel"), d);
        return d;
    }
    static void tape(QWidget* w, const QString& texte)
    {
        for (const QChar c : texte) {
            QKeyEvent k(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &k);
        }
    }
    static void quitte(QWidget* w, Qt::FocusReason raison = Qt::TabFocusReason)
    {
        QFocusEvent e(QEvent::FocusOut, raison);
        QCoreApplication::sendEvent(w, &e);
    }
    void choisit_membre(int index)
    {
        f->Liste_adhérents->setCurrentIndex(index);
        Q_EMIT f->Liste_adhérents->activated(index);
    }
    adhérent& a(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }

    QPointer<f_adhérents> f;
};

TEST_F(fenêtre_adhérents, montre_le_membre_courant)
{
    a(1).additif = 2;
    a(1).catégorie = 2;
    a(1).sexe = 1;
    a(1).ville = "Landerneau";
    ouvre();
    EXPECT_EQ(adhérent_courant, 1);
    EXPECT_EQ(f->num_adhérent->text(), "1");
    EXPECT_EQ(f->Liste_adhérents->count(), 40);
    EXPECT_EQ(f->Liste_adhérents->currentText(), a(1).identifiant.str());
    EXPECT_EQ(f->ctt_rue->text(), a(1).rue.trimmed());
    EXPECT_EQ(f->cb_ville->currentText(), "Landerneau");  // added to the list
    EXPECT_EQ(f->bt_supprimer->text(), "Restaurer");
    EXPECT_TRUE(f->ob_kid[2]->isChecked());
    EXPECT_TRUE(f->ctt_date_cot->isHidden());
    EXPECT_EQ(f->cb_sexe->currentIndex(), 2);
    EXPECT_FALSE(f->bt_valider->isEnabled());

    // An adult next: the subscription date comes back, "sans objet" turns to "féminin".
    a(2).catégorie = 1;
    a(2).sexe = 2;
    a(2).critère1 = 14;  // outside its list: nothing selected
    choisit_membre(1);
    EXPECT_FALSE(f->ctt_date_cot->isHidden());
    EXPECT_EQ(f->cb_sexe->currentIndex(), 1);
    EXPECT_EQ(f->cb_cr1->currentIndex(), -1);
    EXPECT_EQ(adhérent_courant, 2);
    tape(f->ctt_tel1, "9");
    choisit_membre(2);
    EXPECT_EQ(a(2).critère1, 14);
    EXPECT_EQ(a(2).sexe, 1);
}

TEST_F(fenêtre_adhérents, villes_dans_l_ordre_français)
{
    a(1).ville = "LYON";
    a(2).ville = "ÉVIAN";
    a(3).ville = "annecy";
    a(4).ville = "Évreux";
    for (int n = 5; n <= 40; ++n)
        a(n).ville = "";
    ouvre();
    QStringList villes;
    for (int i = 0; i < f->cb_ville->count(); ++i)
        villes << f->cb_ville->itemText(i);
    EXPECT_EQ(villes, (QStringList{"annecy", "ÉVIAN", "Évreux", "LYON"}));

    // A city typed later takes its place in the same order.
    f->cb_ville->setEditText("");
    tape(f->cb_ville, "EAUZE");
    quitte(f->cb_ville);
    EXPECT_EQ(f->cb_ville->itemText(1), "EAUZE");
}

TEST_F(fenêtre_adhérents, un_changement_validé_en_changeant_de_membre)
{
    ouvre();
    f->ctt_rue->clear();
    tape(f->ctt_rue, "3 rue Neuve");
    f->num_adhérent->setText("9");  // typed, not yet looked up
    const adhérent neuvième = a(9);
    EXPECT_TRUE(f->modification_en_attente());
    EXPECT_TRUE(f->bt_valider->isEnabled());
    const double validé_avant = a(1).dte_enr;
    choisit_membre(5);

    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_EQ(a(1).rue.trimmed(), "3 rue Neuve");
    EXPECT_NE(a(1).dte_enr, validé_avant);
    EXPECT_EQ(relu().table_adhérents[1].rue.trimmed(), "3 rue Neuve");
    EXPECT_EQ(a(9), neuvième);
    EXPECT_EQ(f->num_adhérent->text(), QString::number(a(6).ordre));
    EXPECT_FALSE(f->modification_en_attente());

    // A change that cannot be stored keeps the member on screen.
    f->ctt_date_adh->setText("un jour");
    tape(f->ctt_comm, "x");
    choisit_membre(9);
    EXPECT_EQ(f->numéro_affiché(), 6);
    EXPECT_EQ(f->Liste_adhérents->currentIndex(), 5);
    EXPECT_TRUE(f->modification_en_attente());
}

TEST_F(fenêtre_adhérents, nouveau_membre_validé)
{
    ouvre();
    f->bt_nouvelle_Click();
    EXPECT_TRUE(f->mode_nouveau());
    EXPECT_EQ(f->num_adhérent->text(), "41");
    EXPECT_EQ(f->ctt_date_adh->text(), "14/03/2026");
    EXPECT_EQ(f->bt_supprimer->text(), "Annuler");
    EXPECT_EQ(données.nombre_adhérents, 40);

    // Nothing pending may be stored before it is complete, nor dropped by
    // closing: the window stays open with it.
    EXPECT_FALSE(f->bt_valider_Click());
    EXPECT_EQ(boîtes.textes(), QStringList{"Vous n'avez pas indiqué de prénom "});
    boîtes.réponses.push_back(rép_oui);
    EXPECT_FALSE(f->close());
    EXPECT_EQ(boîtes.textes().last(), "Vous n'avez pas indiqué de prénom ");
    EXPECT_TRUE(f->mode_nouveau());

    tape(f->ctt_prénom, "zoé");
    EXPECT_EQ(f->ctt_prénom->text(), "Zoé");
    f->ctt_rue->setText("1 place du Marché");
    EXPECT_TRUE(f->bt_valider_Click());

    EXPECT_FALSE(f->mode_nouveau());
    EXPECT_EQ(données.nombre_adhérents, 41);
    EXPECT_EQ(a(41).ordre, 41);
    EXPECT_EQ(f->Liste_adhérents->count(), 41);
    EXPECT_EQ(f->Liste_adhérents->currentIndex(), 40);
    EXPECT_EQ(f->Liste_adhérents->currentData().toInt(), 41);
    EXPECT_TRUE(f->Liste_adhérents->currentText().startsWith("Zoé"));
    const données_sel fichier = relu();
    EXPECT_EQ(fichier.nombre_adhérents, 41);
    EXPECT_EQ(fichier.table_adhérents[41].identifiant.trimmed(), "Zoé");
    EXPECT_EQ(fichier.table_adhérents[41].additif, 1);
    EXPECT_EQ(fichier.table_adhérents[41].catégorie, 1);
}

TEST_F(fenêtre_adhérents, numéro_déjà_pris_refusé_en_partant_par_tab)
{
    ouvre();
    const adhérent septième = a(7);
    f->bt_nouvelle_Click();
    f->num_adhérent->setText("7");
    quitte(f->num_adhérent);
    EXPECT_EQ(boîtes.textes(), QStringList{"Ce numéro est déjà utilisé"});
    EXPECT_EQ(f->num_adhérent->text(), "41");
    EXPECT_TRUE(f->mode_nouveau());

    // Left there anyway: validation refuses it too, and member 7 is untouched.
    f->num_adhérent->setText("7");
    f->ctt_prénom->setText("Intrus");
    EXPECT_FALSE(f->bt_valider_Click());
    EXPECT_EQ(a(7), septième);
    EXPECT_EQ(données.nombre_adhérents, 40);
}

TEST_F(fenêtre_adhérents, nouveau_membre_abandonné)
{
    données.compte_asso_débité = 9995;
    données.solde_départ = monnaie::unités(30);
    ASSERT_TRUE(enregistrer_fichier(fichier_courant, true));
    const QByteArray fichier = lit("trovane.sel");
    ouvre();
    const données_sel avant = données;

    f->bt_nouvelle_Click();
    f->ctt_prénom->setText("Zoé");
    f->bt_créditer_adh_Click();
    EXPECT_EQ(données.nombre_lignes_compte, 82);
    EXPECT_EQ(f->ctt_solde->text(), "30");
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());

    boîtes.réponses.push_back(rép_non);
    EXPECT_TRUE(f->close());
    EXPECT_EQ(boîtes.textes(), QStringList{" Voulez-vous valider le(la) nouvel(le) adhérent(e)? "});
    EXPECT_EQ(données, avant);
    EXPECT_EQ(lit("trovane.sel"), fichier);
}

TEST_F(fenêtre_adhérents, annuler_ne_défait_que_le_nouveau)
{
    ouvre();
    choisit_membre(2);
    const données_sel avant = données;
    f->bt_nouvelle_Click();
    f->num_adhérent->setText("3");  // the number of a member, typed over the proposal
    f->bt_supprimer_Click();
    EXPECT_FALSE(f->mode_nouveau());
    EXPECT_EQ(données, avant);
    EXPECT_EQ(f->Liste_adhérents->count(), 40);
    EXPECT_EQ(f->numéro_affiché(), 1);  // the first member of the list
}

TEST_F(fenêtre_adhérents, suppression_et_restauration)
{
    ouvre();
    choisit_membre(3);
    const int n = f->numéro_affiché();
    a(n).additif = 0;
    for (int s = 1; s <= 3; ++s)
        données.table_propositions[static_cast<std::size_t>(s)].num_adh = static_cast<int16>(n);

    f->bt_supprimer_Click();
    EXPECT_EQ(a(n).additif, 2);
    EXPECT_EQ(données.table_propositions[2].additif, 2);
    EXPECT_EQ(f->bt_supprimer->text(), "Restaurer");
    EXPECT_EQ(f->cb_statut->currentIndex(), 2);

    // "supprimé pour additif" chosen again deletes, never restores.
    f->cb_statut_Click(2);
    EXPECT_EQ(a(n).additif, 2);

    f->bt_supprimer_Click();
    EXPECT_EQ(a(n).additif, 0);
    EXPECT_EQ(données.table_propositions[2].additif, 0);
    EXPECT_EQ(f->bt_supprimer->text(), "Supprimer");

    f->bt_nouvelle_Click();
    f->cb_statut_Click(3);  // a new member: only the colours follow
    EXPECT_EQ(a(n).additif, 0);
}

TEST_F(fenêtre_adhérents, archive_ouverte)
{
    données.type_fichier = "archive";
    ASSERT_TRUE(enregistrer_fichier(fichier_courant, true));
    const QByteArray fichier = lit("trovane.sel");
    ouvre();
    f->ctt_rue->setText("ailleurs");
    EXPECT_FALSE(f->bt_valider_Click());
    EXPECT_EQ(boîtes.textes(), QStringList{"Vous ne pouvez pas modifier un fichier d'archive"});
    tape(f->ctt_rue, "!");
    choisit_membre(1);  // stored in memory, never in the archive
    EXPECT_EQ(a(1).rue.trimmed(), "ailleurs!");
    f->Form_Deactivate();
    EXPECT_EQ(lit("trovane.sel"), fichier);
}

TEST_F(fenêtre_adhérents, aides_de_saisie)
{
    ouvre();
    // Enter in the postal code selects the city of a member with that code.
    f->ctt_cp->setText(a(9).cp.trimmed());
    QKeyEvent entrée(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(f->ctt_cp, &entrée);
    EXPECT_EQ(f->cb_ville->currentText(), a(9).ville.trimmed());

    // A typed city is capitalised, added once, then found again.
    f->cb_ville->setEditText("");
    tape(f->cb_ville, "lyon");
    EXPECT_EQ(f->cb_ville->currentText(), "LYON");
    const int villes = f->cb_ville->count();
    quitte(f->cb_ville);
    quitte(f->cb_ville);
    EXPECT_EQ(f->cb_ville->count(), villes + 1);
    EXPECT_EQ(f->cb_ville->currentText(), "LYON");

    // Date keys.
    f->ctt_date_adh->clear();
    tape(f->ctt_date_adh, "12.03 2001");
    EXPECT_EQ(f->ctt_date_adh->text(), "12/03/2001");
    QKeyEvent suppr(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(f->ctt_date_adh, &suppr);
    EXPECT_EQ(f->ctt_date_adh->text(), "000:00:00");

    // Letters refused in the account fields.
    f->ctt_solde->setEnabled(true);
    f->ctt_solde->setText("1");
    tape(f->ctt_solde, "a-,5");
    EXPECT_EQ(f->ctt_solde->text(), "1-,5");

    // Renaming the third entry of a criteria list; nothing without a choice.
    f->position_cr1 = -1;
    boîtes.saisies.push_back(QString("jardinage"));
    f->renomme_entrée(f->cb_cr1, true);
    EXPECT_TRUE(boîtes.invites.isEmpty());
    f->position_cr1 = 3;
    f->renomme_entrée(f->cb_cr1, true);
    EXPECT_EQ(f->cb_cr1->itemText(3), "jardinage");
    EXPECT_EQ(f->cb_cr1->currentIndex(), 3);
    f->Form_Deactivate();
    EXPECT_EQ(données.valeurs_critère1[3], "jardinage");
}

TEST_F(fenêtre_adhérents, capture)
{
    a(1).commentaire = "Disponible le samedi.";
    a(1).date_cotisation = date_depuis(QDate(2025, 9, 1), QTime(14, 5));
    a(1).catégorie = 1;
    ouvre();
    f->show();
    QApplication::processEvents();
    const QImage image = f->grab().toImage();
    EXPECT_GE(image.width(), 780);
    const QString sortie = QDir(QCoreApplication::applicationDirPath()).filePath("captures");
    QDir().mkpath(sortie);
    EXPECT_TRUE(image.save(QDir(sortie).filePath("f_adherents.png")));
}

}  // namespace
