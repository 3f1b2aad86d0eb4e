// Build tool: turns the text form of the collection (data/collection/*.txt) into
// the .cds tables beside the program.
//   quillmar_datagen AUSGABEORDNER DATEI.txt ...
#include "collection/collection_export.h"

#include <iostream>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "Aufruf: quillmar_datagen AUSGABEORDNER DATEI.txt ...\n";
        return 2;
    }
    const std::vector<std::filesystem::path> files(argv + 2, argv + argc);
    const std::string err = quillmar::collection::generateTables(files, argv[1]);
    if (!err.empty()) {
        std::cerr << err << '\n';
        return 1;
    }
    return 0;
}
