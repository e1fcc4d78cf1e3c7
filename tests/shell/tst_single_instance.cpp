#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <fcntl.h>
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
    void runtimeFolder_data();
    void runtimeFolder();
    void callerOfAnotherUserIsNotHeard();

private:
    QStringList sockets() const { return QDir(m_runtime->path()).entryList(QDir::System); }
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
    QString socket() const { return m_runtime->filePath(sockets().value(0)); }
    // A connection to the running program's socket, which sent it bytes; -1 when none.
    static int callerSending(const QString& socket, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_runtime;
};

int TestSingleInstance::callerSending(const QString& socket, const QByteArray& bytes)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket);
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int caller = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (::connect(caller, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::send(caller, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) != bytes.size()) {
        ::close(caller);
        return -1;
    }
    return caller;
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
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    QCOMPARE(sockets().size(), 1);
    const int stray = callerSending(socket(), sent);
    QVERIFY(stray >= 0);
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

void TestSingleInstance::runtimeFolder_data()
{
    QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR: private, unset, open to others, long
    QTest::addColumn<QString>("planted"); // what another user left in the way
    QTest::addColumn<int>("expected");

    QTest::newRow("none: a private folder of its own in the temporary one, which the later finds")
        << u"unset"_s << QString() << int(Start::HandedOver);
    QTest::newRow("a runtime folder others can write is passed over for that one")
        << u"open"_s << QString() << int(Start::HandedOver);
    QTest::newRow("so is one whose path leaves no room for a socket address (120 bytes)")
        << u"long"_s << QString() << int(Start::HandedOver);
    QTest::newRow("a folder there that others can write is not trusted")
        << u"unset"_s << u"open folder"_s << int(Start::Run);
    QTest::newRow("a link there is not followed") << u"unset"_s << u"link"_s << int(Start::Run);
    QTest::newRow("a lock file of another user's is not taken")
        << u"private"_s << u"lock"_s << int(Start::Run);
}

// Only a folder nobody else can write may hold the lock and the socket: what another user put
// in the way must not take the lock or hear the request, and the user is told.
void TestSingleInstance::runtimeFolder()
{
    QFETCH(QString, runtime);
    QFETCH(QString, planted);
    QFETCH(int, expected);
    QTemporaryDir temporary;
    QTemporaryDir elsewhere;
    const std::optional<QByteArray> previousTemporary =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    qputenv("TMPDIR", temporary.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] {
        if (previousTemporary)
            qputenv("TMPDIR", *previousTemporary);
        else
            qunsetenv("TMPDIR");
    });
    const QString long120 = m_runtime->filePath(QString(119 - m_runtime->path().size(), u'x'));
    QVERIFY(QDir().mkdir(long120));
    if (runtime == u"unset")
        qunsetenv("XDG_RUNTIME_DIR");
    else if (runtime == u"open")
        QVERIFY(QFile::setPermissions(m_runtime->path(), QFile::Permissions(0x7777)));
    else if (runtime == u"long")
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(long120));
    const QString own = temporary.filePath(u"quillane-emoticon-%1"_s.arg(::getuid()));
    QTemporaryDir folder;
    if (planted == u"open folder") {
        QVERIFY(QDir().mkdir(own));
        QVERIFY(QFile::setPermissions(own, QFile::Permissions(0x7777)));
    } else if (planted == u"link") {
        QVERIFY(QFile::link(elsewhere.path(), own));
    } else if (planted == u"lock") {
        QCOMPARE(SingleInstance(folder.path()).claim({}), Start::Run);
        const QString lock =
            m_runtime->filePath(entries(m_runtime->path()).filter(u".lock"_s).value(0));
        QCOMPARE(::chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
    }
    for (int start = 0; start < 2 && expected == int(Start::Run); ++start)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"não é só seu"_s));

    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    Start outcome{};
    std::unique_ptr<QThread> later(QThread::create(
        [&folder, &outcome] { outcome = SingleInstance(folder.path()).claim("later"); }));
    later->start();
    QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QCOMPARE(int(outcome), expected);
    QCOMPARE(entries(elsewhere.path()), QStringList());
    QCOMPARE(entries(long120), QStringList());
    if (runtime != u"private")
        QCOMPARE(entries(m_runtime->path()), QStringList{QFileInfo(long120).fileName()});
}

// A caller of another user, who reached the socket (its folder and the socket open to others by
// some mistake), is not heard, nor answered.
void TestSingleInstance::callerOfAnotherUserIsNotHeard()
{
    if (::geteuid() != 0)
        QSKIP("only root can call as another user");
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QCOMPARE(first.claim({}), Start::Run);
    QSignalSpy requests(&first, &SingleInstance::activationRequested);
    QCOMPARE(::chmod(QFile::encodeName(m_runtime->path()).constData(), 0711), 0);
    const QString path = socket();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);

    const pid_t caller = ::fork();
    if (caller == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const int connection = callerSending(path, "token\n");
        ::fcntl(connection, F_SETFL, 0); // waits for the answer
        char reply[3];
        ::_exit(connection < 0 ? 3 : ::recv(connection, reply, 3, MSG_WAITALL) == 3 ? 1 : 0);
    }
    int status = 0;
    bool ended = false;
    QTRY_VERIFY((ended = ended || ::waitpid(caller, &status, WNOHANG) == caller));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(requests.size(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
