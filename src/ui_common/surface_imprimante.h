#pragma once
// The printer: one QPrinter for the whole program, and the page surface over
// it. The surface measures with the printer's own font metrics and keeps the
// pages of the document until EndDoc, which sends them to the printer (or the
// PDF file it is set to) in one go; so KillDoc cancels a document whole, even
// on printers that cannot abort a job. A PDF file holds one document: within
// a run of documents (commence_suite) those ended go on as its next pages and
// the file is written once, when the run ends.
#include "ui_common/surface.h"

#include <QFontMetricsF>
#include <QHash>
#include <optional>
#include <vector>

class QPrinter;

// The program's printer, created on first use: high resolution, full page
// (coordinates start at the corner of the sheet). The printer set-up changes
// it for the rest of the run.
QPrinter& imprimante();
// Once the printer exists, gives back the orientation it had when created:
// the program leaves the printer as it found it. Nothing to do before (the
// printer is only made when a window first needs it, a tenth of a second
// spared at start-up).
void rend_orientation_imprimante();

// The printer writes to a file, which each print job would write anew.
bool imprime_dans_un_fichier(const QPrinter& imprimante);

class surface_imprimante : public surface_page {
public:
    // The printer is not owned; it is switched to full-page coordinates.
    explicit surface_imprimante(QPrinter& imprimante);
    // A document still open is sent, as the printer object does at exit.
    ~surface_imprimante() override;

    QPageLayout::Orientation Orientation() const override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    QString erreur() const override { return erreur_; }

protected:
    double largeur_ligne(const QString& ligne, const police_page& police) const override;
    double interligne(const police_page& police) const override;
    QSizeF taille_page() const override;
    void pose(élément_page élément) override;
    void page_suivante() override;
    // When the printer cannot take the document, the user is told (critical
    // box) and the document is dropped.
    bool termine_document() override;
    // Only the document in progress: those ended in the run stay.
    void annule_document() override;
    bool envoie_suite() override;

private:
    const QFontMetricsF& mesure(const police_page& police) const;
    // A PDF output with no file (the printer Qt gives when none is
    // installed) opens the printer choice first; when the user leaves it
    // without a printer or a file, nothing is printed and he is told what to
    // do, once in a run of documents.
    bool sortie_choisie();
    bool envoie(std::vector<page_dessinée> pages);

    QPrinter& imprimante_;
    std::vector<page_dessinée> pages_;
    std::vector<page_dessinée> suite_;  // the documents ended in a run, kept for one file
    QString erreur_;
    bool sortie_refusée_ = false;  // the choice was declined in the current run
    mutable police_page police_mesurée_;
    mutable std::optional<QFontMetricsF> mesure_;
    // Each text measured once in each face: a catalogue measures its
    // section names, members and offers again on every page.
    struct avances_police {
        police_page police;
        QHash<QString, qreal> avances;
    };
    mutable std::vector<avances_police> avances_;
};
