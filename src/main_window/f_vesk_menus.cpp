// The main window's menus: the File menu, the display options and help.
#include "main_window/f_vesk.h"

#include "accounts/reprise.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/reglages.h"
#include "data/soldes.h"
#include "main_window/a_propos.h"
#include "main_window/menus_grille.h"
#include "ui_common/pages_aide.h"
#include "ui_common/vues_tables.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/grille_vue.h"
#include "ui_common/outils.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/surface_imprimante.h"
#include "ui_common/controles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

// ---------------------------------------------------------------- File menu

void F_vesk::fichier_Click()
{
    menu(QStringLiteral("restaure"))->setEnabled(mêmes_chemins(fichier_courant, fichier_données_défaut()));
    menu(QStringLiteral("maj_fichier"))->setEnabled(fenêtre_enregistrée(noms_fenêtres::extraction));
    menu(QStringLiteral("archi"))->setEnabled(fenêtre_enregistrée(noms_fenêtres::archivage));
}

void F_vesk::ouvrir_la_base_Click()
{
    dialogue_commun& d = dialogue1();
    d.InitDir = dossier_programme();
    d.Filter = QStringLiteral("Trovane (*.sel)|*.sel");
    d.DefaultExt = QStringLiteral("sel");
    if (!d.ShowOpen())
        return;
    const std::optional<bool> abandonnées = tables_avant_chargement();
    if (!abandonnées || !libère_fenêtres_avant_chargement())
        return;
    const QString choisi = d.FileName;
    const QString avant = fichier_courant;
    // A copy the program writes over on its own is read as "Récupérer" reads
    // it: the work then goes on in the default data file.
    const bool copie = !copie_du_programme(choisi).isEmpty();
    fichier_courant = copie ? fichier_données_défaut() : choisi;  // the caption set by the load names it
    if (!ouvrir_fichier(choisi)) {
        fichier_courant = avant;
        return;
    }
    if (*abandonnées)
        tables_changées_non_enregistrées = false;
    fichier_illisible_ = false;
    titre_ = QStringLiteral("Trovane ") + fichier_courant + (copie ? QStringLiteral("restauré") : QString());
    mets_titre();
}

void F_vesk::restaure_Click()
{
    if (!mêmes_chemins(fichier_courant, fichier_données_défaut()) || !copie_restaurable(copie_départ()))
        return;
    const std::optional<bool> abandonnées = tables_avant_chargement();
    if (!abandonnées || !libère_fenêtres_avant_chargement() || !ouvrir_fichier(copie_départ()))
        return;
    if (*abandonnées)
        tables_changées_non_enregistrées = false;
    clique_op(1);
}

std::optional<bool> F_vesk::tables_avant_chargement()
{
    if (!tables_à_enregistrer())
        return false;
    const QString où = fichier_courant.isEmpty()
                           ? QStringLiteral("dans un fichier que vous choisirez")
                           : QStringLiteral("dans le fichier ") + QDir::toNativeSeparators(fichier_courant);
    switch (MsgBox(QStringLiteral("Les tables ont été modifiées depuis la grille et ces modifications n'ont pas été "
                                  "enregistrées.\r\n[Oui] les enregistre %1, puis charge les autres données\r\n"
                                  "[Non] charge les autres données sans les enregistrer : ces modifications seront "
                                  "perdues\r\n[Annuler] ne charge rien et garde les tables telles qu'elles sont")
                       .arg(où),
                   style_boîte::oui_non_annuler | style_boîte::question)) {
    case rép_non:
        return true;
    case rép_oui:
        enregistrer_click();
        // A save that failed or was cancelled loads nothing.
        if (!tables_changées_non_enregistrées)
            return false;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

namespace {

// A save the user asks for and that cannot write says so, not only the
// caption and the notice given once at start-up.
bool enregistrement_refusé()
{
    const QString raison = raison_sans_enregistrement();
    if (raison.isEmpty())
        return false;
    MsgBox(QStringLiteral("Rien n'a été enregistré : ") + raison + QLatin1Char('.'), style_boîte::information);
    return true;
}

}  // namespace

void F_vesk::enr_rep_Click()
{
    if (!mêmes_chemins(fichier_courant, fichier_données_défaut())) {
        MsgBox(QStringLiteral(" Cette fonction n'est accessible qu'avec l'enregistrement par défaut"),
               style_boîte::information);
        return;
    }
    if (!enregistrement_refusé())
        enregistrer_fichier(fichier_repère(), false);
}

void F_vesk::restaure_repere_Click()
{
    const std::optional<bool> abandonnées = tables_avant_chargement();
    if (!abandonnées || !libère_fenêtres_avant_chargement())
        return;
    // The load shows the file's mode again (fichier_chargé).
    if (restaure_point_repère() && *abandonnées)
        tables_changées_non_enregistrées = false;
}

void F_vesk::enregistrer_click()
{
    if (fichier_courant.isEmpty()) {
        enregistrer_sous_Click();
        return;
    }
    if (!enregistrement_refusé())
        enregistrer_fichier(fichier_courant, false);
}

void F_vesk::enregistrer_sous_Click()
{
    if (enregistrement_refusé())
        return;
    dialogue_commun& d = dialogue1();
    d.InitDir = dossier_programme();
    d.DefaultExt = QStringLiteral("sel");
    d.FileName = fichier_courant;
    d.demande_écrasement = true;
    if (!d.ShowSave())
        return;
    if (const QString copie = copie_du_programme(d.FileName); !copie.isEmpty()) {
        MsgBox(QStringLiteral("Rien n'a été enregistré : %1 est l'emplacement %2, que le programme récrit lui-même. "
                              "Choisissez un autre nom.")
                   .arg(QDir::toNativeSeparators(d.FileName), copie),
               style_boîte::information);
        return;
    }
    // Saved as the data file worked on from now on.
    const QString avant = fichier_courant;
    fichier_courant = d.FileName;
    if (!enregistrer_fichier(fichier_courant, false)) {
        fichier_courant = avant;
        return;
    }
    fichier_illisible_ = false;
    titre_ = QStringLiteral("Trovane ") + fichier_courant;
    mets_titre();
    MsgBox(QStringLiteral("Attention, si vous continuez à travailler  maintenant, les modifications s'enregistreront "
                          "dans le fichier ") +
               fichier_courant,
           style_boîte::information);
}

void F_vesk::récup_Click()
{
    dialogue_commun& d = dialogue1();
    d.InitDir = chemin_programme(QStringLiteral("archives/"));
    d.DefaultExt = QStringLiteral("sel");
    d.FileName = QStringLiteral("trovane.sel");
    if (!d.ShowOpen())
        return;
    const std::optional<bool> abandonnées = tables_avant_chargement();
    if (!abandonnées || !libère_fenêtres_avant_chargement())
        return;
    const QString choisi = d.FileName;
    const QString avant = fichier_courant;
    fichier_courant = fichier_données_défaut();
    if (!ouvrir_fichier(choisi)) {
        fichier_courant = avant;
        return;
    }
    if (*abandonnées)
        tables_changées_non_enregistrées = false;
    if (poste_compta) {
        const QString soldes = nom_fichier_soldes(choisi);
        if (QFileInfo::exists(soldes))
            lire_soldes(soldes, choisi);
    }
    fichier_illisible_ = false;
    titre_ = QStringLiteral("Trovane ") + fichier_courant + QStringLiteral("restauré");
    mets_titre();
}

void F_vesk::maj_fichier_Click()
{
    dialogue_commun& d = dialogue1();
    d.InitDir = dossier_programme();
    d.Filter = QStringLiteral("Trovane (*.sel)|*.sel");
    d.DefaultExt = QStringLiteral("sel");
    d.FileName = QStringLiteral("trovane.sel");
    if (!d.ShowOpen())
        return;
    fichier_à_extraire = d.FileName;
    titre_ = QStringLiteral("Trovane ") + fichier_courant;
    mets_titre();
    if (fenêtre_programme* f = charge_fenêtre(noms_fenêtres::extraction))
        montre_modale(*f);
}

void F_vesk::archi_Click()
{
    if (fenêtre_programme* f = charge_fenêtre(noms_fenêtres::archivage))
        montre_modale(*f);
}

// ---------------------------------------------------------------- display options

void F_vesk::paramètres_Click()
{
    if (fenêtre_programme* f = charge_fenêtre(noms_fenêtres::options))
        montre_modale(*f);
}

void F_vesk::fonds_unis_Click()
{
    fonds_unis = menu(QStringLiteral("fonds_unis"))->isChecked();
    if (!sans_enregistrement)
        réglages::écrit_booléen(QStringLiteral("sel"), QStringLiteral("graph"), fonds_unis);
    if (fonds_unis) {
        setStyleSheet(QString());
        setPalette(QApplication::palette());
        Image1->clear();
        Image1->setProperty("image", QVariant());
    } else {
        affiche_fond(*this);
        image_fond();
    }
}

void F_vesk::pas_affiche_grille_Click()
{
    affiche_grille = menu(QStringLiteral("pas_affiche_grille"))->isChecked();
    if (!sans_enregistrement)
        réglages::écrit_booléen(QStringLiteral("sel"), QStringLiteral("aff_grille"), affiche_grille);
    montre_grille();
    if (!affiche_grille)
        rafraîchit_mode_courant();
}

void F_vesk::pas_image_Click()
{
    sans_image_accueil = menu(QStringLiteral("pas_image"))->isChecked();
    if (!sans_enregistrement)
        réglages::écrit_booléen(QStringLiteral("sel"), QStringLiteral("img"), sans_image_accueil);
    if (sans_image_accueil) {
        Image1->clear();
        Image1->setProperty("image", QVariant());
    } else {
        image_fond();
    }
}

// ---------------------------------------------------------------- help

void F_vesk::coche_langue()
{
    menu(QStringLiteral("aide_ag"))->setChecked(langue_aide == QLatin1String("anglais"));
    menu(QStringLiteral("aide_fr"))->setChecked(langue_aide == QStringLiteral("français"));
}

void F_vesk::aide_fr_Click()
{
    langue_aide = QStringLiteral("français");
    coche_langue();
}

void F_vesk::aide_ag_Click()
{
    langue_aide = QStringLiteral("anglais");
    coche_langue();
}

void F_vesk::ostrane_Click()
{
    p_a_propos boîte(this);
    boîte.exec();
}

F_vesk& démarre_trovane(const QString& ligne_de_commande)
{
    auto* f = new F_vesk;
    f->Form_Load(ligne_de_commande);
    return *f;
}
