#pragma once

#include <functional>

class QWidget;

// Runs `run` once on the window thread, as soon as `window` has been painted for the first time,
// so that work which the picture need not wait for comes after it. A window that is not painted
// (opened minimised, or on another desktop) runs it after `fallbackMs` all the same.
void RunAfterFirstPaint(QWidget* window, std::function<void()> run, int fallbackMs = 250);
