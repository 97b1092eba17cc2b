#include "base/ConsoleDialogs.h"

#include <istream>
#include <ostream>

namespace zw {
namespace {

// Message texts end their lines with CR LF as the message boxes want; a console wants LF.
std::string consoleText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

ConsoleDialogs::ConsoleDialogs(std::ostream& out, std::istream* terminal) : out_(out), terminal_(terminal) {}

void ConsoleDialogs::showMessage(const std::string& text) {
    ++messagesShown_;
    out_ << consoleText(text) << '\n' << std::flush;
}

std::optional<std::string> ConsoleDialogs::readLine() {
    if (!terminal_) return std::nullopt;
    std::string line;
    if (!std::getline(*terminal_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool ConsoleDialogs::askYesNo(const std::string& caption, const std::string& text) {
    out_ << "[" << consoleText(caption) << "] " << consoleText(text) << '\n';
    if (forcedAnswer_) {
        out_ << (*forcedAnswer_ ? "-> yes (--yes)" : "-> no (--no)") << '\n' << std::flush;
        return *forcedAnswer_;
    }
    if (!terminal_) {
        out_ << "-> no (no terminal to ask; answer with --yes or --no)" << '\n' << std::flush;
        return false;
    }
    for (;;) {
        out_ << "[y/n/j] " << std::flush;
        auto line = readLine();
        if (!line) {
            out_ << "-> no" << '\n' << std::flush;
            return false;
        }
        const std::string answer = lower(*line);
        if (answer == "y" || answer == "yes" || answer == "j" || answer == "ja") return true;
        if (answer == "n" || answer == "no" || answer == "nein") return false;
    }
}

std::optional<std::filesystem::path> ConsoleDialogs::chooseFileToOpen(const std::string&,
                                                                     const std::filesystem::path&) {
    return std::nullopt;
}

std::optional<std::string> ConsoleDialogs::askText(const std::string& caption, const std::string& prompt,
                                                   const std::string& defaultText) {
    out_ << "[" << consoleText(caption) << "] " << consoleText(prompt) << " [" << defaultText << "]" << '\n';
    if (!terminal_) {
        out_ << "-> cancelled (no terminal to ask)" << '\n' << std::flush;
        return std::nullopt;
    }
    out_ << "> " << std::flush;
    auto line = readLine();
    if (!line) return std::nullopt;
    return line->empty() ? defaultText : *line;
}

}  // namespace zw
