#include "storage/exe/VersionInfo.h"

#include "storage/AnsiCodePage.h"
#include "storage/exe/ByteView.h"

namespace brelvane {

namespace {

constexpr int kDeepestNode = 3; // root, StringFileInfo, table, value
constexpr std::size_t kHeader = 6;
constexpr char kDamaged[] = "damaged version resource";

std::size_t Align4(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string Widen(std::string_view ansi) {
    std::u16string wide;
    for (const char c : ansi)
        wide.push_back(static_cast<char16_t>(AnsiToUnicode(static_cast<std::uint8_t>(c))));
    return wide;
}

// The node at `at`, checked against the end of its parent.
struct NodeHeader {
    std::size_t Start = 0, End = 0;
    std::uint16_t ValueLength = 0;
    bool Text = false;
    std::u16string Key;
    std::size_t ValueStart = 0, ValueEnd = 0;
};

NodeHeader ReadHeader(const TByteView& view, std::size_t at, std::size_t limit) {
    NodeHeader node;
    node.Start = at;
    if (at + kHeader > limit) view.Fail();
    const std::uint16_t length = view.U16(at);
    if (length < kHeader || length > limit - at) view.Fail();
    node.End = at + length;
    node.ValueLength = view.U16(at + 2);
    node.Text = view.U16(at + 4) == 1;
    std::size_t cursor = at + kHeader;
    for (;;) {
        if (cursor + 2 > node.End) view.Fail();
        const char16_t c = view.U16(cursor);
        cursor += 2;
        if (c == 0) break;
        node.Key.push_back(c);
    }
    node.ValueStart = Align4(cursor);
    const std::size_t valueBytes = node.Text ? node.ValueLength * std::size_t{2} : node.ValueLength;
    // A value-less node may end right after its key, before the padding.
    if (valueBytes == 0 && node.ValueStart > node.End) node.ValueStart = node.End;
    if (node.ValueStart + valueBytes > node.End) view.Fail();
    node.ValueEnd = node.ValueStart + valueBytes;
    return node;
}

bool SameKey(const std::u16string& key, std::string_view wanted) {
    if (key.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (UpperAscii(key[i]) !=
            UpperAscii(static_cast<char16_t>(static_cast<unsigned char>(wanted[i]))))
            return false;
    return true;
}

template <class Visit>
void ForEachChild(const TByteView& view, const NodeHeader& node, Visit visit) {
    for (std::size_t at = Align4(node.ValueEnd); at < node.End;) {
        const NodeHeader child = ReadHeader(view, at, node.End);
        if (!visit(child)) return;
        at = Align4(child.End);
    }
}

TVersionNode ReadNode(const TByteView& view, const NodeHeader& header, int depth) {
    TVersionNode node;
    node.Key = header.Key;
    node.Text = header.Text;
    node.ValueLength = header.ValueLength;
    const auto value = view.Sub(header.ValueStart, header.ValueEnd - header.ValueStart);
    node.Value.assign(value.begin(), value.end());
    ForEachChild(view, header, [&](const NodeHeader& child) {
        if (depth == kDeepestNode) view.Fail();
        node.Children.push_back(ReadNode(view, child, depth + 1));
        return true;
    });
    return node;
}

std::optional<TVersionValue> Find(const TByteView& view, const NodeHeader& node,
                                  std::span<const std::string_view> path) {
    if (!SameKey(node.Key, path.front())) return std::nullopt;
    if (path.size() == 1) {
        TVersionValue value{node.ValueStart, 0};
        const std::size_t characters = node.Text ? node.ValueLength : node.ValueLength / 2u;
        while (value.Characters < characters &&
               view.U16(node.ValueStart + 2 * value.Characters) != 0)
            ++value.Characters;
        return value;
    }
    std::optional<TVersionValue> found;
    ForEachChild(view, node, [&](const NodeHeader& child) {
        found = Find(view, child, path.subspan(1));
        return !found;
    });
    return found;
}

void WriteNode(std::vector<std::uint8_t>& bytes, const TVersionNode& node) {
    PadTo(bytes, 4);
    const std::size_t start = bytes.size();
    Append<std::uint16_t>(bytes, 0);
    Append<std::uint16_t>(bytes, node.ValueLength);
    Append<std::uint16_t>(bytes, node.Text ? 1 : 0);
    for (const char16_t c : node.Key)
        Append<std::uint16_t>(bytes, c);
    Append<std::uint16_t>(bytes, 0);
    PadTo(bytes, 4);
    bytes.insert(bytes.end(), node.Value.begin(), node.Value.end());
    for (const auto& child : node.Children)
        WriteNode(bytes, child);
    Store<std::uint16_t>(bytes, start, static_cast<std::uint16_t>(bytes.size() - start));
}

TVersionNode TextNode(std::string_view key, std::string_view value) {
    TVersionNode node{Widen(key), true, 0, {}, {}};
    const std::u16string wide = Widen(value);
    for (const char16_t c : wide)
        Append<std::uint16_t>(node.Value, c);
    Append<std::uint16_t>(node.Value, 0);
    node.ValueLength = static_cast<std::uint16_t>(wide.size() + 1);
    return node;
}

TVersionNode Branch(std::string_view key, bool text) {
    return TVersionNode{Widen(key), text, 0, {}, {}};
}

std::uint32_t High(const std::array<std::uint16_t, 4>& v) {
    return std::uint32_t{v[0]} << 16 | v[1];
}
std::uint32_t Low(const std::array<std::uint16_t, 4>& v) {
    return std::uint32_t{v[2]} << 16 | v[3];
}

} // namespace

TVersionNode ReadVersionTree(std::span<const std::uint8_t> resource) {
    const TByteView view(resource, kDamaged);
    return ReadNode(view, ReadHeader(view, 0, resource.size()), 0);
}

std::vector<std::uint8_t> WriteVersionTree(const TVersionNode& root) {
    std::vector<std::uint8_t> bytes;
    WriteNode(bytes, root);
    return bytes;
}

std::optional<TVersionValue> FindVersionValue(std::span<const std::uint8_t> resource,
                                              std::span<const std::string_view> path) {
    if (path.empty()) return std::nullopt;
    const TByteView view(resource, kDamaged);
    return Find(view, ReadHeader(view, 0, resource.size()), path);
}

std::string VersionValueText(std::span<const std::uint8_t> resource, const TVersionValue& value) {
    const TByteView view(resource, kDamaged);
    std::string text;
    for (std::size_t i = 0; i < value.Characters; ++i) {
        const auto ansi = UnicodeToAnsi(view.U16(value.Offset + 2 * i));
        text.push_back(static_cast<char>(ansi.value_or('?')));
    }
    return text;
}

std::string QueryVersionString(std::span<const std::uint8_t> resource, std::string_view table,
                               std::string_view key) {
    const std::string_view path[] = {"VS_VERSION_INFO", "StringFileInfo", table, key};
    const auto value = FindVersionValue(resource, path);
    return value ? VersionValueText(resource, *value) : std::string();
}

std::vector<std::uint8_t> BuildVersionResource(const TVersionBlock& block) {
    TVersionNode root = Branch("VS_VERSION_INFO", false);
    for (const std::uint32_t field :
         {0xFEEF04BDu, 0x00010000u, High(block.FileVersion), Low(block.FileVersion),
          High(block.ProductVersion), Low(block.ProductVersion),
          0x3Fu,       // every flag is meaningful
          0u,          // no flag set
          0x00040004u, // 32-bit Windows on NT
          1u,          // an application
          0u, 0u, 0u})
        Append<std::uint32_t>(root.Value, field);
    root.ValueLength = static_cast<std::uint16_t>(root.Value.size());

    TVersionNode table = Branch(kVersionTable, true);
    for (const auto& [key, value] : block.Strings)
        table.Children.push_back(TextNode(key, value));
    TVersionNode strings = Branch("StringFileInfo", true);
    strings.Children.push_back(std::move(table));

    TVersionNode translation = Branch("Translation", false);
    Append<std::uint16_t>(translation.Value, 0x0409);
    Append<std::uint16_t>(translation.Value, 1252);
    translation.ValueLength = 4;
    TVersionNode variables = Branch("VarFileInfo", true);
    variables.Children.push_back(std::move(translation));

    root.Children.push_back(std::move(strings));
    root.Children.push_back(std::move(variables));
    return WriteVersionTree(root);
}

} // namespace brelvane
