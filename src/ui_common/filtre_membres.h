#pragma once
// What the windows that work on a chosen set of members (labels and lists,
// exchanges, statistics, account states and statements) reach of the member
// filter, which lives above them in the members library.
//
// The filter box: montre_filtre_membres(tag) writes the tag into
// appelant_filtre and shows the box "p_filtrfam" modal. When it closes, the
// box fills the member list of the window the tag names (below), loading that
// window without showing it if need be: the list is found by its object name,
// so each window names its list as given here. A list is a QListWidget or a
// QComboBox; each entry shows the member's identifier and carries the member
// number as its Qt::UserRole data, in the members' list order.
//
// Saved selections: charge_etat(path, list) restores the selection file and
// refills the list the same way, without showing the box.
#include "data/modele.h"
#include "ui_common/fenetres.h"

#include <QString>
#include <functional>

class QWidget;

struct destination_filtre {
    QString fenêtre;  // registered window name
    QString liste;    // object name of its member list
};

// The window and list that receive the box's result for a tag; empty for a
// tag that names none ("enr", the tag of a restored selection, among them).
inline destination_filtre destination_du_filtre(const QString& tag)
{
    if (tag == QStringLiteral("impression"))
        return {noms_fenêtres::impression, QStringLiteral("liste")};
    if (tag == QStringLiteral("comptes"))
        return {noms_fenêtres::compta, QStringLiteral("liste_comptes_asso")};
    if (tag == QStringLiteral("stats"))
        return {noms_fenêtres::statistiques, QStringLiteral("liste")};
    if (tag == QStringLiteral("comptes_relevés"))
        return {noms_fenêtres::relevés, QStringLiteral("Liste_comptes")};
    // The account-states window gets its own result back.
    if (tag == QStringLiteral("comptes_états"))
        return {noms_fenêtres::états, QStringLiteral("Liste_comptes")};
    return {};
}

// Shows the member filter box modal for the window of that tag; returns once
// it is closed, the window's list then filled.
inline void montre_filtre_membres(const QString& tag)
{
    appelant_filtre = tag;
    if (fenêtre_programme* f = charge_fenêtre(QStringLiteral("p_filtrfam")))
        montre_modale(*f);
}

// Set by the members library at start-up.
inline std::function<bool(const QString& chemin, QWidget* liste)> branchement_charge_etat;

// Restores the saved selection at chemin and refills liste with the members
// that pass it; appelant_filtre becomes "enr". False when the file could not
// be read (the user has been told): the list is then left as it was.
inline bool charge_etat(const QString& chemin, QWidget* liste)
{
    return branchement_charge_etat && branchement_charge_etat(chemin, liste);
}
