#include <gtest/gtest.h>

#include <set>

#include "resources/resource.h"
#include "ui/CommandRules.h"

namespace {
std::set<unsigned> Checked(const CommandState& s) {
    std::set<unsigned> found;
    for (unsigned id : kCheckedCommands)
        if (CommandChecked(s, id)) found.insert(id);
    return found;
}
std::set<unsigned> Greyed(const CommandState& s) {
    std::set<unsigned> found;
    for (unsigned id : kEnabledCommands)
        if (!CommandEnabled(s, id)) found.insert(id);
    return found;
}
}  // namespace

TEST(CommandRules, ChecksAndGreyingFollowTheOpenFileTheBarsAndTheMode) {
    //                     open   video  run    bar    status panel  full   frame  top    fit    rate
    const struct { CommandState state; std::set<unsigned> checked, greyed; } rows[] = {
        {{false, false, false, true, true, false, false, false, false, false, 1.0},
         {ID_VIEW_TOOLBAR, ID_VIEW_STATUSBAR, ID_SIZE_100},
         {ID_PLAY_PAUSE, ID_STOP, ID_FILE_CLOSE_CMD, ID_CAPTURE}},
        {{true, false, true, false, false, true, false, false, false, false, 0.5},
         {ID_VIEW_INFOPANEL, ID_SIZE_50},
         {ID_CAPTURE}},  // sound only: nothing to capture
        {{true, true, false, true, false, false, true, false, true, true, 2.0},
         {ID_VIEW_TOOLBAR, ID_VIEW_FULLSCREEN, ID_VIEW_TOPMOST, ID_SIZE_FIT},  // no rate while fitting
         {ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST}},
        {{true, true, false, false, true, false, false, true, false, false, 2.0},
         {ID_VIEW_STATUSBAR, ID_VIEW_FRAMELESS, ID_SIZE_200},
         {ID_VIEW_FULLSCREEN}},
        {{true, true, false, false, false, false, false, false, false, false, 0.0}, {}, {}},  // unreadable rate
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        EXPECT_EQ(row.checked, Checked(row.state));
        EXPECT_EQ(row.greyed, Greyed(row.state));
        EXPECT_EQ(row.state.running ? 5 : 3, PlayPauseImage(row.state));
    }
}
