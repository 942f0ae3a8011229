#include "printing/grille_membres.h"

#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/grille.h"
#include "ui_common/sablier.h"

namespace {

QString valeur_liste(const std::array<QString, 10>& valeurs, int code)
{
    if (code < 0 || code >= static_cast<int>(valeurs.size()))
        return {};
    return valeurs[static_cast<std::size_t>(code)].trimmed();
}

}  // namespace

QStringList titres_colonnes()
{
    return {QStringLiteral("Num."),        QStringLiteral("Identifiant"), QStringLiteral("Tel 1"),
            QStringLiteral("Tel 2"),       QStringLiteral("Dte adh."),    QStringLiteral("Dte cot."),
            QStringLiteral("Dte naiss."),  QStringLiteral("Civil."),      QStringLiteral("nom adresse"),
            QStringLiteral("rue"),         QStringLiteral("C.P"),         QStringLiteral("Ville"),
            QStringLiteral("mél"),         QStringLiteral("Qualité"),     données.titre_critère0,
            données.titre_critère1,        données.titre_critère2,        QStringLiteral("Solde"),
            QStringLiteral("Crédits"),     QStringLiteral("Débits"),      QStringLiteral("Volume")};
}

QString contenu_colonne(int choix, int numéro)
{
    if (numéro < 0 || numéro > max_adhérents)
        return {};
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(numéro)];
    switch (choix) {
    case 0: return QString::number(numéro);
    case 1: return a.identifiant.trimmed();
    case 2: return a.tel1.trimmed();
    case 3: return a.tel2.trimmed();
    // A date never set is shown empty, not as the calendar's day zero.
    case 4: return date_courte(a.date_adhésion);
    case 5: return date_courte(a.date_cotisation);
    case 6: return date_courte(a.d_naiss);
    case 7: return QString::number(a.civilité);
    case 8: return a.nom_adresse.trimmed();
    case 9: return a.rue.trimmed();
    case 10: return a.cp.trimmed();
    case 11: return a.ville.trimmed();
    case choix_mél: return a.e_mail.trimmed();
    case 13: return valeur_liste(données.valeurs_qualité, a.qualité);
    case 14: return valeur_liste(données.valeurs_critère0, a.critère0);
    case 15: return valeur_liste(données.valeurs_critère1, a.critère1);
    case 16: return valeur_liste(données.valeurs_critère2, a.critère2);
    case 17: return texte_affiché(a.der_solde);
    case 18: return QString::number(a.crédits);
    case 19: return QString::number(a.débits);
    case 20: return texte_affiché(a.volume);
    default: return {};
    }
}

int compose_grille(grille& g, const std::vector<int>& numéros, const std::vector<int>& choix)
{
    sablier attente;
    g.setRedraw(false);
    g.setRows(1);
    g.Clear();
    g.setFixedCols(0);
    g.setCols(std::max(1, static_cast<int>(choix.size())));
    g.setRows(static_cast<int>(numéros.size()) + 1);
    g.setFixedRows(1);

    const QStringList titres = titres_colonnes();
    int colonne_mél = -1;
    for (int c = 0; c < static_cast<int>(choix.size()); ++c) {
        const int k = choix[static_cast<std::size_t>(c)];
        g.setTextMatrix(0, c, k >= 0 && k < titres.size() ? titres[k] : QString());
        if (k == choix_mél)
            colonne_mél = c;
        for (std::size_t r = 0; r < numéros.size(); ++r)
            g.setTextMatrix(static_cast<int>(r) + 1, c, contenu_colonne(k, numéros[r]));
    }
    ajuste_grille(g);
    g.setRedraw(true);
    return colonne_mél;
}
