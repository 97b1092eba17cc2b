#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/DataFileCheck.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"
#include "datafiles/RideDataRewrite.h"
#include "datafiles/RideFiles.h"
#include "workflow/ProjectCommands.h"

namespace zw {
namespace {

using test::rideHeader;

struct Check : test::RideFixture, ::testing::Test {
    DataFileCheckSettings settings;
    Check() { settings.language = Language::English; }

    std::vector<DataFileFinding> ride(const std::string& body) {
        if (read(write(body)) != 1) throw std::runtime_error("read failed");
        return checkDataFile(DataFileKind::Ride, state.dataFiles, settings);
    }
    std::vector<DataFileFinding> car(const std::string& body) {
        const auto path = folder / "CTR_WagenDaten_Sled.txt";
        test::writeBytes(path, std::string(kCarDataHeader) + body);
        if (!readCarDataFile(state, dialogs, path)) throw std::runtime_error("read failed");
        return checkDataFile(DataFileKind::Car, state.dataFiles, settings);
    }
    std::vector<std::string> lines(const std::vector<DataFileFinding>& findings) {
        std::vector<std::string> out;
        for (const auto& f : findings) out.push_back(findingLine(f, Language::English));
        return out;
    }
};

// Lines of the body are numbered from 7: the header takes six.
struct Case {
    std::string body;
    std::vector<std::string> findings;
    bool addOns = false;
};

TEST_F(Check, RideFindingsNameTheLineWhatWasWrittenAndWhatIsUsed) {
    const Case cases[] = {
        {"BahnNamee\tMy Ride\r\nStartgeschwMax\t1,1\r\n",
         {"line 7: unknown key \"BahnNamee\" (did you mean BahnName?); the line is read as BahnName: My Ride",
          "line 8: StartgeschwMax \"1,1\": read as 1.000; data files write decimals with \".\""}},
        {"BahnNamX\tFoo\r\nGibberish\t1\r\n",
         {"line 7: unknown key \"BahnNamX\" (did you mean BahnName?); the line is not read, and a rewrite drops it",
          "line 8: unknown key \"Gibberish\"; the line is not read, and a rewrite drops it"}},
        {"  BahnName\tX\r\n", {"line 7: a key must stand in the first column; the line is not read, and a rewrite drops it"}},
        {"BauhoeheMax\tvierzig\r\nRideCategory\tabc\r\n",
         {"line 7: BauhoeheMax \"vierzig\": no value read; the default 100 is used",
          "line 8: RideCategory \"abc\": no value read; the default 3 is used"}},
        {"BahnKategorie\t2\r\nRideCategory\t3\r\nBahnIcon\tA\r\nBahnIcon\tA\r\n",
         {"line 8: RideCategory is given more than once; line 7 counts",
          "line 10: note: BahnIcon is given more than once; line 9 counts"}},
        {"LichtraumprofilHoehe\t1.2345\r\nBauhoeheMax\t1.5\r\nBahnIcon\tMy Icon\r\nKeineKinderFlag\t2\r\n"
         "BaukostenHoehe4H\t12.345\r\nBahnKategorie\t$1F\r\nDistanzGeschwEinheit\tkmh\r\n",
         {"line 7: LichtraumprofilHoehe \"1.2345\": read as 1.234; at most three decimals are read",
          "line 8: BauhoeheMax \"1.5\": read as 1; this key takes whole numbers",
          "line 9: BahnIcon \"My Icon\": read as My; only the first value is used",
          "line 10: KeineKinderFlag \"2\": read as 0; a flag is 0 or 1",
          "line 11: BaukostenHoehe4H \"12.345\": read as 12.34; amounts keep two decimals",
          "line 12: BahnKategorie \"$1F\": no value read; the default 3 is used; hexadecimal values are not read",
          "line 13: DistanzGeschwEinheit \"kmh\": read as SI; the units known are SI, m/s, Metrisch, Metric, km/h, "
          "Englisch, Imperial and mph"}},
        {"TrackSectionName\tA B\r\nTrackSectionKosten\t1 2 3\r\n",
         {"line 8: TrackSectionKosten gives 3 costs for 2 track sections; the last 1 are not used"}},
        {"TrackSectionName\tA B C\r\nTrackSectionCosts\t1,5\r\n",
         {"line 8: note: TrackSectionCosts gives 2 costs for 3 track sections; the others cost 10.00"}},
        {"TrackTyp\tTrackCTR_X\r\nZusatzTrackTyp\tTrack1\r\n",
         {"line 8: ZusatzTrackTyp is not used: the track type TrackCTR_X is a TrackCTR type"}, true},
        {"AdditionalTrackType\tTrackCTR_A T1 T2 T3 T4 T5 T6 T7 T8 T9 T10\r\n",
         {"line 7: AdditionalTrackType: TrackCTR_A is not used; TrackCTR types are no additional track types",
          "line 7: AdditionalTrackType: T10 is not used; a ride keeps the first ten additional track types"},
         true},
        {"ZuganzahlPreset\t2\r\n",
         {"line 7: note: ZuganzahlPreset is meant for the game with the add-ons; with the add-ons off a rewrite drops "
          "it"}},
        {"BahnName\tX // a name\r\n\r\n// my note\r\nSpezialWagentypAName\t\r\n",
         {"line 7: note: comments are not kept by a rewrite (lines 7, 9)"}},
    };
    for (const Case& c : cases) {
        settings.addOnsEnabled = c.addOns;
        EXPECT_EQ(lines(ride(c.body)), c.findings) << c.body;
    }
}

TEST_F(Check, CarFindingsFollowTheSameRules) {
    const Case cases[] = {
        {"ZugName\tMy Train\tExtra\r\nUeberholenFlag\t2\r\nFrontCar_Bewegungsachsentyp\t2\r\n",
         {"line 7: ZugName \"My Train\tExtra\": read as My Train; only the first value is used",
          "line 8: UeberholenFlag \"2\": read as 0; a flag is 0 or 1"}},
        {"JetSkiUnknown\t5\r\nFrontCar_TraegheitTeilA\t1,5\r\nFrontCar_TraegheitTeilB\r\n",
         {"line 7: JetSkiUnknown is used only with the hidden settings; the default is used, and a rewrite drops it",
          "line 8: FrontCar_TraegheitTeilA \"1,5\": read as 1.000; data files write decimals with \".\"",
          "line 9: FrontCar_TraegheitTeilB \"\": no value read; the default is used"}},
        {"FrontCar_ModelNamePartA\tA\r\nFrontCar_ModellnameTeilA\tB\r\n",
         {"line 7: FrontCar_ModelNamePartA is given more than once; line 8 counts"}},
        // Reading stops at a hexadecimal value: what follows it is not taken.
        {"FrontCar_PeepSitzposition\t1 2\r\nFrontCar_PeepSitzposition\t3 $4\r\nFrontCar_PeepSitzposition\t5\r\n",
         {"line 8: FrontCar_PeepSitzposition \"3 $4\": read as 3; hexadecimal values are not read",
          "line 9: FrontCar_PeepSitzposition \"5\": not read; reading FrontCar_PeepSitzposition ended on line 8 at a "
          "hexadecimal value"}},
    };
    for (const Case& c : cases) EXPECT_EQ(lines(car(c.body)), c.findings) << c.body;

    std::string positions;
    for (int i = 0; i < 102; ++i) positions += " 1";
    EXPECT_EQ(lines(car("FrontCar_PeepSitzposition\t" + positions + "\r\n")),
              std::vector<std::string>{"line 7: FrontCar_PeepSitzposition gives 102 values; only the first 100 are used"});
}

TEST_F(Check, ListEntriesAreComparedWithTheGamesCatalogue) {
    const KnownNames known{{"WildMouse"}, {"Straight"}, {"CTR"}, {"standard"}};
    settings.known = &known;
    // The game finds its names whatever their case.
    EXPECT_EQ(lines(ride("WagentypName\tWildMouse, wildmouse, WildMose, Zzz\r\nStationstyp\tcastle\r\n")),
              (std::vector<std::string>{
                  "line 7: note: WagentypName: \"WildMose\" is not in the game's catalogue (did you mean WildMouse?)",
                  "line 7: note: WagentypName: \"Zzz\" is not in the game's catalogue",
                  "line 8: note: Stationstyp: \"castle\" is not in the game's catalogue"}));
    // The defaults are the game's own names; a key left out is not compared.
    EXPECT_EQ(lines(ride("TrackSectionName\tStraight\r\n")), std::vector<std::string>{});

    settings.known = nullptr;
    settings.catalogueProblem = "data/assistant/cars.txt: cannot be read";
    EXPECT_EQ(lines(ride("")), std::vector<std::string>{"note: the game's catalogue could not be read, so list "
                                                        "entries were not compared: data/assistant/cars.txt: cannot "
                                                        "be read"});
}

// The value of `key` in a rewritten file: what follows the key and its separator run.
std::string rewrittenValue(const std::string& text, const std::string& key) {
    const size_t at = text.find("\r\n" + key + (key.size() >= 40 ? " " : "\t"));
    if (at == std::string::npos) return "<missing>";
    size_t from = at + 2 + key.size();
    while (text[from] == '\t' || text[from] == ' ') ++from;
    return text.substr(from, text.find("\r\n", from) - from);
}

// What a value written as `raw` is, told without the program's scan: whole numbers and decimals
// with up to three places printed as the rewrite prints them.
std::string writtenAs(KeyValues values, const std::string& raw) {
    char out[64];
    const double number = std::strtod(raw.c_str(), nullptr);
    switch (values) {
        case KeyValues::Integer:
        case KeyValues::Flag: std::snprintf(out, sizeof out, "%lld", std::atoll(raw.c_str())); break;
        case KeyValues::Money:
            // An amount below zero is written as its unsigned 32-bit twin, which reads back to it.
            if (number < 0) return formatMoney(static_cast<int32_t>(std::llround(number * 100)));
            std::snprintf(out, sizeof out, "%.2f", number);
            break;
        default: std::snprintf(out, sizeof out, "%.3f", number); break;
    }
    return out;
}

const char* const kSampleValues[] = {"12",  "-3",     "0",       "1",   "2",    "1.5", "-0.05",  "12.34",
                                     "1.4", "12.345", "179.999", "1,5", "1,1x", "abc", "vierzig", "",
                                     "$5",  "7 8",    ".5",      "1.2345"};

bool singleNumber(KeyValues v) {
    return v == KeyValues::Integer || v == KeyValues::Flag || v == KeyValues::Decimal || v == KeyValues::Speed ||
           v == KeyValues::Money;
}

// When the check says a value is not read as written, the rewrite writes what the check says is
// used; when it says nothing, the rewrite writes the number that was written.
void expectCheckAgreesWithRewrite(const DataFileKey& key, const std::string& raw,
                                  const std::vector<DataFileFinding>& findings, const std::string& rewritten) {
    const std::string context = key.names.front() + " " + raw;
    if (findings.empty()) {
        EXPECT_EQ(rewritten, key.values == KeyValues::Flag ? raw : writtenAs(key.values, raw)) << context;
        return;
    }
    ASSERT_EQ(findings.size(), 1u) << context;
    EXPECT_EQ(findings[0].severity, FindingSeverity::Error) << context;
    ASSERT_TRUE(findings[0].usedValue) << context;
    EXPECT_EQ(*findings[0].usedValue, rewritten) << context;
}

// Every single-valued number key with every sample value.
TEST_F(Check, WhatTheCheckSaysIsUsedIsWhatTheRewriteWrites) {
    settings.addOnsEnabled = true;
    for (const DataFileKey& key : rideKeys()) {
        if (!singleNumber(key.values)) continue;
        for (const std::string raw : kSampleValues) {
            const auto findings = ride(key.names.front() + "\t" + raw + "\r\n");
            expectCheckAgreesWithRewrite(
                key, raw, findings, rewrittenValue(rideDataFileContent(state.ride, false, true), key.names.front()));
        }
    }
    // The train's keys and the front car's stand for every role's.
    for (const DataFileKey& key : carKeys()) {
        const bool otherRole = key.names.front().find('_') != std::string::npos && !key.names.front().starts_with("FrontCar_");
        if (!singleNumber(key.values) || key.settledByRule || key.use == KeyUse::Hidden || otherRole) continue;
        for (const std::string raw : kSampleValues) {
            const auto findings = car(key.names.front() + "\t" + raw + "\r\n");
            expectCheckAgreesWithRewrite(
                key, raw, findings, rewrittenValue(carDataFileContent(state.car, false, false), key.names.front()));
        }
    }
}

// The check knows a line by the names the readers look up: each name alone is read as its key, and
// no name begins another key's name (a line is matched by the names it begins with).
TEST_F(Check, EveryNameIsReadAsItsKeyAndNoNameBeginsAnotherKeysName) {
    for (const auto* keys : {&rideKeys(), &carKeys()}) {
        for (const DataFileKey& key : *keys) {
            for (const DataFileKey& other : *keys) {
                if (&key == &other) continue;
                for (const auto& name : key.names)
                    for (const auto& otherName : other.names) EXPECT_FALSE(otherName.starts_with(name)) << name;
            }
        }
    }
    settings.addOnsEnabled = true;
    for (const DataFileKey& key : rideKeys())
        for (const auto& name : key.names)
            for (const auto& finding : ride(name + "\t1\r\n"))
                EXPECT_EQ(finding.text.find("unknown key"), std::string::npos) << name;
}

std::string exampleFile(const char* name) {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    return readWholeFile(std::filesystem::path(source ? source : "") / "examples" / name).value_or("");
}

// A file as the rewrite writes it checks clean, in either language.
TEST_F(Check, ARewrittenFileHasNoFindings) {
    settings.addOnsEnabled = true;
    const std::string ride = exampleFile("CTR_BahnDaten_Beispielbahn.txt");
    const std::string car = exampleFile("CTR_WagenDaten_Beispielzug.txt");
    ASSERT_FALSE(ride.empty());
    ASSERT_FALSE(car.empty());
    for (bool english : {false, true}) {
        const auto ridePath = folder / "CTR_BahnDaten_Zipper.txt";
        test::writeBytes(ridePath, ride);
        ASSERT_EQ(read(ridePath), 1);
        test::writeBytes(ridePath, rideDataFileContent(state.ride, english, true));
        ASSERT_EQ(read(ridePath), 1);
        EXPECT_EQ(lines(checkDataFile(DataFileKind::Ride, state.dataFiles, settings)), std::vector<std::string>{})
            << english;

        const auto carPath = folder / "CTR_WagenDaten_Sled.txt";
        test::writeBytes(carPath, car);
        ASSERT_TRUE(readCarDataFile(state, dialogs, carPath));
        test::writeBytes(carPath, carDataFileContent(state.car, english, false));
        ASSERT_TRUE(readCarDataFile(state, dialogs, carPath));
        EXPECT_EQ(lines(checkDataFile(DataFileKind::Car, state.dataFiles, settings)), std::vector<std::string>{})
            << english;
    }
}

// The line ends and the encoding an editor may save a file with.
struct SavedAs {
    const char* name;
    std::string (*convert)(const std::string&);
    std::vector<std::string> notes;
};

std::string lfOnly(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

// Every other line break a line feed alone.
std::string mixed(const std::string& text) {
    std::string out;
    bool lf = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0 && (lf = !lf)) continue;
        out += text[i];
    }
    return out;
}

std::string utf8(const std::string& text) { return cp1252ToUtf8(text); }
std::string utf8WithMark(const std::string& text) { return "\xEF\xBB\xBF" + cp1252ToUtf8(text); }
std::string utf8WithMarkLfOnly(const std::string& text) { return utf8WithMark(lfOnly(text)); }

size_t lineBreaks(const std::string& text) {
    size_t count = 0;
    for (size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++count;
    return count;
}

// The examples saved by an editor in other line ends or in UTF-8 read to the same values (the
// rewrite writes the same bytes), and the check adds only what it found about the file.
TEST_F(Check, FilesAsEditorsSaveThemReadAsTheFileTheyWereMadeFrom) {
    settings.addOnsEnabled = true;
    std::string rideText = exampleFile("CTR_BahnDaten_Beispielbahn.txt");
    std::string carText = exampleFile("CTR_WagenDaten_Beispielzug.txt");
    ASSERT_FALSE(rideText.empty());
    ASSERT_FALSE(carText.empty());
    rideText.replace(rideText.find("Eine kleine"), 11, "Achterbahn f\xFCr Gro\xDF und Klein \x96");
    carText += "// \xC4nderungen: \x80\r\n";
    const std::string rideLines = std::to_string(lineBreaks(rideText));
    const std::string carLines = std::to_string(lineBreaks(carText));

    const auto ridePath = folder / "CTR_BahnDaten_Zipper.txt";
    const auto carPath = folder / "CTR_WagenDaten_Sled.txt";
    auto readRide = [&](const std::string& bytes) {
        test::writeBytes(ridePath, bytes);
        EXPECT_EQ(read(ridePath), 1);
        return std::pair(rideDataFileContent(state.ride, false, true),
                         lines(checkDataFile(DataFileKind::Ride, state.dataFiles, settings)));
    };
    auto readCar = [&](const std::string& bytes) {
        test::writeBytes(carPath, bytes);
        EXPECT_TRUE(readCarDataFile(state, dialogs, carPath));
        return std::pair(carDataFileContent(state.car, false, false),
                         lines(checkDataFile(DataFileKind::Car, state.dataFiles, settings)));
    };
    const auto rideAsMade = readRide(rideText);
    const auto carAsMade = readCar(carText);
    const std::string utf8Note = "note: the file is written in UTF-8 and was converted to Windows-1252; a rewrite writes Windows-1252";
    const std::string markNote =
        "note: the file is written in UTF-8 with a byte-order mark and was converted to Windows-1252; a rewrite writes "
        "Windows-1252";
    auto lfNote = [](const std::string& count) { return "note: " + count + " lines end in LF only; a rewrite writes CR LF"; };

    for (const bool isRide : {true, false}) {
        const std::string& count = isRide ? rideLines : carLines;
        const SavedAs savedAs[] = {
            {"LF only", lfOnly, {lfNote(count)}},
            {"mixed", mixed, {lfNote(std::to_string((std::stoul(count) + 1) / 2))}},
            {"UTF-8", utf8, {utf8Note}},
            {"UTF-8 with byte-order mark", utf8WithMark, {markNote}},
            {"UTF-8 with byte-order mark, LF only", utf8WithMarkLfOnly, {markNote, lfNote(count)}},
        };
        for (const SavedAs& as : savedAs) {
            const auto& made = isRide ? rideAsMade : carAsMade;
            const auto got = isRide ? readRide(as.convert(rideText)) : readCar(as.convert(carText));
            EXPECT_EQ(got.first, made.first) << as.name;
            std::vector<std::string> expected = as.notes;
            expected.insert(expected.end(), made.second.begin(), made.second.end());
            EXPECT_EQ(got.second, expected) << as.name;
        }
    }
}

// A CR without LF is no line break: the check names its line.
TEST_F(Check, ACarriageReturnWithoutLineFeedIsNamed) {
    EXPECT_EQ(lines(ride("BahnName\tX\rBauhoeheMax\t40\r\nBahnIcon\tA \r\r\nBahnKategorie\t2\r\n")),
              (std::vector<std::string>{
                  "line 7: a CR without LF ends what is read here: the rest of the line is not read, and a rewrite drops it",
                  "line 8: note: the line ends in a CR without LF; a rewrite writes CR LF"}));
}

// A UTF-8 file holding a character the code page lacks: an error naming line and character.
TEST_F(Check, ACharacterTheCodePageCannotHoldIsAnError) {
    const auto findings = ride("BahnName\t\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n");
    EXPECT_EQ(lines(findings),
              (std::vector<std::string>{
                  "note: the file is written in UTF-8 and was converted to Windows-1252; a rewrite writes Windows-1252",
                  "line 7: the character U+0141 cannot be written in Windows-1252; \"?\" is used in its place",
                  "line 7: the character U+017A cannot be written in Windows-1252; \"?\" is used in its place"}));
    EXPECT_TRUE(hasErrors(findings));
    EXPECT_EQ(state.ride.BahnName, "?\xF3" "d?");
}

TEST(FindingsMessage, ListsAtMostTwentyThenHowManyMore) {
    std::vector<DataFileFinding> findings;
    for (uint32_t line = 7; line < 7 + 23; ++line) findings.push_back({line, FindingSeverity::Error, "x", std::nullopt});
    findings.push_back({0, FindingSeverity::Note, "y", std::nullopt});
    const std::string text = findingsMessage("CTR_BahnDaten_\xC4.txt", findings, Language::English);
    EXPECT_TRUE(text.starts_with("CTR_BahnDaten_\xC3\x84.txt was read. What was noticed:\nline 7: x\nline 8: x\n"));
    EXPECT_TRUE(text.ends_with("\nline 26: x\nand 4 more"));
    EXPECT_EQ(findingLine(findings.back(), Language::German), "Hinweis: y");
}

}  // namespace
}  // namespace zw
