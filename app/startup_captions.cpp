#include "app/startup_captions.h"

#include <string>

#include "app/controls.h"
#include "app/shell.h"
#include "remote/bytes_to_text.h"
#include "remote/content_addresses.h"
#include "remote/http_read_file.h"

namespace vantelo {

void OnMainWindowCreated() {
    static const char* const kButtons[] = {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5"};
    for (int n = 1; n <= 5; ++n) {
        ByteString bytes = HttpReadFile(CaptionFileAddress(n).c_str());
        Text text = BytesToText(bytes);
        bytes.Release();
        if (Control* button = FindControl(kButtons[n - 1])) WriteCaption(*button, text);
        text.Release();
    }
}

}  // namespace vantelo
