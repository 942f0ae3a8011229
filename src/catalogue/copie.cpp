#include "catalogue/copie.h"

#include "catalogue/grille_catalogue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

QString texte_catalogue(const grille& g)
{
    const QChar tab = QLatin1Char('\t');
    QStringList lignes;
    for (int i = 1; i < g.Rows(); ++i) {
        auto c = [&](int colonne) { return cellule_catalogue(g, i, colonne); };
        switch (sorte_de(g, i)) {
        case sorte_ligne::offre:
            lignes << QStringLiteral("Offre") + tab + c(col_cat::texte) + tab + c(col_cat::identifiant) + tab +
                          c(col_cat::tel2);
            break;
        case sorte_ligne::demande:
            lignes << QStringLiteral("Demande") + tab + c(col_cat::texte) + tab + c(col_cat::identifiant) + tab +
                          c(col_cat::tel2);
            break;
        case sorte_ligne::rubrique:
        case sorte_ligne::sous_rubrique: lignes << tab + c(col_cat::texte) + tab + tab; break;
        case sorte_ligne::label_offres: lignes << tab + QStringLiteral("Offres") + tab; break;
        case sorte_ligne::label_demandes: lignes << tab + QStringLiteral("Demandes") + tab; break;
        default: lignes << QString(3, tab); break;
        }
    }
    return lignes.join(QStringLiteral("\r\n"));
}

void copie_catalogue(const grille& g)
{
    QClipboard* presse_papiers = QGuiApplication::clipboard();
    if (!presse_papiers)
        return;
    const QString texte = texte_catalogue(g);
    presse_papiers->clear();
    presse_papiers->setText(texte);
}
