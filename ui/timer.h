#pragma once
#include <windows.h>

#include "ui/component.h"
#include "ui/events.h"

namespace ui {

// Runs OnTimer every Interval milliseconds while enabled, on the user-interface thread.
class Timer : public Component {
    UI_PUBLISHED(Timer, "TTimer")

public:
    explicit Timer(Component* owner);
    ~Timer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    Event<NotifyArgs> OnTimer;

protected:
    void Loaded() override { Restart(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void Restart();

    int interval_ = 1000;
    bool enabled_ = true;
    UINT_PTR id_ = 0;
};

}  // namespace ui
