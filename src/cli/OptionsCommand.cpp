// "options show" prints the settings in force; "options set" confirms the options as the options
// window's OK does, promise question included, and writes the options file.

#include <ostream>

#include "base/Encoding.h"
#include "cli/Commands.h"
#include "workflow/OptionsWindow.h"

namespace zw::cli {
namespace {

int show(Context& context, std::span<const std::string> args) {
    if (!args.empty()) throw UsageProblem("options show takes no arguments");
    Settings settings = context.state().settings;
    const GlobalFlags& flags = context.flags();
    if (flags.english) settings.UseEnglish = *flags.english;
    if (flags.addOns) settings.AddOnsEnabled = *flags.addOns;
    if (flags.overwrite) settings.OverwriteWithoutPrompt = *flags.overwrite;
    if (flags.gamePath) settings.GamePath = normaliseGamePath(*flags.gamePath);

    const char* status = "confirmed";
    if (context.window().optionsStatus() == OptionsStatus::Missing) status = "missing";
    if (context.window().optionsStatus() == OptionsStatus::Wrong) status = "wrong";
    std::ostream& out = context.out();
    out << "options file: " << (context.state().StartFolder / std::string(kOptionsFileName)).string() << " ("
        << status << ")\n";
    out << "language: " << (settings.UseEnglish ? "English" : "Deutsch") << '\n';
    out << "game path: " << settings.GamePath << '\n';
    out << "add-ons: " << (settings.AddOnsEnabled ? 1 : 0) << '\n';
    out << "overwrite without prompting: " << (settings.OverwriteWithoutPrompt ? 1 : 0) << '\n';
    out << "hidden settings: " << (settings.HiddenSettings ? 1 : 0) << '\n';
    return ExitCode::Done;
}

int set(Context& context, std::span<const std::string> args) {
    // The options window opens with the loaded settings; the global value flags and then the words
    // after "set" choose in it.
    OptionsWindow window(context.window());
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
    if (english) window.setChecked(*english ? "EnglischRadioButton" : "DeutschRadioButton", true);
    if (addOns) window.setChecked(*addOns ? "mitAddOnsRadioButton" : "ohneAddOnsRadioButton", true);
    if (overwrite) window.setChecked("UeberschreibenCheckBox", *overwrite);
    if (gamePath) {
        window.setRCT3PfadEditText(*gamePath);
    }

    window.OkayButtonClick();
    return window.lastWriteResult() == OptionsWriteResult::Written ? ExitCode::Done : ExitCode::Stopped;
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
}};

}  // namespace
}  // namespace zw::cli
