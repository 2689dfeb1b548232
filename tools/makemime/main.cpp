// makemime: writes the shared-mime-info package of the project files for the installation, the
// same package the program's file association writes for one user, so both describe the file
// type alike.
//
//   makemime OUTPUT.xml

#include "core/base/koraerror.h"
#include "core/base/textfilewriter.h"
#include "core/settings/fileassociation.h"
#include "core/settings/settingsfile.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makemime OUTPUT.xml\n");
        return 1;
    }
    try {
        kora::TextFileWriter file(argv[1]);
        file.write(kora::MimePackageXml("kora", kora::DefaultFileExtension));
        file.commit();
    } catch (const kora::KoraError& e) {
        std::fprintf(stderr, "makemime: %s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
