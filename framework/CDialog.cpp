#include "framework/CDialog.h"

#include "framework/CWinApp.h"

namespace {
CDialog* creatingDialog = nullptr;  // the dialog whose template is being instantiated
}

CDialog::CDialog(UINT id, CWnd* parent) : templateId(id), parentWnd(parent) {}

CDialog::~CDialog() = default;

HWND CDialog::CreateFromTemplate(HWND parent) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEW>(LockResource(loaded)) : nullptr;
    if (!dialogTemplate) return nullptr;

    CDialog* outer = creatingDialog;
    creatingDialog = this;
    HWND hwnd = CreateDialogIndirectParamW(instance, dialogTemplate, parent, DialogProc, 0);
    creatingDialog = outer;
    if (!hwnd) return nullptr;
    if (!m_hWnd) SubclassWindow(hwnd);
    return hwnd;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
    CDialog* dialog = dynamic_cast<CDialog*>(FromHandle(hwnd));
    if (!dialog && creatingDialog && !creatingDialog->m_hWnd) {
        // First sight of the new dialog: route everything from now on through our window procedure.
        dialog = creatingDialog;
        dialog->SubclassWindow(hwnd);
        if (message != WM_INITDIALOG) return FALSE;
    }
    if (dialog && message == WM_INITDIALOG) return dialog->OnInitDialog();
    return FALSE;
}

INT_PTR CDialog::DoModal() {
    HWND owner = parentWnd ? parentWnd->GetSafeHwnd() : nullptr;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd != this && AfxGetApp()->m_pMainWnd)
        owner = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);

    modalRunning = true;
    modalEnded = false;
    modalResult = -1;
    if (!CreateFromTemplate(owner)) {
        modalRunning = false;
        if (ownerWasEnabled) EnableWindow(owner, TRUE);
        return -1;
    }
    if (!modalEnded) ShowWindow(m_hWnd, SW_SHOW);

    MSG msg;
    while (!modalEnded) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT belongs to whoever runs the outer loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    modalRunning = false;
    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    DestroyWindow();
    return modalResult;
}

bool CDialog::Create(UINT id, CWnd* parent) {
    templateId = id;
    parentWnd = parent;
    return CreateFromTemplate(parent ? parent->GetSafeHwnd() : nullptr) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    modalResult = result;
    if (modalRunning) {
        modalEnded = true;
        if (m_hWnd) PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
    } else {
        DestroyWindow();
    }
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::PreTranslateMessage(MSG* msg) {
    return m_hWnd && IsDialogMessageW(m_hWnd, msg);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) <= BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
