#include "data/elements.h"

#include "data/cp1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

QString remplace_guillemets(const QString& texte)
{
    if (!texte.contains(QLatin1Char('"')))
        return texte;
    QString copie = texte;
    bool ouvrant = true;
    for (QChar& c : copie) {
        if (c == QLatin1Char('"')) {
            c = ouvrant ? QChar(0x00AB) : QChar(0x00BB);
            ouvrant = !ouvrant;
        }
    }
    return copie;
}

// ---------------------------------------------------------------- writer
// Bytes go straight into the buffer: a full association is some 300 000
// items, and the save must not keep the user waiting.

namespace {

constexpr char chiffres_décimaux[] = "0123456789";

void deux_chiffres(char*& p, int x)
{
    *p++ = chiffres_décimaux[x / 10 % 10];
    *p++ = chiffres_décimaux[x % 10];
}

void termine_ligne(char*& p)
{
    *p++ = '\r';
    *p++ = '\n';
}

}  // namespace

void écrivain_éléments::agrandit(qsizetype n)
{
    octets_.resize(std::max(octets_.size() + octets_.size() / 2, fin_ + n + 256));
}

void écrivain_éléments::ligne(const QString& t)
{
    const QByteArray o = vers_cp1252(t);
    char* p = place(o.size() + 2);
    std::memcpy(p, o.constData(), static_cast<std::size_t>(o.size()));
    p += o.size();
    termine_ligne(p);
    fin_ += o.size() + 2;
}

void écrivain_éléments::entier(int v)
{
    char* const début = place(16);
    char* p = std::to_chars(début, début + 14, v).ptr;
    termine_ligne(p);
    fin_ += p - début;
}

void écrivain_éléments::simple(float v) { ligne(texte_simple(v)); }
void écrivain_éléments::double_(double v) { ligne(texte_double(v)); }

void écrivain_éléments::montant(monnaie v)
{
    char* const début = place(32);
    char* p = début;
    const bool négatif = v.brut < 0;
    const std::uint64_t u = négatif ? 0 - static_cast<std::uint64_t>(v.brut) : static_cast<std::uint64_t>(v.brut);
    const std::uint64_t entier = u / 10000;
    unsigned fraction = static_cast<unsigned>(u % 10000);
    if (négatif)
        *p++ = '-';
    if (entier > 0 || fraction == 0)
        p = std::to_chars(p, p + 24, entier).ptr;
    if (fraction) {
        *p++ = '.';
        for (unsigned diviseur = 1000; fraction; diviseur /= 10) {
            *p++ = chiffres_décimaux[fraction / diviseur];
            fraction %= diviseur;
        }
    }
    termine_ligne(p);
    fin_ += p - début;
}

void écrivain_éléments::date(double v)
{
    // Same text as texte_date_fichier, without the detours.
    const date_décomposée d = décompose_date(v);
    const bool sans_jour = d.jours == 0;
    const int a = d.jour.année;
    if (!sans_jour && (a < 0 || a > 9999)) {
        ligne(texte_date_fichier(v));
        return;
    }
    char* const début = place(32);
    char* p = début;
    *p++ = '#';
    if (!sans_jour) {
        deux_chiffres(p, a / 100);
        deux_chiffres(p, a % 100);
        *p++ = '-';
        deux_chiffres(p, d.jour.mois);
        *p++ = '-';
        deux_chiffres(p, d.jour.jour);
    }
    const int s = d.seconde;
    if (sans_jour || s) {
        if (!sans_jour)
            *p++ = ' ';
        deux_chiffres(p, s / 3600);
        *p++ = ':';
        deux_chiffres(p, s / 60 % 60);
        *p++ = ':';
        deux_chiffres(p, s % 60);
    }
    *p++ = '#';
    termine_ligne(p);
    fin_ += p - début;
}

void écrivain_éléments::booléen(bool v)
{
    char* const début = place(9);
    const std::string_view mot = v ? "#TRUE#" : "#FALSE#";
    std::memcpy(début, mot.data(), mot.size());
    char* p = début + mot.size();
    termine_ligne(p);
    fin_ += p - début;
}

void écrivain_éléments::texte(const QString& v)
{
    // Encoded and rid of its double quotes («, », ...) in one pass.
    char* const début = place(v.size() + 4);
    char* sortie = début;
    *sortie++ = '"';
    bool ouvrant = true;
    for (QChar c : v) {
        const char16_t u = c.unicode();
        if (u == '"') {
            *sortie++ = static_cast<char>(ouvrant ? 0xAB : 0xBB);
            ouvrant = !ouvrant;
        } else if (u < 0x80) {
            *sortie++ = static_cast<char>(u);
        } else {
            const int o = octet_cp1252(c);
            *sortie++ = o < 0 ? '?' : static_cast<char>(o);
        }
    }
    *sortie++ = '"';
    termine_ligne(sortie);
    fin_ += sortie - début;
}

void écrivain_éléments::variante_(const variante& v)
{
    switch (v.s) {
    case variante::sorte::vide: fin_de_ligne(); break;
    case variante::sorte::texte: texte(v.t); break;
    case variante::sorte::nombre: double_(v.n); break;
    case variante::sorte::booléen: booléen(v.n != 0); break;
    case variante::sorte::date: date(v.n); break;
    }
}

// ---------------------------------------------------------------- reader

lecteur_éléments::lecteur_éléments(QByteArray octets) : octets_(std::move(octets)), utf8_(utf8_multioctet(octets_))
{
    if (utf8_ && octets_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

QString lecteur_éléments::élément::texte() const
{
    return utf8 ? QString::fromUtf8(début, taille) : depuis_cp1252(début, taille);
}

QString lecteur_éléments::texte_de(const élément& e) const
{
    QString t = e.texte();
    if (utf8_ && !représentable_cp1252(t)) {
        const auto mauvais = std::find_if(t.cbegin(), t.cend(), [](QChar c) { return octet_cp1252(c) < 0; });
        // A character outside the BMP is shown whole, not half of it.
        const QString vu = mauvais->isHighSurrogate() && mauvais + 1 != t.cend() ? QString(mauvais, 2)
                                                                                : QString(*mauvais);
        throw erreur_lecture{
            QStringLiteral("Ligne %1 : le caractère « %2 » ne peut pas être gardé dans un fichier de données")
                .arg(e.ligne)
                .arg(vu)};
    }
    return t;
}

bool lecteur_éléments::élément::vaut(const char* mot) const
{
    const auto n = static_cast<qsizetype>(std::strlen(mot));
    return !entre_guillemets && taille == n && std::memcmp(début, mot, n) == 0;
}

bool lecteur_éléments::fin() const
{
    for (qsizetype i = pos_; i < octets_.size(); ++i) {
        const char c = octets_[i];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != '\x1a')
            return false;
    }
    return true;
}

namespace {

// The first CR or LF from j on, else taille.
qsizetype fin_de_ligne_depuis(const char* d, qsizetype j, qsizetype taille)
{
    while (j < taille && d[j] != '\r' && d[j] != '\n')
        ++j;
    return j;
}

}  // namespace

lecteur_éléments::élément lecteur_éléments::suivant()
{
    const char* d = octets_.constData();
    const qsizetype taille = octets_.size();
    if (pos_ >= taille)
        throw erreur_lecture{QStringLiteral("Fin de fichier inattendue à la ligne %1").arg(ligne_)};
    élément e;
    e.ligne = ligne_;
    e.utf8 = utf8_;
    qsizetype i = pos_;
    while (i < taille && (d[i] == ' ' || d[i] == '\t'))
        ++i;
    qsizetype j;
    if (i < taille && d[i] == '"') {
        // A quoted text runs to its closing quote, across line ends if need be.
        const qsizetype début = i + 1;
        const char* fermant = static_cast<const char*>(std::memchr(d + début, '"', taille - début));
        if (!fermant)
            throw erreur_lecture{QStringLiteral("Texte sans guillemet fermant à la ligne %1").arg(e.ligne)};
        j = fermant - d;
        if (std::memchr(d + début, '\n', j - début))
            ligne_ += static_cast<int>(std::count(d + début, fermant, '\n'));
        e.début = d + début;
        e.taille = j - début;
        e.entre_guillemets = true;
        j = fin_de_ligne_depuis(d, j + 1, taille);
    } else {
        j = fin_de_ligne_depuis(d, i, taille);
        qsizetype k = j;
        while (k > i && (d[k - 1] == ' ' || d[k - 1] == '\t'))
            --k;
        e.début = d + i;
        e.taille = k - i;
    }
    // Past the line end of this item (CR LF, lone LF or lone CR).
    if (j < taille && d[j] == '\r')
        ++j;
    if (j < taille && d[j] == '\n')
        ++j;
    pos_ = j;
    ++ligne_;
    return e;
}

void lecteur_éléments::échec(const élément& e, const QString& attendu) const
{
    const QString vu = e.texte().left(40);
    throw erreur_lecture{QStringLiteral("Ligne %1 : %2 attendu, « %3 » trouvé")
                             .arg(e.ligne)
                             .arg(attendu, e.entre_guillemets ? QLatin1Char('"') + vu + QLatin1Char('"') : vu)};
}

namespace {

// A number in item form straight from the bytes: sign, digits, one point,
// digits, an exponent written E or D.
bool nombre_brut(const char* p, qsizetype n, double& résultat)
{
    if (n <= 0 || n > 64)
        return false;
    char tampon[65];
    qsizetype k = 0, i = 0;
    bool négatif = false;
    if (p[i] == '-' || p[i] == '+')
        négatif = p[i++] == '-';
    int chiffres = 0;
    std::int64_t entier = 0;
    bool simple = true;
    for (; i < n && p[i] >= '0' && p[i] <= '9'; ++i, ++chiffres) {
        tampon[k++] = p[i];
        if (chiffres < 15)
            entier = entier * 10 + (p[i] - '0');
        else
            simple = false;
    }
    if (i == n && simple && chiffres) {
        résultat = négatif ? -static_cast<double>(entier) : static_cast<double>(entier);
        return true;
    }
    if (i < n && p[i] == '.') {
        tampon[k++] = p[i++];
        for (; i < n && p[i] >= '0' && p[i] <= '9'; ++i, ++chiffres)
            tampon[k++] = p[i];
    }
    if (!chiffres)
        return false;
    if (i < n && (p[i] == 'E' || p[i] == 'e' || p[i] == 'D' || p[i] == 'd')) {
        tampon[k++] = 'e';
        ++i;
        if (i < n && (p[i] == '-' || p[i] == '+')) {
            if (p[i] == '-')
                tampon[k++] = '-';
            ++i;
        }
        int exposant = 0;
        for (; i < n && p[i] >= '0' && p[i] <= '9'; ++i, ++exposant)
            tampon[k++] = p[i];
        if (!exposant)
            return false;
    }
    if (i != n)
        return false;
    double v = 0;
    const auto [fin, ec] = std::from_chars(tampon, tampon + k, v);
    if (ec != std::errc() || fin != tampon + k || !std::isfinite(v))
        return false;
    résultat = négatif ? -v : v;
    return true;
}

bool lit_chiffres(const char* p, qsizetype n, qsizetype& i, int& valeur)
{
    valeur = 0;
    const qsizetype début = i;
    while (i < n && i - début < 9 && p[i] >= '0' && p[i] <= '9')
        valeur = valeur * 10 + (p[i++] - '0');
    return i > début;
}

}  // namespace

double lecteur_éléments::nombre(const élément& e, const char* attendu)
{
    double v = 0;
    if (!e.entre_guillemets && nombre_brut(e.début, e.taille, v))
        return v;
    // A Boolean stands for -1 or 0 where a number is expected.
    if (e.vaut("#TRUE#"))
        return -1;
    if (e.vaut("#FALSE#"))
        return 0;
    échec(e, QString::fromUtf8(attendu));
}

bool lecteur_éléments::date_de(const élément& e, double& résultat) const
{
    if (e.entre_guillemets || e.taille < 2 || e.début[0] != '#' || e.début[e.taille - 1] != '#')
        return false;
    const char* p = e.début + 1;
    const qsizetype n = e.taille - 2;
    qsizetype i = 0;
    int a = 0, m = 0, j = 0, h = 0, mi = 0, se = 0;
    qint64 jours = 0;
    const void* tiret = std::memchr(p, '-', n);
    const void* deux_points = std::memchr(p, ':', n);
    if (tiret && (!deux_points || tiret < deux_points)) {
        if (!lit_chiffres(p, n, i, a) || i >= n || p[i++] != '-' || !lit_chiffres(p, n, i, m) || i >= n ||
            p[i++] != '-' || !lit_chiffres(p, n, i, j))
            return false;
        const std::optional<qint64> jour = jours_du_calendrier(a, m, j);
        if (!jour)
            return false;
        jours = *jour;
        while (i < n && p[i] == ' ')
            ++i;
    }
    if (i < n) {
        if (!lit_chiffres(p, n, i, h) || i >= n || p[i++] != ':' || !lit_chiffres(p, n, i, mi))
            return false;
        if (i < n && p[i] == ':') {
            ++i;
            if (!lit_chiffres(p, n, i, se))
                return false;
        }
        if (i != n || h > 23 || mi > 59 || se > 59)
            return false;
    }
    résultat = date_depuis(jours, ((h * 60 + mi) * 60 + se) * 1000);
    return true;
}

int16 lecteur_éléments::entier()
{
    // Most lines are a few digits, maybe after a minus sign, then CR LF:
    // read in one pass. Anything else takes the general way, from the same
    // place.
    {
        const char* d = octets_.constData();
        const qsizetype taille = octets_.size();
        qsizetype i = pos_;
        const bool négatif = i < taille && d[i] == '-';
        if (négatif)
            ++i;
        const qsizetype début = i;
        int v = 0;
        while (i < taille && i - début < 5 && d[i] >= '0' && d[i] <= '9')
            v = v * 10 + (d[i++] - '0');
        if (i > début && i + 1 < taille && d[i] == '\r' && d[i + 1] == '\n') {
            v = négatif ? -v : v;
            if (v >= -32768 && v <= 32767) {
                pos_ = i + 2;
                ++ligne_;
                return static_cast<int16>(v);
            }
        }
    }
    const élément e = suivant();
    // A few digits, maybe after a minus sign, as the program writes them:
    // read straight; anything else takes the general way below.
    if (!e.entre_guillemets && e.taille > 0 && e.taille <= 6) {
        const bool négatif = e.début[0] == '-';
        qsizetype i = négatif ? 1 : 0;
        int v = 0;
        if (i < e.taille) {
            for (; i < e.taille && e.début[i] >= '0' && e.début[i] <= '9'; ++i)
                v = v * 10 + (e.début[i] - '0');
            if (négatif)
                v = -v;
            if (i == e.taille && v >= -32768 && v <= 32767)
                return static_cast<int16>(v);
        }
    }
    const double v = nombre(e, "nombre entier");
    try {
        return CInt(v);
    } catch (const erreur_basic&) {
        échec(e, QStringLiteral("nombre entier entre -32768 et 32767"));
    }
}

float lecteur_éléments::simple()
{
    const élément e = suivant();
    const double v = nombre(e, "nombre");
    if (std::fabs(v) > 3.4e38)
        échec(e, QStringLiteral("nombre"));
    return static_cast<float>(v);
}

double lecteur_éléments::double_()
{
    const élément e = suivant();
    return nombre(e, "nombre");
}

monnaie lecteur_éléments::montant()
{
    const élément e = suivant();
    // Exactly, from the decimal text; an exponent form is still a number.
    monnaie m;
    if (!e.entre_guillemets && !std::memchr(e.début, ',', e.taille)) {
        // Plain ASCII, as the program writes it, is read from the bytes.
        const bool ascii = std::none_of(e.début, e.début + e.taille, [](char c) { return c & 0x80; });
        if (ascii ? lit_montant(QLatin1StringView(e.début, e.taille), m) : lit_montant(e.texte(), m))
            return m;
    }
    double v = 0;
    if (e.entre_guillemets || !nombre_brut(e.début, e.taille, v) || std::fabs(v) > 9e14)
        échec(e, QStringLiteral("montant"));
    return monnaie::depuis_réel(v);
}

QString lecteur_éléments::texte()
{
    // An unquoted item is taken as it stands, as Basic's Input does.
    const élément e = suivant();
    return utf8_ ? texte_de(e) : texte_partagé(e.début, e.taille, 0);
}

bool lecteur_éléments::texte_à_largeur(int largeur, QString& t)
{
    const élément e = suivant();
    if (utf8_) {
        t = à_largeur(texte_de(e), largeur);
        return true;
    }
    if (e.taille == largeur && std::all_of(e.début, e.début + e.taille, [](char c) { return c == ' '; }))
        return false;
    t = texte_partagé(e.début, e.taille, largeur);
    return true;
}

QString lecteur_éléments::texte_partagé(const char* octets, qsizetype taille, int largeur)
{
    auto fait = [&] {
        if (!largeur)
            return depuis_cp1252(octets, taille);
        // One byte a character: cut or padded as the bytes are decoded.
        const qsizetype n = std::min<qsizetype>(taille, largeur);
        QString t(largeur, Qt::Uninitialized);
        QChar* sortie = t.data();
        depuis_cp1252(octets, n, sortie);
        std::fill(sortie + n, sortie + largeur, QLatin1Char(' '));
        return t;
    };
    // Long texts seldom come back; an empty one costs nothing.
    constexpr qsizetype plus_long = 64, places = 1 << 13, au_plus = places * 3 / 4;
    if (taille > plus_long || (taille == 0 && largeur == 0))
        return fait();
    if (textes_lus_.empty())
        textes_lus_.resize(places);
    std::uint64_t h = 14695981039346656037ULL ^ static_cast<std::uint64_t>(largeur);
    for (qsizetype i = 0; i < taille; ++i)
        h = (h ^ static_cast<unsigned char>(octets[i])) * 1099511628211ULL;
    for (std::size_t i = h & (places - 1);; i = (i + 1) & (places - 1)) {
        texte_lu& t = textes_lus_[i];
        if (!t.octets) {
            if (nombre_textes_lus_ >= au_plus)
                return fait();  // the table full enough: those kept are still shared
            t = {octets, taille, largeur, fait()};
            ++nombre_textes_lus_;
            return t.texte;
        }
        if (t.taille == taille && t.largeur == largeur && std::memcmp(t.octets, octets, static_cast<std::size_t>(taille)) == 0)
            return t.texte;
    }
}

bool lecteur_éléments::date_écrite(double& résultat)
{
    const char* d = octets_.constData() + pos_;
    const qsizetype reste = octets_.size() - pos_;
    auto nombre = [&](qsizetype k, int chiffres, int& v) {
        v = 0;
        for (int c = 0; c < chiffres; ++c) {
            if (d[k + c] < '0' || d[k + c] > '9')
                return false;
            v = v * 10 + (d[k + c] - '0');
        }
        return true;
    };
    auto heure = [&](qsizetype k, int& s) {
        int h, mi, se;
        if (!nombre(k, 2, h) || d[k + 2] != ':' || !nombre(k + 3, 2, mi) || d[k + 5] != ':' || !nombre(k + 6, 2, se) ||
            h > 23 || mi > 59 || se > 59)
            return false;
        s = (h * 60 + mi) * 60 + se;
        return true;
    };
    auto fin = [&](qsizetype k) { return k + 3 <= reste && d[k] == '#' && d[k + 1] == '\r' && d[k + 2] == '\n'; };
    if (reste < 13 || d[0] != '#')
        return false;
    qint64 jours = 0;
    int seconde = 0;
    qsizetype k;
    if (fin(9) && heure(1, seconde)) {
        k = 9;
    } else {
        int a, m, j;
        if (!nombre(1, 4, a) || d[5] != '-' || !nombre(6, 2, m) || d[8] != '-' || !nombre(9, 2, j))
            return false;
        const std::optional<qint64> jour = jours_du_calendrier(a, m, j);
        if (!jour)
            return false;
        jours = *jour;
        if (fin(11))
            k = 11;
        else if (reste >= 23 && d[11] == ' ' && heure(12, seconde) && fin(20))
            k = 20;
        else
            return false;
    }
    résultat = date_depuis(jours, seconde * 1000);
    pos_ += k + 3;
    ++ligne_;
    return true;
}

double lecteur_éléments::date()
{
    double écrite = 0;
    if (date_écrite(écrite))
        return écrite;
    const élément e = suivant();
    double v = 0;
    if (date_de(e, v))
        return v;
    // Also a date written as its serial number, from 1 January 100 to
    // 31 December 9999 as such dates have always been: anything further is
    // no date a program could have written.
    if (!e.entre_guillemets && nombre_brut(e.début, e.taille, v) && v >= -657434.0 && v < 2958466.0)
        return v;
    échec(e, QStringLiteral("date"));
}

bool lecteur_éléments::booléen()
{
    const élément e = suivant();
    if (e.vaut("#TRUE#"))
        return true;
    if (e.vaut("#FALSE#"))
        return false;
    double v = 0;
    if (!e.entre_guillemets && nombre_brut(e.début, e.taille, v))
        return v != 0;
    échec(e, QStringLiteral("#TRUE# ou #FALSE#"));
}

variante lecteur_éléments::variante_()
{
    const élément e = suivant();
    if (e.entre_guillemets)
        return variante::de_texte(texte_de(e));
    if (e.taille == 0)
        return {};
    if (e.vaut("#TRUE#") || e.vaut("#FALSE#"))
        return variante::de_booléen(e.vaut("#TRUE#"));
    double v = 0;
    if (date_de(e, v))
        return variante::de_date(v);
    if (nombre_brut(e.début, e.taille, v))
        return variante::de_nombre(v);
    return variante::de_texte(texte_de(e));
}

void lecteur_éléments::saute(int nombre)
{
    for (int i = 0; i < nombre; ++i)
        suivant();
}
