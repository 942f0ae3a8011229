#pragma once
// The program's one common dialog (the main window's dialogue1): every file
// dialog and the printer set-up go through it. Its properties stay as the
// last command left them; a command sets only those it needs, as the program
// has always relied on.
#include <QString>

class dialogue_commun {
public:
    QString DialogTitle;
    QString InitDir;
    // Classic filter form: "Trovane (*.sel)|*.sel|Tous (*.*)|*.*".
    QString Filter;
    QString DefaultExt;  // without the point
    QString FileName;
    bool demande_écrasement = false;  // ask before overwriting an existing file

    // Shows the dialog; false when cancelled (FileName then unchanged).
    bool ShowOpen();
    bool ShowSave();
    // Printer set-up on the application's printer; false when cancelled.
    bool ShowPrinter();
};

// The classic filter form turned into Qt's ("Trovane (*.sel)").
QString filtre_qt(const QString& filtre_classique);
// A name typed without extension gets the default one.
QString avec_extension(const QString& nom, const QString& extension);

// The main window's dialogue1.
dialogue_commun& dialogue1();

// Picture chooser: dialogue1 opened on dossier_images with the picture
// filters; the full path chosen, or empty when cancelled or when the
// picture lies outside the program folder (the user is told).
QString choisit_image();
