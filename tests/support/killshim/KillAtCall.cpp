// Loaded into a child program with LD_PRELOAD by the kill tests. It counts the calls through
// which a program changes files (rename, link, unlink, write and their relatives, the stdio
// writes included) and kills the program with SIGKILL just before the K-th of them, with
// TW_KILL_AT=K. With TW_KILL_AT=0 it only counts, and writes the count to TW_KILL_COUNT_FILE
// when the program ends, so that a test can spread its kills over a whole run.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

std::atomic<long long> g_calls {0};

// The K of TW_KILL_AT: -1 before it is read, 0 when only counting.
long long killAt()
{
    static const long long at = [] {
        const char* text = std::getenv("TW_KILL_AT");
        return text ? std::atoll(text) : 0LL;
    }();
    return at;
}

void step()
{
    const long long call = ++g_calls;
    const long long at = killAt();
    if (at > 0 && call == at)
        ::kill(::getpid(), SIGKILL);
}

template <typename F> F real(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// Writes the count on the way out; the real open and write do not count themselves.
struct CountOnExit
{
    ~CountOnExit()
    {
        const char* path = std::getenv("TW_KILL_COUNT_FILE");
        if (!path)
            return;
        static auto open = real<int (*)(const char*, int, ...)>("open");
        static auto write = real<ssize_t (*)(int, const void*, size_t)>("write");
        const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        char text[32];
        const int length = std::snprintf(text, sizeof text, "%lld\n", g_calls.load());
        write(fd, text, static_cast<size_t>(length));
        ::close(fd);
    }
} g_countOnExit;

} // namespace

#define TW_COUNTED(ret, name, params, args)                                                                            \
    extern "C" ret name params                                                                                         \
    {                                                                                                                  \
        static auto next = real<ret(*) params>(#name);                                                                 \
        step();                                                                                                        \
        return next args;                                                                                              \
    }

TW_COUNTED(int, rename, (const char* from, const char* to), (from, to))
TW_COUNTED(int, renameat, (int fromDir, const char* from, int toDir, const char* to), (fromDir, from, toDir, to))
TW_COUNTED(int, renameat2, (int fromDir, const char* from, int toDir, const char* to, unsigned flags),
           (fromDir, from, toDir, to, flags))
TW_COUNTED(int, link, (const char* from, const char* to), (from, to))
TW_COUNTED(int, linkat, (int fromDir, const char* from, int toDir, const char* to, int flags),
           (fromDir, from, toDir, to, flags))
TW_COUNTED(int, unlink, (const char* path), (path))
TW_COUNTED(int, unlinkat, (int dir, const char* path, int flags), (dir, path, flags))
TW_COUNTED(ssize_t, write, (int fd, const void* buffer, size_t count), (fd, buffer, count))
TW_COUNTED(ssize_t, pwrite, (int fd, const void* buffer, size_t count, off_t offset), (fd, buffer, count, offset))
TW_COUNTED(ssize_t, pwrite64, (int fd, const void* buffer, size_t count, off64_t offset), (fd, buffer, count, offset))
TW_COUNTED(ssize_t, writev, (int fd, const struct iovec* vector, int count), (fd, vector, count))
TW_COUNTED(size_t, fwrite, (const void* buffer, size_t size, size_t count, FILE* stream), (buffer, size, count, stream))
