#pragma once
// The history's place in the registry: the subkey History of the settings key. Every value is a
// UTF-16 REG_SZ written with the wide calls, so a name survives any code page: "Recent1" to
// "Recent10" hold the files opened last, newest first, "Place1" to "Place50" their places.
#include "settings/PlaybackHistory.h"

// Reads what can be read. A value of another type, too long, without its terminator, or naming
// a file the ANSI code page cannot spell, is left out as if absent.
void LoadHistory(const char* settingsKeyPath, PlaybackHistory* history);
// Replaces what is stored with history; an empty history leaves an empty key.
void SaveHistory(const char* settingsKeyPath, const PlaybackHistory& history);
