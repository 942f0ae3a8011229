#include "data/valeurs.h"

#include <QRegularExpression>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

// ---------------------------------------------------------------- amounts

monnaie monnaie::depuis_réel(double v)
{
    return monnaie{std::llround(v * 10000.0)};
}

namespace {

QString texte_montant(monnaie m, QChar séparateur, bool zéro_devant)
{
    const bool négatif = m.brut < 0;
    const std::uint64_t u = négatif ? 0 - static_cast<std::uint64_t>(m.brut)
                                    : static_cast<std::uint64_t>(m.brut);
    const std::uint64_t entier = u / 10000, fraction = u % 10000;
    QString s;
    if (négatif)
        s += QLatin1Char('-');
    if (entier > 0 || zéro_devant || fraction == 0)
        s += QString::number(entier);
    if (fraction) {
        QString f = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        s += séparateur + f;
    }
    return s;
}

bool est_blanc(QChar c)
{
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F);
}

QString sans_blancs(const QString& texte)
{
    QString s;
    s.reserve(texte.size());
    for (QChar c : texte)
        if (!est_blanc(c))
            s += c;
    return s;
}

// An amount from the characters car(0) .. car(n - 1), blanks passed over
// where they stand: the data file's 30 000 amounts are read so, with no text
// made of them.
template <typename Car>
bool lit_montant_de(qsizetype n, Car car, monnaie& résultat)
{
    qsizetype i = 0;
    auto passe_blancs = [&] {
        while (i < n && est_blanc(car(i)))
            ++i;
    };
    passe_blancs();
    bool négatif = false;
    if (i < n && (car(i) == QLatin1Char('-') || car(i) == QLatin1Char('+'))) {
        négatif = car(i++) == QLatin1Char('-');
        passe_blancs();
    }
    std::uint64_t entier = 0;
    int chiffres = 0;
    for (; i < n && car(i).isDigit(); ++chiffres) {
        if (entier > 92233720368546ULL)
            return false;  // beyond the range of an amount
        entier = entier * 10 + static_cast<unsigned>(car(i++).digitValue());
        passe_blancs();
    }
    // Up to four decimals kept exactly, the fifth and beyond decide the rounding.
    std::uint64_t fraction = 0;
    int décimales = 0;
    bool reste_non_nul = false;
    int cinquième = -1;
    if (i < n && (car(i) == QLatin1Char(',') || car(i) == QLatin1Char('.'))) {
        ++i;
        passe_blancs();
        for (; i < n && car(i).isDigit(); ++chiffres) {
            const int c = car(i++).digitValue();
            passe_blancs();
            if (décimales < 4)
                fraction = fraction * 10 + static_cast<unsigned>(c);
            else if (décimales == 4)
                cinquième = c;
            else if (c)
                reste_non_nul = true;
            ++décimales;
        }
    }
    if (i != n || chiffres == 0)
        return false;
    for (int d = décimales; d < 4; ++d)
        fraction *= 10;
    std::uint64_t total = entier * 10000 + fraction;
    if (cinquième > 5 || (cinquième == 5 && (reste_non_nul || (total & 1))))
        ++total;
    if (total > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return false;
    résultat.brut = négatif ? -static_cast<std::int64_t>(total) : static_cast<std::int64_t>(total);
    return true;
}

}  // namespace

QString texte_fichier(monnaie m) { return texte_montant(m, QLatin1Char('.'), false); }
QString texte_affiché(monnaie m) { return texte_montant(m, QLatin1Char(','), true); }

QString format_groupes(monnaie m, QStringView masque)
{
    const bool négatif = m.brut < 0;
    const std::uint64_t absolu =
        négatif ? 0 - static_cast<std::uint64_t>(m.brut) : static_cast<std::uint64_t>(m.brut);
    char chiffres[24];
    int reste = 0;
    for (std::uint64_t u = absolu / 10000; u > 0; u /= 10)
        chiffres[reste++] = static_cast<char>('0' + u % 10);  // from the units up

    qsizetype places = 0;
    for (const QChar c : masque)
        if (c == QLatin1Char('0') || c == QLatin1Char('#'))
            ++places;
    // Each group beyond the mask is "### " in front of it.
    const qsizetype groupes = reste > places ? (reste - places + 2) / 3 : 0;
    QString résultat(masque.size() + 4 * groupes + (négatif ? 1 : 0), QLatin1Char(' '));
    qsizetype fin = résultat.size();
    int pris = 0;
    const auto place = [&](QChar c) {
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (pris < reste)
                résultat[--fin] = QLatin1Char(chiffres[pris++]);
            else if (c == QLatin1Char('0'))
                résultat[--fin] = QLatin1Char('0');
        } else {
            résultat[--fin] = c;
        }
    };
    for (qsizetype i = masque.size() - 1; i >= 0; --i)
        place(masque[i]);
    for (qsizetype g = 0; g < groupes; ++g)
        for (const char c : {' ', '#', '#', '#'})
            place(QLatin1Char(c));
    if (négatif)
        résultat[--fin] = QLatin1Char('-');
    résultat.remove(0, fin);
    if (absolu % 10000) {
        const QString fraction = texte_affiché(monnaie::depuis_brut(static_cast<std::int64_t>(absolu % 10000)));
        résultat += fraction.mid(fraction.indexOf(QLatin1Char(',')));
    }
    return résultat;
}

bool lit_montant(const QString& texte, monnaie& résultat)
{
    return lit_montant_de(texte.size(), [&](qsizetype i) { return texte[i]; }, résultat);
}

bool lit_montant(QLatin1StringView texte, monnaie& résultat)
{
    return lit_montant_de(texte.size(), [&](qsizetype i) { return QChar(texte[i]); }, résultat);
}

// ---------------------------------------------------------------- dates

namespace {

const QDate origine(1899, 12, 30);

// Whole day and second of the day; a time that rounds to midnight moves to
// the next day.
void décompose(double d, qint64& jour, int& seconde)
{
    // Far beyond any calendar, and never a conversion out of range.
    if (!(std::fabs(d) < 1e15))
        d = std::isnan(d) ? 0.0 : std::copysign(1e15, d);
    const double t = std::trunc(d);
    jour = static_cast<qint64>(t);
    long long s = std::llround(std::fabs(d - t) * 86400.0);
    if (s >= 86400) {
        if (d >= 0) {
            ++jour;
            s = 0;
        } else {
            s = 86399;
        }
    }
    seconde = static_cast<int>(s);
}

QString deux(int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

// Grids show thousands of dates: their texts are written digit by digit.
void écrit_deux(QChar*& p, int n)
{
    *p++ = QLatin1Char(static_cast<char>('0' + n / 10));
    *p++ = QLatin1Char(static_cast<char>('0' + n % 10));
}

QString texte_heure(int seconde)
{
    QString s(8, Qt::Uninitialized);
    QChar* p = s.data();
    écrit_deux(p, seconde / 3600);
    *p++ = QLatin1Char(':');
    écrit_deux(p, seconde / 60 % 60);
    *p++ = QLatin1Char(':');
    écrit_deux(p, seconde % 60);
    return s;
}

std::optional<QDateTime> horloge_fixée;

// Reads digits at s[i..] into n; false when none.
bool chiffres(const QString& s, qsizetype& i, int& n, int max_chiffres = 9)
{
    n = 0;
    int lus = 0;
    while (i < s.size() && s[i].isDigit() && lus < max_chiffres) {
        n = n * 10 + s[i].digitValue();
        ++i;
        ++lus;
    }
    return lus > 0;
}

bool heure_valide(int h, int m, int s) { return h < 24 && m < 60 && s < 60; }

}  // namespace

namespace {

// Days from 1970-01-01 to a day of the proleptic Gregorian calendar, and
// back (H. Hinnant's formulas): QDate's own calendar for years 1 to 9999.
constexpr qint64 jours_civils(qint64 a, unsigned m, unsigned j)
{
    a -= m <= 2;
    const qint64 ère = (a >= 0 ? a : a - 399) / 400;
    const auto ae = static_cast<unsigned>(a - ère * 400);
    const unsigned aj = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + j - 1;
    const unsigned je = ae * 365 + ae / 4 - ae / 100 + aj;
    return ère * 146097 + static_cast<qint64>(je) - 719468;
}

jour_calendrier civil_de(qint64 z)
{
    z += 719468;
    const qint64 ère = (z >= 0 ? z : z - 146096) / 146097;
    const auto je = static_cast<unsigned>(z - ère * 146097);
    const unsigned ae = (je - je / 1460 + je / 36524 - je / 146096) / 365;
    const unsigned aj = je - (365 * ae + ae / 4 - ae / 100);
    const unsigned mp = (5 * aj + 2) / 153;
    const unsigned j = aj - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(static_cast<qint64>(ae) + ère * 400 + (m <= 2)), static_cast<int>(m),
            static_cast<int>(j)};
}

constexpr qint64 jours_origine = jours_civils(1899, 12, 30);
constexpr qint64 premier_jour = jours_civils(1, 1, 1) - jours_origine;
constexpr qint64 dernier_jour = jours_civils(9999, 12, 31) - jours_origine;

}  // namespace

std::optional<qint64> jours_du_calendrier(int année, int mois, int jour)
{
    if (année >= 1 && année <= 9999) {
        if (mois < 1 || mois > 12 || jour < 1)
            return std::nullopt;
        static constexpr int longueurs[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool bissextile = année % 4 == 0 && (année % 100 != 0 || année % 400 == 0);
        if (jour > longueurs[mois - 1] + (mois == 2 && bissextile))
            return std::nullopt;
        return jours_civils(année, static_cast<unsigned>(mois), static_cast<unsigned>(jour)) - jours_origine;
    }
    const QDate d(année, mois, jour);
    if (!d.isValid())
        return std::nullopt;
    return origine.daysTo(d);
}

date_décomposée décompose_date(double d)
{
    date_décomposée r;
    décompose(d, r.jours, r.seconde);
    if (r.jours >= premier_jour && r.jours <= dernier_jour) {
        r.jour = civil_de(r.jours + jours_origine);
    } else {
        const QDate q = origine.addDays(r.jours);
        r.jour = {q.year(), q.month(), q.day()};
    }
    return r;
}

QDate jour_de(double d)
{
    qint64 jour;
    int seconde;
    décompose(d, jour, seconde);
    return origine.addDays(jour);
}

QTime heure_de(double d)
{
    qint64 jour;
    int seconde;
    décompose(d, jour, seconde);
    return QTime(0, 0).addSecs(seconde);
}

double date_depuis(const QDate& jour, const QTime& heure)
{
    return date_depuis(jour.isValid() ? origine.daysTo(jour) : 0, heure.isValid() ? heure.msecsSinceStartOfDay() : 0);
}

double date_depuis(qint64 jours, int millisecondes)
{
    const auto j = static_cast<double>(jours);
    const double fraction = millisecondes / 86400000.0;
    return j >= 0 ? j + fraction : j - fraction;
}

double date_depuis(const QDateTime& moment)
{
    return date_depuis(moment.date(), moment.time());
}

bool a_une_heure(double d)
{
    qint64 jour;
    int seconde;
    décompose(d, jour, seconde);
    return seconde != 0;
}

QString texte_date_fichier(double d)
{
    qint64 jour;
    int seconde;
    décompose(d, jour, seconde);
    if (jour == 0)
        return QLatin1Char('#') + texte_heure(seconde) + QLatin1Char('#');
    const QDate j = origine.addDays(jour);
    QString s = QLatin1Char('#') + QString::number(j.year()).rightJustified(4, QLatin1Char('0')) +
                QLatin1Char('-') + deux(j.month()) + QLatin1Char('-') + deux(j.day());
    if (seconde)
        s += QLatin1Char(' ') + texte_heure(seconde);
    return s + QLatin1Char('#');
}

bool lit_date_fichier(const QString& intérieur, double& résultat)
{
    const QString s = intérieur.trimmed();
    qsizetype i = 0;
    int a = 0, m = 0, j = 0, h = 0, mi = 0, se = 0;
    QDate jour;
    const qsizetype tiret = s.indexOf(QLatin1Char('-'));
    const qsizetype deux_points = s.indexOf(QLatin1Char(':'));
    if (tiret >= 0 && (deux_points < 0 || tiret < deux_points)) {
        if (!chiffres(s, i, a) || i >= s.size() || s[i++] != QLatin1Char('-') || !chiffres(s, i, m) ||
            i >= s.size() || s[i++] != QLatin1Char('-') || !chiffres(s, i, j))
            return false;
        jour = QDate(a, m, j);
        if (!jour.isValid())
            return false;
        while (i < s.size() && s[i] == QLatin1Char(' '))
            ++i;
    }
    if (i < s.size()) {
        if (!chiffres(s, i, h) || i >= s.size() || s[i++] != QLatin1Char(':') || !chiffres(s, i, mi))
            return false;
        if (i < s.size() && s[i] == QLatin1Char(':')) {
            ++i;
            if (!chiffres(s, i, se))
                return false;
        }
        if (i != s.size() || !heure_valide(h, mi, se))
            return false;
    }
    résultat = date_depuis(jour.isValid() ? jour : origine, QTime(h, mi, se));
    return true;
}

QString texte_date(double d)
{
    qint64 jour;
    int seconde;
    décompose(d, jour, seconde);
    if (jour == 0)
        return texte_heure(seconde);
    QString s = date_courte(d);
    if (seconde)
        s += QLatin1Char(' ') + texte_heure(seconde);
    return s;
}

QString date_courte(double d)
{
    if (d == 0)
        return {};
    int année = 0, mois = 0, jour = 0;
    jour_de(d).getDate(&année, &mois, &jour);  // the calendar worked out once
    if (année < 0 || année > 9999)
        return deux(jour) + QLatin1Char('/') + deux(mois) + QLatin1Char('/') +
               QString::number(année).rightJustified(4, QLatin1Char('0'));
    QString s(10, Qt::Uninitialized);
    QChar* p = s.data();
    écrit_deux(p, jour);
    *p++ = QLatin1Char('/');
    écrit_deux(p, mois);
    *p++ = QLatin1Char('/');
    écrit_deux(p, année / 100);
    écrit_deux(p, année % 100);
    return s;
}

int année_complète(int année)
{
    if (année < 30)
        return 2000 + année;
    if (année < 100)
        return 1900 + année;
    return année;
}

bool lit_date(const QString& texte, double& résultat)
{
    static const QRegularExpression jour_d_abord(QStringLiteral(
        R"(^(\d{1,2})[/.\- ](\d{1,2})(?:[/.\- ](\d{1,4}))?(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
    static const QRegularExpression iso(QStringLiteral(
        R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T](\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
    static const QRegularExpression heure_seule(QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?$)"));

    const QString s = texte.trimmed();
    auto heure = [](const QRegularExpressionMatch& r, int premier, QTime& t) {
        if (r.captured(premier).isEmpty()) {
            t = QTime(0, 0);
            return true;
        }
        const int h = r.captured(premier).toInt(), m = r.captured(premier + 1).toInt(),
                  se = r.captured(premier + 2).toInt();
        if (!heure_valide(h, m, se))
            return false;
        t = QTime(h, m, se);
        return true;
    };

    QRegularExpressionMatch r = heure_seule.match(s);
    if (r.hasMatch()) {
        QTime t;
        if (!heure(r, 1, t))
            return false;
        résultat = date_depuis(origine, t);
        return true;
    }
    int a, m, j;
    QTime t;
    if ((r = iso.match(s)).hasMatch()) {
        a = r.captured(1).toInt();
        m = r.captured(2).toInt();
        j = r.captured(3).toInt();
    } else if ((r = jour_d_abord.match(s)).hasMatch()) {
        j = r.captured(1).toInt();
        m = r.captured(2).toInt();
        a = r.captured(3).isEmpty() ? aujourdhui().year() : année_complète(r.captured(3).toInt());
    } else {
        return false;
    }
    if (!heure(r, 4, t) || a < 100)
        return false;
    const QDate jour(a, m, j);
    if (!jour.isValid())
        return false;
    résultat = date_depuis(jour, t);
    return true;
}

QDate aujourdhui()
{
    return horloge_fixée ? horloge_fixée->date() : QDate::currentDate();
}

double maintenant()
{
    return date_depuis(horloge_fixée ? *horloge_fixée : QDateTime::currentDateTime());
}

void fixe_horloge(const QDateTime& moment)
{
    if (moment.isValid())
        horloge_fixée = moment;
    else
        horloge_fixée.reset();
}

// ---------------------------------------------------------------- fixed texts

QString à_largeur(const QString& texte, int largeur)
{
    if (texte.size() == largeur)
        return texte;
    if (texte.size() > largeur)
        return texte.left(largeur);
    return texte + QString(largeur - texte.size(), QLatin1Char(' '));
}

// ---------------------------------------------------------------- numbers

namespace {

// Basic write form of a number given with its significant digits.
QString forme_basic(double v, int chiffres_significatifs)
{
    if (v == 0 || std::isnan(v))
        return QStringLiteral("0");
    QString s = QString::number(v, 'g', chiffres_significatifs);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // 1e+07 -> 1E+07
        s[e] = QLatin1Char('E');
        return s;
    }
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

}  // namespace

QString texte_simple(float v) { return forme_basic(static_cast<double>(v), 7); }
QString texte_double(double v) { return forme_basic(v, 15); }

bool lit_nombre_fichier(const QString& texte, double& résultat)
{
    // Fast path: a plain integer, by far the most common item.
    qsizetype début = 0, fin = texte.size();
    while (début < fin && texte[début] == QLatin1Char(' '))
        ++début;
    while (fin > début && texte[fin - 1] == QLatin1Char(' '))
        --fin;
    if (début == fin)
        return false;
    qsizetype i = début;
    bool négatif = false;
    if (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+'))
        négatif = texte[i++] == QLatin1Char('-');
    std::int64_t n = 0;
    qsizetype chiffres_entiers = 0;
    while (i < fin && texte[i].isDigit() && chiffres_entiers < 15) {
        n = n * 10 + texte[i].digitValue();
        ++i;
        ++chiffres_entiers;
    }
    if (i == fin) {
        if (chiffres_entiers == 0)
            return false;
        résultat = négatif ? -static_cast<double>(n) : static_cast<double>(n);
        return true;
    }
    // General form: digits, one point, digits, optional exponent (E or D).
    QByteArray a;
    a.reserve(fin - début);
    i = début;
    if (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+'))
        a += static_cast<char>(texte[i++].unicode());
    int chiffres_vus = 0;
    while (i < fin && texte[i].isDigit()) {
        a += static_cast<char>(texte[i++].unicode());
        ++chiffres_vus;
    }
    if (i < fin && texte[i] == QLatin1Char('.')) {
        a += '.';
        ++i;
        while (i < fin && texte[i].isDigit()) {
            a += static_cast<char>(texte[i++].unicode());
            ++chiffres_vus;
        }
    }
    if (chiffres_vus == 0)
        return false;
    if (i < fin && (texte[i] == QLatin1Char('E') || texte[i] == QLatin1Char('e') ||
                    texte[i] == QLatin1Char('D') || texte[i] == QLatin1Char('d'))) {
        a += 'e';
        ++i;
        if (i < fin && (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+')))
            a += static_cast<char>(texte[i++].unicode());
        int exposant = 0;
        while (i < fin && texte[i].isDigit()) {
            a += static_cast<char>(texte[i++].unicode());
            ++exposant;
        }
        if (!exposant)
            return false;
    }
    if (i != fin)
        return false;
    bool ok = false;
    const double v = a.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    résultat = v;
    return true;
}

bool lit_nombre(const QString& texte, double& résultat)
{
    QString s = sans_blancs(texte);
    const qsizetype virgule = s.indexOf(QLatin1Char(','));
    if (virgule >= 0) {
        if (s.indexOf(QLatin1Char('.')) >= 0 || s.indexOf(QLatin1Char(','), virgule + 1) >= 0)
            return false;
        s[virgule] = QLatin1Char('.');
    }
    for (QChar c : s)
        if (c == QLatin1Char('D') || c == QLatin1Char('d'))
            return false;  // only the file form knows the D exponent
    return lit_nombre_fichier(s, résultat);
}

bool est_numérique(const QString& texte)
{
    double v;
    return lit_nombre(texte, v);
}

QString texte_nombre(double v)
{
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QLatin1Char('e')))
        s = QString::number(v, 'f', 0);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

namespace {

// Only 0 to 9 count: a digit of another script would not read back as one.
bool chiffre_ascii(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

double val_général(const QString& texte, bool virgule)
{
    QByteArray a;
    qsizetype i = 0;
    auto suivant = [&]() -> QChar {
        while (i < texte.size() && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t') ||
                                    texte[i] == QLatin1Char('\n')))
            ++i;
        return i < texte.size() ? texte[i] : QChar();
    };
    QChar c = suivant();
    if (c == QLatin1Char('&')) {
        ++i;
        c = suivant().toUpper();
        int base = 0;
        if (c == QLatin1Char('H'))
            base = 16;
        else if (c == QLatin1Char('O'))
            base = 8;
        else
            return 0;
        ++i;
        // Summed as a double, like a long decimal number: any count of
        // digits gives a large value, never an overflow.
        double n = 0;
        while (true) {
            c = suivant();
            const char16_t u = c.toUpper().unicode();
            int chiffre = -1;
            if (u >= u'0' && u <= u'9')
                chiffre = u - u'0';
            else if (base == 16 && u >= u'A' && u <= u'F')
                chiffre = u - u'A' + 10;
            if (chiffre < 0 || chiffre >= base)
                break;
            n = n * base + chiffre;
            ++i;
        }
        return n;
    }
    if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
        a += static_cast<char>(c.unicode());
        ++i;
    }
    bool point = false;
    int chiffres = 0;
    while (true) {
        c = suivant();
        if (chiffre_ascii(c)) {
            a += static_cast<char>(c.unicode());
            ++chiffres;
        } else if (!point && (c == QLatin1Char('.') || (virgule && c == QLatin1Char(',')))) {
            a += '.';
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!chiffres)
        return 0;
    c = suivant().toUpper();
    if (c == QLatin1Char('E') || c == QLatin1Char('D')) {
        QByteArray exposant = "e";
        ++i;
        c = suivant();
        if (c == QLatin1Char('-') || c == QLatin1Char('+')) {
            exposant += static_cast<char>(c.unicode());
            ++i;
        }
        int n = 0;
        while (chiffre_ascii(c = suivant())) {
            exposant += static_cast<char>(c.unicode());
            ++i;
            ++n;
        }
        if (n)
            a += exposant;
    }
    return a.toDouble();
}

double arrondi_pair(double v)
{
    if (v == std::trunc(v))
        return v;  // already whole, as most are: no rounding mode to set
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(mode);
    return r;
}

}  // namespace

double Val(const QString& texte) { return val_général(texte, false); }
double val_fr(const QString& texte) { return val_général(texte, true); }

int16 CInt(double v)
{
    const double r = arrondi_pair(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw erreur_basic("Dépassement de capacité");
    return static_cast<int16>(r);
}

int16 CInt(const QString& texte)
{
    double v;
    if (!lit_nombre(texte, v))
        throw erreur_basic("Type incompatible");
    return CInt(v);
}

std::int32_t CLng(double v)
{
    const double r = arrondi_pair(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw erreur_basic("Dépassement de capacité");
    return static_cast<std::int32_t>(r);
}

QString Format(double v, const QString& masque)
{
    // "0000" and its like, the grids' numbers of accounts and codes: the
    // whole number padded with zeros, as the general way below gives it.
    if (!masque.isEmpty() && std::all_of(masque.cbegin(), masque.cend(), [](QChar c) { return c == QLatin1Char('0'); })) {
        const long long n = std::llround(std::fabs(v));
        QString s = QString::number(n).rightJustified(masque.size(), QLatin1Char('0'));
        if (v < 0 && n != 0)
            s.prepend(QLatin1Char('-'));
        return s;
    }
    QString m = masque;
    const bool pourcent = m.endsWith(QLatin1Char('%'));
    if (pourcent) {
        m.chop(1);
        v *= 100;
    }
    const qsizetype point = m.indexOf(QLatin1Char('.'));
    const QString avant = point < 0 ? m : m.left(point);
    const QString après = point < 0 ? QString() : m.mid(point + 1);
    const int min_entiers = static_cast<int>(avant.count(QLatin1Char('0')));
    const int max_décimales = static_cast<int>(après.size());
    const int min_décimales = static_cast<int>(après.count(QLatin1Char('0')));

    // Half away from zero, on the decimal digits asked for.
    const bool négatif = v < 0;
    const double échelle = std::pow(10.0, max_décimales);
    const long long n = std::llround(std::fabs(v) * échelle);
    const long long p = static_cast<long long>(échelle);
    QString entier = QString::number(n / p);
    QString décimales = max_décimales ? QString::number(n % p).rightJustified(max_décimales, QLatin1Char('0')) : QString();
    while (décimales.size() > min_décimales && décimales.endsWith(QLatin1Char('0')))
        décimales.chop(1);
    if (entier == QLatin1String("0") && min_entiers == 0)
        entier.clear();
    entier = entier.rightJustified(min_entiers, QLatin1Char('0'));
    QString s = entier;
    if (!décimales.isEmpty() || (point >= 0 && max_décimales == 0))
        s += QLatin1Char(',') + décimales;
    if (négatif && n != 0)
        s.prepend(QLatin1Char('-'));
    if (pourcent)
        s += QLatin1Char('%');
    return s;
}

// ---------------------------------------------------------------- variants

QString variante::en_texte() const
{
    switch (s) {
    case sorte::texte: return t;
    case sorte::nombre: return texte_nombre(n);
    case sorte::booléen: return n != 0 ? QStringLiteral("Vrai") : QStringLiteral("Faux");
    case sorte::date: return texte_date(n);
    case sorte::vide: break;
    }
    return {};
}

double variante::en_nombre() const
{
    if (s == sorte::texte) {
        double v = 0;
        return lit_nombre(t, v) ? v : 0;
    }
    return n;
}
