#pragma once
namespace vantelo {
// MainWindow's window-created handler: the five link buttons' captions from the
// content server, 1 to 5, one fetch after another, before the window is shown.
void OnMainWindowCreated();
}
