#include "spreadsheet/reference_letters.h"

namespace quillmar::spreadsheet {
namespace {

ReferenceLetters& processLetters()
{
    static ReferenceLetters letters;
    return letters;
}

} // namespace

std::string ReferenceLetters::absolute(int rowNumber, int columnNumber) const
{
    std::string reference(1, row);
    reference += std::to_string(rowNumber);
    reference += column;
    reference += std::to_string(columnNumber);
    return reference;
}

ReferenceLetters referenceLetters()
{
    return processLetters();
}

void setReferenceLetters(ReferenceLetters letters)
{
    processLetters() = letters;
}

} // namespace quillmar::spreadsheet
