#include "pillora/windows/options_window.h"

#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/first_show.h"
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
    kit::showPictureWhenShown(*ui_.Image1, QStringLiteral(":/pillora/microbe.png"));
    connect(ui_.Button1, &QPushButton::clicked, this, &TPilloraOptionWindow::Ok);
}

void TPilloraOptionWindow::SetPlacement(const QRect& mainWindowRect) {
    placement_ = mainWindowRect;
}

void TPilloraOptionWindow::BindOptions(kit::PilloraSettings& options) {
    options_ = &options;
    ui_.CheckBox1->setChecked(options.soundOk);
    ui_.CheckBox2->setChecked(options.singlesOk);
    ui_.CheckBox3->setChecked(options.virusesMove);
    ui_.CheckBox4->setChecked(options.showNext);
    // The sliders keep within their ranges by themselves.
    ui_.TrackBar1->setValue(options.level);
    ui_.TrackBar2->setValue(options.nbAligne);
}

void TPilloraOptionWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TPilloraOptionWindow::SetupWindow() {
    move(kit::dialogPosition(placement_));
}

void TPilloraOptionWindow::Ok() {
    if (options_ != nullptr) {
        options_->soundOk = ui_.CheckBox1->isChecked();
        options_->singlesOk = ui_.CheckBox2->isChecked();
        options_->virusesMove = ui_.CheckBox3->isChecked();
        options_->showNext = ui_.CheckBox4->isChecked();
        options_->level = ui_.TrackBar1->value();
        options_->nbAligne = ui_.TrackBar2->value();
        emit OptionsChanged();
    }
    accept();
}

}  // namespace pillora
