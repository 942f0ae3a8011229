#pragma once
// A fresh program folder and settings store for one test, a clean data model,
// and a scripted dialog service that records every box it is asked to show.
#include "data/dialogues.h"
#include "data/modele.h"
#include "support/impression_qt.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

class dialogues_scriptés : public service_dialogues {
public:
    struct boîte {
        QString texte;
        int style = 0;
        QString titre;
    };
    std::vector<boîte> messages;     // every message box shown, in order
    std::deque<int> réponses;        // answers to the next boxes; then the safe button
    std::deque<std::optional<QString>> saisies;
    std::deque<QString> fichiers;    // answers to the next file dialogs; then cancelled
    QStringList invites;             // prompts of the input boxes and titles of the file dialogs
    std::deque<bool> réglages_imprimante;  // answers to the next printer set-ups; then cancelled
    int réglages_demandés = 0;
    std::function<void(QPrinter&)> choix_imprimante;  // what an accepted printer set-up does to the printer

    int message(const QString& texte, int style, const QString& titre) override;
    std::optional<QString> saisie(const QString& invite, const QString& titre, const QString& défaut) override;
    QString fichier_à_ouvrir(const QString& titre, const QString& départ, const QString& filtre) override;
    QString fichier_à_enregistrer(const QString& titre, const QString& départ, const QString& filtre) override;
    bool réglage_imprimante(QPrinter& imprimante) override;

    QStringList textes() const;
};

// Base fixture: P is a temporary folder, the model is back to its start
// values, the run-time state is reset and the dialogs are scripted.
class essai_dossier : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString chemin(const QString& relatif) const;
    QByteArray lit(const QString& relatif) const;
    void écrit(const QString& relatif, const QByteArray& octets) const;

    QTemporaryDir dossier;
    dialogues_scriptés boîtes;
};

// Readable failures for records.
void PrintTo(const adhérent& a, std::ostream* os);
void PrintTo(const proposition& p, std::ostream* os);

// Folder of the fixture files of the tests.
QString fichier_essai(const QString& nom);
