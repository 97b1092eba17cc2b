#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "app/Messages.h"

namespace zw {
namespace {

TEST(MessageCatalogue, EachIdOnceAndNumberedTextsBeginWithTheirCode) {
    std::set<std::string_view> seen;
    const std::regex numbered("^[0-9]{3}$");
    for (const auto& entry : allMessages()) {
        EXPECT_TRUE(seen.insert(entry.id).second) << "twice: " << entry.id;
        EXPECT_FALSE(entry.german.empty() && entry.english.empty()) << entry.id;
        if (std::regex_match(std::string(entry.id), numbered)) {
            const std::string id(entry.id);
            if (!entry.german.empty()) {
                EXPECT_EQ(entry.german.substr(0, 11), "Fehler " + id + "!") << id;
            }
            if (!entry.english.empty()) {
                EXPECT_EQ(entry.english.substr(0, 10), "Error " + id + "!") << id;
            }
        }
    }
}

TEST(MessageCatalogue, UnknownIdIsAProgrammingError) {
    EXPECT_FALSE(hasMessage("no such message"));
    EXPECT_THROW(message("no such message", Language::German), std::out_of_range);
}

}  // namespace
}  // namespace zw
