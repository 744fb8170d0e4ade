// Running a piece of code on a thread with a small stack: deep input must be
// refused with a message long before it could exhaust the stack.
#pragma once

#include <pthread.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <stdexcept>

namespace tarvix::testing {

// 256 KiB; four times as much under AddressSanitizer, whose unoptimised
// frames with their guard zones are about four times as large.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr std::size_t kSmallStackBytes = 1024 * 1024;
#else
inline constexpr std::size_t kSmallStackBytes = 256 * 1024;
#endif

// Runs `work` on a new thread whose stack holds `bytes` and waits for it; an
// exception it throws is thrown again here. A stack overflow ends the process.
inline void RunOnSmallStack(const std::function<void()>& work,
                            std::size_t bytes = kSmallStackBytes) {
    struct Job {
        const std::function<void()>* Work;
        std::exception_ptr Error;
    } job{&work, nullptr};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    const int created = pthread_create(
        &thread, &attributes,
        +[](void* data) -> void* {
            Job& j = *static_cast<Job*>(data);
            try {
                (*j.Work)();
            } catch (...) {
                j.Error = std::current_exception();
            }
            return nullptr;
        },
        &job);
    pthread_attr_destroy(&attributes);
    if (created != 0) throw std::runtime_error("no thread with a small stack");
    pthread_join(thread, nullptr);
    if (job.Error) std::rethrow_exception(job.Error);
}

}  // namespace tarvix::testing
