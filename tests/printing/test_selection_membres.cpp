#include "printing/selection_membres.h"

#include "printing/essai_impression.h"
#include "support/dossier_test.h"

#include <QListWidget>

namespace {

class sélection_membres : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        liste.setSortingEnabled(true);
        liste.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    QStringList identifiants() const
    {
        QStringList r;
        for (int i = 0; i < liste.count(); ++i)
            r << liste.item(i)->text().trimmed();
        return r;
    }

    QListWidget liste;
};

}  // namespace

TEST_F(sélection_membres, tous_les_membres_triés_avec_leur_numéro)
{
    ajoute_membre(3, QStringLiteral("zoé"), QStringLiteral("Zoé"));
    ajoute_membre(1, QStringLiteral("alain"), QStringLiteral("Alain"));
    ajoute_membre(2, QStringLiteral("marc"), QStringLiteral("Marc"));
    données.table_adhérents[3].additif = 2;  // deleted for the supplement: listed all the same
    données.table_adhérents[2].additif = 3;
    remplit_tous_adhérents(liste);
    EXPECT_EQ(identifiants(), (QStringList{"alain", "marc", "zoé"}));
    // Each entry keeps its own number wherever the sort put it.
    EXPECT_EQ(numéros_liste(liste), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(liste.item(0)->text().size(), 20);  // the identifier as stored
}

TEST_F(sélection_membres, garder_ou_retirer_la_sélection)
{
    ajoute_membres(6);
    remplit_tous_adhérents(liste);
    garde_sélection(liste, false);  // nothing selected: nothing removed
    EXPECT_EQ(liste.count(), 6);
    liste.item(1)->setSelected(true);
    liste.item(4)->setSelected(true);
    garde_sélection(liste, true);
    EXPECT_EQ(numéros_liste(liste), (std::vector<int>{2, 5}));
    liste.clearSelection();
    garde_sélection(liste, true);  // nothing selected: the list empties
    EXPECT_EQ(liste.count(), 0);
}

TEST_F(sélection_membres, un_par_foyer_selon_les_chiffres_du_premier_téléphone)
{
    ajoute_membre(1, QStringLiteral("a1"), {}, {}, {}, {}, 0, QStringLiteral("04 78 12 34 56"));
    ajoute_membre(2, QStringLiteral("a2"), {}, {}, {}, {}, 0, QString());
    ajoute_membre(3, QStringLiteral("a3"), {}, {}, {}, {}, 0, QStringLiteral("0478123456"));
    ajoute_membre(4, QStringLiteral("a4"), {}, {}, {}, {}, 0, QStringLiteral("pas de tél."));
    ajoute_membre(5, QStringLiteral("a5"), {}, {}, {}, {}, 0, QStringLiteral("04.78.12.34.56"),
                   QStringLiteral("06"));
    ajoute_membre(6, QStringLiteral("a6"), {}, {}, {}, {}, 0, QStringLiteral("04 72 00 00 00"),
                   QStringLiteral("04 78 12 34 56"));  // the second number does not count
    ajoute_membre(7, QStringLiteral("a7"), {}, {}, {}, {}, 0, QString());
    remplit_tous_adhérents(liste);
    garde_un_par_foyer(liste);
    EXPECT_EQ(numéros_liste(liste), (std::vector<int>{1, 2, 4, 6, 7}));
    EXPECT_EQ(garde_chiffres(QStringLiteral(" 04-78.12 a34")), QStringLiteral("04781234"));
    EXPECT_EQ(garde_chiffres(QStringLiteral("aucun")), QString());
}
