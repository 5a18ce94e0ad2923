#pragma once
// The version box; it does nothing but close.
#include "framework/CDialog.h"
#include "resources/resource.h"

class AboutDialog : public CDialog {
public:
    AboutDialog() : CDialog(IDD_ABOUTBOX) {}
    ~AboutDialog() override = default;
};
