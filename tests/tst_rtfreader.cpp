#include "platform/RtfReader.h"

#include <QFont>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <optional>

namespace {

const QString Title = QStringLiteral("Quorvan KX-2040 Series Settings Program");
const QColor Grey(64, 64, 64);
const QColor Yellow(255, 255, 64);
const QColor Blue(64, 64, 255);
const QColor Red(255, 64, 64);

// The instructions document as the setup supporter assembles it, piece by piece.
QByteArray InstructionsRtf(bool Series = true, bool MultiPort = false, bool CardHandler = false)
{
    const QByteArray card = "KX-2040";
    QByteArray rtf =
        R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
        R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;)"
        R"(\red255\green64\blue64;}\viewkind4\uc1\pard\f0\fs32\cf0)"
        "\r\n"
        R"({\b )";
    rtf += "Quorvan";
    rtf += ' ';
    rtf += card;
    if (Series)
        rtf += " Series";
    rtf += R"( Settings Program}\par\par\fs24)"
           "\r\n";
    rtf += "This program will help you configure the option jumpers and settings associated with "
           "this product. You should have the product in-hand when first using this "
           R"(program.\par\par)"
           "\r\n";
    rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and )"
           R"(switches.\par\par)"
           "\r\n";
    rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on )"
           R"(standard and optional features of the product family.\par\par)"
           "\r\n";
    rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that )"
           "require actually controlling the hardware device. Run this settings program again "
           "once the card is installed. ";
    rtf += R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this )"
           R"(program, then perform the {\cf3 calibration circles}.\par\par)"
           "\r\n";
    rtf += "Mouse over the highlight circles to see configuration or information popups for "
           R"({\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight circle )"
           "to make its popup remain on-screen. ";
    rtf += "You can have all or as many of these popups onscreen at the same time as you "
           R"(desire.\par\par)"
           "\r\n";
    if (MultiPort) {
        rtf += R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  )"
               "the configuration options for each port are handled identically; ";
        rtf += "this program only shows the setup once, but you need to perform this setup for "
               R"(each group of options on your device.\par\par)"
               "\r\n";
    }
    if (CardHandler) {
        rtf += "To see a list of " + card + " cards installed, click \"Display " + card +
               " Cards Installed\" under the File menu." + R"(\par\par)" + "\r\n";
    }
    rtf += "}";
    return rtf;
}

QStringList BlockTexts(const QTextDocument& Document)
{
    QStringList texts;
    for (QTextBlock block = Document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The format of the fragment whose text is exactly Text: a run of one format.
std::optional<QTextCharFormat> FragmentFormat(const QTextDocument& Document, const QString& Text)
{
    for (QTextBlock block = Document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == Text)
                return it.fragment().charFormat();
        }
    }
    return std::nullopt;
}

QString Loaded(const QByteArray& Rtf)
{
    QTextDocument document;
    TRtfReader::Load(document, Rtf);
    return document.toRawText();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void title();
    void paragraphs_data();
    void paragraphs();
    void runFormats_data();
    void runFormats();
    void noteAfterEmdash();
    void characters_data();
    void characters();
    void fontSizes_data();
    void fontSizes();
    void bold_data();
    void bold();
    void colors_data();
    void colors();
    void fonts_data();
    void fonts();
    void replacesContents();
    void robustness_data();
    void robustness();
    void truncatedDocument();
    void deepNesting_data();
    void deepNesting();
};

void TestRtfReader::title()
{
    QTextDocument document;
    TRtfReader::Load(document, InstructionsRtf());

    const QTextBlock first = document.begin();
    QCOMPARE(first.text(), Title);
    int fragments = 0;
    for (auto it = first.begin(); !it.atEnd(); ++it, ++fragments) {
        const QTextCharFormat format = it.fragment().charFormat();
        const QString where = it.fragment().text();
        QVERIFY2(format.fontWeight() == QFont::Bold, qPrintable(where));
        QCOMPARE(format.fontPointSize(), 16.0);
        QCOMPARE(format.foreground().color(), Grey);
        QCOMPARE(format.font().family(), QStringLiteral("Verdana"));
    }
    QVERIFY(fragments > 0);
}

void TestRtfReader::paragraphs_data()
{
    QTest::addColumn<bool>("series");
    QTest::addColumn<bool>("multiPort");
    QTest::addColumn<bool>("cardHandler");
    QTest::addColumn<QStringList>("expected");

    const QStringList head = {
        Title,
        "",
        "This program will help you configure the option jumpers and settings associated with "
        "this product. You should have the product in-hand when first using this program.",
        "",
        "Yellow circles provide information on configuring jumpers and switches.",
        "",
        "Blue circles are informational only. They provide information on standard and optional "
        "features of the product family.",
        "",
        "Red circles handle calibration and types of configuration that require actually "
        "controlling the hardware device. Run this settings program again once the card is "
        "installed. Repeat the setup circles (using the same settings) to configure this "
        "program, then perform the calibration circles.",
        "",
        "Mouse over the highlight circles to see configuration or information popups for setup, "
        "features, and calibration. Click a highlight circle to make its popup remain on-screen. "
        "You can have all or as many of these popups onscreen at the same time as you desire.",
        "",
    };
    const QStringList note = {
        QString::fromUtf16(u"Note: Make sure to set the jumpers for each option group \u2014 the "
                           u"configuration options for each port are handled identically; this "
                           u"program only shows the setup once, but you need to perform this "
                           u"setup for each group of options on your device."),
        "",
    };
    const QStringList cards = {
        "To see a list of KX-2040 cards installed, click \"Display KX-2040 Cards Installed\" "
        "under the File menu.",
        "",
    };
    QStringList noSeries = head;
    noSeries[0] = "Quorvan KX-2040 Settings Program";

    QTest::newRow("this board") << true << false << false << head + QStringList{""};
    QTest::newRow("no series word") << false << false << false << noSeries + QStringList{""};
    QTest::newRow("multi-port") << true << true << false << head + note + QStringList{""};
    QTest::newRow("card handler") << true << false << true << head + cards + QStringList{""};
    QTest::newRow("both") << true << true << true << head + note + cards + QStringList{""};
}

void TestRtfReader::paragraphs()
{
    QFETCH(bool, series);
    QFETCH(bool, multiPort);
    QFETCH(bool, cardHandler);
    QFETCH(QStringList, expected);

    QTextDocument document;
    TRtfReader::Load(document, InstructionsRtf(series, multiPort, cardHandler));
    QCOMPARE(BlockTexts(document), expected);
}

void TestRtfReader::runFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");

    QTest::newRow("body") << "This program will help you configure the option jumpers and "
                             "settings associated with this product. You should have the "
                             "product in-hand when first using this program."
                          << false << Grey;
    QTest::newRow("yellow circles") << "Yellow circles" << true << Yellow;
    QTest::newRow("blue circles") << "Blue circles" << true << Blue;
    QTest::newRow("red circles") << "Red circles" << true << Red;
    QTest::newRow("group state restored")
        << " provide information on configuring jumpers and switches." << false << Grey;
    QTest::newRow("setup circles") << "setup circles" << false << Yellow;
    QTest::newRow("calibration circles") << "calibration circles" << false << Red;
    QTest::newRow("features") << "features" << false << Blue;
}

void TestRtfReader::runFormats()
{
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(QColor, color);

    QTextDocument document;
    TRtfReader::Load(document, InstructionsRtf());
    const std::optional<QTextCharFormat> format = FragmentFormat(document, text);
    QVERIFY2(format, "no run of exactly this text and one format");
    QCOMPARE(format->fontWeight() == QFont::Bold, bold);
    QCOMPARE(format->fontPointSize(), 12.0);
    QCOMPARE(format->foreground().color(), color);
    QCOMPARE(format->font().family(), QStringLiteral("Verdana"));
}

void TestRtfReader::noteAfterEmdash()
{
    QTextDocument document;
    TRtfReader::Load(document, InstructionsRtf(true, true, false));

    const std::optional<QTextCharFormat> note = FragmentFormat(document, "Note:");
    QVERIFY2(note, "the note heading is not a run of its own");
    QCOMPARE(note->fontWeight(), int(QFont::Bold));
    QCOMPARE(note->fontPointSize(), 16.0);
    const QString text = document.toRawText();
    QVERIFY2(text.contains(QString::fromUtf16(u"group \u2014 the configuration")),
             "the emdash must be followed by exactly one blank");
}

void TestRtfReader::characters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hex plus-minus") << QByteArray(R"(\'b1 5V)") << QString::fromUtf16(u"\u00B1 5V");
    QTest::newRow("hex upper case") << QByteArray(R"(\'B1)") << QString::fromUtf16(u"\u00B1");
    QTest::newRow("hex cp1252 range")
        << QByteArray(R"(\'93q\'94 \'80\'85)") << QString::fromUtf16(u"\u201Cq\u201D \u20AC\u2026");
    QTest::newRow("hex unassigned in cp1252")
        << QByteArray(R"(\'81)") << QString::fromUtf16(u"\uFFFD");
    QTest::newRow("hex invalid") << QByteArray(R"(\'zz)") << "zz";
    QTest::newRow("raw high byte") << QByteArray("caf\xe9") << QString::fromUtf16(u"caf\u00E9");
    QTest::newRow("raw cp1252 byte") << QByteArray("\x96") << QString::fromUtf16(u"\u2013");
    QTest::newRow("escaped literals") << QByteArray(R"(\\ \{ \})") << R"(\ { })";
    QTest::newRow("non-breaking space") << QByteArray(R"(a\~b)") << QString::fromUtf16(u"a\u00A0b");
    QTest::newRow("quotes") << QByteArray(R"(\lquote a\rquote  \ldblquote b\rdblquote)")
                            << QString::fromUtf16(u"\u2018a\u2019 \u201Cb\u201D");
    QTest::newRow("dashes and bullet") << QByteArray(R"(\emdash  x\endash y\bullet z)")
                                       << QString::fromUtf16(u"\u2014 x\u2013y\u2022z");
    QTest::newRow("tab and line") << QByteArray(R"(a\tab b\line c)")
                                  << QString::fromUtf16(u"a\tb\u2028c");
    QTest::newRow("par") << QByteArray(R"(a\par b)") << QString::fromUtf16(u"a\u2029b");
    QTest::newRow("backslash newline") << QByteArray("a\\\nb") << QString::fromUtf16(u"a\u2029b");
    QTest::newRow("cr lf not text") << QByteArray("a\r\nb\nc\rd") << "abcd";
    QTest::newRow("control word ends at digit run") << QByteArray(R"(\fs24x)") << "x";
    QTest::newRow("unicode with fallback")
        << QByteArray(R"(\u8212?x)") << QString::fromUtf16(u"\u2014x");
    QTest::newRow("unicode negative") << QByteArray(R"(\u-3913?)") << QString::fromUtf16(u"\uF0B7");
    QTest::newRow("unicode surrogate pair")
        << QByteArray(R"(\u-10179?\u-8694?)") << QString::fromUtf16(u"\U0001F60A");
    QTest::newRow("uc0") << QByteArray(R"(\uc0\u8212 x)") << QString::fromUtf16(u"\u2014x");
    QTest::newRow("uc2 hex fallback")
        << QByteArray(R"(\uc2\u8212\'97\'97x)") << QString::fromUtf16(u"\u2014x");
    QTest::newRow("fallback skip ends with group")
        << QByteArray(R"({\uc3\u8212}ab\u8211?c)") << QString::fromUtf16(u"\u2014ab\u2013c");
    QTest::newRow("unknown word") << QByteArray(R"(a\foo123 b)") << "ab";
    QTest::newRow("ignorable destination") << QByteArray(R"(a{\*\shppict hidden}b)") << "ab";
    QTest::newRow("info skipped") << QByteArray(R"({\info{\title T}{\author A}}x)") << "x";
    QTest::newRow("field instruction skipped")
        << QByteArray(R"({\field{\*\fldinst HYPERLINK x}{\fldrslt shown}})") << "shown";
    QTest::newRow("binary data skipped") << QByteArray(R"(a\bin2 \\b)") << "ab";
    QTest::newRow("binary braces in picture") << QByteArray(R"(a{\pict\bin3 }{\}b)") << "ab";
    QTest::newRow("binary beyond end") << QByteArray(R"(a\bin999 xyz)") << "a";
    QTest::newRow("binary negative") << QByteArray(R"(a\bin-5 b)") << "ab";
    QTest::newRow("tables are not text")
        << QByteArray(R"({\fonttbl{\f0 Verdana;}}{\colortbl;\red1\green2\blue3;}x)") << "x";
    QTest::newRow("destination outside groups ignored") << QByteArray(R"(\info a\*b)") << "ab";
}

void TestRtfReader::characters()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);

    QCOMPARE(Loaded(rtf), expected);
}

void TestRtfReader::fontSizes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<qreal>("points");

    QTest::newRow("default") << QByteArray("x") << 12.0;
    QTest::newRow("fs32") << QByteArray(R"(\fs32 x)") << 16.0;
    QTest::newRow("fs24") << QByteArray(R"(\fs32\fs24 x)") << 12.0;
    QTest::newRow("odd half-points") << QByteArray(R"(\fs3 x)") << 1.5;
    QTest::newRow("restored at group end") << QByteArray(R"({\fs40 a}x)") << 12.0;
    QTest::newRow("plain resets") << QByteArray(R"(\fs40\plain x)") << 12.0;
    QTest::newRow("zero") << QByteArray(R"(\fs32\fs0 x)") << 12.0;
    QTest::newRow("no parameter") << QByteArray(R"(\fs32\fs x)") << 12.0;
    QTest::newRow("negative") << QByteArray(R"(\fs-4 x)") << 12.0;
    QTest::newRow("huge clamped") << QByteArray(R"(\fs99999999999999999999 x)") << 1638.0;
}

void TestRtfReader::fontSizes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(qreal, points);

    QTextDocument document;
    TRtfReader::Load(document, rtf);
    const std::optional<QTextCharFormat> format = FragmentFormat(document, "x");
    QVERIFY(format);
    QCOMPARE(format->fontPointSize(), points);
}

void TestRtfReader::bold_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<bool>("bold");

    QTest::newRow("default") << QByteArray("x") << false;
    QTest::newRow("on") << QByteArray(R"(\b x)") << true;
    QTest::newRow("on with 1") << QByteArray(R"(\b1 x)") << true;
    QTest::newRow("off") << QByteArray(R"(\b\b0 x)") << false;
    QTest::newRow("restored at group end") << QByteArray(R"(\b{\b0 a}x)") << true;
    QTest::newRow("plain resets") << QByteArray(R"(\b\plain x)") << false;
}

void TestRtfReader::bold()
{
    QFETCH(QByteArray, rtf);
    QFETCH(bool, bold);

    QTextDocument document;
    TRtfReader::Load(document, rtf);
    const std::optional<QTextCharFormat> format = FragmentFormat(document, "x");
    QVERIFY(format);
    QCOMPARE(format->fontWeight() == QFont::Bold, bold);
}

void TestRtfReader::colors_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QColor>("color"); // invalid: the default text colour

    const QByteArray table = R"({\colortbl\red64\green64\blue64;\red255\green0\blue0;})";
    const QByteArray autoTable = R"({\colortbl;\red1\green2\blue3;})";
    QTest::newRow("no cf") << table + "x" << QColor();
    QTest::newRow("cf0 first entry") << table + R"(\cf0 x)" << QColor(64, 64, 64);
    QTest::newRow("cf1") << table + R"(\cf1 x)" << QColor(255, 0, 0);
    QTest::newRow("restored at group end") << table + R"(\cf1{\cf0 a}x)" << QColor(255, 0, 0);
    QTest::newRow("plain resets") << table + R"(\cf1\plain x)" << QColor();
    QTest::newRow("past the table") << table + R"(\cf2 x)" << QColor();
    QTest::newRow("negative") << table + R"(\cf-1 x)" << QColor();
    QTest::newRow("huge") << table + R"(\cf99999999999999999999 x)" << QColor();
    QTest::newRow("huge negative") << table + R"(\cf-99999999999999999999 x)" << QColor();
    QTest::newRow("no table") << QByteArray(R"(\cf1 x)") << QColor();
    QTest::newRow("auto entry") << autoTable + R"(\cf0 x)" << QColor();
    QTest::newRow("after auto entry") << autoTable + R"(\cf1 x)" << QColor(1, 2, 3);
    QTest::newRow("components clamped")
        << QByteArray(R"({\colortbl\red300\green-5\blue7;}\cf0 x)") << QColor(255, 0, 7);
}

void TestRtfReader::colors()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QColor, color);

    QTextDocument document;
    TRtfReader::Load(document, rtf);
    const std::optional<QTextCharFormat> format = FragmentFormat(document, "x");
    QVERIFY(format);
    if (color.isValid())
        QCOMPARE(format->foreground().color(), color);
    else
        QVERIFY2(!format->hasProperty(QTextFormat::ForegroundBrush),
                 qPrintable(format->foreground().color().name()));
}

void TestRtfReader::fonts_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("families"); // empty: no family set

    const QByteArray table =
        R"({\fonttbl{\f0\fswiss Verdana;}{\f1\froman\fcharset0 Times New Roman;}})";
    const QStringList verdana{"Verdana"};
    const QStringList times{"Times New Roman"};
    QTest::newRow("default font") << "{\\deff0" + table + "x}" << verdana;
    QTest::newRow("other default font") << "{\\deff1" + table + "x}" << times;
    QTest::newRow("selected") << table + R"(\f1 x)" << times;
    QTest::newRow("restored at group end") << table + R"(\f1{\f0 a}x)" << times;
    QTest::newRow("plain resets") << table + R"(\f1\plain x)" << verdana;
    QTest::newRow("unknown index") << table + R"(\f7 x)" << verdana;
    QTest::newRow("negative index") << table + R"(\f-1 x)" << verdana;
    QTest::newRow("no default entry") << QByteArray(R"({\fonttbl{\f1 Times;}}x)") << QStringList();
    QTest::newRow("entries without groups")
        << QByteArray(R"({\fonttbl\f0 Arial;\f1 Courier;}\f1 x)") << QStringList{"Courier"};
    QTest::newRow("entry without semicolon")
        << QByteArray(R"({\fonttbl{\f0 Arial}}x)") << QStringList{"Arial"};
    QTest::newRow("alternative name skipped")
        << QByteArray(R"({\fonttbl{\f0 Arial{\*\falt Helv};}}x)") << QStringList{"Arial"};
    QTest::newRow("name from hex bytes") << QByteArray(R"({\fonttbl{\f0 Caf\'e9;}}x)")
                                         << QStringList{QString::fromUtf16(u"Caf\u00E9")};
}

void TestRtfReader::fonts()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, families);

    QTextDocument document;
    TRtfReader::Load(document, rtf);
    const std::optional<QTextCharFormat> format = FragmentFormat(document, "x");
    QVERIFY(format);
    if (families.isEmpty())
        QVERIFY2(!format->hasProperty(QTextFormat::FontFamilies),
                 qPrintable(format->font().family()));
    else
        QCOMPARE(format->fontFamilies().toStringList(), families);
}

void TestRtfReader::replacesContents()
{
    QTextDocument document;
    document.setPlainText("old text\nin two paragraphs");
    TRtfReader::Load(document, R"({\rtf1 new\par text})");
    QCOMPARE(BlockTexts(document), QStringList({"new", "text"}));
    QVERIFY2(!document.isUndoAvailable(), "loading must not be undoable");
}

void TestRtfReader::robustness_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("only groups") << QByteArray("{}{{}}") << "";
    QTest::newRow("extra closing braces") << QByteArray(R"(}}a}b{\b c}}})") << "abc";
    QTest::newRow("missing closing braces") << QByteArray(R"({\rtf1{\b a{\i b)") << "ab";
    QTest::newRow("garbage bytes") << QByteArray("a\0b\xff\x01\x7f"
                                                 "c",
                                                 7)
                                   << QString::fromUtf16(u"ab\u00FF\u007Fc");
    QTest::newRow("nul inside control word") << QByteArray("\\b\0x", 4) << "x";
    QTest::newRow("100000 opening braces") << QByteArray(100000, '{') + "deep"
                                           << "deep";
    QTest::newRow("100000 closing braces") << QByteArray(100000, '}') + "x"
                                           << "x";
    QTest::newRow("skipped group never closed")
        << QByteArray("a{\\*") + QByteArray(100000, '{') + "x"
        << "a";
    QTest::newRow("huge font size") << QByteArray(R"({\fs99999999999999999999 big})") << "big";
    QTest::newRow("huge negative parameter") << QByteArray(R"(\fs-99999999999999999999 x)") << "x";
    QTest::newRow("cf negative") << QByteArray(R"({\colortbl\red1;}\cf-1 x)") << "x";
    QTest::newRow("cf huge") << QByteArray(R"({\colortbl\red1;}\cf99999999999999999999 x)") << "x";
    QTest::newRow("huge unicode") << QByteArray(R"(\u99999999999?x)")
                                  << QString::fromUtf16(u"\uFFFDx");
    QTest::newRow("huge negative unicode")
        << QByteArray(R"(\u-99999999999?x)") << QString::fromUtf16(u"\uFFFDx");
    QTest::newRow("huge fallback count") << QByteArray(R"(\uc99999999999\u65 abc)") << "A";
    QTest::newRow("huge binary count") << QByteArray(R"(a\bin99999999999999 b)") << "a";
    QTest::newRow("unicode zero") << QByteArray(R"(\u0 x)") << "";
    QTest::newRow("lone backslash at end") << QByteArray("abc\\") << "abc";
    QTest::newRow("hex cut short") << QByteArray(R"(a\')") << "a";
    QTest::newRow("hex one digit") << QByteArray(R"(a\'4)") << "a";
    QTest::newRow("minus without digits") << QByteArray(R"(\fs- x)") << "- x";
    QTest::newRow("long control word") << QByteArray("\\") + QByteArray(100000, 'a') + " x"
                                       << "x";
    QTest::newRow("long parameter") << QByteArray("\\fs") + QByteArray(100000, '9') + " x"
                                    << "x";
    QTest::newRow("font table never closed") << QByteArray(R"({\fonttbl{\f0 Verd)") << "";
    QTest::newRow("long font name")
        << QByteArray(R"({\fonttbl{\f0 )") + QByteArray(100000, 'n') + ";}}x"
        << "x";
    QTest::newRow("plain text") << QByteArray("just text") << "just text";
}

void TestRtfReader::robustness()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);

    QCOMPARE(Loaded(rtf), expected);
}

void TestRtfReader::truncatedDocument()
{
    // Whatever the cut, the text read so far is the start of the whole document's text. Only a
    // trailing paragraph end may be new: a cut can turn "\pard" into "\par".
    const QByteArray rtf = InstructionsRtf(true, true, true);
    const QString full = Loaded(rtf);
    QVERIFY(full.startsWith(Title));
    for (qsizetype length = 0; length < rtf.size(); ++length) {
        QString text = Loaded(rtf.left(length));
        while (text.endsWith(QChar::ParagraphSeparator))
            text.chop(1);
        QVERIFY2(full.startsWith(text),
                 qPrintable(QStringLiteral("cut at %1: %2").arg(length).arg(text.right(40))));
    }
}

void TestRtfReader::deepNesting_data()
{
    QTest::addColumn<QByteArray>("rtf");

    const qsizetype cap = qsizetype(TRtfReader::MaxDepth);
    QTest::newRow("below the cap")
        << QByteArray(cap - 2, '{') + R"({\b\fs48 deep} after)" + QByteArray(cap - 2, '}');
    QTest::newRow("just beyond the cap")
        << QByteArray(cap - 1, '{') + R"({\b\fs48 deep} after)" + QByteArray(cap - 1, '}');
    QTest::newRow("far beyond the cap")
        << "{" + QByteArray(100000, '{') + R"(\b\fs48 deep)" + QByteArray(100000, '}') + " after}";
}

void TestRtfReader::deepNesting()
{
    QFETCH(QByteArray, rtf);

    QTextDocument document;
    TRtfReader::Load(document, rtf);
    QCOMPARE(document.toRawText(), QStringLiteral("deep after"));
    const std::optional<QTextCharFormat> deep = FragmentFormat(document, "deep");
    QVERIFY(deep);
    QCOMPARE(deep->fontWeight(), int(QFont::Bold));
    QCOMPARE(deep->fontPointSize(), 24.0);
    const std::optional<QTextCharFormat> after = FragmentFormat(document, " after");
    QVERIFY2(after, "the state inside the deep groups leaked out of them");
    QCOMPARE(after->fontWeight(), int(QFont::Normal));
    QCOMPARE(after->fontPointSize(), 12.0);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
