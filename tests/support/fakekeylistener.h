#pragma once

#include "platform/keys/keylistener.h"

// A key listener the test plays on: keys by set-1 scan code, the focus by a flag.
class TFakeKeyListener : public TKeyListener {
public:
    QString unavailable;
    bool focusInOwnWindow = false;
    std::vector<int> downAtStart;  // native codes

    QString Unavailable() const override { return unavailable; }
    bool FocusInOwnWindow() override { return focusInOwnWindow; }
    void Press(int scan) { Heard(scan + 8, false); }
    void Release(int scan) { Heard(scan + 8, true); }
    void Break() { Lost(QStringLiteral("The connection broke.")); }

protected:
    bool Open(QString&, std::vector<int>& keysDown) override {
        keysDown = downAtStart;
        return true;
    }
    void Close() override {}
};
