#pragma once
#include <array>
#include <string>

#include "app/main_charts.h"
#include "core/app/view_state.h"
#include "service/service_link.h"
#include "ui/form.h"
#include "ui/form_class.h"

namespace controls {
class Tmsc_graph;
}
namespace ui {
class Action;
class ActionList;
class ApplicationEvents;
class ImageList;
class MainMenu;
class MenuItem;
class PopupMenu;
class StatusBar;
class Timer;
class ToolBar;
class ToolButton;
}  // namespace ui

// The configurator's main window: menus, toolbar, status bar and the three live charts; the
// hub from which every other window opens. Like every form, its window class is named after
// its class, "TFMCFGClass": the booster service finds it by that name to notify it.
class TFMCFGClass : public ui::Form, public service::StateDisplay {
    UI_FORM(TFMCFGClass)

public:
    using ui::Form::Form;

    ui::MainMenu* MM = nullptr;
    ui::MenuItem *MM_01 = nullptr, *MM_0104 = nullptr, *MM_0105 = nullptr, *MM_0106 = nullptr, *MM_0107 = nullptr,
                 *MM_0108 = nullptr, *MM_0109 = nullptr, *MM_0110 = nullptr;
    ui::MenuItem *MM_02 = nullptr, *MM_0202 = nullptr, *MM_0203 = nullptr, *MM_0204 = nullptr;
    ui::MenuItem *MM_03 = nullptr, *MM_0301 = nullptr, *MM_0302 = nullptr, *MM_0304 = nullptr;
    ui::MenuItem *MM_030401 = nullptr, *MM_030402 = nullptr, *MM_030403 = nullptr, *MM_030404 = nullptr;
    ui::MenuItem *Graphics1 = nullptr, *Charts01 = nullptr, *Charts02 = nullptr, *Charts03 = nullptr,
                 *Charts04 = nullptr, *Charts05 = nullptr;
    ui::MenuItem *MM_04 = nullptr, *MM_0401 = nullptr, *Configuremanually1 = nullptr, *Language1 = nullptr;
    ui::MenuItem *MM_05 = nullptr, *MM_0501 = nullptr, *MM_0504 = nullptr, *MM_050401 = nullptr,
                 *MM_050403 = nullptr, *MM_0502 = nullptr, *MM_0503 = nullptr, *MM_0505 = nullptr,
                 *MM_0506 = nullptr;
    ui::ImageList* MMImages = nullptr;
    ui::StatusBar* StatusBar = nullptr;
    ui::ActionList* MBarActions = nullptr;
    ui::Action *QuickBoostNow = nullptr, *CreateBoostShortCut = nullptr, *StartService = nullptr,
               *Options = nullptr, *Diagrams = nullptr, *Help = nullptr;
    ui::ImageList *ImgPnlAct = nullptr, *ImgPnlInact = nullptr, *ImgPnlDisab = nullptr;
    ui::PopupMenu* PopupDiags = nullptr;
    ui::MenuItem *PopD_01 = nullptr, *PopD_02 = nullptr, *PopD_03 = nullptr, *PopD_04 = nullptr,
                 *PopD_05 = nullptr;
    ui::Timer* GraphTimer = nullptr;
    ui::ImageList* ImgListDiags = nullptr;
    ui::ToolBar* MBar = nullptr;
    ui::ToolButton *MBarBtn1 = nullptr, *MBarBtn2 = nullptr, *MBarBtn3 = nullptr, *MBarBtn4 = nullptr,
                   *MBarBtn5 = nullptr, *MBarBtn6 = nullptr;
    controls::Tmsc_graph *msc_graph1 = nullptr, *msc_graph2 = nullptr, *msc_graph3 = nullptr;
    ui::ApplicationEvents* AppEvents1 = nullptr;

    void FormCreate(ui::NotifyArgs&);
    void FormClose(ui::CloseArgs& args);
    void FormDestroy(ui::NotifyArgs&);
    void FormPaint(ui::NotifyArgs&);
    void FormResize(ui::NotifyArgs&);
    void MM_0105Click(ui::NotifyArgs&);
    void MM_0106Click(ui::NotifyArgs&);
    void MM_0107Click(ui::NotifyArgs&);
    void MM_0108Click(ui::NotifyArgs&);
    void MM_0109Click(ui::NotifyArgs&);
    void MM_0110Click(ui::NotifyArgs&);
    void MM_0203Click(ui::NotifyArgs&);
    void MM_0204Click(ui::NotifyArgs&);
    void MM_0301Click(ui::NotifyArgs&);
    void MM_0302Click(ui::NotifyArgs&);
    void RefreshIntervalClick(ui::NotifyArgs& args);
    void ChartChoiceClick(ui::NotifyArgs& args);
    void MM_0502Click(ui::NotifyArgs&);
    void MM_0503Click(ui::NotifyArgs&);
    void MM_0505Click(ui::NotifyArgs&);
    void QuickBoostNowExecute(ui::NotifyArgs&);
    void StartServiceExecute(ui::NotifyArgs&);
    void DiagramsExecute(ui::NotifyArgs&);
    void HelpExecute(ui::NotifyArgs&);
    void GraphTimerTimer(ui::NotifyArgs&);
    void StatusBarDrawPanel(ui::DrawPanelArgs& args);
    void AppEvents1Minimize(ui::NotifyArgs&);

    // Service state shown by the window.
    void SetCommandMask(int mask) override;
    void SetToggleCaption(const std::wstring& caption) override;
    void SetStatusText(const std::wstring& text) override;

    int BoostProgress() const { return boostProgress_; }
    bool BoostRunning() const { return boostRunning_; }
    int CommandMask() const { return commandMask_; }
    const std::wstring& HelpFile() const { return helpFile_; }
    const app::MainCharts& Charts() const { return charts_; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyViewState(const app::ViewState& view);
    int CurrentViewState() const;
    void SetRefreshInterval(int index, bool notifyService);
    void LayoutCharts(int n);
    void OnServiceNotification(WPARAM code, LPARAM from);
    void SetBoostRunning(bool running);
    void SetBoostProgress(int percent);
    std::wstring LocateHelpFile() const;

    std::array<ui::MenuItem*, 4> intervalItems_{};
    std::array<ui::MenuItem*, 5> chartItems_{};
    std::array<ui::MenuItem*, 5> popupChartItems_{};
    app::MainCharts charts_;
    bool maximizeOnShow_ = false;
    bool boostRunning_ = false;
    int boostProgress_ = 0;
    int commandMask_ = 0;
    std::wstring helpFile_;
};

// Creates the main window from its description, shows it modally and frees it.
void RunMainWindow();
