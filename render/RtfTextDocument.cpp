#include "render/RtfTextDocument.h"

#include <QFont>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace brelvane {

namespace {

// Document lengths are pixels of a 96-dpi screen; 1440 twips make an inch.
constexpr double kTwipsPerPixel = 15.0;
constexpr double kDefaultTabTwips = 720.0;
// A bulleted paragraph draws its bullet left of the text, so its first-line
// indent (the bullet's place) is kept aside and given back on the way out.
constexpr int kBulletFirstIndentProperty = QTextFormat::UserProperty + 0x5254;
// What word processors accept; larger stored values would only make the
// layout slow, so they show clamped.
constexpr std::int32_t kMaxHalfPoints = 3276;
constexpr std::int32_t kMaxIndentTwips = 31680;

double Pixels(std::int32_t twips) {
    return std::clamp(twips, -kMaxIndentTwips, kMaxIndentTwips) / kTwipsPerPixel;
}

std::int32_t Twips(double pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * kTwipsPerPixel));
}

QTextBlockFormat BlockFormat(const TRtfParagraphFormat& format) {
    QTextBlockFormat block;
    static constexpr std::array<Qt::Alignment::enum_type, 4> kAlignments{
        Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    block.setAlignment(kAlignments[static_cast<std::size_t>(format.Alignment)]);
    block.setLeftMargin(Pixels(format.LeftIndent));
    block.setRightMargin(Pixels(format.RightIndent));
    if (format.Bullet)
        block.setProperty(kBulletFirstIndentProperty, format.FirstIndent);
    else
        block.setTextIndent(Pixels(format.FirstIndent));
    return block;
}

QTextListFormat BulletList() {
    QTextListFormat list;
    list.setStyle(QTextListFormat::ListDisc);
    list.setIndent(0); // the paragraph's own left indent places it
    return list;
}

class TCharFormats {
public:
    explicit TCharFormats(const std::vector<TRtfFont>& fonts) {
        families_.reserve(fonts.size());
        for (const TRtfFont& font : fonts)
            families_.push_back(font.Name.empty() ? QStringList()
                                                  : QStringList{QString::fromStdString(font.Name)});
    }

    QTextCharFormat operator()(const TRtfCharFormat& format) const {
        QTextCharFormat chars;
        // A font without a name (or none) leaves the document's default face.
        if (format.Font >= 0 && static_cast<std::size_t>(format.Font) < families_.size() &&
            !families_[static_cast<std::size_t>(format.Font)].isEmpty())
            chars.setFontFamilies(families_[static_cast<std::size_t>(format.Font)]);
        chars.setFontPointSize(std::clamp(format.HalfPoints, 1, kMaxHalfPoints) / 2.0);
        chars.setFontWeight(format.Bold ? QFont::Bold : QFont::Normal);
        chars.setFontItalic(format.Italic);
        chars.setFontUnderline(format.Underline);
        chars.setFontStrikeOut(format.Strike);
        if (format.Color)
            chars.setForeground(QColor(format.Color->Red, format.Color->Green, format.Color->Blue));
        return chars;
    }

private:
    std::vector<QStringList> families_;
};

// Line breaks become the document's line separator; characters it would take
// as block or frame boundaries become line breaks or replacement characters.
QString DocumentText(const std::string& text) {
    QString result = QString::fromStdString(text);
    for (QChar& c : result) {
        const char16_t unit = c.unicode();
        if (unit == u'\n' || unit == u'\r' || unit == QChar::ParagraphSeparator)
            c = QChar::LineSeparator;
        else if (unit == 0xFDD0 || unit == 0xFDD1)
            c = QChar::ReplacementCharacter;
    }
    return result;
}

std::string ModelText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QChar::ObjectReplacementCharacter) continue;
        result += c == QChar::LineSeparator ? QChar(u'\n') : c;
    }
    return result.toStdString();
}

// Maps document character formats to stored ones, naming fonts in the order
// they are first used.
class TFontCollector {
public:
    TFontCollector(const QTextDocument& document, std::vector<TRtfFont>& fonts)
        : defaultFont_(document.defaultFont()), fonts_(fonts) {}

    TRtfCharFormat operator()(int formatIndex, const QTextCharFormat& chars) {
        const auto cached = formats_.find(formatIndex);
        if (cached != formats_.end()) return cached->second;
        TRtfCharFormat format;
        const QStringList families = chars.fontFamilies().toStringList();
        format.Font = FontIndex(families.isEmpty() ? defaultFont_.family() : families.first());
        format.HalfPoints =
            std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(PointSize(chars) * 2)));
        format.Bold = chars.fontWeight() >= QFont::DemiBold;
        format.Italic = chars.fontItalic();
        format.Underline = chars.fontUnderline();
        format.Strike = chars.fontStrikeOut();
        if (chars.foreground().style() != Qt::NoBrush) {
            const QColor color = chars.foreground().color().toRgb();
            format.Color = TRtfColor{static_cast<std::uint8_t>(color.red()),
                                     static_cast<std::uint8_t>(color.green()),
                                     static_cast<std::uint8_t>(color.blue())};
        }
        formats_.emplace(formatIndex, format);
        return format;
    }

private:
    double PointSize(const QTextCharFormat& chars) const {
        if (chars.hasProperty(QTextFormat::FontPointSize)) return chars.fontPointSize();
        if (chars.hasProperty(QTextFormat::FontPixelSize))
            return chars.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0;
        if (defaultFont_.pointSizeF() > 0) return defaultFont_.pointSizeF();
        return defaultFont_.pixelSize() * 72.0 / 96.0;
    }

    std::int32_t FontIndex(const QString& family) {
        const auto found = fontIndex_.constFind(family);
        if (found != fontIndex_.cend()) return *found;
        const auto index = static_cast<std::int32_t>(fonts_.size());
        TRtfFont font;
        font.Name = family.toStdString();
        fonts_.push_back(std::move(font));
        fontIndex_.insert(family, index);
        return index;
    }

    QFont defaultFont_;
    std::vector<TRtfFont>& fonts_;
    QHash<QString, std::int32_t> fontIndex_;
    std::unordered_map<int, TRtfCharFormat> formats_;
};

TRtfParagraphFormat ParagraphFormat(const QTextBlock& block, double indentWidth) {
    const QTextBlockFormat format = block.blockFormat();
    TRtfParagraphFormat paragraph;
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        paragraph.Alignment = TRtfAlignment::Center;
    else if (horizontal & Qt::AlignJustify)
        paragraph.Alignment = TRtfAlignment::Justify;
    else if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        paragraph.Alignment = TRtfAlignment::Right;
    const QTextList* list = block.textList();
    const int indents = format.indent() + (list ? list->format().indent() : 0);
    paragraph.LeftIndent = Twips(format.leftMargin() + indents * indentWidth);
    paragraph.RightIndent = Twips(format.rightMargin());
    paragraph.Bullet = list != nullptr;
    if (!list)
        paragraph.FirstIndent = Twips(format.textIndent());
    else if (format.hasProperty(kBulletFirstIndentProperty))
        paragraph.FirstIndent = format.intProperty(kBulletFirstIndentProperty);
    else
        paragraph.FirstIndent = -paragraph.LeftIndent; // the bullet at the margin
    return paragraph;
}

} // namespace

void LoadRtfIntoTextDocument(const TRtfDocument& rich, QTextDocument& target) {
    const bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false); // nothing of the load is undone, and it goes faster
    target.clear();
    QTextOption option = target.defaultTextOption();
    option.setTabStopDistance(kDefaultTabTwips / kTwipsPerPixel);
    target.setDefaultTextOption(option);

    const TCharFormats charFormat(rich.Fonts);
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    QTextList* list = nullptr;
    bool first = true;
    for (const TRtfParagraph& paragraph : rich.Paragraphs) {
        const QTextBlockFormat block = BlockFormat(paragraph.Format);
        const QTextCharFormat mark = charFormat(paragraph.MarkFormat);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        if (!paragraph.Format.Bullet)
            list = nullptr;
        else if (list)
            list->add(cursor.block());
        else
            list = cursor.createList(BulletList());
        for (const TRtfRun& run : paragraph.Runs)
            cursor.insertText(DocumentText(run.Text), charFormat(run.Format));
    }
    cursor.endEditBlock();
    target.setUndoRedoEnabled(undo);
}

TRtfDocument RtfFromTextDocument(const QTextDocument& source) {
    TRtfDocument rich;
    TFontCollector format(source, rich.Fonts);
    const double indentWidth = source.indentWidth();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        TRtfParagraph paragraph;
        paragraph.Format = ParagraphFormat(block, indentWidth);
        paragraph.MarkFormat = format(block.charFormatIndex(), block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            std::string text = ModelText(fragment.text());
            if (text.empty()) continue;
            TRtfRun run{format(fragment.charFormatIndex(), fragment.charFormat()), std::move(text)};
            if (!paragraph.Runs.empty() && paragraph.Runs.back().Format == run.Format)
                paragraph.Runs.back().Text += run.Text;
            else
                paragraph.Runs.push_back(std::move(run));
        }
        rich.Paragraphs.push_back(std::move(paragraph));
    }
    return rich;
}

} // namespace brelvane
