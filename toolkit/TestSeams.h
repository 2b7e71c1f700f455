// SPDX-License-Identifier: MIT
#pragma once

// Every test seam of the toolkit as it is in the program: no answers or file names queued, no
// recorders of sounds, opened addresses or announcements, saves that do not fail, and a fatal
// error that ends the process. Each test suite calls reset() in init(), so that nothing one test
// sets reaches the next. The settings folder is not among them: a test sets it for as long as a
// scope lives.
class TestSeams
{
public:
    static void reset();
};
