#include "report/DriveMessages.h"

#include "catalogue/FileInfo.h"

namespace morvane {
namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;

std::wstring WithReadMeHint(const TextLookup& text, TextId id) { return text(id) + L"\n\n" + text(TextId::SeeReadMe); }

}  // namespace

std::optional<std::wstring> SpecialDriveMessage(ReportContext context, uint32_t error, const TextLookup& text) {
    if (context == ReportContext::CreateDevice && error == kErrorPathNotFound)
        return WithReadMeHint(text, TextId::DriverMissing);
    if (context == ReportContext::CreateDevice && error == kErrorFileNotFound)
        return WithReadMeHint(text, TextId::TooManyDevices);
    if (context == ReportContext::AttachImage && error == kErrorFileNotFound) return text(TextId::ImageNotAccessible);
    return std::nullopt;
}

std::wstring SystemErrorMessage(std::wstring_view failedObject, std::wstring_view systemText) {
    std::wstring message(failedObject);
    message.append(L" ").append(systemText);
    return message;
}

std::wstring ForcedDismountQuestion(uint32_t mountMode, const TextLookup& text) {
    std::wstring question = text(TextId::OpenFilesQuestion);
    if (IsWritableMode(mountMode)) question.append(L"\n").append(text(TextId::DataLossWarning));
    return question;
}

}  // namespace morvane
