#include "orchard/windows/options_window.h"

#include <limits>

#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/first_show.h"
#include "kit/desktop/form_style.h"
#include "kit/desktop/message_box.h"

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
    kit::showPictureWhenShown(*ui_.Image1, QStringLiteral(":/orchard/options.png"));
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

void TTOrchardOptionWindow::SetPlacement(const QRect& mainWindowRect) {
    mainWindowRect_ = mainWindowRect;
}

void TTOrchardOptionWindow::BindOptions(kit::OrchardSettings& options) {
    options_ = &options;
    ui_.PageControl1->setCurrentIndex(0);
    ui_.CheckBox1->setChecked(options.sound);
    ui_.CheckBox2->setChecked(options.which == 1);
    ui_.CheckBox3->setChecked(options.jocker);
    ui_.CheckBox4->setChecked(options.nextPiece);
    ui_.CheckBox5->setChecked(options.joystick);
    ui_.SpinEdit1->setValue(options.nbAligned);
    ui_.SpinEdit2->setValue(options.level);
    // A stored music value outside 0 to 3 selects no item.
    musicTypes_.setExclusive(false);
    for (QAbstractButton* button : musicTypes_.buttons())
        button->setChecked(false);
    musicTypes_.setExclusive(true);
    if (QAbstractButton* item = musicTypes_.button(options.music))
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
    kit::showMessage(this, tr("Bad values !!!"), tr("Error !"));
    return false;
}

void TTOrchardOptionWindow::Ok() {
    if (!CheckValues() || options_ == nullptr)
        return;
    kit::OrchardSettings& options = *options_;
    options.sound = ui_.CheckBox1->isChecked();
    options.jocker = ui_.CheckBox3->isChecked();
    options.nextPiece = ui_.CheckBox4->isChecked();
    options.joystick = ui_.CheckBox5->isChecked();
    options.which = ui_.CheckBox2->isChecked() ? 1 : 2;
    options.nbAligned = ui_.SpinEdit1->value();
    options.level = ui_.SpinEdit2->value();
    // With no item chosen the music setting stays as it was.
    if (musicTypes_.checkedId() >= 0)
        options.music = musicTypes_.checkedId();
    emit OptionsChanged();
    QDialog::done(Accepted);
}

void TTOrchardOptionWindow::done(int result) {
    if (!CheckValues())
        return;
    QDialog::done(result);
}

}  // namespace orchard
