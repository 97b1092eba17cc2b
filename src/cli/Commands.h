#pragma once
// The command groups of zorbaltwerk-cli and how a group joins the program.
//
// Each group ("options", "ride", "car", "install", "uninstall", "list", "inspect") lives in its own
// .cpp file in this folder and registers itself while the program starts:
//
//     namespace {
//     int run(zw::cli::Context& context, std::span<const std::string> args) { ... }
//     const zw::cli::Registration registration{{
//         .name = "ride",
//         .usage = "ride read|rewrite|build|install FILE   CTR_BahnDaten_<name>.txt",
//         .run = run,
//     }};
//     }  // namespace
//
// Nothing else needs an edit: the build picks the file up, and the dispatcher (Cli.cpp) has already
// read the global flags, loaded the options into the project state (showing the start-up messages),
// applied the one-run overrides to the settings, and refused the command when the options are
// missing or wrong (unless the group sets `allowedWithoutConfirmedOptions`). `run` gets the words
// after the group's name and returns an ExitCode; it may throw UsageError for wrong arguments.
// Messages go through context.dialogs(), in the language of context.language().

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/ConsoleDialogs.h"
#include "base/Messages.h"
#include "base/Settings.h"
#include "datafiles/DataFileCheck.h"
#include "install/GameFolders.h"
#include "workflow/ProjectState.h"

namespace zw::cli {

enum ExitCode : int {
    Done = 0,
    Stopped = 1,     // the command stopped with a message
    UsageError = 2,  // the command line was wrong
};

// Wrong arguments; the dispatcher prints the text and the usage and exits with 2.
struct UsageProblem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What the global flags before the command said.
struct GlobalFlags {
    std::filesystem::path workFolder;
    std::optional<bool> english;
    std::optional<bool> addOns;
    std::optional<bool> overwrite;
    std::optional<std::string> gamePath;  // UTF-8 as given
    std::optional<bool> answer;           // --yes / --no
};

class Context {
public:
    Context(ProjectState& state, OptionsStatus optionsStatus, ConsoleDialogs& dialogs, const GlobalFlags& flags,
            std::ostream& out)
        : state_(state), optionsStatus_(optionsStatus), dialogs_(dialogs), flags_(flags), out_(out) {}

    // How the options file was found when the run started.
    OptionsStatus optionsStatus() const { return optionsStatus_; }
    // The folder of the program, where the assistant's lists (the game's catalogue) lie.
    const std::filesystem::path& executableFolder() const { return executableFolder_; }
    void setExecutableFolder(std::filesystem::path folder) { executableFolder_ = std::move(folder); }
    ProjectState& state() { return state_; }
    ConsoleDialogs& dialogs() { return dialogs_; }
    const GlobalFlags& flags() const { return flags_; }
    // Standard output, for what a command prints as its result (lists, settings).
    std::ostream& out() { return out_; }
    Language language() const { return languageOf(state_.settings.UseEnglish); }

    // Shows catalogue message `id` in the active language.
    void showMessage(MessageId id, std::initializer_list<MessageArg> args = {}) {
        dialogs_.showMessage(message(id, language(), args));
    }

private:
    ProjectState& state_;
    OptionsStatus optionsStatus_;
    ConsoleDialogs& dialogs_;
    const GlobalFlags& flags_;
    std::ostream& out_;
    std::filesystem::path executableFolder_;
};

struct CommandGroup {
    std::string_view name;
    std::string_view usage;  // one or more lines for --help, each starting with the group's name
    int (*run)(Context& context, std::span<const std::string> args) = nullptr;
    bool allowedWithoutConfirmedOptions = false;
    // True for the commands (by the words after the group's name) that touch nothing of the game:
    // they run without confirmed options and without the start-up messages, in the options'
    // language where there are options.
    bool (*touchesNoGame)(std::span<const std::string> args) = nullptr;
    // True for a group that reports the options itself: the start-up messages (the greeting of the
    // first start, a wrong options file) are not shown.
    bool quietStart = false;
};

struct Registration {
    explicit Registration(const CommandGroup& group);
};

// Every registered group, sorted by name.
std::vector<CommandGroup> commandGroups();

// A path from a command-line word (UTF-8).
std::filesystem::path pathFromArgument(const std::string& utf8);
// A path as the command line shows it (UTF-8).
std::string shownPath(const std::filesystem::path& path);

// A data file of `kind` named on the command line; throws UsageProblem naming `group` for a name
// that is no data file's (dataFileNameProblem).
std::filesystem::path dataFileArgument(const std::string& word, DataFileKind kind, std::string_view group);

// Prints the findings of a data file check, one a line, then how many errors and notes there are.
// Done when there is no error; Stopped otherwise.
int printFindings(Context& context, const std::vector<DataFileFinding>& findings);

// "check FILE": the command that touches nothing of the game in the ride and car groups.
bool isCheckCommand(std::span<const std::string> args);

// What the ride and car groups differ in; runDataFileCommand runs read, check, rewrite, build and
// install alike for both.
struct DataFileCommandKind {
    std::string_view group;          // "ride"
    std::string_view missingAction;  // the usage problem when no action follows the group
    DataFileKind kind;
    // Reads without the message of findings (the check prints them as its result).
    bool (*readForCheck)(Context& context, const std::filesystem::path& file);
    void (*summary)(std::ostream& out, const ProjectState& state);
    void (*dump)(std::ostream& out, const ProjectState& state);
    // The main window's commands below the window (workflow/ProjectCommands.h): the read of the
    // file named on the command line, the rewrite and build of what was read; the install's kind.
    bool (*read)(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& file);
    bool (*rewrite)(const ProjectState& state, Dialogs& dialogs);
    bool (*build)(ProjectState& state, Dialogs& dialogs);
    CtrKind installKind;
    // The common and unique file of the pair built from the state.
    std::filesystem::path (*commonFile)(const ProjectState& state);
    std::filesystem::path (*uniqueFile)(const ProjectState& state);
};
int runDataFileCommand(const DataFileCommandKind& kind, Context& context, std::span<const std::string> args);

// The formats of a dump: the shortest decimal that reads back as the same double (so a dump shows
// what the reader settled), a text in quotes, a list joined by ", ".
std::string dumpDecimal(double value);
std::string dumpText(const std::string& cp1252);
template <typename T, typename Format>
std::string dumpList(const std::vector<T>& values, Format format) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + format(values[i]);
    return out;
}

// The words after "read": a file and an optional "--dump"; `command` ("ride read") names the
// command in usage errors, `fileKind` the file it needs.
struct ReadArguments {
    std::string file;
    bool dumpAll = false;
};
inline ReadArguments parseReadArguments(std::span<const std::string> words, const std::string& command,
                                        const std::string& fileKind) {
    ReadArguments parsed;
    std::optional<std::string> file;
    for (const auto& word : words) {
        if (word == "--dump") {
            parsed.dumpAll = true;
        } else if (!file && !word.starts_with("--")) {
            file = word;
        } else {
            throw UsageProblem(command + ": unexpected word " + word);
        }
    }
    if (!file) throw UsageProblem(command + " needs a " + fileKind + " file");
    parsed.file = *file;
    return parsed;
}

}  // namespace zw::cli
