#include "statistics/evolution.h"

#include "data/dialogues.h"
#include "data/modele.h"
#include "statistics/historique.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/grille.h"

#include <functional>

namespace {

struct colonne_évolution {
    QString titre;
    std::function<int(const stat_trimestre&)> valeur;
};

void lit_évolution(grille& gg, const std::vector<colonne_évolution>& colonnes)
{
    redraw_suspendu lot(gg);
    gg.Clear();
    gg.setRows(1);

    historique_lu h = lit_historique();
    // No snapshot yet: one empty quarter. The file is left to the snapshot.
    if (h.trimestres.empty() && h.erreur.isEmpty())
        h.trimestres.push_back({});

    gg.setRows(static_cast<int>(h.trimestres.size()) + 1);
    gg.setCols(static_cast<int>(colonnes.size()) + 1);
    gg.setFixedCols(1);
    gg.setTextMatrix(0, 0, QStringLiteral("Trimestres"));
    for (std::size_t c = 0; c < colonnes.size(); ++c)
        gg.setTextMatrix(0, static_cast<int>(c) + 1, colonnes[c].titre);
    for (std::size_t i = 0; i < h.trimestres.size(); ++i) {
        const stat_trimestre& s = h.trimestres[i];
        const int r = static_cast<int>(i) + 1;
        gg.setTextMatrix(r, 0, s.trimestre);
        for (std::size_t c = 0; c < colonnes.size(); ++c)
            gg.setTextMatrix(r, static_cast<int>(c) + 1, QString::number(colonnes[c].valeur(s)));
    }

    if (!h.erreur.isEmpty())
        MsgBox(h.erreur + QStringLiteral(". L'erreur s'est produite dans la lecture des données pour les "
                                         "statistiques d'évolution. Ces dernières seront incomplètes."),
               style_boîte::ok);
}

}  // namespace

void lit_évolution_adhérents(grille& gg)
{
    lit_évolution(gg, {{QStringLiteral("nbr_adhérents"), [](const stat_trimestre& s) { return s.nbr_adhérents; }},
                       {QStringLiteral("nbr_enfants"), [](const stat_trimestre& s) { return s.nbr_enfants; }},
                       {QStringLiteral("nbr_adultes"), [](const stat_trimestre& s) { return s.nbr_adultes; }},
                       {QStringLiteral("nbr_masc."), [](const stat_trimestre& s) { return s.nbr_masc; }},
                       {QStringLiteral("nbr_fem."), [](const stat_trimestre& s) { return s.nbr_fem; }}});
}

void lit_évolution_catalogue(grille& gg)
{
    std::vector<colonne_évolution> colonnes = {
        {QStringLiteral("nbr_offres"), [](const stat_trimestre& s) { return s.nbr_offres; }},
        {QStringLiteral("nbr_demandes"), [](const stat_trimestre& s) { return s.nbr_demandes; }}};
    for (std::size_t g = 0; g < données.noms_genres.size(); ++g)
        if (!données.noms_genres[g].trimmed().isEmpty())
            colonnes.push_back(
                {données.noms_genres[g], [g](const stat_trimestre& s) { return s.nbr_par_genre[g]; }});
    lit_évolution(gg, colonnes);
}

void lit_évolution_échanges(grille& gg)
{
    lit_évolution(gg, {{QStringLiteral("nbr_opérations"), [](const stat_trimestre& s) { return s.nbr_opérations; }},
                       {QStringLiteral("Volume"), [](const stat_trimestre& s) { return s.volume; }}});
}

QString construit_évolution(grille& gg, int choix)
{
    QString titre;
    switch (choix) {
    case 0:
        titre = QStringLiteral("Evolution du nombre d'adhérents");
        lit_évolution_adhérents(gg);
        break;
    case 1:
        titre = QStringLiteral("Evolution des offres-demandes");
        lit_évolution_catalogue(gg);
        break;
    case 2:
        titre = QStringLiteral("Evolution des échanges");
        lit_évolution_échanges(gg);
        break;
    default: return {};
    }
    ajuste_grille(gg);
    return titre;
}
