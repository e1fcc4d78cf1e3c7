// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SingleInstance.h"

#include "FileFailure.h"
#include "SystemFile.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// How long a start keeps trying to reach the program that holds the lock: one that is still
// starting, or ending and about to release it.
constexpr int GiveUpAfterMs = 5000;
constexpr int ReplyWithinMs = 2000;
constexpr qsizetype LongestRequest = 4096;
const QByteArray Acknowledged = "ok\n";

// Without a trusted folder for them there is no lock, and nothing keeps a second window from
// opening on the same files; the user is told why.
void warnNotTheUsersAlone(const QString& path)
{
    qWarning("Quillane Emoticon: o local %s não é só seu (outro usuário o criou ou pode gravar "
             "nele); sem ele, nada impede que o programa seja aberto duas vezes.",
             qUtf8Printable(path));
}

// Likewise without a lock file, or without a socket that later starts can reach (the lock, which
// no later start could ask about, is then given up).
void warnUnlocked(const FileFailure& failure)
{
    qWarning("Quillane Emoticon: %s Sem ele, nada impede que o programa seja aberto duas vezes.",
             qUtf8Printable(failure.message()));
}

// The socket's path in folder, when the folder may hold it: nobody else may have put anything
// there (see SystemFile::isUsersOwnFolder), and the path fits a socket address.
QByteArray socketPathIn(const QString& folder, const QString& socketName)
{
    QByteArray path = QFile::encodeName(QDir(folder).filePath(socketName));
    if (!QDir::isAbsolutePath(folder) || !SystemFile::isUsersOwnFolder(folder) ||
        path.size() >= qsizetype(sizeof(sockaddr_un::sun_path)))
        return {};
    return path;
}

// In the desktop session's runtime folder; without a usable one (no desktop session, a folder
// shared with others as in some containers, a path too long), in a folder of the user's own in
// the temporary folder. The name tells the sets of user files apart; the folder's path is
// hashed to keep within a socket address's length.
QByteArray socketPathFor(const QString& userFilesFolder)
{
    const QString canonical = QFileInfo(userFilesFolder).canonicalFilePath();
    const QByteArray where =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QStringLiteral("quillane-emoticon-%1").arg(QLatin1StringView(where));
    if (QByteArray path = socketPathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), name);
        !path.isEmpty())
        return path;
    const QString own =
        QDir(QDir::tempPath()).filePath(QStringLiteral("quillane-emoticon-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(own).constData(), S_IRWXU);
    // Another user who made it first could take the lock and hear the requests. (A folder that
    // could not be made at all, as in a missing temporary folder, is simply none.)
    const QFileInfo made(own);
    if ((made.exists() || made.isSymLink()) && !SystemFile::isUsersOwnFolder(own))
        warnNotTheUsersAlone(own);
    return socketPathIn(own, name);
}

// Only the user's own programs may ask for the window, or be told a start's token.
bool isTheUsers(int connection)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

// A local stream socket with its address; -1 when the path does not fit one.
int localSocket(const QByteArray& path, sockaddr_un& address, int flags)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0);
}

bool writeAll(int descriptor, const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::send(descriptor, bytes.constData() + written,
                                     size_t(bytes.size() - written), MSG_NOSIGNAL);
        if (count < 0 && errno != EINTR)
            return false;
        written += qMax<ssize_t>(count, 0);
    }
    return true;
}

// One later start's request: a line holding its activation token.
class Caller : public QObject {
    Q_OBJECT

public:
    Caller(int descriptor, QObject* parent)
        : QObject(parent)
        , m_descriptor(descriptor)
        , m_readable(descriptor, QSocketNotifier::Read, this)
    {
        connect(&m_readable, &QSocketNotifier::activated, this, &Caller::read);
        // One that connects and says nothing does not keep its connection for ever.
        QTimer::singleShot(ReplyWithinMs, this, &QObject::deleteLater);
    }
    ~Caller() override
    {
        m_readable.setEnabled(false);
        ::close(m_descriptor);
    }

signals:
    // The start's activation token (unnamed: the meta-object code defines it as _t1).
    void requested(const QByteArray&);

private:
    void read()
    {
        char chunk[512];
        const ssize_t count = ::recv(m_descriptor, chunk, sizeof chunk, 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count > 0)
            m_received.append(chunk, count);
        const qsizetype lineEnd = m_received.indexOf('\n');
        if (lineEnd >= 0) {
            writeAll(m_descriptor, Acknowledged);
            emit requested(m_received.left(lineEnd).trimmed());
        } else if (count > 0 && m_received.size() <= LongestRequest) {
            return;
        }
        m_readable.setEnabled(false);
        deleteLater();
    }

    int m_descriptor;
    QSocketNotifier m_readable;
    QByteArray m_received;
};

} // namespace

SingleInstance::SingleInstance(const QString& userFilesFolder, QObject* parent)
    : QObject(parent)
    , m_socketPath(socketPathFor(userFilesFolder))
{
}

SingleInstance::~SingleInstance()
{
    stopAnswering();
    if (m_lockDescriptor >= 0)
        ::close(m_lockDescriptor);
}

SingleInstance::Start SingleInstance::claim(const QByteArray& activationToken)
{
    QDeadlineTimer deadline(GiveUpAfterMs);
    const QDeadlineTimer toldWhyAfter(GiveUpAfterMs);
    bool told = false;
    for (;;) {
        switch (tryLock()) {
        case Lock::Taken:
            // A lock that later starts cannot ask about would keep them waiting: given up.
            if (const std::error_code error = listen()) {
                warnUnlocked(FileFailure{FileFailure::Action::Create,
                                         QFile::decodeName(m_socketPath), error});
                ::close(m_lockDescriptor);
                m_lockDescriptor = -1;
            }
            return Start::Run;
        // No lock to be had (the user was told why, where it is known): it runs without one.
        case Lock::Unavailable:
            return Start::Run;
        case Lock::Held:
            break;
        }
        const HandOver handOver = this->handOver(activationToken);
        if (handOver == HandOver::Done)
            return Start::HandedOver;
        // A program that holds the lock without a socket is closing, and stopped answering as
        // it began to, or has only just started: this start waits, however long the closing
        // takes, then opens a window of its own.
        if (handOver == HandOver::NoSocket) {
            deadline.setRemainingTime(GiveUpAfterMs);
            // Whoever started this one learns why no window shows yet.
            if (!told && toldWhyAfter.hasExpired()) {
                qWarning("Quillane Emoticon está sendo fechado; esta janela abre quando ele "
                         "terminar.");
                told = true;
            }
        } else if (deadline.hasExpired()) {
            return Start::Unanswered;
        }
        QThread::msleep(100);
    }
}

void SingleInstance::stopAnswering()
{
    if (m_listener < 0)
        return;
    // The callers not answered yet go with it: none is told "ok" by a closing program.
    delete m_incoming;
    m_incoming = nullptr;
    // Removed while the lock still keeps a later start from making its own.
    ::unlink(m_socketPath.constData());
    ::close(m_listener);
    m_listener = -1;
}

// The lock file is never removed: deleting it could let two starts lock two different files.
SingleInstance::Lock SingleInstance::tryLock()
{
    if (m_socketPath.isEmpty())
        return Lock::Unavailable;
    if (m_lockDescriptor < 0) {
        const QByteArray path = m_socketPath + ".lock";
        m_lockDescriptor =
            ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
        if (m_lockDescriptor < 0) {
            warnUnlocked(FileFailure{FileFailure::Action::Create, QFile::decodeName(path),
                                     lastSystemError()});
            return Lock::Unavailable;
        }
        // Nobody else can make a file in the folder; one made there anyway is not the user's.
        struct stat status {};
        if (::fstat(m_lockDescriptor, &status) != 0 || status.st_uid != ::geteuid()) {
            warnNotTheUsersAlone(QFile::decodeName(path));
            ::close(m_lockDescriptor);
            m_lockDescriptor = -1;
            return Lock::Unavailable;
        }
    }
    if (::flock(m_lockDescriptor, LOCK_EX | LOCK_NB) == 0)
        return Lock::Taken;
    return errno == EWOULDBLOCK ? Lock::Held : Lock::Unavailable;
}

std::error_code SingleInstance::listen()
{
    sockaddr_un address;
    m_listener = localSocket(m_socketPath, address, SOCK_NONBLOCK);
    if (m_listener < 0)
        return lastSystemError();
    // Whatever socket is there was left by a run that crashed: the lock is this process's now.
    // What cannot be removed (anything but a socket) makes the binding fail, which says why.
    ::unlink(m_socketPath.constData());
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, SOMAXCONN) != 0) {
        const std::error_code error = lastSystemError();
        ::close(m_listener);
        m_listener = -1;
        return error;
    }
    m_incoming = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_incoming, &QSocketNotifier::activated, this, &SingleInstance::answerCaller);
    return {};
}

void SingleInstance::answerCaller()
{
    const int descriptor = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (descriptor < 0)
        return;
    if (!isTheUsers(descriptor)) {
        ::close(descriptor);
        return;
    }
    auto* caller = new Caller(descriptor, m_incoming);
    connect(caller, &Caller::requested, this, &SingleInstance::activationRequested);
}

SingleInstance::HandOver SingleInstance::handOver(const QByteArray& activationToken) const
{
    sockaddr_un address;
    const int descriptor = localSocket(m_socketPath, address, 0);
    if (descriptor < 0)
        return HandOver::NoAnswer;
    const auto closing = qScopeGuard([descriptor] { ::close(descriptor); });
    if (::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return errno == ENOENT ? HandOver::NoSocket : HandOver::NoAnswer;
    if (!isTheUsers(descriptor) ||
        !writeAll(descriptor, activationToken.left(LongestRequest) + '\n'))
        return HandOver::NoAnswer;
    // Only the answer shows that the program got the request, and was not just closing.
    QByteArray reply;
    const QDeadlineTimer deadline(ReplyWithinMs);
    while (reply.size() < Acknowledged.size()) {
        pollfd readable{descriptor, POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return HandOver::NoAnswer;
        char chunk[16];
        const ssize_t count = ::recv(descriptor, chunk, sizeof chunk, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return HandOver::NoAnswer;
        reply.append(chunk, count);
    }
    return reply == Acknowledged ? HandOver::Done : HandOver::NoAnswer;
}

#include "SingleInstance.moc"
