#include "base/SystemRegistry.h"

#include "base/WindowsRegistry.h"
#include "base/WineRegistry.h"

namespace zw {
namespace {

// A registry without keys: the game folder falls back to its default with a message.
class EmptyRegistry : public Registry {
public:
    bool keyExists(const std::string&) override { return false; }
    std::optional<std::string> readString(const std::string&, const std::string&) override { return std::nullopt; }
};

}  // namespace

#ifdef _WIN32
std::unique_ptr<Registry> makeSystemRegistry() { return std::make_unique<WindowsRegistry>(); }
#else
std::unique_ptr<Registry> makeSystemRegistry() {
    if (auto prefix = defaultWinePrefix()) return std::make_unique<WineRegistry>(*prefix);
    return std::make_unique<EmptyRegistry>();
}
#endif

}  // namespace zw
