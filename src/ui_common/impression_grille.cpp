#include "ui_common/impression_grille.h"

#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/grille.h"
#include "ui_common/impression_texte.h"
#include "ui_common/outils.h"
#include "ui_common/sablier.h"

#include <algorithm>

namespace {

QString sans_blancs_finaux(QString texte)
{
    while (texte.endsWith(QLatin1Char(' ')))
        texte.chop(1);
    return texte;
}

// Layout of a printed grid, in twips.
constexpr double haut_de_page = 1000;     // the title never starts above; continuation pages start here
constexpr double x_texte = 800;           // title and column 0
constexpr double x_traits = 750;          // left end of the rules, first vertical rule
constexpr double débord_droit = 100;      // the rules pass the last column by this much
constexpr double écart_avant_trait = 50;
constexpr double écart_après_trait = 25;
constexpr double écart_après_soulignement = 150;  // below the header underline and the closing rule
constexpr double retrait_droite = 80;     // right-aligned texts stop this far inside their cell
constexpr int largeur_colonne_cachée = 30;  // a column this narrow or less is not printed
constexpr double taille_minimale = 6;     // points
constexpr double marge_basse = 1200;
constexpr double réserve_traits = 75;     // bottom reserve when every row is ruled
const QString sonde = QStringLiteral("W");

const QString message_trop_large = QStringLiteral(
    "La grille est trop large pour être imprimée. Configurez votre imprimante en paysage et/ou réduisez des colonnes");

// A step of the printing that fails is told and skipped: the rest of the
// grid still prints.
template <class F>
void étape(F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        MsgBox(QString::fromUtf8(e.what()) + QStringLiteral(" L'impression de la grille pourra être incomplète."));
    }
}

// The grid is hidden and not redrawn while it prints, under the hourglass;
// all three come back whatever the way out.
class grille_en_impression {
public:
    explicit grille_en_impression(grille& g) : g_(g)
    {
        g_.setRedraw(false);
        g_.setVisible(false);
    }
    ~grille_en_impression()
    {
        g_.setRedraw(true);
        g_.setVisible(true);
    }
    grille_en_impression(const grille_en_impression&) = delete;
    grille_en_impression& operator=(const grille_en_impression&) = delete;

private:
    grille& g_;
};

// The grid's texts are set as they are measured and as the grid shows them,
// letter for letter; what the caller prints next is set as before.
class texte_de_grille {
public:
    explicit texte_de_grille(surface_page& s) : s_(s), avant_(s.police().sans_façonnage) { façonnage(true); }
    ~texte_de_grille() { façonnage(avant_); }
    texte_de_grille(const texte_de_grille&) = delete;
    texte_de_grille& operator=(const texte_de_grille&) = delete;

private:
    void façonnage(bool sans)
    {
        police_page p = s_.police();
        p.sans_façonnage = sans;
        s_.setPolice(p);
    }
    surface_page& s_;
    bool avant_;
};

class impression_grille {
public:
    impression_grille(surface_page& s, grille& g, double largeur, bool horizontales, bool verticales, bool tronquer)
        : s_(s),
          g_(g),
          largeur_(plus_petit(largeur, largeur_grille_imprimable(s.Width()))),
          horizontales_(horizontales),
          verticales_(verticales),
          tronquer_(tronquer)
    {
    }

    void imprime(const QString& titre)
    {
        grille_en_impression en_cours(g_);
        texte_de_grille lettre_à_lettre(s_);
        const bool grille_grasse = g_.FontBold();
        const bool grille_italique = g_.FontItalic();
        sablier pointeur;

        double total = 0;
        for (int c = 0; c < g_.Cols(); ++c)
            total += g_.ColWidth(c);
        s_.setFontName(g_.FontName());
        s_.setFontBold(grille_grasse);
        s_.setFontItalic(grille_italique);

        // Nothing to scale: the reader still gets the notice and the title.
        if (total <= 0) {
            s_.setFontSize(g_.FontSize());
            MsgBox(message_trop_large, style_boîte::information);
            imprime_titre(titre);
            s_.setFontBold(false);
            s_.setFontItalic(false);
            return;
        }

        ratio_ = plus_petit(1.0, largeur_ / total);
        const double taille_grille = g_.FontSize();
        s_.setFontSize(plus_petit(taille_grille, taille_grille * ratio_));
        // A printer that kept the full size prints the full widths too.
        if (s_.FontSize() == taille_grille)
            ratio_ = 1;
        g_.setCol(0);
        if (s_.FontSize() < taille_minimale) {
            MsgBox(message_trop_large, style_boîte::information);
            s_.KillDoc();
            arrêt_demandé = true;
            return;
        }

        étape([&] { imprime_titre(titre); });
        y_ = s_.CurrentY() + écart_avant_trait;
        haut_ = y_;
        if (horizontales_)
            étape([&] { trait_en_tête(); });

        const double limite = s_.Height() - marge_basse - (horizontales_ ? réserve_traits : 0);
        for (int r = 0; r < g_.Rows(); ++r) {
            if (!grille_italique)
                s_.setFontItalic(r == 0);
            if (!grille_grasse)
                s_.setFontBold(r == 0);
            étape([&] { imprime_ligne(r); });
            if (r == 0)
                étape([&] { soulignement(); });
            if (horizontales_ && r > 0) {
                y_ += écart_avant_trait;
                étape([&] { trait(y_); });
                y_ += écart_après_trait;
            }
            bas_ = y_;
            if (y_ + s_.TextHeight(sonde) > limite)
                étape([&] { saut_de_page(); });
            s_.setFontItalic(false);
            s_.setFontBold(false);
        }

        if (!horizontales_) {
            y_ += écart_avant_trait;
            étape([&] { trait(y_); });
            y_ += écart_après_soulignement;
            bas_ = y_;
            s_.setCurrentY(y_);
        }
        if (verticales_)
            étape([&] { traits_verticaux(); });
    }

private:
    double largeur(int c) const { return g_.ColWidth(c) * ratio_; }
    bool à_droite(int c) const { return c > 0 && g_.ColAlignment(c) == alignement_grille::droite_centre; }
    // Where the text of column c starts, its cell starting at gauche:
    // right-aligned texts end 80 inside the cell, clear of the rule that
    // stands 50 inside its edge.
    double x_cellule(int c, double gauche, const QString& texte) const
    {
        return à_droite(c) ? gauche + largeur(c) - s_.TextWidth(texte) - retrait_droite : gauche;
    }

    void imprime_titre(const QString& titre)
    {
        if (s_.CurrentY() < haut_de_page)
            s_.setCurrentY(haut_de_page);
        s_.setCurrentX(x_texte);
        s_.setFontBold(true);
        s_.Print(titre);
        s_.Print();
    }

    void imprime_ligne(int r)
    {
        double gauche = x_texte;
        double hauteur = 0;
        const int dernière = g_.Cols() - 1;
        for (int c = 0; c <= dernière; ++c) {
            if (c > 0)
                gauche += largeur(c - 1);
            // Fixed-width fields end in blanks that print nothing but would
            // wrap onto a second line. A shortened text keeps the place
            // computed for its full text.
            QString texte = sans_blancs_finaux(g_.TextMatrix(r, c));
            const double x = x_cellule(c, gauche, texte);
            s_.setCurrentX(x);
            s_.setCurrentY(y_);
            if (g_.ColWidth(c) > largeur_colonne_cachée) {
                if (tronquer_ && c != dernière)
                    texte = raccourci(s_, texte, largeur(c) - s_.TextWidth(sonde));
                hauteur = std::max(hauteur, imprime_paragraphe(s_, texte, x, y_, largeur(c)));
            }
        }
        y_ += hauteur;
    }

    // The header again at the top of a continuation page: never shortened,
    // measured and placed as on the first page.
    void imprime_en_tête()
    {
        double gauche = x_texte;
        double hauteur = 0;
        s_.setFontItalic(true);
        s_.setFontBold(true);
        for (int k = 0; k < g_.Cols(); ++k) {
            if (k > 0)
                gauche += largeur(k - 1);
            const double x = x_cellule(k, gauche, g_.TextMatrix(0, k));
            if (g_.ColWidth(k) > largeur_colonne_cachée) {
                s_.setCurrentX(x);
                s_.setCurrentY(y_);
                hauteur = std::max(hauteur, imprime_paragraphe(s_, g_.TextMatrix(0, k), x, y_, largeur(k)));
            }
        }
        y_ += hauteur;
        soulignement();
        s_.setFontItalic(false);
        s_.setFontBold(false);
    }

    void saut_de_page()
    {
        if (verticales_)
            traits_verticaux();
        y_ = haut_de_page;
        s_.NewPage();
        haut_ = bas_ = y_;
        if (horizontales_)
            trait_en_tête();
        imprime_en_tête();
        // The block of a page ends below its header at least, so that a page
        // holding the header alone still gets its vertical rules.
        bas_ = y_;
    }

    void trait_en_tête()
    {
        y_ += écart_avant_trait;
        haut_ = y_;
        trait(y_);
        y_ += écart_après_trait;
    }

    void soulignement()
    {
        y_ += écart_avant_trait;
        trait(y_);
        y_ += écart_après_soulignement;
    }

    void trait(double y) { s_.Line(x_traits, y, largeur_ + x_traits + débord_droit, y); }

    // Cols + 1 rules; a column too narrow to print still has its own.
    void traits_verticaux()
    {
        double x = x_traits;
        s_.Line(x, haut_, x, bas_);
        for (int k = 0; k < g_.Cols(); ++k) {
            x += largeur(k) + (k == g_.Cols() - 1 ? débord_droit : 0);
            s_.Line(x, haut_, x, bas_);
        }
    }

    surface_page& s_;
    grille& g_;
    const double largeur_;
    const bool horizontales_, verticales_, tronquer_;
    double ratio_ = 1;
    double y_ = 0;
    double haut_ = 0, bas_ = 0;  // the ruled block of the current page
};

}  // namespace

void imprime_grille(surface_page& imprimante, grille& grille, double largeur, const QString& titre,
                    bool horizontales, bool verticales, bool tronquer)
{
    impression_grille(imprimante, grille, largeur, horizontales, verticales, tronquer).imprime(titre);
}

double largeur_grille_imprimable(double largeur_feuille)
{
    // The rules run from x_traits to the columns' width + x_traits + débord_droit.
    return largeur_feuille - 2 * x_traits - débord_droit;
}

void configure_imprimante()
{
    dialogue1().ShowPrinter();
}

double largeur_grille_twips(const grille& g)
{
    double total = 0;
    for (int c = 0; c < g.Cols(); ++c)
        total += g.ColWidth(c);
    return total;
}

double largeur_grille_mm(const grille& g) { return largeur_grille_twips(g) / twips_par_mm; }
