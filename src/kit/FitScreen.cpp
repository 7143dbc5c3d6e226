#include "FitScreen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace velorix {

namespace {

const QLatin1String kAreaName("velorixScrollArea");

QScrollArea *AreaOf(const QWidget *window)
{
    return window->findChild<QScrollArea *>(kAreaName, Qt::FindDirectChildrenOnly);
}

QRect AvailableArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The room the frame takes: the frame given, or the real one once the window
// system has framed the window, whichever is larger.
QSize FrameOf(const QWidget *window, QSize frame)
{
    return frame.expandedTo(window->frameGeometry().size() - window->size());
}

// Where a window goes along one axis of the area [lo, lo + len): from `at`,
// `want` pixels long, at most the area's length.  It keeps its start and
// shrinks into the room after it, down to half the area; only for the rest
// does it move back.  Returns start and length.
std::pair<int, int> FitAxis(int at, int want, int lo, int len)
{
    int length = std::min(want, len);
    int start = std::clamp(at, lo, lo + len - 1);
    const int room = lo + len - start;
    if (length > room)
        length = std::max(room, std::min(length, len / 2));
    if (start + length > lo + len)
        start = lo + len - length;
    return {start, length};
}

// Moves a window's controls into a scroll area that fills it.  The content
// keeps the window's client size and its controls keep their places in it;
// the focus order stays, since the controls stay in the same window.
QScrollArea *MakeScrollArea(QWidget *window)
{
    const QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    auto *area = new QScrollArea(window);
    area->setObjectName(kAreaName);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    auto *content = new QWidget(area);
    content->resize(window->size());
    for (QWidget *control : controls) {
        if (control->isWindow())
            continue;
        // Reparenting hides a widget; those not hidden on purpose show again
        // with their new parent.
        const bool hidden = control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide);
        control->setParent(content);
        if (!hidden)
            control->show();
    }
    area->setWidget(content); // paints the window's background behind the controls
    area->setGeometry(window->rect());
    area->show();
    // A field that gets the focus, by Tab, click or program, scrolls into view.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget *, QWidget *now) {
        if (now && area->widget() && area->widget()->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
    return area;
}

// Keeps the scroll area as large as the window's client area.
class FollowWindowSize : public QObject {
public:
    FollowWindowSize(QWidget *window, QScrollArea *area) : QObject(area), window_(window), area_(area)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Resize)
            area_->setGeometry(window_->rect());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window_;
    QScrollArea *area_;
};

} // namespace

bool FitToScreen(QWidget *window, QSize frame, bool centre)
{
    const QRect avail = AvailableArea(window);
    if (avail.isEmpty())
        return false;
    frame = FrameOf(window, frame);
    QScrollArea *area = AreaOf(window);
    const QSize content = area ? area->widget()->size() : window->size();
    const QSize outer = content + frame;
    const bool fits = outer.width() <= avail.width() && outer.height() <= avail.height();
    if (fits && !area) {
        // Where its position leaves part of it off the area, it moves the
        // least distance that brings it wholly on.
        const QPoint inside(std::clamp(window->x(), avail.left(), avail.right() + 1 - outer.width()),
                            std::clamp(window->y(), avail.top(), avail.bottom() + 1 - outer.height()));
        if (inside != window->pos())
            window->move(inside);
        return false;
    }
    if (!area) {
        area = MakeScrollArea(window);
        new FollowWindowSize(window, area); // owned by the scroll area
    }

    // Room for the scroll bars that the shrunk window will need.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    bool across = outer.width() > avail.width();
    bool down = outer.height() > avail.height();
    across = across || (down && outer.width() + bar > avail.width());
    down = down || (across && outer.height() + bar > avail.height());
    const QSize want = outer + QSize(down ? bar : 0, across ? bar : 0);

    auto [x, width] = FitAxis(window->x(), want.width(), avail.x(), avail.width());
    auto [y, height] = FitAxis(window->y(), want.height(), avail.y(), avail.height());
    window->resize(QSize(width, height) - frame);
    if (centre)
        CentreOnScreen(window, frame);
    else if (QPoint(x, y) != window->pos())
        window->move(x, y);
    return true;
}

void CentreOnScreen(QWidget *window, QSize frame)
{
    const QRect avail = AvailableArea(window);
    if (avail.isEmpty())
        return;
    const QSize outer = window->size() + FrameOf(window, frame);
    window->move(avail.x() + (avail.width() - outer.width()) / 2,
                 avail.y() + (avail.height() - outer.height()) / 2);
}

QWidget *ControlsOf(QWidget *window)
{
    const QScrollArea *area = AreaOf(window);
    return area ? area->widget() : window;
}

void WidenControls(QWidget *window, int width, QSize frame)
{
    QScrollArea *area = AreaOf(window);
    if (!area) {
        window->resize(width, window->height());
        return;
    }
    QWidget *content = area->widget();
    content->resize(width, content->height());
    // The window follows up to the right edge of its screen's available area.
    const QRect avail = AvailableArea(window);
    const int bar = area->verticalScrollBar()->isVisible() ? area->verticalScrollBar()->width() : 0;
    const int most = avail.x() + avail.width() - window->x() - FrameOf(window, frame).width();
    const int client = std::clamp(width + bar, window->width(), std::max(most, window->width()));
    window->resize(client, window->height());
}

} // namespace velorix
