#include "uninstall/boites.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <vector>

namespace désinstallation {

namespace {

struct bouton {
    const char* texte;
    int réponse;
};

std::vector<bouton> boutons_du_style(int style)
{
    switch (style & 7) {
    case style_boîte::ok_annuler: return {{"OK", rép_ok}, {"Annuler", rép_annuler}};
    case style_boîte::oui_non: return {{"Oui", rép_oui}, {"Non", rép_non}};
    default: return {{"OK", rép_ok}};
    }
}

QMessageBox::Icon icône_du_style(int style)
{
    switch (style & 0x70) {
    case style_boîte::question: return QMessageBox::Question;
    case style_boîte::exclamation: return QMessageBox::Warning;
    case style_boîte::information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Escape and the close box give the safe answer: No or Cancel, else OK.
int réponse_sûre(int style) { return boutons_du_style(style).back().réponse; }

}  // namespace

std::unique_ptr<QMessageBox> boîtes_qt::prépare(const QString& texte, int style) const
{
    auto boîte = std::make_unique<QMessageBox>(icône_du_style(style), titre_, texte);
    // A path is never markup.
    boîte->setTextFormat(Qt::PlainText);
    QPushButton* premier = nullptr;
    for (const bouton& b : boutons_du_style(style)) {
        QPushButton* p = boîte->addButton(QString::fromUtf8(b.texte), QMessageBox::ActionRole);
        p->setProperty("réponse", b.réponse);
        if (!premier)
            premier = p;
        if (b.réponse == réponse_sûre(style))
            boîte->setEscapeButton(p);
    }
    boîte->setDefaultButton(premier);
    return boîte;
}

int boîtes_qt::message(const QString& texte, int style)
{
    const auto boîte = prépare(texte, style);
    boîte->exec();
    if (const QAbstractButton* cliqué = boîte->clickedButton())
        return cliqué->property("réponse").toInt();
    return réponse_sûre(style);
}

bool lanceur_qt::lance(const QString& ligne_commande)
{
    QStringList arguments = QProcess::splitCommand(ligne_commande);
    if (arguments.isEmpty())
        return false;
    QString programme = arguments.takeFirst();
    if (programme.compare(QLatin1String("ST5UNST.EXE"), Qt::CaseInsensitive) == 0)
        programme = QCoreApplication::applicationDirPath() + QStringLiteral("/delvorn");
    return QProcess::startDetached(programme, arguments);
}

}  // namespace désinstallation
