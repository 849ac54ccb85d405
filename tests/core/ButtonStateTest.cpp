// The button-state operations against the test toolbar: the same cases natively and under Wine.
#include "core/ButtonState.h"

#include <gtest/gtest.h>

#include "core/Buttons.h"
#include "resources/resource.h"
#include "tests/support/TestToolbar.h"

namespace {

const int UnknownCommands[] = {32779, ID_ABOUT, ID_EXIT, 12345, -1};

class ButtonState : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MakeTestToolbar()); }
    void TearDown() override { RemoveTestToolbar(); }
};

}  // namespace

// A real toolbar answers -1 here, which must not read as checked.
TEST_F(ButtonState, UnknownCommandsReadAsUpAndRefuseChanges) {
    for (int command : UnknownCommands) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(IsButtonChecked(command));
        EXPECT_FALSE(CheckButton(command, true));
        EXPECT_FALSE(IsButtonChecked(command));
        EXPECT_FALSE(EnableButton(command, false));
        EXPECT_FALSE(HideButton(command, true));
        EXPECT_FALSE(ClickTestButton(command));
    }
}

TEST_F(ButtonState, SettersAcceptEveryButtonPushButtonsToo) {
    for (const ButtonRow& row : Buttons) {
        const int command = row.command;
        SCOPED_TRACE(command);
        EXPECT_FALSE(IsButtonChecked(command));
        EXPECT_TRUE(CheckButton(command, true));
        EXPECT_TRUE(IsButtonChecked(command));
        EXPECT_TRUE(CheckButton(command, true));  // no change is still a yes
        EXPECT_TRUE(CheckButton(command, false));
        EXPECT_FALSE(IsButtonChecked(command));

        EXPECT_TRUE(EnableButton(command, false));
        EXPECT_FALSE(IsTestButtonEnabled(command));
        EXPECT_TRUE(EnableButton(command, true));
        EXPECT_TRUE(IsTestButtonEnabled(command));
        EXPECT_TRUE(HideButton(command, true));
        EXPECT_TRUE(IsTestButtonHidden(command));
        EXPECT_TRUE(HideButton(command, false));
        EXPECT_FALSE(IsTestButtonHidden(command));
    }
}

TEST_F(ButtonState, AClickTogglesOnlyAShownCheckButton) {
    for (const ButtonRow& row : Buttons) {
        const int command = row.command;
        SCOPED_TRACE(command);
        if (row.role == ButtonRole::Piece) {
            EXPECT_TRUE(ClickTestButton(command));
            EXPECT_TRUE(IsButtonChecked(command));
            EXPECT_TRUE(ClickTestButton(command));
            EXPECT_FALSE(IsButtonChecked(command));

            HideButton(command, true);
            EXPECT_FALSE(ClickTestButton(command));
            EXPECT_FALSE(IsButtonChecked(command));
            HideButton(command, false);
            continue;
        }
        EXPECT_TRUE(ClickTestButton(command));
        EXPECT_FALSE(IsButtonChecked(command));
        CheckButton(command, true);
        EXPECT_TRUE(ClickTestButton(command));
        EXPECT_TRUE(IsButtonChecked(command));
    }
}

TEST_F(ButtonState, WithoutAToolbarNothingIsCheckedAndNothingChanges) {
    RemoveTestToolbar();
    for (const ButtonRow& row : Buttons) {
        const int command = row.command;
        SCOPED_TRACE(command);
        EXPECT_FALSE(CheckButton(command, true));
        EXPECT_FALSE(IsButtonChecked(command));
        EXPECT_FALSE(EnableButton(command, true));
        EXPECT_FALSE(HideButton(command, false));
        EXPECT_FALSE(ClickTestButton(command));
    }
    EXPECT_TRUE(TestToolbarCalls().empty());
}
