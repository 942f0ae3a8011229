#include "ui_common/principale.h"

namespace {
liens_principale liens;
}

grille& gg()
{
    static grille générale;
    return générale;
}

void branche_principale(liens_principale l) { liens = std::move(l); }

void clique_op(int index)
{
    if (liens.clique_mode)
        liens.clique_mode(index);
}

void titre_principale(const QString& titre)
{
    if (liens.titre)
        liens.titre(titre);
}

QWidget* fenêtre_principale_ouverte() { return liens.fenêtre ? liens.fenêtre() : nullptr; }

std::function<void()> crochet_évolution;
