#pragma once
// A process-wide service set for a scope: the guard puts a value into a global (a service
// pointer, a hook) and gives back the one it found when the scope ends, also on a failed test.

#include <utility>

template <class T>
class ScopedGlobal {
public:
    ScopedGlobal(T& slot, T value) : m_Slot(slot), m_Old(std::move(slot)) { m_Slot = std::move(value); }
    ~ScopedGlobal() { m_Slot = std::move(m_Old); }
    ScopedGlobal(const ScopedGlobal&) = delete;
    ScopedGlobal& operator=(const ScopedGlobal&) = delete;

private:
    T& m_Slot;
    T m_Old;
};
template <class T, class V>
ScopedGlobal(T&, V) -> ScopedGlobal<T>;
