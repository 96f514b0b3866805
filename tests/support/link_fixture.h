#pragma once

#include "base/app_folder.h"
#include "link/link.h"
#include "link/port_choice.h"
#include "memory_port.h"
#include "recording_prompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kv::test {

// A link on an in-memory port and a fake clock, in a fresh application folder, with
// COM1 chosen at 9600 baud.
class LinkFixture : public ::testing::Test {
protected:
    LinkFixture()
        : folder(dir.path()),
          link([this] {
                   auto p = std::make_unique<MemoryPort>(clock);
                   port = p.get();
                   return p;
               },
               clock),
          choice(folder, link)
    {
        choice.setPortChoiceQuietly(1);
        choice.setBaudChoiceQuietly(3);
        link.setLineBaud(9600);
        link.setCancelFlag(&prompter.cancelFlag());
    }

    QString settingsFile(const QString& name) const { return folder.settingsPath(name); }
    QByteArray fileBytes(const QString& path) const;

    QTemporaryDir dir;
    AppFolder folder;
    FakeClock clock;
    MemoryPort* port = nullptr;
    Link link;
    PortChoice choice;
    RecordingPrompter prompter;
};

} // namespace kv::test
