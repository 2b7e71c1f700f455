// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

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
