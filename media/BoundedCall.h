#pragma once
// Calls that make the platform read a media file. Some damaged files keep such a call from ever
// returning (the splitter waits for data that never comes), so each runs on a thread of its own
// while the user-interface thread keeps painting and answering sent messages, and is given up
// after a time limit. A call given up on is abandoned where it hangs: it must own everything it
// touches (copies and its own references, never the caller's stack), since it may still run on,
// or never end. See EndProcessIfCallsAbandoned for the end of such a process.
#include <windows.h>

#include <functional>

struct BoundedWork;

// One call begun now and waited for later, so that reads which need nothing of each other overlap.
// Its limit counts from its start. An unfinished call is waited for when its holder goes.
class BoundedCall {
public:
    BoundedCall() = default;
    ~BoundedCall();
    BoundedCall(const BoundedCall&) = delete;
    BoundedCall& operator=(const BoundedCall&) = delete;

    // False when no worker could be had: the call then never runs.
    bool Start(std::function<void()> call);
    // True when the call finished within its limit. Input stays queued until then.
    bool Finish();

private:
    BoundedWork* work = nullptr;
    bool finished = false;
};

// Start and Finish at once.
bool CallWithinLimit(std::function<void()> call);

// Waits for an event set by another worker as a call is waited for: serving paints, for no longer
// than the limit of one call. True when the event came.
bool WaitWithinLimit(HANDLE event);

// True once a call has been given up on in this process.
bool AnyCallAbandoned();

// The last step of a process that may have given up on a call: an abandoned call may hold
// anything inside the platform's streaming code, so the process ends at once, with the given
// code, without the libraries' detach handlers. Returns only when nothing was abandoned.
// (Wine 8 still crashes ending the stuck thread, whatever ends the process: see
// scripts/platform/StuckThreadExit.cpp.)
void EndProcessIfCallsAbandoned(UINT exitCode);

// The limit for one call is 6 s: a sound file takes well under a second here. Tests shorten it
// for files known to hang; 0 restores the default.
void SetPlatformCallLimit(DWORD milliseconds);
