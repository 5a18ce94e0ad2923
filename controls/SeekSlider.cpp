#include "controls/SeekSlider.h"

#include <windowsx.h>

#include <new>

#include "framework/Scoped.h"

namespace {
const DWORD kSliderStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

int ClampToRange(int value, int minimum, int maximum) {
    if (value < minimum) return minimum;
    if (value > maximum) return maximum;
    return value;
}

void FillWith(HDC dc, const RECT& rect, COLORREF color) {
    ScopedGdiObject brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Brush());
}

// One pen per stroke, so nothing stays selected in the context afterwards.
void Polyline3(HDC dc, COLORREF color, POINT a, POINT b, POINT c) {
    ScopedGdiObject pen(CreatePen(PS_SOLID, 1, color));
    ScopedSelect select(dc, pen.Get());
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    LineTo(dc, c.x, c.y);
}
}  // namespace

SeekSlider::~SeekSlider() {
    // Destroy while this class's handlers still run, so the buffer goes with the window.
    if (HasWindow()) DestroyWindow();
}

bool SeekSlider::Create(HWND parent, const RECT& rect, UINT id) {
    const wchar_t* windowClass = RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CWnd::CreateEx(0, windowClass, L"", kSliderStyle, rect, parent, id);
}

void SeekSlider::LoadSystemColors() {
    colors.face = GetSysColor(COLOR_BTNFACE);
    colors.highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    colors.shadow = GetSysColor(COLOR_BTNSHADOW);
    colors.darkShadow = GetSysColor(COLOR_3DDKSHADOW);
    colors.channel = RGB(0, 0, 0);
}

void SeekSlider::SetRange(int minimum, int maximum) {
    minValue = minimum;
    maxValue = maximum;
}

int SeekSlider::SetPos(int value, bool redraw, bool notify) {
    position = ClampToRange(value, minValue, maxValue);
    if (redraw && HasWindow()) {
        InvalidateRect(m_hWnd, nullptr, TRUE);
        UpdateWindow(m_hWnd);
    }
    if (notify) NotifyScroll();
    return 1;
}

void SeekSlider::SetSelection(int start, int end, bool redraw) {
    start = ClampToRange(start, minValue, maxValue);
    end = ClampToRange(end, minValue, maxValue);
    selectionStart = start < end ? start : end;
    selectionEnd = start < end ? end : start;
    if (redraw && HasWindow()) {
        InvalidateRect(m_hWnd, nullptr, TRUE);
        UpdateWindow(m_hWnd);
    }
}

RECT SeekSlider::ChannelRect() const {
    RECT client = {};
    if (m_hWnd) GetClientRect(m_hWnd, &client);
    return SliderChannelRect(SliderInnerRect(client, inset), channelThickness);
}

RECT SeekSlider::ThumbRect() const {
    return SliderThumbRect(ChannelRect(), position, minValue, maxValue, thumbWidth, thumbHeight);
}

SliderPart SeekSlider::HitTest(POINT point) const { return SliderHitTest(point, ThumbRect(), ChannelRect()); }

int SeekSlider::PositionFromX(int x) const {
    RECT client = {};
    if (m_hWnd) GetClientRect(m_hWnd, &client);
    return SliderPositionFromX(x, client.right, inset, minValue, maxValue);
}

void SeekSlider::NotifyScroll() {
    HWND parent = HasWindow() ? GetParent(m_hWnd) : nullptr;
    if (!parent) return;
    WPARAM code = (static_cast<WPARAM>(static_cast<WORD>(position)) << 16) | SB_THUMBPOSITION;
    SendMessageW(parent, WM_HSCROLL, code, reinterpret_cast<LPARAM>(m_hWnd));
}

void SeekSlider::NotifyCommand() {
    HWND parent = HasWindow() ? GetParent(m_hWnd) : nullptr;
    if (!parent) return;
    WORD id = static_cast<WORD>(GetWindowLongW(m_hWnd, GWL_ID));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT SeekSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        Paint();
        break;
    case WM_SIZE:
        OnSize();
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(lParam);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(lParam);
        break;
    case WM_RBUTTONUP:
        OnRButtonUp();
        break;
    }
    return result;
}

int SeekSlider::OnCreate(CREATESTRUCTW*) { return Default() == -1 ? -1 : 0; }

void SeekSlider::OnDestroy() {
    backBuffer.reset();
    Default();
}

void SeekSlider::OnSize() {
    backBuffer.reset(new (std::nothrow) BackBuffer);
    if (backBuffer) backBuffer->Create(m_hWnd);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    thumbHeight = client.bottom;
    InvalidateRect(m_hWnd, nullptr, TRUE);
    UpdateWindow(m_hWnd);
}

void SeekSlider::Paint() {
    ScopedGetDC windowDc(m_hWnd);
    if (!windowDc) return;
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    HDC memoryDc = backBuffer ? backBuffer->Context() : nullptr;
    // A buffer whose creation failed has nothing to copy: draw straight to the window then.
    if (!memoryDc) {
        DrawFrame(windowDc, client);
        return;
    }
    DrawFrame(memoryDc, client);
    int width = client.right;
    int height = client.bottom;
    if (backBuffer->Width() == width && backBuffer->Height() == height)
        BitBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
    else
        StretchBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, backBuffer->Width(), backBuffer->Height(),
                   SRCCOPY);
}

void SeekSlider::DrawFrame(HDC dc, const RECT& client) const {
    RECT ch = ChannelRect();
    RECT t = ThumbRect();
    FillWith(dc, client, colors.face);
    FillWith(dc, ch, colors.channel);
    Polyline3(dc, colors.darkShadow, {ch.left, ch.bottom - 1}, {ch.left, ch.top}, {ch.right, ch.top});
    Polyline3(dc, colors.highlight, {ch.right, ch.top}, {ch.right, ch.bottom - 1}, {ch.left, ch.bottom - 1});
    FillWith(dc, t, colors.face);
    Polyline3(dc, colors.highlight, {t.left + 1, t.bottom - 2}, {t.left + 1, t.top + 1}, {t.right - 2, t.top + 1});
    Polyline3(dc, colors.darkShadow, {t.right - 1, t.top}, {t.right - 1, t.bottom - 1}, {t.left, t.bottom - 1});
    Polyline3(dc, colors.shadow, {t.right - 2, t.top + 1}, {t.right - 2, t.bottom - 2}, {t.left + 1, t.bottom - 2});
}

void SeekSlider::OnLButtonDown(LPARAM lParam) {
    SetFocus(m_hWnd);
    if (tracking) return;
    if (!HasWindow() || minValue == maxValue || !IsWindowEnabled(m_hWnd)) return;
    SetCapture(m_hWnd);
    pressPoint = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    tracking = true;
    pressPart = HitTest(pressPoint);
    if (pressPart == SliderChannel || pressPart == SliderChannelSide) SetPos(PositionFromX(pressPoint.x), true, true);
}

void SeekSlider::OnMouseMove(LPARAM lParam) {
    if (!tracking || pressPart == SliderNone) return;
    SetPos(PositionFromX(GET_X_LPARAM(lParam)), true, true);
}

void SeekSlider::OnLButtonUp(LPARAM lParam) {
    if (!tracking) return;
    ReleaseCapture();
    tracking = false;
    if (pressPart != SliderNone) SetPos(PositionFromX(GET_X_LPARAM(lParam)), true, true);
}

void SeekSlider::OnRButtonUp() {
    SetSelection(minValue, maxValue, true);
    NotifyCommand();
}
