#pragma once
#include <windows.h>
#include <strmif.h>

// A media type filled by a DirectShow query belongs to the caller: its block and pUnk go back here.
class ScopedMediaType {
public:
    ScopedMediaType() { ZeroMemory(&type, sizeof(type)); }
    ~ScopedMediaType() {
        if (type.pbFormat) CoTaskMemFree(type.pbFormat);
        if (type.pUnk) type.pUnk->Release();
    }
    ScopedMediaType(const ScopedMediaType&) = delete;
    ScopedMediaType& operator=(const ScopedMediaType&) = delete;
    AM_MEDIA_TYPE* Get() { return &type; }

private:
    AM_MEDIA_TYPE type;
};
