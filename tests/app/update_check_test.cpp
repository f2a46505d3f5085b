// The update check against a real HTTP server on 127.0.0.1: only a good
// answer with a newer version asks, everything else stays silent.

#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/shell/qt_prompter.h"
#include "app/update/update_check.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace oxlin;
using namespace oxlin::app;

namespace {

// Answers every request with the same scripted response; "" means never answer.
class StubServer : public QObject {
public:
    QByteArray response;
    int requests = 0;

    StubServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    ++requests;
                    if (response.isEmpty())
                        return; // a server that never answers
                    socket->write(response);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort())); }

    static QByteArray reply(const QByteArray& status, const QByteArray& body,
                            const QByteArray& extra = {}) {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n" + extra + "\r\n" + body;
    }

private:
    QTcpServer server_;
};

struct Check {
    ScriptedPrompter prompter;
    RecordingLauncher launcher;
    UpdateCheck check{prompter, launcher, update::versionFromDotted("1.0.2")};
    QSignalSpy finished{&check, &UpdateCheck::finished};
    QSignalSpy exits{&check, &UpdateCheck::exitRequested};

    bool run(const QUrl& server, int timeoutMs = 15000) {
        check.start(server);
        return finished.wait(timeoutMs);
    }
    bool asked() const { return !prompter.messageTexts().isEmpty(); }
};

} // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewerVersionAsksAndYesDownloadsAndEnds();
    void everythingElseIsSilent_data();
    void everythingElseIsSilent();
    void aServerThatNeverAnswersIsGivenUp();
    void noServerIsSilent();
    void theQuestionIgnoresKeysAtFirstAndDefaultsToNo();
};

void UpdateCheckTest::aNewerVersionAsksAndYesDownloadsAndEnds() {
    StubServer server;
    server.response = StubServer::reply("200 OK", "1, 0, 3, 0\r\n");
    Check check;
    check.prompter.answers.enqueue(PromptAnswer::No);
    QVERIFY(check.run(server.url()));
    QCOMPARE(check.prompter.messageTexts(),
             QStringList{"Oxlin has been update.\r\nDo you want to DOWNLOAD a new Version?"});
    // It appears while the user may be typing elsewhere.
    QCOMPARE(check.prompter.asked[0].buttons, PromptButtons::UnaskedYesNo);
    QVERIFY(check.launcher.started.isEmpty());
    QCOMPARE(check.exits.size(), 0);

    check.prompter.answers.enqueue(PromptAnswer::Yes);
    QVERIFY(check.run(server.url()));
    QCOMPARE(check.launcher.started.size(), 1);
    QCOMPARE(check.launcher.started[0].kind, QStringLiteral("browser"));
    QCOMPARE(check.launcher.started[0].arguments,
             QStringList{UpdateCheck::downloadAddress(server.url()).toString()});
    QCOMPARE(check.exits.size(), 1);
    QCOMPARE(server.requests, 2);
}

void UpdateCheckTest::everythingElseIsSilent_data() {
    QTest::addColumn<QByteArray>("response");
    QTest::newRow("same") << StubServer::reply("200 OK", "1, 0, 2, 0");
    QTest::newRow("same and a line break") << StubServer::reply("200 OK", "1, 0, 2, 0\r\n");
    QTest::newRow("older") << StubServer::reply("200 OK", "1, 0, 1, 0");
    QTest::newRow("error page with 200")
        << StubServer::reply("200 OK", "<html><body>Oops</body></html>");
    QTest::newRow("404") << StubServer::reply("404 Not Found", "9, 9, 9, 9");
    QTest::newRow("500") << StubServer::reply("500 Internal Server Error", "9, 9, 9, 9");
    QTest::newRow("10 MB body") << StubServer::reply("200 OK", "9, 9, 9, 9" + QByteArray(10'000'000, ' '));
    QTest::newRow("redirect loop")
        << StubServer::reply("302 Found", "", "Location: /oxlinversion.htm\r\n");
}

void UpdateCheckTest::everythingElseIsSilent() {
    QFETCH(QByteArray, response);
    StubServer server;
    server.response = response;
    Check check;
    QVERIFY(check.run(server.url()));
    QVERIFY(!check.asked());
    QVERIFY(check.launcher.started.isEmpty());
}

void UpdateCheckTest::aServerThatNeverAnswersIsGivenUp() {
    StubServer server; // response stays empty
    Check check;
    check.check.setTimeout(500);
    QVERIFY(check.run(server.url(), 10000));
    QVERIFY(!check.asked());
}

void UpdateCheckTest::noServerIsSilent() {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close(); // connection refused from now on
    Check check;
    QVERIFY(check.run(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port))));
    QVERIFY(!check.asked());
    QVERIFY(check.run(QUrl("not a url")) || check.finished.size() >= 1);
}


void UpdateCheckTest::theQuestionIgnoresKeysAtFirstAndDefaultsToNo() {
    qint64 now = 5000;
    const std::unique_ptr<QMessageBox> box =
        QtPrompter::messageBox(nullptr, QStringLiteral("Download?"), QStringLiteral("Oxlin"),
                               PromptIcon::Information, PromptButtons::UnaskedYesNo,
                               [&now] { return now; });
    QSignalSpy answered(box.get(), &QDialog::finished);
    box->open();
    QVERIFY(box->isVisible());
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
    QAbstractButton* yes = box->button(QMessageBox::Yes);

    // Typing on: a space on Yes (as if it had the focus), its mnemonic, Enter.
    now += EarlyKeyGuard::kQuietMs - 1;
    QTest::keyClick(yes, Qt::Key_Space);
    QTest::keyClick(box.get(), Qt::Key_Y, Qt::AltModifier);
    QTest::keyClick(box.get(), Qt::Key_Return);
    QCOMPARE(answered.size(), 0);
    QVERIFY(box->isVisible());

    // Once the quiet time is over keys work, and Enter answers No.
    now += 1;
    QTest::keyClick(box.get(), Qt::Key_Return);
    QCOMPARE(answered.size(), 1);
    QCOMPARE(QtPrompter::answerOf(box->result()), PromptAnswer::No);

    // Other questions are not held back.
    const std::unique_ptr<QMessageBox> plain =
        QtPrompter::messageBox(nullptr, QStringLiteral("Sure?"), QStringLiteral("Oxlin"),
                               PromptIcon::Question, PromptButtons::YesNo, [] { return 0; });
    QSignalSpy plainAnswered(plain.get(), &QDialog::finished);
    plain->open();
    QTest::keyClick(plain->button(QMessageBox::Yes), Qt::Key_Space);
    QCOMPARE(plainAnswered.size(), 1);
    QCOMPARE(QtPrompter::answerOf(plain->result()), PromptAnswer::Yes);
}

QTEST_MAIN(UpdateCheckTest)
#include "update_check_test.moc"
