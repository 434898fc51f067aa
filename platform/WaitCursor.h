// The busy cursor while an action blocks the window. Counted: nested guards
// keep it until the outermost one ends.
#pragma once

class WaitCursor {
public:
    WaitCursor();  // begin
    ~WaitCursor(); // end
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Shows the busy cursor again while any guard is alive.
    static void Restore();
    static int depth();
};
