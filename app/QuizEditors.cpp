// SPDX-License-Identifier: MIT
#include "QuizEditors.h"

#include "FileName.h"
#include "Main.h"
#include "QuizEditor.h"

QuizEditors::QuizEditors(Main *window) : taking(window)
{
    if (taking)
        joinWindow();
}

void QuizEditors::joinWindow()
{
    connect(taking, &Main::editQuizRequested, this, &QuizEditors::editQuiz);
}

// Editors belong to no window, so nothing else would delete them.
QuizEditors::~QuizEditors()
{
    for (const QPointer<QuizEditor> &editor : editors)
        delete editor;
}

QuizEditor *QuizEditors::newEditor()
{
    auto *editor = new QuizEditor;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QuizEditor::tryQuizRequested, this,
            [this, editor](const QuizText &lines) { tryQuiz(editor, lines); });
    std::erase_if(editors, [](const QPointer<QuizEditor> &open) { return open.isNull(); });
    editors.emplace_back(editor);
    return editor;
}

void QuizEditors::editQuiz(const std::filesystem::path &file, const QuizText &lines)
{
    if (!current) {
        QuizEditor *editor = newEditor();
        if (file.empty()) {
            editor->startFromLines(lines);
        } else if (!editor->openFile(FileName::fromNative(file.native()))) {
            delete editor;
            return;
        }
        current = editor;
    }
    bringToFront(current);
}

void QuizEditors::tryQuiz(QuizEditor *from, const QuizText &lines)
{
    if (!taking) {
        madeWindow = std::make_unique<Main>();
        taking = madeWindow.get();
        joinWindow();
    }
    current = from;
    taking->tryQuiz(lines);
}

void QuizEditors::bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
