#pragma once
// One pin of a filter, as the filter list shows it.
#include <windows.h>
#include <dshow.h>

class PinEntry {
public:
    // An owning entry takes over the caller's reference and gives it back when destroyed.
    PinEntry(IPin* pin, bool ownsPin);
    virtual ~PinEntry();
    PinEntry(const PinEntry&) = delete;
    PinEntry& operator=(const PinEntry&) = delete;

    // PINDIR_INPUT (0) or PINDIR_OUTPUT (1); -1 without a pin or when the pin will not say.
    int Direction() const;
    IPin* Pin() const { return pin; }
    bool OwnsPin() const { return ownsPin; }

private:
    IPin* pin;
    bool ownsPin;
};
