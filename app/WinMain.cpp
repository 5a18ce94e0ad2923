// Process entry: the one global application object and the hand-over to it.
#include "app/PlayerApp.h"

namespace {
PlayerApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLineTail, int) {
    return theApp.Start(instance, commandLineTail);
}
