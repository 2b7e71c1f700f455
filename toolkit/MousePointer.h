// SPDX-License-Identifier: MIT
#pragma once

// The application-wide mouse pointer: an override shown over every window of the program.
// While it is Busy each widget's own pointer is hidden; Default removes the override again.
class MousePointer
{
public:
    // The classic pointer codes: 11 is the hourglass, 0 the default.
    enum Shape : int {
        Default = 0,
        Busy = 11,
    };

    static void set(Shape shape);
};
