#pragma once
#include <windows.h>

#include <utility>

// Scoped Win32 handles. Each releases what it holds when it goes out of scope, also when
// a paint handler or drawing step throws, so device contexts, selections and paint
// sessions are never left behind.
namespace platform {

// Owns one handle and releases it with `Release`; a null handle holds nothing.
template <class Handle, auto Release>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle h) : handle_(h) {}
    ~Owned() { Reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle h = nullptr) {
        if (handle_) Release(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = nullptr;
};

namespace release {
inline void GdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void Kernel(HANDLE handle) { CloseHandle(handle); }
inline void Icon(HICON icon) { DestroyIcon(icon); }
inline void MemoryDc(HDC dc) { DeleteDC(dc); }
inline void Window(HWND window) { DestroyWindow(window); }
}  // namespace release

// Fonts, brushes, pens and bitmaps.
template <class Handle>
using GdiObject = Owned<Handle, release::GdiObject>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;

using IconHandle = Owned<HICON, release::Icon>;
// A window the holder made and destroys.
using WindowHandle = Owned<HWND, release::Window>;
// A device context made by CreateCompatibleDC.
using MemoryDc = Owned<HDC, release::MemoryDc>;

// Processes, threads, mutexes, events, snapshots, files. The failure value of the
// functions that report INVALID_HANDLE_VALUE is taken as no handle.
class KernelHandle : public Owned<HANDLE, release::Kernel> {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : Owned(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};

// Selects an object into a device context for the lifetime of the guard.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An object made for one drawing step: selected while the guard lives, then deleted.
class OwnedSelection {
public:
    OwnedSelection(HDC dc, HGDIOBJ object) : object_(object), selection_(dc, object) {}

private:
    GdiObject<HGDIOBJ> object_;  // destroyed after the selection is undone
    Selection selection_;
};

// The device context of a window (nullptr: the screen), from GetDC to ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// One WM_PAINT session, from BeginPaint to EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The state of a device context (clipping, selections, modes), restored when the guard ends.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace platform
