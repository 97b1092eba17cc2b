#include "cli/Cli.h"

#include <algorithm>
#include <exception>
#include <istream>
#include <ostream>

#include "base/ConsoleDialogs.h"
#include "base/Encoding.h"
#include "base/Settings.h"
#include "base/SystemLanguage.h"
#include "cli/Commands.h"
#include "workflow/ProjectState.h"

namespace zw::cli {
namespace {

std::vector<CommandGroup>& registry() {
    static std::vector<CommandGroup> groups;  // filled during static initialisation, so built on first use
    return groups;
}

void printUsage(std::ostream& out) {
    out << "usage: zorbaltwerk-cli [global flags] COMMAND ...\n"
           "\n"
           "global flags (before the command; they hold for this run and are not saved):\n"
           "  --workdir DIR            the working folder with Zorbaltwerk_Options.txt and Temp (default: the\n"
           "                           desktop program's: beside the program when its folder can be written,\n"
           "                           else the per-user folder; \"options show\" names it)\n"
           "  --english | --german     language of the messages\n"
           "  --addons | --no-addons   the rides are made for the game with both add-ons, or without\n"
           "  --game-path DIR          the game's installation folder\n"
           "  --overwrite              replace existing files without asking\n"
           "  --yes | --no             the answer to every yes/no question (otherwise asked on a terminal,\n"
           "                           answered no without one)\n"
           "  --help                   this text\n"
           "\n"
           "commands:\n";
    for (const auto& group : commandGroups()) {
        std::string_view usage = group.usage;
        while (!usage.empty()) {
            const auto end = usage.find('\n');
            out << "  zorbaltwerk-cli " << usage.substr(0, end) << '\n';
            usage = end == std::string_view::npos ? std::string_view() : usage.substr(end + 1);
        }
    }
    out << "\n"
           "Until the options are confirmed with \"options set\", every other command stops.\n"
           "Exit status: 0 done, 1 the command stopped with a message, 2 wrong command line.\n";
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "zorbaltwerk-cli: " << problem << '\n';
    err << "Run \"zorbaltwerk-cli --help\" for the commands.\n";
    return ExitCode::UsageError;
}

// The global flags up to the command's name; `next` is left on the name.
GlobalFlags readGlobalFlags(std::span<const std::string> args, std::size_t& next) {
    GlobalFlags flags;
    auto value = [&](const std::string& flag) -> const std::string& {
        if (next + 1 >= args.size()) throw UsageProblem(flag + " needs a value");
        return args[++next];
    };
    for (; next < args.size() && args[next].starts_with("--"); ++next) {
        const std::string& flag = args[next];
        if (flag == "--workdir") {
            flags.workFolder = pathFromArgument(value(flag));
        } else if (flag == "--english" || flag == "--german") {
            flags.english = flag == "--english";
        } else if (flag == "--addons" || flag == "--no-addons") {
            flags.addOns = flag == "--addons";
        } else if (flag == "--overwrite" || flag == "--no-overwrite") {
            flags.overwrite = flag == "--overwrite";
        } else if (flag == "--game-path") {
            flags.gamePath = value(flag);
        } else if (flag == "--yes" || flag == "--no") {
            flags.answer = flag == "--yes";
        } else {
            throw UsageProblem("unknown flag " + flag);
        }
    }
    return flags;
}

// Says nothing while the options load (their start-up messages are about the options and the game),
// then passes everything on.
class QuietStartDialogs : public Dialogs {
public:
    explicit QuietStartDialogs(Dialogs& inner) : inner_(inner) {}
    void started() { quiet_ = false; }

    void showMessage(const std::string& text) override {
        if (!quiet_) inner_.showMessage(text);
    }
    bool askYesNo(const std::string& caption, const std::string& text) override {
        return !quiet_ && inner_.askYesNo(caption, text);
    }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                         const std::filesystem::path& initialFolder) override {
        return inner_.chooseFileToOpen(filter, initialFolder);
    }
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override {
        return inner_.askText(caption, prompt, defaultText);
    }
    std::string clipboardText() override { return inner_.clipboardText(); }

private:
    Dialogs& inner_;
    bool quiet_ = true;
};

void applyOverrides(Settings& settings, const GlobalFlags& flags) {
    if (flags.english) settings.UseEnglish = *flags.english;
    if (flags.addOns) settings.AddOnsEnabled = *flags.addOns;
    if (flags.overwrite) settings.OverwriteWithoutPrompt = *flags.overwrite;
    if (flags.gamePath) settings.GamePath = normaliseGamePath(*flags.gamePath);
}

}  // namespace

Registration::Registration(const CommandGroup& group) { registry().push_back(group); }

std::vector<CommandGroup> commandGroups() {
    std::vector<CommandGroup> groups = registry();
    std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return groups;
}

std::filesystem::path pathFromArgument(const std::string& utf8) { return pathFromUtf8(utf8); }

std::string shownPath(const std::filesystem::path& path) { return pathToUtf8(path); }

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::istream* terminal,
           Registry& registry, const std::filesystem::path& defaultWorkFolder,
           const std::filesystem::path& executableFolder) {
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        (!args.empty() && args.front() == "help")) {
        printUsage(out);
        return ExitCode::Done;
    }

    std::size_t next = 0;
    GlobalFlags flags;
    try {
        flags = readGlobalFlags(args, next);
        if (flags.gamePath && normaliseGamePath(*flags.gamePath).empty()) throw UsageProblem("--game-path needs a folder");
    } catch (const UsageProblem& problem) {
        return usageError(err, problem.what());
    }
    if (next >= args.size()) return usageError(err, "no command given");

    const std::string& name = args[next];
    const auto groups = commandGroups();
    const auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.name == name; });
    if (group == groups.end()) return usageError(err, "unknown command " + name);

    std::error_code ec;
    if (flags.workFolder.empty() && !defaultWorkFolder.empty()) {
        // The per-user folder is made at its first use; one that cannot be made is reported missing.
        std::filesystem::create_directories(defaultWorkFolder, ec);
        ec.clear();
        flags.workFolder = defaultWorkFolder;
    }
    if (flags.workFolder.empty()) flags.workFolder = std::filesystem::current_path(ec);
    if (ec || !std::filesystem::is_directory(flags.workFolder, ec)) {
        return usageError(err, "the working folder " + flags.workFolder.string() + " does not exist");
    }

    ConsoleDialogs dialogs(err, terminal);
    dialogs.setForcedAnswer(flags.answer);
    const auto commandArgs = args.subspan(next + 1);
    const bool touchesNoGame = group->touchesNoGame && group->touchesNoGame(commandArgs);
    QuietStartDialogs windowDialogs(dialogs);
    if (!touchesNoGame && !group->quietStart) windowDialogs.started();
    try {
        ProjectState state;
        state.StartFolder = flags.workFolder;
        // Until the options are saved the messages are in the system's language, as in the desktop program.
        const OptionsStatus optionsStatus =
            loadSettings(state.settings, state.StartFolder, windowDialogs, registry, systemLanguage());
        windowDialogs.started();
        Context context(state, optionsStatus, dialogs, flags, out);
        context.setExecutableFolder(executableFolder);
        if (touchesNoGame) {
            applyOverrides(state.settings, flags);
        } else if (!group->allowedWithoutConfirmedOptions) {
            applyOverrides(state.settings, flags);
            if (optionsStatus != OptionsStatus::Fine) {
                context.showMessage("cliOptionsNotConfirmed");
                return ExitCode::Stopped;
            }
        }
        return group->run(context, commandArgs);
    } catch (const UsageProblem& problem) {
        return usageError(err, problem.what());
    } catch (const std::exception& error) {
        // As the desktop program does with an exception that escapes a command: show it, stop the command.
        dialogs.showMessage(error.what());
        return ExitCode::Stopped;
    }
}

}  // namespace zw::cli
