// Our translations as the programs load them at start leave none of our texts
// in English: every entry of each language's file is translated and keeps its
// placeholders, tabs and accelerators, and the window, its menus, the tray,
// the dialogs and the messages find a translation for every text they look up.
// (The Chinese rows need the Chinese file to be filled.)
#include <QtTest>

#include "running_app.h"

#include "core/session/welcome.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/desktop/tray_icon.h"
#include "app/dialogs/about_dialog.h"
#include "app/dialogs/notebook_dialogs.h"
#include "app/dialogs/shortcut_dialog.h"
#include "app/editor/find_replace.h"
#include "app/shell/background_shell.h"
#include "messages/notebook_messages.h"
#include "messages/translations.h"
#include "messages/tree_messages.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace oxlin;
using namespace oxlin::app;

namespace {

// Consulted before the real translators (it is installed after them), it
// only remembers what is looked up and leaves the answer to them.
class LookupRecorder final : public QTranslator {
public:
    struct Lookup {
        QByteArray context, source, disambiguation;
        int n;
    };
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (source && *source)
            lookups.append({context, source, disambiguation, n});
        return {};
    }
    bool isEmpty() const override { return false; }

    mutable QList<Lookup> lookups;
};

// Our contexts: a class of ours, or one of the message tables.
bool ours(const QByteArray& context) {
    return context.startsWith("oxlin::") || context == "TreeMessages" ||
           context == "NotebookMessages" || context == "TransferMessages";
}

// Texts that German writes as English does, and why.
bool sameInGerman(const QString& source) {
    static const QSet<QString> same{
        // Names: the programs', and the window title's pattern around them.
        QStringLiteral("Oxlin"), QStringLiteral("Vistelo"), QStringLiteral("%1 - [%2]"),
        QStringLiteral("%1 - Quarrow Notebook"), QStringLiteral("%1 - Quarrow Notebook - [%2]"),
        // Words German took from English.
        QStringLiteral("OK"), QStringLiteral("Index"), QStringLiteral("&Index"),
        QStringLiteral("Editor"), QStringLiteral("Format"), QStringLiteral("F&ormat"),
        QStringLiteral("Link"),
        // Names of a key and of file formats.
        QStringLiteral("Esc"), QStringLiteral("Markdown..."), QStringLiteral("PDF..."),
        QStringLiteral("Rich Text Format (*.RTF)"),
        QStringLiteral("Rich Text Format (*.RTF *.rtf)")};
    static const QRegularExpression functionKey(QStringLiteral("^F\\d+$"));
    return same.contains(source) || functionKey.match(source).hasMatch();
}

// "%1", "%L2", "%n": what a translation must keep.
QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(L?\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The letter after a single "&", lower-cased; none for "&&" or "& ".
QChar mnemonic(const QString& text) {
    static const QRegularExpression accelerator(QStringLiteral("(?<!&)&([^&\\s])"));
    const QRegularExpressionMatch match = accelerator.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

// What is wrong with one entry's translation, or nothing.
QString entryFault(const QString& source, const QStringList& forms, bool unfinished) {
    if (unfinished || forms.isEmpty())
        return QStringLiteral("untranslated");
    for (const QString& form : forms) {
        if (form.isEmpty())
            return QStringLiteral("untranslated");
        if (placeholders(form) != placeholders(source))
            return QStringLiteral("placeholders differ: ") + form;
        if (form.count(u'\t') != source.count(u'\t'))
            return QStringLiteral("shortcut tab lost: ") + form;
        if (!mnemonic(source).isNull() && mnemonic(form).isNull())
            return QStringLiteral("accelerator lost: ") + form;
    }
    return {};
}

// Every entry of a .ts file with a fault, as "context: source: fault".
QStringList faultyEntries(const QString& tsPath, int& entries) {
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsPath};
    QXmlStreamReader xml(&file);
    const auto text = [&xml] {
        return xml.readElementText(QXmlStreamReader::IncludeChildElements);
    };
    QStringList faults, forms;
    QString context, source;
    bool numerus = false, unfinished = false;
    entries = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.name().toString();
        if (xml.isEndElement() && name == QLatin1String("message")) {
            ++entries;
            if (const QString fault = entryFault(source, forms, unfinished); !fault.isEmpty())
                faults << context + QLatin1String(": ") + source + QLatin1String(": ") + fault;
        }
        if (!xml.isStartElement())
            continue;
        if (name == QLatin1String("name")) {
            context = text();
        } else if (name == QLatin1String("message")) {
            forms.clear();
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            source = text();
        } else if (name == QLatin1String("translation")) {
            unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus)
                forms << text();
        } else if (name == QLatin1String("numerusform")) {
            forms << text();
        }
    }
    return faults;
}

// Menus whose entries share an accelerator letter, with the letters.
QStringList clashingAccelerators(const QList<QAction*>& actions, const QString& where) {
    QStringList clashes;
    QHash<QChar, QString> taken;
    for (const QAction* act : actions) {
        const QChar letter = mnemonic(act->text());
        if (!letter.isNull() && taken.contains(letter))
            clashes << where + QLatin1String(": ") + taken.value(letter) + QLatin1String(" / ") +
                           act->text();
        taken.insert(letter, act->text());
        if (const QMenu* menu = act->menu())
            clashes << clashingAccelerators(menu->actions(), act->text());
    }
    return clashes;
}

// Takes out the translators the programs' start installed on the application.
void removeInstalledTranslations() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

class RealTranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void languages_data();
    void everyEntryIsTranslated_data() { languages_data(); }
    void everyEntryIsTranslated();
    void windowDialogsAndMessagesAreTranslated_data() { languages_data(); }
    void windowDialogsAndMessagesAreTranslated();
    void englishAndLanguagesWeLackKeepTheTexts();
    void systemLocaleChoosesTheLanguage();
    void longKeyNamesFitTheirFields();
    void cleanup() { removeInstalledTranslations(); }
};

void RealTranslationTest::languages_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fileMenu"); // empty: only "not English" is known
    QTest::newRow("German") << "de_DE"
                            << "oxlin_de.ts"
                            << "&Datei";
    QTest::newRow("Chinese") << "zh_CN"
                             << "oxlin_zh_CN.ts" << QString();
}

void RealTranslationTest::everyEntryIsTranslated() {
    QFETCH(QString, file);
    int entries = 0;
    const QStringList faults =
        faultyEntries(QStringLiteral(OXLIN_TRANSLATIONS_SOURCE_DIR "/") + file, entries);
    QVERIFY2(entries > 400, qPrintable(QString::number(entries)));
    QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QLatin1String(" of ") +
                                          QString::number(entries) + QLatin1String(" entries:\n") +
                                          faults.mid(0, 20).join(u'\n')));
}

void RealTranslationTest::windowDialogsAndMessagesAreTranslated() {
    QFETCH(QString, language);
    QFETCH(QString, fileMenu);
    const QString folder = QCoreApplication::applicationDirPath();
    QCOMPARE(messages::installTranslations(folder, QLocale(language)), language);
    const std::unique_ptr<QTranslator> reference =
        messages::loadTranslation(folder, QLocale(language));
    QVERIFY(reference);
    LookupRecorder recorder;
    QCoreApplication::installTranslator(&recorder);

    QStringList clashes;
    {
        RunningApp app;
        BackgroundShell shell(*app.controller, app.prompter, true);
        MainWindow& window = *app.window;
        const QString fileTitle = window.menuBar()->actions().first()->text();
        QVERIFY2(fileMenu.isEmpty() ? fileTitle != QLatin1String("&File") : fileTitle == fileMenu,
                 qPrintable(fileTitle));
        clashes << clashingAccelerators(window.menuBar()->actions(), QStringLiteral("menu bar"))
                << clashingAccelerators(shell.tray().menu()->actions(), QStringLiteral("tray"));
        std::unique_ptr<QMenu> treeMenu(window.actions().buildTreeContextMenu(nullptr));
        std::unique_ptr<QMenu> editorMenu(window.actions().buildEditorContextMenu(nullptr));
        clashes << clashingAccelerators(treeMenu->actions(), QStringLiteral("tree menu"))
                << clashingAccelerators(editorMenu->actions(), QStringLiteral("editor menu"));

        ShortcutDialog shortcuts;
        FindDialog find;
        find.showFor(true, {});
        NewNotebookDialog create([](const QString&) { return true; });
        OpenNotebookDialog open({QStringLiteral("Plans")}, {});
        AboutDialog about(QFont{});

        app.controller->openTopic(app.topic(0, "Plan.txt", "garden"));
        app.editor().showProperties();
        app.window->dispatch(cmd::ImportFile);
        app.window->dispatch(cmd::ExportPdf);
        QCOMPARE(app.prompter.asked.size(), 3);
        messages::TreeMessages::notebookFull();
        messages::NotebookMessages::deleteQuestion(QStringLiteral("Plans"));
        // The first topic a new notebook gets is written in the user's language.
        const QByteArray welcome = session::welcomeText();
        QVERIFY2(!welcome.startsWith("Welcome"), welcome.constData());
        QCOMPARE(welcome.count("\n"), welcome.count("\r\n"));
    }
    QCoreApplication::removeTranslator(&recorder);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));

    QStringList missing, sameAsEnglish;
    for (const LookupRecorder::Lookup& lookup : std::as_const(recorder.lookups)) {
        if (!ours(lookup.context))
            continue;
        const QString source = QString::fromUtf8(lookup.source);
        const QString translation =
            reference->translate(lookup.context, lookup.source, lookup.disambiguation, lookup.n);
        if (translation.isNull())
            missing << QString::fromUtf8(lookup.context) + QLatin1String(": ") + source;
        else if (language == QLatin1String("de_DE") && translation == source &&
                 !sameInGerman(source))
            sameAsEnglish << source;
    }
    QVERIFY(recorder.lookups.size() > 200);
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    QVERIFY2(sameAsEnglish.isEmpty(), qPrintable(sameAsEnglish.join(u'\n')));
    // Qt's standard dialogs speak the same language.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
}

void RealTranslationTest::englishAndLanguagesWeLackKeepTheTexts() {
    const QString folder = QCoreApplication::applicationDirPath();
    // English: the texts as written, and Qt's standard dialogs in English too.
    QCOMPARE(messages::installTranslations(folder, QLocale(QStringLiteral("en_GB"))), QString());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    // A language we do not have is no reason to load another.
    QVERIFY(!messages::loadTranslation(folder, QLocale(QStringLiteral("fr_FR"))));
    // The language alone finds the file named with its country.
    QVERIFY(messages::loadTranslation(folder, QLocale(QStringLiteral("de"))));
}

// Run by CTest under LANG=de_DE.UTF-8 and LANG=zh_CN.UTF-8: what a program
// installs at start, from the system's locale, speaks in its menus and messages.
void RealTranslationTest::systemLocaleChoosesTheLanguage() {
    const QString system = QLocale::system().name();
    if (system != QLatin1String("de_DE") && system != QLatin1String("zh_CN"))
        QSKIP("run under LANG=de_DE.UTF-8 or LANG=zh_CN.UTF-8");
    QCOMPARE(messages::installTranslations(QCoreApplication::applicationDirPath()), system);
    RunningApp app;
    const QString fileTitle = app.window->menuBar()->actions().first()->text();
    QVERIFY2(fileTitle != QLatin1String("&File"), qPrintable(fileTitle));
    const QString full = messages::TreeMessages::notebookFull();
    QVERIFY2(!full.startsWith(QLatin1String("This notebook is full")), qPrintable(full));
}

// German key names ("Strg + Umschalt + Z") are longer than the fields' own
// width: the fields grow to show them whole.
void RealTranslationTest::longKeyNamesFitTheirFields() {
    QVERIFY(!messages::installTranslations(QCoreApplication::applicationDirPath(),
                                           QLocale(QStringLiteral("de_DE")))
                 .isEmpty());
    ShortcutDialog shortcuts;
    shortcuts.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shortcuts));
    const QList<QLineEdit*> fields = shortcuts.findChildren<QLineEdit*>();
    QVERIFY(!fields.isEmpty());
    for (const QLineEdit* field : fields) {
        const int needed = field->fontMetrics().horizontalAdvance(field->text());
        QVERIFY2(field->contentsRect().width() > needed, qPrintable(field->text()));
    }
}

QTEST_MAIN(RealTranslationTest)
#include "real_translation_test.moc"
