// A lock for data touched by one thread re-entrantly or by several threads.
// On Windows a CRITICAL_SECTION; elsewhere (host-built tests) a std::mutex.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>
#endif

class CriticalSection {
public:
#ifdef _WIN32
    CriticalSection() { InitializeCriticalSection(&m_section); }
    ~CriticalSection() { DeleteCriticalSection(&m_section); }
    void Enter() { EnterCriticalSection(&m_section); }
    void Leave() { LeaveCriticalSection(&m_section); }
#else
    CriticalSection() = default;
    void Enter() { m_mutex.lock(); }
    void Leave() { m_mutex.unlock(); }
#endif
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    class Lock {
    public:
        explicit Lock(CriticalSection& section) : m_section(section) { m_section.Enter(); }
        ~Lock() { m_section.Leave(); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        CriticalSection& m_section;
    };

private:
#ifdef _WIN32
    CRITICAL_SECTION m_section;
#else
    std::mutex m_mutex;
#endif
};
