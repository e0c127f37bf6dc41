#pragma once
#include <string>

#include "core/app/error_record.h"

// The machine snapshot of the error log, read from the running system.
class TglSysInfo {
public:
    // Reads every value anew; throws platform::Error when the system withholds the memory
    // status or the screen.
    void Refresh();

    const app::MachineSnapshot& Machine() const { return machine_; }
    const std::string& Computer() const { return computer_; }
    const std::string& User() const { return user_; }

private:
    app::MachineSnapshot machine_;
    std::string computer_;
    std::string user_;
};
