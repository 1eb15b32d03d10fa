#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/FileInfo.h"

using namespace morvane;

TEST(FieldText, StopsAtTheFieldEndWithoutATerminator) {
    CFileInfo info = EmptyFileInfo();
    std::memset(info.findData.cFileName, 'n', sizeof info.findData.cFileName);
    std::memset(info.imagePath, 'p', sizeof info.imagePath);
    EXPECT_EQ(DisplayNameOf(info), std::string(260, 'n'));
    EXPECT_EQ(ImagePathOf(info), std::string(260, 'p'));
}

TEST(SetFieldText, RefusesTextThatLeavesNoRoomForTheTerminator) {
    CFileInfo info = EmptyFileInfo();
    ASSERT_TRUE(SetFieldText(info.imagePath, "C:\\old.iso"));
    EXPECT_FALSE(SetFieldText(info.imagePath, std::string(260, 'x')));
    EXPECT_EQ(ImagePathOf(info), "C:\\old.iso");
    EXPECT_TRUE(SetFieldText(info.imagePath, std::string(259, 'x')));
    EXPECT_EQ(ImagePathOf(info).size(), 259u);
    EXPECT_EQ(info.imagePath[259], '\0');
}

TEST(MountMode, FamilyReadOnlyRequestAndWritability) {
    struct Case {
        uint32_t mode;
        int family;
        bool readOnlyRequest;
        bool writable;
    };
    const Case cases[] = {
        {0, kFamilyHardDisk, false, true}, {1, kFamilyHardDisk, true, false}, {2, kFamilyCdDvd, false, false},
        {3, kFamilyCdDvd, false, false},   {4, kFamilyFloppy, false, true},   {5, kFamilyFloppy, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(FamilyOfMode(c.mode), c.family);
        EXPECT_EQ(RequestsReadOnly(c.mode), c.readOnlyRequest);
        EXPECT_EQ(IsWritableMode(c.mode), c.writable);
    }
}
