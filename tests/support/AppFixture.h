// A running program for one test case: scripted user, fresh database, every window created.
#pragma once

#include "TestDb.h"
#include "UiScript.h"

class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    UiScript script;
    FreshDatabase db;
    bool started = false;
};
