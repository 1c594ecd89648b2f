#include "orchard/windows/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "kit/desktop/form_style.h"
#include "kit/desktop/help_window.h"
#include "kit/digits/digits.h"
#include "kit/settings/cdrom.h"
#include "kit/settings/profile.h"
#include "kit/settings/settings.h"
#include "kit/testing/form_style_testing.h"
#include "kit/testing/scripted_random.h"
#include "kit/testing/virtual_pad.h"
#include "kit/testing/zoom_testing.h"
#include "orchard/windows/tests/window_harness.h"
#include "orchard/windows/well_geometry.h"

namespace orchard {
namespace {

using kit::testing::LookAwayAndBack;
using kit::testing::ScriptedRandom;
using kit::testing::VirtualPad;
using testing::MessageLog;
using testing::ModalCloser;
using testing::OrchardWindows;
using testing::ShowsTile;
using testing::Tile;

const QString kOrchardTiles = QStringLiteral(":/orchard/ORCHARD.png");
const QString kDefaultTiles = QStringLiteral(":/orchard/DEFAULT.png");

// Every menu and item a game locks, with the state they should have.
void ExpectMenus(const TTOrchardMainWindow& window, bool gameRunning) {
    const Ui::TOrchardMainWindow& form = window.Form();
    EXPECT_EQ(form.New1->text(), gameRunning ? "&Abort" : "&New");
    EXPECT_TRUE(form.New1->isEnabled());
    EXPECT_TRUE(form.Pause1->isEnabled());
    for (const QMenu* menu : {form.Game1, form.Help1})
        EXPECT_EQ(menu->menuAction()->isEnabled(), !gameRunning)
            << menu->objectName().toStdString();
    for (const QAction* item : {form.Best1, form.Options, form.Exit2, form.Index1, form.About1})
        EXPECT_EQ(item->isEnabled(), !gameRunning) << item->objectName().toStdString();
}

void ExpectIdleWell(const OrchardWindows& windows, const QString& tileSet) {
    const QImage picture = windows.Grab();
    const QImage stone = Tile(tileSet, Stone);
    const QPoint well = windows.Frame("Bevel2");
    for (int column = 0; column < kWellColumns; ++column)
        for (int row = kFirstShownRow; row <= kLastShownRow; ++row)
            ASSERT_TRUE(ShowsTile(picture, wellCellRect(well, column, row).topLeft(), stone))
                << "cell " << column << ", " << row;
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(ShowsTile(picture, nextCellRect(windows.Frame("Bevel8"), k).topLeft(), stone));
}

std::string ReadSettingsFile() {
    std::ifstream in(kit::settingsFilePath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(OrchardMainWindow, IdleWindowShowsStonesZeroCountersAndOpenMenus) {
    OrchardWindows windows;
    windows.ShowActive();
    EXPECT_EQ(windows.main.windowTitle(), "- Orchard for Windows 95 -");
    EXPECT_EQ(windows.ClientArea().size(), QSize(279, 414));
    ExpectMenus(windows.main, false);
    ExpectIdleWell(windows, kOrchardTiles);

    // Every counter shows zeros, drawn from the digit strip one pixel inside its frame.
    const QImage picture = windows.Grab();
    const QImage zero = kit::loadNumbersStrip(kit::Program::Orchard)
                            .toImage()
                            .copy(0, kit::digitCellTop(0), 16, 24)
                            .convertToFormat(QImage::Format_RGB32);
    for (auto [frame, digits] :
         {std::pair{"Bevel4", 5}, {"Bevel5", 3}, {"Bevel6", 3}, {"Bevel7", 2}})
        for (int i = 0; i < digits; ++i)
            EXPECT_EQ(picture.copy(windows.Frame(frame).x() + 1 + 16 * i,
                                   windows.Frame(frame).y() + 1, 16, 24),
                      zero)
                << frame << " digit " << i;
    EXPECT_FALSE(windows.main.FallTimer().isActive());
}

TEST(OrchardMainWindow, TileSetsHoldTenDistinctTiles) {
    for (const QString& set : {kOrchardTiles, kDefaultTiles}) {
        EXPECT_EQ(QImage(set).size(), QSize(16, 160)) << set.toStdString();
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_NE(Tile(set, a), Tile(set, b)) << set.toStdString() << a << " " << b;
    }
    EXPECT_EQ(Tile(kOrchardTiles, Empty).pixel(8, 8), qRgb(0, 0, 0));
}

TEST(OrchardMainWindow, NewGameLocksMenusAndTheirShortcutsDoNothing) {
    ScriptedRandom random;
    random.FallBackTo(2);
    OrchardWindows windows(&random);
    MessageLog messages;
    ModalCloser closer;
    windows.ShowActive();

    QTest::keyClick(&windows.main, Qt::Key_F2);
    const OrchardState& state = windows.main.Game().State();
    ASSERT_FALSE(state.NoGame);
    ExpectMenus(windows.main, true);
    EXPECT_TRUE(windows.main.FallTimer().isActive());
    EXPECT_EQ(windows.main.FallTimer().interval(), 450);  // level 1, DeltaT 500

    QTest::keyClick(&windows.main, Qt::Key_F4);
    QTest::keyClick(&windows.main, Qt::Key_F6);
    QTest::keyClick(&windows.main, Qt::Key_F1);
    QTest::keyClick(&windows.main, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&windows.main, Qt::Key_X, Qt::AltModifier);
    QTest::qWait(50);
    EXPECT_TRUE(messages.Requests().empty());
    EXPECT_TRUE(closer.Seen().empty());
    EXPECT_FALSE(kit::helpWindow().isVisible());
    EXPECT_TRUE(windows.main.isVisible());
    EXPECT_FALSE(state.NoGame);
}

TEST(OrchardMainWindow, EveryWindowIsSilverInTheFormFontWithItsExactCaption) {
    OrchardWindows windows;
    windows.ShowActive();
    const std::pair<const QWidget*, QString> forms[] = {
        {&windows.main, "- Orchard for Windows 95 -"},
        {&windows.options, "Options"},
        {&windows.about, "About Orchard for Windows 95"}};
    for (const auto& [form, caption] : forms) {
        kit::testing::ExpectFormStyle(*form);
        EXPECT_EQ(form->windowTitle(), caption);
    }
    EXPECT_EQ(windows.main.menuBar()->font(), kit::formFont());
    // The style changes no geometry of the forms.
    EXPECT_EQ(windows.ClientArea().size(), QSize(279, 414));
    EXPECT_EQ(windows.options.size(), QSize(292, 228));
    EXPECT_EQ(windows.about.size(), QSize(297, 223));
}

TEST(OrchardMainWindow, LockedMenusAreGreyYetReadable) {
    OrchardWindows windows;
    windows.ShowActive();
    QTest::keyClick(&windows.main, Qt::Key_F2);
    for (const QMenu* menu : {windows.main.Form().Game1, windows.main.Form().Help1})
        kit::testing::ExpectGreyedButReadable(*windows.main.menuBar(), menu->menuAction(),
                                              windows.main.Form().Pause1);
}

TEST(OrchardMainWindow, FallingColumnIsDrawnAsItEntersTheWell) {
    ScriptedRandom random{0, 1, 2, 3, 4, 5};
    OrchardWindows windows(&random);
    windows.ShowActive();
    windows.main.New1Click();
    windows.main.Game().FallTick();  // the bottom fruit reaches the top strip
    const OrchardState& state = windows.main.Game().State();
    const QImage picture = windows.Grab();
    const QPoint well = windows.Frame("Bevel2");
    EXPECT_TRUE(ShowsTile(picture, wellCellRect(well, 3, -1).topLeft(),
                          Tile(kOrchardTiles, state.FallingColumn[Bottom])));
    EXPECT_TRUE(ShowsTile(picture, wellCellRect(well, 3, 0).topLeft(), Tile(kOrchardTiles, Empty)));
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(ShowsTile(picture, nextCellRect(windows.Frame("Bevel8"), k).topLeft(),
                              Tile(kOrchardTiles, state.NextColumn[k])));
}

TEST(OrchardMainWindow, AbortAnsweredNoResumesEvenAGamePausedBefore) {
    OrchardWindows windows;
    MessageLog messages;
    windows.ShowActive();
    const OrchardState& state = windows.main.Game().State();
    QTest::keyClick(&windows.main, Qt::Key_F2);

    QTest::keyClick(&windows.main, Qt::Key_F2);
    ASSERT_EQ(messages.Requests().size(), 1u);
    const kit::MessageRequest& question = messages.Requests().front();
    EXPECT_EQ(question.text, "Really ?");
    EXPECT_EQ(question.caption, "Abort Game ?");
    EXPECT_EQ(question.icon, kit::MessageIcon::Question);
    EXPECT_EQ(question.buttons, kit::MessageButtons::YesNo);
    EXPECT_FALSE(state.NoGame);
    EXPECT_FALSE(state.Paused);
    EXPECT_TRUE(windows.main.FallTimer().isActive());

    QTest::keyClick(&windows.main, Qt::Key_F3);
    ASSERT_TRUE(state.Paused);
    QTest::keyClick(&windows.main, Qt::Key_F2);
    EXPECT_FALSE(state.Paused);
    EXPECT_TRUE(windows.main.FallTimer().isActive());
    ExpectMenus(windows.main, true);
}

TEST(OrchardMainWindow, AbortAnsweredYesGoesBackToIdle) {
    OrchardWindows windows;
    MessageLog messages;
    messages.AnswerQuestions(kit::MessageAnswer::Yes);
    windows.ShowActive();
    QTest::keyClick(&windows.main, Qt::Key_F2);
    QTest::keyClick(&windows.main, Qt::Key_F2);
    EXPECT_TRUE(windows.main.Game().State().NoGame);
    EXPECT_FALSE(windows.main.FallTimer().isActive());
    ExpectMenus(windows.main, false);
    ExpectIdleWell(windows, kOrchardTiles);
}

TEST(OrchardMainWindow, PauseStopsAndResumesTheFall) {
    OrchardWindows windows;
    windows.ShowActive();
    const OrchardState& state = windows.main.Game().State();
    QTest::keyClick(&windows.main, Qt::Key_F3);  // no game: nothing to pause
    EXPECT_FALSE(state.Paused);

    QTest::keyClick(&windows.main, Qt::Key_F2);
    QTest::keyClick(&windows.main, Qt::Key_F3);
    EXPECT_TRUE(state.Paused);
    EXPECT_FALSE(windows.main.FallTimer().isActive());
    QTest::keyClick(&windows.main, Qt::Key_F3);
    EXPECT_FALSE(state.Paused);
    EXPECT_TRUE(windows.main.FallTimer().isActive());
    EXPECT_EQ(windows.main.FallTimer().interval(), 450);
}

TEST(OrchardMainWindow, LookingAwayPausesAsPauseDoesAndComingBackResumesNothing) {
    for (const auto& c : kit::testing::kLookAwayCases) {
        kit::ProfileFile().writeString(kit::kOrchardSection, "Orchard_AutoPause", c.autoPause);
        OrchardWindows windows;
        windows.ShowActive();
        QTest::keyClick(&windows.main, Qt::Key_F2);
        LookAwayAndBack(windows.main, c.how);
        EXPECT_EQ(windows.main.Game().State().Paused, c.pauses) << int(c.how) << c.autoPause;
        EXPECT_EQ(windows.main.FallTimer().isActive(), !c.pauses) << int(c.how) << c.autoPause;
        ExpectMenus(windows.main, true);
    }
}

TEST(OrchardMainWindow, AGamepadsStartPausesOnlyWhileTheWindowIsActive) {
    VirtualPad pad(VirtualPad::Kind::Gamepad);
    ASSERT_TRUE(pad.present()) << SDL_GetError();
    OrchardWindows windows;
    windows.main.Settings().joystick = true;
    windows.main.ApplyOptions();
    windows.ShowActive();
    QTest::keyClick(&windows.main, Qt::Key_F2);
    const bool& paused = windows.main.Game().State().Paused;
    const auto pressStart = [&] {
        pad.press(SDL_CONTROLLER_BUTTON_START);
        windows.main.Joystick().Poll();
        pad.press(SDL_CONTROLLER_BUTTON_START, false);
        windows.main.Joystick().Poll();
    };
    QApplication::setActiveWindow(nullptr);
    pressStart();
    EXPECT_FALSE(paused);
    windows.ShowActive();
    pressStart();
    EXPECT_TRUE(paused);
    pressStart();
    EXPECT_FALSE(paused);
}

TEST(OrchardMainWindow, DownFallsFastUntilReallyReleasedAlsoWhilePaused) {
    OrchardWindows windows;
    windows.ShowActive();
    const QTimer& timer = windows.main.FallTimer();
    QTest::keyClick(&windows.main, Qt::Key_F2);

    QTest::keyPress(&windows.main, Qt::Key_Down);
    EXPECT_EQ(timer.interval(), 1);
    // The keyboard's auto-repeat sends releases while the key is still held.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&windows.main, &repeatRelease);
    EXPECT_EQ(timer.interval(), 1);
    QTest::keyRelease(&windows.main, Qt::Key_Down);
    EXPECT_EQ(timer.interval(), 450);

    QTest::keyClick(&windows.main, Qt::Key_F3);
    ASSERT_FALSE(timer.isActive());
    QTest::keyPress(&windows.main, Qt::Key_Down);
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(windows.main.Game().State().Paused);
    QTest::keyRelease(&windows.main, Qt::Key_Down);
}

// Fills the well up to row 0, so that the first column to land ends the game.
void FillWell(TTOrchardMainWindow& window) {
    window.Game().EditState().Board.FillRows(0, 23, Stone);
}

TEST(OrchardMainWindow, LostGameHandsItsScoreToTheHighScoreWindow) {
    OrchardWindows windows;
    MessageLog messages;
    ModalCloser closer;
    std::int32_t offered = -1;
    closer.OnModal([&](QWidget* modal) {
        if (auto* best = qobject_cast<kit::BestWindow*>(modal))
            offered = best->candidateScore();
    });
    windows.ShowActive();
    QTest::keyClick(&windows.main, Qt::Key_F2);
    FillWell(windows.main);
    QTest::keyPress(&windows.main, Qt::Key_Down);  // falls at once onto the full well

    for (int i = 0; i < 200 && windows.main.Game().State().NoGame == false; ++i)
        QTest::qWait(5);
    for (int i = 0; i < 400 && windows.main.Form().New1->text() != "&New"; ++i)
        QTest::qWait(5);

    ASSERT_TRUE(messages.Saw(QStringLiteral("Game Over ...")));
    EXPECT_EQ(messages.Requests().front().caption, "Sorry !");
    EXPECT_EQ(messages.Requests().front().icon, kit::MessageIcon::Error);
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_EQ(offered, 3);  // one column landed at level 1
    EXPECT_EQ(windows.main.Game().State().Score, 0);
    EXPECT_FALSE(windows.main.FallTimer().isActive());
    ExpectMenus(windows.main, false);
    ExpectIdleWell(windows, kOrchardTiles);
}

TEST(OrchardMainWindow, OnACdRomTheWarningReplacesTheHighScoreWindow) {
    kit::setCdRomProbe([] { return true; });
    {
        OrchardWindows windows;
        MessageLog messages;
        ModalCloser closer;
        windows.ShowActive();
        QTest::keyClick(&windows.main, Qt::Key_F4);
        EXPECT_TRUE(closer.Seen().empty());
        ASSERT_EQ(messages.Requests().size(), 1u);
        EXPECT_EQ(messages.Requests().front().caption, "Warning !");
    }
    kit::setCdRomProbe({});
}

TEST(OrchardMainWindow, HelpAndAboutFromTheMenu) {
    OrchardWindows windows;
    MessageLog messages;
    windows.ShowActive();
    QTest::keyClick(&windows.main, Qt::Key_F1);
    EXPECT_TRUE(kit::helpWindow().isVisible());
    EXPECT_EQ(kit::helpWindow().source().fragment(), "contents");
    EXPECT_FALSE(kit::helpWindow().toPlainText().isEmpty());
    kit::helpWindow().hide();

    windows.ShowActive();
    QTest::keyClick(&windows.main, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(messages.Requests().size(), 1u);
    const kit::MessageRequest& about = messages.Requests().front();
    EXPECT_EQ(about.kind, kit::MessageKind::About);
    EXPECT_TRUE(about.text.contains(QStringLiteral("\nOrchard version 1.95,\n")));
    EXPECT_TRUE(about.text.contains(QStringLiteral("July 1996")));
    EXPECT_FALSE(about.programIcon.isNull());
}

TEST(OrchardMainWindow, SettingsAreReadAtCreationAndWrittenAtExit) {
    const kit::ProfileFile file;
    file.writeString(kit::kOrchardSection, "Orchard_Which", "2");
    file.writeString(kit::kOrchardSection, "Orchard_NbAligned", "5");
    file.writeString(kit::kOrchardSection, "Orchard_Sound", "2");
    {
        OrchardWindows windows;
        windows.ShowActive();
        EXPECT_EQ(windows.main.Settings().which, 2);
        EXPECT_EQ(windows.main.Game().Options().AlignCount, 5u);
        EXPECT_FALSE(windows.main.Game().Options().SoundOn);
        ExpectIdleWell(windows, kDefaultTiles);
        windows.main.Settings().level = 7;
    }
    const kit::OrchardSettings saved = kit::LoadOrchardSettings();
    EXPECT_EQ(saved.which, 2);
    EXPECT_EQ(saved.nbAligned, 5);
    EXPECT_EQ(saved.level, 7);
    EXPECT_FALSE(saved.sound);
    EXPECT_NE(ReadSettingsFile().find("Orchard_DeltaT=500"), std::string::npos);
    EXPECT_NE(ReadSettingsFile().find("Orchard_Sound=0"), std::string::npos);
}

TEST(OrchardMainWindow, OkInTheOptionsReachesTheGameThePictureAndTheJoystick) {
    OrchardWindows windows;
    windows.ShowActive();
    kit::testing::WhenModal([&](QWidget*) {
        const Ui::TOrchardOptionWindow& form = windows.options.Form();
        EXPECT_EQ(windows.options.pos(), windows.main.frameGeometry().topLeft() + QPoint(20, 20));
        form.CheckBox2->setChecked(false);
        form.CheckBox3->setChecked(false);
        form.CheckBox5->setChecked(true);
        form.SpinEdit1->setValue(5);
        form.SpinEdit2->setValue(4);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    QTest::keyClick(&windows.main, Qt::Key_F6);
    const OrchardOptions& options = windows.main.Game().Options();
    EXPECT_EQ(options.AlignCount, 5u);
    EXPECT_EQ(options.StartLevel, 4u);
    EXPECT_FALSE(options.JockerEnabled);
    EXPECT_EQ(windows.main.Settings().which, 2);
    ExpectIdleWell(windows, kDefaultTiles);
    EXPECT_TRUE(windows.main.Joystick().Active() || windows.main.Joystick().Waiting());
}

TEST(OrchardMainWindow, ClosingShowsTheAboutWindowUnlessHidden) {
    for (const bool hidden : {false, true}) {
        if (hidden)
            kit::ProfileFile().writeString(kit::kOrchardSection, "Orchard_HideAboutBox", "1");
        OrchardWindows windows;
        ModalCloser closer;
        windows.ShowActive();
        QTest::keyClick(&windows.main, Qt::Key_F2);  // closing is never refused, not even in a game
        windows.main.close();
        EXPECT_FALSE(windows.main.isVisible());
        EXPECT_FALSE(windows.main.FallTimer().isActive());
        if (hidden)
            EXPECT_TRUE(closer.Seen().empty());
        else
            EXPECT_EQ(closer.Seen(), std::vector<QString>{"orchard::TOrchardAboutWindow"});
    }
}

TEST(OrchardMainWindow, CtrlPlusDoublesTheWindowAndItsPixelArtAndTheZoomIsKept) {
    {
        OrchardWindows windows;
        windows.ShowActive();
        QTest::keyClick(&windows.main, Qt::Key_F2);
        QTest::keyClick(&windows.main, Qt::Key_F3);  // nothing falls between the pictures
        kit::testing::ExpectCtrlPlusDoubles(
            windows.main, {"Bevel2", "Bevel4", "Bevel5", "Bevel6", "Bevel7", "Bevel8"});
    }
    EXPECT_EQ(kit::LoadOrchardSettings().zoom, 2);
}

TEST(OrchardMainWindow, CellsAreAlikeAtFractionalDesktopScales) {
    for (const double scale : {1.25, 1.5, 1.75}) {
        kit::testing::ScopedDesktopScale desktop(scale);
        OrchardWindows windows;
        windows.ShowActive();
        kit::testing::ExpectEqualCells(windows.main, "Bevel2", QSize(16, 16));
        kit::testing::ExpectEqualCells(windows.main, "Bevel4", QSize(16, 24));
    }
}

}  // namespace
}  // namespace orchard
