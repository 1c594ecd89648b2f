#include "pillora/windows/slider_style.h"

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

}  // namespace pillora
