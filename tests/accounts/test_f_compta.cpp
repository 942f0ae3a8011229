// The exchange window on a small association: choosing the accounts, the
// entry, its validation and recording, the catalogue line, the saves.
#include "accounts/f_compta.h"
#include "accounts/fenetres_comptes.h"
#include "accounts/grilles_comptes.h"
#include "accounts/plusieurs_comptes.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "support/dossier_test.h"
#include "support/pannes_fichiers.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/principale.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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

void touche(QWidget* w, Qt::Key code, const QString& texte)
{
    QKeyEvent appui(QEvent::KeyPress, code, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
}

// A mouse button going down on the restore-point button.
void appuie(QWidget* bouton, Qt::KeyboardModifiers touches, Qt::MouseButton souris = Qt::LeftButton)
{
    const QPointF centre(bouton->width() / 2.0, bouton->height() / 2.0);
    QMouseEvent appui(QEvent::MouseButtonPress, centre, bouton->mapToGlobal(centre), souris, souris, touches);
    QApplication::sendEvent(bouton, &appui);
}

// What the accounts hold, entries past the ledger's last line left aside.
bool mêmes_comptes(const données_sel& a, const données_sel& b)
{
    return a.nombre_lignes_compte == b.nombre_lignes_compte && a.table_adhérents == b.table_adhérents &&
           a.comptes_asso == b.comptes_asso;
}

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

    // An entry for the list of several accounts, validated with Enter.
    void valide_plusieurs(const QString& montant)
    {
        if (f->bt_nouvelle->text() == QLatin1String("Nouvelle"))
            f->bt_nouvelle->click();
        f->ctt_libellé->setText(QStringLiteral("Cotisation"));
        f->ctt_montant->setText(montant);
        entrée(f->ctt_montant);
    }

    QPointer<f_compta> f;
    int clics_comptes = 0;
};

TEST_F(fenêtre_compta, un_échange_de_la_saisie_au_fichier)
{
    données.mode_grille = QStringLiteral("comptes");
    ouvre();
    // The restore point holds the data as they were at opening: it is
    // written while the window opens, whole before anything is recorded.
    const QByteArray à_l_ouverture = écrit_données(données);
    // The sixth account in alphabetical order is chosen on both sides.
    EXPECT_EQ(choisi(f->Liste_comptes), 5);
    EXPECT_EQ(choisi(f->liste_comptes_à_créditer), 5);
    EXPECT_EQ(f->Liste_comptes->itemText(2), "Caisse SEL");
    EXPECT_EQ(f->Label1->text(), "Montant");
    EXPECT_EQ(f->ctt_jour_op->text() + f->ctt_mois_op->text() + f->ctt_an_op->text(), "14032026");
    EXPECT_EQ(f->ctt_per_cent->text(), "0,5");
    EXPECT_EQ(f->gg_compte.Rows(), 1);
    // No amount shows that the user has not typed.
    EXPECT_EQ(f->ctt_montant->text(), "");
    // Every header shows whole, the short ones included.
    mesureur_texte mesure(f->gg_compte.police());
    for (int c = 0; c < 14; ++c)
        EXPECT_GE(f->gg_compte.ColWidth(c), mesure.largeur(f->gg_compte.TextMatrix(0, c))) << c;

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
    EXPECT_EQ(f->ctt_montant->text(), "");
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
    EXPECT_EQ(lit("repère/trovane.sel"), à_l_ouverture);
    EXPECT_TRUE(QFileInfo::exists(chemin("repère/trovane.sld")));
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
    // A levy rate pasted with the mouse: no key, and the validation goes too.
    valide(1, 3, QStringLiteral("300"));
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled());
    const int lignes = données.nombre_lignes_compte;
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    f->ctt_per_cent->selectAll();
    f->ctt_per_cent->paste();
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    f->bt_créditer_adh_Click();
    EXPECT_EQ(données.nombre_lignes_compte, lignes);
    f->ctt_per_cent->setText(QStringLiteral("0,5"));

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

    // 29 February of a leap year, a decimal comma; only what was validated
    // gets recorded: a field changed afterwards, however, drops it.
    boîtes.messages.clear();
    valide(1, 2, QStringLiteral("12,5"), QStringLiteral("29"), QStringLiteral("2024"));
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled()) << boîtes.textes().join('\n').toStdString();
    f->ctt_montant->setText(QStringLiteral("999"));
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    f->bt_créditer_adh_Click();
    EXPECT_EQ(données.nombre_lignes_compte, 0);
    valide(1, 2, QStringLiteral("12,5"), QStringLiteral("29"), QStringLiteral("2024"));
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

TEST_F(fenêtre_compta, grand_livre_presque_plein_puis_plein)
{
    // Three lines left: told at once, how many and what frees some.
    données.nombre_lignes_compte = max_lignes_compte - 3;
    ouvre();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Le tableau des lignes de compte est presque plein : il reste 3 "
                                                     "lignes sur 10000"));
    EXPECT_TRUE(boîtes.messages[0].texte.contains("« Archiver »"));
    EXPECT_TRUE(f->bt_nouvelle->isEnabled());

    // An exchange with its levy takes four: refused as it is validated.
    boîtes.messages.clear();
    valide(1, 2, QStringLiteral("300"));
    EXPECT_FALSE(f->saisie_validée());
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Le tableau des lignes de compte n'a plus la place des 4 lignes"));

    // Without the levy it fits; the ledger is then full, and said so once.
    f->chk_prélever->click();
    boîtes.messages.clear();
    valide(1, 2, QStringLiteral("300"));
    ASSERT_TRUE(f->bt_créditer_adh->isEnabled()) << boîtes.textes().join('\n').toStdString();
    f->bt_créditer_adh->click();
    EXPECT_EQ(données.nombre_lignes_compte, max_lignes_compte - 1);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Le tableau des lignes de compte est plein (il reste 1 ligne"));
    for (QWidget* w : std::initializer_list<QWidget*>{f->bt_nouvelle, f->ctt_montant, f->ctt_ligne_cat,
                                                      f->ctt_libellé, f->bt_valider, f->bt_créditer_adh})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    // A cancellation line cannot be recorded either: refused before it is asked for.
    boîtes.messages.clear();
    const données_sel plein = données;
    f->gg_compte.setRow(1);
    f->gg_compte_DblClick();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Le tableau des lignes de compte n'a plus la place des 2 lignes"));
    EXPECT_TRUE(boîtes.messages[0].texte.contains("« Archiver »"));
    EXPECT_TRUE(données == plein);

    // Undone, the lines are free again and an entry can start.
    ASSERT_TRUE(f->bt_annul_ligne_adh->isEnabled());
    f->bt_annul_ligne_adh->click();
    EXPECT_EQ(données.nombre_lignes_compte, max_lignes_compte - 3);
    EXPECT_TRUE(f->bt_nouvelle->isEnabled());
    EXPECT_TRUE(f->ctt_montant->isEnabled());

    // Opened on a full ledger: nothing can be started.
    ferme();
    données.nombre_lignes_compte = max_lignes_compte - 1;
    boîtes.messages.clear();
    ouvre();
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Le tableau des lignes de compte est plein"));
    EXPECT_FALSE(f->bt_nouvelle->isEnabled());
    EXPECT_FALSE(f->ctt_montant->isEnabled());
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

TEST_F(fenêtre_compta, défaire_et_annuler)
{
    ouvre();
    const données_sel avant = données;
    valide(1, 2, QStringLiteral("300"));
    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 4);  // with its levy
    ASSERT_TRUE(f->bt_annul_ligne_adh->isEnabled());

    // The undo takes the exchange and its levy back, off the grid too, from
    // what was posted: not from the amount field.
    f->ctt_montant->setText(QStringLiteral("999"));
    f->bt_annul_ligne_adh->click();
    EXPECT_TRUE(mêmes_comptes(données, avant));
    EXPECT_EQ(f->gg_compte.Rows(), 1);
    EXPECT_EQ(f->lbl_der_solde->text(), "100");
    EXPECT_EQ(f->lbl_der_solde_offreur->text(), "50");
    EXPECT_FALSE(f->bt_annul_ligne_adh->isEnabled());
    EXPECT_TRUE(f->bt_annul_ligne_adh->isHidden());
    EXPECT_EQ(f->ctt_montant->text(), "");
    EXPECT_EQ(f->ctt_libellé->text(), "");
    EXPECT_EQ(f->ctt_jour_op->text() + f->ctt_mois_op->text() + f->ctt_an_op->text(), "14032026");

    // An exchange that a cancellation line then takes back, fraction included.
    valide(1, 2, QStringLiteral("40,25"));
    f->bt_créditer_adh->click();
    ASSERT_EQ(f->gg_compte.Rows(), 3);
    const données_sel enregistré = données;

    boîtes.réponses.push_back(rép_non);
    f->gg_compte.setRow(0);  // the header row: the first line is meant
    f->gg_compte_DblClick();
    EXPECT_EQ(boîtes.textes(),
              QStringList{"Cette action va créer une ligne d'annulation pour Cours de guitare . Etes-vous-sûr ? "});
    EXPECT_TRUE(données == enregistré);

    boîtes.messages.clear();
    boîtes.réponses.push_back(rép_oui);
    Q_EMIT f->vue_gg_compte->doubleClicked(f->vue_gg_compte->model()->index(0, 0));
    EXPECT_EQ(boîtes.messages.size(), 1u) << boîtes.textes().join('\n').toStdString();
    ASSERT_EQ(données.nombre_lignes_compte, 4);
    EXPECT_EQ(données.table_lignes_compte[3].description, "annul.Cours de guitare");
    EXPECT_EQ(données.table_lignes_compte[3].compte, 2);
    EXPECT_EQ(données.table_lignes_compte[3].dte_opé, date_depuis(QDate(2026, 2, 12)));
    EXPECT_EQ(données.table_lignes_compte[3].montant, monnaie::depuis_brut(402500));
    EXPECT_EQ(données.table_adhérents[1], avant.table_adhérents[1]);
    EXPECT_EQ(données.table_adhérents[2], avant.table_adhérents[2]);
    EXPECT_EQ(f->gg_compte.Rows(), 5);
    // The debited list comes back to the account repaid; nothing to undo.
    EXPECT_EQ(choisi(f->Liste_comptes), 1);
    EXPECT_EQ(choisi(f->liste_comptes_à_créditer), 1);
    EXPECT_EQ(f->lbl_der_solde->text(), "100");
    EXPECT_FALSE(f->bt_annul_ligne_adh->isEnabled());
    EXPECT_EQ(f->bt_nouvelle->text(), "Nouvelle");
    EXPECT_TRUE(f->grab().save(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("f_compta_annulation.png"))));

    // A partner deleted since has left the lists: the cancellation is
    // refused before the entry is touched, and Valider then "créditer"
    // record nothing between the accounts chosen before.
    ferme();
    données.table_adhérents[1].additif = 2;
    ouvre();
    choisis(f->Liste_comptes, 2);
    f->op_test_d[1]->click();
    f->cb_dernières->setCurrentIndex(0);
    Q_EMIT f->cb_dernières->activated(0);
    f->bt_extraire_relevé->click();
    ASSERT_GE(f->gg_compte.Rows(), 2);
    ASSERT_EQ(f->gg_compte.TextMatrix(1, 13), "1");
    choisis(f->Liste_comptes, 3);
    choisis(f->liste_comptes_à_créditer, 4);
    const QString libellé = f->ctt_libellé->text(), montant = f->ctt_montant->text();
    const bool valider = f->bt_valider->isEnabled();
    const données_sel annulé = données;
    boîtes.messages.clear();
    boîtes.réponses.push_back(rép_oui);
    QAbstractItemView* vue = f->vue_gg_compte;
    vue->scrollToTop();
    // A double click as the mouse makes it: a click, then its second press.
    const QPoint ligne = vue->visualRect(vue->model()->index(0, 2)).center();
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, ligne);
    QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, ligne);
    QTest::mouseRelease(vue->viewport(), Qt::LeftButton, {}, ligne);
    ASSERT_EQ(f->gg_compte.Row(), 1);
    EXPECT_EQ(boîtes.textes().value(1), "L'adhérent(e) Annick L. (compte n° 1) a quitté les listes des comptes : "
                                        "aucune ligne d'annulation n'a été créée.");
    EXPECT_EQ(f->ctt_libellé->text(), libellé);
    EXPECT_EQ(f->ctt_montant->text(), montant);
    EXPECT_EQ(f->bt_nouvelle->text(), "Nouvelle");
    EXPECT_EQ(f->bt_valider->isEnabled(), valider);
    EXPECT_EQ(choisi(f->Liste_comptes), 3);
    EXPECT_EQ(choisi(f->liste_comptes_à_créditer), 4);
    f->bt_valider->click();
    EXPECT_FALSE(f->bt_créditer_adh->isEnabled());
    f->bt_créditer_adh->click();
    EXPECT_TRUE(mêmes_comptes(données, annulé));

    // A double-click on a grid without lines does nothing.
    entête_grille_écritures(f->gg_compte, false);
    boîtes.messages.clear();
    f->gg_compte_DblClick();
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(fenêtre_compta, un_prélèvement_illisible_retient_la_fenêtre)
{
    ouvre();
    const données_sel avant = données;
    for (const char* texte : {"abc", "2 %"}) {
        SCOPED_TRACE(texte);
        boîtes.messages.clear();
        f->ctt_per_cent->setText(QString::fromUtf8(texte));
        EXPECT_FALSE(f->close());
        EXPECT_EQ(boîtes.textes(), QStringList{QStringLiteral("Le pourcentage à prélever « %1 » n'est pas un nombre.")
                                                   .arg(QString::fromUtf8(texte))});
        EXPECT_TRUE(fenêtre_chargée(QStringLiteral("f_compta")));
        EXPECT_EQ(données.taux_prélèvement, avant.taux_prélèvement);
        EXPECT_EQ(lit("trovane.sel"), écrit_données(avant));
    }
    f->ctt_per_cent->setText(QStringLiteral("1,5"));
    ferme();
    EXPECT_FALSE(fenêtre_chargée(QStringLiteral("f_compta")));
    EXPECT_EQ(données.taux_prélèvement, monnaie::depuis_brut(15000));
}

TEST_F(fenêtre_compta, payer_et_prélever_une_liste)
{
    données.mode_grille = QStringLiteral("comptes");
    ouvre();
    const données_sel avant = données;
    choisis(f->Liste_comptes, 9996);
    ASSERT_EQ(f->liste_comptes_asso->count(), 7);

    // Nothing selected: keeping the others keeps them all.
    f->liste_comptes_asso->clearSelection();
    f->ext[1]->trigger();
    EXPECT_EQ(f->liste_comptes_asso->count(), 7);
    // Members 2, 4 and 7 kept.
    for (int i : {1, 3, 6})
        f->liste_comptes_asso->item(i)->setSelected(true);
    f->ext[0]->trigger();
    ASSERT_EQ(f->liste_comptes_asso->count(), 3);
    EXPECT_EQ(f->num_compt_dest2->text(), "3");
    EXPECT_EQ(f->liste_comptes_asso->item(2)->data(Qt::UserRole).toInt(), 7);

    valide_plusieurs(QStringLiteral("10,5"));
    ASSERT_TRUE(f->bt_créditer_asso->isEnabled()) << boîtes.textes().join('\n').toStdString();
    ASSERT_TRUE(f->bt_prélever->isEnabled());
    EXPECT_FALSE(f->bt_créditer_asso->isHidden());
    f->bt_créditer_asso->click();
    ASSERT_EQ(données.nombre_lignes_compte, 6);
    const monnaie m = monnaie::depuis_brut(105000);
    EXPECT_EQ(données.comptes_asso[1].solde, -(m + m + m));
    EXPECT_EQ(données.table_adhérents[4].der_solde, m);
    // The window's grid shows the demandeur's side; the main grid all of it.
    ASSERT_EQ(f->gg_compte.Rows(), 4);
    EXPECT_EQ(f->gg_compte.TextMatrix(3, 13), "7");
    EXPECT_EQ(gg().Rows(), 7);
    EXPECT_EQ(f->lbl_der_solde->text(), "-31,5");
    EXPECT_EQ(f->dernière_opération_multiple, opération_reversement);
    EXPECT_FALSE(f->bt_créditer_asso->isEnabled());
    EXPECT_TRUE(f->bt_annul_lig_asso->isEnabled());
    EXPECT_TRUE(f->grab().save(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("f_compta_plusieurs.png"))));

    f->bt_annul_lig_asso->click();
    EXPECT_TRUE(mêmes_comptes(données, avant));
    EXPECT_EQ(f->gg_compte.Rows(), 1);
    EXPECT_EQ(gg().Rows(), 1);
    EXPECT_EQ(f->lbl_der_solde->text(), "0");
    EXPECT_EQ(f->dernière_opération_multiple, aucune_opération_multiple);
    EXPECT_FALSE(f->bt_annul_lig_asso->isEnabled());

    // A levy: the demandeur is credited by each listed member.
    valide_plusieurs(QStringLiteral("2"));
    f->bt_prélever->click();
    ASSERT_EQ(données.nombre_lignes_compte, 6);
    EXPECT_EQ(données.comptes_asso[1].solde, monnaie::unités(6));
    EXPECT_EQ(données.table_adhérents[2].der_solde, monnaie::unités(48));
    EXPECT_EQ(f->dernière_opération_multiple, opération_prélèvement);

    // Back to one credited account.
    f->bt_plusieurs[1]->click();
    EXPECT_FALSE(f->cadre_compte_adhérent->isHidden());
    EXPECT_TRUE(f->cadre_compte_asso->isHidden());
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
}

// The restore point that cannot be written as the window opens is told
// before the first exchange, with its Retry and Cancel; the exchange is then
// recorded, as it was when the refusal was told at opening.
TEST_F(fenêtre_compta, le_point_de_repère_refusé_est_dit_avant_le_premier_échange)
{
    QDir().mkpath(chemin("repère/trovane.sel"));  // a folder where the copy goes
    ouvre();
    valide(1, 2, QStringLiteral("30"));
    ASSERT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
    boîtes.réponses = {rép_réessayer};
    f->bt_créditer_adh->click();
    ASSERT_GE(boîtes.messages.size(), 2u);
    for (std::size_t i : {0u, 1u})
        EXPECT_EQ(boîtes.messages[i].style, style_boîte::réessayer_annuler | style_boîte::critique);
    EXPECT_EQ(données.nombre_lignes_compte, 2);
    EXPECT_TRUE(QFileInfo(chemin("repère/trovane.sel")).isDir());
    // Told once: what follows writes as usual.
    boîtes.messages.clear();
    ferme();
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join('\n').toStdString();
}

// A restore point left from earlier data, that the opening cannot replace:
// the box says so and what Cancel means; a restore is then refused and the
// data, in memory and on disk, stay those of now.
TEST_F(fenêtre_compta, un_point_de_repère_ancien_n_est_jamais_restauré)
{
    données_sel ancien = données;
    ancien.table_adhérents[1].der_solde = monnaie::unités(7);
    écrit("repère/trovane.sel", écrit_données(ancien));
    const QByteArray sur_disque = lit("trovane.sel");
    {
        pannes_fichiers pannes;
        pannes.lecture_seule(true);
        ouvre();
        valide(1, 2, QStringLiteral("30"));
        boîtes.réponses = {rép_réessayer, rép_annuler};
        f->bt_créditer_adh->click();
    }
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_TRUE(boîtes.messages[1].texte.contains(
        "le point de repère de l'ouverture de la fenêtre des comptes n'a pas pu être enregistré.\r\n[Réessayer]"));
    EXPECT_TRUE(boîtes.messages[1].texte.contains("[Annuler] continue sans point de repère"));
    EXPECT_EQ(données.nombre_lignes_compte, 2);
    const données_sel après = données;
    boîtes.messages.clear();
    boîtes.réponses = {rép_ok};
    appuie(f->Command1, Qt::ControlModifier);
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(boîtes.messages[1].texte, message_point_repère_pas_à_jour());
    EXPECT_TRUE(mêmes_comptes(données, après));
    EXPECT_EQ(lit("trovane.sel"), sur_disque);
    ferme();
    données_sel relu;
    lit_données(lit("trovane.sel"), relu);
    EXPECT_EQ(relu.nombre_lignes_compte, 2);

    // Asked at once after opening: the failure ends the restore there.
    {
        pannes_fichiers pannes;
        pannes.lecture_seule(true);
        ouvre();
        boîtes.messages.clear();
        boîtes.réponses = {rép_ok, rép_annuler};
        appuie(f->Command1, Qt::ControlModifier);
    }
    EXPECT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(données.nombre_lignes_compte, 2);
    EXPECT_EQ(lit("repère/trovane.sel"), écrit_données(ancien));
}

TEST_F(fenêtre_compta, point_de_repère_et_remises_à_zéro)
{
    ouvre();
    attend_enregistrement_en_fond();
    QFile::remove(chemin("repère/trovane.sel"));
    appuie(f->Command1, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(boîtes.textes(), QStringList{"Votre demande a bien été enregistrée.\r\nVous pourrez revenir aux données "
                                           "actuelles par un ctrl+click sur ce bouton ou en utilisant la fonction "
                                           "du menu fichier."});
    EXPECT_EQ(lit("repère/trovane.sel"), écrit_données(données));
    const données_sel au_repère = données;

    valide(1, 2, QStringLiteral("30"));
    f->bt_créditer_adh->click();
    valide(1, 3, QStringLiteral("20"));
    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 4);

    // Ctrl alone restores, once confirmed; the statement then lacks the two exchanges.
    boîtes.messages.clear();
    appuie(f->Command1, Qt::ControlModifier, Qt::RightButton);
    ASSERT_EQ(boîtes.messages.size(), 1u);  // cancelled
    EXPECT_EQ(données.nombre_lignes_compte, 4);
    boîtes.réponses.push_back(rép_ok);
    appuie(f->Command1, Qt::ControlModifier);
    EXPECT_TRUE(mêmes_comptes(données, au_repère));
    EXPECT_EQ(f->lbl_der_solde->text(), "100");
    EXPECT_EQ(f->lbl_der_solde_offreur->text(), "0");
    EXPECT_EQ(f->gg_compte.Rows(), 1);
    EXPECT_TRUE(f->cadre_période->title().startsWith("Extraction de Annick L."));
    EXPECT_FALSE(f->bt_annul_ligne_adh->isEnabled());

    // Nothing is written in the no-saving state: the user is told so.
    sans_enregistrement = true;
    boîtes.messages.clear();
    appuie(f->Command1, Qt::NoModifier);
    EXPECT_EQ(boîtes.textes(), QStringList{"Le point de repère n'a pas été enregistré : le dossier du programme "
                                           "n'accepte aucune écriture."});
    sans_enregistrement = false;

    // The resets work on the listed accounts, after two OKs.
    choisis(f->Liste_comptes, 9995);
    données.solde_départ = monnaie::unités(20);
    données.table_adhérents[3].débits = 4;
    boîtes.messages.clear();
    f->zéro_adh->trigger();  // the warning is cancelled
    EXPECT_EQ(choisi(f->Liste_comptes), 1);  // the first entry of the list
    EXPECT_EQ(données.table_adhérents[1].der_solde, monnaie::unités(100));
    choisis(f->Liste_comptes, 9995);
    boîtes.réponses = {rép_ok, rép_ok};
    f->zéro_adh->trigger();
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(données.table_adhérents[n].der_solde, monnaie::unités(20)) << n;
    EXPECT_EQ(f->lbl_der_solde->text(), "0");
    boîtes.réponses = {rép_ok, rép_annuler};
    f->zéro_cumuls->trigger();
    EXPECT_EQ(données.table_adhérents[3].débits, 4);
    boîtes.réponses = {rép_ok, rép_ok};
    f->zéro_cumuls->trigger();
    EXPECT_EQ(données.table_adhérents[3].débits, 0);
    EXPECT_EQ(boîtes.messages.size(), 7u);
    EXPECT_EQ(boîtes.messages[6].texte, "Les données cumulées des comptes  de la liste vont prendre la valeur 0");
}

TEST_F(fenêtre_compta, sélections_enregistrées_sous_leur_nom_entier)
{
    QDir().mkpath(chemin("etats"));
    écrit("etats/club.2024.eta", "");
    écrit("etats/Adultes.ETA", "");
    QStringList lus;
    branchement_charge_etat = [&](const QString& c, QWidget*) {
        lus << c;
        return true;
    };
    ouvre();
    f->extraire_Click();
    f->extraire_Click();  // opened twice: no item twice
    ASSERT_TRUE(f->ext.contains(5));
    EXPECT_FALSE(f->ext.contains(6));
    EXPECT_EQ(f->ext[4]->text(), "Adultes");
    EXPECT_EQ(f->ext[5]->text(), "club.2024");
    f->ext[5]->trigger();
    f->ext[4]->trigger();
    EXPECT_EQ(lus, (QStringList{chemin("etats/club.2024.eta"), chemin("etats/Adultes.ETA")}));
    branchement_charge_etat = nullptr;
}

TEST_F(fenêtre_compta, relevés_du_demandeur_et_de_l_offreur)
{
    ouvre();
    EXPECT_EQ(f->nombre_dernières, 20);  // "20 dernières" by default
    const std::pair<const char*, const char*> échanges[] = {{"10", "01"}, {"28", "02"}, {"01", "03"}};
    for (const auto& [jour, mois] : échanges) {
        valide(1, 2, QStringLiteral("10"));
        f->bt_nouvelle->click();
        f->ctt_libellé->setText(QStringLiteral("le %1/%2").arg(jour, mois));
        f->ctt_montant->setText(QStringLiteral("10"));
        f->ctt_jour_op->setText(jour);
        f->ctt_mois_op->setText(mois);
        entrée(f->ctt_montant);
        f->bt_créditer_adh->click();
    }
    valide(3, 2, QStringLiteral("5"));
    f->bt_créditer_adh->click();
    ASSERT_EQ(données.nombre_lignes_compte, 8);

    // By dates: "toutes" chosen and stored; February of the start year.
    f->op_test_d[0]->click();
    EXPECT_EQ(f->mode_extraction, mode_période);
    EXPECT_EQ(f->cb_dernières->currentIndex(), 0);
    EXPECT_FALSE(f->cb_dernières->isEnabled());
    EXPECT_EQ(réglages::lit("Utilisateur", "clef_ext"), "0");
    f->cb_mois->setCurrentIndex(1);
    Q_EMIT f->cb_mois->activated(1);
    EXPECT_EQ(f->ctt_jour_dep->text() + f->ctt_mois_dep->text() + f->ctt_an_dep->text(), "01022026");
    EXPECT_EQ(f->ctt_jour_fin->text() + f->ctt_mois_fin->text() + f->ctt_an_fin->text(), "28022026");
    // A letter is refused in a period field.
    touche(f->ctt_jour_dep, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(f->ctt_jour_dep->text(), "01");

    choisis(f->liste_comptes_à_créditer, 2);
    f->bt_extraire_offreur->click();
    EXPECT_EQ(f->cadre_période->title(), "Extraction de Bernard M.          ");  // the identifier as stored
    ASSERT_EQ(f->gg_compte.Rows(), 3);  // the credit lines of February, newest first
    EXPECT_EQ(f->gg_compte.TextMatrix(1, 2), "Cours de guitare");
    EXPECT_EQ(f->gg_compte.TextMatrix(2, 2), "le 28/02");

    // A wrong date is told and leaves the grid.
    f->ctt_jour_fin->setText(QStringLiteral("30"));
    f->bt_extraire_relevé->click();
    EXPECT_EQ(boîtes.textes().value(0),
              "Le 30/02/2026 n'est pas une date correcte ou dans les limites des dates possibles");
    EXPECT_EQ(f->gg_compte.Rows(), 3);

    // The last operations, and those between the two accounts.
    f->op_test_d[1]->click();
    EXPECT_EQ(f->mode_extraction, mode_dernières);
    EXPECT_FALSE(f->ctt_jour_dep->isEnabled());
    f->cb_dernières->setCurrentIndex(1);
    Q_EMIT f->cb_dernières->activated(1);
    EXPECT_EQ(réglages::lit("Utilisateur", "clef_ext"), "1");
    f->bt_extraire_offreur->click();
    EXPECT_EQ(f->gg_compte.Rows(), 5);  // its four lines
    f->cb_dernières->setCurrentIndex(0);
    choisis(f->Liste_comptes, 1);
    f->Bt_extraire_deux_comptes->click();
    ASSERT_EQ(f->gg_compte.Rows(), 4);  // not the one with member 3
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(f->gg_compte.TextMatrix(r, 13), "2");
}
}  // namespace
