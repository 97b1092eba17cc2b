// "options show" prints the settings in force; "options set" confirms the options as the options
// window's OK does (the question about a game folder without RCT3.exe and the add-ons promise
// included), writes the options file and prints what it saved.

#include <ostream>

#include "base/Encoding.h"
#include "cli/Commands.h"
#include "workflow/OptionsSaving.h"

namespace zw::cli {
namespace {

// The settings one a line, as both commands print them.
void printSettings(std::ostream& out, const Settings& settings) {
    out << "language: " << (settings.UseEnglish ? "English" : "Deutsch") << '\n';
    out << "game path: " << settings.GamePath << '\n';
    out << "add-ons: " << (settings.AddOnsEnabled ? 1 : 0) << '\n';
    out << "overwrite without prompting: " << (settings.OverwriteWithoutPrompt ? 1 : 0) << '\n';
    out << "hidden settings: " << (settings.HiddenSettings ? 1 : 0) << '\n';
}

std::string optionsFile(Context& context) {
    return shownPath(context.state().StartFolder / std::string(kOptionsFileName));
}

int show(Context& context, std::span<const std::string> args) {
    if (!args.empty()) throw UsageProblem("options show takes no arguments");
    Settings settings = context.state().settings;
    const GlobalFlags& flags = context.flags();
    if (flags.english) settings.UseEnglish = *flags.english;
    if (flags.addOns) settings.AddOnsEnabled = *flags.addOns;
    if (flags.overwrite) settings.OverwriteWithoutPrompt = *flags.overwrite;
    if (flags.gamePath) settings.GamePath = normaliseGamePath(*flags.gamePath);

    const char* status = "confirmed";
    if (context.optionsStatus() == OptionsStatus::Missing) status = "missing";
    if (context.optionsStatus() == OptionsStatus::Wrong) status = "wrong";
    context.out() << "options file: " << optionsFile(context) << " (" << status << ")\n";
    printSettings(context.out(), settings);
    return ExitCode::Done;
}

int set(Context& context, std::span<const std::string> args) {
    // The choice starts from the loaded settings, as the options window does; the global value flags
    // and then the words after "set" change it.
    OptionsChoice choice = choiceFromSettings(context.state().settings);
    const GlobalFlags& flags = context.flags();
    std::optional<bool> english = flags.english, addOns = flags.addOns, overwrite = flags.overwrite;
    std::optional<std::string> gamePath = flags.gamePath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--english" || word == "--german") {
            english = word == "--english";
        } else if (word == "--addons" || word == "--no-addons") {
            addOns = word == "--addons";
        } else if (word == "--overwrite" || word == "--no-overwrite") {
            overwrite = word == "--overwrite";
        } else if (word == "--game-path") {
            if (i + 1 >= args.size()) throw UsageProblem("--game-path needs a value");
            gamePath = args[++i];
        } else {
            throw UsageProblem("options set: unknown word " + word);
        }
    }
    if (english) choice.English = *english;
    if (addOns) choice.WithAddOns = *addOns;
    if (overwrite) choice.Overwrite = *overwrite;
    if (gamePath) choice.GamePathText = *gamePath;

    // What the window's OK saves, without its note about restarting: each run starts anew.
    ProjectState& state = context.state();
    if (saveOptions(state.settings, choice, state.StartFolder, context.optionsStatus(), context.dialogs()) !=
        OptionsWriteResult::Written) {
        return ExitCode::Stopped;
    }
    context.out() << "saved to " << optionsFile(context) << ":\n";
    printSettings(context.out(), context.state().settings);
    return ExitCode::Done;
}

int run(Context& context, std::span<const std::string> args) {
    if (args.empty()) throw UsageProblem("options needs show or set");
    if (args[0] == "show") return show(context, args.subspan(1));
    if (args[0] == "set") return set(context, args.subspan(1));
    throw UsageProblem("options needs show or set, not " + args[0]);
}

const Registration registration{{
    .name = "options",
    .usage = "options show\n"
             "options set [--english|--german] [--addons|--no-addons] [--game-path DIR] [--overwrite|--no-overwrite]",
    .run = run,
    .allowedWithoutConfirmedOptions = true,
    .quietStart = true,
}};

}  // namespace
}  // namespace zw::cli
