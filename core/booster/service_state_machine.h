#pragma once

#include "core/service/service_protocol.h"

// The service's state and how each state command moves it. A restart reloads the
// settings but keeps the state: the configurator sends it after every "Apply" and at
// every start of its main window, and a service the user paused must stay paused.
namespace booster {

struct CommandOutcome {
    int reply;          // the state after the command
    bool stateChanged;  // the configurator is told about it
    bool reload;        // reread the settings and tray texts
    bool unload;        // end the service once the reply is out
};

class ServiceStateMachine {
public:
    explicit ServiceStateMachine(protocol::State initial = protocol::kRunning) : state_(initial) {}

    protocol::State State() const { return state_; }
    bool AutomaticOptimization() const { return state_ == protocol::kRunning; }

    // Unknown codes change nothing and reply the current state.
    CommandOutcome Apply(int command);
    // Pause / resume from the tray menu or the hot key. Returns whether the state changed.
    bool Toggle();

private:
    bool MoveTo(protocol::State next);

    protocol::State state_;
};

}  // namespace booster
