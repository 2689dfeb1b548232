// makepdf: joins HTML pages into one PDF document.
//
//   makepdf --output FILE.pdf [--css STYLE.css] [--title TEXT] PAGE.html...
//
// Each page after the first starts on a new PDF page. Only the body of each page is taken; its
// navigation line is dropped and links between the pages become plain text, since they lead
// nowhere in print. The PDF is written beside the target first and renamed into place, so a
// failed run never leaves a truncated document behind. Runs without a display (offscreen).

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "makepdf: %s\n", qPrintable(message));
    return 1;
}

bool readText(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

// The part of a page between <body> and </body>; the whole text when there is no body tag.
QString bodyOf(const QString& html) {
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = body.match(html);
    return m.hasMatch() ? m.captured(1) : html;
}

// The navigation line at the top of each page (Contents | Index) means nothing on paper.
QString dropNavigation(const QString& html) {
    static const QRegularExpression nav(QStringLiteral("<p class=\"nav\">.*?</p>"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption);
    QString out = html;
    out.remove(nav);
    return out;
}

// Links to other pages of the manual become plain text; web links and anchors stay.
QString unlinkPages(const QString& html) {
    static const QRegularExpression pageLink(
        QStringLiteral("<a\\s+href=\"(?!https?:|mailto:)[^\"]*\"\\s*>(.*?)</a>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString out = html;
    out.replace(pageLink, QStringLiteral("\\1"));
    return out;
}

QString startOnNewPage(const QString& body) {
    static const QRegularExpression firstHeading(QStringLiteral("<h1(\\s|>)"),
                                                 QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = firstHeading.match(body);
    if (!m.hasMatch()) return QStringLiteral("<p style=\"page-break-before: always\"></p>") + body;
    QString out = body;
    out.insert(m.capturedStart() + 3, QStringLiteral(" style=\"page-break-before: always\""));
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);

    QString output, cssPath, title;
    QStringList pages;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--output") && hasValue)
            output = args[++i];
        else if (a == QLatin1String("--css") && hasValue)
            cssPath = args[++i];
        else if (a == QLatin1String("--title") && hasValue)
            title = args[++i];
        else if (a.startsWith(QLatin1String("--")))
            return fail(QStringLiteral("unknown option ") + a);
        else
            pages << a;
    }
    if (output.isEmpty() || pages.isEmpty())
        return fail(QStringLiteral(
            "usage: makepdf --output FILE.pdf [--css STYLE.css] [--title TEXT] PAGE.html..."));

    QString css;
    if (!cssPath.isEmpty() && !readText(cssPath, css))
        return fail(QStringLiteral("cannot read ") + cssPath);

    QString combined;
    for (int i = 0; i < pages.size(); ++i) {
        QString html;
        if (!readText(pages[i], html)) return fail(QStringLiteral("cannot read ") + pages[i]);
        QString body = unlinkPages(dropNavigation(bodyOf(html)));
        if (i > 0) body = startOnNewPage(body);
        combined += body;
    }

    QTextDocument document;
    document.setDefaultStyleSheet(css);
    document.setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 10));
    document.setHtml(QStringLiteral("<html><body>") + combined + QStringLiteral("</body></html>"));
    if (!title.isEmpty()) document.setMetaInformation(QTextDocument::DocumentTitle, title);

    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QPdfWriter writer(partial);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("KORA makepdf"));
        writer.setResolution(300);
        // QTextDocument::print adds a margin of its own (2 cm) inside the page layout.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        document.print(&writer);
    }
    if (QFileInfo(partial).size() == 0) {
        QFile::remove(partial);
        return fail(QStringLiteral("nothing was written to ") + output);
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot write ") + output);
    }
    return 0;
}
