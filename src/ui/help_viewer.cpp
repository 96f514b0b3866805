#include "help_viewer.h"

#include "base/help_file.h"
#include "picture/screen_scale.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
// The viewer's opening size in twips: a text box of 8300 x 8600 in a window of
// 8600 x 9300, about 570 x 620 pixels at 96 dpi.
constexpr double kViewerWidthTwips = 8600;
constexpr double kViewerHeightTwips = 9300;
constexpr double kTextWidthTwips = 8300;
constexpr double kTextHeightTwips = 8600;

int pixels(double twips)
{
    return qRound(twips / TwipsPerPixel());
}
} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpViewer"));
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setMinimumSize(pixels(kTextWidthTwips), pixels(kTextHeightTwips));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
}

void HelpViewer::showHelp(const AppFolder& folder, const QString& file, const QString& topic)
{
    setWindowTitle(HelpCaption(topic));
    text_->setPlainText(ReadHelpText(folder, file));
    QSize size(pixels(kViewerWidthTwips), pixels(kViewerHeightTwips));
    // On a small screen the viewer keeps to the screen; its text box scrolls.
    if (const QScreen* where = screen()) {
        const QSize available = where->availableGeometry().size();
        text_->setMinimumSize(qMin(pixels(kTextWidthTwips), available.width() - 40),
                              qMin(pixels(kTextHeightTwips), available.height() - 100));
        size = size.boundedTo(available);
    }
    resize(size.expandedTo(minimumSizeHint()));
    show();
    raise();
    activateWindow();
}

} // namespace kv::ui
