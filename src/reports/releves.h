#pragma once
// The individual statements: the account statement (the lines of one
// account), the catalogue statement (a member's current offers and
// requests), their titles, and the printed page of one statement (date,
// header text or logo, address, grids, summary), one document each; and the
// run that prints the statement of every account of a list under the
// "J'imprime" box.
#include "reports/etats_comptes.h"
#include "ui_common/grille.h"
#include "ui_common/surface.h"

#include <QString>
#include <functional>

inline const QString relevé_compte = QStringLiteral("compte");
inline const QString relevé_catalogue = QStringLiteral("catalogue");

// Nothing is extracted for an account statement while the ledger is empty,
// for a catalogue statement while there is no proposition, nor without
// members: the grid keeps what it holds.
bool tables_pour_relevé(const QString& type_relevé);
// Fills g with the statement of compte: its lines, newest first, under the
// short account-line header, or the member's offers then requests. Any other
// kind fills nothing. The columns are fitted either way.
void remplit_relevé(grille& g, const QString& type_relevé, int compte, const choix_lignes& choix);

// The statement's title; entrée is the account's entry in the list (its
// trailing blanks are left out), texte_dernières the last-operations choice
// as shown. Any other kind gives nothing.
std::optional<QString> titre_relevé(const QString& type_relevé, const QString& entrée, const choix_lignes& choix,
                                    const QString& texte_dernières);

// What heads a printed statement.
struct tête_relevé {
    int type_entête = 0;  // 0 the header text, 1 the logo, 2 neither
    bool avec_adresse = false;
    QString adresse;
    police_grille police;         // the grid's font on screen
    double largeur_écran = 0;     // the grid's width on screen, twips
};
// Prints the date line, the header text or the logo and the address, in the
// grid's font made bold and brought down to the sheet; returns the top of
// what follows them.
double imprime_tête_relevé(surface_page& papier, const tête_relevé& tête);

// What the window shows once it has chosen the account and extracted one
// kind of statement into the grid.
struct relevé_préparé {
    QString titre;
    QString résumé;
};
using prépare_relevé = std::function<relevé_préparé(const QString& type_relevé)>;

struct options_relevé {
    tête_relevé tête;
    QString type_relevé;         // of a single statement
    bool relevé_simple = true;   // false: catalogue then account, cumulated
    bool avec_résumé = true;     // a single statement shows the summary when it is of accounts
    bool horizontales = false, verticales = false;
};
// Prints one statement as one document: the head, then the grid(s) that
// prépare fills for each kind, then the summary. A grid too wide for the
// sheet cancels the document (imprime_grille says so and sets
// arrêt_demandé): nothing more is printed for it. False then.
bool imprime_relevé(surface_page& papier, grille& g, const options_relevé& options, const prépare_relevé& prépare);

// Prints on papier, for each position 0..nombre - 1 of a list in turn, what
// imprime_un prints, with the "J'imprime" box on screen and every other
// window of the program disabled. Events run before and after each account;
// once arrêt_demandé is set (the box's "Annuler", a grid too wide) no
// further account is printed. The statements are one run of documents, so
// that a PDF file holds them all, those printed before a stop included.
// Returns how many were printed.
int imprime_chaque_compte(surface_page& papier, int nombre, const std::function<void(int position)>& imprime_un);
