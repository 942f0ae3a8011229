#include "ui_common/imprime.h"

#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/outils.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<imprime> la_boîte;

// Design layout in pixels of an 800 x 600 screen (15 twips a pixel).
constexpr int pixels(int twips) { return twips / 15; }

}  // namespace

imprime& imprime::instance()
{
    if (!la_boîte)
        la_boîte = new imprime;
    return *la_boîte;
}

void imprime::montre()
{
    imprime& boîte = instance();
    boîte.show();
    boîte.raise();
}

void imprime::cache()
{
    if (la_boîte)
        la_boîte->hide();
}

imprime::imprime(QWidget* parent) : fenêtre(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("imprime"));
    setWindowTitle(titre_application);
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPointSizeF(8.25);
    police.setBold(true);
    setFont(police);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0, 0, 64));
    setPalette(fond);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLabel, QPushButton { background-color: rgb(192, 192, 255); }"));

    page = new QLabel(QStringLiteral("J'imprime"), this);
    page->setObjectName(QStringLiteral("page"));
    page->setAlignment(Qt::AlignCenter);
    page->setGeometry(pixels(690), pixels(390), pixels(1365), pixels(375));

    Commande1 = new QPushButton(QStringLiteral("Annuler"), this);
    Commande1->setObjectName(QStringLiteral("Commande1"));
    Commande1->setGeometry(pixels(690), pixels(930), pixels(1365), pixels(345));
    connect(Commande1, &QPushButton::clicked, this, &imprime::Commande1_Click);

    setGeometry(pixels(1095), pixels(1485), pixels(2790), pixels(1455));
    Form_Load();
}

void imprime::Form_Load()
{
    adapte_feuille_écran(*this);
}

void imprime::Commande1_Click()
{
    arrêt_demandé = true;
    close();
}
