#include "picture/edit_page.h"

#include "picture/page_record.h"
#include "picture/picture_frames.h"

namespace kv {

const EditPageKindInfo& KindInfo(EditPageKind kind)
{
    static const EditPageKindInfo kinds[kEditPageKinds] = {
        {QStringLiteral("台标_字符"), QStringLiteral("编辑台标_字符"), QStringLiteral("设字符点阵为"),
         QStringLiteral("TbChar")},
        {QStringLiteral("静止_字符"), QStringLiteral("编辑静止_字符"), QStringLiteral("设字符点阵为"),
         QStringLiteral("JbChar")},
        {QStringLiteral("台标_图形"), QStringLiteral("编辑台标_图形"), QStringLiteral("设图形高度为"),
         QStringLiteral("TbPic")},
        {QStringLiteral("静止_图形"), QStringLiteral("编辑静止_图形"), QStringLiteral("设图形高度为"),
         QStringLiteral("JbPic")},
    };
    return kinds[int(kind)];
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
