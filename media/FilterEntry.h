#pragma once
// One filter of a graph with its name and pins, and the way to its property pages.
#include <windows.h>
#include <dshow.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Scoped.h"
#include "media/PinEntry.h"

class FilterEntry {
public:
    // Takes over the caller's reference and gives it back when destroyed.
    explicit FilterEntry(IBaseFilter* filter);
    virtual ~FilterEntry();
    FilterEntry(const FilterEntry&) = delete;
    FilterEntry& operator=(const FilterEntry&) = delete;

    // Reads the pins afresh; the number of pin slots.
    int RefreshPins();
    void ClearPins();
    // Reads the name afresh; on failure the old name stays.
    bool RefreshName();
    // The n-th pin (from 0) of the given direction, skipping empty slots.
    PinEntry* GetNthPin(PIN_DIRECTION direction, int n) const;
    bool HasPropertyPages() const;
    // Runs the modal property frame; true when it was shown.
    bool ShowPropertyPages(HWND owner) const;

    IBaseFilter* Filter() const { return filter.Get(); }
    // Gives the filter back early, pins first (they must not outlive the filter's place in its graph).
    void ReleaseFilter();
    // In the ANSI code page, or null when the filter never told it.
    const char* Name() const { return named ? name.c_str() : nullptr; }
    int PinCount() const { return static_cast<int>(pins.size()); }
    PinEntry* Pin(int index) const { return index >= 0 && index < PinCount() ? pins[index].get() : nullptr; }

private:
    bool AppendPin(IPin* pin);

    ScopedCom<IBaseFilter> filter;
    // In enumeration order; a slot is empty when its entry could not be made.
    std::vector<std::unique_ptr<PinEntry>> pins;
    std::string name;
    bool named = false;
};
