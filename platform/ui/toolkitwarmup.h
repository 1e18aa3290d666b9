#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Does on a thread of its own what the toolkit would otherwise do on the window thread while the
// first window is made:
// - from the start: reads the system's font configuration (every configuration file and the font
//   cache), the largest single piece of work before the window's first picture;
// - once the toolkit has started (ToolkitStarted): lists the fonts the toolkit can use, then
//   loads the toolkit's image readers, which it loads all at once the first time it is asked for
//   a picture whose format it has to find (the style asks for one while the menu bar is made).
// WaitForFonts() must come before anything measures or draws text: two readings at once would
// each do the whole work. The image readers need no waiting: the toolkit loads each once.
class TToolkitWarmUp {
public:
    TToolkitWarmUp();
    // Finishes.
    ~TToolkitWarmUp();
    TToolkitWarmUp(const TToolkitWarmUp&) = delete;
    TToolkitWarmUp& operator=(const TToolkitWarmUp&) = delete;

    // The application object exists: what needs it may be done now.
    void ToolkitStarted();
    // Returns once the fonts are read and listed (or at once when ToolkitStarted was not called:
    // then only the configuration is waited for).
    void WaitForFonts();
    // Waits for the thread; a part not begun yet is left undone. Called before the application
    // object goes away.
    void Finish();

private:
    void Run(int (*fcInit)());

    enum class TPhase { Configuration, WaitingForToolkit, Listing, Images, Done };
    std::mutex m_lock;
    std::condition_variable m_changed;
    TPhase m_phase = TPhase::Configuration;
    bool m_toolkit = false;
    bool m_stop = false;
    std::thread m_thread;
};
