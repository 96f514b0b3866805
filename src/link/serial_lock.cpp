#include "link/serial_lock.h"

#ifdef Q_OS_UNIX

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace {

// An empty lock this young may be one that its maker has just created and is about to
// write; the maker needs microseconds for it.
constexpr qint64 kEmptyLockGraceMs = 1000;
// A lock file holds a process number, a program name and a host name.
constexpr qint64 kLockContentLimit = 4096;

// QSerialPort's lock folders, in the order it tries them.
QStringList lockFolders()
{
    return {QStringLiteral("/var/lock"),         QStringLiteral("/etc/locks"), QStringLiteral("/var/spool/locks"),
            QStringLiteral("/var/spool/uucp"),   QStringLiteral("/tmp"),       QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock"),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation)};
}

enum class LockState { Held, Stale, Young, Gone };

qint64 ageMs(const struct stat& st)
{
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec - st.st_mtim.tv_sec) * 1000 + (now.tv_nsec - st.st_mtim.tv_nsec) / 1000000;
}

// Whether the lock's first line names a process of this machine that no longer runs.
// A lock in another form, or from another host, is not judged.
bool ownerGone(const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0 || pid != qint64(pid_t(pid)))
        return false;
    const QByteArray host = lines.value(2).trimmed();
    if (!host.isEmpty() && host != QSysInfo::machineHostName().toUtf8())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// *youngForMs: how much longer a young empty lock stays young.
LockState judge(int fd, qint64* youngForMs)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return LockState::Held;
    if (st.st_size == 0) {
        *youngForMs = kEmptyLockGraceMs - qBound<qint64>(0, ageMs(st), kEmptyLockGraceMs);
        return *youngForMs == 0 ? LockState::Stale : LockState::Young;
    }
    QByteArray content(int(qMin<qint64>(st.st_size, kLockContentLimit)), '\0');
    const ssize_t read = ::pread(fd, content.data(), size_t(content.size()), 0);
    if (read <= 0)
        return LockState::Held;
    content.truncate(read);
    return ownerGone(content) ? LockState::Stale : LockState::Held;
}

LockState removeIfStale(const QByteArray& path, qint64* youngForMs)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return LockState::Gone;
    // QSerialPort keeps a file lock on its lock file while it holds the port; holding
    // that lock here also keeps every other program from replacing the file meanwhile.
    LockState state = LockState::Held;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        state = judge(fd, youngForMs);
        struct stat opened {};
        struct stat named {};
        // The file is removed only while the name still stands for the file judged.
        if (state == LockState::Stale && ::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0
            && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
            ::unlink(path.constData());
    }
    ::close(fd);
    return state;
}

} // namespace

QString SerialLockPath(const QString& portPath)
{
    // QSerialPort takes a path that starts with "/", "./" or "../" as it stands, any
    // other as a name below /dev.
    const bool asGiven = portPath.startsWith(QLatin1Char('/')) || portPath.startsWith(QLatin1String("./"))
                         || portPath.startsWith(QLatin1String("../"));
    const QString location = asGiven ? portPath : QStringLiteral("/dev/") + portPath;
    QString name = location.startsWith(QLatin1String("/dev/")) ? location.mid(5) : location;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.prepend(QLatin1String("/LCK.."));
    for (const QString& folder : lockFolders()) {
        const QString path = folder + name;
        const QFileInfo info(folder);
        if (info.isReadable() && (QFile::exists(path) || info.isWritable()))
            return path;
    }
    return QString();
}

void RemoveStaleSerialLock(const QString& portPath)
{
    const QString lockPath = SerialLockPath(portPath);
    if (lockPath.isEmpty())
        return;
    const QByteArray path = QFile::encodeName(lockPath);
    // A young empty lock is looked at again once its maker would have written it.
    qint64 youngForMs = 0;
    if (removeIfStale(path, &youngForMs) == LockState::Young) {
        QThread::msleep(static_cast<unsigned long>(youngForMs));
        removeIfStale(path, &youngForMs);
    }
}

} // namespace kv

#endif
