// SPDX-License-Identifier: MIT
#include "Main.h"

#include "ui_Main.h"

#include "DesignFont.h"
#include "MessageBox.h"
#include "PropertyBag.h"
#include "QuizFileError.h"
#include "QuizTexts.h"
#include "TextDecoder.h"
#include "Twips.h"
#include "compiled/image1.h"
#include "compiled/matchmaker.h"
#include "compiled/scrollpic.h"
#include "compiled/scrollpicInBox.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

Main::Main(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Main>()),
      quizFlow(*this),
      pictures(this)
{
    setFont(DesignFont::sansSerif(8.25));
    // A text box lays out an empty document in the application's font as it is made: with the
    // desktop's face, that loads a font file the window never shows. The controls are made while
    // the application's font is the window's, and the desktop's is put back at once.
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(font());
    ui->setupUi(this);
    QApplication::setFont(desktopFont);
    textBoxes = { ui->Text0, ui->Text1, ui->Text2, ui->Text3, ui->Text4 };
    answerButtons = { ui->Command2, ui->Command3, ui->Command4, ui->Command5 };
    setFixedSize(size());
    applyDesignLook();
    setUpAnswerKeys();
    readSavedLinks();
    connectHandlers();
    startTimers();
    ui->Command1->setFocus();
}

Main::~Main() = default;

void Main::applyDesignLook()
{
    QPalette window = palette();
    window.setColor(QPalette::Window, Qt::black);
    window.setColor(QPalette::WindowText, Qt::white);
    setPalette(window);
    for (auto *label : { ui->Label1, ui->Label2 }) {
        label->setFont(DesignFont::sansSerif(18));
        setTextColour(label, QColor(0, 0, 255));
    }
    setWindowIcon(QIcon(Compiled::matchmaker.pixmap()));
    ui->Image1->setPixmap(Compiled::image1.pixmap());
    // Where the box's pixels are those of the picture made for it, the label has nothing to scale.
    const bool madeForBox = ui->Scrollpic->size() * devicePixelRatioF() == Compiled::scrollpicInBox.size();
    ui->Scrollpic->setPixmap((madeForBox ? Compiled::scrollpicInBox : Compiled::scrollpic).pixmap());
    // The question boxes keep the desktop's own text-box colours, not the black window's.
    for (auto *box : textBoxes)
        box->setPalette(QApplication::palette(box));
}

// The links come back from the state the window was saved with, as any saved control does.
void Main::readSavedLinks()
{
    ui->URLLink1->ReadProperties(
        PropertyBag { { "text", "Website:  " + WebAddress }, { "url", WebAddress } });
    ui->URLLink2->ReadProperties(
        PropertyBag { { "text", "Email:  " + ContactAddress }, { "url", "mailto:" + ContactAddress } });
}

// A to D answer from the keyboard too; the buttons keep their one-letter captions.
void Main::setUpAnswerKeys()
{
    for (std::size_t k = 0; k < answerButtons.size(); ++k)
        answerButtons[k]->setShortcut(QKeySequence(Qt::Key_A + static_cast<int>(k)));
}

void Main::connectHandlers()
{
    connect(ui->Command1, &QPushButton::clicked, this, &Main::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Main::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Main::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Main::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &Main::Command5_Click);
    // The audio stack loads in the background from the first answer on: twenty answers come
    // before the first clip, and a window that is only looked at never loads it.
    for (auto *button : answerButtons)
        connect(button, &QPushButton::pressed, &sound, &SoundPlayer::prepare);
    // Timer2 asks for a picture and it is shown when it is ready; one that is ready only after
    // the banner has stopped leaves the banner as it is.
    connect(&pictures, &PictureCache::pictureReady, this, [this](const QPixmap &picture) {
        if (Timer2->isActive())
            ui->Scrollpic->setPixmap(picture);
    });
}

void Main::startTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Main::Timer2_Timer);
    Timer1->start();
    Timer2->start();
}

int Main::outerWidthTwips() const
{
    return Twips::fromPixels(frameGeometry().width());
}

// Steps the banner picture 500 twips to the right; once it has passed the window's right edge
// the next step starts again from the left.
void Main::Timer1_Timer()
{
    constexpr int Step = 500;
    const int left = scrollX + Step;
    ui->Scrollpic->move(Twips::toPixels(left), ui->Scrollpic->y());
    const bool pastEdge = left >= outerWidthTwips() || left > std::numeric_limits<std::int16_t>::max() - Step;
    scrollX = static_cast<std::int16_t>(pastEdge ? 0 : left);
}

// Asks for a picture drawn at random from 1.jpg to 10.jpg, shown once it is ready. A picture that
// cannot be read leaves the current one in place.
void Main::Timer2_Timer()
{
    random.Randomize(10);
    pictureNumber = static_cast<std::int16_t>(Randomizer::pictureNumber(random.Rnd()));
    pictures.request(pictureFileName(pictureNumber), ui->Scrollpic->size(), devicePixelRatioF());
}

std::array<const QPlainTextEdit *, QuizBlockLines> Main::Text() const
{
    std::array<const QPlainTextEdit *, QuizBlockLines> boxes {};
    std::copy(textBoxes.begin(), textBoxes.end(), boxes.begin());
    return boxes;
}

QString Main::pictureFileName(int number)
{
    return QString::number(number) + ".jpg";
}

bool Main::Form_Initialize()
{
    try {
        quizFlow.StartQuiz(ExtraQZT::DefaultQuizFile);
        return true;
    } catch (const QuizFileError &error) {
        reportFileError(error);
        return false;
    }
}

// A window larger than the screen (a large scale factor on a small screen) keeps its top-left
// corner on the screen, so that the question and the buttons A to D stay within reach.
void Main::showCentred()
{
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        const QPoint centred = available.center() - rect().center();
        move(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
    }
    show();
}

void Main::setQuestionBox(int index, const std::string &text)
{
    const QString shown = TextDecoder::decode(text);
    textBoxes.at(index)->setPlainText(shown);
    // A screen reader announces each answer button with the answer it gives.
    if (index > 0)
        answerButtons.at(index - 1)->setAccessibleDescription(shown);
}

void Main::playSound(const std::string &fileName)
{
    sound.play(QString::fromStdString(fileName));
}

bool Main::askResults(const Message &prompt, const Message &title)
{
    return MessageBox::show(this, QuizTexts::translated(title), QuizTexts::translated(prompt),
                            MessageBox::Buttons::OkCancel)
        == MessageBox::Answer::Ok;
}

void Main::reportFileError(const QuizFileError &error)
{
    MessageBox::show(isVisible() ? this : nullptr, FileErrorTitle, QuizTexts::describe(error),
                     MessageBox::Buttons::Ok);
}

void Main::closeWindow()
{
    close();
}

void Main::Command1_Click()
{
    Cdlog1.setFilter(QuizFilter);
    if (!Cdlog1.show(this))
        return;
    try {
        quizFlow.StartNewQuiz(QFile::encodeName(Cdlog1.fileName()).toStdString());
    } catch (const QuizFileError &error) {
        reportFileError(error);
    }
}

void Main::Command2_Click()
{
    quizFlow.RecordAnswer(0);
}

void Main::Command3_Click()
{
    quizFlow.RecordAnswer(1);
}

void Main::Command4_Click()
{
    quizFlow.RecordAnswer(2);
}

void Main::Command5_Click()
{
    quizFlow.RecordAnswer(3);
}
