#include "kit/desktop/message_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "kit/desktop/form_style.h"

namespace kit {
namespace {

MessageResponder& responder() {
    static MessageResponder instance;
    return instance;
}

// "\n\r" and "\r\n" both end a line on screen.
QString displayText(QString text) {
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer showAbout(const MessageRequest& request) {
    QMessageBox box(request.owner);
    useFormStyle(box);
    box.setWindowTitle(request.caption);
    const qsizetype lineEnd = request.text.indexOf(QChar('\n'));
    box.setText(QStringLiteral("<b>%1</b>").arg(request.text.left(lineEnd).toHtmlEscaped()));
    if (lineEnd >= 0)
        box.setInformativeText(request.text.mid(lineEnd + 1));
    if (!request.programIcon.isNull())
        box.setIconPixmap(request.programIcon.pixmap(32, 32));
    box.exec();
    return MessageAnswer::Ok;
}

}  // namespace

void setMessageResponder(MessageResponder r) {
    responder() = std::move(r);
}

MessageAnswer showMessage(const MessageRequest& request) {
    if (responder())
        return responder()(request);
    if (request.kind == MessageKind::About)
        return showAbout(request);
    QMessageBox box(toQt(request.icon), request.caption, displayText(request.text),
                    request.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                             : QMessageBox::Ok,
                    request.owner);
    useFormStyle(box);
    const int result = box.exec();
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageAnswer showMessage(QWidget* owner, const QString& text, const QString& caption,
                          MessageIcon icon, MessageButtons buttons) {
    MessageRequest request;
    request.owner = owner;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    request.buttons = buttons;
    return showMessage(request);
}

void showAboutBox(QWidget* owner, const QString& title, const QString& otherText,
                  const QIcon& icon) {
    MessageRequest request;
    request.owner = owner;
    request.kind = MessageKind::About;
    request.programIcon = icon;
    const qsizetype hash = title.indexOf(QChar('#'));
    if (hash >= 0) {
        request.caption = title.left(hash);
        request.text = title.mid(hash + 1);
    } else {
        request.caption = QCoreApplication::translate("kit", "About %1").arg(title);
        request.text = title;
    }
    if (!otherText.isEmpty())
        request.text += QChar('\n') + otherText;
    showMessage(request);
}

void showGameOver(QWidget* owner) {
    showMessage(owner, QCoreApplication::translate("kit", "Game Over ..."),
                QCoreApplication::translate("kit", "Sorry !"), MessageIcon::Error);
}

bool askAbortGame(QWidget* owner) {
    return showMessage(owner, QCoreApplication::translate("kit", "Really ?"),
                       QCoreApplication::translate("kit", "Abort Game ?"), MessageIcon::Question,
                       MessageButtons::YesNo) == MessageAnswer::Yes;
}

}  // namespace kit
