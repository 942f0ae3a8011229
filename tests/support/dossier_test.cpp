#include "support/dossier_test.h"

#include "data/dossiers.h"
#include "data/reglages.h"
#include "data/valeurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

int dialogues_scriptés::message(const QString& texte, int style, const QString& titre)
{
    messages.push_back({texte, style, titre});
    if (!réponses.empty()) {
        const int r = réponses.front();
        réponses.pop_front();
        return r;
    }
    switch (style & 7) {
    case style_boîte::ok_annuler:
    case style_boîte::réessayer_annuler:
    case style_boîte::oui_non_annuler: return rép_annuler;
    case style_boîte::abandon_réessayer_ignorer: return rép_abandonner;
    case style_boîte::oui_non: return rép_non;
    default: return rép_ok;
    }
}

std::optional<QString> dialogues_scriptés::saisie(const QString& invite, const QString&, const QString&)
{
    invites << invite;
    if (saisies.empty())
        return std::nullopt;
    const bool annulée = !saisies.front().has_value();
    const QString texte = annulée ? QString() : *saisies.front();
    saisies.pop_front();
    if (annulée)
        return std::nullopt;
    return texte;
}

QString dialogues_scriptés::fichier_à_ouvrir(const QString& titre, const QString&, const QString&)
{
    invites << titre;
    if (fichiers.empty())
        return {};
    QString r = fichiers.front();
    fichiers.pop_front();
    return r;
}

QString dialogues_scriptés::fichier_à_enregistrer(const QString& titre, const QString& départ, const QString& filtre)
{
    return fichier_à_ouvrir(titre, départ, filtre);
}

bool dialogues_scriptés::réglage_imprimante(QPrinter& imprimante)
{
    ++réglages_demandés;
    if (réglages_imprimante.empty())
        return false;
    const bool r = réglages_imprimante.front();
    réglages_imprimante.pop_front();
    if (r && choix_imprimante)
        choix_imprimante(imprimante);
    return r;
}

QStringList dialogues_scriptés::textes() const
{
    QStringList t;
    for (const auto& m : messages)
        t << m.texte;
    return t;
}

void essai_dossier::SetUp()
{
    ASSERT_TRUE(dossier.isValid());
    fixe_dossier_programme(dossier.path());
    fixe_horloge(QDateTime(QDate(2026, 3, 14), QTime(10, 30, 0)));
    données = données_sel{};
    fichier_courant.clear();
    adhérent_courant = compte_courant = 0;
    appelant_filtre.clear();
    arrêt_demandé = false;
    fichier_à_extraire.clear();
    poste_compta = false;
    langue_aide.clear();
    affiche_grille = sans_image_accueil = sans_enregistrement = false;
    hauteur_ligne_vide = hauteur_images = 0;
    nombre_lignes_vides = 0;
    avis_fichier_chargé = nullptr;
    avis_fusion_terminée = nullptr;
    QFile::remove(réglages::chemin());
    installe_dialogues(&boîtes);
}

void essai_dossier::TearDown()
{
    installe_dialogues(nullptr);
    fixe_dossier_programme({});
    fixe_horloge({});
    QFile::remove(réglages::chemin());
}

QString essai_dossier::chemin(const QString& relatif) const { return QDir(dossier.path()).filePath(relatif); }

QByteArray essai_dossier::lit(const QString& relatif) const
{
    QFile f(chemin(relatif));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void essai_dossier::écrit(const QString& relatif, const QByteArray& octets) const
{
    const QString c = chemin(relatif);
    QDir().mkpath(QFileInfo(c).absolutePath());
    QFile f(c);
    if (f.open(QIODevice::WriteOnly))
        f.write(octets);
}

QString fichier_essai(const QString& nom) { return QDir(QStringLiteral(TROVANE_TEST_FIXTURES)).filePath(nom); }

void PrintTo(const adhérent& a, std::ostream* os)
{
    *os << "adhérent(ordre " << a.ordre << ", « " << a.identifiant.trimmed().toStdString() << " », "
        << texte_date(a.dte_enr).toStdString() << ", " << a.ville.trimmed().toStdString() << ")";
}

void PrintTo(const proposition& p, std::ostream* os)
{
    *os << "proposition(ordre " << p.ordre << ", « " << p.désignation.toStdString() << " », membre " << p.num_adh
        << ", code " << p.code_rubrique << ")";
}
