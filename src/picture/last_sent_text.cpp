#include "picture/last_sent_text.h"

namespace kv {

QString LastSentTextRecord(int mode)
{
    switch (mode) {
    case 6:
        return QStringLiteral("Fs_User_JzChar");
    case 8:
        return QStringLiteral("Fszk_jzd");
    case 9:
        return QStringLiteral("Fszk_jzx");
    default:
        return QString();
    }
}

bool HasLastSentText(int mode)
{
    return !LastSentTextRecord(mode).isEmpty();
}

QString LoadLastSentText(const RecordStore& store, int mode)
{
    return HasLastSentText(mode) ? store.readText(LastSentTextRecord(mode)) : QString();
}

bool SaveLastSentText(const RecordStore& store, int mode, const QString& text, QString* error)
{
    if (text.isEmpty() || !HasLastSentText(mode))
        return true;
    return store.write(LastSentTextRecord(mode), text, error);
}

} // namespace kv
