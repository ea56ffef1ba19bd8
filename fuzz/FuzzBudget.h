#pragma once
// What one fuzz input may cost: a target that holds a FuzzBudget for the length of an input
// aborts (and so reports the input) when the input took more processor time than allowed or
// made the heap grow by more than the memory allowed at any moment, so slow and greedy inputs
// are findings just like crashes. Processor time of the thread, not the clock, so a busy
// machine does not make findings of its own; the heap is followed through the sanitizer
// allocator's hooks.

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>

namespace quillbat::fuzz {

inline std::atomic<long long> liveBytes{0};
inline std::atomic<long long> peakBytes{0};

inline void OnMalloc(const volatile void*, std::size_t size) {
    long long now = liveBytes += static_cast<long long>(size);
    for (long long peak = peakBytes; now > peak && !peakBytes.compare_exchange_weak(peak, now);) {}
}

inline void OnFree(const volatile void* pointer) {
    liveBytes -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer)));
}

class FuzzBudget {
public:
    explicit FuzzBudget(std::chrono::milliseconds time = std::chrono::milliseconds(1000),
                        long long heapBytes = 200ll << 20)
        : time_(time), heapBytes_(heapBytes) {
        static const bool hooked = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
        (void)hooked;
        startBytes_ = liveBytes;
        peakBytes = startBytes_;
    }
    ~FuzzBudget() {
        auto took = std::chrono::duration_cast<std::chrono::milliseconds>(ThreadTime() - start_);
        long long grew = peakBytes - startBytes_;
        if (took > time_) Fail("took %lld ms", static_cast<long long>(took.count()));
        if (grew > heapBytes_) Fail("grew the heap by %lld bytes", grew);
    }
    FuzzBudget(const FuzzBudget&) = delete;
    FuzzBudget& operator=(const FuzzBudget&) = delete;

private:
    static std::chrono::nanoseconds ThreadTime() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    }

    static void Fail(const char* format, long long amount) {
        std::fprintf(stderr, "==fuzz budget== this input ");
        std::fprintf(stderr, format, amount);
        std::fprintf(stderr, "\n");
        std::abort();
    }

    std::chrono::milliseconds time_;
    long long heapBytes_;
    long long startBytes_ = 0;
    std::chrono::nanoseconds start_ = ThreadTime();
};

}  // namespace quillbat::fuzz
