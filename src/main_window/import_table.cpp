#include "main_window/import_table.h"

#include "accounts/ecritures.h"
#include "data/cp1252.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/elements.h"
#include "data/fichiers.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "main_window/conversions.h"
#include "ui_common/vues_tables.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/sablier.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>
#include <algorithm>

namespace {

const QString crlf = QStringLiteral("\r\n");

// Leading number of a cell; the comma counts as a decimal point too, so that
// "0,5" is not taken for 0.
double nombre(const QString& cellule) { return val_fr(cellule); }

bool vide(const QString& cellule) { return cellule.trimmed().isEmpty(); }

QString aujourd_hui() { return date_courte(date_depuis(aujourdhui())); }

void retire_lignes_vides_finales(grille& gg)
{
    for (int r = gg.Rows() - 1; r >= 2; --r) {
        for (int c = 0; c < gg.Cols(); ++c)
            if (!gg.TextMatrix(r, c).isEmpty())
                return;
        gg.RemoveItem(r);
    }
}

void défauts_adhérents(grille& gg)
{
    using namespace col_adhérents;
    const QString date = aujourd_hui();
    const QString solde = texte_affiché(données.solde_départ);
    for (int i = 1; i < gg.Rows(); ++i) {
        if (vide(gg.TextMatrix(i, numéro)))
            gg.setTextMatrix(i, numéro, QString::number(i));
        if (vide(gg.TextMatrix(i, nom_adresse)))
            gg.setTextMatrix(i, nom_adresse, gg.TextMatrix(i, identifiant));
        // Only what the table left empty gets a default: 0 is a category, a
        // quality and a balance like any other.
        if (vide(gg.TextMatrix(i, catégorie)))
            gg.setTextMatrix(i, catégorie, QStringLiteral("1"));
        if (vide(gg.TextMatrix(i, date_adhésion)))
            gg.setTextMatrix(i, date_adhésion, date);
        if (vide(gg.TextMatrix(i, sexe)))
            gg.setTextMatrix(i, sexe, QStringLiteral("1"));
        if (vide(gg.TextMatrix(i, qualité)))
            gg.setTextMatrix(i, qualité, QStringLiteral("2"));
        if (vide(gg.TextMatrix(i, der_solde)))
            gg.setTextMatrix(i, der_solde, solde);
        gg.setTextMatrix(i, dte_enr, date);
    }
}

void prépare_offres(grille& gg, bool identifiants_des_lignes_sans_numéro)
{
    if (MsgBox(QStringLiteral("Si vous importez depuis Accès, votre colonne d'adhérents comporte-t-elle plusieurs "
                              "numéros séparés par des virgules ?"),
               style_boîte::oui_non | style_boîte::question) == rép_oui)
        éclate_numéros_adhérents(gg);

    if (données.nombre_adhérents <= 1) {
        MsgBox(QStringLiteral("Trovane n'a détecté aucune donnée adhérents. Vous devez importer la grille adhérents "
                              "avant d'importer le catalogue. Consultez l'aide."),
               style_boîte::information);
        return;
    }
    switch (clé_identifiant(gg)) {
    case clé_adhérent::numéro_incomplet:
        MsgBox(QStringLiteral("La colonne des numéros d'adhérents est incomplète. Certaines lignes du catalogue ne "
                              "pourront être associées à aucun adhérent."),
               style_boîte::information);
        [[fallthrough]];
    case clé_adhérent::numéro:
        affecte_identifiants(gg);
        if (identifiants_des_lignes_sans_numéro)
            retrouve_num_adhérents(gg);
        break;
    case clé_adhérent::identifiant_incomplet:
        MsgBox(QStringLiteral("La colonne des identifiants d'adhérents est incomplète. Certaines lignes du catalogue "
                              "ne pourront être associées à aucun adhérent."),
               style_boîte::information);
        [[fallthrough]];
    case clé_adhérent::identifiant: retrouve_num_adhérents(gg); break;
    }

    if (données.nombre_codes_classification <= 1) {
        MsgBox(QStringLiteral("Trovane n'a détecté aucune classification. Vous devez importer la classification avant "
                              "d'importer le catalogue. Consultez l'aide."),
               style_boîte::information);
        return;
    }
    if (clé_numéro(gg) == clé_adhérent::identifiant_incomplet)
        MsgBox(QStringLiteral("La colonne des rubriques est incomplète. Certaines lignes du catalogue ne ne seront pas "
                              "correctement classées."),
               style_boîte::information);
    affecte_noms_rubriques(gg);

    const QString date = aujourd_hui();
    for (int i = 1; i < gg.Rows(); ++i) {
        gg.setTextMatrix(i, col_offres::emplacement, QString::number(i));
        gg.setTextMatrix(i, col_offres::date, date);
    }
}

bool confirme(const QStringList& lignes)
{
    return MsgBox(lignes.join(crlf), style_boîte::ok_annuler | style_boîte::information) == rép_ok;
}

// The balances that the conversion of the members grid has just set, each
// posted as an opening movement between the member and the association
// account debited for new members, so that no balance moves without its
// account line and the sum of all balances stays as it was. A member's
// balance is measured from the one it had while listed before, else from
// 0. False after a message when they cannot be posted; the caller then puts
// the tables back.
bool poste_soldes_importés(const données_sel& avant)
{
    std::vector<bool> listé_avant(max_adhérents + 1, false);
    for (int i = 1; i <= avant.nombre_adhérents && i <= max_adhérents; ++i) {
        const int n = avant.table_adhérents[static_cast<std::size_t>(i)].ordre;
        if (n >= 1 && n <= max_adhérents)
            listé_avant[static_cast<std::size_t>(n)] = true;
    }
    struct écart {
        int numéro;
        monnaie montant;  // above 0: the member is credited
    };
    std::vector<écart> écarts;
    pour_chaque_adhérent(données, [&](int n, adhérent& a) {
        const monnaie référence =
            listé_avant[static_cast<std::size_t>(n)] ? avant.table_adhérents[static_cast<std::size_t>(n)].der_solde
                                                     : monnaie{};
        if (a.der_solde != référence)
            écarts.push_back({n, a.der_solde - référence});
        a.der_solde = référence;
    });
    if (écarts.empty())
        return true;

    const int asso = données.compte_asso_débité;
    const compte_asso* c = données.compte_association(asso);
    if (!c || c->nom.trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Les soldes de la grille doivent être portés au débit d'un compte de l'association : "
                              "choisissez-le dans les paramètres (« Débiter sur: »).") +
                   fin_refus_conversion,
               style_boîte::information);
        return false;
    }
    champs_ligne champs;
    champs.date_opération = date_depuis(aujourdhui());
    champs.description = QStringLiteral("Solde importé");
    std::vector<mouvement_à_poster> lignes;
    lignes.reserve(écarts.size() * 2);
    for (const écart& e : écarts) {
        const bool crédit = e.montant.brut > 0;
        const monnaie m = crédit ? e.montant : -e.montant;
        lignes.push_back({crédit ? sens_débit : sens_crédit, asso, e.numéro, m, champs});
        lignes.push_back({crédit ? sens_crédit : sens_débit, e.numéro, asso, m, champs});
    }
    if (!poste_lignes(lignes))
        return false;
    // Not an operation of the exchange window: nothing there to undo.
    efface_journal_écritures();
    return true;
}

const QString ligne_grille_collée =
    QStringLiteral("Elle doit être activée si vous avez renseigné la grille en y collant des données.");

}  // namespace

std::optional<table_importée> table_du_mode(const QString& mode)
{
    if (mode == QLatin1String("base"))
        return table_importée::offres;
    if (mode == QStringLiteral("adhérents"))
        return table_importée::adhérents;
    if (mode == QLatin1String("rubriques"))
        return table_importée::rubriques;
    return std::nullopt;
}

int colonnes_table(table_importée table)
{
    switch (table) {
    case table_importée::offres: return col_offres::nombre;
    case table_importée::adhérents: return col_adhérents::nombre;
    case table_importée::rubriques: return col_rubriques::nombre;
    }
    return 0;
}

QString texte_presse_papiers()
{
    const QMimeData* contenu = QGuiApplication::clipboard()->mimeData();
    if (!contenu)
        return {};
    // The raw bytes when there are some, so that a Windows-1252 text put
    // there by another program keeps its accents.
    const QByteArray octets = contenu->data(QStringLiteral("text/plain"));
    return octets.isEmpty() ? contenu->text() : texte_importé(octets);
}

QString ouvrir_fichier_txt()
{
    dialogue_commun& d = dialogue1();
    d.Filter = QStringLiteral("Ascii tabulé(.txt)|*.txt");
    d.DefaultExt = QStringLiteral("txt");
    d.InitDir = dossier_programme();
    if (!d.ShowOpen())
        return {};
    QString erreur;
    const std::optional<QByteArray> octets = lit_fichier(d.FileName, erreur);
    if (!octets) {
        MsgBox(erreur + QStringLiteral(" dans la lecture de ") + QLatin1Char(' ') + d.FileName);
        return {};
    }
    return texte_importé(*octets);
}

int remplit_grille_texte(grille& gg, const QString& texte, int colonnes)
{
    redraw_suspendu pause(gg);
    gg.Clear();
    gg.setRows(1);
    gg.setCols(colonnes);
    gg.setFixedRows(1);
    gg.setFixedCols(1);
    QString t = texte;
    t.replace(crlf, QStringLiteral("\n"));
    QStringList lignes = t.split(QLatin1Char('\n'));
    if (t.isEmpty() || t.endsWith(QLatin1Char('\n')))
        lignes.removeLast();  // what follows the last line end is no line
    int cellules = 0;
    for (const QString& ligne : lignes) {
        if (!ligne.isEmpty())
            cellules = std::max(cellules, static_cast<int>(ligne.count(QLatin1Char('\t'))) + 1);
        gg.AddItem(QLatin1Char('\t') + ligne);
    }
    gg.fixe_forme(forme_grille::importée);
    return cellules;
}

void affecte_indices(grille& gg, table_importée table, bool identifiants_des_lignes_sans_numéro)
{
    redraw_suspendu pause(gg);
    retire_lignes_vides_finales(gg);
    if (MsgBox(QStringLiteral("La première ligne blanche répète-t-elle les intitulés des colonnes (noms des champs)?"),
               style_boîte::oui_non) == rép_oui &&
        gg.Rows() > 1)
        gg.RemoveItem(1);
    if (table == table_importée::adhérents)
        défauts_adhérents(gg);
    else if (table == table_importée::offres)
        prépare_offres(gg, identifiants_des_lignes_sans_numéro);
}

clé_adhérent clé_identifiant(const grille& gg)
{
    int numéros = 0, identifiants = 0;
    for (int r = 1; r < gg.Rows(); ++r) {
        if (nombre(gg.TextMatrix(r, col_offres::num_adh)) > 0)
            ++numéros;
        if (!vide(gg.TextMatrix(r, col_offres::identifiant)))
            ++identifiants;
    }
    const int lignes = gg.Rows() - 1;
    if (numéros > identifiants)
        return numéros >= lignes ? clé_adhérent::numéro : clé_adhérent::numéro_incomplet;
    return identifiants >= lignes ? clé_adhérent::identifiant : clé_adhérent::identifiant_incomplet;
}

clé_adhérent clé_numéro(const grille& gg)
{
    for (int r = 1; r < gg.Rows(); ++r)
        if (vide(gg.TextMatrix(r, col_offres::rubrique)))
            return clé_adhérent::identifiant_incomplet;
    return clé_adhérent::identifiant;
}

void éclate_numéros_adhérents(grille& gg)
{
    redraw_suspendu pause(gg);
    const int n = gg.Rows();  // the rows appended hold one number each
    for (int r = gg.FixedRows(); r < n; ++r) {
        const QString cellule = gg.TextMatrix(r, col_offres::num_adh);
        if (!cellule.contains(QLatin1Char(',')))
            continue;
        QStringList numéros;
        for (const QString& morceau : cellule.split(QLatin1Char(','))) {
            if (!vide(morceau))
                numéros << morceau.trimmed();
        }
        if (numéros.isEmpty())
            continue;
        for (qsizetype k = 0; k + 1 < numéros.size(); ++k) {
            gg.setRows(gg.Rows() + 1);
            const int nouvelle = gg.Rows() - 1;
            for (int c = 0; c < gg.Cols(); ++c)
                gg.setTextMatrix(nouvelle, c, gg.TextMatrix(r, c));
            gg.setTextMatrix(nouvelle, col_offres::num_adh, numéros[k]);
        }
        gg.setTextMatrix(r, col_offres::num_adh, numéros.last());
    }
}

void affecte_identifiants(grille& gg)
{
    éclate_numéros_adhérents(gg);
    redraw_suspendu pause(gg);
    for (int r = 1; r < gg.Rows(); ++r) {
        const double n = nombre(gg.TextMatrix(r, col_offres::num_adh));
        // A row without a member keeps whatever identifier it brought.
        if (n < 1 || n > max_adhérents)
            continue;
        const int numéro = static_cast<int>(n);
        const adhérent& a = données.table_adhérents[static_cast<std::size_t>(numéro)];
        gg.setTextMatrix(r, col_offres::identifiant, a.identifiant);
    }
}

void retrouve_num_adhérents(grille& gg)
{
    // One pass over the members, not one per row: tables of thousands.
    QHash<QString, QList<int>> numéros;
    std::vector<bool> listé(max_adhérents + 1, false);
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) {
        listé[static_cast<std::size_t>(n)] = true;
        const QString id = a.identifiant.trimmed();
        if (!id.isEmpty()) {
            QList<int>& porteurs = numéros[id];
            if (!porteurs.contains(n))
                porteurs << n;
        }
    });
    QStringList partagés;  // in the order the rows meet them
    redraw_suspendu pause(gg);
    for (int r = 1; r < gg.Rows(); ++r) {
        const double n = nombre(gg.TextMatrix(r, col_offres::num_adh));
        if (n >= 1 && n <= max_adhérents && listé[static_cast<std::size_t>(n)])
            continue;  // the row names its member
        const QString id = gg.TextMatrix(r, col_offres::identifiant).trimmed();
        const auto it = numéros.constFind(id);
        if (it == numéros.cend())
            continue;
        if (it->size() == 1)
            gg.setTextMatrix(r, col_offres::num_adh, QString::number(it->first()));
        else if (!partagés.contains(id))
            partagés << id;
    }
    if (partagés.isEmpty())
        return;
    constexpr qsizetype nommés = 20;
    QStringList lignes{QStringLiteral("Plusieurs adhérents portent le même identifiant : les lignes du catalogue qui "
                                      "ne donnent que l'un de ces identifiants, sans numéro d'adhérent valable, n'ont "
                                      "été associées à aucun adhérent.")};
    for (qsizetype k = 0; k < partagés.size() && k < nommés; ++k) {
        QStringList porteurs;
        for (const int p : numéros.value(partagés[k]))
            porteurs << QString::number(p);
        lignes << QStringLiteral("« %1 » : adhérents n° %2").arg(partagés[k], porteurs.join(QStringLiteral(", ")));
    }
    if (partagés.size() > nommés)
        lignes << QStringLiteral("et %1 autres identifiants.").arg(partagés.size() - nommés);
    lignes << QStringLiteral("Indiquez le numéro de l'adhérent de ces lignes dans la colonne des numéros "
                             "d'adhérents avant de convertir la grille.");
    MsgBox(lignes.join(crlf), style_boîte::information);
}

void affecte_noms_rubriques(grille& gg)
{
    const données_sel& d = données;
    QHash<QString, int> codes;
    for (int j = 1; j <= d.nombre_codes_classification && j <= max_codes_classification; ++j) {
        const int e = d.codes_classification[static_cast<std::size_t>(j)];
        if (e < 0 || e > max_noms_rubriques)
            continue;
        const QString nom = d.noms_rubriques[static_cast<std::size_t>(e)].trimmed();
        if (!nom.isEmpty() && !codes.contains(nom))
            codes.insert(nom, e * 10);
    }
    redraw_suspendu pause(gg);
    for (int r = 1; r < gg.Rows(); ++r) {
        const auto it = codes.constFind(gg.TextMatrix(r, col_offres::rubrique).trimmed());
        if (it != codes.cend())
            gg.setTextMatrix(r, col_offres::rubrique, QString::number(*it));
    }
}

bool importe_texte(grille& gg, table_importée table, const QString& texte, provenance_import provenance)
{
    int cellules = 0;
    {
        sablier attente;
        cellules = remplit_grille_texte(gg, remplace_guillemets(texte), colonnes_table(table));
    }
    const bool collage = provenance == provenance_import::presse_papiers;
    affecte_indices(gg, table, collage);
    const QString réussite =
        collage ? QStringLiteral("Le collage a réussi.") : QStringLiteral("L'importation a réussi.");
    QStringList lignes{réussite + QStringLiteral(" Vous devez maintenant convertir les données au format de trovane "
                                                 "en utilisant le menu [Options/avancées/convertir...)]."),
                       QStringLiteral("Vous pourrez compléter les données manquantes plus tard à l'aide des pages "
                                      "[Ajouter/modifier/supprimer].")};
    // A table of another shape is poured into the grid all the same: the
    // user converts it knowing what was cut or left empty.
    if (const int attendues = colonnes_table(table) - 1; cellules != attendues && cellules > 0) {
        const QString grille_de = table == table_importée::offres      ? QStringLiteral("des offres-demandes")
                                  : table == table_importée::adhérents ? QStringLiteral("des adhérents")
                                                                        : QStringLiteral("des rubriques");
        lignes << (collage ? QStringLiteral("Attention : le tableau collé compte %1 colonnes, la grille %2 en "
                                            "attend %3 : ")
                           : QStringLiteral("Attention : le fichier compte %1 colonnes, la grille %2 en attend %3 : "))
                              .arg(cellules)
                              .arg(grille_de)
                              .arg(attendues) +
                      (cellules > attendues
                           ? QStringLiteral("les colonnes au-delà de la %1e ont été ignorées.").arg(attendues)
                           : QStringLiteral("les cellules manquantes sont restées vides."));
    }
    lignes << QStringLiteral("Voulez-vous convertir vos données maintenant ?");
    return MsgBox(lignes.join(crlf), style_boîte::oui_non | style_boîte::question) == rép_oui;
}

bool récupère_grille(grille& gg, const QString& mode, const std::function<bool()>& avant_conversion)
{
    if (!confirme({QStringLiteral("Si vous effectuez cette opération pour d'autres raisons que l'importation de "
                                  "données, Assurez-vous que la grille soit affichée sous sa forme codée.")}))
        return false;
    const std::optional<table_importée> table = table_du_mode(mode);
    if (!table) {
        MsgBox(QStringLiteral("Cette opération n'est possible que pour la gestion des catalogues et des adhérents"),
               style_boîte::information);
        return false;
    }
    const QString dernière_ligne =
        QStringLiteral("Toutes les données éventuellement existantes sont remplacées par celles de la grille. Aucun "
                       "cumul n'est possible");
    switch (*table) {
    case table_importée::offres:
        if (!confirme({QStringLiteral("Cette action constitue un nouveau fichier d'offres-demandes à partir des "
                                      "données de la grille."),
                       ligne_grille_collée, dernière_ligne}))
            return false;
        break;
    case table_importée::adhérents:
        if (!confirme({QStringLiteral("Cette action constitue un nouveau fichier d'adhérents à partir des données de "
                                      "la grille."),
                       ligne_grille_collée, dernière_ligne}))
            return false;
        break;
    case table_importée::rubriques:
        if (!confirme({QStringLiteral("Cette action redéfinit la classification des rubriques et sous rubriques à "
                                      "partir des données de la grille."),
                       ligne_grille_collée,
                       QStringLiteral("Les codifications éventuellement déjà existantes ne seront pas modifiées.")}))
            return false;
        break;
    }

    // A hidden grid may still hold another table than the mode's; read as
    // this one it would wreck the table.
    if (gg.Cols() != colonnes_table(*table)) {
        MsgBox(QStringLiteral("La grille ne contient pas le tableau de ce mode : affichez-le ou importez-le "
                              "d'abord. La grille n'a pas été convertie, aucune donnée n'a été modifiée."),
               style_boîte::information);
        return false;
    }
    if (avant_conversion && !avant_conversion())
        return false;

    bool converti = false;
    switch (*table) {
    case table_importée::offres:
        converti = convertit_grille_offres(gg);
        if (converti)
            affiche_offres_demandes(gg, false);
        break;
    case table_importée::adhérents: {
        // The tables as they were, put back whole if the balances cannot be
        // posted. The copy's tables are kept from one import to the next, as
        // the loader keeps its own.
        static données_sel avant;
        avant = données;
        converti = convertit_grille_adhérents(gg);
        if (converti && !poste_soldes_importés(avant)) {
            std::swap(données, avant);
            converti = false;
        }
        if (converti)
            affiche_adhérents(gg, false);
        break;
    }
    case table_importée::rubriques:
        for (int r = 0; r < gg.Rows(); ++r) {
            if (nombre(gg.TextMatrix(r, col_rubriques::code)) > 499) {
                MsgBox(QStringLiteral("Les codes rubriques dans la classification doivent être compris entre 10 et "
                                      "499.") +
                           crlf +
                           QStringLiteral("Cette grille ne peut pas être convertie car une valeur au moins est en "
                                          "dehors de la plage."),
                       style_boîte::information);
                return false;
            }
        }
        converti = convertit_grille_rubriques(gg);
        if (converti)
            affiche_rubriques(gg);
        break;
    }
    if (converti)
        tables_changées_non_enregistrées = true;
    return converti;
}
