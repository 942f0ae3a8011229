#include "classification/fenetres_classification.h"

#include "classification/f_base.h"
#include "classification/f_rubriques.h"
#include "ui_common/fenetres.h"
#include "ui_common/principale.h"
#include "ui_common/symboles.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

void enregistre_fenêtres_classification()
{
    enregistre_fenêtre(QStringLiteral("f_rubriques"), [] { return new f_rubriques(fenêtre_principale_ouverte()); });
    enregistre_fenêtre(QStringLiteral("f_base"), [] { return new f_base(fenêtre_principale_ouverte()); });
}

void applique_image_retour(QPushButton& bouton)
{
    // A house drawn from the symbol font, whatever font the button gets when
    // the window is fitted to the screen.
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont police(police_symboles());
        police.setPixelSize(28);
        p.setFont(police);
        p.setPen(QColor(0, 0, 128));
        p.drawText(image.rect(), Qt::AlignCenter, QString::fromUcs4(U"\U0001F3E0"));
    }
    bouton.setIcon(QIcon(image));
    bouton.setIconSize(image.size());
}
