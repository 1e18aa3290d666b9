#include <new>
#include <stdexcept>

#include "midi/midiinput.h"

TCircBuffer::TCircBuffer(int capacity) : m_capacity(capacity > 0 ? capacity : 1) {
    try {
        m_entries.reset(new TQueueEntry[m_capacity]);
    } catch (const std::bad_alloc&) {
        throw std::runtime_error("Out of memory.");
    }
}

bool TCircBuffer::Push(const TQueueEntry& entry) {
    std::lock_guard<std::mutex> guard(m_lock);
    int count = m_count.load(std::memory_order_relaxed);
    if (count >= m_capacity) return false;
    int write = m_writeIndex.load(std::memory_order_relaxed);
    m_entries[write] = entry;
    m_writeIndex.store(write + 1 == m_capacity ? 0 : write + 1, std::memory_order_release);
    // The count is published last: a consumer that sees it also sees the entry.
    m_count.store(count + 1, std::memory_order_release);
    return true;
}

bool TCircBuffer::PushShort(std::uint32_t packed, std::uint32_t time, TMidiFrameTime frameTime) {
    return Push(TQueueEntry{time, packed, nullptr, nullptr, frameTime});
}

bool TCircBuffer::PushSysEx(TMidiInBuffer* buffer, std::uint32_t time) {
    return Push(TQueueEntry{time, 0xF0, buffer, nullptr, TMidiFrameTime()});
}

bool TCircBuffer::Remove() {
    std::lock_guard<std::mutex> guard(m_lock);
    int count = m_count.load(std::memory_order_relaxed);
    if (count <= 0) return false;
    int read = m_readIndex.load(std::memory_order_relaxed);
    m_readIndex.store(read + 1 == m_capacity ? 0 : read + 1, std::memory_order_release);
    m_count.store(count - 1, std::memory_order_release);
    return true;
}

TQueueEntry* TCircBuffer::Peek() {
    if (m_count.load(std::memory_order_acquire) <= 0) return nullptr;
    return &m_entries[m_readIndex.load(std::memory_order_acquire)];
}

void TCircBuffer::Walk(const std::function<void(TQueueEntry&)>& visit) {
    std::unique_lock<std::mutex> guard(m_lock);
    const int start = m_readIndex.load(std::memory_order_relaxed);
    // Counted in steps rather than positions: in a full queue the position after the last entry
    // is the read index again.
    for (int steps = 0;; ++steps) {
        int read = m_readIndex.load(std::memory_order_relaxed);
        int removed = read >= start ? read - start : read + m_capacity - start;
        int distance = steps - removed;
        if (distance < 0 || distance >= m_count.load(std::memory_order_relaxed)) break;
        TQueueEntry& entry = m_entries[(start + steps) % m_capacity];
        guard.unlock();
        visit(entry);
        guard.lock();
    }
}
