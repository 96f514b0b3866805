#pragma once

#include "link/frames.h"
#include "link/link.h"
#include "memory_port.h"
#include "recording_prompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kv::test {

// A link on an in-memory port, in a temporary application folder, with COM1 chosen
// at 9600 baud.
class LinkFixture : public ::testing::Test {
public:
    static QByteArray bytes(std::initializer_list<int> values)
    {
        QByteArray out;
        for (int v : values)
            out.append(char(v));
        return out;
    }

protected:
    LinkFixture()
    {
        link = std::make_unique<Link>(
            folder,
            [this] {
                auto memory = std::make_unique<MemoryPort>(clock);
                port = memory.get();
                return memory;
            },
            clock);
        link->setPortChoiceQuietly(1);
        link->setBaudChoiceQuietly(3);
        link->setLineBaud(9600);
    }

    // The baud rate at which the port was last opened: a unit at another rate hears
    // nothing.
    int currentBaud() const { return port->openBauds.isEmpty() ? 0 : port->openBauds.last(); }

    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    FakeClock clock;
    MemoryPort* port = nullptr;
    std::unique_ptr<Link> link;
    RecordingPrompter prompter;
};

} // namespace kv::test
