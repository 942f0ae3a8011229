#include "statistics/tableaux.h"

#include "data/modele.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/grille.h"
#include "ui_common/outils.h"

#include <limits>
#include <stdexcept>

namespace {

// A step that fails is left out; the table goes on with the next one.
template <class F>
void essaie(F&& étape)
{
    try {
        étape();
    } catch (const std::exception&) {
    }
}

QString nombre(int n) { return QString::number(n); }
QString format_compte(int n) { return Format(n, QStringLiteral("###0")); }

// Plain decimal text of a sum read back from cells.
QString texte_somme(double v) { return QString::number(v, 'g', 15); }

const QString marque_filtrée = QStringLiteral(" ** lignes filtrées **");

void marque_si_filtrée(état_statistiques& é)
{
    if (données.nombre_adhérents > static_cast<int>(é.liste.size()))
        é.titre_stat += marque_filtrée;
}

void forme(grille& gg, int colonnes, int colonnes_fixes, int lignes)
{
    gg.setCols(colonnes);
    gg.setFixedCols(colonnes_fixes);
    gg.setRows(lignes);
}

void entêtes(grille& gg, const QStringList& textes)
{
    for (int c = 0; c < textes.size(); ++c)
        gg.setTextMatrix(0, c, textes[c]);
}

// Genres whose name is not blank, in genre order.
std::vector<int> genres_nommés()
{
    std::vector<int> r;
    for (int g = 0; g < 5; ++g)
        if (!données.noms_genres[static_cast<std::size_t>(g)].trimmed().isEmpty())
            r.push_back(g);
    return r;
}

const std::array<QString, 10>& valeurs_critère(int type)
{
    switch (type) {
    case 2: return données.valeurs_qualité;
    case 3: return données.valeurs_critère0;
    case 4:
    case 6:
    case 7: return données.valeurs_critère1;
    default: return données.valeurs_critère2;
    }
}

}  // namespace

QStringList libellés_types_adhérents()
{
    return {QStringLiteral("par sexe"),
            QStringLiteral("enfant/adulte/autre sel"),
            QStringLiteral("Qualité"),
            données.titre_critère0,
            données.titre_critère1,
            données.titre_critère2,
            données.titre_critère1 + QStringLiteral(" et sexe"),
            données.titre_critère1 + QStringLiteral(" et âge"),
            données.titre_critère2 + QStringLiteral(" et sexe"),
            données.titre_critère2 + QStringLiteral(" et âge")};
}

QStringList libellés_types_catalogue()
{
    return {QStringLiteral("rubriques"),
            QStringLiteral("genre"),
            QStringLiteral("offres / demandes"),
            QStringLiteral("offres pour enfant / adulte"),
            QStringLiteral("rubriques et genres"),
            QStringLiteral("rubriques et offres demandes")};
}

QStringList libellés_types_échanges()
{
    return {QStringLiteral("Rubriques"),
            QStringLiteral("Genre"),
            QStringLiteral("Enfants, adultes, autres sels"),
            QStringLiteral("Volume"),
            QStringLiteral("Volume et mois"),
            QStringLiteral("nombre crédits/débits"),
            QStringLiteral("nombre crédits/débits par mois")};
}

QStringList libellés_mois()
{
    return {QStringLiteral("JANV."), QStringLiteral("FEV."), QStringLiteral("MAR."), QStringLiteral("AVR."),
            QStringLiteral("MAI."),  QStringLiteral("JUIN"), QStringLiteral("JUIL"), QStringLiteral("AOU."),
            QStringLiteral("SEP."),  QStringLiteral("OCT."), QStringLiteral("NOV."), QStringLiteral("DEC.")};
}

// ---------------------------------------------------------------- members

void construit_tableau_adhérents(état_statistiques& é, grille& gg, int choix, const QString& libellé)
{
    redraw_suspendu lot(gg);
    é.élimine_comptes_asso();
    é.titre_stat = libellé;
    essaie([&] {
        gg.Clear();
        gg.setTextMatrix(0, 0, QStringLiteral("critère"));
        gg.setTextMatrix(0, 1, QStringLiteral("nombre"));
    });

    const auto titres_valeurs = [&](const std::array<QString, 10>& noms) {
        for (int i = 0; i < 10; ++i)
            essaie([&] { gg.setTextMatrix(i + 1, 0, noms[static_cast<std::size_t>(i)]); });
    };

    switch (choix) {
    case 0: {
        essaie([&] {
            forme(gg, 2, 1, 3);
            entêtes(gg, {QStringLiteral("critère"), QStringLiteral("nombre")});
            gg.setTextMatrix(1, 0, QStringLiteral("masculin"));
            gg.setTextMatrix(2, 0, QStringLiteral("féminin"));
        });
        essaie([&] {
            const int hommes = é.nbr_sexe(0), femmes = é.nbr_sexe(1);
            const int total = plus_grand(1, hommes + femmes);
            gg.setTextMatrix(1, 1, Format(static_cast<double>(hommes) / total, QStringLiteral("#0%")));
            gg.setTextMatrix(2, 1, Format(static_cast<double>(femmes) / total, QStringLiteral("#0%")));
        });
        break;
    }
    case 1:
        essaie([&] {
            forme(gg, 2, 1, 4);
            gg.setTextMatrix(1, 0, QStringLiteral("enfants"));
            gg.setTextMatrix(2, 0, QStringLiteral("adultes"));
            gg.setTextMatrix(3, 0, QStringLiteral("Autres sels"));
        });
        for (int k = 0; k < 3; ++k)
            essaie([&] { gg.setTextMatrix(k + 1, 1, nombre(é.nbr_kid(k))); });
        break;
    case 2:
    case 3:
    case 4:
    case 5: {
        essaie([&] { forme(gg, 2, 1, 11); });
        titres_valeurs(valeurs_critère(choix));
        const auto compteur = [&](int i) {
            switch (choix) {
            case 2: return é.nbr_qual(i);
            case 3: return é.nbr_nat(i);
            case 4: return é.nbr_cr1(i);
            default: return é.nbr_cr2(i);
            }
        };
        for (int i = 0; i < 10; ++i)
            essaie([&] { gg.setTextMatrix(i + 1, 1, nombre(compteur(i))); });
        break;
    }
    case 6:
    case 8:
        essaie([&] {
            forme(gg, 3, 1, 11);
            gg.setTextMatrix(0, 1, QStringLiteral("masculin"));
            gg.setTextMatrix(0, 2, QStringLiteral("féminin"));
        });
        titres_valeurs(valeurs_critère(choix));
        for (int i = 0; i < 10; ++i)
            for (int s = 0; s < 2; ++s)
                essaie([&] {
                    if (choix == 8) {
                        gg.setTextMatrix(i + 1, s + 1, format_compte(é.nbr_cr2_sexe(i, s)));
                        return;
                    }
                    // A share of the members counted; no member, no share.
                    const int membres = static_cast<int>(é.liste.size());
                    if (membres == 0)
                        return;
                    const float part = static_cast<float>(é.nbr_cr1_sexe(i, s)) / static_cast<float>(membres);
                    gg.setTextMatrix(i + 1, s + 1, Format(part, QStringLiteral("#0%")));
                });
        break;
    case 7:
    case 9:
        essaie([&] {
            forme(gg, 4, 1, 11);
            gg.setTextMatrix(0, 1, QStringLiteral("enfants"));
            gg.setTextMatrix(0, 2, QStringLiteral("adultes"));
            gg.setTextMatrix(0, 3, QStringLiteral("autres sels"));
        });
        titres_valeurs(valeurs_critère(choix));
        for (int i = 0; i < 10; ++i)
            for (int k = 0; k < 3; ++k)
                essaie([&] {
                    const int n = choix == 7 ? é.nbr_cr1_age(i, k) : é.nbr_cr2_age(i, k);
                    gg.setTextMatrix(i + 1, k + 1, format_compte(n));
                });
        break;
    default: break;
    }
}

// ---------------------------------------------------------------- catalogue

void construit_tableau_catalogue(état_statistiques& é, grille& gg, int choix, const QString& libellé)
{
    redraw_suspendu lot(gg);
    é.élimine_comptes_asso();
    é.incrémente_tl();

    static const QString suites[] = {QStringLiteral(" :toutes les lignes"), QStringLiteral(" : les lignes offres"),
                                     QStringLiteral(" : les lignes demandes")};
    é.titre_stat = libellé;
    if (é.choix_offre_demande >= 0 && é.choix_offre_demande <= 2)
        é.titre_stat += suites[é.choix_offre_demande];
    marque_si_filtrée(é);

    const std::vector<int> genres = genres_nommés();
    essaie([&] {
        gg.Clear();
        switch (choix) {
        case 0:
            forme(gg, 2, 1, 1);
            entêtes(gg, {QStringLiteral("rubriques"), QStringLiteral("nombre")});
            break;
        case 1:
            forme(gg, 2, 1, 1);
            entêtes(gg, {QStringLiteral("genres"), QStringLiteral("nombre")});
            break;
        case 2:
            forme(gg, 2, 1, 1);
            entêtes(gg, {QStringLiteral("type"), QStringLiteral("nombre")});
            break;
        case 3:
            forme(gg, 2, 1, 1);
            entêtes(gg, {QStringLiteral("age"), QStringLiteral("nombre")});
            break;
        case 4: {
            forme(gg, 2 + static_cast<int>(genres.size()), 1, 1);
            QStringList t{QStringLiteral("rubriques")};
            for (const int g : genres)
                t << données.noms_genres[static_cast<std::size_t>(g)];
            t << QStringLiteral("toutes");
            entêtes(gg, t);
            break;
        }
        case 5:
            forme(gg, 4, 1, 1);
            entêtes(gg, {QStringLiteral("rubriques"), QStringLiteral("offres"), QStringLiteral("demandes"),
                         QStringLiteral("toutes")});
            break;
        default: break;
        }
    });

    switch (choix) {
    case 0:
    case 4:
    case 5:
        essaie([&] { inscrit_rubriques(gg); });
        for (int r = 1; r < gg.Rows(); ++r)
            essaie([&] {
                const int section = static_cast<int>(Val(gg.TextMatrix(r, 0)));
                if (choix == 0) {
                    gg.setTextMatrix(r, 1, format_compte(é.nbr_rub(section)));
                } else if (choix == 4) {
                    for (std::size_t k = 0; k < genres.size(); ++k)
                        gg.setTextMatrix(r, static_cast<int>(k) + 1, nombre(é.nbr_rub_genre(section, genres[k])));
                    gg.setTextMatrix(r, static_cast<int>(genres.size()) + 1, nombre(é.nbr_rub(section)));
                } else {
                    gg.setTextMatrix(r, 1, nombre(é.nbr_rub_type(section, 1)));
                    gg.setTextMatrix(r, 2, nombre(é.nbr_rub_type(section, 2)));
                    gg.setTextMatrix(r, 3, nombre(é.nbr_rub(section)));
                }
            });
        break;
    case 1:
        for (const int g : genres)
            essaie([&] {
                gg.AddItem(QString());
                const int r = gg.Rows() - 1;
                gg.setTextMatrix(r, 0, données.noms_genres[static_cast<std::size_t>(g)]);
                gg.setTextMatrix(r, 1, format_compte(é.nbr_genre(g)));
            });
        break;
    case 2:
        essaie([&] {
            gg.AddItem(QStringLiteral("offres"));
            gg.AddItem(QStringLiteral("demandes"));
        });
        essaie([&] { gg.setTextMatrix(1, 1, format_compte(é.nbr_offres_demandes(1))); });
        essaie([&] { gg.setTextMatrix(2, 1, format_compte(é.nbr_offres_demandes(2))); });
        essaie([&] {
            const double total = Val(gg.TextMatrix(1, 1)) + Val(gg.TextMatrix(2, 1));
            gg.AddItem(QStringLiteral("total\t") + texte_somme(total));
        });
        break;
    case 3:
        essaie([&] {
            gg.AddItem(QStringLiteral("enfants"));
            gg.AddItem(QStringLiteral("adultes"));
            gg.AddItem(QStringLiteral("indifférenciées"));
        });
        essaie([&] { gg.setTextMatrix(1, 1, format_compte(é.nbr_kid_lg(données.symbole_enfant))); });
        essaie([&] { gg.setTextMatrix(2, 1, format_compte(é.nbr_kid_lg(données.symbole_adulte))); });
        // The selected propositions that carry neither marker.
        essaie([&] {
            gg.setTextMatrix(3, 1, format_compte(é.nbr_indifférenciées(données.symbole_enfant, données.symbole_adulte)));
        });
        break;
    default: break;
    }
}

QString titre_période(const QString& libellé, const QString& début, const QString& fin)
{
    // A bound left at the zero date is no bound: the title does not show it
    // as a time of day.
    auto posée = [](const QString& t) {
        double d = 0;
        return !lit_date(t, d) || d != 0;
    };
    const bool depuis = posée(début), jusqu = posée(fin);
    if (depuis && jusqu)
        return libellé + QStringLiteral(" :du ") + début + QStringLiteral(" au ") + fin;
    if (depuis)
        return libellé + QStringLiteral(" :depuis le ") + début;
    if (jusqu)
        return libellé + QStringLiteral(" :jusqu'au ") + fin;
    return libellé;
}

// ---------------------------------------------------------------- exchanges

void construit_tableau_échanges(état_statistiques& é, grille& gg, int type, const QString& libellé)
{
    {
        redraw_suspendu lot(gg);
        é.élimine_comptes_asso();
        essaie([&] {
            gg.Clear();
            gg.setFixedCols(1);
        });
        é.incrémente_tl_ec();
        é.titre_stat = titre_période(libellé, é.date_dep, é.date_fin);
        marque_si_filtrée(é);
        essaie([&] { gg.Clear(); });

        const QStringList mois = libellés_mois();
        switch (type) {
        case 0:
            essaie([&] {
                forme(gg, 2, 1, 1);
                entêtes(gg, {QStringLiteral("rubriques"), QStringLiteral("nombre")});
                inscrit_rubriques(gg);
            });
            for (int r = 1; r < gg.Rows(); ++r)
                essaie([&] { gg.setTextMatrix(r, 1, é.nbr_rub_ec(static_cast<int>(Val(gg.TextMatrix(r, 0))))); });
            break;
        case 1:
            essaie([&] {
                gg.setTextMatrix(0, 0, QStringLiteral("genres"));
                forme(gg, 2, 1, 1);
            });
            for (const int g : genres_nommés())
                essaie([&] {
                    gg.AddItem(QString());
                    const int r = gg.Rows() - 1;
                    gg.setTextMatrix(r, 0, données.noms_genres[static_cast<std::size_t>(g)]);
                    gg.setTextMatrix(r, 1, é.nbr_genre_ec(g));
                });
            break;
        case 2:
            essaie([&] {
                gg.setTextMatrix(0, 0, QStringLiteral("age"));
                forme(gg, 2, 1, 1);
                gg.AddItem(QStringLiteral("enfants"));
                gg.AddItem(QStringLiteral("adultes"));
                gg.AddItem(QStringLiteral("autres sels"));
            });
            for (int k = 0; k < 3; ++k)
                essaie([&] { gg.setTextMatrix(k + 1, 1, é.nbr_kid_ec(k)); });
            essaie([&] {
                double somme = 0;
                for (int r = 1; r <= 3; ++r)
                    somme += Val(gg.TextMatrix(r, 1));
                gg.AddItem(QStringLiteral("total\t") + texte_somme(somme));
            });
            break;
        case 3: {
            essaie([&] {
                gg.setFixedCols(0);
                gg.setCols(4);
                // The bands as counted below, in characters every export can hold.
                entêtes(gg, {QStringLiteral("0 < x < 100"), QStringLiteral("100 <= x < 500"),
                             QStringLiteral("500 <= x < 1000"), QStringLiteral("x >= 1000")});
                gg.setRows(2);
            });
            // Each amount in one band: above 0 and below 100, then from 100,
            // 500 and 1000 (each included) to the next bound.
            const std::pair<monnaie, monnaie> bornes[] = {
                {monnaie::depuis_brut(1), monnaie::unités(100)},
                {monnaie::unités(100), monnaie::unités(500)},
                {monnaie::unités(500), monnaie::unités(1000)},
                {monnaie::unités(1000), monnaie::depuis_brut(std::numeric_limits<std::int64_t>::max())}};
            for (int c = 0; c < 4; ++c)
                essaie([&] { gg.setTextMatrix(1, c, é.nbr_montant(bornes[c].first, bornes[c].second)); });
            break;
        }
        case 4: {
            int16 total = 0;
            essaie([&] {
                gg.setTextMatrix(0, 0, QStringLiteral("mois"));
                forme(gg, 2, 1, 1);
                for (const QString& m : mois)
                    gg.AddItem(m);
            });
            for (int m = 1; m < gg.Rows(); ++m)
                essaie([&] {
                    gg.setTextMatrix(m, 1, nombre(é.nbr_mois_ec(m)));
                    total = CInt(total + Val(gg.TextMatrix(m, 1)));
                });
            essaie([&] { gg.AddItem(QStringLiteral("Total\t") + nombre(total)); });
            break;
        }
        case 5:
            essaie([&] {
                gg.setFixedCols(0);
                gg.setCols(3);
                entêtes(gg, {QStringLiteral("débits"), QStringLiteral("crédits"), QStringLiteral("total")});
                gg.setRows(2);
            });
            essaie([&] { gg.setTextMatrix(1, 0, nombre(é.nbr_crédits_débits(1))); });
            essaie([&] { gg.setTextMatrix(1, 1, nombre(é.nbr_crédits_débits(2))); });
            essaie([&] { gg.setTextMatrix(1, 2, texte_somme(Val(gg.TextMatrix(1, 1)) + Val(gg.TextMatrix(1, 0)))); });
            break;
        case 6:
            essaie([&] {
                forme(gg, 4, 1, 1);
                entêtes(gg, {QStringLiteral("mois"), QStringLiteral("débits"), QStringLiteral("crédits"),
                             QStringLiteral("total")});
                for (const QString& m : mois)
                    gg.AddItem(m);
            });
            for (int m = 1; m < gg.Rows(); ++m)
                essaie([&] {
                    gg.setTextMatrix(m, 1, nombre(é.nbr_mois_débits_crédits(m, 1)));
                    gg.setTextMatrix(m, 2, nombre(é.nbr_mois_débits_crédits(m, 2)));
                    gg.setTextMatrix(m, 3, texte_somme(Val(gg.TextMatrix(m, 2)) + Val(gg.TextMatrix(m, 1))));
                });
            break;
        default: break;
        }
    }
    ajuste_grille(gg);
}
