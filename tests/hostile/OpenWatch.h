#pragma once
// Watches the main window from a thread of its own while a test opens files: how long the window
// took to answer, whether a message box came up (it is closed and recorded), and whether a case
// hung (the process then ends with the case's name, rather than at the test runner's time-out).
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

class OpenWatch {
public:
    explicit OpenWatch(HWND window, DWORD hangLimitMs = 90000);
    ~OpenWatch();
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    void BeginCase(const std::string& name);
    // The longest the window took to answer one message since BeginCase, in milliseconds.
    DWORD LongestWait() const { return longestWait.load(); }
    // Titles of message boxes seen (and closed) since BeginCase.
    std::vector<std::string> TakeMessageBoxes();

private:
    static DWORD WINAPI Run(void* self);
    void Watch();
    void CloseStrayDialogs();

    HWND window;
    DWORD hangLimit;
    HANDLE thread = nullptr;
    std::atomic<bool> stopping{false};
    std::atomic<DWORD> caseStart{0};
    std::atomic<DWORD> longestWait{0};
    CRITICAL_SECTION lock;
    std::string caseName;
    std::vector<std::string> messageBoxes;
};

// True when the window answers a message sent from another thread within timeoutMs, while this
// (its own) thread keeps dispatching.
bool WindowAnswers(HWND window, DWORD timeoutMs);
