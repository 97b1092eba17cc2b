#pragma once
// The UTF-8 text of a name for messages (made by displayName in base/Encoding.h): every character as
// it is, whatever the 8-bit code page holds.

#include <string>

namespace zw {

struct DisplayName {
    std::string utf8;
};

}  // namespace zw
