#pragma once

#include <thread>

// Reads the desktop's font configuration on a second core while Qt connects to the display and
// the controllers start. Qt reads it on the main thread when the first text is measured, which
// on a typical desktop is 5-6 ms of the first frame; read early, the window waits only for what
// is left of it.
class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    // Waits for the reading to end; called before the first window is built, whose text would
    // otherwise start a second reading beside this one.
    void finish();

private:
    std::jthread reading;
};
