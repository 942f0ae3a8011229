#pragma once
// Entry of the offers and requests (propositions) of a member: validation of
// the editor's fields into the record shown, new proposition in a free slot,
// deletion, restoration, and the member's two lists. The editor window keeps
// the fields and an édition_proposition; these procedures change the tables
// in memory only (the window saves when it closes).
#include "data/modele.h"

#include <QString>
#include <vector>

// What the editor's controls hold.
struct champs_proposition {
    int type = 0;         // 1 "Offre", 2 "Demande", 0 neither selected
    QString code;         // text of the code field
    int genre = -1;       // index into noms_genres; -1 none selected
    int cible = -1;       // 0 "pour tous", 1 "pour enfants", 2 "pour adultes"; -1 none selected
    int statut = 0;       // additif 0..3 as chosen in the status list
    QString description;
    bool operator==(const champs_proposition&) const = default;
};

// The proposition the editor shows, and the editor's own pending change:
// what is typed in another window is none of its business.
struct édition_proposition {
    int slot = 0;           // its slot in table_propositions; 0 when none is shown
    int adhérent = 0;       // the member it was shown under
    bool nouvelle = false;  // a new proposition is being entered in `slot`
    bool modifiée = false;  // a field was entered or touched since the last validation
};

// The target shown for a record: the child marker wins over the adult one.
int cible_de(const proposition& p);
// The editor's fields for the proposition in a slot.
champs_proposition champs_de_proposition(int slot);

enum class résultat_validation { validée, rien_à_valider, refusée };

// "Valider": writes the fields into the record of é.slot for é.adhérent.
// Nothing to validate while é.modifiée is False or when no proposition is
// shown. A refusal names the first wrong field and leaves in the record what
// the steps before it wrote (type, code, genre); the change stays pending, so
// that nothing typed is dropped without a word. An accepted validation
// clears é.modifiée. A new proposition takes the last place of the list
// order only here.
résultat_validation valide_proposition(édition_proposition& é, const champs_proposition& c);

// "Nouvelle": refused on an archive copy and when no slot is free. Chooses
// the smallest free slot and fills `c` with the starting fields (first
// section with last digit 1, first genre, status "Nouvelle", "pour enfants"
// for a child member); the type stays as the editor shows it.
bool commence_nouvelle_proposition(édition_proposition& é, int adhérent, champs_proposition& c);
// "Annuler" of a new proposition: nothing was counted, nothing stays.
void annule_nouvelle_proposition(édition_proposition& é);
// "Supprimer": status 2 at once, then the validation of the fields.
résultat_validation supprime_proposition(édition_proposition& é, champs_proposition c);
// "Restaurer": status 0 at once; the record is validated by the next "Valider".
void restaure_proposition(édition_proposition& é);
// A press on "Offre" (1) or "Demande" (2): marks a change and, for a listed
// proposition, writes the type at once.
void change_type_proposition(édition_proposition& é, int type);

// A member's offers and requests in list order, every status included.
struct ligne_proposition {
    QString texte;
    int slot = 0;
    bool operator==(const ligne_proposition&) const = default;
};
struct listes_adhérent {
    std::vector<ligne_proposition> offres, demandes;
};
listes_adhérent listes_offres_demandes(int adhérent);

namespace textes_propositions {
inline const QString rien_à_valider = QStringLiteral("Il n'y a rien de nouveau à valider");
inline const QString type_manquant = QStringLiteral("Vous devez choisir offre ou demande ");
inline const QString code_incorrect = QStringLiteral("Votre code est incorrect ");
inline const QString genre_manquant = QStringLiteral("Vous n'avez pas précisé le genre d'offre/demande ");
inline const QString cible_manquante =
    QStringLiteral("Vous n'avez pas précisé si c'est une proposition d'adulte ou d'enfant.");
inline const QString description_manquante = QStringLiteral("Il n'y a aucune description de l'offre / demande .");
inline const QString table_pleine = QStringLiteral("Le fichier ne peut pas contenir plus de 3000 offres-demandes.");
}  // namespace textes_propositions
