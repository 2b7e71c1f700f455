// SPDX-License-Identifier: MIT
#pragma once

#include "OpenDialog.h"
#include "QuizDocument.h"
#include "QuizFinding.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidgetItem;
class QuestionBlock;

namespace Ui {
class QuizEditor;
}

// The quiz editor (Designer form QuizEditor.ui): a field for each of the 104 lines of a quiz, the
// checker's findings kept up to date below them, and the file commands. A quiz with errors
// cannot be saved, so a wrong file cannot be written; Try it hands the quiz as it stands to the
// main window without writing anything.
class QuizEditor : public QMainWindow
{
    Q_OBJECT

public:
    explicit QuizEditor(QWidget *parent = nullptr);
    ~QuizEditor() override;

    // Opens a quiz file. False, after telling the user why, when it cannot be; the quiz in the
    // editor then stays as it was.
    bool openFile(const QString &fileName);
    // A new quiz that Save writes to fileName (empty: Save asks where).
    void startNew(const QString &fileName = QString());
    // A new quiz holding these lines, not saved anywhere yet.
    void startFromLines(const QuizText &lines);

    const QuizDocument &document() const { return quiz; }
    // The file Save writes to; empty for a quiz never saved.
    QString fileName() const { return path; }
    const std::vector<QuizFinding> &findings() const { return found; }
    // The field of line index (0 to 103).
    const QLineEdit *field(std::size_t index) const { return fields.at(index); }

public slots:
    void newQuiz();
    void open();
    bool save();
    bool saveAs();
    void tryIt();
    // Publishes the quiz as it stands, saved or not, as a web page in a folder the user chooses.
    void exportWebPage(bool singleFile);

signals:
    // The quiz as it stands, to be taken in the main window.
    void tryQuizRequested(const QuizText &lines);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildQuestionBlocks();
    void connectActions();
    void setDocument(QuizDocument document, const QString &fileName);
    void fieldEdited(std::size_t index);
    std::optional<std::string> encoded(const QString &text) const;
    bool convertToUtf8();
    void documentChanged();
    void updateVoteNames();
    void updateFindings();
    void updateTitle();
    void goToFinding(const QListWidgetItem *item);
    // Asks what to do with unsaved changes; false when the user cancelled.
    bool maySetAside();
    // True, after telling the user, while an error stands; problem says what cannot be done.
    bool refusedForErrors(const QString &problem);
    bool writeTo(const QString &fileName);
    void showProblem(const QString &text);

    std::unique_ptr<Ui::QuizEditor> ui;
    std::array<QuestionBlock *, QuizQuestionCount> blocks {};
    std::array<QLineEdit *, QuizLineCount> fields {};
    QuizDocument quiz;
    QString path;
    std::vector<QuizFinding> found;
    OpenDialog fileDialog;
    OpenDialog folderDialog;
    OpenDialog pageDialog;
};
