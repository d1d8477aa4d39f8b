#include "help_page.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <optional>
#include <stdexcept>
#include <vector>

namespace m742::help {

namespace {

// Readable in any browser: Qt writes its own margins into every block, hence !important.
constexpr const char* kStyleSheet = R"(<style type="text/css">
body { font-family: sans-serif !important; font-size: 11pt !important; line-height: 1.45;
       max-width: 52em; margin: 1.5em auto !important; padding: 0 1em; color: #202020; }
h1, h2, h3, h4 { margin-top: 1.3em !important; margin-bottom: 0.5em !important; }
p, li { margin-top: 0.3em !important; margin-bottom: 0.3em !important; }
ul { margin-left: 0 !important; padding-left: 1.6em; }
pre { background: #f3f3f3; margin: 0 !important; padding: 0 0.8em; }
table { border-collapse: collapse; margin: 0.8em 0; }
td, th { border: 1px solid #9a9a9a; padding: 0.3em 0.7em; vertical-align: top; }
tr:first-child td { background: #ececec; }
td p { margin: 0 !important; }
img { max-width: 100%; height: auto; border: 1px solid #ccc; }
</style>
)";

struct Heading {
    int level = 0;
    QString text;
};

// An ATX heading: up to three spaces, one to six '#', then a space or the end of the line;
// a closing run of '#' is not part of the text.
std::optional<Heading> ParseHeading(const QString& line) {
    static const QRegularExpression kHeading(QStringLiteral("^ {0,3}(#{1,6})(?:[ \\t]+(.*))?$"));
    const QRegularExpressionMatch match = kHeading.match(line);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    static const QRegularExpression kClosing(QStringLiteral("(^|[ \\t]+)#+[ \\t]*$"));
    QString text = match.captured(2);
    text.remove(kClosing);
    return Heading{static_cast<int>(match.capturedLength(1)), text.trimmed()};
}

// Follows fenced code blocks (``` or ~~~) line by line.
class Fences {
public:
    // Whether `line` belongs to a fenced block, its opening and closing fences included.
    bool InBlock(const QString& line) {
        static const QRegularExpression kFence(QStringLiteral("^ {0,3}(`{3,}|~{3,})(.*)$"));
        const QRegularExpressionMatch match = kFence.match(line);
        if (m_length == 0) {
            if (!match.hasMatch() ||
                (match.captured(1)[0] == u'`' && match.captured(2).contains(u'`'))) {
                return false;
            }
            m_char = match.captured(1)[0];
            m_length = match.capturedLength(1);
            return true;
        }
        if (match.hasMatch() && match.captured(1)[0] == m_char &&
            match.capturedLength(1) >= m_length && match.captured(2).trimmed().isEmpty()) {
            m_length = 0;
        }
        return true;
    }

private:
    QChar m_char;
    qsizetype m_length = 0;
};

QString Normalized(QString heading) {
    heading.remove(QRegularExpression(QStringLiteral("[*_`]")));
    return heading.simplified().toCaseFolded();
}

bool IsOmitted(const QString& heading, const QStringList& omitted) {
    const QString text = Normalized(heading);
    for (const QString& entry : omitted) {
        const QString start = Normalized(entry);
        if (!start.isEmpty() && (text == start || text.startsWith(start + u' '))) {
            return true;
        }
    }
    return false;
}

QString WithoutLineEnd(QString line) {
    while (line.endsWith(u'\n') || line.endsWith(u'\r')) {
        line.chop(1);
    }
    return line;
}

// A link or image target that names a file beside the guide (not a web address, not a place in
// the page itself).
bool IsLocalFile(const QString& target) {
    return !target.isEmpty() && !target.startsWith(u'#') && QUrl(target).isRelative();
}

QString DataUri(const QDir& base, const QString& target, QStringList& embedded) {
    const QString path = QFileInfo(base.filePath(QUrl(target).path())).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read the image " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    const QString type = QMimeDatabase().mimeTypeForFileNameAndData(path, bytes).name();
    if (!type.startsWith(QStringLiteral("image/"))) {
        throw std::runtime_error("not an image: " + path.toStdString() + " (" + type.toStdString() +
                                 ")");
    }
    if (!embedded.contains(path)) {
        embedded.append(path);
    }
    return QStringLiteral("data:%1;base64,%2").arg(type, QString::fromLatin1(bytes.toBase64()));
}

}  // namespace

QString UserSections(const QString& markdown, const QStringList& omitted) {
    QString kept;
    Fences fences;
    bool dropping = false;
    for (qsizetype start = 0; start < markdown.size();) {
        const qsizetype newline = markdown.indexOf(u'\n', start);
        const qsizetype end = newline < 0 ? markdown.size() : newline + 1;
        const QString line = markdown.mid(start, end - start);
        start = end;

        const QString bare = WithoutLineEnd(line);
        if (!fences.InBlock(bare)) {
            const std::optional<Heading> heading = ParseHeading(bare);
            if (heading && heading->level <= 2) {
                dropping = IsOmitted(heading->text, omitted);
            }
        }
        if (!dropping) {
            kept += line;
        }
    }
    return kept;
}

QString WithTitle(const QString& markdown, const QString& title) {
    QStringList lines = markdown.split(u'\n');
    for (QString& line : lines) {
        const QString bare = WithoutLineEnd(line);
        if (bare.trimmed().isEmpty()) {
            continue;
        }
        const std::optional<Heading> heading = ParseHeading(bare);
        if (heading && heading->level == 1) {
            line = QStringLiteral("# ") + title;
            return lines.join(u'\n');
        }
        break;
    }
    return QStringLiteral("# %1\n\n%2").arg(title, markdown);
}

HelpPage MakeHelpPage(const QString& markdown, const QString& title, const QDir& base,
                      const QStringList& besidePage) {
    QTextDocument document;
    document.setMarkdown(markdown);
    document.setMetaInformation(QTextDocument::DocumentTitle, title);

    HelpPage page;
    struct Change {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            bool changed = false;
            if (format.isImageFormat()) {
                QTextImageFormat image = format.toImageFormat();
                if (IsLocalFile(image.name())) {
                    image.setName(DataUri(base, image.name(), page.embeddedFiles));
                    format = image;
                    changed = true;
                }
            }
            if (format.isAnchor() && IsLocalFile(format.anchorHref()) &&
                !besidePage.contains(QUrl(format.anchorHref()).path())) {
                format.setAnchor(false);
                format.clearProperty(QTextFormat::AnchorHref);
                format.clearForeground();
                format.clearProperty(QTextFormat::TextUnderlineStyle);
                changed = true;
            }
            if (changed) {
                changes.push_back({fragment.position(), fragment.length(), format});
            }
        }
    }
    for (const Change& change : changes) {
        QTextCursor cursor(&document);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }

    QString html = document.toHtml();
    QString head = kStyleSheet;
    if (!html.contains(QStringLiteral("charset="))) {
        head.prepend(QStringLiteral("<meta charset=\"utf-8\" />\n"));
    }
    const qsizetype end = html.indexOf(QStringLiteral("</head>"));
    html.insert(end < 0 ? 0 : end, head);
    page.html = html;
    return page;
}

}  // namespace m742::help
