#include "drive/DriveMessages.h"

#include "catalogue/FileInfo.h"

namespace morvane {
namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;

std::string WithReadMeHint(const TextLookup& text, TextId id) { return text(id) + "\n\n" + text(TextId::SeeReadMe); }

}  // namespace

std::optional<std::string> SpecialDriveMessage(ReportContext context, uint32_t error, const TextLookup& text) {
    if (context == ReportContext::CreateDevice && error == kErrorPathNotFound)
        return WithReadMeHint(text, TextId::DriverMissing);
    if (context == ReportContext::CreateDevice && error == kErrorFileNotFound)
        return WithReadMeHint(text, TextId::TooManyDevices);
    if (context == ReportContext::AttachImage && error == kErrorFileNotFound) return text(TextId::ImageNotAccessible);
    return std::nullopt;
}

std::string SystemErrorMessage(std::string_view failedObject, std::string_view systemText) {
    std::string message(failedObject);
    message.append(" ").append(systemText);
    return message;
}

std::string ForcedDismountQuestion(uint32_t mountMode, const TextLookup& text) {
    std::string question = text(TextId::OpenFilesQuestion);
    if (IsWritableMode(mountMode)) question.append("\n").append(text(TextId::DataLossWarning));
    return question;
}

}  // namespace morvane
