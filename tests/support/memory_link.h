#pragma once

#include "app/app_folder.h"
#include "link/link.h"
#include "memory_port.h"

#include <QTemporaryDir>
#include <memory>

namespace kv::test {

// A link on an in-memory port in a fresh application folder, with COM1 chosen, for
// operation tests that check the bytes on the line.
struct MemoryLink {
    MemoryLink()
        : folder(dir.path()),
          link(std::make_unique<Link>(
              folder,
              [this] {
                  auto made = std::make_unique<MemoryPort>(clock);
                  port = made.get();
                  return made;
              },
              clock))
    {
        link->setPortChoiceQuietly(1);
        link->setLineBaud(9600);
    }

    QTemporaryDir dir;
    FakeClock clock;
    AppFolder folder;
    MemoryPort* port = nullptr;
    std::unique_ptr<Link> link;
};

} // namespace kv::test
