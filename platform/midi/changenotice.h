#pragma once

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

// Tells whoever listens that the devices of a MIDI service, or their connections, may have
// changed. Fired on the MIDI system's own notification threads; a listener must return at once
// (it only wakes its own thread). Removing a listener waits for a call of it in flight.
class TChangeNotice {
public:
    void Add(const void* key, std::function<void()> listener) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_listeners.emplace_back(key, std::move(listener));
    }
    void Remove(const void* key) {
        std::lock_guard<std::mutex> guard(m_lock);
        for (auto it = m_listeners.begin(); it != m_listeners.end();)
            it = it->first == key ? m_listeners.erase(it) : it + 1;
    }
    void Fire() {
        std::lock_guard<std::mutex> guard(m_lock);
        for (auto& listener : m_listeners) listener.second();
    }

private:
    std::mutex m_lock;
    std::vector<std::pair<const void*, std::function<void()>>> m_listeners;
};
