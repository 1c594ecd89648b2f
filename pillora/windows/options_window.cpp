#include "pillora/windows/options_window.h"

#include "kit/desktop/form_style.h"
#include "pillora/windows/program_icon.h"
#include "pillora/windows/slider_style.h"

namespace pillora {

TPilloraOptionWindow::TPilloraOptionWindow(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    kit::useFormStyle(*this);
    useCompactSliders(*this);
    setWindowIcon(pilloraIcon());
    setFixedSize(size());
    connect(ui_.Button1, &QPushButton::clicked, this, &TPilloraOptionWindow::Ok);
}

void TPilloraOptionWindow::SetPlacement(const QRect& mainWindowRect) {
    placement_ = mainWindowRect;
}

void TPilloraOptionWindow::BindOptions(bool& soundOn, bool& singlesSlide, bool& virusesMove,
                                       bool& showNext, int& startLevel, int& alignCount) {
    soundOn_ = &soundOn;
    singlesSlide_ = &singlesSlide;
    virusesMove_ = &virusesMove;
    showNext_ = &showNext;
    startLevel_ = &startLevel;
    alignCount_ = &alignCount;
    ui_.CheckBox1->setChecked(soundOn);
    ui_.CheckBox2->setChecked(singlesSlide);
    ui_.CheckBox3->setChecked(virusesMove);
    ui_.CheckBox4->setChecked(showNext);
    // The sliders keep within their ranges by themselves.
    ui_.TrackBar1->setValue(startLevel);
    ui_.TrackBar2->setValue(alignCount);
}

void TPilloraOptionWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TPilloraOptionWindow::SetupWindow() {
    move(placement_.topLeft() + QPoint(20, 20));
}

void TPilloraOptionWindow::Ok() {
    if (soundOn_ != nullptr) {
        *soundOn_ = ui_.CheckBox1->isChecked();
        *singlesSlide_ = ui_.CheckBox2->isChecked();
        *virusesMove_ = ui_.CheckBox3->isChecked();
        *showNext_ = ui_.CheckBox4->isChecked();
        *startLevel_ = ui_.TrackBar1->value();
        *alignCount_ = ui_.TrackBar2->value();
    }
    accept();
}

}  // namespace pillora
