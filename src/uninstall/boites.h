#pragma once
// The uninstallers' message boxes and their start of another program, behind
// two small interfaces so that tests can script the answers, read the texts
// and see what would have been started. The styles and answers keep the
// classic message-box values.
#include <QString>
#include <memory>
#include <utility>

class QMessageBox;

namespace désinstallation {

namespace style_boîte {
inline constexpr int ok = 0, ok_annuler = 1, oui_non = 4;
inline constexpr int question = 32, exclamation = 48, information = 64;
}  // namespace style_boîte

enum réponse_boîte { rép_ok = 1, rép_annuler = 2, rép_oui = 6, rép_non = 7 };

class boîtes {
public:
    virtual ~boîtes() = default;
    // Shows texte with the buttons and icon of style; returns the answer.
    virtual int message(const QString& texte, int style) = 0;
};

class lanceur {
public:
    virtual ~lanceur() = default;
    // Starts the command line as a separate process, without waiting;
    // false when it could not be started.
    virtual bool lance(const QString& ligne_commande) = 0;
};

// On screen: a modal box with the French buttons, titled `titre`.
class boîtes_qt : public boîtes {
public:
    explicit boîtes_qt(QString titre) : titre_(std::move(titre)) {}
    int message(const QString& texte, int style) override;
    // The box that message() shows, ready to be shown or looked at.
    std::unique_ptr<QMessageBox> prépare(const QString& texte, int style) const;

private:
    QString titre_;
};

// Starts the program of the command line with QProcess. The platform's setup
// uninstaller "ST5UNST.EXE" does not exist here: it is stood in for by
// delvorn itself, started with the same arguments.
class lanceur_qt : public lanceur {
public:
    bool lance(const QString& ligne_commande) override;
};

}  // namespace désinstallation
