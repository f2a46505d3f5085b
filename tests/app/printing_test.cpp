// Printing the open topic: every page, inside the page setup's margins, to a
// PDF through QPrinter; checked with pdftotext where it is installed.

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_printer.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;

namespace {

QString pdftotext() { return QStandardPaths::findExecutable("pdftotext"); }

QString pdfText(const QString& pdf, const QStringList& options = {}) {
    QProcess process;
    process.start(pdftotext(), options + QStringList{pdf, "-"});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) { return int(pdfText(pdf).count(QChar('\f'))); }

// The left edge, in points, of the first word on the first page.
double firstWordLeft(const QString& pdf) {
    const QString boxes = pdfText(pdf, {"-bbox", "-f", "1", "-l", "1"});
    const QRegularExpressionMatch match =
        QRegularExpression("<word xMin=\"([0-9.]+)\"").match(boxes);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (pdftotext().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }
    void aLongTopicPrintsOnEveryPageItNeeds();
    void pageSetupMovesTheMarginsOfTheNextPrint();
    void previewAndPdfUseTheSameLayout();
    void anEmptyTopicPrintsNothingAndSaysSo();
};

void PrintingTest::aLongTopicPrintsOnEveryPageItNeeds() {
    RunningApp app;
    QString text;
    for (int i = 1; i <= 300; ++i)
        text += QStringLiteral("Line %1 of the garden plan\n").arg(i);
    const auto topic = app.topic(0, "Garden.txt", text.toUtf8());
    app.controller->openTopic(topic);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("garden.pdf");
    app.prompter.printAnswers.enqueue(true);
    app.prompter.printFiles.enqueue(pdf);
    app.window->dispatch(cmd::Print);
    QCOMPARE(app.prompter.asked.last().text, QStringLiteral("Garden.txt")); // the job's name
    QVERIFY2(pageCount(pdf) >= 5, qPrintable(QString::number(pageCount(pdf))));
    const QString printed = pdfText(pdf);
    QVERIFY(printed.contains("Line 1 of the garden plan"));
    QVERIFY(printed.contains("Line 300 of the garden plan")); // the last line too
    // No second dialog after printing.
    QCOMPARE(int(app.prompter.asked.size()), 1);
}

void PrintingTest::pageSetupMovesTheMarginsOfTheNextPrint() {
    RunningApp app;
    app.controller->openTopic(app.topic(0, "Note.txt", "margin test"));
    QTemporaryDir dir;
    TopicPrinter& printer = app.controller->printer();
    QVERIFY(printer.writePdf(dir.filePath("default.pdf")));
    // 1.25 in = 90 pt.
    const double defaultLeft = firstWordLeft(dir.filePath("default.pdf"));
    QVERIFY2(defaultLeft >= 89 && defaultLeft < 95, qPrintable(QString::number(defaultLeft)));

    app.prompter.printAnswers.enqueue(true);
    app.prompter.pageMargins.enqueue(QMarginsF(36, 36, 36, 36));
    app.window->dispatch(cmd::PageSetup);
    QVERIFY(printer.writePdf(dir.filePath("narrow.pdf")));
    const double narrowLeft = firstWordLeft(dir.filePath("narrow.pdf"));
    QVERIFY2(narrowLeft >= 35 && narrowLeft < 41, qPrintable(QString::number(narrowLeft)));
}

void PrintingTest::previewAndPdfUseTheSameLayout() {
    RunningApp app;
    app.controller->openTopic(app.topic(0, "Plan.txt", "preview text"));
    QTemporaryDir dir;
    app.prompter.fileNames.enqueue(dir.filePath("plan")); // the extension is added
    app.window->dispatch(cmd::ExportPdf);
    QVERIFY(pdfText(dir.filePath("plan.pdf")).contains("preview text"));
    app.window->dispatch(cmd::PrintPreview);
    QCOMPARE(app.prompter.asked.last().kind, QStringLiteral("printPreview"));
    QCOMPARE(app.prompter.asked.last().text, QStringLiteral("Plan.txt"));
}

void PrintingTest::anEmptyTopicPrintsNothingAndSaysSo() {
    RunningApp app;
    app.controller->openTopic(app.topic(0, "Empty.txt", ""));
    app.window->dispatch(cmd::Print);
    QCOMPARE(app.prompter.messageTexts(), QStringList{TopicPrinter::kNothingToPrint});
    QCOMPARE(int(app.prompter.asked.size()), 1); // no print dialog
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
