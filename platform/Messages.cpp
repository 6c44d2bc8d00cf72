// Japanese literals: compiled by g++ with the Shift-JIS execution charset.
#include "platform/Messages.h"

#include "platform/DisplayText.h"
#include "platform/Exception.h"

namespace lookout::messages {

namespace {

// Each text as what stands before and after its one argument (a fixed text
// has none), and its gloss alike: the one table of the texts and glosses.
struct Text {
    std::string_view head, tail;
    std::string_view glossHead, glossTail;
    bool fixed;  // no argument
};

constexpr Text kFileCannotOpen{"ﾌｧｲﾙ ", " は開けません", "cannot open file ", "", false};
constexpr Text kListIndexOutOfBounds{"ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (", ")", "list index out of bounds (", ")",
                                     false};
constexpr Text kNotAnInteger{"'", "' は数値ではありません", "'", "' is not an integer", false};
constexpr Text kIntervalFetchFailed{"loadtime.txtの取得に失敗しました。\n更新時間を120秒と仮定します。", "",
                                    "could not fetch loadtime.txt; a refresh interval of 120 seconds is assumed", "",
                                    true};
constexpr Text kAddressFetchFailed{"IP/MAP対応表の取得に失敗しました。\nヒントを出しません。", "",
                                   "could not fetch the IP/MAP table; the boxes get no address hints", "", true};

constexpr const Text* kTexts[] = {&kIntervalFetchFailed, &kAddressFetchFailed, &kFileCannotOpen, &kListIndexOutOfBounds,
                                  &kNotAnInteger};

std::string Format(const Text& text, std::string_view argument = {}) {
    return std::string(text.head).append(argument).append(text.tail);
}

}  // namespace

std::string FileCannotOpen(const std::string& path) { return Format(kFileCannotOpen, path); }
std::string ListIndexOutOfBounds(int index) { return Format(kListIndexOutOfBounds, std::to_string(index)); }
std::string NotAnInteger(const std::string& text) { return Format(kNotAnInteger, text); }
std::string IntervalFetchFailed() { return Format(kIntervalFetchFailed); }
std::string AddressFetchFailed() { return Format(kAddressFetchFailed); }

std::string Glossed(std::string_view sjisText) {
    std::string line = SjisToUtf8(sjisText);
    for (const Text* text : kTexts) {
        if (text->fixed ? sjisText != text->head
                        : sjisText.size() < text->head.size() + text->tail.size() ||
                              !sjisText.starts_with(text->head) || !sjisText.ends_with(text->tail))
            continue;
        const std::string_view argument =
            sjisText.substr(text->head.size(), sjisText.size() - text->head.size() - text->tail.size());
        return line.append(" (")
            .append(text->glossHead)
            .append(SjisToUtf8(argument))
            .append(text->glossTail)
            .append(")");
    }
    return line;
}

std::string Described(const std::exception& error) {
    const std::string_view what = error.what();
    const auto* own = dynamic_cast<const Exception*>(&error);
    if (!own || !what.starts_with(own->Message())) return Glossed(what);
    return Glossed(own->Message()) + SjisToUtf8(what.substr(own->Message().size()));
}

}  // namespace lookout::messages
