#pragma once
// The catalogue is kept in one table per subsystem; Messages.cpp joins them.

#include <span>

#include "base/Messages.h"

namespace zw::messages {

std::span<const MessageText> applicationMessages();  // main window, options, names on disk
std::span<const MessageText> dataFileMessages();     // data file reader, ride and car files, rewrites
std::span<const MessageText> ovlMessages();          // OVL writer, model reader, re-emission
std::span<const MessageText> builderMessages();      // ride and car pairs, splines, icon
std::span<const MessageText> installMessages();      // install and uninstall
std::span<const MessageText> assistantMessages();    // the ride assistant
std::span<const MessageText> checkMessages();        // the data file check and the status line
std::span<const MessageText> structureMessages();    // the structure check of OVL pairs and car models
std::span<const MessageText> gameFolderCheckMessages();  // the check of the game folder

}  // namespace zw::messages
