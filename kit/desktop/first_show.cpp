#include "kit/desktop/first_show.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "kit/desktop/language.h"

namespace kit {
namespace {

class FirstShowFilter : public QObject {
  public:
    FirstShowFilter(QWidget& widget, std::function<void()> fill)
        : QObject(&widget), widget_(widget), fill_(std::move(fill)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && event->type() == QEvent::Show) {
            widget_.removeEventFilter(this);
            fill_();
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& widget_;
    std::function<void()> fill_;
};

}  // namespace

void whenFirstShown(QWidget& widget, std::function<void()> fill) {
    widget.installEventFilter(new FirstShowFilter(widget, std::move(fill)));
}

void showPictureWhenShown(QLabel& label, const QString& resource) {
    whenFirstShown(label,
                   [&label, resource] { label.setPixmap(QPixmap(localizedResource(resource))); });
}

}  // namespace kit
