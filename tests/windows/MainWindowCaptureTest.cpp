// Ctrl+C on a playing clip, typed as real keys: the frame goes to the file named in the save dialog.
#include <fstream>

#include "MainWindowFixture.h"

namespace {
HWND mainWindow;
std::string savedName;
std::wstring fileTypes;

// Runs inside the save dialog's modal loop: reads its file types, types the name and confirms.
void CALLBACK AnswerSaveDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindVisibleWindow(nullptr, L"#32770", mainWindow);
    if (!dialog || !fileTypes.empty()) return;
    wchar_t types[200] = {};
    GetDlgItemTextW(dialog, 0x470 /* cmb1 */, types, 200);
    fileTypes = types;
    // Explorer-style dialogs keep the name in cmb13, older ones in edt1.
    if (!SetDlgItemTextA(dialog, 0x47C, savedName.c_str())) SetDlgItemTextA(dialog, 0x480, savedName.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST_F(MainWindowTest, CtrlCSavesThePlayingFrameUnderTheTypedName) {
    std::string folder = TestScratchFolder("capture-keys");
    ASSERT_EQ(1, window->OpenMedia(TestMediaPath("bars30.avi").c_str(), true));
    PumpAsDialog(700);
    mainWindow = window->m_hWnd;
    savedName = folder + "\\frame";  // the dialog adds the extension
    fileTypes.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerSaveDialog);
    SetForegroundWindow(window->m_hWnd);
    SetFocus(window->m_hWnd);
    PumpAsDialog(100);
    PlayInput({KeyStep(VK_CONTROL, false), KeyStep('C', false), KeyStep('C', true), KeyStep(VK_CONTROL, true)},
              [&] { PumpAsDialog(); }, 1500);
    KillTimer(nullptr, timer);
    EXPECT_EQ(L"ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)", fileTypes);

    std::ifstream file(folder + "\\frame.bmp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.size(), *reinterpret_cast<const DWORD*>(bytes.data() + 2));
    EXPECT_EQ(320, *reinterpret_cast<const LONG*>(bytes.data() + 18));  // the clip's own size
    EXPECT_TRUE(Playing());  // playback goes on
}
