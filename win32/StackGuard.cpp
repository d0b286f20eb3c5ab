// The stack protector's guard and its two failure calls, in place of GCC's own. GCC seeds the
// guard from a cryptographic provider, which loads advapi32, crypt32, bcrypt and rsaenh before
// the program's first window. The guard needs only to be unknown to whoever feeds the program
// input, so it is seeded as Windows' own compilers seed their security cookie: the clock, the
// process and thread, the performance counter and a randomised stack address, mixed.

#include <windows.h>

#include <cstdint>

extern "C" {

// Read by every protected function; written once, before any of them runs.
std::uintptr_t __stack_chk_guard = 0x2B992DDFA232;

// A guard found overwritten, or a fortified call about to overrun its buffer: the program ends
// at once, as Windows ends one whose security cookie was overwritten.
[[noreturn]] void __stack_chk_fail() {
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_unreachable();
}

[[noreturn]] void __chk_fail() {
    __stack_chk_fail();
}
}

namespace {

// Before every other static constructor, none of which then runs with the old guard on its stack.
__attribute__((constructor(101), no_stack_protector)) void seedStackGuard() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    std::uint64_t guard = (std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    guard ^= GetCurrentThreadId();
    guard ^= std::uint64_t(GetCurrentProcessId()) << 32;
    guard ^= GetTickCount64() << 24;
    guard ^= (std::uint64_t(counter.QuadPart) << 32) ^ std::uint64_t(counter.QuadPart);
    guard ^= reinterpret_cast<std::uintptr_t>(&guard);
    // The top bytes zero, so that a string copy that runs over the guard cannot write it back.
    guard &= 0x0000FFFFFFFFFFFF;
    __stack_chk_guard = guard != 0 ? guard : 0x2B992DDFA232;
}

} // namespace
