# Writes the build stamp source with a fresh marker, so that it is compiled again on every build.
string(TIMESTAMP now "%Y-%m-%d %H:%M:%S")
file(READ ${IN} text)
string(REPLACE "@STAMP@" "stamped ${now}" text "${text}")
file(WRITE ${OUT} "${text}")
