// Formatting timings on a large topic: bold over all of it, a 4 x 5 table
// inserted into it, and one keystroke into one long paragraph, each with and
// without Qt's relayout. The argument picks the editor: 1 is the editor as
// the application has it, 0 a bare QTextEdit doing the same, the peer that
// shows what Qt's own editing and layout cost. Run with
// QT_QPA_PLATFORM=offscreen.

#include "app/editor/link_view.h"
#include "app/editor/text_formatting.h"
#include "app/editor/topic_text_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString words(int characters, int paragraphEvery) {
    QString text;
    text.reserve(characters + 16);
    for (int i = 0; text.size() < characters; ++i) {
        text += QStringLiteral("word%1").arg(i % 997);
        text += paragraphEvery > 0 && i % paragraphEvery == paragraphEvery - 1 ? u'\n' : u' ';
    }
    return text;
}

// The editor as the application has it (ours), or a bare QTextEdit;
// OXLIN_BENCH_NO_LINKS=1 leaves out the link view, to see what its scanning
// costs.
struct Editor {
    std::unique_ptr<QTextEdit> control;
    std::unique_ptr<oxlin::app::LinkView> links;
    QTextEdit& edit;
    Editor(const QString& text, bool ours)
        : control(ours ? std::make_unique<oxlin::app::TopicTextEdit>()
                       : std::make_unique<QTextEdit>()),
          edit(*control) {
        if (ours && !qEnvironmentVariableIsSet("OXLIN_BENCH_NO_LINKS"))
            links = std::make_unique<oxlin::app::LinkView>(&edit);
        edit.resize(800, 600);
        edit.show();
        edit.setPlainText(text);
        QApplication::processEvents();
    }
};

// `layout`: also let Qt lay the document out again and paint, as the
// window does before the user sees the result.
void boldAll(benchmark::State& state, bool layout) {
    Editor e(words(400'000, 40), state.range(0) != 0);
    e.edit.selectAll();
    for (auto _ : state) {
        oxlin::app::toggleCharEffect(e.edit, oxlin::app::CharEffect::Bold);
        if (layout)
            QApplication::processEvents();
    }
}
void BM_BoldAll400k(benchmark::State& state) { boldAll(state, false); }
void BM_BoldAll400kWithLayout(benchmark::State& state) { boldAll(state, true); }
BENCHMARK(BM_BoldAll400k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_BoldAll400kWithLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(6);

void insertTable(benchmark::State& state, bool layout) {
    Editor e(words(400'000, 40), state.range(0) != 0);
    for (auto _ : state) {
        QTextCursor cursor(e.edit.document());
        cursor.setPosition(200'000);
        oxlin::app::insertTableRows(cursor, 4, 5);
        if (layout)
            QApplication::processEvents();
    }
}
void BM_InsertTable4x5Into400k(benchmark::State& state) { insertTable(state, false); }
void BM_InsertTable4x5Into400kWithLayout(benchmark::State& state) { insertTable(state, true); }
BENCHMARK(BM_InsertTable4x5Into400k)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_InsertTable4x5Into400kWithLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

// One character typed into one 400,000-character paragraph.
void typeOne(benchmark::State& state, bool layout) {
    Editor e(words(400'000, 0), state.range(0) != 0);
    QTextCursor cursor(e.edit.document());
    cursor.setPosition(200'000);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        if (layout)
            QApplication::processEvents();
    }
}
void BM_TypeOneInto400kParagraph(benchmark::State& state) { typeOne(state, false); }
void BM_TypeOneInto400kParagraphWithLayout(benchmark::State& state) { typeOne(state, true); }
BENCHMARK(BM_TypeOneInto400kParagraph)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_TypeOneInto400kParagraphWithLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

// The same through the key event, as the user types: the control's own key
// handling (our length check, the caret kept in view) comes on top.
void BM_KeystrokeInto400kParagraph(benchmark::State& state) {
    Editor e(words(400'000, 0), state.range(0) != 0);
    QTextCursor caret(e.edit.document());
    caret.setPosition(200'000);
    e.edit.setTextCursor(caret);
    e.edit.setFocus();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&e.edit, &press);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeystrokeInto400kParagraph)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

#include "gui_bench_main.h"
