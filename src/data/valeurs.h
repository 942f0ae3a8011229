#pragma once
// The value types of the association's data and their text forms: amounts,
// dates, fixed-width texts and variants, the French forms shown and typed,
// and the few Basic conversions the program's rules are written in.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>

using int16 = std::int16_t;

// ---------------------------------------------------------------- amounts
// Fixed-point amount in ten-thousandths of the association's unit. Never a
// binary floating point in a computation.
struct monnaie {
    std::int64_t brut = 0;

    static constexpr monnaie depuis_brut(std::int64_t b) { return monnaie{b}; }
    static constexpr monnaie unités(std::int64_t n) { return monnaie{n * 10000}; }
    // Nearest amount (half away from zero); for values that come from a single.
    static monnaie depuis_réel(double v);
    double en_réel() const { return static_cast<double>(brut) / 10000.0; }

    constexpr auto operator<=>(const monnaie&) const = default;
    constexpr monnaie operator+(monnaie b) const { return {brut + b.brut}; }
    constexpr monnaie operator-(monnaie b) const { return {brut - b.brut}; }
    constexpr monnaie operator-() const { return {-brut}; }
    constexpr monnaie& operator+=(monnaie b) { brut += b.brut; return *this; }
    constexpr monnaie& operator-=(monnaie b) { brut -= b.brut; return *this; }
};

// Item form of the data file: "12.5", ".25", "-.25", "0".
QString texte_fichier(monnaie m);
// Shown form: decimal comma, no trailing zeros ("12,5", "-0,25", "300").
QString texte_affiché(monnaie m);
// A whole amount in a Basic format mask made of "#", "0" and blanks
// ("000", "### 000", "### ### 000"): digits fill the places from the right,
// "0" places always show a digit, blanks show between the places, and digits
// beyond the mask go in front in further groups of three, as if the mask
// were longer. A minus sign stands first. An amount with decimals keeps them
// after a comma, as texte_affiché writes them. The mask "000" gives the
// tables' form: "005", "1 500", "12 406 520", "-12 345,5".
QString format_groupes(monnaie m, QStringView masque);
// Typed or grid form: blanks ignored, "," or "." as decimal point, an optional
// sign; more than four decimals round half to even. False when not an amount.
bool lit_montant(const QString& texte, monnaie& résultat);
bool lit_montant(QLatin1StringView texte, monnaie& résultat);

// ---------------------------------------------------------------- dates
// Dates are days since 1899-12-30 as a double, the time as the fraction;
// 0 is "no date". Before 1899-12-30 the fraction still counts forward.
QDate jour_de(double d);
QTime heure_de(double d);
double date_depuis(const QDate& jour, const QTime& heure = QTime(0, 0));
// From the days since 1899-12-30 and the milliseconds of the day.
double date_depuis(qint64 jours, int millisecondes);
// Days from 1899-12-30 to a day of the calendar, as QDate(année, mois,
// jour) gives them; nothing for a day the calendar has not. Built without a
// QDate: a data file holds tens of thousands of dates.
std::optional<qint64> jours_du_calendrier(int année, int mois, int jour);
// A date as jour_de and heure_de give it, at once: its days since
// 1899-12-30, its calendar day (0/0/0 beyond QDate's range, as an invalid
// QDate) and its second of the day.
struct jour_calendrier {
    int année = 0, mois = 0, jour = 0;
};
struct date_décomposée {
    qint64 jours = 0;
    jour_calendrier jour;
    int seconde = 0;
};
date_décomposée décompose_date(double d);
double date_depuis(const QDateTime& moment);
bool a_une_heure(double d);

// Item form of the data file: #1999-03-31 14:05:00#, #1999-03-31#, #14:05:00#,
// and #00:00:00# for no date.
QString texte_date_fichier(double d);
// Reads the part between the number signs; #1899-12-30# and #00:00:00# give 0.
bool lit_date_fichier(const QString& intérieur, double& résultat);

// General date text: "31/03/1999", "31/03/1999 14:05:00", "14:05:00", and
// "00:00:00" for no date.
QString texte_date(double d);
// Short date text: "31/03/1999"; empty for no date.
QString date_courte(double d);
// Typed date, day first: "jj/mm/aaaa" or "jj/mm/aa" (separators / - . or
// blank), optionally followed by "hh:mm" or "hh:mm:ss"; also a time alone, and
// "aaaa-mm-jj". Two-digit years: 00-29 give 2000-2029, 30-99 give 1930-1999.
// Checked against the calendar; false when not a date.
bool lit_date(const QString& texte, double& résultat);
// Two-digit year to four digits as above; years of three or four digits stay.
int année_complète(int année);

// "Today" and "now" of the program; tests set them.
QDate aujourdhui();
double maintenant();
void fixe_horloge(const QDateTime& moment);  // invalid moment: the real clock again

// ---------------------------------------------------------------- fixed texts
// text(N): always exactly N characters, cut or padded with blanks on the right.
QString à_largeur(const QString& texte, int largeur);

template <int N>
class texte_fixe {
public:
    // Every blank field shares one text: a model holds some 50 000 of them,
    // and copying or comparing a model must not touch each one apart.
    texte_fixe() : t_(blancs()) {}
    texte_fixe(const QString& t) : t_(à_largeur(t, N)) {}
    texte_fixe(const char* t) : t_(à_largeur(QString::fromUtf8(t), N)) {}
    texte_fixe& operator=(const QString& t) { t_ = à_largeur(t, N); return *this; }
    texte_fixe& operator=(const char* t) { t_ = à_largeur(QString::fromUtf8(t), N); return *this; }
    operator const QString&() const { return t_; }
    const QString& str() const { return t_; }
    QString trimmed() const { return t_.trimmed(); }
    static constexpr int largeur = N;
    bool operator==(const texte_fixe&) const = default;

private:
    static const QString& blancs()
    {
        static const QString b(N, QLatin1Char(' '));
        return b;
    }
    QString t_;
};

// ---------------------------------------------------------------- variants
// A value that holds a text, a number, a Boolean, a date, or nothing.
struct variante {
    enum class sorte { vide, texte, nombre, booléen, date };
    sorte s = sorte::vide;
    QString t;
    double n = 0;  // number, date, or Boolean (-1 / 0)

    static variante de_texte(const QString& v) { return {sorte::texte, v, 0}; }
    static variante de_nombre(double v) { return {sorte::nombre, {}, v}; }
    static variante de_booléen(bool v) { return {sorte::booléen, {}, v ? -1.0 : 0.0}; }
    static variante de_date(double v) { return {sorte::date, {}, v}; }
    bool vide() const { return s == sorte::vide; }
    // Text of the value as the program shows it (CStr).
    QString en_texte() const;
    // Number of the value: numbers, dates and Booleans as they are, a text
    // read as a number (0 when it is not one), empty as 0.
    double en_nombre() const;
    bool operator==(const variante&) const = default;
};

// ---------------------------------------------------------------- numbers
// Item forms of the data file (classic Basic write form): no leading zero
// below one, no trailing zeros; singles to 7 significant digits, doubles to 15.
QString texte_simple(float v);
QString texte_double(double v);

// Reads a number in item form (".5", "0.5", "-.5", "1E+07"); false otherwise.
bool lit_nombre_fichier(const QString& texte, double& résultat);

// Any number typed or taken from a grid: blanks ignored, "," or "." as the
// decimal separator, optional sign and exponent.
bool lit_nombre(const QString& texte, double& résultat);
bool est_numérique(const QString& texte);  // IsNumeric

// Shown form of a number: decimal comma, up to 15 significant digits.
QString texte_nombre(double v);

// Basic Val: the leading number of the text, blanks anywhere ignored, the
// point as the only decimal separator, &H and &O prefixes; 0 when none.
double Val(const QString& texte);
// Val that also takes a comma as the decimal separator, for typed numbers.
double val_fr(const QString& texte);

// Basic CInt: to the nearest integer, halves to even; throws erreur_basic
// ("Dépassement de capacité") outside -32768..32767 and ("Type incompatible")
// for a text that is not a number.
int16 CInt(double v);
int16 CInt(const QString& texte);
// Same rounding for a 32-bit result (CLng).
std::int32_t CLng(double v);

struct erreur_basic : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Basic Format for numeric masks made of 0, #, one decimal point and an
// optional trailing % ("00", "##0", "#0%", "0.00"); French decimal comma.
QString Format(double v, const QString& masque);
