tarvek_add_test(models_test
    SOURCES ${TEST_DIR}/ModCalculationsTest.cpp ${TEST_DIR}/ValidityPowerTest.cpp ${TEST_DIR}/TestVectors.cpp
    LIBS models
    LABELS models locale)
target_compile_definitions(models_test PRIVATE TARVEK_VECTORS_DIR="${TEST_DIR}/vectors")
