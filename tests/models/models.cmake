tarvek_add_test(models_test
    SOURCES ${TEST_DIR}/ModCalculationsTest.cpp ${TEST_DIR}/ValidityPowerTest.cpp
    LIBS models
    LABELS models locale)
