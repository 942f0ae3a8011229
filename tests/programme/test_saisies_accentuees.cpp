// A text ending in an accented letter, typed key by key, committed by an
// input method (a dead key, a compose sequence) or pasted, in every text
// field of every window: the field holds it whole, or refuses letters
// altogether; it never keeps the text without its last letter.
#include "members/fenetres_adherents.h"
#include "programme_ouvert.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

const QStringList fenêtres = {"f_adhérents", "p_filtrfam",   "f_base",           "f_rubriques",     "f_compta",
                              "F_catalogue", "f_impression", "f_relevés_comptes", "f_états_comptes", "f_statistiques",
                              "f_options",   "f_archivage",  "f_maj"};

enum class manière { frappe, méthode_de_saisie, collage, collage_mêlé };

QString texte_de(QWidget* champ)
{
    if (auto* l = qobject_cast<QLineEdit*>(champ))
        return l->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(champ))
        return p->toPlainText();
    if (auto* t = qobject_cast<QTextEdit*>(champ))
        return t->toPlainText();
    return {};
}

void vide(QWidget* champ)
{
    if (auto* l = qobject_cast<QLineEdit*>(champ))
        l->clear();
    else if (auto* p = qobject_cast<QPlainTextEdit*>(champ))
        p->clear();
    else if (auto* t = qobject_cast<QTextEdit*>(champ))
        t->clear();
}

// Key by key, as a keyboard that has the letter sends it (Qt::Key_Eacute
// with its text).
void tape(QWidget* champ, const QString& texte)
{
    for (const QChar c : texte) {
        if (c.unicode() < 128)
            QTest::keyClick(champ, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, champ, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

void saisit(QWidget* champ, manière m)
{
    switch (m) {
    case manière::frappe: tape(champ, QStringLiteral("Zoé")); break;
    case manière::méthode_de_saisie: {
        QTest::keyClicks(champ, QStringLiteral("Zo"));
        // The accent comes as the input method's commit, not as a key.
        QInputMethodEvent composition(QStringLiteral("´"), {});
        QCoreApplication::sendEvent(champ, &composition);
        QInputMethodEvent validation;
        validation.setCommitString(QStringLiteral("é"));
        QCoreApplication::sendEvent(champ, &validation);
        break;
    }
    case manière::collage:
    case manière::collage_mêlé:
        // A character the data file cannot hold goes, the rest stays.
        QApplication::clipboard()->setText(m == manière::collage ? QStringLiteral("Zoé") : QStringLiteral("Zoé✓"));
        // Ctrl+V as the keyboard sends it: its text is a control character.
        QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        break;
    }
    QApplication::processEvents();
}

// Letters refused (dates, numbers) or the whole text kept, whatever the
// field makes of its case.
bool sain(const QString& t)
{
    const QString m = t.toLower();
    const bool lettres = m.contains(QLatin1Char('z')) || m.contains(QLatin1Char('o'));
    return !lettres || m.endsWith(QStringLiteral("zoé"));
}

class saisies_accentuées : public programme_ouvert {};

}  // namespace

TEST_F(saisies_accentuées, chaque_champ_de_chaque_fenêtre_garde_la_dernière_lettre)
{
    int champs = 0;
    for (const QString& nom : fenêtres) {
        SCOPED_TRACE(nom.toStdString());
        fenêtre_programme* w = charge_fenêtre(nom);
        ASSERT_NE(w, nullptr);
        QWidget& feuille = w->feuille();
        feuille.show();
        QApplication::processEvents();
        QList<QWidget*> zones;
        for (QLineEdit* l : feuille.findChildren<QLineEdit*>())
            zones << l;
        for (QPlainTextEdit* p : feuille.findChildren<QPlainTextEdit*>())
            zones << p;
        for (QTextEdit* t : feuille.findChildren<QTextEdit*>())
            zones << t;
        for (QWidget* z : zones) {
            QPointer<QWidget> champ(z);
            if (!champ || !champ->isEnabled() || !champ->isVisible())
                continue;
            if (auto* l = qobject_cast<QLineEdit*>(z); l && l->isReadOnly())
                continue;
            ++champs;
            // Only the program's own filter stands between a paste and the field.
            const bool filtre_seul = z->property("trovane_protégé").toBool();
            for (const manière m :
                 {manière::frappe, manière::méthode_de_saisie, manière::collage, manière::collage_mêlé}) {
                if (!champ || !champ->isVisible() || !champ->isEnabled())
                    break;
                champ->setFocus(Qt::OtherFocusReason);
                vide(champ);
                saisit(champ, m);
                if (!champ)
                    break;
                const QString t = texte_de(champ);
                const bool collé = m == manière::collage || m == manière::collage_mêlé;
                EXPECT_TRUE(collé && filtre_seul ? t.endsWith(QStringLiteral("Zoé")) : sain(t)) << champ->objectName().toStdString() << " ("
                                     << champ->parentWidget()->objectName().toStdString() << ") manière "
                                     << static_cast<int>(m) << " : « " << t.toStdString() << " »";
            }
        }
        // A window that refuses the nonsense typed into it stays open: it goes.
        if (!décharge_fenêtre(nom))
            delete w;
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_GT(champs, 60) << "the walk reached the fields";
}

TEST_F(saisies_accentuées, un_identifiant_finissant_par_é_est_enregistré_entier)
{
    for (const manière m : {manière::frappe, manière::méthode_de_saisie, manière::collage}) {
        SCOPED_TRACE(static_cast<int>(m));
        auto* fiche = static_cast<f_adhérents*>(montre_fenêtre("f_adhérents"));
        ASSERT_TRUE(fiche);
        QApplication::processEvents();
        fiche->bt_nouvelle->click();
        fiche->ctt_prénom->setFocus(Qt::OtherFocusReason);
        saisit(fiche->ctt_prénom, m);
        QTest::keyClick(fiche->ctt_prénom, Qt::Key_Return);
        ASSERT_TRUE(fiche->bt_valider_Click());
        const int n = adhérent_courant;
        EXPECT_EQ(données.table_adhérents[static_cast<std::size_t>(n)].identifiant.trimmed(), "Zoé");
        décharge_fenêtre("f_adhérents");
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The next one needs another name.
        données.table_adhérents[static_cast<std::size_t>(n)].identifiant = QStringLiteral("Zoé %1").arg(n);
    }
}
