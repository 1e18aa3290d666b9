#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the toolkit starts and the
// settings are read. Reading it (every configuration file and the font cache) is the largest
// single piece of work before the window's first picture; the toolkit would otherwise do it on
// the window thread the moment the window first measures a text. Wait() must come before
// anything measures or draws text: two readings at once would each do the whole work.
class TFontWarmUp {
public:
    TFontWarmUp();
    // Waits for the thread.
    ~TFontWarmUp();
    TFontWarmUp(const TFontWarmUp&) = delete;
    TFontWarmUp& operator=(const TFontWarmUp&) = delete;

    void Wait();

private:
    std::thread m_thread;
};
