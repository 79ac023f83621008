#pragma once

#include "core/CodePage.h"

#include <string>
#include <string_view>

// How device names and SSIDs cross the link: UTF-8 on the wire, the console code page inside.
namespace cpe {

// A text as the device sent it (UTF-8, possibly cut in the middle of a character): when any byte
// is 0x80 or above it is cut after its last complete character and converted to the console code
// page; otherwise it is taken unchanged.
std::string ReceivedText(std::string_view bytes, const CodePage& codePage = ConsoleCodePage());

// A text of the console to send: converted to UTF-8 only when it holds a Chinese character of the
// devices' set; otherwise its console code page bytes go out unchanged.
std::string TextToSend(std::string_view text, const CodePage& codePage = ConsoleCodePage());

// The Chinese characters of that rule: U+4E00..U+9FA5 and the listed punctuation.
bool IsChineseCharacter(char32_t codePoint);

} // namespace cpe
