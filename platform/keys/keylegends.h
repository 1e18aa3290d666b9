#pragma once

#include <QString>
#include <memory>

// What the current keyboard layout prints on a key: the name it gives a set-1 scan code of the
// main block ("Q", "Y" on a German layout, "^" for a dead circumflex). Read through xkbcommon:
// from the X server's keymap when the program runs on X11, elsewhere xkbcommon's default keymap,
// which follows XKB_DEFAULT_RULES, _MODEL, _LAYOUT, _VARIANT and _OPTIONS.
class TKeyLegends {
public:
    virtual ~TKeyLegends() = default;
    // Empty when the layout gives the key no name.
    virtual QString Legend(int scanCode) = 0;
    // The layout may have changed: read it again at the next Legend.
    virtual void Reload() = 0;
};

// The keymap is read at the first Legend, not here.
std::unique_ptr<TKeyLegends> CreateLayoutKeyLegends();

// A keymap given by its layout and variant names ("de", "nodeadkeys"), for tests and for
// platforms without a keymap of their own.
std::unique_ptr<TKeyLegends> CreateNamedKeyLegends(const QString& layout,
                                                   const QString& variant = QString());
