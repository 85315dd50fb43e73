// The RTF reader and writer of the report log, and its plain-text export.

#include "Cp1252.h"
#include "DocumentImages.h"
#include "DocumentRuns.h"
#include "PlainText.h"
#include "RtfParser.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <tuple>

using namespace richtext;

namespace {

// The reader's runs in the notation of the document's (see DocumentRuns.h).
std::vector<std::string> runsOf(const RtfContent& content) {
    std::vector<std::string> runs;
    for (const RtfPiece& p : content.Pieces()) {
        if (p.kind == RtfPiece::ParagraphEnd) {
            runs.push_back("|");
        } else if (p.kind == RtfPiece::Picture) {
            runs.push_back("[pict]");
        } else {
            runs.push_back(
                testsupport::RunOf(p.attributes.bold, p.attributes.italic, p.attributes.underline, p.text));
        }
    }
    return runs;
}

// The document's runs, pictures with their size.
std::vector<std::string> runsOf(const QTextDocument& doc) {
    return testsupport::RunsOf(doc, testsupport::PictureNotation::WithSize);
}

QImage testPicture() {
    QImage image(40, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(5, 5, 10, 10, Qt::red);
    p.fillRect(20, 8, 12, 10, QColor(0, 90, 200));
    return image;
}

QTextCharFormat logFormat() {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Courier New")});
    f.setFontPointSize(8.25);
    return f;
}

// A log as the program writes it: the bold underlined title, report lines with underlined
// out-of-range values, a pasted graph and its label.
void writeSampleLog(QTextDocument& doc) {
    QTextCursor c(&doc);
    QTextCharFormat plain = logFormat();
    QTextCharFormat title = plain;
    title.setFontWeight(QFont::Bold);
    title.setFontUnderline(true);
    QTextCharFormat out = plain;
    out.setFontUnderline(true);
    c.insertText(QStringLiteral("  Dist     Frq    BaseH   MobilH\r\n"), title);
    for (int i = 0; i < 3; ++i) {
        c.insertText(QStringLiteral("      10     450     100     1.5 Urban     "), plain);
        c.insertText(QStringLiteral(" 146.21 "), out);
        c.insertText(QStringLiteral(" 150.03  50%  50% Metric\r\n"), plain);
    }
    InsertImage(c, testPicture());
    c.insertText(QStringLiteral("[Clip Board Image]\r\n"), plain);
}

std::optional<RtfContent> parse(const char* rtf) {
    return ParseRtf(QByteArray(rtf));
}

} // namespace

struct ParseCase {
    const char* name;
    const char* rtf;
    std::vector<std::string> runs;
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.rtf; }
};

class RtfParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RtfParseTest, ReadsTextAndAttributes) {
    const std::optional<RtfContent> content = parse(GetParam().rtf);
    ASSERT_TRUE(content);
    EXPECT_EQ(runsOf(*content), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfParseTest,
    ::testing::Values(
        ParseCase{"plain", R"({\rtf1 Hello})", {":Hello"}},
        ParseCase{"toggles",
                  R"({\rtf1 a\b b\b0 c\ul d\ulnone e\ul0 f\i g\i0 h\uldb i\ul0 j})",
                  {":a", "B:b", ":c", "U:d", ":ef", "I:g", ":h", "U:i", ":j"}},
        ParseCase{"group scope", R"({\rtf1 a{\b\ul b}c})", {":a", "BU:b", ":c"}},
        ParseCase{"plain resets", R"({\rtf1\b\ul a\plain b})", {"BU:a", ":b"}},
        ParseCase{"escapes", R"({\rtf1 \\\{\}x})", {":\\{}x"}},
        ParseCase{"code page bytes", R"({\rtf1 caf\'e9 \'80})", {":café €"}},
        ParseCase{"unicode with fallback", R"({\rtf1\uc1 a\u8364?b\u-3913?c})", {":a€b\uf0b7c"}},
        ParseCase{"unicode two fallbacks", R"({\rtf1\uc2 \u8364\'80\'80x})", {":€x"}},
        ParseCase{"paragraphs", "{\\rtf1 one\\par two\\par\r\n}", {":one", "|", ":two", "|"}},
        ParseCase{"line break", R"({\rtf1 a\line b})", {":a\u2028b"}},
        ParseCase{"frame and object characters dropped", R"({\rtf1 a\u65532?\u64976?b})", {":ab"}},
        ParseCase{"line ends in file are not text", "{\\rtf1 a\r\nb}", {":ab"}},
        ParseCase{"tables skipped",
                  R"({\rtf1\ansi{\fonttbl{\f0\fmodern Courier New;}}{\colortbl;\red0\green0\blue0;})"
                  R"({\stylesheet{\s0 Normal;}}{\info{\author x}}\f0 text})",
                  {":text"}},
        ParseCase{
            "ignorable destination skipped", R"({\rtf1 a{\*\generator Writer;}{\*\unknown {x}y}b})", {":ab"}},
        ParseCase{"unknown words ignored", R"({\rtf1\foo12\barbaz-3 a\qc\sl240 b})", {":ab"}},
        ParseCase{
            "field result kept", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", {":link"}},
        ParseCase{"binary skipped", "{\\rtf1 a{\\*\\x\\bin3 }}}}b}", {":ab"}},
        ParseCase{"symbols", R"({\rtf1 a\tab b\~c\emdash d})", {":a\tb\u00a0c\u2014d"}},
        ParseCase{"truncated file keeps text", R"({\rtf1 abc\b de)", {":abc", "B:de"}}),
    [](const auto& info) {
        std::string n = info.param.name;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

TEST(RtfParser, RefusesWhatIsNotRtf) {
    EXPECT_FALSE(parse("Hello"));
    EXPECT_FALSE(parse(""));
    EXPECT_FALSE(parse("{\\rt"));
    EXPECT_FALSE(parse("{\\pict}"));
}

TEST(RtfParser, RefusesUnreasonableNesting) {
    const QByteArray deep = "{\\rtf1 " + QByteArray(5000, '{') + "x" + QByteArray(5000, '}') + "}";
    EXPECT_FALSE(ParseRtf(deep));
}

TEST(RtfParser, BinaryLengthBeyondTheDataIsSafe) {
    const auto content = parse("{\\rtf1 a{\\pict\\pngblip\\bin99999 abc");
    ASSERT_TRUE(content);
    EXPECT_EQ(runsOf(*content), std::vector<std::string>{":a"});
}

TEST(RtfParser, ReadsWordProcessorPictureAndSkipsItsFallback) {
    const auto content = parse(R"({\rtf1 a{\*\shppict{\pict\pngblip\picw2\pich3\picwgoal300\pichgoal450 )"
                               R"(89504e47}}{\nonshppict{\pict\wmetafile8 0102}}b})");
    ASSERT_TRUE(content);
    ASSERT_EQ(runsOf(*content), (std::vector<std::string>{":a", "[pict]", ":b"}));
    const RtfPiece& pict = content->Pieces()[1];
    EXPECT_EQ(pict.imageData, QByteArray::fromHex("89504e47"));
    EXPECT_EQ(pict.widthTwips, 300);
    EXPECT_EQ(pict.heightTwips, 450);
}

TEST(RtfWriter, WritesFontTableAttributesAndEscapes) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat u = logFormat();
    u.setFontUnderline(true);
    c.insertText(QStringLiteral("a{b}\\ "), logFormat());
    c.insertText(QStringLiteral("under"), u);
    c.insertText(QStringLiteral(" é€\u0411\r\nnext"), logFormat());
    const QByteArray rtf = WriteRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}"));
    EXPECT_TRUE(rtf.contains("\\fs17 "));
    EXPECT_TRUE(rtf.contains("a\\{b\\}\\\\ \\ul under\\ulnone  \\'e9\\'80\\u1041?\\par\r\nnext}"));
}

// Word processors lay the log out on the page the file describes: landscape A4 with half-inch
// margins, where a report line of 147 characters of the log's face (8.5 pt written, each
// character 0.6 of it wide) fits on one line.
TEST(RtfWriter, DescribesALandscapePageWideEnoughForAReportLine) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QString(147, QLatin1Char('8')), logFormat());
    const QByteArray rtf = WriteRtf(doc);
    EXPECT_TRUE(
        rtf.contains("\\paperw16838\\paperh11906\\margl720\\margr720\\margt720\\margb720\\landscape"));
    EXPECT_TRUE(rtf.contains("\\sectd\\lndscpsxn\\pgwsxn16838\\pghsxn11906"));
    const double lineTwips = 147 * 0.6 * 17 / 2.0 * 20;
    EXPECT_LE(lineTwips, 16838 - 2 * 720);
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(rtf, back, logFormat()));
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
}

// A body of our own file keeps the file's bytes; any other file, or one of ours that does not end
// where a body must (every attribute off, the group closing at the last brace), is written anew.
// Either way a file around the body reads as the file did.
TEST(RtfBody, OurOwnFilesKeepTheirBytesOthersAreRewritten) {
    QTextDocument doc;
    writeSampleLog(doc);
    const QByteArray ours = WriteRtf(doc);
    const QByteArray header = RtfHeader();
    const QByteArray tail = ours.mid(header.size());
    const struct {
        const char* name;
        QByteArray file;
        bool kept;
    } cases[] = {
        {"ours", ours, true},
        {"another face", WriteRtf(doc, RtfFont{QStringLiteral("Arial"), 8.25}), false},
        {"underline left on", header + "a\\ul b}\r\n", false},
        {"group closed early", header + "a} b}\r\n", false},
        {"text skipped at the end", header + "a\\info b}\r\n", false},
        {"other unicode count", header + "a\\uc0 b}\r\n", false},
        {"a word processor's", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b Bold\\b0  plain\\par}", false},
    };
    for (const auto& c : cases) {
        const std::optional<RtfBodyBytes> body = RtfBodyOf(c.file);
        ASSERT_TRUE(body.has_value()) << c.name;
        EXPECT_EQ(body->begin > 0, c.kept) << c.name;
        QTextDocument read;
        QTextDocument again;
        ASSERT_TRUE(ReadRtf(c.file, read, logFormat()));
        ASSERT_TRUE(ReadRtf(RtfFile(body->View().toByteArray()), again, logFormat())) << c.name;
        EXPECT_EQ(runsOf(again), runsOf(read)) << c.name;
    }
    EXPECT_EQ(RtfBodyOf(ours)->View(), QByteArrayView(tail).chopped(3));
    EXPECT_FALSE(RtfBodyOf("plain text").has_value());
}

// Bodies joined are one body: the first's last paragraph runs on into the second's first, and
// attributes of the first do not reach into the second.
TEST(RtfBody, JoinedBodiesReadAsOneTextAfterTheOther) {
    QTextDocument first;
    QTextCharFormat under = logFormat();
    under.setFontUnderline(true);
    QTextCursor(&first).insertText(QStringLiteral("a\r\nb"), under);
    QTextDocument second;
    QTextCursor(&second).insertText(QStringLiteral("c\r\nd"), logFormat());
    QTextDocument joined;
    ASSERT_TRUE(ReadRtf(RtfFile(RtfBody(first) + RtfBody(second)), joined, logFormat()));
    EXPECT_EQ(runsOf(joined), (std::vector<std::string>{"U:a", "|", "U:b", ":c", "|", ":d"}));
}

TEST(RtfRoundTrip, KeepsTextUnderlineRunsAndPicture) {
    QTextDocument doc;
    writeSampleLog(doc);
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(doc), back, logFormat()));
    EXPECT_EQ(runsOf(back), runsOf(doc));
    EXPECT_EQ(PlainText(back), PlainText(doc));
    for (QTextBlock block = back.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                const QImage image = ImageOf(back, it.fragment().charFormat().toImageFormat());
                EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32), testPicture());
            }
        }
    }
}

TEST(RtfRoundTrip, KeepsCharactersOutsideTheCodePage) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("Ω ü € \U0001F600 ~"), logFormat());
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(WriteRtf(doc), back, logFormat()));
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
}

TEST(RtfReader, LeavesTheDocumentAloneForBytesThatAreNotRtf) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("kept"));
    EXPECT_FALSE(ReadRtf("plain text", doc, logFormat()));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("kept"));
}

TEST(RtfReader, GivesTextTheLogFont) {
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(R"({\rtf1{\fonttbl{\f0\froman Times;}}\f0\fs40 \b x})", doc, logFormat()));
    const QTextCharFormat f = doc.begin().begin().fragment().charFormat();
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 8.25);
    EXPECT_EQ(f.fontWeight(), QFont::Bold);
}

TEST(PlainTextExport, JoinsLinesWithCrLfAndDropsPictures) {
    QTextDocument doc;
    writeSampleLog(doc);
    const QString text = PlainText(doc);
    EXPECT_TRUE(text.startsWith(QStringLiteral("  Dist     Frq    BaseH   MobilH\r\n      10")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Metric\r\n[Clip Board Image]\r\n")));
    EXPECT_FALSE(text.contains(QChar::ObjectReplacementCharacter));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 5);
}

// Our log as a word processor saves it again: its style sheet, fonts, picture with a metafile
// fallback and many unknown control words around the same text and underlines.
TEST(RtfReader, ReadsTheLogAsAWordProcessorWroteIt) {
    QFile file(QStringLiteral(RTF_SAMPLES "/libreoffice_log.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(file.readAll(), doc, logFormat()));
    const std::vector<std::string> expected = {
        "BU:  Dist     Frq    BaseH   MobilH    Area      City     OHDavLs  C231Ls",
        "|",
        ":      10     450     100     1.5 Urban     Small/Medium",
        "U: OUTRANGE1 ",
        ": 150.03 café € Б {braces} back\\slash",
        "U: OUTRANGE2 ",
        "|",
        "[pict 64x32]",
        ":[Clip Board Image]",
        "|"};
    EXPECT_EQ(runsOf(doc), expected);
}

TEST(Cp1252, MapsTheWesternCodePageAndReplacesTheRest) {
    EXPECT_EQ(ToCp1252(QStringLiteral("a\u00e9\u20ac\u2014\u0411")), QByteArray("a\xe9\x80\x97?"));
    EXPECT_EQ(Cp1252ToChar(0x80), QChar(0x20AC));
    EXPECT_EQ(Cp1252ToChar(0xE9), QChar(0xE9));
}
