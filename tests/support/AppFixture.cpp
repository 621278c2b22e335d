// A running program for one test case: scripted user, fresh database, every window created.
#include "AppFixture.h"

#include "core/Startup.h"

AppFixture::AppFixture()
{
    started = CreateApplicationWindows(db.programArguments());
}

AppFixture::~AppFixture() { DestroyApplicationWindows(); }
