#pragma once

#include "link/frames.h"
#include "link_fixture.h"

#include <initializer_list>

namespace kv::test {

inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// The link fixture, plus the rate at which the port was last opened: a unit listening
// at another rate hears nothing.
class AdminFixture : public LinkFixture {
protected:
    int currentBaud() const { return port->openBauds.isEmpty() ? 0 : port->openBauds.last(); }
};

} // namespace kv::test
