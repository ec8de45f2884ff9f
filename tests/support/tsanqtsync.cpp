// Linked into every test of the ThreadSanitizer build (ZANTOR_TSAN) only.
//
// Qt from Debian is not built with the sanitizer, so the ordering its locks
// and thread waits give is invisible to it: a value written under a QMutex
// in one thread and read under the same QMutex in another looks like a
// race, and so does everything a finished thread wrote before
// QThread::wait() returned. These wrappers stand in for the few Qt entry
// points the suite calls and tell the sanitizer what they guarantee, then
// call Qt's own implementation. They add no locking of their own.

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void *, size_t),
                                                        void (*free_hook)(const volatile void *));

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

// Queued and blocking-queued calls of a function object. Qt posts the call
// as an event to the receiver's thread under its own post-event lock and,
// for a blocking call, wakes the caller through a semaphore once the call
// has returned; both are atomics inside QtCore. What Qt guarantees is
// stated here: what the caller did before invoking (including copying the
// function object's captures) happens before the call runs, and for a
// blocking call the call happens before the invocation returns. The
// sanitizer's synchronisation object is the receiver itself (and one byte
// into it for the call's end), so only calls to the same object are
// ordered; the acquire comes before the event is looked at.
namespace {
void *callDone(const QObject *object)
{
    return const_cast<char *>(reinterpret_cast<const char *>(object)) + 1;
}

template<typename Real>
bool deliver(Real real, QObject *receiver, QEvent *event)
{
    __tsan_acquire(receiver);
    const bool handled = real(receiver, event);
    __tsan_release(callDone(receiver));
    return handled;
}
} // namespace

bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot, Qt::ConnectionType type,
                                   void *ret)
{
    using Invoke = bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *);
    static const auto f = real<Invoke>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    // For a blocking call QtCore drops its reference to the function object
    // before the wait's end is known here; an extra reference keeps it
    // alive until then, so it is freed either by the receiving thread or
    // here after the acquire.
    const bool blocking = type == Qt::BlockingQueuedConnection;
    if (blocking)
        slot->ref();
    __tsan_release(object);
    const bool invoked = f(object, slot, type, ret);
    if (blocking) {
        if (invoked)
            __tsan_acquire(callDone(object));
        slot->destroyIfLastRef();
    }
    return invoked;
}

// The event handlers of the suite's QObject and QThread subclasses (their
// virtual tables refer to these, Qt's own classes keep Qt's).
bool QObject::event(QEvent *event)
{
    static const auto f = real<bool (*)(QObject *, QEvent *)>("_ZN7QObject5eventEP6QEvent");
    return deliver(f, this, event);
}

bool QThread::event(QEvent *event)
{
    static const auto f = real<bool (*)(QObject *, QEvent *)>("_ZN7QThread5eventEP6QEvent");
    return deliver(f, this, event);
}

// Implicitly shared data (strings, byte arrays, lists, maps) keeps its
// reference count in the first word of its block. The owner that drops the
// last reference frees the block, after every other owner has released it
// through that count; when the release happened in the suite's code the
// sanitizer saw it, but the free usually happens inside QtCore, where it
// sees no matching acquire. The free hook supplies that acquire. It orders
// a free only after atomic releases on the block's first word.
namespace {
void onMalloc(const volatile void *, size_t) {}

void onFree(const volatile void *block)
{
    __tsan_acquire(const_cast<void *>(block));
}

// The runtime takes both hooks or none.
[[maybe_unused]] const int freeHookInstalled = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
} // namespace
