#include <gtest/gtest.h>

#include "datafiles/HeaderCheck.h"

namespace zw {
namespace {

// A text of 'a' (97) holds 389 codes in the full sum and 78 in the stride sum.
constexpr int64_t kFull = 389 * 97, kStride = 78 * 97;
constexpr int kFullDeltas[] = {0, -3};
constexpr int kStrideDeltas[] = {0, 10};
const AcceptedHeaderSums kAccepted{{kFull, kStride}, kFullDeltas, kStrideDeltas};

HeaderCheckResult check(const std::string& bytes) {
    return checkHeader(makeDataFileText(bytes), bytes.size(), kAccepted);
}

TEST(HeaderCheck, SumsCoverTheSecondThroughThe390thCharacter) {
    std::string bytes(400, 'a');
    EXPECT_EQ(check(bytes), HeaderCheckResult::Accepted);
    bytes[0] = 'x';
    bytes[390] = 'x';
    EXPECT_EQ(check(bytes), HeaderCheckResult::Accepted);
    bytes[389] = 'b';  // full sum + 1 only
    EXPECT_EQ(check(bytes), HeaderCheckResult::NotAccepted);
}

TEST(HeaderCheck, AcceptedDeltasOfEarlierVersions) {
    std::string bytes(400, 'a');
    bytes[2] = 'a' - 3;  // full -3, stride unchanged
    EXPECT_EQ(check(bytes), HeaderCheckResult::Accepted);
    bytes[2] = 'a';
    bytes[6] = 'a' + 10;  // full +10 is refused although the stride sum would be accepted
    EXPECT_EQ(check(bytes), HeaderCheckResult::NotAccepted);
    bytes[7] = 'a' - 10;  // full back to 0, stride +10
    EXPECT_EQ(check(bytes), HeaderCheckResult::Accepted);
    bytes[7] = 'a' - 13;  // full -3, stride +10
    EXPECT_EQ(check(bytes), HeaderCheckResult::Accepted);
    bytes[11] = 'a' + 1;  // stride +11, full -2
    EXPECT_EQ(check(bytes), HeaderCheckResult::NotAccepted);
}

TEST(HeaderCheck, FilesOf391BytesOrLessAreTooShortWhateverTheyHold) {
    EXPECT_EQ(check(std::string(391, 'a')), HeaderCheckResult::TooShort);
    EXPECT_EQ(check(""), HeaderCheckResult::TooShort);
    // 392 bytes: the sums are taken and accepted.
    EXPECT_EQ(check(std::string(392, 'a')), HeaderCheckResult::Accepted);
}

}  // namespace
}  // namespace zw
