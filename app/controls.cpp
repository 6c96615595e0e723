#include "app/controls.h"

namespace vantelo {

std::unique_ptr<Control> CreateControl(const ControlRecord& record, int id) {
    auto control = std::make_unique<Control>();
    control->record = &record;
    control->id = id;
    bool built = false;
    switch (record.kind) {
        case ControlKind::Button: built = BuildButton(*control); break;
        case ControlKind::Label: built = BuildLabel(*control); break;
        case ControlKind::HtmlViewer: built = BuildHtmlViewer(*control); break;
    }
    if (!built || !control->widget) return nullptr;
    gtk_widget_set_name(control->widget, record.name);
    g_object_set_data(G_OBJECT(control->widget), kControlIdKey, GINT_TO_POINTER(id));
    g_object_set_data(G_OBJECT(control->widget), kControlKey, control.get());
    gtk_widget_set_sensitive(control->widget, !record.disabled);
    return control;
}

}  // namespace vantelo
