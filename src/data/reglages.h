#pragma once
// The per-user settings store: an INI file under the application key
// "Trovane", with the sections "sel", "répertoires" and "Utilisateur".
// Booleans are stored as the texts "True" and "False".
#include <QString>

namespace réglages {

QString lit(const QString& section, const QString& clé, const QString& défaut = {});
bool lit_booléen(const QString& section, const QString& clé, bool défaut);
void écrit(const QString& section, const QString& clé, const QString& valeur);
void écrit_booléen(const QString& section, const QString& clé, bool valeur);
// Without a key, the whole section goes.
void efface(const QString& section, const QString& clé = {});
// Path of the INI file, for the uninstallers and the tests.
QString chemin();

}  // namespace réglages
