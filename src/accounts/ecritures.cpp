#include "accounts/ecritures.h"

#include "data/dialogues.h"
#include "data/fichier_donnees.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

bool compte_membre(int compte) { return compte >= 1 && compte <= max_adhérents; }

bool compte_asso_valide(int compte)
{
    return compte >= premier_compte_asso && compte < premier_compte_asso + nombre_comptes_asso;
}

bool ajoute_sans_débordement(std::int64_t a, std::int64_t b, std::int64_t& r)
{
    return !__builtin_add_overflow(a, b, &r);
}

std::vector<écriture_journalisée> journal;
std::uint64_t journal_posé = 0;  // saves of the open file when it was posted

// Plays the movements on the accounts' figures without touching them: every
// counter, balance and volume must stay within its type.
bool mouvements_possibles(const std::vector<mouvement_à_poster>& mouvements, int& compte_refusé)
{
    struct figures {
        std::int64_t débits, crédits, solde, volume;
    };
    std::map<int, figures> projetés;
    for (const mouvement_à_poster& m : mouvements) {
        auto it = projetés.find(m.compte);
        if (it == projetés.end()) {
            figures f;
            if (m.compte >= premier_compte_asso) {
                const compte_asso& c = données.comptes_asso[m.compte - premier_compte_asso];
                f = {c.débits, c.crédits, c.solde.brut, c.volume.brut};
            } else {
                const adhérent& a = données.table_adhérents[m.compte];
                f = {a.débits, a.crédits, a.der_solde.brut, a.volume.brut};
            }
            it = projetés.emplace(m.compte, f).first;
        }
        figures& f = it->second;
        const bool débit = m.sens == sens_débit;
        std::int64_t& compteur = débit ? f.débits : f.crédits;
        std::int64_t delta;
        if ((!débit && m.sens != sens_crédit) || ++compteur > std::numeric_limits<int16>::max() ||
            __builtin_mul_overflow(m.montant.brut, débit ? -1 : 1, &delta) ||
            __builtin_add_overflow(f.solde, delta, &f.solde) ||
            __builtin_add_overflow(f.volume, m.montant.brut, &f.volume)) {
            compte_refusé = m.compte;
            return false;
        }
    }
    return true;
}

}  // namespace

bool numéro_de_compte(int compte) { return compte_membre(compte) || compte_asso_valide(compte); }

bool compte_utilisable(int compte)
{
    if (compte_asso_valide(compte))
        return !données.comptes_asso[compte - premier_compte_asso].nom.trimmed().isEmpty();
    if (!compte_membre(compte))
        return false;
    for (int i = 1; i <= données.nombre_adhérents && i <= max_adhérents; ++i)
        if (données.table_adhérents[i].ordre == compte)
            return true;
    return false;
}

monnaie solde_compte(int compte)
{
    if (compte_asso_valide(compte))
        return données.comptes_asso[compte - premier_compte_asso].solde;
    if (compte_membre(compte))
        return données.table_adhérents[compte].der_solde;
    return {};
}

QString nom_compte(int compte)
{
    if (compte_asso_valide(compte))
        return données.comptes_asso[compte - premier_compte_asso].nom;
    if (compte_membre(compte))
        return données.table_adhérents[compte].identifiant.str();
    return {};
}

bool mouvement_possible(int sens, int compte, monnaie montant)
{
    if ((sens != sens_débit && sens != sens_crédit) || !numéro_de_compte(compte))
        return false;
    int16 compteur;
    monnaie solde, volume;
    if (compte >= premier_compte_asso) {
        const compte_asso& c = données.comptes_asso[compte - premier_compte_asso];
        compteur = sens == sens_débit ? c.débits : c.crédits;
        solde = c.solde;
        volume = c.volume;
    } else {
        const adhérent& a = données.table_adhérents[compte];
        compteur = sens == sens_débit ? a.débits : a.crédits;
        solde = a.der_solde;
        volume = a.volume;
    }
    std::int64_t r;
    const std::int64_t delta = sens == sens_débit ? -montant.brut : montant.brut;
    return compteur < std::numeric_limits<int16>::max() && montant.brut != std::numeric_limits<std::int64_t>::min() &&
           ajoute_sans_débordement(solde.brut, delta, r) && ajoute_sans_débordement(volume.brut, montant.brut, r);
}

monnaie mouvemente_compte(int sens, int compte, monnaie montant)
{
    if (!mouvement_possible(sens, compte, montant))
        return {};
    journal.clear();
    const monnaie delta = sens == sens_débit ? -montant : montant;
    if (compte >= premier_compte_asso) {
        compte_asso& c = données.comptes_asso[compte - premier_compte_asso];
        c.solde += delta;
        ++(sens == sens_débit ? c.débits : c.crédits);
        c.volume += montant;
        return c.solde;
    }
    adhérent& a = données.table_adhérents[compte];
    a.der_solde += delta;
    ++(sens == sens_débit ? a.débits : a.crédits);
    a.volume += montant;
    return a.der_solde;
}

void compose_type_compte(ligne_de_compte& ligne, const champs_ligne& champs, int sens, int compte, int partenaire,
                         monnaie montant)
{
    ligne.dte_enr = date_depuis(aujourdhui());
    ligne.dte_opé = champs.date_opération;
    ligne.description = champs.description;
    ligne.ligne_cat = champs.ligne_cat;
    ligne.genre = champs.genre;
    ligne.compte = static_cast<int16>(compte);
    ligne.partenaire = static_cast<int16>(partenaire);
    ligne.sens = QString::number(sens);
    ligne.code_rub = champs.code_rub;
    if (sens == sens_débit) {
        ligne.solde = solde_compte(compte) - montant;
        ligne.montant = montant;
    } else if (sens == sens_crédit) {
        ligne.solde = solde_compte(compte) + montant;
        ligne.montant = montant;
    }
    const auto& catégories = données.catégories_public;
    ligne.enf = champs.catégorie >= 0 && champs.catégorie < static_cast<int>(catégories.size())
                    ? catégories[static_cast<std::size_t>(champs.catégorie)].en_texte()
                    : QStringLiteral("-1");
}

QString compose_ligne_compte(const ligne_de_compte& l)
{
    const QChar tab = QLatin1Char('\t');
    const bool crédit = l.sens == QLatin1String("2"), débit = l.sens == QLatin1String("1");
    QString s;
    s.reserve(160);
    s += date_courte(l.dte_enr);
    s += tab;
    s += date_courte(l.dte_opé);
    s += tab;
    s += l.description;
    s += tab;
    if (crédit)
        s += texte_affiché(l.montant);
    s += tab;
    if (débit)
        s += texte_affiché(l.montant);
    s += tab;
    s += texte_affiché(l.solde);
    s += tab;
    s += nom_compte(l.partenaire);
    s += tab;
    s += nom_compte(l.compte);
    s += tab;
    s += QString::number(l.code_rub);
    s += tab;
    // -1 stands for "none chosen" in the file; the grid shows nothing.
    const auto choix = [](const QString& v) { return v.trimmed() == QLatin1String("-1") ? QString() : v; };
    s += choix(QString::number(l.genre));
    s += tab;
    s += choix(l.enf);
    s += tab;
    s += choix(l.adu);
    s += tab;
    s += QString::number(l.compte);
    s += tab;
    s += QString::number(l.partenaire);
    return s;
}

// ---------------------------------------------------------------- posting lines

void refuse_compte_inexistant(int compte)
{
    MsgBox(QStringLiteral("Le compte n° %1 n'existe pas : choisissez un adhérent de la liste ou un compte de "
                          "l'association.")
               .arg(compte),
           style_boîte::exclamation);
}

// ---------------------------------------------------------------- room in the ledger

namespace {

const QString conseil_archivage = QStringLiteral(
    "L'archivage (menu Fichier de la fenêtre principale, « Archiver ») libère des lignes : il ne garde que les "
    "lignes d'échange récentes.");

}  // namespace

int lignes_compte_restantes() { return std::max(0, max_lignes_compte - données.nombre_lignes_compte); }

QString alerte_lignes_compte()
{
    const int restantes = lignes_compte_restantes();
    if (restantes >= seuil_alerte_lignes_compte)
        return {};
    const QString état =
        restantes < lignes_par_échange
            ? QStringLiteral("Le tableau des lignes de compte est plein (il reste %1 ligne sur %2) : aucun échange "
                             "ne peut plus être enregistré.")
            : QStringLiteral("Le tableau des lignes de compte est presque plein : il reste %1 lignes sur %2 (un "
                             "échange en prend 2, 4 avec un prélèvement).");
    return état.arg(restantes).arg(max_lignes_compte) + QStringLiteral("\r\n") + conseil_archivage;
}

bool place_pour_lignes(int lignes)
{
    const int restantes = lignes_compte_restantes();
    if (lignes <= restantes)
        return true;
    MsgBox(QStringLiteral("Le tableau des lignes de compte n'a plus la place des %1 lignes de cette opération (il en "
                          "reste %2 sur %3) : l'opération n'est pas enregistrée.")
                   .arg(lignes)
                   .arg(restantes)
                   .arg(max_lignes_compte) +
               QStringLiteral("\r\n") + conseil_archivage,
           style_boîte::exclamation);
    return false;
}

bool poste_lignes(const std::vector<mouvement_à_poster>& mouvements, const std::vector<grille*>& grilles)
{
    // The restore point the exchange window began when it opened is written
    // before anything is recorded.
    attend_enregistrement_en_fond();
    // The register is read once: an operation may move thousands of accounts.
    std::vector<bool> listés(max_adhérents + 1, false);
    pour_chaque_adhérent(données, [&](int n, const adhérent&) { listés[static_cast<std::size_t>(n)] = true; });
    for (const mouvement_à_poster& m : mouvements)
        for (const int compte : {m.compte, m.partenaire})
            if (compte_membre(compte) ? !listés[static_cast<std::size_t>(compte)] : !compte_utilisable(compte)) {
                refuse_compte_inexistant(compte);
                return false;
            }
    if (!place_pour_lignes(static_cast<int>(std::min<std::size_t>(mouvements.size(), max_lignes_compte + 1))))
        return false;
    int compte_refusé = 0;
    if (!mouvements_possibles(mouvements, compte_refusé)) {
        MsgBox(QStringLiteral("Le compte n° %1 ne peut plus recevoir d'opération (nombre d'opérations ou montant "
                              "trop grand) : l'opération n'est pas enregistrée.")
                   .arg(compte_refusé),
               style_boîte::exclamation);
        return false;
    }

    // Nothing can be refused from here on.
    std::vector<écriture_journalisée> posées;
    for (const mouvement_à_poster& m : mouvements) {
        ligne_de_compte ligne;
        compose_type_compte(ligne, m.champs, m.sens, m.compte, m.partenaire, m.montant);
        const QString texte = compose_ligne_compte(ligne);
        for (grille* g : grilles)
            if (g)
                g->AddItem(texte);
        ligne.solde = mouvemente_compte(m.sens, m.compte, m.montant);
        const int indice = ++données.nombre_lignes_compte;
        données.table_lignes_compte[static_cast<std::size_t>(indice)] = ligne;
        posées.push_back({indice, m.compte, m.partenaire, m.sens, m.montant});
    }
    journal = std::move(posées);
    journal_posé = enregistrements_du_fichier_courant();
    return true;
}

// ---------------------------------------------------------------- journal

const std::vector<écriture_journalisée>& journal_écritures() { return journal; }

void efface_journal_écritures() { journal.clear(); }

std::uint64_t journal_posé_à() { return journal_posé; }

bool journal_à_jour()
{
    if (journal.empty() || journal.back().indice != données.nombre_lignes_compte)
        return false;
    for (const écriture_journalisée& e : journal) {
        if (e.indice < 1 || e.indice > données.nombre_lignes_compte)
            return false;
        const ligne_de_compte& l = données.table_lignes_compte[static_cast<std::size_t>(e.indice)];
        if (l.compte != e.compte || l.partenaire != e.partenaire || l.sens != QString::number(e.sens) ||
            l.montant != e.montant)
            return false;
    }
    return true;
}
