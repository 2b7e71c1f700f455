// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Hands a web address, a "mailto:" address or a document to the application the desktop has
// registered for it. A target with a scheme of two or more letters (http:, mailto:, file:, ...)
// goes to the desktop as it is; anything else is a local document path, relative ones taken
// from the working directory. A single letter before the colon ("C:") is a drive, not a scheme.
class ShellOpener
{
public:
    // Why an open failed. The numbers are ours and never change, so a message quoting one
    // always means the same cause.
    enum Error : int {
        None = 0,
        EmptyTarget = 1,
        MalformedAddress = 2,
        MissingFile = 3,
        NoApplication = 4,
    };

    struct Result
    {
        Error error = None;
        // Why, in plain words; empty when the desktop accepted the target.
        QString description;

        explicit operator bool() const { return error == None; }
    };

    using Recorder = std::function<bool(const QUrl &url)>;

    // Empty, malformed and missing targets are refused without asking the desktop.
    static Result open(const QString &target);

    // Test seam: the recorder is asked instead of the desktop and answers whether it accepted
    // the address. An empty recorder restores the desktop.
    static void setRecorder(Recorder recorder);
};
