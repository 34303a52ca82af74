#pragma once

#include <QString>
#include <memory>

struct cups_dest_s;

namespace platform {

// One queue of the CUPS scheduler, looked up by name when the object is made. The scheduler itself is asked,
// never a list that tests put in place: a job goes to the real queue.
class CupsQueue {
public:
    explicit CupsQueue(const QString& name);
    ~CupsQueue();

    // Whether the scheduler has a queue of that name.
    bool exists() const { return m_dest != nullptr; }
    // An option the scheduler tells of the queue ("device-uri", ...); empty when it tells none.
    QString option(const char* name) const;

    // Whether the scheduler granted the last request this thread sent it. CUPS keeps that status per
    // thread; the lookup of a queue that exists leaves a granted one.
    static bool lastRequestGranted();

private:
    struct Free {
        void operator()(cups_dest_s* dest) const;
    };
    std::unique_ptr<cups_dest_s, Free> m_dest;
};

}  // namespace platform
