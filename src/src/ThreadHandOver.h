#ifndef THREADHANDOVER_H
#define THREADHANDOVER_H

// Marks where data passes from one thread to another through a library that orders the two out
// of ThreadSanitizer's sight. GLib and Qt wait on futexes and atomics inside libraries the
// sanitizer does not instrument, and GStreamer runs its streaming threads from a pool of threads
// made long before, so what the user-interface thread set up before starting a pipeline looks
// unordered against the pipeline's callbacks, and so does a function object queued to another
// thread's event loop against its call there.
//
// Each mark stands for an ordering the library really guarantees; anything else two threads
// share still needs a lock. Outside a ThreadSanitizer build every mark is empty and vanishes.
//
// Callbacks of a pipeline (pad-added handlers, pad probes, an element's streaming functions):
//   beforeCallbacks(owner)   on the owner's thread, after setting up what the callbacks use and
//                            before the pipeline starts (or, for an element, once it is built);
//   InCallback scope(owner)  for the whole of each callback: takes over what was set up, and
//                            hands back what the callback did when it returns;
//   afterCallbacks(owner)    on the owner's thread, once no callback can run any more (the
//                            pipeline is stopped, or the element released).
// The two directions use separate marks, so two callbacks are never ordered against each other by
// them: what callbacks on different streaming threads share, they lock.
//
// A call queued to another thread: queue(context, function) in place of
// QMetaObject::invokeMethod(context, function, Qt::QueuedConnection).

#include <QMetaObject>
#include <QObject>

#include <utility>

#if defined(__SANITIZE_THREAD__)
#define DOCUMENTCAMERA_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define DOCUMENTCAMERA_THREAD_SANITIZER 1
#endif
#endif

#ifdef DOCUMENTCAMERA_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace ThreadHandOver {

#ifdef DOCUMENTCAMERA_THREAD_SANITIZER

inline void sent(const void *mark)
{
    __tsan_release(const_cast<void *>(mark));
}

inline void received(const void *mark)
{
    __tsan_acquire(const_cast<void *>(mark));
}

// The mark of the way back: the owner's second byte (every owner is larger than one).
inline const void *returnMark(const void *owner)
{
    return static_cast<const char *>(owner) + 1;
}

inline void beforeCallbacks(const void *owner)
{
    sent(owner);
}

inline void afterCallbacks(const void *owner)
{
    received(returnMark(owner));
}

class InCallback
{
public:
    explicit InCallback(const void *owner)
        : owner(owner)
    {
        received(owner);
    }
    ~InCallback() { sent(returnMark(owner)); }
    InCallback(const InCallback &) = delete;
    InCallback &operator=(const InCallback &) = delete;

private:
    const void *owner;
};

// Qt builds the object that carries the call on the sending thread and calls it on the receiving
// one, which mostly destroys it too; the sending thread does when its own reference goes last.
// The function is handed over once it sits in that object: the last move, into the object, marks
// it sent; the call and the destruction take it over first, and the call hands it on when done.
template <typename Function>
class QueuedCall
{
public:
    explicit QueuedCall(Function &&function)
        : function(std::move(function))
    {
        sent(this);
    }
    QueuedCall(QueuedCall &&other)
        : function(std::move(other.function))
    {
        sent(this);
    }
    ~QueuedCall() { received(this); }
    QueuedCall(const QueuedCall &) = delete;
    QueuedCall &operator=(const QueuedCall &) = delete;
    QueuedCall &operator=(QueuedCall &&) = delete;

    void operator()()
    {
        received(this);
        function();
        sent(this);
    }

private:
    Function function;
};

template <typename Function>
void queue(QObject *context, Function function)
{
    QMetaObject::invokeMethod(context, QueuedCall<Function>(std::move(function)),
                              Qt::QueuedConnection);
}

#else

inline void beforeCallbacks(const void *)
{
}

inline void afterCallbacks(const void *)
{
}

class InCallback
{
public:
    explicit InCallback(const void *) {}
    InCallback(const InCallback &) = delete;
    InCallback &operator=(const InCallback &) = delete;
};

template <typename Function>
void queue(QObject *context, Function function)
{
    QMetaObject::invokeMethod(context, std::move(function), Qt::QueuedConnection);
}

#endif

} // namespace ThreadHandOver

#endif
