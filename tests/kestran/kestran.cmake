# Engine tests: pure scale, label and clipping logic, and whole charts drawn onto the recording
# canvas, the metafile writer and a PDF printer.
tarvek_add_test(kestran_test
    SOURCES
        ${TEST_DIR}/KestranTestMain.cpp
        ${TEST_DIR}/AutoScaleTest.cpp
        ${TEST_DIR}/NumberLabelTest.cpp
        ${TEST_DIR}/LegendLayoutTest.cpp
        ${TEST_DIR}/DataSetTest.cpp
        ${TEST_DIR}/CanvasTest.cpp
        ${TEST_DIR}/ClipTest.cpp
        ${TEST_DIR}/LineRasterTest.cpp
        ${TEST_DIR}/LineReductionTest.cpp
        ${TEST_DIR}/PrintLayoutTest.cpp
        ${TEST_DIR}/EngineHandleTest.cpp
        ${TEST_DIR}/ChartDrawingTest.cpp
        ${TEST_DIR}/PlotClipTest.cpp
        ${TEST_DIR}/AxisDrawingTest.cpp
        ${TEST_DIR}/EngineOutputTest.cpp
        ${TEST_DIR}/WmfCanvasTest.cpp
    LIBS kestran tarvek_test_support
    LABELS asan locale
    OWN_MAIN)

tarvek_add_fuzzer(fuzz_engine SOURCES ${TEST_DIR}/FuzzEngine.cpp LIBS kestran)
