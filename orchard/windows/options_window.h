#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QRect>

#include <cstdint>

#include "orchard/ui_options_window.h"

namespace orchard {

// The places of the options that the options window edits. They belong to the
// main window, which hands them over before each showing.
struct OrchardOptionPlaces {
    bool* SoundOn = nullptr;
    bool* JockerEnabled = nullptr;
    bool* ShowNext = nullptr;
    int* MusicType = nullptr;  // 0, 1, 2 tracks A, B, C; 3 off
    int* TileSet = nullptr;    // 1 fruit, 2 plain squares
    std::uint32_t* AlignCount = nullptr;
    std::uint32_t* StartLevel = nullptr;
};

// The options window: edits seven of the game's options in place, between
// games. Nothing is copied back unless Ok is pressed with valid numbers, and
// the window never closes while a number is out of range, whichever way it is
// closed. After Ok the main window is told to reload its music.
class TTOrchardOptionWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TTOrchardOptionWindow(QWidget* parent = nullptr);

    // Called before each showing: where the main window stands, whom to tell
    // after Ok, and the options to edit, which set the controls.
    void Setup(const QRect& mainWindowRect, QWidget* mainWindow, const OrchardOptionPlaces& places);

    // The "Joystick enabled." check box. It starts unchecked with every run of
    // the program and keeps its state between showings.
    bool JoystickEnabled() const { return ui_.CheckBox5->isChecked(); }

    const Ui::TOrchardOptionWindow& Form() const { return ui_; }
    Ui::TOrchardOptionWindow& Form() { return ui_; }

  public slots:
    void Ok();
    // Every close goes through here: refused while the numbers are out of range.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetupWindow();
    // True when the numbers are in range; otherwise tells the player so.
    bool CheckValues();

    Ui::TOrchardOptionWindow ui_;
    QButtonGroup musicTypes_;
    QRect mainWindowRect_;
    QWidget* mainWindow_ = nullptr;
    OrchardOptionPlaces places_;
};

}  // namespace orchard
