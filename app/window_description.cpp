#include "app/window_description.h"

#include "app/button_actions.h"
#include "app/startup_captions.h"
#include "remote/content_addresses.h"

namespace vantelo {
namespace {

ControlRecord MakeButton(const char* name, int left, int top, int width, int height, const char* text,
                         Handler onClick) {
    ControlRecord r{ControlKind::Button, name, left, top, width, height};
    r.tabStop = true;
    r.text = text;
    r.onClick = onClick;
    return r;
}

ControlRecord MakeLabel(const char* name, int left, int top, int width, int height, const char* text) {
    ControlRecord r{ControlKind::Label, name, left, top, width, height};
    r.text = text;
    r.hAlign = HAlign::Left;
    return r;
}

ControlRecord MakeBrowserBox() {
    ControlRecord r{ControlKind::HtmlViewer, "超文本浏览框1", -14, -1, 773, 385};
    r.tabStop = true;
    r.viewer = HtmlViewerSettings{2, false, false, ContentBaseAddress()};
    return r;
}

}  // namespace

const WindowDescription& MainWindowDescription() {
    static const ControlRecord controls[] = {
        MakeButton("按钮7", 648, 411, 88, 40, "Pemrik专版", OnEditionClicked),
        MakeLabel("标签2", 0, 384, 192, 24, "每晚12点软件按钮+网站同步更新"),
        MakeBrowserBox(),
        MakeButton("按钮6", 544, 412, 80, 32, "查看更多资源", OnMoreResourcesClicked),
        MakeButton("按钮5", 425, 411, 95, 32, "Vantelo", OnLinkButtonClicked<5>),
        MakeLabel("标签1", 2, 414, 62, 24, "26号更新："),
        MakeButton("按钮4", 335, 411, 81, 32, "Vantelo", OnLinkButtonClicked<4>),
        MakeButton("按钮3", 247, 411, 81, 32, "Vantelo", OnLinkButtonClicked<3>),
        MakeButton("按钮2", 160, 411, 80, 32, "Vantelo", OnLinkButtonClicked<2>),
        MakeButton("按钮1", 72, 412, 80, 32, "Vantelo", OnLinkButtonClicked<1>),
    };
    static const WindowDescription description{
        WindowRecord{
            .left = 50, .top = 50, .width = 752, .height = 486,
            .visible = true, .disabled = false,
            .title = "Vantelo软件",
            .controlBox = true, .maxButton = false, .minButton = false,
            .centred = true, .movable = true,
            .enterMovesFocus = false, .escCloses = true, .f1OpensHelp = false,
            .showInTaskbar = true, .topMost = false,
            .onCreated = OnMainWindowCreated,
        },
        controls,
    };
    return description;
}

}  // namespace vantelo
