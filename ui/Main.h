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

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace Ui {
class Main;
}

// The program's only window: the question and its four answers, the buttons A to D, New Test,
// the picture banner and the two links. The quiz itself runs in ExtraQZT, which reaches the
// window through QuizHost.
class Main : public QWidget, public QuizHost
{
    Q_OBJECT

public:
    static inline const QString FileErrorTitle = QStringLiteral("Brindlecast Match Maker");
    static inline const QString QuizFilter = QStringLiteral("Qzt Files  (*.QZT)|*.QZT");
    static inline const QString WebAddress = QStringLiteral("https://www.brindlecast.example/");
    static inline const QString ContactAddress = QStringLiteral("matchmaker@brindlecast.example");

    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    // Starts the default quiz. False, after telling the user why, when it cannot be loaded.
    bool Form_Initialize();
    // Shows the window centred on the screen, its top-left corner never off the screen.
    void showCentred();

    ExtraQZT &quiz() { return quizFlow; }
    // Test seam: the banner's random generator, to replace with a seeded one.
    Randomizer &randomizer() { return random; }
    const OpenDialog &openDialog() const { return Cdlog1; }

    void setQuestionBox(int index, const std::string &text) override;
    void playSound(const std::string &fileName) override;
    bool askResults(const std::string &prompt, const std::string &title) override;
    void reportFileError(const std::string &message) override;
    void closeWindow() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    static QString pictureFileName(int number);

    std::array<QPlainTextEdit *, 5> Text {};
    // The banner: the left edge in twips the next step starts from, and the picture shown last.
    std::int16_t ScrollX = 0;
    std::int16_t PictureNumber = 0;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyDesignLook();
    void setUpAnswerKeys();
    void readSavedLinks();
    void connectHandlers();
    void startTimers();
    int outerWidthTwips() const;

    std::unique_ptr<Ui::Main> ui;
    // A to D, in answer order.
    std::array<QPushButton *, 4> answerButtons {};
    ExtraQZT quizFlow;
    OpenDialog Cdlog1;
    SoundPlayer sound;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    Randomizer random = Randomizer::fromClock();
    PictureCache pictures;
    bool soundPrepared = false;
};
