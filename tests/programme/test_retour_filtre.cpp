// The member filter box opened from each window that works on a chosen set
// of members: once it closes, the members that pass are in the list of the
// window that opened it, and in no other.
#include "data/fichier_donnees.h"
#include "main_window/f_vesk.h"
#include "members/p_filtrfam.h"
#include "programme.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <map>

namespace {

struct appelante {
    const char* fenêtre;
    const char* liste;
};
const appelante appelantes[] = {{"f_impression", "liste"},
                                {"f_compta", "liste_comptes_asso"},
                                {"f_statistiques", "liste"},
                                {"f_relevés_comptes", "Liste_comptes"},
                                {"f_états_comptes", "Liste_comptes"}};

// Member numbers of a list, whatever its kind, in number order: whether a
// list shows its entries sorted is its own setting.
std::vector<int> numéros(QWidget* liste)
{
    std::vector<int> r;
    if (auto* l = qobject_cast<QListWidget*>(liste))
        for (int i = 0; i < l->count(); ++i)
            r.push_back(l->item(i)->data(Qt::UserRole).toInt());
    if (auto* c = qobject_cast<QComboBox*>(liste))
        for (int i = 0; i < c->count(); ++i)
            r.push_back(c->itemData(i).toInt());
    std::sort(r.begin(), r.end());
    return r;
}

class retour_filtre : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        enregistre_toutes_les_fenêtres();
        initialise_paramètres();
        remplit_association_essai(données, {40, 20, 30, 20});
        fichier_courant = chemin("trovane.sel");
        enregistrer_fichier(fichier_courant, false);
        QDir().mkpath(chemin("Aide"));
        filtre_membres = {};
        boîte_filtre_chargée = false;
    }
    void TearDown() override
    {
        ferme_fenêtres();
        QApplication::processEvents();
        essai_dossier::TearDown();
    }
    static QWidget* liste_de(const appelante& a)
    {
        fenêtre_programme* f = fenêtre_chargée(QString::fromUtf8(a.fenêtre));
        return f ? f->feuille().findChild<QWidget*>(QString::fromUtf8(a.liste)) : nullptr;
    }
};

TEST_F(retour_filtre, chaque_fenêtre_reçoit_le_résultat_dans_sa_propre_liste)
{
    std::vector<int> hommes;
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        if (a.additif < 2 && a.sexe == 0)
            hommes.push_back(n);
    });
    std::sort(hommes.begin(), hommes.end());
    ASSERT_GT(hommes.size(), 3u);

    for (const appelante& a : appelantes)
        ASSERT_NE(montre_fenêtre(QString::fromUtf8(a.fenêtre)), nullptr) << a.fenêtre;
    QApplication::processEvents();

    for (const appelante& a : appelantes) {
        SCOPED_TRACE(a.fenêtre);
        std::map<QString, std::vector<int>> autres;
        for (const appelante& b : appelantes)
            if (&b != &a)
                autres[QString::fromUtf8(b.fenêtre)] = numéros(liste_de(b));

        bool boîte_vue = false;
        QTimer::singleShot(0, [&] {
            auto* boîte = dynamic_cast<p_filtrfam*>(fenêtre_chargée(QStringLiteral("p_filtrfam")));
            if (!boîte)
                return;
            boîte_vue = boîte->isVisible();
            boîte->clefs[0]->click();  // "sexe", first entry: "masculin"
            boîte->bt_annuler->click();
        });
        auto* bouton = fenêtre_chargée(QString::fromUtf8(a.fenêtre))
                           ->feuille()
                           .findChild<QPushButton*>(QStringLiteral("bt_filtres_eleves"));
        ASSERT_NE(bouton, nullptr);
        bouton->click();
        QApplication::processEvents();

        EXPECT_TRUE(boîte_vue);
        EXPECT_EQ(numéros(liste_de(a)), hommes);
        for (const appelante& b : appelantes) {
            if (&b != &a) {
                EXPECT_EQ(numéros(liste_de(b)), autres[QString::fromUtf8(b.fenêtre)]) << "changée : " << b.fenêtre;
            }
        }
    }
}

}  // namespace
