#include "link/port_map.h"

#include "base/app_folder.h"
#include "text/operator_text.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

namespace kv {

namespace {
const QString kMapFile = QStringLiteral("COMMAP.TXT");
}

QString PortChoiceText(int index)
{
    if (index <= 0 || index >= kPortChoices)
        return Text::tr("关闭");
    return QStringLiteral("COM%1").arg(index);
}

std::optional<int> PortChoiceNamed(const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const auto match = comName.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int k = match.captured(1).toInt(&ok);
    return ok && k >= 1 && k < kPortChoices ? k : 0;
}

QString PortMap::defaultPath(int k)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(k);
#else
    return QStringLiteral("/dev/ttyS%1").arg(k - 1);
#endif
}

PortMap PortMap::load(const AppFolder& folder)
{
    PortMap map;
    static const QRegularExpression line(QStringLiteral("^\\s*COM(\\d+)\\s*=\\s*(.*?)\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto lines = ReadTextLines(folder.settingsPath(kMapFile));
    if (!lines)
        return map;
    for (const QString& text : *lines) {
        const auto match = line.match(text);
        if (!match.hasMatch())
            continue;
        const int k = match.captured(1).toInt();
        if (k >= 1 && k < kPortChoices && !match.captured(2).isEmpty())
            map.entries_[k] = match.captured(2);
    }
    return map;
}

QString PortMap::pathFor(int k) const
{
    return entries_.value(k, defaultPath(k));
}

void PortMap::assign(int k, const QString& path)
{
    if (path.trimmed().isEmpty())
        entries_.remove(k);
    else
        entries_[k] = path.trimmed();
}

QString PortMap::fileText() const
{
    QStringList lines;
    for (auto it = entries_.cbegin(); it != entries_.cend(); ++it)
        lines << QStringLiteral("COM%1=%2").arg(it.key()).arg(it.value());
    return lines.join(QStringLiteral("\r\n"));
}

bool PortMap::save(const AppFolder& folder, QString* error) const
{
    if (!folder.ensureSettingsFolder()) {
        if (error)
            *error = Text::tr("无法创建文件夹 savefiles");
        return false;
    }
    return WriteTextFile(folder.settingsPath(kMapFile), fileText(), error);
}

QList<SystemPort> ListSystemPorts()
{
    QList<SystemPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SystemPort port{info.portName(), info.systemLocation(), info.description(), QString()};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            port.usbIds = QStringLiteral("%1:%2")
                              .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                              .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        ports << port;
    }
    return ports;
}

} // namespace kv
