#pragma once
// Every message box, question, input box and file dialog of the program goes
// through one service, so that tests can script the answers and read the
// texts. The styles and answers keep the classic message-box values.
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace style_boîte {
inline constexpr int ok = 0, ok_annuler = 1, abandon_réessayer_ignorer = 2, oui_non_annuler = 3, oui_non = 4,
                     réessayer_annuler = 5;
inline constexpr int critique = 16, question = 32, exclamation = 48, information = 64;
inline constexpr int défaut_bouton2 = 256;
}  // namespace style_boîte

enum réponse_boîte { rép_ok = 1, rép_annuler = 2, rép_abandonner = 3, rép_réessayer = 4, rép_ignorer = 5,
                     rép_oui = 6, rép_non = 7 };

class service_dialogues {
public:
    virtual ~service_dialogues() = default;
    // Shows texte with the buttons and icon of style; returns the answer.
    virtual int message(const QString& texte, int style, const QString& titre) = 0;
    // Input box: the typed text, or nothing when cancelled.
    virtual std::optional<QString> saisie(const QString& invite, const QString& titre, const QString& défaut) = 0;
    // File dialogs: the chosen path, or empty when cancelled. filtre in Qt form
    // ("Fichiers Trovane (*.sel);;Tous les fichiers (*)"); départ a folder or file.
    virtual QString fichier_à_ouvrir(const QString& titre, const QString& départ, const QString& filtre) = 0;
    virtual QString fichier_à_enregistrer(const QString& titre, const QString& départ, const QString& filtre) = 0;
    // Printer set-up (printer, paper, orientation) on imprimante; false when
    // cancelled, the printer then unchanged.
    virtual bool réglage_imprimante(QPrinter& imprimante) = 0;
};

// The service in use. Until one is installed, a headless one answers every
// box with its safe button (Cancel where offered, else the first) and every
// dialog with nothing.
service_dialogues& dialogues();
// Installs a service (not owned); nullptr puts the headless one back.
void installe_dialogues(service_dialogues* service);

inline const QString titre_application = QStringLiteral("Trovane");

int MsgBox(const QString& texte, int style = style_boîte::ok, const QString& titre = {});
// Empty text when cancelled, as the classic input box.
QString InputBox(const QString& invite, const QString& titre = {}, const QString& défaut = {});
