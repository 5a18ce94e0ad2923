#pragma once
// The version box; it does nothing but close.
#include "framework/CDialog.h"
#include "resources/resource.h"

class AboutDialog : public CDialog {
public:
    explicit AboutDialog(CWnd* owner = nullptr) : CDialog(IDD_ABOUTBOX, owner) {}
    ~AboutDialog() override = default;
};
