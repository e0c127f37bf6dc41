#include "ui/timer.h"

#include <map>

#include "ui/application.h"
#include "ui/property.h"

namespace ui {
namespace {

std::map<UINT_PTR, Timer*>& Running() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

}  // namespace

const PropertyTable& Timer::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Integer("Interval", &Timer::Interval, &Timer::SetInterval),
            Boolean("Enabled", &Timer::Enabled, &Timer::SetEnabled),
            EventSlot("OnTimer", &Timer::OnTimer),
        }
    );
    return table;
}

Timer::Timer(Component* owner) : Component(owner) { Restart(); }

Timer::~Timer() {
    enabled_ = false;
    Restart();
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    Restart();
}

void Timer::SetEnabled(bool v) {
    enabled_ = v;
    Restart();
}

void Timer::Restart() {
    if (id_) {
        KillTimer(nullptr, id_);
        Running().erase(id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ <= 0 || Loading()) return;
    id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), Tick);
    if (id_) Running()[id_] = this;
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Running().find(id);
    if (it == Running().end()) return;
    try {
        NotifyArgs args;
        args.sender = it->second;
        it->second->OnTimer(args);
    } catch (...) {
        HandleException();
    }
}

}  // namespace ui
