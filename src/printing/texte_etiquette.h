#pragma once
// The text of one label, mailing block or card, built from one member record,
// and the size of a card photo. The text carries its own line breaks (CR LF)
// and is never shortened: wrapping it to the label is the drawing's work.
#include <QSize>
#include <QString>

// "Mme ", "Mlle ", "Mr ", "Mme & Mr ", "Ass. " for 1..5; nothing otherwise.
QString préfixe_civilité(int civilité);

// The text of member `numéro` (0..5000; any other number gives an empty
// text) for the output kind: labels and mailings carry the civility and the
// address, member cards their title and the address, visiting cards also the
// two phone numbers. Any other kind gives an empty text.
QString compose_texte(int numéro, const QString& type_sortie);

// A card text split before its first line break: the title, and the rest,
// which begins with that line break.
struct titre_et_reste {
    QString titre;
    QString reste;
};
titre_et_reste sépare_titre(const QString& contenu);

// Height of a photo drawn `largeur` wide with the proportions of a picture of
// `image` pixels; 0 for an empty picture.
double hauteur_photo(double largeur, QSize image);
