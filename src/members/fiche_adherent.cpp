#include "members/fiche_adherent.h"

#include "data/dialogues.h"

#include <cmath>

champs_adhérent champs_de(const adhérent& a)
{
    champs_adhérent c;
    c.prénom = a.identifiant.trimmed();
    c.nom_adresse = a.nom_adresse.trimmed();
    c.rue = a.rue.trimmed();
    c.cp = a.cp.trimmed();
    c.ville = a.ville.trimmed();
    c.tel1 = a.tel1.trimmed();
    c.tel2 = a.tel2.trimmed();
    c.e_mail = a.e_mail.trimmed();
    c.photo = a.photo.trimmed();
    c.date_adh = texte_date(a.date_adhésion);
    c.date_cot = texte_date(a.date_cotisation);
    c.civilité = a.civilité;
    c.sexe = a.sexe;
    c.statut = a.additif;
    c.critère0 = a.critère0;
    c.qualité = a.qualité;
    c.critère1 = a.critère1;
    c.critère2 = a.critère2;
    c.catégorie = a.catégorie;
    c.commentaire = a.commentaire;
    c.solde = texte_affiché(a.der_solde);
    c.débits = QString::number(a.débits);
    c.crédits = QString::number(a.crédits);
    c.volume = texte_affiché(a.volume);
    return c;
}

bool lit_date_saisie(const QString& texte, double& date)
{
    const QString t = texte.trimmed();
    if (t == QLatin1String("00:00:00") || t == QLatin1String("000:00:00")) {
        date = 0;
        return true;
    }
    return lit_date(t, date);
}

namespace {

bool lit_compte(const QString& texte, int16& n)
{
    const double v = val_fr(texte);
    try {
        n = CInt(v);
        return true;
    } catch (const erreur_basic&) {
        return false;
    }
}

bool lit_somme(const QString& texte, monnaie& m)
{
    if (lit_montant(texte, m))
        return true;
    // "12abc": the number the text begins with, as for the counts.
    const double v = val_fr(texte);
    if (!std::isfinite(v) || std::fabs(v) >= 9.2e14)
        return false;
    m = monnaie::depuis_réel(v);
    return true;
}

void refuse(const QString& texte) { MsgBox(texte, style_boîte::exclamation); }

}  // namespace

bool lit_figures_compte(const champs_adhérent& c, figures_compte& f)
{
    if (!lit_somme(c.solde, f.solde)) {
        refuse(QStringLiteral("Le solde du compte est trop grand pour être enregistré."));
        return false;
    }
    if (!lit_compte(c.débits, f.débits)) {
        refuse(QStringLiteral("Le nombre de débits doit être compris entre -32768 et 32767."));
        return false;
    }
    if (!lit_compte(c.crédits, f.crédits)) {
        refuse(QStringLiteral("Le nombre de crédits doit être compris entre -32768 et 32767."));
        return false;
    }
    if (!lit_somme(c.volume, f.volume)) {
        refuse(QStringLiteral("Le volume des échanges est trop grand pour être enregistré."));
        return false;
    }
    return true;
}

refus_fiche range_champs(const champs_adhérent& c, adhérent& a)
{
    figures_compte f;
    if (!lit_figures_compte(c, f))
        return refus_fiche::figures;

    double date = 0;
    if (!lit_date_saisie(c.date_adh, date)) {
        MsgBox(QStringLiteral("Le format de la date d'inscription n'est pas correct. (jj/mm/aaaa ou 00:00:00)"),
               style_boîte::critique);
        return refus_fiche::date_adhésion;
    }
    a.date_adhésion = date;
    if (!lit_date_saisie(c.date_cot, date)) {
        MsgBox(QStringLiteral("Le format de la date de cotisation n'est pas correct. (jj/mm/aaaa ou 00:00:00)"),
               style_boîte::critique);
        return refus_fiche::date_cotisation;
    }
    a.date_cotisation = date;

    if (c.catégorie >= 0 && c.catégorie < taille_liste::catégorie)
        a.catégorie = static_cast<int16>(c.catégorie);
    a.dte_enr = date_depuis(aujourdhui());
    a.identifiant = c.prénom;
    a.tel1 = c.tel1;
    a.tel2 = c.tel2;
    a.nom_adresse = c.nom_adresse;
    a.rue = c.rue;
    a.cp = c.cp;
    a.ville = c.ville;
    a.e_mail = c.e_mail;
    a.photo = c.photo;
    auto position = [](int p, int16& champ) {
        if (p >= 0)
            champ = static_cast<int16>(p);
    };
    position(c.sexe, a.sexe);
    position(c.critère0, a.critère0);
    position(c.qualité, a.qualité);
    position(c.critère1, a.critère1);
    position(c.critère2, a.critère2);
    position(c.civilité, a.civilité);
    position(c.statut, a.additif);
    a.commentaire = c.commentaire;
    a.der_solde = f.solde;
    a.crédits = f.crédits;
    a.débits = f.débits;
    a.volume = f.volume;
    return refus_fiche::aucun;
}
