#pragma once
#include <string>

// Starting other programs and opening documents. The detached forms run on a short-lived
// worker thread that shares nothing but its copy of the request, so a slow shell or
// program start never holds up the caller; their outcome is not reported.
namespace platform {

// Starts `program` with `arguments` (may be empty) in `folder` (empty: this process's
// current folder). Nothing waits for the new process. Returns whether it started.
bool StartProgram(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder);
void StartProgramDetached(std::wstring program, std::wstring arguments, std::wstring folder);

// Opens a file, program or web address through the shell (its default verb), waiting
// until the shell has handed it over, so the caller may end right after. Empty
// `parameters` or `folder` are left out; `showCommand` is the SW_ value for its window.
// Returns whether the shell started it.
bool ShellStart(
    const std::wstring& target, const std::wstring& parameters, const std::wstring& folder, int showCommand
);
void ShellStartDetached(std::wstring target, std::wstring folder);

}  // namespace platform
