// Process entry: the one global application object and the hand-over to it.
#include "app/PlayerApp.h"
#include "media/BoundedCall.h"

namespace {
PlayerApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLineTail, int) {
    int exitCode = theApp.Start(instance, commandLineTail);
    EndProcessIfCallsAbandoned(static_cast<UINT>(exitCode));
    return exitCode;
}
