#pragma once

class QWidget;

// For the start-up benchmark: when TASTRA_LAUNCH_NS holds the launch time (nanoseconds since the
// epoch, as `date +%s%N` prints), the first time the window is exposed on screen prints
// "visible-ms <milliseconds since launch>" to standard output. Does nothing otherwise.
void InstallStartupProbe(QWidget* window);

// With the same variable set, prints "step-ms <name> <milliseconds since launch>": where the
// start spends its time before the first paint.
void StartupStep(const char* name);
