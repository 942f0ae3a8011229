#pragma once
// The item forms of the association's sequential files (data file, balances
// file): one item per line, CR LF, Windows-1252. Texts between double quotes,
// dates and Booleans between number signs, numbers bare, an empty variant as
// an empty line.
#include "data/valeurs.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Takes the double quotes out of a text before it is written: «, », «, ...
QString remplace_guillemets(const QString& texte);

class écrivain_éléments {
public:
    explicit écrivain_éléments(qsizetype réserve = 0) : octets_(réserve, Qt::Uninitialized) {}

    void entier(int v);
    void simple(float v);
    void double_(double v);
    void montant(monnaie v);
    // Every text goes through remplace_guillemets: a double quote can never
    // split an item.
    void texte(const QString& v);
    void date(double v);
    void booléen(bool v);
    void variante_(const variante& v);

    // The bytes written so far, and their count.
    const QByteArray& octets() const
    {
        octets_.resize(fin_);
        return octets_;
    }
    qsizetype taille() const { return fin_; }

private:
    // Room for n more bytes at the end: each item is written in place, the
    // buffer growing by halves (a full association is some 300 000 items).
    char* place(qsizetype n)
    {
        if (fin_ + n > octets_.size())
            agrandit(n);
        return octets_.data() + fin_;
    }
    void agrandit(qsizetype n);
    void ligne(const QString& t);
    void fin_de_ligne()
    {
        char* p = place(2);
        p[0] = '\r';
        p[1] = '\n';
        fin_ += 2;
    }
    mutable QByteArray octets_;  // fin_ bytes written, the rest room to come
    qsizetype fin_ = 0;
};

// A read failure: what went wrong, in French, with the line it happened on.
struct erreur_lecture {
    QString description;
};

// Reads Windows-1252, or UTF-8 when the bytes are valid UTF-8 with accents
// in it (a file an editor saved so; its byte-order mark is passed over).
// Read as UTF-8, a text holding a character the data file cannot hold is a
// failure: the next save could only write it as '?'.
class lecteur_éléments {
public:
    explicit lecteur_éléments(QByteArray octets);

    // The end of the file: nothing but blank lines (or an end-of-file mark) left.
    bool fin() const;
    int ligne() const { return ligne_; }

    // Each reader takes the next item or throws erreur_lecture.
    int16 entier();
    float simple();
    double double_();
    monnaie montant();
    QString texte();
    template <int N>
    void texte(texte_fixe<N>& cible)
    {
        QString t;
        if (texte_à_largeur(N, t))
            cible = t;
        else
            cible = texte_fixe<N>();  // a blank field shares the one blank text
    }
    double date();
    bool booléen();
    variante variante_();
    void saute(int nombre = 1);

private:
    // One item as it stands in the file (quotes taken off).
    struct élément {
        const char* début = nullptr;
        qsizetype taille = 0;
        bool entre_guillemets = false;
        bool utf8 = false;
        int ligne = 0;
        QString texte() const;
        bool vaut(const char* mot) const;
    };
    élément suivant();
    double nombre(const élément& e, const char* attendu);
    bool date_de(const élément& e, double& résultat) const;
    // The next item when it is a date as the program writes it (#aaaa-mm-jj#,
    // with " hh:mm:ss" or alone as #hh:mm:ss#) on its own CR LF line: read
    // in one pass, the reader moved past it. False, and nothing moved, else.
    bool date_écrite(double& résultat);
    [[noreturn]] void échec(const élément& e, const QString& attendu) const;
    QString texte_de(const élément& e) const;
    // The next text at the width given, as texte_fixe makes it; false, and
    // nothing made, when it is that many blanks.
    bool texte_à_largeur(int largeur, QString& t);

    // A Windows-1252 text read, at its width when largeur is not 0 (cut or
    // padded with blanks), shared with the same text read before: a file
    // repeats its towns, codes, names and descriptions, and each text made
    // is memory to obtain and, at the next load, to give back.
    QString texte_partagé(const char* octets, qsizetype taille, int largeur);
    struct texte_lu {
        const char* octets = nullptr;  // in octets_
        qsizetype taille = 0;
        int largeur = 0;
        QString texte;
    };
    std::vector<texte_lu> textes_lus_;
    qsizetype nombre_textes_lus_ = 0;

    QByteArray octets_;
    qsizetype pos_ = 0;
    int ligne_ = 1;
    bool utf8_ = false;
};
