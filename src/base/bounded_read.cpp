#include "base/bounded_read.h"

#include "text/operator_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kv {

namespace {

BoundedRead failed(ReadFailure failure, const QString& reason = QString())
{
    BoundedRead read;
    read.failure = failure;
    read.reason = reason;
    return read;
}

} // namespace

#ifdef Q_OS_UNIX
// Opening a FIFO for reading blocks until a writer comes; O_NONBLOCK makes the open
// return at once, and fstat on the open descriptor leaves no gap between the check
// and the read in which the path could become something else.
BoundedRead OpenRegularFile(const QString& path, QFile* file)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return failed(ReadFailure::Missing);
        return failed(ReadFailure::Unreadable, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed(ReadFailure::NotAFile);
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(ReadFailure::Unreadable, file->errorString());
    }
    return {};
}
#else
BoundedRead OpenRegularFile(const QString& path, QFile* file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed(ReadFailure::Missing);
    if (!info.isFile())
        return failed(ReadFailure::NotAFile);
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly))
        return failed(ReadFailure::Unreadable, file->errorString());
    return {};
}
#endif

namespace {

BoundedRead readBounded(const QString& path, qint64 limit, bool refuseLarger)
{
    QFile file;
    BoundedRead read = OpenRegularFile(path, &file);
    if (!read.ok())
        return read;
    // One byte past the bound tells a file that is too large, even one that grows
    // while it is read.
    read.bytes = file.read(refuseLarger ? limit + 1 : limit);
    if (file.error() != QFileDevice::NoError)
        return failed(ReadFailure::Unreadable, file.errorString());
    if (refuseLarger && read.bytes.size() > limit)
        return failed(ReadFailure::TooLarge);
    return read;
}

} // namespace

BoundedRead ReadWholeFile(const QString& path, qint64 limit)
{
    return readBounded(path, limit, true);
}

BoundedRead ReadFileStart(const QString& path, qint64 limit)
{
    return readBounded(path, limit, false);
}

QString ReadFailureText(const QString& path, const BoundedRead& read, qint64 limit)
{
    QString reason;
    switch (read.failure) {
    case ReadFailure::None:
        return QString();
    case ReadFailure::Missing:
        reason = Text::tr("文件不存在");
        break;
    case ReadFailure::NotAFile:
        reason = Text::tr("不是普通文件");
        break;
    case ReadFailure::TooLarge:
        reason = Text::tr("文件太大，最多%1字节").arg(limit);
        break;
    case ReadFailure::Unreadable:
        reason = read.reason;
        break;
    }
    return Text::tr("无法读取文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kv
