#include "TestVectors.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <limits>

namespace {

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

} // namespace

VectorRow::VectorRow(std::shared_ptr<const std::vector<std::string>> header, std::vector<std::string> fields,
                     int line)
    : header_(std::move(header)), fields_(std::move(fields)), line_(line) {}

std::string_view VectorRow::Text(std::string_view column) const {
    for (std::size_t i = 0; i < header_->size(); ++i) {
        if ((*header_)[i] == column)
            return fields_[i];
    }
    ADD_FAILURE() << "no column " << column;
    return {};
}

double VectorRow::Number(std::string_view column) const {
    const std::string_view text = Text(column);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        ADD_FAILURE() << "line " << line_ << ": " << column << " is not a number: " << text;
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

std::vector<VectorRow> ReadVectors(const std::string& fileName) {
    const std::string path = std::string(TARVEK_VECTORS_DIR) + "/" + fileName;
    std::ifstream file(path);
    std::vector<VectorRow> rows;
    if (!file) {
        ADD_FAILURE() << "cannot read " << path;
        return rows;
    }
    std::shared_ptr<const std::vector<std::string>> header;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields = SplitFields(line);
        if (!header) {
            header = std::make_shared<const std::vector<std::string>>(std::move(fields));
            continue;
        }
        if (fields.size() != header->size()) {
            ADD_FAILURE() << path << " line " << number << ": " << fields.size() << " fields, header has "
                          << header->size();
            continue;
        }
        rows.emplace_back(header, std::move(fields), number);
    }
    return rows;
}
