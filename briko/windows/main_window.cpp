#include "briko/windows/main_window.h"

#include "briko/rules/demo_stats_text.h"
#include "briko/windows/about_window.h"
#include "briko/windows/controls_window.h"
#include "briko/windows/options_window.h"
#include "kit/audio/beeper.h"
#include "kit/desktop/auto_pause.h"
#include "kit/desktop/form_style.h"
#include "kit/desktop/language.h"
#include "kit/desktop/menu_lock.h"
#include "kit/desktop/message_box.h"
#include "kit/desktop/zoom.h"
#include "kit/digits/digits.h"
#include "kit/highscores/best_window.h"
#include "kit/highscores/briko_best_window.h"
#include "kit/settings/cdrom_warning.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <thread>

namespace briko {

namespace {

constexpr int kCell = 16;
constexpr int kNextCell = 8;
constexpr int kDesignRows = 9;
const QColor kSilver(192, 192, 192);

// The Options window offers these ranges; a hand-edited file is brought into them.
constexpr int kMaxStartLevel = 10;
constexpr int kMaxStartRows = 10;
constexpr int kMaxDemoSpeed = 20;
constexpr int kMaxMusicType = 3;
constexpr int kMaxBlockDesign = 4;

}  // namespace

TBrikoMainWindow::TBrikoMainWindow(kit::RandomSource* random, QWidget* parent)
    : QMainWindow(parent),
      ownRandom_(random ? nullptr : std::make_unique<kit::ClockRandomSource>()),
      random_(random ? *random : *ownRandom_),
      game_(*this, random_, stats_),
      MediaPlayer1(kit::Program::Briko) {
    ui_.setupUi(this);
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFocusPolicy(Qt::StrongFocus);

    // The separators keep their form names.
    int separator = 0;
    for (QMenu* menu : {ui_.Game1, ui_.Help1})
        for (QAction* action : menu->actions())
            if (action->isSeparator())
                action->setObjectName(QStringLiteral("N%1").arg(++separator));

    // The captions are words, in the player's language.
    kit::showLocalizedPicture(*ui_.Image1, QStringLiteral(":/briko/caption_score.png"));
    kit::showLocalizedPicture(*ui_.Image3, QStringLiteral(":/briko/caption_rows.png"));
    kit::showLocalizedPicture(*ui_.Image4, QStringLiteral(":/briko/caption_pieces.png"));
    kit::showLocalizedPicture(*ui_.Image5, QStringLiteral(":/briko/caption_next.png"));

    tiles_ = QPixmap(QStringLiteral(":/briko/tiles.png"));
    numbers_ = kit::loadNumbersStrip(kit::Program::Briko);
    icon_.addFile(QStringLiteral(":/briko/icon_32.png"));
    icon_.addFile(QStringLiteral(":/briko/icon_64.png"));
    setWindowIcon(icon_);

    surface_ = QPixmap(ui_.centralwidget->size());
    surface_.fill(kSilver);
    ui_.centralwidget->installEventFilter(this);
    ui_.Bevel2->setCursor(Qt::BlankCursor);

    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { game_.Tick(); });

    connect(ui_.New1, &QAction::triggered, this, &TBrikoMainWindow::New1Click);
    connect(ui_.Pause1, &QAction::triggered, this, &TBrikoMainWindow::Pause1Click);
    connect(ui_.Demo1, &QAction::triggered, this, &TBrikoMainWindow::Go1Click);
    connect(ui_.Best1, &QAction::triggered, this, &TBrikoMainWindow::Best);
    connect(ui_.Options, &QAction::triggered, this, &TBrikoMainWindow::OptionsClick);
    connect(ui_.Stats1, &QAction::triggered, this, &TBrikoMainWindow::Stats1Click);
    connect(ui_.Exit2, &QAction::triggered, this, &TBrikoMainWindow::Exit2Click);
    connect(ui_.Controls1, &QAction::triggered, this, &TBrikoMainWindow::Controls1Click);
    connect(ui_.About1, &QAction::triggered, this, &TBrikoMainWindow::About1Click);
    connect(&MediaPlayer1, &kit::MusicPlayer::ended, this, &TBrikoMainWindow::RepeatPlaying);
    connect(new kit::AutoPause(*this), &kit::AutoPause::lookedAway, this,
            &TBrikoMainWindow::PlayerLookedAway);

    Joystick1.SetEnabled(true);
    Joystick1.SetGamePort(kit::TGamePort::One);
    Joystick1.SetNotifyRange(3);
    Joystick1.SetPollRate(100);
    Joystick1.SetRepeatPosition(true);
    Joystick1.SetOnJoyMove(
        [this](QObject*, std::int32_t& x, std::int32_t& y) { game_.JoyMove(x, y); });
    // Releasing the button does nothing.
    Joystick1.SetOnButton1([this](QObject*, bool pushed) {
        if (pushed)
            game_.JoyButton1();
    });
    // A gamepad's Start does what F3 does; nothing moves while another window is active.
    Joystick1.SetOnStartButton([this](QObject*, bool pushed) {
        if (pushed)
            ui_.Pause1->trigger();
    });
    Joystick1.SetFocusWindow(this);

    LoadSettings();
    ApplyOptions();
    ModeChanged(GameMode::Idle);

    // Centred on the screen, at the size the form gives it.
    adjustSize();
    // At the zoom stored, or on a first start the one that suits the screen.
    kit::useZoom(*this, settings_.zoom);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TBrikoMainWindow::~TBrikoMainWindow() {
    timer_.stop();
    MediaPlayer1.close();
    Joystick1.Deactivate();
    SaveSettings();
}

void TBrikoMainWindow::SetWindows(const Windows& windows) {
    windows_ = windows;
    if (windows_.options)
        connect(windows_.options, &TBRIKOOptionsWindow::OptionsChanged, this,
                &TBrikoMainWindow::ApplyOptions, Qt::UniqueConnection);
}

// Settings -----------------------------------------------------------------

void TBrikoMainWindow::LoadSettings() {
    settings_ = kit::LoadBrikoSettings();
    settings_.start = std::clamp(settings_.start, 0, kMaxStartLevel);
    settings_.rows = std::clamp(settings_.rows, 0, kMaxStartRows);
    settings_.demoSpeed = std::clamp(settings_.demoSpeed, 0, kMaxDemoSpeed);
    settings_.music = std::clamp(settings_.music, 0, kMaxMusicType);
    settings_.which = std::clamp(settings_.which, 0, kMaxBlockDesign);
}

void TBrikoMainWindow::SaveSettings() const {
    kit::SaveSettings(settings_);
}

int TBrikoMainWindow::ReadBaseInterval() {
    return kit::ReadBrikoDeltaT();
}

void TBrikoMainWindow::ApplyJoystick() {
    if (settings_.joyEnabled)
        Joystick1.Activate();
    else
        Joystick1.Deactivate();
}

void TBrikoMainWindow::OpenTrack() {
    if (settings_.music != kit::kMusicOff)
        MediaPlayer1.openTrack(settings_.music);
}

void TBrikoMainWindow::ApplyOptions() {
    BrikoOptions& options = game_.Options();
    options.StartLevel = settings_.start;
    options.StartRows = settings_.rows;
    options.DemoSpeed = settings_.demoSpeed;
    options.SoundOn = settings_.sound;
    options.DemoLoop = settings_.demoLoop;
    ApplyJoystick();
    if (settings_.music != kit::kMusicOff) {
        if (!MediaPlayer1.isPlaying())
            MediaPlayer1.close();
        OpenTrack();
    }
    // A new block design shows at once.
    RepaintAll();
}

// Commands -------------------------------------------------------------------

void TBrikoMainWindow::New1Click() {
    game_.New();
}

void TBrikoMainWindow::Pause1Click() {
    game_.TogglePause();
}

void TBrikoMainWindow::PlayerLookedAway() {
    if (!settings_.autoPause || game_.NoGame() || !game_.PlayerGameOn())
        return;
    if (!game_.Paused())
        Pause1Click();
    else
        StopFallTimer();  // paused, yet falling since Down or a drop: stopped as Pause left it
}

void TBrikoMainWindow::Go1Click() {
    game_.Demo();
}

void TBrikoMainWindow::Best() {
    ShowBestWith(game_.Score());
}

void TBrikoMainWindow::ShowBestWith(int score) {
    if (kit::warnIfRunningFromCdRom(this))
        return;
    if (!windows_.best)
        return;
    windows_.best->SetPlacement(frameGeometry());
    windows_.best->SetScore(score);
    windows_.best->showModal();
}

void TBrikoMainWindow::OptionsClick() {
    if (!game_.NoGame() || !windows_.options)
        return;
    windows_.options->SetPlacement(frameGeometry());
    windows_.options->BindOptions(settings_);
    windows_.options->exec();
}

void TBrikoMainWindow::Stats1Click() {
    if (game_.NoGame())
        game_.Stats();
}

void TBrikoMainWindow::Exit2Click() {
    close();
}

void TBrikoMainWindow::Controls1Click() {
    if (!windows_.controls)
        return;
    windows_.controls->SetOrigin(frameGeometry());
    windows_.controls->exec();
}

void TBrikoMainWindow::About1Click() {
    kit::showAboutBox(this, QStringLiteral("BRIKO : Brikoline"), tr("Dedicated to @Self"), icon_);
}

void TBrikoMainWindow::RepeatPlaying() {
    MediaPlayer1.replayIfRunning(settings_.music, !game_.NoGame() && game_.PlayerGameOn(),
                                 game_.Paused());
}

// Events ---------------------------------------------------------------------

bool TBrikoMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.centralwidget && event->type() == QEvent::Paint) {
        QPainter painter(ui_.centralwidget);
        painter.drawPixmap(0, 0, surface_);
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TBrikoMainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            game_.MoveLeft();
            break;
        case Qt::Key_Right:
            game_.MoveRight();
            break;
        case Qt::Key_Up:
            game_.Rotate();
            break;
        case Qt::Key_Shift:
            // Holding Shift mirrors once, not back and forth.
            if (!event->isAutoRepeat())
                game_.Mirror();
            break;
        case Qt::Key_Space:
            game_.HardDrop();
            break;
        case Qt::Key_Down:
            game_.SoftDropStart();
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TBrikoMainWindow::keyReleaseEvent(QKeyEvent* event) {
    // Key repeat sends releases too; only the real one ends the soft drop.
    if (event->key() == Qt::Key_Down && !event->isAutoRepeat()) {
        game_.SoftDropEnd();
        event->accept();
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

void TBrikoMainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        Best();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void TBrikoMainWindow::closeEvent(QCloseEvent* event) {
    // The close is never refused; with no game on, the about window comes first.
    if (game_.NoGame() && !kit::BrikoHidesAboutBox() && windows_.about) {
        windows_.about->SetOrigin(frameGeometry());
        windows_.about->exec();
    }
    event->accept();
}

// The view: drawing --------------------------------------------------------------

QRect TBrikoMainWindow::CellRect(int column, int row) const {
    const QRect well = ui_.Bevel2->geometry();
    return QRect(well.left() + 1 + kCell * (column - kWellLeft), well.top() + 1 + kCell * row,
                 kCell, kCell);
}

void TBrikoMainWindow::DrawTile(const QRect& target, int tileColumn, int tileRow) {
    QPainter painter(&surface_);
    PaintTile(painter, target, tileColumn, tileRow);
    Touch(target);
}

void TBrikoMainWindow::PaintTile(QPainter& painter, const QRect& target, int tileColumn,
                                 int tileRow) {
    if (tileRow < kDesignRows) {
        painter.drawPixmap(target, tiles_,
                           QRect(kCell * tileColumn, kCell * tileRow, kCell, kCell));
        return;
    }
    if (plainTiles_.isNull())
        plainTiles_ = QPixmap(QStringLiteral(":/briko/tiles_plain.png"));
    painter.drawPixmap(target, plainTiles_,
                       QRect(0, kCell * (tileRow - kDesignRows), kCell, kCell));
}

void TBrikoMainWindow::DrawPiece(int x, int y, ShapeMask mask, int piece) {
    const int tileRow = ColourIndex(std::uint8_t(piece + 1)) + kDesignRows * settings_.which;
    for (int dx = 0; dx < 5; ++dx)
        for (int dy = 0; dy < 5; ++dy) {
            const int column = x + dx, row = y + dy;
            if (!(mask & (1u << BoxBit(dx, dy))) || row < 0 || row >= kWellRows ||
                column < kWellLeft || column > kWellRight)
                continue;
            DrawTile(CellRect(column, row), PieceNeighbourCode(settings_.which, mask, dx, dy),
                     tileRow);
        }
}

void TBrikoMainWindow::ErasePiece(int x, int y, ShapeMask mask) {
    for (int dx = 0; dx < 5; ++dx)
        for (int dy = 0; dy < 5; ++dy) {
            const int column = x + dx, row = y + dy;
            if (!(mask & (1u << BoxBit(dx, dy))) || row < 0 || row >= kWellRows ||
                column < kWellLeft || column > kWellRight)
                continue;
            // The empty tile of the first design, whatever the design.
            DrawTile(CellRect(column, row), 0, 0);
        }
}

void TBrikoMainWindow::DrawCounter(Counter counter, int value) {
    QWidget* frame = ui_.Bevel4;
    int digits = 6;
    if (counter == Counter::Rows) {
        frame = ui_.Bevel5;
        digits = 4;
    } else if (counter == Counter::Pieces) {
        frame = ui_.Bevel6;
        digits = 4;
    }
    QPainter painter(&surface_);
    kit::DrawCounter(painter, numbers_, frame->geometry(), value, digits);
    Touch(frame->geometry());
}

void TBrikoMainWindow::DrawNextPiece(int piece, ShapeMask mask) {
    const QRect box = ui_.Bevel7->geometry();
    const int tileRow = ColourIndex(std::uint8_t(piece + 1)) + kDesignRows * settings_.which;
    QPainter painter(&surface_);
    for (int dx = 0; dx < 5; ++dx)
        for (int dy = 0; dy < 5; ++dy) {
            const QRect target(box.left() + 5 + kNextCell * dx, box.top() + 5 + kNextCell * dy,
                               kNextCell, kNextCell);
            const bool covered = mask & (1u << BoxBit(dx, dy));
            const int column = covered ? PieceNeighbourCode(settings_.which, mask, dx, dy) : 0;
            const int row = covered ? tileRow : 0;
            PaintTile(painter, target, column, row);
        }
    Touch(box);
}

// While no game runs the next-piece box shows a frame of empty tiles around the icon.
void TBrikoMainWindow::DrawIdleNextBox() {
    const QRect box = ui_.Bevel7->geometry();
    QPainter painter(&surface_);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            if (i == 0 || j == 0 || i == 5 || j == 5)
                PaintTile(painter,
                          QRect(box.left() + 1 + kNextCell * i, box.top() + 1 + kNextCell * j,
                                kNextCell, kNextCell),
                          0, 0);
    painter.fillRect(QRect(box.left() + 9, box.top() + 9, 32, 32), Qt::black);
    icon_.paint(&painter, QRect(box.left() + 9, box.top() + 9, 32, 32));
    Touch(box);
}

void TBrikoMainWindow::RepaintAll() {
    const Board& board = game_.GetBoard();
    for (int column = kWellLeft; column <= kWellRight; ++column)
        for (int row = 0; row < kWellRows; ++row) {
            const std::uint8_t value = board[CellIndex(column, row)];
            DrawTile(CellRect(column, row), CellNeighbourCode(settings_.which, board, column, row),
                     ColourIndex(value) + kDesignRows * settings_.which);
        }
    DrawCounter(Counter::Score, game_.Score());
    DrawCounter(Counter::Rows, game_.RemovedRows());
    DrawCounter(Counter::Pieces, game_.PieceCount());
    if (game_.NoGame())
        DrawIdleNextBox();
    else
        DrawNextPiece(game_.NextPiece(), game_.NextMask());
    Flush();
}

void TBrikoMainWindow::Touch(const QRect& rect) {
    dirty_ += rect;
    ui_.centralwidget->update(rect);
}

void TBrikoMainWindow::Flush() {
    if (dirty_.isEmpty())
        return;
    ui_.centralwidget->repaint(dirty_);
    dirty_ = QRegion();
}

void TBrikoMainWindow::AnimationPause() {
    Flush();
    const int pause = game_.Options().DemoSpeed * kPauseUnitMs;
    if (pause > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
}

// The view: everything else ------------------------------------------------------

void TBrikoMainWindow::PlayEffect(Effect effect) {
    kit::beep(effect == Effect::Information ? kit::BeepSound::Asterisk : kit::BeepSound::Default);
}

void TBrikoMainWindow::StartMusic() {
    MediaPlayer1.startMusic(settings_.music);
}

void TBrikoMainWindow::StopMusic() {
    MediaPlayer1.stopMusic(settings_.music);
}

void TBrikoMainWindow::StartFallTimer(int intervalMs) {
    timer_.start(std::max(intervalMs, kShortestTimerPeriodMs));
}

void TBrikoMainWindow::StopFallTimer() {
    timer_.stop();
}

void TBrikoMainWindow::ModeChanged(GameMode mode) {
    const bool idle = mode == GameMode::Idle;
    const bool demo = mode == GameMode::Demonstration;
    ui_.New1->setText(kit::newItemText(mode == GameMode::Playing));
    ui_.New1->setEnabled(!demo);
    ui_.Pause1->setEnabled(!demo);
    ui_.Demo1->setText(demo ? tr("&Stop") : tr("&Demo"));
    ui_.Demo1->setEnabled(idle || demo);
    kit::lockMenus({ui_.Game1, ui_.Help1}, !idle);
}

void TBrikoMainWindow::ShowGameOver() {
    Flush();
    kit::showGameOver(this);
}

bool TBrikoMainWindow::ConfirmAbort() {
    Flush();
    return kit::askAbortGame(this);
}

void TBrikoMainWindow::ShowBest(int score) {
    Flush();
    ShowBestWith(score);
}

void TBrikoMainWindow::ShowStatistics(const DemoStatsRecord& record) {
    const auto translate = [](const char* word) {
        return QCoreApplication::translate(kStatsContext, word).toStdString();
    };
    kit::showMessage(this, QString::fromStdString(DemoStatsText(record, translate)),
                     QCoreApplication::translate(kStatsContext, kStatsCaption),
                     kit::MessageIcon::Information);
}

void TBrikoMainWindow::ShowNoStatistics() {
    kit::showMessage(this, QCoreApplication::translate(kStatsContext, kNoStatsText),
                     QCoreApplication::translate(kStatsContext, kNoStatsCaption),
                     kit::MessageIcon::Error);
}

}  // namespace briko
