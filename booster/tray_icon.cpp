#include "booster/tray_icon.h"

#include <algorithm>
#include <cwchar>

#include "platform/handles.h"

namespace booster {
namespace {

constexpr UINT kIconId = 1;

// A 32-bit colour image with an all-opaque mask.
platform::IconHandle CreateIconFromPixels(const IconPixels& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kIconSize;
    info.bmiHeader.biHeight = -kIconSize;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::BitmapHandle color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color) return {};
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        std::uint32_t c = pixels[i];  // 0x00BBGGRR
        out[i] = 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
    std::uint16_t maskBits[kIconSize] = {};
    platform::BitmapHandle mask(CreateBitmap(kIconSize, kIconSize, 1, 1, maskBits));
    ICONINFO iconInfo{TRUE, 0, 0, mask.Get(), color.Get()};
    return platform::IconHandle(mask ? CreateIconIndirect(&iconInfo) : nullptr);
}

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage) : owner_(owner), callbackMessage_(callbackMessage) {}

TrayIcon::~TrayIcon() { Hide(); }

NOTIFYICONDATAW TrayIcon::Identity() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kIconId;
    return data;
}

bool TrayIcon::Send(DWORD operation, UINT parts, const IconPixels& pixels, const std::wstring& tip) {
    NOTIFYICONDATAW data = Identity();
    data.uFlags = parts | NIF_MESSAGE;
    data.uCallbackMessage = callbackMessage_;
    platform::IconHandle icon;  // the shell keeps its own copy
    if (parts & NIF_ICON) icon = CreateIconFromPixels(pixels);
    data.hIcon = icon.Get();
    std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    std::wmemcpy(data.szTip, tip.c_str(), length);
    return Shell_NotifyIconW(operation, &data) != FALSE;
}

void TrayIcon::Show(const IconPixels& pixels, const std::wstring& tip) {
    // Only what changed is sent: making and handing over an icon is the costly part.
    UINT changed = (pixels != lastPixels_ ? NIF_ICON : 0) | (tip != lastTip_ ? NIF_TIP : 0);
    if (shown_ && changed == 0) return;
    lastPixels_ = pixels;
    lastTip_ = tip;
    if (shown_) {
        if (Send(NIM_MODIFY, changed, pixels, tip)) return;
        shown_ = false;  // the shell forgot it: add it again
    }
    shown_ = Send(NIM_ADD, NIF_ICON | NIF_TIP, pixels, tip);
}

void TrayIcon::Hide() {
    if (!shown_) return;
    NOTIFYICONDATAW data = Identity();
    Shell_NotifyIconW(NIM_DELETE, &data);
    shown_ = false;
}

void TrayIcon::Restore() {
    if (!shown_) return;
    shown_ = Send(NIM_ADD, NIF_ICON | NIF_TIP, lastPixels_, lastTip_);
}

}  // namespace booster
