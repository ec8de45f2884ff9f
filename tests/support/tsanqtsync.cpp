// Linked into every test of the ThreadSanitizer build (ZANTOR_TSAN) only.
//
// Qt from Debian is not built with the sanitizer, so the ordering its locks
// and thread waits give is invisible to it: a value written under a QMutex
// in one thread and read under the same QMutex in another looks like a
// race, and so does everything a finished thread wrote before
// QThread::wait() returned. These wrappers stand in for the few Qt entry
// points the suite calls and tell the sanitizer what they guarantee, then
// call Qt's own implementation. They add no locking of their own.

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

namespace {
template<typename F>
F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" {

// QMutex::lock()
void _ZN6QMutex4lockEv(void *mutex)
{
    static const auto f = real<void (*)(void *)>("_ZN6QMutex4lockEv");
    f(mutex);
    __tsan_acquire(mutex);
}

// QMutex::unlock()
void _ZN6QMutex6unlockEv(void *mutex)
{
    static const auto f = real<void (*)(void *)>("_ZN6QMutex6unlockEv");
    __tsan_release(mutex);
    f(mutex);
}

// QMutex::tryLock(int)
bool _ZN6QMutex7tryLockEi(void *mutex, int timeout)
{
    static const auto f = real<bool (*)(void *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = f(mutex, timeout);
    if (locked)
        __tsan_acquire(mutex);
    return locked;
}

// QBasicMutex::lockInternal(), the contended path of the inline lock().
void _ZN11QBasicMutex12lockInternalEv(void *mutex)
{
    static const auto f = real<void (*)(void *)>("_ZN11QBasicMutex12lockInternalEv");
    f(mutex);
    __tsan_acquire(mutex);
}

// QBasicMutex::lockInternal(int)
bool _ZN11QBasicMutex12lockInternalEi(void *mutex, int timeout)
{
    static const auto f = real<bool (*)(void *, int)>("_ZN11QBasicMutex12lockInternalEi");
    const bool locked = f(mutex, timeout);
    if (locked)
        __tsan_acquire(mutex);
    return locked;
}

// QBasicMutex::unlockInternal(), the contended path of the inline unlock().
void _ZN11QBasicMutex14unlockInternalEv(void *mutex)
{
    static const auto f = real<void (*)(void *)>("_ZN11QBasicMutex14unlockInternalEv");
    __tsan_release(mutex);
    f(mutex);
}

// QWaitCondition::wait(QMutex *, unsigned long): the mutex is given up
// while waiting and taken again before returning.
bool _ZN14QWaitCondition4waitEP6QMutexm(void *condition, void *mutex, unsigned long time)
{
    static const auto f = real<bool (*)(void *, void *, unsigned long)>("_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(mutex);
    const bool woken = f(condition, mutex, time);
    __tsan_acquire(mutex);
    return woken;
}

// QThread::wait(unsigned long): once it returns true the thread's run()
// has returned (see ZANTOR_THREAD_FINISHED).
bool _ZN7QThread4waitEm(void *thread, unsigned long time)
{
    static const auto f = real<bool (*)(void *, unsigned long)>("_ZN7QThread4waitEm");
    const bool finished = f(thread, time);
    if (finished)
        __tsan_acquire(thread);
    return finished;
}

} // extern "C"

namespace {
// QDeadlineTimer's layout, passed by value like it.
struct Deadline
{
    long long t1;
    unsigned t2;
    int type;
};
} // namespace

extern "C" {

// QThread::wait(QDeadlineTimer)
bool _ZN7QThread4waitE14QDeadlineTimer(void *thread, Deadline deadline)
{
    static const auto f = real<bool (*)(void *, Deadline)>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool finished = f(thread, deadline);
    if (finished)
        __tsan_acquire(thread);
    return finished;
}

// QWaitCondition::wait(QMutex *, QDeadlineTimer)
bool _ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer(void *condition, void *mutex, Deadline deadline)
{
    static const auto f =
        real<bool (*)(void *, void *, Deadline)>("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(mutex);
    const bool woken = f(condition, mutex, deadline);
    __tsan_acquire(mutex);
    return woken;
}

} // extern "C"
