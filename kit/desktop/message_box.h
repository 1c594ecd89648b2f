#pragma once

#include <QIcon>
#include <QString>

#include <functional>

class QWidget;

namespace kit {

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
// A plain message box, or the standard about box of a program.
enum class MessageKind { Box, About };

// Everything a message box shows. `text` is kept exactly as the program wrote
// it ("\n\r" included); only the box on screen turns line ends into breaks.
struct MessageRequest {
    QWidget* owner = nullptr;
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageKind kind = MessageKind::Box;
    QIcon programIcon;  // the about box only
};

// Every message box of the programs goes through here, so that tests can see
// and answer them instead of a person.
MessageAnswer showMessage(const MessageRequest& request);

// Convenience for the common case.
MessageAnswer showMessage(QWidget* owner, const QString& text, const QString& caption,
                          MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok);

// The standard about box. A '#' in `title` separates the caption from the first
// line; otherwise the caption is "About " and the title.
void showAboutBox(QWidget* owner, const QString& title, const QString& otherText,
                  const QIcon& icon);

// The boxes the three games show alike. showGameOver: "Game Over ..." with the
// caption "Sorry !" and the error icon, once a game is lost. askAbortGame:
// "Really ?" with the caption "Abort Game ?", the question icon and Yes and No,
// before a running game is aborted; true for Yes.
void showGameOver(QWidget* owner);
bool askAbortGame(QWidget* owner);

// Tests install a responder that answers every box without showing it;
// an empty responder brings back the real boxes.
using MessageResponder = std::function<MessageAnswer(const MessageRequest&)>;
void setMessageResponder(MessageResponder responder);

}  // namespace kit
