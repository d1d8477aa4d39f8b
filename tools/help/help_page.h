// The help file: a user's guide in Markdown as one self-contained HTML page.
#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace m742::help {

// The guide without the sections a user does not need: every level-1 or level-2 section whose
// heading begins with one of `omitted` (whole words; case, spacing and emphasis marks ignored)
// goes, with the deeper sections under it. Lines inside fenced code blocks are never headings.
QString UserSections(const QString& markdown, const QStringList& omitted);

// The guide under `title`: its first level-1 heading is replaced by `title`, or `title` is put
// on top when the guide does not open with one.
QString WithTitle(const QString& markdown, const QString& title);

struct HelpPage {
    QString html;
    QStringList embeddedFiles;  // absolute paths of the images taken into the page
};

// Turns the guide into a UTF-8 HTML page titled `title`: the images it names relative to
// `base` become data: URIs, links to the files named in `besidePage` stay (those files are put
// beside the page), links to other files relative to `base` become plain text (they would not
// be there beside the page), and a small stylesheet makes tables and code readable.
// Throws std::runtime_error naming an image that cannot be read or has an unknown type.
// Needs a QGuiApplication.
HelpPage MakeHelpPage(const QString& markdown, const QString& title, const QDir& base,
                      const QStringList& besidePage = {});

}  // namespace m742::help
