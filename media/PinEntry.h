#pragma once
// One pin of a filter, as the filter list shows it.
#include <windows.h>
#include <dshow.h>

#include "framework/Scoped.h"

class PinEntry {
public:
    // Takes over the caller's reference and gives it back when destroyed.
    explicit PinEntry(IPin* pin);
    virtual ~PinEntry() = default;
    PinEntry(const PinEntry&) = delete;
    PinEntry& operator=(const PinEntry&) = delete;

    // PINDIR_INPUT (0) or PINDIR_OUTPUT (1); -1 without a pin or when the pin will not say.
    int Direction() const;
    IPin* Pin() const { return pin.Get(); }

private:
    ScopedCom<IPin> pin;
};
