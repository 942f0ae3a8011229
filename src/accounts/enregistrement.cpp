#include "accounts/enregistrement.h"

#include "data/cp1252.h"
#include "data/dialogues.h"

#include <limits>

namespace {

void refuse(const QString& texte, int icône = style_boîte::exclamation) { MsgBox(texte, icône); }

// A typed whole number of the 16-bit range; empty gives 0.
std::optional<int16> lit_entier_saisi(const QString& texte)
{
    const std::optional<monnaie> m = lit_montant_saisi(texte);
    if (!m || m->brut % 10000 != 0)
        return std::nullopt;
    const std::int64_t n = m->brut / 10000;
    if (n < std::numeric_limits<int16>::min() || n > std::numeric_limits<int16>::max())
        return std::nullopt;
    return static_cast<int16>(n);
}

struct échange_préparé {
    std::vector<mouvement_à_poster> lignes;
    monnaie prélèvement;
};

std::optional<monnaie> lit_montant_échange(const QString& texte)
{
    const std::optional<monnaie> m = lit_montant_saisi(texte);
    if (!m)
        refuse(QStringLiteral("Le montant « %1 » n'est pas un nombre.").arg(texte));
    return m;
}

std::optional<échange_préparé> prépare_échange(const saisie_échange& s);

}  // namespace

std::optional<monnaie> montant_saisi(const QString& texte)
{
    const std::optional<monnaie> m = lit_montant_échange(texte);
    if (m && m->brut < 0) {
        refuse(QStringLiteral("Le montant de l'opération ne peut pas être négatif."));
        return std::nullopt;
    }
    return m;
}

std::optional<monnaie> prélèvement_saisie(const saisie_échange& s)
{
    const std::optional<monnaie> montant = lit_montant_échange(s.montant);
    if (!montant)
        return std::nullopt;
    if (s.prélèvement.sans_prélèvement || s.crédité >= premier_compte_asso)
        return monnaie{};
    const std::optional<barème_prélèvement> b = lit_barème(s.prélèvement);
    if (!b)
        return std::nullopt;
    return calcule_prélèvement(*b, solde_compte(s.crédité), *montant);
}

std::optional<monnaie> valide_échange(const saisie_échange& s)
{
    const std::optional<échange_préparé> p = prépare_échange(s);
    if (!p)
        return std::nullopt;
    return p->prélèvement;
}

bool enregistre_échange(const saisie_échange& s, const std::vector<grille*>& grilles)
{
    const std::optional<échange_préparé> p = prépare_échange(s);
    return p && poste_lignes(p->lignes, grilles);
}

std::optional<std::vector<mouvement_à_poster>> lignes_échange(const saisie_échange& s)
{
    std::optional<échange_préparé> p = prépare_échange(s);
    if (!p)
        return std::nullopt;
    return std::move(p->lignes);
}

std::optional<monnaie> montant_à_poster(const QString& texte)
{
    const std::optional<monnaie> montant = montant_saisi(texte);
    if (montant && montant->brut == 0) {
        refuse(QStringLiteral("Vous n'avez pas indiqué le montant de l'opération"));
        return std::nullopt;
    }
    return montant;
}

std::optional<champs_ligne> champs_saisis(const saisie_échange& s)
{
    // The description goes into the data file, written in Windows-1252.
    QString hors_jeu;
    for (const QChar c : s.description)
        if (octet_cp1252(c) < 0 && !hors_jeu.contains(c))
            hors_jeu += c;
    if (!hors_jeu.isEmpty()) {
        refuse(QStringLiteral("La description contient des caractères que le fichier de données ne peut pas "
                              "enregistrer : %1")
                   .arg(hors_jeu));
        return std::nullopt;
    }

    champs_ligne champs;
    champs.date_opération = s.date_opération;
    champs.description = s.description;
    const bool genre_connu = s.genre >= 0 && s.genre < static_cast<int>(données.noms_genres.size());
    champs.genre = static_cast<int16>(genre_connu ? s.genre : -1);
    champs.catégorie = s.catégorie;
    const std::optional<int16> ligne_cat = lit_entier_saisi(s.ligne_cat);
    if (!ligne_cat) {
        refuse(QStringLiteral("Le code catalogue « %1 » n'est pas un nombre entier.").arg(s.ligne_cat));
        return std::nullopt;
    }
    champs.ligne_cat = *ligne_cat;
    const std::optional<int16> code = lit_entier_saisi(s.code_rubrique);
    if (!code) {
        refuse(QStringLiteral("Le code rubrique « %1 » n'est pas un nombre entier.").arg(s.code_rubrique));
        return std::nullopt;
    }
    champs.code_rub = *code;
    return champs;
}

namespace {

std::optional<échange_préparé> prépare_échange(const saisie_échange& s)
{
    for (const int compte : {s.débité, s.crédité})
        if (!compte_utilisable(compte)) {
            refuse_compte_inexistant(compte);
            return std::nullopt;
        }
    if (s.débité == s.crédité) {
        refuse(QStringLiteral("Il est impossible d'effectuer une opération d'un compte sur lui-même"),
               style_boîte::information);
        return std::nullopt;
    }

    const std::optional<monnaie> montant = montant_à_poster(s.montant);
    if (!montant)
        return std::nullopt;
    const std::optional<champs_ligne> champs = champs_saisis(s);
    if (!champs)
        return std::nullopt;

    std::optional<monnaie> prélèvement = s.prélèvement_validé;
    if (s.crédité >= premier_compte_asso)
        prélèvement = monnaie{};  // an association account pays no levy
    else if (!prélèvement)
        prélèvement = prélèvement_saisie(s);
    if (!prélèvement)
        return std::nullopt;
    const int compte_prélèvement = s.prélèvement.compte;
    if (prélèvement->brut > 0 &&
        (compte_prélèvement < premier_compte_asso || !compte_utilisable(compte_prélèvement))) {
        refuse(QStringLiteral("Choisissez le compte de l'association qui reçoit le prélèvement."));
        return std::nullopt;
    }

    // The levy lines carry their own description and no catalogue data.
    champs_ligne champs_prélèvement;
    champs_prélèvement.date_opération = s.date_opération;
    champs_prélèvement.description =
        QStringLiteral("~ ") + s.prélèvement.taux + QStringLiteral("% sur ") + s.description;

    std::vector<mouvement_à_poster> lignes = {{sens_débit, s.débité, s.crédité, *montant, *champs},
                                              {sens_crédit, s.crédité, s.débité, *montant, *champs}};
    if (prélèvement->brut > 0) {
        lignes.push_back({sens_débit, s.crédité, compte_prélèvement, *prélèvement, champs_prélèvement});
        lignes.push_back({sens_crédit, compte_prélèvement, s.crédité, *prélèvement, champs_prélèvement});
    }
    // Told as the entry is validated, not only when it is recorded.
    if (!place_pour_lignes(static_cast<int>(lignes.size())))
        return std::nullopt;
    return échange_préparé{std::move(lignes), *prélèvement};
}

}  // namespace
