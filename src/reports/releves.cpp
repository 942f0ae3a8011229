#include "reports/releves.h"

#include "accounts/extraction_comptes.h"
#include "accounts/grilles_comptes.h"
#include "data/fichiers.h"
#include "data/modele.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/fenetres.h"
#include "ui_common/impression_grille.h"
#include "ui_common/impression_texte.h"
#include "ui_common/imprime.h"
#include "ui_common/outils.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpression>
#include <vector>

namespace {

// Layout of the page head, in twips.
constexpr double haut_date = 1000;
constexpr double gauche_entête = 800;
constexpr double haut_logo = 800, côté_logo = 2835, bas_logo = 3680;
constexpr double gauche_adresse = 5670, haut_adresse = 2550, largeur_adresse = 4536;
constexpr double écart_avant_grille = 1000;
constexpr double écart_entre_grilles = 1000;
constexpr double gauche_résumé = 1000;
// Left and right margins of the summary.
constexpr double marges_résumé = 1600;

// The fixed-width fields of an address end in blanks; on paper they would
// only push words onto lines of their own.
QString sans_blancs_de_fin(const QString& texte)
{
    static const QRegularExpression blancs(QStringLiteral("[ ]+(?=\r?\n|$)"));
    return QString(texte).remove(blancs);
}

// Prints one grid under its title from haut, at its own width when the sheet
// takes it, so that its rules end with its columns; false when the grid
// could not be printed and the document was cancelled.
bool imprime_une_grille(surface_page& papier, grille& g, const options_relevé& options, const QString& titre,
                        double haut)
{
    papier.setCurrentY(haut);
    const bool arrêt_avant = arrêt_demandé;
    imprime_grille(papier, g, largeur_grille_twips(g), titre, options.horizontales, options.verticales, false);
    return arrêt_avant || !arrêt_demandé;
}

}  // namespace

bool tables_pour_relevé(const QString& type_relevé)
{
    if (données.nombre_adhérents == 0)
        return false;
    if (type_relevé == relevé_compte)
        return données.nombre_lignes_compte > 0;
    if (type_relevé == relevé_catalogue)
        return données.nombre_propositions > 0;
    return true;
}

void remplit_relevé(grille& g, const QString& type_relevé, int compte, const choix_lignes& choix)
{
    if (type_relevé == relevé_compte)
        remplit_relevé_compte(g, choix.nombre, compte, choix.période_choisie ? mode_période : mode_dernières,
                              choix.début, choix.fin, true, -1);
    else if (type_relevé == relevé_catalogue)
        remplit_relevé_catalogue(g, compte);
    ajuste_grille(g);
}

std::optional<QString> titre_relevé(const QString& type_relevé, const QString& entrée, const choix_lignes& choix,
                                    const QString& texte_dernières)
{
    QString nom = entrée;
    while (nom.endsWith(QLatin1Char(' ')))
        nom.chop(1);
    if (type_relevé == relevé_catalogue)
        return QStringLiteral("Relevé des offres/demandes de ") + nom;
    if (type_relevé != relevé_compte)
        return std::nullopt;
    QString titre = QStringLiteral("Relevé du compte ") + nom;
    if (choix.période_choisie)
        titre += QStringLiteral(" ( du ") + date_courte(choix.début) + QStringLiteral(" au ") +
                 date_courte(choix.fin) + QLatin1Char(')');
    else
        titre += QStringLiteral(" (") + texte_dernières + QStringLiteral(" opérations)");
    return titre;
}

double imprime_tête_relevé(surface_page& papier, const tête_relevé& tête)
{
    const double W = papier.Width();
    // The head's font follows the grid's, brought down when the grid is
    // wider on screen than the sheet.
    const double taille = tête.police.taille;
    const double rapport = tête.largeur_écran > 0 ? (W - 1200) / tête.largeur_écran : 1;
    papier.setFontName(tête.police.nom);
    papier.setFontSize(plus_petit(taille * rapport, taille));
    papier.setFontBold(true);
    papier.setFontItalic(true);
    imprime_paragraphe(papier, QStringLiteral("Le ") + titre_date_du_jour(), 2 * W / 3, haut_date, W / 3 - 800);
    papier.setFontItalic(false);

    double y = 0;
    if (tête.type_entête == 0) {
        y = haut_date + imprime_paragraphe(papier, données.entête, gauche_entête, haut_date, W / 3);
    } else if (tête.type_entête == 1) {
        const QString logo = trouve_fichier_stocké(données.fichier_logo);
        if (!logo.isEmpty() &&
            imprime_image(papier, lit_image(logo), logo, gauche_entête, haut_logo, côté_logo, côté_logo))
            y = plus_grand(haut_date, bas_logo);
    }
    if (tête.avec_adresse) {
        const double h =
            imprime_paragraphe(papier, sans_blancs_de_fin(tête.adresse), gauche_adresse, haut_adresse, largeur_adresse);
        y = plus_grand(y, haut_adresse + h);
    }
    return y + écart_avant_grille;
}

bool imprime_relevé(surface_page& papier, grille& g, const options_relevé& options, const prépare_relevé& prépare)
{
    const double y = imprime_tête_relevé(papier, options.tête);
    relevé_préparé relevé;
    bool avec_résumé = options.avec_résumé;
    if (options.relevé_simple) {
        relevé = prépare(options.type_relevé);
        if (!imprime_une_grille(papier, g, options, relevé.titre, y))
            return false;
    } else {
        relevé = prépare(relevé_catalogue);
        if (!imprime_une_grille(papier, g, options, relevé.titre, y))
            return false;
        relevé = prépare(relevé_compte);
        if (!imprime_une_grille(papier, g, options, relevé.titre, papier.CurrentY() + écart_entre_grilles))
            return false;
        avec_résumé = true;
    }
    if (avec_résumé) {
        const double haut = papier.CurrentY() + papier.TextHeight(QStringLiteral("W"));
        imprime_paragraphe(papier, relevé.résumé, gauche_résumé, haut, papier.Width() - marges_résumé);
    }
    papier.EndDoc();
    return true;
}

namespace {

// Every window of the program but the box is disabled for the length of a
// run, so that nothing re-enters it while it yields; each gets back the
// state it had.
class fenêtres_suspendues {
public:
    fenêtres_suspendues()
    {
        for (fenêtre_programme* f : fenêtres_chargées()) {
            if (dynamic_cast<imprime*>(f))
                continue;
            QWidget& w = f->feuille();
            suspendues_.push_back({&w, w.isEnabled()});
            w.setEnabled(false);
        }
    }
    ~fenêtres_suspendues()
    {
        for (auto& [w, active] : suspendues_)
            if (w)
                w->setEnabled(active);
    }
    fenêtres_suspendues(const fenêtres_suspendues&) = delete;
    fenêtres_suspendues& operator=(const fenêtres_suspendues&) = delete;

private:
    std::vector<std::pair<QPointer<QWidget>, bool>> suspendues_;
};

// The box goes whatever the way out of the run.
class boîte_imprime {
public:
    boîte_imprime() { imprime::montre(); }
    ~boîte_imprime() { imprime::cache(); }
    boîte_imprime(const boîte_imprime&) = delete;
    boîte_imprime& operator=(const boîte_imprime&) = delete;
};

}  // namespace

int imprime_chaque_compte(surface_page& papier, int nombre, const std::function<void(int position)>& imprime_un)
{
    arrêt_demandé = false;
    boîte_imprime boîte;
    fenêtres_suspendues suspendues;
    suite_documents suite(papier);
    int imprimés = 0;
    for (int i = 0; i < nombre; ++i) {
        QCoreApplication::processEvents();
        if (arrêt_demandé)
            return imprimés;
        imprime_un(i);
        ++imprimés;
        QCoreApplication::processEvents();
    }
    arrêt_demandé = false;
    return imprimés;
}
