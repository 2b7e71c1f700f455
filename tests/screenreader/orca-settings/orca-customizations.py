# SPDX-License-Identifier: MIT
# Loaded by Orca (orca -u THIS_FOLDER) before it reads its settings. No speech server is started
# or waited for; every utterance is written, one JSON string a line, to $SCREENREADER_SPEECH_LOG.
import json
import os

from orca import settings, speech

settings.speechFactoryModules = []
settings.speechServerFactory = None
settings.enableSpeech = True  # without it Orca says nothing at all, not even to the log

_log = open(os.environ["SCREENREADER_SPEECH_LOG"], "a", buffering=1, encoding="utf-8")
_speak = speech._speak


def _written(text, acss, interrupt):
    _log.write(json.dumps(text) + "\n")
    _speak(text, acss, interrupt)


speech._speak = _written
