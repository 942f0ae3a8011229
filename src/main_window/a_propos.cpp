#include "main_window/a_propos.h"

#include "data/dossiers.h"
#include "ui_common/outils.h"
#include "ui_common/shell.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

p_a_propos::p_a_propos(QWidget* parent) : fenêtre_modale(parent)
{
    setWindowTitle(QStringLiteral("Ostrane"));
    resize(480, 260);
    auto* image = new QLabel(this);
    image->setGeometry(16, 16, 120, 120);
    const QPixmap emblème(chemin_programme(QStringLiteral("Aide/images/TROVANE.gif")));
    if (!emblème.isNull())
        image->setPixmap(emblème.scaled(120, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto texte = [this](const QString& t, int x, int y, int largeur) {
        auto* l = new QLabel(t, this);
        l->setGeometry(x, y, largeur, 22);
        return l;
    };
    text2[1] = texte(QStringLiteral("Trovane, pour les systèmes d'échange local"), 150, 20, 296);
    text2[2] = texte(QStringLiteral("Programme et aide : Ostrane"), 150, 46, 296);
    desciption = texte(QString(), 150, 76, 296);
    Label1[0] = texte(QStringLiteral("Notre Site:"), 150, 120, 90);
    Label1[1] = texte(QStringLiteral("Nous écrire:"), 150, 150, 90);
    text2[3] = texte(adresse_site, 240, 120, 226);
    text2[4] = texte(adresse_courriel.trimmed(), 240, 150, 226);
    for (int i : {3, 4}) {
        text2[i]->setText(QStringLiteral("<u>%1</u>").arg((i == 3 ? adresse_site : adresse_courriel).trimmed()));
        text2[i]->setTextFormat(Qt::RichText);
        text2[i]->setCursor(Qt::PointingHandCursor);
        text2[i]->setStyleSheet(QStringLiteral("color: #0000c0;"));
        text2[i]->installEventFilter(this);
    }
    bt_quitter = new QPushButton(QStringLiteral("Fermer"), this);
    bt_quitter->setGeometry(366, 210, 100, 30);
    QObject::connect(bt_quitter, &QPushButton::clicked, this, [this] { bt_quitter_Click(); });
    Form_Load();
}

void p_a_propos::Form_Load()
{
    adapte_feuille_écran(*this);
    if (QScreen* écran = QGuiApplication::primaryScreen()) {
        const QRect r = écran->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    desciption->setText(QStringLiteral("Version %1 %2").arg(version_majeure).arg(version_mineure));
}

void p_a_propos::bt_quitter_Click() { close(); }
void p_a_propos::Form_Click() { close(); }
void p_a_propos::Form_LostFocus() { close(); }

void p_a_propos::Text2_Click(int index)
{
    if (index == 3)
        ouvre_avec_shell(adresse_site);
    else if (index == 4)
        ouvre_avec_shell(QStringLiteral("mailto:") + adresse_courriel.trimmed());
}

bool p_a_propos::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int i : {3, 4})
            if (objet == text2[i]) {
                Text2_Click(i);
                return true;
            }
    }
    return fenêtre_modale::eventFilter(objet, e);
}

void p_a_propos::mousePressEvent(QMouseEvent* e)
{
    // Only a press on the background itself closes the box.
    if (!childAt(e->position().toPoint()))
        Form_Click();
    fenêtre_modale::mousePressEvent(e);
}

bool p_a_propos::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate && isVisible())
        Form_LostFocus();
    return fenêtre_modale::event(e);
}
