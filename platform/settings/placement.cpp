#include "platform/settings/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <limits>

const char kStartHiddenProperty[] = "tastraStartHidden";

namespace {

// The visible form that owns window, if any.
QWidget* VisibleOwner(const QWidget* window) {
    QWidget* parent = window->parentWidget();
    if (!parent) return nullptr;
    QWidget* owner = parent->window();
    return owner != window && owner->isVisible() ? owner : nullptr;
}

// Position that centres a width x height window on owner, or else on the work area.
void Centre(const QWidget* window, int width, int height, const QRect& area, int& left, int& top) {
    if (QWidget* owner = VisibleOwner(window)) {
        const QRect o = owner->frameGeometry();
        left = o.x() + o.width() / 2 - width / 2;
        top = o.y() + o.height() / 2 - height / 2;
    } else {
        left = area.left() + area.width() / 2 - width / 2;
        top = area.top() + area.height() / 2 - height / 2;
    }
}

}  // namespace

void KeepOnWorkArea(int& left, int& top, int& width, int& height, bool shrink,
                    const QRect& workArea) {
    // Stored values can be anything (edited or imported files): a size below one pixel means
    // nothing, and the sums are worked out wide so that no extreme value wraps around.
    using TWide = long long;
    // Edges as the window system counts them: right and bottom lie one past the last pixel.
    const TWide areaLeft = workArea.left(), areaTop = workArea.top();
    const TWide areaRight = areaLeft + workArea.width(), areaBottom = areaTop + workArea.height();
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (shrink) {
        if (width > workArea.width()) width = std::max(workArea.width(), 1);
        if (height > workArea.height()) height = std::max(workArea.height(), 1);
    }
    TWide l = left, t = top;
    if (l > areaRight) l = areaRight - 30;
    if (l + width - 30 < areaLeft) l = areaLeft - width + 30;
    if (t > areaBottom) t = areaBottom - 30;
    if (t < areaTop) t = areaTop;  // the title bar never goes above the work area
    const auto narrow = [](TWide v) {
        return static_cast<int>(
            std::clamp<TWide>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    left = narrow(l);
    top = narrow(t);
}

QRect WorkArea(const QWidget* widget) {
    QScreen* screen = nullptr;
    if (widget) {
        screen = QGuiApplication::screenAt(widget->geometry().center());
        if (!screen) screen = widget->screen();
    }
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return QRect(0, 0, 800, 600);
    QRect area = screen->availableGeometry();
    return area.isEmpty() ? screen->geometry() : area;
}

void LoadFormPlacement(QWidget* window, TSettingsStore& store, const std::string& section,
                       int flags, const std::string& prefix, std::optional<QRect> workArea) {
    if (!window) return;
    try {
        const QRect area = workArea ? *workArea : WorkArea(window);
        int height = window->height(), width = window->width();
        if (flags & kPlaceSize) {
            height = store.ReadInteger(section, prefix + "Height", height);
            width = store.ReadInteger(section, prefix + "Width", width);
        }
        // The window takes no size beyond its own limits; the position must fit the size it
        // will really have.
        width = std::clamp(width, std::max(window->minimumWidth(), 1), window->maximumWidth());
        height = std::clamp(height, std::max(window->minimumHeight(), 1), window->maximumHeight());
        int left = window->x(), top = window->y();
        if (flags & kPlacePosition) {
            top = store.ReadInteger(section, prefix + "Top", kPlacementMissing);
            left = store.ReadInteger(section, prefix + "Left", kPlacementMissing);
            if (top != kPlacementMissing && left != kPlacementMissing) {
                // Far beyond any screen, every value means the same; kept there it cannot wrap.
                constexpr int kFar = 1 << 24;
                left = std::clamp(left, -kFar, kFar) + area.left();
                top = std::clamp(top, -kFar, kFar) + area.top();
            } else {
                Centre(window, width, height, area, left, top);
                KeepOnWorkArea(left, top, width, height, false, area);
            }
        }
        KeepOnWorkArea(left, top, width, height, (flags & kPlaceSize) != 0, area);
        window->move(left, top);
        window->resize(width, height);

        const bool isMain = (flags & kPlaceMainWindow) != 0;
        if (flags & (kPlaceMaximized | kPlaceMinimized)) {
            int current = window->isMinimized()   ? kStateMinimized
                          : window->isMaximized() ? kStateMaximized
                                                  : kStateNormal;
            int s = store.ReadInteger(section, prefix + "State", current);
            if (s == kStateMinimized && (flags & kPlaceMinimized)) {
                // The main window starts minimized without taking the focus from the user.
                if (isMain) window->setAttribute(Qt::WA_ShowWithoutActivating);
                window->setWindowState(window->windowState() | Qt::WindowMinimized);
            } else if (s == kStateMaximized && (flags & kPlaceMaximized)) {
                window->setWindowState((window->windowState() & ~Qt::WindowMinimized) |
                                       Qt::WindowMaximized);
            }
        }
        if (flags & kPlaceStyle) {
            bool onTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            int style = store.ReadInteger(section, prefix + "Style",
                                          onTop ? kStyleStayOnTop : kStyleNormal);
            bool wantOnTop = style == kStyleStayOnTop;
            if (wantOnTop != onTop) {
                // Changing window flags hides a shown window; show it again where it was.
                bool visible = window->isVisible();
                window->setWindowFlag(Qt::WindowStaysOnTopHint, wantOnTop);
                if (visible) window->show();
            }
        }
        if (flags & kPlaceVisible) {
            bool v = store.ReadBool(section, prefix + "Visible", isMain);
            if (isMain)
                window->setProperty(kStartHiddenProperty, !v);
            else
                window->setVisible(v);
        }
    } catch (...) {
        // A value of the wrong type ends the load; what was applied stays.
    }
}

void SaveFormPlacement(QWidget* window, TSettingsStore& store, const std::string& section,
                       int flags, const std::string& prefix, std::optional<QRect> workArea) {
    if (!window) return;
    try {
        const QRect area = workArea ? *workArea : WorkArea(window);
        int state = kStateNormal;
        const bool saveState = (flags & (kPlaceMaximized | kPlaceMinimized)) != 0;
        if (saveState) {
            if ((flags & kPlaceMainWindow) && window->isMinimized())
                state = (flags & kPlaceMinimized) ? kStateMinimized : kStateNormal;
            else if (window->isMinimized() && (flags & kPlaceMinimized))
                state = kStateMinimized;
            else if (window->isMaximized() && (flags & kPlaceMaximized))
                state = kStateMaximized;
        }
        // A minimized or maximized window stores the rectangle it returns to.
        // Positions are those of the frame (what move() takes), sizes those of the client area
        // (what resize() takes); the restored rectangle is a client rectangle.
        QRect normal = window->normalGeometry();
        bool useNormal = state != kStateNormal && normal.isValid();
        QMargins frame;
        if (QWindow* handle = window->windowHandle()) frame = handle->frameMargins();
        int left = useNormal ? normal.x() - frame.left() : window->x();
        int top = useNormal ? normal.y() - frame.top() : window->y();
        int width = useNormal ? normal.width() : window->width();
        int height = useNormal ? normal.height() : window->height();

        if (flags & kPlaceSize) {
            store.WriteInteger(section, prefix + "Height", height);
            store.WriteInteger(section, prefix + "Width", width);
        }
        if (flags & kPlacePosition) {
            store.WriteInteger(section, prefix + "Top", top - area.top());
            store.WriteInteger(section, prefix + "Left", left - area.left());
        }
        if (saveState) store.WriteInteger(section, prefix + "State", state);
        if (flags & kPlaceVisible)
            store.WriteBool(section, prefix + "Visible", window->isVisible());
        if (flags & kPlaceStyle)
            store.WriteInteger(section, prefix + "Style",
                               window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
                                   ? kStyleStayOnTop
                                   : kStyleNormal);
    } catch (...) {
        // A failed save is lost quietly.
    }
}

void CenterOnForm(QWidget* window, QWidget* form, std::optional<QRect> workArea) {
    if (!window) return;
    const QRect area = workArea ? *workArea : WorkArea(window);
    int width = window->width(), height = window->height();
    int left, top;
    if (form && form->isVisible()) {
        const QRect f = form->frameGeometry();
        left = f.x() + f.width() / 2 - width / 2;
        top = f.y() + f.height() / 2 - height / 2;
    } else {
        left = area.left() + area.width() / 2 - width / 2;
        top = area.top() + area.height() / 2 - height / 2;
    }
    KeepOnWorkArea(left, top, width, height, false, area);
    window->move(left, top);
}
