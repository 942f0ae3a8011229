#include "reports/etats_comptes.h"

#include "accounts/grilles_comptes.h"
#include "data/modele.h"
#include "reports/periode_rapports.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/impression_grille.h"
#include "ui_common/outils.h"

#include <cmath>

namespace {

const QChar tab = QLatin1Char('\t');

monnaie somme_colonne(const grille& g, int colonne)
{
    monnaie somme;
    for (int r = 1; r < g.Rows(); ++r)
        somme += montant_de_cellule(g.TextMatrix(r, colonne));
    return somme;
}

}  // namespace

std::optional<QString> refus_tableau(bool bons)
{
    if (bons && données.nombre_lignes_compte == 0)
        return QStringLiteral("Aucun échange n'est enregistré : il n'y a pas de bon d'échange à imprimer.");
    if (!bons && données.nombre_adhérents == 0)
        return QStringLiteral("Aucun adhérent n'est enregistré : il n'y a pas d'état des comptes à imprimer.");
    return std::nullopt;
}

void vide_tableau(grille& g, bool bons)
{
    if (bons)
        entête_grille_bons(g);
    else
        entête_grille_état(g);
}

void remplit_tableau_bons(grille& g, const choix_lignes& choix, const std::vector<int>& comptes)
{
    remplit_bons_échange(g, choix.nombre, choix.période_choisie ? mode_période : mode_dernières, choix.début,
                         choix.fin, comptes);
    const monnaie total = somme_colonne(g, 3);
    g.setColAlignment(3, alignement_grille::droite_centre);
    g.AddItem(QString(tab) + tab + QStringLiteral("Total des échanges ...") + tab +
              format_groupes(total, QStringLiteral("### ### 000")));
    ajuste_grille(g);
}

void remplit_tableau_état(grille& g, const std::vector<int>& comptes)
{
    remplit_état_comptes(g, comptes);
    // The totals keep the widths fitted to the accounts' rows, but a total
    // wider than its column widens it: a large association's sums would
    // otherwise run over each other on paper.
    g.AddItem(QString(tab) + QStringLiteral("Totaux: ") + tab +
              format_groupes(somme_colonne(g, 2), QStringLiteral("### 000")) + tab +
              format_groupes(somme_colonne(g, 3), QStringLiteral("### 000")) + tab +
              format_groupes(somme_colonne(g, 4), QStringLiteral("### 000")) + tab +
              format_groupes(somme_colonne(g, 5), QStringLiteral("### ### ### 000")));
    élargit_pour_la_ligne(g, g.Rows() - 1);
}

QString titre_bons(const choix_lignes& choix, const QString& texte_dernières)
{
    QString titre = QStringLiteral("Relevé des échanges ");
    if (choix.période_choisie)
        titre += QStringLiteral(" ( du ") + date_courte(choix.début) + QStringLiteral(" au ") +
                 date_courte(choix.fin) + QLatin1Char(')');
    else
        titre += QStringLiteral(" (") + texte_dernières + QStringLiteral(" opérations)");
    return titre;
}

QString titre_état() { return QStringLiteral("Etat des comptes au  ") + date_courte(date_depuis(aujourdhui())); }

int largeur_état_mm(const grille& g) { return static_cast<int>(std::lround(largeur_grille_mm(g))); }

void imprime_tableau_état(surface_page& papier, grille& g, const QString& titre, double largeur_mm)
{
    papier.setCurrentY(1000);
    imprime_grille(papier, g, largeur_mm * twips_par_mm, titre, true, true, false);
    papier.EndDoc();
}
