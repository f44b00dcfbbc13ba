#pragma once

// A disk that fills up: while a DiskFullAfter lives, no file of this process may grow beyond the
// given size. It needs POSIX resource limits; where there are none (Windows), `kAvailable` is
// false and the tests that need it skip the case and say so.

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#endif

namespace velantra::test
{

class DiskFullAfter
{
public:
#if __has_include(<sys/resource.h>)
    static constexpr bool kAvailable = true;

    explicit DiskFullAfter(long bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        rlimit full = before_;
        full.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~DiskFullAfter()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit before_{};
    void (*handler_)(int);
#else
    static constexpr bool kAvailable = false;
    explicit DiskFullAfter(long) {}
#endif
public:
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;
};

// Why a case is left out where the limit is not available.
inline constexpr const char* kNoDiskFull = "no file size limits on this system";

} // namespace velantra::test
