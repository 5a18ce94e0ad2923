#pragma once
// Owner-drawn horizontal seek slider, drawn through a back buffer.
#include <memory>

#include "controls/BackBuffer.h"
#include "controls/SliderGeometry.h"
#include "framework/CWnd.h"

struct SliderColors {
    COLORREF face;
    COLORREF highlight;
    COLORREF shadow;
    COLORREF darkShadow;
    COLORREF channel;
};

class SeekSlider : public CWnd {
public:
    SeekSlider() = default;
    ~SeekSlider() override;

    // Registers the class and creates the window (style 0x52000000) with the given id.
    bool Create(HWND parent, const RECT& rect, UINT id);
    void LoadSystemColors();
    void SetRange(int minimum, int maximum);
    int SetPos(int value, bool redraw, bool notify);
    int GetPos() const { return position; }
    bool IsTracking() const { return tracking; }
    void SetSelection(int start, int end, bool redraw);
    // The part under a client point, with the current size and position.
    SliderPart HitTest(POINT point) const;
    RECT ChannelRect() const;
    RECT ThumbRect() const;

    bool PreTranslateMessage(MSG* msg) override { return CWnd::PreTranslateMessage(msg); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnDestroy() override;

private:
    void NotifyScroll();
    void NotifyCommand();
    void Paint();
    void DrawFrame(HDC dc, const RECT& client) const;
    int PositionFromX(int x) const;
    void OnSize();
    void OnLButtonDown(LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void OnLButtonUp(LPARAM lParam);
    void OnRButtonUp();

    SliderColors colors = {};
    int thumbWidth = 10;
    int thumbHeight = 0;
    int channelThickness = 5;
    int inset = 7;
    std::unique_ptr<BackBuffer> backBuffer;
    int maxValue = 100;
    int minValue = 0;
    int position = 0;
    int selectionStart = -1;
    int selectionEnd = -1;
    bool tracking = false;
    POINT pressPoint = {};
    SliderPart pressPart = SliderNone;
};
