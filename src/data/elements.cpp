#include "data/elements.h"

#include "data/cp1252.h"

#include <cmath>

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

void écrivain_éléments::ligne_latin1(const QByteArray& t)
{
    octets_ += t;
    octets_ += "\r\n";
}

void écrivain_éléments::ligne(const QString& t)
{
    octets_ += vers_cp1252(t);
    octets_ += "\r\n";
}

void écrivain_éléments::entier(int v) { ligne_latin1(QByteArray::number(v)); }
void écrivain_éléments::simple(float v) { ligne(texte_simple(v)); }
void écrivain_éléments::double_(double v) { ligne(texte_double(v)); }
void écrivain_éléments::montant(monnaie v) { ligne(texte_fichier(v)); }
void écrivain_éléments::date(double v) { ligne(texte_date_fichier(v)); }
void écrivain_éléments::booléen(bool v) { ligne_latin1(v ? "#TRUE#" : "#FALSE#"); }

void écrivain_éléments::texte(const QString& v)
{
    octets_ += '"';
    octets_ += vers_cp1252(remplace_guillemets(v));
    octets_ += "\"\r\n";
}

void écrivain_éléments::variante_(const variante& v)
{
    switch (v.s) {
    case variante::sorte::vide: ligne_latin1({}); break;
    case variante::sorte::texte: texte(v.t); break;
    case variante::sorte::nombre: double_(v.n); break;
    case variante::sorte::booléen: booléen(v.n != 0); break;
    case variante::sorte::date: date(v.n); break;
    }
}

// ---------------------------------------------------------------- reader

bool lecteur_éléments::fin() const
{
    for (qsizetype i = pos_; i < octets_.size(); ++i) {
        const char c = octets_[i];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != '\x1a')
            return false;
    }
    return true;
}

lecteur_éléments::élément lecteur_éléments::suivant()
{
    const char* d = octets_.constData();
    const qsizetype taille = octets_.size();
    if (pos_ >= taille)
        throw erreur_lecture{QStringLiteral("Fin de fichier inattendue à la ligne %1").arg(ligne_)};
    élément e;
    e.ligne = ligne_;
    qsizetype i = pos_;
    while (i < taille && (d[i] == ' ' || d[i] == '\t'))
        ++i;
    auto fin_de_ligne = [&](qsizetype j) {
        // Past the line end of this item (CR LF, lone LF or lone CR).
        if (j < taille && d[j] == '\r')
            ++j;
        if (j < taille && d[j] == '\n')
            ++j;
        return j;
    };
    if (i < taille && d[i] == '"') {
        // A quoted text runs to its closing quote, across line ends if need be.
        const qsizetype début = i + 1;
        qsizetype j = début;
        while (j < taille && d[j] != '"') {
            if (d[j] == '\n')
                ++ligne_;
            ++j;
        }
        if (j >= taille)
            throw erreur_lecture{QStringLiteral("Texte sans guillemet fermant à la ligne %1").arg(e.ligne)};
        e.texte = depuis_cp1252(d + début, j - début);
        e.entre_guillemets = true;
        ++j;
        while (j < taille && d[j] != '\r' && d[j] != '\n')
            ++j;
        pos_ = fin_de_ligne(j);
    } else {
        qsizetype j = i;
        while (j < taille && d[j] != '\r' && d[j] != '\n')
            ++j;
        qsizetype k = j;
        while (k > i && (d[k - 1] == ' ' || d[k - 1] == '\t'))
            --k;
        e.texte = depuis_cp1252(d + i, k - i);
        pos_ = fin_de_ligne(j);
    }
    ++ligne_;
    return e;
}

void lecteur_éléments::échec(const élément& e, const QString& attendu) const
{
    QString vu = e.texte.left(40);
    throw erreur_lecture{QStringLiteral("Ligne %1 : %2 attendu, « %3 » trouvé")
                             .arg(e.ligne)
                             .arg(attendu, e.entre_guillemets ? QLatin1Char('"') + vu + QLatin1Char('"') : vu)};
}

double lecteur_éléments::nombre(const élément& e, const char* attendu)
{
    double v = 0;
    if (e.entre_guillemets || !lit_nombre_fichier(e.texte, v)) {
        // A Boolean stands for -1 or 0 where a number is expected.
        if (e.texte == QLatin1String("#TRUE#"))
            return -1;
        if (e.texte == QLatin1String("#FALSE#"))
            return 0;
        échec(e, QString::fromUtf8(attendu));
    }
    return v;
}

int16 lecteur_éléments::entier()
{
    const élément e = suivant();
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
    monnaie m;
    if (e.entre_guillemets || e.texte.contains(QLatin1Char(',')) || !lit_montant(e.texte, m)) {
        // An exponent form is still a number.
        double v = 0;
        if (e.entre_guillemets || !lit_nombre_fichier(e.texte, v) || std::fabs(v) > 9e14)
            échec(e, QStringLiteral("montant"));
        m = monnaie::depuis_réel(v);
    }
    return m;
}

QString lecteur_éléments::texte()
{
    // An unquoted item is taken as it stands, as Basic's Input does.
    return suivant().texte;
}

double lecteur_éléments::date()
{
    const élément e = suivant();
    double v = 0;
    if (!e.entre_guillemets && e.texte.size() >= 2 && e.texte.startsWith(QLatin1Char('#')) &&
        e.texte.endsWith(QLatin1Char('#'))) {
        if (lit_date_fichier(e.texte.mid(1, e.texte.size() - 2), v))
            return v;
    } else if (!e.entre_guillemets && lit_nombre_fichier(e.texte, v)) {
        return v;  // a date written as its serial number
    }
    échec(e, QStringLiteral("date"));
}

bool lecteur_éléments::booléen()
{
    const élément e = suivant();
    if (e.texte == QLatin1String("#TRUE#"))
        return true;
    if (e.texte == QLatin1String("#FALSE#"))
        return false;
    double v = 0;
    if (!e.entre_guillemets && lit_nombre_fichier(e.texte, v))
        return v != 0;
    échec(e, QStringLiteral("#TRUE# ou #FALSE#"));
}

variante lecteur_éléments::variante_()
{
    const élément e = suivant();
    if (e.entre_guillemets)
        return variante::de_texte(e.texte);
    if (e.texte.isEmpty())
        return {};
    if (e.texte == QLatin1String("#TRUE#") || e.texte == QLatin1String("#FALSE#"))
        return variante::de_booléen(e.texte == QLatin1String("#TRUE#"));
    double v = 0;
    if (e.texte.size() >= 2 && e.texte.startsWith(QLatin1Char('#')) && e.texte.endsWith(QLatin1Char('#')) &&
        lit_date_fichier(e.texte.mid(1, e.texte.size() - 2), v))
        return variante::de_date(v);
    if (lit_nombre_fichier(e.texte, v))
        return variante::de_nombre(v);
    return variante::de_texte(e.texte);
}

void lecteur_éléments::saute(int nombre)
{
    for (int i = 0; i < nombre; ++i)
        suivant();
}
