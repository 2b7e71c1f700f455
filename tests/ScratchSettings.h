// SPDX-License-Identifier: MIT
#pragma once

#include "Settings.h"

#include <QTemporaryDir>

// Keeps the program's settings in a scratch folder for as long as it lives, so that a test
// neither reads nor changes the settings of the person running it.
class ScratchSettings
{
public:
    ScratchSettings() { Settings::setFolderForTesting(dir.path()); }
    ~ScratchSettings() { Settings::setFolderForTesting(QString()); }
    ScratchSettings(const ScratchSettings &) = delete;
    ScratchSettings &operator=(const ScratchSettings &) = delete;

    static QString filePath() { return Settings::fileName(); }

private:
    QTemporaryDir dir;
};
