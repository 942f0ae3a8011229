#include "classification/f_base.h"
#include "classification/f_rubriques.h"

#include "classification/classement.h"
#include "classification/fenetres_classification.h"
#include "classification/jeu_classement.h"
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"
#include "ui_common/shell.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

namespace {

void tape(QWidget* zone, const QString& texte)
{
    for (const QChar c : texte) {
        const int touche = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, QString(c));
        QApplication::sendEvent(zone, &appui);
    }
}

// Typing goes on after the text already there.
void tape(QPlainTextEdit* zone, const QString& texte)
{
    zone->moveCursor(QTextCursor::End);
    tape(static_cast<QWidget*>(zone), texte);
}

void entrée(QWidget* zone)
{
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(zone, &appui);
}

// The user moves into a control (its focus handler runs; no real focus needed).
void entre_dans(QWidget* contrôle)
{
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(contrôle, &focus);
}

QStringList textes(const QListWidget& liste)
{
    QStringList r;
    for (int i = 0; i < liste.count(); ++i)
        r << liste.item(i)->text();
    return r;
}

// Closes a window whatever happened in the test.
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
    F& operator*() const { return *f; }
};

class fenêtres_classification : public essai_dossier {
protected:
    QString dernier_message() const { return boîtes.messages.empty() ? QString() : boîtes.messages.back().texte; }

    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        fichier_courant = chemin("trovane.sel");
        pose_classement({{10, "ALIMENTATION"},
                         {50, "JARDIN"},
                         {120, "MAISON"},
                         {121, "Meubles"},
                         {123, "Outils"}});
        données.images_rubriques[12] = "maison.gif";
        données.nombre_rubriques = 12;
    }
};

class éditeur_propositions : public fenêtres_classification {
protected:
    void SetUp() override
    {
        fenêtres_classification::SetUp();
        données.symbole_enfant = "J";
        données.nombre_adhérents = 2;
        données.table_adhérents[1].ordre = 9;
        données.table_adhérents[2].ordre = 7;
        données.table_adhérents[7].identifiant = "Annick";
        données.table_adhérents[7].catégorie = 1;
        données.table_adhérents[9].identifiant = "Bastien";
        pose_proposition(1, 101, 0, 7, 1).désignation = "Confitures";
        pose_proposition(2, 1231, 0, 7, 2).désignation = "Une perceuse";
        adhérent_courant = 7;
        enregistrer_fichier(fichier_courant, false);
        fichier_initial = lit("trovane.sel");
        f = &*fenêtre.emplace().f;
    }
    void TearDown() override
    {
        fenêtre.reset();
        fenêtres_classification::TearDown();
    }

    // The window as it opens for the current member.
    void ouvre() { f->Form_Activate(); }

    // The data file as it is on disk.
    données_sel relu() const
    {
        données_sel d;
        lit_données(lit("trovane.sel"), d);
        return d;
    }

    QByteArray fichier_initial;
    std::optional<fenêtre_essai<f_base>> fenêtre;
    f_base* f = nullptr;
};

}  // namespace

// ---------------------------------------------------------------- classification editor

TEST_F(fenêtres_classification, le_champ_de_code_mène_aux_rubriques)
{
    fenêtre_essai<f_rubriques> f;
    ASSERT_EQ(f->cb_rub1->count(), 3);
    EXPECT_EQ(f->rubrique_courante(), 1);  // the first section when the grid names none
    EXPECT_EQ(f->ctt_code_rubrique->text(), "100");

    f->ctt_code_rubrique->clear();
    tape(f->ctt_code_rubrique, "1230");
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(f->rubrique_courante(), 12);
    EXPECT_EQ(f->chiffre_courant(), 3);
    EXPECT_EQ(f->ctt_code_rubrique->text(), "1230");
    EXPECT_EQ(f->ctt_rubrique->text(), "MAISON");
    EXPECT_EQ(f->ctt_sous_rubrique->text(), "Outils");
    EXPECT_EQ(f->txt_nom_image->text(), "maison.gif");
    EXPECT_EQ(f->entrée_courante, indice_entrée(123));
    EXPECT_TRUE(f->bt_modifier_sous_rubriques->isEnabled());
    EXPECT_TRUE(boîtes.messages.empty());

    // A letter is refused and never reaches the field; a sign goes in.
    tape(f->ctt_code_rubrique, "a");
    EXPECT_EQ(boîtes.textes(), QStringList{textes_f_rubriques::attend_nombre});
    EXPECT_EQ(f->ctt_code_rubrique->text(), "1230");

    // A code out of range brings back the code of the current choice.
    f->ctt_code_rubrique->setText("95");
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(dernier_message(), textes_classement::code_hors_limites);
    EXPECT_EQ(f->ctt_code_rubrique->text(), "1230");

    // A section code shows its last sub-section.
    f->ctt_code_rubrique->setText("1200");
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(f->ctt_code_rubrique->text(), "1230");

    // A missing sub-section is offered; No empties the field.
    f->ctt_code_rubrique->setText("1250");
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(dernier_message(), textes_f_rubriques::créer_sous_rubrique);
    EXPECT_TRUE(f->ctt_code_rubrique->text().isEmpty());
    EXPECT_FALSE(f->ajout_sous_rubrique_en_cours());

    // A name pasted with the mouse, no key pressed: "Modifier" can store it,
    // and it is stored before other tables replace these.
    f->bt_modifier_Click();
    ASSERT_FALSE(f->bt_modifier->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("JARDINAGE"));
    f->ctt_rubrique->selectAll();
    f->ctt_rubrique->paste();
    EXPECT_TRUE(f->bt_modifier->isEnabled());
    EXPECT_EQ(données.noms_rubriques[120], "MAISON");
    EXPECT_TRUE(f->valide_avant_chargement());
    EXPECT_EQ(données.noms_rubriques[120], "JARDINAGE");
}

TEST_F(fenêtres_classification, ajouts_en_deux_temps)
{
    fenêtre_essai<f_rubriques> f;
    f->ctt_code_rubrique->setText("1230");
    entrée(f->ctt_code_rubrique);

    // A section addition cancelled when the list is entered: the fields
    // emptied for the entry show the section again, so that "Modifier"
    // keeps its image.
    f->bt_ajouter_rubrique_Click();
    EXPECT_EQ(f->bt_ajouter_rubrique->text(), "Valider");
    EXPECT_EQ(f->bt_supprimer->text(), "Annuler");
    EXPECT_TRUE(f->txt_nom_image->text().isEmpty());
    EXPECT_TRUE(f->ctt_code_rubrique->text().isEmpty());
    entre_dans(f->cb_rub1);
    EXPECT_FALSE(f->ajout_rubrique_en_cours());
    EXPECT_EQ(f->bt_ajouter_rubrique->text(), "Ajouter");
    EXPECT_EQ(f->bt_supprimer->text(), "Supprimer");
    EXPECT_EQ(f->txt_nom_image->text(), "maison.gif");
    f->bt_modifier_Click();
    EXPECT_EQ(données.images_rubriques[12], "maison.gif");

    // A new section takes the first free number; its name is typed in capitals.
    f->bt_ajouter_rubrique_Click();
    tape(f->ctt_rubrique, "loisirs");
    EXPECT_EQ(f->ctt_rubrique->text(), "LOISIRS");
    f->bt_ajouter_rubrique_Click();
    EXPECT_EQ(f->rubrique_courante(), 2);
    EXPECT_EQ(f->ctt_code_rubrique->text(), "200");
    EXPECT_EQ(textes(*f->cb_rub1), (QStringList{"ALIMENTATION", "JARDIN", "MAISON", "LOISIRS"}));
    EXPECT_EQ(entrées_classement(), (std::vector<int>{10, 20, 50, 120, 121, 123}));
    EXPECT_EQ(f->entrée_courante, 2);
    EXPECT_EQ(f->bt_ajouter_rubrique->text(), "Ajouter");
    EXPECT_TRUE(f->bt_ajouter_sous_rubrique->isEnabled());

    // A first sub-section begun under the new section can be cancelled; the
    // section buttons come back with it.
    f->bt_ajouter_sous_rubrique_Click();
    EXPECT_EQ(f->bt_supprimer_sous_rubriques->text(), "Annuler");
    EXPECT_TRUE(f->bt_supprimer_sous_rubriques->isEnabled());
    EXPECT_FALSE(f->bt_ajouter_rubrique->isEnabled());
    f->bt_supprimer_sous_rubriques->click();
    EXPECT_FALSE(f->ajout_sous_rubrique_en_cours());
    for (QPushButton* b : {f->bt_ajouter_rubrique, f->bt_modifier, f->bt_permuter_rubriques, f->bt_supprimer,
                           f->bt_parcourir, f->bt_ajouter_sous_rubrique})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    // A typed sub-section code that does not exist: Yes starts its addition
    // under the typed digit.
    boîtes.réponses = {rép_oui};
    f->ctt_code_rubrique->setText("1250");
    entrée(f->ctt_code_rubrique);
    ASSERT_TRUE(f->ajout_sous_rubrique_en_cours());
    EXPECT_FALSE(f->bt_supprimer->isEnabled());
    f->ctt_sous_rubrique->setText("  Jardinage  ");
    f->bt_ajouter_sous_rubrique_Click();
    EXPECT_EQ(f->chiffre_courant(), 5);
    EXPECT_EQ(f->ctt_code_rubrique->text(), "1250");
    EXPECT_EQ(données.noms_rubriques[125], "Jardinage");
    EXPECT_EQ(textes(*f->cb_rub2), (QStringList{"Meubles", "Outils", "  Jardinage  "}));
    EXPECT_EQ(f->bt_supprimer_sous_rubriques->text(), "Supprimer");
    // Every button is back, the section "Ajouter" as well.
    for (QPushButton* b : {f->bt_ajouter_rubrique, f->bt_modifier, f->bt_permuter_rubriques, f->bt_supprimer,
                           f->bt_parcourir, f->bt_ajouter_sous_rubrique, f->bt_modifier_sous_rubriques,
                           f->bt_permuter_sous_rubriques, f->bt_supprimer_sous_rubriques})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    // Adding writes nothing; closing saves.
    données_sel avant, après;
    lit_données(lit("trovane.sel"), avant);
    EXPECT_EQ(avant.nombre_codes_classification, 5);
    f->close();
    lit_données(lit("trovane.sel"), après);
    EXPECT_EQ(après.noms_rubriques[20], "LOISIRS");
    EXPECT_EQ(après.noms_rubriques[125], "Jardinage");
}

TEST_F(fenêtres_classification, permuter_et_supprimer_depuis_les_listes)
{
    pose_proposition(1, 1234);
    fenêtre_essai<f_rubriques> f;
    f->cb_rub1->item(0)->setSelected(true);
    f->cb_rub1->item(2)->setSelected(true);
    f->bt_permuter_rubriques_Click();
    EXPECT_EQ(textes(*f->cb_rub1), (QStringList{"MAISON", "JARDIN", "ALIMENTATION"}));
    EXPECT_EQ(données.table_propositions[1].code_rubrique, 134);
    EXPECT_EQ(entrées_classement(), (std::vector<int>{10, 11, 13, 50, 120}));
    EXPECT_TRUE(QFile::exists(chemin("trovane.sel")));  // the swap is saved

    // Section 1 now holds the proposition: deleting it is refused.
    f->cb_rub1->setCurrentRow(0);
    f->bt_supprimer_Click();
    EXPECT_EQ(dernier_message(), textes_classement::rubrique_utilisée);
    EXPECT_EQ(f->cb_rub1->count(), 3);

    // Section 12 is free: it goes, and the first section becomes current.
    f->cb_rub1->setCurrentRow(2);
    f->bt_supprimer_Click();
    EXPECT_EQ(textes(*f->cb_rub1), (QStringList{"MAISON", "JARDIN"}));
    EXPECT_EQ(f->rubrique_courante(), 1);
    EXPECT_EQ(f->ctt_rubrique->text(), "MAISON");
    EXPECT_EQ(f->ctt_code_rubrique->text(), "130");
    EXPECT_EQ(textes(*f->cb_rub2), (QStringList{"Meubles", "Outils"}));
}

// ---------------------------------------------------------------- propositions editor

TEST_F(éditeur_propositions, nouvelle_validée_rejoint_sa_liste_et_le_fichier)
{
    ouvre();
    EXPECT_EQ(f->proposition_éditée(), 1);
    EXPECT_EQ(textes(*f->Liste_offres), QStringList{"Confitures"});

    f->bt_nouvelle_Click();
    EXPECT_FALSE(f->bt_nouvelle->isEnabled());
    EXPECT_EQ(f->bt_supprimer->text(), "Annuler");
    EXPECT_EQ(f->ctt_code_rubrique->text(), "101");
    EXPECT_EQ(f->cb_statut->currentText(), "Nouvelle");
    EXPECT_EQ(f->cb_kid->currentText(), "pour tous");
    EXPECT_EQ(données.nombre_propositions, 2);

    tape(f->ctt_offre_demande, "Cours de \"guitare\"");
    entrée(f->ctt_offre_demande);
    EXPECT_EQ(f->ctt_offre_demande->toPlainText(), "Cours de «guitare»");
    EXPECT_TRUE(f->bt_supprimer->isEnabled());  // still the way out of the entry
    f->bt_modifier_Click();
    EXPECT_EQ(textes(*f->Liste_offres), (QStringList{"Confitures", "Cours de «guitare»"}));
    EXPECT_TRUE(f->bt_nouvelle->isEnabled());
    EXPECT_EQ(f->bt_supprimer->text(), "Supprimer");
    EXPECT_EQ(données.nombre_propositions, 3);

    f->close();
    const données_sel d = relu();
    ASSERT_EQ(d.nombre_propositions, 3);
    const proposition& p = d.table_propositions[d.table_propositions[3].ordre];
    EXPECT_EQ(p.désignation, "Cours de «guitare»");
    EXPECT_EQ(p.num_adh, 7);
    EXPECT_EQ(p.code_rubrique, 101);
    EXPECT_EQ(p.additif, 1);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(éditeur_propositions, nouvelle_abandonnée_ne_laisse_rien)
{
    ouvre();
    f->bt_nouvelle_Click();
    tape(f->ctt_offre_demande, "Abandonnée");
    f->bt_supprimer_Click();
    EXPECT_FALSE(f->nouvelle_proposition());
    EXPECT_EQ(f->bt_supprimer->text(), "Supprimer");
    EXPECT_EQ(f->proposition_éditée(), 1);  // the first offer is shown again
    EXPECT_EQ(textes(*f->Liste_offres), QStringList{"Confitures"});
    EXPECT_EQ(données.nombre_propositions, 2);

    // Closing during an entry and answering No writes nothing.
    f->bt_nouvelle_Click();
    tape(f->ctt_offre_demande, "Abandonnée aussi");
    boîtes.réponses = {rép_non};
    f->close();
    EXPECT_EQ(boîtes.textes(), QStringList{textes_f_base::valider_nouvelle});
    EXPECT_EQ(données.nombre_propositions, 2);
    EXPECT_EQ(lit("trovane.sel"), fichier_initial);
}

TEST_F(éditeur_propositions, supprimer_puis_restaurer)
{
    ouvre();
    f->bt_supprimer_Click();
    EXPECT_EQ(données.table_propositions[1].additif, 2);
    EXPECT_EQ(f->bt_supprimer->text(), "Restaurer");
    EXPECT_TRUE(f->ctt_offre_demande->font().strikeOut());
    EXPECT_EQ(f->ctt_offre_demande->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(f->cb_statut->currentIndex(), 2);
    EXPECT_FALSE(f->bt_modifier->isEnabled());

    f->bt_supprimer_Click();
    EXPECT_EQ(données.table_propositions[1].additif, 0);
    EXPECT_EQ(f->bt_supprimer->text(), "Supprimer");
    EXPECT_FALSE(f->bt_supprimer->isEnabled());
    EXPECT_TRUE(f->bt_modifier->isEnabled());
    EXPECT_FALSE(f->ctt_offre_demande->font().strikeOut());
    EXPECT_EQ(f->ctt_offre_demande->palette().color(QPalette::Text), QColor(0, 0, 0));
}

TEST_F(éditeur_propositions, un_changement_en_attente_va_à_la_proposition_montrée)
{
    ouvre();
    // Entering the requests list validates the offer being edited.
    tape(f->ctt_offre_demande, " maison");
    entre_dans(f->liste_demandes);
    EXPECT_EQ(données.table_propositions[1].désignation, "Confitures maison");
    EXPECT_FALSE(f->modification_en_attente());

    // Coming back to the window validates before refreshing.
    f->liste_demandes->setCurrentRow(0);
    EXPECT_EQ(f->proposition_éditée(), 2);
    tape(f->ctt_offre_demande, " neuve");
    f->Form_Activate();
    EXPECT_EQ(données.table_propositions[2].désignation, "Une perceuse neuve");
    EXPECT_EQ(f->proposition_éditée(), 1);

    // "Demande" pressed on the offer moves its line at once.
    f->ob_type_MouseDown(1);
    EXPECT_EQ(données.table_propositions[1].type, 2);
    EXPECT_TRUE(f->Liste_offres->count() == 0);
    EXPECT_EQ(textes(*f->liste_demandes), (QStringList{"Une perceuse neuve", "Confitures maison"}));

    // A member without propositions shows none: "Valider" writes nothing,
    // least of all into the former member's proposition.
    f->num_adhérent->setText("9");
    f->cherche_adh_par_num();
    EXPECT_EQ(adhérent_courant, 9);
    EXPECT_EQ(f->proposition_éditée(), 0);
    tape(f->ctt_offre_demande, "rien");
    f->bt_modifier_Click();
    EXPECT_EQ(dernier_message(), textes_propositions::rien_à_valider);
    EXPECT_EQ(données.table_propositions[1].désignation, "Confitures maison");
    EXPECT_EQ(données.table_propositions[1].num_adh, 7);
}

TEST_F(éditeur_propositions, une_validation_refusée_garde_la_saisie)
{
    ouvre();
    const proposition confitures = données.table_propositions[1];
    tape(f->ctt_offre_demande, " maison");
    f->ctt_code_rubrique->setText("99");

    // Another member chosen: refused, the member and the typing stay.
    f->num_adhérent->setText("9");
    f->cherche_adh_par_num();
    EXPECT_EQ(boîtes.textes(), QStringList{textes_propositions::code_incorrect});
    EXPECT_EQ(adhérent_courant, 7);
    EXPECT_EQ(f->num_adhérent->text(), "7");
    EXPECT_EQ(f->Liste_adhérents->currentData().toInt(), 7);
    EXPECT_EQ(f->ctt_offre_demande->toPlainText(), "Confitures maison");
    EXPECT_TRUE(f->modification_en_attente());

    // Another proposition clicked: refused again, the offer stays shown.
    entre_dans(f->liste_demandes);
    f->liste_demandes->setCurrentRow(0);
    EXPECT_EQ(boîtes.textes().size(), 2);
    EXPECT_EQ(f->proposition_éditée(), 1);
    EXPECT_EQ(f->ctt_offre_demande->toPlainText(), "Confitures maison");

    // A new proposition, the window closing, "Adhérents...": the same.
    f->bt_nouvelle_Click();
    EXPECT_FALSE(f->nouvelle_proposition());
    EXPECT_FALSE(f->close());
    f->bt_ajout_suppr_adh_Click();
    EXPECT_EQ(boîtes.textes().size(), 5);
    EXPECT_EQ(boîtes.textes().last(), textes_propositions::code_incorrect);
    EXPECT_EQ(lit("trovane.sel"), fichier_initial);
    EXPECT_EQ(données.table_propositions[1].désignation, confitures.désignation);

    // Corrected, it is validated on the way out and saved.
    f->ctt_code_rubrique->setText("101");
    EXPECT_TRUE(f->close());
    EXPECT_EQ(relu().table_propositions[1].désignation, "Confitures maison");
}

TEST_F(éditeur_propositions, le_code_tapé_choisit_rubrique_et_sous_rubrique)
{
    ouvre();
    f->ctt_code_rubrique->setText("1234");
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(f->cb_rub1->currentText(), "MAISON");
    EXPECT_EQ(f->cb_rub2->currentText(), "Outils");
    EXPECT_EQ(f->cb_rub3->currentText(), "4");
    EXPECT_TRUE(f->modification_en_attente());
    EXPECT_TRUE(f->bt_modifier->isEnabled());

    // Another sub-section chosen: the code follows the combos.
    f->cb_rub2->setCurrentIndex(0);
    f->cb_rub2_Click();
    EXPECT_EQ(f->ctt_code_rubrique->text(), "1214");

    f->ctt_code_rubrique->setText("999");
    entrée(f->ctt_code_rubrique);
    EXPECT_EQ(dernier_message(),
              "Le code rubrique de cette proposition ne correspond pas à une classification.");
    EXPECT_EQ(f->cb_rub1->currentIndex(), -1);
    EXPECT_EQ(f->ctt_code_rubrique->text(), "999");
}

TEST_F(fenêtres_classification, enregistrement_et_menus)
{
    struct shell_noté : service_shell {
        QStringList pages;
        bool ouvre(const QUrl& adresse) override
        {
            pages << QFileInfo(adresse.toLocalFile()).baseName();
            return true;
        }
    } noté;
    installe_shell(&noté);
    langue_aide = "français";
    for (const char* sujet : {"index", "techn_cat", "offres_demandes", "techn_class"})
        écrit(QStringLiteral("Aide/français/%1.html").arg(QString::fromUtf8(sujet)), "<html></html>");
    enregistre_fenêtres_classification();
    auto* base = charge_fenêtre<f_base>("f_base");
    auto* rubriques = charge_fenêtre<f_rubriques>("f_rubriques");
    ASSERT_TRUE(base && rubriques);
    for (QAction* a : {base->aide_sommaire, base->tec_cat})
        a->trigger();
    rubriques->findChild<QAction*>("aide_page")->trigger();
    rubriques->findChild<QAction*>("tec_class")->trigger();
    installe_shell(nullptr);
    EXPECT_EQ(noté.pages, (QStringList{"index", "techn_cat", "offres_demandes", "techn_class"}));

    // The supplement resets: new becomes normal, deleted becomes eliminated.
    données.nombre_propositions = données.nombre_adhérents = 1;
    données.table_propositions[1].ordre = 7;
    données.table_adhérents[1].ordre = 9;
    const int slot = 7, membre = 9;
    données.table_propositions[slot].additif = 1;
    données.table_adhérents[membre].additif = 2;
    base->maj_offr_dem->trigger();
    base->maj_add->trigger();
    EXPECT_EQ(données.table_propositions[slot].additif, 0);
    EXPECT_EQ(données.table_adhérents[membre].additif, 3);
    EXPECT_TRUE(décharge_fenêtre("f_base"));
    EXPECT_TRUE(décharge_fenêtre("f_rubriques"));
}

// ---------------------------------------------------------------- pictures of both windows

TEST_F(éditeur_propositions, captures_des_deux_fenêtres)
{
    const QDir dossier(QCoreApplication::applicationDirPath());
    ASSERT_TRUE(dossier.mkpath("captures"));
    données.images_rubriques[1] = "alimentation.gif";
    données.table_propositions[2].additif = 2;

    f->show();
    ouvre();
    const QString base = dossier.filePath("captures/f_base.png");
    ASSERT_TRUE(f->grab().save(base));
    f->liste_demandes->setCurrentRow(0);
    ASSERT_EQ(f->bt_supprimer->text(), "Restaurer");
    ASSERT_TRUE(f->grab().save(dossier.filePath("captures/f_base_supprimée.png")));

    fenêtre_essai<f_rubriques> r;
    r->show();
    r->ctt_code_rubrique->setText("1230");
    entrée(r->ctt_code_rubrique);
    const QString rubriques = dossier.filePath("captures/f_rubriques.png");
    ASSERT_TRUE(r->grab().save(rubriques));
    EXPECT_FALSE(QImage(base).isNull());
    EXPECT_FALSE(QImage(rubriques).isNull());
}
