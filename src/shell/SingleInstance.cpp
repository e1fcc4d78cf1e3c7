#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// How long a start keeps trying to reach the program that holds the lock: one that is still
// starting, or ending and about to release it.
constexpr int GiveUpAfterMs = 5000;
constexpr qint64 LongestRequest = 4096;
const QByteArray Acknowledged = "ok\n";

// In the user's private runtime folder where there is one. The name tells users and program
// folders apart; the folder's path is hashed to keep within a socket address's length.
QString socketPathFor(const QString& programFolder)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    const QByteArray where =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QDir(folder).filePath(
        QStringLiteral("quillane-emoticon-%1-%2").arg(::getuid()).arg(QLatin1StringView(where)));
}

} // namespace

SingleInstance::SingleInstance(const QString& programFolder, QObject* parent)
    : QObject(parent)
    , m_socketPath(socketPathFor(programFolder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_lockDescriptor >= 0)
        ::close(m_lockDescriptor);
}

// The lock file is never removed: deleting it could let two starts lock two different files.
SingleInstance::Lock SingleInstance::tryLock()
{
    if (m_lockDescriptor < 0) {
        const QByteArray path = QFile::encodeName(m_socketPath + QStringLiteral(".lock"));
        m_lockDescriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_lockDescriptor < 0)
            return Lock::Unavailable;
    }
    if (::flock(m_lockDescriptor, LOCK_EX | LOCK_NB) == 0)
        return Lock::Taken;
    return errno == EWOULDBLOCK ? Lock::Held : Lock::Unavailable;
}

SingleInstance::Start SingleInstance::claim(const QByteArray& activationToken)
{
    const QDeadlineTimer deadline(GiveUpAfterMs);
    do {
        switch (tryLock()) {
        case Lock::Taken:
            listen();
            return Start::Run;
        // Nowhere to keep a lock (no rights in the folder): nothing to coordinate with either.
        case Lock::Unavailable:
            return Start::Run;
        case Lock::Held:
            break;
        }
        if (handOver(activationToken))
            return Start::HandedOver;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return Start::Unanswered;
}

void SingleInstance::listen()
{
    // Whatever socket is there was left by a run that crashed: the lock is this process's now.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server.nextPendingConnection())
            answer(caller);
    });
    m_server.listen(m_socketPath);
}

void SingleInstance::answer(QLocalSocket* caller)
{
    connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
    connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
        if (!caller->canReadLine()) {
            if (caller->bytesAvailable() > LongestRequest)
                caller->abort();
            return;
        }
        const QByteArray token = caller->readLine(LongestRequest).trimmed();
        caller->write(Acknowledged);
        caller->disconnectFromServer();
        emit activationRequested(token);
    });
}

bool SingleInstance::handOver(const QByteArray& activationToken) const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(activationToken + '\n');
    if (!socket.waitForBytesWritten(1000))
        return false;
    // Only the answer shows that the program got the request, and was not just closing.
    QByteArray reply;
    while (reply.size() < Acknowledged.size() && socket.waitForReadyRead(2000))
        reply += socket.readAll();
    return reply == Acknowledged;
}
