#include "classification/propositions.h"

#include "classification/classement.h"
#include "data/dialogues.h"
#include "data/elements.h"
#include "data/fichier_donnees.h"
#include "data/valeurs.h"

namespace t = textes_propositions;

namespace {

bool slot_valide(int slot) { return slot >= 1 && slot <= max_propositions; }

résultat_validation refuse(const QString& texte)
{
    MsgBox(texte, style_boîte::information);
    return résultat_validation::refusée;
}

}  // namespace

int cible_de(const proposition& p)
{
    if (!p.kid.trimmed().isEmpty())
        return 1;
    if (!p.adulte.trimmed().isEmpty())
        return 2;
    return 0;
}

champs_proposition champs_de_proposition(int slot)
{
    if (!slot_valide(slot))
        return {};
    const proposition& p = données.table_propositions[slot];
    champs_proposition c;
    c.type = p.type;
    c.code = QString::number(p.code_rubrique);
    c.genre = p.genre;
    c.cible = cible_de(p);
    c.statut = p.additif;
    c.description = p.désignation;
    return c;
}

résultat_validation valide_proposition(édition_proposition& é, const champs_proposition& c)
{
    auto& d = données;
    // A member without propositions shows none: nothing may be written then,
    // least of all into the proposition shown before, of another member.
    if (!é.modifiée || !slot_valide(é.slot)) {
        é.modifiée = false;
        MsgBox(t::rien_à_valider, style_boîte::information);
        return résultat_validation::rien_à_valider;
    }
    proposition& p = d.table_propositions[é.slot];

    if (c.type != 1 && c.type != 2)
        return refuse(t::type_manquant);
    p.type = static_cast<int16>(c.type);

    // A code is good when its section exists, wherever the section stands.
    const double v = val_fr(c.code);
    const int code = valeur_code(c.code);
    if (v < 100 || !rubrique_existe(code / 100))
        return refuse(t::code_incorrect);
    p.code_rubrique = static_cast<int16>(code);

    if (c.genre < 0 || c.genre > 4)
        return refuse(t::genre_manquant);
    p.genre = static_cast<int16>(c.genre);

    if (c.cible < 0 || c.cible > 2)
        return refuse(t::cible_manquante);
    if (c.description.trimmed().isEmpty())
        return refuse(t::description_manquante);

    // Only an accepted new proposition is counted and takes its place.
    if (é.nouvelle) {
        if (d.nombre_propositions >= max_propositions)
            return refuse(t::table_pleine);
        ++d.nombre_propositions;
        d.table_propositions[d.nombre_propositions].ordre = static_cast<int16>(é.slot);
    }

    p.désignation = remplace_guillemets(c.description);
    if (é.adhérent >= 0 && é.adhérent <= max_adhérents) {
        p.num_adh = static_cast<int16>(é.adhérent);
        p.identifiant = d.table_adhérents[é.adhérent].identifiant.str();
    }
    p.date = date_depuis(aujourdhui());
    if (c.statut >= 0 && c.statut <= 3)
        p.additif = static_cast<int16>(c.statut);
    p.kid = c.cible == 1 ? d.symbole_enfant : QString();
    p.adulte = c.cible == 2 ? d.symbole_adulte : QString();
    é.nouvelle = false;
    é.modifiée = false;
    return résultat_validation::validée;
}

bool commence_nouvelle_proposition(édition_proposition& é, int adhérent, champs_proposition& c)
{
    if (contrôle_archive())
        return false;
    auto& d = données;
    std::vector<bool> pris(max_propositions + 1);
    for (int i = 1; i <= d.nombre_propositions; ++i) {
        const int s = d.table_propositions[i].ordre;
        if (slot_valide(s))
            pris[s] = true;
    }
    int slot = 0;
    for (int s = 1; s <= max_propositions && !slot; ++s)
        if (!pris[s])
            slot = s;
    if (!slot || d.nombre_propositions >= max_propositions) {
        MsgBox(t::table_pleine, style_boîte::information);
        return false;
    }
    é = {slot, adhérent, true};

    const auto rubriques = numéros_rubriques();
    c.code = rubriques.empty() ? QString() : QString::number(constitue_code(rubriques.front(), 0, 1));
    c.genre = 0;
    c.statut = 1;
    const bool enfant = adhérent >= 0 && adhérent <= max_adhérents && d.table_adhérents[adhérent].catégorie == 0;
    c.cible = enfant ? 1 : 0;
    c.description.clear();
    return true;
}

void annule_nouvelle_proposition(édition_proposition& é)
{
    é.nouvelle = false;
    é.slot = 0;
    é.modifiée = false;
}

résultat_validation supprime_proposition(édition_proposition& é, champs_proposition c)
{
    if (é.nouvelle || !slot_valide(é.slot))
        return résultat_validation::rien_à_valider;
    données.table_propositions[é.slot].additif = 2;
    c.statut = 2;
    é.modifiée = true;
    return valide_proposition(é, c);
}

void restaure_proposition(édition_proposition& é)
{
    if (é.nouvelle || !slot_valide(é.slot))
        return;
    données.table_propositions[é.slot].additif = 0;
    é.modifiée = true;
}

void change_type_proposition(édition_proposition& é, int type)
{
    é.modifiée = true;
    if (!é.nouvelle && slot_valide(é.slot) && (type == 1 || type == 2))
        données.table_propositions[é.slot].type = static_cast<int16>(type);
}

listes_adhérent listes_offres_demandes(int adhérent)
{
    listes_adhérent l;
    pour_chaque_proposition(données, [&](int slot, const proposition& p) {
        if (p.num_adh != adhérent)
            return;
        if (p.type == 1)
            l.offres.push_back({p.désignation, slot});
        else if (p.type == 2)
            l.demandes.push_back({p.désignation, slot});
    });
    return l;
}
