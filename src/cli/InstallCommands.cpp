// "install FOLDER" installs a prepared CTR folder as the install window's folder tab does;
// "uninstall ride|track|car NAME" and "list rides|tracks|cars" work like the window's other tabs.

#include <algorithm>
#include <ostream>

#include "base/Encoding.h"
#include "cli/Commands.h"
#include "install/GameFolders.h"
#include "install/InstallCommands.h"
#include "install/Uninstall.h"
#include "workflow/ReportShowing.h"

namespace zw::cli {
namespace {

namespace fs = std::filesystem;

CtrKind kindFromWord(const std::string& word, const char* ride, const char* track, const char* car,
                     const char* group) {
    if (word == ride) return CtrKind::Ride;
    if (word == track) return CtrKind::Track;
    if (word == car) return CtrKind::Car;
    throw UsageProblem(std::string(group) + " needs " + ride + ", " + track + " or " + car + ", not " + word);
}

// The installed objects of `kind`, or nothing after the message saying why they cannot be listed.
std::optional<InstalledObjects> installedObjects(Context& context, CtrKind kind, const fs::path& gamePath) {
    std::optional<ReportMessage> problem;
    auto installed = findInstalledObjects(kind, gamePath, problem);
    showReport(context.dialogs(), context.language(), installed.report);
    if (problem) context.dialogs().showMessage(problem->text(context.language()));
    return std::move(installed.value);
}

int install(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) throw UsageProblem("install needs one FOLDER");
    fs::path folder = fs::absolute(pathFromArgument(args[0])).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    const InstallSettings settings = installSettingsOf(context.state().settings);
    const InstallOutcome outcome = *runAsking(context.dialogs(), settings.language, [&](const Answers& answers) {
        return installCtrFolder(settings, folder.parent_path(), folder.filename(), answers);
    }).value;
    return outcome == InstallOutcome::Installed ? ExitCode::Done : ExitCode::Stopped;
}

int uninstall(Context& context, std::span<const std::string> args) {
    if (args.size() != 2) throw UsageProblem("uninstall needs ride, track or car and a NAME");
    const CtrKind kind = kindFromWord(args[0], "ride", "track", "car", "uninstall");
    const InstallSettings settings = installSettingsOf(context.state().settings);
    const fs::path name = pathFromArgument(args[1]);

    // Only a name that the kind's list shows is uninstalled, as in the window.
    const auto installed = installedObjects(context, kind, settings.gamePath);
    if (!installed) return ExitCode::Stopped;
    if (std::find(installed->names.begin(), installed->names.end(), name) == installed->names.end()) {
        context.showMessage("notInstalled", {displayName(name)});
        return ExitCode::Stopped;
    }
    const auto uninstalled = uninstallObject(kind, installed->folder, name);
    showReport(context.dialogs(), settings.language, uninstalled.report);
    const UninstallOutcome outcome = *uninstalled.value;
    return outcome == UninstallOutcome::Removed ? ExitCode::Done : ExitCode::Stopped;
}

int list(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) throw UsageProblem("list needs rides, tracks or cars");
    const CtrKind kind = kindFromWord(args[0], "rides", "tracks", "cars", "list");
    const InstallSettings settings = installSettingsOf(context.state().settings);
    auto installed = installedObjects(context, kind, settings.gamePath);
    if (!installed) return ExitCode::Stopped;
    std::sort(installed->names.begin(), installed->names.end());
    for (const auto& name : installed->names) context.out() << shownPath(name) << '\n';
    return ExitCode::Done;
}

const Registration installRegistration{{
    .name = "install",
    .usage = "install FOLDER                   a prepared CTR_ or TrackCTR_ folder",
    .run = install,
}};

const Registration uninstallRegistration{{
    .name = "uninstall",
    .usage = "uninstall ride|track|car NAME",
    .run = uninstall,
}};

const Registration listRegistration{{
    .name = "list",
    .usage = "list rides|tracks|cars            the CTRs installed in the game folder",
    .run = list,
}};

}  // namespace
}  // namespace zw::cli
