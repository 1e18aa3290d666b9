#pragma once

#include <QWidget>

#include "controls/sharedimage.h"

// A custom control that lets its parent show through where it paints nothing. Derived controls
// report each change of their own state through OnChange.
class TTransparent : public QWidget {
public:
    explicit TTransparent(QWidget* parent = nullptr);

    bool Transparent() const { return m_transparent; }
    // When off, the control fills its background with its palette's window colour first.
    void SetTransparent(bool v);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool m_transparent = true;
};
