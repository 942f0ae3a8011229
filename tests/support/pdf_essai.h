#pragma once
// A printer that writes an A4 PDF file, and the text of that file read back
// page by page with pdftotext (poppler-utils).
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

inline void vers_pdf(QPrinter& imprimante, const QString& chemin)
{
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageOrientation(QPageLayout::Portrait);
}

// The text of the file laid out as on paper, pages separated by form feeds;
// nullopt without pdftotext.
inline std::optional<QString> texte_pdf(const QString& chemin)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chemin, QStringLiteral("-")});
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page, in order.
inline std::optional<QStringList> pages_pdf(const QString& chemin)
{
    const std::optional<QString> texte = texte_pdf(chemin);
    if (!texte)
        return std::nullopt;
    QStringList pages = texte->split(QLatin1Char('\f'));
    // A form feed ends the last page too.
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}
