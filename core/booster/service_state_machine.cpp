#include "core/booster/service_state_machine.h"

namespace booster {

bool ServiceStateMachine::MoveTo(protocol::State next) {
    bool changed = next != state_;
    state_ = next;
    return changed;
}

CommandOutcome ServiceStateMachine::Apply(int command) {
    CommandOutcome outcome{state_, false, false, false};
    switch (command) {
        case protocol::kPause:
            outcome.stateChanged = MoveTo(protocol::kIdle);
            break;
        case protocol::kRun:
            outcome.stateChanged = MoveTo(protocol::kRunning);
            break;
        case protocol::kStop:
            outcome.stateChanged = MoveTo(protocol::kStopped);
            outcome.unload = true;
            break;
        case protocol::kRestart:
            outcome.reload = true;
            break;
        default:
            break;
    }
    outcome.reply = state_;
    return outcome;
}

bool ServiceStateMachine::Toggle() {
    return MoveTo(state_ == protocol::kRunning ? protocol::kIdle : protocol::kRunning);
}

}  // namespace booster
