#pragma once
// The registry the program reads the game folder from: the Windows registry on Windows, the Wine
// prefix's registry elsewhere.

#include <memory>

#include "base/Registry.h"

namespace zw {

std::unique_ptr<Registry> makeSystemRegistry();

}  // namespace zw
