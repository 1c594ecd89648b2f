#include "orchard/windows/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include "kit/audio/sound_effect.h"
#include "kit/desktop/auto_pause.h"
#include "kit/desktop/form_style.h"
#include "kit/desktop/help_window.h"
#include "kit/desktop/menu_lock.h"
#include "kit/desktop/message_box.h"
#include "kit/desktop/zoom.h"
#include "kit/digits/digits.h"
#include "kit/highscores/orchard_best_window.h"
#include "kit/settings/cdrom_warning.h"
#include "orchard/windows/about_window.h"
#include "orchard/windows/options_window.h"
#include "orchard/windows/well_geometry.h"

namespace orchard {
namespace {

QPoint framePosition(const QWidget* frame) {
    return frame->geometry().topLeft();
}

}  // namespace

TTOrchardMainWindow::TTOrchardMainWindow(kit::RandomSource* random, QWidget* parent)
    : QMainWindow(parent), MediaPlayer1(kit::Program::Orchard), Joystick1(this) {
    ui_.setupUi(this);
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFocusPolicy(Qt::StrongFocus);

    orchardTiles_ = QPixmap(QStringLiteral(":/orchard/ORCHARD.png"));
    defaultTiles_ = QPixmap(QStringLiteral(":/orchard/DEFAULT.png"));
    numbers_ = kit::loadNumbersStrip(kit::Program::Orchard);
    for (const char* size : {"16", "32", "48"})
        mainIcon_.addFile(QStringLiteral(":/orchard/MAINICON%1.png").arg(QLatin1String(size)));
    setWindowIcon(mainIcon_);

    // The pointer would only hide the falling fruit.
    ui_.Bevel2->setCursor(Qt::BlankCursor);
    picture_ = QImage(ui_.ClientArea->size(), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    ui_.ClientArea->installEventFilter(this);

    fallTimer_.setTimerType(Qt::PreciseTimer);
    connect(&fallTimer_, &QTimer::timeout, this, &TTOrchardMainWindow::FallTimerTick);

    OrchardView& view = *this;
    if (random != nullptr)
        game_ = std::make_unique<OrchardGame>(view, *random);
    else
        game_ = std::make_unique<OrchardGame>(view);

    connect(ui_.New1, &QAction::triggered, this, &TTOrchardMainWindow::New1Click);
    connect(ui_.Pause1, &QAction::triggered, this, &TTOrchardMainWindow::Pause1Click);
    connect(ui_.Best1, &QAction::triggered, this, [this] { Best1Click(game_->State().Score); });
    connect(ui_.Options, &QAction::triggered, this, &TTOrchardMainWindow::OptionsClick);
    connect(ui_.Exit2, &QAction::triggered, this, &TTOrchardMainWindow::Exit2Click);
    connect(ui_.Index1, &QAction::triggered, this, &TTOrchardMainWindow::Index1Click);
    connect(ui_.About1, &QAction::triggered, this, &TTOrchardMainWindow::About1Click);
    // The shortcuts work wherever the focus is inside this window.
    for (QAction* action :
         {ui_.Best1, ui_.Options, ui_.Exit2, ui_.New1, ui_.Pause1, ui_.Index1, ui_.About1})
        addAction(action);

    connect(&MediaPlayer1, &kit::MusicPlayer::ended, this, &TTOrchardMainWindow::RepeatPlaying);
    connect(new kit::AutoPause(*this), &kit::AutoPause::lookedAway, this,
            &TTOrchardMainWindow::PlayerLookedAway);
    // The joystick's design settings; it polls only once the options enable it.
    Joystick1.SetEnabled(true);
    Joystick1.SetGamePort(kit::TGamePort::One);
    Joystick1.SetRepeatPosition(true);
    Joystick1.SetRepeatButton1(false);
    Joystick1.SetRepeatButton2(false);
    Joystick1.SetRepeatButton3(false);
    Joystick1.SetRepeatButton4(false);
    Joystick1.SetOnJoyMove(
        [this](QObject* sender, std::int32_t& x, std::int32_t& y) { JoyStickMove(sender, x, y); });
    // A gamepad's Start does what F3 does; nothing moves while another window is active.
    Joystick1.SetOnStartButton([this](QObject*, bool pushed) {
        if (pushed)
            ui_.Pause1->trigger();
    });
    Joystick1.SetFocusWindow(this);

    LoadSettings();
    // The loaded options reach the game, the music and the picture as after Ok.
    ApplyOptions();

    adjustSize();
    // At the zoom stored, or on a first start the one that suits the screen.
    kit::useZoom(*this, settings_.zoom);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TTOrchardMainWindow::~TTOrchardMainWindow() {
    fallTimer_.stop();
    Joystick1.Deactivate();
    MediaPlayer1.close();
    SaveSettings();
}

void TTOrchardMainWindow::SetWindows(const Windows& windows) {
    windows_ = windows;
    if (windows_.options != nullptr)
        connect(windows_.options, &TTOrchardOptionWindow::OptionsChanged, this,
                &TTOrchardMainWindow::ApplyOptions, Qt::UniqueConnection);
}

// ---- Settings ---------------------------------------------------------------

void TTOrchardMainWindow::LoadSettings() {
    settings_ = kit::LoadOrchardSettings();  // hand-edited values are brought into range
}

void TTOrchardMainWindow::SaveSettings() const {
    kit::SaveSettings(settings_);  // a failed write is silent; the next start reads the old file
}

void TTOrchardMainWindow::ApplyOptions() {
    OrchardOptions& options = game_->Options();
    options.StartLevel = static_cast<std::uint32_t>(settings_.level);
    options.AlignCount = static_cast<std::uint32_t>(settings_.nbAligned);
    options.Delay = settings_.delay;
    options.SoundOn = settings_.sound;
    options.JockerEnabled = settings_.jocker;
    options.ShowNext = settings_.nextPiece;
    ReloadMusic();
    if (settings_.joystick)
        Joystick1.Activate();
    else
        Joystick1.Deactivate();
    // The tile set and the next box take effect at once.
    RepaintAll();
}

// ---- Menu commands ------------------------------------------------------------

void TTOrchardMainWindow::New1Click() {
    if (gameShown_) {
        // Between the overflow and the tick that ends the game there is no
        // game left to abort, and no new one may start before the score is offered.
        if (!game_->State().NoGame)
            AskToAbort();
        return;
    }
    game_->NewGame(kit::ReadOrchardDeltaT());
    SetGameMenus(true);
    MediaPlayer1.startMusic(settings_.music);
    RepaintAll();
}

void TTOrchardMainWindow::Pause1Click() {
    if (!game_->State().NoGame)
        game_->TogglePause();
}

void TTOrchardMainWindow::PlayerLookedAway() {
    if (!settings_.autoPause || game_->State().NoGame)
        return;
    if (!game_->State().Paused)
        Pause1Click();
    else
        StopFallTimer();  // paused, yet falling since Down or a drop: stopped as Pause left it
}

void TTOrchardMainWindow::AskToAbort() {
    if (!game_->State().Paused)
        Pause1Click();
    if (kit::askAbortGame(this)) {
        StopFallTimer();
        MediaPlayer1.stopMusic(settings_.music);
        SetGameMenus(false);
        game_->AbortGame();
        RepaintAll();
    } else if (game_->State().Paused) {
        Pause1Click();  // resumes, also a game that was paused before
    }
}

void TTOrchardMainWindow::Best1Click(std::uint16_t score) {
    if (kit::warnIfRunningFromCdRom(this))
        return;
    if (windows_.best == nullptr)
        return;
    windows_.best->SetPlacement(frameGeometry());
    windows_.best->SetScore(score);
    windows_.best->showModal();
}

void TTOrchardMainWindow::OptionsClick() {
    if (windows_.options == nullptr)
        return;
    windows_.options->SetPlacement(frameGeometry());
    windows_.options->BindOptions(settings_);
    windows_.options->exec();
}

void TTOrchardMainWindow::Exit2Click() {
    close();
}

void TTOrchardMainWindow::Index1Click() {
    kit::helpWindow().showDocument(QStringLiteral(":/orchard/help/index.html"),
                                   QStringLiteral("contents"));
}

void TTOrchardMainWindow::About1Click() {
    kit::showAboutBox(this, QStringLiteral("Orchard"),
                      tr("Orchard version 1.95,\nreleased in July 1996"), mainIcon_);
}

void TTOrchardMainWindow::SetGameMenus(bool playing) {
    gameShown_ = playing;
    ui_.New1->setText(kit::newItemText(playing));
    kit::lockMenus({ui_.Game1, ui_.Help1}, playing);
}

// ---- Close --------------------------------------------------------------------

void TTOrchardMainWindow::closeEvent(QCloseEvent* event) {
    // Bye: never refused. A game still running stops here, so that it cannot
    // end behind the about window with a message and the high-score table.
    fallTimer_.stop();
    Joystick1.Deactivate();
    if (windows_.about != nullptr && !kit::OrchardHidesAboutBox()) {
        windows_.about->SetPlacement(frameGeometry());
        windows_.about->exec();
    }
    event->accept();
}

// ---- Fall timer and the end of a game ----------------------------------------------

void TTOrchardMainWindow::StartFallTimer(int intervalMs) {
    fallTimer_.start(std::max(0, intervalMs));
}

void TTOrchardMainWindow::StopFallTimer() {
    fallTimer_.stop();
}

void TTOrchardMainWindow::FallTimerTick() {
    if (game_->State().NoGame)
        EndOfGame();
    else
        game_->FallTick();
}

void TTOrchardMainWindow::EndOfGame() {
    StopFallTimer();
    MediaPlayer1.stopMusic(settings_.music);
    kit::showGameOver(this);
    const std::uint16_t finalScore = game_->EndGame();
    RepaintAll();
    Best1Click(finalScore);
    SetGameMenus(false);
    RepaintAll();
}

// ---- Keys and joystick ------------------------------------------------------------

void TTOrchardMainWindow::keyPressEvent(QKeyEvent* event) {
    if (game_->State().NoGame) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Auto-repeat repeats the command; none is blocked by the pause.
    switch (event->key()) {
        case Qt::Key_Space:
            game_->DropColumn();
            break;
        case Qt::Key_Left:
            game_->MoveLeft();
            break;
        case Qt::Key_Up:
            game_->CycleColumn();
            break;
        case Qt::Key_Right:
            game_->MoveRight();
            break;
        case Qt::Key_Down:
            game_->StartFastFall();
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TTOrchardMainWindow::keyReleaseEvent(QKeyEvent* event) {
    // An auto-repeat release is not a release: the key is still held.
    if (event->key() == Qt::Key_Down && !event->isAutoRepeat() && !game_->State().NoGame) {
        game_->StopFastFall();
        event->accept();
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

void TTOrchardMainWindow::JoyStickMove(QObject*, std::int32_t& x, std::int32_t& y) {
    if (game_->State().NoGame)
        return;
    if (x > 1)
        game_->MoveRight();
    if (x < -1)
        game_->MoveLeft();
    if (y > 1)
        game_->DropColumn();
    if (y < -1)
        game_->CycleColumn();
}

// ---- Music --------------------------------------------------------------------

void TTOrchardMainWindow::RepeatPlaying() {
    MediaPlayer1.replayIfRunning(settings_.music, !game_->State().NoGame, game_->State().Paused);
}

void TTOrchardMainWindow::ReloadMusic() {
    if (settings_.music == kit::kMusicOff)
        return;
    if (!MediaPlayer1.isPlaying())
        MediaPlayer1.close();
    MediaPlayer1.openTrack(settings_.music);
}

// ---- Drawing ----------------------------------------------------------------------

const QPixmap& TTOrchardMainWindow::Tiles() const {
    return settings_.which == 2 ? defaultTiles_ : orchardTiles_;
}

void TTOrchardMainWindow::PaintTile(QPainter& painter, const QRect& target, Cell code) const {
    const int tile = code >= 0 && code <= Joker ? code : Empty;
    painter.drawPixmap(target.topLeft(), Tiles(), tileSourceRect(tile));
}

void TTOrchardMainWindow::ShowNow(const QRect& area) {
    // Drawn at once, so that every step of a cascade reaches the screen.
    if (ui_.ClientArea->isVisible())
        ui_.ClientArea->repaint(area);
}

void TTOrchardMainWindow::DrawCell(int column, int row, Cell code) {
    if (!isShownRow(row) || column < 0 || column >= kWellColumns)
        return;
    const QRect target = wellCellRect(framePosition(ui_.Bevel2), column, row);
    {
        QPainter painter(&picture_);
        PaintTile(painter, target, code);
    }
    ShowNow(target);
}

void TTOrchardMainWindow::DrawColumn(const Column& column, int prevX, int prevY, int columnX,
                                     int columnY) {
    const QPoint well = framePosition(ui_.Bevel2);
    QRect touched;
    {
        QPainter painter(&picture_);
        painter.setClipRect(wellInterior(well));
        for (int k = 0; k < 3; ++k) {
            if (prevY + kTileSize * k < 0)
                continue;
            const QRect target = columnCellRect(well, prevX, prevY, k);
            PaintTile(painter, target, Empty);
            touched |= target;
        }
        for (int k = 0; k < 3; ++k) {
            if (columnY + kTileSize * k < 0)
                continue;
            const QRect target = columnCellRect(well, columnX, columnY, k);
            PaintTile(painter, target, column[k]);
            touched |= target;
        }
    }
    if (!touched.isEmpty())
        ShowNow(touched & wellInterior(well));
}

void TTOrchardMainWindow::DrawNextBlock(const Column& next) {
    const QPoint frame = framePosition(ui_.Bevel8);
    {
        QPainter painter(&picture_);
        for (int k = 0; k < 3; ++k)
            PaintTile(painter, nextCellRect(frame, k), next[k]);
    }
    ShowNow(QRect(frame, ui_.Bevel8->size()));
}

void TTOrchardMainWindow::DrawCounter(Counter counter, unsigned value) {
    const QWidget* frame = ui_.Bevel4;
    int digits = 5;
    switch (counter) {
        case Counter::Score:
            break;
        case Counter::Eliminated:
            frame = ui_.Bevel6;
            digits = 3;
            break;
        case Counter::Level:
            frame = ui_.Bevel7;
            digits = 2;
            break;
        case Counter::PlayedBlocks:
            frame = ui_.Bevel5;
            digits = 3;
            value &= 0xFFFF;
            break;
    }
    {
        QPainter painter(&picture_);
        kit::DrawCounter(painter, numbers_, frame->geometry(), value, digits);
    }
    ShowNow(frame->geometry());
}

void TTOrchardMainWindow::PlayEffect(Effect effect) {
    const std::string* name = &settings_.sndName1;
    if (effect == Effect::GameStart)
        name = &settings_.sndName2;
    else if (effect == Effect::DropRest)
        name = &settings_.sndName3;
    kit::playSoundEffect(*name, kit::EffectMode::Async);
}

void TTOrchardMainWindow::AnimationPause() {
    if (settlePauseMs_ > 0 && ui_.ClientArea->isVisible())
        QThread::msleep(static_cast<unsigned long>(settlePauseMs_));
}

void TTOrchardMainWindow::RepaintAll() {
    const OrchardState& state = game_->State();
    const OrchardOptions& options = game_->Options();
    const QPoint well = framePosition(ui_.Bevel2);
    {
        QPainter painter(&picture_);
        for (int column = 0; column < kWellColumns; ++column) {
            // The top strip is never drawn from the board on a repaint.
            PaintTile(painter, wellCellRect(well, column, -1), state.NoGame ? Stone : Empty);
            for (int row = 0; row <= kLastShownRow; ++row)
                PaintTile(painter, wellCellRect(well, column, row), state.Board.At(column, row));
        }
    }
    if (!state.NoGame)
        DrawColumn(state.FallingColumn, state.PrevX, state.PrevY, state.ColumnX, state.ColumnY);
    DrawCounter(Counter::Score, state.Score);
    DrawCounter(Counter::Eliminated, state.Eliminated);
    DrawCounter(Counter::Level, state.Level);
    DrawCounter(Counter::PlayedBlocks, state.PlayedBlocks & 0xFFFF);
    if (options.ShowNext) {
        DrawNextBlock(state.NextColumn);
    } else {
        QPainter painter(&picture_);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(ui_.Bevel8->geometry(), Qt::transparent);
    }
    ui_.ClientArea->update();
}

bool TTOrchardMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.ClientArea && event->type() == QEvent::Paint) {
        QPainter painter(ui_.ClientArea);
        painter.drawImage(0, 0, picture_);
        return false;  // the frames, labels and pictures paint over it as usual
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orchard
