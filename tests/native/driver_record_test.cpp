// The driver's view of an image: its kernel path, the attach request bytes and
// the comparison of a query answer with a record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/DeviceNames.h"
#include "driver/ImageInfo.h"
#include "driver/KernelPath.h"

using namespace morvane;

TEST(KernelImagePath, FirstRuleThatHolds) {
    struct Case {
        const char* path;
        const char* kernel;
    };
    const Case cases[] = {
        {"C:\\images\\disk.iso", "\\??\\C:\\images\\disk.iso"},
        {"\\\\server\\share\\disk.iso", "\\??\\UNC\\server\\share\\disk.iso"},
        {"\\Device\\x.iso", "\\Device\\x.iso"},
        {"x.iso", "\\??\\x.iso"},
        {"", "\\??\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(KernelImagePath(c.path), c.kernel) << c.path;
}

TEST(AttachRequest, CarriesNameTerminatorAndTwoSpareBytes) {
    const std::string kernel = KernelImagePath("C:\\x.iso");
    ASSERT_EQ(kernel.size(), 12u);
    const std::vector<uint8_t> request = BuildAttachRequest(kernel, 'Q', true);
    ASSERT_EQ(request.size(), 27u);
    const auto* info = reinterpret_cast<const FileDiskImageInfo*>(request.data());
    EXPECT_EQ(info->imageSize, 0);
    EXPECT_EQ(info->readOnly, 1);
    EXPECT_EQ(info->driveLetter, 'Q');
    EXPECT_EQ(info->nameLength, 12);
    EXPECT_EQ(std::memcmp(request.data() + 12, kernel.data(), 12), 0);
    EXPECT_EQ(request[24], 0);
    EXPECT_EQ(request[25], 0);
    EXPECT_EQ(request[26], 0);
    EXPECT_EQ(BuildAttachRequest(kernel, 'Q', false)[8], 0);
}

namespace {

std::vector<uint8_t> Answer(const std::string& name, uint16_t nameLength) {
    std::vector<uint8_t> answer(kQueryAnswerSize, 0);
    std::memcpy(answer.data() + 10, &nameLength, 2);
    std::memcpy(answer.data() + 12, name.data(), std::min(name.size(), kQueryAnswerSize - 12));
    return answer;
}

}  // namespace

TEST(QueryAnswer, ComparesOnlyTheMeaningfulBytesWithRegardToCase) {
    const std::string mine = "\\??\\C:\\images\\a.iso";
    auto exact = Answer(mine, static_cast<uint16_t>(mine.size()));
    EXPECT_TRUE(AnswerNamesImage(exact.data(), exact.size(), mine));

    auto lower = Answer("\\??\\c:\\images\\a.iso", static_cast<uint16_t>(mine.size()));
    EXPECT_FALSE(AnswerNamesImage(lower.data(), lower.size(), mine));

    // The driver's nameLength decides: a prefix of a longer path agrees.
    auto prefix = Answer("\\??\\C:\\a.iso", 12);
    EXPECT_TRUE(AnswerNamesImage(prefix.data(), prefix.size(), "\\??\\C:\\a.iso.bak"));

    // Both ending at the same place before nameLength also agrees.
    auto padded = Answer("\\??\\C:\\a.iso", 40);
    EXPECT_TRUE(AnswerNamesImage(padded.data(), padded.size(), "\\??\\C:\\a.iso"));
    EXPECT_FALSE(AnswerNamesImage(padded.data(), padded.size(), "\\??\\C:\\a.isoX"));

    auto unc = Answer("\\??\\UNC\\srv\\share\\a.iso", 23);
    EXPECT_TRUE(AnswerNamesImage(unc.data(), unc.size(), KernelImagePath("\\\\srv\\share\\a.iso")));
}

TEST(QueryAnswer, ANameThatDidNotComeBackWholeConfirmsNothing) {
    // 16 bytes came back, 4 of them name bytes, which agree with the path.
    struct Case {
        uint16_t claimed;
        size_t returned;
        bool confirms;
    };
    const Case cases[] = {{4, 16, true}, {5, 16, false}, {0xFFFF, 16, false}, {0, 16, false}, {4, 11, false}};
    for (const Case& c : cases) {
        std::vector<uint8_t> answer(16);
        std::memcpy(answer.data() + 10, &c.claimed, 2);
        std::memcpy(answer.data() + 12, "\\??\\", 4);
        EXPECT_EQ(AnswerNamesImage(answer.data(), c.returned, "\\??\\C:\\a.iso"), c.confirms) << c.claimed;
    }
}

TEST(QueryAnswer, ADetachNeedsTheWholeNameOfTheRecordsImage) {
    struct Case {
        const char* name;
        uint16_t nameLength;
        size_t returned;
        bool isImage;
    };
    // The record's kernel path is \??\C:\img\a.iso.bak (20 bytes).
    const Case cases[] = {
        {"\\??\\C:\\img\\a.iso.bak", 20, kQueryAnswerSize, true},
        {"\\??\\C:\\img\\a.iso", 16, kQueryAnswerSize, false},
        {"\\??\\C:\\img\\a.iso.bak2", 21, kQueryAnswerSize, false},
        {"\\??\\C:\\IMG\\A.ISO.BAK", 20, kQueryAnswerSize, false},
        {"", 0, kQueryAnswerSize, false},
        {"\\??\\C:\\img\\a.iso.bak", 20, 31, false},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> answer = Answer(c.name, c.nameLength);
        EXPECT_EQ(AnswerIsImage(answer.data(), c.returned, "\\??\\C:\\img\\a.iso.bak"), c.isImage) << c.name;
    }
}

TEST(DeviceObjectName, PatternByFamily) {
    EXPECT_EQ(DeviceObjectName(1, 0), "\\Device\\MV_FileDisk\\MV_FileDiskCd0");
    EXPECT_EQ(DeviceObjectName(2, 3), "\\Device\\MV_FileDisk\\MV_FileDiskFlp3");
    EXPECT_EQ(DeviceObjectName(0, 31), "\\Device\\MV_FileDisk\\MV_FileDisk31");
    EXPECT_EQ(DeviceObjectName(7, 1), "\\Device\\MV_FileDisk\\MV_FileDisk1");
    EXPECT_EQ(VolumePath('X'), "\\\\.\\X:");
    EXPECT_EQ(DosDeviceName('X'), "X:");
    EXPECT_EQ(ShellDrivePath('X'), "X:\\");
}
