#pragma once
// Calls into a driver library that may fault. A C++ catch in a MinGW build does not see an access
// violation (a structured exception), so a vectored handler takes the faults raised inside a
// guarded call and resumes the thread where the guard began.
#include <functional>

// Runs call; false when it raised a C++ exception or a hardware fault (access violation and the
// like), which then end the call instead of the process. A fault outside any guard goes on to
// the process's own handling as before.
bool RunGuarded(const std::function<void()>& call);
