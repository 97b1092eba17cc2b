#include "app/messages/MessageTables.h"

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    {"", "", ""},  // placeholder until this table is filled
};

}  // namespace

std::span<const MessageText> installMessages() { return {kMessages, std::size(kMessages) - 1}; }

}  // namespace zw::messages
