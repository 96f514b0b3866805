#include "scroll/scroll_text_cache.h"

#include "base/send_modes.h"

namespace kv {

QString ScrollTextCache::recordName(int mode)
{
    return mode == kModeSmallFont ? QStringLiteral("Fszk_Gdx") : QStringLiteral("Fszk_Gdd");
}

QString ScrollTextCache::textFor(int mode, const RecordStore& store) const
{
    const QString& cached = mode == kModeSmallFont ? small_ : large_;
    return cached.isEmpty() ? store.readText(recordName(mode)) : cached;
}

bool ScrollTextCache::remember(int mode, const QString& text, const RecordStore& store, QString* error)
{
    (mode == kModeSmallFont ? small_ : large_) = text;
    return store.write(recordName(mode), text, error);
}

} // namespace kv
