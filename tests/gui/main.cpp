// The entry point of every GUI test program: one QApplication for all its tests, on the
// offscreen platform unless the caller chose another (for looking at windows under Xvfb).
#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform says so each time a window asks it for something it cannot do (raise,
// size hints); that is expected here and would only bury the test output.
QtMessageHandler standardHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (standardHandler != nullptr) standardHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    standardHandler = qInstallMessageHandler(quietMessageHandler);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
