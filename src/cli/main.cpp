#include "cli/commandline.h"

#include <iostream>

int main(int argc, char** argv) {
    return kora::cli::Run(argc, argv, std::cout, std::cerr);
}
