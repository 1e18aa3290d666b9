#include "platform/ui/fontwarmup.h"

#include <dlfcn.h>
#include <pthread.h>

TFontWarmUp::TFontWarmUp() {
    // The font library is the toolkit's own, loaded with it; it is looked up rather than linked
    // so that a toolkit built without it simply gets no warm-up.
    using TFcInit = int (*)();
    const auto init = reinterpret_cast<TFcInit>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) return;
    m_thread = std::thread([init] {
        pthread_setname_np(pthread_self(), "font warm-up");
        init();
    });
}

TFontWarmUp::~TFontWarmUp() { Wait(); }

void TFontWarmUp::Wait() {
    if (m_thread.joinable()) m_thread.join();
}
