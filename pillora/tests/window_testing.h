#pragma once

#include "kit/message_box.h"
#include "pillora/cell.h"
#include "pillora/random_source.h"

#include <QImage>
#include <QRect>

#include <deque>
#include <functional>
#include <vector>

class QTimer;
class QWidget;

namespace pillora::testing {

// Draws that a test chose in advance, then zeros.
class ScriptedRandom : public RandomSource {
  public:
    int Random(int range) override;
    void Push(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }

  private:
    std::deque<int> draws_;
};

// Answers every message box instead of a person and remembers what was asked.
// Yes/No questions take the answers queued with AnswerNext, then Yes.
class MessageLog {
  public:
    MessageLog();
    ~MessageLog();
    void AnswerNext(kit::MessageAnswer answer) { answers_.push_back(answer); }
    // Called with each box before it is answered.
    void OnMessage(std::function<void(const kit::MessageRequest&)> callback) {
        callback_ = std::move(callback);
    }
    const std::vector<kit::MessageRequest>& requests() const { return requests_; }
    int Count(const QString& caption) const;

  private:
    std::vector<kit::MessageRequest> requests_;
    std::deque<kit::MessageAnswer> answers_;
    std::function<void(const kit::MessageRequest&)> callback_;
};

// While it lives, runs `act` once on the next modal window as soon as that
// window is shown; tests use it to answer their own dialogs.
class OnNextModal {
  public:
    explicit OnNextModal(std::function<void(QWidget*)> act);
    ~OnNextModal();
    OnNextModal(const OnNextModal&) = delete;
    OnNextModal& operator=(const OnNextModal&) = delete;
    bool ran() const { return ran_; }

  private:
    QTimer* poll_;
    bool ran_ = false;
};

// The tile of `code` from the game's tile strip.
QImage Tile(Cell code);

// Whether `image` shows the tile of `code` at `place` (16 x 16).
bool ShowsTile(const QImage& image, const QRect& place, Cell code);

}  // namespace pillora::testing
