#pragma once
// Delvorn's window: the two ways of uninstalling and the file list the
// removal works through. Every button ends the program.
#include "uninstall/delvorn.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace delvorn {

class Form1 : public QWidget {
public:
    explicit Form1(const environnement& e, QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command3;
    QListWidget* File1;

private:
    // Points File1 at a folder with the pattern "*.*".
    void montre_dossier(const QString& dossier);

    environnement e_;
};

}  // namespace delvorn
