#include "statistics/compteurs.h"

#include "data/modele.h"
#include "ui_common/grille.h"

#include <stdexcept>

namespace {

const adhérent& membre(int numéro)
{
    if (numéro < 0 || numéro > max_adhérents)
        throw std::out_of_range("Indice en dehors de la plage");
    return données.table_adhérents[static_cast<std::size_t>(numéro)];
}

// Numbers listed, as a table indexed by account number, so that matching the
// list against thousands of lines costs one look-up per line.
std::vector<bool> comptes_listés(const std::vector<entrée_sélection>& liste)
{
    std::vector<bool> listé(premier_compte_asso + nombre_comptes_asso, false);
    for (const entrée_sélection& e : liste)
        if (e.numéro >= 0 && e.numéro < static_cast<int>(listé.size()))
            listé[static_cast<std::size_t>(e.numéro)] = true;
    return listé;
}

bool listé(const std::vector<bool>& comptes, int numéro)
{
    return numéro >= 0 && numéro < static_cast<int>(comptes.size()) && comptes[static_cast<std::size_t>(numéro)];
}

bool exclu(const std::vector<bool>& tl, int i)
{
    // Flags not prepared for this entry: it cannot be shown to belong.
    return i >= static_cast<int>(tl.size()) || tl[static_cast<std::size_t>(i)];
}

}  // namespace

// ---------------------------------------------------------------- preparations

void état_statistiques::élimine_comptes_asso()
{
    std::erase_if(liste, [](const entrée_sélection& e) { return e.numéro > premier_compte_asso - 1; });
}

void état_statistiques::incrémente_tl()
{
    const std::vector<bool> comptes = comptes_listés(liste);
    const int n = données.nombre_propositions;
    tl.assign(static_cast<std::size_t>(std::max(n, 0) + 1), false);
    for (int i = 1; i <= n; ++i) {
        bool hors = true;
        if (i <= max_propositions) {
            const int slot = données.table_propositions[static_cast<std::size_t>(i)].ordre;
            if (slot >= 1 && slot <= max_propositions)
                hors = !listé(comptes, données.table_propositions[static_cast<std::size_t>(slot)].num_adh);
        }
        tl[static_cast<std::size_t>(i)] = hors;
    }
}

void état_statistiques::incrémente_tl_ec()
{
    const std::vector<bool> comptes = comptes_listés(liste);
    const int n = données.nombre_lignes_compte;
    tl.assign(static_cast<std::size_t>(std::max(n, 0) + 2), false);
    for (int i = 1; i <= n; ++i)
        tl[static_cast<std::size_t>(i)] =
            i > max_lignes_compte || !listé(comptes, données.table_lignes_compte[static_cast<std::size_t>(i)].compte);
}

void inscrit_rubriques(grille& g)
{
    for (int i = 1; i <= données.nombre_codes_classification && i <= max_codes_classification; ++i) {
        const int e = données.codes_classification[static_cast<std::size_t>(i)];
        if (e % 10 == 0)
            g.AddItem(QString::number(e / 10 * 100));
    }
}

// ---------------------------------------------------------------- members

namespace {

template <class Test>
int compte_membres(const std::vector<entrée_sélection>& liste, Test&& test)
{
    int n = 0;
    for (const entrée_sélection& e : liste)
        if (test(membre(e.numéro)))
            ++n;
    return n;
}

}  // namespace

int état_statistiques::nbr_sexe(int sexe) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.sexe == sexe; });
}

int état_statistiques::nbr_qual(int valeur) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.qualité == valeur; });
}

int état_statistiques::nbr_nat(int valeur) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.critère0 == valeur; });
}

int état_statistiques::nbr_cr1(int valeur) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.critère1 == valeur; });
}

int état_statistiques::nbr_cr2(int valeur) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.critère2 == valeur; });
}

int état_statistiques::nbr_kid(int catégorie) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.catégorie == catégorie; });
}

int état_statistiques::nbr_cr1_sexe(int valeur, int sexe) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.critère1 == valeur && a.sexe == sexe; });
}

int état_statistiques::nbr_cr2_sexe(int valeur, int sexe) const
{
    return compte_membres(liste, [&](const adhérent& a) { return a.critère2 == valeur && a.sexe == sexe; });
}

int état_statistiques::nbr_cr1_age(int valeur, int catégorie) const
{
    return compte_membres(liste,
                          [&](const adhérent& a) { return a.critère1 == valeur && a.catégorie == catégorie; });
}

int état_statistiques::nbr_cr2_age(int valeur, int catégorie) const
{
    return compte_membres(liste,
                          [&](const adhérent& a) { return a.critère2 == valeur && a.catégorie == catégorie; });
}

// ---------------------------------------------------------------- propositions

namespace {

template <class Test>
int compte_propositions(const std::vector<bool>& tl, int choix, Test&& test)
{
    int n = 0;
    for (int i = 1; i <= données.nombre_propositions && i <= max_propositions; ++i) {
        const int slot = données.table_propositions[static_cast<std::size_t>(i)].ordre;
        if (slot < 1 || slot > max_propositions || exclu(tl, i))
            continue;
        const proposition& p = données.table_propositions[static_cast<std::size_t>(slot)];
        if (choix != 0 && choix != p.type)
            continue;
        n += test(p);
    }
    return n;
}

}  // namespace

int état_statistiques::nbr_offres_demandes(int type) const
{
    return compte_propositions(tl, choix_offre_demande, [&](const proposition& p) { return p.type == type; });
}

int état_statistiques::nbr_genre(int genre) const
{
    return compte_propositions(tl, choix_offre_demande, [&](const proposition& p) { return p.genre == genre; });
}

int état_statistiques::nbr_rub(int section) const
{
    return compte_propositions(tl, choix_offre_demande,
                               [&](const proposition& p) { return sous_la_section(p.code_rubrique, section); });
}

int état_statistiques::nbr_rub_genre(int section, int genre) const
{
    return compte_propositions(tl, choix_offre_demande, [&](const proposition& p) {
        return p.genre == genre && sous_la_section(p.code_rubrique, section);
    });
}

int état_statistiques::nbr_rub_type(int section, int type) const
{
    return compte_propositions(tl, choix_offre_demande, [&](const proposition& p) {
        return p.type == type && sous_la_section(p.code_rubrique, section);
    });
}

int état_statistiques::nbr_kid_lg(const QString& symbole) const
{
    return compte_propositions(tl, choix_offre_demande, [&](const proposition& p) {
        return (p.kid == symbole ? 1 : 0) + (p.adulte == symbole ? 1 : 0);
    });
}

int état_statistiques::nbr_indifférenciées(const QString& symbole_enfant, const QString& symbole_adulte) const
{
    return compte_propositions(tl, choix_offre_demande, [&](const proposition& p) {
        for (const QString* marque : {&p.kid, &p.adulte})
            if (*marque == symbole_enfant || *marque == symbole_adulte)
                return false;
        return true;
    });
}

// ---------------------------------------------------------------- account lines

namespace {

struct résultat_lignes {
    int compte = 0;
    int total = 0;  // lines in range
};

// The dates are read once per scan: nothing changes them while it runs.
template <class Test>
résultat_lignes compte_lignes(const état_statistiques& é, Test&& test)
{
    résultat_lignes r;
    double début = 0, fin = 0;
    if (!lit_date(é.date_dep, début) || !lit_date(é.date_fin, fin))
        return r;
    for (int i = 1; i <= données.nombre_lignes_compte && i <= max_lignes_compte; ++i) {
        const ligne_de_compte& l = données.table_lignes_compte[static_cast<std::size_t>(i)];
        if (exclu(é.tl, i) || l.dte_opé < début || l.dte_opé > fin)
            continue;
        ++r.total;
        try {
            if (test(l))
                ++r.compte;
        } catch (const std::exception&) {
            // A line whose owner cannot be read is left out of the count.
        }
    }
    return r;
}

QString part(const résultat_lignes& r, bool vide_sans_ligne)
{
    if (données.nombre_lignes_compte <= 0)
        return {};
    if (r.total == 0)
        return vide_sans_ligne ? QString() : QStringLiteral("0");
    return Format(static_cast<double>(r.compte) / r.total, QStringLiteral("#0%"));
}

int mois_de(double d) { return jour_de(d).month(); }

}  // namespace

int état_statistiques::nbr_crédits_débits(int sens) const
{
    return compte_lignes(*this, [&](const ligne_de_compte& l) { return Val(l.sens) == sens; }).compte;
}

int état_statistiques::nbr_mois_débits_crédits(int mois, int sens) const
{
    return compte_lignes(*this, [&](const ligne_de_compte& l) {
               return mois_de(l.dte_opé) == mois && Val(l.sens) == sens;
           }).compte;
}

int état_statistiques::nbr_mois_ec(int mois) const
{
    return compte_lignes(*this, [&](const ligne_de_compte& l) { return mois_de(l.dte_opé) == mois; }).compte;
}

QString état_statistiques::nbr_rub_ec(int section) const
{
    return part(compte_lignes(*this, [&](const ligne_de_compte& l) { return sous_la_section(l.code_rub, section); }),
                false);
}

QString état_statistiques::nbr_genre_ec(int genre) const
{
    return part(compte_lignes(*this, [&](const ligne_de_compte& l) { return l.genre == genre; }), false);
}

QString état_statistiques::nbr_montant(monnaie basse, monnaie haute) const
{
    return part(compte_lignes(*this, [&](const ligne_de_compte& l) { return basse <= l.montant && l.montant < haute; }),
                false);
}

QString état_statistiques::nbr_kid_ec(int catégorie) const
{
    return part(compte_lignes(*this,
                              [&](const ligne_de_compte& l) { return membre(l.compte).catégorie == catégorie; }),
                true);
}
