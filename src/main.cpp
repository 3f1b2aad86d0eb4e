// Quillmar: the windowed program, or one of its command-line tools.
#include "app/gui_main.h"
#include "cli/command_line.h"

int main(int argc, char** argv)
{
    if (const auto status = quillmar::cli::runVerb(argc, argv))
        return *status;
    return quillmar::app::runGui(argc, argv);
}
