#include "texts/FieldCaptions.h"

#include "config/AppChoices.h"
#include "config/Conversions.h"
#include "config/EditorFields.h"
#include "texts/DifferenceTexts.h"
#include "texts/LanguageTexts.h"
#include "texts/MessageTexts.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <map>
#include <utility>

namespace kx {

namespace {

using B = ConfigBlock;

// Where the main window shows the fields: the offsets from `first` on, `count` of them, sit on
// tab page `page`, inside the groups and under the caption named in `captions` (outermost first,
// the field's own caption last, unused places null), the last caption followed by `suffix`.
// Which label captions which editor is the layout's (src/ui/layout/Page*.cpp); the editors'
// offsets are those of EditorFields. The one table every caption of a field is made from.
struct CaptionRow {
    std::size_t first;
    int count;
    const char* page;
    std::array<const char*, 3> captions;
    const char* suffix = "";
};

constexpr const char* kBike = "TabSheetBike";
constexpr const char* kMiscellaneous = "TabSheetRuzne";
constexpr const char* kAdvance = "TabSheetAdvance";
constexpr const char* kServo = "TabSheetServo";
// The channels' fields, at their first channel's offset.
constexpr std::size_t kMaxLobe = offsetof(B, maxAdvLobe);
constexpr std::size_t kStartLobe = offsetof(B, startAdvLobe);
constexpr std::size_t kMaxEdge2 = offsetof(B, maxAdvEdge2);
constexpr std::size_t kStartEdge2 = offsetof(B, startAdvEdge2);
constexpr std::size_t kMaxPickup2 = offsetof(B, maxAdvPickup2);
constexpr std::size_t kStartPickup2 = offsetof(B, startAdvPickup2);

const CaptionRow kCaptionRows[] = {
    {offsetof(B, bike), 1, kBike, {"LabelBike"}},
    {offsetof(B, noReading), 1, kMiscellaneous, {"CheckBoxZakazCteni"}},
    {offsetof(B, synchroMode), 1, kBike, {"LabelSynchro"}},
    {offsetof(B, lobeCount), 1, kBike, {"LabelPocPalcu"}},
    {offsetof(B, outputCount), 1, kBike, {"LabelPocKanalu"}},
    {offsetof(B, geberMode), 1, kBike, {}}, // the lobes-per-revolution list has no caption
    {offsetof(B, pickup1Inverted), 1, kBike, {"CheckBoxInvInput1"}},
    {offsetof(B, pilotLight), 1, kMiscellaneous, {"LabelPilotLight"}},
    {offsetof(B, pickup2Inverted), 1, kBike, {"CheckBoxInvInput2"}},
    {offsetof(B, baseAdv), 1, kAdvance, {"LabelBaseAdv"}},
    {offsetof(B, noIgnitionRevs), 1, kMiscellaneous, {"LabelPocSynchro"}},
    {offsetof(B, tachoPulses), 1, kBike, {"GroupBoxRpm", "LabelRpmPulsu"}},
    {offsetof(B, tachoCorrection), 1, kBike, {"GroupBoxRpm", "LabelRpmKorekce"}},
    {offsetof(B, limiter), 1, kMiscellaneous, {"LabelOmez2"}},
    {offsetof(B, input1Function), 1, kMiscellaneous, {"RadioGroupInput1"}},
    {offsetof(B, input2Function), 1, kMiscellaneous, {"RadioGroupInput2"}},
    {offsetof(B, servoEnable), 1, kServo, {"CheckBoxPrivEnable"}},
    {offsetof(B, servoHyster), 1, kServo, {"LabelServoHyster"}},
    {offsetof(B, tps0), 1, kMiscellaneous, {"GroupBoxTps", "LabelTps0"}},
    {offsetof(B, tps100), 1, kMiscellaneous, {"GroupBoxTps", "LabelTps100"}},
    {offsetof(B, tpsMapa), 1, kAdvance, {"CheckBoxTpsMapa"}},
    {offsetof(B, compensation1), 1, kBike, {"LabelKompenz"}, " 1"},
    {offsetof(B, compensation2), 1, kBike, {"LabelKompenz"}, " 2"},
    {offsetof(B, startLimiter), 1, kMiscellaneous, {"LabelOmez1"}},
    {offsetof(B, retard), 1, kMiscellaneous, {"LabelRetard"}},
    {offsetof(B, clutchTime), 1, kMiscellaneous, {"LabelClutchTime"}},
    {offsetof(B, clutchPause), 1, kMiscellaneous, {"LabelClutchPause"}},
    // Each channel's row label, under the column heading of lobe, 2nd edge or 2nd pick-up.
    {kMaxLobe + 0, 1, kBike, {"GroupBoxPalec1", "LabelPalec1Zac", "LabelLobe"}},
    {kMaxLobe + 1, 1, kBike, {"GroupBoxPalec2", "LabelPalec2Zac", "LabelLobe"}},
    {kStartLobe + 0, 1, kBike, {"GroupBoxPalec1", "LabelPalec1End", "LabelLobe"}},
    {kStartLobe + 1, 1, kBike, {"GroupBoxPalec2", "LabelPalec2End", "LabelLobe"}},
    {kMaxEdge2 + 0, 1, kBike, {"GroupBoxPalec1", "LabelPalec1Zac", "LabelHrana2"}},
    {kMaxEdge2 + 1, 1, kBike, {"GroupBoxPalec2", "LabelPalec2Zac", "LabelHrana2"}},
    {kStartEdge2 + 0, 1, kBike, {"GroupBoxPalec1", "LabelPalec1End", "LabelHrana2"}},
    {kStartEdge2 + 1, 1, kBike, {"GroupBoxPalec2", "LabelPalec2End", "LabelHrana2"}},
    {kMaxPickup2 + 0, 1, kBike, {"GroupBoxPalec1", "LabelPalec1Zac", "LabelSnimac2"}},
    {kMaxPickup2 + 1, 1, kBike, {"GroupBoxPalec2", "LabelPalec2Zac", "LabelSnimac2"}},
    {kStartPickup2 + 0, 1, kBike, {"GroupBoxPalec1", "LabelPalec1End", "LabelSnimac2"}},
    {kStartPickup2 + 1, 1, kBike, {"GroupBoxPalec2", "LabelPalec2End", "LabelSnimac2"}},
    // The axes' points and the map's cells have no caption of their own.
    {offsetof(B, servoRpm), int(sizeof(B::servoRpm)), kServo, {}},
    {offsetof(B, servoMv), int(sizeof(B::servoMv)), kServo, {}},
    {offsetof(B, rpmAdv), int(sizeof(B::rpmAdv)), kAdvance, {}},
    {offsetof(B, advance), int(sizeof(B::advance)), kAdvance, {}},
};

// The bike list's items 1 to 3 have no language texts: the window keeps the layout's English
// ones (src/ui/layout/PageBike.cpp) in every language. The texts layer cannot read the layout,
// so they are repeated here; tests/ui/test_history_windows.cpp holds them to the window's list.
const char* const kBikeItemsKeptInEnglish[] = {
    nullptr, "Standard  (2 lobe  per revol., 1 or 2 pick-up) ",
    "Standard  (3 lobe  per revol., 1 pick-up) ",
    "Standard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) ", nullptr};
static_assert(std::size(kBikeItemsKeptInEnglish) == std::size_t(kBikeItems));

// The list whose items name the values of a field, by the field's offset.
const std::pair<std::size_t, const char*> kItemLists[] = {
    {offsetof(B, synchroMode), "ComboBoxSynchro"},
    {offsetof(B, input1Function), "RadioGroupInput1"},
    {offsetof(B, input2Function), "RadioGroupInput2"},
};

// The text as the window shows it: an "&" marks an accelerator ("&&" one "&"), and the spaces
// some captions end in are no part of the name.
std::string Shown(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                shown += text[++i];
            continue;
        }
        shown += text[i];
    }
    const std::size_t begin = shown.find_first_not_of(' ');
    if (begin == std::string::npos)
        return "";
    return shown.substr(begin, shown.find_last_not_of(' ') - begin + 1);
}

// One language's captions and items, taken from the window's own texts once.
struct LanguageCaptions {
    std::map<std::string, std::string> captions;              // object name → caption
    std::map<std::pair<std::string, int>, std::string> items; // object name and item → text
    DifferenceWords words;
    std::string yes;
    std::string no;
};

LanguageCaptions BuildCaptions(uint8_t languageIndex) {
    MessageTexts messages;
    LoadMessageTexts(messages, languageIndex);
    LanguageCaptions language;
    // Applied in this order, so a later text of a control is the one the window shows.
    for (const ControlText& text : LanguageTexts(languageIndex, messages)) {
        if (text.kind == TextKind::Caption)
            language.captions[text.control] = Shown(text.text);
        else if (text.kind == TextKind::Item)
            language.items[{text.control, text.item}] = Shown(text.text);
    }
    language.words = DifferenceWordsIn(languageIndex);
    language.yes = messages.MsgYes;
    language.no = messages.MsgNo;
    return language;
}

const LanguageCaptions& CaptionsIn(uint8_t languageIndex) {
    static const std::array<LanguageCaptions, kLanguageCount> languages = [] {
        std::array<LanguageCaptions, kLanguageCount> all;
        for (int language = 0; language < kLanguageCount; ++language)
            all[std::size_t(language)] = BuildCaptions(uint8_t(language));
        return all;
    }();
    return languages[languageIndex < kLanguageCount ? languageIndex : 0];
}

const CaptionRow* RowOf(int offset) {
    static const std::array<const CaptionRow*, kImageSize> rows = [] {
        std::array<const CaptionRow*, kImageSize> byOffset{};
        for (const CaptionRow& row : kCaptionRows) {
            for (int i = 0; i < row.count; ++i)
                byOffset[row.first + std::size_t(i)] = &row;
        }
        return byOffset;
    }();
    return offset >= 0 && offset < kImageSize ? rows[std::size_t(offset)] : nullptr;
}

// As DescribeDifference names the field: the keyword and the words for its place.
std::string DifferenceName(const FieldDifference& difference, const DifferenceWords& words) {
    const auto number = [](int n) { return std::to_string(n); };
    std::string field;
    switch (difference.place) {
    case FieldPlace::Only:
        break;
    case FieldPlace::Named: {
        const std::string& name = words.names[std::size_t(difference.name)];
        field = difference.channel ? FillIn(words.channelValue, number(difference.channel), name)
                                   : name;
        break;
    }
    case FieldPlace::MapCell:
        field = FillIn(words.mapCell, number(difference.position), number(difference.column));
        break;
    case FieldPlace::AxisPoint:
        field = FillIn(words.axisPoint, number(difference.position));
        break;
    case FieldPlace::Value:
        field = FillIn(words.value, number(difference.position));
        break;
    case FieldPlace::FreeByte:
        field = FillIn(words.freeByte, number(difference.offset));
        break;
    }
    if (difference.keyword.empty() || field.empty())
        return difference.keyword + field;
    return difference.keyword + " " + field;
}

// The map's row by the throttle it stands for, as the window's row labels do.
std::string MapCellName(const FieldDifference& difference, const DifferenceWords& words) {
    const int row = difference.position - 1;
    const std::string throttle = row >= 0 && row < kMapRows
                                     ? std::to_string(TpsBreakpoints[row]) + " %"
                                     : std::to_string(difference.position);
    return FillIn(words.mapCell, throttle, std::to_string(difference.column));
}

const std::string* Find(const std::map<std::string, std::string>& captions, const char* name) {
    const auto found = captions.find(name);
    return found == captions.end() ? nullptr : &found->second;
}

std::string ItemText(const LanguageCaptions& language, const char* list, int item) {
    const auto found = language.items.find({list, item});
    return found == language.items.end() ? std::string() : found->second;
}

// The scale of the field's editor, where an editor shows it: the file writes some speeds in
// hundreds of rpm that the window shows in rpm.
const SpinFieldSpec* EditorOf(int offset) {
    static const std::array<const SpinFieldSpec*, kImageSize> editors = [] {
        std::array<const SpinFieldSpec*, kImageSize> byOffset{};
        for (const SpinFieldSpec& field : SpinFields()) {
            if (field.offset >= 0 && field.offset < kImageSize)
                byOffset[std::size_t(field.offset)] = &field;
        }
        return byOffset;
    }();
    return offset >= 0 && offset < kImageSize ? editors[std::size_t(offset)] : nullptr;
}

bool IsCheckBox(int offset) {
    for (const CheckFieldSpec& field : CheckFields()) {
        if (field.offset == offset)
            return true;
    }
    return false;
}

} // namespace

std::string FieldCaption(const FieldDifference& difference, uint8_t languageIndex) {
    const LanguageCaptions& language = CaptionsIn(languageIndex);
    const CaptionRow* row = RowOf(difference.offset);
    if (!row)
        return DifferenceName(difference, language.words);
    std::string caption;
    const auto add = [&caption](const std::string& part) {
        if (!caption.empty())
            caption += kCaptionSeparator;
        caption += part;
    };
    if (const std::string* page = Find(language.captions, row->page))
        add(*page);
    if (difference.place == FieldPlace::MapCell) {
        add(MapCellName(difference, language.words));
        return caption;
    }
    const char* own = nullptr;
    for (const char* control : row->captions) {
        if (!control)
            break;
        if (own) { // a group around the field, named when the window names it
            if (const std::string* group = Find(language.captions, own))
                add(*group);
        }
        own = control;
    }
    const std::string* ownCaption = own ? Find(language.captions, own) : nullptr;
    add(ownCaption ? *ownCaption + row->suffix : DifferenceName(difference, language.words));
    return caption;
}

std::string FieldValueText(const FieldDifference& difference, bool second, uint8_t languageIndex) {
    const LanguageCaptions& language = CaptionsIn(languageIndex);
    const uint8_t stored = second ? difference.secondStored : difference.firstStored;
    std::string text;
    if (difference.offset == int(offsetof(B, bike))) {
        if (const auto item = ComboFromBikeCode(stored)) {
            text = ItemText(language, "ComboBoxBike", *item);
            if (text.empty() && kBikeItemsKeptInEnglish[*item])
                text = Shown(kBikeItemsKeptInEnglish[*item]);
        }
    }
    for (const auto& [offset, list] : kItemLists) {
        if (difference.offset == int(offset))
            text = ItemText(language, list, stored);
    }
    if (!text.empty())
        return text;
    if (IsCheckBox(difference.offset)) {
        const bool ticked = stored != 0;
        text = ticked ? language.yes : language.no;
        // Ticked on both sides, yet by different bytes: the byte shows the difference.
        if (ticked && (difference.firstStored != 0) == (difference.secondStored != 0) &&
            difference.firstStored != difference.secondStored)
            text += " (" + std::to_string(stored) + ")";
        return text;
    }
    if (const SpinFieldSpec* editor = EditorOf(difference.offset))
        return std::to_string(ShownFromStored(editor->scale, stored));
    return std::to_string(second ? difference.secondNumber : difference.firstNumber);
}

std::optional<FieldCaptionSource> FieldCaptionSourceOf(int offset) {
    const CaptionRow* row = RowOf(offset);
    if (!row)
        return std::nullopt;
    FieldCaptionSource source{row->page, {}, row->suffix};
    for (const char* control : row->captions) {
        if (control)
            source.captions.push_back(control);
    }
    return source;
}

} // namespace kx
