#include "SingleInstance.h"

#include <QDir>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Start = SingleInstance::Start;

// One running program per user and program folder. The later start runs on a thread of its
// own, as it would in a process of its own, while this thread runs the first one's event loop.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterStart_data();
    void laterStart();
    void strayCallerIsDropped_data();
    void strayCallerIsDropped();
};

void TestSingleInstance::laterStart_data()
{
    QTest::addColumn<bool>("sameFolder");
    QTest::addColumn<bool>("firstStillRuns");
    QTest::addColumn<bool>("firstAnswers");
    QTest::addColumn<int>("expected");

    QTest::newRow("in the same folder it hands over, token and all")
        << true << true << true << int(Start::HandedOver);
    QTest::newRow("in another folder it runs beside the first")
        << false << true << true << int(Start::Run);
    QTest::newRow("once the first has ended it runs") << true << false << true << int(Start::Run);
    QTest::newRow("a first that never answers is not joined")
        << true << true << false << int(Start::Unanswered);
}

void TestSingleInstance::laterStart()
{
    QFETCH(bool, sameFolder);
    QFETCH(bool, firstStillRuns);
    QFETCH(bool, firstAnswers);
    QFETCH(int, expected);
    QTemporaryDir firstFolder;
    QTemporaryDir otherFolder;

    auto first = std::make_unique<SingleInstance>(firstFolder.path());
    QCOMPARE(first->claim("first"), Start::Run);
    QSignalSpy requests(first.get(), &SingleInstance::activationRequested);
    if (!firstStillRuns)
        first.reset();

    const QString laterFolder = sameFolder ? firstFolder.path() : otherFolder.path();
    Start outcome{};
    std::unique_ptr<QThread> later(QThread::create([laterFolder, &outcome] {
        SingleInstance instance(laterFolder);
        outcome = instance.claim("token-of-the-later-start");
    }));
    later->start();
    if (firstAnswers)
        QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QVERIFY(later->wait(10000));
    QCOMPARE(int(outcome), expected);

    const bool handedOver = expected == int(Start::HandedOver);
    QCOMPARE(requests.size(), handedOver ? 1 : 0);
    if (handedOver)
        QCOMPARE(requests.first().first().toByteArray(), "token-of-the-later-start");
}

void TestSingleInstance::strayCallerIsDropped_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("hangsUp");

    QTest::newRow("hangs up without a word") << QByteArray() << true;
    QTest::newRow("hangs up halfway through a line") << QByteArray("tok") << true;
    QTest::newRow("a line that never ends") << QByteArray(5000, 'x') << false;
}

// Whatever reaches the socket, only a whole line is a request, and the program goes on
// answering the next start.
void TestSingleInstance::strayCallerIsDropped()
{
    QFETCH(QByteArray, sent);
    QFETCH(bool, hangsUp);
    QTemporaryDir runtime;
    const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", previousRuntime); });
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    const QStringList sockets =
        QDir(runtime.path()).entryList({u"quillane-emoticon-*"_s}, QDir::System);
    QCOMPARE(sockets.size(), 1);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QDir(runtime.path()).filePath(sockets.first()).toLocal8Bit();
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int stray = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    QCOMPARE(::connect(stray, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    QCOMPARE(::send(stray, sent.constData(), size_t(sent.size()), MSG_NOSIGNAL),
             ssize_t(sent.size()));
    if (hangsUp) {
        ::shutdown(stray, SHUT_WR);
        QTest::qWait(200);
    } else {
        char reply;
        QTRY_COMPARE(::recv(stray, &reply, 1, 0), ssize_t(0)); // the program hung up
    }
    ::close(stray);
    QCOMPARE(requests.size(), 0);

    Start outcome{};
    std::unique_ptr<QThread> later(QThread::create(
        [&folder, &outcome] { outcome = SingleInstance(folder.path()).claim("after"); }));
    later->start();
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QCOMPARE(outcome, Start::HandedOver);
    QCOMPARE(requests.size(), 1);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
