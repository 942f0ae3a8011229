#include "main_window/menus_grille.h"

#include "accounts/grilles_comptes.h"
#include "catalogue/additifs.h"
#include "classification/purge.h"
#include "data/dialogues.h"
#include "data/fichier_donnees.h"
#include "data/valeurs.h"
#include "main_window/conversions.h"
#include "main_window/f_vesk.h"
#include "main_window/import_table.h"
#include "ui_common/vues_tables.h"
#include "ui_common/fenetres.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/export_grille.h"
#include "ui_common/impression_grille.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/surface_imprimante.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <set>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString nom_élément(const QString& tableau, int index) { return QStringLiteral("%1_%2").arg(tableau).arg(index); }

// One item of a menu array, whose click runs handler(index); "-" is a
// separator.
QAction* ajoute_élément(QMenu* menu, const QString& tableau, int index, const QString& titre,
                        const std::function<void(int)>& handler)
{
    const bool séparateur = titre == QLatin1String("-");
    QAction* a = séparateur ? menu->addSeparator() : menu->addAction(titre);
    a->setObjectName(nom_élément(tableau, index));
    if (!séparateur)
        QObject::connect(a, &QAction::triggered, menu, [handler, index] { handler(index); });
    return a;
}

void active(const F_vesk& f, const QString& tableau, int index, bool oui)
{
    if (QAction* a = élément_menu(f, tableau, index))
        a->setEnabled(oui);
}

bool coché(const F_vesk& f, int index)
{
    const QPushButton* b = f.op(index);
    return b && b->isChecked();
}

// The grid holds that table, coded: the only form a line can be deleted in.
bool codée_avec(const grille& g, int colonnes) { return g.forme() == forme_grille::codée && g.Cols() == colonnes; }

void trie(grille& g, int colonne, int code)
{
    if (colonne >= g.Cols())
        return;
    sablier attente;
    g.setCol(colonne);
    g.setSort(code);
}

void masque_grille(F_vesk& f)
{
    // "Masquer" is the option "ne pas afficher la grille" taken from the menu.
    if (QAction* a = f.menu(QStringLiteral("pas_affiche_grille"))) {
        a->setChecked(true);
        f.pas_affiche_grille_Click();
    }
}

// Tables changed from the grid: written at once into the current file; the
// mark stays when that could not be done, so that the exit asks.
void enregistre_changements()
{
    tables_changées_non_enregistrées = true;
    if (!fichier_courant.isEmpty())
        enregistrer_fichier(fichier_courant, false);
}

void enregistre_grille_générale(int première_colonne)
{
    enregistre_grille(gg(), données.mode_grille, première_colonne);
}

void supprime_ligne_offre(grille& g)
{
    if (!codée_avec(g, col_offres::nombre) || g.Row() < g.FixedRows() || g.Row() >= g.Rows())
        return;
    if (MsgBox(QStringLiteral("Etes-vous sûr de vouloir supprimer définitivement la ligne sélectionnée? Répondez NON "
                              "si vous avez reclassé la base"),
               style_boîte::oui_non | style_boîte::question) != rép_oui)
        return;
    g.RemoveItem(g.Row());
    if (!convertit_grille_offres(g))
        return;
    enregistre_changements();
    affiche_offres_demandes(g, true);
}

void supprime_doublons_offres(grille& g)
{
    MsgBox(QStringLiteral("Attention, l'opération peut être un peu longue !"), style_boîte::information);
    sablier attente;
    affiche_offres_demandes(g, false);
    g.setRow(0);
    trie(g, col_offres::désignation, tri_grille::générique_croissant);
    supprime_doublons(g);
    attente.relâche();
    if (!convertit_grille_offres(g))
        return;
    enregistre_changements();
    affiche_offres_demandes(g, true);
}

void supprime_ligne_adhérent(grille& g)
{
    if (!codée_avec(g, col_adhérents::nombre) || g.Rows() <= g.FixedRows())
        return;
    const int r = std::max(g.Row(), 1);
    if (Val(g.TextMatrix(r, col_adhérents::numéro)) != 0) {
        MsgBox(QStringLiteral("Pour supprimer un adhérent actif, utilisez la page ajouter/supprimer"),
               style_boîte::information);
        return;
    }
    g.RemoveItem(r);
    if (!convertit_grille_adhérents(g))
        return;
    tables_changées_non_enregistrées = true;
    MsgBox(QStringLiteral("Vous devez choisir fichier/enregistrer pour valider définitivement l'opération"),
           style_boîte::information);
}

void choisit_adhérent_courant(const grille& g)
{
    if (g.Row() < g.FixedRows() || g.Row() >= g.Rows() || g.Cols() <= col_adhérents::numéro)
        return;
    // A row that names no member leaves the current one as it was.
    const double n = Val(g.TextMatrix(g.Row(), col_adhérents::numéro));
    if (n >= 1 && n <= max_adhérents)
        adhérent_courant = static_cast<int16>(n);
}

// The table the advanced import items work on: the one of the mode chosen
// with its button.
std::optional<table_importée> table_choisie(const F_vesk& f)
{
    const std::optional<table_importée> table = table_du_mode(données.mode_grille);
    if (!table)
        return std::nullopt;
    const int index = *table == table_importée::offres ? 0 : *table == table_importée::adhérents ? 1 : 2;
    return coché(f, index) ? table : std::nullopt;
}

QString avertissement_colonnes(const QString& début, table_importée table)
{
    switch (table) {
    case table_importée::offres:
        return début + QStringLiteral(" doivent correspondre aux colonnes de la grille des offres demandes (bouton "
                                      "catalogue)");
    case table_importée::adhérents:
        return début + QStringLiteral(" doivent correspondre aux colonnes de la grille des adhérents (adhérents)");
    case table_importée::rubriques:
        return début + QStringLiteral(" doivent correspondre aux colonnes de la grille des rubriques (bouton "
                                      "classification)");
    }
    return {};
}

// The table to import into, once the user has agreed to its columns.
std::optional<table_importée> table_à_importer(const F_vesk& f, const QString& début)
{
    const std::optional<table_importée> table = table_choisie(f);
    if (!table) {
        MsgBox(QStringLiteral("Choisissez d'abord le type de grille, adhérents, offres-demandes ou rubriques"),
               style_boîte::information);
        return std::nullopt;
    }
    if (MsgBox(avertissement_colonnes(début, *table), style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return std::nullopt;
    return table;
}

void à_l_ouverture_base(F_vesk& f)
{
    active(f, QStringLiteral("m_base"), 0, fenêtre_enregistrée(noms_fenêtres::base));
    active(f, QStringLiteral("m_base"), 2, codée_avec(gg(), col_offres::nombre));
}

void à_l_ouverture_adhérents(F_vesk& f)
{
    adhérents_Click(f);
    active(f, QStringLiteral("m_adh"), 0, fenêtre_enregistrée(noms_fenêtres::adhérents));
    active(f, QStringLiteral("m_adh"), 15, codée_avec(gg(), col_adhérents::nombre));
}

void à_l_ouverture_rubriques(F_vesk& f)
{
    active(f, QStringLiteral("m_rub"), 0, fenêtre_enregistrée(noms_fenêtres::rubriques));
}

}  // namespace

// ---------------------------------------------------------------- procedures

bool refuse_sélection_base(const grille& gg, int index)
{
    return ((gg.RowSel() != gg.Row() && index < 4) || gg.Row() == 0) && gg.Rows() > 2;
}

int supprime_doublons(grille& gg)
{
    using namespace col_offres;
    if (gg.Cols() < nombre)
        return 0;
    redraw_suspendu pause(gg);
    std::set<std::array<QString, 4>> vues;
    int retirées = 0;
    // From the bottom up, so that the last of each set is the one kept.
    for (int r = gg.Rows() - 1; r >= gg.FixedRows(); --r) {
        std::array<QString, 4> clé{gg.TextMatrix(r, désignation), gg.TextMatrix(r, type), gg.TextMatrix(r, rubrique),
                                   gg.TextMatrix(r, num_adh)};
        if (!vues.insert(std::move(clé)).second) {
            gg.RemoveItem(r);
            ++retirées;
        }
    }
    return retirées;
}

std::array<titre_compte, nombre_comptes_asso> titres_comptes_asso()
{
    std::array<titre_compte, nombre_comptes_asso> titres;
    for (int k = 0; k < nombre_comptes_asso; ++k) {
        const QString nom = données.comptes_asso[static_cast<std::size_t>(k)].nom.trimmed();
        titres[static_cast<std::size_t>(k)] = nom.isEmpty() ? titre_compte{QStringLiteral("Inutilisé"), false}
                                                            : titre_compte{nom, true};
    }
    return titres;
}

void imprime_grille_générale(const QString& titre)
{
    surface_imprimante papier(imprimante());
    imprime_grille(papier, gg(), papier.Width() - 800, titre, false, false, false);
    papier.EndDoc();
}

// ---------------------------------------------------------------- menus

QAction* élément_menu(const F_vesk& f, const QString& tableau, int index)
{
    return f.findChild<QAction*>(nom_élément(tableau, index));
}

void crée_menus_grille(F_vesk& f)
{
    F_vesk* fenêtre = &f;

    if (QMenu* base = f.menu_grille(QStringLiteral("base"))) {
        const char* titres[] = {"Ajouter/modifier/supprimer",
                                "Enlever tous des additifs",
                                "Supprimer la ligne",
                                "Classer par offres/demandes",
                                "Classer par rubriques",
                                "Classer par adhérents",
                                "Classer par genre",
                                "Classer enfants/adultes",
                                "Classer par ajout/suppr dans additif",
                                "-",
                                "Décoder la grille",
                                "Coder la grille",
                                "Copier la grille",
                                "Copier la sélection",
                                "Imprimer la grille",
                                "Enregistrer la grille",
                                "Masquer la grille",
                                "Supprimer les doublons"};
        for (int i = 0; i < 18; ++i)
            ajoute_élément(base, QStringLiteral("m_base"), i, QString::fromUtf8(titres[i]),
                           [fenêtre](int index) { m_base_Click(*fenêtre, index); });
        élément_menu(f, QStringLiteral("m_base"), 15)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        QObject::connect(base, &QMenu::aboutToShow, base, [fenêtre] { à_l_ouverture_base(*fenêtre); });
        à_l_ouverture_base(f);
    }

    if (QMenu* adh = f.menu_grille(QStringLiteral("adhérents"))) {
        const char* titres[] = {"Ajouter/modifier/départ",
                                "Enlever des additifs",
                                "Classer par numéro d'adhérent",
                                "Classer par identifiant",
                                "Classer par ville",
                                "Classer par code postal",
                                "Classer par ajout/suppr dans additif",
                                "Classer enfants/adultes",
                                "Classer par date d'adhésion",
                                "Classer par date de cotisation",
                                "Classer par sexe",
                                "Classer par critère0",
                                "Classer par qualité",
                                "classer par critère1",
                                "Classer par critère2",
                                "Supprimer la ligne",
                                "Décoder la grille",
                                "Coder la grille",
                                "-"};
        for (int i = 0; i < 19; ++i)
            ajoute_élément(adh, QStringLiteral("m_adh"), i, QString::fromUtf8(titres[i]),
                           [](int index) { m_adh_Click(index); });
        const char* suite[] = {"Copier la grille", "Copier la sélection", "Imprimer la grille", "Enregistrer la grille",
                               "Masquer la grille"};
        for (int i = 1; i <= 5; ++i)
            ajoute_élément(adh, QStringLiteral("madh"), i, QString::fromUtf8(suite[i - 1]),
                           [fenêtre](int index) { madh_Click(*fenêtre, index); });
        QObject::connect(adh, &QMenu::aboutToShow, adh, [fenêtre] { à_l_ouverture_adhérents(*fenêtre); });
        à_l_ouverture_adhérents(f);
    }

    if (QMenu* rub = f.menu_grille(QStringLiteral("rubriques"))) {
        const char* titres[] = {"Ajouter/supprimer/modifier", "Copier la grille",     "Copier la sélection",
                                "Imprimer la grille",         "Enregistrer la grille", "Masquer la grille"};
        for (int i = 0; i < 6; ++i)
            ajoute_élément(rub, QStringLiteral("m_rub"), i, QString::fromUtf8(titres[i]),
                           [fenêtre](int index) { m_rub_Click(*fenêtre, index); });
        QObject::connect(rub, &QMenu::aboutToShow, rub, [fenêtre] { à_l_ouverture_rubriques(*fenêtre); });
        à_l_ouverture_rubriques(f);
    }

    if (QMenu* cpt = f.menu_grille(QStringLiteral("comptes"))) {
        const char* titres[] = {"Toutes les opérations", "Les 18 dernières opérations", "-", "compte_asso1",
                                "compte_asso2",          "compte_asso3",                "compte_asso4", "compte_asso5",
                                "-",                     "Copier la grille",            "Copier la sélection",
                                "Imprimer la grille",    "Enregistrer la grille"};
        for (int i = 0; i < 13; ++i)
            ajoute_élément(cpt, QStringLiteral("m_cpt"), i, QString::fromUtf8(titres[i]),
                           [](int index) { m_cpt_Click(index); });
        QObject::connect(cpt, &QMenu::aboutToShow, cpt, [fenêtre] { m_comptes_Click(*fenêtre); });
        m_comptes_Click(f);
    }
}

void m_base_Click(F_vesk& f, int index)
{
    grille& g = gg();
    if (refuse_sélection_base(g, index)) {
        MsgBox(QStringLiteral("Sélectionnez d'abord une ligne."), style_boîte::information);
        g.setRedraw(true);
        return;
    }
    using namespace col_offres;
    switch (index) {
    case 0: montre_fenêtre(noms_fenêtres::base); break;
    case 1:
        enlève_additif_offres_demandes();
        affiche_offres_demandes(g, true);
        break;
    case 2: supprime_ligne_offre(g); break;
    case 3: trie(g, type, tri_grille::générique_croissant); break;
    case 4: trie(g, rubrique, tri_grille::générique_croissant); break;
    case 5: trie(g, identifiant, tri_grille::générique_croissant); break;
    // By genre: in the coded form the numbers, in the decoded one the names.
    case 6: trie(g, genre, tri_grille::générique_croissant); break;
    case 7: trie(g, public_visé, tri_grille::générique_croissant); break;
    case 8: trie(g, additif, tri_grille::générique_décroissant); break;
    case 10: affiche_offres_demandes(g, true); break;
    case 11: affiche_offres_demandes(g, false); break;
    case 12: copie_grille(g); break;
    case 13: copie_sélection(g); break;
    case 14: imprime_grille_générale(QStringLiteral("Propositions ")); break;
    case 15: enregistre_grille_générale(1); break;
    case 16: masque_grille(f); break;
    case 17: supprime_doublons_offres(g); break;
    default: break;
    }
}

void m_adh_Click(int index)
{
    grille& g = gg();
    using namespace col_adhérents;
    using namespace tri_grille;
    switch (index) {
    case 0:
        choisit_adhérent_courant(g);
        montre_fenêtre(noms_fenêtres::adhérents);
        break;
    case 1:
        enlève_additif_adhérents();
        affiche_adhérents(g, false);
        break;
    case 2: trie(g, numéro, générique_croissant); break;
    case 3: trie(g, identifiant, générique_croissant); break;
    case 4: trie(g, ville, générique_croissant); break;
    case 5: trie(g, cp, générique_croissant); break;
    case 6: trie(g, additif, générique_décroissant); break;
    case 7: trie(g, catégorie, générique_croissant); break;
    case 8: trie(g, date_adhésion, générique_décroissant); break;
    case 9: trie(g, date_cotisation, générique_décroissant); break;
    case 10: trie(g, sexe, générique_décroissant); break;
    case 11: trie(g, critère0, générique_croissant); break;
    case 12: trie(g, qualité, générique_croissant); break;
    case 13: trie(g, critère1, générique_croissant); break;
    case 14: trie(g, critère2, générique_croissant); break;
    case 15: supprime_ligne_adhérent(g); break;
    case 16: affiche_adhérents(g, true); break;
    case 17: affiche_adhérents(g, false); break;
    default: break;
    }
}

void madh_Click(F_vesk& f, int index)
{
    switch (index) {
    case 1: copie_grille(gg()); break;
    case 2: copie_sélection(gg()); break;
    case 3: imprime_grille_générale(QStringLiteral("adhérents")); break;
    case 4: enregistre_grille_générale(1); break;
    case 5: masque_grille(f); break;
    default: break;
    }
}

void m_rub_Click(F_vesk& f, int index)
{
    switch (index) {
    case 0: montre_fenêtre(noms_fenêtres::rubriques); break;
    case 1: copie_grille(gg()); break;
    case 2: copie_sélection(gg()); break;
    case 3: imprime_grille_générale(QStringLiteral("Rubriques et sous rubriques")); break;
    case 4: enregistre_grille_générale(1); break;
    case 5: masque_grille(f); break;
    default: break;
    }
}

void m_cpt_Click(int index)
{
    grille& g = gg();
    switch (index) {
    case 0: remplit_écritures_période(g, données.nombre_lignes_compte, mode_dernières, 0, 0); break;
    case 1: remplit_écritures_période(g, 18, mode_dernières, 0, 0); break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        remplit_relevé_compte(g, 18, premier_compte_asso + (index - 3), mode_dernières, 0, 0, false, -1);
        break;
    case 9: copie_grille(g); break;
    case 10: copie_sélection(g); break;
    case 11: imprime_grille_générale(QStringLiteral("opérations")); break;
    case 12: enregistre_grille_générale(0); break;
    default: break;
    }
}

void edition_Click(F_vesk& f)
{
    if (données.mode_grille.isEmpty())
        clique_op(1);
    const QString mode = données.mode_grille;
    auto sous_menu = [&](const QString& nom, bool oui) {
        if (QMenu* m = f.menu_grille(nom))
            m->menuAction()->setEnabled(oui);
    };
    sous_menu(QStringLiteral("base"), mode == QLatin1String("base"));
    sous_menu(QStringLiteral("adhérents"), coché(f, 1));
    sous_menu(QStringLiteral("rubriques"), coché(f, 2));
    sous_menu(QStringLiteral("comptes"), coché(f, 4));
    sous_menu(QStringLiteral("catalogue"), mode == QLatin1String("catalogue"));
}

void adhérents_Click(F_vesk& f)
{
    const données_sel& d = données;
    const std::pair<int, QString> titres[] = {{11, d.titre_critère0}, {13, d.titre_critère1}, {14, d.titre_critère2}};
    for (const auto& [index, titre] : titres)
        if (QAction* a = élément_menu(f, QStringLiteral("m_adh"), index))
            a->setText(titre);
}

void m_comptes_Click(F_vesk& f)
{
    const auto titres = titres_comptes_asso();
    for (int k = 0; k < nombre_comptes_asso; ++k) {
        if (QAction* a = élément_menu(f, QStringLiteral("m_cpt"), k + 3)) {
            a->setText(titres[static_cast<std::size_t>(k)].titre);
            a->setEnabled(titres[static_cast<std::size_t>(k)].actif);
        }
    }
}

void options_Click(F_vesk& f)
{
    const bool table = coché(f, 0) || coché(f, 1) || coché(f, 2);
    for (const char* nom : {"ouvrir_ascii", "coller_dans_grille", "récupérer"})
        if (QAction* a = f.menu(QString::fromUtf8(nom)))
            a->setEnabled(table);
}

void grille_décodée_Click()
{
    sablier attente;
    grille& g = gg();
    const QString mode = données.mode_grille;
    // The table of the mode shown, decoded. The catalogue being composed and
    // the statistics keep the grid as it is.
    if (mode == QStringLiteral("adhérents"))
        affiche_adhérents(g, true);
    else if (mode == QLatin1String("rubriques"))
        affiche_rubriques(g);
    else if (mode == QLatin1String("comptes")) {
        remplit_écritures_période(g, 18, mode_dernières, 0, 0);
        g.setSelectionMode(mode_sélection::libre);
        return;
    } else if (mode == QLatin1String("base") || mode.isEmpty())
        affiche_offres_demandes(g, true);
    else
        return;
    g.setSelectionMode(mode_sélection::par_colonne);
}

void copier_Click() { copie_grille(gg()); }

void ajust_Click() { ajuste_grille(gg()); }

void config_imprim_Click() { configure_imprimante(); }

void Imprimer_la_grille_Click() { imprime_grille_générale(QStringLiteral("grille ") + données.mode_grille); }

void purge_cat_Click()
{
    int n = 0;
    {
        sablier attente;
        n = nombre_propositions_à_purger();
    }
    const QString texte =
        QStringLiteral("Cette action fait disparaître du fichier les %1 offres demandes qui ont été supprimées.")
            .arg(n) +
        crlf + QStringLiteral("Cela peut réduire de façon significative la taille du fichier.") + crlf +
        QStringLiteral("Les offres-demandes ainsi supprimées n'apparaîtront plus nulle part et ne seront pas "
                       "récupérables.") +
        crlf +
        QStringLiteral("Effectuez cette opération après l'édition d'un additif et avant l'édition d'un catalogue.") +
        crlf +
        QStringLiteral("NB : Cette opération est automatique lors d'un archivage et les données sont alors "
                       "sauvegardées dans l'archive.");
    if (MsgBox(texte, style_boîte::ok_annuler | style_boîte::information) != rép_ok)
        return;
    if (purge_offres_demandes() > 0)
        tables_changées_non_enregistrées = true;
    // The propositions as they are left, decoded, whatever the grid showed.
    affiche_offres_demandes(gg(), true);
}

void coller_dans_grille_Click(F_vesk& f)
{
    const std::optional<table_importée> table = table_à_importer(f, QStringLiteral("Le colonnes à coller"));
    if (!table)
        return;
    const QString texte = texte_presse_papiers();
    if (texte.trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Le presse-papier est vide!"), style_boîte::exclamation);
        return;
    }
    bool convertir = false;
    try {
        convertir = importe_texte(gg(), *table, texte, provenance_import::presse_papiers);
    } catch (const std::exception& e) {
        MsgBox(QString::fromUtf8(e.what()) + QStringLiteral(" dans le collage du tableau."), style_boîte::information);
        return;
    }
    if (convertir)
        récupérer_Click();
}

void ouvrir_ascii_Click(F_vesk& f)
{
    const std::optional<table_importée> table = table_à_importer(f, QStringLiteral("Le colonnes du fichier"));
    if (!table)
        return;
    const QString texte = ouvrir_fichier_txt();
    if (texte.trimmed().isEmpty())
        return;
    bool convertir = false;
    try {
        convertir = importe_texte(gg(), *table, texte, provenance_import::fichier);
    } catch (const std::exception& e) {
        MsgBox(QString::fromUtf8(e.what()) +
               QStringLiteral(" L'importation du fichier .txt ne s'est pas effectuée correctement"));
        return;
    }
    if (convertir)
        récupérer_Click();
}

namespace {

// The windows closed before a conversion may show their own table in the
// grid as they go: the texts to convert, their form and the mode are put
// back after them.
bool libère_fenêtres_gardant_la_grille(grille& gg)
{
    const std::size_t ouvertes = fenêtres_chargées().size();
    grille gardée(gg.Rows(), gg.Cols(), gg.FixedRows(), gg.FixedCols());
    for (int r = 0; r < gg.Rows(); ++r)
        for (int c = 0; c < gg.Cols(); ++c)
            gardée.setTextMatrix(r, c, gg.TextMatrix(r, c));
    const forme_grille forme = gg.forme();
    const QString mode = données.mode_grille;
    const bool redessine = gg.Redraw();
    const bool libérées = libère_fenêtres_avant_chargement();
    if (fenêtres_chargées().size() == ouvertes)
        return libérées;  // none closed: the grid is as it was
    gg.setRedraw(false);
    gg.Clear();
    gg.setFixedRows(0);
    gg.setFixedCols(0);
    gg.setRows(gardée.Rows());
    gg.setCols(gardée.Cols());
    gg.setFixedRows(gardée.FixedRows());
    gg.setFixedCols(gardée.FixedCols());
    for (int r = 0; r < gardée.Rows(); ++r)
        for (int c = 0; c < gardée.Cols(); ++c)
            gg.setTextMatrix(r, c, gardée.TextMatrix(r, c));
    gg.fixe_forme(forme);
    gg.setRedraw(redessine);
    données.mode_grille = mode;
    return libérées;
}

}  // namespace

void récupérer_Click()
{
    // The tables the grid replaces are left by the open windows first.
    récupère_grille(gg(), données.mode_grille, [] { return libère_fenêtres_gardant_la_grille(gg()); });
}
