#include <gtest/gtest.h>

#include "DataFileFixture.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

using test::LoadedText;
using Strings = std::vector<std::string>;
using Ints = std::vector<int32_t>;
using Decimals = std::vector<double>;

Ints ints(const std::string& body, const std::string& key) {
    LoadedText t(body);
    t.lookups().collect(DataFileKind::Ride, ValueKind::Integer, key);
    EXPECT_TRUE(t.report.messages().empty());
    return t.results.FoundInts;
}

Decimals decimals(const std::string& body, const std::string& key) {
    LoadedText t(body);
    t.lookups().collect(DataFileKind::Ride, ValueKind::Decimal, key);
    EXPECT_TRUE(t.report.messages().empty());
    return t.results.FoundDecimals;
}

Strings texts(const std::string& body, const std::string& key, bool withSpaces) {
    LoadedText t(body);
    if (withSpaces)
        t.lookups().collect(DataFileKind::Ride, ValueKind::TextWithSpaces, key);
    else
        t.lookups().collect(DataFileKind::Ride, ValueKind::Text, key);
    EXPECT_TRUE(t.report.messages().empty());
    return t.results.FoundTexts;
}

TEST(KeyMatch, KeyMustStandInTheFirstColumnAndOnlyItsLengthIsCompared) {
    EXPECT_EQ(ints("BauhoeheMax\t\t100 // Meter\r\n", "BauhoeheMax"), Ints{100});
    EXPECT_EQ(ints("  BauhoeheMax\t100\r\n", "BauhoeheMax"), Ints{});
    EXPECT_EQ(ints("bauhoeheMax\t100\r\n", "BauhoeheMax"), Ints{});
    EXPECT_EQ(texts("TrackType\tTrack8\r\n", "TrackTyp", false), Strings{"Track8"});
    // The header line is never searched.
    EXPECT_EQ(ints("", "// first"), Ints{});
}

TEST(KeyMatch, AKeyOnSeveralLinesYieldsEveryLineInOrder) {
    EXPECT_EQ(ints("A\t1\t2\r\nB\t9\r\nA\t3\r\n", "A"), (Ints{1, 2, 3}));
}

TEST(KeyMatch, OnlyCrLfStartsAnIndexedLine) {
    // Lines separated by single line feeds are not indexed: nothing is found.
    EXPECT_EQ(ints("X\t1\nBauhoeheMax\t5\n", "BauhoeheMax"), Ints{});
    EXPECT_EQ(ints("X\t1\rBauhoeheMax\t5\r\n", "BauhoeheMax"), Ints{});
}

TEST(IntegerScan, FormatOfIntegers) {
    EXPECT_EQ(ints("K\t1.5\r\n", "K"), (Ints{1, 5}));
    EXPECT_EQ(ints("K\t5-3\r\n", "K"), (Ints{5, 3}));
    EXPECT_EQ(ints("K\tabc7\r\n", "K"), (Ints{7}));
    EXPECT_EQ(ints("K\t+4\r\n", "K"), (Ints{4}));
    EXPECT_EQ(ints("K\t- 4 -x -12\r\n", "K"), (Ints{4, -12}));
    EXPECT_EQ(ints("K\t1,2 3\t4\r\n", "K"), (Ints{1, 2, 3, 4}));
    // The character right after the key is stepped over unexamined.
    EXPECT_EQ(ints("BauhoeheMax100\r\n", "BauhoeheMax"), Ints{0});
    EXPECT_EQ(ints("BauhoeheMax\t\t// 100\r\n", "BauhoeheMax"), Ints{});
    EXPECT_EQ(ints("K\t7//8\r\n", "K"), Ints{7});
    EXPECT_EQ(ints("K\t7/8\r\n", "K"), (Ints{7, 8}));
    // 32-bit wrap without a report.
    EXPECT_EQ(ints("K\t4294967297 -2147483648\r\n", "K"), (Ints{1, INT32_MIN}));
}

TEST(IntegerScan, TheLastLineMayEndWithoutALineBreak) {
    EXPECT_EQ(ints("K\t12", "K"), Ints{12});
    EXPECT_EQ(texts("K\tabc", "K", false), Strings{"abc"});
}

TEST(IntegerScan, HexadecimalValueEndsTheLookupWithMessage911) {
    LoadedText t("K\t5 $1F 6\r\nK\t7\r\n");
    t.lookups(Language::German).collect(DataFileKind::Ride, ValueKind::Integer, "K");
    EXPECT_EQ(t.results.FoundInts, Ints{5});
    EXPECT_EQ(t.messages(), Strings{"Fehler 911! Hexadezimale Zahlenangabe noch nicht unterstützt."});

    LoadedText car("K\t$1F\r\n", DataFileKind::Car);
    car.lookups(Language::English).collect(DataFileKind::Car, ValueKind::Integer, "K");
    EXPECT_EQ(car.messages(), Strings{"Error 911! Hexadecimal values are not supported yet."});
}

TEST(DecimalScan, AtMostThreeDecimalsAndTheScanStandsOnTheLastOne) {
    EXPECT_EQ(decimals("LichtraumprofilHoehe\t0.9\r\n", "LichtraumprofilHoehe"), Decimals{0.9});
    EXPECT_EQ(decimals("K\t0,9\r\n", "K"), (Decimals{0, 9}));
    EXPECT_EQ(decimals("K\t-0.05\r\n", "K"), Decimals{-0.05});
    EXPECT_EQ(decimals("K\t.5\r\n", "K"), Decimals{5});
    EXPECT_EQ(decimals("K\t1.2345\r\n", "K"), (Decimals{1.234, 5}));
    EXPECT_EQ(decimals("K\t1.23456\r\n", "K"), (Decimals{1.234, 56}));
    EXPECT_EQ(decimals("K\t0.5-0.3\r\n", "K"), (Decimals{0.5, -(3 * 0.1)}));
    EXPECT_EQ(decimals("K\t12.5 7\r\n", "K"), (Decimals{12.5, 7}));
    EXPECT_EQ(decimals("K\t2.25// x 4\r\n", "K"), Decimals{2.25});
    EXPECT_EQ(decimals("K\t$3\r\n", "K"), Decimals{3});
}

TEST(DecimalScan, APointWithoutDigitEndsTheValueAndTheNextCharacterIsSteppedOver) {
    EXPECT_EQ(decimals("K\t5. 7\r\n", "K"), (Decimals{5, 7}));
    EXPECT_EQ(decimals("K\t5.-3\r\n", "K"), (Decimals{5, 3}));
    EXPECT_EQ(decimals("K\t5.\r\n", "K"), Decimals{5});
}

TEST(DecimalScan, DecimalsAreAddedPlaceByPlace) {
    // 179 + 0.9 + 0.09 + 0.009, each step rounded, is not the nearest double to 179.999.
    const double expected = ((179.0 + 9 * 0.1) + 9 * 0.01) + 9 * 0.001;
    EXPECT_EQ(decimals("K\t179.999\r\n", "K"), Decimals{expected});
}

TEST(TextScan, PlainTextsEndAtBlanksCommasAndTabs) {
    EXPECT_EQ(texts("BahnName\tMy Ride, Deluxe\r\n", "BahnName", false), (Strings{"My", "Ride", "Deluxe"}));
    EXPECT_EQ(texts("K\ta/b//c\r\n", "K", false), Strings{"a/b"});
    EXPECT_EQ(texts("K\r\n", "K", false), Strings{});
    EXPECT_EQ(texts("K\t\t// nothing\r\n", "K", false), Strings{});
    EXPECT_EQ(texts("K\t\xE4rger\r\n", "K", false), Strings{"\xE4rger"});
}

TEST(TextScan, TextsWithSpacesEndOnlyAtTabsLineEndsAndComments) {
    EXPECT_EQ(texts("BahnName\tMy Ride, Deluxe\r\n", "BahnName", true), Strings{"My Ride, Deluxe"});
    EXPECT_EQ(texts("K\t , My Ride  \tSecond//c\r\n", "K", true), (Strings{"My Ride  ", "Second"}));
}

TEST(ValueLimit, FiveHundredValuesAreKeptTheFiveHundredAndFirstGivesTheMessage) {
    std::string line500 = "K";
    for (int i = 1; i <= 500; ++i) line500 += "\t" + std::to_string(i);
    {
        LoadedText t(line500 + "\r\n");
        t.lookups().collect(DataFileKind::Ride, ValueKind::Integer, "K");
        EXPECT_EQ(t.results.FoundInts.size(), 500u);
        EXPECT_TRUE(t.report.messages().empty());
    }
    struct Case {
        DataFileKind file;
        ValueKind kind;
        const char* english;
    };
    const Case cases[] = {
        {DataFileKind::Ride, ValueKind::Integer, "Error 912! CTR_BahnDaten file includes more than 500 values."},
        {DataFileKind::Car, ValueKind::Integer, "Error 913! CTR_WagenDaten file includes more than 500 values."},
        {DataFileKind::Ride, ValueKind::Decimal,
         "Error 917! CTR_BahnDaten file includes more than 500 decimal numbers."},
        {DataFileKind::Car, ValueKind::Decimal,
         "Error 918! CTR_WagenDaten file includes more than 500 decimal numbers."},
        {DataFileKind::Ride, ValueKind::Text, "Error 922! CTR_BahnDaten file includes more than 500 text entries."},
        {DataFileKind::Ride, ValueKind::TextWithSpaces,
         "Error 922! CTR_BahnDaten file includes more than 500 text entries."},
        {DataFileKind::Car, ValueKind::Text, "Error 923! CTR_WagenDaten file includes more than 500 text entries."},
        {DataFileKind::Car, ValueKind::TextWithSpaces,
         "Error 923! CTR_WagenDaten file includes more than 500 text entries."},
    };
    for (const auto& c : cases) {
        // The 501st value stands on a second line; a third line is not reached.
        LoadedText t(line500 + "\r\nK\t501\r\nK\t502\r\n", c.file);
        auto lookups = t.lookups();
        lookups.collect(c.file, c.kind, "K");
        const size_t count = c.kind == ValueKind::Integer   ? t.results.FoundInts.size()
                             : c.kind == ValueKind::Decimal ? t.results.FoundDecimals.size()
                                                            : t.results.FoundTexts.size();
        EXPECT_EQ(count, 500u) << c.english;
        EXPECT_EQ(t.messages(), Strings{c.english});
    }
}

TEST(ValueLimit, GermanLimitTexts) {
    std::string line = "K";
    for (int i = 0; i <= 500; ++i) line += " 1";
    const std::pair<ValueKind, DataFileKind> kinds[] = {
        {ValueKind::Integer, DataFileKind::Ride}, {ValueKind::Integer, DataFileKind::Car},
        {ValueKind::Decimal, DataFileKind::Ride}, {ValueKind::Decimal, DataFileKind::Car},
        {ValueKind::Text, DataFileKind::Ride},    {ValueKind::Text, DataFileKind::Car}};
    const char* german[] = {
        "Fehler 912! CTR_BahnDaten Datei enthält mehr als 500 Werte für eine BahnDaten Angabe.",
        "Fehler 913! CTR_WagenDaten Datei enthält mehr als 500 Werte für eine WagenDaten Angabe.",
        "Fehler 917! CTR_BahnDaten Datei enthält mehr als 500 Dezimalwerte für eine BahnDaten Angabe.",
        "Fehler 918! CTR_WagenDaten Datei enthält mehr als 500 Dezimalwerte für eine WagenDaten Angabe.",
        "Fehler 922! CTR_BahnDaten Datei enthält mehr als 500 Texte für eine BahnDaten Angabe.",
        "Fehler 923! CTR_WagenDaten Datei enthält mehr als 500 Texte für eine WagenDaten Angabe.",
    };
    for (size_t i = 0; i < std::size(kinds); ++i) {
        LoadedText t(line + "\r\n", kinds[i].second);
        t.lookups(Language::German).collect(kinds[i].second, kinds[i].first, "K");
        EXPECT_EQ(t.messages(), Strings{german[i]});
    }
}

TEST(Lookups, ResultAreasAreIndependentAndEachLookupStartsEmpty) {
    LoadedText t("A\t1 x\r\nB\t2.5\r\n");
    auto lookups = t.lookups();
    lookups.collect(DataFileKind::Ride, ValueKind::Integer, "A");
    lookups.collect(DataFileKind::Ride, ValueKind::Decimal, "B");
    lookups.collect(DataFileKind::Ride, ValueKind::Text, "A");
    EXPECT_EQ(t.results.FoundInts, Ints{1});
    EXPECT_EQ(t.results.FoundDecimals, Decimals{2.5});
    EXPECT_EQ(t.results.FoundTexts, (Strings{"1", "x"}));
    lookups.collect(DataFileKind::Ride, ValueKind::Integer, "Missing");
    EXPECT_TRUE(t.results.FoundInts.empty());
    EXPECT_EQ(t.results.FoundDecimals, Decimals{2.5});
}

TEST(Lookups, CarVariantsSearchTheCarTextAndRideVariantsTheRideText) {
    LoadedText t("K\t1\r\n", DataFileKind::Car);
    auto lookups = t.lookups();
    lookups.collect(DataFileKind::Ride, ValueKind::Integer, "K");
    EXPECT_TRUE(t.results.FoundInts.empty());
    lookups.collect(DataFileKind::Car, ValueKind::Integer, "K");
    EXPECT_EQ(t.results.FoundInts, Ints{1});
    lookups.collect(DataFileKind::Car, ValueKind::TextWithSpaces, "K");
    EXPECT_EQ(t.results.FoundTexts, Strings{"1"});
}

TEST(Lookups, AliasesAreTriedOnlyWhileNothingWasFound) {
    LoadedText t("NoChildsFlag\t1\r\nNoChildrenFlag\t0\r\n");
    auto lookups = t.lookups();
    EXPECT_EQ(lookups.collectWithAliases(DataFileKind::Ride, ValueKind::Integer,
                                         {"KeineKinderFlag", "NoChildrenFlag", "NoChildsFlag"}),
              1u);
    EXPECT_EQ(t.results.FoundInts, Ints{0});
    EXPECT_EQ(lookups.collectWithAliases(DataFileKind::Ride, ValueKind::Integer, {"KeineKinderFlag", "NoChildsFlag"}),
              1u);
    EXPECT_EQ(t.results.FoundInts, Ints{1});
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Amounts written with two decimals read back through the decimal scan to themselves, also the
// negative ones, which are written as large unsigned numbers.
TEST(Hundredths, EveryWrittenAmountReadsBackToItself) {
    std::vector<int32_t> amounts;
    for (int32_t a = 0; a < 300000; ++a) amounts.push_back(a);
    for (int32_t a : {-1, -5, -100, -123456, INT32_MIN, INT32_MAX, 2147483600}) amounts.push_back(a);
    for (size_t first = 0; first < amounts.size(); first += 500) {
        std::string line = "K";
        const size_t last = std::min(amounts.size(), first + 500);
        for (size_t i = first; i < last; ++i) line += "\t" + formatMoney(amounts[i]);
        test::LoadedText t(line + "\r\n");
        t.lookups().collect(DataFileKind::Ride, ValueKind::Decimal, "K");
        ASSERT_EQ(t.results.FoundDecimals.size(), last - first);
        for (size_t i = first; i < last; ++i)
            ASSERT_EQ(toHundredths(t.results.FoundDecimals[i - first]), amounts[i]) << formatMoney(amounts[i]);
    }
}

}  // namespace
}  // namespace zw
