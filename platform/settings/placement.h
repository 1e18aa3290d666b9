#pragma once

#include <QRect>
#include <optional>
#include <string>

#include "platform/settings/settingsstore.h"

class QWidget;

// Which parts of a window's placement LoadFormPlacement and SaveFormPlacement handle.
enum TPlacementFlag : int {
    kPlaceSize = 1,
    kPlacePosition = 2,
    kPlaceMaximized = 4,
    kPlaceMinimized = 8,
    kPlaceVisible = 16,
    kPlaceStyle = 32,  // the stay-on-top style
    // Not a stored part: the window is the application's main window, which decides how the
    // program starts (minimized without taking the focus, hidden) rather than hiding itself.
    kPlaceMainWindow = 64,
};

// "Top"/"Left" value that means "not stored": the window is centred instead.
constexpr int kPlacementMissing = -10000;

// Values stored under "State" and "Style".
constexpr int kStateNormal = 0;
constexpr int kStateMinimized = 1;
constexpr int kStateMaximized = 2;
constexpr int kStyleNormal = 0;
constexpr int kStyleStayOnTop = 1;

// Set on the main window (kPlaceMainWindow) by LoadFormPlacement when its stored visibility is
// false: the program then starts without showing it.
extern const char kStartHiddenProperty[];

// Keeps a window rectangle reachable on the work area: with shrink, no larger than the work area;
// at least 30 pixels of it horizontally on the work area; its top edge within the work area.
void KeepOnWorkArea(int& left, int& top, int& width, int& height, bool shrink,
                    const QRect& workArea);

// The available geometry (screen minus panels) of the screen the widget is on, or of the primary
// screen. The screens are the window system's, the same for the whole program.
QRect WorkArea(const QWidget* widget = nullptr);

// Restores/stores a window's placement in store: values prefix + "Height", "Width", "Top",
// "Left" (relative to the work area), "State", "Visible", "Style" of section. Failures of the
// store end the operation quietly; what was applied stays. The work area is the window's
// (WorkArea) unless one is given.
void LoadFormPlacement(QWidget* window, TSettingsStore& store, const std::string& section,
                       int flags, const std::string& prefix = std::string(),
                       std::optional<QRect> workArea = std::nullopt);
void SaveFormPlacement(QWidget* window, TSettingsStore& store, const std::string& section,
                       int flags, const std::string& prefix = std::string(),
                       std::optional<QRect> workArea = std::nullopt);

// Centres window on form when form is visible, otherwise on the work area (the window's unless
// one is given), keeps it reachable and moves it there (its size stays).
void CenterOnForm(QWidget* window, QWidget* form, std::optional<QRect> workArea = std::nullopt);
