#include "support/jeu_essai.h"

#include <algorithm>
#include <random>

namespace {

const char* prénoms[] = {"Annick", "Bernard", "Céline", "Dominique", "Élodie", "François", "Gaëlle", "Hervé",
                         "Inès", "Jérôme", "Karine", "Loïc", "Maëlys", "Noël", "Océane", "Pascal"};
const char* noms[] = {"Le Goff", "Martin", "Dubois", "Lefèvre", "Moreau", "Girard", "Bonnet", "Mercier"};
const char* villes[] = {"Quimper", "Brest", "Morlaix", "Concarneau", "Douarnenez", "Pont-l'Abbé"};
const char* activités[] = {"Cours de guitare pour débutants, le samedi matin",
                           "Prêt d'une perceuse à percussion et de ses mèches",
                           "Aide au jardinage : taille des haies, tonte, désherbage",
                           "Confitures maison (fraise, rhubarbe, « mûres sauvages »)",
                           "Initiation à l'informatique et aux courriels",
                           "Garde d'animaux pendant les vacances",
                           "Couture : ourlets, fermetures éclair, petites retouches",
                           "Covoiturage vers Rennes le lundi"};

}  // namespace

void remplit_association_essai(données_sel& d, const tailles_essai& t)
{
    std::mt19937 hasard(20261209);
    auto tire = [&](int n) { return static_cast<int>(hasard() % static_cast<unsigned>(n)); };
    const double jour0 = date_depuis(QDate(2019, 9, 1));

    // A multiple of 10 is a section; names are indexed by code / 10 up to 500.
    const int codes = std::min(t.codes, max_noms_rubriques - 9);
    d.nombre_codes_classification = static_cast<int16>(codes);
    for (int i = 1; i <= codes; ++i) {
        const int section = (i - 1) / 10 + 1, sous = (i - 1) % 10;
        const int code = section * 10 + sous;
        d.codes_classification[i] = static_cast<int16>(code);
        d.noms_rubriques[code] = sous ? QStringLiteral("Sous-rubrique %1.%2").arg(section).arg(sous)
                                      : QStringLiteral("Rubrique %1").arg(section);
    }
    d.nombre_rubriques = static_cast<int16>((codes + 9) / 10);

    d.nombre_adhérents = static_cast<int16>(t.adhérents);
    for (int i = 1; i <= t.adhérents; ++i) {
        d.table_adhérents[i].ordre = static_cast<int16>(i);
        adhérent& a = d.table_adhérents[i];
        const QString prénom = QString::fromUtf8(prénoms[tire(16)]), nom = QString::fromUtf8(noms[tire(8)]);
        a.dte_enr = jour0 + tire(2000) + tire(86400) / 86400.0;
        a.identifiant = prénom + QLatin1Char(' ') + nom.left(1) + QLatin1Char('.');
        a.nom_adresse = nom.toUpper() + QLatin1Char(' ') + prénom;
        a.e_mail = prénom.toLower() + QStringLiteral(".%1@exemple.fr").arg(i);
        a.tel1 = QStringLiteral("02 98 %1 %2").arg(tire(90) + 10).arg(tire(90) + 10);
        a.tel2 = tire(2) ? QStringLiteral("06 12 34 56 %1").arg(tire(90) + 10) : QString();
        a.rue = QStringLiteral("%1 rue de la Gare").arg(tire(120) + 1);
        a.civilité = static_cast<int16>(tire(6));
        a.cp = QStringLiteral("29%1").arg(tire(900) + 100);
        a.ville = QString::fromUtf8(villes[tire(6)]);
        a.additif = static_cast<int16>(tire(4));
        a.catégorie = static_cast<int16>(tire(3));
        a.photo = tire(4) ? QString() : QStringLiteral("photos\\adh%1.jpg").arg(i);
        a.date_adhésion = jour0 + tire(2000);
        a.date_cotisation = a.date_adhésion + tire(300);
        a.sexe = static_cast<int16>(tire(2));
        a.critère0 = static_cast<int16>(tire(10));
        a.qualité = static_cast<int16>(tire(10));
        a.critère1 = static_cast<int16>(tire(10));
        a.critère2 = static_cast<int16>(tire(10));
        a.commentaire = tire(3) ? QString() : QStringLiteral("Disponible le week-end ; préfère être appelé le soir.");
        a.der_solde = monnaie::depuis_brut((tire(4000) - 2000) * 2500);
        a.débits = static_cast<int16>(tire(40));
        a.crédits = static_cast<int16>(tire(40));
        a.volume = monnaie::unités(tire(5000));
        a.d_naiss = tire(3) ? date_depuis(QDate(1940 + tire(70), 1 + tire(12), 1 + tire(28))) : 0;
    }

    d.nombre_propositions = static_cast<int16>(t.propositions);
    for (int i = 1; i <= t.propositions; ++i) {
        d.table_propositions[i].ordre = static_cast<int16>(i);
        proposition& p = d.table_propositions[i];
        const int membre = t.adhérents ? tire(t.adhérents) + 1 : 0;
        p.date = jour0 + tire(2000) + 0.5;
        p.type = static_cast<int16>(1 + tire(2));
        p.genre = static_cast<int16>(tire(3));
        p.désignation = QString::fromUtf8(activités[tire(8)]);
        p.identifiant = membre ? d.table_adhérents[membre].identifiant.str() : QString();
        p.additif = static_cast<int16>(tire(4));
        const int code = codes ? d.codes_classification[tire(codes) + 1] : 10;
        p.code_rubrique = static_cast<int16>(code * 10 + tire(10));
        p.kid = tire(4) ? QString() : d.symbole_enfant;
        p.adulte = tire(3) ? QString() : d.symbole_adulte;
        p.num_adh = static_cast<int16>(membre);
    }

    d.nombre_lignes_compte = static_cast<int16>(t.lignes);
    for (int i = 1; i <= t.lignes; ++i) {
        ligne_de_compte& l = d.table_lignes_compte[i];
        const bool débit = i % 2;
        l.dte_enr = jour0 + i / 5.0;
        l.dte_opé = jour0 + i / 5;
        l.description = QString::fromUtf8(activités[tire(8)]).left(30);
        l.ligne_cat = static_cast<int16>(tire(3000));
        l.genre = static_cast<int16>(tire(3));
        l.compte = static_cast<int16>(t.adhérents ? tire(t.adhérents) + 1 : 9995);
        l.partenaire = static_cast<int16>(t.adhérents ? tire(t.adhérents) + 1 : 9996);
        l.sens = débit ? QStringLiteral("1") : QStringLiteral("2");
        l.montant = monnaie::depuis_brut((tire(500) + 1) * 5000);
        l.solde = monnaie::depuis_brut((tire(4000) - 2000) * 2500);
        l.code_rub = static_cast<int16>(tire(500) * 10);
        l.réservé2 = static_cast<int16>(tire(2));
        l.enf = QStringLiteral("Adulte");
        l.adu = tire(2) ? QStringLiteral("Sel") : QString();
    }
    for (int k = 0; k < nombre_comptes_asso; ++k) {
        d.comptes_asso[k].solde = monnaie::unités(100 * k);
        d.comptes_asso[k].crédits = static_cast<int16>(k);
        d.comptes_asso[k].débits = static_cast<int16>(2 * k);
        d.comptes_asso[k].volume = monnaie::depuis_brut(1234567 * k);
    }
}
