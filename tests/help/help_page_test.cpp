// The help file's page: which sections of the guide stay, the title, and the page itself
// (images inside it, links that would break turned into text, UTF-8, the stylesheet).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <fstream>
#include <stdexcept>

#include "help_page.h"
#include "temp_folder.h"

namespace m742::help {
namespace {

const QStringList kDeveloperSections = {"Building and testing", "Performance", "Source layout"};

TEST(UserSections, DropsTheDevelopersSectionsByHeading) {
    const struct {
        const char* name;
        const char* guide;
        const char* kept;
    } cases[] = {
        {"a section goes with its subsections, up to the next one",
         "# Tool\nintro\n## Use\nuse\n## Performance\nfast\n### Figures\n1 ms\n## Data "
         "files\nDAT\n",
         "# Tool\nintro\n## Use\nuse\n## Data files\nDAT\n"},
        {"the heading's words decide, not the exact text",
         "a\n## Building and testing by hand\nb\n##  source   LAYOUT ##\nc\n## *Performance*\nd\n",
         "a\n"},
        {"a whole word must match", "## Performance-tuning\nx\n## Source layouts\ny\n",
         "## Performance-tuning\nx\n## Source layouts\ny\n"},
        {"a level-1 heading ends a dropped section too", "## Performance\nx\n# Appendix\ny\n",
         "# Appendix\ny\n"},
        {"level-3 headings do not decide", "## Use\n### Performance\nquick\n",
         "## Use\n### Performance\nquick\n"},
        {"no heading inside a ``` block", "## Use\n```\n## Performance\n```\nafter\n",
         "## Use\n```\n## Performance\n```\nafter\n"},
        {"no heading inside a ~~~ block, whose end needs as long a fence",
         "## Use\n~~~~\n```\n~~~\n## Performance\n~~~~\nafter\n## Performance\ngone\n",
         "## Use\n~~~~\n```\n~~~\n## Performance\n~~~~\nafter\n"},
        {"a fence inside a dropped section is followed too",
         "## Performance\n```\n## Use\n```\n## Use\nkept\n", "## Use\nkept\n"},
        {"indented code and #words are no headings", "## Use\n    ## Performance\n#Performance\n",
         "## Use\n    ## Performance\n#Performance\n"},
        {"Windows line ends", "## Use\r\nu\r\n## Performance\r\np\r\n## Data\r\n",
         "## Use\r\nu\r\n## Data\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UserSections(QString::fromUtf8(c.guide), kDeveloperSections).toStdString(),
                  c.kept);
    }
}

TEST(WithTitle, TheTitleIsTheOneTopHeading) {
    const struct {
        const char* guide;
        const char* titled;
    } cases[] = {
        {"# M-742 programming tool\nintro\n# Other\n", "# T\nintro\n# Other\n"},
        {"\n\n#  Tool  #\nintro\n", "\n\n# T\nintro\n"},
        {"intro\n# Tool\n", "# T\n\nintro\n# Tool\n"},
        {"## Use\n", "# T\n\n## Use\n"},
        {"", "# T\n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.guide);
        EXPECT_EQ(WithTitle(QString::fromUtf8(c.guide), "T").toStdString(), c.titled);
    }
}

class HelpPageTest : public ::testing::Test {
protected:
    QDir Base() const { return QDir(QString::fromStdString(m_temp.path().string())); }

    // A small picture at `name` under the base folder; gives its bytes.
    QByteArray Picture(const QString& name) const {
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = Base().filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(image.save(path, "PNG"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    m742::testing::TempFolder m_temp;
};

TEST_F(HelpPageTest, ImagesAreCarriedInsideThePage) {
    const QByteArray bytes = Picture("docs/images/window.png");
    const HelpPage page = MakeHelpPage(
        "# T\n\n![The window](docs/images/window.png)\n\n![Again](docs/images/window.png)\n", "T",
        Base());

    const QRegularExpression source(QStringLiteral("<img src=\"data:image/png;base64,([^\"]*)\""));
    int images = 0;
    for (const auto& match : source.globalMatch(page.html)) {
        EXPECT_EQ(QByteArray::fromBase64(match.captured(1).toLatin1()), bytes);
        ++images;
    }
    EXPECT_EQ(images, 2);
    EXPECT_FALSE(page.html.contains("docs/images"));
    EXPECT_EQ(page.embeddedFiles, QStringList{Base().absoluteFilePath("docs/images/window.png")});
}

TEST_F(HelpPageTest, LinksToFilesBesideTheGuideBecomeText) {
    const HelpPage page = MakeHelpPage(
        "See [the CLI notes](docs/cli.md), [the web](https://example.org/x) and [above](#top).\n",
        "T", Base());
    EXPECT_FALSE(page.html.contains("docs/cli.md"));
    EXPECT_TRUE(page.html.contains("the CLI notes"));
    EXPECT_TRUE(page.html.contains("href=\"https://example.org/x\""));
    EXPECT_TRUE(page.html.contains("href=\"#top\""));
}

TEST_F(HelpPageTest, LinksToFilesPutBesideThePageStay) {
    const HelpPage page =
        MakeHelpPage("[Plans](plan-format.md#channels), [CLI](cli.md), [map](memory-map.md)\n", "T",
                     Base(), {"cli.md", "plan-format.md"});
    EXPECT_TRUE(page.html.contains("href=\"plan-format.md#channels\""));
    EXPECT_TRUE(page.html.contains("href=\"cli.md\""));
    EXPECT_FALSE(page.html.contains("memory-map.md"));
    EXPECT_TRUE(page.html.contains("map"));
}

TEST_F(HelpPageTest, PageIsUtf8HtmlWithTitleAndTableStyle) {
    const HelpPage page =
        MakeHelpPage("# M-742\n\n对讲机\n\n| A | B |\n|---|---|\n| 1 | 2 |\n", "M-742", Base());
    EXPECT_TRUE(page.html.contains("<meta charset=\"utf-8\""));
    EXPECT_TRUE(page.html.contains("<title>M-742</title>"));
    EXPECT_TRUE(page.html.contains(QStringLiteral("对讲机")));
    EXPECT_TRUE(page.html.contains("<table"));
    // The stylesheet is in the head, where it applies to the whole page.
    const qsizetype style = page.html.indexOf("td, th { border:");
    ASSERT_GE(style, 0);
    EXPECT_LT(style, page.html.indexOf("</head>"));
}

TEST_F(HelpPageTest, AnImageThatIsNotThereOrNoImageIsAnError) {
    { std::ofstream(m_temp / "notes.txt") << "plain text\n"; }
    for (const char* target : {"missing.png", "notes.txt"}) {
        SCOPED_TRACE(target);
        try {
            MakeHelpPage(QStringLiteral("![x](%1)\n").arg(target), "T", Base());
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace m742::help

int main(int argc, char** argv) {
    // Test discovery runs this without the test environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
