#include "builders/RideIconExtraData.h"

#include <array>
#include <system_error>

#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "base/Report.h"
#include "base/SafeFile.h"
#include "builders/RideIconPicture.h"
#include "builders/RidePairLayout.h"
#include "ovl/ByteReader.h"
#include "ovl/ByteWriter.h"
#include "ovl/OvlFileReader.h"

namespace zw {
namespace {

// A block count this high is refused (50 is the most a read pair may hold per block type).
constexpr uint32_t kRefusedBlockCount = 51;

// The messages of one file of the icon pair.
struct IconFileMessages {
    MessageId notOpened;
    MessageId wrongVersion;
    MessageId tooManyBlocks;
};
constexpr IconFileMessages kCommonMessages{"450", "451", "452"};
constexpr IconFileMessages kUniqueMessages{"453", "454", "455"};

enum class Outcome { Found, NotFound, Stopped };

// Reads one icon file (found whatever the case of its name) up to its extra data and takes the first
// entry that is not 4 bytes long.
Outcome readIconFile(std::filesystem::path path, std::string_view BahnIcon, const IconFileMessages& messages,
                     std::string& entry, Report& report) {
    if (!findPathsOnDisk({&path}, report)) return Outcome::Stopped;
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        report.message(messages.notOpened, {BahnIcon});
        return Outcome::Stopped;
    }
    try {
        ByteReader in(*bytes, pathForMessage(path));
        OvlFileHeader header = readOvlFileStart(in);
        if (header.version != kOvlVersion) {
            report.message(messages.wrongVersion, {BahnIcon});
            return Outcome::Stopped;
        }
        readOvlFileHeaderRest(in, header);
        OvlBlockCounts counts{};
        for (uint32_t& count : counts) {
            count = in.u32();
            if (count >= kRefusedBlockCount) {
                report.message(messages.tooManyBlocks, {BahnIcon});
                return Outcome::Stopped;
            }
        }
        for (uint32_t count : counts) {
            for (uint32_t i = 0; i < count; ++i) in.skip(in.u32());
        }
        const uint32_t relocations = in.u32();
        if (relocations > (in.size() - in.position()) / 4) in.fail("relocation count runs past the end");
        in.skip(size_t{relocations} * 4);
        while (!in.atEnd()) {
            const uint32_t size = in.u32();
            std::string_view data = in.bytes(size);
            if (size == 4) continue;  // not picture data
            ByteWriter out;
            out.u32(size);
            out.bytes(data);
            entry = out.take();
            return Outcome::Found;
        }
        return Outcome::NotFound;
    } catch (const BinaryReadError& failure) {
        report.message("ovlFileMalformed", {displayName(path), asciiOnlyText(failure.what())});
        return Outcome::Stopped;
    }
}

}  // namespace

std::optional<std::string> obtainIconExtraData(std::string_view BahnIcon, const std::filesystem::path& DataFileFolder,
                                               Report& report) {
    if (BahnIcon == "CTR" || BahnIcon == "ctr") {
        ByteWriter out;
        out.u32(kRideIconPictureSize);
        out.bytes(builtInRideIconPicture());
        return out.take();
    }
    std::string entry;
    const std::string name(BahnIcon);
    Outcome outcome =
        readIconFile(DataFileFolder / pathFromCp1252(name + ".common.ovl"), BahnIcon, kCommonMessages, entry, report);
    if (outcome == Outcome::NotFound) {
        outcome = readIconFile(DataFileFolder / pathFromCp1252(name + ".unique.ovl"), BahnIcon, kUniqueMessages, entry,
                               report);
        if (outcome == Outcome::NotFound) report.message("456", {BahnIcon});
    }
    if (outcome != Outcome::Found) return std::nullopt;
    return entry;
}

}  // namespace zw
