#pragma once
// The application object: runs the main window as a modal dialog and ends with it.
#include "framework/CWinApp.h"

class PlayerApp : public CWinApp {
public:
    PlayerApp() = default;
    ~PlayerApp() override = default;

    // Always false: the modal main window is the program's only message loop.
    BOOL InitInstance() override;
};
