#include "memory_port.h"

#include "link/comm_error.h"

#include <algorithm>

namespace kv::test {

void MemoryPort::open(const QString& path, int baud)
{
    if (failOpenWith != 0)
        throw CommError{failOpenWith};
    open_ = true;
    ++opens;
    openPaths << path;
    openBauds << baud;
    input_.clear();
}

void MemoryPort::close()
{
    open_ = false;
    ++closes;
}

void MemoryPort::requireOpen() const
{
    if (!open_)
        throw CommError{8018};
}

void MemoryPort::write(const QByteArray& bytes)
{
    requireOpen();
    written += bytes;
    writes << bytes;
    if (stallOutput)
        unsent_ += bytes.size();
    if (onWrite)
        onWrite(*this, bytes);
}

qint64 MemoryPort::pendingOutput()
{
    requireOpen();
    return unsent_;
}

void MemoryPort::waitForOutput(int ms)
{
    requireOpen();
    clock_.now += qMax(ms, 1);
}

void MemoryPort::deliverDue()
{
    std::stable_sort(pending.begin(), pending.end(),
                     [](const Arrival& a, const Arrival& b) { return a.atMs < b.atMs; });
    while (!pending.isEmpty() && pending.first().atMs <= clock_.now)
        input_ += pending.takeFirst().bytes;
}

qint64 MemoryPort::inputCount()
{
    requireOpen();
    deliverDue();
    return input_.size();
}

void MemoryPort::discardInput()
{
    requireOpen();
    deliverDue();
    input_.clear();
}

QByteArray MemoryPort::readInput()
{
    requireOpen();
    deliverDue();
    QByteArray out = input_;
    input_.clear();
    return out;
}

void MemoryPort::waitForInput(int ms)
{
    requireOpen();
    std::stable_sort(pending.begin(), pending.end(),
                     [](const Arrival& a, const Arrival& b) { return a.atMs < b.atMs; });
    const qint64 deadline = clock_.now + qMax(ms, 1);
    if (!pending.isEmpty() && pending.first().atMs <= deadline)
        clock_.now = qMax(clock_.now, pending.first().atMs);
    else
        clock_.now = deadline;
    deliverDue();
}

} // namespace kv::test
