// SPDX-License-Identifier: MIT
#include "Main.h"

#include "ui_Main.h"

#include "AboutBox.h"
#include "Announcer.h"
#include "ContextMenu.h"
#include "DesignFont.h"
#include "DroppedFile.h"
#include "FileName.h"
#include "FormControls.h"
#include "MessageBox.h"
#include "PropertyBag.h"
#include "QuizFileError.h"
#include "QuizFileFilter.h"
#include "QuizTexts.h"
#include "ShowAddresses.h"
#include "TextDecoder.h"
#include "Twips.h"
#include "compiled/image1.h"
#include "compiled/matchmaker.h"
#include "compiled/scrollpic.h"
#include "compiled/scrollpicInBox.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
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

// The design's handlers of the answer buttons A to D, which their keys call too.
constexpr std::array<void (Main::*)(), QuizAnswerCount> AnswerHandlers {
    &Main::Command2_Click, &Main::Command3_Click, &Main::Command4_Click, &Main::Command5_Click
};

} // namespace

Main::Main(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Main>()),
      quizFlow(*this),
      announcer(new Announcer(this)),
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
    // Main.ui holds the boxes Text0 to Text4 and the answer buttons Command2 to Command5.
    static_assert(QuizBlockLines == 5 && QuizAnswerCount == 4, "Main.ui holds five boxes and four answers");
    textBoxes = controlsByName<QPlainTextEdit, QuizBlockLines>(
        *this, [](std::size_t i) { return QStringLiteral("Text%1").arg(i); });
    answerButtons = controlsByName<QPushButton, QuizAnswerCount>(
        *this, [](std::size_t k) { return QStringLiteral("Command%1").arg(k + 2); });
    setFixedSize(size());
    applyDesignLook();
    setUpAnswerKeys();
    readSavedLinks();
    connectHandlers();
    startTimers();
    setAcceptDrops(true);
    setUpEditAction();
    connectMenu();
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
        label->setFont(DesignFont::fitted(DesignFont::sansSerif(18), label->text(), label->width()));
        setTextColour(label, QColor(0, 0, 255));
    }
    // A translation of "New Test" may be longer than the button; the design's own text fits.
    constexpr int ButtonMargins = 8;
    ui->Command1->setFont(
        DesignFont::fitted(font(), ui->Command1->text(), ui->Command1->width() - ButtonMargins));
    setTextColour(ui->Progress, QColor(192, 192, 192));
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
    ui->URLLink1->ReadProperties(PropertyBag { { "text", tr("Website:  %1").arg(ShowAddresses::Web) },
                                               { "url", ShowAddresses::Web } });
    ui->URLLink2->ReadProperties(PropertyBag { { "text", tr("Email:  %1").arg(ShowAddresses::Contact) },
                                               { "url", "mailto:" + ShowAddresses::Contact } });
}

// A to D answer from the keyboard too; the buttons keep their one-letter captions. A key answers
// the moment it is pressed, in the order the keys come, so that two quick presses are two answers
// and Backspace right after a key takes back that key's answer. (A button's own shortcut would
// click it only at the end of a 100 ms animation, and drop a second press within it.) The button
// is shown pressed for as long as that animation would last. Holding a key down answers once.
void Main::setUpAnswerKeys()
{
    constexpr int PressShownMs = 100;
    for (std::size_t k = 0; k < answerButtons.size(); ++k) {
        QPushButton *button = answerButtons[k];
        auto *key = new QShortcut(QKeySequence(Qt::Key_A + static_cast<int>(k)), this);
        key->setAutoRepeat(false);
        auto *release = new QTimer(button);
        release->setSingleShot(true);
        release->setInterval(PressShownMs);
        connect(release, &QTimer::timeout, button, [button] { button->setDown(false); });
        connect(key, &QShortcut::activated, this, [this, button, release, k] {
            button->setDown(true);
            release->start();
            sound.prepare();
            (this->*AnswerHandlers[k])();
        });
    }
}

void Main::connectHandlers()
{
    connect(ui->Command1, &QPushButton::clicked, this, &Main::Command1_Click);
    for (std::size_t k = 0; k < QuizAnswerCount; ++k)
        connect(answerButtons[k], &QPushButton::clicked, this, AnswerHandlers[k]);
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

void Main::connectMenu()
{
    menu = new ContextMenu(this);
    menu->menu()->insertAction(menu->back(), editAction);
    connect(menu->newTest(), &QAction::triggered, this, &Main::Command1_Click);
    connect(menu->back(), &QAction::triggered, this, &Main::goBack);
    connect(menu->sound(), &QAction::toggled, this, &Main::setSoundOn);
    connect(menu->moveBanner(), &QAction::toggled, this, &Main::setBannerMoving);
    connect(menu->about(), &QAction::triggered, this,
            [this] { AboutBox::show(this, ShowAddresses::Web, ShowAddresses::Contact); });
    setSoundOn(menu->sound()->isChecked());
    setBannerMoving(menu->moveBanner()->isChecked());
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

void Main::setUpEditAction()
{
    editAction = new QAction(tr("Edit this quiz..."), this);
    editAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    editAction->setShortcutVisibleInContextMenu(true);
    connect(editAction, &QAction::triggered, this, &Main::editQuiz);
    addAction(editAction);
}

void Main::setBannerMoving(bool moving)
{
    for (QTimer *timer : { Timer1, Timer2 }) {
        if (moving)
            timer->start();
        else
            timer->stop();
    }
}

void Main::setSoundOn(bool on)
{
    sound.setEnabled(on);
    // Switched on while the window is up, the audio stack loads in the background now rather
    // than with the next clip, which would then be silent on PulseAudio.
    if (on && isVisible())
        sound.prepare();
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

bool Main::Form_Initialize(const std::filesystem::path &quizFile)
{
    try {
        quizFlow.StartQuiz(quizFile);
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
    // A screen reader reads the question box only as far as its first wrapped line, and an answer
    // button by its letter: their descriptions hold the whole text.
    QWidget *described = index == 0 ? static_cast<QWidget *>(textBoxes[0]) : answerButtons.at(index - 1);
    described->setAccessibleDescription(shown);
}

void Main::questionShown(int number)
{
    const int count = static_cast<int>(QuizQuestionCount);
    const QString progress = tr("Question %1 of %2").arg(number).arg(count);
    ui->Progress->setText(tr("%1 of %2").arg(number).arg(count));
    ui->Progress->setAccessibleName(progress);
    menu->back()->setEnabled(quizFlow.canGoBack());
    announcer->announce(progress, spokenQuestion());
}

QString Main::spokenQuestion() const
{
    QStringList lines { textBoxes[0]->toPlainText() };
    for (std::size_t k = 0; k < QuizAnswerCount; ++k)
        //: An answer as a screen reader says it: its button's name ("Answer A"), then the answer.
        lines << tr("%1: %2").arg(answerButtons[k]->accessibleName(), textBoxes[k + 1]->toPlainText());
    return lines.join('\n');
}

void Main::playSound(const std::string &fileName)
{
    sound.play(QString::fromStdString(fileName));
}

bool Main::askResults(const Message &prompt, const Message &title, const std::vector<Message> &details)
{
    return MessageBox::show(this, QuizTexts::translated(title), QuizTexts::translated(prompt),
                            MessageBox::Buttons::OkCancel, QuizTexts::lines(details))
        == MessageBox::Answer::Ok;
}

void Main::reportFileError(const QuizFileError &error)
{
    MessageBox::show(isVisible() ? this : nullptr, fileErrorTitle(), QuizTexts::describe(error),
                     MessageBox::Buttons::Ok);
}

void Main::closeWindow()
{
    close();
}

void Main::Command1_Click()
{
    Cdlog1.setFilter(QuizFileFilter::forOpenDialog());
    if (!Cdlog1.show(this))
        return;
    startChosenQuiz(Cdlog1.fileName());
}

void Main::startChosenQuiz(const QString &fileName)
{
    try {
        quizFlow.StartNewQuiz(FileName::toNativePath(fileName));
    } catch (const QuizFileError &error) {
        reportFileError(error);
    }
}

void Main::dragEnterEvent(QDragEnterEvent *event)
{
    DroppedFile::accept(*event);
}

void Main::dragMoveEvent(QDragMoveEvent *event)
{
    DroppedFile::accept(*event);
}

// The quiz is opened once the drop is over, so that the program the file came from is not kept
// waiting while a box about a file that does not load is open.
void Main::dropEvent(QDropEvent *event)
{
    const QString fileName = DroppedFile::accept(*event);
    if (!fileName.isEmpty())
        QTimer::singleShot(0, this, [this, fileName] { startChosenQuiz(fileName); });
}

void Main::Command2_Click()
{
    answer(0);
}

void Main::Command3_Click()
{
    answer(1);
}

void Main::Command4_Click()
{
    answer(2);
}

void Main::Command5_Click()
{
    answer(3);
}

void Main::answer(int index)
{
    quizFlow.RecordAnswer(index);
}

void Main::tryQuiz(const QuizText &lines)
{
    quizFlow.StartNewQuiz(lines);
    if (!isVisible())
        showCentred();
    raise();
    activateWindow();
}

void Main::editQuiz()
{
    emit editQuizRequested(quizFlow.currentQuizFile(), quizFlow.QuizLines());
}

void Main::goBack()
{
    quizFlow.goBack();
}
