#pragma once

#include "app/app_folder.h"
#include "link/link.h"
#include "memory_port.h"

#include <QTemporaryDir>
#include <memory>

namespace kv::test {

// A Link on a MemoryPort and a FakeClock in a fresh application folder, with the port
// chosen for the run so operations open it like a real one.
struct MemoryLink {
    MemoryLink()
        : folder(dir.path()),
          link(std::make_unique<Link>(folder,
                                      [this] {
                                          auto p = std::make_unique<MemoryPort>(clock);
                                          port = p.get();
                                          return p;
                                      },
                                      clock))
    {
        link->usePathForRun(QStringLiteral("/dev/memory"));
    }

    QTemporaryDir dir;
    AppFolder folder;
    FakeClock clock;
    MemoryPort* port = nullptr;
    std::unique_ptr<Link> link;
};

} // namespace kv::test
