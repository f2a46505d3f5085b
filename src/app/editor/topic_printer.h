#pragma once

// Printing the open topic as the editor shows it: every page it needs, inside
// the margins of the page setup, to a printer, a preview or a PDF file. The
// page setup chosen is kept for the rest of the run.

#include <QObject>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;
class QTextDocument;

namespace oxlin::app {

class Prompter;

class TopicPrinter final : public QObject {
    Q_OBJECT
public:
    // `document` gives the open topic's document (null when none is open),
    // `documentName` the label the print job carries.
    TopicPrinter(Prompter& prompter, std::function<QTextDocument*()> document,
                 std::function<QString()> documentName, QObject* parent = nullptr);

    // Each returns true when something was printed or written.
    bool print();
    bool preview();
    bool exportPdf();
    // Writes the topic to `pdfPath` with the current page setup, no dialog.
    bool writePdf(const QString& pdfPath);
    bool pageSetup();

    const QPageLayout& pageLayout() const { return layout_; }

    static constexpr char kNothingToPrint[] =
        QT_TR_NOOP("The topic is empty: there is nothing to print.");

private:
    // Lays the document out on the printer's pages and prints them.
    void render(QPrinter& printer, const QTextDocument& document) const;
    QTextDocument* printable();
    void preparePrinter(QPrinter& printer) const;

    Prompter& prompter_;
    std::function<QTextDocument*()> document_;
    std::function<QString()> documentName_;
    QPageLayout layout_;
};

} // namespace oxlin::app
