#pragma once

// How the configurator shows a service state: which File-menu commands are available, the
// caption of the toolbar's toggle button and the status-bar text; and what a notification
// from the service asks of the main window.
namespace protocol {

// Availability bits of the File-menu commands.
enum CommandBits : int {
    kCanRun = 1,
    kCanPause = 2,
    kCanStop = 4,
    kCanRestart = 8,
    kCanStopAndExit = 16,
};

struct StateAppearance {
    bool known;             // false for a reply outside 0..2: only the caption changes
    int mask;               // CommandBits
    unsigned captionId;     // toggle button caption (string id)
    unsigned statusTextId;  // status-bar text (string id)
};

StateAppearance AppearanceOf(int state);

struct Notification {
    enum Kind { kIgnored, kStateChanged, kBoostStarted, kBoostProgress, kBoostFinished } kind;
    int value;  // the state, or the boost progress in percent
};

Notification ClassifyNotification(long long code);

}  // namespace protocol
