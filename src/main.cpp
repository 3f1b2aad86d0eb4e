// Quillmar: the windowed program, or one of its command-line tools.
#include "app/gui_main.h"

int main(int argc, char** argv)
{
    return runGui(argc, argv);
}
