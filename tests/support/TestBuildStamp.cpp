// The build stamp the tests run with, settable per test case.
#include "TestBuildStamp.h"

#include "core/BuildStamp.h"

#include <cstring>

namespace {
char g_date[32] = "Mar 15 2023";
char g_time[32] = "13:45:12";
} // namespace

void setTestBuildStamp(const char* dateText, const char* timeText)
{
    std::strncpy(g_date, dateText, sizeof g_date - 1);
    std::strncpy(g_time, timeText, sizeof g_time - 1);
}

const char* buildDateText() { return g_date; }
const char* buildTimeText() { return g_time; }
