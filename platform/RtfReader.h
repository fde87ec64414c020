#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCursor>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class QByteArray;
class QTextCharFormat;
class QTextDocument;

// Qt reads no RTF, so this renders the code page 1252 RTF that the instructions window is
// given: groups, the font and colour tables, bold, font sizes, colours, paragraphs and the
// special characters. Everything else is skipped. Malformed input never crashes it: the work
// is one linear pass without recursion, and group nesting is capped.
class TRtfReader
{
public:
    // Replaces the document's contents with the text and formatting of Rtf.
    static void Load(QTextDocument& Document, const QByteArray& Rtf);

    // Groups nested deeper than this share the deepest recorded state, which is restored as
    // they close; they are still counted so that the braces keep balancing.
    static constexpr std::size_t MaxDepth = 1024;

private:
    enum TDestination : std::uint8_t
    {
        dsText,
        dsFontTable,
        dsColorTable,
        dsSkip
    };

    struct TCharState
    {
        bool Bold = false;
        int FontSize = 24;   // half-points
        int ColorIndex = -1; // -1: the default text colour
        int FontIndex = -1;  // -1: the document's default font
        bool operator==(const TCharState&) const = default;
    };

    struct TGroupState
    {
        TDestination Destination = dsText;
        int UnicodeSkip = 1;
        TCharState Char;
    };

    TRtfReader(QTextDocument& Document, const QByteArray& Rtf);

    void Run();
    bool AtEnd() const { return FPos >= FRtf.size(); }
    char Peek(qsizetype Ahead = 0) const;
    TGroupState& State() { return FStack.back(); }
    bool InGroup() const { return FStack.size() > 1 || FOverflowDepth > 0; }

    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    int ReadParameter(bool& HasParam);
    void ReadHexByte();
    void HandleSymbol(char Symbol);
    void HandleWord(std::string_view Word, bool HasParam, int Param);
    bool StartDestination(std::string_view Word);
    bool SetTableEntry(std::string_view Word, int Param);
    bool SetCharFormat(std::string_view Word, bool HasParam, int Param);
    void SkipBinary(int Count);

    void AddByte(unsigned char Byte);
    void AddUnicode(int Param);
    void AddText(char32_t Char);
    void AppendRun(char32_t Char);
    void CommitFont();
    void CommitColor();
    void Flush();
    void EndParagraph();
    QTextCharFormat CharFormat(const TCharState& Char) const;

    const QByteArray& FRtf;
    qsizetype FPos = 0;
    QTextCursor FCursor;

    std::vector<TGroupState> FStack;
    int FOverflowDepth = 0;
    TGroupState FOverflowSaved;
    int FSkipChars = 0;

    QHash<int, QString> FFonts;
    int FDefaultFont = 0;
    int FFontIndex = 0;
    QString FFontName;

    std::vector<QColor> FColors;
    int FRed = 0;
    int FGreen = 0;
    int FBlue = 0;
    bool FColorGiven = false;

    QString FText;
    TCharState FTextChar;
};
