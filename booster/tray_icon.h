#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/booster/tray_icon_image.h"

// The service's icon in the notification area, redrawn from the pixels of the chosen
// style at every refresh. Mouse events arrive at the owner as `callbackMessage`.
namespace booster {

class TrayIcon {
public:
    TrayIcon(HWND owner, UINT callbackMessage);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon when it is not there yet; of a shown one, only the picture or tip that
    // changed is sent.
    void Show(const IconPixels& pixels, const std::wstring& tip);
    void Hide();
    // The shell lost its icons (it was restarted): add ours again.
    void Restore();

private:
    NOTIFYICONDATAW Identity() const;
    // `parts`: NIF_ICON and/or NIF_TIP.
    bool Send(DWORD operation, UINT parts, const IconPixels& pixels, const std::wstring& tip);

    HWND owner_;
    UINT callbackMessage_;
    bool shown_ = false;
    IconPixels lastPixels_{};
    std::wstring lastTip_;
};

}  // namespace booster
