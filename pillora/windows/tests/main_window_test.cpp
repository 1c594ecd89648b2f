#include "pillora/windows/main_window.h"

#include "kit/desktop/form_style.h"
#include "kit/desktop/help_window.h"
#include "kit/highscores/pillora_best_window.h"
#include "kit/settings/cdrom.h"
#include "kit/settings/profile.h"
#include "kit/settings/settings.h"
#include "kit/testing/form_style_testing.h"
#include "kit/testing/scripted_random.h"
#include "kit/testing/zoom_testing.h"
#include "pillora/windows/options_window.h"
#include "pillora/windows/tests/window_harness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextDocument>
#include <QUrl>

#include <array>
#include <optional>
#include <random>

#include <gtest/gtest.h>

namespace pillora {
namespace {

using kit::testing::LookAwayAndBack;
using testing::MessageLog;
using testing::OnNextModal;
using testing::PilloraWindows;
using testing::ShowsTile;

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        kit::setCdRomProbe([] { return false; });
        // Past what a test scripts, every draw is 0.
        random_.FallBackTo(0);
        windows_.emplace(&random_);
        windows_->ShowActive();
    }
    ~MainWindowTest() override {
        windows_.reset();
        kit::setCdRomProbe({});
    }

    TTPilloraWindow& window() { return windows_->main; }
    const Ui::TPilloraWindow& form() { return window().Form(); }
    void Key(Qt::Key key) { QTest::keyClick(&window(), key); }
    QImage Grab() { return windows_->Grab(); }
    bool MenusIdle() {
        return form().New2->text() == "&New" && form().Game1->menuAction()->isEnabled() &&
               form().Help1->menuAction()->isEnabled() && form().Best1->isEnabled() &&
               form().Index1->isEnabled();
    }
    bool MenusPlaying() {
        return form().New2->text() == "&Abort" && !form().Game1->menuAction()->isEnabled() &&
               !form().Help1->menuAction()->isEnabled() && !form().Best1->isEnabled() &&
               !form().Options1->isEnabled() && !form().Exit1->isEnabled() &&
               !form().Index1->isEnabled() && !form().About1->isEnabled();
    }
    bool ScreenIdle() {
        for (int column = 0; column < 8; ++column)
            for (int row = -1; row < 24; ++row)
                if (window().Screen().cell(column, row) != kIdle)
                    return false;
        return window().Screen().preview() == Pair{kIdle, kIdle};
    }
    // A column of viruses in column 3 up to row 2, in colours that never line
    // up, so that the next capsule dropped there lands in rows 0 and 1.
    void FillColumnThree() {
        for (int row = 2; row < 24; ++row)
            window().Game().SetCell(3, row, VirusCode(2 + row % 4, 0));
    }

    MessageLog messages_;
    kit::testing::ScriptedRandom random_;
    std::optional<PilloraWindows> windows_;
};

TEST_F(MainWindowTest, StartsIdleWithGreyBottleAndZeroCounters) {
    EXPECT_TRUE(MenusIdle());
    EXPECT_TRUE(ScreenIdle());
    EXPECT_EQ(form().ClientArea->size(), QSize(282, 418));
    EXPECT_EQ(window().windowTitle(), "- Pillora for Windows 95 -");
    EXPECT_FALSE(window().FallTimer().isActive());
    const QImage shown = Grab();
    EXPECT_TRUE(ShowsTile(shown, window().Screen().cellRect(0, -1), kIdle));
    EXPECT_TRUE(ShowsTile(shown, window().Screen().cellRect(7, 23), kIdle));
}

TEST_F(MainWindowTest, BothWindowsAreSilverInTheFormFontWithTheirExactCaptions) {
    const TPilloraOptionWindow* options = &windows_->options;
    const std::pair<const QWidget*, QString> forms[] = {{&window(), "- Pillora for Windows 95 -"},
                                                        {options, "Pillora Options"}};
    for (const auto& [form, caption] : forms) {
        kit::testing::ExpectFormStyle(*form);
        EXPECT_EQ(form->windowTitle(), caption);
    }
    EXPECT_EQ(window().menuBar()->font(), kit::formFont());
    EXPECT_EQ(options->size(), QSize(238, 199));
}

TEST_F(MainWindowTest, LockedMenuTitlesLookDisabled) {
    Key(Qt::Key_F2);
    for (QMenu* locked : {form().Game1, form().Help1})
        kit::testing::ExpectGreyedButReadable(*window().menuBar(), locked->menuAction(),
                                              form().New2);
}

TEST_F(MainWindowTest, NewTurnsTheMenuIntoAbortAndAnswersNoByResuming) {
    Key(Qt::Key_F2);
    ASSERT_TRUE(window().GameInProgress());
    EXPECT_TRUE(MenusPlaying());
    EXPECT_TRUE(window().FallTimer().isActive());
    // The strip above the bottle turns black and the one virus shows.
    const QImage shown = Grab();
    EXPECT_TRUE(ShowsTile(shown, window().Screen().cellRect(5, -1), kEmpty));
    EXPECT_TRUE(ShowsTile(shown, window().Screen().cellRect(0, 6), VirusCode(1, 0)) ||
                ShowsTile(shown, window().Screen().cellRect(0, 6), VirusCode(1, 1)));

    // The question stops the fall while it is asked.
    bool timerRanDuringQuestion = true;
    messages_.OnMessage([&](const kit::MessageRequest&) {
        timerRanDuringQuestion = window().FallTimer().isActive();
    });
    messages_.AnswerNext(kit::MessageAnswer::No);
    Key(Qt::Key_F2);
    ASSERT_EQ(messages_.Count("Abort Game ?"), 1);
    EXPECT_EQ(messages_.Requests().back().text, "Really ?");
    EXPECT_EQ(messages_.Requests().back().buttons, kit::MessageButtons::YesNo);
    EXPECT_FALSE(timerRanDuringQuestion);
    EXPECT_TRUE(window().GameInProgress());
    EXPECT_FALSE(window().Paused());
    EXPECT_TRUE(window().FallTimer().isActive());
    EXPECT_TRUE(MenusPlaying());
}

TEST_F(MainWindowTest, NoAfterPauseStillResumesTheGame) {
    Key(Qt::Key_F2);
    Key(Qt::Key_F3);
    ASSERT_TRUE(window().Paused());
    messages_.AnswerNext(kit::MessageAnswer::No);
    Key(Qt::Key_F2);
    EXPECT_FALSE(window().Paused());
    EXPECT_TRUE(window().FallTimer().isActive());
}

TEST_F(MainWindowTest, AbortClearsTheGameWithoutOfferingTheScore) {
    Key(Qt::Key_F2);
    window().Game().SetScore(5000);
    const OnNextModal table([](QWidget* modal) { modal->close(); });
    messages_.AnswerNext(kit::MessageAnswer::Yes);
    Key(Qt::Key_F2);
    QTest::qWait(30);
    EXPECT_FALSE(table.ran());
    EXPECT_FALSE(window().GameInProgress());
    EXPECT_TRUE(window().Game().NoGame());
    EXPECT_EQ(window().Game().Score(), 0);
    EXPECT_FALSE(window().FallTimer().isActive());
    EXPECT_TRUE(MenusIdle());
    EXPECT_TRUE(ScreenIdle());
}

TEST_F(MainWindowTest, PauseDoesNothingIdleAndStopsAndRestartsTheFallInAGame) {
    Key(Qt::Key_F3);
    EXPECT_FALSE(window().Paused());
    EXPECT_FALSE(window().FallTimer().isActive());

    Key(Qt::Key_F2);
    Key(Qt::Key_F3);
    EXPECT_TRUE(window().Paused());
    EXPECT_FALSE(window().FallTimer().isActive());
    EXPECT_EQ(form().Pause1->text(), "&Pause");
    Key(Qt::Key_F3);
    EXPECT_FALSE(window().Paused());
    EXPECT_TRUE(window().FallTimer().isActive());
    EXPECT_EQ(window().RequestedInterval(), window().Game().FallInterval());
}

TEST_F(MainWindowTest, LookingAwayPausesAsPauseDoesAndComingBackResumesNothing) {
    for (const auto& c : kit::testing::kLookAwayCases) {
        windows_.reset();  // which writes the settings
        kit::ProfileFile().writeString(kit::kPilloraSection, "Pillora_AutoPause", c.autoPause);
        windows_.emplace(&random_);
        windows_->ShowActive();
        Key(Qt::Key_F2);
        LookAwayAndBack(window(), c.how);
        EXPECT_EQ(window().Paused(), c.pauses) << int(c.how) << c.autoPause;
        EXPECT_EQ(window().FallTimer().isActive(), !c.pauses) << int(c.how) << c.autoPause;
        EXPECT_TRUE(MenusPlaying() && form().Pause1->text() == "&Pause");
    }
}

TEST_F(MainWindowTest, KeysMoveTheCapsuleWhilePausedAndNotWhenIdle) {
    Key(Qt::Key_Left);
    EXPECT_EQ(window().Game().Current().column, 3);

    Key(Qt::Key_F2);
    Key(Qt::Key_F3);
    Key(Qt::Key_Left);
    EXPECT_EQ(window().Game().Current().column, 2);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(window().Game().Current().column, 4);
    Key(Qt::Key_Up);
    EXPECT_EQ(window().Game().Current().orientation, 0);
    EXPECT_FALSE(window().FallTimer().isActive());

    // Space drops it at once; the next capsule enters at the top.
    Key(Qt::Key_Space);
    EXPECT_EQ(window().Game().PlayedCapsules(), 1);
    EXPECT_EQ(window().Game().Current().row, -2);
}

TEST_F(MainWindowTest, DownRushesTheFallUntilTheRealRelease) {
    Key(Qt::Key_F2);
    const int levelInterval = window().Game().FallInterval();
    QTest::keyPress(&window(), Qt::Key_Down);
    EXPECT_EQ(window().RequestedInterval(), 1);
    EXPECT_TRUE(window().FallTimer().isActive());
    EXPECT_LT(window().FallTimer().interval(), levelInterval);

    // The keyboard's repeat sends a release with each repeated press.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&window(), &repeatRelease);
    EXPECT_EQ(window().RequestedInterval(), 1);

    QTest::keyRelease(&window(), Qt::Key_Down);
    EXPECT_EQ(window().RequestedInterval(), levelInterval);
    EXPECT_EQ(window().FallTimer().interval(), levelInterval);
}

TEST_F(MainWindowTest, DownWhilePausedSetsTheCapsuleFallingAgain) {
    Key(Qt::Key_F2);
    Key(Qt::Key_F3);
    QTest::keyPress(&window(), Qt::Key_Down);
    EXPECT_TRUE(window().Paused());
    EXPECT_TRUE(window().FallTimer().isActive());
    QTest::keyRelease(&window(), Qt::Key_Down);
}

TEST_F(MainWindowTest, StartLevelSetsTheFirstInterval) {
    window().Settings().level = 0;
    Key(Qt::Key_F2);
    EXPECT_EQ(window().RequestedInterval(), 500);
    EXPECT_EQ(window().FallTimer().interval(), 500);
    EXPECT_EQ(window().Game().Level(), 0);

    messages_.AnswerNext(kit::MessageAnswer::Yes);
    Key(Qt::Key_F2);
    window().Settings().level = 10;
    Key(Qt::Key_F2);
    EXPECT_EQ(window().RequestedInterval(), 0);
    EXPECT_EQ(window().Game().Level(), 10);
    EXPECT_TRUE(window().FallTimer().isActive());
}

TEST_F(MainWindowTest, PreviewShowsTheNextCapsuleOnlyWhenAsked) {
    // Capsule numbers 7 (next) and 1 (current).
    random_.Script({6, 0});
    window().Settings().showNext = true;
    Key(Qt::Key_F2);
    const Pair next = window().Game().NextPair();
    ASSERT_NE(next, (Pair{kIdle, kIdle}));
    QImage shown = Grab();
    EXPECT_TRUE(ShowsTile(shown, window().Screen().previewRect(0), next.first));
    EXPECT_TRUE(ShowsTile(shown, window().Screen().previewRect(1), next.second));

    messages_.AnswerNext(kit::MessageAnswer::Yes);
    Key(Qt::Key_F2);
    window().Settings().showNext = false;
    Key(Qt::Key_F2);
    Key(Qt::Key_Space);
    shown = Grab();
    EXPECT_TRUE(ShowsTile(shown, window().Screen().previewRect(0), kIdle));
    EXPECT_TRUE(ShowsTile(shown, window().Screen().previewRect(1), kIdle));
}

TEST_F(MainWindowTest, ALostGameSaysSoOffersTheScoreAndGoesIdle) {
    Key(Qt::Key_F2);
    FillColumnThree();
    Key(Qt::Key_Space);
    ASSERT_TRUE(window().Game().NoGame());
    ASSERT_TRUE(window().GameInProgress());
    // No key is taken between the losing step and the tick that ends the game.
    const int column = window().Game().Current().column;
    Key(Qt::Key_Left);
    EXPECT_EQ(window().Game().Current().column, column);
    window().Game().SetScore(700);

    bool finalBottleShown = false;
    messages_.OnMessage([&](const kit::MessageRequest& request) {
        if (request.caption == "Sorry !")
            finalBottleShown =
                window().Screen().cell(3, 0) != kIdle && !window().FallTimer().isActive();
    });
    std::int32_t offered = -1;
    const OnNextModal table([&](QWidget* modal) {
        if (auto* best = qobject_cast<kit::BestWindow*>(modal))
            offered = best->candidateScore();
        modal->close();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window().GameInProgress(); }, 5000));

    ASSERT_EQ(messages_.Count("Sorry !"), 1);
    EXPECT_EQ(messages_.Requests().front().text, "Game Over ...");
    EXPECT_EQ(messages_.Requests().front().icon, kit::MessageIcon::Error);
    EXPECT_TRUE(finalBottleShown);
    EXPECT_EQ(offered, 700);
    EXPECT_TRUE(MenusIdle());
    EXPECT_TRUE(ScreenIdle());
    EXPECT_EQ(window().Game().Score(), 0);
    EXPECT_EQ(window().Game().Level(), 0);
    EXPECT_EQ(window().Game().PlayedCapsules(), 0);
    EXPECT_FALSE(window().FallTimer().isActive());
}

TEST_F(MainWindowTest, NewInTheInstantAfterALosingStepAsksInsteadOfDroppingTheScore) {
    Key(Qt::Key_F2);
    FillColumnThree();
    Key(Qt::Key_Space);
    ASSERT_TRUE(window().Game().NoGame());
    messages_.AnswerNext(kit::MessageAnswer::No);
    Key(Qt::Key_F2);
    EXPECT_EQ(messages_.Count("Abort Game ?"), 1);
    const OnNextModal table([](QWidget* modal) { modal->close(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window().GameInProgress(); }, 5000));
    EXPECT_EQ(messages_.Count("Sorry !"), 1);
    EXPECT_TRUE(table.ran());
}

TEST_F(MainWindowTest, BestFromACdRomWarnsInsteadOfShowingTheTable) {
    kit::setCdRomProbe([] { return true; });
    const OnNextModal table([](QWidget* modal) { modal->close(); });
    Key(Qt::Key_F4);
    QTest::qWait(30);
    EXPECT_FALSE(table.ran());
    EXPECT_EQ(messages_.Count("Warning !"), 1);
}

TEST_F(MainWindowTest, BestFromTheMenuShowsTheTableWithScoreZero) {
    std::int32_t offered = -1;
    QPoint at;
    const OnNextModal table([&](QWidget* modal) {
        if (auto* best = qobject_cast<kit::BestWindow*>(modal))
            offered = best->candidateScore();
        at = modal->pos();
        modal->close();
    });
    Key(Qt::Key_F4);
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(at, window().frameGeometry().topLeft() + QPoint(20, 20));
}

TEST_F(MainWindowTest, OptionsTakeEffectOnTheBottleAfterOk) {
    window().Settings().nbAligne = 9;
    const OnNextModal options([&](QWidget* modal) {
        auto* options = qobject_cast<TPilloraOptionWindow*>(modal);
        ASSERT_NE(options, nullptr);
        options->Form().CheckBox2->setChecked(true);
        options->Ok();
    });
    Key(Qt::Key_F6);
    EXPECT_EQ(window().Settings().nbAligne, 6);
    EXPECT_EQ(window().Game().AlignCount(), 6);
    EXPECT_TRUE(window().Settings().singlesOk);
    EXPECT_TRUE(window().Game().SinglesSlide());
}

TEST_F(MainWindowTest, AboutAndClosingShowTheStandardAboutBox) {
    Key(Qt::Key_F2);
    messages_.AnswerNext(kit::MessageAnswer::Yes);
    Key(Qt::Key_F2);
    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(messages_.Requests().size(), 2u);
    const kit::MessageRequest& about = messages_.Requests().back();
    EXPECT_EQ(about.kind, kit::MessageKind::About);
    EXPECT_EQ(about.caption, "About Pillora");
    EXPECT_TRUE(about.text.startsWith("Pillora\nPillora version 1.95\n\r"))
        << about.text.toStdString();
    EXPECT_FALSE(about.programIcon.isNull());

    // Closing during a game is never refused.
    Key(Qt::Key_F2);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(messages_.Requests().back().kind, kit::MessageKind::About);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, HelpOpensTheBundledDocumentWithItsPictures) {
    Key(Qt::Key_F1);
    kit::HelpWindow& help = kit::helpWindow();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.source(), QUrl("qrc:/pillora/help/index.html#index"));
    EXPECT_TRUE(help.toPlainText().contains("Keys"));
    const QVariant picture = help.loadResource(QTextDocument::ImageResource, QUrl("viruses.png"));
    EXPECT_FALSE(picture.value<QImage>().isNull() && picture.value<QPixmap>().isNull() &&
                 picture.toByteArray().isEmpty());
    help.close();
}

TEST_F(MainWindowTest, SettingsAreWrittenWhenTheWindowGoes) {
    window().Settings().showNext = true;
    window().Settings().level = 10;
    window().Settings().nbAligne = 5;
    window().Settings().sndName1 = "pop.wav";
    windows_.reset();

    const kit::ProfileFile file;
    EXPECT_EQ(file.readString(kit::kPilloraSection, "Pillora_Delta_t", ""), "500");
    EXPECT_EQ(file.readString(kit::kPilloraSection, "Pillora_ShowNext", ""), "1");
    EXPECT_EQ(file.readString(kit::kPilloraSection, "Pillora_Level", ""), "10");
    EXPECT_EQ(file.readString(kit::kPilloraSection, "Pillora_Nb_ALIGNE", ""), "5");
    EXPECT_EQ(file.readString(kit::kPilloraSection, "Pillora_Sndname1", ""), "pop.wav");
    // A start level of 10 is used in this run only.
    EXPECT_EQ(kit::LoadPilloraSettings().level, 1);
}

TEST_F(MainWindowTest, SettingsAreReadAtCreation) {
    windows_.reset();
    const kit::ProfileFile file;
    file.writeString(kit::kPilloraSection, "Pillora_Nb_ALIGNE", "3");
    file.writeString(kit::kPilloraSection, "Pillora_SinglesOk", "1");
    windows_.emplace(&random_);
    EXPECT_EQ(window().Settings().nbAligne, 3);
    EXPECT_EQ(window().Game().AlignCount(), 3);
    EXPECT_TRUE(window().Game().SinglesSlide());
}

// What the screen shows must be the bottle with the falling capsule over it,
// after every key, whatever the keys were.
TEST(MainWindowPlayTest, TheScreenFollowsTheBottleThroughAWholeGame) {
    MessageLog messages;
    kit::setCdRomProbe([] { return true; });
    kit::ClockRandomSource random(20261207);
    PilloraWindows windows(&random);
    TTPilloraWindow& window = windows.main;
    window.Settings().deltaVirus = 6;
    windows.ShowActive();
    std::mt19937 keys(7);
    const Qt::Key choices[] = {Qt::Key_Left,  Qt::Key_Right, Qt::Key_Up,   Qt::Key_Left,
                               Qt::Key_Right, Qt::Key_Up,    Qt::Key_Space};
    int checked = 0;
    for (int move = 0; move < 600; ++move) {
        if (!window.GameInProgress())
            QTest::keyClick(&window, Qt::Key_F2);
        if (window.Game().NoGame()) {
            // Lost: the next tick ends the game.
            ASSERT_TRUE(QTest::qWaitFor([&] { return !window.GameInProgress(); }, 5000));
            continue;
        }
        const Qt::Key lastKey = choices[keys() % 7];
        QTest::keyClick(&window, lastKey);
        const Bottle& bottle = window.Game();
        std::array<std::array<Cell, 25>, 8> expected{};
        for (int column = 0; column < 8; ++column)
            for (int row = -1; row < 24; ++row)
                expected[column][row + 1] = bottle.At(column, row);
        if (bottle.Current().row >= -1)
            for (const Tile& half : bottle.CapsuleTiles())
                if (half.row >= -1)
                    expected[half.column][half.row + 1] = half.code;
        for (int column = 0; column < 8; ++column)
            for (int row = -1; row < 24; ++row)
                ASSERT_EQ(int(window.Screen().cell(column, row)), int(expected[column][row + 1]))
                    << "move " << move << " cell " << column << "," << row << " capsule "
                    << bottle.Current().column << "," << bottle.Current().row << " o"
                    << bottle.Current().orientation << " last key " << lastKey;
        ++checked;
    }
    EXPECT_GT(checked, 400);
    EXPECT_GE(messages.Count("Sorry !"), 1);
    kit::setCdRomProbe({});
}

TEST(MainWindowZoomTest, CtrlPlusDoublesTheWindowAndItsPixelArtAndTheZoomIsKept) {
    {
        PilloraWindows windows;
        windows.ShowActive();
        QTest::keyClick(&windows.main, Qt::Key_F2);
        QTest::keyClick(&windows.main, Qt::Key_F3);  // nothing falls between the pictures
        kit::testing::ExpectCtrlPlusDoubles(
            windows.main, {"Bevel2", "Bevel1", "Bevel4", "Bevel5", "Bevel6", "Bevel7"});
    }
    EXPECT_EQ(kit::LoadPilloraSettings().zoom, 2);
}

TEST(MainWindowZoomTest, CellsAreAlikeAtFractionalDesktopScales) {
    for (const double scale : {1.25, 1.5, 1.75}) {
        kit::testing::ScopedDesktopScale desktop(scale);
        PilloraWindows windows;
        windows.ShowActive();
        kit::testing::ExpectEqualCells(windows.main, "Bevel2", QSize(16, 16));
        kit::testing::ExpectEqualCells(windows.main, "Bevel1", QSize(16, 24));
    }
}

}  // namespace
}  // namespace pillora
