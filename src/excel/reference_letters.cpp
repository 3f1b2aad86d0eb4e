#include "excel/reference_letters.h"

namespace quillmar::excel {
namespace {

ReferenceLetters& processLetters()
{
    static ReferenceLetters letters;
    return letters;
}

} // namespace

std::string ReferenceLetters::absolute(int rowNumber, int columnNumber) const
{
    return row + std::to_string(rowNumber) + column + std::to_string(columnNumber);
}

ReferenceLetters referenceLetters()
{
    return processLetters();
}

void setReferenceLetters(ReferenceLetters letters)
{
    processLetters() = letters;
}

} // namespace quillmar::excel
