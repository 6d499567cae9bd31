// Preloaded into a child process: the moment it would rename a file onto
// "…Zefirak.reg" (the commit of the settings file), it is killed instead.
// Every other rename goes through to the C library.
#include <dlfcn.h>

#include <csignal>
#include <cstring>

namespace {

void KillIfSettings(const char* to)
{
    const char tail[] = "Zefirak.reg";
    const size_t n = std::strlen(to), t = sizeof tail - 1;
    if (n >= t && std::strcmp(to + n - t, tail) == 0)
        std::raise(SIGKILL);
}

template <typename F>
F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

int rename(const char* from, const char* to)
{
    KillIfSettings(to);
    return Next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    KillIfSettings(to);
    return Next<int (*)(int, const char*, int, const char*)>("renameat")(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    KillIfSettings(to);
    return Next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(fromDir, from, toDir, to, flags);
}
}
