#include "pillora/windows/main_window.h"

#include "kit/audio/sound_effect.h"
#include "kit/desktop/auto_pause.h"
#include "kit/desktop/form_style.h"
#include "kit/desktop/help_window.h"
#include "kit/desktop/menu_lock.h"
#include "kit/desktop/message_box.h"
#include "kit/desktop/zoom.h"
#include "kit/digits/digits.h"
#include "kit/highscores/pillora_best_window.h"
#include "kit/settings/cdrom_warning.h"
#include "pillora/windows/animation_timing.h"
#include "pillora/windows/options_window.h"
#include "pillora/windows/program_icon.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <algorithm>

namespace pillora {
namespace {

// The timer's shortest period. Requests of 0 or 1 ms (the fastest levels, the
// Down key) run at this pace: fast, yet every row of a fall is still seen and
// the window keeps answering.
constexpr int kShortestPeriodMs = 10;

const QString kHelpDocument = QStringLiteral(":/pillora/help/index.html");

}  // namespace

TTPilloraWindow::TTPilloraWindow(kit::RandomSource* random, QWidget* parent)
    : QMainWindow(parent), bottle_(*this, random != nullptr ? *random : clockRandom_) {
    ui_.setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    kit::useFormStyle(*this);

    // The pictures of the program: tiles, digits and icon.
    screen_.emplace(
        ScreenLayout{ui_.Bevel2->geometry(), ui_.Bevel7->geometry(), ui_.Bevel1->geometry(),
                     ui_.Bevel4->geometry(), ui_.Bevel5->geometry(), ui_.Bevel6->geometry()},
        QPixmap(QStringLiteral(":/pillora/Pillora.png")),
        kit::loadNumbersStrip(kit::Program::Pillora));
    icon_ = pilloraIcon();
    setWindowIcon(icon_);
    ui_.ClientArea->installEventFilter(this);
    ui_.Bevel2->setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);

    connect(ui_.New2, &QAction::triggered, this, &TTPilloraWindow::Debut);
    connect(ui_.Pause1, &QAction::triggered, this, &TTPilloraWindow::Pause);
    connect(ui_.Best1, &QAction::triggered, this, &TTPilloraWindow::Best1Click);
    connect(ui_.Options1, &QAction::triggered, this, &TTPilloraWindow::Options1Click);
    connect(ui_.Exit1, &QAction::triggered, this, &TTPilloraWindow::Exit);
    connect(ui_.Index1, &QAction::triggered, this, &TTPilloraWindow::Index1Click);
    connect(ui_.About1, &QAction::triggered, this, &TTPilloraWindow::About1Click);
    connect(new kit::AutoPause(*this), &kit::AutoPause::lookedAway, this,
            &TTPilloraWindow::PlayerLookedAway);

    fallTimer_.setTimerType(Qt::PreciseTimer);
    connect(&fallTimer_, &QTimer::timeout, this, &TTPilloraWindow::WMTimer);

    bottle_.FillIdle();
    bottle_.SetScore(0);
    LoadSettings();
    ApplyOptions();
    RepaintAll();

    // A fixed window in the middle of the screen.
    setFixedSize(sizeHint());
    // At the zoom stored, or on a first start the one that suits the screen.
    kit::useZoom(*this, settings_.zoom);
    if (const QScreen* shown = QGuiApplication::primaryScreen())
        move(shown->availableGeometry().center() - rect().center());
}

TTPilloraWindow::~TTPilloraWindow() {
    fallTimer_.stop();
    ui_.ClientArea->removeEventFilter(this);
    SaveSettings();
}

void TTPilloraWindow::SetWindows(const Windows& windows) {
    windows_ = windows;
    if (windows_.options != nullptr)
        connect(windows_.options, &TPilloraOptionWindow::OptionsChanged, this,
                &TTPilloraWindow::ApplyOptions, Qt::UniqueConnection);
}

void TTPilloraWindow::LoadSettings() {
    // The kit brings hand-edited values into range as it reads them.
    settings_ = kit::LoadPilloraSettings();
}

void TTPilloraWindow::SaveSettings() const {
    kit::SaveSettings(settings_);
}

// --- Menu commands

void TTPilloraWindow::Debut() {
    if (gameInProgress_) {
        AbortQuery();
        return;
    }
    const std::uint16_t baseInterval = kit::ReadPilloraDeltaT();
    gameInProgress_ = true;
    SetGameMenus(true);
    bottle_.StartGame(settings_.level, settings_.deltaVirus, baseInterval);
    paused_ = false;
}

void TTPilloraWindow::AbortQuery() {
    if (!paused_)
        Pause();
    if (kit::askAbortGame(this)) {
        gameInProgress_ = false;
        SetGameMenus(false);
        fallTimer_.stop();
        paused_ = false;
        bottle_.FillIdle();
        bottle_.SetScore(0);
        RepaintAll();
    }
    if (paused_)
        Pause();
}

void TTPilloraWindow::Pause() {
    if (!gameInProgress_)
        return;
    if (paused_)
        StartFallTimer(bottle_.FallInterval());
    else
        fallTimer_.stop();
    paused_ = !paused_;
}

void TTPilloraWindow::PlayerLookedAway() {
    // A lost game waits for its last tick, not for the player.
    if (!settings_.autoPause || !gameInProgress_ || bottle_.NoGame())
        return;
    if (!paused_)
        Pause();
    else
        StopFallTimer();  // paused, yet falling since Down or a drop: stopped as Pause left it
}

void TTPilloraWindow::Best1Click() {
    Best(bottle_.Score());
}

void TTPilloraWindow::Best(std::uint16_t score) {
    if (kit::warnIfRunningFromCdRom(this))
        return;
    if (windows_.best == nullptr)
        return;
    windows_.best->SetPlacement(frameGeometry());
    windows_.best->SetScore(score);
    windows_.best->showModal();
}

void TTPilloraWindow::Options1Click() {
    if (windows_.options == nullptr)
        return;
    windows_.options->SetPlacement(frameGeometry());
    windows_.options->BindOptions(settings_);
    windows_.options->exec();
}

void TTPilloraWindow::Index1Click() {
    kit::helpWindow().showDocument(kHelpDocument, QStringLiteral("index"));
}

void TTPilloraWindow::About1Click() {
    ShowAboutBox();
}

void TTPilloraWindow::Exit() {
    close();
}

void TTPilloraWindow::ShowAboutBox() {
    kit::showAboutBox(this, QStringLiteral("Pillora"),
                      tr("Pillora version 1.95") + QStringLiteral("\n\r") +
                          tr("Game, pictures and sounds made by the Fallpack developers"),
                      icon_);
}

void TTPilloraWindow::closeEvent(QCloseEvent* event) {
    // The game goes on behind the box; the close is never refused.
    ShowAboutBox();
    event->accept();
}

void TTPilloraWindow::SetGameMenus(bool playing) {
    ui_.New2->setText(kit::newItemText(playing));
    kit::lockMenus({ui_.Game1, ui_.Help1}, playing);
}

void TTPilloraWindow::ApplyOptions() {
    bottle_.SetAlignCount(settings_.nbAligne);
    bottle_.SetSinglesSlide(settings_.singlesOk);
}

// --- The game loop

void TTPilloraWindow::WMTimer() {
    if (bottle_.NoGame()) {
        EndLostGame();
        return;
    }
    bottle_.FallStep();
    FlushDrawing();
}

void TTPilloraWindow::EndLostGame() {
    fallTimer_.stop();
    FlushDrawing();
    kit::showGameOver(this);
    bottle_.FillIdle();
    Best(bottle_.Score());
    gameInProgress_ = false;
    paused_ = false;
    SetGameMenus(false);
    bottle_.SetScore(0);
    RepaintAll();
}

void TTPilloraWindow::keyPressEvent(QKeyEvent* event) {
    if (bottle_.NoGame()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // The pause flag is not consulted: keys move the capsule while paused.
    switch (event->key()) {
        case Qt::Key_Left:
            bottle_.MoveLeft();
            break;
        case Qt::Key_Right:
            bottle_.MoveRight();
            break;
        case Qt::Key_Up:
            bottle_.Rotate();
            break;
        case Qt::Key_Space:
            bottle_.Drop();
            break;
        case Qt::Key_Down:
            StartFallTimer(1);
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    FlushDrawing();
}

void TTPilloraWindow::keyReleaseEvent(QKeyEvent* event) {
    // The keyboard's repeat sends releases too; only the real one ends the rush.
    if (event->key() == Qt::Key_Down && !event->isAutoRepeat() && !bottle_.NoGame()) {
        StartFallTimer(bottle_.FallInterval());
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

// --- Drawing

bool TTPilloraWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.ClientArea && event->type() == QEvent::Paint) {
        QPainter painter(ui_.ClientArea);
        screen_->paint(painter, static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TTPilloraWindow::Redraw(const QRect& rect) {
    if (rect.isEmpty())
        return;
    pending_ += rect;
    ui_.ClientArea->update(rect);
}

void TTPilloraWindow::FlushDrawing() {
    if (pending_.isEmpty())
        return;
    ui_.ClientArea->repaint(pending_);
    pending_ = QRegion();
}

void TTPilloraWindow::DrawCell(int column, int row, Cell code) {
    Redraw(screen_->setCell(column, row, code));
}

void TTPilloraWindow::DrawCapsule(std::span<const Tile> tiles) {
    for (const Tile& tile : tiles)
        DrawCell(tile.column, tile.row, tile.code);
}

void TTPilloraWindow::AnimationPause() {
    // What has been drawn reaches the screen before the wait. Nothing else may
    // run meanwhile (no event processing here): a key taken in the middle of a
    // fall would move a capsule that is already written into the bottle.
    FlushDrawing();
    const auto pause =
        screen_->showsFlash() ? flashPause(settings_.delay) : fallFramePause(settings_.delay);
    QThread::msleep(static_cast<unsigned long>(pause.count()));
}

void TTPilloraWindow::PlayEffect(Effect effect) {
    if (!settings_.soundOk)
        return;
    FlushDrawing();
    const std::string& name = effect == Effect::Removed ? settings_.sndName1 : settings_.sndName2;
    kit::playSoundEffect(name, kit::EffectMode::Sync);
}

void TTPilloraWindow::StopFallTimer() {
    fallTimer_.stop();
}

void TTPilloraWindow::StartFallTimer(int intervalMs) {
    requestedInterval_ = intervalMs;
    fallTimer_.start(std::max(intervalMs, kShortestPeriodMs));
}

void TTPilloraWindow::ShowScore(std::uint16_t score) {
    Redraw(screen_->setScore(score));
}

void TTPilloraWindow::ShowPlayed(std::uint16_t playedCapsules) {
    Redraw(screen_->setPlayed(playedCapsules));
}

void TTPilloraWindow::ShowLevel(int level) {
    Redraw(screen_->setLevel(level));
}

void TTPilloraWindow::ShowViruses(int viruses) {
    Redraw(screen_->setViruses(viruses));
}

void TTPilloraWindow::DrawNextCapsule(Pair next) {
    Redraw(screen_->setPreview(settings_.showNext ? next : Pair{kIdle, kIdle}));
}

void TTPilloraWindow::RepaintAll() {
    const bool noGame = bottle_.NoGame();
    for (int column = 0; column < BottleScreen::kColumns; ++column) {
        screen_->setCell(column, -1, noGame ? kIdle : kEmpty);
        for (int row = 0; row < Grid::kRows; ++row)
            screen_->setCell(column, row, bottle_.At(column, row));
    }
    screen_->setScore(bottle_.Score());
    screen_->setViruses(bottle_.CountViruses());
    screen_->setLevel(bottle_.Level());
    screen_->setPlayed(bottle_.PlayedCapsules());
    screen_->setPreview(settings_.showNext ? bottle_.NextPair() : Pair{kIdle, kIdle});
    if (!noGame && bottle_.Current().row >= 0)
        bottle_.DrawCapsule();
    pending_ = QRegion();
    ui_.ClientArea->repaint();
}

}  // namespace pillora
