#pragma once
// A live control of MainWindow: its record, its identifier and its widget.
#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "app/memory_blocks.h"
#include "app/window_description.h"

namespace vantelo {

class BrowserView;

struct Control {
    const ControlRecord* record = nullptr;
    int id = 0;                  // child-window identifier: 100, 110, ...
    GtkWidget* widget = nullptr; // owned by the client area once placed
    std::string caption;         // Button: the caption as shown, UTF-8
    BrowserView* browser = nullptr;  // HtmlViewer: its engine view, owned by the widget
};

// Builds the widget of one control of any kind; nullptr when it cannot be made.
std::unique_ptr<Control> CreateControl(const ControlRecord& record, int id);

// Keys under which a control's widget carries its name and identifier.
inline constexpr const char* kControlIdKey = "vantelo-control-id";
inline constexpr const char* kControlKey = "vantelo-control";

// Per kind, in their own files.
bool BuildButton(Control& control);
bool BuildLabel(Control& control);
bool BuildHtmlViewer(Control& control);

// The caption write of a Button: the text (code page 936) becomes the caption.
void WriteCaption(Control& button, const Text& text);
// The caption as the program itself gives it, already UTF-8.
void SetCaptionUtf8(Control& button, const std::string& caption);
// Clicks the button as a click by the user would: its handler runs, held events aside.
void ClickButton(Control& button);

// The address write of the BrowserBox (`地址`): stores a copy and navigates.
void WriteAddress(Control& box, const Text& text);

}  // namespace vantelo
