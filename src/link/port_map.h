#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

namespace kv {

class AppFolder;

// The port choice: index 0 "关闭", index k "COMk" for k = 1..12.
constexpr int kPortChoices = 13;
QString PortChoiceText(int index);
// The other way: nothing when the name is not "COM" and digits (in any case); else the
// port choice k, or 0 when the number is past COM1 to COM12.
std::optional<int> PortChoiceNamed(const QString& name);

// Maps COMk to a device path through savefiles/COMMAP.TXT, lines "COMk=PATH". A COMk
// with no line maps to the platform default.
class PortMap {
public:
    static PortMap load(const AppFolder& folder);
    static QString defaultPath(int k);

    QString pathFor(int k) const;
    bool hasEntry(int k) const { return entries_.contains(k); }
    // An empty path removes the entry, so COMk falls back to the default.
    void assign(int k, const QString& path);
    QString fileText() const;
    bool save(const AppFolder& folder, QString* error) const;

private:
    QMap<int, QString> entries_;
};

// A serial port found on this machine, for the port assignment dialog.
struct SystemPort {
    QString name;
    QString path;
    QString description;
    QString usbIds; // "VVVV:PPPP", empty when the port is not on USB
};
QList<SystemPort> ListSystemPorts();

} // namespace kv
