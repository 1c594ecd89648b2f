#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "kit/message_box.h"
#include "kit/orchard_best_window.h"
#include "orchard/orchard_about_window.h"
#include "orchard/orchard_option_window.h"
#include "orchard/orchard_window.h"
#include "orchard/random_source.h"

namespace orchard::testing {

// Deals the kinds given, one after the other, and then starts again.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<int> draws = {0}) : draws_(std::move(draws)) {}
    int Random(int range) override { return draws_[next_++ % draws_.size()] % range; }

  private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
};

// Answers every message box instead of a person and keeps what was asked.
class MessageLog {
  public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    // The answer to the next Yes/No questions (No unless told).
    void AnswerQuestions(kit::MessageAnswer answer) { answer_ = answer; }
    const std::vector<kit::MessageRequest>& Requests() const { return requests_; }
    bool Saw(const QString& text) const;

  private:
    std::vector<kit::MessageRequest> requests_;
    kit::MessageAnswer answer_ = kit::MessageAnswer::No;
};

// Closes whatever modal window opens (a test must never wait for a person),
// after letting `onModal` look at it or act on it first.
class ModalCloser : public QObject {
  public:
    ModalCloser();
    void OnModal(std::function<void(QWidget*)> action) { action_ = std::move(action); }
    // Class names of the modal windows seen, in order.
    const std::vector<QString>& Seen() const { return seen_; }

  private:
    void Check();

    QTimer timer_;
    std::function<void(QWidget*)> action_;
    std::vector<QString> seen_;
    QWidget* last_ = nullptr;
};

// The program's windows, created as the program creates them, with no pause
// between the steps of a cascade.
struct OrchardWindows {
    explicit OrchardWindows(RandomSource* random = nullptr);

    TTOrchardMainWindow main;
    kit::TOrchardBestWindow best;
    TTOrchardOptionWindow options;
    TOrchardAboutWindow about;

    // Shows the main window and makes it the active window, so that its
    // shortcuts act.
    void ShowActive();
    QWidget& ClientArea() const;
    QPoint Frame(const char* name) const;
    QImage Grab() const;
};

// The tile of `code` in a tile set resource (":/orchard/ORCHARD.png").
QImage Tile(const QString& tileSet, int code);
// True when the 16 x 16 square of `picture` at `topLeft` equals `tile`.
bool ShowsTile(const QImage& picture, const QPoint& topLeft, const QImage& tile);

}  // namespace orchard::testing
