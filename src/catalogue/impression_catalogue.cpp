#include "catalogue/impression_catalogue.h"

#include "catalogue/additifs.h"
#include "catalogue/composition.h"
#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "catalogue/parcours_apercu.h"
#include "catalogue/sommaire.h"
#include "data/dialogues.h"
#include "data/modele.h"

#include <algorithm>
#include <exception>

namespace {

const QString crlf = QStringLiteral("\r\n");

// Sends the sides one by one: each as a print job, or each as a page of one
// document.
class envoi_faces {
public:
    envoi_faces(surface_page& s, const grille& g, bool un_travail_par_face)
        : papier_(cible_papier(s)), g_(g), séparées_(un_travail_par_face)
    {
    }
    // The title page is settled before anything is printed, when one of the
    // sides holds it: false when the user gave it up.
    bool sommaire_accepté(bool imprimé)
    {
        if (!imprimé || données.cat_sommaire[static_cast<std::size_t>(indice_catalogue())] != 1)
            return true;
        papier_.sommaire = vérifie_sommaire(papier_);
        return *papier_.sommaire != place_sommaire::refusée;
    }
    issue_impression face(const face_feuille& f)
    {
        if (!séparées_ && entamé_)
            papier_.surface.NewPage();
        entamé_ = true;
        if (!imprime_face(papier_, g_, f)) {
            abandonne();
            return issue_impression::arrêtée;
        }
        if (séparées_ && !papier_.surface.EndDoc())
            return issue_impression::échouée;
        return issue_impression::terminée;
    }
    issue_impression faces(const std::vector<face_feuille>& liste)
    {
        for (const face_feuille& f : liste)
            if (const issue_impression i = face(f); i != issue_impression::terminée)
                return i;
        return issue_impression::terminée;
    }
    issue_impression termine()
    {
        if (séparées_ || !entamé_)
            return issue_impression::terminée;
        entamé_ = false;
        return papier_.surface.EndDoc() ? issue_impression::terminée : issue_impression::échouée;
    }
    // Each side is a job of a printer of its own (not the pages of a file).
    bool un_travail_par_face() const { return séparées_; }
    // Nothing of the job under way reaches the printer.
    void abandonne()
    {
        papier_.surface.KillDoc();
        entamé_ = false;
    }

private:
    cible_page papier_;
    const grille& g_;
    bool séparées_;
    bool entamé_ = false;
};

bool contient_page_zéro(const std::vector<face_feuille>& faces)
{
    return std::any_of(faces.begin(), faces.end(), [](const face_feuille& f) { return f.gauche == 0 || f.droite == 0; });
}

// The printer (or anything under it) failed while a page was drawn: the user
// is told, the job under way dropped.
issue_impression échec(envoi_faces& envoi, const std::exception& e)
{
    envoi.abandonne();
    MsgBox(QString::fromUtf8(e.what()), style_boîte::ok);
    return issue_impression::échouée;
}

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

bool imprime_face(cible_page& papier, const grille& g, const face_feuille& f)
{
    if (!imprime_page(papier, g, f.gauche, false))
        return false;
    return f.droite < 0 || imprime_page(papier, g, f.droite, true);
}

namespace {

issue_impression imprime_tout(envoi_faces& envoi, bool double_a5, bool page_à_page)
{
    const int pages = dernière_page_catalogue + 1;
    if (page_à_page) {
        if (double_a5) {
            MsgBox(QStringLiteral("L'impression page à page d'un catalogue en double A5 est impossible."),
                   style_boîte::information);
            return issue_impression::refusée;
        }
        if (!envoi.sommaire_accepté(true))
            return issue_impression::arrêtée;
        for (int p = 0; p < pages; ++p)
            if (const issue_impression i = envoi.face({p}); i != issue_impression::terminée)
                return i;
        return envoi.termine();
    }
    const ordre_feuilles ordre = double_a5 ? ordre_livret(pages) : ordre_recto_verso(pages);
    if (!envoi.sommaire_accepté(true))
        return issue_impression::arrêtée;
    if (const issue_impression i = envoi.faces(ordre.recto); i != issue_impression::terminée)
        return i;
    // A file takes both passes at once: no stack to put back.
    if (envoi.un_travail_par_face() && !pause_recto_verso()) {
        // What was printed stays printed, in a file too.
        const issue_impression i = envoi.termine();
        return i == issue_impression::terminée ? issue_impression::arrêtée : i;
    }
    if (const issue_impression i = envoi.faces(ordre.verso); i != issue_impression::terminée)
        return i;
    return envoi.termine();
}

}  // namespace

issue_impression imprime_catalogue(surface_page& imprimante, const grille& g, bool page_à_page,
                                   bool un_travail_par_face)
{
    commande_aperçu.clear();
    const bool double_a5 = données.cat_format[static_cast<std::size_t>(indice_catalogue())] == 1;
    envoi_faces envoi(imprimante, g, un_travail_par_face);
    issue_impression issue;
    try {
        issue = imprime_tout(envoi, double_a5, page_à_page);
    } catch (const std::exception& e) {
        return échec(envoi, e);
    }
    if (issue != issue_impression::terminée)
        return issue;
    // An archive is consulted, never changed: its supplement marks stay.
    if (données.type_fichier != QLatin1String("archive"))
        question_fin();
    return issue;
}

issue_impression imprime_une_face(surface_page& imprimante, const grille& g, const face_feuille& face)
{
    envoi_faces envoi(imprimante, g, true);
    try {
        if (!envoi.sommaire_accepté(contient_page_zéro({face})))
            return issue_impression::arrêtée;
        return envoi.face(face);
    } catch (const std::exception& e) {
        return échec(envoi, e);
    }
}
