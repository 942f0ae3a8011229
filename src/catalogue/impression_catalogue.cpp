#include "catalogue/impression_catalogue.h"

#include "catalogue/additifs.h"
#include "catalogue/composition.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "catalogue/parcours_apercu.h"
#include "data/dialogues.h"
#include "data/modele.h"

#include <QPrinter>

namespace {

const QString crlf = QStringLiteral("\r\n");

// Sends the sides one by one: each as a print job, or each as a page of one
// document.
class envoi_faces {
public:
    envoi_faces(surface_page& s, const grille& g, bool un_travail_par_face)
        : s_(s), g_(g), séparées_(un_travail_par_face)
    {
    }
    // False when the printer refused the side (it has told the user).
    bool face(const face_feuille& f)
    {
        if (!séparées_ && entamé_)
            s_.NewPage();
        imprime_face(s_, g_, f);
        entamé_ = true;
        return !séparées_ || s_.EndDoc();
    }
    bool termine()
    {
        if (séparées_ || !entamé_)
            return true;
        entamé_ = false;
        return s_.EndDoc();
    }
    bool faces(const std::vector<face_feuille>& liste)
    {
        for (const face_feuille& f : liste)
            if (!face(f))
                return false;
        return true;
    }

private:
    surface_page& s_;
    const grille& g_;
    bool séparées_;
    bool entamé_ = false;
};

bool pause_recto_verso()
{
    const QString texte =
        QStringLiteral("Replacez vos feuilles si vous voulez des recto/verso et appuyez sur OK.") + crlf +
        QStringLiteral("Attention! L'imprimante peut marquer des temps d'arrêt entre chaque feuille. Si vous faites "
                       "des recto verso, assurez-vous que tous les rectos sont bien imprimés avant de cliquer OK :-)");
    return MsgBox(texte, style_boîte::ok_annuler | style_boîte::information) == rép_ok;
}

void question_fin()
{
    const bool additif = indice_catalogue() == 0;
    QString texte = additif ? QStringLiteral("Vous venez d'éditer un additif,")
                            : QStringLiteral("Vous venez d'éditer le catalogue,");
    texte += QStringLiteral(" voulez-vous que Trovane mette à jour le statut d'appartenance aux additifs des "
                            "adhérents et des propositions :") +
             crlf +
             QStringLiteral("Les nouveaux adhérents, les nouvelles propositions et les propositions supprimées "
                            "n'apparaîtront plus dans les additifs.") +
             crlf +
             QStringLiteral("Cette opération peut aussi être réalisée en cliquant à droite dans les grilles de la "
                            "page de départ ou dans les pages ajouter/modifier/supprimer");
    if (additif)
        texte += crlf +
                 QStringLiteral("ATTENTION ! Avant de cliquer OUI, assurez-vous que votre additif est correct, dans "
                                "le cas contraire vous devriez modifier une à une l'état des propositions et des "
                                "adhérents dans les pages ajouter/modifier/supprimer pour le rééditer.") +
                 crlf +
                 QStringLiteral("Si vous cliquez non, les données de cet additif se cumuleront avec les données du "
                                "prochain additif.");
    int style = style_boîte::oui_non | style_boîte::question;
    if (additif)
        style |= style_boîte::défaut_bouton2;
    if (MsgBox(texte, style) != rép_oui)
        return;
    enlève_additif_offres_demandes();
    enlève_additif_adhérents();
}

}  // namespace

ordre_feuilles ordre_livret(int pages)
{
    ordre_feuilles ordre;
    const int feuilles = (std::max(pages, 1) + 3) / 4;
    const int d = 4 * feuilles - 1;
    for (int i = 1; i <= d / 2; i += 2)
        ordre.recto.push_back({i, d - i});
    for (int i = (d + 1) / 2 + 1; i <= d; i += 2)
        ordre.verso.push_back({i, d - i});
    return ordre;
}

ordre_feuilles ordre_recto_verso(int pages)
{
    ordre_feuilles ordre;
    const int m = std::max(pages, 1) + std::max(pages, 1) % 2;
    for (int p = 0; p <= m - 2; p += 2)
        ordre.recto.push_back({p});
    for (int p = m - 1; p >= 1; p -= 2)
        ordre.verso.push_back({p});
    return ordre;
}

QString étiquette_face(const face_feuille& f)
{
    if (f.droite < 0)
        return QString::number(f.gauche);
    return QString::number(f.gauche) + QStringLiteral(" / ") + QString::number(f.droite);
}

void imprime_face(surface_page& imprimante, const grille& g, const face_feuille& f)
{
    cible_page papier = cible_papier(imprimante);
    imprime_page(papier, g, f.gauche, false);
    if (f.droite >= 0)
        imprime_page(papier, g, f.droite, true);
}

issue_impression imprime_catalogue(surface_page& imprimante, const grille& g, bool page_à_page,
                                   bool un_travail_par_face)
{
    commande_aperçu.clear();
    const bool double_a5 = données.cat_format[static_cast<std::size_t>(indice_catalogue())] == 1;
    const int pages = dernière_page_catalogue + 1;
    envoi_faces envoi(imprimante, g, un_travail_par_face);

    if (page_à_page) {
        if (double_a5) {
            MsgBox(QStringLiteral("L'impression page à page d'un catalogue en double A5 est impossible."),
                   style_boîte::information);
            return issue_impression::refusée;
        }
        for (int p = 0; p < pages; ++p)
            if (!envoi.face({p}))
                return issue_impression::échouée;
    } else {
        const ordre_feuilles ordre = double_a5 ? ordre_livret(pages) : ordre_recto_verso(pages);
        if (!envoi.faces(ordre.recto))
            return issue_impression::échouée;
        if (!pause_recto_verso()) {
            // What was printed stays printed, in a file too.
            return envoi.termine() ? issue_impression::arrêtée : issue_impression::échouée;
        }
        if (!envoi.faces(ordre.verso))
            return issue_impression::échouée;
    }
    if (!envoi.termine())
        return issue_impression::échouée;
    question_fin();
    return issue_impression::terminée;
}

bool imprime_dans_un_fichier(const QPrinter& imprimante)
{
    return imprimante.outputFormat() == QPrinter::PdfFormat && !imprimante.outputFileName().isEmpty();
}
