#include "cli/commandline.h"

#include "core/base/textfilewriter.h"

#include <iostream>

int main(int argc, char** argv) {
    // A file-size limit makes a save fail with "Disk full" instead of ending the program.
    kora::IgnoreFileSizeSignal();
    return kora::cli::Run(argc, argv, std::cout, std::cerr);
}
