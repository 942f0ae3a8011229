#pragma once
// A program folder P as Trovane leaves it (in a temporary folder, with a
// blank in its path), its settings, scripted message boxes, a recording
// process starter, and a picture of a whole tree to tell that nothing in it
// changed.
#include "uninstall/boites.h"
#include "uninstall/desinstallation.h"
#include "support/impression_qt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

class boîtes_scriptées : public désinstallation::boîtes {
public:
    struct boîte {
        QString texte;
        int style;
    };
    std::vector<boîte> messages;
    std::deque<int> réponses;  // then the safe button

    int message(const QString& texte, int style) override
    {
        using namespace désinstallation;
        messages.push_back({texte, style});
        if (!réponses.empty()) {
            const int r = réponses.front();
            réponses.pop_front();
            return r;
        }
        switch (style & 7) {
        case style_boîte::oui_non: return rép_non;
        case style_boîte::ok_annuler: return rép_annuler;
        default: return rép_ok;
        }
    }
    QStringList textes() const
    {
        QStringList t;
        for (const auto& m : messages)
            t << m.texte;
        return t;
    }
};

class lanceur_enregistreur : public désinstallation::lanceur {
public:
    QStringList lignes;
    bool réussit = true;
    bool lance(const QString& ligne_commande) override
    {
        lignes << ligne_commande;
        return réussit;
    }
};

// Every entry under racine, links not followed: its kind, its bytes or the
// target of the link, and its permissions.
inline QStringList arbre(const QString& racine)
{
    QStringList lignes;
    QDirIterator it(racine, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        QString ligne = QDir(racine).relativeFilePath(f.filePath()) + QLatin1Char('\t') +
                        QString::number(f.permissions(), 16) + QLatin1Char('\t');
        if (f.isSymLink())
            ligne += QStringLiteral("-> ") + f.symLinkTarget();
        else if (f.isDir())
            ligne += QStringLiteral("/");
        else {
            QFile contenu(f.filePath());
            ligne += contenu.open(QIODevice::ReadOnly) ? QString::fromLatin1(contenu.readAll().toHex()) : QStringLiteral("?");
        }
        lignes << ligne;
    }
    lignes.sort();
    return lignes;
}

// A checksum of that picture.
inline QByteArray empreinte(const QString& racine)
{
    return QCryptographicHash::hash(arbre(racine).join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha256);
}

class essai_désinstallation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        P = dossier.filePath(QStringLiteral("Mes programmes/Trovane"));
        ASSERT_TRUE(QDir().mkpath(P));
        QFile::remove(désinstallation::fichier_réglages());
        QSettings s = réglages();
        s.setValue(QStringLiteral("sel/affichage"), QStringLiteral("1"));
        s.setValue(QStringLiteral("répertoires/aide"), QStringLiteral("français"));
        s.setValue(QStringLiteral("Utilisateur/poste_compta"), QStringLiteral("True"));
        s.setValue(QStringLiteral("Autre/clé"), QStringLiteral("x"));
    }

    static QSettings réglages()
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Trovane"),
                         QStringLiteral("Trovane"));
    }

    // P after some use of Trovane: data file and its copies, folders, help.
    void installe_trovane() const
    {
        for (const char* f : {"trovane.sel", "trovane.sld", "evolstat.dat", "archives/trovane.sel",
                              "archives/trovane_2025.sel", "repère/trovane.sel", "etats/famille.eta",
                              "images/logo.gif", "photos/dupont.jpg", "Aide/index.html", "Aide/images/fleche.gif",
                              "Aide/français/commencer.html", "Aide/anglais/commencer.html"})
            écrit(QString::fromUtf8(f), QByteArray(f));
    }

    // The user's own files, where Trovane keeps its pictures and archives.
    void ajoute_fichiers_utilisateur() const
    {
        for (const char* f : {"images/vacances.jpg", "photos/famille.jpg", "archives/impots2023.pdf"})
            écrit(QString::fromUtf8(f), QByteArray("à moi : ") + f);
    }

    // Links a user or a backup tool left in P, and two sub-folders of his
    // own; returns the folder outside P that the links show.
    QString ajoute_liens() const
    {
        const QString dehors = dossier.filePath(QStringLiteral("Hors du programme"));
        for (const char* f : {"page.html", "image.gif", "dossier/page.html"}) {
            QDir().mkpath(QFileInfo(dehors + QLatin1Char('/') + QString::fromUtf8(f)).absolutePath());
            QFile cible(dehors + QLatin1Char('/') + QString::fromUtf8(f));
            EXPECT_TRUE(cible.open(QIODevice::WriteOnly));
            cible.write(QByteArray("de dehors : ") + f);
        }
        const auto lien = [this](const QString& cible, const char* nom) {
            const QString l = chemin(QString::fromUtf8(nom));
            QDir().mkpath(QFileInfo(l).absolutePath());
            EXPECT_TRUE(QFile::link(cible, l)) << nom;
        };
        // Where the help goes back into P, and in the help folders.
        lien(dehors + QStringLiteral("/page.html"), "F_commencer.html");
        lien(dehors + QStringLiteral("/image.gif"), "fleche.gif");
        lien(dehors, "A_commencer.html");
        lien(dehors + QStringLiteral("/page.html"), "Aide/français/lien.html");
        lien(dehors + QStringLiteral("/dossier"), "Aide/français/sous");
        lien(dehors + QStringLiteral("/dossier"), "Aide/lien");
        lien(dehors + QStringLiteral("/nulle part.gif"), "Aide/images/perdue.gif");
        lien(dehors + QStringLiteral("/nulle part"), "etats/perdu.eta");
        lien(chemin(QStringLiteral("photos")), "archives/photos");
        écrit(QStringLiteral("archives/2024/trovane.sel"), "à moi");
        écrit(QStringLiteral("Aide/images/mes images/photo.jpg"), "à moi");
        return dehors;
    }

    QString chemin(const QString& relatif) const { return QDir(P).filePath(relatif); }
    void écrit(const QString& relatif, const QByteArray& octets) const
    {
        QDir().mkpath(QFileInfo(chemin(relatif)).absolutePath());
        QFile f(chemin(relatif));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lit(const QString& relatif) const
    {
        QFile f(chemin(relatif));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool existe(const QString& relatif) const { return désinstallation::présent(chemin(relatif)); }

    QTemporaryDir dossier;
    QString P;
    boîtes_scriptées boîtes;
    lanceur_enregistreur lanceur;
};
