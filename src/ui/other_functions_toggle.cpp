#include "other_functions_toggle.h"

#include "text/operator_text.h"

#include <QMouseEvent>
#include <QTabWidget>

namespace kv::ui {

namespace {
// Read at each use, so that they follow the language installed.
QString openCaption()
{
    return Text::tr("打开其他功能");
}

QString foldCaption()
{
    return Text::tr("收起其他功能");
}
} // namespace

OtherFunctionsToggle::OtherFunctionsToggle(QTabWidget& pages, QWidget& page, QWidget* parent)
    : QLabel(parent), pages_(pages), page_(page)
{
    setObjectName(QStringLiteral("otherFunctionsToggle"));
    setCursor(Qt::PointingHandCursor);
    // It reads as a link, so the operator knows it can be clicked.
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setForegroundRole(QPalette::Link);
}

int OtherFunctionsToggle::pageIndex() const
{
    for (int index = 0; index < pages_.count(); ++index)
        if (pages_.widget(index) == &page_ || pages_.widget(index)->isAncestorOf(&page_))
            return index;
    return -1;
}

bool OtherFunctionsToggle::unfolded() const
{
    return text() == foldCaption();
}

void OtherFunctionsToggle::toggle()
{
    if (unfolded())
        fold();
    else
        unfold();
}

void OtherFunctionsToggle::fold()
{
    setText(openCaption());
    const int index = pageIndex();
    if (index < 0)
        return;
    const bool wasShowing = pages_.currentIndex() == index;
    pages_.setTabVisible(index, false);
    if (wasShowing && covered_ != index && covered_ < pages_.count())
        pages_.setCurrentIndex(covered_);
}

void OtherFunctionsToggle::unfold()
{
    setText(foldCaption());
    const int index = pageIndex();
    if (index < 0)
        return;
    if (pages_.currentIndex() != index)
        covered_ = pages_.currentIndex();
    pages_.setTabVisible(index, true);
    pages_.setCurrentIndex(index);
}

void OtherFunctionsToggle::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        toggle();
    QLabel::mouseReleaseEvent(event);
}

} // namespace kv::ui
