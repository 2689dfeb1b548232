#include "gui/utilities/externalviewer.h"

#include "gui/common/dialogservice.h"

#include "core/base/messenger.h"
#include "core/base/textutil.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kora::gui {

bool OpenInExternalViewer(const std::string& viewer, const QString& file, DialogService& dialogs,
                          Messenger& messenger) {
    const QString program = QString::fromStdString(Trim(viewer));
    if (program.isEmpty()) {
        messenger.ShowMessage("No external viewer is set. Choose one under Utilities > Settings.",
                              mb::OK | mb::Exclamation);
        return false;
    }
    if (program.compare(QLatin1String(DesktopTextViewer), Qt::CaseInsensitive) == 0) {
        if (dialogs.openUrl(QUrl::fromLocalFile(file))) return true;
        messenger.ShowMessage("The desktop has no viewer for text files to show " +
                                  file.toStdString() +
                                  ". Choose an external viewer under Utilities > Settings.",
                              mb::OK | mb::Exclamation);
        return false;
    }
    if (QProcess::startDetached(program, {file}, QFileInfo(file).absolutePath())) return true;
    messenger.ShowMessage("The external viewer could not be started: " + program.toStdString(),
                          mb::OK | mb::Exclamation);
    return false;
}

} // namespace kora::gui
