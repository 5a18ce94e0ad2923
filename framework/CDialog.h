#pragma once
// Dialogs from resource templates: modal with our own loop, or modeless children.
#include "framework/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; the loop offers every message to PreTranslateMessage before dispatch.
    INT_PTR DoModal();
    // Creates the dialog modeless (a child when the template says so).
    bool Create(UINT templateId, CWnd* parent);
    void EndDialog(INT_PTR result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    UINT templateId;
    CWnd* parentWnd;

private:
    HWND CreateFromTemplate(HWND parent);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    bool modalRunning = false;
    bool modalEnded = false;
    INT_PTR modalResult = -1;
};
