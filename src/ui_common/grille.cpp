#include "ui_common/grille.h"

#include "data/valeurs.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <optional>

// ---------------------------------------------------------------- observers

observateur_grille::~observateur_grille()
{
    for (grille* g : std::vector<grille*>(grilles_))
        g->retire_observateur(this);
}

void grille::ajoute_observateur(observateur_grille* o)
{
    if (!o || std::find(observateurs_.begin(), observateurs_.end(), o) != observateurs_.end())
        return;
    observateurs_.push_back(o);
    o->grilles_.push_back(this);
}

void grille::retire_observateur(observateur_grille* o)
{
    observateurs_.erase(std::remove(observateurs_.begin(), observateurs_.end(), o), observateurs_.end());
    if (o)
        o->grilles_.erase(std::remove(o->grilles_.begin(), o->grilles_.end(), this), o->grilles_.end());
}

void grille::cellule_changée(int r, int c)
{
    if (observateurs_.empty())
        return;
    if (!redraw_) {
        en_attente_ = true;
        return;
    }
    for (observateur_grille* o : observateurs_)
        o->cellules_changées(r, c, r, c);
}

// A structure change is announced before it happens; with Redraw off the
// whole grid is announced again when Redraw comes back on.
void grille::avant_structure()
{
    if (observateurs_.empty())
        return;
    if (!redraw_) {
        en_attente_ = true;
        return;
    }
    for (observateur_grille* o : observateurs_)
        o->avant_structure();
}

void grille::après_structure()
{
    if (observateurs_.empty() || !redraw_)
        return;
    for (observateur_grille* o : observateurs_)
        o->après_structure();
}

void grille::géométrie_changée()
{
    if (observateurs_.empty())
        return;
    if (!redraw_) {
        en_attente_ = true;
        return;
    }
    for (observateur_grille* o : observateurs_)
        o->géométrie_changée();
}

void grille::sélection_changée()
{
    if (observateurs_.empty())
        return;
    if (!redraw_) {
        en_attente_ = true;
        return;
    }
    for (observateur_grille* o : observateurs_)
        o->sélection_changée();
}

// ---------------------------------------------------------------- construction

grille::grille() : grille(2, 2, 1, 1) {}

grille::grille(int lignes, int colonnes, int lignes_fixes, int colonnes_fixes)
{
    setCols(colonnes);
    setRows(lignes);
    setFixedRows(lignes_fixes);
    setFixedCols(colonnes_fixes);
    ligne_ = ligne_sél_ = std::min(lignes_fixes_, std::max(0, Rows() - 1));
    colonne_ = colonne_sél_ = std::min(colonnes_fixes_, std::max(0, Cols() - 1));
}

grille::~grille()
{
    for (observateur_grille* o : std::vector<observateur_grille*>(observateurs_)) {
        retire_observateur(o);
        o->grille_détruite();
    }
}

// ---------------------------------------------------------------- checks

void grille::vérifie_ligne(int r) const
{
    if (r < 0 || r >= Rows())
        throw erreur_grille(QStringLiteral("Ligne %1 hors de la grille (%2 lignes)").arg(r).arg(Rows()).toStdString());
}

void grille::vérifie_colonne(int c) const
{
    if (c < 0 || c >= Cols())
        throw erreur_grille(
            QStringLiteral("Colonne %1 hors de la grille (%2 colonnes)").arg(c).arg(Cols()).toStdString());
}

void grille::vérifie(int r, int c) const
{
    vérifie_ligne(r);
    vérifie_colonne(c);
}

void grille::borne_sélection()
{
    const int dl = std::max(0, Rows() - 1), dc = std::max(0, Cols() - 1);
    ligne_ = std::clamp(ligne_, 0, dl);
    ligne_sél_ = std::clamp(ligne_sél_, 0, dl);
    colonne_ = std::clamp(colonne_, 0, dc);
    colonne_sél_ = std::clamp(colonne_sél_, 0, dc);
}

// ---------------------------------------------------------------- size

void grille::setRows(int n)
{
    if (n < 0)
        throw erreur_grille("Nombre de lignes négatif");
    if (n == Rows())
        return;
    avant_structure();
    const auto avant = lignes_.size();
    lignes_.resize(static_cast<std::size_t>(n));
    for (auto i = avant; i < lignes_.size(); ++i)
        lignes_[i].textes.resize(static_cast<std::size_t>(colonnes_));
    lignes_fixes_ = std::min(lignes_fixes_, n);
    borne_sélection();
    après_structure();
}

void grille::setCols(int n)
{
    if (n < 0)
        throw erreur_grille("Nombre de colonnes négatif");
    if (n == colonnes_)
        return;
    avant_structure();
    colonnes_ = n;
    attributs_colonnes_.resize(static_cast<std::size_t>(n));
    for (ligne& l : lignes_) {
        l.textes.resize(static_cast<std::size_t>(n));
        if (!l.styles.empty())
            l.styles.resize(static_cast<std::size_t>(n));
    }
    colonnes_fixes_ = std::min(colonnes_fixes_, n);
    borne_sélection();
    après_structure();
}

void grille::setFixedRows(int n)
{
    if (n < 0 || n > Rows())
        throw erreur_grille(QStringLiteral("Nombre de lignes fixes incorrect (%1)").arg(n).toStdString());
    if (n == lignes_fixes_)
        return;
    avant_structure();
    lignes_fixes_ = n;
    après_structure();
}

void grille::setFixedCols(int n)
{
    if (n < 0 || n > Cols())
        throw erreur_grille(QStringLiteral("Nombre de colonnes fixes incorrect (%1)").arg(n).toStdString());
    if (n == colonnes_fixes_)
        return;
    avant_structure();
    colonnes_fixes_ = n;
    après_structure();
}

// ---------------------------------------------------------------- texts

const QString& grille::TextMatrix(int r, int c) const
{
    vérifie(r, c);
    return lignes_[static_cast<std::size_t>(r)].textes[static_cast<std::size_t>(c)];
}

void grille::setTextMatrix(int r, int c, const QString& texte)
{
    vérifie(r, c);
    lignes_[static_cast<std::size_t>(r)].textes[static_cast<std::size_t>(c)] = texte;
    cellule_changée(r, c);
}

void grille::Clear()
{
    for (ligne& l : lignes_) {
        std::fill(l.textes.begin(), l.textes.end(), QString());
        l.styles.clear();
    }
    forme_ = forme_grille::vide;
    if (Rows() == 0 || Cols() == 0 || observateurs_.empty())
        return;
    if (!redraw_) {
        en_attente_ = true;
        return;
    }
    for (observateur_grille* o : observateurs_)
        o->cellules_changées(0, 0, Rows() - 1, Cols() - 1);
}

void grille::AddItem(const QString& texte, int index)
{
    if (index == -1)
        index = Rows();
    if (index < 0 || index > Rows())
        throw erreur_grille(
            QStringLiteral("Position d'insertion %1 hors de la grille (%2 lignes)").arg(index).arg(Rows()).toStdString());
    ligne l;
    l.textes.resize(static_cast<std::size_t>(colonnes_));
    qsizetype début = 0;
    for (int c = 0; c < colonnes_; ++c) {
        const qsizetype tab = texte.indexOf(QLatin1Char('\t'), début);
        l.textes[static_cast<std::size_t>(c)] = texte.mid(début, tab < 0 ? -1 : tab - début);
        if (tab < 0)
            break;
        début = tab + 1;
    }
    avant_structure();
    lignes_.insert(lignes_.begin() + index, std::move(l));
    après_structure();
}

void grille::RemoveItem(int index)
{
    vérifie_ligne(index);
    if (index < lignes_fixes_)
        throw erreur_grille(QStringLiteral("La ligne %1 est une ligne fixe").arg(index).toStdString());
    avant_structure();
    lignes_.erase(lignes_.begin() + index);
    borne_sélection();
    après_structure();
}

// ---------------------------------------------------------------- current cell

void grille::setRow(int r)
{
    vérifie_ligne(r);
    ligne_ = ligne_sél_ = r;
    sélection_changée();
}

void grille::setCol(int c)
{
    vérifie_colonne(c);
    colonne_ = colonne_sél_ = c;
    sélection_changée();
}

void grille::setRowSel(int r)
{
    vérifie_ligne(r);
    ligne_sél_ = r;
    sélection_changée();
}

void grille::setColSel(int c)
{
    vérifie_colonne(c);
    colonne_sél_ = c;
    sélection_changée();
}

// ---------------------------------------------------------------- geometry

int grille::ColWidth(int c) const
{
    vérifie_colonne(c);
    const int l = attributs_colonnes_[static_cast<std::size_t>(c)].largeur;
    return l < 0 ? largeur_défaut : l;
}

void grille::setColWidth(int c, int twips)
{
    vérifie_colonne(c);
    attributs_colonnes_[static_cast<std::size_t>(c)].largeur = twips < 0 ? -1 : twips;
    géométrie_changée();
}

int grille::RowHeight(int r) const
{
    vérifie_ligne(r);
    const int h = lignes_[static_cast<std::size_t>(r)].hauteur;
    return h < 0 ? hauteur_défaut : h;
}

void grille::setRowHeight(int r, int twips)
{
    vérifie_ligne(r);
    lignes_[static_cast<std::size_t>(r)].hauteur = twips < 0 ? -1 : twips;
    géométrie_changée();
}

int grille::ColAlignment(int c) const
{
    vérifie_colonne(c);
    return attributs_colonnes_[static_cast<std::size_t>(c)].alignement;
}

void grille::setColAlignment(int c, int alignement)
{
    vérifie_colonne(c);
    if (alignement < alignement_grille::gauche_haut || alignement > alignement_grille::général)
        throw erreur_grille(QStringLiteral("Alignement incorrect (%1)").arg(alignement).toStdString());
    attributs_colonnes_[static_cast<std::size_t>(c)].alignement = alignement;
    géométrie_changée();
}

// ---------------------------------------------------------------- grid font

void grille::setPolice(const police_grille& p)
{
    if (p.taille <= 0)
        throw erreur_grille("Taille de police incorrecte");
    police_ = p;
    géométrie_changée();
}

void grille::setFontName(const QString& nom)
{
    police_grille p = police_;
    p.nom = nom;
    setPolice(p);
}

void grille::setFontSize(float taille)
{
    police_grille p = police_;
    p.taille = taille;
    setPolice(p);
}

void grille::setFontBold(bool oui)
{
    police_grille p = police_;
    p.gras = oui;
    setPolice(p);
}

void grille::setFontItalic(bool oui)
{
    police_grille p = police_;
    p.italique = oui;
    setPolice(p);
}

// ---------------------------------------------------------------- cell styles

bool grille::style::vide() const
{
    return police.isEmpty() && taille == 0 && gras < 0 && italique < 0 && fond == couleur_défaut &&
           encre == couleur_défaut;
}

const grille::style* grille::style_lu(int r, int c) const
{
    vérifie(r, c);
    const ligne& l = lignes_[static_cast<std::size_t>(r)];
    return l.styles.empty() ? nullptr : &l.styles[static_cast<std::size_t>(c)];
}

grille::style& grille::style_de(int r, int c)
{
    vérifie(r, c);
    ligne& l = lignes_[static_cast<std::size_t>(r)];
    if (l.styles.empty())
        l.styles.resize(static_cast<std::size_t>(colonnes_));
    return l.styles[static_cast<std::size_t>(c)];
}

police_grille grille::police_cellule(int r, int c) const
{
    police_grille p = police_;
    if (const style* s = style_lu(r, c)) {
        if (!s->police.isEmpty())
            p.nom = s->police;
        if (s->taille > 0)
            p.taille = s->taille;
        if (s->gras >= 0)
            p.gras = s->gras != 0;
        if (s->italique >= 0)
            p.italique = s->italique != 0;
    }
    return p;
}

couleur grille::CellBackColor(int r, int c) const
{
    const style* s = style_lu(r, c);
    return s ? s->fond : couleur_défaut;
}

couleur grille::CellForeColor(int r, int c) const
{
    const style* s = style_lu(r, c);
    return s ? s->encre : couleur_défaut;
}

bool grille::a_un_style(int r, int c) const
{
    const style* s = style_lu(r, c);
    return s && !s->vide();
}

void grille::setCellFontName(int r, int c, const QString& nom)
{
    style_de(r, c).police = nom;
    cellule_changée(r, c);
}

void grille::setCellFontSize(int r, int c, float taille)
{
    if (taille <= 0)
        throw erreur_grille("Taille de police incorrecte");
    style_de(r, c).taille = taille;
    cellule_changée(r, c);
}

void grille::setCellFontBold(int r, int c, bool oui)
{
    style_de(r, c).gras = oui ? 1 : 0;
    cellule_changée(r, c);
}

void grille::setCellFontItalic(int r, int c, bool oui)
{
    style_de(r, c).italique = oui ? 1 : 0;
    cellule_changée(r, c);
}

void grille::setCellBackColor(int r, int c, couleur coul)
{
    style_de(r, c).fond = coul;
    cellule_changée(r, c);
}

void grille::setCellForeColor(int r, int c, couleur coul)
{
    style_de(r, c).encre = coul;
    cellule_changée(r, c);
}

// ---------------------------------------------------------------- display

void grille::setRedraw(bool oui)
{
    if (oui == redraw_)
        return;
    redraw_ = oui;
    if (redraw_ && en_attente_) {
        en_attente_ = false;
        // The changes made meanwhile are shown in one go.
        for (observateur_grille* o : observateurs_)
            o->avant_structure();
        for (observateur_grille* o : observateurs_)
            o->après_structure();
        for (observateur_grille* o : observateurs_)
            o->géométrie_changée();
        for (observateur_grille* o : observateurs_)
            o->sélection_changée();
    }
    for (observateur_grille* o : observateurs_)
        o->affichage_changé();
}

void grille::setVisible(bool oui)
{
    if (oui == visible_)
        return;
    visible_ = oui;
    for (observateur_grille* o : observateurs_)
        o->affichage_changé();
}

void grille::setSelectionMode(mode_sélection mode)
{
    if (mode == mode_sélection_)
        return;
    mode_sélection_ = mode;
    for (observateur_grille* o : observateurs_)
        o->affichage_changé();
}

// ---------------------------------------------------------------- sort

const QCollator& collation_française()
{
    static const QCollator c = [] {
        QCollator k(QLocale(QLocale::French, QLocale::France));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        return k;
    }();
    return c;
}

QCollatorSortKey clé_à_la_française(const QString& texte)
{
    static QHash<QString, QCollatorSortKey> clés;
    if (const auto trouvée = clés.constFind(texte); trouvée != clés.cend())
        return *trouvée;
    if (clés.size() >= 200000)
        clés.clear();  // a bound on what a long session keeps
    return *clés.insert(texte, collation_française().sortKey(texte));
}

std::vector<std::size_t> ordre_à_la_française(const std::vector<QString>& textes)
{
    std::vector<QCollatorSortKey> clés;
    clés.reserve(textes.size());
    for (const QString& t : textes)
        clés.push_back(clé_à_la_française(t));
    std::vector<std::size_t> ordre(textes.size());
    for (std::size_t i = 0; i < ordre.size(); ++i)
        ordre[i] = i;
    std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) { return clés[a].compare(clés[b]) < 0; });
    return ordre;
}

namespace {

int compare(double a, double b) { return a < b ? -1 : (b < a ? 1 : 0); }

// How one cell of a key column takes part in a generic sort. The text key is
// made only when a comparison needs it: columns of numbers never pay for it.
struct clé_générique {
    const QString* texte = nullptr;
    bool est_nombre = false, est_date = false;
    double valeur = 0;
    mutable std::optional<QCollatorSortKey> clé_texte;

    void lit(const QString& t)
    {
        texte = &t;
        if (lit_nombre(t, valeur)) {
            est_nombre = true;
            return;
        }
        // Every date form begins with a digit; skip the date reader otherwise.
        for (QChar ch : t) {
            if (ch.isSpace())
                continue;
            if (ch.isDigit())
                est_date = lit_date(t, valeur);
            break;
        }
    }
    const QCollatorSortKey& clé() const
    {
        if (!clé_texte)
            clé_texte.emplace(clé_à_la_française(*texte));
        return *clé_texte;
    }
};

int compare_générique(const clé_générique& a, const clé_générique& b)
{
    if ((a.est_nombre && b.est_nombre) || (a.est_date && b.est_date))
        return compare(a.valeur, b.valeur);
    return a.clé().compare(b.clé());
}

// Stable merge sort of indexes that stays within bounds whatever the
// comparison does: the generic order is not transitive when a column mixes
// numbers and texts ("9" < "10" as numbers, "10" < "5x" < "9" as texts).
template <class Avant>
void tri_stable(std::vector<int>& t, Avant avant)
{
    const std::size_t n = t.size();
    constexpr std::size_t bloc = 16;
    for (std::size_t d = 0; d < n; d += bloc) {
        const std::size_t f = std::min(n, d + bloc);
        for (std::size_t i = d + 1; i < f; ++i) {
            const int x = t[i];
            std::size_t j = i;
            while (j > d && avant(x, t[j - 1])) {
                t[j] = t[j - 1];
                --j;
            }
            t[j] = x;
        }
    }
    std::vector<int> tampon(n);
    for (std::size_t largeur = bloc; largeur < n; largeur *= 2) {
        for (std::size_t d = 0; d < n; d += 2 * largeur) {
            const std::size_t m = std::min(n, d + largeur), f = std::min(n, d + 2 * largeur);
            std::size_t i = d, j = m, k = d;
            while (i < m && j < f)
                tampon[k++] = avant(t[j], t[i]) ? t[j++] : t[i++];
            while (i < m)
                tampon[k++] = t[i++];
            while (j < f)
                tampon[k++] = t[j++];
        }
        t.swap(tampon);
    }
}

}  // namespace

void grille::setSort(int code)
{
    if (code == tri_grille::aucun)
        return;
    if (code < tri_grille::générique_croissant || code > tri_grille::numérique_croissant)
        throw erreur_grille(QStringLiteral("Code de tri non pris en charge (%1)").arg(code).toStdString());
    if (Cols() == 0)
        return;
    int début, fin;
    if (ligne_ == ligne_sél_) {
        début = lignes_fixes_;
        fin = Rows() - 1;
    } else {
        // Fixed rows are headers: a selection that reaches them sorts the rest.
        début = std::max(std::min(ligne_, ligne_sél_), lignes_fixes_);
        fin = std::max(ligne_, ligne_sél_);
    }
    if (fin - début < 1)
        return;
    const int c1 = std::min(colonne_, colonne_sél_), c2 = std::max(colonne_, colonne_sél_);
    const int n = fin - début + 1, nc = c2 - c1 + 1;

    std::vector<int> ordre(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        ordre[static_cast<std::size_t>(i)] = i;
    auto cellule = [&](int i, int k) -> const QString& {
        return lignes_[static_cast<std::size_t>(début + i)].textes[static_cast<std::size_t>(c1 + k)];
    };

    if (code == tri_grille::numérique_croissant) {
        std::vector<double> v(static_cast<std::size_t>(n) * nc);
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < nc; ++k)
                v[static_cast<std::size_t>(i) * nc + k] = Val(cellule(i, k));
        tri_stable(ordre, [&](int a, int b) {
            for (int k = 0; k < nc; ++k)
                if (const int r = compare(v[static_cast<std::size_t>(a) * nc + k], v[static_cast<std::size_t>(b) * nc + k]))
                    return r < 0;
            return false;
        });
    } else {
        std::vector<clé_générique> clés(static_cast<std::size_t>(n) * nc);
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < nc; ++k)
                clés[static_cast<std::size_t>(i) * nc + k].lit(cellule(i, k));
        const int sens = code == tri_grille::générique_croissant ? 1 : -1;
        tri_stable(ordre, [&](int a, int b) {
            for (int k = 0; k < nc; ++k)
                if (const int r = compare_générique(clés[static_cast<std::size_t>(a) * nc + k],
                                                     clés[static_cast<std::size_t>(b) * nc + k]))
                    return r * sens < 0;
            return false;
        });
    }

    std::vector<ligne> triées;
    triées.reserve(static_cast<std::size_t>(n));
    for (int i : ordre)
        triées.push_back(std::move(lignes_[static_cast<std::size_t>(début + i)]));
    std::move(triées.begin(), triées.end(), lignes_.begin() + début);

    if (observateurs_.empty())
        return;
    if (!redraw_) {
        en_attente_ = true;
        return;
    }
    for (observateur_grille* o : observateurs_)
        o->cellules_changées(début, 0, fin, Cols() - 1);
    géométrie_changée();  // heights moved with their rows
}
