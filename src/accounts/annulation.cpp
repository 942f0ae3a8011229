#include "accounts/annulation.h"

#include "data/dialogues.h"
#include "data/fichier_donnees.h"

#include <limits>
#include <map>

namespace {

// The figures of one account that the ledger moves.
struct figures {
    std::int64_t débits = 0, crédits = 0, solde = 0, volume = 0;
};

figures figures_de(int compte)
{
    if (compte >= premier_compte_asso) {
        const compte_asso& c = données.comptes_asso[static_cast<std::size_t>(compte - premier_compte_asso)];
        return {c.débits, c.crédits, c.solde.brut, c.volume.brut};
    }
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(compte)];
    return {a.débits, a.crédits, a.der_solde.brut, a.volume.brut};
}

void range_figures(int compte, const figures& f)
{
    if (compte >= premier_compte_asso) {
        compte_asso& c = données.comptes_asso[static_cast<std::size_t>(compte - premier_compte_asso)];
        c.débits = static_cast<int16>(f.débits);
        c.crédits = static_cast<int16>(f.crédits);
        c.solde = monnaie::depuis_brut(f.solde);
        c.volume = monnaie::depuis_brut(f.volume);
        return;
    }
    adhérent& a = données.table_adhérents[static_cast<std::size_t>(compte)];
    a.débits = static_cast<int16>(f.débits);
    a.crédits = static_cast<int16>(f.crédits);
    a.der_solde = monnaie::depuis_brut(f.solde);
    a.volume = monnaie::depuis_brut(f.volume);
}

bool compteur_valide(std::int64_t n)
{
    return n >= std::numeric_limits<int16>::min() && n <= std::numeric_limits<int16>::max();
}

// The journal's lines are still the last ones of the ledger, one after the other.
bool journal_contigu(const std::vector<écriture_journalisée>& journal)
{
    for (std::size_t k = 0; k < journal.size(); ++k)
        if (journal[k].indice != données.nombre_lignes_compte - static_cast<int>(journal.size() - 1 - k))
            return false;
    return true;
}

int lit_entier(const QString& texte, int défaut)
{
    bool ok = false;
    const int n = texte.trimmed().toInt(&ok);
    return ok ? n : défaut;
}

}  // namespace

std::optional<int> défait_dernière_opération()
{
    attend_enregistrement_en_fond();
    const std::vector<écriture_journalisée> journal = journal_écritures();
    if (!journal_à_jour() || !journal_contigu(journal)) {
        MsgBox(QStringLiteral("La dernière opération ne peut plus être annulée : des lignes de compte ont été "
                              "ajoutées, retirées ou rechargées depuis, ou des comptes remis à zéro."),
               style_boîte::exclamation);
        return std::nullopt;
    }

    // Every account's figures once all the lines are taken back, checked first.
    std::map<int, figures> projetés;
    for (auto e = journal.rbegin(); e != journal.rend(); ++e) {
        auto it = projetés.find(e->compte);
        if (it == projetés.end())
            it = projetés.emplace(e->compte, figures_de(e->compte)).first;
        figures& f = it->second;
        const bool débit = e->sens == sens_débit;
        std::int64_t& compteur = débit ? f.débits : f.crédits;
        --compteur;
        if (!compteur_valide(compteur) ||
            __builtin_add_overflow(f.solde, débit ? e->montant.brut : -e->montant.brut, &f.solde) ||
            __builtin_sub_overflow(f.volume, e->montant.brut, &f.volume)) {
            MsgBox(QStringLiteral("Le compte n° %1 ne peut pas être ramené à son état d'avant l'opération : "
                                  "rien n'est annulé.")
                       .arg(e->compte),
                   style_boîte::exclamation);
            return std::nullopt;
        }
    }

    for (const auto& [compte, f] : projetés)
        range_figures(compte, f);
    for (const écriture_journalisée& e : journal)
        données.table_lignes_compte[static_cast<std::size_t>(e.indice)] = ligne_de_compte{};
    données.nombre_lignes_compte = static_cast<int16>(données.nombre_lignes_compte - static_cast<int>(journal.size()));
    efface_journal_écritures();
    reprend_sur_disque(journal_posé_à());
    return static_cast<int>(journal.size());
}

void refuse_annulation_hors_listes(int compte)
{
    const QString rien = QStringLiteral(" : aucune ligne d'annulation n'a été créée.");
    QString texte = QStringLiteral("Le compte n° %1 n'existe pas").arg(compte);
    if (compte >= premier_compte_asso && compte < premier_compte_asso + nombre_comptes_asso)
        texte = QStringLiteral("Le compte n° %1 de l'association, sans nom, n'est pas dans les listes des comptes")
                    .arg(compte);
    else
        pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
            if (n == compte)
                texte = QStringLiteral("L'adhérent(e) %1 (compte n° %2) a quitté les listes des comptes")
                            .arg(a.identifiant.trimmed())
                            .arg(compte);
        });
    MsgBox(texte + rien, style_boîte::exclamation);
}

std::optional<ligne_à_annuler> ligne_à_annuler_de(const grille& g, int ligne)
{
    if (g.Cols() < 14 || ligne < g.FixedRows() || ligne < 1 || ligne >= g.Rows())
        return std::nullopt;
    const auto cellule = [&](int c) { return g.TextMatrix(ligne, c); };
    ligne_à_annuler a;
    a.description_ligne = cellule(2);
    a.rétablit = a.description_ligne.startsWith(préfixe_annulation);
    a.description = a.rétablit ? a.description_ligne.mid(préfixe_annulation.size())
                               : préfixe_annulation + a.description_ligne;
    a.montant = cellule(3) + cellule(4);
    a.code_rubrique = cellule(8);
    a.genre = lit_entier(cellule(9), -1);
    const QString étiquette = cellule(10);
    const auto& catégories = données.catégories_public;
    for (std::size_t k = 0; k < catégories.size(); ++k)
        if (!étiquette.trimmed().isEmpty() && catégories[k].en_texte() == étiquette)
            a.catégorie = static_cast<int>(k);

    const int propriétaire = lit_entier(cellule(12), 0), partenaire = lit_entier(cellule(13), 0);
    monnaie crédit;
    const bool ligne_de_débit = !lit_montant(cellule(3), crédit) || crédit.brut == 0;
    a.crédité = ligne_de_débit ? propriétaire : partenaire;
    a.débité = ligne_de_débit ? partenaire : propriétaire;
    return a;
}

bool enregistre_annulation(const saisie_échange& s, bool rétablit, const std::vector<grille*>& grilles)
{
    saisie_échange sans_prélèvement = s;
    sans_prélèvement.prélèvement_validé = monnaie{};
    sans_prélèvement.prélèvement.sans_prélèvement = true;
    const std::optional<std::vector<mouvement_à_poster>> lignes = lignes_échange(sans_prélèvement);
    if (!lignes || !poste_lignes(*lignes, grilles))
        return false;
    efface_journal_écritures();
    if (rétablit)
        return true;

    // Posted: the reverse movement counted one more in its own direction and
    // added the amount to the volume. One less in each direction and the
    // amount twice off the volume leave the reverse movement uncounted and
    // take the cancelled one off; this only lowers figures, so it cannot fail.
    const monnaie montant = lignes->front().montant;
    for (const mouvement_à_poster& m : *lignes) {
        figures f = figures_de(m.compte);
        for (std::int64_t* compteur : {&f.débits, &f.crédits})
            if (*compteur > 0)
                --*compteur;
        for (int fois = 0; fois < 2; ++fois)
            f.volume = f.volume > montant.brut ? f.volume - montant.brut : 0;
        range_figures(m.compte, f);
    }
    return true;
}
