varnek_test(test_excel reports/test_excel.cpp)
