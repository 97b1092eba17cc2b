// What the ride and car command groups share: the data file named on the command line, and the
// findings of a check printed as the command's result.
#include <ostream>

#include "cli/Commands.h"

namespace zw::cli {

std::filesystem::path dataFileArgument(const std::string& word, std::string_view prefix, std::string_view group) {
    const std::filesystem::path path = pathFromArgument(word);
    const std::string name = shownPath(path.filename());
    auto lower = [](std::string_view text) {
        std::string s(text);
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    if (!lower(name).starts_with(lower(prefix)) || !lower(name).ends_with(".txt"))
        throw UsageProblem(std::string(group) + ": the file must be named " + std::string(prefix) + "<name>.txt, not " +
                           name);
    return path;
}

int printFindings(Context& context, const std::vector<DataFileFinding>& findings) {
    std::size_t errors = 0;
    for (const auto& finding : findings) {
        context.out() << findingLine(finding, context.language()) << '\n';
        if (finding.severity == FindingSeverity::Error) ++errors;
    }
    context.out() << message("checkSummary", context.language(),
                             {std::to_string(errors), std::to_string(findings.size() - errors)})
                  << '\n';
    return errors ? ExitCode::Stopped : ExitCode::Done;
}

bool isCheckCommand(std::span<const std::string> args) { return !args.empty() && args[0] == "check"; }

}  // namespace zw::cli
