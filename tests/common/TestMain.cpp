#include <clocale>
#include <gtest/gtest.h>
#include <locale>

int main(int argc, char** argv) {
    // Take the locale from the environment as a Qt program would, so the German-locale run of a
    // test executable really exercises locale-independent number text.
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
        // An unknown locale name leaves the classic one in place.
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
