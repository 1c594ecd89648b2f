#include "pillora/rules/bottle.h"
#include "pillora/rules/tests/rig.h"

#include <gtest/gtest.h>

namespace pillora {
namespace {

using testing::Code;
using testing::Dump;
using testing::Load;
using testing::Normal;
using testing::RecordingView;
using testing::Rig;

constexpr int kRed = 1, kCyan = 2, kOlive = 3, kGreen = 4, kMagenta = 5;

// The capsule number of a first and a second colour.
constexpr int Number(int first, int second) {
    return (first - 1) * 5 + second;
}

TEST(PilloraBottleTest, FreshGameDrawsNextThenCurrentThenOneVirus) {
    Rig rig;
    // Next capsule 5, current 10, then the virus: column 2, row 4 + 6, olive, frame 2.
    rig.random.Script({4, 9, 2, 4, 2, 1});
    rig.bottle.StartGame(1, 1, 500);

    EXPECT_EQ(rig.random.Ranges(), (std::vector<int>{25, 25, 8, 18, 5, 2}));
    EXPECT_EQ(rig.bottle.Current().number, 10);
    EXPECT_EQ(rig.bottle.NextNumber(), 5);
    EXPECT_EQ(rig.bottle.NextPair(), (Pair{Code("Rv"), Code("M^")}));
    EXPECT_EQ(rig.bottle.CountViruses(), 1);
    EXPECT_EQ(rig.bottle.At(2, 10), Code("Y+"));
    EXPECT_FALSE(rig.bottle.NoGame());
    EXPECT_EQ(rig.bottle.Level(), 1);

    // The start sound, a repaint with the viruses in place, then the timer.
    const auto& events = rig.view.Events();
    ASSERT_EQ(events, (std::vector<std::string>{"effect 2", "repaint", "start 450"}));
    EXPECT_EQ(rig.view.Screen(2, 10), Code("Y+"));

    // The capsule enters wholly hidden in row −2 and shows from row −1 on.
    rig.view.Clear();
    rig.bottle.FallStep();
    ASSERT_EQ(rig.bottle.Current().row, -1);
    EXPECT_EQ(rig.view.Events().front(), "capsule 0,-1=0 3,-1=11 3,0=33");
    EXPECT_EQ(rig.view.Events().back(), "viruses 1");
}

TEST(PilloraBottleTest, RemovingTheLastVirusLevelsUpAtOnce) {
    Rig rig;
    rig.Start(Number(kRed, kRed), Number(kCyan, kGreen));
    Load(rig.bottle, R"(
        Ro .. .. .. .. .. .. ..
        Ro .. .. .. .. Y> C< ..
        R* .. .. .. .. G> G< ..)");
    rig.bottle.PutCapsule(Number(kRed, kRed), 0, -2, 3);
    // The next level's two viruses at (1, 6) and (5, 23), then the capsule after next.
    rig.random.Script({1, 0, 0, 0, 5, 17, 4, 1, 24});

    rig.bottle.Drop();

    // A vertical run of five with N = 4 (50 + 25) and 2 points for the landing at level 1.
    EXPECT_EQ(rig.bottle.Score(), 77);
    EXPECT_EQ(rig.bottle.Level(), 2);
    EXPECT_EQ(rig.bottle.VirusQuota(), 2);
    // Every capsule half is gone; only the new viruses are left.
    EXPECT_EQ(rig.bottle.CountViruses(), 2);
    EXPECT_EQ(rig.bottle.At(1, 6), Code("R*"));
    EXPECT_EQ(Dump(rig.bottle, 3), Normal(R"(
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. M+ .. ..)"));
    EXPECT_EQ(rig.random.Left(), 0u);
    EXPECT_EQ(rig.bottle.PlayedCapsules(), 1);
    EXPECT_EQ(rig.bottle.Current().number, Number(kCyan, kGreen));
    EXPECT_EQ(rig.bottle.NextNumber(), 25);
    EXPECT_EQ(rig.bottle.Current().row, -2);
    EXPECT_EQ(rig.bottle.FallInterval(), 400);

    const RecordingView& view = rig.view;
    ASSERT_NE(view.Find("effect 1"), -1);
    EXPECT_LT(view.Find("effect 1"), view.Find("level 2"));
    EXPECT_LT(view.Find("level 2"), view.Find("effect 2"));
    EXPECT_LT(view.Find("effect 2"), view.Find("repaint"));
    EXPECT_EQ(view.Events().back(), "viruses 2");
    EXPECT_TRUE(view.TimerRunning());
    EXPECT_EQ(view.Interval(), 400);
}

TEST(PilloraBottleTest, RefusedMovesChangeNothingButStillStep) {
    Rig rig;
    rig.Start(Number(kRed, kCyan), Number(kRed, kCyan));
    Load(rig.bottle, R"(
        .. .. Go .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..)");
    const FallingCapsule before = rig.bottle.Current();
    const auto expectUnmoved = [&](int column, int orientation) {
        EXPECT_EQ(rig.bottle.Current().column, column);
        EXPECT_EQ(rig.bottle.Current().orientation, orientation);
        EXPECT_EQ(rig.view.Count("capsule"), 1) << "a refused move still redraws";
        rig.view.Clear();
    };

    // An upright capsule in column 7 cannot turn: there is no wall kick.
    rig.bottle.PutCapsule(before.number, 7, 5, 3);
    rig.bottle.Rotate();
    expectUnmoved(7, 3);
    rig.bottle.MoveRight();
    expectUnmoved(7, 3);

    // A lying capsule in columns 6 and 7 cannot move right.
    rig.bottle.PutCapsule(before.number, 6, 5, 0);
    rig.bottle.MoveRight();
    expectUnmoved(6, 0);

    // Nor can anything pass column 0, or a cell beside its lower half.
    rig.bottle.PutCapsule(before.number, 0, 5, 2);
    rig.bottle.MoveLeft();
    expectUnmoved(0, 2);
    rig.bottle.PutCapsule(before.number, 3, 20, 1);
    rig.bottle.MoveLeft();
    expectUnmoved(3, 1);
    // Turning lying needs the cell right of the lower half too.
    rig.bottle.PutCapsule(before.number, 1, 20, 3);
    rig.bottle.Rotate();
    expectUnmoved(1, 3);
    EXPECT_EQ(rig.bottle.PlayedCapsules(), 0);
}

TEST(PilloraBottleTest, EachTurnMovesTheSecondHalfAQuarterCounterClockwise) {
    Rig rig;
    rig.Start(Number(kRed, kCyan), Number(kRed, kCyan));
    rig.bottle.PutCapsule(Number(kRed, kCyan), 4, 10, 0);
    // Second half right of, above, left of and below the first, keeping the top-left cell.
    const std::array<std::array<Tile, 2>, 4> expected{{
        {Tile{4, 10, Code("R>")}, Tile{5, 10, Code("C<")}},
        {Tile{4, 11, Code("R^")}, Tile{4, 10, Code("Cv")}},
        {Tile{5, 10, Code("R<")}, Tile{4, 10, Code("C>")}},
        {Tile{4, 10, Code("Rv")}, Tile{4, 11, Code("C^")}},
    }};
    for (int turn = 1; turn <= 4; ++turn) {
        rig.bottle.Rotate();
        EXPECT_EQ(rig.bottle.CapsuleTiles(), expected[turn % 4]) << "after turn " << turn;
        for (const Tile& half : expected[turn % 4]) {
            EXPECT_EQ(rig.view.Screen(half.column, half.row), half.code);
        }
    }
    // The cell it no longer covers was blanked on screen.
    EXPECT_EQ(rig.view.Screen(4, 11), kEmpty);
}

TEST(PilloraBottleTest, CapsuleLandsInTheStepThatBringsItToRest) {
    Rig rig;
    rig.random.FallBackToSeed(12345);  // the capsules after the scripted ones
    rig.Start(Number(kRed, kCyan), Number(kOlive, kOlive));
    Load(rig.bottle, R"(
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. Mo
        .. .. .. G* .. .. .. Mo)");

    // A lying capsule with one half over a hole lands whole and stays whole.
    rig.bottle.PutCapsule(Number(kRed, kCyan), 3, 21, 0);
    rig.bottle.FallStep();
    EXPECT_EQ(rig.bottle.PlayedCapsules(), 1);
    EXPECT_EQ(rig.bottle.Current().number, Number(kOlive, kOlive));
    EXPECT_EQ(rig.bottle.Current().row, -2);

    // A sideways move onto a ledge lands at once too: there is no lock delay.
    rig.bottle.PutCapsule(Number(kGreen, kMagenta), 6, 20, 3);
    rig.bottle.MoveRight();
    EXPECT_EQ(rig.bottle.PlayedCapsules(), 2);

    EXPECT_EQ(Dump(rig.bottle, 4), Normal(R"(
        .. .. .. .. .. .. .. Gv
        .. .. .. .. .. .. .. M^
        .. .. .. R> C< .. .. Mo
        .. .. .. G* .. .. .. Mo)"));
    // Each landing scores 2 points a level.
    EXPECT_EQ(rig.bottle.Score(), 4);
    EXPECT_EQ(rig.view.Count("played"), 2);
    EXPECT_EQ(rig.view.Count("next"), 2);
}

TEST(PilloraBottleTest, DropFallsStraightDownAndLands) {
    Rig rig;
    rig.random.FallBackToSeed(12345);  // the capsules after the scripted ones
    rig.Start(Number(kRed, kCyan), Number(kOlive, kGreen));
    Load(rig.bottle, R"(
        .. .. .. Mo .. .. .. ..
        .. .. .. C* .. Mo .. ..)");
    rig.bottle.Drop();
    // A turn at the entry leaves the capsule lying in the hidden row −2.
    rig.bottle.Rotate();
    rig.bottle.MoveRight();
    ASSERT_EQ(rig.bottle.Current().row, -2);
    rig.bottle.Drop();

    EXPECT_EQ(Dump(rig.bottle, 4), Normal(R"(
        .. .. .. Rv .. .. .. ..
        .. .. .. C^ .. .. .. ..
        .. .. .. Mo Y> G< .. ..
        .. .. .. C* .. Mo .. ..)"));
    EXPECT_EQ(rig.bottle.PlayedCapsules(), 2);
    EXPECT_TRUE(rig.view.TimerRunning());
    // Every row of the fall was shown with a pause before it.
    EXPECT_EQ(rig.view.Screen(3, 20), Code("Rv"));
    EXPECT_EQ(rig.view.Screen(4, 22), Code("Y>"));
    EXPECT_EQ(rig.view.Screen(3, 0), kEmpty);
}

TEST(PilloraBottleTest, LandingWithTheTopRowFullResolvesBeforeTheGameIsLost) {
    Rig rig;
    rig.random.FallBackToSeed(12345);  // the capsule after the scripted ones
    rig.Start(Number(kRed, kRed), Number(kCyan, kCyan));
    // Column 1 is full of viruses to the top; column 0 has three reds under the entry.
    std::string rows = "Ro G* .. .. .. .. .. ..\n";
    for (int row = 1; row < 24; ++row) {
        const char* left = row <= 3 ? "Ro" : (row % 2 ? "Co" : "Yo");
        rows += std::string(left) + (row % 2 ? " M*" : " G*") + " .. .. .. .. .. ..\n";
    }
    Load(rig.bottle, rows);
    rig.bottle.SetCell(0, 0, kEmpty);
    rig.bottle.SetScore(65530);
    rig.bottle.PutCapsule(Number(kRed, kRed), 0, -2, 3);

    rig.bottle.Drop();

    // The run of four in rows 0 to 3 went, the upper half fell in its place,
    // and 25 + 2 points were added in 16 bits.
    EXPECT_EQ(rig.bottle.Score(), (65530 + 27) % 65536);
    EXPECT_EQ(rig.bottle.At(0, 3), Code("Ro"));
    EXPECT_EQ(rig.bottle.At(0, 0), kEmpty);
    EXPECT_EQ(rig.bottle.PlayedCapsules(), 1);
    EXPECT_TRUE(rig.bottle.TopRowOccupied());
    EXPECT_TRUE(rig.bottle.NoGame());
    // No move is made once the game is lost.
    const FallingCapsule capsule = rig.bottle.Current();
    rig.view.Clear();
    rig.bottle.MoveLeft();
    rig.bottle.FallStep();
    rig.bottle.Drop();
    EXPECT_TRUE(rig.view.Events().empty());
    EXPECT_EQ(rig.bottle.Current().row, capsule.row);
}

TEST(PilloraBottleTest, FallIntervalShrinksByATenthOfTheBaseEachLevel) {
    Rig rig;
    rig.random.FallBackToSeed(12345);  // capsules and viruses
    rig.bottle.StartGame(1, 1, 500);
    EXPECT_EQ(rig.bottle.FallInterval(), 450);
    for (int expected : {400, 350, 300, 250, 200, 150, 100, 50, 0, 0}) {
        rig.bottle.LevelUp();
        EXPECT_EQ(rig.bottle.FallInterval(), expected);
    }
    EXPECT_EQ(rig.bottle.VirusQuota(), 11);
    EXPECT_EQ(rig.bottle.CountViruses(), 11);

    rig.bottle.StartGame(0, 1, 500);
    EXPECT_EQ(rig.bottle.FallInterval(), 500);
    rig.bottle.StartGame(10, 1, 500);
    EXPECT_EQ(rig.bottle.FallInterval(), 0);
    // Below 10 ms the base never speeds up.
    rig.bottle.StartGame(5, 1, 9);
    rig.bottle.LevelUp();
    EXPECT_EQ(rig.bottle.FallInterval(), 9);

    // A huge base must not wrap back to a slow interval once it reaches top speed.
    rig.bottle.StartGame(9, 1, 65535);
    int last = rig.bottle.FallInterval();
    for (int level = 0; level < 3; ++level) {
        rig.bottle.LevelUp();
        EXPECT_LE(rig.bottle.FallInterval(), last);
        last = rig.bottle.FallInterval();
    }
    EXPECT_EQ(last, 0);
}

TEST(PilloraBottleTest, VirusPlacementEndsWhenTheQuotaExceedsTheRoom) {
    Rig rig;
    rig.random.FallBackToSeed(12345);  // the viruses
    rig.bottle.ClearBottle();
    rig.bottle.SetCell(4, 23, Code("Co"));
    rig.bottle.PlaceViruses(150);
    EXPECT_EQ(rig.bottle.CountViruses(), 143);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 8; ++column) {
            EXPECT_EQ(rig.bottle.At(column, row), kEmpty);
        }
    }

    RecordingView view;
    // Always the same draw: every virus after the first lands on an occupied cell.
    kit::testing::ScriptedRandom stuck;
    stuck.FallBackTo(0);
    Bottle bottle(view, stuck);
    bottle.ClearBottle();
    bottle.PlaceViruses(3);
    EXPECT_EQ(bottle.CountViruses(), 3);
}

TEST(PilloraBottleTest, VirusesSwapFramesAndCountInBothFrames) {
    Rig rig;
    rig.Start(Number(kRed, kCyan), Number(kRed, kCyan));
    Load(rig.bottle, R"(
        R* C+ Ro .. .. .. .. ..
        M+ .. .. .. .. .. Y> G<)");
    EXPECT_EQ(rig.bottle.CountViruses(), 3);
    rig.bottle.AnimateViruses();
    EXPECT_EQ(Dump(rig.bottle, 2), Normal(R"(
        R+ C* Ro .. .. .. .. ..
        M* .. .. .. .. .. Y> G<)"));
    EXPECT_EQ(rig.view.Count("cell"), 3);
    EXPECT_EQ(rig.view.Screen(1, 22), Code("C*"));
    EXPECT_EQ(rig.bottle.CountViruses(), 3);

    // The idle bottle and its floor hold no virus.
    rig.bottle.FillIdle();
    EXPECT_EQ(rig.bottle.CountViruses(), 0);
    EXPECT_EQ(rig.bottle.NextPair(), (Pair{kIdle, kIdle}));
    EXPECT_TRUE(rig.bottle.NoGame());
}

// What is wrong with a bottle between two steps, or "" when nothing is: every
// half has its partner where its shape says, no flash code is stored, the
// floor is whole and nothing hangs in the air.
std::string Fault(const Bottle& bottle) {
    for (int column = 0; column < 8; ++column) {
        if (bottle.At(column, 24) != kIdle) {
            return "floor broken in column " + std::to_string(column);
        }
    }
    for (int column = 0; column < 8; ++column) {
        for (int row = -2; row < 24; ++row) {
            const Cell code = bottle.At(column, row);
            const auto at = [&](int dc, int dr) {
                return KindOf(bottle.At(column + dc, row + dr));
            };
            const auto held = [&](int dc) { return bottle.At(column + dc, row + 1) != kEmpty; };
            const std::string where = " at " + std::to_string(column) + "," + std::to_string(row);
            bool ok = true;
            switch (KindOf(code)) {
                case Kind::PartnerAbove:
                    ok = at(0, -1) == Kind::PartnerBelow && held(0);
                    break;
                case Kind::PartnerBelow:
                    ok = at(0, 1) == Kind::PartnerAbove && bottle.At(column, row + 1) != kIdle;
                    break;
                case Kind::PartnerRight:
                    ok = at(1, 0) == Kind::PartnerLeft && (held(0) || held(1));
                    break;
                case Kind::PartnerLeft:
                    ok = at(-1, 0) == Kind::PartnerRight;
                    break;
                case Kind::Single:
                    ok = held(0);
                    break;
                case Kind::Destroyed:
                    ok = false;
                    break;
                default:
                    break;
            }
            if (!ok) {
                return "bad cell " + std::to_string(code) + where;
            }
        }
    }
    return "";
}

// Whole games played by random keys: after every call the bottle is sound,
// the screen shows the bottle with the capsule over it, the virus counter is
// right and the fall timer runs.
TEST(PilloraBottleTest, HeadlessGamesKeepBottleAndScreenInStep) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RecordingView view;
        kit::ClockRandomSource random(seed);
        Bottle bottle(view, random);
        view.Watch(&bottle);
        bottle.SetAlignCount(3 + static_cast<int>(seed % 4));
        bottle.SetSinglesSlide(seed % 2 == 1);
        bottle.StartGame(static_cast<int>(seed % 3), 1 + static_cast<int>(seed % 6), 500);
        kit::ClockRandomSource keys(seed * 7919);
        int landings = 0;
        for (int action = 0; action < 20000 && !bottle.NoGame(); ++action) {
            view.Clear();
            switch (keys.Random(12)) {
                case 0:
                    bottle.MoveLeft();
                    break;
                case 1:
                    bottle.MoveRight();
                    break;
                case 2:
                    bottle.Rotate();
                    break;
                case 3:
                    bottle.Drop();
                    break;
                default:
                    bottle.FallStep();
                    break;
            }
            landings += view.Count("played");
            ASSERT_EQ(Fault(bottle), "");
            ASSERT_TRUE(view.TimerRunning());
            ASSERT_EQ(view.Events().back(), "viruses " + std::to_string(bottle.CountViruses()));
            const FallingCapsule& capsule = bottle.Current();
            for (int column = 0; column < 8; ++column) {
                for (int row = 0; row < 24; ++row) {
                    Cell expected = bottle.At(column, row);
                    for (const Tile& half : bottle.CapsuleTiles()) {
                        if (capsule.row >= -1 && half.column == column && half.row == row) {
                            expected = half.code;
                        }
                    }
                    ASSERT_EQ(view.Screen(column, row), expected) << column << "," << row;
                }
            }
        }
        EXPECT_TRUE(bottle.NoGame()) << "random keys lose a game in the end";
        EXPECT_EQ(bottle.PlayedCapsules(), landings);
        EXPECT_GT(landings, 10);
    }
}

}  // namespace
}  // namespace pillora
