#pragma once

class QWidget;

// For the start-up benchmark: when TASTRA_LAUNCH_NS holds the launch time (nanoseconds since the
// epoch, as `date +%s%N` prints), the first time the window is exposed on screen prints
// "visible-ms <milliseconds since launch>" to standard output. Does nothing otherwise.
void InstallStartupProbe(QWidget* window);
