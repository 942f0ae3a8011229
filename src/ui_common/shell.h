#pragma once
// The desktop's "open" (a help page, a web address, a mail link), behind a
// small service so that tests see what would have been opened.
#include <QString>
#include <QUrl>

class service_shell {
public:
    virtual ~service_shell() = default;
    // Hands the address to the desktop; false when it refused. The program
    // does not wait for what the desktop starts.
    virtual bool ouvre(const QUrl& adresse) = 0;
};

// The service in use. Until the desktop's is installed at start-up, nothing
// is opened (so that no test ever starts a browser).
service_shell& shell();
// Installs a service (not owned); nullptr puts the inert one back.
void installe_shell(service_shell* service);
// Installs the desktop's own (QDesktopServices) for the rest of the run.
void installe_shell_bureau();

// What the shell is given for cible: an address with a scheme ("http:",
// "mailto:", "file:") as it is, "www." followed by a site as a web address,
// anything else as a file path (relative to the working folder); an empty
// cible gives an empty address, which nothing opens.
QUrl adresse_shell(const QString& cible);
// Opens cible with the desktop, as the shell's "open" verb.
bool ouvre_avec_shell(const QString& cible);
