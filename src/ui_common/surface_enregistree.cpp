#include "ui_common/surface_enregistree.h"

surface_enregistrée::surface_enregistrée(QSizeF feuille) : feuille_(feuille) {}

double surface_enregistrée::largeur_ligne(const QString& ligne, const police_page& police) const
{
    return static_cast<double>(ligne.size()) * police.taille * largeur_caractère_par_point;
}

double surface_enregistrée::interligne(const police_page& police) const
{
    return police.taille * interligne_par_point;
}

QSizeF surface_enregistrée::taille_page() const
{
    return orientation_ == QPageLayout::Landscape ? feuille_.transposed() : feuille_;
}

void surface_enregistrée::pose(élément_page élément)
{
    if (pages_.empty())
        pages_.emplace_back();
    pages_.back().push_back(std::move(élément));
}

void surface_enregistrée::page_suivante()
{
    if (pages_.empty())
        pages_.emplace_back();
    pages_.emplace_back();
}

bool surface_enregistrée::termine_document()
{
    if (!pages_.empty())
        documents_.push_back(std::move(pages_));
    pages_.clear();
    return true;
}

void surface_enregistrée::annule_document()
{
    if (!pages_.empty())
        ++annulés_;
    pages_.clear();
}

namespace {

template <typename T>
std::vector<T> du_genre(const std::vector<page_dessinée>& pages, std::size_t page)
{
    std::vector<T> trouvés;
    if (page >= pages.size())
        return trouvés;
    for (const élément_page& é : pages[page])
        if (const T* t = std::get_if<T>(&é))
            trouvés.push_back(*t);
    return trouvés;
}

}  // namespace

std::vector<texte_posé> surface_enregistrée::textes(std::size_t page) const
{
    return du_genre<texte_posé>(pages_, page);
}

std::vector<trait_posé> surface_enregistrée::traits(std::size_t page) const
{
    return du_genre<trait_posé>(pages_, page);
}

std::vector<image_posée> surface_enregistrée::images(std::size_t page) const
{
    return du_genre<image_posée>(pages_, page);
}
