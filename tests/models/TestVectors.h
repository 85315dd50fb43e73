#pragma once
// Test vectors kept in CSV files under tests/models/vectors: a header line naming the columns, then
// one case a line; blank lines and lines that start with '#' are passed over. Numbers are read in
// the C locale's form, whatever the locale the tests run under.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class VectorRow {
public:
    VectorRow(std::shared_ptr<const std::vector<std::string>> header, std::vector<std::string> fields,
              int line);

    std::string_view Text(std::string_view column) const;
    // A field that is not a number wholly fails the test and reads as NaN.
    double Number(std::string_view column) const;
    // The line of the file, for failure messages.
    int Line() const { return line_; }

private:
    std::shared_ptr<const std::vector<std::string>> header_;
    std::vector<std::string> fields_;
    int line_;
};

// The cases of one file (its name under the vectors folder). A file that cannot be read, or a line
// with another field count than the header, fails the test.
std::vector<VectorRow> ReadVectors(const std::string& fileName);
