#include "catalogue/parcours_apercu.h"

#include "catalogue/composition.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "data/dialogues.h"
#include "data/modele.h"

QString commande_aperçu;
std::function<void()> annule_aperçu;

namespace {

std::vector<vue_aperçu> vues_de(const std::vector<face_feuille>& faces)
{
    std::vector<vue_aperçu> vues;
    for (const face_feuille& f : faces)
        vues.push_back({f, false, étiquette_face(f)});
    return vues;
}

}  // namespace

passes_aperçu vues_aperçu(int mode, bool double_a5, int pages)
{
    passes_aperçu r;
    pages = std::max(pages, 1);
    if (mode == 0) {
        std::vector<vue_aperçu> lecture;
        for (int p = 0; p < pages; p += double_a5 ? 2 : 1) {
            const face_feuille f = double_a5 ? face_feuille{p, p + 1} : face_feuille{p};
            lecture.push_back({f, true, étiquette_face(f)});
        }
        r.passes.push_back(std::move(lecture));
    } else if (mode == 1) {
        const ordre_feuilles ordre = double_a5 ? ordre_livret(pages) : ordre_recto_verso(pages);
        r.passes = {vues_de(ordre.recto), vues_de(ordre.verso)};
        r.message = double_a5 ? QStringLiteral("A l'impression, vous devrez replacer vos feuilles ici si vous "
                                               "désirez des recto/verso")
                              : QStringLiteral("A l'impression, vous devrez retourner vos feuilles ici si vous "
                                               "désirez des recto/verso");
        r.annuler_termine = !double_a5;
    }
    return r;
}

void dessine_vue(cible_page& c, const grille& g, const vue_aperçu& v)
{
    if (v.lecture) {
        aperçu_page(c, g, v.face.gauche);
        return;
    }
    c.surface.KillDoc();
    imprime_page(c, g, v.face.gauche, false);
    if (v.face.droite >= 0)
        imprime_page(c, g, v.face.droite, true);
}

void déroule_aperçu(int mode, const hôte_aperçu& hôte)
{
    const bool double_a5 = données.cat_format[static_cast<std::size_t>(indice_catalogue())] == 1;
    const passes_aperçu suite = vues_aperçu(mode, double_a5, dernière_page_catalogue + 1);
    if (suite.passes.empty())
        return;
    std::size_t passe = 0, i = 0;
    for (;;) {
        const vue_aperçu& vue = suite.passes[passe][i];
        hôte.montre(vue);
        const QString commande = hôte.attend();
        if (commande == QStringLiteral("annuler"))
            return;
        if (commande == QStringLiteral("précédent")) {
            if (i > 0)
                --i;
            continue;
        }
        if (commande == QStringLiteral("imprimer"))
            hôte.imprime(vue);
        else if (commande != QStringLiteral("suivant"))
            continue;
        if (++i < suite.passes[passe].size())
            continue;
        i = 0;
        if (suite.passes.size() == 1)
            continue;
        if (passe == 0) {
            if (MsgBox(suite.message, style_boîte::ok_annuler | style_boîte::information) != rép_ok) {
                if (suite.annuler_termine)
                    return;
                continue;  // the first pass again, from its first view
            }
            passe = 1;
        } else {
            passe = 0;
        }
    }
}
