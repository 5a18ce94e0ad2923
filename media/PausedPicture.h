#pragma once
// The paused picture, painted again by the player. The platform's video renderer draws only the
// frames it receives (scripts/platform/PausedVideoRepaint.cpp): once its window has been resized,
// moved over stale bits or uncovered while the graph is paused, nothing paints the picture back.
#include <windows.h>

class PlaybackSession;

// Draws the paused session's picture into the renderer's window, which the session placed inside
// host. Does nothing unless the session is paused with video. The graph stays paused and its
// position reading stays what it was.
bool RepaintPausedPicture(PlaybackSession& session, HWND host);
