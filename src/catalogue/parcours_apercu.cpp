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

parcours_aperçu::parcours_aperçu(hôte_aperçu hôte) : hôte_(std::move(hôte)) {}

const vue_aperçu* parcours_aperçu::vue() const
{
    return en_cours_ ? &suite_.passes[passe_][i_] : nullptr;
}

void parcours_aperçu::termine()
{
    en_cours_ = false;
    ++génération_;
}

void parcours_aperçu::montre()
{
    commande_aperçu.clear();
    hôte_.montre(suite_.passes[passe_][i_]);
}

void parcours_aperçu::démarre(int mode)
{
    commande_aperçu = QStringLiteral("annuler");
    termine();
    const bool double_a5 = données.cat_format[static_cast<std::size_t>(indice_catalogue())] == 1;
    suite_ = vues_aperçu(mode, double_a5, dernière_page_catalogue + 1);
    if (suite_.passes.empty())
        return;
    passe_ = i_ = 0;
    en_cours_ = true;
    montre();
}

void parcours_aperçu::commande(const QString& mot)
{
    if (!en_cours_)
        return;
    commande_aperçu = mot;
    const unsigned run = génération_;
    if (mot == QStringLiteral("annuler")) {
        termine();
        return;
    }
    if (mot == QStringLiteral("précédent")) {
        if (i_ > 0)
            --i_;
        montre();
        return;
    }
    if (mot == QStringLiteral("imprimer")) {
        hôte_.imprime(suite_.passes[passe_][i_]);
        if (run != génération_)
            return;
    } else if (mot != QStringLiteral("suivant")) {
        commande_aperçu.clear();  // not a word of the preview: the view waits on
        return;
    }
    if (++i_ < suite_.passes[passe_].size()) {
        montre();
        return;
    }
    i_ = 0;
    if (suite_.passes.size() > 1) {
        if (passe_ == 0) {
            const bool ok = MsgBox(suite_.message, style_boîte::ok_annuler | style_boîte::information) == rép_ok;
            if (run != génération_)
                return;
            if (!ok && suite_.annuler_termine) {
                termine();  // the last front stays in view
                return;
            }
            // Cancel on the booklet's word: the first pass again.
            passe_ = ok ? 1 : 0;
        } else {
            passe_ = 0;
        }
    }
    montre();
}
