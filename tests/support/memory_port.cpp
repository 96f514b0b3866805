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
    if (open_)
        cutAtClose += pendingOutput();
    open_ = false;
    ++closes;
    lineFreeAtUs_ = 0;
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
    if (stallOutput) {
        stalled_ += bytes.size();
    } else if (paceBaud > 0) {
        const qint64 startUs = qMax(lineFreeAtUs_, clock_.now * 1000);
        lineFreeAtUs_ = startUs + bytes.size() * 10 * 1000000LL / paceBaud;
    }
    if (onWrite)
        onWrite(*this, bytes);
}

qint64 MemoryPort::pendingOutput()
{
    requireOpen();
    const qint64 owedUs = qMax<qint64>(0, lineFreeAtUs_ - clock_.now * 1000);
    return stalled_ + (owedUs * paceBaud + 10 * 1000000LL - 1) / (10 * 1000000LL);
}

void MemoryPort::waitForOutput(int ms)
{
    requireOpen();
    const qint64 deadline = clock_.now + qMax(ms, 1);
    const qint64 lineFreeAt = (lineFreeAtUs_ + 999) / 1000;
    clock_.advanceTo(stalled_ == 0 && lineFreeAt > clock_.now ? qMin(deadline, lineFreeAt) : deadline);
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
    clock_.advanceTo(!pending.isEmpty() && pending.first().atMs <= deadline ? pending.first().atMs : deadline);
    deliverDue();
}

} // namespace kv::test
