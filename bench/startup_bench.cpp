// How soon the configurator's main window appears after a launch, and how much memory the
// running program holds, each against the plain common-controls window beside this bench.
// Measured from outside, as a user sees it, with the service already running (as it runs
// once the configurator has started it). The two programs are launched in turn, so that a
// busy machine slows both alike; the best launch shows the cost of the work itself, the
// median what the machine's load added.
//
// Start-up steps: the first window of the process (the runtime and the libraries are loaded),
// the main window created (hidden, built from its form), the main window visible, and the
// main window answering messages (its creation and first paint done).
// Memory: the resident pages of the Wine process, from /proc/<pid>/smaps, sorted into the
// program's own image, the system's Windows libraries, the Unix libraries under them,
// private memory (heaps, bitmaps, stacks) and other mapped files.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

using bench::Milliseconds;
using bench::Now;

namespace {

constexpr int kLaunches = 5;

struct WindowSearch {
    DWORD processId;
    const wchar_t* mainClass;
    bool any = false;
    HWND main = nullptr;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId) return TRUE;
    search.any = true;
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, search.mainClass) == 0) search.main = window;
    return TRUE;
}

struct Launch {
    std::vector<double> steps;  // milliseconds after CreateProcess: first window, main created, visible, answering
    HANDLE process = nullptr;
    DWORD processId = 0;
};

const char* const kStepNames[] = {"first window", "main window created", "main window visible", "main window answering"};

// Starts the program and follows it until its main window answers; the process is left running.
std::optional<Launch> LaunchAndWatch(const std::wstring& program, const wchar_t* mainClass) {
    Launch launch;
    LARGE_INTEGER start = Now();
    launch.process = StartProcess(L"\"" + program + L"\"", &launch.processId);
    if (!launch.process) return std::nullopt;
    WindowSearch search{launch.processId, mainClass};
    bool created = false;
    for (int i = 0; i < 20000; ++i) {
        EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&search));
        if (search.any && launch.steps.empty()) launch.steps.push_back(Milliseconds(start, Now()));
        if (search.main && !created) {
            created = true;
            launch.steps.push_back(Milliseconds(start, Now()));
        }
        if (search.main && IsWindowVisible(search.main)) break;
        Sleep(1);
    }
    if (!search.main || !IsWindowVisible(search.main)) {
        EndProcess(launch.process);
        return std::nullopt;
    }
    launch.steps.push_back(Milliseconds(start, Now()));
    DWORD_PTR result = 0;
    SendMessageTimeoutW(search.main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
    launch.steps.push_back(Milliseconds(start, Now()));
    return launch;
}

// Reads a file of the Unix side through Wine's Z: drive.
std::string ReadUnixFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
    CloseHandle(file);
    return text;
}

// The Unix process running the program: Wine shows the Windows command line as its own.
// The bench runs one copy at a time; other trees' copies have other paths.
std::wstring UnixProcessFolder(const std::wstring& program) {
    const std::string needle(program.begin(), program.end());
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (find == INVALID_HANDLE_VALUE) return {};
    std::wstring folder;
    do {
        if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
        std::wstring candidate = std::wstring(L"Z:\\proc\\") + found.cFileName;
        if (ReadUnixFile(candidate + L"\\cmdline").find(needle) != std::string::npos) folder = candidate;
    } while (folder.empty() && FindNextFileW(find, &found));
    FindClose(find);
    return folder;
}

struct Module {
    std::uintptr_t base = 0, end = 0;
    bool program = false;
};

std::vector<Module> ModulesOf(HANDLE process) {
    HMODULE handles[1024];
    DWORD bytes = 0;
    std::vector<Module> modules;
    if (!EnumProcessModules(process, handles, sizeof handles, &bytes)) return modules;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
        MODULEINFO info{};
        if (!GetModuleInformation(process, handles[i], &info, sizeof info)) continue;
        auto base = reinterpret_cast<std::uintptr_t>(info.lpBaseOfDll);
        modules.push_back({base, base + info.SizeOfImage, i == 0});
    }
    return modules;
}

using Breakdown = std::map<std::string, double>;  // class -> resident MB
const char* const kClasses[] = {"program image", "Windows libraries", "Unix libraries", "Windows-side private",
                                "Unix-side heap", "other mapped files"};

Breakdown ResidentBreakdown(const std::wstring& procFolder, const std::vector<Module>& modules,
                            std::map<std::string, double>& libraries) {
    Breakdown classes;
    std::string smaps = ReadUnixFile(procFolder + L"\\smaps");
    std::string cls, library;
    std::size_t at = 0;
    while (at < smaps.size()) {
        std::size_t eol = smaps.find('\n', at);
        if (eol == std::string::npos) eol = smaps.size();
        std::string line = smaps.substr(at, eol - at);
        at = eol + 1;
        unsigned long long from = 0, to = 0;
        char path[1024] = {};
        if (std::sscanf(line.c_str(), "%llx-%llx %*s %*s %*s %*s %1023[^\n]", &from, &to, path) >= 2 &&
            line.find('-') < line.find(' ')) {
            std::string name = path;
            name.erase(0, name.find_first_not_of(' '));
            const Module* in = nullptr;
            for (const Module& m : modules)
                if (from >= m.base && from < m.end) in = &m;
            library.clear();
            if (in && in->program) cls = kClasses[0];
            else if (in || name.find(".dll") != std::string::npos || name.find(".drv") != std::string::npos) {
                cls = kClasses[1];
                library = name.substr(name.find_last_of('/') + 1);
            } else if (name.find(".so") != std::string::npos) {
                cls = kClasses[2];
                library = name.substr(name.find_last_of('/') + 1);
            } else if (name == "[heap]") cls = kClasses[4];
            else if (name.empty() || name[0] == '[') cls = kClasses[3];
            else cls = kClasses[5];
            continue;
        }
        unsigned long long kb = 0;
        if (std::sscanf(line.c_str(), "Rss: %llu kB", &kb) == 1) {
            classes[cls] += kb / 1024.0;
            if (!library.empty()) libraries[library] += kb / 1024.0;
        }
    }
    return classes;
}

struct Figures {
    std::vector<std::vector<double>> launches;
    double workingSetMb = 0;
    Breakdown resident;
    std::map<std::string, double> libraries;
};

struct Program {
    std::wstring path;
    const wchar_t* mainClass;
    Figures figures;
};

// One launch of the program; the last one also gives the memory figures.
bool MeasureLaunch(Program& program, bool counted, bool last) {
    std::optional<Launch> launch = LaunchAndWatch(program.path, program.mainClass);
    if (!launch) return false;
    Figures& figures = program.figures;
    if (counted) figures.launches.push_back(launch->steps);
    if (last) {
        PumpFor(3000);  // past the start-up's after-effects
        PROCESS_MEMORY_COUNTERS counters{};
        if (GetProcessMemoryInfo(launch->process, &counters, sizeof counters))
            figures.workingSetMb = counters.WorkingSetSize / 1048576.0;
        std::wstring folder = UnixProcessFolder(program.path);
        if (!folder.empty()) figures.resident = ResidentBreakdown(folder, ModulesOf(launch->process), figures.libraries);
    }
    EndProcess(launch->process);
    PumpFor(1000);  // the service copy each configurator launch starts has gone again
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> StepTimes(const Figures& f, std::size_t step) {
    std::vector<double> values;
    for (const auto& launch : f.launches)
        if (step < launch.size()) values.push_back(launch[step]);
    return values;
}

void PrintStep(const char* name, const Figures& program, const Figures& plain, std::size_t step) {
    std::vector<double> a = StepTimes(program, step), b = StepTimes(plain, step);
    std::printf("  %-22s %6.0f %6.0f   /  %6.0f %6.0f\n", name, std::ranges::min(a), Median(a), std::ranges::min(b),
                Median(b));
}

}  // namespace

int main() {
    wchar_t self[MAX_PATH];
    std::wstring benchFolder(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    benchFolder.erase(benchFolder.find_last_of(L'\\') + 1);
    ResetToConfiguredMachine();
    StopServicesSettled();
    Program plainProgram{benchFolder + L"plain_window.exe", L"PlainCommonControlsWindow", {}};
    Program configurator{ProductFolder() + L"TesslyMBCfg.exe", L"TFMCFGClass", {}};
    // Launches alternate, so that both programs meet the same load of the machine; the first
    // of each warms the caches (and starts the service).
    for (int i = 0; i <= kLaunches; ++i) {
        for (Program* p : {&plainProgram, &configurator}) {
            if (!MeasureLaunch(*p, i > 0, i == kLaunches)) {
                StopServicesSettled();
                std::printf("start-up bench: a program did not show its main window\n");
                return 1;
            }
        }
    }
    StopServicesSettled();
    Figures& plainFigures = plainProgram.figures;
    Figures& figures = configurator.figures;
    std::printf("start-up, %d launches each, ms after launch:  configurator best median  /  plain window best median\n",
                kLaunches);
    for (std::size_t step = 0; step < 4; ++step) PrintStep(kStepNames[step], figures, plainFigures, step);
    std::printf("  main window visible: %.2f times the plain window at best, %.2f in the median (goal at most 1.5)\n",
                std::ranges::min(StepTimes(figures, 2)) / std::ranges::min(StepTimes(plainFigures, 2)),
                Median(StepTimes(figures, 2)) / Median(StepTimes(plainFigures, 2)));

    std::printf("memory 3 s after start-up: configurator / plain window / difference (MB)\n");
    std::printf("  %-22s %6.1f / %6.1f / %+6.1f (goal at most +5.0)\n", "working set", figures.workingSetMb,
                plainFigures.workingSetMb, figures.workingSetMb - plainFigures.workingSetMb);
    std::printf("  resident, by kind:\n");
    for (const char* cls : kClasses)
        std::printf("    %-20s %6.1f / %6.1f / %+6.1f\n", cls, figures.resident[cls], plainFigures.resident[cls],
                    figures.resident[cls] - plainFigures.resident[cls]);
    std::printf("  libraries only the configurator loads:");
    int listed = 0;
    for (const auto& [name, mb] : figures.libraries)
        if (!plainFigures.libraries.count(name) && mb >= 0.05) std::printf("%s %s %.1f", listed++ ? "," : "", name.c_str(), mb);
    std::printf("%s\n", listed ? "" : " none");
    return 0;
}
