#include "ui_common/outils.h"

#include "data/dialogues.h"
#include "data/dossiers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

bool fonds_unis = false;
cycle_casse état_casse;

namespace {

QString en_capitales(const QString& t)
{
    QString r = t;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

QString en_minuscules(const QString& t)
{
    QString r = t;
    for (QChar& c : r)
        c = c.toLower();
    return r;
}

QString mots_capitalisés(const QString& t)
{
    QString r = t;
    for (qsizetype i = 0; i < r.size(); ++i)
        if (i == 0 || r[i - 1] == QLatin1Char(' ') || r[i - 1] == QLatin1Char('-'))
            r[i] = r[i].toUpper();
    return r;
}

template <class Lecture>
int16 indice_section(int nombre, Lecture donnée, int16 code)
{
    const int section = code / 100;
    for (int i = 0; i < nombre; ++i) {
        bool ok = false;
        const int valeur = donnée(i).toInt(&ok);
        if (ok && valeur == section)
            return static_cast<int16>(i);
    }
    MsgBox(QStringLiteral("Le code rubrique de cette proposition ne correspond pas à une classification."),
           style_boîte::information);
    return -1;
}

}  // namespace

// ---------------------------------------------------------------- background
void affiche_fond(QWidget& feuille)
{
    if (fonds_unis)
        return;
    const QPixmap image(chemin_programme(QStringLiteral("Aide/images/fond.gif")));
    if (image.isNull())
        return;
    QPalette palette = feuille.palette();
    palette.setBrush(QPalette::Window, QBrush(image));
    feuille.setPalette(palette);
    feuille.setAutoFillBackground(true);
}

// ---------------------------------------------------------------- lists
int16 indice_rubrique_liste(const QComboBox& liste, int16 code)
{
    return indice_section(liste.count(), [&](int i) { return liste.itemData(i); }, code);
}

int16 indice_rubrique_liste(const QListWidget& liste, int16 code)
{
    return indice_section(liste.count(), [&](int i) { return liste.item(i)->data(Qt::UserRole); }, code);
}

// ---------------------------------------------------------------- letter case
résultat_casse change_casse(const QString& texte_boîte, int début_sélection, int longueur_sélection,
                            const QString& texte)
{
    cycle_casse& é = état_casse;
    if (é.texte_initial.isEmpty() || en_capitales(texte_boîte) != en_capitales(é.texte_initial))
        é.texte_initial = texte;

    QString part = texte_boîte;
    int début = 0;  // 0-based
    if (longueur_sélection > 0) {
        if (début_sélection < 0 || début_sélection + longueur_sélection > texte_boîte.size())
            return {é.texte_initial, 0, 0};
        part = texte_boîte.mid(début_sélection, longueur_sélection);
        début = début_sélection;
    }
    const int longueur_prise = static_cast<int>(part.size());

    const int16 mode = é.mode;
    switch (mode) {
    case 0: part = en_capitales(part); break;
    case 1: part = en_minuscules(part); break;
    case 2: part = mots_capitalisés(part); break;
    default: break;
    }
    é.mode = mode >= 3 ? 0 : static_cast<int16>(mode + 1);

    résultat_casse r;
    r.texte = mode >= 3 ? é.texte_initial
                        : texte_boîte.left(début) + part + texte_boîte.mid(début + longueur_prise);
    r.début_sélection = début;
    r.longueur_sélection = static_cast<int>(part.size());
    return r;
}

QString change_casse(QLineEdit& zone, const QString& texte)
{
    const int longueur = static_cast<int>(zone.selectedText().size());
    const résultat_casse r = change_casse(zone.text(), longueur > 0 ? zone.selectionStart() : 0, longueur, texte);
    // Putting the text into the box clears its selection: select the changed
    // part once the caller has done so.
    QPointer<QLineEdit> garde(&zone);
    QMetaObject::invokeMethod(
        &zone,
        [garde, r] {
            if (garde && garde->text() == r.texte)
                garde->setSelection(r.début_sélection, r.longueur_sélection);
        },
        Qt::QueuedConnection);
    return r.texte;
}
