#include "data/dossiers.h"
#include "data_windows/f_archivage.h"
#include "data_windows/f_maj.h"
#include "data_windows/f_options.h"
#include "data_windows/fenetres_donnees.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "main_window/f_vesk.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

template <class F>
struct fenêtre_essai {
    QPointer<F> f = new F;
    ~fenêtre_essai()
    {
        if (f)
            f->close();
        delete f.data();
    }
    F* operator->() const { return f; }
};

void tape(QWidget* zone, const QString& texte)
{
    for (const QChar c : texte) {
        const int touche = c == QLatin1Char('\r') ? int(Qt::Key_Return)
                           : c.isLetter()          ? c.toUpper().unicode()
                                                   : c.unicode();
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, QString(c));
        QApplication::sendEvent(zone, &appui);
    }
}

QString capture(QWidget& w, const QString& nom)
{
    const QDir dossier(QCoreApplication::applicationDirPath());
    dossier.mkpath(QStringLiteral("captures"));
    const QString chemin = dossier.filePath(QStringLiteral("captures/") + nom);
    w.grab().save(chemin);
    return chemin;
}

class fenêtres_données : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        enregistre_fenêtres_données();
        for (const char* d : {"archives", "repère"})
            QDir().mkpath(chemin(d));
        initialise_paramètres();
        remplit_association_essai(données, {12, 20, 30, 20});
        données.date_archivage = date_depuis(QDate(2025, 9, 1));
        données.compte_asso_débité = 9996;
        données.fichier_logo = QDir(QCoreApplication::applicationDirPath()).filePath("TROVANE.gif");
        fichier_courant = chemin("trovane.sel");
        enregistrer_fichier(fichier_courant, false);
    }
};

}  // namespace

// ---------------------------------------------------------------- settings window

TEST_F(fenêtres_données, paramètres_soldes_verrouillés_et_rangement_à_la_fermeture)
{
    fenêtre_essai<f_options> f;
    EXPECT_FALSE(f->Op_qui[0]->isChecked() || f->Op_qui[1]->isChecked());
    ASSERT_EQ(f->cb_comptes->count(), 5);
    EXPECT_EQ(f->cb_comptes->itemData(0).toInt(), 9995);
    EXPECT_EQ(f->cb_comptes->itemData(4).toInt(), 9999);
    EXPECT_EQ(f->cb_comptes->currentIndex(), 1);
    EXPECT_TRUE(f->ctt_solde_asso[0]->isEnabled());
    EXPECT_FALSE(f->ctt_solde_asso[1]->isEnabled());
    // An account renamed here is offered under its new name at once.
    f->nom_compte_asso[2]->selectAll();
    tape(f->nom_compte_asso[2], "Fonds");
    EXPECT_EQ(f->cb_comptes->itemText(2), "Fonds");
    EXPECT_EQ(f->cb_comptes->itemData(2).toInt(), 9997);
    EXPECT_EQ(f->cb_comptes->currentIndex(), 1);

    boîtes.réponses = {rép_non, rép_oui};
    f->bt_corriger->click();
    EXPECT_FALSE(f->ctt_solde_asso[1]->isEnabled());
    f->bt_corriger->click();
    EXPECT_TRUE(f->ctt_solde_asso[4]->isEnabled());
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::oui_non | style_boîte::exclamation);

    f->Op_qui[0]->click();
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta"), "True");

    f->ctt_solde_dep->clear();
    tape(f->ctt_solde_dep, "7a,5z");
    EXPECT_EQ(f->ctt_solde_dep->text(), "7,5");
    // A character typed in a genre list is taken on Enter, not before; a
    // text that names no pictogram leaves the choice as it was.
    QComboBox* genre = f->cb_genre[2];
    const int avant = genre->currentData().toInt();
    genre->lineEdit()->selectAll();
    tape(genre, "J");
    EXPECT_EQ(genre->currentText(), "J");
    EXPECT_EQ(genre->currentData().toInt(), avant);
    tape(genre, "\r");
    EXPECT_EQ(genre->currentData().toInt(), 74);
    EXPECT_EQ(genre->currentText(), genre->itemText(genre->currentIndex()));
    tape(genre, "J\r");
    EXPECT_EQ(genre->currentData().toInt(), 74);
    EXPECT_EQ(genre->currentText(), genre->itemText(genre->currentIndex()));
    EXPECT_FALSE(f->fermée());
    f->ctt_nom_monnaie_locale->setText("pommes");

    // A balance that is no amount keeps the window open.
    f->ctt_solde_asso[4]->setText("-");
    f->bt_annuler->click();
    ASSERT_FALSE(f->fermée());
    EXPECT_TRUE(boîtes.textes().back().contains("Compte association N° 5"));
    EXPECT_EQ(données.nom_monnaie, "grains");

    f->ctt_solde_asso[4]->setText("-3,5");
    f->bt_annuler->click();
    EXPECT_TRUE(f->fermée());
    EXPECT_EQ(données.nom_monnaie, "pommes");
    EXPECT_EQ(données.solde_départ, monnaie::depuis_brut(75000));
    EXPECT_EQ(données.symboles_genres[2], "74");
    EXPECT_EQ(données.comptes_asso[4].solde, monnaie::depuis_brut(-35000));
    EXPECT_EQ(données.comptes_asso[2].nom, "Fonds");
    EXPECT_EQ(lit("trovane.sel"), écrit_données(données));
}

// ---------------------------------------------------------------- extraction window

TEST_F(fenêtres_données, extraction_ouverte_en_fusion_ou_en_remplacement)
{
    const données_sel ouvert = données;
    écrit("même_période.sel", écrit_données(données));
    données_sel autre = données;
    autre.date_archivage = date_depuis(QDate(2024, 9, 1));
    autre.nom_monnaie = "pommes";
    écrit("autre_période.sel", écrit_données(autre));

    fichier_à_extraire = chemin("même_période.sel");
    {
        fenêtre_essai<f_maj> f;
        EXPECT_EQ(f->windowTitle(), "Ouvrir " + fichier_à_extraire);
        EXPECT_TRUE(f->op_mode[1]->isChecked());
        EXPECT_TRUE(f->chk_quoi[1]->isChecked());
        EXPECT_FALSE(f->chk_quoi[0]->isChecked() || f->chk_quoi[0]->isEnabled());
        EXPECT_FALSE(f->chk_quoi[2]->isChecked() || f->chk_quoi[2]->isEnabled());
        EXPECT_TRUE(f->chk_quoi[3]->isEnabled());

        // Replace, then merge again: members and accounts unchecked, greyed.
        f->op_mode[0]->click();
        EXPECT_TRUE(f->chk_quoi[0]->isChecked() && f->chk_quoi[0]->isEnabled());
        f->op_mode[1]->click();
        EXPECT_FALSE(f->chk_quoi[0]->isChecked() || f->chk_quoi[0]->isEnabled());
        EXPECT_FALSE(f->chk_quoi[2]->isChecked() || f->chk_quoi[2]->isEnabled());
        EXPECT_FALSE(f->choix().quoi[0] || f->choix().quoi[2]);
    }

    poste_compta = true;
    fichier_à_extraire = chemin("autre_période.sel");
    fenêtre_essai<f_maj> f;
    EXPECT_TRUE(f->op_mode[0]->isChecked());
    EXPECT_FALSE(f->op_mode[1]->isEnabled());
    EXPECT_TRUE(f->Op_qui[0]->isChecked());
    EXPECT_TRUE(f->chk_quoi[0]->isChecked() && f->chk_quoi[1]->isChecked() && f->chk_quoi[3]->isChecked());
    EXPECT_FALSE(f->chk_quoi[2]->isChecked());
    capture(*f.f, "f_maj.png");

    boîtes.réponses = {rép_ok};
    f->Extraire_données->click();
    EXPECT_TRUE(f->fermée());
    EXPECT_EQ(données.nom_monnaie, "pommes");
    EXPECT_EQ(lit("repère/trovane.sel"), écrit_données(ouvert));
}

// ---------------------------------------------------------------- archiving window

TEST_F(fenêtres_données, archivage_choix_par_défaut_et_soldes_refusés_sans_compte)
{
    fenêtre_essai<f_archivage> f;
    EXPECT_EQ(f->cb_mois_adh->currentText(), "plus d'un an ");
    EXPECT_EQ(f->cb_mois_cat->currentText(), "plus d'un mois");
    EXPECT_EQ(f->cb_mois_comptes->currentText(), "garder aucune ligne");
    EXPECT_TRUE(f->Label1->text().startsWith("L'opération d'archivage est une étape importante.\r\n"));
    capture(*f.f, "f_archivage.png");

    données.compte_asso_débité = 0;
    f->Chk_soldes->click();
    EXPECT_FALSE(f->Chk_soldes->isChecked());
    EXPECT_EQ(boîtes.textes(), QStringList{message_pas_de_compte_débité});

    // The run's refusal keeps the window open.
    f->bt_appliquer->click();
    EXPECT_FALSE(f->fermée());
    boîtes.fichiers = {chemin("archives/fin.sel")};
    données.compte_asso_débité = 9996;
    f->chk_crédits_débits_volume->click();
    f->bt_appliquer->click();
    EXPECT_TRUE(f->fermée());
    EXPECT_EQ(données.type_fichier, "courant");
    EXPECT_EQ(données.comptes_asso[3].volume, monnaie{});
}

// ---------------------------------------------------------------- main window

TEST_F(fenêtres_données, menus_de_la_fenêtre_principale_et_ligne_de_commande)
{
    // The data file named on the command line opens in the extraction window
    // before the main window shows.
    écrit("reçu.sel", lit("trovane.sel"));
    QDir().mkpath(chemin("Aide"));  // not a first start
    bool principale_visible = true;
    QString titre_extraction;
    QTimer::singleShot(0, [&] {
        if (auto* f = dynamic_cast<f_maj*>(fenêtre_chargée(noms_fenêtres::extraction))) {
            titre_extraction = f->windowTitle();
            principale_visible = fenêtre_principale_ouverte() && fenêtre_principale_ouverte()->isVisible();
            f->bt_quitter->click();
        }
    });
    QPointer<F_vesk> f = &démarre_trovane("\"" + chemin("reçu.sel") + "\"");
    EXPECT_EQ(titre_extraction, "Ouvrir " + chemin("reçu.sel"));
    EXPECT_FALSE(principale_visible);

    // A cancelled file dialog opens nothing.
    f->menu("maj_fichier")->trigger();
    EXPECT_EQ(fenêtre_chargée(noms_fenêtres::extraction), nullptr);

    for (const char* nom : {"paramètres", "archi"}) {
        QString ouverte;
        QTimer::singleShot(0, [&] {
            for (fenêtre_programme* w : fenêtres_chargées())
                if (w->feuille().isModal()) {
                    ouverte = w->feuille().objectName();
                    if (ouverte == noms_fenêtres::options)
                        capture(w->feuille(), "f_options.png");
                    w->feuille().close();
                }
        });
        ASSERT_TRUE(f->menu(nom)->isEnabled()) << nom;
        f->menu(nom)->trigger();
        EXPECT_EQ(ouverte, QString::fromUtf8(nom) == "archi" ? noms_fenêtres::archivage : noms_fenêtres::options);
    }
    f->close();
    QApplication::processEvents();
}
