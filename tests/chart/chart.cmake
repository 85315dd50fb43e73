# Chart model, property stream and serialized chart files; the refusals of corrupt input run under
# the sanitizers too.
tarvek_add_test(chart_model_test
    SOURCES ${TEST_DIR}/ChartModelTest.cpp ${TEST_DIR}/InterfaceTables.cpp
            ${TEST_DIR}/PropertyStreamTest.cpp ${TEST_DIR}/StreamRefusalTest.cpp
            ${TEST_DIR}/SerializedChartFileTest.cpp ${TEST_DIR}/StreamLayout.cpp
    LIBS chartmodel
    LABELS asan)

# Data-set files and clipboard tables: number text must not follow the user's locale.
tarvek_add_test(chart_data_test
    SOURCES ${TEST_DIR}/NumberTokenizerTest.cpp ${TEST_DIR}/NumberFormatTest.cpp
            ${TEST_DIR}/AsciiDataFileTest.cpp ${TEST_DIR}/ClipboardTableTest.cpp
    LIBS chartmodel
    LABELS asan locale)

# The clipboard itself and the DIB helpers need a GUI application.
tarvek_add_test(chart_gui_test
    SOURCES ${TEST_DIR}/ClipboardPasteTest.cpp ${TEST_DIR}/DibImageTest.cpp
    LIBS chartmodel msgbox
    GUI)

tarvek_add_fuzzer(fuzz_stream SOURCES ${TEST_DIR}/FuzzStream.cpp LIBS chartmodel)
tarvek_add_fuzzer(fuzz_dataset SOURCES ${TEST_DIR}/FuzzDataset.cpp LIBS chartmodel)
tarvek_add_fuzzer(fuzz_clipboard SOURCES ${TEST_DIR}/FuzzClipboard.cpp LIBS chartmodel)

# The build's engine calls, recorded by a stand-in engine linked in place of the real one.
tarvek_add_test(chart_build_test
    SOURCES ${TEST_DIR}/RecordingEngine.cpp ${TEST_DIR}/ChartBuildOrderTest.cpp
    LIBS chartbuild
    LABELS asan)
