#include "briko/windows/options_window.h"

#include "briko/ui_options_window.h"
#include "kit/desktop/form_style.h"

#include <QButtonGroup>
#include <QCoreApplication>

TBRIKOOptionsWindow::TBRIKOOptionsWindow(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::BRIKOOptionsWindow>()) {
    ui_->setupUi(this);
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    designs_ = new QButtonGroup(this);
    const QList<QAbstractButton*> designButtons{ui_->RadioGroup1Item0, ui_->RadioGroup1Item1,
                                                ui_->RadioGroup1Item2, ui_->RadioGroup1Item3,
                                                ui_->RadioGroup1Item4};
    for (int i = 0; i < designButtons.size(); ++i)
        designs_->addButton(designButtons[i], i);
    musics_ = new QButtonGroup(this);
    const QList<QAbstractButton*> musicButtons{ui_->RadioGroup2Item0, ui_->RadioGroup2Item1,
                                               ui_->RadioGroup2Item2, ui_->RadioGroup2Item3};
    for (int i = 0; i < musicButtons.size(); ++i)
        musics_->addButton(musicButtons[i], i);
    connect(ui_->Button1, &QPushButton::clicked, this, &TBRIKOOptionsWindow::Ok);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TBRIKOOptionsWindow::~TBRIKOOptionsWindow() = default;

void TBRIKOOptionsWindow::BindOptions(const QRect& mainWindowRect, QWidget* mainWindow,
                                      int* demoSpeed, int* startRows, int* startLevel,
                                      int* musicType, int* blockDesign, bool* demoLoop,
                                      bool* soundOn, bool* joystickOn) {
    origin_ = mainWindowRect;
    mainWindow_ = mainWindow;
    demoSpeed_ = demoSpeed;
    startRows_ = startRows;
    startLevel_ = startLevel;
    musicType_ = musicType;
    blockDesign_ = blockDesign;
    demoLoop_ = demoLoop;
    soundOn_ = soundOn;
    joystickOn_ = joystickOn;
}

void TBRIKOOptionsWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TBRIKOOptionsWindow::SetupWindow() {
    move(origin_.topLeft() + QPoint(20, 20));
    ui_->PageControl1->setCurrentIndex(0);
    if (!soundOn_)
        return;
    ui_->CheckBox1->setChecked(*soundOn_);
    ui_->CheckBox3->setChecked(*demoLoop_);
    ui_->CheckBox4->setChecked(*joystickOn_);
    // A value outside the offered choices leaves the group without a checked button.
    for (QButtonGroup* group : {designs_, musics_}) {
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons())
            button->setChecked(false);
        group->setExclusive(true);
    }
    if (QAbstractButton* design = designs_->button(*blockDesign_))
        design->setChecked(true);
    if (QAbstractButton* music = musics_->button(*musicType_))
        music->setChecked(true);
    ui_->TrackBar1->setValue(*startRows_);
    ui_->TrackBar2->setValue(*startLevel_);
    ui_->TrackBar3->setValue(*demoSpeed_);
}

void TBRIKOOptionsWindow::Ok() {
    if (soundOn_) {
        if (designs_->checkedId() >= 0)
            *blockDesign_ = designs_->checkedId();
        if (musics_->checkedId() >= 0)
            *musicType_ = musics_->checkedId();
        *soundOn_ = ui_->CheckBox1->isChecked();
        *demoLoop_ = ui_->CheckBox3->isChecked();
        *joystickOn_ = ui_->CheckBox4->isChecked();
        *startRows_ = ui_->TrackBar1->value();
        *startLevel_ = ui_->TrackBar2->value();
        *demoSpeed_ = ui_->TrackBar3->value();
    }
    accept();
    if (mainWindow_) {
        QEvent applied(kOptionsAppliedEvent);
        QCoreApplication::sendEvent(mainWindow_, &applied);
    }
}
