#include "ui_common/export_grille.h"

#include "data/cp1252.h"
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichiers.h"
#include "data/valeurs.h"
#include "ui_common/grille_vue.h"
#include "ui_common/sablier.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>

namespace {

const QString crlf = QStringLiteral("\r\n");

void vers_presse_papiers(const QString& texte)
{
    QClipboard* pp = QGuiApplication::clipboard();
    pp->clear();
    pp->setText(texte);
}

// The save dialog of the program folder; adds the extension when the user
// typed none. Empty when cancelled.
QString demande_fichier(const QString& nom_proposé, const QString& filtre, const QString& extension)
{
    QString chemin = dialogues().fichier_à_enregistrer(QString(), QDir(dossier_programme()).filePath(nom_proposé),
                                                        filtre);
    if (!chemin.isEmpty() && QFileInfo(chemin).suffix().isEmpty())
        chemin += QLatin1Char('.') + extension;
    return chemin;
}

// The text file holds Windows-1252 only: the first cell written from
// première_colonne on that holds another character, and how many cells do,
// told as the user finds them in the file (line and field from 1).
QString caractères_remplacés(const grille& g, int première_colonne)
{
    QString premier;
    int ligne = 0, champ = 0, cellules = 0;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = première_colonne; c < g.Cols(); ++c) {
            const QString& t = g.TextMatrix(r, c);
            for (qsizetype i = 0; i < t.size(); ++i) {
                if (octet_cp1252(t[i]) >= 0)
                    continue;
                if (++cellules == 1) {
                    const bool paire = t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate();
                    premier = t.mid(i, paire ? 2 : 1);
                    ligne = r + 1;
                    champ = c - première_colonne + 1;
                }
                break;
            }
        }
    if (cellules == 0)
        return {};
    QString message = QStringLiteral("Le caractère « %1 » de la ligne %2, colonne %3 ne peut pas s'écrire dans un "
                                     "fichier texte Windows-1252 : il y a été remplacé par « ? ».")
                          .arg(premier)
                          .arg(ligne)
                          .arg(champ);
    if (cellules == 2)
        message += QStringLiteral(" Une autre cellule a aussi des caractères remplacés.");
    else if (cellules > 2)
        message += QStringLiteral(" %1 autres cellules ont aussi des caractères remplacés.").arg(cellules - 1);
    return message;
}

}  // namespace

// ---------------------------------------------------------------- tab-separated text

QString texte_grille(const grille& g, int r1, int c1, int r2, int c2)
{
    r1 = std::max(r1, 0);
    c1 = std::max(c1, 0);
    r2 = std::min(r2, g.Rows() - 1);
    c2 = std::min(c2, g.Cols() - 1);
    QString texte;
    for (int r = r1; r <= r2; ++r) {
        if (r > r1)
            texte += crlf;
        for (int c = c1; c <= c2; ++c) {
            if (c > c1)
                texte += QLatin1Char('\t');
            texte += g.TextMatrix(r, c);
        }
    }
    return texte;
}

void copie_grille(grille& g)
{
    redraw_suspendu pause(g);
    sablier s;
    vers_presse_papiers(texte_grille(g, 0, 0, g.Rows() - 1, g.Cols() - 1));
}

void copie_sélection(grille& g)
{
    const int r1 = std::min(g.Row(), g.RowSel()), r2 = std::max(g.Row(), g.RowSel());
    const int c1 = std::min(g.Col(), g.ColSel()), c2 = std::max(g.Col(), g.ColSel());
    redraw_suspendu pause(g);
    sablier s;
    vers_presse_papiers(texte_grille(g, r1, c1, r2, c2));
}

void enregistre_grille(grille& g, const QString& nom_proposé, int première_colonne)
{
    redraw_suspendu pause(g);
    QString texte;
    {
        sablier s;
        texte = texte_grille(g, 0, std::max(première_colonne, 0), g.Rows() - 1, g.Cols() - 1);
    }
    const QString chemin = demande_fichier(nom_proposé, QStringLiteral("Ascii tabulé(.txt) (*.txt)"),
                                           QStringLiteral("txt"));
    if (chemin.isEmpty())
        return;
    QString erreur;
    if (!écrit_fichier_sûr(chemin, vers_cp1252(texte + crlf), erreur)) {
        MsgBox(erreur, style_boîte::critique);
        return;
    }
    const QString remplacés = caractères_remplacés(g, std::max(première_colonne, 0));
    if (!remplacés.isEmpty())
        MsgBox(remplacés, style_boîte::information);
}

// ---------------------------------------------------------------- HTML

QString accents_en_html(const QString& texte)
{
    static const std::pair<QChar, QString> entités[] = {
        {QChar(0xE9), QStringLiteral("&eacute;")}, {QChar(0xE8), QStringLiteral("&egrave;")},
        {QChar(0xE0), QStringLiteral("&agrave;")}, {QChar(0xE7), QStringLiteral("&ccedil;")},
        {QChar(0xEF), QStringLiteral("&iuml;")},   {QChar(0xF6), QStringLiteral("&ouml;")},
        {QChar(0xEB), QStringLiteral("&euml;")},   {QChar(0xE4), QStringLiteral("&auml;")},
        {QChar(0xFC), QStringLiteral("&uuml;")},   {QChar(0xE2), QStringLiteral("&acirc;")},
        {QChar(0xEA), QStringLiteral("&ecirc;")},  {QChar(0xEE), QStringLiteral("&icirc;")},
        {QChar(0xF4), QStringLiteral("&ocirc;")},  {QChar(0xFB), QStringLiteral("&ucirc;")},
        {QChar(0xF1), QStringLiteral("&ntilde;")}, {QChar(0xDF), QStringLiteral("&szlig;")},
    };
    QString r = texte;
    for (const auto& [lettre, entité] : entités)
        r.replace(lettre, entité);
    return r;
}

namespace {

// Markup characters as entities (double quotes too inside an attribute), and
// characters that the page's code page cannot hold as numeric references,
// so that every text shows as typed.
QString en_html(const QString& texte, bool attribut = false)
{
    QString r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('&'))
            r += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            r += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            r += QLatin1String("&gt;");
        else if (attribut && c == QLatin1Char('"'))
            r += QLatin1String("&quot;");
        else if (c.isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate()) {
            r += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, texte[i + 1]));
            ++i;
        } else if (octet_cp1252(c) < 0)
            r += QStringLiteral("&#%1;").arg(c.unicode());
        else
            r += c;
    }
    return r;
}

QString texte_html(const QString& texte) { return accents_en_html(en_html(texte)); }

}  // namespace

QString grille_en_html(const grille& g, const QString& titre, int espacement, int marge,
                       const QString& couleur_lien, const QString& couleur_visité, int colonne_email)
{
    const QString q = QStringLiteral("\"");
    const QString lien = couleur_lien.isEmpty() ? QStringLiteral("#0000ff") : couleur_lien;
    const QString visité = couleur_visité.isEmpty() ? QStringLiteral("#800080") : couleur_visité;
    const QString titre_html = texte_html(titre);
    const QString police = en_html(g.FontName(), true);
    const int taille = CLng(g.FontSize());
    const double tpp = twips_par_pixel();
    double total = 0;
    for (int c = 0; c < g.Cols(); ++c)
        total += g.ColWidth(c);

    QString p;
    auto ligne = [&](const QString& t) { p += t + crlf; };
    ligne(QStringLiteral("<HTML>"));
    ligne(QStringLiteral("<HEAD>"));
    ligne(QStringLiteral("<META HTTP-EQUIV=\"Content-Type\"CONTENT=\"text/html; charset=windows-1252\"> "));
    ligne(QStringLiteral("<META NAME=\"Generator\"CONTENT=\"Trovane3_1\">"));
    ligne(QStringLiteral("<TITLE>") + titre_html + QStringLiteral("</TITLE>"));
    ligne(QStringLiteral("</HEAD>"));
    ligne(QStringLiteral("<BODY>"));
    ligne(QStringLiteral("<BODY LINK=") + q + en_html(lien, true) + q + QStringLiteral(" VLINK=") + q +
          en_html(visité, true) + q + QStringLiteral(">"));
    ligne(QStringLiteral("<B><FONT FACE=") + q + police + q + QStringLiteral(" SIZE=") +
          QString::number(taille + 4) + QStringLiteral(">"));
    ligne(QStringLiteral("<P ALIGN=\"CENTER\"> ") + titre_html + QStringLiteral("</P></B></FONT>"));
    ligne(QStringLiteral("<P>&nbsp;<P><FONT FACE=") + q + police + q + QStringLiteral(" SIZE=") +
          QString::number(taille) + QStringLiteral("></FONT>"));
    ligne(QStringLiteral("<P ALIGN=\"CENTER\"><CENTER><TABLE BORDER CELLSPACING=") + QString::number(espacement) +
          QStringLiteral(" CELLPADDING= ") + QString::number(marge) + QStringLiteral(" WIDTH=") +
          QString::number(static_cast<long long>(total / tpp)) + QStringLiteral(">"));
    for (int r = 0; r < g.Rows(); ++r) {
        ligne(QStringLiteral("<TR>"));
        for (int c = 0; c < g.Cols(); ++c) {
            ligne(QStringLiteral("<TD WIDTH=") + QString::number(static_cast<long long>(g.ColWidth(c) / tpp)) +
                  QStringLiteral(" VALIGN=\"TOP\">"));
            const QString& cellule = g.TextMatrix(r, c);
            if (c == colonne_email && r >= 1)
                ligne(QStringLiteral("<P> <A HREF=\"mailto:") + en_html(cellule, true) + QStringLiteral("\">") +
                      en_html(cellule) + QStringLiteral("</A></TD>"));
            else
                ligne(QStringLiteral("<P>") + texte_html(cellule) + QStringLiteral("</TD>"));
        }
        ligne(QStringLiteral("</TR>"));
    }
    ligne(QStringLiteral("</TABLE>"));
    ligne(QStringLiteral("</BODY>"));
    p += QStringLiteral(" </HTML> ");
    return p;
}

void enregistre_html(const QString& page)
{
    const QString chemin =
        demande_fichier(QStringLiteral("adherents"), QStringLiteral("Html(.html) (*.html)"), QStringLiteral("html"));
    if (chemin.isEmpty())
        return;
    const QByteArray octets = vers_cp1252(page + crlf);
    QString erreur;
    while (!écrit_fichier_sûr(chemin, octets, erreur))
        if (MsgBox(erreur, style_boîte::ok_annuler) != rép_ok)
            return;
}
