#include "app/FormMain.h"

#include "ui_FormMain.h"

#include <QStyle>

#include <algorithm>

namespace {

// About what a desktop's frame and title bar add around a window.
const QSize FrameAllowance(16, 40);
// Between the header's title and the name of what is open.
constexpr int HeaderGap = 8;

} // namespace

// The designed size wherever the free area of the screen holds the window
// with its frame; on a smaller area as large as it allows, the pages then
// scrolling and the header keeping the name of what is open in view.
void TFormMain::FitToScreen()
{
    const QSize designed = size();
    const QRect area = environment_.FreeScreenArea;
    QSize fitted = designed;
    if (!area.isEmpty()) {
        const QSize room = area.size() - FrameAllowance;
        // Wider by the pages' scroll bar where they scroll up and down and
        // the screen has the room, so that they need not scroll sideways.
        if (room.height() < designed.height())
            fitted.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        fitted = fitted.boundedTo(room);
    }
    setFixedSize(fitted);
    if (fitted != designed) {
        ui->RectangleHeader->resize(fitted.width(), ui->RectangleHeader->height());
        ui->TabControlMain->resize(fitted.width(), fitted.height() - ui->TabControlMain->y());
        QLabel *open = ui->LabelPlanOpen;
        open->move(open->x() + fitted.width() - designed.width(), open->y());
        if (fitted.width() < designed.width()) {
            // The title takes two lines rather than be cut.
            QLabel *title = ui->LabelHeader;
            title->setWordWrap(true);
            title->setGeometry(title->x(), 0, std::max(0, open->x() - HeaderGap - title->x()),
                               ui->RectangleHeader->height());
        }
    }
    if (!area.isEmpty())
        move(area.center() - QRect(QPoint(), fitted + FrameAllowance).center());
}
