#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageCount(const QByteArray& pdf) {
    // Page objects are "/Type /Page"; the page tree is "/Type /Pages".
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

int runMakePdf(const QStringList& arguments, QString* errors = nullptr) {
    QProcess process;
    process.start(QStringLiteral(KORA_MAKEPDF), arguments);
    if (!process.waitForFinished(60000)) return -1;
    if (errors) *errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(BuiltDocuments, TheManualAndTheThreeReferenceDocumentsArePdfFiles) {
    // Each page of the manual starts a new PDF page, so the manual has at least as many pages as
    // the help has HTML pages, whatever the fonts; a reference document is one HTML page.
    const QByteArray qrc = readAll(QStringLiteral(KORA_SOURCE_DIR "/docs/help/help.qrc"));
    const int manualPages = int(qrc.count(".html</file>"));
    ASSERT_GE(manualPages, 20);
    const struct {
        const char* name;
        int minimumPages;
    } documents[] = {
        {"KORA.PDF", manualPages},
        {"KORA-Method.pdf", 1},
        {"KORA-Stability-Factors.pdf", 1},
        {"KORA-Worked-Example.pdf", 1},
    };
    for (const auto& d : documents) {
        SCOPED_TRACE(d.name);
        const QByteArray pdf = readAll(QStringLiteral(KORA_BIN_DIR "/") + QLatin1String(d.name));
        ASSERT_GT(pdf.size(), 5000);
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
        EXPECT_GE(pageCount(pdf), d.minimumPages);
    }
}

TEST(MakePdf, JoinsPagesEachOnANewPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList pages;
    for (int i = 1; i <= 3; ++i) {
        const QString path = dir.filePath(QStringLiteral("page%1.html").arg(i));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><body><p class=\"nav\"><a href=\"contents.html\">Contents"
                                  "</a></p><h1>Page %1</h1><p>Text of page %1.</p></body></html>")
                       .arg(i)
                       .toUtf8());
        pages << path;
    }
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    QString errors;
    ASSERT_EQ(runMakePdf(QStringList{QStringLiteral("--output"), output, QStringLiteral("--title"),
                                     QStringLiteral("Test")} +
                             pages,
                         &errors),
              0)
        << qPrintable(errors);
    const QByteArray pdf = readAll(output);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pageCount(pdf), 3);
    EXPECT_FALSE(QFileInfo::exists(output + QStringLiteral(".part")));
}

TEST(MakePdf, RefusesMissingInputAndBadUsageWithoutLeavingAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    const QStringList bad[] = {
        {QStringLiteral("--output"), output, dir.filePath(QStringLiteral("missing.html"))},
        {QStringLiteral("--output"), output},
        {dir.filePath(QStringLiteral("missing.html"))},
        {QStringLiteral("--bogus"), QStringLiteral("x"), QStringLiteral("--output"), output},
        {QStringLiteral("--output"), output, QStringLiteral("--css"),
         dir.filePath(QStringLiteral("missing.css")), dir.filePath(QStringLiteral("x.html"))},
    };
    for (const QStringList& arguments : bad) {
        SCOPED_TRACE(qPrintable(arguments.join(QLatin1Char(' '))));
        QString errors;
        EXPECT_EQ(runMakePdf(arguments, &errors), 1);
        EXPECT_TRUE(errors.contains(QStringLiteral("makepdf: "))) << qPrintable(errors);
        EXPECT_FALSE(QFileInfo::exists(output));
    }
}

} // namespace
