#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Starts Orca as /usr/bin/orca does, except that it starts beside other people's Orcas instead of
# refusing to, and keeps its own process name, so that nobody's "orca --replace" ends it.
import sys

ORCA = "/usr/bin/orca"
with open(ORCA, encoding="utf-8") as script:
    code = compile(script.read(), ORCA, "exec")
orca = {"__name__": "orca_cli", "__file__": ORCA}
exec(code, orca)
orca["otherOrcas"] = lambda: []
orca["setProcessName"] = lambda name: True
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(orca["main"]())
