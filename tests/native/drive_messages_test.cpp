// Which message a failed driver step gets, and the forced-dismount question.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "report/DriveMessages.h"

using namespace morvane;

namespace {

// Stands for the language table: each identifier answers its own tag.
std::wstring Tag(TextId id) { return L"<" + std::to_wstring(Number(id)) + L">"; }

constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kPathNotFound = 3;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kBusy = 170;

}  // namespace

TEST(SpecialDriveMessage, ChosenByContextAndError) {
    struct Case {
        ReportContext context;
        uint32_t error;
        std::optional<std::wstring> message;
    };
    const Case cases[] = {
        {ReportContext::CreateDevice, kPathNotFound, L"<1012>\n\n<1014>"},
        {ReportContext::CreateDevice, kFileNotFound, L"<1013>\n\n<1014>"},
        {ReportContext::AttachImage, kFileNotFound, L"<1015>"},
        // Any other pairing keeps the system's text.
        {ReportContext::AttachImage, kPathNotFound, std::nullopt},
        {ReportContext::CreateDevice, kAccessDenied, std::nullopt},
        {ReportContext::AttachImage, kBusy, std::nullopt},
        {ReportContext::General, kFileNotFound, std::nullopt},
        {ReportContext::General, kPathNotFound, std::nullopt},
        {ReportContext::General, kBusy, std::nullopt},
        {ReportContext::CreateDevice, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpecialDriveMessage(c.context, c.error, Tag), c.message)
            << "context " << static_cast<int>(c.context) << ", error " << c.error;
    }
}

TEST(SystemErrorMessage, FailedObjectBlankSystemText) {
    EXPECT_EQ(SystemErrorMessage(L"Q:", L"Device busy.\r\n"), L"Q: Device busy.\r\n");
    EXPECT_EQ(SystemErrorMessage(L"MV_FileDisk:", L"Access denied.\r\n"), L"MV_FileDisk: Access denied.\r\n");
    // The system may have no text for an error: the blank still follows.
    EXPECT_EQ(SystemErrorMessage(L"Q:", L""), L"Q: ");
}

TEST(ForcedDismountQuestion, WarnsOfDataLossOnlyForWritableImages) {
    struct Case {
        uint32_t mode;
        bool warns;
    };
    const Case cases[] = {
        {0, true},   // hard disk
        {1, false},  // hard disk, read-only
        {2, false},  // CD/DVD
        {3, false},  // CD/DVD, read-only
        {4, true},   // floppy
        {5, false},  // floppy, read-only
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ForcedDismountQuestion(c.mode, Tag), c.warns ? L"<1009>\n<1010>" : L"<1009>") << "mode " << c.mode;
    }
}
