#pragma once
// Captions mark their access key the way the desktop's push buttons always have:
// "&x" underlines x and makes it the key that Alt clicks; "&&" shows one "&".
#include <string>
#include <string_view>

namespace vantelo {

// The caption in GTK's mnemonic form: "&x" becomes "_x", "&&" becomes "&", and a
// literal "_" is doubled so that it shows as itself.
std::string MnemonicLabelText(std::string_view caption);

// The access key of a caption: the character after its first lone ampersand,
// lower-cased, when it is an ASCII letter or digit; 0 when there is none.
char AccessKeyOf(std::string_view caption);

}  // namespace vantelo
