// SPDX-License-Identifier: MIT
#include "QuizEditor.h"

#include "ui_QuizEditor.h"

#include "FatalError.h"
#include "FileName.h"
#include "FormControls.h"
#include "LineBreakValidator.h"
#include "MessageBox.h"
#include "QuestionBlock.h"
#include "QuizChecker.h"
#include "QuizFileError.h"
#include "QuizFileFilter.h"
#include "QuizTexts.h"
#include "SaveFile.h"
#include "TextDecoder.h"
#include "TextEncoder.h"
#include "Translations.h"
#include "WebExport.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

constexpr int FindingLineRole = Qt::UserRole;

QString cannotSave()
{
    return QuizEditor::tr("The quiz cannot be saved while it has errors: the program would refuse the file. "
                          "Mend the errors in the list first.");
}

} // namespace

QuizEditor::QuizEditor(QWidget *parent) : QMainWindow(parent), ui(std::make_unique<Ui::QuizEditor>())
{
    ui->setupUi(this);
    buildQuestionBlocks();
    static_assert(QuizAnswerCount == 4, "QuizEditor.ui holds the name fields nameA to nameD");
    const auto names = controlsByName<QLineEdit, QuizAnswerCount>(
        *this, [](std::size_t k) { return QStringLiteral("name") + answerLetter(k); });
    for (std::size_t k = 0; k < names.size(); ++k) {
        fields[QuizNameLine + k] = names[k];
        names[k]->setAccessibleName(tr("Name for answer %1").arg(answerLetter(k)));
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setValidator(new LineBreakValidator(fields[i]));
        // Room for any line a quiz file may hold, and one more byte, so a longer paste shows as
        // an error instead of being cut to a length that passes.
        fields[i]->setMaxLength(static_cast<int>(QuizMaxLineLength) + 1);
        connect(fields[i], &QLineEdit::textEdited, this, [this, i] { fieldEdited(i); });
    }
    connectActions();
    ui->splitter->setSizes({ 400, 120 });
    setDocument(QuizDocument(), QString());
    FatalError::guardUnsavedWork(this, [this] { return maySetAside(); });
}

QuizEditor::~QuizEditor() = default;

// The twenty questions follow the names, in the order of the file, and the keyboard goes through
// them in that order.
void QuizEditor::buildQuestionBlocks()
{
    QWidget *previous = ui->nameD;
    for (std::size_t q = 0; q < blocks.size(); ++q) {
        blocks[q] = new QuestionBlock(static_cast<int>(q + 1), ui->fieldsWidget);
        ui->fieldsLayout->addWidget(blocks[q]);
        for (std::size_t i = 0; i < QuizBlockLines; ++i) {
            fields[q * QuizBlockLines + i] = blocks[q]->field(i);
            setTabOrder(previous, blocks[q]->field(i));
            previous = blocks[q]->field(i);
        }
    }
    setTabOrder(previous, ui->findingsList);
}

void QuizEditor::connectActions()
{
    connect(ui->actionNew, &QAction::triggered, this, &QuizEditor::newQuiz);
    connect(ui->actionOpen, &QAction::triggered, this, &QuizEditor::open);
    connect(ui->actionSave, &QAction::triggered, this, &QuizEditor::save);
    connect(ui->actionSaveAs, &QAction::triggered, this, &QuizEditor::saveAs);
    connect(ui->actionClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionTryIt, &QAction::triggered, this, &QuizEditor::tryIt);
    connect(ui->actionExportWeb, &QAction::triggered, this, [this] { exportWebPage(false); });
    connect(ui->actionExportWebFile, &QAction::triggered, this, [this] { exportWebPage(true); });
    pageDialog.setFilter(tr("Web pages (*.html)|*.html"));
    connect(ui->findingsList, &QListWidget::itemActivated, this, &QuizEditor::goToFinding);
}

bool QuizEditor::openFile(const QString &fileName)
{
    try {
        setDocument(QuizDocument::load(FileName::toNativePath(fileName)), fileName);
        return true;
    } catch (const QuizFileError &error) {
        showProblem(QuizTexts::describe(error));
        return false;
    }
}

void QuizEditor::startNew(const QString &fileName)
{
    setDocument(QuizDocument(), fileName);
    if (!fileName.isEmpty())
        statusBar()->showMessage(tr("\"%1\" does not exist yet: this is a new quiz, which Save writes there.")
                                     .arg(FileName::shown(fileName)));
}

void QuizEditor::startFromLines(const QuizText &lines)
{
    setDocument(QuizDocument(lines), QString());
}

void QuizEditor::setDocument(QuizDocument document, const QString &fileName)
{
    quiz = std::move(document);
    path = fileName;
    statusBar()->clearMessage();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setText(TextDecoder::decode(quiz.lines()[i]));
        fields[i]->setCursorPosition(0);
    }
    documentChanged();
}

void QuizEditor::newQuiz()
{
    if (maySetAside())
        startNew();
}

void QuizEditor::open()
{
    if (!maySetAside())
        return;
    fileDialog.setFilter(QuizFileFilter::forOpenDialog());
    if (fileDialog.show(this))
        openFile(fileDialog.fileName());
}

bool QuizEditor::save()
{
    if (path.isEmpty())
        return saveAs();
    return writeTo(path);
}

bool QuizEditor::saveAs()
{
    if (refusedForErrors(cannotSave()))
        return false;
    fileDialog.setFilter(QuizFileFilter::forOpenDialog());
    if (!fileDialog.showSave(this, QStringLiteral("qzt")))
        return false;
    return writeTo(fileDialog.fileName());
}

bool QuizEditor::refusedForErrors(const QString &problem)
{
    if (!QuizChecker::hasError(found))
        return false;
    showProblem(problem);
    return true;
}

bool QuizEditor::writeTo(const QString &fileName)
{
    if (refusedForErrors(cannotSave()))
        return false;
    const std::string bytes = quiz.bytes();
    // The editor would refuse to open what it wrote.
    const QString error = bytes.size() > QuizDocument::MaxFileSize
        ? tr("it would be larger than %1 MiB, too large for the quiz editor.")
              .arg(QuizDocument::MaxFileSize / 1024 / 1024)
        : SaveFile::write(fileName, QByteArray::fromStdString(bytes));
    if (!error.isEmpty()) {
        showProblem(tr("Cannot save the quiz file \"%1\": %2").arg(FileName::shown(fileName), error));
        return false;
    }
    quiz.markSaved();
    path = fileName;
    statusBar()->clearMessage();
    updateTitle();
    return true;
}

void QuizEditor::tryIt()
{
    emit tryQuizRequested(quiz.lines());
}

void QuizEditor::exportWebPage(bool singleFile)
{
    if (refusedForErrors(tr("The quiz cannot be published while it has errors: the page could not play it. "
                            "Mend the errors in the list first.")))
        return;
    if (singleFile ? !pageDialog.showSave(this, QStringLiteral("html")) : !folderDialog.showFolder(this))
        return;
    const QString name = path.isEmpty() ? tr("Untitled") : FileName::shown(QFileInfo(path).fileName());
    const WebExport::Sources sources { QStringLiteral("."), Translations::ProgramFolder,
                                       Translations::ProgramName };
    const std::vector<WebExport::Quiz> quizzes { { name, quiz.lines() } };
    WebExport::Result result;
    if (singleFile)
        result = WebExport::writeSingleFile(pageDialog.fileName(), quizzes, sources, {});
    else
        result = WebExport::write(folderDialog.fileName(), quizzes, sources);
    const QString details = result.warnings.join('\n');
    if (!result.error.isEmpty()) {
        MessageBox::show(this, tr("Quiz Editor"), result.error, MessageBox::Buttons::Ok, details);
        return;
    }
    const QString done = singleFile
        ? tr("The quiz is published as one web page file: open \"%1\" in a browser to take it, or send or "
             "upload the file.")
        : tr("The quiz is published as a web page: open \"%1\" in a browser to take it, or put "
             "the whole folder on a web site.");
    MessageBox::show(this, tr("Quiz Editor"), done.arg(FileName::shown(result.indexPath)),
                     MessageBox::Buttons::Ok, details);
}

void QuizEditor::closeEvent(QCloseEvent *event)
{
    if (maySetAside())
        event->accept();
    else
        event->ignore();
}

bool QuizEditor::maySetAside()
{
    if (!quiz.isModified())
        return true;
    const auto answer = MessageBox::show(this, tr("Quiz Editor"),
                                         tr("The quiz has changes that are not saved. Save them first?"),
                                         MessageBox::Buttons::SaveDiscardCancel);
    if (answer == MessageBox::Answer::Save)
        return save();
    return answer == MessageBox::Answer::Discard;
}

void QuizEditor::fieldEdited(std::size_t index)
{
    QLineEdit *edited = fields[index];
    std::optional<std::string> bytes = encoded(edited->text());
    if (!bytes) {
        if (!convertToUtf8()) {
            const int cursor = edited->cursorPosition();
            edited->setText(TextDecoder::decode(quiz.lines()[index]));
            edited->setCursorPosition(std::min(cursor, static_cast<int>(edited->text().size())));
            return;
        }
        bytes = TextEncoder::toUtf8(edited->text());
    }
    quiz.setLine(index, std::move(*bytes));
    documentChanged();
}

std::optional<std::string> QuizEditor::encoded(const QString &text) const
{
    if (quiz.encoding() == QuizDocument::Encoding::Windows1252)
        return TextEncoder::toWindows1252(text);
    return TextEncoder::toUtf8(text);
}

// Every line is written again in UTF-8 as it reads now, so nothing the user sees changes.
bool QuizEditor::convertToUtf8()
{
    const auto answer = MessageBox::show(
        this, tr("Quiz Editor"),
        tr("This quiz file is in the Windows-1252 encoding, which cannot hold some of the text you typed. "
           "Save the quiz in UTF-8 from now on?"),
        MessageBox::Buttons::OkCancel);
    if (answer != MessageBox::Answer::Ok)
        return false;
    for (std::size_t i = 0; i < QuizLineCount; ++i)
        quiz.setLine(i, TextEncoder::toUtf8(TextDecoder::decode(quiz.lines()[i])));
    quiz.setEncoding(QuizDocument::Encoding::Utf8);
    return true;
}

void QuizEditor::documentChanged()
{
    updateVoteNames();
    updateFindings();
    updateTitle();
}

void QuizEditor::updateVoteNames()
{
    for (auto *block : blocks) {
        for (std::size_t k = 0; k < QuizAnswerCount; ++k)
            block->setVoteName(k, fields[QuizNameLine + k]->text());
    }
}

void QuizEditor::updateFindings()
{
    found = QuizChecker::checkBytes(quiz.bytes());
    ui->findingsList->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    std::size_t errors = 0;
    for (const QuizFinding &finding : found) {
        const bool isError = finding.severity == QuizFinding::Severity::Error;
        errors += isError ? 1 : 0;
        const QString message = QuizTexts::translated(finding.message);
        const QString text = finding.line == 0 ? (isError ? tr("Error: %1") : tr("Warning: %1")).arg(message)
            : isError                          ? tr("Line %1: error: %2").arg(finding.line).arg(message)
                                               : tr("Line %1: warning: %2").arg(finding.line).arg(message);
        auto *item = new QListWidgetItem(isError ? errorIcon : warningIcon, text, ui->findingsList);
        item->setData(FindingLineRole, static_cast<qulonglong>(finding.line));
    }
    const std::size_t warnings = found.size() - errors;
    const QString warningCount = tr("%n warning(s)", nullptr, static_cast<int>(warnings));
    if (errors > 0)
        ui->findingsSummary->setText(
            tr("%1 and %2: a quiz with errors cannot be saved.")
                .arg(tr("%n error(s)", nullptr, static_cast<int>(errors)), warningCount));
    else if (warnings > 0)
        ui->findingsSummary->setText(tr("%1; the quiz can be saved.").arg(warningCount));
    else
        ui->findingsSummary->setText(tr("No errors or warnings."));
}

void QuizEditor::updateTitle()
{
    // "[*]" in a file name would be taken for the place of the modified mark.
    QString name = path.isEmpty() ? tr("Untitled") : FileName::shown(QFileInfo(path).fileName());
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(tr("%1[*] - Quiz Editor").arg(name));
    setWindowModified(quiz.isModified());
}

void QuizEditor::goToFinding(const QListWidgetItem *item)
{
    const auto line = item->data(FindingLineRole).toULongLong();
    if (line < 1 || line > QuizLineCount)
        return;
    QLineEdit *target = fields[line - 1];
    ui->fieldsArea->ensureWidgetVisible(target);
    target->setFocus(Qt::OtherFocusReason);
}

void QuizEditor::showProblem(const QString &text)
{
    MessageBox::show(this, tr("Quiz Editor"), text, MessageBox::Buttons::Ok);
}
