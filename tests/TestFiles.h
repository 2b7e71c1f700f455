// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

// The files tests make: quizzes, the scratch folders they live in, and small file systems that
// can be filled or made read-only.

// The helpers below build quizzes of twenty blocks of five lines and four names: a change of the
// quiz's shape must be met here first.
static_assert(QuizBlockLines == 5 && QuizAnswerCount == 4 && QuizQuestionCount == 20,
              "the test quizzes have twenty questions of a question and four answers");

// A scratch folder for quiz files made by a test.
class TempQuizDir
{
public:
    TempQuizDir() = default;
    // Also files whose names are not UTF-8, which QTemporaryDir cannot remove.
    ~TempQuizDir()
    {
        std::error_code error;
        std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString(), error);
    }
    TempQuizDir(const TempQuizDir &) = delete;
    TempQuizDir &operator=(const TempQuizDir &) = delete;

    // Lines "Q1", "Q1 A", ..., "Q20 D", then the four names, each followed by eol.
    static std::string quizBody(const std::string &eol = "\r\n",
                                const std::string &names = "Kest,Dorv,Oro,Bexal", int lineCount = 104)
    {
        static const char *const suffixes[] = { "", " A", " B", " C", " D" };
        static_assert(std::size(suffixes) == QuizBlockLines);
        std::string body;
        std::size_t nameStart = 0;
        for (int i = 0; i < lineCount; ++i) {
            if (i < 100) {
                body += "Q" + std::to_string(i / 5 + 1) + suffixes[i % 5];
            } else if (i < 104) {
                const auto comma = names.find(',', nameStart);
                body += names.substr(nameStart, comma - nameStart);
                nameStart = comma == std::string::npos ? names.size() : comma + 1;
            } else {
                body += "extra " + std::to_string(i);
            }
            body += eol;
        }
        return body;
    }

    // The same as bytes.
    static QByteArray quizBytes(const std::string &eol = "\r\n",
                                const std::string &names = "Kest,Dorv,Oro,Bexal", int lineCount = 104)
    {
        return QByteArray::fromStdString(quizBody(eol, names, lineCount));
    }

    // A quiz with CR LF line ends whose line number (from 1) holds text instead.
    static QByteArray quizWithLine(int number, const QByteArray &text)
    {
        QList<QByteArray> lines = quizBytes().split('\n');
        lines[number - 1] = text + '\r';
        return lines.join('\n');
    }

    std::string write(const std::string &name, const std::string &content) const
    {
        std::string path = filePath(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // name is bytes, as the file system has them: it need not be UTF-8.
    std::string filePath(const std::string &name) const
    {
        return QFile::encodeName(dir.path()).toStdString() + '/' + name;
    }

private:
    QTemporaryDir dir;
};

// A small file system of a test's own (a tmpfs, 64 KiB unless told) over a folder, where the test
// may mount one (as root): it can be filled to the brim or made read-only, as a user's disk can be.
class ScratchMount
{
public:
    // Mounts nothing unless wanted.
    ScratchMount(const QString &folder, bool wanted, const char *size = "64k")
        : folder(QFile::encodeName(folder))
    {
        const QByteArray options = QByteArray("size=") + size;
        isMounted
            = wanted && ::mount("tmpfs", this->folder.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~ScratchMount()
    {
        if (isMounted)
            ::umount2(folder.constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool mounted() const { return isMounted; }

    // Writes a file "filler" until no byte more fits.
    void fill() const
    {
        const int file = ::open((folder + "/filler").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::vector<char> block(4096, 'x');
        while (file >= 0 && ::write(file, block.data(), block.size()) > 0) { }
        ::close(file);
    }

    bool makeReadOnly() const
    {
        return ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder;
    bool isMounted = false;
};
