// "doctor [--json]" checks every CTR installed in the game folder and prints one report, grouped by
// CTR (those without a finding are only counted), with a summary line; --json prints the same for
// other programs. Exit 1 when there is an error. On a terminal a progress line on stderr tells how
// far a long run has come. Nothing in the game folder is written.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <ostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/Commands.h"
#include "workflow/GameFolderChecking.h"

namespace zw::cli {
namespace {

bool stderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void printText(std::ostream& out, const GameFolderReport& report, Language language) {
    for (const CheckedCtr& ctr : report.ctrs) {
        if (!ctr.hasFindings()) continue;
        out << ctr.name << " (" << checkedKindWord(ctr.kind, language) << ")\n";
        for (const GameFolderFinding& f : ctr.findings) {
            // The file stands before the text unless the text begins with it.
            const bool fileNamed = f.file.empty() || f.text.rfind(f.file, 0) == 0;
            out << "  " << severityWord(f.severity, language) << ": " << (fileNamed ? std::string() : f.file + ": ")
                << f.text << '\n';
            out << "    " << message("gameCheckMeaning", language) << findingMeaning(f.kind, language) << '\n';
            out << "    " << message("gameCheckAction", language) << findingAction(f.kind, language) << '\n';
        }
    }
}

// A JSON string of UTF-8 text.
std::string jsonText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

void printJson(std::ostream& out, const GameFolderReport& report, Language language) {
    out << "{\n  \"ctrs\": [";
    bool firstCtr = true;
    for (const CheckedCtr& ctr : report.ctrs) {
        out << (firstCtr ? "\n" : ",\n") << "    {\"name\": " << jsonText(ctr.name)
            << ", \"folder\": " << (ctr.folderKind == CtrKind::Car ? "\"cars\"" : "\"rides\"")
            << ", \"kind\": " << jsonText(checkedKindName(ctr.kind)) << ", \"findings\": [";
        firstCtr = false;
        bool firstFinding = true;
        for (const GameFolderFinding& f : ctr.findings) {
            out << (firstFinding ? "\n" : ",\n") << "      {\"severity\": "
                << (f.severity == FindingSeverity::Error ? "\"error\"" : "\"note\"")
                << ", \"kind\": " << jsonText(findingKindName(f.kind)) << ", \"file\": " << jsonText(f.file)
                << ", \"text\": " << jsonText(f.text) << ", \"meaning\": " << jsonText(findingMeaning(f.kind, language))
                << ", \"action\": " << jsonText(findingAction(f.kind, language)) << "}";
            firstFinding = false;
        }
        out << (firstFinding ? "]}" : "\n    ]}");
    }
    out << (firstCtr ? "],\n" : "\n  ],\n");
    out << "  \"entries\": " << report.ctrs.size() << ",\n  \"errors\": " << report.errors()
        << ",\n  \"notes\": " << report.notes() << ",\n  \"carTypesNotCompared\": " << report.carTypesNotCompared
        << ",\n  \"trackSectionsNotCompared\": " << report.trackSectionsNotCompared << "\n}\n";
}

int run(Context& context, std::span<const std::string> args) {
    bool json = false;
    for (const std::string& word : args) {
        if (word != "--json") throw UsageProblem("doctor takes only --json");
        json = true;
    }
    const Language language = context.language();
    CheckProgress progress;
    const bool terminal = stderrIsTerminal();
    if (terminal) {
        progress = [language](size_t done, size_t total, const std::string& name) {
            const std::string line = name.empty() ? std::string()
                                                  : message("gameCheckProgress", language,
                                                            {std::to_string(done), std::to_string(total)}) + name;
            // One line, rewritten in place (spaces cover the longer line before it); cleared at the end.
            size_t cut = std::min<size_t>(line.size(), 79);
            while (cut > 0 && cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
            std::string shown = line.substr(0, cut);
            shown.resize(79, ' ');
            std::cerr << '\r' << shown << (name.empty() ? "\r" : "") << std::flush;
        };
    }
    const GameFolderReport report =
        checkGameFolderWithCatalogue(context.state().settings.gameFolder(), language, context.executableFolder(), progress);
    if (json) {
        printJson(context.out(), report, language);
    } else {
        printText(context.out(), report, language);
        if (report.carTypesNotCompared) {
            context.out() << message("gameCheckCarTypesNotCompared", language,
                                     {std::to_string(report.carTypesNotCompared)}) << '\n';
        }
        if (report.trackSectionsNotCompared) {
            context.out() << message("gameCheckSectionsNotCompared", language,
                                     {std::to_string(report.trackSectionsNotCompared)}) << '\n';
        }
        context.out() << message("gameCheckSummary", language,
                                 {std::to_string(report.ctrs.size()), std::to_string(report.errors()),
                                  std::to_string(report.notes())})
                      << '\n';
    }
    context.out() << std::flush;
    return report.errors() == 0 ? ExitCode::Done : ExitCode::Stopped;
}

const Registration registration{{
    .name = "doctor",
    .usage = "doctor [--json]                  checks every CTR installed in the game folder; writes nothing",
    .run = run,
}};

}  // namespace
}  // namespace zw::cli
