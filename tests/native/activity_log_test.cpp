// Time stamps and entries of the activity log.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "logon/LogEntry.h"
#include "logon/TimeStamp.h"

using namespace morvane;

namespace {

// Pins the local time zone for one test and restores the previous one.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (hadOld_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool hadOld_ = false;
    std::string old_;
};

constexpr int64_t k2021Feb01_030405Utc = 1612148645;
constexpr int64_t k2024Dec31_235959Utc = 1735689599;

}  // namespace

TEST(FormatTimeStamp, LogPatternIsDayMonthYearThenTimeThenTab) {
    TimeZone utc("UTC0");
    EXPECT_EQ(FormatTimeStamp(k2021Feb01_030405Utc, kLogTimeStampPattern), "01.02.2021 03:04:05\t");
    EXPECT_EQ(FormatTimeStamp(k2024Dec31_235959Utc, kLogTimeStampPattern), "31.12.2024 23:59:59\t");
    EXPECT_EQ(FormatTimeStamp(0, kLogTimeStampPattern), "01.01.1970 00:00:00\t");
}

TEST(FormatTimeStamp, UsesLocalTime) {
    TimeZone newYork("EST5");
    EXPECT_EQ(FormatTimeStamp(k2021Feb01_030405Utc, kLogTimeStampPattern), "31.01.2021 22:04:05\t");
    TimeZone moscow("MSK-3");
    EXPECT_EQ(FormatTimeStamp(k2024Dec31_235959Utc, kLogTimeStampPattern), "01.01.2025 02:59:59\t");
}

TEST(FormatTimeStamp, EmptyWhenTheResultDoesNotFit) {
    TimeZone utc("UTC0");
    // 127 characters fill the 128-byte buffer with the terminator; 128 do not.
    const std::string fits(127, 'x');
    const std::string tooLong(128, 'x');
    EXPECT_EQ(FormatTimeStamp(0, fits.c_str()), fits);
    EXPECT_EQ(FormatTimeStamp(0, tooLong.c_str()), "");
}

TEST(FormatTimeStamp, EmptyWhenTheTimeCannotBeConverted) {
    TimeZone utc("UTC0");
    // Beyond any year that the calendar structure can hold.
    EXPECT_EQ(FormatTimeStamp(std::numeric_limits<int64_t>::max(), kLogTimeStampPattern), "");
    EXPECT_EQ(FormatTimeStamp(std::numeric_limits<int64_t>::min(), kLogTimeStampPattern), "");
}

TEST(LogEntry, EveryEntryEndsWithALineBreak) {
    struct Case {
        const char* message;
        const char* entry;
    };
    const Case cases[] = {
        // The system's texts bring their own CR LF; nothing is added.
        {"Q: Device busy.\r\n", "01.02.2021 03:04:05\tQ: Device busy.\r\n"},
        {"ends with a bare LF\n", "01.02.2021 03:04:05\tends with a bare LF\n"},
        // The special texts end without one: CR LF keeps the next entry apart.
        {"Error!\nSee ReadMe.", "01.02.2021 03:04:05\tError!\nSee ReadMe.\r\n"},
        {"Q: ", "01.02.2021 03:04:05\tQ: \r\n"},
        {"", "01.02.2021 03:04:05\t\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(LogEntry("01.02.2021 03:04:05\t", c.message), c.entry) << c.message;
    // An unconvertible time leaves the message alone on its line.
    EXPECT_EQ(LogEntry("", "text"), "text\r\n");
}
