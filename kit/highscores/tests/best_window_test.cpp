#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "kit/desktop/message_box.h"
#include "kit/digits/digits.h"
#include "kit/highscores/briko_best_window.h"
#include "kit/highscores/highscore_table.h"
#include "kit/highscores/orchard_best_window.h"
#include "kit/highscores/pillora_best_window.h"
#include "kit/highscores/registered_owner.h"
#include "kit/settings/settings.h"
#include "kit/testing/file_bytes.h"
#include "kit/testing/file_size_limit.h"
#include "kit/testing/form_style_testing.h"
#include "kit/testing/window_testing.h"

namespace {

using kit::HighScoreTable;
using kit::Program;

using kit::testing::readBytes;
using kit::testing::writeBytes;

std::string tableBytes(const HighScoreTable& table, Program program) {
    const auto bytes = table.encode(program);
    return std::string(bytes.begin(), bytes.end());
}

std::unique_ptr<kit::BestWindow> makeWindow(Program program) {
    switch (program) {
        case Program::Orchard:
            return std::make_unique<kit::TOrchardBestWindow>();
        case Program::Briko:
            return std::make_unique<kit::TBRIKOBestWindow>();
        case Program::Pillora:
            return std::make_unique<kit::TPilloraBestWindow>();
    }
    return nullptr;
}

class BestWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        kit::setMessageResponder([this](const kit::MessageRequest& r) {
            boxes.push_back(r);
            return kit::MessageAnswer::Ok;
        });
    }
    void TearDown() override { kit::setMessageResponder({}); }

    // Shows the window modally, runs `whileShown` inside the showing, then
    // presses Ok unless `whileShown` closed the window itself.
    int show(
        kit::BestWindow& window, std::int32_t score,
        const std::function<void()>& whileShown = [] {}) {
        window.SetPlacement(QRect(100, 50, 400, 300));
        window.SetScore(score);
        QTimer::singleShot(0, &window, [&] {
            whileShown();
            if (window.isVisible())
                window.findChild<QPushButton*>("Button1")->click();
        });
        return window.showModal();
    }
    static QLineEdit* edit(kit::BestWindow& window) {
        return window.findChild<QLineEdit*>("Edit1");
    }
    static QString label(kit::BestWindow& window, int rank) {
        return window.findChild<QLabel*>(QStringLiteral("Label%1").arg(rank))->text();
    }

    kit::testing::RecordingBeeper beeper;
    std::vector<kit::MessageRequest> boxes;
};

TEST_F(BestWindowTest, FirstShowingCreatesTheDefaultTableInTheHouseStyleAndAsksNothingForZero) {
    const struct {
        Program program;
        const char* file;
        std::size_t size;
        const char* caption;
        QSize client;
    } cases[] = {
        {Program::Orchard, "OrchardHighScores97", 440, "Orchard for Windows 95 top five !",
         QSize(406, 201)},
        {Program::Briko, "BRIKOHighScores97", 440, "BRIKO top five !", QSize(324, 201)},
        {Program::Pillora, "PilloraHighScores97", 425, "Pillora top five !", QSize(324, 201)},
    };
    for (const auto& c : cases) {
        auto window = makeWindow(c.program);
        QString caption;
        bool editEnabled = true;
        std::string bytesWhileShown;
        QPoint position;
        show(*window, 0, [&] {
            caption = window->windowTitle();
            editEnabled = edit(*window)->isEnabled();
            bytesWhileShown = readBytes(c.file);
            position = window->pos();
        });
        EXPECT_EQ(caption, c.caption);
        kit::testing::ExpectFormStyle(*window);
        EXPECT_FALSE(editEnabled);
        EXPECT_EQ(bytesWhileShown.size(), c.size);
        EXPECT_EQ(bytesWhileShown, tableBytes(HighScoreTable::defaults(), c.program));
        EXPECT_EQ(position, QPoint(120, 70));
        EXPECT_EQ(window->size(), c.client);
        for (int rank = 1; rank <= 5; ++rank)
            EXPECT_EQ(label(*window, rank), QStringLiteral("Player #%1").arg(rank));
        EXPECT_FALSE(window->pending());
        EXPECT_EQ(readBytes(c.file), bytesWhileShown) << "Ok writes nothing";
    }
    EXPECT_TRUE(beeper.sounds.empty());
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(kit::settingsFilePath())) << "no name stored";
}

TEST_F(BestWindowTest, AQualifyingScoreBeepsAsksForTheNameAndStoresBoth) {
    kit::TBRIKOBestWindow window;
    QString caption, name;
    bool focused = false;
    const int result = show(window, 1500, [&] {
        caption = window.windowTitle();
        name = edit(window)->text();
        focused = window.focusWidget() == edit(window) && edit(window)->isEnabled();
        edit(window)->setText("Ann");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(caption, "Please enter your name !");
    EXPECT_EQ(name.toStdString(), kit::RegisteredOwnerName());
    EXPECT_TRUE(focused);
    EXPECT_EQ(beeper.sounds, std::vector<kit::BeepSound>{kit::BeepSound::Asterisk});
    auto expected = HighScoreTable::defaults();
    expected.insert(2, 1500, "Ann");
    EXPECT_EQ(readBytes("BRIKOHighScores97"), tableBytes(expected, Program::Briko));
    EXPECT_EQ(kit::ReadPlayerName(Program::Briko, "none"), "Ann");

    // The next showing offers the stored name.
    show(window, 1500, [&] { name = edit(window)->text(); });
    EXPECT_EQ(name, "Ann");
}

TEST_F(BestWindowTest, RanksAndTiesAgainstTheTable) {
    const struct {
        std::int32_t score;
        int rank;
    } cases[] = {{101, 5}, {100, 0}, {500, 4}, {501, 3}, {2001, 1}, {2000, 2}, {-1, 0}};
    for (const auto& c : cases) {
        std::filesystem::remove("PilloraHighScores97");
        kit::TPilloraBestWindow window;
        show(window, c.score);
        EXPECT_EQ(window.pending() ? window.insertionRank() : 0, c.rank) << c.score;
        auto expected = HighScoreTable::defaults();
        if (c.rank > 0)
            expected.insert(c.rank, c.score, kit::RegisteredOwnerName());
        EXPECT_EQ(readBytes("PilloraHighScores97"), tableBytes(expected, Program::Pillora))
            << c.score;
    }
}

TEST_F(BestWindowTest, EnterInTheNameBoxActsAsOkAndAnEmptyNameStaysEmpty) {
    kit::TOrchardBestWindow window;
    bool closedByEnter = false;
    show(window, 300, [&] {
        edit(window)->clear();
        QTest::keyClick(edit(window), Qt::Key_Return);
        closedByEnter = !window.isVisible();
    });
    EXPECT_TRUE(closedByEnter);
    EXPECT_EQ(window.table().entry(4), (kit::HighScoreEntry{300, ""}));
    EXPECT_EQ(kit::ReadPlayerName(Program::Orchard, "none"), "");
}

TEST_F(BestWindowTest, EscapeDoesNotCloseTheWindow) {
    kit::TOrchardBestWindow window;
    bool stillShown = false;
    show(window, 0, [&] {
        QTest::keyClick(&window, Qt::Key_Escape);
        stillShown = window.isVisible();
    });
    EXPECT_TRUE(stillShown);
}

TEST_F(BestWindowTest, TheNameBoxKeepsAtMost80BytesWholeCharacters) {
    kit::TBRIKOBestWindow window;
    QString kept;
    show(window, 5000, [&] {
        edit(window)->setText(QString(50, QChar(0xE9)));  // 100 bytes in UTF-8
        kept = edit(window)->text();
    });
    EXPECT_EQ(kept, QString(40, QChar(0xE9)));
    EXPECT_EQ(window.table().entry(1).name.size(), 80u);
}

TEST_F(BestWindowTest, PilloraCloseBoxStoresNothing) {
    kit::TPilloraBestWindow window;
    const int result = show(window, 9000, [&] { window.close(); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(readBytes("PilloraHighScores97"),
              tableBytes(HighScoreTable::defaults(), Program::Pillora));
    EXPECT_FALSE(std::filesystem::exists(kit::settingsFilePath()));
}

TEST_F(BestWindowTest, AnExistingTableThatCannotBeUsedIsLeftByteForByte) {
    const std::string shortFile(300, 'x');
    writeBytes("OrchardHighScores97", shortFile);
    auto table = HighScoreTable::defaults();
    table.insert(1, 4242, "Kept");
    writeBytes("PilloraHighScores97", tableBytes(table, Program::Pillora));
    std::filesystem::permissions("PilloraHighScores97", std::filesystem::perms::owner_read);

    kit::TOrchardBestWindow orchard;
    show(orchard, 60000);
    kit::TPilloraBestWindow pillora;
    QString firstLabel;
    show(pillora, 60000, [&] { firstLabel = label(pillora, 1); });

    EXPECT_EQ(readBytes("OrchardHighScores97"), shortFile);
    EXPECT_EQ(readBytes("PilloraHighScores97"), tableBytes(table, Program::Pillora));
    EXPECT_EQ(firstLabel, "Kept") << "what could be read is shown";
    EXPECT_FALSE(orchard.pending());
    EXPECT_FALSE(pillora.pending());
    EXPECT_TRUE(beeper.sounds.empty());
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.contains("OrchardHighScores97"));
    EXPECT_TRUE(boxes[0].text.contains("fewer than five"));
    EXPECT_TRUE(boxes[1].text.contains("read-only"));
    EXPECT_FALSE(std::filesystem::exists(kit::settingsFilePath())) << "no name stored";
}

TEST_F(BestWindowTest, APipeInPlaceOfTheTableGivesTheWarningAtOnce) {
    ::alarm(20);  // an open that waits for a writer would otherwise hang the test
    ASSERT_EQ(::mkfifo("BRIKOHighScores97", 0644), 0);
    kit::TBRIKOBestWindow briko;
    QString firstLabel;
    show(briko, 60000, [&] { firstLabel = label(briko, 1); });
    ::alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo("BRIKOHighScores97"));
    EXPECT_EQ(firstLabel, "Player #1") << "the defaults are shown";
    EXPECT_FALSE(briko.pending());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Warning !");
    EXPECT_TRUE(boxes[0].text.contains("cannot be read (")) << boxes[0].text.toStdString();
    EXPECT_TRUE(boxes[0].text.contains("not a regular file")) << boxes[0].text.toStdString();
}

TEST_F(BestWindowTest, AFailedWriteIsReportedAndTheOldTableStays) {
    kit::TOrchardBestWindow window;
    show(window, 0);
    {
        kit::testing::FileSizeLimit full(200);
        show(window, 3000);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Write Error !");
    EXPECT_EQ(boxes[0].text,
              "You may be running Orchard froma CDROM drive, please copy files on a hard drive");
    EXPECT_EQ(boxes[0].icon, kit::MessageIcon::Error);
    EXPECT_EQ(readBytes("OrchardHighScores97"),
              tableBytes(HighScoreTable::defaults(), Program::Orchard));
}

TEST_F(BestWindowTest, AMissingFileThatCannotBeCreatedIsReported) {
    std::filesystem::create_directory("ro");
    std::filesystem::current_path("ro");
    {
        kit::testing::FileSizeLimit full(10);
        kit::TBRIKOBestWindow window;
        show(window, 0);
        EXPECT_EQ(label(window, 1), "Player #1");
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Write Error !");
    EXPECT_EQ(boxes[0].text,
              "You may be running BRIKO froma CDROM drive, please copy files on a hard drive");
    EXPECT_FALSE(std::filesystem::exists("BRIKOHighScores97"));
}

// Each counter, cell by cell, against the strip.
std::string counterText(const QImage& window, const QImage& strip, QPoint frame) {
    std::string text;
    for (int i = 0; i < 5; ++i) {
        const QImage cell = window.copy(frame.x() + 1 + 16 * i, frame.y() + 1, 16, 24);
        char c = '?';
        for (int d = 0; d < 10; ++d)
            if (cell == strip.copy(0, (10 - d) * 24, 16, 24))
                c = static_cast<char>('0' + d);
        text += c;
    }
    return text;
}

TEST_F(BestWindowTest, CountersShowTheTableAndOrchardsCandidate) {
    auto table = HighScoreTable::defaults();
    table.insert(1, 65535, "Top");
    writeBytes("OrchardHighScores97", tableBytes(table, Program::Orchard));
    kit::TOrchardBestWindow window;
    QImage shown, again;
    show(window, 42, [&] {
        shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        window.repaint();
        again = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    });
    const QImage strip =
        kit::loadNumbersStrip(Program::Orchard).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(counterText(shown, strip, {8, 8}), "65535");
    EXPECT_EQ(counterText(shown, strip, {8, 40}), "02000");
    EXPECT_EQ(counterText(shown, strip, {8, 72}), "01000");
    EXPECT_EQ(counterText(shown, strip, {8, 104}), "00500");
    EXPECT_EQ(counterText(shown, strip, {8, 136}), "00200");
    EXPECT_EQ(counterText(shown, strip, {8, 168}), "00042")
        << "Bevel11, though 42 does not qualify";
    EXPECT_EQ(shown.pixel(8, 168), qRgb(128, 128, 128));
    EXPECT_EQ(shown.pixel(89, 193), qRgb(255, 255, 255));
    EXPECT_EQ(shown, again);
    const auto* image = window.findChild<QLabel*>("Image1");
    EXPECT_EQ(image->pixmap().size(), QSize(116, 145));
}

}  // namespace
