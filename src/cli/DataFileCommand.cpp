// What the ride and car command groups share: the data file named on the command line, the
// findings of a check printed as the command's result, the formats of a dump, and the driver that
// runs read, check, rewrite, build and install for either kind.
#include <charconv>
#include <ostream>

#include "base/Encoding.h"
#include "cli/Commands.h"
#include "datafiles/DataFileName.h"
#include "workflow/DataFileChecking.h"
#include "workflow/ProjectCommands.h"

namespace zw::cli {

std::filesystem::path dataFileArgument(const std::string& word, DataFileKind kind, std::string_view group) {
    const std::filesystem::path path = pathFromArgument(word);
    // Usage problems are told in English, whatever the options say.
    const std::string problem = dataFileNameProblem(path, kind, Language::English);
    if (!problem.empty()) throw UsageProblem(std::string(group) + ": " + problem);
    return path;
}

int printFindings(Context& context, const std::vector<DataFileFinding>& findings) {
    for (const auto& finding : findings) context.out() << findingLine(finding, context.language()) << '\n';
    const std::size_t errors = errorCount(findings);
    context.out() << message("checkSummary", context.language(),
                             {std::to_string(errors), std::to_string(findings.size() - errors)})
                  << '\n';
    return errors ? ExitCode::Stopped : ExitCode::Done;
}

bool isCheckCommand(std::span<const std::string> args) { return !args.empty() && args[0] == "check"; }

std::string dumpDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string dumpText(const std::string& cp1252) { return '"' + cp1252ToUtf8(cp1252) + '"'; }

int runDataFileCommand(const DataFileCommandKind& kind, Context& context, std::span<const std::string> args) {
    if (args.empty()) throw UsageProblem(std::string(kind.missingAction));
    const std::string& action = args[0];
    const std::string group(kind.group);
    const std::string_view prefix = dataFilePrefix(kind.kind);
    const std::string fileKind(prefix.substr(0, prefix.size() - 1));  // "CTR_BahnDaten"
    ProjectState& state = context.state();
    // Reads FILE as the window's read button does, its findings shown in one message; then, before
    // the file is written, built or installed from, asks once whether to go on despite errors found.
    std::size_t readErrors = 0;
    auto read = [&](const std::string& file) {
        const auto path = dataFileArgument(file, kind.kind, kind.group);
        if (!kind.read(state, context.dialogs(), path)) return false;
        readErrors = errorCount(showReadFindings(kind.kind, state, path, context.executableFolder(), context.dialogs()));
        return true;
    };
    auto readAndGoOn = [&](const std::string& file) {
        return read(file) && goOnDespiteReadErrors(readErrors, context.language(), context.dialogs());
    };
    auto oneFile = [&] {
        if (args.size() != 2) throw UsageProblem(group + " " + action + " needs one " + fileKind + " file");
        return args[1];
    };
    if (action == "read") {
        const ReadArguments words = parseReadArguments(args.subspan(1), group + " read", fileKind);
        if (!read(words.file)) return ExitCode::Stopped;
        (words.dumpAll ? kind.dump : kind.summary)(context.out(), context.state());
        return ExitCode::Done;
    }
    if (action == "check") {
        // Read as the window reads, without its message of findings: they are the result here.
        const auto path = dataFileArgument(oneFile(), kind.kind, kind.group);
        if (!kind.readForCheck(context, path)) return ExitCode::Stopped;
        return printFindings(context, checkReadDataFile(kind.kind, context.state(), context.executableFolder()));
    }
    if (action == "rewrite") {
        if (!readAndGoOn(oneFile())) return ExitCode::Stopped;
        return kind.rewrite(state, context.dialogs()) ? ExitCode::Done : ExitCode::Stopped;
    }
    if (action == "build") {
        if (!readAndGoOn(oneFile()) || !kind.build(state, context.dialogs())) return ExitCode::Stopped;
        for (const auto& file : {kind.commonFile(context.state()), kind.uniqueFile(context.state())})
            context.out() << shownPath(file) << '\n';
        return ExitCode::Done;
    }
    if (action == "install") {
        // Read, build and install, as the window's buttons do one after the other.
        if (!readAndGoOn(oneFile()) || !kind.build(state, context.dialogs())) return ExitCode::Stopped;
        return installBuiltPairOf(kind.installKind, state, context.dialogs()) == InstallOutcome::Installed
                   ? ExitCode::Done
                   : ExitCode::Stopped;
    }
    throw UsageProblem(group + " needs read, check, rewrite, build or install, not " + action);
}

}  // namespace zw::cli
