#pragma once
#include <array>
#include <string>

#include "app/main_charts.h"
#include "controls/msc_graph.h"
#include "core/app/view_state.h"
#include "localizer/localizer_on_fly.h"
#include "service/service_link.h"
#include "ui/action_list.h"
#include "ui/application_events.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tool_bar.h"

// The configurator's main window: menus, toolbar, status bar and the three live charts; the
// hub from which every other window opens. Like every form, its window class is named after
// its class, "TFMCFGClass": the booster service finds it by that name to notify it.
class TFMCFGClass : public ui::Form, public service::StateDisplay {
    UI_FORM(TFMCFGClass)

    UI_FIELD(ui::MainMenu, MM);
    UI_FIELD(ui::MenuItem, MM_01);
    UI_FIELD(ui::MenuItem, MM_0104);
    UI_FIELD(ui::MenuItem, MM_0105);
    UI_FIELD(ui::MenuItem, MM_0106);
    UI_FIELD(ui::MenuItem, MM_0107);
    UI_FIELD(ui::MenuItem, MM_0108);
    UI_FIELD(ui::MenuItem, MM_0109);
    UI_FIELD(ui::MenuItem, MM_0110);
    UI_FIELD(ui::MenuItem, MM_02);
    UI_FIELD(ui::MenuItem, MM_0202);
    UI_FIELD(ui::MenuItem, MM_0203);
    UI_FIELD(ui::MenuItem, MM_0204);
    UI_FIELD(ui::MenuItem, MM_03);
    UI_FIELD(ui::MenuItem, MM_0301);
    UI_FIELD(ui::MenuItem, MM_0302);
    UI_FIELD(ui::MenuItem, MM_0304);
    UI_FIELD(ui::MenuItem, MM_030401);
    UI_FIELD(ui::MenuItem, MM_030402);
    UI_FIELD(ui::MenuItem, MM_030403);
    UI_FIELD(ui::MenuItem, MM_030404);
    UI_FIELD(ui::MenuItem, Graphics1);
    UI_FIELD(ui::MenuItem, Charts01);
    UI_FIELD(ui::MenuItem, Charts02);
    UI_FIELD(ui::MenuItem, Charts03);
    UI_FIELD(ui::MenuItem, Charts04);
    UI_FIELD(ui::MenuItem, Charts05);
    UI_FIELD(ui::MenuItem, MM_04);
    UI_FIELD(ui::MenuItem, MM_0401);
    UI_FIELD(ui::MenuItem, Configuremanually1);
    UI_FIELD(ui::MenuItem, Language1);
    UI_FIELD(ui::MenuItem, MM_05);
    UI_FIELD(ui::MenuItem, MM_0501);
    UI_FIELD(ui::MenuItem, MM_0504);
    UI_FIELD(ui::MenuItem, MM_050401);
    UI_FIELD(ui::MenuItem, MM_050403);
    UI_FIELD(ui::MenuItem, MM_0502);
    UI_FIELD(ui::MenuItem, MM_0503);
    UI_FIELD(ui::MenuItem, MM_0505);
    UI_FIELD(ui::MenuItem, MM_0506);
    UI_FIELD(ui::ImageList, MMImages);
    UI_FIELD(ui::StatusBar, StatusBar);
    UI_FIELD(ui::ActionList, MBarActions);
    UI_FIELD(ui::Action, QuickBoostNow);
    UI_FIELD(ui::Action, CreateBoostShortCut);
    UI_FIELD(ui::Action, StartService);
    UI_FIELD(ui::Action, Options);
    UI_FIELD(ui::Action, Diagrams);
    UI_FIELD(ui::Action, Help);
    UI_FIELD(ui::ImageList, ImgPnlAct);
    UI_FIELD(ui::ImageList, ImgPnlInact);
    UI_FIELD(ui::ImageList, ImgPnlDisab);
    UI_FIELD(ui::PopupMenu, PopupDiags);
    UI_FIELD(ui::MenuItem, PopD_01);
    UI_FIELD(ui::MenuItem, PopD_02);
    UI_FIELD(ui::MenuItem, PopD_03);
    UI_FIELD(ui::MenuItem, PopD_04);
    UI_FIELD(ui::MenuItem, PopD_05);
    UI_FIELD(ui::Timer, GraphTimer);
    UI_FIELD(ui::ImageList, ImgListDiags);
    UI_FIELD(ui::ToolBar, MBar);
    UI_FIELD(ui::ToolButton, MBarBtn1);
    UI_FIELD(ui::ToolButton, MBarBtn2);
    UI_FIELD(ui::ToolButton, MBarBtn3);
    UI_FIELD(ui::ToolButton, MBarBtn4);
    UI_FIELD(ui::ToolButton, MBarBtn5);
    UI_FIELD(ui::ToolButton, MBarBtn6);
    UI_FIELD(controls::Tmsc_graph, msc_graph1);
    UI_FIELD(controls::Tmsc_graph, msc_graph2);
    UI_FIELD(controls::Tmsc_graph, msc_graph3);
    UI_FIELD(ui::ApplicationEvents, AppEvents1);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(ui::CloseArgs, FormClose);
    UI_HANDLER(ui::NotifyArgs, FormDestroy);
    UI_HANDLER(ui::NotifyArgs, FormPaint);
    UI_HANDLER(ui::NotifyArgs, FormResize);
    UI_HANDLER(ui::NotifyArgs, MM_0105Click);
    UI_HANDLER(ui::NotifyArgs, MM_0106Click);
    UI_HANDLER(ui::NotifyArgs, MM_0107Click);
    UI_HANDLER(ui::NotifyArgs, MM_0108Click);
    UI_HANDLER(ui::NotifyArgs, MM_0109Click);
    UI_HANDLER(ui::NotifyArgs, MM_0110Click);
    UI_HANDLER(ui::NotifyArgs, MM_0203Click);
    UI_HANDLER(ui::NotifyArgs, MM_0204Click);
    UI_HANDLER(ui::NotifyArgs, MM_0301Click);
    UI_HANDLER(ui::NotifyArgs, MM_0302Click);
    UI_HANDLER(ui::NotifyArgs, RefreshIntervalClick);
    UI_HANDLER(ui::NotifyArgs, ChartChoiceClick);
    UI_HANDLER(ui::NotifyArgs, MM_050401Click);
    UI_HANDLER(ui::NotifyArgs, MM_050403Click);
    UI_HANDLER(ui::NotifyArgs, MM_0502Click);
    UI_HANDLER(ui::NotifyArgs, MM_0503Click);
    UI_HANDLER(ui::NotifyArgs, MM_0505Click);
    UI_HANDLER(ui::NotifyArgs, MM_0506Click);
    UI_HANDLER(ui::NotifyArgs, QuickBoostNowExecute);
    UI_HANDLER(ui::NotifyArgs, CreateBoostShortCutExecute);
    UI_HANDLER(ui::NotifyArgs, MM_0104Click);
    UI_HANDLER(ui::NotifyArgs, StartServiceExecute);
    UI_HANDLER(ui::NotifyArgs, OptionsExecute);
    UI_HANDLER(ui::NotifyArgs, Configuremanually1Click);
    UI_HANDLER(ui::NotifyArgs, MM_0401Click);
    UI_HANDLER(ui::NotifyArgs, DiagramsExecute);
    UI_HANDLER(ui::NotifyArgs, HelpExecute);
    UI_HANDLER(ui::NotifyArgs, GraphTimerTimer);
    UI_HANDLER(ui::DrawPanelArgs, StatusBarDrawPanel);
    UI_HANDLER(ui::NotifyArgs, AppEvents1Minimize);

    // Service state shown by the window.
    void SetCommandMask(int mask) override;
    void SetToggleCaption(const std::wstring& caption) override;
    void SetStatusText(const std::wstring& text) override;

    int BoostProgress() const { return boostProgress_; }
    bool BoostRunning() const { return boostRunning_; }
    int CommandMask() const { return commandMask_; }
    const app::MainCharts& Charts() const { return charts_; }
    // The localizer's call after a language switch: the choice, the service's tray texts,
    // the chart captions.
    void LangClick(localizer::KLocalizerOnFly& localizer, const localizer::LFInfo& language);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyViewState(const app::ViewState& view);
    void ContactService();
    int CurrentViewState() const;
    void SetRefreshInterval(int index, bool notifyService);
    void LayoutCharts(int n);
    void OnServiceNotification(WPARAM code, LPARAM from);
    void SetBoostRunning(bool running);
    void SetBoostProgress(int percent);
    // The state panel: why automatic optimisation cannot act when there is a reason (a
    // stopped service, a quiet time, a taken hot key, processes refused), else the state.
    void ShowStateOrHealth();

    std::array<ui::MenuItem*, 4> intervalItems_{};
    std::array<ui::MenuItem*, 5> chartItems_{};
    std::array<ui::MenuItem*, 5> popupChartItems_{};
    app::MainCharts charts_;
    bool maximizeOnShow_ = false;
    bool boostRunning_ = false;
    int boostProgress_ = 0;
    int commandMask_ = 0;
    std::wstring stateText_;
    UINT healthChanged_ = 0;
    const std::uint8_t* healthView_ = nullptr;  // not owned: mapped for the process's life
};

// Creates the main window from its description, shows it modally and frees it.
void RunMainWindow();
