// The program's windows: single instances, closing through Form_QueryUnload,
// the exit order, the program's own activation events, modal showing.
#include "ui_common/fenetres.h"
#include "ui_common/placement_fenetres.h"

#include <QApplication>
#include <QIntValidator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList journal;

std::vector<std::string> lu()
{
    std::vector<std::string> r;
    for (const QString& l : journal)
        r.push_back(l.toStdString());
    return r;
}

template <class Base>
class fenêtre_essai : public Base {
public:
    explicit fenêtre_essai(const QString& nom) : nom_(nom) { this->resize(200, 100); }
    bool refuse = false;

    void Form_QueryUnload(bool& cancel) override
    {
        journal << nom_ + " fermeture";
        cancel = refuse;
    }
    void Form_Activate() override { journal << nom_ + " activée"; }
    void Form_Deactivate() override { journal << nom_ + " désactivée"; }

private:
    QString nom_;
};
using f_essai = fenêtre_essai<fenêtre>;
using p_essai = fenêtre_essai<fenêtre_modale>;

void laisse_passer()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class essai_fenêtres : public ::testing::Test {
protected:
    void SetUp() override
    {
        journal.clear();
        créations = 0;
        for (const QString nom : {"f_a", "f_b", "f_c"})
            enregistre_fenêtre(nom, [this, nom]() -> fenêtre_programme* {
                ++créations;
                return new f_essai(nom);
            });
        enregistre_fenêtre("p_boîte", [] { return new p_essai("p_boîte"); });
    }
    void TearDown() override
    {
        ferme_fenêtres();
        laisse_passer();
        EXPECT_TRUE(fenêtres_chargées().empty());
    }
    f_essai& charge(const QString& nom) { return *charge_fenêtre<f_essai>(nom); }

    int créations = 0;
};

}  // namespace

TEST_F(essai_fenêtres, UneSeuleInstanceCrééeAuPremierUsage)
{
    EXPECT_EQ(fenêtre_chargée("f_a"), nullptr);
    fenêtre_programme* a = charge_fenêtre("f_a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(charge_fenêtre("f_a"), a);
    EXPECT_EQ(fenêtre_chargée("f_a"), a);
    EXPECT_EQ(créations, 1);
    EXPECT_EQ(a->feuille().objectName(), "f_a");
    EXPECT_FALSE(a->feuille().isVisible());  // loaded, not shown
    EXPECT_EQ(charge_fenêtre("inconnue"), nullptr);
    EXPECT_EQ(montre_fenêtre("f_a"), a);
    EXPECT_TRUE(a->feuille().isVisible());
}

TEST_F(essai_fenêtres, FermerDétruitEtLaSuivanteEstNeuve)
{
    f_essai& a = charge("f_a");
    QPointer<QWidget> garde(&a);
    a.show();
    EXPECT_TRUE(a.close());
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a fermeture"}));
    // Gone for the program at once, though Qt deletes it a little later.
    EXPECT_EQ(fenêtre_chargée("f_a"), nullptr);
    EXPECT_TRUE(fenêtres_chargées().empty());
    laisse_passer();
    EXPECT_TRUE(garde.isNull());

    EXPECT_NE(charge_fenêtre("f_a"), nullptr);
    EXPECT_EQ(créations, 2);
}

TEST_F(essai_fenêtres, LaFermeturePeutÊtreRefusée)
{
    f_essai& a = charge("f_a");
    a.show();
    a.refuse = true;
    EXPECT_FALSE(a.close());
    EXPECT_FALSE(décharge_fenêtre("f_a"));
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a fermeture", "f_a fermeture"}));
    EXPECT_EQ(fenêtre_chargée("f_a"), &a);
    EXPECT_TRUE(a.isVisible());
    laisse_passer();
    EXPECT_EQ(fenêtre_chargée("f_a"), &a);

    a.refuse = false;
    EXPECT_TRUE(décharge_fenêtre("f_a"));
    EXPECT_EQ(fenêtre_chargée("f_a"), nullptr);
    EXPECT_TRUE(décharge_fenêtre("f_a"));  // nothing left to close
}

TEST_F(essai_fenêtres, LaSortieFermeDeLaDernièreChargéeÀLaPremière)
{
    fenêtre_principale principale;
    charge("f_a");
    charge("f_b");
    charge("f_c");
    charge("f_a").close();
    laisse_passer();
    charge("f_a");  // loaded again: now the last
    journal.clear();

    EXPECT_TRUE(ferme_fenêtres(&principale));
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a fermeture", "f_c fermeture", "f_b fermeture"}));
    ASSERT_EQ(fenêtres_chargées().size(), 1u);
    EXPECT_EQ(fenêtres_chargées().front(), &principale);
}

TEST_F(essai_fenêtres, UneFenêtreQuiRefuseArrêteLaSortie)
{
    charge("f_a");
    charge("f_b").refuse = true;
    charge("f_c");
    EXPECT_FALSE(ferme_fenêtres());
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_c fermeture", "f_b fermeture"}));
    EXPECT_NE(fenêtre_chargée("f_a"), nullptr);
    EXPECT_NE(fenêtre_chargée("f_b"), nullptr);
    charge("f_b").refuse = false;
}

TEST_F(essai_fenêtres, ActivationEntreFenêtresDuProgrammeSeulement)
{
    montre_fenêtre("f_a");
    laisse_passer();
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a activée"}));

    journal.clear();
    montre_fenêtre("f_b");
    laisse_passer();
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a désactivée", "f_b activée"}));

    // A message box takes the focus and gives it back: nothing happens.
    journal.clear();
    {
        QMessageBox boîte;
        boîte.setText("Enregistré");
        boîte.show();
        boîte.activateWindow();
        laisse_passer();
        ASSERT_EQ(QApplication::activeWindow(), &boîte);
    }
    charge("f_b").activateWindow();
    laisse_passer();
    EXPECT_TRUE(lu().empty()) << journal.join(", ").toStdString();

    charge("f_a").activateWindow();
    laisse_passer();
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_b désactivée", "f_a activée"}));

    // The active window closing is not a deactivation; the next one activates.
    journal.clear();
    charge("f_a").close();
    charge("f_b").activateWindow();
    laisse_passer();
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a fermeture", "f_b activée"}));
}

TEST_F(essai_fenêtres, MontréeModaleJusquÀSaFermeture)
{
    fenêtre_programme* a = charge_fenêtre("f_a");
    bool vue_modale = false;
    QTimer::singleShot(0, [&] {
        laisse_passer();
        vue_modale = a->feuille().isVisible() && a->feuille().isModal();
        a->feuille().close();
    });
    montre_modale(*a);
    EXPECT_TRUE(vue_modale);
    EXPECT_EQ(lu(), (std::vector<std::string>{"f_a activée", "f_a fermeture"}));

    // Hiding ends the wait as well; the window stays loaded and modeless.
    fenêtre_programme* b = charge_fenêtre("f_b");
    QTimer::singleShot(0, [&] { b->feuille().hide(); });
    montre_modale(*b);
    EXPECT_EQ(fenêtre_chargée("f_b"), b);
    EXPECT_FALSE(b->feuille().isModal());
}

TEST_F(essai_fenêtres, UneBoîteDuProgrammeSeFermeParSonGestionnaire)
{
    auto* p = charge_fenêtre<p_essai>("p_boîte");
    QPointer<QWidget> garde(p);
    p->refuse = true;
    int résultat = -1;
    QObject::connect(p, &QDialog::finished, [&](int r) { résultat = r; });
    QTimer::singleShot(0, [&] {
        laisse_passer();
        QKeyEvent échap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(p, &échap);  // refused: stays open
        EXPECT_TRUE(p->isVisible());
        p->refuse = false;
        p->accept();
    });
    montre_modale(*p);
    EXPECT_EQ(lu(), (std::vector<std::string>{"p_boîte activée", "p_boîte fermeture", "p_boîte fermeture"}));
    EXPECT_EQ(résultat, QDialog::Accepted);
    laisse_passer();
    EXPECT_TRUE(garde.isNull());
}

// Typed as a keyboard would, one character at a time (accents included).
void tape(QWidget* w, const QString& texte)
{
    for (QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &appui);
    }
}

TEST(saisies_protegees, ce_que_le_fichier_ne_peut_garder_n_entre_pas)
{
    fenêtre f;
    auto* champ = new QLineEdit(&f);
    auto* nombre = new QLineEdit(&f);
    nombre->setValidator(new QIntValidator(nombre));
    auto* notes = new QPlainTextEdit(&f);
    f.show();
    tape(champ, QString::fromUtf8("Zoé Ω ça"));
    EXPECT_EQ(champ->text(), QString::fromUtf8("Zoé  ça"));
    EXPECT_TRUE(qobject_cast<const QIntValidator*>(nombre->validator()));
    notes->setFocus();
    tape(notes, QString::fromUtf8("œuvre"));
    notes->insertPlainText(QString::fromUtf8(" ☺ fin"));
    EXPECT_EQ(notes->toPlainText(), QString::fromUtf8("œuvre  fin"));
    f.close();
}

// A main window on a 1366 x 768 screen as the program lays it out: menu
// titles along the top, the mode buttons and "Quitter" down the left, the
// action buttons beside them, the grid (content, not listed) on the right.
TEST(placement_fenetres, rien_de_la_fenêtre_principale_ne_reste_à_moitié_couvert)
{
    const QRect écran(0, 0, 1366, 768);
    std::vector<QRect> contrôles = {{0, 0, 55, 22}, {55, 0, 70, 22}, {125, 0, 90, 22}, {215, 0, 115, 22}};
    for (int k = 0; k < 5; ++k)
        contrôles.emplace_back(28, 69 + 70 * k, 211, 50);
    contrôles.emplace_back(14, 49, 239, 368);   // the frame of the mode buttons
    contrôles.emplace_back(266, 209, 204, 180); // the action buttons
    contrôles.emplace_back(14, 711, 239, 46);   // "Quitter"
    const auto coupés = [&](const QRect& fenêtre) {
        int n = 0;
        for (const QRect& c : contrôles)
            n += fenêtre.intersects(c) && !fenêtre.contains(c);
        return n;
    };

    // Nearly the screen's height: under the menu titles and down far enough
    // to hide "Quitter" whole.
    const QSize haute(1366, 735);
    const QRect p = place_fenêtre_travail(haute, écran, contrôles);
    EXPECT_EQ(p, QRect(QPoint(0, 22), haute));
    EXPECT_EQ(coupés(p), 0);
    EXPECT_EQ(coupés(QRect(QPoint(0, 0), haute)), 1);  // at the corner "Quitter" shows cut

    // Too tall to go between the menus and "Quitter": it covers from the
    // frame of the mode buttons down to "Quitter", both whole.
    const QSize longue(1349, 716);
    const QRect l = place_fenêtre_travail(longue, écran, contrôles);
    EXPECT_EQ(l.size(), longue);
    EXPECT_EQ(coupés(l), 0) << l.y();
    EXPECT_TRUE(l.contains(contrôles.back()));

    // Too tall to go under the menus, too short to hide them and "Quitter"
    // at once: it spans the screen's height, hiding both whole.
    const QRect t = place_fenêtre_travail(QSize(1353, 750), écran, contrôles);
    EXPECT_EQ(t, QRect(0, 0, 1353, 768));
    EXPECT_EQ(coupés(t), 0);

    // Shorter: under the menu titles, the left column hidden whole.
    EXPECT_EQ(place_fenêtre_travail(QSize(1294, 663), écran, contrôles), QRect(0, 22, 1294, 663));

    // Small: beside every control, hiding none.
    const QSize petite(500, 400);
    const QRect r = place_fenêtre_travail(petite, écran, contrôles);
    EXPECT_EQ(r.size(), petite);
    EXPECT_TRUE(écran.contains(r));
    for (const QRect& c : contrôles)
        EXPECT_FALSE(r.intersects(c)) << c.x() << "," << c.y();

    // As large as the screen: where it is.
    EXPECT_EQ(place_fenêtre_travail(écran.size(), écran, contrôles), écran);
}
