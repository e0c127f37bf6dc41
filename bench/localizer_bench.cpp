// Prints what a language switch costs with two windows open (the options window and the
// quick-boost question): uncached, generating the language module, loading it and
// translating the open windows; and cached, where the module from before is loaded. The
// goals are 200 ms and 50 ms. The language files are the program's own texts and forms
// with a German translation, beside this program in lang\.
#include <windows.h>

#include <cstdio>

#include "bench/bench_clock.h"
#include "localizer/localizer_on_fly.h"
#include "settings/ask_for_qboost.h"
#include "settings/options_window.h"
#include "ui/application.h"
#include "ui/form_loader.h"

using bench::Milliseconds;

namespace {

template <typename Step>
double TimedMs(Step step) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    step();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

}  // namespace

int main() {
    ui::Application::Instance().Initialize();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring key = L"Software\\TesslyTests\\localizer_bench_" + std::to_wstring(GetCurrentProcessId());
    try {
        localizer::KLocalizerOnFly localizer;
        localizer.ModuleFolder = temp;
        localizer.Init(key, L"lang\\");
        auto options = ui::CreateForm<TOptWnd>();
        auto question = ui::CreateForm<TAskForQBoost>();
        const std::wstring module = localizer.ModuleFile("DEU");
        const int kRuns = 10;
        double uncached = 0, cached = 0, native = 0;
        for (int i = 0; i < kRuns; ++i) {
            DeleteFileW(module.c_str());
            uncached += TimedMs([&] { localizer.SwitchLanguage("DEU"); });
            native += TimedMs([&] { localizer.SwitchLanguage("ntv"); });
            cached += TimedMs([&] { localizer.SwitchLanguage("DEU"); });
            localizer.SwitchLanguage("ntv");
        }
        std::printf("Language switch with two windows open, mean of %d:\n", kRuns);
        std::printf("  uncached (generate, load, translate): %7.2f ms  (goal < 200 ms)\n", uncached / kRuns);
        std::printf("  cached (load, translate):             %7.2f ms  (goal < 50 ms)\n", cached / kRuns);
        std::printf("  back to the native language:          %7.2f ms\n", native / kRuns);
        DeleteFileW(module.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "localizer_bench: %s\n", error.what());
        RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
        return 1;
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    return 0;
}
