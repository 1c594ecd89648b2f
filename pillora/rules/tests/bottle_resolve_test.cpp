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

// A bottle laid out from text, with run length `align`, after one resolve.
struct Resolved {
    Resolved(std::string_view text, int align, bool slide = false,
             std::initializer_list<int> draws = {}) {
        rig.Start(1, 1);
        rig.random.ClearRanges();
        rig.bottle.SetAlignCount(align);
        rig.bottle.SetSinglesSlide(slide);
        Load(rig.bottle, text);
        rig.random.Script(draws);
        rig.bottle.Resolve();
    }
    std::string Rows(int rows) const { return Dump(rig.bottle, rows); }
    int Score() const { return rig.bottle.Score(); }

    Rig rig;
};

std::string EmptyRows(int rows) {
    std::string text;
    for (int row = 0; row < rows; ++row) {
        text += std::string(16, '.') + '\n';
    }
    return text;
}

TEST(PilloraResolveTest, RunOfFiveWithThreeAlignedScoresEachWindow) {
    Resolved r(R"(
        R> C< .. .. .. .. .. ..
        R> Y< .. .. .. .. .. ..
        R* .. .. .. .. .. .. ..
        Rv .. .. .. .. .. .. ..
        R^ .. .. .. .. .. .. ..)",
               3);
    // Windows from rows 19, 20 and 21: 75 + 50 + 25.
    EXPECT_EQ(r.Score(), 150);
    // The partners of the removed halves stay as singles, and fall.
    EXPECT_EQ(r.Rows(5), Normal(R"(
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. Co .. .. .. .. .. ..
        .. Yo .. .. .. .. .. ..)"));
    const RecordingView& view = r.rig.view;
    // The partners turn into pills before the flash, which shows each removed cell.
    ASSERT_NE(view.Find("cell 1 19 13"), -1);
    EXPECT_LT(view.Find("cell 1 19 13"), view.Find("effect 1"));
    EXPECT_EQ(view.Count("effect 1"), 1);
    EXPECT_EQ(view.Count("cell 0 21 6"), 3) << "one flash for each window holding the cell";
    EXPECT_EQ(view.Screen(0, 21), kEmpty);
    EXPECT_EQ(view.Screen(1, 23), Code("Yo"));
    EXPECT_EQ(view.Events().back(), "start 450");
    EXPECT_TRUE(r.rig.random.Ranges().empty()) << "no draws while singles do not slide";
}

TEST(PilloraResolveTest, PiecesThatFallIntoALineAreRemovedInTheSameResolve) {
    Resolved r(R"(
        Yo .. .. .. .. .. .. ..
        Ro .. .. .. .. .. .. ..
        Ro .. .. .. .. .. .. ..
        Ro .. .. .. .. .. .. ..
        Ro .. .. .. .. .. .. ..
        Y* .. .. .. .. .. .. ..
        Y+ .. .. .. .. .. .. ..
        Y* .. .. .. .. .. .. ..)",
               4);
    EXPECT_EQ(r.Score(), 50);
    EXPECT_EQ(r.Rows(8), EmptyRows(8));
    EXPECT_EQ(r.rig.view.Count("effect 1"), 2);
}

TEST(PilloraResolveTest, VirusesHoldTheirPlaceAndPairsFallWhole) {
    Resolved r(R"(
        .. .. Ro .. .. Mv .. ..
        .. .. G* .. .. M^ .. ..
        .. .. Co Co Co Co .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..)",
               4);
    EXPECT_EQ(r.Score(), 15);
    EXPECT_EQ(r.Rows(6), Normal(R"(
        .. .. Ro .. .. .. .. ..
        .. .. G* .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. Mv .. ..
        .. .. .. .. .. M^ .. ..)"));
}

TEST(PilloraResolveTest, LyingPairsGoWholeOrHangOnOneSide) {
    // Both halves of R> R< are in the run and leave nothing; M> C< keeps its
    // place on its right half; Y> G< falls until one half finds support.
    Resolved r(R"(
        Y> G< .. .. .. .. .. ..
        R> R< Ro Ro M> C< .. ..
        .. C* .. .. .. Go .. Y*)",
               4);
    EXPECT_EQ(r.Score(), 15);
    EXPECT_EQ(r.Rows(3), Normal(R"(
        .. .. .. .. .. .. .. ..
        Y> G< .. .. M> C< .. ..
        .. C* .. .. .. Go .. Y*)"));
}

TEST(PilloraResolveTest, EveryDirectionScoresItsOwnBonus) {
    // A falling diagonal of 4 and a rising one of 5, all viruses.
    Resolved diagonals(R"(
        M* .. .. .. .. .. .. G*
        .. M* .. .. .. .. G* ..
        .. .. M* .. .. G* .. ..
        .. .. .. M* G* .. .. ..
        .. .. .. G* .. .. .. ..)",
                       4);
    EXPECT_EQ(diagonals.Score(), 35 + 70 + 35);
    EXPECT_EQ(diagonals.Rows(5), EmptyRows(5));

    // A vertical and a horizontal run through one cell both score.
    Resolved cross(R"(
        .. .. R* .. .. .. .. ..
        .. .. R* .. .. .. .. ..
        .. .. R* .. .. .. .. ..
        R* R* R* R* .. .. C* C*)",
                   4);
    EXPECT_EQ(cross.Score(), 25 + 15);
    EXPECT_EQ(cross.Rows(4), Normal(EmptyRows(3) + "............C*C*"));
}

TEST(PilloraResolveTest, LongRunLengthsLeaveOnlyTheDirectionsThatFit) {
    std::string column;
    for (int row = 0; row < 9; ++row) {
        column += row == 8 ? "R* G* G* G* G* G* G* G*\n" : "Ro .. .. .. .. .. .. ..\n";
    }
    // Nine: only vertical lines; the greens stay.
    Resolved nine(column, 9);
    EXPECT_EQ(nine.Score(), 25);
    EXPECT_EQ(nine.Rows(1), "..G*G*G*G*G*G*G*\n");

    // Eight: a full row is a horizontal line.
    Resolved eight("G* G* G* G* G* G* G* G*", 8);
    EXPECT_EQ(eight.Score(), 15);
}

TEST(PilloraResolveTest, TheFloorNeverEndsARun) {
    Resolved r(R"(
        .. .. .. .. .. .. .. Cv
        .. .. .. .. .. .. .. C^
        .. .. .. .. .. .. .. C*)",
               3);
    EXPECT_EQ(r.Score(), 25);
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(r.rig.bottle.At(column, 24), kIdle);
    }
    EXPECT_EQ(r.Rows(3), EmptyRows(3));
}

TEST(PilloraResolveTest, SinglesSlideOnTheirDrawsUntilNoneMoves) {
    // Row by row from the top, one draw for each single: 1 is left, 2 right.
    Resolved r(R"(
        .. Ro .. .. .. .. .. ..
        .. C* .. .. .. .. .. ..
        .. .. .. .. .. Yo .. ..
        .. .. .. .. .. G* .. ..)",
               4, true, {2, 0, 1});
    EXPECT_EQ(r.Rows(4), Normal(R"(
        .. .. .. .. .. .. .. ..
        .. C* .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. Ro .. Yo G* .. ..)"));
    // Singles on the bottom row draw nothing, so the third pass asks for no more.
    EXPECT_EQ(r.rig.random.Ranges(), (std::vector<int>{10, 10, 10}));
    EXPECT_EQ(r.Score(), 0);

    // A blocked side keeps the single where it is.
    Resolved blocked(R"(
        Go Ro .. .. .. .. .. ..
        C* C* .. .. .. .. .. ..)",
                     4, true, {2, 1});
    EXPECT_EQ(blocked.rig.bottle.At(1, 22), Code("Ro"));
    EXPECT_EQ(blocked.rig.random.Ranges().size(), 2u);
}

TEST(PilloraResolveTest, SettleBringsEveryPieceToRestInOneScan) {
    Rig rig;
    rig.Start(1, 1);
    Load(rig.bottle, R"(
        .. .. .. Go .. .. .. ..
        .. .. .. Yv .. .. .. ..
        .. .. .. C^ .. .. .. ..
        .. .. .. Mo .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..)");
    rig.bottle.PutCapsule(1, 0, 5, 3);
    rig.bottle.Settle(true);
    EXPECT_EQ(Dump(rig.bottle, 6), Normal(R"(
        .. .. .. .. .. .. .. ..
        .. .. .. .. .. .. .. ..
        .. .. .. Go .. .. .. ..
        .. .. .. Yv .. .. .. ..
        .. .. .. C^ .. .. .. ..
        .. .. .. Mo .. .. .. ..)"));
    // One pause for each row fallen by each of the three pieces.
    EXPECT_EQ(rig.view.Count("pause"), 6);
    // Following, the capsule's top row moved with every row fallen.
    EXPECT_EQ(rig.bottle.Current().row, 11);
    EXPECT_EQ(rig.view.Screen(3, 20), Code("Go"));
    EXPECT_EQ(rig.view.Screen(3, 18), kEmpty);
}

}  // namespace
}  // namespace pillora
