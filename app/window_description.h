#pragma once
// The build-time description of MainWindow: one record for the window and one
// for each of its ten controls, in stored order. Read-only for the whole run.
#include <span>

namespace vantelo {

using Handler = void (*)();

enum class ControlKind { Button, Label, HtmlViewer };

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

struct HtmlViewerSettings {
    int fontSize = 2;        // 0 smallest .. 4 largest
    bool offline = false;    // true: pages only from the engine's cache
    bool silent = false;     // true: the engine shows none of its own dialogs
    const char* address = "";
};

struct ControlRecord {
    ControlKind kind;
    const char* name;
    int left, top, width, height;
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    int tabOrder = 0;
    const char* text = "";   // Button and Label: the stored text
    Handler onClick = nullptr;
    HAlign hAlign = HAlign::Centre;
    VAlign vAlign = VAlign::Centre;
    bool wordWrap = false;   // Label only
    unsigned textColor = 0x000000;  // Label only, 0x00BBGGRR
    HtmlViewerSettings viewer{};   // HtmlViewer only
};

struct WindowRecord {
    int left, top, width, height;  // outer size, frame and title bar included
    bool visible;
    bool disabled;
    const char* title;
    bool controlBox, maxButton, minButton;
    bool centred;                   // StartPosition 1
    bool movable;
    bool enterMovesFocus, escCloses, f1OpensHelp;
    bool showInTaskbar, topMost;
    Handler onCreated;
};

struct WindowDescription {
    WindowRecord window;
    std::span<const ControlRecord> controls;  // stored order
};

const WindowDescription& MainWindowDescription();

}  // namespace vantelo
