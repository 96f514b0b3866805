#include "app/help_topics.h"

#include "base/send_modes.h"
#include "text/operator_text.h"

namespace kv {

namespace {
// The help text of each send mode, in list order.
const QStringList& sendModeHelpFiles()
{
    static const QStringList files = {
        QStringLiteral("gd_nzzk_readme.txt"),      QStringLiteral("gd_nzzk_readme.txt"),
        QStringLiteral("fstwdx_readme.txt"),       QStringLiteral("fstwdx_readme.txt"),
        QStringLiteral("fszhkj_readme.txt"),       QStringLiteral("dytp_readme.txt"),
        QStringLiteral("jz_user_char_readme.txt"), QStringLiteral("jz_ls_tp_readme.txt"),
        QStringLiteral("jz_nzzk_readme.txt"),      QStringLiteral("jz_nzzk_readme.txt"),
    };
    return files;
}
} // namespace

HelpTopic MainHelpTopic(int context, int sendMode)
{
    switch (context) {
    case kHelpContextScrollEditor:
        return {QStringLiteral("edit_dx_readme.txt"), Text::tr("编辑滚动信息")};
    case kHelpContextPictureEditor:
        return {QStringLiteral("edit_jztw_readme.txt"), Text::tr("编辑静止图文及台标")};
    case kHelpContextShortcutEditor:
        return {QStringLiteral("edit_zhkj_readme.txt"), Text::tr("编辑组合滚动快捷")};
    default:
        break;
    }
    const int mode = sendMode >= 0 && sendMode < sendModeHelpFiles().size() ? sendMode : kModeLargeFont;
    return {sendModeHelpFiles().at(mode), SendModeNames().at(mode)};
}

HelpTopic AddressQueueHelpTopic()
{
    return {QStringLiteral("edit_addr_readme.txt"), Text::tr("编辑设备地址")};
}

HelpTopic OtherFunctionsHelpTopic()
{
    return {QStringLiteral("other_readme.txt"), Text::tr("其他功能")};
}

const QStringList& HelpFileNames()
{
    static const QStringList names = [] {
        QStringList out;
        for (int editor : {kHelpContextScrollEditor, kHelpContextPictureEditor, kHelpContextShortcutEditor})
            out << MainHelpTopic(editor, kModeLargeFont).file;
        for (const QString& file : sendModeHelpFiles()) {
            if (!out.contains(file))
                out << file;
        }
        out << AddressQueueHelpTopic().file << OtherFunctionsHelpTopic().file;
        return out;
    }();
    return names;
}

} // namespace kv
