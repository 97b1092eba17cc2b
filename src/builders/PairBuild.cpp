#include "builders/PairBuild.h"

#include "base/Settings.h"
#include "ovl/OvlWriter.h"

namespace zw {

Result<PairFiles> buildPair(const PairBuild& build, const Settings& settings, OvlWriter& writer,
                            const Answers& answers) {
    Result<PairFiles> result;
    Report& report = result.report;
    const PairFiles files = pairFilesIn(build.folder, build.objectName);
    BuildOutputFolder output(files);
    if (!output.mayWrite(build.kind, settings.OverwriteWithoutPrompt, report, answers)) return result;
    if (!build.check(report) || !output.make(report)) return result;
    const bool written = output.runBuild(
        [&] {
            writer.beginPair(report, build.objectName);
            const std::optional<OvlPairContents> contents = build.write(report);
            return contents && assemblePair(writer, *contents, files.common, files.unique, report);
        },
        report);
    if (written) result.value = files;
    return result;
}

}  // namespace zw
