// The build stamp: the date and time at which this program was compiled.
#include "BuildStamp.h"

#include <cstring>

namespace buildstamp {

namespace {

int digits(const char* s, int count)
{
    int value = 0;
    for (int i = 0; i < count && s[i]; ++i) {
        if (s[i] >= '0' && s[i] <= '9') value = value * 10 + (s[i] - '0');
    }
    return value;
}

} // namespace

int parseDate(const char* text)
{
    if (!text || text[0] == '?' || std::strlen(text) < 11) return 19000101;
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 1;
    for (int i = 0; i < 12; ++i) {
        if (std::strncmp(text, months[i], 3) == 0) {
            month = i + 1;
            break;
        }
    }
    const int day = digits(text + 4, 2); // the day is padded with a space: "Mar  5 2023"
    const int year = digits(text + 7, 4);
    return year * 10000 + month * 100 + day;
}

int parseTime(const char* text)
{
    if (!text || std::strlen(text) < 8) return 0;
    return digits(text, 2) * 3600 + digits(text + 3, 2) * 60 + digits(text + 6, 2);
}

} // namespace buildstamp
