#include <gtest/gtest.h>

#include "windows/ControlTestParent.h"

// Handles are reused once a window is gone, so a binding left behind would hand a later window
// an object that no longer exists.
TEST(WindowBinding, ObjectsAreForgottenWithTheirWindowsWhoeverDestroysThem) {
    ControlTestParent& parent = SharedTestParent();
    const wchar_t* windowClass = CWnd::RegisterWindowClass(0, nullptr, nullptr, nullptr);
    CWnd container, inner, control, second;
    ASSERT_TRUE(container.CreateEx(0, windowClass, L"", WS_CHILD, {0, 0, 100, 100}, parent.m_hWnd, 1));
    ASSERT_TRUE(inner.CreateEx(0, windowClass, L"", WS_CHILD, {0, 0, 50, 50}, container.m_hWnd, 2));
    HWND staticControl = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 20, 20, container.m_hWnd, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(control.SubclassWindow(staticControl));
    EXPECT_FALSE(second.SubclassWindow(staticControl));  // one object per window
    HWND handles[] = {container.m_hWnd, inner.m_hWnd, staticControl};
    EXPECT_EQ(&container, CWnd::FromHandle(handles[0]));
    EXPECT_EQ(&inner, CWnd::FromHandle(handles[1]));
    EXPECT_EQ(&control, CWnd::FromHandle(handles[2]));

    ::DestroyWindow(container.m_hWnd);  // takes the children with it, behind their objects' backs
    for (HWND hwnd : handles) EXPECT_EQ(nullptr, CWnd::FromHandle(hwnd));
    EXPECT_EQ(nullptr, container.m_hWnd);
    EXPECT_EQ(nullptr, inner.m_hWnd);
    EXPECT_EQ(nullptr, control.m_hWnd);

    {
        CWnd shortLived;
        ASSERT_TRUE(shortLived.CreateEx(0, windowClass, L"", WS_CHILD, {0, 0, 10, 10}, parent.m_hWnd, 3));
        handles[0] = shortLived.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(handles[0]));
    EXPECT_EQ(nullptr, CWnd::FromHandle(handles[0]));
}
