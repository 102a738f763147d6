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

constexpr int kFirstDcsNormal = 39;
constexpr int kFirstCustomCtcss = 122;
constexpr int kFirstDcsInverted = 128;
constexpr int kFirstCustomDcs = 211;

QString Numbered(int number, const QString& tone) {
    return QStringLiteral("%1 - %2").arg(number).arg(tone);
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

QStringList BuildToneList(const RadioImage& image, const UiTexts& texts) {
    const QStringList table = ToneTable(texts);
    QStringList list;
    list << table[0];
    for (int i = 1; i <= 38; ++i) list << Numbered(i, table[i] + QStringLiteral("Hz"));
    for (int i = kFirstDcsNormal; i <= 121; ++i) list << Numbered(i, table[i]);
    for (int k = 0; k < kCustomSlots; ++k) {
        const int address = kCustomCtcssAddress + 2 * k;
        const QString tone = DecodeTone(image, address % kRowSize, address / kRowSize, texts);
        const double hertz = ReadNumber(tone, texts.locale());
        if (hertz >= kCustomCtcssMin && hertz <= kCustomCtcssMax) {
            list << Numbered(kFirstCustomCtcss + k, tone + QStringLiteral("Hz"));
        }
    }
    for (int i = 122; i <= 204; ++i) list << Numbered(kFirstDcsInverted + (i - 122), table[i]);
    for (int k = 0; k < kCustomSlots; ++k) {
        const int address = kCustomDcsAddress + 2 * k;
        const QString tone = DecodeTone(image, address % kRowSize, address / kRowSize, texts);
        if (tone.startsWith(u'D')) list << Numbered(kFirstCustomDcs + k, tone);
    }
    return list;
}

}  // namespace qv
