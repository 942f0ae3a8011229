#include "accounts/grilles_comptes.h"

#include "accounts/ecritures.h"
#include "data/modele.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/sablier.h"

#include <algorithm>
#include <unordered_set>

namespace {

const QChar tab = QLatin1Char('\t');

void entête(grille& g, const std::vector<QString>& titres)
{
    g.Clear();
    g.setRows(1);
    g.setCols(static_cast<int>(titres.size()));
    g.setFixedCols(0);
    for (int c = 0; c < g.Cols(); ++c)
        g.setTextMatrix(0, c, titres[static_cast<std::size_t>(c)]);
}

// At least three digits, groups of three separated by a blank, and the
// decimals after a comma when there are any: "005", "1 500", "-12 345,5".
QString groupé(monnaie m) { return format_groupes(m, u"000"); }

QString groupé(int n) { return groupé(monnaie::unités(n)); }

bool dans_période(const ligne_de_compte& l, double début, double fin) { return l.dte_opé >= début && l.dte_opé <= fin; }

// The common frame of the fills: hourglass and no redraw while the rows are
// added, then the columns fitted to them.
template <typename F>
void remplit(grille& g, F&& ajoute_lignes)
{
    sablier s;
    {
        redraw_suspendu pause(g);
        ajoute_lignes();
        ajuste_grille(g);
    }
}

// Walks the lines from the newest and adds those that match, under the
// rule of the mode.
template <typename F>
void ajoute_lignes_récentes(grille& g, int nombre, int mode, double début, double fin, F&& retenue)
{
    if (mode != mode_dernières && mode != mode_période)
        return;
    int ajoutées = 0;
    for (int i = données.nombre_lignes_compte; i >= 1; --i) {
        const ligne_de_compte& l = données.table_lignes_compte[static_cast<std::size_t>(i)];
        if (!retenue(l) || (mode == mode_période && !dans_période(l, début, fin)))
            continue;
        g.AddItem(compose_ligne_écriture(i));
        if (mode == mode_dernières && ++ajoutées == nombre)
            break;
    }
}

}  // namespace

// ---------------------------------------------------------------- headers

void entête_grille_écritures(grille& g, bool forme_courte)
{
    static const std::vector<QString> titres = {
        QStringLiteral("Dte enr."), QStringLiteral("Dte opé."), QStringLiteral("Description"),
        QStringLiteral("crédit"),   QStringLiteral("débit"),    QStringLiteral("solde"),
        QStringLiteral("partenaire"), QStringLiteral("compte"), QStringLiteral("code rub"),
        QStringLiteral("genre"),    QStringLiteral("enf"),      QStringLiteral("adu"),
        QStringLiteral("N° de..."), QStringLiteral("N° vers..."), QString()};
    static const int largeurs[] = {1000, 1000, 4000, 800, 800, 800, 1200, 1200, 800, 300, 300, 300, 300, 300};
    const int colonnes = forme_courte ? 7 : 15;
    const redraw_suspendu une_fois(g);  // shown with all its widths at once
    entête(g, std::vector<QString>(titres.begin(), titres.begin() + colonnes));
    for (int c = 0; c < colonnes && c < static_cast<int>(std::size(largeurs)); ++c)
        g.setColWidth(c, largeurs[c]);
}

void entête_grille_bons(grille& g)
{
    entête(g, {QStringLiteral("Crédité."), QStringLiteral("Débité."), QStringLiteral("Description"),
               données.abréviation_monnaie});
    const int alignements[] = {alignement_grille::droite_centre, alignement_grille::droite_centre,
                               alignement_grille::gauche_centre, alignement_grille::gauche_centre};
    for (int c = 0; c < 4; ++c)
        g.setColAlignment(c, alignements[c]);
}

void entête_grille_état(grille& g)
{
    entête(g, {QStringLiteral("N°"), QStringLiteral("Compte"), QStringLiteral("Nbr +"), QStringLiteral("Nbr -"),
               QStringLiteral("Volume"), QStringLiteral("Position")});
    for (int c = 0; c < 6; ++c)
        g.setColAlignment(c, c == 1 ? alignement_grille::gauche_centre : alignement_grille::droite_centre);
}

void entête_grille_offres(grille& g)
{
    entête(g, {QStringLiteral("Code"), QStringLiteral("Cible"), QStringLiteral("Description")});
    g.setColAlignment(0, alignement_grille::droite_centre);
    g.setColAlignment(1, alignement_grille::gauche_centre);
    g.setColAlignment(2, alignement_grille::gauche_centre);
}

void prépare_grille_écritures(grille& gg) { entête_grille_écritures(gg, false); }

// ---------------------------------------------------------------- rows

QString compose_ligne_écriture(int indice)
{
    if (indice < 1 || indice > données.nombre_lignes_compte)
        return {};
    return compose_ligne_compte(données.table_lignes_compte[static_cast<std::size_t>(indice)]);
}

QString compose_ligne_bon(int indice)
{
    if (indice < 1 || indice > données.nombre_lignes_compte)
        return {};
    const ligne_de_compte& l = données.table_lignes_compte[static_cast<std::size_t>(indice)];
    return Format(l.compte, QStringLiteral("0000")) + tab + Format(l.partenaire, QStringLiteral("0000")) + tab +
           l.description + tab + groupé(l.montant);
}

QString compose_ligne_état(int compte)
{
    QString s = QString::number(compte);
    if (compte >= premier_compte_asso) {
        const compte_asso* c = données.compte_association(compte);
        if (c)
            s += tab + c->nom.trimmed() + tab + groupé(c->crédits) + tab + groupé(c->débits) + tab +
                 groupé(c->volume) + tab + groupé(c->solde);
    } else if (numéro_de_compte(compte)) {
        const adhérent& a = données.table_adhérents[static_cast<std::size_t>(compte)];
        s += tab + a.identifiant.trimmed() + tab + groupé(a.crédits) + tab + groupé(a.débits) + tab +
             groupé(a.volume) + tab + groupé(a.der_solde);
    }
    return s;
}

QString compose_ligne_offre(int numéro)
{
    if (numéro < 1 || numéro > max_propositions)
        return {};
    const proposition& p = données.table_propositions[static_cast<std::size_t>(numéro)];
    const QString cible = !p.adulte.trimmed().isEmpty() ? QStringLiteral("adultes")
                          : !p.kid.trimmed().isEmpty()  ? QStringLiteral("enfants")
                                                        : QString();
    return Format(p.code_rubrique, QStringLiteral("0000")) + tab + cible + tab + p.désignation;
}

// ---------------------------------------------------------------- fills

void remplit_relevé_compte(grille& g, int nombre, int compte, int mode, double début, double fin,
                           bool forme_courte, int partenaire)
{
    entête_grille_écritures(g, forme_courte);
    remplit(g, [&] {
        ajoute_lignes_récentes(g, nombre, mode, début, fin, [&](const ligne_de_compte& l) {
            return l.compte == compte && (partenaire == -1 || l.partenaire == partenaire);
        });
    });
}

void remplit_écritures_période(grille& g, int nombre, int mode, double début, double fin)
{
    entête_grille_écritures(g, false);
    remplit(g, [&] { ajoute_lignes_récentes(g, nombre, mode, début, fin, [](const ligne_de_compte&) { return true; }); });
}

void remplit_bons_échange(grille& g, int nombre, int mode, double début, double fin, const std::vector<int>& comptes)
{
    entête_grille_bons(g);
    remplit(g, [&] {
        if (mode != mode_dernières && mode != mode_période)
            return;
        const std::unordered_set<int> listés(comptes.begin(), comptes.end());
        // Found from the newest, shown from the oldest.
        std::vector<int> bons;
        for (int i = données.nombre_lignes_compte; i >= 1; --i) {
            const ligne_de_compte& l = données.table_lignes_compte[static_cast<std::size_t>(i)];
            if (l.sens != QLatin1String("2") || !listés.contains(l.compte) || !listés.contains(l.partenaire))
                continue;
            if (mode == mode_période && !dans_période(l, début, fin))
                continue;
            bons.push_back(i);
            if (mode == mode_dernières && static_cast<int>(bons.size()) == nombre)
                break;
        }
        for (auto i = bons.rbegin(); i != bons.rend(); ++i)
            g.AddItem(compose_ligne_bon(*i));
    });
}

void remplit_état_comptes(grille& g, const std::vector<int>& comptes)
{
    entête_grille_état(g);
    remplit(g, [&] {
        for (const int compte : comptes)
            g.AddItem(compose_ligne_état(compte));
    });
}

void remplit_relevé_catalogue(grille& g, int membre)
{
    entête_grille_offres(g);
    remplit(g, [&] {
        for (const int type : {1, 2}) {
            g.AddItem(QString(tab) + tab + (type == 1 ? QStringLiteral("OFFRES") : QStringLiteral("DEMANDES")));
            for (int i = 1; i <= données.nombre_propositions && i <= max_propositions; ++i) {
                const int numéro = données.table_propositions[static_cast<std::size_t>(i)].ordre;
                if (numéro < 1 || numéro > max_propositions)
                    continue;
                const proposition& p = données.table_propositions[static_cast<std::size_t>(numéro)];
                if (p.num_adh == membre && p.type == type && p.additif < 2)
                    g.AddItem(compose_ligne_offre(numéro));
            }
        }
    });
}
