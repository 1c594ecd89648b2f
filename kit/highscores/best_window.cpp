#include "kit/highscores/best_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include "kit/audio/beeper.h"
#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/form_style.h"
#include "kit/desktop/message_box.h"
#include "kit/digits/digits.h"
#include "kit/highscores/registered_owner.h"
#include "kit/settings/settings.h"
#include "kit/text/utf8.h"

namespace kit {
namespace {

constexpr int kScoreDigits = 5;

QString fileErrorText(Program program) {
    return BestWindow::tr(
               "You may be running %1 froma CDROM drive, please copy files on a hard drive")
        .arg(QString::fromLatin1(describe(program).name));
}

Qt::WindowFlags frameFlags(Program program) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
    if (describe(program).bestWindowClosable)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

}  // namespace

BestWindow::BestWindow(Program program, QWidget* parent)
    : QDialog(parent, frameFlags(program)), program_(program), numbers_(loadNumbersStrip(program)) {
    setModal(true);
}

BestWindow::~BestWindow() = default;

void BestWindow::attachControls(const BestWindowControls& controls) {
    controls_ = controls;
    useFormStyle(*this);
    setFixedSize(size());
    controls_.edit->setEnabled(false);
    connect(controls_.edit, &QLineEdit::textChanged, this, &BestWindow::keepNameWithinField);
    controls_.button->setDefault(true);
    connect(controls_.button, &QPushButton::clicked, this, &BestWindow::Ok);
}

void BestWindow::SetPlacement(const QRect& mainWindowRect) {
    placement_ = mainWindowRect;
}

void BestWindow::SetScore(std::int32_t score) {
    candidate_ = score;
}

int BestWindow::showModal() {
    return exec();
}

void BestWindow::showEvent(QShowEvent* event) {
    // A window restored from its minimised state is not a new showing.
    if (!event->spontaneous())
        SetupWindow();
    QDialog::showEvent(event);
}

void BestWindow::SetupWindow() {
    move(dialogPosition(placement_));
    pending_ = false;
    insertionRank_ = 0;

    file_ = std::make_unique<HighScoreFile>(program_);
    file_->open();
    table_ = file_->table();
    if (file_->state() == HighScoreFileState::CreateFailed)
        showMessage(this, fileErrorText(program_), tr("Write Error !"), MessageIcon::Error);
    else if (!file_->storable())
        tellFileProblem();

    setWindowTitle(tr(describe(program_).bestWindowCaption));
    controls_.edit->setEnabled(false);
    for (int i = 0; i < kHighScoreRanks; ++i)
        controls_.labels[i]->setText(QString::fromStdString(table_.entries()[i].name));

    // A table that cannot be stored takes no new entry.
    const int rank = file_->storable() ? table_.rankFor(candidate_) : 0;
    if (rank > 0) {
        beep(BeepSound::Asterisk);
        pending_ = true;
        insertionRank_ = rank;
        setWindowTitle(tr("Please enter your name !"));
        controls_.edit->setVisible(true);
        controls_.edit->setEnabled(true);
        const std::string name = ReadPlayerName(program_, RegisteredOwnerName());
        controls_.edit->setText(QString::fromStdString(cutUtf8(name, kHighScoreNameMax)));
        controls_.edit->setFocus();
    }
    update();
}

void BestWindow::tellFileProblem() {
    const QString name = QString::fromLatin1(highScoreFileName(program_));
    QString reason;
    switch (file_->state()) {
        case HighScoreFileState::Short:
            reason = tr("The high-score file \"%1\" is damaged: it holds fewer than "
                        "five entries.")
                         .arg(name);
            break;
        case HighScoreFileState::ReadOnly:
            reason = tr("The high-score file \"%1\" is read-only.").arg(name);
            break;
        default:
            reason = tr("The high-score file \"%1\" cannot be read (%2).")
                         .arg(name, QString::fromStdString(file_->lastError()));
            break;
    }
    showMessage(this,
                reason + QLatin1Char('\n') +
                    tr("It is left as it is, and no new score can be stored in it."),
                tr("Warning !"), MessageIcon::Warning);
}

void BestWindow::keepNameWithinField() {
    const QByteArray bytes = controls_.edit->text().toUtf8();
    if (static_cast<std::size_t>(bytes.size()) <= kHighScoreNameMax)
        return;
    const std::string cut =
        cutUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                kHighScoreNameMax);
    controls_.edit->setText(QString::fromStdString(cut));
}

void BestWindow::Ok() {
    if (pending_ && file_) {
        const QByteArray bytes = controls_.edit->text().toUtf8();
        const std::string name =
            cutUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                    kHighScoreNameMax);
        table_.insert(insertionRank_, candidate_, name);
        WritePlayerName(program_, name);
        if (!file_->write(table_))
            showMessage(this, fileErrorText(program_), tr("Write Error !"), MessageIcon::Error);
        update();
    }
    // The pending flag stays set until the next showing clears it.
    file_.reset();
    accept();
}

void BestWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (int i = 0; i < kHighScoreRanks; ++i) {
        if (controls_.bevels[i])
            DrawCounter(painter, numbers_, controls_.bevels[i]->geometry(),
                        table_.entries()[i].score, kScoreDigits);
    }
    if (controls_.candidateBevel)
        DrawCounter(painter, numbers_, controls_.candidateBevel->geometry(), candidate_,
                    kScoreDigits);
}

void BestWindow::closeEvent(QCloseEvent* event) {
    // Only a window with a close box closes this way, and that stores nothing.
    if (!describe(program_).bestWindowClosable && event->spontaneous()) {
        event->ignore();
        return;
    }
    file_.reset();
    QDialog::closeEvent(event);
}

void BestWindow::keyPressEvent(QKeyEvent* event) {
    // There is no Cancel button: Escape does not close the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kit
