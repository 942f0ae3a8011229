// The member register and the propositions editor used together, from the
// main window, with the windows really taking turns as the active one: what
// is typed, pasted or picked with the mouse in one window is validated by
// that window, never taken for a change of the other, never dropped on the
// way, and never written into another data file opened meanwhile.
#include "accounts/f_compta.h"
#include "classification/f_base.h"
#include "classification/f_rubriques.h"
#include "data/dossiers.h"
#include "data_windows/archivage.h"
#include "data_windows/extraction.h"
#include "data/fichier_donnees.h"
#include "main_window/f_vesk.h"
#include "main_window/menus_grille.h"
#include "ui_common/vues_tables.h"
#include "members/fenetres_adherents.h"
#include "programme.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/principale.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

void laisse_passer()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void tape(QWidget* w, const QString& texte)
{
    for (const QChar c : texte) {
        QKeyEvent k(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &k);
    }
}

void entre_dans(QWidget* w)
{
    QFocusEvent e(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w, &e);
}

// A right click on a field, then "Coller" clicked in its menu: no key at all.
void colle_par_le_menu(QWidget* champ, const QString& texte)
{
    QGuiApplication::clipboard()->setText(texte);
    auto* zone = qobject_cast<QAbstractScrollArea*>(champ);
    QWidget* cible = zone ? zone->viewport() : champ;
    const QPoint ici(4, 4);
    QContextMenuEvent clic(QContextMenuEvent::Mouse, ici, cible->mapToGlobal(ici));
    QApplication::sendEvent(cible, &clic);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    // The paste entry is the one that shows the paste shortcut.
    const QString raccourci = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QAction* coller = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().endsWith(QLatin1Char('\t') + raccourci))
            coller = a;
    ASSERT_TRUE(coller && coller->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(coller).center());
    laisse_passer();
}

// An entry of a list chosen with the mouse: its arrow, then the entry.
void choisit_à_la_souris(QComboBox* liste, int position)
{
    QTest::mouseClick(liste, Qt::LeftButton, {}, QPoint(liste->width() - 6, liste->height() / 2));
    QAbstractItemView* vue = liste->view();
    ASSERT_TRUE(vue->isVisible());
    // A release too close to the press that opened the list is not a choice.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, vue->visualRect(vue->model()->index(position, 0)).center());
    laisse_passer();
}

const QDate cinq_mai(2020, 5, 5);

class registre_et_offres : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        enregistre_toutes_les_fenêtres();
        initialise_paramètres();
        remplit_association_essai(données);
        // Member 1 shows first in the register; its first offer is slot 1,
        // last validated on 5 May 2020.
        proposition& p = données.table_propositions[1];
        p.num_adh = 1;
        p.identifiant = données.table_adhérents[1].identifiant.str();
        p.type = 1;
        p.additif = 0;
        p.code_rubrique = 101;
        p.désignation = "Cours de cuisine";
        p.date = date_depuis(cinq_mai);
        données.table_adhérents[1].date_adhésion = date_depuis(QDate(2019, 9, 2));
        enregistrer_fichier(chemin("trovane.sel"), false);
        données = données_sel{};
        QDir().mkpath(chemin("Aide"));
        f = &démarre_trovane();
        adhérent_courant = 1;
    }
    void TearDown() override
    {
        boîtes.réponses.assign(8, rép_non);
        if (f)
            f->close();
        laisse_passer();
        essai_dossier::TearDown();
    }

    // The register from the main window's members mode, as the user opens it.
    f_adhérents* ouvre_registre()
    {
        f->op(1)->click();
        f->Bt_appel_feuilles->click();
        laisse_passer();
        return registre();
    }
    // The editor from the main window's offers mode, the main window active first.
    f_base* ouvre_éditeur()
    {
        f->activateWindow();
        laisse_passer();
        f->op(0)->click();
        f->Bt_appel_feuilles->click();
        laisse_passer();
        return éditeur();
    }
    static f_adhérents* registre() { return dynamic_cast<f_adhérents*>(fenêtre_chargée("f_adhérents")); }
    static f_base* éditeur() { return dynamic_cast<f_base*>(fenêtre_chargée("f_base")); }
    static bool active(fenêtre_programme* w) { return w && QApplication::activeWindow() == &w->feuille(); }
    static void clique(QPushButton* b)
    {
        b->click();
        laisse_passer();
    }

    adhérent& a(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }
    proposition& p(int slot) { return données.table_propositions[static_cast<std::size_t>(slot)]; }
    données_sel relu() const
    {
        données_sel d;
        lit_données(lit("trovane.sel"), d);
        return d;
    }

    QPointer<F_vesk> f;
};

// One edit of the register, and how to see that it reached member 1.
struct saisie {
    const char* nom;
    std::function<void(f_adhérents&)> fait;
    std::function<bool(const adhérent&)> arrivée;
};

const saisie saisies[] = {
    {"Adresse courrier",
     [](f_adhérents& r) {
         r.ctt_rue->clear();
         tape(r.ctt_rue, "3 rue Neuve");
     },
     [](const adhérent& m) { return m.rue.trimmed() == "3 rue Neuve"; }},
    {"Tel 1",
     [](f_adhérents& r) {
         r.ctt_tel1->clear();
         tape(r.ctt_tel1, "02 98 00 11 22");
     },
     [](const adhérent& m) { return m.tel1.trimmed() == "02 98 00 11 22"; }},
    {"Date d'adhésion",
     [](f_adhérents& r) {
         r.ctt_date_adh->clear();
         tape(r.ctt_date_adh, "01.02.2021");
     },
     [](const adhérent& m) { return m.date_adhésion == date_depuis(QDate(2021, 2, 1)); }},
    {"Sexe",
     [](f_adhérents& r) {
         entre_dans(r.cb_sexe);
         r.cb_sexe->setCurrentIndex(r.cb_sexe->currentIndex() == 0 ? 1 : 0);
     },
     [](const adhérent& m) { return m.sexe == 0 || m.sexe == 1; }},
};

}  // namespace

TEST_F(registre_et_offres, le_registre_valide_avant_d_ouvrir_les_offres)
{
    for (const saisie& s : saisies) {
        SCOPED_TRACE(s.nom);
        boîtes.messages.clear();
        f_adhérents* r = ouvre_registre();
        ASSERT_TRUE(r);
        ASSERT_EQ(r->numéro_affiché(), 1);
        const proposition offre = p(1);
        s.fait(*r);
        const int sexe_choisi = r->cb_sexe->currentIndex();
        ASSERT_TRUE(r->bt_valider->isEnabled());

        clique(r->bt_offres_demandes);
        f_base* b = éditeur();
        ASSERT_TRUE(b);
        EXPECT_TRUE(active(b));
        EXPECT_FALSE(r->isVisible());
        // The register validated its own change, as choosing another member does.
        EXPECT_TRUE(s.arrivée(a(1)));
        EXPECT_EQ(a(1).sexe, sexe_choisi);
        EXPECT_TRUE(s.arrivée(relu().table_adhérents[1]));
        // The editor took nothing for a change of its own.
        EXPECT_FALSE(boîtes.textes().contains("Il n'y a rien de nouveau à valider")) << boîtes.textes().join(" | ").toStdString();
        EXPECT_EQ(b->proposition_éditée(), 1);
        EXPECT_FALSE(b->bt_modifier->isEnabled());
        EXPECT_EQ(p(1), offre);

        // Back in the register: choosing another member keeps member 1 as stored.
        clique(b->bt_ajout_suppr_adh);
        ASSERT_TRUE(active(r));
        const adhérent validé = a(1);
        r->Liste_adhérents->setCurrentIndex(2);
        Q_EMIT r->Liste_adhérents->activated(2);
        EXPECT_EQ(a(1), validé);
        EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();

        ASSERT_TRUE(décharge_fenêtre("f_adhérents"));
        ASSERT_TRUE(décharge_fenêtre("f_base"));
        laisse_passer();
        adhérent_courant = 1;
    }
}

TEST_F(registre_et_offres, une_proposition_intacte_n_est_jamais_revalidée)
{
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    clique(r->bt_offres_demandes);
    f_base* b = éditeur();
    ASSERT_TRUE(b);
    ASSERT_EQ(b->proposition_éditée(), 1);
    const proposition offre = p(1);
    ASSERT_EQ(jour_de(offre.date), cinq_mai);

    // One keystroke in the register, then back to the offers.
    clique(b->bt_ajout_suppr_adh);
    ASSERT_TRUE(active(r));
    tape(r->ctt_tel1, "9");
    clique(r->bt_offres_demandes);
    ASSERT_TRUE(active(b));
    EXPECT_EQ(p(1), offre);
    EXPECT_EQ(jour_de(relu().table_propositions[1].date), cinq_mai);
    EXPECT_TRUE(a(1).tel1.trimmed().endsWith('9'));

    // The same from the main window's buttons: the register left with a
    // change pending (deactivation keeps it), then the editor opened from
    // the offers mode.
    clique(b->bt_ajout_suppr_adh);
    tape(r->ctt_tel2, "7");
    ASSERT_EQ(ouvre_éditeur(), b);
    ASSERT_TRUE(active(b));
    EXPECT_EQ(p(1), offre);
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
    // The register kept its own change and validates it when it leaves the member.
    EXPECT_TRUE(r->bt_valider->isEnabled());
    EXPECT_FALSE(a(1).tel2.trimmed().endsWith('7'));
    r->Liste_adhérents->setCurrentIndex(3);
    Q_EMIT r->Liste_adhérents->activated(3);
    EXPECT_TRUE(a(1).tel2.trimmed().endsWith('7'));
    EXPECT_EQ(p(1), offre);
}

TEST_F(registre_et_offres, la_saisie_de_l_éditeur_reste_la_sienne)
{
    // The register shows member 1; the editor, opened from the offers mode,
    // gets its description typed in.
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    ASSERT_EQ(r->numéro_affiché(), 1);
    const adhérent premier = a(1);
    f_base* b = ouvre_éditeur();
    ASSERT_TRUE(b);
    ASSERT_TRUE(active(b));
    ASSERT_EQ(b->proposition_éditée(), 1);
    b->ctt_offre_demande->moveCursor(QTextCursor::End);
    tape(b->ctt_offre_demande, " bio");

    // Back in the register: choosing another member does not take the
    // editor's typing for a change of the member shown.
    montre_fenêtre("f_adhérents");
    laisse_passer();
    ASSERT_TRUE(active(r));
    r->Liste_adhérents->setCurrentIndex(1);
    Q_EMIT r->Liste_adhérents->activated(1);
    EXPECT_EQ(a(1), premier);
    EXPECT_NE(adhérent_courant, 1);
    EXPECT_EQ(p(1).désignation, "Cours de cuisine");

    // Back in the editor, its own change is validated into the proposition
    // it was typed on, then the member chosen in the register is shown.
    montre_fenêtre("f_base");
    laisse_passer();
    ASSERT_TRUE(active(b));
    EXPECT_EQ(p(1).désignation, "Cours de cuisine bio");
    EXPECT_EQ(p(1).num_adh, 1);
    EXPECT_EQ(jour_de(p(1).date), QDate(2026, 3, 14));
    EXPECT_EQ(b->num_adhérent->text(), QString::number(adhérent_courant));
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
}

TEST_F(registre_et_offres, une_validation_refusée_garde_la_saisie_et_dit_pourquoi)
{
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    r->ctt_crédits->setEnabled(true);
    r->ctt_crédits->clear();
    tape(r->ctt_crédits, "70000");
    const adhérent avant = a(1);

    // Another window opened from the register: refused, the register stays.
    clique(r->bt_offres_demandes);
    EXPECT_EQ(boîtes.textes().last(), "Le nombre de crédits doit être compris entre -32768 et 32767.");
    EXPECT_TRUE(r->isVisible());
    f_base* b = éditeur();
    EXPECT_TRUE(!b || !b->isVisible());
    EXPECT_EQ(r->ctt_crédits->text(), "70000");
    EXPECT_TRUE(r->bt_valider->isEnabled());
    EXPECT_EQ(a(1).crédits, avant.crédits);

    // The main window closing: the register asks, its validation is
    // refused again, and neither it nor the program goes.
    boîtes.réponses.push_back(rép_oui);
    EXPECT_FALSE(f->close());
    laisse_passer();
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(registre(), r);
    EXPECT_EQ(r->ctt_crédits->text(), "70000");
    EXPECT_EQ(boîtes.textes().last(), "Le nombre de crédits doit être compris entre -32768 et 32767.");

    // Corrected, the change goes through and the editor opens.
    r->ctt_crédits->setText("7");
    clique(r->bt_offres_demandes);
    EXPECT_EQ(a(1).crédits, 7);
    ASSERT_TRUE(éditeur());
    EXPECT_TRUE(active(éditeur()));
}

TEST_F(registre_et_offres, les_étiquettes_s_ouvrent_même_quand_le_nouveau_est_refusé)
{
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    r->bt_nouvelle_Click();
    ASSERT_TRUE(r->mode_nouveau());
    // No identifier yet: the validation is refused, with its reason.
    r->bt_imprimer_Click();
    laisse_passer();
    EXPECT_EQ(boîtes.textes(), QStringList{"Vous n'avez pas indiqué de prénom "});
    fenêtre_programme* étiquettes = fenêtre_chargée("f_impression");
    ASSERT_TRUE(étiquettes);
    EXPECT_TRUE(étiquettes->feuille().isVisible());
    // The new member stays pending in the register.
    EXPECT_TRUE(r->mode_nouveau());
    EXPECT_EQ(données.nombre_adhérents, 40);

    // Completed, it is validated before the labels window shows again.
    r->ctt_prénom->setText("Zoé");
    r->bt_imprimer_Click();
    laisse_passer();
    EXPECT_FALSE(r->mode_nouveau());
    EXPECT_EQ(données.nombre_adhérents, 41);
    EXPECT_EQ(relu().nombre_adhérents, 41);
}

TEST_F(registre_et_offres, une_saisie_à_la_souris_attend_sa_validation)
{
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    ASSERT_EQ(r->numéro_affiché(), 1);
    ASSERT_FALSE(r->bt_valider->isEnabled());

    // A civility picked from its list, a street pasted: no key pressed.
    const int civilité = a(1).civilité == 3 ? 4 : 3;
    choisit_à_la_souris(r->cb_civilité, civilité);
    ASSERT_EQ(r->cb_civilité->currentIndex(), civilité);
    EXPECT_TRUE(r->bt_valider->isEnabled());
    r->ctt_rue->selectAll();
    colle_par_le_menu(r->ctt_rue, QStringLiteral("12 chemin des Écoliers"));
    ASSERT_EQ(r->ctt_rue->text(), "12 chemin des Écoliers");

    // Another member chosen: both are validated first, without a question.
    const int autre = r->Liste_adhérents->itemData(2).toInt();
    r->Liste_adhérents->setCurrentIndex(2);
    Q_EMIT r->Liste_adhérents->activated(2);
    EXPECT_EQ(r->numéro_affiché(), autre);
    EXPECT_EQ(a(1).civilité, civilité);
    EXPECT_EQ(a(1).rue.trimmed(), "12 chemin des Écoliers");
    EXPECT_EQ(relu().table_adhérents[1].rue.trimmed(), "12 chemin des Écoliers");
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();

    // Closing with a pasted e-mail asks about it, and Yes stores it.
    colle_par_le_menu(r->ctt_e_mail, QStringLiteral("coller@exemple.fr"));
    boîtes.réponses.push_back(rép_oui);
    ASSERT_TRUE(décharge_fenêtre("f_adhérents"));
    laisse_passer();
    EXPECT_EQ(boîtes.textes(), QStringList{" Voulez-vous valider la modification? "});
    EXPECT_TRUE(a(autre).e_mail.trimmed().endsWith("coller@exemple.fr"));

    // The editor: a description pasted, then another member chosen.
    boîtes.messages.clear();
    adhérent_courant = 1;
    f_base* b = ouvre_éditeur();
    ASSERT_TRUE(b);
    ASSERT_EQ(b->proposition_éditée(), 1);
    b->ctt_offre_demande->moveCursor(QTextCursor::End);
    colle_par_le_menu(b->ctt_offre_demande, QStringLiteral(" bio"));
    ASSERT_EQ(b->ctt_offre_demande->toPlainText(), "Cours de cuisine bio");
    EXPECT_TRUE(b->bt_modifier->isEnabled());
    b->Liste_adhérents->setCurrentIndex(b->Liste_adhérents->findData(autre));
    EXPECT_EQ(adhérent_courant, autre);
    EXPECT_EQ(p(1).désignation, "Cours de cuisine bio");
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
}

TEST_F(registre_et_offres, un_autre_fichier_ouvert_ne_reçoit_rien_du_premier)
{
    // File B: the same association, whose member 1 and first offer differ.
    données_sel b_données = relu();
    b_données.table_adhérents[1].identifiant = QStringLiteral("Bérénice");
    b_données.table_adhérents[1].e_mail = QStringLiteral("berenice@autre.fr");
    b_données.table_adhérents[1].rue = QStringLiteral("1 place du Marché");
    b_données.table_propositions[1].désignation = QStringLiteral("Tricot");
    écrit("autre.sel", écrit_données(b_données));
    const QByteArray fichier_b = lit("autre.sel");

    // A change pending in the register, another in the editor.
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    r->ctt_e_mail->selectAll();
    colle_par_le_menu(r->ctt_e_mail, QStringLiteral("premier@fichier.fr"));
    f_base* b = ouvre_éditeur();
    ASSERT_TRUE(b);
    ASSERT_EQ(b->proposition_éditée(), 1);
    b->ctt_offre_demande->moveCursor(QTextCursor::End);
    colle_par_le_menu(b->ctt_offre_demande, QStringLiteral(" du premier"));
    ASSERT_TRUE(r->modification_en_attente());
    ASSERT_TRUE(b->modification_en_attente());

    // File > Ouvrir on B.
    f->activateWindow();
    laisse_passer();
    boîtes.fichiers = {chemin("autre.sel")};
    f->menu("ouvrir_la_base")->trigger();
    laisse_passer();
    EXPECT_EQ(fichier_courant, chemin("autre.sel"));
    EXPECT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();
    // Both changes went into the file they were made on...
    const données_sel a_relu = relu();
    EXPECT_EQ(a_relu.table_adhérents[1].e_mail.trimmed(), "premier@fichier.fr");
    EXPECT_EQ(a_relu.table_propositions[1].désignation, "Cours de cuisine du premier");
    // ...the windows that held them are gone, and B has nothing of A.
    EXPECT_FALSE(registre());
    EXPECT_FALSE(éditeur());
    EXPECT_EQ(a(1), b_données.table_adhérents[1]);
    EXPECT_EQ(p(1), b_données.table_propositions[1]);
    EXPECT_EQ(lit("autre.sel"), fichier_b);

    // A refused validation stops the load: nothing changes.
    r = ouvre_registre();
    ASSERT_TRUE(r);
    r->ctt_crédits->setEnabled(true);
    r->ctt_crédits->setText(QStringLiteral("70000"));
    f->activateWindow();
    laisse_passer();
    boîtes.fichiers = {chemin("trovane.sel")};
    f->menu("ouvrir_la_base")->trigger();
    laisse_passer();
    EXPECT_EQ(boîtes.textes().last(), "Le nombre de crédits doit être compris entre -32768 et 32767.");
    EXPECT_EQ(fichier_courant, chemin("autre.sel"));
    EXPECT_EQ(registre(), r);
    EXPECT_EQ(r->ctt_crédits->text(), "70000");
    EXPECT_EQ(a(1), b_données.table_adhérents[1]);
}

TEST_F(registre_et_offres, chaque_chargement_fait_valider_puis_fermer_les_fenêtres)
{
    données_sel b_données = relu();
    b_données.table_adhérents[1].e_mail = QStringLiteral("berenice@autre.fr");
    écrit("autre.sel", écrit_données(b_données));
    const QString e_mail_départ = a(1).e_mail.trimmed();
    struct chargement {
        const char* nom;
        std::function<void()> fait;
        QString e_mail_après;  // member 1's, in memory, after the load
    };
    const QString saisi = QStringLiteral("saisi@avant.fr");
    // The exchange window from the main window's accounts mode; it sets its
    // restore point as it opens.
    const auto échanges = [&] {
        f->op(4)->click();
        f->Bt_appel_feuilles->click();
        laisse_passer();
        auto* c = dynamic_cast<f_compta*>(fenêtre_chargée("f_compta"));
        if (!c)
            throw std::runtime_error("the exchange window did not open");
        return c;
    };
    const chargement chargements[] = {
        {"Récupérer",
         [&] {
             boîtes.fichiers = {chemin("autre.sel")};
             f->récup_Click();
         },
         QStringLiteral("berenice@autre.fr")},
        {"Restaurer", [&] { f->restaure_Click(); }, e_mail_départ},
        {"Restaurer le fichier repère", [&] { f->restaure_repere_Click(); }, e_mail_départ},
        // The exchange window's own restorings send the other windows away too.
        {"Restaurer le fichier repère des échanges", [&] { échanges()->rest_rep->trigger(); }, e_mail_départ},
        {"Ctrl+clic sur le point de repère",
         [&] {
             f_compta* c = échanges();
             boîtes.réponses.push_back(rép_ok);
             QTest::mouseClick(c->Command1, Qt::LeftButton, Qt::ControlModifier);
         },
         e_mail_départ},
        {"Restaurer le fichier du départ depuis les échanges", [&] { échanges()->restaure_départ->trigger(); },
         e_mail_départ},
        {"Extraire en remplaçant",
         [&] {
             fichier_à_extraire = chemin("autre.sel");
             boîtes.réponses.push_back(rép_ok);
             extrait_données({true, {}});
         },
         QStringLiteral("berenice@autre.fr")},
        // A merge keeps the members in memory: the change validated stays.
        {"Extraire en fusionnant",
         [&] {
             fichier_à_extraire = chemin("autre.sel");
             boîtes.réponses.push_back(rép_ok);
             extrait_données({false, {false, true, false, true}});
         },
         saisi},
        // So does the archiving, which only lightens them.
        {"Archiver",
         [&] {
             boîtes.fichiers = {chemin("archives/fin.sel")};
             archive_période({});
         },
         saisi},
    };
    for (const chargement& c : chargements) {
        SCOPED_TRACE(c.nom);
        boîtes.messages.clear();
        adhérent_courant = 1;
        f_adhérents* r = ouvre_registre();
        ASSERT_TRUE(r);
        ASSERT_EQ(r->numéro_affiché(), 1);
        r->ctt_e_mail->selectAll();
        colle_par_le_menu(r->ctt_e_mail, saisi);
        f->activateWindow();
        laisse_passer();
        c.fait();
        laisse_passer();
        EXPECT_FALSE(registre());
        EXPECT_EQ(a(1).e_mail.trimmed(), c.e_mail_après);
        // The change went to the former file before anything was loaded.
        EXPECT_TRUE(lit("trovane.sel").contains(saisi.toLatin1()) || lit("repère/trovane.sel").contains(saisi.toLatin1()));
    }
}

TEST_F(registre_et_offres, la_grille_convertie_reste_celle_que_l_utilisateur_a_laissée)
{
    f_adhérents* r = ouvre_registre();
    ASSERT_TRUE(r);
    r->ctt_e_mail->selectAll();
    colle_par_le_menu(r->ctt_e_mail, QStringLiteral("saisi@registre.fr"));
    f->activateWindow();
    laisse_passer();
    // The members grid, coded, edited by hand before its conversion.
    f->op(1)->click();
    affiche_adhérents(gg(), false);
    int ligne = gg().FixedRows();
    while (ligne < gg().Rows() && gg().TextMatrix(ligne, col_adhérents::numéro) != "1")
        ++ligne;
    ASSERT_LT(ligne, gg().Rows());
    gg().setTextMatrix(ligne, col_adhérents::e_mail, QStringLiteral("grille@exemple.fr"));

    boîtes.réponses.assign(2, rép_ok);
    récupérer_Click();  // "Convertir les données de la grille pour Trovane"
    laisse_passer();
    // The register's change went to the file first, the register went, and
    // its going did not put the tables back into the grid being converted.
    EXPECT_TRUE(lit("trovane.sel").contains("saisi@registre.fr"));
    EXPECT_FALSE(registre());
    EXPECT_EQ(a(1).e_mail.trimmed(), "grille@exemple.fr");
}

// A new member given the registration credit, the main window activated (the
// register saves as it is deactivated), then the new member abandoned: the
// file on disk holds neither the credit's lines nor its balances, whichever
// way the member is abandoned.
TEST_F(registre_et_offres, le_crédit_d_un_nouvel_abandonné_quitte_aussi_le_fichier)
{
    auto somme = [](données_sel d) {
        monnaie s;
        pour_chaque_adhérent(d, [&](int, adhérent& m) { s += m.der_solde; });
        for (const compte_asso& c : d.comptes_asso)
            s += c.solde;
        return s;
    };
    const std::vector<std::pair<const char*, std::function<void(f_adhérents*)>>> abandons = {
        {"Annuler", [](f_adhérents* r) { clique(r->bt_supprimer); }},
        {"Retour, puis Non", [](f_adhérents* r) { clique(r->bt_quitter); }},
        {"Quitter, puis Non", [this](f_adhérents*) { f->bt_annuler->click(); }},
    };
    for (const auto& [nom, abandonne] : abandons) {
        SCOPED_TRACE(nom);
        adhérent_courant = 1;
        const données_sel départ = relu();
        données.compte_asso_débité = 9996;
        données.solde_départ = monnaie::unités(50);
        f_adhérents* r = ouvre_registre();
        ASSERT_TRUE(r);
        clique(r->bt_nouvelle);
        const int n = lit_numéro_adhérent(r->num_adhérent->text());
        ASSERT_GT(n, 0);
        tape(r->ctt_prénom, "Zoé");
        // A starting balance typed in the account field, then the credit.
        tape(r->ctt_solde, "20");
        clique(r->bt_créditer_adh);
        ASSERT_EQ(données.nombre_lignes_compte, départ.nombre_lignes_compte + 2);

        f->activateWindow();
        laisse_passer();
        ASSERT_EQ(relu().nombre_lignes_compte, départ.nombre_lignes_compte + 2);

        boîtes.réponses.assign(8, rép_non);
        if (std::string(nom) == "Annuler") {
            r->activateWindow();
            laisse_passer();
        }
        abandonne(r);
        laisse_passer();
        const données_sel disque = relu();
        EXPECT_EQ(disque.nombre_lignes_compte, départ.nombre_lignes_compte);
        for (int i = 1; i <= disque.nombre_lignes_compte; ++i)
            EXPECT_NE(disque.table_lignes_compte[static_cast<std::size_t>(i)].compte, n);
        EXPECT_EQ(disque.comptes_asso[1].solde, départ.comptes_asso[1].solde);
        EXPECT_EQ(disque.table_adhérents[static_cast<std::size_t>(n)].der_solde,
                  départ.table_adhérents[static_cast<std::size_t>(n)].der_solde);
        EXPECT_EQ(somme(disque), somme(départ));
        if (f && fenêtre_chargée("f_adhérents"))
            décharge_fenêtre("f_adhérents");
        laisse_passer();
    }
}

// Proposition 1 (code 101) changed in the editor, sections 1 and 2 swapped in
// the classification editor: the change is validated first, under its own
// code, and the swap then files the proposition under 201, in memory and on disk.
TEST_F(registre_et_offres, une_permutation_de_rubriques_valide_d_abord_l_éditeur)
{
    f_base* b = ouvre_éditeur();
    ASSERT_TRUE(b);
    ASSERT_EQ(b->proposition_éditée(), 1);
    tape(b->ctt_offre_demande, " maison");
    ASSERT_TRUE(b->modification_en_attente());

    f->activateWindow();
    laisse_passer();
    f->op(2)->click();
    f->Bt_appel_feuilles->click();
    laisse_passer();
    auto* r = dynamic_cast<f_rubriques*>(fenêtre_chargée("f_rubriques"));
    ASSERT_TRUE(r);
    ASSERT_GE(r->cb_rub1->count(), 2);
    r->cb_rub1->clearSelection();
    r->cb_rub1->item(0)->setSelected(true);
    r->cb_rub1->item(1)->setSelected(true);
    clique(r->bt_permuter_rubriques);

    EXPECT_EQ(p(1).code_rubrique, 201);
    EXPECT_TRUE(p(1).désignation.trimmed().contains("maison"));
    EXPECT_EQ(relu().table_propositions[1].code_rubrique, 201);
    b->activateWindow();
    laisse_passer();
    EXPECT_FALSE(b->modification_en_attente());
    EXPECT_EQ(p(1).code_rubrique, 201);
}
