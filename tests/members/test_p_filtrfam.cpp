// The member filter box driven as the user would, the hand-over of its result
// to the calling window, and the restoring of saved selections.
#include "members/fenetres_adherents.h"
#include "members/p_filtrfam.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"
#include "ui_common/filtre_membres.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

namespace {

// A calling window: only its member list matters here.
template <class Liste>
class fenêtre_appelante : public fenêtre {
public:
    explicit fenêtre_appelante(const QString& nom_liste) : liste(new Liste(this)) { liste->setObjectName(nom_liste); }
    Liste* liste;
};

std::vector<entrée_filtrée> contenu(QWidget* liste)
{
    std::vector<entrée_filtrée> r;
    if (auto* l = qobject_cast<QListWidget*>(liste))
        for (int i = 0; i < l->count(); ++i)
            r.push_back({l->item(i)->text(), l->item(i)->data(Qt::UserRole).toInt()});
    if (auto* c = qobject_cast<QComboBox*>(liste))
        for (int i = 0; i < c->count(); ++i)
            r.push_back({c->itemText(i), c->itemData(i).toInt()});
    return r;
}

class boîte_filtre : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres(données);
        remplit_association_essai(données);
        filtre_membres = {};
        boîte_filtre_chargée = false;
        enregistre_fenêtres_adhérents();
        appelante<QListWidget>(QStringLiteral("f_impression"), QStringLiteral("liste"));
        appelante<QComboBox>(QStringLiteral("f_relevés_comptes"), QStringLiteral("Liste_comptes"));
        appelante<QListWidget>(QStringLiteral("f_états_comptes"), QStringLiteral("Liste_comptes"));
    }
    void TearDown() override
    {
        ferme_fenêtres();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        essai_dossier::TearDown();
    }
    template <class Liste>
    static void appelante(const QString& nom, const QString& nom_liste)
    {
        enregistre_fenêtre(nom, [nom_liste] { return new fenêtre_appelante<Liste>(nom_liste); });
    }
    static QWidget* liste_de(const QString& fenêtre, const QString& liste)
    {
        fenêtre_programme* f = fenêtre_chargée(fenêtre);
        return f ? f->feuille().findChild<QWidget*>(liste) : nullptr;
    }
    static p_filtrfam* ouvre(const QString& tag)
    {
        appelant_filtre = tag;
        return charge_fenêtre<p_filtrfam>(QStringLiteral("p_filtrfam"));
    }
    static void ferme(p_filtrfam* b)
    {
        b->bt_annuler->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Counted straight from the table, not through the filter.
    static std::vector<entrée_filtrée> membres_où(const std::function<bool(const adhérent&)>& garde)
    {
        std::vector<entrée_filtrée> r;
        for (int i = 1; i <= données.nombre_adhérents; ++i) {
            const int n = données.table_adhérents[static_cast<std::size_t>(i)].ordre;
            const adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
            if (a.additif < 2 && garde(a))
                r.push_back({a.identifiant.str(), n});
        }
        return r;
    }
    static void tape(QWidget* w, const QString& texte)
    {
        for (const QChar c : texte) {
            QKeyEvent k(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &k);
        }
    }
    static void quitte(QWidget* w)
    {
        QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w, &sortie);
    }
};

TEST_F(boîte_filtre, sexe_puis_maison_bleue_donne_les_hommes_à_l_appelant)
{
    auto* liste = static_cast<QListWidget*>(
        charge_fenêtre(QStringLiteral("f_impression"))->feuille().findChild<QWidget*>(QStringLiteral("liste")));
    liste->addItem(QStringLiteral("ancien"));
    QTimer::singleShot(0, [] {
        auto* b = dynamic_cast<p_filtrfam*>(fenêtre_chargée(QStringLiteral("p_filtrfam")));
        ASSERT_TRUE(b);
        EXPECT_TRUE(b->isVisible());
        b->clefs[0]->click();
        EXPECT_EQ(b->ct_f[0]->currentText(), QStringLiteral("masculin"));
        b->bt_annuler->click();
    });
    montre_filtre_membres(QStringLiteral("impression"));

    const auto hommes = membres_où([](const adhérent& a) { return a.sexe == 0; });
    ASSERT_GT(hommes.size(), 5u);
    EXPECT_EQ(contenu(liste), hommes);
    EXPECT_EQ(fenêtre_chargée(QStringLiteral("p_filtrfam")), nullptr);
}

TEST_F(boîte_filtre, rouverte_les_clefs_de_liste_et_de_date_sont_éteintes_solde_et_volume_gardés)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    for (int k : {1, clef_date_adh, clef_solde})
        b->clefs[static_cast<std::size_t>(k)]->click();
    EXPECT_TRUE(b->ct_f[2]->isEnabled());
    EXPECT_EQ(b->ctt_solde_max->text(), QStringLiteral("1000000"));
    b->ctt_solde_min->setText(QStringLiteral("-50"));
    b->ctt_date_adh_dep->setText(QStringLiteral("01/01/2024"));
    ferme(b);

    b = ouvre(QStringLiteral("stats"));
    EXPECT_FALSE(b->clefs[1]->isChecked());
    EXPECT_FALSE(b->ct_f[2]->isEnabled());
    EXPECT_EQ(b->ct_f[2]->currentIndex(), -1);
    EXPECT_FALSE(b->clefs[clef_date_adh]->isChecked());
    EXPECT_EQ(b->ctt_date_adh_dep->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(b->ctt_date_adh_fin->text(), QStringLiteral("14/03/2026"));
    EXPECT_TRUE(b->clefs[clef_solde]->isChecked());
    EXPECT_TRUE(b->ctt_solde_min->isEnabled());
    EXPECT_EQ(b->ctt_solde_min->text(), QStringLiteral("-50"));
    EXPECT_FALSE(b->clefs[clef_volume]->isChecked());
    EXPECT_EQ(b->clefs[1]->text(), données.titre_critère0);
}

TEST_F(boîte_filtre, le_résultat_va_à_la_liste_que_nomme_l_appelant)
{
    const auto tous = membres_où([](const adhérent&) { return true; });

    // The statements window is loaded for it, not shown.
    ferme(ouvre(QStringLiteral("comptes_relevés")));
    fenêtre_programme* relevés = fenêtre_chargée(QStringLiteral("f_relevés_comptes"));
    ASSERT_TRUE(relevés);
    EXPECT_FALSE(relevés->feuille().isVisible());
    EXPECT_EQ(contenu(liste_de(QStringLiteral("f_relevés_comptes"), QStringLiteral("Liste_comptes"))), tous);

    ferme(ouvre(QStringLiteral("comptes_états")));
    EXPECT_EQ(contenu(liste_de(QStringLiteral("f_états_comptes"), QStringLiteral("Liste_comptes"))), tous);

    // A restored selection's tag names no list; a window nobody registered
    // receives nothing, and nothing breaks.
    ferme(ouvre(QStringLiteral("enr")));
    ferme(ouvre(QStringLiteral("comptes")));
    EXPECT_EQ(fenêtre_chargée(QStringLiteral("f_compta")), nullptr);
}

TEST_F(boîte_filtre, listes_de_départ_et_d_arrivée_appliquer_et_initialiser)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    b->clefs[3]->click();
    EXPECT_EQ(b->ct_f[6]->count(), 10);
    EXPECT_EQ(b->ct_f[7]->count(), 10);
    EXPECT_EQ(b->ct_f[7]->currentIndex(), 9);

    // A departure choice refills the arrival list from it, its last entry chosen.
    b->ct_f[6]->setCurrentIndex(4);
    b->ct_f_Click(6);
    ASSERT_EQ(b->ct_f[7]->count(), 6);
    EXPECT_EQ(b->ct_f[7]->itemText(0), données.valeurs_qualité[4]);
    EXPECT_EQ(b->ct_f[7]->currentIndex(), 5);
    b->ct_f[7]->setCurrentIndex(2);
    b->ct_f_Click(7);
    b->clefs[clef_date_cot]->click();

    b->bt_appliquer->click();
    const auto gardés = membres_où([](const adhérent& a) { return a.qualité >= 4 && a.qualité <= 6; });
    ASSERT_FALSE(gardés.empty());
    EXPECT_EQ(contenu(b->ct_etat), gardés);
    EXPECT_EQ(b->ct_etat->currentRow(), 0);
    EXPECT_EQ(b->ct_nbre->text(), QString::number(gardés.size()));

    b->bt_initialiser->click();
    EXPECT_FALSE(b->clefs[3]->isChecked());
    EXPECT_FALSE(b->ct_f[6]->isEnabled());
    EXPECT_EQ(b->ct_etat->count(), 0);
    EXPECT_EQ(b->ct_nbre->text(), QString::number(gardés.size()));
    EXPECT_TRUE(b->clefs[clef_date_cot]->isChecked());
    EXPECT_TRUE(b->ctt_date_cot_dep->isEnabled());
}

TEST_F(boîte_filtre, saisie_des_dates_et_des_nombres)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    b->clefs[clef_date_adh]->click();
    b->clefs[clef_solde]->click();

    b->ctt_date_adh_dep->clear();
    tape(b->ctt_date_adh_dep, QStringLiteral("12-03.26a:"));
    EXPECT_EQ(b->ctt_date_adh_dep->text(), QStringLiteral("12/03/26"));
    quitte(b->ctt_date_adh_dep);
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_EQ(filtre_membres.ctt_date_adh_dep, QStringLiteral("12/03/26"));

    // Left with a text that is no date: the message, then the start text.
    b->ctt_date_adh_fin->setText(QStringLiteral("31/02/2026"));
    quitte(b->ctt_date_adh_fin);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte,
              QStringLiteral("31/02/2026 n'est pas une date correcte. (jj/mm/aaaa ou 00:00:00)"));
    EXPECT_EQ(boîtes.messages[0].style & 0xF0, style_boîte::critique);
    EXPECT_EQ(b->ctt_date_adh_fin->text(), QStringLiteral("14/03/2026"));

    b->ctt_solde_min->clear();
    tape(b->ctt_solde_min, QStringLiteral("-1x2,5"));
    EXPECT_EQ(b->ctt_solde_min->text(), QStringLiteral("-12,5"));
    EXPECT_EQ(filtre_membres.ctt_solde_min, QStringLiteral("-12,5"));
}

TEST_F(boîte_filtre, un_guillemet_ne_se_tape_ni_ne_se_colle)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    b->clefs[clef_date_adh]->click();
    b->clefs[clef_solde]->click();
    b->clefs[clef_volume]->click();
    QGuiApplication::clipboard()->setText(QStringLiteral("1\"2"));
    for (QLineEdit* z : {b->ctt_date_adh_dep, b->ctt_date_adh_fin, b->ctt_solde_min, b->ctt_solde_max,
                         b->ctt_volume_min, b->ctt_volume_max}) {
        SCOPED_TRACE(z->objectName().toStdString());
        z->setText(QStringLiteral("12"));
        z->end(false);
        tape(z, QStringLiteral("\"3"));
        EXPECT_EQ(z->text(), QStringLiteral("123"));
        z->paste();
        EXPECT_EQ(z->text(), QStringLiteral("123"));
    }
    // The subscription date fields, shown greyed here, refuse it too.
    for (QLineEdit* z : {b->ctt_date_cot_dep, b->ctt_date_cot_fin}) {
        QString texte = QStringLiteral("1\"");
        int position = 2;
        EXPECT_EQ(z->validator()->validate(texte, position), QValidator::Invalid);
    }
}

TEST_F(boîte_filtre, une_date_active_illisible_arrête_appliquer_et_garde_la_boîte)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    b->clefs[clef_date_cot]->click();
    b->ctt_date_cot_dep->setText(QStringLiteral("32/01/2026"));  // never left, so never checked
    b->ct_etat->addItem(QStringLiteral("avant"));
    EXPECT_FALSE(b->bt_appliquer_Click());
    EXPECT_EQ(boîtes.textes(), QStringList{"32/01/2026 n'est pas une date correcte. (jj/mm/aaaa ou 00:00:00)"});
    EXPECT_EQ(b->ct_etat->count(), 1);

    // The blue house does not close the box on it; once mended, it does.
    b->bt_annuler->click();
    EXPECT_EQ(fenêtre_chargée(QStringLiteral("p_filtrfam")), b);
    EXPECT_EQ(boîtes.messages.size(), 2u);
    b->ctt_date_cot_dep->setText(QStringLiteral("01/01/2026"));
    ferme(b);
    EXPECT_EQ(fenêtre_chargée(QStringLiteral("p_filtrfam")), nullptr);
}

TEST_F(boîte_filtre, enregistrer_les_filtres)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    b->clefs[2]->click();
    b->ct_f[4]->setCurrentIndex(1);
    b->ct_f_Click(4);

    // Cancelled: nothing written.
    b->bt_enregistre_etat->click();
    EXPECT_TRUE(QDir(chemin(QStringLiteral("etats"))).entryList(QDir::Files).isEmpty());

    // A name typed without extension gets ".eta".
    boîtes.fichiers.push_back(chemin(QStringLiteral("etats/mes adultes")));
    b->bt_enregistre_etat->click();
    EXPECT_EQ(lit(QStringLiteral("etats/mes adultes.eta")), texte_fichier_état(filtre_membres));
    EXPECT_EQ(filtre_membres.positions[4], 1);
    EXPECT_EQ(filtre_membres.positions[5], 1);

    // A name with a point is refused and the dialog asked again.
    boîtes.messages.clear();
    boîtes.fichiers = {chemin(QStringLiteral("etats/club.2024")), chemin(QStringLiteral("etats/club 2024.eta"))};
    b->bt_enregistre_etat->click();
    EXPECT_TRUE(boîtes.fichiers.empty());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith(QStringLiteral("Le nom « club.2024 » ne convient pas")));
    EXPECT_EQ(QDir(chemin(QStringLiteral("etats"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("club 2024.eta"), QStringLiteral("mes adultes.eta")}));
}

TEST_F(boîte_filtre, sélection_restaurée_sans_montrer_la_boîte)
{
    filtre_adhérents adultes;
    bascule_clef(adultes, 2);
    choisit_départ(adultes, 4, 1);
    adultes.positions[5] = 0;
    écrit(QStringLiteral("etats/adultes.eta"), texte_fichier_état(adultes));

    QListWidget liste;
    liste.addItem(QStringLiteral("ancien"));
    ASSERT_TRUE(charge_etat(chemin(QStringLiteral("etats/adultes.eta")), &liste));
    const auto gardés = membres_où([](const adhérent& a) { return a.catégorie == 1; });
    EXPECT_EQ(contenu(&liste), gardés);
    EXPECT_EQ(appelant_filtre, QStringLiteral("enr"));
    EXPECT_EQ(fenêtre_chargée(QStringLiteral("p_filtrfam")), nullptr);

    // A damaged file: the message, the list and the criteria as they were.
    écrit(QStringLiteral("etats/abîmé.eta"), "-1\r\n0\r\n");
    QComboBox autre;
    autre.addItem(QStringLiteral("garde"), 7);
    appelant_filtre = QStringLiteral("f_base");
    const filtre_adhérents restauré = filtre_membres;
    EXPECT_FALSE(charge_etat(chemin(QStringLiteral("etats/abîmé.eta")), &autre));
    EXPECT_EQ(filtre_membres, restauré);
    EXPECT_EQ(appelant_filtre, QStringLiteral("f_base"));
    EXPECT_EQ(contenu(&autre), (std::vector<entrée_filtrée>{{QStringLiteral("garde"), 7}}));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains(QStringLiteral(" dans la lecture du fichier de filtres ")));

    // The filter button opens the box on the restored criteria, and "Appliquer"
    // gives what the restore gave.
    p_filtrfam* b = ouvre(QStringLiteral("stats"));
    EXPECT_TRUE(b->clefs[2]->isChecked());
    EXPECT_TRUE(b->ct_f[4]->isEnabled());
    EXPECT_EQ(b->ct_f[4]->currentText(), QStringLiteral("adultes"));
    EXPECT_EQ(b->ct_f[5]->count(), 2);
    EXPECT_EQ(b->ct_f[5]->currentIndex(), 0);
    b->bt_appliquer->click();
    EXPECT_EQ(contenu(b->ct_etat), gardés);

    // Once the box has closed, its next opening starts afresh.
    ferme(b);
    b = ouvre(QStringLiteral("stats"));
    EXPECT_FALSE(b->clefs[2]->isChecked());
}

TEST_F(boîte_filtre, capture)
{
    p_filtrfam* b = ouvre(QStringLiteral("impression"));
    for (int k : {0, 2, clef_date_adh, clef_solde})
        b->clefs[static_cast<std::size_t>(k)]->click();
    b->bt_appliquer->click();
    b->show();
    QApplication::processEvents();
    const QImage image = b->grab().toImage();
    EXPECT_GE(image.width(), 700);
    const QString sortie = QDir(QCoreApplication::applicationDirPath()).filePath("captures");
    QDir().mkpath(sortie);
    EXPECT_TRUE(image.save(QDir(sortie).filePath("p_filtrfam.png")));
}

}  // namespace
