#include "ui_common/dialogues_qt.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// Boxes and dialogs open over the window the user is working in.
QWidget* parent_des_boîtes()
{
    if (QWidget* modale = QApplication::activeModalWidget())
        return modale;
    return QApplication::activeWindow();
}

// A box shown during a long run must not show the hourglass over its buttons.
class flèche_pendant_boîte {
public:
    flèche_pendant_boîte() : sous_sablier_(QApplication::overrideCursor() != nullptr)
    {
        if (sous_sablier_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~flèche_pendant_boîte()
    {
        if (sous_sablier_)
            QApplication::restoreOverrideCursor();
    }
    flèche_pendant_boîte(const flèche_pendant_boîte&) = delete;
    flèche_pendant_boîte& operator=(const flèche_pendant_boîte&) = delete;

private:
    bool sous_sablier_;
};

void prépare_dialogue_fichier(QFileDialog& d, const QString& départ, const QString& filtre)
{
    d.setNameFilter(filtre);
    if (!départ.isEmpty()) {
        const QFileInfo info(départ);
        if (info.isDir()) {
            d.setDirectory(départ);
        } else {
            d.setDirectory(info.absolutePath());
            d.selectFile(info.fileName());
        }
    }
    d.setDefaultSuffix(extension_du_filtre(d.selectedNameFilter()));
    QObject::connect(&d, &QFileDialog::filterSelected,
                     &d, [&d](const QString& choisi) { d.setDefaultSuffix(extension_du_filtre(choisi)); });
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    d.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
}

QString premier_fichier(QFileDialog& d)
{
    flèche_pendant_boîte flèche;
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

}  // namespace

std::vector<bouton_boîte> boutons_du_style(int style)
{
    const bouton_boîte ok{QStringLiteral("OK"), rép_ok}, annuler{QStringLiteral("Annuler"), rép_annuler},
        abandonner{QStringLiteral("Abandonner"), rép_abandonner},
        réessayer{QStringLiteral("Réessayer"), rép_réessayer}, ignorer{QStringLiteral("Ignorer"), rép_ignorer},
        oui{QStringLiteral("Oui"), rép_oui}, non{QStringLiteral("Non"), rép_non};
    switch (style & 7) {
    case style_boîte::ok_annuler: return {ok, annuler};
    case style_boîte::abandon_réessayer_ignorer: return {abandonner, réessayer, ignorer};
    case style_boîte::oui_non_annuler: return {oui, non, annuler};
    case style_boîte::oui_non: return {oui, non};
    case style_boîte::réessayer_annuler: return {réessayer, annuler};
    default: return {ok};
    }
}

int bouton_par_défaut(int style)
{
    const int i = (style >> 8) & 3;
    return i < static_cast<int>(boutons_du_style(style).size()) ? i : 0;
}

int réponse_échappement(int style)
{
    const auto boutons = boutons_du_style(style);
    for (const auto& b : boutons)
        if (b.réponse == rép_annuler)
            return rép_annuler;
    return boutons.size() == 1 ? boutons.front().réponse : 0;
}

QMessageBox::Icon icône_du_style(int style)
{
    switch (style & 0x70) {
    case style_boîte::critique: return QMessageBox::Critical;
    case style_boîte::question: return QMessageBox::Question;
    case style_boîte::exclamation: return QMessageBox::Warning;
    case style_boîte::information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QString extension_du_filtre(const QString& filtre)
{
    static const QRegularExpression motif(QStringLiteral("\\*\\.([^\\s*?;()\\[\\]]+)"));
    // Qt reads the patterns in the parentheses that end the filter.
    static const QRegularExpression entre_parenthèses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const auto m = entre_parenthèses.match(filtre);
    const QString motifs = m.hasMatch() ? m.captured(1) : filtre;
    const QString premier = motifs.trimmed().section(QLatin1Char(' '), 0, 0);
    const auto e = motif.match(premier);
    return e.hasMatch() && e.capturedLength() == premier.size() ? e.captured(1) : QString();
}

int dialogues_qt::message(const QString& texte, int style, const QString& titre)
{
    QMessageBox boîte(icône_du_style(style), titre.isEmpty() ? titre_application : titre, texte,
                      QMessageBox::NoButton, parent_des_boîtes());
    // A member's name or an error text is never markup.
    boîte.setTextFormat(Qt::PlainText);
    const auto boutons = boutons_du_style(style);
    std::vector<QPushButton*> poussoirs;
    // One role for all, so that the platform keeps the classic order.
    for (const auto& b : boutons)
        poussoirs.push_back(boîte.addButton(b.texte, QMessageBox::ActionRole));
    boîte.setDefaultButton(poussoirs[static_cast<size_t>(bouton_par_défaut(style))]);
    const int échappement = réponse_échappement(style);
    for (size_t i = 0; i < boutons.size(); ++i)
        if (boutons[i].réponse == échappement)
            boîte.setEscapeButton(poussoirs[i]);

    flèche_pendant_boîte flèche;
    boîte.exec();
    for (size_t i = 0; i < boutons.size(); ++i)
        if (boîte.clickedButton() == poussoirs[i])
            return boutons[i].réponse;
    return échappement ? échappement : boutons.back().réponse;
}

std::optional<QString> dialogues_qt::saisie(const QString& invite, const QString& titre, const QString& défaut)
{
    QInputDialog d(parent_des_boîtes());
    d.setWindowTitle(titre.isEmpty() ? titre_application : titre);
    d.setLabelText(invite);
    d.setTextValue(défaut);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Annuler"));
    flèche_pendant_boîte flèche;
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}

QString dialogues_qt::fichier_à_ouvrir(const QString& titre, const QString& départ, const QString& filtre)
{
    QFileDialog d(parent_des_boîtes(), titre);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    prépare_dialogue_fichier(d, départ, filtre);
    d.setLabelText(QFileDialog::Accept, QStringLiteral("Ouvrir"));
    return premier_fichier(d);
}

QString dialogues_qt::fichier_à_enregistrer(const QString& titre, const QString& départ, const QString& filtre)
{
    QFileDialog d(parent_des_boîtes(), titre);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    prépare_dialogue_fichier(d, départ, filtre);
    d.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    return premier_fichier(d);
}

bool dialogues_qt::réglage_imprimante(QPrinter& imprimante)
{
    // The print dialog, because it also offers the printer and the PDF file;
    // it only chooses here, and must not look as if it printed.
    QPrintDialog d(&imprimante, parent_des_boîtes());
    d.setWindowTitle(QStringLiteral("Choix/configuration de l'imprimante"));
    d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* boutons = d.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = boutons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("Choisir"));
            ok->setIcon(QIcon());
        }
    if (auto* colonne = qobject_cast<QBoxLayout*>(d.layout())) {
        auto* explication = new QLabel(QStringLiteral("Choisissez l'imprimante, ou le fichier PDF, des impressions à "
                                                      "venir : ce choix n'imprime rien."),
                                       &d);
        explication->setObjectName(QStringLiteral("explication"));
        explication->setWordWrap(true);
        colonne->insertWidget(0, explication);
    }
    flèche_pendant_boîte flèche;
    return d.exec() == QDialog::Accepted;
}

void installe_dialogues_qt()
{
    static dialogues_qt service;
    static QTranslator traduction;
    if (traduction.isEmpty()
        && traduction.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduction);
    installe_dialogues(&service);
}
