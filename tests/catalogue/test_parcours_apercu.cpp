#include "catalogue/parcours_apercu.h"

#include "catalogue/catalogue_essai.h"

#include <deque>

namespace {

// The run driven by scripted commands, as the preview's buttons drive it:
// what it showed and printed, in order.
class parcours : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        données.type_catalogue = 1;
    }
    void déroule(int mode, int pages, bool double_a5, std::initializer_list<const char*> commandes_)
    {
        données.cat_format[1] = double_a5 ? 1 : 0;
        dernière_page_catalogue = static_cast<int16>(pages - 1);
        for (const char* c : commandes_)
            commandes.emplace_back(QString::fromUtf8(c));
        parcours_aperçu run({[this](const vue_aperçu& v) { montrées << v.étiquette; },
                             [this](const vue_aperçu& v) { imprimées << v.étiquette; }});
        run.démarre(mode);
        // Each view waits for the next word; out of script, the window closes.
        while (run.en_cours() && !commandes.empty()) {
            EXPECT_TRUE(commande_aperçu.isEmpty());
            const QString c = commandes.front();
            commandes.pop_front();
            run.commande(c);
        }
        run.commande(QStringLiteral("annuler"));
        EXPECT_FALSE(run.en_cours());
        EXPECT_EQ(run.vue(), nullptr);
    }
    std::deque<QString> commandes;
    QStringList montrées, imprimées;
};

TEST_F(parcours, livret_comme_impression)
{
    boîtes.réponses = {rép_ok};
    déroule(1, 10, true,
            {"suivant", "suivant", "suivant", "précédent", "suivant", "précédent", "imprimer", "suivant", "suivant"});
    EXPECT_EQ(montrées, QStringList({"1 / 10", "3 / 8", "5 / 6", "7 / 4", "7 / 4", "9 / 2", "7 / 4", "9 / 2",
                                     "11 / 0", "1 / 10"}));
    EXPECT_EQ(imprimées, QStringList({"7 / 4"}));
    // The word before the second pass only.
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte,
              "A l'impression, vous devrez replacer vos feuilles ici si vous désirez des recto/verso");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok_annuler | style_boîte::information);

    // Cancel on that word: the first pass again. One page: 1 | 2, then 3 | 0.
    montrées.clear();
    boîtes.réponses = {rép_annuler, rép_ok};
    déroule(1, 1, true, {"suivant", "suivant", "suivant"});
    EXPECT_EQ(montrées, QStringList({"1 / 2", "1 / 2", "3 / 0", "1 / 2"}));
}

TEST_F(parcours, pages_simples_comme_impression)
{
    boîtes.réponses = {rép_ok};
    déroule(1, 5, false, {"suivant", "suivant", "suivant", "suivant", "suivant", "suivant"});
    EXPECT_EQ(montrées, QStringList({"0", "2", "4", "5", "3", "1", "0"}));
    ASSERT_FALSE(boîtes.messages.empty());
    EXPECT_EQ(boîtes.messages[0].texte,
              "A l'impression, vous devrez retourner vos feuilles ici si vous désirez des recto/verso");

    // Cancel on the word ends the run on the last front.
    montrées.clear();
    boîtes.réponses = {rép_annuler};
    déroule(1, 5, false, {"suivant", "suivant", "suivant", "suivant"});
    EXPECT_EQ(montrées, QStringList({"0", "2", "4"}));
    EXPECT_EQ(commandes.size(), 1u);  // nobody waits for the last one
}

TEST_F(parcours, page_à_page)
{
    déroule(0, 1, false, {"suivant", "précédent"});
    EXPECT_EQ(montrées, QStringList({"0", "0", "0"}));

    // Two pages a view: "imprimer" moves on by two pages, as "suivant" does.
    montrées.clear();
    déroule(0, 6, true, {"imprimer", "suivant", "imprimer", "précédent"});
    EXPECT_EQ(montrées, QStringList({"0 / 1", "2 / 3", "4 / 5", "0 / 1", "0 / 1"}));
    EXPECT_EQ(imprimées, QStringList({"0 / 1", "4 / 5"}));
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(parcours, un_seul_parcours_à_la_fois)
{
    données.cat_format[1] = 0;
    dernière_page_catalogue = 4;
    QStringList montrées_;
    parcours_aperçu* run_ = nullptr;
    bool relancé = false;
    parcours_aperçu run({[&](const vue_aperçu& v) { montrées_ << v.étiquette; },
                         [&](const vue_aperçu&) {
                             // A mode chosen while a view is being printed:
                             // the printing run ends, the new one takes over.
                             if (!relancé) {
                                 relancé = true;
                                 run_->démarre(0);
                             }
                         }});
    run_ = &run;
    run.démarre(1);
    run.commande("suivant");
    run.démarre(0);  // the as-printed run gives way
    EXPECT_EQ(montrées_, QStringList({"0", "2", "0"}));
    run.commande("suivant");
    run.commande("imprimer");
    EXPECT_EQ(montrées_, QStringList({"0", "2", "0", "1", "0"}));
    EXPECT_EQ(run.vue()->étiquette, "0");
    run.commande("suivant");
    EXPECT_EQ(montrées_.last(), "1");
    // An unknown word leaves the view waiting; no mode, no run.
    run.commande("au hasard");
    EXPECT_TRUE(commande_aperçu.isEmpty());
    EXPECT_EQ(montrées_.size(), 6);
    run.démarre(7);
    EXPECT_FALSE(run.en_cours());
    run.commande("suivant");
    EXPECT_EQ(montrées_.size(), 6);
}

}  // namespace
