#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>

#include "kit/highscores/highscore_file.h"
#include "kit/highscores/highscore_table.h"
#include "kit/program/program.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kit {

// The controls of a high-score form that the shared window works with. Each
// program's form has them under the same names.
struct BestWindowControls {
    std::array<QWidget*, kHighScoreRanks> bevels{};  // Bevel1 .. Bevel5
    std::array<QLabel*, kHighScoreRanks> labels{};   // Label1 .. Label5
    QLineEdit* edit = nullptr;                       // Edit1
    QPushButton* button = nullptr;                   // Button1
    QWidget* candidateBevel = nullptr;               // Bevel11, Orchard only
};

// The controls that every program's form names alike.
template <class Form>
BestWindowControls commonControls(const Form& ui) {
    BestWindowControls controls;
    controls.bevels = {ui.Bevel1, ui.Bevel2, ui.Bevel3, ui.Bevel4, ui.Bevel5};
    controls.labels = {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5};
    controls.edit = ui.Edit1;
    controls.button = ui.Button1;
    return controls;
}

// The five-best window that the three programs share: it reads the program's
// table each time it is shown, asks for a name when the candidate score beats
// an entry, and stores the table and the player name on Ok. The program's own
// window class only supplies its form.
//
// Calling order (the main window's Best command): warnIfRunningFromCdRom()
// first; then SetPlacement() and SetScore(), then showModal().
class BestWindow : public QDialog {
    Q_OBJECT

  public:
    ~BestWindow() override;

    Program program() const { return program_; }

    // The main window's frame in screen coordinates; the window opens 20
    // pixels right of and below its top-left corner.
    void SetPlacement(const QRect& mainWindowRect);
    // The score that may enter the table.
    void SetScore(std::int32_t score);

    // Shows the window modally; returns when Ok (or, in Pillora, the close box)
    // closes it. QDialog::Accepted after Ok.
    int showModal();

    // The table as shown, and whether a new entry waits for its name.
    const HighScoreTable& table() const { return table_; }
    bool pending() const { return pending_; }
    int insertionRank() const { return insertionRank_; }
    std::int32_t candidateScore() const { return candidate_; }

  public slots:
    // Inserts the pending entry, stores the name and the table, and hides the window.
    void Ok();

  protected:
    BestWindow(Program program, QWidget* parent);
    // Called by the program's window once its form is set up.
    void attachControls(const BestWindowControls& controls);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetupWindow();
    void tellFileProblem();
    void keepNameWithinField();

    Program program_;
    BestWindowControls controls_;
    QPixmap numbers_;
    QRect placement_;
    std::int32_t candidate_ = 0;
    bool pending_ = false;
    int insertionRank_ = 0;
    HighScoreTable table_;
    std::unique_ptr<HighScoreFile> file_;
};

}  // namespace kit
