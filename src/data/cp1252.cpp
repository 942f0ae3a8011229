#include "data/cp1252.h"

#include <QStringDecoder>
#include <array>

namespace {

// Bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte's character, looked up in one step.
constexpr std::array<char16_t, 256> caractères = [] {
    std::array<char16_t, 256> t{};
    for (int o = 0; o < 256; ++o)
        t[o] = (o >= 0x80 && o < 0xA0) ? haut[o - 0x80] : static_cast<char16_t>(o);
    return t;
}();

}  // namespace

void depuis_cp1252(const char* octets, qsizetype taille, QChar* sortie)
{
    // Widened as Latin-1 unless a byte 0x80 to 0x9F (seldom met) is there:
    // two loops the compiler turns into vector code.
    const auto* __restrict o = reinterpret_cast<const unsigned char*>(octets);
    auto* __restrict u = reinterpret_cast<char16_t*>(sortie);
    unsigned char hors_latin1 = 0;
    for (qsizetype i = 0; i < taille; ++i)
        hors_latin1 |= static_cast<unsigned char>(o[i] - 0x80) < 0x20;
    if (hors_latin1) {
        for (qsizetype i = 0; i < taille; ++i)
            u[i] = caractères[o[i]];
        return;
    }
    for (qsizetype i = 0; i < taille; ++i)
        u[i] = o[i];
}

QString depuis_cp1252(const char* octets, qsizetype taille)
{
    QString texte(taille, Qt::Uninitialized);
    depuis_cp1252(octets, taille, texte.data());
    return texte;
}

QString depuis_cp1252(const QByteArray& octets)
{
    return depuis_cp1252(octets.constData(), octets.size());
}

int octet_cp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (haut[i] == u)
            return 0x80 + i;
    return -1;
}

QByteArray vers_cp1252(const QString& texte)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    char* sortie = octets.data();
    const QChar* entrée = texte.constData();
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t u = entrée[i].unicode();
        if (u < 0x80) {
            sortie[i] = static_cast<char>(u);
            continue;
        }
        const int o = octet_cp1252(entrée[i]);
        sortie[i] = o < 0 ? '?' : static_cast<char>(o);
    }
    return octets;
}

bool représentable_cp1252(const QString& texte)
{
    for (QChar c : texte)
        if (octet_cp1252(c) < 0)
            return false;
    return true;
}

QString texte_importé(const QByteArray& octets)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(octets);
    if (!utf8.hasError()) {
        if (texte.startsWith(QChar(0xFEFF)))
            texte.remove(0, 1);
        return texte;
    }
    return depuis_cp1252(octets);
}

bool utf8_multioctet(const QByteArray& octets)
{
    // Strict UTF-8: no overlong form, no surrogate, nothing above U+10FFFF.
    // A Windows-1252 file fails at its first accented letter, so this stops
    // early on the files the program writes.
    const auto* p = reinterpret_cast<const unsigned char*>(octets.constData());
    const qsizetype n = octets.size();
    bool multioctet = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int suite = 0;
        unsigned min = 0, max = 0xBF;  // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            suite = 1;
            min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            suite = 2;
            min = c == 0xE0 ? 0xA0 : 0x80;
            max = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            suite = 3;
            min = c == 0xF0 ? 0x90 : 0x80;
            max = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + suite >= n || p[i + 1] < min || p[i + 1] > max)
            return false;
        for (int k = 2; k <= suite; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += suite + 1;
        multioctet = true;
    }
    return multioctet;
}
