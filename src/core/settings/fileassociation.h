#pragma once

#include "core/base/messenger.h"

#include <string>

namespace kora {

// The association of the project file extension with the program, made the freedesktop way for
// the current user: a shared-mime-info package under <data home>/mime/packages names the file
// type, and a desktop entry under <data home>/applications opens such files with the program,
// the file passed as one argument. The data home is $XDG_DATA_HOME, else ~/.local/share.

// What an association writes and which command it registers.
struct FileAssociation {
    std::string MimeType;    // "application/x-" + executable name + "-document", in lower case
    std::string TypeName;    // executable name + ".Document"
    std::string Description; // executable name + " Document"
    std::string MimeFile;    // <data home>/mime/packages/<TypeName>.xml
    std::string DesktopFile; // <data home>/applications/<TypeName>.desktop
    std::string Command;     // the quoted program path followed by " %f"
};

// "application/x-" + executable name + "-document", in lower case.
std::string MimeTypeName(const std::string& executableName);

// The shared-mime-info package that names the project file type: the MIME type above, the
// description executable name + " Document", and globs for the extension as given and in upper
// and lower case. The association writes it for the user; the installation installs the same
// package for every user.
std::string MimePackageXml(const std::string& executableName, const std::string& extension);

// Writes the two files for the extension (globs for the extension as given and in upper and lower
// case), refreshes the desktop's MIME and application caches when update-mime-database and
// update-desktop-database are installed (their absence or failure is ignored), and shows
// "The file association for " + extension + " has been made to " + command.
// An empty data home takes the default. Raises KoraError when the files cannot be written.
FileAssociation AssociateExtension(const std::string& xdgDataHome,
                                   const std::string& executablePath, const std::string& extension,
                                   Messenger& messenger);

// The command behind the options dialog's button: asks "This operation may break an existing
// association of file extension " + extension + " with other programs on this computer.
// Proceed?" with Yes and No; on Yes makes the association and logs the application folder, the
// executable name and the extension, separated by blanks. Returns true when the association was
// made, false after No; raises KoraError when the files cannot be written.
bool CreateFileAssociation(const std::string& xdgDataHome, const std::string& executablePath,
                           const std::string& extension, Messenger& messenger);

} // namespace kora
