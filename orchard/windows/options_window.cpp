#include "orchard/windows/options_window.h"

#include <QCoreApplication>
#include <QEvent>

#include <limits>

#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/form_style.h"
#include "kit/desktop/message_box.h"
#include "orchard/windows/main_window.h"

namespace orchard {
namespace {

constexpr int kMinAligned = 3;
constexpr int kMaxAligned = 6;
constexpr int kMinLevel = 0;
constexpr int kMaxLevel = 10;

}  // namespace

TTOrchardOptionWindow::TTOrchardOptionWindow(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(size());
    // The spin edits have no bounds of their own; CheckValues judges them.
    for (QSpinBox* spin : {ui_.SpinEdit1, ui_.SpinEdit2})
        spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    musicTypes_.addButton(ui_.RadioGroup1Item0, 0);
    musicTypes_.addButton(ui_.RadioGroup1Item1, 1);
    musicTypes_.addButton(ui_.RadioGroup1Item2, 2);
    musicTypes_.addButton(ui_.RadioGroup1Item3, 3);
    connect(ui_.Button1, &QPushButton::clicked, this, &TTOrchardOptionWindow::Ok);
    connect(ui_.Button2, &QPushButton::clicked, this, &TTOrchardOptionWindow::reject);
}

void TTOrchardOptionWindow::Setup(const QRect& mainWindowRect, QWidget* mainWindow,
                                  const OrchardOptionPlaces& places) {
    mainWindowRect_ = mainWindowRect;
    mainWindow_ = mainWindow;
    places_ = places;
    ui_.PageControl1->setCurrentIndex(0);
    ui_.CheckBox1->setChecked(*places_.SoundOn);
    ui_.CheckBox2->setChecked(*places_.TileSet == 1);
    ui_.CheckBox3->setChecked(*places_.JockerEnabled);
    ui_.CheckBox4->setChecked(*places_.ShowNext);
    ui_.SpinEdit1->setValue(static_cast<int>(*places_.AlignCount));
    ui_.SpinEdit2->setValue(static_cast<int>(*places_.StartLevel));
    // A stored music value outside 0 to 3 selects no item.
    musicTypes_.setExclusive(false);
    for (QAbstractButton* button : musicTypes_.buttons())
        button->setChecked(false);
    musicTypes_.setExclusive(true);
    if (QAbstractButton* item = musicTypes_.button(*places_.MusicType))
        item->setChecked(true);
}

void TTOrchardOptionWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TTOrchardOptionWindow::SetupWindow() {
    move(kit::dialogPosition(mainWindowRect_));
}

bool TTOrchardOptionWindow::CheckValues() {
    const int aligned = ui_.SpinEdit1->value();
    const int level = ui_.SpinEdit2->value();
    if (aligned >= kMinAligned && aligned <= kMaxAligned && level >= kMinLevel &&
        level <= kMaxLevel)
        return true;
    kit::showMessage(this, QStringLiteral("Bad values !!!"), QStringLiteral("Error !"));
    return false;
}

void TTOrchardOptionWindow::Ok() {
    if (!CheckValues() || places_.SoundOn == nullptr)
        return;
    *places_.SoundOn = ui_.CheckBox1->isChecked();
    *places_.JockerEnabled = ui_.CheckBox3->isChecked();
    *places_.ShowNext = ui_.CheckBox4->isChecked();
    *places_.TileSet = ui_.CheckBox2->isChecked() ? 1 : 2;
    *places_.AlignCount = static_cast<std::uint32_t>(ui_.SpinEdit1->value());
    *places_.StartLevel = static_cast<std::uint32_t>(ui_.SpinEdit2->value());
    // With no item chosen the music setting stays as it was.
    if (musicTypes_.checkedId() >= 0)
        *places_.MusicType = musicTypes_.checkedId();
    if (mainWindow_ != nullptr) {
        QEvent reload(
            static_cast<QEvent::Type>(QEvent::User + TTOrchardMainWindow::kReloadMusicEvent));
        QCoreApplication::sendEvent(mainWindow_, &reload);
    }
    QDialog::done(Accepted);
}

void TTOrchardOptionWindow::done(int result) {
    if (!CheckValues())
        return;
    QDialog::done(result);
}

}  // namespace orchard
