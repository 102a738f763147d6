#include "codecs/tone_table.h"

#include "codecs/number_text.h"
#include "codecs/tone.h"

namespace qv {

const std::array<int, 38> kCtcssTenths = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

const std::array<const char*, 83> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152",
    "155", "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245",
    "251", "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351",
    "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465",
    "466", "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631",
    "632", "654", "662", "664", "703", "712", "723", "732", "734", "743", "754"};

namespace {

// The numbers of the list's runs follow from the tables' sizes and the customized slots.
constexpr int kFirstDcsNormal = 1 + static_cast<int>(kCtcssTenths.size());
constexpr int kFirstCustomCtcss = kFirstDcsNormal + static_cast<int>(kDcsCodes.size());
constexpr int kFirstDcsInverted = kFirstCustomCtcss + kCustomSlots;
constexpr int kFirstCustomDcs = kFirstDcsInverted + static_cast<int>(kDcsCodes.size());
static_assert(kFirstDcsNormal == 39 && kFirstCustomCtcss == 122 && kFirstDcsInverted == 128 &&
              kFirstCustomDcs == 211);

QString Numbered(int number, const QString& tone) {
    return QStringLiteral("%1 - %2").arg(number).arg(tone);
}

// A DCS code of the table ("023") as the tone field holds it: its three digits read as
// hexadecimal (0x023). Read by hand, as the list is built at every refresh.
Tone DcsOfCode(const char* code, bool inverted) {
    const int value = (code[0] - '0') << 8 | (code[1] - '0') << 4 | (code[2] - '0');
    return Tone::Dcs(value, inverted);
}

}  // namespace

QStringList ToneTable(const UiTexts& texts) {
    QStringList table;
    table.reserve(1 + 38 + 2 * 83);
    table << NoneText(texts);
    for (int tenths : kCtcssTenths) table << FormatFixed(tenths / 10.0, 1, texts.locale());
    for (const char* code : kDcsCodes) table << QStringLiteral("D%1N").arg(QLatin1String(code));
    for (const char* code : kDcsCodes) table << QStringLiteral("D%1I").arg(QLatin1String(code));
    return table;
}

std::vector<NumberedTone> BuildToneChoices(const RadioImage& image) {
    std::vector<NumberedTone> choices;
    choices.push_back({Tone{}, 0});
    int number = 1;
    for (int tenths : kCtcssTenths) choices.push_back({Tone::Ctcss(tenths), number++});
    for (const char* code : kDcsCodes) choices.push_back({DcsOfCode(code, false), number++});
    for (int k = 0; k < kCustomSlots; ++k) {
        const Tone tone = DecodeToneField(image, kCustomCtcssAddress + 2 * k);
        if (tone.kind == ToneKind::Ctcss && tone.value >= kCustomCtcssMinTenths &&
            tone.value <= kCustomCtcssMaxTenths) {
            choices.push_back({tone, kFirstCustomCtcss + k});
        }
    }
    number = kFirstDcsInverted;
    for (const char* code : kDcsCodes) choices.push_back({DcsOfCode(code, true), number++});
    for (int k = 0; k < kCustomSlots; ++k) {
        const Tone tone = DecodeToneField(image, kCustomDcsAddress + 2 * k);
        if (tone.kind == ToneKind::Dcs) choices.push_back({tone, kFirstCustomDcs + k});
    }
    return choices;
}

QString ToneChoiceText(const NumberedTone& choice, const UiTexts& texts) {
    if (choice.number == 0) return NoneText(texts);
    const QString unit = choice.tone.kind == ToneKind::Ctcss ? QStringLiteral("Hz") : QString();
    return Numbered(choice.number, ToneText(choice.tone, texts) + unit);
}

QStringList BuildToneList(const RadioImage& image, const UiTexts& texts) {
    QStringList list;
    for (const NumberedTone& choice : BuildToneChoices(image))
        list << ToneChoiceText(choice, texts);
    return list;
}

}  // namespace qv
