// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Start = SingleInstance::Start;

// One running program per set of user files. The later start runs on a thread of its own, as
// it would in a process of its own, while this thread runs the first one's event loop.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void init();
    void laterStart_data();
    void laterStart();
    void strayCallerIsDropped_data();
    void strayCallerIsDropped();
    void withoutRuntimeFolder_data();
    void withoutRuntimeFolder();
    void callerOfAnotherUserIsNotHeard();

private:
    QStringList sockets() const { return QDir(m_runtime->path()).entryList(QDir::System); }
    // A later start for folder, run to its end on a thread of its own while this thread runs
    // the first start's event loop, or, for a first that never answers, waits.
    static Start laterStart(const QString& folder, const QByteArray& token,
                            bool firstAnswers = true);

    std::unique_ptr<QTemporaryDir> m_runtime;
};

Start TestSingleInstance::laterStart(const QString& folder, const QByteArray& token,
                                     bool firstAnswers)
{
    Start outcome{};
    std::unique_ptr<QThread> later(QThread::create(
        [&folder, &token, &outcome] { outcome = SingleInstance(folder).claim(token); }));
    later->start();
    if (firstAnswers)
        (void)QTest::qWaitFor([&] { return later->isFinished(); }, 10000); // the loop runs
    later->wait();
    return outcome;
}

// Each case in a runtime folder of its own, as each user has.
void TestSingleInstance::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", m_runtime->path().toLocal8Bit());
}

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
    if (!firstStillRuns) {
        first.reset();
        QCOMPARE(sockets(), QStringList());
    }

    const QString laterFolder = sameFolder ? firstFolder.path() : otherFolder.path();
    QCOMPARE(int(laterStart(laterFolder, "token-of-the-later-start", firstAnswers)), expected);

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
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    QCOMPARE(sockets().size(), 1);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QDir(m_runtime->path()).filePath(sockets().first()).toLocal8Bit();
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

    QCOMPARE(laterStart(folder.path(), "after"), Start::HandedOver);
    QCOMPARE(requests.size(), 1);
}

void TestSingleInstance::withoutRuntimeFolder_data()
{
    QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR: unset, private, open, long
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<int>("expected");

    QTest::newRow("a private folder of its own in the temporary one, which the later finds")
        << QString() << QString() << int(Start::HandedOver);
    QTest::newRow("a runtime folder others can write is passed over for that one")
        << u"open"_s << QString() << int(Start::HandedOver);
    QTest::newRow("so is a runtime path of 120 bytes, too long for a socket address")
        << u"long"_s << QString() << int(Start::HandedOver);
    QTest::newRow("a folder there that others can write is not trusted")
        << QString() << u"open folder"_s << int(Start::Run);
    QTest::newRow("a link there is not followed") << QString() << u"link"_s << int(Start::Run);
    QTest::newRow("a lock file of another user's is not taken")
        << u"private"_s << u"lock"_s << int(Start::Run);
    QTest::newRow("a socket that cannot be made gives the lock up, and says why")
        << u"private"_s << u"folder at the socket"_s << int(Start::Run);
}

// Without a runtime folder fit for them (no desktop session, a shared one, a long path), the
// temporary folder is everyone's: what another user put there must not take the lock or request.
void TestSingleInstance::withoutRuntimeFolder()
{
    QFETCH(QString, runtime);
    QFETCH(QString, inTheWay);
    QFETCH(int, expected);
    const QString runtimeFolder = m_runtime->filePath(
        runtime == u"long" ? QString(119 - m_runtime->path().size(), u'x') : "");
    QVERIFY(QDir().mkpath(runtimeFolder));
    if (runtime == u"open")
        QVERIFY(QFile::setPermissions(runtimeFolder, QFile::Permissions(0x7777)));
    if (runtime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder));
    QTemporaryDir temporary;
    QTemporaryDir elsewhere;
    const QByteArray previousTemporary = qgetenv("TMPDIR"); // empty reads as unset
    qputenv("TMPDIR", temporary.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] {
        (void)(previousTemporary.isEmpty() ? qunsetenv("TMPDIR")
                                           : qputenv("TMPDIR", previousTemporary));
    });
    const QString own = temporary.filePath(u"quillane-emoticon-%1"_s.arg(::getuid()));
    QTemporaryDir folder;
    if (inTheWay == u"open folder") {
        QVERIFY(QDir().mkdir(own));
        QVERIFY(QFile::setPermissions(own, QFile::Permissions(0x7777)));
    } else if (inTheWay == u"link") {
        QVERIFY(QFile::link(elsewhere.path(), own));
    } else if (!inTheWay.isEmpty()) {
        QCOMPARE(SingleInstance(folder.path()).claim({}), Start::Run);
        const QString lock = QDir(runtimeFolder).entryList({u"*.lock"_s}).value(0);
        if (inTheWay == u"lock")
            QCOMPARE(::chown(QFile::encodeName(m_runtime->filePath(lock)), 65534, 65534), 0);
        else
            QVERIFY(QDir(runtimeFolder).mkdir(lock.chopped(5)));
    }
    for (int start = 0; start < 2 && expected == int(Start::Run); ++start)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"nada impede que o programa"_s));

    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    QCOMPARE(int(laterStart(folder.path(), "later")), expected);
    QCOMPARE(
        QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        QStringList());
    if (runtime == u"open" || runtime == u"long")
        QCOMPARE(QDir(runtimeFolder).entryList(QDir::Files | QDir::System), QStringList());
}

// A caller of another user who reached the socket (its folder and the socket open to others by
// some mistake) is neither heard nor answered.
void TestSingleInstance::callerOfAnotherUserIsNotHeard()
{
    if (::geteuid() != 0)
        QSKIP("only root can call as another user");
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);
    const QByteArray socket = QFile::encodeName(m_runtime->filePath(sockets().value(0)));
    QCOMPARE(::chmod(QFile::encodeName(m_runtime->path()).constData(), 0711), 0);
    QCOMPARE(::chmod(socket.constData(), 0666), 0);

    const pid_t caller = ::fork();
    if (caller == 0) { // as nobody: asks, then waits for the answer
        sockaddr_un address{AF_UNIX, {}};
        qstrncpy(address.sun_path, socket.constData(), sizeof address.sun_path);
        const int connection = ::socket(AF_UNIX, SOCK_STREAM, 0);
        char reply[3];
        const bool asked = ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
                           ::connect(connection, reinterpret_cast<const sockaddr*>(&address),
                                     sizeof address) == 0 &&
                           ::send(connection, "token\n", 6, MSG_NOSIGNAL) == 6;
        ::_exit(!asked ? 2 : ::recv(connection, reply, 3, MSG_WAITALL) == 3 ? 1 : 0);
    }
    int status = 0;
    bool ended = false;
    QTRY_VERIFY((ended = ended || ::waitpid(caller, &status, WNOHANG) == caller));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(requests.size(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
