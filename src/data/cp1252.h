#pragma once
// Windows-1252, the code page of the association's files: data file, balances,
// saved selections, exports. Qt has no such codec; this one round-trips all
// 256 bytes (the five bytes Windows leaves undefined map to U+0081 etc.).
#include <QByteArray>
#include <QString>

QString depuis_cp1252(const QByteArray& octets);
QString depuis_cp1252(const char* octets, qsizetype taille);
// Into sortie, which has room for taille characters.
void depuis_cp1252(const char* octets, qsizetype taille, QChar* sortie);

// Characters that Windows-1252 cannot hold become '?'.
QByteArray vers_cp1252(const QString& texte);

// Byte of one character, or -1 when the code page has no such character.
int octet_cp1252(QChar c);
bool représentable_cp1252(const QString& texte);

// Bytes that are valid UTF-8 and hold at least one multi-byte sequence: text
// saved by an editor in UTF-8 rather than in Windows-1252 (a Windows-1252
// file of French text is almost never valid UTF-8 as a whole).
bool utf8_multioctet(const QByteArray& octets);

// Text read from a tab-separated file or the clipboard: strict UTF-8 when the
// bytes are valid UTF-8, Windows-1252 otherwise.
QString texte_importé(const QByteArray& octets);
