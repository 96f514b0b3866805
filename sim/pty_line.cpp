#include "sim/pty_line.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace kv::sim {

namespace {

// How many more times the settings are read, at short intervals, after a change.
constexpr int kSettlingReads = 20;

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

int BaudOfSpeedCode(unsigned code)
{
    switch (code) {
    case B50: return 50;
    case B75: return 75;
    case B110: return 110;
    case B134: return 134;
    case B150: return 150;
    case B200: return 200;
    case B300: return 300;
    case B600: return 600;
    case B1200: return 1200;
    case B1800: return 1800;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    case B460800: return 460800;
    case B921600: return 921600;
    default: return 0;
    }
}

PtyLine::~PtyLine()
{
    if (!linkPath_.isEmpty()) {
        const QFileInfo link(linkPath_);
        if (link.isSymLink() && link.symLinkTarget() == terminalName_)
            QFile::remove(linkPath_);
    }
    if (terminal_ >= 0)
        ::close(terminal_);
    if (master_ >= 0)
        ::close(master_);
}

bool PtyLine::open(const QString& linkPath, QString& error)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = systemError("posix_openpt");
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = systemError("grantpt/unlockpt");
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error = systemError("ptsname");
        return false;
    }
    terminalName_ = QString::fromLocal8Bit(name);
    terminal_ = ::open(name, O_RDWR | O_NOCTTY);
    if (terminal_ < 0) {
        error = systemError("open terminal side");
        return false;
    }

    termios settings{};
    if (::tcgetattr(terminal_, &settings) != 0) {
        error = systemError("tcgetattr");
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_lflag |= EXTPROC;
    ::cfsetispeed(&settings, B0);
    ::cfsetospeed(&settings, B0);
    if (::tcsetattr(terminal_, TCSANOW, &settings) != 0) {
        error = systemError("tcsetattr");
        return false;
    }
    int packet = 1;
    if (::ioctl(master_, TIOCPKT, &packet) != 0) {
        error = systemError("TIOCPKT");
        return false;
    }
    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = systemError("fcntl");
        return false;
    }

    // A link left behind by an earlier run is replaced; anything else stays.
    const QFileInfo existing(linkPath);
    if (existing.isSymLink() || existing.exists()) {
        if (!existing.isSymLink()) {
            error = QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath);
            return false;
        }
        QFile::remove(linkPath);
    }
    if (::symlink(name, QFile::encodeName(linkPath).constData()) != 0) {
        error = systemError("symlink");
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyLine::lookAgain()
{
    if (settlingReads_ > 0) {
        --settlingReads_;
        lineBaud();
    }
}

int PtyLine::lineBaud()
{
    termios settings{};
    if (::tcgetattr(terminal_, &settings) == 0) {
        const int baud = BaudOfSpeedCode(::cfgetospeed(&settings));
        if (baud > 0)
            lastBaud_ = baud;
    }
    return lastBaud_;
}

bool PtyLine::readInput(const std::function<void(const QByteArray&, int)>& take)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
        if (n == 0)
            return true;
        // In packet mode each read starts with a status byte; only TIOCPKT_DATA
        // carries line bytes. Of the others only a change of the terminal settings
        // matters; the flush of the tool's input before each frame does not, and
        // following it would wake the simulator twenty times for every frame.
        if (buffer[0] == TIOCPKT_DATA) {
            if (n > 1)
                take(QByteArray(buffer + 1, n - 1), lineBaud());
        } else if (buffer[0] & TIOCPKT_IOCTL) {
            lineBaud();
            settlingReads_ = kSettlingReads;
        }
    }
}

qint64 PtyLine::write(const QByteArray& bytes)
{
    for (;;) {
        const ssize_t n = ::write(master_, bytes.constData(), size_t(bytes.size()));
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    }
}

} // namespace kv::sim
