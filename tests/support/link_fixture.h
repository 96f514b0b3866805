#pragma once

#include "app/app_folder.h"
#include "link/link.h"
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
          link(folder,
               [this] {
                   auto p = std::make_unique<MemoryPort>(clock);
                   port = p.get();
                   return p;
               },
               clock)
    {
        link.setPortChoiceQuietly(1);
        link.setBaudChoiceQuietly(3);
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
    RecordingPrompter prompter;
};

} // namespace kv::test
