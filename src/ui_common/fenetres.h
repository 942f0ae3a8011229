#pragma once
// The program's windows. Each is one instance, created on first use through
// the factory its subsystem registers at start-up, and destroyed when it
// closes; its closing handler Form_QueryUnload runs whatever closes it and
// may refuse. Form_Activate and Form_Deactivate follow the focus between the
// program's own windows only: a message box, a file dialog or another
// program taking the focus and giving it back fires nothing. At exit the
// windows close from the last loaded to the first.
#include <QCloseEvent>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class fenêtre_programme {
public:
    virtual ~fenêtre_programme();
    fenêtre_programme(const fenêtre_programme&) = delete;
    fenêtre_programme& operator=(const fenêtre_programme&) = delete;

    // The window is closing, by any means; cancel = true keeps it open.
    virtual void Form_QueryUnload(bool& cancel);
    // The window became the active one, coming from another window of the
    // program, or shown for the first time.
    virtual void Form_Activate();
    // Another window of the program became active.
    virtual void Form_Deactivate();
    // Other tables are about to replace the open ones: the change pending in
    // the window is validated as when the user chooses another record, with
    // the window's own messages. False when it was refused.
    virtual bool valide_avant_chargement();

    virtual QWidget& feuille() = 0;
    // The window accepted its closing: it is gone for the registry and gets
    // no more events, though Qt deletes it a little later.
    bool fermée() const { return fermée_; }

protected:
    fenêtre_programme();
    // For fenêtre_de: runs Form_QueryUnload; true when the window may close.
    bool joue_fermeture();
    void joue_activation();
    void montrée();

private:
    bool fermée_ = false;
};

// Base of the program's windows: fenêtre_de<QWidget>, <QMainWindow>, <QDialog>.
template <class Base>
class fenêtre_de : public Base, public fenêtre_programme {
public:
    explicit fenêtre_de(QWidget* parent = nullptr) : Base(parent) {}
    QWidget& feuille() override { return *this; }

protected:
    void closeEvent(QCloseEvent* e) override { e->setAccepted(joue_fermeture()); }
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate)
            joue_activation();
        else if (e->type() == QEvent::Show)
            montrée();
        return Base::event(e);
    }
};

using fenêtre = fenêtre_de<QWidget>;
using fenêtre_principale = fenêtre_de<QMainWindow>;

// A dialog box of the program: accept, reject and Escape close it through
// Form_QueryUnload, as its close box does.
class fenêtre_modale : public fenêtre_de<QDialog> {
public:
    using fenêtre_de::fenêtre_de;
    void done(int résultat) override;
};

// ---------------------------------------------------------------- registry
// Names under which the work windows register; a button or menu item of the
// main window whose window is not registered stays disabled.
namespace noms_fenêtres {
inline const QString adhérents = QStringLiteral("f_adhérents");
inline const QString base = QStringLiteral("f_base");
inline const QString rubriques = QStringLiteral("f_rubriques");
inline const QString compta = QStringLiteral("f_compta");
inline const QString catalogue = QStringLiteral("F_catalogue");
inline const QString relevés = QStringLiteral("f_relevés_comptes");
inline const QString états = QStringLiteral("f_états_comptes");
inline const QString impression = QStringLiteral("f_impression");
inline const QString statistiques = QStringLiteral("f_statistiques");
inline const QString extraction = QStringLiteral("f_maj");
inline const QString options = QStringLiteral("f_options");
inline const QString archivage = QStringLiteral("f_archivage");
}  // namespace noms_fenêtres

using fabrique_fenêtre = std::function<fenêtre_programme*()>;

// Each subsystem registers its windows at start-up, under the window's name.
void enregistre_fenêtre(const QString& nom, fabrique_fenêtre fabrique);
// Some subsystem registered a window of that name.
bool fenêtre_enregistrée(const QString& nom);
// The names of every registered window, sorted.
QStringList fenêtres_enregistrées();
// The window of that name, created (not shown) when it is not loaded;
// nullptr for a name nobody registered.
fenêtre_programme* charge_fenêtre(const QString& nom);
template <class T>
T* charge_fenêtre(const QString& nom)
{
    return dynamic_cast<T*>(charge_fenêtre(nom));
}
// The window when it is loaded, else nullptr; creates nothing.
fenêtre_programme* fenêtre_chargée(const QString& nom);
// Loads the window if needed, shows it modeless, brings it to the front.
fenêtre_programme* montre_fenêtre(const QString& nom);
// Shows the window modal and returns once it is closed or hidden.
void montre_modale(fenêtre_programme& f);
// Closes the window when it is loaded; false when its handler refused.
bool décharge_fenêtre(const QString& nom);

// The program's windows still open, in the order they were loaded.
std::vector<fenêtre_programme*> fenêtres_chargées();
// Exit: closes every program window but sauf, from the last loaded to the
// first; stops at a window that refuses and returns false.
bool ferme_fenêtres(const fenêtre_programme* sauf = nullptr);
// Before other tables replace the open ones (another file opened, a copy
// restored, data extracted, archived or converted from the grid): every
// window validates its pending change, then closes, its closing saving what
// it holds into the file it came from; nothing it shows of the former tables
// can reach the new ones. The main window, the dialog boxes and windows shown
// modal (the load is made from one of them) and sauf stay. False, and the
// load must not be made, when a window refused: it stays open with its
// change.
bool libère_fenêtres_avant_chargement(const fenêtre_programme* sauf = nullptr);
