#include "pillora/form_style.h"

#include <QPalette>
#include <QProxyStyle>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QWidget>

#include <algorithm>

namespace pillora {
namespace {

class CompactSliderStyle : public QProxyStyle {
  public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            const QStyleOptionSlider top = Top(*slider);
            QProxyStyle::drawComplexControl(control, &top, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            const QStyleOptionSlider top = Top(*slider);
            return QProxyStyle::subControlRect(control, &top, part, widget);
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& point, const QWidget* widget) const override {
        if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
            const QStyleOptionSlider top = Top(*slider);
            return QProxyStyle::hitTestComplexControl(control, &top, point, widget);
        }
        return QProxyStyle::hitTestComplexControl(control, option, point, widget);
    }

  private:
    static constexpr int kHeight = 28;

    static QStyleOptionSlider Top(const QStyleOptionSlider& option) {
        QStyleOptionSlider top = option;
        top.rect.setHeight(std::min(top.rect.height(), kHeight));
        return top;
    }
};

}  // namespace

void useCompactSliders(QWidget& form) {
    auto* style = new CompactSliderStyle;
    style->setParent(&form);
    for (QSlider* slider : form.findChildren<QSlider*>())
        slider->setStyle(style);
}

void useSilverForm(QWidget& form) {
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
}

QIcon pilloraIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/pillora/MainIcon-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace pillora
