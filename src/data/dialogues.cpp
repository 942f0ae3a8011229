#include "data/dialogues.h"

#include <cstdio>

namespace {

class dialogues_sans_écran : public service_dialogues {
public:
    int message(const QString& texte, int style, const QString&) override
    {
        std::fprintf(stderr, "Trovane: %s\n", texte.toUtf8().constData());
        switch (style & 7) {
        case style_boîte::ok_annuler:
        case style_boîte::réessayer_annuler:
        case style_boîte::oui_non_annuler: return rép_annuler;
        case style_boîte::abandon_réessayer_ignorer: return rép_abandonner;
        case style_boîte::oui_non: return rép_non;
        default: return rép_ok;
        }
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString fichier_à_ouvrir(const QString&, const QString&, const QString&) override { return {}; }
    QString fichier_à_enregistrer(const QString&, const QString&, const QString&) override { return {}; }
    bool réglage_imprimante(QPrinter&) override { return false; }
};

dialogues_sans_écran sans_écran;
service_dialogues* installé = nullptr;

}  // namespace

service_dialogues& dialogues() { return installé ? *installé : sans_écran; }
void installe_dialogues(service_dialogues* service) { installé = service; }

int MsgBox(const QString& texte, int style, const QString& titre)
{
    return dialogues().message(texte, style, titre.isEmpty() ? titre_application : titre);
}

QString InputBox(const QString& invite, const QString& titre, const QString& défaut)
{
    return dialogues().saisie(invite, titre.isEmpty() ? titre_application : titre, défaut).value_or(QString());
}
