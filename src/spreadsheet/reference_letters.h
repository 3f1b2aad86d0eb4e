#pragma once
// The row and column letters of every cell reference the program writes into a
// command or a cell formula: Z and S for the German Excel XP, R and C for the
// older versions. One pair holds for the whole process; the settings set it at
// start-up and whenever the Excel version setting changes.
#include <string>

namespace quillmar::spreadsheet {

struct ReferenceLetters {
    char row = 'Z';
    char column = 'S';

    static ReferenceLetters forVersion(bool excelXP)
    {
        return excelXP ? ReferenceLetters{'Z', 'S'} : ReferenceLetters{'R', 'C'};
    }

    // Absolute reference, both numbers 1-based: Z3S2 is row 3, column 2.
    std::string absolute(int rowNumber, int columnNumber) const;

    friend bool operator==(const ReferenceLetters&, const ReferenceLetters&) = default;
};

// The process-wide pair; Z and S until set otherwise.
ReferenceLetters referenceLetters();
void setReferenceLetters(ReferenceLetters letters);

} // namespace quillmar::spreadsheet
