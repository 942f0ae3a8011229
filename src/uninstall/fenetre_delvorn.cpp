#include "uninstall/fenetre_delvorn.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace delvorn {

Form1::Form1(const environnement& e, QWidget* parent) : QWidget(parent), e_(e)
{
    setWindowTitle(QStringLiteral("Désinstaller Trovane"));
    Command1 = new QPushButton(QStringLiteral("Désinstaller tout"), this);
    Command3 = new QPushButton(QStringLiteral("Désinstaller mais Garder les données pour une réinstallation"), this);
    File1 = new QListWidget(this);
    File1->setSelectionMode(QAbstractItemView::NoSelection);
    for (QPushButton* b : {Command1, Command3})
        b->setMinimumHeight(36);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Command1);
    colonne->addWidget(Command3);
    colonne->addWidget(File1, 1);
    resize(460, 300);

    // A file list box starts on the folder it runs in.
    montre_dossier(e_.P);
    connect(Command1, &QPushButton::clicked, this, [this] {
        Command1_Click(e_);
        close();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        Command3_Click(e_);
        close();
    });
}

void Form1::montre_dossier(const QString& dossier)
{
    File1->clear();
    File1->addItems(désinstallation::fichiers_listés(dossier));
}

}  // namespace delvorn
