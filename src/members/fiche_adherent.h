#pragma once
// A member record as the register window shows it: the texts and list
// positions of its fields, and the way back from them into the record, with
// the checks a validation makes. Nothing here touches a widget.
#include "data/modele.h"

#include <QString>

// Sizes of the window's fixed lists; a stored position outside its list shows
// no selection.
namespace taille_liste {
inline constexpr int sexe = 3, civilité = 6, statut = 4, catégorie = 3, critère = 10;
}

// The fields of the window, in the forms the controls hold. A position of -1
// stands for "nothing selected".
struct champs_adhérent {
    QString prénom;  // identifier
    QString nom_adresse, rue, cp, ville, tel1, tel2, e_mail, photo;
    QString date_adh, date_cot;
    int civilité = -1, sexe = -1, statut = -1, critère0 = -1, qualité = -1, critère1 = -1, critère2 = -1;
    int catégorie = -1;
    QString commentaire;
    QString solde, débits, crédits, volume;
    bool operator==(const champs_adhérent&) const = default;
};

// What the window shows of a record: texts trimmed (the notes as stored),
// dates in the general date form ("00:00:00" for no date), amounts with a
// decimal comma, positions as stored (even outside their lists).
champs_adhérent champs_de(const adhérent& a);

// A typed date: day first, two- or four-digit year, an optional time; the
// texts "00:00:00" and "000:00:00" put in by the date keys are no date (0).
bool lit_date_saisie(const QString& texte, double& date);

// The account figures typed in the four account fields: the number each text
// begins with (comma or point), counts rounded halves to even. An empty field
// is 0.
struct figures_compte {
    monnaie solde, volume;
    int16 débits = 0, crédits = 0;
};
// False, after saying which field cannot be held by the record, when a count
// lies outside -32768..32767 or an amount beyond the range of amounts.
bool lit_figures_compte(const champs_adhérent& c, figures_compte& f);

// Why a validation was refused (each refusal has told the user).
enum class refus_fiche { aucun, numéro, identifiant, numéro_pris, place, figures, date_adhésion, date_cotisation };

// Stores the fields into the record: first the account figures are checked
// (nothing stored on refusal), then the two dates, each refused with its
// message (the adhesion date stays stored when the subscription date is the
// one refused), then every other field, cut or padded to its width, with
// today as the date of last validation. A position of -1 leaves its field as
// it was, and so does a category that none of the options holds.
refus_fiche range_champs(const champs_adhérent& c, adhérent& a);
