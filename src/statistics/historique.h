#pragma once
// The statistics history: one snapshot per calendar quarter of the members,
// the offers and requests and the exchanges, kept in P/evolstat.dat as fixed
// records of 51 bytes (little-endian integers, the label in Windows-1252).
// The snapshot of the current quarter is taken at exit, before archiving and
// when the history is shown; only while the default data file is open.
#include "data/valeurs.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr int taille_stat_trimestre = 51;
inline constexpr const char* nom_fichier_évolution = "evolstat.dat";

struct stat_trimestre {
    QString trimestre;  // 13 characters, as libellé_trimestre builds it
    int16 nbr_adhérents = 0;
    int16 nbr_enfants = 0;
    int16 nbr_adultes = 0;
    int16 nbr_masc = 0;
    int16 nbr_fem = 0;
    int16 nbr_offres = 0;
    int16 nbr_demandes = 0;
    std::array<int16, 5> nbr_par_genre{};
    int16 nbr_opérations = 0;
    std::int32_t volume = 0;  // whole units of the local currency
    double date_relevé = 0;   // moment of the snapshot
    bool operator==(const stat_trimestre&) const = default;
};

// The 51 bytes of a record: label 0-12, seven counts 13-26, the five genre
// counts 27-36, operations 37-38, volume 39-42, moment 43-50.
QByteArray encode_trimestre(const stat_trimestre& s);
// Reads 51 bytes (no fewer).
stat_trimestre décode_trimestre(const char* octets);

// A record as a snapshot writes it: the label of a quarter (blank when the
// date could not be read), no count and no volume below zero. Bytes damaged
// on disk almost never read as one.
bool trimestre_intact(const stat_trimestre& s);

QString chemin_évolution();  // P/evolstat.dat

// " 2026- 1°trim": year and quarter of today, each after one blank.
QString libellé_trimestre();

// Debit lines of member accounts recorded strictly after `depuis`, and the
// running total of their amounts, rounded to a whole unit (halves to even)
// after each line.
std::int64_t nombre_échanges_date(double depuis);
std::int64_t volume_échanges_date(double depuis);

// Takes or refreshes the snapshot of the current quarter. Never fails to its
// caller: a problem (a figure its field cannot hold among them) is told in a
// message box and the file stays as it was. The file is rewritten whole
// through a temporary file.
void enregistre_évolution();

// The whole, intact records of the history file, oldest first; a tail
// shorter than a record is left out, a damaged record too, and told. An
// absent file has none; reading never creates it.
struct historique_lu {
    std::vector<stat_trimestre> trimestres;
    QString erreur;  // why the file could not be read whole; empty when it could
};
historique_lu lit_historique();
