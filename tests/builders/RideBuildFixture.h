#pragma once
// A ride whose fields all hold different values, so that a field written at the wrong offset or
// from the wrong key shows, and a helper that builds its pair and reads it back.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ParsedRidePair.h"
#include "base/Settings.h"
#include "builders/RideBuilder.h"
#include "datafiles/RideData.h"
#include "ovl/OvlWriter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/ReportShowing.h"

namespace zw::test {

// Speeds are written in a unit of half a metre per second.
RideData distinctRide(const std::filesystem::path& folder);

class RideBuildTest : public ::testing::Test {
protected:
    TempFolder temp;
    ScriptedDialogs dialogs;
    Settings settings;
    OvlWriter writer;
    RideData ride = distinctRide(temp.path());

    int build(const RideBuildSteps& steps = {}) {
        return bool(runAsking(dialogs, languageOf(settings.UseEnglish), [&](const Answers& answers) {
            return buildRidePair(ride, settings, writer, answers, steps);
        }));
    }
    // The pair just built, read back; the pair inspector must find nothing wrong with it.
    ParsedRidePair built() const;
};

// Checks the fields of one structure of a parsed pair, each against the word the layout asks for.
class FieldCheck {
public:
    FieldCheck(const ParsedRidePair& pair, uint32_t structure) : pair_(pair), base_(structure) {}

    // A plain word: no address, no symbol reference.
    void word(uint32_t offset, uint32_t expected) const {
        EXPECT_EQ(pair_.word(base_ + offset), expected) << "offset " << offset;
        plain(offset);
    }
    void signedWord(uint32_t offset, int32_t expected) const { word(offset, static_cast<uint32_t>(expected)); }
    void floatWord(uint32_t offset, float expected) const {
        EXPECT_EQ(pair_.floatAt(base_ + offset), expected) << "offset " << offset;
        plain(offset);
    }
    void string(uint32_t offset, const std::string& expected) const {
        ASSERT_TRUE(pair_.relocated.count(base_ + offset)) << "offset " << offset << " is no address";
        EXPECT_EQ(pair_.text(pair_.word(base_ + offset)), expected) << "offset " << offset;
    }
    void wideText(uint32_t offset, const std::string& expected) const {
        ASSERT_TRUE(pair_.relocated.count(base_ + offset)) << "offset " << offset << " is no address";
        EXPECT_EQ(pair_.wideText(pair_.word(base_ + offset)), expected) << "offset " << offset;
    }
    void pointer(uint32_t offset, uint32_t expectedAddress) const {
        EXPECT_TRUE(pair_.relocated.count(base_ + offset)) << "offset " << offset << " is no address";
        EXPECT_EQ(pair_.word(base_ + offset), expectedAddress) << "offset " << offset;
    }
    void reference(uint32_t offset, const std::string& expectedName) const {
        EXPECT_EQ(pair_.word(base_ + offset), 0u) << "offset " << offset;
        EXPECT_FALSE(pair_.relocated.count(base_ + offset)) << "offset " << offset;
        const auto found = pair_.referenceBySlot.find(base_ + offset);
        ASSERT_NE(found, pair_.referenceBySlot.end()) << "offset " << offset << " has no symbol reference";
        EXPECT_EQ(found->second, expectedName) << "offset " << offset;
    }

private:
    void plain(uint32_t offset) const {
        EXPECT_FALSE(pair_.relocated.count(base_ + offset)) << "offset " << offset << " holds an address";
        EXPECT_FALSE(pair_.referenceBySlot.count(base_ + offset)) << "offset " << offset << " is a reference";
    }
    const ParsedRidePair& pair_;
    uint32_t base_;
};

}  // namespace zw::test
