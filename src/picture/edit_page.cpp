#include "picture/edit_page.h"

#include "picture/page_record.h"
#include "picture/picture_frames.h"
#include "text/operator_text.h"

namespace kv {

EditPageKindInfo KindInfo(EditPageKind kind)
{
    struct Texts {
        const char* button;
        const char* title;
        const char* sizeLabel;
        const char* record;
    };
    static const Texts kinds[kEditPageKinds] = {
        {QT_TRANSLATE_NOOP("kv", "台标_字符"), QT_TRANSLATE_NOOP("kv", "编辑台标_字符"),
         QT_TRANSLATE_NOOP("kv", "设字符点阵为"), "TbChar"},
        {QT_TRANSLATE_NOOP("kv", "静止_字符"), QT_TRANSLATE_NOOP("kv", "编辑静止_字符"),
         QT_TRANSLATE_NOOP("kv", "设字符点阵为"), "JbChar"},
        {QT_TRANSLATE_NOOP("kv", "台标_图形"), QT_TRANSLATE_NOOP("kv", "编辑台标_图形"),
         QT_TRANSLATE_NOOP("kv", "设图形高度为"), "TbPic"},
        {QT_TRANSLATE_NOOP("kv", "静止_图形"), QT_TRANSLATE_NOOP("kv", "编辑静止_图形"),
         QT_TRANSLATE_NOOP("kv", "设图形高度为"), "JbPic"},
    };
    const Texts& texts = kinds[int(kind)];
    return {Text::tr(texts.button), Text::tr(texts.title), Text::tr(texts.sizeLabel),
            QString::fromLatin1(texts.record)};
}

EditPage OpenEditPage(EditPageKind kind, EditPage page, const RecordStore& store)
{
    page.kind = kind;
    LoadPageRecord(store, page);
    page.powerOn = PowerOnLocked(kind);
    return page;
}

quint8 SlotKind(const EditPage& page)
{
    return SlotKind(IsLogoKind(page.kind), page.powerOn);
}

} // namespace kv
