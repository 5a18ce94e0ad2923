#include "media/PinEntry.h"

PinEntry::PinEntry(IPin* pin) : pin(pin) {}

int PinEntry::Direction() const {
    if (!pin) return -1;
    PIN_DIRECTION direction = PINDIR_INPUT;
    if (FAILED(pin->QueryDirection(&direction))) return -1;
    return static_cast<int>(direction);
}
