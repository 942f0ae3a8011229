#include "reports/listes_comptes.h"

#include "data/modele.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

void ajoute_comptes_asso(std::vector<entrée_liste>& l)
{
    for (int k = 0; k < nombre_comptes_asso; ++k) {
        const QString& nom = données.comptes_asso[static_cast<std::size_t>(k)].nom;
        if (!nom.trimmed().isEmpty())
            l.push_back({nom, premier_compte_asso + k});
    }
}

template <typename F>
void ajoute_membres(std::vector<entrée_liste>& l, F&& retenu)
{
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        if (retenu(a))
            l.push_back({a.identifiant.str(), n});
    });
}

}  // namespace

std::vector<entrée_liste> comptes_état_au_chargement()
{
    std::vector<entrée_liste> l;
    ajoute_membres(l, [](const adhérent&) { return true; });
    ajoute_comptes_asso(l);
    return l;
}

std::vector<entrée_liste> comptes_relevé_au_chargement(bool archive)
{
    std::vector<entrée_liste> l;
    ajoute_membres(l, [archive](const adhérent& a) { return archive || a.additif < 3; });
    ajoute_comptes_asso(l);
    return l;
}

std::vector<entrée_liste> comptes_complets(bool avec_asso)
{
    std::vector<entrée_liste> l;
    if (avec_asso)
        ajoute_comptes_asso(l);
    ajoute_membres(l, [](const adhérent&) { return true; });
    return l;
}

bool est_compte_asso(int compte) { return compte >= premier_compte_asso; }

std::optional<chiffres_compte> chiffres_du_compte(int compte)
{
    if (est_compte_asso(compte)) {
        const compte_asso* c = données.compte_association(compte);
        if (!c)
            return std::nullopt;
        return chiffres_compte{texte_affiché(c->solde), QString::number(c->débits), QString::number(c->crédits),
                               texte_affiché(c->volume)};
    }
    if (compte < 1 || compte > max_adhérents)
        return std::nullopt;
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(compte)];
    return chiffres_compte{texte_affiché(a.der_solde), QString::number(a.débits), QString::number(a.crédits),
                           texte_affiché(a.volume)};
}

QString adresse_du_membre(const adhérent& a)
{
    static const QString civilités[] = {QString(),           QStringLiteral("Mme."), QStringLiteral("Mlle."),
                                        QStringLiteral("M."), QStringLiteral("Mme & M.."), QStringLiteral("Ass.")};
    const QString civilité = a.civilité >= 0 && a.civilité <= 5 ? civilités[a.civilité] : QString();
    return civilité + a.nom_adresse.str() + crlf + a.rue.str() + crlf + a.cp.str() + a.ville.str();
}

QString résumé_du_compte(const chiffres_compte& c)
{
    return c.crédits + QStringLiteral(" opération(s) de crédit *** ") + c.débits +
           QStringLiteral(" opération(s) de débit") + crlf + QStringLiteral("Volume des échanges: ") + c.volume +
           QStringLiteral("  ") + données.nom_monnaie + crlf + QStringLiteral("Dernier solde du compte: ") +
           c.der_solde;
}
