varnek_test(test_startup core/test_startup.cpp)
target_compile_definitions(test_startup PRIVATE VARNEK_PROGRAM="$<TARGET_FILE:varnek-erp>")
add_dependencies(test_startup varnek-erp)
