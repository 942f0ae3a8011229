// The member register: showing the chosen member, and the entry aids (town
// and postal code, the renamed list entries, the photo).
#include "members/fenetres_adherents.h"

#include "catalogue/additifs.h"
#include "data/dialogues.h"
#include "data/fichiers.h"
#include "members/aides_saisie.h"
#include "members/fenetres_adherents_commun.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/vues_tables.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

using namespace registre_adhérents;

// ---------------------------------------------------------------- showing a member

int f_adhérents::entrée_du_numéro(int n) const
{
    for (int i = 0; i < Liste_adhérents->count(); ++i)
        if (Liste_adhérents->itemData(i).toInt() == n)
            return i;
    return -1;
}

void f_adhérents::sélectionne_entrée(int index)
{
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(index);
    }
    liste_adhérents_Click();
}

void f_adhérents::règle_spin()
{
    const QSignalBlocker b(spin_adh);
    spin_adh->setRange(0, std::max(0, Liste_adhérents->count() - 1));
    if (Liste_adhérents->currentIndex() >= 0)
        spin_adh->setValue(Liste_adhérents->currentIndex());
}

void f_adhérents::liste_adhérents_Click()
{
    const int index = Liste_adhérents->currentIndex();
    if (index < 0)
        return;
    const int n = Liste_adhérents->itemData(index).toInt();
    if (!valide_la_fiche()) {
        // The changes were refused: the member stays on screen with them,
        // and stays the current member.
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(entrée_du_numéro(numéro_affiché_));
        if (numéro_affiché_) {
            num_adhérent->setText(QString::number(numéro_affiché_));
            adhérent_courant = static_cast<int16>(numéro_affiché_);
        }
        règle_spin();
        return;
    }
    modifiée_ = false;
    if (n < 1 || n > max_adhérents)
        return;  // an entry that names no record
    montre_adhérent(n);
}

void f_adhérents::montre_adhérent(int n)
{
    const auto remplissage = saisie_.remplit();
    num_adhérent->setText(QString::number(n));
    adhérent_courant = static_cast<int16>(n);
    numéro_affiché_ = n;
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
    identifiant_montré_ = a.identifiant.str();
    bt_supprimer->setText(caption_supprimer);
    montre_champs(champs_de(a));
    ctt_prénom->hide();
    bt_modif_nom->show();
    bt_modifier_solde->show();
    montre_photo(a.photo);
    montre_statut_choisi(a.additif);
    règle_spin();
}

void f_adhérents::montre_champs(const champs_adhérent& c)
{
    ctt_prénom->setText(c.prénom);
    ctt_tel1->setText(c.tel1);
    ctt_tel2->setText(c.tel2);
    ctt_nom_pour_adresse->setText(c.nom_adresse);
    ctt_rue->setText(c.rue);
    ctt_cp->setText(c.cp);
    montre_ville(c.ville);
    ctt_e_mail->setText(c.e_mail);
    ctt_nom_photo->setText(c.photo);
    ctt_date_adh->setText(c.date_adh);
    ctt_date_cot->setText(c.date_cot);
    montre_position(cb_sexe, c.sexe);
    montre_position(cb_statut, c.statut);
    montre_position(cb_nat, c.critère0);
    montre_position(cb_qual, c.qualité);
    montre_position(cb_cr1, c.critère1);
    montre_position(cb_cr2, c.critère2);
    montre_position(cb_civilité, c.civilité);
    // Selecting a criterion counts as choosing it: its position is remembered.
    position_nat = cb_nat->currentIndex();
    position_qual = cb_qual->currentIndex();
    position_cr1 = cb_cr1->currentIndex();
    position_cr2 = cb_cr2->currentIndex();
    ctt_comm->setPlainText(c.commentaire);
    ctt_solde->setText(c.solde);
    ctt_crédits->setText(c.crédits);
    ctt_débits->setText(c.débits);
    ctt_volume->setText(c.volume);
    active_figures();

    if (c.catégorie >= 0 && c.catégorie < taille_liste::catégorie) {
        ob_kid[static_cast<std::size_t>(c.catégorie)]->setChecked(true);
        ob_kid_Click(c.catégorie);
    } else {
        for (QRadioButton* o : ob_kid) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
    }
}

void f_adhérents::montre_figures(int n)
{
    const adhérent& a = données.table_adhérents[static_cast<std::size_t>(n)];
    ctt_solde->setText(texte_affiché(a.der_solde));
    ctt_crédits->setText(QString::number(a.crédits));
    ctt_débits->setText(QString::number(a.débits));
    ctt_volume->setText(texte_affiché(a.volume));
}

void f_adhérents::active_figures()
{
    // Figures that are still zero may be typed; so may a volume that is no
    // more than the registration credit.
    monnaie volume;
    lit_montant(ctt_volume->text(), volume);
    ctt_solde->setEnabled(val_fr(ctt_solde->text()) == 0);
    ctt_crédits->setEnabled(val_fr(ctt_crédits->text()) == 0);
    ctt_débits->setEnabled(val_fr(ctt_débits->text()) == 0);
    ctt_volume->setEnabled(volume == données.solde_départ);
}

int f_adhérents::ajoute_ville(const QString& ville)
{
    QStringList villes;
    for (int i = 0; i < cb_ville->count(); ++i)
        villes << cb_ville->itemText(i);
    const int place = place_triée(villes, ville);
    const QSignalBlocker b(cb_ville);
    cb_ville->insertItem(place, ville);
    return place;
}

void f_adhérents::montre_ville(const QString& ville)
{
    const QString c = ville.trimmed();
    int index = -1;
    for (int i = 0; i < cb_ville->count() && index < 0; ++i)
        if (cb_ville->itemText(i).trimmed() == c)
            index = i;
    if (index < 0 && !c.isEmpty())
        index = ajoute_ville(c);
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(index);
        if (index < 0)
            cb_ville->setEditText(QString());
    }
    if (index >= 0)
        cherche_code_p();
}

void f_adhérents::montre_photo(const QString& photo)
{
    const QString chemin = photo.trimmed().isEmpty() ? QString() : trouve_fichier_stocké(photo.trimmed());
    const QPixmap image = chemin.isEmpty() ? QPixmap() : QPixmap(chemin);
    if (image.isNull()) {
        picture1->clear();
        return;
    }
    picture1->setPixmap(image.scaled(picture1->size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void f_adhérents::couleurs_statut(int statut)
{
    QColor couleur;
    switch (statut) {
    case 0: couleur = Qt::white; break;
    case 1: couleur = QColor(0x00, 0xFF, 0x00); break;
    case 2: couleur = QColor(0xFF, 0x00, 0x00); break;
    case 3: couleur = palette().color(QPalette::Disabled, QPalette::WindowText); break;
    default: return;
    }
    for (QComboBox* liste : {Liste_adhérents, cb_statut}) {
        QPalette p = liste->palette();
        p.setColor(QPalette::Button, couleur);
        p.setColor(QPalette::Base, couleur);
        liste->setPalette(p);
    }
}

// The status as shown: colours, and the caption of the button that deletes
// or restores.
void f_adhérents::montre_statut_choisi(int statut)
{
    if (statut == 2 || statut == 3)
        bt_supprimer->setText(caption_restaurer);
    couleurs_statut(statut);
}

void f_adhérents::cherche_adh_par_num()
{
    const QString texte = num_adhérent->text().trimmed();
    if (texte.isEmpty()) {
        const int i = Liste_adhérents->currentIndex();
        if (i >= 0)
            num_adhérent->setText(QString::number(Liste_adhérents->itemData(i).toInt()));
        return;
    }
    const int n = lit_numéro_adhérent(texte);
    const int i = n ? entrée_du_numéro(n) : -1;
    if (i >= 0) {
        if (i != Liste_adhérents->currentIndex() || n != numéro_affiché_)
            sélectionne_entrée(i);
        return;
    }
    if (nouveau_en_cours_)
        return;
    MsgBox(QStringLiteral("Aucun adhérent ne correspond à ce numéro"), style_boîte::information);
    {
        const QSignalBlocker b(Liste_adhérents);
        Liste_adhérents->setCurrentIndex(-1);
    }
    num_adhérent->clear();
}

void f_adhérents::num_adhérent_GotFocus()
{
    if (!num_adhérent->text().trimmed().isEmpty() && bt_valider->isEnabled() && !nouveau_en_cours_) {
        MsgBox(QStringLiteral("Validez d'abord ou annulez."), style_boîte::information);
        num_adhérent->setEnabled(false);
        return;
    }
    sélectionne_tout(num_adhérent);
}

// A number already taken cannot be given to the new member: the first free
// one is offered instead.
void f_adhérents::refuse_numéro_pris(const QString& texte)
{
    if (!numéro_pris(lit_numéro_adhérent(texte)))
        return;
    MsgBox(QStringLiteral("Ce numéro est déjà utilisé"), style_boîte::critique);
    if (const int libre = premier_numéro_libre())
        num_adhérent->setText(QString::number(libre));
}

void f_adhérents::num_adhérent_Entrée()
{
    if (nouveau_en_cours_) {
        const QString texte = num_adhérent->text();
        if (numéro_pris(lit_numéro_adhérent(texte))) {
            refuse_numéro_pris(texte);
            return;
        }
        ctt_prénom->show();
        ctt_prénom->setFocus();
    } else {
        cherche_adh_par_num();
        if (num_adhérent->text().trimmed().isEmpty() && Liste_adhérents->count() > 0)
            sélectionne_entrée(0);
    }
    num_adhérent->selectAll();
}

void f_adhérents::num_adhérent_LostFocus()
{
    if (nouveau_en_cours_)
        refuse_numéro_pris(num_adhérent->text());
    else
        cherche_adh_par_num();
    num_adhérent->end(false);
}

void f_adhérents::spin_adh_GotFocus() { règle_spin(); }

void f_adhérents::spin_adh_Change()
{
    const int i = spin_adh->value();
    if (i >= 0 && i < Liste_adhérents->count() && i != Liste_adhérents->currentIndex())
        sélectionne_entrée(i);
}

void f_adhérents::ob_kid_Click(int index)
{
    const bool autre = index == 2;
    Label1[6]->setVisible(!autre);
    ctt_date_cot->setVisible(!autre);
    picture1->setVisible(!autre);
    const QSignalBlocker b(cb_sexe);
    if (autre)
        cb_sexe->setCurrentIndex(2);
    else if (cb_sexe->currentIndex() == 2)
        cb_sexe->setCurrentIndex(1);
}

void f_adhérents::ob_kid_MouseDown(int) { marque_modifiée(); }

void f_adhérents::maj_adh_Click() { enlève_additif_adhérents(); }
void f_adhérents::maj_prop_Click() { enlève_additif_offres_demandes(); }
void f_adhérents::sommaire_aide_Click() { ouvre_aide(QStringLiteral("index")); }
void f_adhérents::tec_adh_Click() { ouvre_aide(QStringLiteral("techn_adh")); }

// ---------------------------------------------------------------- entry aids

void f_adhérents::marque_modifiée()
{
    modifiée_ = true;
    bt_valider->setEnabled(true);
}

void f_adhérents::cherche_ville()
{
    if (ctt_cp->text().isEmpty())
        return;
    QStringList villes;
    for (int i = 0; i < cb_ville->count(); ++i)
        villes << cb_ville->itemText(i);
    const int i = ville_du_code_postal(ctt_cp->text(), villes);
    if (i < 0)
        return;
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(i);
    }
    cherche_code_p();
}

void f_adhérents::cherche_code_p()
{
    if (!ctt_cp->text().trimmed().isEmpty())
        return;
    const QString cp = code_postal_de_ville(cb_ville->currentText());
    if (!cp.isNull())
        ctt_cp->setText(cp);
}

void f_adhérents::prend_ville()
{
    const QString ville = cb_ville->currentText().trimmed();
    for (int i = 0; i < cb_ville->count(); ++i)
        if (cb_ville->itemText(i) == ville) {
            {
                const QSignalBlocker b(cb_ville);
                cb_ville->setCurrentIndex(i);
            }
            if (ctt_cp->text().isEmpty())
                cherche_code_p();
            return;
        }
    const int i = ajoute_ville(ville);
    {
        const QSignalBlocker b(cb_ville);
        cb_ville->setCurrentIndex(i);
    }
    cherche_code_p();
}

void f_adhérents::retire_ville()
{
    const QString ville = cb_ville->currentText().trimmed();
    for (int i = 0; i < cb_ville->count(); ++i)
        if (cb_ville->itemText(i) == ville) {
            const QSignalBlocker b(cb_ville);
            cb_ville->removeItem(i);
            cb_ville->setEditText(ville);
            return;
        }
}

void f_adhérents::renomme_entrée(QComboBox* liste, bool par_saisie)
{
    int* position = liste == cb_cr1   ? &position_cr1
                    : liste == cb_cr2 ? &position_cr2
                    : liste == cb_nat ? &position_nat
                                      : &position_qual;
    // Nothing is renamed while no entry was chosen.
    if (*position < 0 || *position >= liste->count())
        return;
    QString nom;
    if (par_saisie) {
        const bool critère = liste == cb_nat || liste == cb_qual;
        if (liste == cb_nat)
            inf_modif();
        const QString défaut = liste == cb_nat ? liste->itemText(*position) : liste->currentText();
        nom = InputBox(QStringLiteral("Modification de la liste"),
                       critère ? QStringLiteral("Tapez le nouveau nom pour ce critère")
                               : QStringLiteral("Tapez le nouveau nom "),
                       défaut);
    } else {
        nom = liste->currentText();
    }
    if (nom.isEmpty())
        return;
    liste->setItemText(*position, nom);
    {
        const QSignalBlocker b(liste);
        liste->setCurrentIndex(*position);
    }
    if (liste != cb_nat || !par_saisie)
        inf_modif();
}

void f_adhérents::bt_parcourir_Click()
{
    marque_modifiée();
    const QString photo = choisit_image();
    if (photo.isEmpty())
        return;  // cancelled: the photo stays as it was
    ctt_nom_photo->setText(photo);
    if (QFileInfo::exists(photo))
        montre_photo(photo);
}
