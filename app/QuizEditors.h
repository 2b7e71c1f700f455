// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <vector>

class Main;
class QuizEditor;

// The quiz editors the program has open, and what joins them to the main window, though neither
// window knows the other: Ctrl+E in the main window opens an editor on the quiz being taken, or
// brings back the editor whose quiz is being tried; Try it in an editor starts its quiz in the
// main window, which is made when first needed. Each editor is a window of its own, so that
// closing the main window leaves unsaved work open.
class QuizEditors : public QObject
{
    Q_OBJECT

public:
    // window: the main window of a quiz being taken, or none (--edit) until a quiz is tried.
    explicit QuizEditors(Main *window = nullptr);
    ~QuizEditors() override;

    // A new editor, joined to the main window; it is deleted when it closes.
    QuizEditor *newEditor();
    // The main window, once there is one.
    Main *mainWindow() const { return taking; }

private:
    void joinWindow();
    void editQuiz(const std::filesystem::path &file, const QuizText &lines);
    void tryQuiz(QuizEditor *from, const QuizText &lines);
    static void bringToFront(QWidget *window);

    Main *taking;
    std::unique_ptr<Main> madeWindow;
    std::vector<QPointer<QuizEditor>> editors;
    // The editor Ctrl+E brings back: the one it opened, or the one whose quiz is being tried.
    QPointer<QuizEditor> current;
};
