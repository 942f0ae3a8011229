#include "data_windows/options.h"

#include "data/cp1252.h"
#include "data/reglages.h"
#include "data/valeurs.h"

void choisit_poste_compta(bool oui)
{
    poste_compta = oui;
    if (!sans_enregistrement)
        réglages::écrit_booléen(QStringLiteral("Utilisateur"), QStringLiteral("poste_compta"), oui);
}

// ---------------------------------------------------------------- symbol lists

const std::vector<int>& codes_symboles()
{
    static const std::vector<int> codes = [] {
        std::vector<int> c;
        for (int code = 32; code <= 255; ++code)
            if (code != 34)
                c.push_back(code);
        return c;
    }();
    return codes;
}

int position_code_symbole(int code)
{
    if (code < 32 || code > 255 || code == 34)
        return -1;
    return code < 34 ? code - 32 : code - 33;
}

int position_caractère_symbole(const QString& caractère)
{
    if (caractère.size() != 1)
        return -1;
    return position_code_symbole(octet_cp1252(caractère.front()));
}

QString caractère_symbole(int position)
{
    const auto& codes = codes_symboles();
    if (position < 0 || position >= static_cast<int>(codes.size()))
        return {};
    const char octet = static_cast<char>(codes[static_cast<std::size_t>(position)]);
    return depuis_cp1252(&octet, 1);
}

// ---------------------------------------------------------------- the fields

namespace {

int position_ou_blanc(int position) { return position < 0 ? 0 : position; }

QString libellé_compte(int i) { return QStringLiteral("Compte association N° %1").arg(i + 1); }

// A symbol whose list was moved becomes the chosen character; one left where
// it opened keeps what the file holds.
QString symbole_choisi(int ouverture, int saisie, const QString& stocké)
{
    if (saisie < 0 || saisie == ouverture)
        return stocké;
    return caractère_symbole(saisie);
}

// The old marker of the propositions becomes the new one; an empty marker
// means "for everybody" and stays so.
template <typename Marqueur>
void reporte_symbole(données_sel& d, const QString& ancien, const QString& nouveau, Marqueur marqueur)
{
    if (ancien == nouveau || ancien.isEmpty())
        return;
    pour_chaque_proposition(d, [&](int, proposition& p) {
        QString& m = marqueur(p);
        if (m == ancien)
            m = nouveau;
    });
}

}  // namespace

champs_options lit_options(const données_sel& d)
{
    champs_options c;
    c.utilise_monnaie_locale = d.utilise_monnaie_locale;
    c.nom_monnaie = d.nom_monnaie;
    c.abréviation_monnaie = d.abréviation_monnaie;
    c.position_compte_débité = d.compte_asso_débité >= premier_compte_asso &&
                                       d.compte_asso_débité < premier_compte_asso + nombre_comptes_asso
                                   ? d.compte_asso_débité - premier_compte_asso
                                   : -1;
    c.solde_départ = texte_affiché(d.solde_départ);
    c.numérotation_suivante = d.numérotation_suivante;
    c.entête = d.entête;
    c.fichier_logo = d.fichier_logo;
    for (int g = 0; g < 5; ++g) {
        const auto i = static_cast<std::size_t>(g);
        c.noms_genres[i] = d.noms_genres[i];
        // The stored text is the code's decimal number.
        const double code = Val(d.symboles_genres[i]);
        c.positions_genres[i] =
            position_ou_blanc(code == static_cast<int>(code) ? position_code_symbole(static_cast<int>(code)) : -1);
    }
    c.position_enfant = position_ou_blanc(position_caractère_symbole(d.symbole_enfant));
    c.position_adulte = position_ou_blanc(position_caractère_symbole(d.symbole_adulte));
    for (std::size_t k = 0; k < nombre_comptes_asso; ++k) {
        c.noms_comptes[k] = d.comptes_asso[k].nom;
        c.soldes_comptes[k] = texte_affiché(d.comptes_asso[k].solde);
        c.soldes_modifiables[k] = d.comptes_asso[k].solde == monnaie{};
    }
    return c;
}

std::optional<QString> range_options(const champs_options& ouverture, const champs_options& saisie,
                                     données_sel& d)
{
    // Everything is read and checked before anything is stored.
    std::optional<QString> refus;
    auto montant = [&](const QString& texte, const QString& champ) {
        monnaie m;
        if (!refus && !lit_montant(texte, m))
            refus = QStringLiteral("Le champ « %1 » ne contient pas un montant : « %2 ».").arg(champ, texte);
        return m;
    };
    auto texte = [&](const QString& t, const QString& champ) {
        QString hors_jeu;
        for (const QChar c : t)
            if (octet_cp1252(c) < 0 && !hors_jeu.contains(c))
                hors_jeu += c;
        if (!refus && !hors_jeu.isEmpty())
            refus = QStringLiteral("Le champ « %1 » contient des caractères que le fichier de données ne peut pas "
                                   "enregistrer : %2")
                        .arg(champ, hors_jeu);
    };

    for (std::size_t g = 0; g < 5; ++g)
        texte(saisie.noms_genres[g], QStringLiteral("Codes genres"));
    std::array<monnaie, nombre_comptes_asso> soldes{};
    for (std::size_t k = 0; k < nombre_comptes_asso; ++k) {
        texte(saisie.noms_comptes[k], libellé_compte(static_cast<int>(k)));
        soldes[k] = montant(saisie.soldes_comptes[k],
                            QStringLiteral("solde du ") + libellé_compte(static_cast<int>(k)));
    }
    texte(saisie.nom_monnaie, QStringLiteral("Nom de la monnaie locale"));
    const monnaie solde_départ = montant(saisie.solde_départ, QStringLiteral("Solde adhérent par défaut au départ"));
    texte(saisie.abréviation_monnaie, QStringLiteral("Abrv monaie locale"));
    texte(saisie.entête, QStringLiteral("Entête de l'Association"));
    texte(saisie.fichier_logo, QStringLiteral("Nom et emplacement du fichier logo"));
    if (refus)
        return refus;

    for (std::size_t g = 0; g < 5; ++g) {
        d.noms_genres[g] = saisie.noms_genres[g];
        if (saisie.positions_genres[g] >= 0 && saisie.positions_genres[g] != ouverture.positions_genres[g])
            d.symboles_genres[g] = QString::number(codes_symboles()[static_cast<std::size_t>(saisie.positions_genres[g])]);
    }
    const QString enfant = symbole_choisi(ouverture.position_enfant, saisie.position_enfant, d.symbole_enfant);
    const QString adulte = symbole_choisi(ouverture.position_adulte, saisie.position_adulte, d.symbole_adulte);
    reporte_symbole(d, d.symbole_enfant, enfant, [](proposition& p) -> QString& { return p.kid; });
    reporte_symbole(d, d.symbole_adulte, adulte, [](proposition& p) -> QString& { return p.adulte; });
    d.symbole_enfant = enfant;
    d.symbole_adulte = adulte;
    for (std::size_t k = 0; k < nombre_comptes_asso; ++k) {
        d.comptes_asso[k].nom = saisie.noms_comptes[k];
        d.comptes_asso[k].solde = soldes[k];
    }
    d.nom_monnaie = saisie.nom_monnaie;
    d.solde_départ = solde_départ;
    d.abréviation_monnaie = saisie.abréviation_monnaie;
    d.entête = saisie.entête;
    d.fichier_logo = saisie.fichier_logo;
    d.utilise_monnaie_locale = saisie.utilise_monnaie_locale;
    d.numérotation_suivante = saisie.numérotation_suivante;
    return std::nullopt;
}
