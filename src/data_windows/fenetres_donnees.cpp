#include "data_windows/fenetres_donnees.h"

#include "data_windows/f_archivage.h"
#include "data_windows/f_maj.h"
#include "data_windows/f_options.h"
#include "ui_common/principale.h"

#include <QDialog>
#include <QMenuBar>
#include <QVBoxLayout>

void enregistre_fenêtres_données()
{
    enregistre_fenêtre(noms_fenêtres::extraction, [] { return new f_maj(fenêtre_principale_ouverte()); });
    enregistre_fenêtre(noms_fenêtres::options, [] { return new f_options(fenêtre_principale_ouverte()); });
    enregistre_fenêtre(noms_fenêtres::archivage, [] { return new f_archivage(fenêtre_principale_ouverte()); });
}

QWidget* corps_fenêtre(QDialog& fenêtre, QMenuBar*& barre)
{
    auto* disposition = new QVBoxLayout(&fenêtre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    barre = new QMenuBar(&fenêtre);
    disposition->setMenuBar(barre);
    auto* corps = new QWidget(&fenêtre);
    disposition->addWidget(corps);
    return corps;
}

void dimensionne(QDialog& fenêtre, const QMenuBar& barre, int largeur, int hauteur)
{
    fenêtre.resize(largeur, hauteur + barre.sizeHint().height());
}
