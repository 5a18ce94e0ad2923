#include "audio/FaultGuard.h"

#include <windows.h>

namespace {

// Where the guarded call began; __builtin_setjmp keeps five words. One per thread, innermost
// guard first (a guarded call may run another).
struct Guard {
    void* jump[5];
};
DWORD guardSlot = TLS_OUT_OF_INDEXES;

bool IsHardwareFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
        return true;
    default:
        return false;
    }
}

// Entered instead of the faulting instruction, on the faulting thread, once the handler returned.
__attribute__((noinline, noreturn)) void ResumeAtGuard() {
    Guard* guard = static_cast<Guard*>(TlsGetValue(guardSlot));
    __builtin_longjmp(guard->jump, 1);
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* info) {
    if (!TlsGetValue(guardSlot) || !IsHardwareFault(info->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    // Below the faulting frame, aligned as a call would leave the stack, with room for the
    // callee's home space.
    CONTEXT* context = info->ContextRecord;
    context->Rsp = ((context->Rsp - 512) & ~static_cast<DWORD64>(15)) - 8;
    context->Rip = reinterpret_cast<DWORD64>(&ResumeAtGuard);
    return EXCEPTION_CONTINUE_EXECUTION;
}

bool InstallHandler() {
    guardSlot = TlsAlloc();
    return guardSlot != TLS_OUT_OF_INDEXES && AddVectoredExceptionHandler(1, OnFault) != nullptr;
}

}  // namespace

__attribute__((noinline)) bool RunGuarded(const std::function<void()>& call) {
    static const bool installed = InstallHandler();
    Guard guard;
    void* outer = installed ? TlsGetValue(guardSlot) : nullptr;
    bool finished = false;
    if (__builtin_setjmp(guard.jump) == 0) {
        if (installed) TlsSetValue(guardSlot, &guard);
        try {
            call();
            finished = true;
        } catch (...) {
        }
    }
    if (installed) TlsSetValue(guardSlot, outer);
    return finished;
}
