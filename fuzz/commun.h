#pragma once
// What every fuzz target shares: a throw-away program folder, a fixed clock,
// a dialog service that answers from bits the input chooses, the made-up
// association the loads start from, and the check that stops the run.
#include "data/dialogues.h"
#include "data/modele.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Once per run: Qt without a screen, P in a fresh temporary folder.
void prépare_fuzz();

// The association every load starts from: settings, members, offers,
// classification and account lines, with records outside the lists.
données_sel& association_de_départ();

// The same data as `référence`. Run after every input, so quick: tables
// whose bytes are the same hold the same records (a record changed through
// Qt's shared texts gets a text of its own, and so other bytes); otherwise
// they are compared record by record.
bool mêmes_données(données_sel& d, données_sel& référence);
// d := référence, the same way: only the tables that differ are copied.
void remet_données(données_sel& d, données_sel& référence);

// The answers to the next boxes, one bit each (1: OK, Yes, Retry); past the
// last bit, the safe button.
void réponses(std::uint8_t bits);

// Writes octets to P/nom and returns the path.
QString dépose(const QString& nom, const QByteArray& octets);

QByteArray octets_de(const std::uint8_t* data, std::size_t size);

// A broken property: says which and aborts, so that the fuzzer keeps the input.
[[noreturn]] void échec(const char* quoi);
inline void exige(bool condition, const char* quoi)
{
    if (!condition)
        échec(quoi);
}
