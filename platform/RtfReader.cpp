#include "platform/RtfReader.h"

#include <QByteArray>
#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int DefaultFontSize = 24;
// 1638 point: anything larger is no real text and only stalls the layout.
constexpr int MaxFontSize = 3276;
constexpr qsizetype MaxFontNameLength = 256;
constexpr char32_t ReplacementChar = 0xFFFD;

// Code page 1252 differs from Latin-1 only in 0x80 to 0x9F; its five unassigned bytes become
// the replacement character.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

constexpr std::pair<std::string_view, char32_t> CharacterWords[] = {
    {"tab", U'\t'},     {"line", 0x2028},      {"emdash", 0x2014},
    {"endash", 0x2013}, {"bullet", 0x2022},    {"lquote", 0x2018},
    {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
};

// Destinations whose text never belongs to the document.
constexpr std::string_view SkippedDestinations[] = {"info",
                                                    "stylesheet",
                                                    "pict",
                                                    "object",
                                                    "header",
                                                    "headerl",
                                                    "headerr",
                                                    "headerf",
                                                    "footer",
                                                    "footerl",
                                                    "footerr",
                                                    "footerf",
                                                    "footnote",
                                                    "annotation",
                                                    "fldinst",
                                                    "listtable",
                                                    "listoverridetable",
                                                    "rsidtbl",
                                                    "revtbl",
                                                    "filetbl",
                                                    "private",
                                                    "comment"};

bool IsLetter(char C)
{
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}

int HexValue(char C)
{
    if (IsDigit(C))
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

char32_t FromCp1252(unsigned char Byte)
{
    if (Byte >= 0x80 && Byte <= 0x9F)
        return Cp1252High[Byte - 0x80];
    return Byte;
}

void AppendCodePoint(QString& Text, char32_t Char)
{
    if (QChar::requiresSurrogates(Char)) {
        Text.append(QChar(QChar::highSurrogate(Char)));
        Text.append(QChar(QChar::lowSurrogate(Char)));
    } else {
        Text.append(QChar(char16_t(Char)));
    }
}

} // namespace

void TRtfReader::Load(QTextDocument& Document, const QByteArray& Rtf)
{
    // Loading is not an edit the user could undo; switching undo off also spares the memory.
    const bool undo = Document.isUndoRedoEnabled();
    Document.setUndoRedoEnabled(false);
    Document.clear();
    TRtfReader reader(Document, Rtf);
    reader.Run();
    Document.setUndoRedoEnabled(undo);
}

TRtfReader::TRtfReader(QTextDocument& Document, const QByteArray& Rtf)
    : FRtf(Rtf), FCursor(&Document), FStack(1)
{
}

void TRtfReader::Run()
{
    FCursor.beginEditBlock();
    while (!AtEnd()) {
        const char c = FRtf[FPos++];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
            break;
        default:
            AddByte(static_cast<unsigned char>(c));
            break;
        }
    }
    Flush();
    FCursor.endEditBlock();
}

char TRtfReader::Peek(qsizetype Ahead) const
{
    return FPos + Ahead < FRtf.size() ? FRtf[FPos + Ahead] : '\0';
}

void TRtfReader::OpenGroup()
{
    FSkipChars = 0;
    if (FStack.size() < MaxDepth) {
        FStack.push_back(FStack.back());
        return;
    }
    if (FOverflowDepth == 0)
        FOverflowSaved = FStack.back();
    ++FOverflowDepth;
}

void TRtfReader::CloseGroup()
{
    FSkipChars = 0;
    if (FOverflowDepth > 0) {
        if (--FOverflowDepth == 0)
            FStack.back() = FOverflowSaved;
        return;
    }
    // An unmatched '}' would otherwise pop the document's own state.
    if (FStack.size() == 1)
        return;
    // Some writers end a font table entry with its group instead of a ';'.
    if (FStack.back().Destination == dsFontTable)
        CommitFont();
    FStack.pop_back();
}

void TRtfReader::ReadControl()
{
    if (AtEnd())
        return;
    const char first = Peek();
    if (!IsLetter(first)) {
        ++FPos;
        HandleSymbol(first);
        return;
    }
    const qsizetype start = FPos;
    while (IsLetter(Peek()))
        ++FPos;
    const std::string_view word(FRtf.constData() + start, std::size_t(FPos - start));
    bool hasParam = false;
    const int param = ReadParameter(hasParam);
    // The blank that delimits a control word is part of it, not text.
    if (Peek() == ' ')
        ++FPos;
    HandleWord(word, hasParam, param);
}

int TRtfReader::ReadParameter(bool& HasParam)
{
    bool negative = false;
    if (Peek() == '-' && IsDigit(Peek(1))) {
        negative = true;
        ++FPos;
    }
    // Saturate instead of overflowing; the digits are still consumed.
    std::int64_t value = 0;
    while (IsDigit(Peek())) {
        value = std::min<std::int64_t>(value * 10 + (Peek() - '0'), INT_MAX);
        ++FPos;
        HasParam = true;
    }
    return static_cast<int>(negative ? -value : value);
}

void TRtfReader::ReadHexByte()
{
    const int high = HexValue(Peek());
    if (high < 0)
        return;
    ++FPos;
    const int low = HexValue(Peek());
    if (low < 0)
        return;
    ++FPos;
    AddByte(static_cast<unsigned char>(high * 16 + low));
}

void TRtfReader::HandleSymbol(char Symbol)
{
    if (Symbol == '\'') {
        ReadHexByte();
        return;
    }
    if (FSkipChars > 0) {
        --FSkipChars;
        return;
    }
    switch (Symbol) {
    case '\\':
    case '{':
    case '}':
        AddText(static_cast<unsigned char>(Symbol));
        break;
    case '~':
        AddText(0x00A0);
        break;
    case '-':
        AddText(0x00AD);
        break;
    case '_':
        AddText(0x2011);
        break;
    case '*':
        if (InGroup())
            State().Destination = dsSkip;
        break;
    case '\r':
    case '\n':
        EndParagraph();
        break;
    default:
        break;
    }
}

void TRtfReader::HandleWord(std::string_view Word, bool HasParam, int Param)
{
    // Binary data may hold any byte, braces included, so it is stepped over even when skipped.
    if (Word == "bin") {
        SkipBinary(Param);
        return;
    }
    if (FSkipChars > 0) {
        --FSkipChars;
        return;
    }
    if (State().Destination == dsSkip)
        return;
    if (Word == "u") {
        AddUnicode(Param);
        return;
    }
    if (Word == "par") {
        EndParagraph();
        return;
    }
    if (StartDestination(Word) || SetTableEntry(Word, Param) ||
        SetCharFormat(Word, HasParam, Param))
        return;
    const auto* const character =
        std::find_if(std::begin(CharacterWords), std::end(CharacterWords),
                     [Word](const auto& Entry) { return Entry.first == Word; });
    if (character != std::end(CharacterWords))
        AddText(character->second);
}

bool TRtfReader::StartDestination(std::string_view Word)
{
    // A destination outside every group would swallow the rest of the document.
    if (!InGroup())
        return false;
    TGroupState& state = State();
    if (Word == "fonttbl") {
        state.Destination = dsFontTable;
        FFontIndex = 0;
        FFontName.clear();
        return true;
    }
    if (Word == "colortbl") {
        state.Destination = dsColorTable;
        FColors.clear();
        FColorGiven = false;
        FRed = FGreen = FBlue = 0;
        return true;
    }
    if (std::find(std::begin(SkippedDestinations), std::end(SkippedDestinations), Word) !=
        std::end(SkippedDestinations)) {
        state.Destination = dsSkip;
        return true;
    }
    return false;
}

bool TRtfReader::SetTableEntry(std::string_view Word, int Param)
{
    const TDestination destination = State().Destination;
    if (destination == dsFontTable && Word == "f") {
        FFontIndex = Param;
        FFontName.clear();
        return true;
    }
    if (destination != dsColorTable)
        return false;
    int* const component = Word == "red"     ? &FRed
                           : Word == "green" ? &FGreen
                           : Word == "blue"  ? &FBlue
                                             : nullptr;
    if (!component)
        return false;
    *component = std::clamp(Param, 0, 255);
    FColorGiven = true;
    return true;
}

bool TRtfReader::SetCharFormat(std::string_view Word, bool HasParam, int Param)
{
    TGroupState& state = State();
    if (Word == "b") {
        state.Char.Bold = !HasParam || Param != 0;
    } else if (Word == "fs") {
        state.Char.FontSize = Param > 0 ? std::min(Param, MaxFontSize) : DefaultFontSize;
    } else if (Word == "cf") {
        state.Char.ColorIndex = Param;
    } else if (Word == "f") {
        state.Char.FontIndex = Param;
    } else if (Word == "plain") {
        state.Char = TCharState();
    } else if (Word == "deff") {
        FDefaultFont = Param;
    } else if (Word == "uc") {
        state.UnicodeSkip = std::max(Param, 0);
    } else {
        return false;
    }
    return true;
}

void TRtfReader::SkipBinary(int Count)
{
    FPos += std::min<qsizetype>(std::max(Count, 0), FRtf.size() - FPos);
}

void TRtfReader::AddByte(unsigned char Byte)
{
    if (FSkipChars > 0) {
        --FSkipChars;
        return;
    }
    AddText(FromCp1252(Byte));
}

void TRtfReader::AddUnicode(int Param)
{
    // The parameter is a signed 16-bit value: negative numbers stand for code units above 32767.
    const int code = Param < 0 ? Param + 0x10000 : Param;
    AddText(code >= 0 && code <= 0x10FFFF ? char32_t(code) : ReplacementChar);
    FSkipChars = State().UnicodeSkip;
}

void TRtfReader::AddText(char32_t Char)
{
    // Stray control bytes are not text; tabs are.
    if (Char < 0x20 && Char != U'\t')
        return;
    switch (State().Destination) {
    case dsText:
        AppendRun(Char);
        break;
    case dsFontTable:
        if (Char == U';')
            CommitFont();
        else if (FFontName.size() < MaxFontNameLength)
            AppendCodePoint(FFontName, Char);
        break;
    case dsColorTable:
        if (Char == U';')
            CommitColor();
        break;
    case dsSkip:
        break;
    }
}

void TRtfReader::AppendRun(char32_t Char)
{
    if (!FText.isEmpty() && FTextChar != State().Char)
        Flush();
    if (FText.isEmpty())
        FTextChar = State().Char;
    AppendCodePoint(FText, Char);
}

void TRtfReader::CommitFont()
{
    const QString name = FFontName.trimmed();
    if (!name.isEmpty())
        FFonts.insert(FFontIndex, name);
    FFontName.clear();
}

void TRtfReader::CommitColor()
{
    // An entry without components is "auto": the default text colour.
    FColors.push_back(FColorGiven ? QColor(FRed, FGreen, FBlue) : QColor());
    FColorGiven = false;
    FRed = FGreen = FBlue = 0;
}

void TRtfReader::Flush()
{
    if (FText.isEmpty())
        return;
    const QTextCharFormat format = CharFormat(FTextChar);
    // An empty paragraph takes its height from the block's own format.
    if (FCursor.block().length() == 1)
        FCursor.setBlockCharFormat(format);
    FCursor.insertText(FText, format);
    FText.clear();
}

void TRtfReader::EndParagraph()
{
    if (State().Destination != dsText)
        return;
    Flush();
    FCursor.insertBlock(QTextBlockFormat(), CharFormat(State().Char));
}

QTextCharFormat TRtfReader::CharFormat(const TCharState& Char) const
{
    QTextCharFormat format;
    format.setFontWeight(Char.Bold ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(Char.FontSize / 2.0);
    // A font missing from the table falls back to the document's default font.
    auto font = FFonts.constFind(Char.FontIndex);
    if (font == FFonts.cend())
        font = FFonts.constFind(FDefaultFont);
    if (font != FFonts.cend())
        format.setFontFamilies(QStringList{*font});
    const bool known = Char.ColorIndex >= 0 && std::size_t(Char.ColorIndex) < FColors.size();
    if (known && FColors[std::size_t(Char.ColorIndex)].isValid())
        format.setForeground(FColors[std::size_t(Char.ColorIndex)]);
    return format;
}
