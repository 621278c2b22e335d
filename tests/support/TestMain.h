// The main function of a test program: the system's application object without a display, fixed
// format settings (comma decimals, day-first dates), and Qt Test.
#pragma once

#include "platform/Format.h"
#include "platform/ui/Application.h"

#include <QTest>

inline void prepareTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline void useTestFormatSettings()
{
    FormatSettings s;
    s.decimalSeparator = QLatin1Char(',');
    s.thousandSeparator = QChar(0x00A0);
    s.shortDateFormat = QStringLiteral("dd.MM.yyyy");
    FormatSettings::current() = s;
}

#define VARNEK_TEST_MAIN(TestClass)                 \
    int main(int argc, char** argv)                 \
    {                                               \
        prepareTestEnvironment();                   \
        Application app(argc, argv);                \
        app.setQuitOnLastWindowClosed(false);       \
        useTestFormatSettings();                    \
        TestClass tc;                               \
        return QTest::qExec(&tc, argc, argv);       \
    }
