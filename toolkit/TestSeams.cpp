// SPDX-License-Identifier: MIT
#include "TestSeams.h"

#include "Announcer.h"
#include "FatalError.h"
#include "MessageBox.h"
#include "OpenDialog.h"
#include "SaveFile.h"
#include "ShellOpener.h"
#include "SoundPlayer.h"

void TestSeams::reset()
{
    Announcer::setRecorder({});
    MessageBox::resetSeam();
    OpenDialog::resetSeam();
    SoundPlayer::setRecorder({});
    ShellOpener::setRecorder({});
    SaveFile::setNextFailure({});
    FatalError::setExitHandler({});
}
