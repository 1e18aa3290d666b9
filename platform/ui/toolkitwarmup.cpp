#include "platform/ui/toolkitwarmup.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontDatabase>
#include <QImageReader>

#include <dlfcn.h>
#include <pthread.h>

TToolkitWarmUp::TToolkitWarmUp() {
    // The font library is the toolkit's own, loaded with it; it is looked up rather than linked
    // so that a toolkit built without it simply skips that part.
    using TFcInit = int (*)();
    const auto init = reinterpret_cast<TFcInit>(dlsym(RTLD_DEFAULT, "FcInit"));
    m_thread = std::thread([this, init] { Run(init); });
}

TToolkitWarmUp::~TToolkitWarmUp() { Finish(); }

void TToolkitWarmUp::Run(int (*fcInit)()) {
    pthread_setname_np(pthread_self(), "toolkit warm-up");
    if (fcInit) fcInit();
    const auto enter = [this](TPhase phase) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_phase = phase;
        m_changed.notify_all();
    };
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_phase = TPhase::WaitingForToolkit;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_toolkit || m_stop; });
        if (m_stop) {
            m_phase = TPhase::Done;
            m_changed.notify_all();
            return;
        }
        m_phase = TPhase::Listing;
    }
    QFontDatabase::families();
    enter(TPhase::Images);
    // A picture's signature without the picture: finding its format asks every image reader.
    QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    QBuffer device(&signature);
    device.open(QIODevice::ReadOnly);
    QImageReader(&device).format();
    enter(TPhase::Done);
}

void TToolkitWarmUp::ToolkitStarted() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_toolkit = true;
    }
    m_changed.notify_all();
}

void TToolkitWarmUp::WaitForFonts() {
    std::unique_lock<std::mutex> lock(m_lock);
    m_changed.wait(lock, [this] {
        return m_phase == TPhase::Images || m_phase == TPhase::Done ||
               (m_phase == TPhase::WaitingForToolkit && !m_toolkit);
    });
}

void TToolkitWarmUp::Finish() {
    {
        // What has not begun yet is left undone.
        std::lock_guard<std::mutex> guard(m_lock);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) m_thread.join();
}
