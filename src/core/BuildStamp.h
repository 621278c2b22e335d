// The build stamp: the date and time at which this program was compiled.
#pragma once

// The compiler's own date and time texts ("Mar 15 2023", "13:45:12"); defined by the program (a
// file compiled anew on every build) and by the tests.
const char* buildDateText();
const char* buildTimeText();

namespace buildstamp {

// yyyymmdd from a compile-date text; a text beginning with "?" (date not available) gives 19000101.
int parseDate(const char* text);
// Seconds since midnight from a compile-time text "hh:mm:ss".
int parseTime(const char* text);

inline int date() { return parseDate(buildDateText()); }
inline int time() { return parseTime(buildTimeText()); }

} // namespace buildstamp
