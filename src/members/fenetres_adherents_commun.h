#pragma once
// What the member register's source files share: the captions its buttons
// take and a few control helpers.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace registre_adhérents {

inline const QString caption_supprimer = QStringLiteral("Supprimer");
inline const QString caption_restaurer = QStringLiteral("Restaurer");
inline const QString caption_annuler = QStringLiteral("Annuler");

inline bool est_entrée(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

inline bool est_maj_f3(const QKeyEvent* k)
{
    return k->key() == Qt::Key_F3 && (k->modifiers() & Qt::ShiftModifier);
}

// Selects the whole text once the click that gave the focus has placed the caret.
inline void sélectionne_tout(QLineEdit* zone)
{
    QTimer::singleShot(0, zone, [zone] { zone->selectAll(); });
}

inline void caret_à_la_fin(QLineEdit* zone)
{
    QTimer::singleShot(0, zone, [zone] { zone->end(false); });
}

// A list position shown only when it lies within the list.
inline void montre_position(QComboBox* liste, int position)
{
    const QSignalBlocker bloque(liste);
    liste->setCurrentIndex(position >= 0 && position < liste->count() ? position : -1);
}

inline void remplit(QComboBox* liste, const QStringList& entrées)
{
    liste->clear();
    liste->addItems(entrées);
}

}  // namespace registre_adhérents
