#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

namespace kora::gui {

// The disclaimer shown at start-up (while the ShowDisclaim setting is 1) and from the Help
// menu. The caller reads doNotShowAgain() after it closes and, when it is ticked, sets
// ShowDisclaim to 0 and writes the settings file.
class frmDisclaimer : public QDialog {
    Q_OBJECT
public:
    // `programName` is the executable's name in capitals, shown in the caption.
    explicit frmDisclaimer(const QString& programName, QWidget* parent = nullptr);

    // "Do not show this disclaimer again" is ticked.
    bool doNotShowAgain() const;

    // The disclaimer itself, a heading and the statement (rich text).
    static QString disclaimerText();

private:
    QCheckBox* m_show;
};

} // namespace kora::gui
