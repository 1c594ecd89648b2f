#include "briko/windows/options_window.h"

#include <QButtonGroup>

#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/first_show.h"
#include "kit/desktop/form_style.h"

namespace briko {

TBRIKOOptionsWindow::TBRIKOOptionsWindow(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    kit::showPictureWhenShown(*ui_.Image2, QStringLiteral(":/briko/options_banner.png"));
    designs_ = new QButtonGroup(this);
    const QList<QAbstractButton*> designButtons{ui_.RadioGroup1Item0, ui_.RadioGroup1Item1,
                                                ui_.RadioGroup1Item2, ui_.RadioGroup1Item3,
                                                ui_.RadioGroup1Item4};
    for (int i = 0; i < designButtons.size(); ++i)
        designs_->addButton(designButtons[i], i);
    musics_ = new QButtonGroup(this);
    const QList<QAbstractButton*> musicButtons{ui_.RadioGroup2Item0, ui_.RadioGroup2Item1,
                                               ui_.RadioGroup2Item2, ui_.RadioGroup2Item3};
    for (int i = 0; i < musicButtons.size(); ++i)
        musics_->addButton(musicButtons[i], i);
    connect(ui_.Button1, &QPushButton::clicked, this, &TBRIKOOptionsWindow::Ok);
    connect(ui_.Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TBRIKOOptionsWindow::SetPlacement(const QRect& mainWindowRect) {
    placement_ = mainWindowRect;
}

void TBRIKOOptionsWindow::BindOptions(kit::BrikoSettings& options) {
    options_ = &options;
}

void TBRIKOOptionsWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TBRIKOOptionsWindow::SetupWindow() {
    move(kit::dialogPosition(placement_));
    ui_.PageControl1->setCurrentIndex(0);
    if (!options_)
        return;
    ui_.CheckBox1->setChecked(options_->sound);
    ui_.CheckBox3->setChecked(options_->demoLoop);
    ui_.CheckBox4->setChecked(options_->joyEnabled);
    // A value outside the offered choices leaves the group without a checked button.
    for (QButtonGroup* group : {designs_, musics_}) {
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons())
            button->setChecked(false);
        group->setExclusive(true);
    }
    if (QAbstractButton* design = designs_->button(options_->which))
        design->setChecked(true);
    if (QAbstractButton* music = musics_->button(options_->music))
        music->setChecked(true);
    ui_.TrackBar1->setValue(options_->rows);
    ui_.TrackBar2->setValue(options_->start);
    ui_.TrackBar3->setValue(options_->demoSpeed);
}

void TBRIKOOptionsWindow::Ok() {
    if (options_) {
        if (designs_->checkedId() >= 0)
            options_->which = designs_->checkedId();
        if (musics_->checkedId() >= 0)
            options_->music = musics_->checkedId();
        options_->sound = ui_.CheckBox1->isChecked();
        options_->demoLoop = ui_.CheckBox3->isChecked();
        options_->joyEnabled = ui_.CheckBox4->isChecked();
        options_->rows = ui_.TrackBar1->value();
        options_->start = ui_.TrackBar2->value();
        options_->demoSpeed = ui_.TrackBar3->value();
    }
    emit OptionsChanged();
    accept();
}

}  // namespace briko
