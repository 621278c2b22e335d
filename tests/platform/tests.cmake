varnek_test(test_format platform/test_format.cpp)
varnek_test(test_data platform/test_data.cpp)
varnek_test(test_ui platform/test_ui.cpp)
