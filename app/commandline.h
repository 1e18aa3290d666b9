#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of this run. Parsed before the application object exists, so that
// --help and --version answer without a display, MIDI services or settings.
struct TCommandLine {
    // False: print `output` to standard output and `error` to standard error, then end with
    // `exitCode` (0 for --help and --version, 2 for a usage error).
    bool run = true;
    int exitCode = 0;
    QString output;
    QString error;
    // Devices to open for this run instead of the remembered ones; empty: the remembered one.
    QString midiOut;
    QString midiIn;
};

// `arguments` as the program received them, the program's name first. The window system's own
// options (-platform, -display, -style, ...) are accepted and left to the application object.
TCommandLine ParseCommandLine(const QStringList& arguments);
