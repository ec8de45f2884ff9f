#pragma once

// In the ThreadSanitizer build, the end of a thread's run() is marked for
// the sanitizer, so that it knows what QThread::wait() guarantees: all the
// thread wrote happens before wait() returns. Qt's own libraries are not
// built with the sanitizer and cannot tell it. Elsewhere this is nothing.
#if defined(__SANITIZE_THREAD__)
#define ZANTOR_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZANTOR_TSAN 1
#endif
#endif

#ifdef ZANTOR_TSAN
#include <sanitizer/tsan_interface.h>
#define ZANTOR_THREAD_FINISHED(thread) __tsan_release(static_cast<void *>(static_cast<QThread *>(thread)))
#else
#define ZANTOR_THREAD_FINISHED(thread) static_cast<void>(thread)
#endif
