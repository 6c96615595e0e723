#include "app/fatal_error.h"

#include <gtk/gtk.h>

#include <unistd.h>

#include <cstdio>

#include "app/shell.h"

namespace vantelo {

std::string FatalErrorText(const std::string& message) {
    std::string text = "运行时出错!\r\n\r\n";
    if (!message.empty()) text += "错误信息：" + message + "\r\n";
    return text;
}

std::string OutOfMemoryMessage(std::size_t bytes) {
    return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

GtkWidget* BuildFatalErrorDialog(const std::string& text) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), kFatalErrorTitle);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(dialog), FALSE);
    gtk_dialog_add_button(GTK_DIALOG(dialog), g_dgettext("gtk30", "_OK"), GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);

    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(row), 12);
    GtkWidget* icon = gtk_image_new_from_icon_name("dialog-error", GTK_ICON_SIZE_DIALOG);
    gtk_widget_set_valign(icon, GTK_ALIGN_START);
    gtk_widget_set_name(icon, "fatal-error-icon");
    GtkWidget* label = gtk_label_new(text.c_str());
    gtk_widget_set_name(label, "fatal-error-text");
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_selectable(GTK_LABEL(label), TRUE);
    gtk_box_pack_start(GTK_BOX(row), icon, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), label, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), row, TRUE, TRUE, 0);
    gtk_widget_show_all(row);
    AtkObject* accessible = gtk_widget_get_accessible(dialog);
    atk_object_set_role(accessible, ATK_ROLE_ALERT);
    return dialog;
}

void ReportFatalError(const std::string& message) {
    HoldEvents();
    const std::string text = FatalErrorText(message);
    if (DisplayAvailable()) {
        GtkWidget* dialog = BuildFatalErrorDialog(text);
        gtk_widget_grab_focus(gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK));
        gtk_dialog_run(GTK_DIALOG(dialog));
        gtk_widget_destroy(dialog);
    } else {
        std::fputs(text.c_str(), stderr);
    }
    ShutDownShell();
    std::fflush(nullptr);
    _exit(kFatalExitStatus);
}

void ReportOutOfMemory(std::size_t bytes) { ReportFatalError(OutOfMemoryMessage(bytes)); }

}  // namespace vantelo
