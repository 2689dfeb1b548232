#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says so whenever a window asks for something it cannot do (raise, size
// hints); expected here, and it would only bury the test output.
QtMessageHandler standardHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (standardHandler != nullptr) standardHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    standardHandler = qInstallMessageHandler(quietMessageHandler);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
