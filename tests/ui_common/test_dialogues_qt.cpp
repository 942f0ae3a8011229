// The dialog service on screen: button sets, texts, answers, the input box,
// the file dialogs, the printer set-up, and the hourglass around them.
#include "ui_common/dialogues_qt.h"
#include "ui_common/sablier.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <tuple>
#include <gtest/gtest.h>

namespace {

// Acts on the next modal box once it is up (the box runs its own loop).
template <class Boîte>
void à_la_prochaine(std::function<void(Boîte&)> action, int essais = 100)
{
    QTimer::singleShot(0, [action, essais] {
        if (auto* b = qobject_cast<Boîte*>(QApplication::activeModalWidget()))
            action(*b);
        else if (essais > 0)
            à_la_prochaine<Boîte>(action, essais - 1);
    });
}

QStringList textes_des_boutons(const QMessageBox& b)
{
    QStringList t;
    for (const QAbstractButton* bouton : b.buttons())
        t << bouton->text();
    return t;
}

QAbstractButton* bouton(QMessageBox& b, const QString& texte)
{
    for (QAbstractButton* x : b.buttons())
        if (x->text() == texte)
            return x;
    return nullptr;
}

void touche_échap(QWidget& w)
{
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &appui);
}

class essai_dialogues_qt : public ::testing::Test {
protected:
    void SetUp() override { installe_dialogues(&service); }
    void TearDown() override { installe_dialogues(nullptr); }
    dialogues_qt service;
};

}  // namespace

TEST(StylesDesBoîtes, BoutonsParDéfautEtÉchappement)
{
    const std::vector<std::tuple<int, QStringList, int>> attendus = {
        {style_boîte::ok, {"OK"}, rép_ok},
        {style_boîte::ok_annuler, {"OK", "Annuler"}, rép_annuler},
        {style_boîte::abandon_réessayer_ignorer, {"Abandonner", "Réessayer", "Ignorer"}, 0},
        {style_boîte::oui_non_annuler, {"Oui", "Non", "Annuler"}, rép_annuler},
        {style_boîte::oui_non, {"Oui", "Non"}, 0},
        {style_boîte::réessayer_annuler, {"Réessayer", "Annuler"}, rép_annuler},
    };
    for (const auto& [style, textes, échappement] : attendus) {
        QStringList obtenus;
        for (const auto& b : boutons_du_style(style + style_boîte::question))
            obtenus << b.texte;
        EXPECT_EQ(obtenus, textes) << style;
        EXPECT_EQ(réponse_échappement(style), échappement) << style;
    }
    EXPECT_EQ(bouton_par_défaut(style_boîte::oui_non + style_boîte::question), 0);
    EXPECT_EQ(bouton_par_défaut(style_boîte::oui_non + style_boîte::question + style_boîte::défaut_bouton2), 1);
    // A box with one button has no second one to stand on.
    EXPECT_EQ(bouton_par_défaut(style_boîte::ok + style_boîte::défaut_bouton2), 0);
}

TEST(FiltresDeFichiers, ExtensionParDéfaut)
{
    EXPECT_EQ(extension_du_filtre("Trovane (*.sel)"), "sel");
    EXPECT_EQ(extension_du_filtre("Html(.html) (*.html)"), "html");
    EXPECT_EQ(extension_du_filtre("images (*.gif *.jpg)"), "gif");
    EXPECT_EQ(extension_du_filtre("Tous les fichiers (*)"), "");
    EXPECT_EQ(extension_du_filtre("Tous (*.*)"), "");
}

TEST_F(essai_dialogues_qt, LaBoîteMontreLeTexteTelQuelEtRendLaRéponse)
{
    à_la_prochaine<QMessageBox>([](QMessageBox& b) {
        EXPECT_EQ(b.windowTitle(), "Trovane");
        EXPECT_EQ(b.text(), "Supprimer <b>Dupont</b> ?");
        EXPECT_EQ(b.textFormat(), Qt::PlainText);
        EXPECT_EQ(b.icon(), QMessageBox::Question);
        EXPECT_EQ(textes_des_boutons(b), (QStringList{"Oui", "Non", "Annuler"}));
        EXPECT_EQ(b.defaultButton()->text(), "Non");
        bouton(b, "Non")->click();
    });
    EXPECT_EQ(MsgBox("Supprimer <b>Dupont</b> ?",
                     style_boîte::oui_non_annuler + style_boîte::question + style_boîte::défaut_bouton2),
              rép_non);

    à_la_prochaine<QMessageBox>([](QMessageBox& b) {
        EXPECT_EQ(b.windowTitle(), "Relevés");
        bouton(b, "Réessayer")->click();
    });
    EXPECT_EQ(MsgBox("Lecture impossible", style_boîte::abandon_réessayer_ignorer, "Relevés"), rép_réessayer);
}

TEST_F(essai_dialogues_qt, ÉchapEtCaseDeFermetureRépondentAnnulerOuRienSiLaBoîteExigeUnChoix)
{
    à_la_prochaine<QMessageBox>([](QMessageBox& b) { touche_échap(b); });
    EXPECT_EQ(MsgBox("Continuer ?", style_boîte::ok_annuler + style_boîte::information), rép_annuler);

    à_la_prochaine<QMessageBox>([](QMessageBox& b) { b.close(); });
    EXPECT_EQ(MsgBox("Enregistrer ?", style_boîte::oui_non_annuler), rép_annuler);

    à_la_prochaine<QMessageBox>([](QMessageBox& b) {
        touche_échap(b);
        b.close();
        EXPECT_TRUE(b.isVisible());
        bouton(b, "Oui")->click();
    });
    EXPECT_EQ(MsgBox("Valider ?", style_boîte::oui_non + style_boîte::question), rép_oui);
}

TEST_F(essai_dialogues_qt, UneBoîteSousLeSablierMontreLaFlèche)
{
    {
        sablier s;
        à_la_prochaine<QMessageBox>([](QMessageBox& b) {
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
            b.defaultButton()->click();
        });
        MsgBox("Terminé", style_boîte::information);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Without the hourglass, the box leaves the pointer alone.
    à_la_prochaine<QMessageBox>([](QMessageBox& b) {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        b.defaultButton()->click();
    });
    MsgBox("Terminé");
}

TEST(Sablier, SEmpileEtSeRelâcheUneSeuleFois)
{
    {
        sablier extérieur;
        {
            sablier intérieur;
            intérieur.relâche();
            intérieur.relâche();
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    try {
        sablier s;
        throw std::runtime_error("échec");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(essai_dialogues_qt, SaisieRendLeTexteOuRienQuandAnnulée)
{
    à_la_prochaine<QInputDialog>([](QInputDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Trovane");
        EXPECT_EQ(d.labelText(), "Nom du relevé :");
        EXPECT_EQ(d.textValue(), "relevé 1");
        EXPECT_EQ(d.cancelButtonText(), "Annuler");
        d.setTextValue("relevé de mars");
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(InputBox("Nom du relevé :", {}, "relevé 1"), "relevé de mars");

    à_la_prochaine<QInputDialog>([](QInputDialog& d) { d.reject(); });
    EXPECT_EQ(dialogues().saisie("Nom ?", "Trovane", "x"), std::nullopt);

    // An emptied field is an answer, not a cancel.
    à_la_prochaine<QInputDialog>([](QInputDialog& d) {
        d.setTextValue("");
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(dialogues().saisie("Nom ?", "Trovane", "x"), std::optional<QString>(QString()));
}

TEST_F(essai_dialogues_qt, OuvrirPartDuDossierOuDuFichierDonné)
{
    QTemporaryDir dossier;
    const QString existant = QDir(dossier.path()).filePath("trovane.sel");
    QFile f(existant);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    à_la_prochaine<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ouvrir");
        EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(dossier.path()).canonicalPath());
        EXPECT_EQ(d.nameFilters(), QStringList({"Trovane (*.sel)", "Tous (*)"}));
        EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
        d.selectFile(existant);
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(QFileInfo(service.fichier_à_ouvrir("Ouvrir", dossier.path(), "Trovane (*.sel);;Tous (*)")),
              QFileInfo(existant));

    à_la_prochaine<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(dossier.path()).canonicalPath());
        ASSERT_FALSE(d.selectedFiles().isEmpty());
        EXPECT_EQ(QFileInfo(d.selectedFiles().constFirst()).fileName(), "trovane.sel");
        d.reject();
    });
    EXPECT_EQ(service.fichier_à_ouvrir("Ouvrir", existant, "Trovane (*.sel)"), "");
}

TEST_F(essai_dialogues_qt, EnregistrerAjouteL_extensionDuFiltre)
{
    QTemporaryDir dossier;
    à_la_prochaine<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        d.selectFile(QDir(dossier.path()).filePath("adherents"));
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(QFileInfo(service.fichier_à_enregistrer("", QDir(dossier.path()).filePath("adherents"),
                                                      "Html (*.html)"))
                  .fileName(),
              "adherents.html");

    // A name that has its extension keeps it.
    à_la_prochaine<QFileDialog>([&](QFileDialog& d) {
        d.selectFile(QDir(dossier.path()).filePath("liste.csv"));
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(QFileInfo(service.fichier_à_enregistrer("", dossier.path(), "Ascii tabulé (*.txt)")).fileName(),
              "liste.csv");
}

TEST_F(essai_dialogues_qt, RéglageDeL_imprimante)
{
    QPrinter imprimante;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    // A choice, not a print: its title, its button and a word say so.
    QString titre, bouton, explication;
    bool bouton_sans_image = false;
    à_la_prochaine<QPrintDialog>([&](QPrintDialog& d) {
        titre = d.windowTitle();
        if (const auto* boutons = d.findChild<QDialogButtonBox*>()) {
            bouton = boutons->button(QDialogButtonBox::Ok)->text();
            bouton_sans_image = boutons->button(QDialogButtonBox::Ok)->icon().isNull();
        }
        if (const auto* e = d.findChild<QLabel*>("explication"))
            explication = e->text();
        d.reject();
    });
    EXPECT_FALSE(service.réglage_imprimante(imprimante));
    EXPECT_EQ(titre, "Choix/configuration de l'imprimante");
    EXPECT_EQ(bouton, "Choisir");
    EXPECT_TRUE(bouton_sans_image);
    EXPECT_TRUE(explication.endsWith("ce choix n'imprime rien.")) << explication.toStdString();
    à_la_prochaine<QPrintDialog>([](QPrintDialog& d) { d.accept(); });
    EXPECT_TRUE(service.réglage_imprimante(imprimante));
}
