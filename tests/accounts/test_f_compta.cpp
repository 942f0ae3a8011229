// The exchange window on a small association: choosing the accounts, the
// entry, its validation and recording, the catalogue line, the saves.
#include "accounts/f_compta.h"
#include "accounts/fenetres_comptes.h"
#include "accounts/grilles_comptes.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"
#include "ui_common/principale.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

void entrée(QWidget* w)
{
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &appui);
    QKeyEvent relâche(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &relâche);
}

// A choice in a list, as the user makes it.
void choisis(QComboBox* liste, int valeur)
{
    const int i = liste->findData(valeur);
    ASSERT_GE(i, 0) << valeur;
    liste->setCurrentIndex(i);
    Q_EMIT liste->activated(i);
}

int choisi(const QComboBox* liste) { return liste->currentIndex() < 0 ? 0 : liste->currentData().toInt(); }

class fenêtre_compta : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        const char* noms[] = {"Annick L.", "Bernard M.", "Céline D.", "Dominique F.", "Élodie K.", "François G.",
                              "Gaëlle B."};
        données.nombre_adhérents = 7;
        for (int i = 1; i <= 7; ++i) {
            données.table_adhérents[i].ordre = static_cast<int16>(i);
            données.table_adhérents[i].identifiant = QString::fromUtf8(noms[i - 1]);
            données.table_adhérents[i].catégorie = 1;
        }
        données.table_adhérents[1].der_solde = monnaie::unités(100);
        données.table_adhérents[2].der_solde = monnaie::unités(50);
        for (auto& c : données.comptes_asso)
            c.nom.clear();
        données.comptes_asso[0].nom = QStringLiteral("Caisse SEL");
        données.comptes_asso[1].nom = QStringLiteral("Fonds");

        // Sections 3 and 7 stand first and second in their list.
        const std::pair<int, const char*> codes[] = {{30, "Jardin"},  {31, "Taille"},  {70, "Musique"},
                                                     {72, "Piano"},   {73, "Guitare"}};
        for (const auto& [code, nom] : codes) {
            données.codes_classification[++données.nombre_codes_classification] = static_cast<int16>(code);
            données.noms_rubriques[code] = QString::fromUtf8(nom);
        }
        données.nombre_propositions = 2;
        données.table_propositions[1] = {0, 1, 1, 1, QStringLiteral("Cours de guitare"), {}, 0, 732,
                                         QStringLiteral("J"), {}, 4};
        données.table_propositions[2] = {0, 2, 2, 0, QStringLiteral("Covoiturage"), {}, 0, 312, {}, {}, 6};

        QDir().mkpath(chemin("repère"));
        fichier_courant = chemin("trovane.sel");
        ASSERT_TRUE(enregistrer_fichier(fichier_courant, false));
        poste_compta = true;

        // The main window's accounts button, as the main window plays it.
        branche_principale({[this](int index) {
                                if (index != 4)
                                    return;
                                ++clics_comptes;
                                prépare_grille_écritures(gg());
                                remplit_écritures_période(gg(), 18, mode_dernières, 0, 0);
                                données.mode_grille = QStringLiteral("comptes");
                            },
                            {},
                            {}});
        enregistre_fenêtres_comptes();
    }

    void TearDown() override
    {
        ferme();
        branche_principale({});
        poste_compta = false;
        essai_dossier::TearDown();
    }

    f_compta& ouvre()
    {
        f = dynamic_cast<f_compta*>(montre_fenêtre(QStringLiteral("f_compta")));
        if (!f)
            throw std::runtime_error("f_compta is not registered");
        QApplication::processEvents();
        return *f;
    }

    void ferme()
    {
        if (f)
            f->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A new entry from debited to credited, validated with Enter.
    void valide(int débité, int crédité, const QString& montant, const QString& jour = QStringLiteral("12"),
                const QString& an = QStringLiteral("2026"))
    {
        choisis(f->Liste_comptes, débité);
        choisis(f->liste_comptes_à_créditer, crédité);
        if (f->bt_nouvelle->text() == QLatin1String("Nouvelle"))
            f->bt_nouvelle->click();
        f->ctt_libellé->setText(QStringLiteral("Cours de guitare"));
        f->ctt_montant->setText(montant);
        f->ctt_jour_op->setText(jour);
        f->ctt_mois_op->setText(QStringLiteral("02"));
        f->ctt_an_op->setText(an);
        entrée(f->ctt_montant);
    }

    QPointer<f_compta> f;
    int clics_comptes = 0;
};

TEST_F(fenêtre_compta, un_échange_de_la_saisie_au_fichier)
{
    données.mode_grille = QStringLiteral("comptes");
    ouvre();
    // The restore point holds the data as they were at opening.
    EXPECT_EQ(lit("repère/trovane.sel"), écrit_données(données));
    // The sixth account in alphabetical order is chosen on both sides.
    EXPECT_EQ(choisi(f->Liste_comptes), 5);
    EXPECT_EQ(choisi(f->liste_comptes_à_créditer), 5);
    EXPECT_EQ(f->Liste_comptes->itemText(2), "Caisse SEL");
    EXPECT_EQ(f->Label1->text(), "Montant");
    EXPECT_EQ(f->ctt_jour_op->text() + f->ctt_mois_op->text() + f->ctt_an_op->text(), "14032026");
    EXPECT_EQ(f->ctt_per_cent->text(), "0,5");
    EXPECT_EQ(f->gg_compte.Rows(), 1);

    // The debited account by its number, the credited one from its list.
    f->num_cpt->setText(QStringLiteral("1"));
    entrée(f->num_cpt);
    EXPECT_EQ(compte_courant, 1);
    EXPECT_EQ(f->lbl_der_solde->text(), "100");
    choisis(f->liste_comptes_à_créditer, 2);
    EXPECT_EQ(f->offreur, 2);
    EXPECT_EQ(f->num_compt_dest1->text(), "2");
    EXPECT_EQ(f->lbl_der_solde_offreur->text(), "50");

    f->bt_nouvelle->click();
    EXPECT_EQ(f->bt_nouvelle->text(), "Annuler");
    f->ctt_libellé->setText(QStringLiteral("Cours de guitare"));
    f->ctt_montant->setText(QStringLiteral("300"));
    f->ctt_jour_op->setText(QStringLiteral("12"));
    f->ctt_mois_op->setText(QStringLiteral("03"));
    entrée(f->ctt_montant);
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
    EXPECT_EQ(f->ctt_montant_à_prélever->text(), "1");
    EXPECT_EQ(f->bt_nouvelle->text(), "Nouvelle");
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled());
    EXPECT_FALSE(f->bt_créditer_adh->isHidden());

    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 4);
    EXPECT_EQ(données.table_lignes_compte[1].dte_opé, date_depuis(QDate(2026, 3, 12)));
    EXPECT_EQ(données.table_adhérents[2].der_solde, monnaie::unités(349));
    EXPECT_EQ(données.comptes_asso[0].solde, monnaie::unités(1));
    // The window's grid lists the lines in recording order...
    ASSERT_EQ(f->gg_compte.Rows(), 5);
    for (int i = 1; i <= 4; ++i) {
        const QStringList champs = compose_ligne_écriture(i).split(QLatin1Char('\t'));
        for (int c = 0; c < 14; ++c)
            EXPECT_EQ(f->gg_compte.TextMatrix(i, c), champs[c]) << i << " " << c;
    }
    // ...and the main grid, showing the accounts, the newest first.
    EXPECT_EQ(clics_comptes, 1);
    ASSERT_EQ(gg().Rows(), 5);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(gg().TextMatrix(r, 12), f->gg_compte.TextMatrix(5 - r, 12));
    EXPECT_EQ(f->lbl_der_solde->text(), "-200");
    EXPECT_EQ(f->lbl_der_solde_offreur->text(), "349");
    EXPECT_EQ(f->ctt_libellé->text(), "~ 0,5% sur Cours de guitare");
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    f->bt_créditer_adh->click();  // a second press records nothing more
    EXPECT_EQ(données.nombre_lignes_compte, 4);

    const QString image = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("f_compta.png"));
    EXPECT_TRUE(f->grab().save(image));

    // Closing stores the levy fields and saves the data file, and the
    // balances file beside it on the accounting station.
    f->ctt_per_cent->setText(QStringLiteral("0,75"));
    ferme();
    EXPECT_FALSE(fenêtre_chargée(QStringLiteral("f_compta")));
    données_sel relu;
    lit_données(lit("trovane.sel"), relu);
    EXPECT_EQ(relu.nombre_lignes_compte, 4);
    EXPECT_EQ(relu.table_lignes_compte[4], données.table_lignes_compte[4]);
    EXPECT_EQ(relu.table_adhérents[2].der_solde, monnaie::unités(349));
    EXPECT_EQ(relu.taux_prélèvement, monnaie::depuis_brut(7500));
    EXPECT_TRUE(QFileInfo::exists(chemin("trovane.sld")));
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
}

TEST_F(fenêtre_compta, seule_la_validation_permet_d_enregistrer)
{
    données.mode_grille = QStringLiteral("base");
    ouvre();
    const int lignes_gg = gg().Rows();

    // What changes after the validation drops it.
    valide(1, 2, QStringLiteral("300"));
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled());
    choisis(f->liste_comptes_à_créditer, 3);
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    valide(1, 3, QStringLiteral("300"));
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled());
    f->bt_nouvelle->click();
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    valide(1, 3, QStringLiteral("300"));
    f->chk_prélever->click();
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    f->chk_prélever->click();

    // Refused entries leave nothing to record.
    struct cas {
        const char* montant;
        const char* jour;
        const char* an;
        QString message;
    };
    const cas refus[] = {
        {"300", "29", "2027", "Le 29/02/2027 n'est pas une date correcte ou dans les limites des dates possibles"},
        {"300", "0", "2026", "Le 0/02/2026 n'est pas une date correcte ou dans les limites des dates possibles"},
        {"-5", "12", "2026", "Le montant de l'opération ne peut pas être négatif."},
        {"0", "12", "2026", "Vous n'avez pas indiqué le montant de l'opération"},
        {"12 grs", "12", "2026", "Le montant « 12 grs » n'est pas un nombre."},
    };
    for (const cas& c : refus) {
        SCOPED_TRACE(c.montant);
        boîtes.messages.clear();
        valide(1, 2, QString::fromUtf8(c.montant), QString::fromUtf8(c.jour), QString::fromUtf8(c.an));
        EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
        EXPECT_FALSE(f->saisie_validée());
        EXPECT_EQ(boîtes.textes(), QStringList{c.message});
    }
    boîtes.messages.clear();
    valide(2, 2, QStringLiteral("300"));
    EXPECT_EQ(boîtes.textes(), QStringList{"Il est impossible d'effectuer une opération d'un compte sur lui-même"});
    EXPECT_EQ(f->ctt_montant->text(), "");
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());

    // 29 February of a leap year, a decimal comma; what was validated is
    // what gets recorded, whatever the amount field shows afterwards.
    boîtes.messages.clear();
    valide(1, 2, QStringLiteral("12,5"), QStringLiteral("29"), QStringLiteral("2024"));
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled()) << boîtes.textes().join('\n').toStdString();
    f->ctt_montant->setText(QStringLiteral("999"));
    f->ctt_jour_op->setText(QStringLiteral("01"));
    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 2);  // 12,5 is not above the minimum of 50: no levy
    EXPECT_EQ(données.table_lignes_compte[1].montant, monnaie::depuis_brut(125000));
    EXPECT_EQ(données.table_lignes_compte[2].dte_opé, date_depuis(QDate(2024, 2, 29)));
    EXPECT_EQ(données.table_adhérents[1].der_solde, monnaie::depuis_brut(875000));
    // The main grid shows the propositions: it is left alone.
    EXPECT_EQ(clics_comptes, 0);
    EXPECT_EQ(gg().Rows(), lignes_gg);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fenêtre_compta, ligne_du_catalogue_et_codes)
{
    ouvre();
    choisis(f->Liste_comptes, 1);
    EXPECT_TRUE(f->offreur_choisi);  // chosen at opening: a catalogue line keeps it
    f->bt_nouvelle->click();
    f->ctt_ligne_cat->setText(QStringLiteral("1"));
    entrée(f->ctt_ligne_cat);
    EXPECT_EQ(f->ctt_libellé->text(), "Cours de guitare");
    EXPECT_EQ(choisi(f->liste_comptes_à_créditer), 5);
    // Section and sub-section by their numbers, not their positions.
    EXPECT_EQ(f->cb_rub1->currentText(), "Musique");
    EXPECT_EQ(f->cb_rub2->currentText(), "Guitare");
    EXPECT_EQ(f->cb_rub3->currentText(), "2");
    EXPECT_EQ(f->ctt_code_rubrique->text(), "732");
    EXPECT_EQ(f->cb_kid->currentText(), "Enfant");
    EXPECT_EQ(f->cb_genre->currentText(), "service");

    // After a validation the offer's member becomes the credited account.
    f->offreur_choisi = false;
    entrée(f->ctt_ligne_cat);
    EXPECT_EQ(choisi(f->liste_comptes_à_créditer), 4);
    EXPECT_EQ(f->offreur, 4);
    EXPECT_TRUE(boîtes.messages.empty());

    // A request: a warning and the credited account stays.
    f->offreur_choisi = false;
    f->ctt_ligne_cat->setText(QStringLiteral("2"));
    entrée(f->ctt_ligne_cat);
    EXPECT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(f->offreur, 4);
    EXPECT_EQ(f->cb_rub1->currentText(), "Jardin");
    EXPECT_EQ(f->cb_rub2->currentText(), "Taille");
    EXPECT_EQ(f->cb_rub3->currentText(), "2");

    // A typed code chooses its section and sub-section; a code of no section
    // is told and leaves the section list without choice.
    f->ctt_code_rubrique->setText(QStringLiteral("723"));
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(f->cb_rub1->currentText(), "Musique");
    EXPECT_EQ(f->cb_rub2->currentText(), "Piano");
    EXPECT_EQ(f->ctt_code_rubrique->text(), "723");
    boîtes.messages.clear();
    f->ctt_code_rubrique->setText(QStringLiteral("910"));
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(f->cb_rub1->currentIndex(), -1);
    EXPECT_EQ(boîtes.textes(),
              QStringList{"Le code rubrique de cette proposition ne correspond pas à une classification."});

    // The recorded lines carry the entry's data; an empty code gives 0.
    choisis(f->liste_comptes_à_créditer, 2);
    f->ctt_code_rubrique->clear();
    f->ctt_montant->setText(QStringLiteral("40"));
    entrée(f->ctt_montant);
    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 2);
    EXPECT_EQ(données.table_lignes_compte[1].ligne_cat, 2);
    EXPECT_EQ(données.table_lignes_compte[1].code_rub, 0);
    EXPECT_EQ(données.table_lignes_compte[1].description, "Covoiturage");
}

TEST_F(fenêtre_compta, compte_de_l_association)
{
    données.compte_prélèvement = 7;  // beyond the list: no levy account
    données.sans_prélèvement = 1;
    ouvre();
    EXPECT_EQ(f->cb_comptes_asso->currentIndex(), -1);
    EXPECT_TRUE(f->chk_prélever->isChecked());

    // The association pays: several accounts may be chosen, children and adults.
    choisis(f->Liste_comptes, 9996);
    EXPECT_TRUE(f->cadre_compte_adhérent->isHidden());
    EXPECT_FALSE(f->cadre_compte_asso->isHidden());
    EXPECT_EQ(f->cadre_adhérent->title(), "Comptes à créditer/débiter");
    EXPECT_EQ(f->num_compt_dest2->text(), "7");
    EXPECT_TRUE(f->grab().save(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("f_compta_association.png"))));
    choisis(f->Liste_comptes, 3);
    EXPECT_FALSE(f->cadre_compte_adhérent->isHidden());

    // An association account is paid: no levy frame, "Ne rien prélever" off.
    choisis(f->liste_comptes_à_créditer, 9995);
    EXPECT_TRUE(f->cadre_prélever_sur_échange->isHidden());
    EXPECT_FALSE(f->chk_prélever->isChecked());
    EXPECT_EQ(données.sans_prélèvement, 0);

    // A member is paid and the levy applies, but no account receives it.
    choisis(f->liste_comptes_à_créditer, 2);
    valide(3, 2, QStringLiteral("300"));
    EXPECT_EQ(boîtes.textes(), QStringList{"Choisissez le compte de l'association qui reçoit le prélèvement."});
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    choisis(f->cb_comptes_asso, 9996);
    boîtes.messages.clear();
    valide(3, 2, QStringLiteral("300"));
    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 4);
    EXPECT_EQ(données.table_lignes_compte[4].compte, 9996);
    EXPECT_EQ(données.comptes_asso[1].solde, monnaie::unités(1));
    EXPECT_TRUE(boîtes.messages.empty());
}

}  // namespace
