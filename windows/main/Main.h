// SPDX-License-Identifier: MIT
#pragma once

#include "ExtraQZT.h"
#include "OpenDialog.h"
#include "PictureCache.h"
#include "QuizHost.h"
#include "Randomizer.h"
#include "SoundPlayer.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class Announcer;
class QAction;
class ContextMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace Ui {
class Main;
}

// The program's only window: the question and its four answers, the buttons A to D, New Test,
// the picture banner and the two links. The quiz itself runs in ExtraQZT, which reaches the
// window through QuizHost. The controls keep their design names (Designer form Main.ui):
//   Command1          New Test: opens another quiz file through the Open dialog Cdlog1
//   Command2 to 5     the answers A, B, C and D
//   Text0 to Text4    the text-box array Text: Text[0] is the question, Text[1] to Text[4] the
//                     answers A to D
//   Label1, Label2    the captions "Question" and "Answers"
//   Image1            the still picture under the banner
//   Scrollpic         the banner picture, moved by Timer1 and given a new picture by Timer2
//   URLLink1, 2       the links to the show's web site and to its contact address
// A quiz file dropped onto the window is opened as New Test opens a chosen one.
//   Progress          "3 of 20": the question on screen
// Its context menu (ContextMenu) goes back a question and switches the sound and the banner.
// A screen reader is told each new question and its answers, wherever the focus is.
class Main : public QWidget, public QuizHost
{
    Q_OBJECT

public:
    // The title of the box that says a quiz file cannot be loaded.
    static QString fileErrorTitle() { return tr("Brindlecast Match Maker"); }

    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    // Starts the default quiz, or the given one. False, after telling the user why, when it cannot
    // be loaded.
    bool Form_Initialize(const std::filesystem::path &quizFile = ExtraQZT::DefaultQuizFile);
    // Shows the window centred on the screen, its top-left corner never off the screen.
    void showCentred();

    const ExtraQZT &quiz() const { return quizFlow; }
    const OpenDialog &openDialog() const { return Cdlog1; }
    // Ctrl+E: asks for the quiz being taken to be edited (editQuizRequested). Not on any control
    // of the design; menus may list it.
    const QAction *editQuizAction() const { return editAction; }
    const SoundPlayer &soundPlayer() const { return sound; }
    const ContextMenu &contextMenu() const { return *menu; }
    // The question boxes: [0] the question, [1] to [4] the answers A to D.
    std::array<const QPlainTextEdit *, QuizBlockLines> Text() const;
    // The banner: the left edge in twips the next step starts from, and the picture shown last
    // (1 to 10; 0 before the first).
    std::int16_t ScrollX() const { return scrollX; }
    std::int16_t PictureNumber() const { return pictureNumber; }

    // The banner's picture file for a number: "1.jpg" to "10.jpg".
    static QString pictureFileName(int number);

    // Test hook: restarts the banner's random generator from a seed, so that its draws repeat.
    void reseedBannerForTesting(std::uint64_t seed) { random = Randomizer(seed); }

public slots:
    // New Test: asks for a quiz file and starts a new vote on it.
    void Command1_Click();
    // The answers A to D: each counts one vote and shows the next question.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    // Timer1 steps the banner picture across the window.
    void Timer1_Timer();
    // Timer2 asks for a new banner picture drawn at random from 1.jpg to 10.jpg.
    void Timer2_Timer();
    // Starts a new vote on a quiz held in memory, such as one being written, and brings the
    // window to the front.
    void tryQuiz(const QuizText &lines);
    // Asks for the quiz being taken to be edited.
    void editQuiz();

    // Takes the last answer back and shows the question before.
    void goBack();
    // Starts or stops both banner timers; stopped, the picture stays where it is.
    void setBannerMoving(bool moving);
    // Off, no clip is played and the audio stack is not loaded.
    void setSoundOn(bool on);

signals:
    // The quiz being taken is to be edited: its file, or none for a quiz held in memory, and its
    // lines either way.
    void editQuizRequested(const std::filesystem::path &file, const QuizText &lines);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setQuestionBox(int index, const std::string &text) override;
    void questionShown(int number) override;
    void playSound(const std::string &fileName) override;
    bool askResults(const Message &prompt, const Message &title,
                    const std::vector<Message> &details) override;
    void reportFileError(const QuizFileError &error) override;
    void closeWindow() override;

    // A quiz the user chose, through New Test or by dropping it: a new vote on it.
    void startChosenQuiz(const QString &fileName);
    // The question and its answers as a screen reader says them: a line each, every answer after
    // the name of its button ("Answer A: ...").
    QString spokenQuestion() const;
    // Counts one vote for answer 0 to 3 (A to D), from its button or its key.
    void answer(int index);
    void applyDesignLook();
    void setUpAnswerKeys();
    void readSavedLinks();
    void connectHandlers();
    void connectMenu();
    void startTimers();
    void setUpEditAction();
    int outerWidthTwips() const;

    std::unique_ptr<Ui::Main> ui;
    std::array<QPlainTextEdit *, QuizBlockLines> textBoxes {};
    // A to D, in answer order.
    std::array<QPushButton *, QuizAnswerCount> answerButtons {};
    ExtraQZT quizFlow;
    // The Open dialog of New Test; it remembers the last file chosen.
    OpenDialog Cdlog1;
    SoundPlayer sound;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    ContextMenu *menu = nullptr;
    // Tells a screen reader each question as it comes up.
    Announcer *announcer = nullptr;
    Randomizer random = Randomizer::fromClock();
    PictureCache pictures;
    std::int16_t scrollX = 0;
    std::int16_t pictureNumber = 0;
    QAction *editAction = nullptr;
};
