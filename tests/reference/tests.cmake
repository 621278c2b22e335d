# Test programs of this area.
varnek_test(test_workers reference/test_workers.cpp)
varnek_test(test_items reference/test_items.cpp)
varnek_test(test_kinds reference/test_kinds.cpp)
varnek_test(test_norms reference/test_norms.cpp)
varnek_test(test_groups reference/test_groups.cpp)
varnek_test(test_prices reference/test_prices.cpp)
