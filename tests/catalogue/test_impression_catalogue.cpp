#include "catalogue/impression_catalogue.h"

#include "catalogue/page_essai.h"
#include "catalogue/parcours_apercu.h"
#include "ui_common/surface_imprimante.h"

#include <QFileInfo>
#include <QPrinter>
#include <stdexcept>

namespace {

// A printer that stops answering once it has been given so many marks.
class surface_en_panne : public surface_enregistrée {
public:
    explicit surface_en_panne(int marques) : reste_(marques) {}

protected:
    void pose(élément_page é) override
    {
        if (reste_-- <= 0)
            throw std::runtime_error("L'imprimante ne répond plus.");
        surface_enregistrée::pose(std::move(é));
    }

private:
    int reste_;
};

// A catalogue of n pages whose page p holds one row, "page p".
class impression : public essai_page {
protected:
    void catalogue(int n, int format)
    {
        données.cat_format[1] = static_cast<int16>(format);
        papier.setOrientation(format == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
        for (int p = 0; p < n; ++p) {
            ligne(g, {{1, "10"}, {5, QStringLiteral("page %1").arg(p)}});
            page_ligne_catalogue[static_cast<std::size_t>(p + 1)] = static_cast<int16>(p);
        }
        dernière_page_catalogue = static_cast<int16>(n - 1);
    }
    // Each print job: its pages, each as "left|right" by the rows' texts
    // ("-" for a page without rows), the right one found by its x.
    QStringList travaux() const
    {
        QStringList t;
        for (const auto& document : papier.documents())
            for (const page_dessinée& page : document) {
                QString gauche = "-", droite = "-";
                for (const élément_page& é : page)
                    if (const auto* texte = std::get_if<texte_posé>(&é); texte && texte->texte.startsWith("page "))
                        (texte->x > papier.Width() / 2 ? droite : gauche) = texte->texte.mid(5);
                t << (données.cat_format[1] == 1 ? gauche + "|" + droite : gauche);
            }
        return t;
    }
    grille g;
};

TEST_F(impression, livret_une_face_par_travail)
{
    catalogue(10, 1);
    commande_aperçu = "suivant";
    boîtes.réponses = {rép_ok, rép_non};
    EXPECT_EQ(imprime_catalogue(papier, g, false), issue_impression::terminée);
    EXPECT_TRUE(commande_aperçu.isEmpty());
    EXPECT_EQ(papier.documents().size(), 6u);
    // 10 pages in 3 sheets: slots 0 to 11, slots 10 and 11 blank.
    EXPECT_EQ(travaux(), QStringList({"1|-", "3|8", "5|6", "7|4", "9|2", "-|0"}));
    // Page slots past the last page get their number alone.
    const auto premier = papier.documents()[0][0];
    EXPECT_TRUE(std::get<texte_posé>(premier.back()).texte == "- 10 -");
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith(
        "Replacez vos feuilles si vous voulez des recto/verso et appuyez sur OK.\r\nAttention! L'imprimante"));
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok_annuler | style_boîte::information);
    EXPECT_TRUE(boîtes.messages[1].texte.startsWith(
        "Vous venez d'éditer le catalogue, voulez-vous que Trovane mette à jour le statut"));
    EXPECT_FALSE(boîtes.messages[1].texte.contains("ATTENTION"));
    EXPECT_EQ(boîtes.messages[1].style, style_boîte::oui_non | style_boîte::question);
}

TEST_F(impression, pages_simples_arrêt_à_la_pause_et_lecture)
{
    catalogue(5, 0);
    boîtes.réponses = {rép_annuler};
    EXPECT_EQ(imprime_catalogue(papier, g, false), issue_impression::arrêtée);
    EXPECT_EQ(travaux(), QStringList({"0", "2", "4"}));
    EXPECT_EQ(boîtes.messages.size(), 1u);  // no closing question

    // Reading order: every page, each a job of its own.
    papier = surface_enregistrée();
    boîtes.réponses = {rép_non};
    EXPECT_EQ(imprime_catalogue(papier, g, true), issue_impression::terminée);
    EXPECT_EQ(travaux(), QStringList({"0", "1", "2", "3", "4"}));

    // ... which a half-A4 catalogue cannot be printed in.
    données.cat_format[1] = 1;
    papier = surface_enregistrée();
    boîtes.messages.clear();
    EXPECT_EQ(imprime_catalogue(papier, g, true), issue_impression::refusée);
    EXPECT_TRUE(papier.documents().empty());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "L'impression page à page d'un catalogue en double A5 est impossible.");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
}

TEST_F(impression, fin_d_un_additif)
{
    petite_association();
    données.type_catalogue = 0;
    catalogue(2, 0);
    données.cat_format[0] = 0;
    boîtes.réponses = {rép_ok, rép_oui};
    EXPECT_EQ(imprime_catalogue(papier, g, false), issue_impression::terminée);
    ASSERT_EQ(boîtes.messages.size(), 2u);
    const auto& question = boîtes.messages[1];
    EXPECT_TRUE(question.texte.startsWith("Vous venez d'éditer un additif,"));
    EXPECT_TRUE(question.texte.endsWith(
        "\r\nSi vous cliquez non, les données de cet additif se cumuleront avec les données du prochain additif."));
    EXPECT_EQ(question.style, style_boîte::oui_non | style_boîte::question | style_boîte::défaut_bouton2);
    // New becomes normal, deleted becomes eliminated; the file is written.
    EXPECT_EQ(données.table_adhérents[5].additif, 0);
    EXPECT_EQ(données.table_adhérents[9].additif, 3);
    EXPECT_EQ(données.table_propositions[2].additif, 0);
    EXPECT_EQ(données.table_propositions[3].additif, 3);
    EXPECT_TRUE(QFileInfo::exists(chemin("trovane.sel")));
}

TEST_F(impression, page_de_titre_refusée_rien_n_est_imprimé)
{
    // The title page and its legend do not fit the size chosen: Cancel gives
    // the print up before the first sheet, in every order, and asks nothing
    // more.
    catalogue(5, 0);
    données.cat_sommaire[1] = 1;
    données.taille_sommaire[1] = 12;
    données.taille_offres[1] = 100;
    for (const bool page_à_page : {true, false}) {
        papier = surface_enregistrée();
        boîtes.messages.clear();
        boîtes.réponses = {rép_annuler};
        EXPECT_EQ(imprime_catalogue(papier, g, page_à_page, false), issue_impression::arrêtée);
        EXPECT_TRUE(papier.documents().empty());
        EXPECT_TRUE(papier.pages().empty());
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(boîtes.messages[0].texte.startsWith("La taille de la police choisie pour le sommaire et la"));
    }
    // OK: the whole catalogue, its title page without the legend, asked once.
    papier = surface_enregistrée();
    boîtes.messages.clear();
    boîtes.réponses = {rép_ok, rép_non};
    EXPECT_EQ(imprime_catalogue(papier, g, true), issue_impression::terminée);
    EXPECT_EQ(papier.documents().size(), 5u);
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_TRUE(boîtes.messages[1].texte.startsWith("Vous venez d'éditer le catalogue,"));

    // The contents alone too high: told, the preview closes, nothing printed,
    // also for the page in view.
    bool aperçu_fermé = false;
    annule_aperçu = [&] { aperçu_fermé = true; };
    données.taille_sommaire[1] = 200;
    papier = surface_enregistrée();
    boîtes.messages.clear();
    boîtes.réponses = {rép_ok};
    EXPECT_EQ(imprime_catalogue(papier, g, false), issue_impression::arrêtée);
    EXPECT_TRUE(papier.documents().empty());
    EXPECT_EQ(boîtes.messages.size(), 2u);
    EXPECT_TRUE(aperçu_fermé);
    boîtes.réponses = {rép_ok};
    EXPECT_EQ(imprime_une_face(papier, g, {0}), issue_impression::arrêtée);
    EXPECT_EQ(imprime_une_face(papier, g, {1}), issue_impression::terminée);
    EXPECT_EQ(papier.documents().size(), 1u);
    annule_aperçu = nullptr;
}

TEST_F(impression, une_panne_de_l_imprimante_arrête_tout)
{
    // In every order, whether each side is a job or the whole catalogue one
    // document: the printer's text is shown, the job under way dropped, and
    // nothing follows (no pause, no closing question).
    // The printer takes three marks: in reading order pages 0 ("page 0") and
    // 1 ("page 1", "- 1 -") go through; in booklet order the side 1 | 6.
    struct cas {
        int format;
        bool page_à_page, un_travail_par_face;
        std::size_t travaux_passés;
    };
    for (const cas c : {cas{0, true, true, 2}, cas{0, true, false, 0}, cas{1, false, true, 1}, cas{0, false, false, 0}}) {
        catalogue(6, c.format);
        surface_en_panne panne(3);
        panne.setOrientation(papier.Orientation());
        boîtes.messages.clear();
        boîtes.réponses = {rép_ok, rép_oui};
        EXPECT_EQ(imprime_catalogue(panne, g, c.page_à_page, c.un_travail_par_face), issue_impression::échouée);
        ASSERT_EQ(boîtes.messages.size(), 1u) << c.format << c.page_à_page;
        EXPECT_EQ(boîtes.messages[0].texte, "L'imprimante ne répond plus.");
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok);
        EXPECT_EQ(panne.documents().size(), c.travaux_passés);
        EXPECT_EQ(panne.documents_annulés(), c.un_travail_par_face ? 0 : 1);
        EXPECT_TRUE(panne.pages().empty());
        g.setRows(1);
    }

    // A printer that refuses the document (here a PDF file in a folder that
    // does not exist): its own text, then nothing more.
    catalogue(3, 0);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(chemin("absent/catalogue.pdf"));
    for (const bool un_travail_par_face : {true, false}) {
        surface_imprimante imprimante_pdf(pdf);
        boîtes.messages.clear();
        boîtes.réponses = {rép_ok, rép_oui};
        EXPECT_EQ(imprime_catalogue(imprimante_pdf, g, true, un_travail_par_face), issue_impression::échouée);
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Dossier introuvable")) << boîtes.messages[0].texte.toStdString();
        EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
        boîtes.messages.clear();
        EXPECT_EQ(imprime_une_face(imprimante_pdf, g, {1}), issue_impression::échouée);
        EXPECT_EQ(boîtes.messages.size(), 1u);
    }
    EXPECT_FALSE(QFileInfo::exists(chemin("absent/catalogue.pdf")));
}

TEST_F(impression, pas_de_question_pour_une_archive)
{
    // An archive is consulted, never changed: its supplement marks stay.
    petite_association();
    données.type_fichier = "archive";
    catalogue(2, 0);
    boîtes.réponses = {rép_ok, rép_oui};
    EXPECT_EQ(imprime_catalogue(papier, g, false), issue_impression::terminée);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("Replacez vos feuilles"));
    EXPECT_EQ(données.table_adhérents[5].additif, 1);
    EXPECT_EQ(données.table_propositions[3].additif, 2);
}

}  // namespace
