#include "kit/joystick/joystick.h"

#include "kit/testing/virtual_pad.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <SDL2/SDL.h>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using kit::TGamePort;
using kit::TJoystick;

using kit::testing::VirtualPad;

struct Recorder {
    std::vector<std::pair<int, int>> moves;
    std::vector<std::pair<int, bool>> buttons;  // button number, pushed

    void attach(TJoystick& joystick) {
        joystick.SetOnJoyMove(
            [this](QObject*, std::int32_t& x, std::int32_t& y) { moves.emplace_back(x, y); });
        joystick.SetOnButton1([this](QObject*, bool pushed) { buttons.emplace_back(1, pushed); });
        joystick.SetOnButton2([this](QObject*, bool pushed) { buttons.emplace_back(2, pushed); });
        joystick.SetOnButton3([this](QObject*, bool pushed) { buttons.emplace_back(3, pushed); });
        joystick.SetOnButton4([this](QObject*, bool pushed) { buttons.emplace_back(4, pushed); });
    }
};

class JoystickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(stick.present()) << SDL_GetError();
        recorder.attach(joystick);
    }
    void activate() {
        joystick.Activate();
        ASSERT_TRUE(joystick.Active());
    }
    void poll(int times) {
        for (int i = 0; i < times; ++i)
            joystick.Poll();
    }

    // A plain joystick: read raw.
    VirtualPad stick{VirtualPad::Kind::Stick};
    TJoystick joystick;
    Recorder recorder;
};

using Moves = std::vector<std::pair<int, int>>;
using Buttons = std::vector<std::pair<int, bool>>;

TEST_F(JoystickTest, StartsInactiveWithTheDefaults) {
    EXPECT_FALSE(joystick.Active());
    EXPECT_TRUE(joystick.Enabled());
    EXPECT_EQ(joystick.GamePort(), TGamePort::One);
    EXPECT_EQ(joystick.NotifyRange(), 20);
    EXPECT_EQ(joystick.PollRate(), 50);
    EXPECT_TRUE(joystick.RepeatPosition());
    EXPECT_FALSE(joystick.RepeatButton1() || joystick.RepeatButton2() || joystick.RepeatButton3() ||
                 joystick.RepeatButton4());
}

TEST_F(JoystickTest, AtRestWithRepeatOnEveryPollReportsTheCentre) {
    activate();
    poll(3);
    EXPECT_EQ(recorder.moves, (Moves{{0, 0}, {0, 0}, {0, 0}}));
    EXPECT_TRUE(recorder.buttons.empty());
}

TEST_F(JoystickTest, WithRepeatOffAStickHeldStillGivesOneEvent) {
    joystick.SetRepeatPosition(false);
    activate();
    poll(2);
    EXPECT_TRUE(recorder.moves.empty()) << "the centre is where it started";
    stick.move(65535, 0);
    poll(3);
    stick.move(0, 65535);
    poll(2);
    EXPECT_EQ(recorder.moves, (Moves{{3, 4}, {-4, -3}}));
}

TEST_F(JoystickTest, StepsAreTruncatedTowardZero) {
    const struct {
        int x, y, stepX, stepY;
    } cases[] = {
        {24576, 32768, -1, 0}, {24577, 32768, 0, 0}, {32768, 0, 0, 4}, {40959, 40960, 0, -1},
        {40960, 24575, 1, 1},  {0, 65535, -4, -3},   {65535, 1, 3, 3},
    };
    activate();
    for (const auto& c : cases) {
        stick.move(c.x, c.y);
        recorder.moves.clear();
        poll(1);
        EXPECT_EQ(recorder.moves, (Moves{{c.stepX, c.stepY}})) << c.x << ", " << c.y;
    }
}

TEST_F(JoystickTest, AButtonHeldForSeveralPollsGivesPressAndRelease) {
    activate();
    stick.press(0);
    poll(3);
    stick.press(0, false);
    poll(2);
    stick.press(2);
    poll(2);
    EXPECT_EQ(recorder.buttons, (Buttons{{1, true}, {1, false}, {3, true}}));
}

TEST_F(JoystickTest, WithButtonRepeatEveryPollReportsTheButton) {
    joystick.SetRepeatButton4(true);
    activate();
    poll(1);
    stick.press(3);
    poll(1);
    EXPECT_EQ(recorder.buttons, (Buttons{{4, false}, {4, true}}));
}

TEST_F(JoystickTest, WhatTheMoveHandlerLeavesIsTheLastPosition) {
    joystick.SetRepeatPosition(false);
    joystick.SetOnJoyMove([this](QObject* sender, std::int32_t& x, std::int32_t& y) {
        EXPECT_EQ(sender, &joystick);
        recorder.moves.emplace_back(x, y);
        x = 0;
    });
    activate();
    stick.move(65535, 32768);
    poll(3);
    EXPECT_EQ(recorder.moves, (Moves{{3, 0}, {3, 0}, {3, 0}}));
}

TEST_F(JoystickTest, PortRangeAndRateCannotChangeWhileActive) {
    activate();
    joystick.SetPollRate(200);
    joystick.SetNotifyRange(3);
    joystick.SetGamePort(TGamePort::Two);
    EXPECT_EQ(joystick.PollRate(), 50);
    EXPECT_EQ(joystick.NotifyRange(), 20);
    EXPECT_EQ(joystick.GamePort(), TGamePort::One);
    EXPECT_EQ(joystick.TimerInterval(), 50);

    joystick.Deactivate();
    joystick.SetPollRate(200);
    EXPECT_EQ(joystick.TimerInterval(), 50) << "the rate is taken when polling starts";
    activate();
    EXPECT_EQ(joystick.TimerInterval(), 200);
}

TEST_F(JoystickTest, WithoutAJoystickAtItsPortItStaysInactive) {
    joystick.SetGamePort(TGamePort::Two);
    joystick.Activate();
    EXPECT_FALSE(joystick.Active());
    poll(2);
    EXPECT_TRUE(recorder.moves.empty());

    joystick.SetGamePort(TGamePort::None);  // the same joystick as One
    activate();
}

TEST_F(JoystickTest, DisabledOrDeactivatedItFiresNothing) {
    activate();
    joystick.SetEnabled(false);
    poll(2);
    joystick.SetEnabled(true);
    joystick.Deactivate();
    poll(2);
    EXPECT_TRUE(recorder.moves.empty());
}

TEST_F(JoystickTest, AnUnpluggedJoystickSkipsTicksUntilItIsBack) {
    activate();
    stick.unplug();
    poll(2);
    EXPECT_TRUE(joystick.Active());
    EXPECT_TRUE(recorder.moves.empty());
    stick.plugIn();
    stick.move(32768, 65535);
    poll(1);
    EXPECT_EQ(recorder.moves, (Moves{{0, -3}}));

    // Another kind of pad plugged in where the stick was is read its own way.
    stick.unplug();
    VirtualPad pad(VirtualPad::Kind::Gamepad);
    recorder.moves.clear();
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    poll(1);
    EXPECT_EQ(recorder.moves, (Moves{{-4, 0}}));
}

TEST_F(JoystickTest, APlainJoysticksHatAndFurtherAxesMoveNothing) {
    activate();
    stick.hat(SDL_HAT_LEFT);
    poll(1);
    stick.hat(SDL_HAT_CENTERED);
    stick.move(65535, 32768);
    poll(1);
    EXPECT_EQ(recorder.moves, (Moves{{0, 0}, {3, 0}}));
}

TEST_F(JoystickTest, AJoystickPluggedInAfterActivateIsPickedUp) {
    stick.unplug();
    joystick.Activate();
    EXPECT_FALSE(joystick.Active());
    EXPECT_TRUE(joystick.Waiting());
    EXPECT_EQ(joystick.TimerInterval(), TJoystick::kLookForJoystickMs);
    poll(2);
    EXPECT_FALSE(joystick.Active());

    VirtualPad pad(VirtualPad::Kind::Gamepad);
    pad.press(SDL_CONTROLLER_BUTTON_A);
    poll(1);
    EXPECT_TRUE(joystick.Active());
    EXPECT_FALSE(joystick.Waiting());
    EXPECT_EQ(joystick.TimerInterval(), 50);
    EXPECT_TRUE(recorder.moves.empty()) << "events start at the next poll, as after Activate";
    poll(1);
    EXPECT_EQ(recorder.moves, (Moves{{0, 0}}));
    EXPECT_EQ(recorder.buttons, (Buttons{{1, true}}));
}

TEST_F(JoystickTest, DeactivateStopsWaitingForAJoystick) {
    stick.unplug();
    joystick.Activate();
    joystick.Deactivate();
    EXPECT_FALSE(joystick.Waiting());
    stick.plugIn();
    poll(2);
    EXPECT_FALSE(joystick.Active());
    EXPECT_TRUE(recorder.moves.empty());
}

// A gamepad SDL knows is read through its mapping.
class GamepadTest : public JoystickTest {
  protected:
    void SetUp() override {
        stick.unplug();
        ASSERT_TRUE(pad.present()) << SDL_GetError();
        recorder.attach(joystick);
    }
    VirtualPad pad{VirtualPad::Kind::Gamepad};
};

TEST_F(GamepadTest, TheLeftStickOrTheDPadMoveAndTheFaceButtonsAreButtonsOneToFour) {
    activate();
    pad.move(65535, 0);
    poll(1);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);  // the D-pad wins over the stick
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    poll(1);
    pad.move(32768, 32768);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    poll(1);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    pad.axis(2, 65535);  // the right stick moves nothing
    poll(1);
    EXPECT_EQ(recorder.moves, (Moves{{3, 4}, {-4, -3}, {3, 4}, {0, 0}}));

    for (auto button :
         {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X,
          SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_START}) {
        pad.press(button);
        poll(1);
        pad.press(button, false);
        poll(1);
    }
    EXPECT_EQ(recorder.buttons, (Buttons{{1, true},
                                         {1, false},
                                         {2, true},
                                         {2, false},
                                         {3, true},
                                         {3, false},
                                         {4, true},
                                         {4, false}}));
}

TEST_F(GamepadTest, StartHasItsEventAndNothingFiresWhileTheFocusWindowIsNotActive) {
    std::vector<bool> starts;
    joystick.SetOnStartButton([&starts](QObject*, bool pushed) { starts.push_back(pushed); });
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    joystick.SetFocusWindow(&window);
    activate();
    pad.press(SDL_CONTROLLER_BUTTON_START);
    poll(2);
    pad.press(SDL_CONTROLLER_BUTTON_START, false);
    poll(1);
    EXPECT_EQ(starts, (std::vector<bool>{true, false}));

    // Pressed while another window is active: read, but no event, then or later.
    QApplication::setActiveWindow(nullptr);
    pad.press(SDL_CONTROLLER_BUTTON_START);
    pad.press(SDL_CONTROLLER_BUTTON_A);
    pad.move(0, 32768);
    poll(1);
    EXPECT_EQ(recorder.moves.size(), 3u);
    QApplication::setActiveWindow(&window);
    poll(1);
    EXPECT_EQ(starts.size(), 2u);
    EXPECT_TRUE(recorder.buttons.empty());
    EXPECT_EQ(recorder.moves.back(), std::make_pair(-4, 0));
}

TEST_F(JoystickTest, AJoystickGivenAMappingIsReadAsAGamepad) {
    // A pad whose D-pad is a hat and whose face buttons come in another order.
    const std::string mapping = stick.guid() +
                                ",Test Stick,a:b2,b:b3,x:b0,y:b1,dpup:h0.1,dpright:h0.2,"
                                "dpdown:h0.4,dpleft:h0.8,leftx:a0,lefty:a1,";
    ASSERT_EQ(SDL_GameControllerAddMapping(mapping.c_str()), 1) << SDL_GetError();
    activate();
    stick.hat(SDL_HAT_LEFTUP);
    poll(1);
    stick.hat(SDL_HAT_CENTERED);
    stick.move(32768, 65535);
    poll(1);
    EXPECT_EQ(recorder.moves, (Moves{{-4, 4}, {0, -3}}));
    stick.press(2);
    stick.press(1);
    poll(1);
    EXPECT_EQ(recorder.buttons, (Buttons{{1, true}, {4, true}}));
}

TEST_F(JoystickTest, PollsOnItsOwnTimer) {
    joystick.SetPollRate(10);
    activate();
    QElapsedTimer clock;
    clock.start();
    while (recorder.moves.size() < 3 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_GE(recorder.moves.size(), 3u);
}

}  // namespace
