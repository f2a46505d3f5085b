#include "app/editor/topic_printer.h"

#include "app/base/prompter.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace oxlin::app {

TopicPrinter::TopicPrinter(Prompter& prompter, std::function<QTextDocument*()> document,
                           std::function<QString()> documentName, QObject* parent)
    : QObject(parent), prompter_(prompter), document_(std::move(document)),
      documentName_(std::move(documentName)),
      // 1.25 in left and right, 1 in top and bottom.
      layout_(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(90, 72, 90, 72),
              QPageLayout::Point) {
    // The locale's usual paper, where the platform says which.
    const QPrinter probe;
    layout_.setPageSize(probe.pageLayout().pageSize());
}

QTextDocument* TopicPrinter::printable() {
    QTextDocument* document = document_ ? document_() : nullptr;
    if (!document || document->isEmpty()) {
        prompter_.message(tr(kNothingToPrint), tr("Oxlin"), PromptIcon::Information);
        return nullptr;
    }
    return document;
}

void TopicPrinter::preparePrinter(QPrinter& printer) const {
    printer.setPageLayout(layout_);
    printer.setDocName(documentName_ ? documentName_() : QString());
}

void TopicPrinter::render(QPrinter& printer, const QTextDocument& document) const {
    // A copy is laid out for the page; the editor's own layout stays as it is.
    // It is paginated at screen resolution, in the page's printable area, so
    // the printer draws it scaled and inside the page setup's margins (an
    // unpaginated document would get margins of its own on top).
    std::unique_ptr<QTextDocument> copy(document.clone());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    copy->setDocumentMargin(0);
    copy->setPageSize(QSizeF(area.width() * dpi / 72.0, area.height() * dpi / 72.0));
    copy->print(&printer);
}

bool TopicPrinter::print() {
    QTextDocument* document = printable();
    if (!document)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!prompter_.print(printer))
        return false;
    render(printer, *document);
    return true;
}

bool TopicPrinter::preview() {
    QTextDocument* document = printable();
    if (!document)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    return prompter_.printPreview(printer, [this, document](QPrinter* target) {
        render(*target, *document);
    });
}

bool TopicPrinter::exportPdf() {
    if (!printable())
        return false;
    const QString name = documentName_ ? QFileInfo(documentName_()).completeBaseName() : QString();
    QString path = prompter_.saveFileName(tr("Export as PDF"),
                                          (name.isEmpty() ? QStringLiteral("Topic") : name) +
                                              QStringLiteral(".pdf"),
                                          {tr("PDF files (*.pdf)")});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    return writePdf(path);
}

bool TopicPrinter::writePdf(const QString& pdfPath) {
    QTextDocument* document = document_ ? document_() : nullptr;
    if (!document || document->isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    preparePrinter(printer);
    render(printer, *document);
    return QFileInfo(pdfPath).size() > 0;
}

bool TopicPrinter::pageSetup() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout_);
    if (!prompter_.pageSetup(printer))
        return false;
    layout_ = printer.pageLayout();
    return true;
}

} // namespace oxlin::app
