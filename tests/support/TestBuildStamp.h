// The build stamp the tests run with, settable per test case.
#pragma once

void setTestBuildStamp(const char* dateText, const char* timeText);
